// The About window on real widgets: one window however often it is asked
// for, rebuilt after a close, the running version, the credits, and buttons
// that hand their fixed addresses to the system by click and by key.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QRegularExpression>
#include <QString>
#include <QTest>
#include <QWidget>
#include <ostream>
#include <string>
#include <vector>

#include "about/about_box.h"
#include "app/app.h"
#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

const char kClassName[] = "AboutBox.AboutBox";

// The addresses the three buttons must hand over, to the character.
const char kMail[] = "mailto:tamsin.orrely@brenwick.example";
const char kSite[] = "http://brenwick.example";
const char kOrder[] = "http://order.paywell.example/?JOLVANE1&lang=en";

class AboutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    rt::testing::ResetRuntime();
    rt::testing::Reset();
    if (!rt::GetAppObject()) rt::RuntimeRegisterAppObject(rt::RuntimeNewObject<App>());
  }
  void TearDown() override {
    rt::testing::ResetRuntime();
    rt::testing::Reset();
  }

  // Chooses About as the menu item does.
  static void ChooseAbout() { EXPECT_FALSE(App::Instance()->AppleAboutJolvane_Action()); }

  // The open About window, without creating one.
  static rt::Ref<AboutBox> Living() {
    return rt::RuntimeCheckCast<AboutBox>(rt::GetImplicitWindow(kClassName));
  }

  static int LivingAboutWindows() {
    int n = 0;
    for (const auto& w : rt::LivingWindows()) n += w->ClassName() == kClassName;
    return n;
  }

  static rt::Ref<AboutBox> Open() {
    ChooseAbout();
    rt::Ref<AboutBox> about = Living();
    EXPECT_TRUE(about);
    return about;
  }

  static QString Shown(const rt::Ref<rt::Label>& label) {
    auto* widget = qobject_cast<QLabel*>(label->widget());
    if (!widget) widget = label->widget()->findChild<QLabel*>();
    EXPECT_NE(widget, nullptr);
    return widget ? widget->text() : QString();
  }

  static std::vector<std::string>& Urls() { return rt::testing::Recorded().urls; }
};

TEST_F(AboutTest, AboutTwiceShowsTheOneWindowAgain) {
  rt::Ref<AboutBox> first = Open();
  ASSERT_TRUE(first);
  QWidget* top = first->widget();
  EXPECT_TRUE(top->isVisible());
  EXPECT_EQ(top->windowModality(), Qt::NonModal);
  EXPECT_EQ(first->Title(), "About...");

  // Marks that a rebuild would wipe out.
  first->StaticText4()->SetText("kept");
  first->SetVisible(false);

  ChooseAbout();
  EXPECT_EQ(LivingAboutWindows(), 1);
  EXPECT_TRUE(Living() == first);
  EXPECT_EQ(first->StaticText4()->Text(), "kept");
  EXPECT_TRUE(top->isVisible()) << "About again must show the open window again";
  EXPECT_EQ(first->Controls().size(), 8u);
}

TEST_F(AboutTest, ClosingAndReopeningBuildsANewWindowWithTheVersionAgain) {
  rt::Ref<AboutBox> first = Open();
  ASSERT_TRUE(first);
  first->StaticText4()->SetText("stale");

  // The title bar's close button.
  first->widget()->close();
  QApplication::processEvents();
  EXPECT_TRUE(first->IsClosed());
  EXPECT_FALSE(Living());

  rt::Ref<AboutBox> second = Open();
  ASSERT_TRUE(second);
  EXPECT_FALSE(second == first);
  EXPECT_EQ(LivingAboutWindows(), 1);
  EXPECT_EQ(second->StaticText4()->Text(), App::Instance()->LongVersion());
  EXPECT_TRUE(second->widget()->isVisible());
}

TEST_F(AboutTest, VersionLabelShowsExactlyTheLongVersion) {
  rt::Ref<AboutBox> about = Open();
  ASSERT_TRUE(about);
  const std::string version = App::Instance()->LongVersion();
  EXPECT_EQ(version, "1.0.0 Linux");
  EXPECT_EQ(about->StaticText4()->Text(), version);
  EXPECT_EQ(Shown(about->StaticText4()), QString::fromStdString(version));
  EXPECT_EQ(Shown(about->StaticText3()), "Version:");
  EXPECT_EQ(Shown(about->StaticText1()), "Jolvane");
}

TEST_F(AboutTest, CreditsAreFiveLinesWithTheThirdEmpty) {
  rt::Ref<AboutBox> about = Open();
  ASSERT_TRUE(about);
  const std::string credits = about->StaticText2()->Text();
  EXPECT_EQ(credits.find('\n'), std::string::npos) << "lines are separated by CR alone";

  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t cr; (cr = credits.find('\r', start)) != std::string::npos; start = cr + 1)
    lines.push_back(credits.substr(start, cr - start));
  lines.push_back(credits.substr(start));

  ASSERT_EQ(lines.size(), 5u) << credits;
  EXPECT_EQ(lines[0], "Developed by");
  EXPECT_FALSE(lines[1].empty());
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(lines[3], "Sr. Beta Tester");
  EXPECT_FALSE(lines[4].empty()) << "no line break at the end";
  EXPECT_TRUE(about->StaticText2()->Multiline());

  // On screen the five lines stay five lines: the CRs become line breaks.
  EXPECT_EQ(Shown(about->StaticText2()).split(QRegularExpression("\r\n|\r|\n")).size(), 5);
}

// The forms of what the three buttons hand over, whatever the values.
TEST_F(AboutTest, AddressesHaveTheirFixedForms) {
  rt::Ref<AboutBox> about = Open();
  ASSERT_TRUE(about);
  for (const char* name : {"PushButton1", "PushButton2", "Kagi"})
    QTest::mouseClick(rt::RuntimeCheckCast<rt::PushButton>(about->ControlByName(name))->widget(),
                      Qt::LeftButton);
  ASSERT_EQ(Urls().size(), 3u);
  const QString mail = QString::fromStdString(Urls()[0]);
  const QString site = QString::fromStdString(Urls()[1]);
  const QString order = QString::fromStdString(Urls()[2]);
  EXPECT_TRUE(mail.contains(QRegularExpression("^mailto:[a-z.]+@brenwick\\.example$")))
      << Urls()[0];
  EXPECT_TRUE(site.contains(QRegularExpression("^http://[a-z.]+\\.example$"))) << Urls()[1];
  EXPECT_FALSE(site.contains("www.") || site.endsWith('/')) << Urls()[1];
  EXPECT_TRUE(
      order.contains(QRegularExpression("^http://[a-z.]+\\.example/\\?[A-Za-z0-9]+&lang=en$")))
      << Urls()[2];
}

struct ButtonCase {
  const char* name;
  const char* caption;
  const char* address;
};
void PrintTo(const ButtonCase& c, std::ostream* os) {
  *os << c.name;
}

class AboutButtonTest : public AboutTest, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(AboutButtonTest, EachClickHandsExactlyItsAddressAndTheWindowStays) {
  const ButtonCase& c = GetParam();
  rt::Ref<AboutBox> about = Open();
  ASSERT_TRUE(about);
  auto button = rt::RuntimeCheckCast<rt::PushButton>(about->ControlByName(c.name));
  ASSERT_TRUE(button);
  auto* widget = qobject_cast<QAbstractButton*>(button->widget());
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->text(), c.caption);

  for (int i = 0; i < 3; ++i) QTest::mouseClick(widget, Qt::LeftButton);

  EXPECT_EQ(Urls(), std::vector<std::string>(3, c.address));
  EXPECT_TRUE(Living() == about);
  EXPECT_FALSE(about->IsClosed());
  EXPECT_TRUE(about->widget()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Buttons, AboutButtonTest,
                         ::testing::Values(ButtonCase{"PushButton1", "Email Author", kMail},
                                           ButtonCase{"PushButton2", "Visit Web Site", kSite},
                                           ButtonCase{"Kagi", "Support Brenwick", kOrder}),
                         [](const auto& info) { return std::string(info.param.name); });

// Keys go to whichever button holds the focus, as the player's would.
class AboutKeyTest : public AboutTest, public ::testing::WithParamInterface<const char*> {
 protected:
  QWidget* FocusOn(const rt::Ref<AboutBox>& about) {
    QWidget* top = about->widget();
    top->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(top));
    auto button = rt::RuntimeCheckCast<rt::PushButton>(about->ControlByName(GetParam()));
    EXPECT_TRUE(button);
    QWidget* target = button ? button->widget() : top;
    target->setFocus(Qt::OtherFocusReason);
    return target;
  }
};

TEST_P(AboutKeyTest, ReturnAndEnterPressSupportBrenwick) {
  rt::Ref<AboutBox> about = Open();
  ASSERT_TRUE(about);
  QWidget* target = FocusOn(about);
  QTest::keyClick(target, Qt::Key_Return);
  EXPECT_EQ(Urls(), std::vector<std::string>{kOrder});
  QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Urls(), std::vector<std::string>(2, kOrder));
  EXPECT_TRUE(Living() == about);
}

TEST_P(AboutKeyTest, EscapePressesNothingAndClosesTheWindow) {
  rt::Ref<AboutBox> about = Open();
  ASSERT_TRUE(about);
  QTest::keyClick(FocusOn(about), Qt::Key_Escape);
  QApplication::processEvents();
  EXPECT_TRUE(Urls().empty());
  EXPECT_TRUE(about->IsClosed());
  EXPECT_FALSE(Living());
}

INSTANTIATE_TEST_SUITE_P(FocusedButton, AboutKeyTest,
                         ::testing::Values("PushButton1", "PushButton2", "Kagi"));

// Every text fits its control in the font it is drawn with: nothing clipped.
TEST_F(AboutTest, EveryTextFitsItsControl) {
  rt::Ref<AboutBox> about = Open();
  ASSERT_TRUE(about);
  for (const auto& control : about->Controls()) {
    auto rect = rt::RuntimeCheckCast<rt::RectControl>(control);
    QWidget* widget = rect->widget();
    QString text;
    int room = rect->Width();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
      text = label->text();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      text = button->text();
      room -= 8;  // the button's frame and a little air
    }
    const QFontMetrics metrics(widget->font());
    const QStringList lines = text.split(QRegularExpression("\r\n|\r|\n"));
    for (const QString& line : lines)
      EXPECT_LE(metrics.horizontalAdvance(line), room)
          << control->Name() << ": \"" << line.toStdString() << "\"";
    EXPECT_LE(metrics.height() * lines.size(), rect->Height()) << control->Name();
  }
}

}  // namespace
