// The named pictures and sounds: one cached object per accessor, a picture
// retried until it loads, a sound tried once; a missing or unreadable file
// told to the player once by name, and a game that goes on without it:
// never hanging, never locked, never paying what it does not show.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <array>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "game/module1.h"
#include "media/media.h"
#include "rt/testing/driver.h"
#include "tests/support/game_fixture.h"

namespace {

using game_test::FileOf;
using game_test::kNoSeven;
using game_test::kSevenMiddle;
using PictureAccessor = rt::Ref<rt::Picture> (*)();
using SoundAccessor = rt::Ref<rt::Sound> (*)();

const std::vector<std::pair<PictureAccessor, std::string>>& Pictures() {
  static const std::vector<std::pair<PictureAccessor, std::string>> table = {
      {&Seven, "7.jpg"},
      {&Box, "Box.jpg"},
      {&Check, "Check.jpg"},
      {&Hand, "Hand.jpg"},
      {&Point, "Point.jpg"},
      {&Rossette, "Rossette.jpg"},
      {&Star, "Star.jpg"},
      {&Triangle, "Triangle.jpg"},
      {&Ball, "Ball.jpg"},
      {&Jack, "Jack.jpg"},
      {&HandleDown1, "HandleDown-1.jpg"},
      {&HandleUp1, "HandleUp-1.jpg"},
  };
  return table;
}

const std::vector<std::pair<SoundAccessor, std::string>>& Sounds() {
  static const std::vector<std::pair<SoundAccessor, std::string>> table = {
      {&smallwin, "smallwin.wav"},
      {&medwin, "medwin.wav"},
      {&jackpot, "jackpot.wav"},
      {&click, "click.wav"},
  };
  return table;
}

std::string SoundFile(const rt::Ref<rt::Sound>& sound) {
  if (!sound) return "";
  return QFileInfo(QString::fromStdString(sound->SourcePath())).fileName().toStdString();
}

// What the player has been told: the messages come from the event loop,
// right after the call that found the failure.
const std::vector<std::string>& Told() {
  rt::testing::Advance(0);
  return rt::testing::Recorded().msgBoxes;
}

// What is wrong with a media file.
enum class Fault { kMissing, kUnreadable };

void PrintTo(Fault fault, std::ostream* os) {
  *os << (fault == Fault::kMissing ? "missing" : "unreadable");
}

// The accessors on a folder of test media, outside any game.
class Media : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    game_test::WriteMediaFiles(Folder());
    rt::testing::Reset();
    rt::testing::SetResourcesFolder(Folder());
    ForgetCachedMedia();
  }
  void TearDown() override {
    ForgetCachedMedia();
    rt::testing::SetResourcesFolder("");
    rt::testing::Reset();
  }
  std::string Folder() const { return dir_.path().toStdString(); }
  std::string PathOf(const std::string& name) const { return Folder() + "/" + name; }
  void Remove(const std::string& name) {
    ASSERT_TRUE(QFile::remove(QString::fromStdString(PathOf(name))));
  }
  void Garble(const std::string& name) {
    QFile file(QString::fromStdString(PathOf(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("this is not what its name says");
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(Media, EachAccessorLoadsItsOwnFileAndHandsOutOneObject) {
  std::set<const void*> seen;
  for (const auto& [accessor, file] : Pictures()) {
    rt::Ref<rt::Picture> first = accessor();
    ASSERT_FALSE(first.IsNil()) << file;
    EXPECT_EQ(FileOf(first), file);
    EXPECT_TRUE(accessor() == first) << file << " gave a second object";
    seen.insert(first.get());
  }
  EXPECT_EQ(seen.size(), Pictures().size());
  for (const auto& [accessor, file] : Sounds()) {
    rt::Ref<rt::Sound> first = accessor();
    ASSERT_FALSE(first.IsNil()) << file;
    EXPECT_EQ(SoundFile(first), file);
    EXPECT_TRUE(accessor() == first) << file;
  }
  EXPECT_TRUE(Told().empty());
}

TEST_F(Media, CachedMediaAreNotReadAgain) {
  std::vector<rt::Ref<rt::Picture>> pictures;
  std::vector<rt::Ref<rt::Sound>> sounds;
  for (const auto& p : Pictures()) pictures.push_back(p.first());
  for (const auto& s : Sounds()) sounds.push_back(s.first());
  QDir(QString::fromStdString(Folder())).removeRecursively();
  for (size_t i = 0; i < Pictures().size(); ++i) EXPECT_TRUE(Pictures()[i].first() == pictures[i]);
  for (size_t i = 0; i < Sounds().size(); ++i) EXPECT_TRUE(Sounds()[i].first() == sounds[i]);
  EXPECT_TRUE(Told().empty());
}

TEST_F(Media, AMissingPictureIsToldOnceAndPickedUpWhenItAppears) {
  Remove("Star.jpg");
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(Star().IsNil());
  ASSERT_EQ(Told().size(), 1u);
  EXPECT_NE(Told()[0].find("\"Star.jpg\""), std::string::npos) << Told()[0];
  EXPECT_NE(Told()[0].find("missing"), std::string::npos) << Told()[0];
  game_test::WriteJpeg(PathOf("Star.jpg"), 70, 63, 0x123456);
  rt::Ref<rt::Picture> star = Star();
  ASSERT_FALSE(star.IsNil());
  EXPECT_TRUE(Star() == star);
  EXPECT_EQ(Told().size(), 1u);
}

TEST_F(Media, AnUnreadablePictureIsToldOnceAsSuch) {
  Garble("7.jpg");
  EXPECT_TRUE(Seven().IsNil());
  EXPECT_TRUE(Seven().IsNil());
  ASSERT_EQ(Told().size(), 1u);
  EXPECT_NE(Told()[0].find("\"7.jpg\""), std::string::npos) << Told()[0];
  EXPECT_NE(Told()[0].find("cannot be read"), std::string::npos) << Told()[0];
}

class MediaFault : public Media, public ::testing::WithParamInterface<Fault> {};

TEST_P(MediaFault, ASoundIsTriedOnceOnly) {
  const bool garbled = GetParam() == Fault::kUnreadable;
  if (garbled) {
    Garble("click.wav");
  } else {
    Remove("click.wav");
  }
  EXPECT_TRUE(click().IsNil());
  ASSERT_EQ(Told().size(), 1u);
  EXPECT_NE(Told()[0].find("\"click.wav\""), std::string::npos) << Told()[0];
  EXPECT_NE(Told()[0].find(garbled ? "cannot be read" : "missing"), std::string::npos);
  // Put right later in the run: still not picked up, and not told again.
  game_test::WriteWav(PathOf("click.wav"), 100);
  EXPECT_TRUE(click().IsNil());
  EXPECT_EQ(Told().size(), 1u);
  // The other sounds are not affected.
  EXPECT_FALSE(smallwin().IsNil());
}

INSTANTIATE_TEST_SUITE_P(Faults, MediaFault,
                         ::testing::Values(Fault::kMissing, Fault::kUnreadable));

TEST_F(Media, WithoutAResourcesFolderNothingLoadsAndThatIsToldOnce) {
  rt::testing::SetResourcesFolder(Folder() + "/nowhere");
  for (int round = 0; round < 3; ++round) {
    for (const auto& p : Pictures()) EXPECT_TRUE(p.first().IsNil());
    for (const auto& s : Sounds()) EXPECT_TRUE(s.first().IsNil());
  }
  ASSERT_EQ(Told().size(), 1u);
  EXPECT_NE(Told()[0].find("Resources folder"), std::string::npos) << Told()[0];
  // The folder comes: the pictures are found, the sounds stay as they were.
  rt::testing::SetResourcesFolder(Folder());
  EXPECT_FALSE(Seven().IsNil());
  EXPECT_TRUE(click().IsNil());
}

TEST_F(Media, PlayToEndWaitsForTheSoundsLengthOrSkipsANilSound) {
  const int64_t t0 = rt::testing::Now();
  PlayToEnd(&smallwin);
  EXPECT_EQ(rt::testing::Now() - t0, game_test::SoundLengths().smallwinMs);
  Remove("medwin.wav");
  const int64_t t1 = rt::testing::Now();
  PlayToEnd(&medwin);
  EXPECT_EQ(rt::testing::Now(), t1);
  EXPECT_EQ(Told().size(), 1u);
}

TEST_F(Media, ReleasingTheCachedSoundsLeavesThePictures) {
  rt::Ref<rt::Picture> seven = Seven();
  for (const auto& s : Sounds()) ASSERT_FALSE(s.first().IsNil()) << s.second;
  ReleaseCachedSounds();
  for (const auto& s : Sounds()) EXPECT_TRUE(s.first().IsNil()) << s.second;
  EXPECT_TRUE(Seven() == seven);
}

// The media the build ships, beside bin/: every file loads and fits.
TEST(ShippedMedia, EveryFileLoadsAndFitsItsPlace) {
  rt::testing::SetResourcesFolder("");
  ForgetCachedMedia();
  rt::testing::Reset();
  rt::Ref<rt::FolderItem> folder = rt::GetApplicationBundleResources();
  if (!folder || !folder->Child("7.jpg")->Exists()) GTEST_SKIP() << "no media beside bin/";
  for (const auto& [accessor, file] : Pictures()) {
    rt::Ref<rt::Picture> picture = accessor();
    ASSERT_FALSE(picture.IsNil()) << file;
    const bool handle = file.rfind("Handle", 0) == 0;
    EXPECT_EQ(picture->Width(), handle ? 43 : 70) << file;
    EXPECT_EQ(picture->Height(), handle ? 150 : 63) << file;
  }
  std::array<int64_t, 4> ms{};
  for (size_t i = 0; i < Sounds().size(); ++i) {
    rt::Ref<rt::Sound> sound = Sounds()[i].first();
    ASSERT_FALSE(sound.IsNil()) << Sounds()[i].second;
    ms[i] = sound->DurationMs();
  }
  // smallwin, medwin, jackpot rise in length; the jackpot ends before the
  // banner's 8 s; the click is short.
  EXPECT_LT(ms[0], ms[1]);
  EXPECT_LT(ms[1], ms[2]);
  EXPECT_LT(ms[2], 8000);
  EXPECT_GT(ms[3], 0);
  EXPECT_LT(ms[3], 1000);
  EXPECT_TRUE(Told().empty());
  ForgetCachedMedia();
}

// The whole game with one file missing or unreadable.
class GameWithoutAFile : public game_test::GameFixture {
 protected:
  GameWithoutAFile() { startInSetUp = false; }
};

struct FileFault {
  std::string file;
  Fault fault;
};

void PrintTo(const FileFault& c, std::ostream* os) {
  *os << c.file << " ";
  PrintTo(c.fault, os);
}

// Each of the sixteen files, missing and unreadable.
std::vector<FileFault> FileFaults() {
  std::vector<std::string> files = game_test::PictureFiles();
  for (const std::string& s : game_test::SoundFiles()) files.push_back(s);
  std::vector<FileFault> cases;
  for (Fault fault : {Fault::kMissing, Fault::kUnreadable}) {
    for (const std::string& file : files) cases.push_back({file, fault});
  }
  return cases;
}

class GameWithoutOneFile : public GameWithoutAFile,
                           public ::testing::WithParamInterface<FileFault> {};

TEST_P(GameWithoutOneFile, EachFileMissingIsToldOnceAndPlayGoesOnAndPaysWhatItShows) {
  const std::string& file = GetParam().file;
  const bool garbled = GetParam().fault == Fault::kUnreadable;
  const QString path = QString::fromStdString(MediaFolder() + "/" + file);
  if (garbled) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write("garbage");
  } else {
    ASSERT_TRUE(QFile::remove(path));
  }
  StartProgram();
  W().widget()->hide();  // no pixels looked at: spare the paints
  // Together these spins play every sound and show every picture.
  const std::array<std::array<int32_t, 3>, 4> spins = {{
      {kSevenMiddle, kSevenMiddle, kSevenMiddle},
      {kSevenMiddle, kNoSeven, kNoSeven},
      {kSevenMiddle, kSevenMiddle, kNoSeven},
      {3, 4, 6},
  }};
  for (int round = 0; round < 2; ++round) {
    for (const auto& positions : spins) {
      SpinTo(positions);
      ASSERT_FALSE(HasFatalFailure());
      EXPECT_FALSE(Module1::PlayStarted) << "play stayed locked";
    }
  }
  // Without the seven picture no seven shows, and none is paid; with it
  // every seven shown is paid.
  const int32_t expected = file == "7.jpg" ? 20 - 8 : 20 + 2 * (69 + 1 + 5 - 1);
  EXPECT_EQ(Module1::Bankroll, expected);
  EXPECT_EQ(W().StaticText2()->Text(), std::to_string(expected));
  ASSERT_EQ(MsgBoxes().size(), 1u);
  EXPECT_NE(MsgBoxes()[0].find("\"" + file + "\""), std::string::npos) << MsgBoxes()[0];
  EXPECT_NE(MsgBoxes()[0].find(garbled ? "cannot be read" : "missing"), std::string::npos)
      << MsgBoxes()[0];
  EXPECT_TRUE(rt::testing::Recorded().eventErrors.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, GameWithoutOneFile, ::testing::ValuesIn(FileFaults()));

TEST_F(GameWithoutAFile, WithTheSevenMissingEmptyMiddleCellsAreNoSevens) {
  QFile::remove(QString::fromStdString(MediaFolder() + "/7.jpg"));
  StartProgram();
  SpinTo({kSevenMiddle, kSevenMiddle, kSevenMiddle});
  for (const rt::Ref<rt::Canvas>& c : MiddleRow()) {
    EXPECT_TRUE(c->Backdrop().IsNil());
  }
  EXPECT_EQ(Module1::Score, 0);
  EXPECT_EQ(Module1::Bankroll, 19);
  EXPECT_FALSE(W().StaticText6()->Visible());
}

// The message about a symbol first met by the turning reels stays up for 5 s:
// the reels stop and are paid meanwhile, and once it is dismissed nothing
// redraws them. Whether the jack is first met by the opening reels or by the
// spin depends on the seed.
enum MessageTime { kAtTheOpening, kInTheSpin };

struct ReadingCase {
  uint32_t seed;
  MessageTime told;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
  *os << "seed " << c.seed
      << (c.told == kInTheSpin ? ", told in the spin" : ", told at the opening");
}

class GameWithoutTheJack : public GameWithoutAFile,
                           public ::testing::WithParamInterface<ReadingCase> {
 protected:
  GameWithoutTheJack() { seed = GetParam().seed; }
};

TEST_P(GameWithoutTheJack, WhileThePlayerReadsTheMessageTheReelsStopAndStayAsPaid) {
  QFile::remove(QString::fromStdString(MediaFolder() + "/Jack.jpg"));
  StartProgram();
  rt::testing::Advance(0);  // where the opening reels showed the jack
  std::vector<rt::Ref<rt::Picture>> whenRead;
  rt::testing::OnMsgBox([&](const std::string&) {
    rt::testing::Advance(5000);
    for (const rt::Ref<rt::Canvas>& c : Cells()) whenRead.push_back(c->Backdrop());
  });
  Spin();
  ASSERT_EQ(whenRead.empty() ? kAtTheOpening : kInTheSpin, GetParam().told);
  if (GetParam().told == kAtTheOpening) return;
  EXPECT_EQ(Module1::StopColThree, "True");
  std::vector<rt::Ref<rt::Picture>> now;
  for (const rt::Ref<rt::Canvas>& c : Cells()) now.push_back(c->Backdrop());
  EXPECT_TRUE(now == whenRead) << "a reel was drawn after it had stopped";
  EXPECT_EQ(Module1::Score, MiddleRowSevens());
  EXPECT_FALSE(Module1::PlayStarted);
}

INSTANTIATE_TEST_SUITE_P(
    Seeds, GameWithoutTheJack,
    ::testing::Values(ReadingCase{1, kAtTheOpening}, ReadingCase{2, kAtTheOpening},
                      ReadingCase{3, kAtTheOpening}, ReadingCase{4, kAtTheOpening},
                      ReadingCase{5, kInTheSpin}, ReadingCase{6, kInTheSpin},
                      ReadingCase{7, kInTheSpin}, ReadingCase{8, kInTheSpin},
                      ReadingCase{9, kAtTheOpening}, ReadingCase{10, kInTheSpin},
                      ReadingCase{11, kInTheSpin}, ReadingCase{12, kAtTheOpening}));

TEST_F(GameWithoutAFile, WithoutAResourcesFolderTheGameOpensAndPlays) {
  rt::testing::SetResourcesFolder(MediaFolder() + "/nowhere");
  StartProgram();
  EXPECT_EQ(W().StaticText2()->Text(), "20");
  for (int i = 0; i < 3; ++i) SpinTo({kSevenMiddle, kSevenMiddle, kSevenMiddle});
  EXPECT_EQ(Module1::Bankroll, 17);
  EXPECT_FALSE(Module1::PlayStarted);
  ASSERT_EQ(MsgBoxes().size(), 1u);
  EXPECT_NE(MsgBoxes()[0].find("Resources folder"), std::string::npos);
}

TEST_F(GameWithoutAFile, APullWithoutItsClickStillSpins) {
  QFile::remove(QString::fromStdString(MediaFolder() + "/click.wav"));
  StartProgram();
  const int64_t t0 = rt::testing::Now();
  ClickHandle();
  EXPECT_EQ(rt::testing::Now(), t0);  // no wait on a sound that is not there
  EXPECT_TRUE(Module1::Pull);
  FinishSpin();
  EXPECT_EQ(spinStartAt, t0 + 300);
  EXPECT_EQ(MsgBoxes().size(), 1u);
}

}  // namespace
