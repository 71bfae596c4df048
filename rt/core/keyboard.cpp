// Keyboard state. Qt reports no asynchronous key state, and its key events
// do not tell us every release: one that arrives while a modal box blocks
// the window that has the keyboard is dropped before any event is made,
// and one still waiting in the queue is not known while its press is being
// handled. So on X11 the runtime asks the X server whether the key is down
// now, which is true of the physical key whatever window had the keyboard
// when it moved. Elsewhere (Wayland, the offscreen platform) it keeps its
// own state from the presses and releases it sees, and forgets it whenever
// the keyboard may have gone where it cannot follow: another program, or a
// modal window that has closed.
#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <iterator>
#include <optional>
#include <set>
#include <unordered_map>
#include <xcb/xcb.h>

#include "rt/core/internal.h"
#include "rt/system.h"

namespace rt {
namespace {

struct KeyState {
  std::set<int32_t> seen;    // from key events
  std::set<int32_t> forced;  // held without a key event (HoldKey)
};

KeyState& Keys() {
  static KeyState keys;
  return keys;
}

struct KeyCode {
  int qtKey;
  int32_t virtualKey;  // the framework's code (the Macintosh keyboard's)
};

constexpr KeyCode kKeyCodes[] = {
    {Qt::Key_A, 0}, {Qt::Key_S, 1}, {Qt::Key_D, 2}, {Qt::Key_F, 3}, {Qt::Key_H, 4},
    {Qt::Key_G, 5}, {Qt::Key_Z, 6}, {Qt::Key_X, 7}, {Qt::Key_C, 8}, {Qt::Key_V, 9},
    {Qt::Key_B, 11}, {Qt::Key_Q, 12}, {Qt::Key_W, 13}, {Qt::Key_E, 14}, {Qt::Key_R, 15},
    {Qt::Key_Y, 16}, {Qt::Key_T, 17}, {Qt::Key_1, 18}, {Qt::Key_2, 19}, {Qt::Key_3, 20},
    {Qt::Key_4, 21}, {Qt::Key_6, 22}, {Qt::Key_5, 23}, {Qt::Key_Equal, 24}, {Qt::Key_9, 25},
    {Qt::Key_7, 26}, {Qt::Key_Minus, 27}, {Qt::Key_8, 28}, {Qt::Key_0, 29},
    {Qt::Key_BracketRight, 30}, {Qt::Key_O, 31}, {Qt::Key_U, 32}, {Qt::Key_BracketLeft, 33},
    {Qt::Key_I, 34}, {Qt::Key_P, 35}, {Qt::Key_Return, 36}, {Qt::Key_L, 37}, {Qt::Key_J, 38},
    {Qt::Key_Apostrophe, 39}, {Qt::Key_K, 40}, {Qt::Key_Semicolon, 41}, {Qt::Key_Backslash, 42},
    {Qt::Key_Comma, 43}, {Qt::Key_Slash, 44}, {Qt::Key_N, 45}, {Qt::Key_M, 46},
    {Qt::Key_Period, 47}, {Qt::Key_Tab, 48}, {Qt::Key_Space, Keyboard::kSpace},
    {Qt::Key_QuoteLeft, 50}, {Qt::Key_Backspace, 51}, {Qt::Key_Escape, 53}, {Qt::Key_Enter, 76},
    {Qt::Key_Left, 123}, {Qt::Key_Right, 124}, {Qt::Key_Down, 125}, {Qt::Key_Up, 126}};

int32_t VirtualKeyOf(int qtKey) {
  for (const KeyCode& k : kKeyCodes)
    if (k.qtKey == qtKey) return k.virtualKey;
  return -1;
}

int QtKeyOf(int32_t virtualKey) {
  for (const KeyCode& k : kKeyCodes)
    if (k.virtualKey == virtualKey) return k.qtKey;
  return 0;
}

// The X keysym of a key of the table: Latin-1 keys are their own (letters in
// lower case); the others have X's codes.
uint32_t KeysymOf(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<uint32_t>(qtKey - Qt::Key_A + 'a');
  if (qtKey < 0x100) return static_cast<uint32_t>(qtKey);
  switch (qtKey) {
    case Qt::Key_Return:
      return 0xff0d;
    case Qt::Key_Tab:
      return 0xff09;
    case Qt::Key_Backspace:
      return 0xff08;
    case Qt::Key_Escape:
      return 0xff1b;
    case Qt::Key_Enter:
      return 0xff8d;  // KP_Enter
    case Qt::Key_Left:
      return 0xff51;
    case Qt::Key_Up:
      return 0xff52;
    case Qt::Key_Right:
      return 0xff53;
    case Qt::Key_Down:
      return 0xff54;
    default:
      return 0;
  }
}

// The X server's answer: whether the key is down now; nothing when the
// display is not X11 or the key has no key code on this keyboard.
class XKeyboard {
 public:
  std::optional<bool> KeyDown(int32_t virtualKey) {
    xcb_connection_t* c = Connection();
    if (!c) return std::nullopt;
    const std::optional<xcb_keycode_t> code = KeyCodeOf(c, virtualKey);
    if (!code) return std::nullopt;
    xcb_query_keymap_reply_t* reply = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    if (!reply) return std::nullopt;
    const bool down = (reply->keys[*code / 8] >> (*code % 8)) & 1;
    free(reply);
    return down;
  }

 private:
  static xcb_connection_t* Connection() {
    auto* app = qGuiApp;
    if (!app) return nullptr;
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
  }

  // The keyboard's mapping is read once, at the first question.
  std::optional<xcb_keycode_t> KeyCodeOf(xcb_connection_t* c, int32_t virtualKey) {
    if (!mapped_) Map(c);
    const uint32_t keysym = KeysymOf(QtKeyOf(virtualKey));
    const auto it = codes_.find(keysym);
    if (keysym == 0 || it == codes_.end()) return std::nullopt;
    return it->second;
  }

  void Map(xcb_connection_t* c) {
    mapped_ = true;
    const xcb_setup_t* setup = xcb_get_setup(c);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        c, xcb_get_keyboard_mapping(c, setup->min_keycode, static_cast<uint8_t>(count)), nullptr);
    if (!reply) return;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
    const int perCode = reply->keysyms_per_keycode;
    for (int i = 0; i < count; ++i) {
      // The first keysyms of a code: without and with Shift.
      for (int j = 0; j < std::min(perCode, 2); ++j) {
        const xcb_keysym_t sym = syms[i * perCode + j];
        if (sym != 0) codes_.emplace(sym, static_cast<xcb_keycode_t>(setup->min_keycode + i));
      }
    }
    free(reply);
  }

  bool mapped_ = false;
  std::unordered_map<uint32_t, xcb_keycode_t> codes_;
};

XKeyboard& X() {
  static XKeyboard keyboard;
  return keyboard;
}

}  // namespace

bool Keyboard::AsyncKeyDown(int32_t keyCode) {
  if (Keys().forced.count(keyCode) > 0) return true;
  if (std::optional<bool> down = X().KeyDown(keyCode)) return *down;
  return Keys().seen.count(keyCode) > 0;
}

namespace core {

void NoteKeyEvent(const QKeyEvent& event) {
  if (event.isAutoRepeat()) return;  // a held key repeats; it is not released
  const int32_t code = VirtualKeyOf(event.key());
  if (code < 0) return;
  if (event.type() == QEvent::KeyPress) {
    Keys().seen.insert(code);
  } else if (event.type() == QEvent::KeyRelease) {
    Keys().seen.erase(code);
    Keys().forced.erase(code);
  }
}

void ClearKeys() {
  Keys().seen.clear();
}

void HoldKey(int32_t keyCode, bool down) {
  if (down) {
    Keys().forced.insert(keyCode);
  } else {
    Keys().forced.erase(keyCode);
    Keys().seen.erase(keyCode);
  }
}

}  // namespace core
}  // namespace rt
