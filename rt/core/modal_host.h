// Where the runtime waits for the person at the desktop, or hands something
// over to the desktop: a modal window's wait, the message box, the message
// dialog's answer, the beep and outside addresses. The runtime's own host
// (rt/core/desktop_host.cpp) does them on the screen and the system; the
// test driver puts its own in place (rt/testing/hooks.cpp), which records
// them and answers as the test says. The program never includes this file.
#pragma once

#include <string>

#include "rt/dialogs.h"
#include "rt/object.h"

namespace rt {
class Window;
}  // namespace rt

namespace rt::core {

class ModalHost {
 public:
  virtual ~ModalHost() = default;
  // Returns once `window`, already shown modal, is closed or the
  // application quits.
  virtual void WaitModal(Window& window) = 0;
  // Shows the message box; returns when it is dismissed.
  virtual void MsgBox(const std::string& text) = 0;
  // The button the dialog returns: the one pressed, or its cancel button.
  virtual Ref<MessageDialogButton> AnswerDialog(MessageDialog& dialog) = 0;
  virtual void Beep() = 0;
  // Hands the address to the system and returns at once.
  virtual void ShowURL(const std::string& address) = 0;
};

// The host in use: the desktop's unless another was put in place.
ModalHost& CurrentModalHost();
// Puts `host` in place (nullptr: the desktop's again); it must live as long
// as it is in place.
void InstallModalHost(ModalHost* host);
// The desktop's host, for a host that leaves some of the work to it.
ModalHost& DesktopModalHost();

}  // namespace rt::core
