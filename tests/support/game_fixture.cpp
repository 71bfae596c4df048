#include "tests/support/game_fixture.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTest>
#include <QWidget>
#include <cstring>

#include "app/file_types.h"
#include "app/menubar1.h"
#include "app/startup.h"
#include "game/module1.h"
#include "media/media.h"
#include "rt/testing/driver.h"
#include "tests/support/plain_window.h"

namespace game_test {

const std::vector<std::string>& PictureFiles() {
  static const std::vector<std::string> files = {
      "7.jpg",    "Box.jpg",      "Check.jpg", "Hand.jpg", "Point.jpg",        "Rossette.jpg",
      "Star.jpg", "Triangle.jpg", "Ball.jpg",  "Jack.jpg", "HandleDown-1.jpg", "HandleUp-1.jpg"};
  return files;
}

const std::vector<std::string>& SoundFiles() {
  static const std::vector<std::string> files = {"smallwin.wav", "medwin.wav", "jackpot.wav",
                                                 "click.wav"};
  return files;
}

void WriteJpeg(const std::string& path, int w, int h, uint32_t rgb) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor::fromRgb(rgb));
  ASSERT_TRUE(image.save(QString::fromStdString(path), "JPG")) << path;
}

namespace {

void Put32(QByteArray& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void Put16(QByteArray& out, uint16_t v) {
  out.append(static_cast<char>(v & 0xFF));
  out.append(static_cast<char>(v >> 8));
}

}  // namespace

void WriteWav(const std::string& path, int32_t ms, uint32_t rate) {
  const uint32_t frames = static_cast<uint32_t>(static_cast<int64_t>(ms) * rate / 1000);
  const uint32_t bytes = frames * 2;
  QByteArray wav("RIFF");
  Put32(wav, 36 + bytes);
  wav.append("WAVEfmt ");
  Put32(wav, 16);
  Put16(wav, 1);  // PCM
  Put16(wav, 1);  // mono
  Put32(wav, rate);
  Put32(wav, rate * 2);
  Put16(wav, 2);
  Put16(wav, 16);
  wav.append("data");
  Put32(wav, bytes);
  wav.append(QByteArray(static_cast<int>(bytes), '\0'));
  QFile file(QString::fromStdString(path));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path;
  file.write(wav);
}

void WriteMediaFiles(const std::string& folder, const SoundLengths& lengths) {
  const std::vector<std::string>& pictures = PictureFiles();
  for (size_t i = 0; i < pictures.size(); ++i) {
    const bool handle = i >= 10;
    // Colours far apart, so that a JPEG's small errors never make two alike.
    const uint32_t rgb = QColor::fromHsv(static_cast<int>(i) * 30, 255, 200).rgb() & 0xFFFFFF;
    WriteJpeg(folder + "/" + pictures[i], handle ? 43 : 70, handle ? 150 : 63, rgb);
  }
  WriteWav(folder + "/smallwin.wav", lengths.smallwinMs);
  WriteWav(folder + "/medwin.wav", lengths.medwinMs);
  WriteWav(folder + "/jackpot.wav", lengths.jackpotMs);
  WriteWav(folder + "/click.wav", lengths.clickMs);
}

std::string FileOf(const rt::Ref<rt::Picture>& picture) {
  if (!picture) return "";
  return QFileInfo(QString::fromStdString(picture->SourcePath())).fileName().toStdString();
}

void GameFixture::SetUp() {
  ASSERT_TRUE(media_.isValid());
  WriteMediaFiles(MediaFolder(), lengths);
  rt::testing::Reset();
  rt::testing::SetResourcesFolder(MediaFolder());
  rt::testing::SeedRandom(seed);
  ForgetCachedMedia();
  if (startInSetUp) StartProgram();
}

void GameFixture::StartProgram() {
  started_ = true;
  initialize();
  rt::RuntimeSetExceptionHelper(rt::CallFunctionWithExceptionHandling);
  EarlyStartup();
  rt::RunFrameworkInitialization(LateStartup);
  ASSERT_TRUE(rt::GetImplicitWindow("Window1.Window1"));
}

void GameFixture::TearDown() {
  for (const rt::Ref<rt::Timer>& timer : timers_) timer->SetMode(rt::Timer::kModeOff);
  timers_.clear();
  rt::testing::ResetRuntime();
  FileTypes::pText = nullptr;
  if (MenuBar1::InstanceExists()) MenuBar1::ReleaseInstance();
  ForgetCachedMedia();
  // The game state as at process start.
  Module1::PlayStarted = false;
  Module1::Wager = 0;
  Module1::Bankroll = 0;
  Module1::Pull = false;
  Module1::MySound = false;
  Module1::StopColOne.clear();
  Module1::StopColTwo.clear();
  Module1::StopColThree.clear();
  Module1::j = Module1::k = Module1::l = 0;
  Module1::Score = 0;
  rt::testing::SetKeyDown(rt::Keyboard::kSpace, false);
  rt::testing::SetResourcesFolder("");
  rt::testing::Reset();
}

Window1& GameFixture::W() {
  rt::Ref<rt::Window> living = rt::GetImplicitWindow("Window1.Window1");
  if (!living) throw rt::NilObjectException("the game window is not open");
  return *rt::RuntimeCheckCast<Window1>(living);
}

void GameFixture::ClickHandle() {
  QWidget* handle = W().Canvas10()->widget();
  ASSERT_NE(handle, nullptr);
  QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, QPoint(21, 75));
}

void GameFixture::ClickWager(int32_t wager) {
  rt::Ref<rt::RadioButton> button = wager == 1   ? W().RadioButton1()
                                    : wager == 5 ? W().RadioButton2()
                                                 : W().RadioButton3();
  QWidget* widget = button->widget();
  ASSERT_NE(widget, nullptr);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(8, widget->height() / 2));
}

void GameFixture::PressKey(bool spaceHeld, int qtKey) {
  rt::testing::SetKeyDown(rt::Keyboard::kSpace, spaceHeld);
  // The game window's focus, as when it is the active window.
  QWidget* target = W().widget()->focusWidget();
  if (!target) target = W().widget();
  QTest::keyClick(target, static_cast<Qt::Key>(qtKey));
  rt::testing::SetKeyDown(rt::Keyboard::kSpace, false);
}

bool GameFixture::ChooseMenu(const std::string& itemName) {
  rt::Ref<rt::MenuItem> item = MenuBar1::Instance()->Lookup(itemName);
  if (!item) throw rt::NilObjectException("no menu item " + itemName);
  return item->Choose();
}

int32_t GameFixture::SelectedWager() {
  if (W().RadioButton1()->Value()) return 1;
  if (W().RadioButton2()->Value()) return 5;
  if (W().RadioButton3()->Value()) return 10;
  return 0;
}

void GameFixture::SpinTo(const std::array<int32_t, 3>& positions) {
  pullAt = rt::testing::Now();
  ClickHandle();
  FinishSpin(&positions);
}

void GameFixture::Spin() {
  pullAt = rt::testing::Now();
  ClickHandle();
  FinishSpin(nullptr);
}

void GameFixture::FinishSpin(const std::array<int32_t, 3>* positions) {
  using namespace Module1;
  ASSERT_TRUE(rt::testing::AdvanceUntil([] { return PlayStarted && Pull; }, 5000))
      << "the pull started no spin";
  spinStartAt = rt::testing::Now();
  if (positions) {
    ASSERT_TRUE(rt::testing::AdvanceUntil([] { return StopColOne == "True"; }, 3000));
    j = (*positions)[0];
    UpdateColOne();
    ASSERT_TRUE(rt::testing::AdvanceUntil([] { return StopColTwo == "True"; }, 3000));
    k = (*positions)[1];
    UpdateColTwo();
    // Reel 2 stops 2500 ms into the spin (the spin may have started inside
    // the pull's click wait, before the wait above).
    spinStartAt = rt::testing::Now() - 2500;
    // Reel 3 is drawn by every step until it stops: draw it after the last
    // step before its stop at 3500 ms.
    rt::testing::Advance(950);
    ASSERT_EQ(StopColThree, "False");
    l = (*positions)[2];
    UpdateColThree();
  }
  ASSERT_TRUE(rt::testing::AdvanceUntil([] { return StopColThree == "True" && !Pull; }, 20000))
      << "the spin did not end";
}

std::vector<rt::Ref<rt::Canvas>> GameFixture::Cells() {
  return {W().Canvas1(), W().Canvas2(), W().Canvas3(), W().Canvas4(), W().Canvas5(),
          W().Canvas6(), W().Canvas7(), W().Canvas8(), W().Canvas9()};
}

std::vector<rt::Ref<rt::Canvas>> GameFixture::MiddleRow() {
  return {W().Canvas2(), W().Canvas5(), W().Canvas8()};
}

int32_t GameFixture::MiddleRowSevens() {
  int32_t sevens = 0;
  for (const rt::Ref<rt::Canvas>& cell : MiddleRow()) sevens += FileOf(cell->Backdrop()) == "7.jpg";
  return sevens;
}

void GameFixture::SetBankroll(int32_t tokens) {
  Module1::Bankroll = tokens;
  W().StaticText2()->SetText(rt::Str(int64_t{tokens}));
}

void GameFixture::At(int32_t delayMs, std::function<void()> action) {
  rt::Ref<rt::Timer> timer = rt::RuntimeNewObject<rt::Timer>();
  timer->SetPeriod(delayMs);
  timer->Action.Bind([action](rt::Ref<rt::Timer>) { action(); });
  timer->SetMode(rt::Timer::kModeSingle);
  timers_.push_back(timer);
}

bool GameFixture::InsideAModalWindow(const std::function<void()>& inside) {
  rt::Ref<rt::Window> modal = rt::RuntimeNewObject<test_support::PlainWindow>();
  modal->Constructor();
  At(10, [&] {
    inside();
    modal->Close();
  });
  modal->ShowModal();
  return modal->IsClosed();
}

const std::vector<std::string>& GameFixture::MsgBoxes() {
  return rt::testing::Recorded().msgBoxes;
}

void GameFixture::ExpectRefilled(int32_t wager, int32_t selected) {
  EXPECT_EQ(Module1::Bankroll, 20);
  EXPECT_EQ(W().StaticText2()->Text(), "20");
  EXPECT_FALSE(Module1::PlayStarted);
  EXPECT_EQ(Module1::Wager, wager);
  EXPECT_EQ(SelectedWager(), selected);
}

void PrintTo(const Seed& seed, std::ostream* os) {
  *os << "seed " << seed.value;
}

std::vector<Seed> Seeds(uint32_t first, uint32_t last) {
  std::vector<Seed> seeds;
  for (uint32_t s = first; s <= last; ++s) seeds.push_back({s});
  return seeds;
}

}  // namespace game_test
