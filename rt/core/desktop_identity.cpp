// How the desktop knows the program: its icon on every window, the name of
// its desktop entry (data/example.brenwick.jolvane.desktop), which docks and
// task switchers match a window with, and what assistive technology is told
// of the runtime's own widgets.
#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <set>

#include "rt/core/internal.h"

namespace rt::core {

const QIcon& AppIcon() {
  static const QIcon* icon = [] {
    auto* made = new QIcon;  // never destroyed: no pixmap work at exit
    // Each size drawn for itself; a missing one is left to Qt's scaling, and
    // none at all leaves the windows with the desktop's own icon.
    QDirIterator it(QStringLiteral(":/jolvane/icons"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) made->addFile(it.next());
    return made;
  }();
  return *icon;
}

void ShowDesktopIdentity() {
  // The Wayland app id; on X11 the entry's StartupWMClass names the class.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.brenwick.jolvane"));
  QApplication::setWindowIcon(AppIcon());
}

void InstallAccessibleFactory(AccessibleFactory factory) {
  static auto* installed = new std::set<AccessibleFactory>;
  if (installed->insert(factory).second) QAccessible::installFactory(factory);
}

}  // namespace rt::core
