// The update window "Update".
#include "update/update_window.h"

#include "app/app.h"
#include "layout/control_creation.h"
#include "update/self_test.h"
#include "update/update_document.h"

rt::Ref<updateWindow> updateWindow::Instance() {
  return rt::ImplicitInstance<updateWindow>("updateWindow.updateWindow");
}

void updateWindow::Layout() {
  // The keys of the other windows' lists, in an order of its own.
  rt::PropertyList list;
  list.Text("Title", "Update")
      .Int("Width", 300)
      .Int("Height", 120)
      .Int("MinWidth", 64)
      .Int("MinHeight", 64)
      .Int("MaxWidth", 32000)
      .Int("MaxHeight", 32000)
      .Int("Frame", 1)
      .Int("Placement", 0)
      .Bool("HasBackColor", true)
      .Colour("BackColor", layout::kWhite)
      .Bool("Visible", true)
      .Bool("CloseButton", true)
      .Bool("Resizeable", false)
      .Bool("LiveResize", false)
      .Bool("MinimizeButton", true)
      .Bool("MaximizeButton", false)
      .Bool("FullScreen", false)
      .Bool("MenuBarVisible", true)
      .Bool("Composite", false)
      .Int("MacProcID", 0);
  rt::SetProperties(rt::SelfRef(this), list);
}

void updateWindow::CreateControls() {
  CreateControls0();
}

void updateWindow::CreateControls0() {
  layout::MakeLabel(*this, {.name = "StaticText1",
                            .at = {20, 19, 266, 20},
                            .tabIndex = 0,
                            .text = "Checking for updates...",
                            .bold = false,
                            .align = layout::kLeft,
                            .tabStopFirst = true});

  layout::Create<rt::ProgressBar>(*this, "ProgressBar1");
  rt::PropertyList bar;
  layout::AddOpening(bar, "ProgressBar1", {20, 46, 260, 12});
  bar.Int("TabPanelIndex", 0)
      .Int("TabIndex", 1)
      .Bool("TabStop", true)
      .Int("Value", 0)
      .Int("Maximum", 100)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("InitialParent", "");
  layout::Apply<rt::ProgressBar>(*this, "ProgressBar1", bar);

  // The socket takes its address and port from each request.
  layout::Create<updateWindow_hp>(*this, "hp");
  layout::Apply<rt::HTTPSocket>(
      *this, "hp", rt::PropertyList().Text("Address", "").Int("Port", 0).Bool("yield", false));
  layout::Bind<rt::HTTPSocket>(*this, "hp", &rt::HTTPSocket::PageReceived,
                               &updateWindow::hp_PageReceived);
  layout::Bind<rt::HTTPSocket>(*this, "hp", &rt::HTTPSocket::Error, &updateWindow::hp_Error);

  layout::MakePushButton(*this,
                         {.name = "PushButton1",
                          .at = {208, 80, 72, 20},
                          .tabIndex = 1,
                          .caption = "Cancel",
                          .bold = false,
                          .isDefault = true,
                          .cancel = true},
                         &updateWindow::PushButton1_Action);
}

rt::Ref<rt::Label> updateWindow::StaticText1() {
  return layout::Fetch<rt::Label>(*this, "StaticText1");
}

rt::Ref<rt::ProgressBar> updateWindow::ProgressBar1() {
  return layout::Fetch<rt::ProgressBar>(*this, "ProgressBar1");
}

rt::Ref<rt::HTTPSocket> updateWindow::hp() {
  return layout::Fetch<rt::HTTPSocket>(*this, "hp");
}

rt::Ref<rt::PushButton> updateWindow::PushButton1() {
  return layout::Fetch<rt::PushButton>(*this, "PushButton1");
}

void updateWindow::Event_Open() {
  // Maximum 0: a busy bar for as long as the request runs.
  ProgressBar1()->SetMaximum(0);
  hp()->Get(kDocumentAddress);
  selfTest::Instance()->Close();
}

void updateWindow::hp_PageReceived(rt::Ref<rt::HTTPSocket> control, std::string /*url*/,
                                   int32_t httpStatus, rt::Ref<rt::InternetHeaders> /*headers*/,
                                   std::string content) {
  // A window closed by Cancel says nothing about a late answer.
  if (IsClosed()) return;
  if (content.empty()) {
    Close();
    return;
  }
  const std::string version = returnValue(content, "CurrentVersion");
  const std::string description = returnValue(content, "Description");
  const bool isFree = returnValue(content, "Free") == "Yes";
  // An error page, a proxy's page or another kind of document names no
  // version: that is a failed check, not a new version "".
  if (version.empty()) {
    hp_Error(control, httpStatus);
    return;
  }
  ProgressBar1()->SetVisible(false);
  auto app = App::Instance();
  if (update::IsCurrentVersion(version, app->MajorVersion(), app->MinorVersion(),
                               app->BugVersion())) {
    StaticText1()->SetText("This version is current.");
    StaticText1()->Refresh(true);
    if (!automaticCheck) rt::MsgBox("You are using the current version. No update is available.");
    Close();
  } else {
    askUpgrade(version, description, kDownloadPage, isFree);
  }
}

void updateWindow::hp_Error(rt::Ref<rt::HTTPSocket>, int32_t code) {
  if (IsClosed()) return;
  rt::Beep();
  rt::MsgBox(std::string("There was a communication error ") + "with the website. Please try " +
             "again later. (Code: " + rt::Str(int64_t{code}) + ")");
  Close();
}

void updateWindow::PushButton1_Action(rt::Ref<rt::PushButton>) {
  Close();
}

std::string updateWindow::startTag(const std::string& name) {
  return update::StartTag(name);
}

std::string updateWindow::endTag(const std::string& name) {
  return update::EndTag(name);
}

std::string updateWindow::returnValue(const std::string& source, const std::string& name) {
  return update::ReturnValue(source, name);
}

void updateWindow::askUpgrade(const std::string& newVersion, const std::string& description,
                              const std::string& downloadURL, bool isFreeUpgrade) {
  auto dialog = rt::RuntimeNewObject<rt::MessageDialog>();
  dialog->SetTitle("New version available!");
  std::string message = "Version " + newVersion + " is now available. " +
                        "(You are using version " + App::Instance()->ShortVersion() + ".) ";
  if (isFreeUpgrade) {
    message += std::string("This is a free upgrade. ") +
               "Would you like to automatically download " +
               "this update (using your web browser)?";
  } else {
    message += std::string("This is a paid upgrade. ") +
               "Would you like to automatically download " +
               "the trial version (using your web browser)?";
  }
  dialog->SetMessage(message);
  dialog->SetExplanation(description);
  dialog->CancelButton()->SetVisible(true);
  dialog->AlternateActionButton()->SetCaption("Go to Website");
  dialog->AlternateActionButton()->SetVisible(true);
  dialog->SetIcon(3);

  const rt::Ref<rt::MessageDialogButton> pressed = dialog->ShowModal();
  if (pressed == dialog->CancelButton()) {
    Close();
  } else if (pressed == dialog->ActionButton()) {
    rt::ShowURL(downloadURL);
    Close();
  } else if (pressed == dialog->AlternateActionButton()) {
    // The window stays open until Cancel or its close box.
    rt::ShowURL(kWebSite);
  }
}
