#include "tests/support/screen_reader.h"

#include <QWidget>
// Qt's platform layer keeps the switch (qt6-base-private-dev).
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace test_support {
namespace {

ScreenReader* g_listening = nullptr;

void Switch(bool on) {
  QPlatformIntegration* platform = QGuiApplicationPrivate::platform_integration;
  if (!platform) return;
  if (QPlatformAccessibility* accessibility = platform->accessibility())
    accessibility->setActive(on);
}

}  // namespace

ScreenReader::ScreenReader() : wasActive_(QAccessible::isActive()) {
  g_listening = this;
  previous_ = QAccessible::installUpdateHandler(&ScreenReader::Record);
  Switch(true);
}

ScreenReader::~ScreenReader() {
  Switch(wasActive_);
  QAccessible::installUpdateHandler(previous_);
  g_listening = nullptr;
}

void ScreenReader::Record(QAccessibleEvent* event) {
  if (!g_listening) return;
  QObject* object = event->object();
  QString description;
  if (auto* widget = qobject_cast<QWidget*>(object)) description = widget->accessibleDescription();
  g_listening->events_.push_back({event->type(), object, object, description});
}

std::vector<ScreenReader::Event> ScreenReader::EventsFor(QAccessible::Event type,
                                                         const QObject* object) const {
  std::vector<Event> found;
  for (const Event& e : events_)
    if (e.type == type && e.address == object) found.push_back(e);
  return found;
}

}  // namespace test_support
