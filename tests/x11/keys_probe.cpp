// The game as it runs for a player (real clock, real message boxes), with a
// report on standard output that a script driving it in a real X server
// reads: "ready" once the window is up, "box" while a message box is shown,
// "pull <bankroll> <wager>" at each pull, "space down" and "space up" as
// the game's key state for the space bar changes, "settled <bankroll>" when a spin
// has been paid. It starts with the bankroll and the wager given, so a
// script reaches the lowering of the wager at once.
//
//   keys_probe <bankroll> <wager button: 1, 2 or 3>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "app/startup.h"
#include "game/module1.h"
#include "game/window1.h"
#include "rt/rt.h"

namespace {

void Say(const char* format, int a = 0, int b = 0) {
  std::printf(format, a, b);
  std::printf("\n");
  std::fflush(stdout);
}

class Probe : public QObject {
 public:
  Probe(int bankroll, int wagerButton) : bankroll_(bankroll), wagerButton_(wagerButton) {
    QObject::connect(&tick_, &QTimer::timeout, this, [this] { Step(); });
    tick_.start(10);
  }

 private:
  void Step() {
    rt::Ref<rt::Window> living = rt::GetImplicitWindow("Window1.Window1");
    if (!living) return;
    auto game = rt::RuntimeCheckCast<Window1>(living);
    if (!ready_) {
      ready_ = true;
      Module1::Bankroll = bankroll_;
      game->StaticText2()->SetText(rt::Str(int64_t{bankroll_}));
      rt::Ref<rt::RadioButton> buttons[] = {game->RadioButton1(), game->RadioButton2(),
                                            game->RadioButton3()};
      buttons[wagerButton_ - 1]->SetValue(true);
      Say("ready");
    }
    const bool space = rt::Keyboard::AsyncKeyDown(rt::Keyboard::kSpace);
    if (space != space_) Say(space ? "space down" : "space up");
    space_ = space;
    const bool box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr;
    if (box && !box_) Say("box");
    box_ = box;
    if (Module1::Pull && !pull_) Say("pull %d %d", Module1::Bankroll, Module1::Wager);
    pull_ = Module1::Pull;
    // A spin is paid once reel 3 has stopped and play is unlocked (after
    // the win sound), or locked for a bankrupt player.
    if (Module1::PlayStarted && Module1::Pull) spinning_ = true;
    if (spinning_ && !Module1::Pull && (!Module1::PlayStarted || Module1::Bankroll == 0)) {
      spinning_ = false;
      Say("settled %d", static_cast<int>(rt::Val(game->StaticText2()->Text())));
    }
  }

  QTimer tick_;
  int bankroll_, wagerButton_;
  bool ready_ = false, space_ = false, box_ = false, pull_ = false, spinning_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: keys_probe <bankroll> <wager button 1-3>\n");
    return 64;
  }
  const int bankroll = std::atoi(argv[1]);
  const int wagerButton = std::atoi(argv[2]);
  if (wagerButton < 1 || wagerButton > 3) return 64;
  int runtimeArgc = 1;
  rt::RuntimeInit(runtimeArgc, argv);
  initialize();
  rt::RuntimeSetExceptionHelper(rt::CallFunctionWithExceptionHandling);
  EarlyStartup();
  rt::RunFrameworkInitialization(LateStartup);
  Probe probe(bankroll, wagerButton);
  rt::RuntimeRun();
  finalize();
  return rt::RuntimeExit();
}
