// Plays the real game window on the real clock and measures what the player
// feels but cannot see from outside the process: when each reel stops after
// a pull, and how much CPU a win-sound wait takes.
//
// Usage: bench_driver SPINS   (prints "stops <ms1> <ms2> <ms3>" per spin and
//                              "soundwait first|again <wall ms> <cpu ms>")
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/startup.h"
#include "game/module1.h"
#include "game/window1.h"
#include "media/media.h"
#include "rt/rt.h"

namespace {

QElapsedTimer clock_;
qint64 stopAt[3];

double CpuMs() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
         (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

// Lets the event loop run until `done` holds (or `limitMs` pass).
void WaitUntil(const std::function<bool()>& done, int limitMs) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < limitMs) {
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
  }
}

// Puts a time stamp in front of each reel-stop handler.
void StampReelStops() {
  rt::Ref<Window1> w = Window1::Instance();
  auto stamp = [](int reel, void (Window1::*handler)(rt::Ref<rt::Timer>)) {
    return [reel, handler](rt::Ref<rt::Timer> t) {
      stopAt[reel] = clock_.nsecsElapsed();
      (Window1::Instance().get()->*handler)(t);
    };
  };
  rt::RuntimeAddEventHandler(w->Timer1()->Action, stamp(0, &Window1::Timer1_Action));
  rt::RuntimeAddEventHandler(w->Timer2()->Action, stamp(1, &Window1::Timer2_Action));
  rt::RuntimeAddEventHandler(w->Timer3()->Action, stamp(2, &Window1::Timer3_Action));
}

void Run(int spins) {
  StampReelStops();
  rt::Ref<Window1> w = Window1::Instance();
  // Silence the payout so every spin is a plain spin; the sound wait is
  // measured on its own below.
  Module1::MySound = false;
  for (int i = 0; i < spins; ++i) {
    Module1::Bankroll = 1000;
    w->StaticText2()->SetText("1000");
    WaitUntil([] { return !Module1::PlayStarted && !Module1::Pull; }, 10000);
    stopAt[0] = stopAt[1] = stopAt[2] = -1;
    clock_.start();
    qint64 pull = clock_.nsecsElapsed();
    QTest::mouseClick(w->Canvas10()->widget(), Qt::LeftButton);
    WaitUntil([] { return stopAt[2] >= 0 && !Module1::PlayStarted; }, 10000);
    std::printf("stops %.2f %.2f %.2f\n", (stopAt[0] - pull) / 1e6, (stopAt[1] - pull) / 1e6,
                (stopAt[2] - pull) / 1e6);
  }
  // The first wait also loads and decodes the sound; the second is the wait
  // alone.
  Module1::MySound = true;
  for (const char* which : {"first", "again"}) {
    QElapsedTimer wall;
    double cpu0 = CpuMs();
    wall.start();
    PlayToEnd(jackpot);
    std::printf("soundwait %s %lld %.1f\n", which, static_cast<long long>(wall.elapsed()),
                CpuMs() - cpu0);
  }
  std::fflush(stdout);
  rt::Quit();
}

}  // namespace

int main(int argc, char** argv) {
  int spins = argc > 1 ? std::atoi(argv[1]) : 5;
  rt::RuntimeInit(argc, argv);
  initialize();
  QTimer::singleShot(300, [spins] { Run(spins); });
  Main();
  finalize();
  return rt::RuntimeExit();
}
