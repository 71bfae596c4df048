// The process's event loop, the exception helper between it and the
// program's handlers, the class records, start-up and quitting.
#include "rt/runtime.h"

#include <dlfcn.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "rt/application.h"
#include "rt/core/clock.h"
#include "rt/core/internal.h"
#include "rt/dialogs.h"
#include "rt/object.h"

namespace rt {
namespace {

// argc/argv must outlive the QApplication.
int g_argc = 1;
char g_arg0[] = "jolvane";
char* g_argv[] = {g_arg0, nullptr};

bool g_quitRequested = false;

ExceptionHelper& Helper() {
  static auto* helper = new ExceptionHelper;
  return *helper;
}

std::vector<QEventLoop*>& Loops() {
  static auto* loops = new std::vector<QEventLoop*>;
  return *loops;
}

struct Classes {
  std::deque<ClassRecord> records;  // a deque keeps references stable
  std::map<std::string, size_t> byName;
};

Classes& ClassTable() {
  static auto* classes = new Classes;
  return *classes;
}

// Fontconfig reads its whole configuration (some seventy files here) when
// the first text is measured: about 5 ms on the way to the first window. It
// needs nothing of Qt, so it runs on a thread of its own while the
// application connects to the display. Qt's own FcInit then finds it done.
// Looked up at run time: the library is there as Qt's, not as ours.
std::thread StartFontconfig() {
  using Init = int (*)();
  auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
  if (!init) return {};
  return std::thread([init] { init(); });
}

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

bool WaylandSocketAt(const char* name) {
  const char* dir = std::getenv("XDG_RUNTIME_DIR");
  return dir && *dir && access((std::string(dir) + "/" + name).c_str(), F_OK) == 0;
}

// Whether the platform Qt will pick has a display to talk to. Qt's window
// system plugins abort the process (SIGABRT, a core dump on many systems)
// when they find none; only X11 and Wayland are judged here, any other
// platform (offscreen, a frame buffer) is left to Qt.
bool DisplayReachable() {
  const bool x11 = Set("DISPLAY");
  // Without WAYLAND_DISPLAY, Qt's Wayland client tries the socket "wayland-0".
  const bool wayland = Set("WAYLAND_DISPLAY") || WaylandSocketAt("wayland-0");
  const char* platforms = std::getenv("QT_QPA_PLATFORM");
  if (!platforms || !*platforms) return x11 || Set("WAYLAND_DISPLAY");
  // A list such as "wayland;xcb", each name maybe with ":options".
  const QList<QByteArray> names = QByteArray(platforms).split(';');
  for (const QByteArray& entry : names) {
    const QByteArray name = entry.split(':').first().trimmed();
    if (name == "xcb") {
      if (x11) return true;
    } else if (name.startsWith("wayland")) {
      if (wayland) return true;
    } else if (!name.isEmpty()) {
      return true;
    }
  }
  return false;
}

const char* EnvOrNone(const char* name) {
  return Set(name) ? std::getenv(name) : "unset";
}

// One line; `reason` is the window system's own word on it, where it gave one.
void NoDisplay(const QByteArray& reason = {}) {
  std::fprintf(stderr, "Jolvane: could not open a display (DISPLAY %s, WAYLAND_DISPLAY %s)%s%s\n",
               EnvOrNone("DISPLAY"), EnvOrNone("WAYLAND_DISPLAY"), reason.isEmpty() ? "" : ": ",
               reason.constData());
  std::fflush(stderr);
}

// Messages of the application's construction: kept back, and dropped when
// the window system fails (Qt's own advice there is to reinstall).
struct HeldMessage {
  QtMsgType type;
  QByteArray category, text;
};
std::vector<HeldMessage>* g_held = nullptr;
std::mutex g_heldLock;  // the display connection has a reader thread of its own

void HoldMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  const std::lock_guard<std::mutex> lock(g_heldLock);
  if (type == QtFatalMsg) {
    // A display is named but cannot be reached (no server there, refused).
    // Qt's advice to reinstall is dropped; what its platform plugin said of
    // the connection is kept, on the same line.
    QByteArray reason;
    for (const HeldMessage& m : g_held ? *g_held : std::vector<HeldMessage>{}) {
      // The connection's own words (qt.qpa.xcb, qt.qpa.wayland), not the plugin loader's.
      if (!m.category.startsWith("qt.qpa.") || m.category == "qt.qpa.plugin") continue;
      reason += (reason.isEmpty() ? "" : "; ") + m.text.simplified();
    }
    NoDisplay(reason);
    _exit(1);  // a half-made application: nothing to release
  }
  if (g_held)
    g_held->push_back({type, QByteArray(context.category ? context.category : ""), text.toUtf8()});
}

void MakeApplicationOnADisplay(int& argc, char** argv) {
  std::vector<HeldMessage> held;
  g_held = &held;
  const QtMessageHandler previous = qInstallMessageHandler(HoldMessage);
  core::MakeApplication(argc, argv);
  qInstallMessageHandler(previous);
  {
    const std::lock_guard<std::mutex> lock(g_heldLock);
    g_held = nullptr;
  }
  for (const HeldMessage& m : held) {
    const QMessageLogContext context(nullptr, 0, nullptr, m.category.constData());
    if (previous) previous(m.type, context, QString::fromUtf8(m.text));
  }
}

}  // namespace

void RuntimeInit(int& argc, char** argv) {
  if (!QApplication::instance()) {
    if (!DisplayReachable()) {
      NoDisplay();
      std::exit(1);
    }
    std::thread fontconfig = StartFontconfig();
    if (argc > 0 && argv) {
      MakeApplicationOnADisplay(argc, argv);
    } else {
      MakeApplicationOnADisplay(g_argc, g_argv);
    }
    // Before any font is used: the configuration is made once, not twice.
    if (fontconfig.joinable()) fontconfig.join();
  }
  core::RouteKeysOf(qApp);
  QApplication::setQuitOnLastWindowClosed(false);  // the program decides when it ends
  QApplication::setApplicationName(QStringLiteral("Jolvane"));
  core::ShowDesktopIdentity();
}

// --- Class records -------------------------------------------------------------

const ClassRecord& RegisterClass(const std::string& name) {
  Classes& t = ClassTable();
  auto it = t.byName.find(name);
  if (it != t.byName.end()) return t.records[it->second];
  t.records.push_back(ClassRecord{name});
  t.byName[name] = t.records.size() - 1;
  return t.records.back();
}

const ClassRecord* FindClass(const std::string& name) {
  if (name.empty()) return nullptr;
  // The first lookup of a class builds its record.
  return &RegisterClass(name);
}

std::vector<std::string> RegisteredClassNames() {
  std::vector<std::string> names;
  for (const ClassRecord& r : ClassTable().records) names.push_back(r.name);
  return names;
}

void InitializeFrameworkClasses() {
  for (const char* name : {"Object",      "Application",  "Window",          "Control",
                           "RectControl", "Rectangle",    "Canvas",          "GroupBox",
                           "Label",       "RadioButton",  "PushButton",      "ProgressBar",
                           "Timer",       "HTTPSocket",   "InternetHeaders", "MenuItem",
                           "MenuBar",     "QuitMenuItem", "AppleMenuItem",   "FolderItem",
                           "Picture",     "Sound",        "MessageDialog",   "MessageDialogButton",
                           "Random",      "FileType"})
    RegisterClass(name);
}

namespace core {
void ForgetClasses() {
  ClassTable().records.clear();
  ClassTable().byName.clear();
}
}  // namespace core

void RuntimeInitExternalClasses() {}
void InitPluginEntrypoints() {}

// --- Exceptions -----------------------------------------------------------------

std::exception_ptr CallFunctionWithExceptionHandling(const std::function<void()>& fn) {
  try {
    fn();
  } catch (const RuntimeException&) {
    return std::current_exception();
  }
  return nullptr;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
  Helper() = std::move(helper);
}

void Dispatch(const std::function<void()>& fn) {
  std::exception_ptr escaped;
  try {
    const ExceptionHelper& helper = Helper();
    escaped = helper ? helper(fn) : CallFunctionWithExceptionHandling(fn);
  } catch (...) {
    // Whatever the helper let through must not unwind into Qt.
    escaped = std::current_exception();
  }
  if (escaped) core::ReportEventError(escaped);
  core::KeepMenuStatesCurrent();
}

void UnhandledException(std::exception_ptr exception) {
  if (!exception) return;
  const std::string message = core::DescribeException(exception);
  if (const auto& listen = core::CurrentListeners().unhandled) listen(message);
  std::fprintf(stderr, "Jolvane: unhandled exception: %s\n", message.c_str());
  std::fflush(stderr);
}

namespace core {

Listeners& CurrentListeners() {
  static auto* listeners = new Listeners;
  return *listeners;
}

std::string DescribeException(std::exception_ptr exception) {
  try {
    std::rethrow_exception(exception);
  } catch (const NilObjectException& e) {
    return std::string("NilObjectException: ") + e.what();
  } catch (const IllegalCastException& e) {
    return std::string("IllegalCastException: ") + e.what();
  } catch (const RuntimeException& e) {
    return std::string("RuntimeException: ") + e.what();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "unknown exception";
  }
}

void ReportEventError(std::exception_ptr exception) {
  const std::string message = DescribeException(exception);
  if (const auto& listen = CurrentListeners().eventError) listen(message);
  std::fprintf(stderr, "Jolvane: an event handler failed: %s\n", message.c_str());
  std::fflush(stderr);
  try {
    MsgBox("An error occurred and the last action could not be completed.\r\r" + message);
  } catch (...) {
    // The report itself must never unwind into the event loop.
  }
}

void PushLoop(QEventLoop* loop) {
  Loops().push_back(loop);
  if (g_quitRequested) loop->quit();
}

void PopLoop(QEventLoop* loop) {
  auto& loops = Loops();
  loops.erase(std::remove(loops.begin(), loops.end(), loop), loops.end());
}

void SimulatedWaitStep() {
  // The clock's own wait: delivers events, moves virtual time on to the next
  // due event, gives outside work (a request) real time, never spins.
  if (!g_quitRequested) RuntimeBackgroundTask();
}

void ClearQuitRequest() {
  g_quitRequested = false;
}

}  // namespace core

// --- Start, run, quit ---------------------------------------------------------------

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
  if (lateStartup) lateStartup();
  if (Ref<Application> app = GetAppObject()) app->CallOpen();
}

void RuntimeRun() {
  if (g_quitRequested) return;
  // What a screen reader finds in the menus before the first event.
  core::RunEnableMenuItems();
  if (clock::Simulated()) {
    while (!g_quitRequested) core::SimulatedWaitStep();
    return;
  }
  QApplication::exec();
  g_quitRequested = true;
}

void Quit() {
  g_quitRequested = true;
  for (QEventLoop* loop : Loops()) loop->quit();
  QCoreApplication::exit(0);  // every running loop of the thread, the main one too
}

bool QuitRequested() {
  return g_quitRequested;
}

int RuntimeExit() {
  return 0;
}

void ReleaseFrameworkStatics() {
  core::DropAllWindows();
  core::ForgetClasses();
  // Widgets of closed windows go now, not at a later event loop that never comes.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace rt
