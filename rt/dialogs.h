// Modal messages, the message dialog, the system beep and outside addresses.
// Each has a test hook in rt/testing/driver.h that records it and answers.
#pragma once

#include <cstdint>
#include <string>

#include "rt/object.h"

namespace rt {

// A modal message box with one button; returns when it is dismissed. The
// text is plain text; a carriage return starts a new line.
void MsgBox(const std::string& text);

// The system's alert sound.
void Beep();

// Hands an http or mailto address to the system (browser, mail program) and
// returns at once; the outcome is not observed.
void ShowURL(const std::string& address);

class MessageDialogButton : public Object {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c) { caption_ = c; }
  bool Visible() const { return visible_; }
  void SetVisible(bool v) { visible_ = v; }
  bool Default() const { return default_; }
  void SetDefault(bool d) { default_ = d; }
  bool Cancel() const { return cancel_; }
  void SetCancel(bool c) { cancel_ = c; }

 private:
  std::string caption_;
  bool visible_ = false, default_ = false, cancel_ = false;
};

// A modal dialog with a title, a message, an explanation, an icon and up to
// three buttons. The action button starts visible with the caption "OK" and
// is the default; the cancel button's caption is "Cancel" and it starts
// hidden; the alternate button starts hidden. Texts are shown as plain text.
class MessageDialog : public Object {
 public:
  enum : int32_t {
    kIconNone = -1,
    kIconNote = 0,
    kIconCaution = 1,
    kIconStop = 2,
    kIconQuestion = 3
  };
  MessageDialog();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& t) { title_ = t; }
  const std::string& Message() const { return message_; }
  void SetMessage(const std::string& m) { message_ = m; }
  const std::string& Explanation() const { return explanation_; }
  void SetExplanation(const std::string& e) { explanation_ = e; }
  int32_t Icon() const { return icon_; }
  void SetIcon(int32_t i) { icon_ = i; }

  Ref<MessageDialogButton> ActionButton() const { return action_; }
  Ref<MessageDialogButton> AlternateActionButton() const { return alternate_; }
  Ref<MessageDialogButton> CancelButton() const { return cancel_; }

  // Shows the dialog and returns the button that was pressed (the cancel
  // button when the dialog is closed otherwise).
  Ref<MessageDialogButton> ShowModal();

 private:
  std::string title_, message_, explanation_;
  int32_t icon_ = kIconNote;
  Ref<MessageDialogButton> action_, alternate_, cancel_;
};

}  // namespace rt
