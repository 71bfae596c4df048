// Internals shared by the runtime's core files (windows, controls, menus,
// dialogs, the event loop). The program never includes this file.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <string>

#include "rt/object.h"
#include "rt/proplist.h"

class QAccessibleInterface;
class QApplication;
class QEventLoop;
class QFont;
class QIcon;
class QKeyEvent;
class QMenuBar;
class QObject;
class QString;
class QWidget;

namespace rt {
class Window;
class MenuItem;
class HTTPSocket;
}  // namespace rt

namespace rt::core {

// --- Exceptions (rt/core/runtime.cpp) ------------------------------------------
// The message of an exception, for the record and the player's message box.
std::string DescribeException(std::exception_ptr exception);

// Reports an exception that escaped an event handler: recorded for tests,
// written to standard error, and shown to the player as one message box.
void ReportEventError(std::exception_ptr exception);

// --- Listeners (rt/core/runtime.cpp) -------------------------------------------
// What the runtime reports besides standard error and the player's message
// box. The program sets none; the test driver records through them.
struct Listeners {
  // The message of an exception that escaped an event handler.
  std::function<void(const std::string& message)> eventError;
  // The message of an exception that reached the main routine.
  std::function<void(const std::string& message)> unhandled;
  // SetProperties is about to apply the whole list `bytes` to `target`.
  std::function<void(const Object& target, const std::string& bytes)> properties;
};
Listeners& CurrentListeners();

// --- The application and its event loop -----------------------------------
// Makes the process's QApplication, which routes key presses to the windows
// (rt/core/window_keys.cpp).
QApplication* MakeApplication(int& argc, char** argv);
// Routes keys through an event filter when the QApplication is not ours.
void RouteKeysOf(QApplication* app);
// The application's icon (null when none was built in), from
// rt/core/desktop_identity.cpp.
const QIcon& AppIcon();
// Gives the application its icon and the name of its desktop entry.
void ShowDesktopIdentity();
// Every nested loop the runtime runs (modal windows), so Quit ends them
// all; these four are in rt/core/runtime.cpp.
void PushLoop(QEventLoop* loop);
void PopLoop(QEventLoop* loop);
// One step of a wait on the simulated clock: delivers pending events, then
// moves virtual time on, or waits briefly for a real event when nothing is
// scheduled.
void SimulatedWaitStep();
void ClearQuitRequest();

// A weak reference to an object from inside one of its own methods; empty
// while no shared_ptr holds it yet.
template <class T>
std::weak_ptr<T> WeakSelf(T* self) {
  if (auto shared = self->weak_from_this().lock()) return std::static_pointer_cast<T>(shared);
  return {};
}

// Adds a factory of accessible interfaces for the runtime's own widgets to
// Qt's accessibility; once per factory, however often it is asked
// (rt/core/desktop_identity.cpp).
using AccessibleFactory = QAccessibleInterface* (*)(const QString& key, QObject* object);
void InstallAccessibleFactory(AccessibleFactory factory);

// --- Windows ----------------------------------------------------------------
// The runtime window a widget belongs to, or nil (rt/core/window.cpp).
Ref<Window> WindowOfWidget(const QWidget* widget);

// --- Modality (rt/core/modality.cpp) -------------------------------------------
// True while a modal window or box blocks the window of `widget`. Nothing done
// to a blocked window may act, whoever asks: a mouse or a key never reaches
// it, but an accessibility action or the program's own click could.
bool BlockedByModal(const QWidget* widget);
// True while any modal window or box is up.
bool ModalShowing();
// The top-level widget that a modal box or window opened now belongs to:
// the modal window in front, else the active window of ours, else the last
// shown window of ours; never `except`; null when there is none.
QWidget* ModalOwner(const QWidget* except = nullptr);
// Gives the keyboard back to `owner` when it is still shown: a window
// manager would, but without one the focus would go nowhere.
void ReturnFocusTo(QWidget* owner);

// --- Windows, continued (rt/core/window.cpp, rt/core/http.cpp) ---------------
// Closes every living window without raising its Close event, and forgets
// them (tests starting over, process exit).
void DropAllWindows();
// Drops the socket's request under way, if any, raising no event (its
// window closes).
void AbortRequest(HTTPSocket& socket);

// --- Menus (rt/core/menu.cpp) -------------------------------------------------
// Puts the bar's top-level menus into a window's QMenuBar; menus appended to
// the bar later appear there too.
void FillMenuBar(const Ref<MenuItem>& root, QMenuBar* bar);
// Raises the application's EnableMenuItems event through Dispatch, then
// shows the application bar's enabling.
void RunEnableMenuItems();
// Raises EnableMenuItems unless it has run since the last event.
void EnsureMenuStatesCurrent();
// Dispatch calls it after every event, which may have changed what
// EnableMenuItems would decide. Usually the menus catch up when one opens;
// but a screen reader reads the items without opening a menu, so while
// assistive technology is listening they catch up at once.
void KeepMenuStatesCurrent();
// Shows the enabling of every item of a bar (handlers may have come or gone).
void ShowMenuStates(const Ref<MenuItem>& root);

// --- Keyboard (rt/core/keyboard.cpp) ------------------------------------------
// Records a press or release for Keyboard::AsyncKeyDown.
void NoteKeyEvent(const QKeyEvent& event);
void ClearKeys();
// Holds the key down with no key event (the test driver's SetKeyDown), or
// lets it go; a release event lets it go too.
void HoldKey(int32_t keyCode, bool down);

// --- Class records and the application object --------------------------------
// Forget every class record (rt/core/runtime.cpp) and the registered
// application object (rt/core/application.cpp), for ReleaseFrameworkStatics
// and tests starting over.
void ForgetClasses();
void ForgetAppObject();

// --- Text on screen -------------------------------------------------------------
// The program's text for display: UTF-8, carriage returns as line breaks
// (rt/core/display_text.cpp).
QString DisplayText(const std::string& text);
// The pixel size of text size 0, the standard size.
constexpr int kStandardTextSize = 11;
// A font from the framework's font properties (rt/core/fonts.cpp): "System"
// is the application's default family. A named family missing from the
// machine is replaced by an installed font whose letters have the same
// widths where one is known, else by "System".
QFont MakeFont(const std::string& family, float pixelSize, bool bold, bool italic, bool underline);

// --- Property values (rt/core/property_values.cpp) -------------------------------
// The value of a property-list entry in the form its key calls for; raises
// PropertyListError when the entry holds another form.
int32_t AsInt(const std::string& key, const PropertyValue& value);
bool AsBool(const std::string& key, const PropertyValue& value);
Color AsColour(const std::string& key, const PropertyValue& value);
const std::string& AsText(const std::string& key, const PropertyValue& value);

}  // namespace rt::core
