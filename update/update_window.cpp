// The update window "Update".
#include "update/update_window.h"

#include "app/app.h"
#include "update/self_test.h"
#include "update/update_document.h"

rt::Ref<updateWindow> updateWindow::Instance() {
  return rt::ImplicitInstance<updateWindow>("updateWindow.updateWindow");
}

void updateWindow::Layout() {
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
      .Colour("BackColor", rt::RGB(0xFFFFFF))
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
  auto self = rt::SelfRef(this);

  {
    auto control = New<rt::Label>();
    control->Constructor();
    AddControl("StaticText1", control);
  }
  rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1"))->SetTextUnit(0);
  rt::PropertyList label;
  label.Bool("TabStop", true)
      .Text("Name", "StaticText1")
      .Int("Index", rt::kNoIndex)
      .Int("Left", 20)
      .Int("Top", 19)
      .Int("Width", 266)
      .Int("Height", 20)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", 0)
      .Text("Text", "Checking for updates...")
      .Int("TextAlign", 0)
      .Colour("TextColor", rt::RGB(0x000000))
      .Bool("Multiline", false)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Bool("Selectable", false)
      .Bool("Transparent", false)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("TextFont", "System")
      .Bool("Bold", false)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", "");
  rt::SetProperties(rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1")), label);

  {
    auto control = New<rt::ProgressBar>();
    control->Constructor();
    AddControl("ProgressBar1", control);
  }
  rt::PropertyList bar;
  bar.Text("Name", "ProgressBar1")
      .Int("Index", rt::kNoIndex)
      .Int("Left", 20)
      .Int("Top", 46)
      .Int("Width", 260)
      .Int("Height", 12)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", 1)
      .Bool("TabStop", true)
      .Int("Value", 0)
      .Int("Maximum", 100)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("InitialParent", "");
  rt::SetProperties(rt::RuntimeCheckCast<rt::ProgressBar>(ControlByName("ProgressBar1")), bar);

  {
    auto control = New<updateWindow_hp>();
    control->Constructor();
    AddControl("hp", control);
  }
  rt::PropertyList socket;
  socket.Text("Address", "").Int("Port", 0).Bool("yield", false);
  rt::SetProperties(rt::RuntimeCheckCast<rt::HTTPSocket>(ControlByName("hp")), socket);
  rt::RuntimeAddEventHandler(
      rt::RuntimeCheckCast<rt::HTTPSocket>(ControlByName("hp"))->PageReceived,
      rt::RuntimeCreateDelegate(&updateWindow::hp_PageReceived, self));
  rt::RuntimeAddEventHandler(rt::RuntimeCheckCast<rt::HTTPSocket>(ControlByName("hp"))->Error,
                             rt::RuntimeCreateDelegate(&updateWindow::hp_Error, self));

  {
    auto control = New<rt::PushButton>();
    control->Constructor();
    AddControl("PushButton1", control);
  }
  rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1"))->SetTextUnit(0);
  rt::PropertyList button;
  button.Text("Name", "PushButton1")
      .Int("Index", rt::kNoIndex)
      .Int("Left", 208)
      .Int("Top", 80)
      .Int("Width", 72)
      .Int("Height", 20)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false)
      .Int("TabPanelIndex", 0)
      .Int("TabIndex", 1)
      .Bool("TabStop", true)
      .Text("Caption", "Cancel")
      .Bool("Default", true)
      .Bool("Cancel", true)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Int("ButtonStyle", 0)
      .Text("TextFont", "System")
      .Bool("Bold", false)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("InitialParent", "");
  rt::SetProperties(rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1")), button);
  rt::RuntimeAddEventHandler(
      rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1"))->Action,
      rt::RuntimeCreateDelegate(&updateWindow::PushButton1_Action, self));
}

rt::Ref<rt::Label> updateWindow::StaticText1() {
  return rt::RuntimeCheckCast<rt::Label>(ControlByName("StaticText1"));
}

rt::Ref<rt::ProgressBar> updateWindow::ProgressBar1() {
  return rt::RuntimeCheckCast<rt::ProgressBar>(ControlByName("ProgressBar1"));
}

rt::Ref<rt::HTTPSocket> updateWindow::hp() {
  return rt::RuntimeCheckCast<rt::HTTPSocket>(ControlByName("hp"));
}

rt::Ref<rt::PushButton> updateWindow::PushButton1() {
  return rt::RuntimeCheckCast<rt::PushButton>(ControlByName("PushButton1"));
}

void updateWindow::Event_Open() {
  // Maximum 0: a busy bar for as long as the request runs.
  ProgressBar1()->SetMaximum(0);
  hp()->Get(kDocumentAddress);
  selfTest::Instance()->Close();
}

void updateWindow::hp_PageReceived(rt::Ref<rt::HTTPSocket> control, std::string url,
                                   int32_t httpStatus, rt::Ref<rt::InternetHeaders> headers,
                                   std::string content) {
  (void)url;
  (void)headers;
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

void updateWindow::hp_Error(rt::Ref<rt::HTTPSocket> control, int32_t code) {
  (void)control;
  if (IsClosed()) return;
  rt::Beep();
  rt::MsgBox(std::string("There was a communication error ") + "with the website. Please try " +
             "again later. (Code: " + rt::Str(int64_t{code}) + ")");
  Close();
}

void updateWindow::PushButton1_Action(rt::Ref<rt::PushButton> control) {
  (void)control;
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
