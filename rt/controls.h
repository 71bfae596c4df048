// Controls: the visual ones (RectControl and its kinds) and the pane-child
// interface through which a non-visual control (a Timer, an HTTPSocket)
// belongs to a window. Geometry is in window coordinates (pixels from the
// top-left corner of the window's content area), also for a control that lies
// inside another control.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "rt/event.h"
#include "rt/object.h"
#include "rt/proplist.h"

class QWidget;

namespace rt {

class Window;
class Picture;

// What every control has: a name within its window and the window it
// belongs to (held weakly; nil once the window is gone).
class Control : public Object {
 public:
  const std::string& Name() const { return name_; }
  Ref<rt::Window> Window() const;

  // Applies one entry of a property list; PropertyListError for a key this
  // kind of control does not take.
  virtual void ApplyProperty(const std::string& key, const PropertyValue& value);
  // Called by SetProperties once every entry of a list has been applied.
  virtual void ListApplied() {}

 protected:
  Control() = default;
  void AttachWindow(const std::weak_ptr<rt::Window>& window) { window_ = window; }

 private:
  friend class rt::Window;
  std::string name_;
  std::weak_ptr<rt::Window> window_;
};

// A non-visual control (a Timer, an HTTPSocket): it belongs to a window and
// may have a control-array index, but has no widget. (The framework called
// this interface _PaneChild.)
class PaneChild : public Control {
 public:
  Ref<rt::Window> PaneWindow() const { return Window(); }
  void SetWindow(const Ref<rt::Window>& window);
  int32_t Index() const { return index_; }
  void SetIndex(int32_t index) { index_ = index; }

 private:
  int32_t index_ = kNoIndex;
};

// A visual control; it owns one Qt widget, a child of its window's content
// area (or of the control that InitialParent names).
class RectControl : public Control {
 public:
  ~RectControl() override;

  // Makes the widget; Window::New has given the control its window.
  void Constructor();

  int32_t Left() const { return left_; }
  int32_t Top() const { return top_; }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  void SetLeft(int32_t v);
  void SetTop(int32_t v);
  void SetWidth(int32_t v);
  void SetHeight(int32_t v);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);

  // The control that contains this one, or nil for the window itself.
  Ref<RectControl> Parent() const;

  // Redraws the control now (eraseBackground: clear it first).
  void Refresh(bool eraseBackground = true);

  // The place in the Tab order among the controls with the same parent
  // (ties go by creation); a control that takes the focus is reached by Tab
  // only while TabStop is True.
  int32_t TabIndex() const { return tabIndex_; }
  bool TabStop() const { return tabStop_; }

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;
  void ListApplied() override;

  // The widget, for the runtime itself and for tests; nullptr once deleted.
  QWidget* widget() const;

 protected:
  RectControl();
  // Each kind makes its own widget under `parent`.
  virtual QWidget* MakeWidget(QWidget* parent) = 0;
  void Place();  // puts the widget at the control's window coordinates

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  void ApplyTabStop();
  int32_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int32_t tabIndex_ = 0;
  bool visible_ = true, enabled_ = true, tabStop_ = true;
};

// Text-carrying controls take a size and a unit before their list.
class TextControl : public RectControl {
 public:
  // 0 is the platform's standard size. The unit is pixels (TextUnit 0).
  void SetTextSize(float size);
  float TextSize() const { return textSize_; }
  void SetTextUnit(int32_t unit) { textUnit_ = unit; }
  int32_t TextUnit() const { return textUnit_; }
  const std::string& TextFont() const { return textFont_; }
  void SetTextFont(const std::string& font);
  bool Bold() const { return bold_; }
  void SetBold(bool b);
  bool Italic() const { return italic_; }
  void SetItalic(bool b);
  bool Underline() const { return underline_; }
  void SetUnderline(bool b);

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 protected:
  void ApplyFont();

 private:
  float textSize_ = 0;
  int32_t textUnit_ = 0;
  std::string textFont_ = "System";
  bool bold_ = false, italic_ = false, underline_ = false;
};

// A filled rectangle with a border whose top and left sides take one colour
// and bottom and right sides another.
class Rectangle : public RectControl {
 public:
  Color FillColor() const { return fill_; }
  void SetFillColor(Color c);
  int32_t BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int32_t w);
  Color TopLeftColor() const { return topLeft_; }
  void SetTopLeftColor(Color c);
  Color BottomRightColor() const { return bottomRight_; }
  void SetBottomRightColor(Color c);

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 protected:
  QWidget* MakeWidget(QWidget* parent) override;

 private:
  Color fill_ = RGB(0xFFFFFF), topLeft_{}, bottomRight_{};
  int32_t borderWidth_ = 1;
};

// Draws its Backdrop picture at its top-left corner; reports mouse presses.
class Canvas : public RectControl {
 public:
  // The very Picture last assigned (identity is kept), or nil.
  Ref<Picture> Backdrop() const { return backdrop_; }
  // Takes effect on screen at the next refresh of the canvas or its window.
  void SetBackdrop(const Ref<Picture>& picture);
  // What a screen reader calls the picture shown ("7", "Star", "Handle Up");
  // empty when there is none.
  std::string SpokenName() const;

  // x and y relative to the canvas; the handler returns True when it took
  // the press.
  Event<bool(Ref<Canvas>, int32_t, int32_t)> MouseDown;

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 protected:
  QWidget* MakeWidget(QWidget* parent) override;

 private:
  Ref<Picture> backdrop_;
};

// A frame around other controls, with an optional caption.
class GroupBox : public TextControl {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 protected:
  QWidget* MakeWidget(QWidget* parent) override;

 private:
  std::string caption_;
};

// A text label. The text is shown as plain text, never as markup. A
// carriage return (character 13) starts a new line; with Multiline the text
// also wraps within the width.
class Label : public TextControl {
 public:
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  int32_t TextAlign() const { return align_; }  // 0 left, 1 centred, 2 right
  void SetTextAlign(int32_t align);
  Color TextColor() const { return color_; }
  void SetTextColor(Color c);
  bool Multiline() const { return multiline_; }
  void SetMultiline(bool m);

  // Raised once when the window opens, after all controls exist.
  Event<void(Ref<Label>)> Open;

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 protected:
  QWidget* MakeWidget(QWidget* parent) override;

 private:
  std::string text_;
  int32_t align_ = 0;
  Color color_{};
  bool multiline_ = false;
};

// One button of a group: the radio buttons with the same parent control form
// one group, and selecting one clears the others. A click, the arrow keys on
// the focused button, an accessibility action and SetValue(true) all choose
// the button the same way; the space bar never does (it belongs to the
// window's KeyDown).
class RadioButton : public TextControl {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Value() const;
  // True selects the button, clears the rest of its group and raises Action
  // as a click does. False only clears this button.
  void SetValue(bool selected);

  // Raised when the player clicks the button, and by SetValue(true).
  Event<void(Ref<RadioButton>)> Action;

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;
  void ListApplied() override;

 protected:
  QWidget* MakeWidget(QWidget* parent) override;

 private:
  friend struct RadioAccess;
  void Select(bool raiseAction);
  // The radio buttons of the window with the same parent, this one
  // included, in creation order.
  std::vector<Ref<RadioButton>> Group() const;
  void ClearRestOfGroup();
  std::string caption_;
  bool value_ = false;
};

// A push button. The window presses its Default button on Return or Enter
// and its Cancel button on Escape, whichever control holds the focus.
class PushButton : public TextControl {
 public:
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  bool Default() const { return default_; }
  void SetDefault(bool d);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool c);
  // Presses the button as a click does.
  void Push();

  Event<void(Ref<PushButton>)> Action;

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 protected:
  QWidget* MakeWidget(QWidget* parent) override;

 private:
  std::string caption_;
  bool default_ = false, cancel_ = false;
};

// A progress bar; Maximum 0 shows a busy bar without a measure.
class ProgressBar : public RectControl {
 public:
  int32_t Value() const { return value_; }
  void SetValue(int32_t v);
  int32_t Maximum() const { return maximum_; }
  void SetMaximum(int32_t m);

  void ApplyProperty(const std::string& key, const PropertyValue& value) override;

 protected:
  QWidget* MakeWidget(QWidget* parent) override;

 private:
  int32_t value_ = 0, maximum_ = 100;
};

}  // namespace rt
