// Plays the game as a player would, on the real clock, and grabs the game
// window twice: while the reels turn, and after a pull that won. The pulls
// are real mouse clicks on the handle; the runtime's random generator is
// seeded so that a run can be repeated (a pull that does not win is followed
// by another until one does).
//
//   play_shots <output folder> [seed]
//
// writes <output folder>/spin.png and <output folder>/win.png.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/startup.h"
#include "game/module1.h"
#include "game/window1.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

QString g_out;
int g_status = 1;

bool Grab(const char* name) {
  rt::Ref<rt::Window> game = rt::GetImplicitWindow("Window1.Window1");
  if (!game || !game->widget()) return false;
  QWidget* top = game->widget();
  QPixmap shot = top->screen()->grabWindow(top->winId());
  if (shot.isNull()) shot = top->grab();
  const QString path = g_out + "/" + name;
  if (!shot.save(path, "PNG")) return false;
  std::printf("play_shots: %s (%dx%d)\n", path.toLocal8Bit().constData(), shot.width(),
              shot.height());
  return true;
}

void Finish(int status) {
  g_status = status;
  rt::Quit();
}

// Watches the game every 20 ms and acts as the player: pull, look, pull again.
class Player : public QObject {
 public:
  Player() {
    clock_.start();
    QObject::connect(&tick_, &QTimer::timeout, this, [this] { Step(); });
    tick_.start(20);
  }

 private:
  void Pull() {
    rt::Ref<Window1> game = rt::RuntimeCheckCast<Window1>(rt::GetImplicitWindow("Window1.Window1"));
    QTest::mouseClick(game->Canvas10()->widget(), Qt::LeftButton, Qt::NoModifier, QPoint(21, 60));
    ++pulls_;
  }

  void Step() {
    if (busy_) return;  // a pull's click wait runs events inside it
    busy_ = true;
    const qint64 now = clock_.elapsed();
    if (now > 180000) {
      std::fprintf(stderr, "play_shots: no win after %d pulls\n", pulls_);
      Finish(2);
    } else if (state_ == kSettle && now > 1500) {
      state_ = kIdle;
    } else if (state_ == kIdle && !Module1::PlayStarted && !Module1::Pull) {
      if (Module1::Bankroll == 0) {
        rt::GetAppObject()->MenuBar()->Lookup("ATMAdd20Tokens")->Choose();
      } else {
        pulledAt_ = now;
        state_ = kPulled;
        Pull();
      }
    } else if (state_ == kPulled && Module1::PlayStarted) {
      spinAt_ = now;
      state_ = kSpinning;
    } else if (state_ == kSpinning && !shotSpin_ && now - spinAt_ > 900) {
      shotSpin_ = Grab("spin.png");
      if (!shotSpin_) Finish(3);
    } else if (state_ == kSpinning && !Module1::PlayStarted && !Module1::Pull) {
      // The payout is done; a win has put its figure and banner up.
      if (Module1::Score > 0) {
        state_ = kShowWin;
        winAt_ = now;
      } else {
        state_ = kIdle;
      }
    } else if (state_ == kShowWin && now - winAt_ > 300) {
      std::printf("play_shots: %d sevens on pull %d, bankroll %d\n", Module1::Score, pulls_,
                  Module1::Bankroll);
      Finish(Grab("win.png") && shotSpin_ ? 0 : 3);
    }
    busy_ = false;
  }

  enum State { kSettle, kIdle, kPulled, kSpinning, kShowWin };
  State state_ = kSettle;
  QTimer tick_;
  QElapsedTimer clock_;
  qint64 pulledAt_ = 0, spinAt_ = 0, winAt_ = 0;
  int pulls_ = 0;
  bool shotSpin_ = false, busy_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: play_shots <output folder> [seed]\n");
    return 64;
  }
  g_out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(g_out);
  const uint32_t seed = argc > 2 ? static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 4;

  int runtimeArgc = 1;
  rt::RuntimeInit(runtimeArgc, argv);
  rt::testing::SeedRandom(seed);
  initialize();
  rt::RuntimeSetExceptionHelper(rt::CallFunctionWithExceptionHandling);
  EarlyStartup();
  rt::RunFrameworkInitialization(LateStartup);
  Player player;
  rt::RuntimeRun();
  finalize();
  rt::RuntimeExit();
  return g_status;
}
