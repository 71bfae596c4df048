// Modal messages, the message dialog, the beep and outside addresses.
#include "rt/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include "rt/core_internal.h"
#include "rt/testing.h"

namespace rt {
namespace {

// Carriage return is the program's line break.
QString PlainText(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

}  // namespace

void MsgBox(const std::string& text) {
  if (testing::TestHooksActive()) {
    testing::Recorded().msgBoxes.push_back(text);
    if (auto answer = core::CurrentHooks().msgBox) answer(text);
    return;
  }
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), PlainText(text),
                  QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace rt
