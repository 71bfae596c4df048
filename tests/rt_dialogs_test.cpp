// Message boxes, the message dialog, Beep and ShowURL: what the hooks record
// and answer in tests, and the real boxes showing plain text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>

#include "rt/rt.h"
#include "rt/testing/driver.h"

namespace {

using rt::Ref;

class DialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { rt::testing::Reset(); }
  void TearDown() override {
    rt::testing::UseTestHooks(true);
    rt::testing::Reset();
  }
};

TEST_F(DialogsTest, HooksRecordAndAnswerInsteadOfShowing) {
  std::vector<std::string> answered;
  rt::testing::OnMsgBox([&](const std::string& text) { answered.push_back(text); });
  rt::MsgBox("I will lower your wager.");
  rt::MsgBox("line one\rline two");
  rt::Beep();
  rt::Beep();
  rt::ShowURL("mailto:author@brenwick.example");
  const auto& r = rt::testing::Recorded();
  EXPECT_EQ(r.msgBoxes,
            (std::vector<std::string>{"I will lower your wager.", "line one\rline two"}));
  EXPECT_EQ(answered, r.msgBoxes);
  EXPECT_EQ(r.beeps, 2);
  EXPECT_EQ(r.urls, std::vector<std::string>{"mailto:author@brenwick.example"});
  for (QWidget* w : QApplication::topLevelWidgets())  // nothing real was shown
    EXPECT_FALSE(qobject_cast<QMessageBox*>(w) && w->isVisible());

  rt::testing::Reset();
  EXPECT_TRUE(rt::testing::Recorded().msgBoxes.empty());
  rt::MsgBox("after reset");
  EXPECT_EQ(answered.size(), 2u);  // the answer went with the reset
}

TEST_F(DialogsTest, MessageDialogStartsWithTheFrameworksButtons) {
  auto dialog = rt::RuntimeNewObject<rt::MessageDialog>();
  EXPECT_EQ(dialog->ActionButton()->Caption(), "OK");
  EXPECT_TRUE(dialog->ActionButton()->Visible());
  EXPECT_TRUE(dialog->ActionButton()->Default());
  EXPECT_EQ(dialog->CancelButton()->Caption(), "Cancel");
  EXPECT_FALSE(dialog->CancelButton()->Visible());
  EXPECT_TRUE(dialog->CancelButton()->Cancel());
  EXPECT_FALSE(dialog->AlternateActionButton()->Visible());
  EXPECT_FALSE(dialog->ActionButton() == dialog->CancelButton());
}

TEST_F(DialogsTest, MessageDialogReturnsTheHooksChoiceOrCancel) {
  auto dialog = rt::RuntimeNewObject<rt::MessageDialog>();
  dialog->SetTitle("Update");
  dialog->SetIcon(rt::MessageDialog::kIconQuestion);
  EXPECT_TRUE(dialog->ShowModal() == dialog->CancelButton());
  rt::testing::OnMessageDialog([](rt::MessageDialog& d) {
    EXPECT_EQ(d.Icon(), rt::MessageDialog::kIconQuestion);
    return d.AlternateActionButton();
  });
  EXPECT_TRUE(dialog->ShowModal() == dialog->AlternateActionButton());
  EXPECT_EQ(rt::testing::Recorded().dialogs, (std::vector<std::string>{"Update", "Update"}));
}

// Runs `inspect` on the box once it is up, then presses its button `press`.
void WhenBoxShows(std::function<void(QMessageBox&)> inspect, QString press) {
  QTimer::singleShot(0, [inspect, press] {
    QMessageBox* box = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* candidate = qobject_cast<QMessageBox*>(w);
      if (candidate && candidate->isVisible()) box = candidate;
    }
    ASSERT_NE(box, nullptr);
    inspect(*box);
    for (QAbstractButton* b : box->buttons())
      if (b->text() == press) b->click();
  });
}

// A dialog as the update window makes it: a message, an explanation, the
// three buttons and the question icon.
Ref<rt::MessageDialog> UpdateDialog(const std::string& message, const std::string& explanation) {
  auto dialog = rt::RuntimeNewObject<rt::MessageDialog>();
  dialog->SetTitle("Jolvane");
  dialog->SetMessage(message);
  dialog->SetExplanation(explanation);
  dialog->CancelButton()->SetVisible(true);
  dialog->AlternateActionButton()->SetCaption("Go to Website");
  dialog->AlternateActionButton()->SetVisible(true);
  dialog->SetIcon(rt::MessageDialog::kIconQuestion);
  return dialog;
}

TEST_F(DialogsTest, RealBoxesShowPlainText) {
  rt::testing::UseTestHooks(false);
  bool inspected = false;
  WhenBoxShows(
      [&](QMessageBox& box) {
        inspected = true;
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        EXPECT_EQ(box.text(), QString("<b>New</b> version\nsecond line"));
      },
      "OK");
  rt::MsgBox("<b>New</b> version\rsecond line");
  EXPECT_TRUE(inspected);

  auto dialog = UpdateDialog("Version <i>2.0</i> is available", "<a href='x'>free</a> update");
  inspected = false;
  WhenBoxShows(
      [&](QMessageBox& box) {
        inspected = true;
        EXPECT_EQ(box.icon(), QMessageBox::Question);
        EXPECT_EQ(box.buttons().size(), 3);
        EXPECT_EQ(box.defaultButton()->text(), QString("OK"));
        EXPECT_EQ(box.escapeButton()->text(), QString("Cancel"));
        for (QLabel* label : box.findChildren<QLabel*>()) {
          if (label->text().contains("free")) {
            EXPECT_EQ(label->textFormat(), Qt::PlainText);
          }
        }
      },
      "Go to Website");
  EXPECT_TRUE(dialog->ShowModal() == dialog->AlternateActionButton());
  EXPECT_TRUE(inspected);
}

// A box never grows past its screen, whatever the length of its text: the
// whole box, its buttons too, lies within the screen's free area, and the
// text is cut with a last line "…".
TEST_F(DialogsTest, LongTextsKeepTheBoxAndItsButtonsOnTheScreen) {
  rt::testing::UseTestHooks(false);
  std::string manyLines, oneLine, oneWord(60000, 'x');
  for (int i = 0; manyLines.size() < 60000; ++i)
    manyLines += "Line " + std::to_string(i) + " of what the new version brings.\r";
  while (oneLine.size() < 60000) oneLine += "a long description without a break ";
  const struct {
    const char* name;
    const std::string& text;
  } cases[] = {{"many lines", manyLines}, {"one long line", oneLine}, {"one long word", oneWord}};

  const auto fitsTheScreen = [](QMessageBox& box) {
    const QRect free = box.screen()->availableGeometry();
    std::printf("box %dx%d on a free area of %dx%d\n", box.frameGeometry().width(),
                box.frameGeometry().height(), free.width(), free.height());
    EXPECT_LE(box.frameGeometry().width(), free.width());
    EXPECT_LE(box.frameGeometry().height(), free.height());
    for (QAbstractButton* b : box.buttons()) {
      EXPECT_TRUE(box.rect().contains(QRect(b->mapTo(&box, QPoint(0, 0)), b->size())))
          << b->text().toStdString();
    }
    for (QLabel* label : box.findChildren<QLabel*>()) {
      if (label->text().size() < 100) continue;
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
      EXPECT_TRUE(label->text().endsWith(QString::fromUtf8("\n\u2026")));
    }
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    bool inspected = false;
    WhenBoxShows(
        [&](QMessageBox& box) {
          inspected = true;
          fitsTheScreen(box);
        },
        "OK");
    rt::MsgBox(c.text);
    EXPECT_TRUE(inspected);

    // The update window's dialog: the description as the explanation, and
    // a message as long.
    auto dialog = UpdateDialog("Version 2.0.0 is now available. " + c.text, c.text);
    inspected = false;
    WhenBoxShows(
        [&](QMessageBox& box) {
          inspected = true;
          EXPECT_EQ(box.buttons().size(), 3);
          fitsTheScreen(box);
        },
        "Go to Website");
    EXPECT_TRUE(dialog->ShowModal() == dialog->AlternateActionButton());
    EXPECT_TRUE(inspected);
  }
}

}  // namespace
