// Pictures and sounds from files (good, missing, corrupt), FolderItem, the
// resources folder rule, and a sound's IsPlaying on the simulated clock.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "rt/media.h"
#include "rt/runtime.h"
#include "rt/testing/driver.h"
#include "rt/timer.h"

namespace {

using rt::FolderItem;
using rt::Ref;

// Little-endian writers for hand-made WAV files.
void U16(QByteArray& b, uint16_t v) {
  b.append(static_cast<char>(v));
  b.append(static_cast<char>(v >> 8));
}
void U32(QByteArray& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.append(static_cast<char>(v >> (8 * i)));
}
QByteArray Chunk(const char* id, const QByteArray& body) {
  QByteArray b(id, 4);
  U32(b, static_cast<uint32_t>(body.size()));
  b += body;
  if (body.size() % 2) b.append('\0');
  return b;
}
QByteArray Fmt(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits) {
  QByteArray f;
  U16(f, format);
  U16(f, channels);
  U32(f, rate);
  U32(f, rate * channels * bits / 8);
  U16(f, static_cast<uint16_t>(channels * bits / 8));
  U16(f, bits);
  return f;
}
QByteArray Riff(const QByteArray& chunks, const char* kind = "WAVE") {
  QByteArray b("RIFF");
  U32(b, static_cast<uint32_t>(4 + chunks.size()));
  b.append(kind, 4);
  return b + chunks;
}
// `ms` of silence in the given format.
QByteArray Wav(int ms, uint16_t channels = 1, uint32_t rate = 8000, uint16_t bits = 16) {
  const int bytes = static_cast<int>(rate * ms / 1000) * channels * bits / 8;
  return Riff(Chunk("fmt ", Fmt(1, channels, rate, bits)) + Chunk("data", QByteArray(bytes, 0)));
}

class MediaTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    rt::testing::SetResourcesFolder("");
  }
  void TearDown() override { rt::testing::SetResourcesFolder(""); }
  std::string Write(const QString& name, const QByteArray& bytes) {
    QFile file(dir_.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName().toStdString();
  }
  std::string WriteImage(const QString& name, int w, int h, const char* format) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 30));
    const QString path = dir_.filePath(name);
    EXPECT_TRUE(image.save(path, format));
    return path.toStdString();
  }
  std::string Dir() const { return dir_.path().toStdString(); }
  QTemporaryDir dir_;
};

TEST_F(MediaTest, PicturesFromFiles) {
  WriteImage("a.jpg", 12, 9, "JPEG");
  WriteImage("b.png", 7, 5, "PNG");
  WriteImage("png-named.jpg", 4, 3, "PNG");  // decoded by content, not by name
  Write("garbage.jpg", QByteArray("this is not a picture at all, only words"));
  Write("empty.jpg", QByteArray());
  QByteArray cut;
  {
    QFile whole(QString::fromStdString(WriteImage("whole.png", 40, 40, "PNG")));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    cut = whole.read(30);  // the signature and part of the header
  }
  Write("cut.png", cut);
  QDir(dir_.path()).mkdir(QStringLiteral("folder.jpg"));
  struct Case {
    const char* name;
    bool opens;
    int w, h;
  } const cases[] = {
      {"a.jpg", true, 12, 9},       {"b.png", true, 7, 5},        {"png-named.jpg", true, 4, 3},
      {"missing.jpg", false, 0, 0}, {"garbage.jpg", false, 0, 0}, {"empty.jpg", false, 0, 0},
      {"cut.png", false, 0, 0},     {"folder.jpg", false, 0, 0},
  };
  auto folder = rt::RuntimeNewObject<FolderItem>(Dir());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Ref<FolderItem> entry = folder->Child(c.name);
    ASSERT_TRUE(entry);  // an entry even for a missing file
    Ref<rt::Picture> picture = entry->OpenAsPicture();
    EXPECT_EQ(static_cast<bool>(picture), c.opens);
    if (picture) {
      EXPECT_EQ(picture->Width(), c.w);
      EXPECT_EQ(picture->Height(), c.h);
      EXPECT_EQ(picture->SourcePath(), entry->NativePath());
    }
  }
}

TEST_F(MediaTest, SoundsFromFiles) {
  const QByteArray fmt16 = Chunk("fmt ", Fmt(1, 1, 8000, 16));
  QByteArray extensible = Fmt(0xFFFE, 2, 22050, 16);
  U16(extensible, 22);
  U16(extensible, 16);
  U32(extensible, 3);
  extensible += QByteArray("\x01\x00\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 16);
  struct Case {
    const char* name;
    QByteArray bytes;
    int64_t duration;  // -1: not a sound
  } const cases[] = {
      {"mono16.wav", Wav(250), 250},
      {"stereo8.wav", Wav(100, 2, 44100, 8), 100},
      {"odd.wav", Wav(1, 1, 3, 8), 0},  // no whole frame yet
      {"rounded.wav",
       Riff(fmt16 + Chunk("data", QByteArray(18, 0))),  // 9 frames: 1.125 ms, rounded up
       2},
      // Other chunks first, one of odd size with its pad byte.
      {"list.wav",
       Riff(Chunk("LIST", QByteArray(5, 'x')) + fmt16 + Chunk("data", QByteArray(1600, 0))), 100},
      {"extensible.wav", Riff(Chunk("fmt ", extensible) + Chunk("data", QByteArray(88200, 0))),
       1000},
      // A data chunk claiming more than the file holds counts what is there.
      {"short.wav",
       Riff(fmt16 + QByteArray("data") + QByteArray("\x00\x00\x01\x00", 4) + QByteArray(800, 0)),
       50},
      {"float.wav", Riff(Chunk("fmt ", Fmt(3, 1, 8000, 32)) + Chunk("data", QByteArray(800, 0))),
       -1},
      {"nodata.wav", Riff(fmt16), -1},
      {"nofmt.wav", Riff(Chunk("data", QByteArray(800, 0))), -1},
      {"avi.wav", Riff(fmt16 + Chunk("data", QByteArray(800, 0)), "AVI "), -1},
      {"zero-rate.wav", Riff(Chunk("fmt ", Fmt(1, 1, 0, 16)) + Chunk("data", QByteArray(8, 0))),
       -1},
      {"short-fmt.wav", Riff(Chunk("fmt ", QByteArray(8, 1)) + Chunk("data", QByteArray(8, 0))),
       -1},
      {"text.wav", QByteArray("RIFF? no, just text"), -1},
      {"empty.wav", QByteArray(), -1},
  };
  for (const auto& c : cases) Write(c.name, c.bytes);
  auto folder = rt::RuntimeNewObject<FolderItem>(Dir());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Ref<rt::Sound> sound = folder->Child(c.name)->OpenAsSound();
    ASSERT_EQ(static_cast<bool>(sound), c.duration >= 0);
    if (sound) {
      EXPECT_EQ(sound->DurationMs(), c.duration);
      EXPECT_FALSE(sound->IsPlaying());
    }
  }
  EXPECT_FALSE(folder->Child("missing.wav")->OpenAsSound());
}

TEST_F(MediaTest, ChildOfAFolder) {
  Write("file.txt", "x");
  auto folder = rt::RuntimeNewObject<FolderItem>(Dir());
  Ref<FolderItem> missing = folder->Child("missing.jpg");
  ASSERT_TRUE(missing);
  EXPECT_FALSE(missing->Exists());
  EXPECT_EQ(missing->Name(), "missing.jpg");
  EXPECT_EQ(missing->NativePath(), Dir() + "/missing.jpg");
  EXPECT_TRUE(folder->Child("file.txt")->Exists());
  // Only one plain name inside this folder; nothing from a file or a
  // folder that does not exist.
  for (const char* name : {"", ".", "..", "../file.txt", "sub/file.txt"}) {
    EXPECT_FALSE(folder->Child(name)) << name;
  }
  EXPECT_FALSE(folder->Child("file.txt")->Child("x"));
  EXPECT_FALSE(missing->Child("x"));
}

TEST_F(MediaTest, ResourcesFolderIsAskedAnewEachCall) {
  const std::string path = Dir() + "/Resources";
  rt::testing::SetResourcesFolder(path);
  EXPECT_FALSE(rt::GetApplicationBundleResources());  // not there yet
  ASSERT_TRUE(QDir().mkdir(QString::fromStdString(path)));
  Ref<FolderItem> folder = rt::GetApplicationBundleResources();
  ASSERT_TRUE(folder);
  EXPECT_EQ(folder->NativePath(), path);
  EXPECT_FALSE(folder->Child("7.jpg")->OpenAsPicture());  // missing file: nil picture
  WriteImage("Resources/7.jpg", 10, 10, "JPEG");
  EXPECT_TRUE(rt::GetApplicationBundleResources()->Child("7.jpg")->OpenAsPicture());
  QDir(QString::fromStdString(path)).removeRecursively();
  EXPECT_FALSE(rt::GetApplicationBundleResources());
}

// The default rule: "Resources" in the parent of the executable's folder,
// whatever the current directory; nil when it is absent or not a folder.
// The test runs copies of this executable placed in prepared folders, which
// only print what they find.
TEST_F(MediaTest, ResourcesFolderBesideTheExecutablesFolder) {
  if (std::getenv("JOLVANE_RESOURCES_PROBE")) {
    Ref<FolderItem> folder = rt::GetApplicationBundleResources();
    std::printf("RESOURCES=%s\n", folder ? folder->NativePath().c_str() : "nil");
    return;
  }
  const QString self = QCoreApplication::applicationFilePath();
  const QString root = QFileInfo(self).absolutePath() + QStringLiteral("/../resources-rule-test");
  QDir(root).removeRecursively();
  struct Case {
    const char* name;
    std::function<void(const QString& tree)> prepare;
    bool found;
  } const cases[] = {
      {"folder", [](const QString& t) { QDir().mkpath(t + "/Resources"); }, true},
      {"absent", [](const QString&) {}, false},
      {"a file",
       [](const QString& t) {
         QFile f(t + "/Resources");
         f.open(QIODevice::WriteOnly);
       },
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString tree = QDir::cleanPath(root + "/" + c.name);
    ASSERT_TRUE(QDir().mkpath(tree + "/bin"));
    c.prepare(tree);
    const QString copy = tree + "/bin/probe";
    // A hard link where it can (same file system), else a copy.
    if (link(self.toLocal8Bit().constData(), copy.toLocal8Bit().constData()) != 0) {
      ASSERT_TRUE(QFile::copy(self, copy));
    }
    QProcess probe;
    probe.setWorkingDirectory(dir_.path());  // not where the executable lies
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("JOLVANE_RESOURCES_PROBE"), QStringLiteral("1"));
    probe.setProcessEnvironment(env);
    probe.start(copy, {"--gtest_filter=MediaTest.ResourcesFolderBesideTheExecutablesFolder"});
    ASSERT_TRUE(probe.waitForFinished(30000));
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    const QString expected = c.found ? tree + "/Resources" : QStringLiteral("nil");
    EXPECT_TRUE(out.contains("RESOURCES=" + expected + "\n")) << out.toStdString();
  }
  QDir(root).removeRecursively();
}

TEST_F(MediaTest, IsPlayingEndsAfterTheDurationInVirtualTime) {
  Write("s.wav", Wav(250));
  Ref<rt::Sound> sound = FolderItem(Dir() + "/s.wav").OpenAsSound();
  ASSERT_TRUE(sound);
  const int64_t start = rt::testing::Now();
  sound->Play();
  EXPECT_TRUE(sound->IsPlaying());
  EXPECT_EQ(rt::testing::NextDueIn(), 250);
  rt::testing::Advance(249);
  EXPECT_TRUE(sound->IsPlaying());
  rt::testing::Advance(1);
  EXPECT_FALSE(sound->IsPlaying());

  // The wait the game uses ends at the sound's end, in one move.
  sound->Play();
  int polls = 0;
  while (sound->IsPlaying()) {
    rt::RuntimeBackgroundTask();
    ASSERT_LT(++polls, 100);
  }
  EXPECT_EQ(rt::testing::Now() - start, 500);
  EXPECT_EQ(polls, 1);
  EXPECT_EQ(rt::testing::NextDueIn(), -1);
}

// A valid WAV of 7 KB at 1 Hz lasts two hours by its header: the wait on
// it ends at the runtime's bound, not hours later.
TEST_F(MediaTest, ASoundWhoseHeaderClaimsHoursPlaysAtMostTheBound) {
  Write("hours.wav", Riff(Chunk("fmt ", Fmt(1, 1, 1, 8)) + Chunk("data", QByteArray(7200, 0))));
  Ref<rt::Sound> sound = FolderItem(Dir() + "/hours.wav").OpenAsSound();
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->DurationMs(), 7200 * 1000);
  const int64_t start = rt::testing::Now();
  sound->Play();
  while (sound->IsPlaying()) rt::RuntimeBackgroundTask();
  EXPECT_EQ(rt::testing::Now() - start, rt::Sound::kLongestPlayMs);
  EXPECT_EQ(rt::testing::NextDueIn(), -1);
}

TEST_F(MediaTest, PlayWhilePlayingRestartsAndStopEnds) {
  Write("s.wav", Wav(300));
  Ref<rt::Sound> sound = FolderItem(Dir() + "/s.wav").OpenAsSound();
  ASSERT_TRUE(sound);
  sound->Play();
  rt::testing::Advance(200);
  sound->Play();
  EXPECT_EQ(rt::testing::NextDueIn(), 300);  // one end only, the new one
  rt::testing::Advance(200);
  EXPECT_TRUE(sound->IsPlaying());
  rt::testing::Advance(100);
  EXPECT_FALSE(sound->IsPlaying());
  sound->Play();
  sound->Stop();
  EXPECT_FALSE(sound->IsPlaying());
  EXPECT_EQ(rt::testing::NextDueIn(), -1);
}

// The stepping timer keeps ticking while the third stop's Action waits for
// its win sound, and the Action returns when the sound has ended.
TEST_F(MediaTest, TimerTicksInsideASoundWaitOfAnotherTimer) {
  Write("win.wav", Wav(1000));
  Ref<rt::Sound> win = FolderItem(Dir() + "/win.wav").OpenAsSound();
  ASSERT_TRUE(win);
  const int64_t start = rt::testing::Now();
  int ticks = 0, ticksInWait = 0;
  bool waiting = false;
  int64_t returnedAt = -1;
  auto stop = rt::RuntimeNewObject<rt::Timer>();
  stop->SetPeriod(3500);
  stop->Action.Bind([&](Ref<rt::Timer>) {
    win->Play();
    waiting = true;
    while (win->IsPlaying()) rt::RuntimeBackgroundTask();
    waiting = false;
    returnedAt = rt::testing::Now() - start;
  });
  auto step = rt::RuntimeNewObject<rt::Timer>();
  step->SetPeriod(100);
  step->Action.Bind([&](Ref<rt::Timer>) {
    ++ticks;
    if (waiting) ++ticksInWait;
  });
  stop->SetMode(rt::Timer::kModeSingle);
  step->SetMode(rt::Timer::kModeMultiple);
  rt::testing::Advance(5000);
  step->SetMode(rt::Timer::kModeOff);
  EXPECT_EQ(returnedAt, 4500);
  EXPECT_EQ(ticksInWait, 11);  // 3500 (after the stop) to 4500, where the sound ends
  EXPECT_EQ(ticks, 50);
}

}  // namespace
