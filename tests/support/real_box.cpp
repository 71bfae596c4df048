#include "tests/support/real_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "rt/testing/driver.h"

namespace test_support {
RealBox::RealBox(Inside inside, QString press) : inside_(std::move(inside)), press_(press) {
  rt::testing::UseTestHooks(false);
  // Looks at every turn of the event loop, the box's own included, until the
  // box is up: no guess at how long it takes to come.
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start();
}

RealBox::~RealBox() {
  timer_.stop();
  rt::testing::UseTestHooks(true);
}

void RealBox::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || !box->isVisible()) return;
  timer_.stop();
  rt::testing::UseTestHooks(true);
  shown_ = true;
  text_ = box->text();
  QPointer<QMessageBox> alive(box);
  if (inside_) inside_(*box);
  if (!alive) return;
  for (QAbstractButton* button : alive->buttons()) {
    if (button->text() == press_) {
      button->click();
      return;
    }
  }
  alive->reject();  // no such button: close it all the same
}

}  // namespace test_support
