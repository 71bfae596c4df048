// The program's next message box shown for real, as on the desktop: a modal
// QMessageBox that blocks the other windows as Qt blocks them (a key or a
// mouse event aimed at a blocked window is dropped before any widget sees
// it), in place of the test hooks' record. Once it is up, `inside` runs in
// its event loop, then the button captioned `press` is pressed. The hooks
// are back from that moment, so a box that `inside` causes is recorded, not
// shown, and a test that goes wrong ends instead of waiting on a box.
#pragma once

#include <QString>
#include <QTimer>
#include <functional>

class QMessageBox;

namespace test_support {

class RealBox {
 public:
  using Inside = std::function<void(QMessageBox&)>;
  explicit RealBox(Inside inside = {}, QString press = QStringLiteral("OK"));
  ~RealBox();
  RealBox(const RealBox&) = delete;
  RealBox& operator=(const RealBox&) = delete;

  // Whether the box came up, and its text.
  bool Shown() const { return shown_; }
  QString Text() const { return text_; }

 private:
  void Poll();

  Inside inside_;
  QString press_;
  QTimer timer_;
  bool shown_ = false;
  QString text_;
};

}  // namespace test_support
