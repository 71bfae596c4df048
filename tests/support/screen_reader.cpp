#include "tests/support/screen_reader.h"

#include <QWidget>

// Qt's platform layer keeps the switch. Its headers are not installed, but
// the library exports the three names used here; these declarations name
// them and nothing else. The offscreen platform keeps Qt's own platform
// accessibility, which is where the switch lives.
class QPlatformAccessibility {
 public:
  void setActive(bool active);
};
class QPlatformIntegration {
 public:
  QPlatformAccessibility* accessibility() const;
};
class QGuiApplicationPrivate {
 public:
  static QPlatformIntegration* platform_integration;
};

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
