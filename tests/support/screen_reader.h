// A screen reader listening, as far as Qt can tell: Qt's accessibility
// switched on, and every accessibility event the widgets raise recorded, as
// Orca would receive it. The offscreen platform has no bridge to assistive
// technology, so nothing else ever switches it on there, and
// QAccessible::setActive only tells observers, it switches nothing.
//
// One at a time; the destructor puts back what it found.
#pragma once

#include <QAccessible>
#include <QPointer>
#include <QString>
#include <vector>

class QObject;

namespace test_support {

class ScreenReader {
 public:
  struct Event {
    QAccessible::Event type;
    QPointer<QObject> object;
    const QObject* address;  // compared even after the object is gone
    QString description;     // the object's description when it was raised
  };

  ScreenReader();
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  const std::vector<Event>& Events() const { return events_; }
  // The events of this type raised for `object`, oldest first.
  std::vector<Event> EventsFor(QAccessible::Event type, const QObject* object) const;
  void Clear() { events_.clear(); }

 private:
  static void Record(QAccessibleEvent* event);

  std::vector<Event> events_;
  bool wasActive_ = false;
  QAccessible::UpdateHandler previous_ = nullptr;
};

}  // namespace test_support
