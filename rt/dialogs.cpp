// Modal messages, the message dialog, the beep and outside addresses. In
// tests each goes to its hook instead (rt/testing.h).
#include "rt/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>

#include "rt/core_internal.h"
#include "rt/runtime.h"
#include "rt/testing.h"

namespace rt {
namespace {

// Every label of the box shows plain text (the informative text too).
void MakePlain(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  for (QLabel* label : box.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

QMessageBox::Icon IconOf(int32_t icon) {
  switch (icon) {
    case MessageDialog::kIconNote:
      return QMessageBox::Information;
    case MessageDialog::kIconCaution:
      return QMessageBox::Warning;
    case MessageDialog::kIconStop:
      return QMessageBox::Critical;
    case MessageDialog::kIconQuestion:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

void MsgBox(const std::string& text) {
  if (testing::TestHooksActive()) {
    testing::Recorded().msgBoxes.push_back(text);
    if (auto answer = core::CurrentHooks().msgBox) answer(text);
    return;
  }
  if (QuitRequested()) return;  // no loop would ever end the box
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), core::DisplayText(text),
                  QMessageBox::Ok);
  MakePlain(box);
  box.exec();
}

void Beep() {
  if (testing::TestHooksActive()) {
    ++testing::Recorded().beeps;
    return;
  }
  QApplication::beep();
}

void ShowURL(const std::string& address) {
  if (testing::TestHooksActive()) {
    testing::Recorded().urls.push_back(address);
    return;
  }
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

MessageDialog::MessageDialog()
    : action_(RuntimeNewObject<MessageDialogButton>()),
      alternate_(RuntimeNewObject<MessageDialogButton>()),
      cancel_(RuntimeNewObject<MessageDialogButton>()) {
  action_->SetCaption("OK");
  action_->SetVisible(true);
  action_->SetDefault(true);
  cancel_->SetCaption("Cancel");
  cancel_->SetCancel(true);
}

Ref<MessageDialogButton> MessageDialog::ShowModal() {
  if (testing::TestHooksActive()) {
    testing::Recorded().dialogs.push_back(title_);
    if (auto answer = core::CurrentHooks().messageDialog) return answer(*this);
    return cancel_;
  }
  if (QuitRequested()) return cancel_;
  QMessageBox box(IconOf(icon_), core::DisplayText(title_), core::DisplayText(message_),
                  QMessageBox::NoButton);
  if (!explanation_.empty()) box.setInformativeText(core::DisplayText(explanation_));
  std::vector<std::pair<QAbstractButton*, Ref<MessageDialogButton>>> buttons;
  auto add = [&](const Ref<MessageDialogButton>& b, QMessageBox::ButtonRole role,
                 bool evenHidden = false) {
    if (!b->Visible() && !evenHidden) return;
    QPushButton* pb = box.addButton(core::DisplayText(b->Caption()), role);
    if (b->Default()) box.setDefaultButton(pb);
    if (b->Cancel()) box.setEscapeButton(pb);
    buttons.emplace_back(pb, b);
  };
  add(action_, QMessageBox::AcceptRole);
  add(alternate_, QMessageBox::ActionRole);
  add(cancel_, QMessageBox::RejectRole);
  if (buttons.empty())
    add(action_, QMessageBox::AcceptRole, true);  // never a box without a way out
  MakePlain(box);
  box.exec();
  for (const auto& [qb, b] : buttons)
    if (box.clickedButton() == qb) return b;
  return cancel_;
}

}  // namespace rt
