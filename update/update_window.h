// The update window: fetches the update document, compares its version with
// the running one and says so, or offers the new version.
#pragma once

#include <cstdint>
#include <string>

#include "rt/rt.h"

// The socket class, registered as "updateWindow.hp". C++ cannot nest a class
// updateWindow::hp beside the accessor updateWindow::hp(), so the point of
// the registered name becomes an underscore.
class updateWindow_hp : public rt::HTTPSocket {
 public:
  void Constructor() { rt::HTTPSocket::Constructor(); }
};

class updateWindow : public rt::Window {
 public:
  updateWindow() : rt::Window("updateWindow.updateWindow") {}

  // The implicit instance: the living update window, or a new one, built and
  // shown (its Open has sent the request) before it is returned.
  static rt::Ref<updateWindow> Instance();

  // Construction hooks.
  void Layout() override;
  void CreateControls() override;
  void CreateControls0();

  // Control accessors, in creation order.
  rt::Ref<rt::Label> StaticText1();         // the status line
  rt::Ref<rt::ProgressBar> ProgressBar1();  // busy while the request runs
  rt::Ref<rt::HTTPSocket> hp();             // the request for the update document
  rt::Ref<rt::PushButton> PushButton1();    // "Cancel"

  // Control event handlers.
  void hp_PageReceived(rt::Ref<rt::HTTPSocket> control, std::string url, int32_t httpStatus,
                       rt::Ref<rt::InternetHeaders> headers, std::string content);
  void hp_Error(rt::Ref<rt::HTTPSocket> control, int32_t code);
  void PushButton1_Action(rt::Ref<rt::PushButton> control);

  // The window's own event.
  void Event_Open() override;

  std::string startTag(const std::string& name);
  std::string endTag(const std::string& name);
  // The new-version dialog.
  void askUpgrade(const std::string& newVersion, const std::string& description,
                  const std::string& downloadURL, bool isFreeUpgrade);
  std::string returnValue(const std::string& source, const std::string& name);

  // When True, a current version closes the window without the message box.
  bool automaticCheck = false;

  // The maker's addresses; nothing is ever taken from the document.
  static constexpr const char* kDocumentAddress = "http://www.brenwick.example/Updates/jolvane.xml";
  static constexpr const char* kWebSite = "http://www.brenwick.example";
  static constexpr const char* kDownloadPage = "http://www.brenwick.example/jolvane/download.html";
};
