// The program's texts as Qt shows them (rt/core/internal.h): the program
// writes UTF-8 and starts a new line with a carriage return, Qt wants a
// QString with line feeds.
#include <QString>

#include "rt/core/internal.h"

namespace rt::core {

QString DisplayText(const std::string& text) {
  QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  s.replace(QChar('\r'), QChar('\n'));
  return s;
}

}  // namespace rt::core
