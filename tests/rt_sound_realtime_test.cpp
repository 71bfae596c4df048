// Sounds and waits in real time, with its own main: no simulated clock. On a
// machine without an audio device QSoundEffect says "playing" for ever; the
// wait on a sound must still end after the sound's duration, and must sleep,
// not spin, while it waits.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>

#include "rt/media.h"
#include "rt/runtime.h"
#include "rt/testing/driver.h"
#include "rt/timer.h"

namespace {

// A PCM WAV of `ms` milliseconds: 8000 Hz, 16-bit, mono, a soft tone.
QByteArray Wav(int ms) {
  const uint32_t rate = 8000, frames = rate * ms / 1000, dataBytes = frames * 2;
  QByteArray b;
  auto u32 = [&b](uint32_t v) {
    for (int i = 0; i < 4; ++i) b.append(static_cast<char>(v >> (8 * i)));
  };
  auto u16 = [&b](uint16_t v) {
    b.append(static_cast<char>(v));
    b.append(static_cast<char>(v >> 8));
  };
  b.append("RIFF");
  u32(36 + dataBytes);
  b.append("WAVEfmt ");
  u32(16);
  u16(1);
  u16(1);
  u32(rate);
  u32(rate * 2);
  u16(2);
  u16(16);
  b.append("data");
  u32(dataBytes);
  for (uint32_t i = 0; i < frames; ++i) u16(static_cast<uint16_t>((i % 40 < 20) ? 800 : -800));
  return b;
}

double ThreadCpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

double WallMs() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

class SoundRealTimeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(rt::testing::SimulatedClock());
    ASSERT_TRUE(dir_.isValid());
  }
  rt::Ref<rt::Sound> Open(int ms) {
    const QString path = dir_.filePath(QStringLiteral("tone%1.wav").arg(ms));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Wav(ms));
    file.close();
    return rt::FolderItem(path.toStdString()).OpenAsSound();
  }
  QTemporaryDir dir_;
};

TEST_F(SoundRealTimeTest, WaitEndsAfterTheDurationWithoutSpinning) {
  auto sound = Open(150);
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->DurationMs(), 150);
  for (int round = 0; round < 2; ++round) {  // the second Play reuses the player
    SCOPED_TRACE(round);
    sound->Play();
    const double wall0 = WallMs(), cpu0 = ThreadCpuMs();
    int polls = 0;
    while (sound->IsPlaying() && WallMs() - wall0 < 5000) {
      rt::RuntimeBackgroundTask();
      ++polls;
    }
    const double wall = WallMs() - wall0, cpu = ThreadCpuMs() - cpu0;
    EXPECT_FALSE(sound->IsPlaying());
    EXPECT_GE(wall, 140);
    // A wait that overshoots the end by seconds; a loaded machine may keep
    // the process off its core for a while, not for seconds.
    EXPECT_LT(wall, 3000);
    // A spinning wait burns its whole wall time and polls thousands of
    // times; a sleeping one wakes about once per ten milliseconds, however
    // long a loaded machine stretches the wait.
    EXPECT_LT(cpu, wall * 0.3) << polls << " polls";
    EXPECT_LT(polls, 20 + wall / 5);
  }
}

TEST_F(SoundRealTimeTest, PlayWhilePlayingStartsAgain) {
  auto sound = Open(200);
  ASSERT_TRUE(sound);
  sound->Play();
  const double wall0 = WallMs();
  while (WallMs() - wall0 < 120) rt::RuntimeBackgroundTask();
  sound->Play();
  const double restarted = WallMs();
  while (sound->IsPlaying() && WallMs() - wall0 < 5000) rt::RuntimeBackgroundTask();
  EXPECT_GE(WallMs() - restarted, 190);
  sound->Stop();
  EXPECT_FALSE(sound->IsPlaying());
}

// A repeating timer ticks on its precise Qt timer while a handler waits on
// a sound, and a timer's Action is not entered again while it waits. The
// ticks are counted inside the wait and against its measured length, so a
// loaded machine that stretches the wait changes nothing.
TEST_F(SoundRealTimeTest, TimersTickInsideASoundWait) {
  auto sound = Open(300);
  ASSERT_TRUE(sound);
  int ticks = 0, ticksInWait = 0, entries = 0, depth = 0, deepest = 0;
  bool waiting = false;
  double waitMs = -1;
  auto ticker = rt::RuntimeNewObject<rt::Timer>();
  ticker->SetPeriod(20);
  ticker->Action.Bind([&](rt::Ref<rt::Timer>) {
    ++ticks;
    ticksInWait += waiting;
  });
  auto waiter = rt::RuntimeNewObject<rt::Timer>();
  waiter->SetPeriod(10);
  waiter->Action.Bind([&](rt::Ref<rt::Timer>) {
    ++entries;
    deepest = std::max(deepest, ++depth);
    if (entries == 1) {
      const double start = WallMs();
      sound->Play();
      waiting = true;
      while (sound->IsPlaying()) rt::RuntimeBackgroundTask();
      waiting = false;
      waitMs = WallMs() - start;
    }
    --depth;
  });
  ticker->SetMode(rt::Timer::kModeMultiple);
  waiter->SetMode(rt::Timer::kModeMultiple);
  // Until the waiter has run again after its wait; the limit only ends a
  // wait that never does.
  const double wall0 = WallMs();
  while (!(waitMs >= 0 && entries >= 2) && WallMs() - wall0 < 10000) rt::RuntimeBackgroundTask();
  ticker->SetMode(rt::Timer::kModeOff);
  waiter->SetMode(rt::Timer::kModeOff);
  ASSERT_GE(waitMs, 0) << "the wait did not end";
  EXPECT_GE(waitMs, 290);
  EXPECT_EQ(deepest, 1);
  EXPECT_GE(entries, 2);  // it went on after the wait
  // About 15 ticks in the 300 ms: a wait that holds timers back gives none,
  // a one-shot one; a timer fired at every poll far more than its period
  // allows.
  EXPECT_GE(ticksInWait, 2) << ticks << " ticks in all";
  EXPECT_LE(ticksInWait, waitMs / 20 + 2) << "in " << waitMs << " ms";
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  ::testing::InitGoogleTest(&argc, argv);
  rt::testing::UseTestHooks();
  rt::RuntimeInit(argc, argv);
  return RUN_ALL_TESTS();
}
