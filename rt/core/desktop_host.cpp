// The runtime's own modal host: message boxes and the message dialog on the
// screen, the desktop's beep, outside addresses handed to the system, and a
// modal window's own event loop.
#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QUrl>
#include <algorithm>

#include "rt/core/internal.h"
#include "rt/core/modal_host.h"
#include "rt/core/window_parts.h"
#include "rt/dialogs.h"
#include "rt/runtime.h"

namespace rt::core {
namespace {

// Every label of the box shows plain text (the informative text too).
void MakePlain(QMessageBox& box) {
  box.setTextFormat(Qt::PlainText);
  for (QLabel* label : box.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

// A box never grows past the screen it is on: text that would make it
// taller is cut, and a last line "…" shows where. The count of lines is
// reckoned on the narrowest width the box wraps its text at, so the real
// box holds no more lines than this.
class TextBudget {
 public:
  TextBudget(const QWidget& box, const QScreen* screen)
      : metrics_(box.font()),
        available_(screen ? screen->availableGeometry() : QRect(0, 0, 640, 480)) {
    // Room for the title bar, the margins, the icon and a row of buttons.
    constexpr int kChromeHeight = 200, kChromeWidth = 120;
    lines_ = std::max(4, (available_.height() - kChromeHeight) / metrics_.lineSpacing());
    wrapWidth_ = std::max(120, std::min(available_.width() / 2, 500) - kChromeWidth);
  }
  int Lines() const { return lines_; }

  // The text cut to at most `maxLines` lines on the screen (the mark
  // included); `used` receives how many lines the result takes.
  QString Fit(const QString& text, int maxLines, int* used) const {
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList kept;
    int taken = 0;
    for (const QString& line : lines) {
      const int need = LinesOf(line);
      if (taken + need <= maxLines && (taken + need < maxLines || &line == &lines.back())) {
        kept << line;
        taken += need;
        continue;
      }
      // Room for the part that fits, and the mark on a line of its own.
      const int room = maxLines - 1 - taken;
      if (room > 0) {
        kept << Prefix(line, room);
        taken += room;
      }
      kept << QStringLiteral("\u2026");
      ++taken;
      break;
    }
    if (used) *used = taken;
    return BreakLongWords(kept.join(QLatin1Char('\n')));
  }

 private:
  // Lines that a text line wraps into, with a fifth more for the room that
  // wrapping at word ends leaves unused.
  int LinesOf(const QString& line) const {
    const qint64 width = metrics_.horizontalAdvance(line) * 6 / 5;
    return std::max<int>(1, static_cast<int>((width + wrapWidth_ - 1) / wrapWidth_));
  }
  // A word wider than the wrapping width would widen the box past the
  // screen: an invisible break opportunity (zero-width space) is put in it
  // wherever it reaches that width.
  QString BreakLongWords(const QString& text) const {
    QString out;
    out.reserve(text.size());
    int run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
      const QChar c = text[i];
      if (c.isSpace()) {
        run = 0;
      } else {
        run += metrics_.horizontalAdvance(c);
        if (run > wrapWidth_ && !c.isLowSurrogate()) {
          out += QChar(0x200B);
          run = metrics_.horizontalAdvance(c);
        }
      }
      out += c;
    }
    return out;
  }
  // The longest start of `line` that takes at most `lines` lines.
  QString Prefix(const QString& line, int lines) const {
    qsizetype low = 0, high = line.size();
    while (low < high) {
      const qsizetype mid = (low + high + 1) / 2;
      if (LinesOf(line.left(mid)) <= lines) {
        low = mid;
      } else {
        high = mid - 1;
      }
    }
    if (low > 0 && line[low - 1].isHighSurrogate()) --low;  // never half a character
    return line.left(low);
  }

  QFontMetrics metrics_;
  QRect available_;
  int lines_ = 0;
  int wrapWidth_ = 0;
};

QMessageBox::Icon IconOf(int32_t icon) {
  switch (icon) {
    case MessageDialog::kIconNote:
      return QMessageBox::Information;
    case MessageDialog::kIconCaution:
      return QMessageBox::Warning;
    case MessageDialog::kIconStop:
      return QMessageBox::Critical;
    case MessageDialog::kIconQuestion:
      return QMessageBox::Question;
    default:
      return QMessageBox::NoIcon;
  }
}

// A box that belongs to the window it is shown over (the window system
// keeps it above that window), and hands the keyboard back to it when it
// closes. The owner may close while the box is up, taking the box with it.
class OwnedBox {
 public:
  OwnedBox(QMessageBox::Icon icon, const QString& title, QMessageBox::StandardButtons buttons)
      : owner_(ModalOwner()),
        box_(new QMessageBox(icon, title, QString(), buttons, owner_.data())) {}
  ~OwnedBox() { delete box_.data(); }
  OwnedBox(const OwnedBox&) = delete;
  OwnedBox& operator=(const OwnedBox&) = delete;

  QMessageBox* operator->() const { return box_.data(); }
  QMessageBox& operator*() const { return *box_; }

  // Shows the box until it is dismissed; the button pressed, or null.
  QAbstractButton* Exec() {
    box_->exec();
    QAbstractButton* clicked = box_ ? box_->clickedButton() : nullptr;
    if (box_) box_->hide();
    ReturnFocusTo(owner_.data());
    return clicked;
  }

 private:
  QPointer<QWidget> owner_;
  QPointer<QMessageBox> box_;
};

class DesktopHost final : public ModalHost {
 public:
  void WaitModal(Window& window) override { WindowAccess::RunModalLoops(window); }

  void MsgBox(const std::string& text) override {
    if (QuitRequested()) return;  // no loop would ever end the box
    OwnedBox box(QMessageBox::NoIcon, QApplication::applicationName(), QMessageBox::Ok);
    const TextBudget budget(*box, box->screen());
    box->setText(budget.Fit(DisplayText(text), budget.Lines(), nullptr));
    MakePlain(*box);
    box.Exec();
  }

  Ref<MessageDialogButton> AnswerDialog(MessageDialog& dialog) override {
    if (QuitRequested()) return dialog.CancelButton();
    OwnedBox box(IconOf(dialog.Icon()), DisplayText(dialog.Title()), QMessageBox::NoButton);
    // The message and the explanation share the room: the message takes at
    // most half, the explanation the rest.
    const TextBudget budget(*box, box->screen());
    int used = 0;
    const std::string& explanation = dialog.Explanation();
    const int messageLines = explanation.empty() ? budget.Lines() : budget.Lines() / 2;
    box->setText(budget.Fit(DisplayText(dialog.Message()), messageLines, &used));
    if (!explanation.empty())
      box->setInformativeText(budget.Fit(DisplayText(explanation), budget.Lines() - used, nullptr));
    std::vector<std::pair<QAbstractButton*, Ref<MessageDialogButton>>> buttons;
    auto add = [&](const Ref<MessageDialogButton>& b, QMessageBox::ButtonRole role,
                   bool evenHidden = false) {
      if (!b->Visible() && !evenHidden) return;
      QPushButton* pb = box->addButton(DisplayText(b->Caption()), role);
      if (b->Default()) box->setDefaultButton(pb);
      if (b->Cancel()) box->setEscapeButton(pb);
      buttons.emplace_back(pb, b);
    };
    add(dialog.ActionButton(), QMessageBox::AcceptRole);
    add(dialog.AlternateActionButton(), QMessageBox::ActionRole);
    add(dialog.CancelButton(), QMessageBox::RejectRole);
    if (buttons.empty())
      add(dialog.ActionButton(), QMessageBox::AcceptRole, true);  // never a box without a way out
    MakePlain(*box);
    QAbstractButton* clicked = box.Exec();
    for (const auto& [qb, b] : buttons)
      if (clicked == qb) return b;
    return dialog.CancelButton();
  }

  void Beep() override { QApplication::beep(); }

  void ShowURL(const std::string& address) override {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
  }
};

ModalHost* g_installed = nullptr;

}  // namespace

ModalHost& DesktopModalHost() {
  static auto* host = new DesktopHost;  // never destroyed: no widget work at exit
  return *host;
}

ModalHost& CurrentModalHost() {
  return g_installed ? *g_installed : DesktopModalHost();
}

void InstallModalHost(ModalHost* host) {
  g_installed = host;
}

}  // namespace rt::core
