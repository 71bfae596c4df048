// The shared lists, each key in the order it is applied.
#include "layout/property_lists.h"

namespace layout {

rt::PropertyList WindowList(const WindowValues& window) {
  rt::PropertyList list;
  list.Int("Placement", 0)
      .Int("Width", window.width)
      .Int("Height", window.height)
      .Int("MinWidth", 64)
      .Int("MinHeight", 64)
      .Int("MaxWidth", 32000)
      .Int("MaxHeight", 32000)
      .Int("Frame", 0)
      .Bool("Composite", false)
      .Bool("HasBackColor", true)
      .Colour("BackColor", kWhite)
      .Text("Title", window.title)
      .Bool("Visible", true)
      .Bool("FullScreen", false)
      .Bool("MenuBarVisible", true)
      .Bool("CloseButton", true)
      .Bool("Resizeable", false)
      .Bool("LiveResize", false)
      .Bool("MaximizeButton", false)
      .Bool("MinimizeButton", window.minimizeButton)
      .Int("MacProcID", 0);
  return list;
}

void AddOpening(rt::PropertyList& list, const std::string& name, const Place& at) {
  list.Text("Name", name)
      .Int("Index", rt::kNoIndex)
      .Int("Left", at.left)
      .Int("Top", at.top)
      .Int("Width", at.width)
      .Int("Height", at.height)
      .Bool("LockLeft", false)
      .Bool("LockTop", false)
      .Bool("LockRight", false)
      .Bool("LockBottom", false);
}

rt::PropertyList LabelList(const LabelValues& label) {
  rt::PropertyList list;
  if (label.tabStopFirst) list.Bool("TabStop", true);
  AddOpening(list, label.name, label.at);
  list.Int("TabPanelIndex", 0)
      .Int("TabIndex", label.tabIndex)
      .Text("Text", label.text)
      .Int("TextAlign", label.align)
      .Colour("TextColor", label.color)
      .Bool("Multiline", label.multiline)
      .Bool("Enabled", true)
      .Bool("Visible", label.visible)
      .Bool("Selectable", false)
      .Bool("Transparent", false)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Text("TextFont", label.font)
      .Bool("Bold", label.bold)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", label.parent);
  return list;
}

rt::PropertyList PushButtonList(const PushButtonValues& button) {
  rt::PropertyList list;
  AddOpening(list, button.name, button.at);
  list.Int("TabPanelIndex", 0)
      .Int("TabIndex", button.tabIndex)
      .Bool("TabStop", true)
      .Text("Caption", button.caption)
      .Bool("Default", button.isDefault)
      .Bool("Cancel", button.cancel)
      .Bool("Enabled", true)
      .Bool("Visible", true)
      .Text("HelpTag", "")
      .Bool("AutoDeactivate", true)
      .Int("ButtonStyle", 0)
      .Text("TextFont", "System")
      .Bool("Bold", button.bold)
      .Bool("Italic", false)
      .Bool("Underline", false)
      .Text("InitialParent", "");
  return list;
}

}  // namespace layout
