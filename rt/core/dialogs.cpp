// Modal messages, the message dialog, the beep and outside addresses: each
// goes to the modal host in use (rt/core/modal_host.h), the desktop's unless
// the test driver put its own in place.
#include "rt/dialogs.h"

#include "rt/core/internal.h"
#include "rt/core/modal_host.h"
#include "rt/runtime.h"

namespace rt {

void MsgBox(const std::string& text) {
  core::CurrentModalHost().MsgBox(text);
  core::ClearKeys();  // releases while the box had the keyboard may not have reached us
}

void Beep() {
  core::CurrentModalHost().Beep();
}

void ShowURL(const std::string& address) {
  core::CurrentModalHost().ShowURL(address);
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
  Ref<MessageDialogButton> answer = core::CurrentModalHost().AnswerDialog(*this);
  core::ClearKeys();  // as after a message box
  return answer;
}

}  // namespace rt
