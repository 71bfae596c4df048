// Keyboard state: Qt reports no asynchronous key state, so the runtime keeps
// its own from the presses and releases it sees.
#include <QKeyEvent>
#include <set>

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

// The framework's virtual key codes (those of the Macintosh keyboard).
int32_t VirtualKeyOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_A:
      return 0;
    case Qt::Key_S:
      return 1;
    case Qt::Key_D:
      return 2;
    case Qt::Key_F:
      return 3;
    case Qt::Key_H:
      return 4;
    case Qt::Key_G:
      return 5;
    case Qt::Key_Z:
      return 6;
    case Qt::Key_X:
      return 7;
    case Qt::Key_C:
      return 8;
    case Qt::Key_V:
      return 9;
    case Qt::Key_B:
      return 11;
    case Qt::Key_Q:
      return 12;
    case Qt::Key_W:
      return 13;
    case Qt::Key_E:
      return 14;
    case Qt::Key_R:
      return 15;
    case Qt::Key_Y:
      return 16;
    case Qt::Key_T:
      return 17;
    case Qt::Key_1:
      return 18;
    case Qt::Key_2:
      return 19;
    case Qt::Key_3:
      return 20;
    case Qt::Key_4:
      return 21;
    case Qt::Key_6:
      return 22;
    case Qt::Key_5:
      return 23;
    case Qt::Key_Equal:
      return 24;
    case Qt::Key_9:
      return 25;
    case Qt::Key_7:
      return 26;
    case Qt::Key_Minus:
      return 27;
    case Qt::Key_8:
      return 28;
    case Qt::Key_0:
      return 29;
    case Qt::Key_BracketRight:
      return 30;
    case Qt::Key_O:
      return 31;
    case Qt::Key_U:
      return 32;
    case Qt::Key_BracketLeft:
      return 33;
    case Qt::Key_I:
      return 34;
    case Qt::Key_P:
      return 35;
    case Qt::Key_Return:
      return 36;
    case Qt::Key_L:
      return 37;
    case Qt::Key_J:
      return 38;
    case Qt::Key_Apostrophe:
      return 39;
    case Qt::Key_K:
      return 40;
    case Qt::Key_Semicolon:
      return 41;
    case Qt::Key_Backslash:
      return 42;
    case Qt::Key_Comma:
      return 43;
    case Qt::Key_Slash:
      return 44;
    case Qt::Key_N:
      return 45;
    case Qt::Key_M:
      return 46;
    case Qt::Key_Period:
      return 47;
    case Qt::Key_Tab:
      return 48;
    case Qt::Key_Space:
      return Keyboard::kSpace;
    case Qt::Key_QuoteLeft:
      return 50;
    case Qt::Key_Backspace:
      return 51;
    case Qt::Key_Escape:
      return 53;
    case Qt::Key_Enter:
      return 76;
    case Qt::Key_Left:
      return 123;
    case Qt::Key_Right:
      return 124;
    case Qt::Key_Down:
      return 125;
    case Qt::Key_Up:
      return 126;
    default:
      return -1;
  }
}

}  // namespace

bool Keyboard::AsyncKeyDown(int32_t keyCode) {
  return Keys().seen.count(keyCode) > 0 || Keys().forced.count(keyCode) > 0;
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
