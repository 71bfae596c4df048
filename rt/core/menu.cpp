// Menus: one QAction per item, shared by every window that shows the bar.
#include "rt/menu.h"

#include <QAccessible>
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>
#include <functional>

#include "rt/application.h"
#include "rt/core/internal.h"
#include "rt/runtime.h"

namespace rt {

struct MenuItem::Impl {
  QPointer<QAction> action;              // owned
  QPointer<QMenu> menu;                  // owned; made when the item gets its first child
  std::vector<QPointer<QMenuBar>> bars;  // windows showing this item as their bar
};

namespace {

QKeySequence ShortcutOf(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace(QStringLiteral("Cmd+"), QStringLiteral("Ctrl+"), Qt::CaseInsensitive);
  return QKeySequence::fromString(s, QKeySequence::PortableText);
}

// The item's command: the application's handler bound to its name, or for a
// QuitMenuItem with none, Quit; empty when nothing acts on the item.
std::function<void()> CommandOf(const MenuItem& item) {
  if (Ref<Application> app = GetAppObject()) {
    if (std::function<bool()> handler = app->MenuHandler(item.Name()))
      return [handler] { handler(); };
  }
  if (dynamic_cast<const QuitMenuItem*>(&item)) return [] { Quit(); };
  return {};
}

// Runs the item's command; false when it has none, is disabled, or a modal
// window blocks the windows that show the bar.
bool RunCommand(const MenuItem& item) {
  if (!item.Enabled() || core::ModalShowing()) return false;
  std::function<void()> command = CommandOf(item);
  if (!command) return false;
  command();
  return true;
}

}  // namespace

struct MenuAccess {
  static void AddBar(MenuItem& root, QMenuBar* bar) {
    auto& bars = root.impl_->bars;
    bars.erase(std::remove_if(bars.begin(), bars.end(), [](const auto& b) { return !b; }),
               bars.end());
    bars.emplace_back(bar);
  }
};

namespace core {

namespace {
bool g_enabling = false;  // EnableMenuItems is itself an event
bool g_current = false;   // no event has run since EnableMenuItems last did
}  // namespace

void RunEnableMenuItems() {
  Ref<Application> app = GetAppObject();
  if (!app || g_enabling) return;
  g_enabling = true;
  Dispatch([app] { app->EnableMenuItems(); });
  g_enabling = false;
  g_current = true;
  ShowMenuStates(app->MenuBar());
}

void EnsureMenuStatesCurrent() {
  if (!g_current) RunEnableMenuItems();
}

void KeepMenuStatesCurrent() {
  if (g_enabling) return;
  g_current = false;  // the handler may have changed what the enabling reads
  if (QAccessible::isActive()) RunEnableMenuItems();
}

void ShowMenuStates(const Ref<MenuItem>& root) {
  if (root) root->ShowState();
}

void FillMenuBar(const Ref<MenuItem>& root, QMenuBar* bar) {
  for (int i = 0; i < root->Count(); ++i) bar->addAction(root->Item(i)->action());
  MenuAccess::AddBar(*root, bar);
  root->ShowState();
}

}  // namespace core

MenuItem::MenuItem() : impl_(std::make_unique<Impl>()) {}

MenuItem::~MenuItem() {
  delete impl_->menu.data();
  delete impl_->action.data();
}

QAction* MenuItem::action() const {
  Impl& I = *impl_;
  if (I.action) return I.action;
  auto* action = new QAction();
  I.action = action;
  ShowText(action, text_);
  action->setShortcut(ShortcutOf(shortcut_));
  action->setEnabled(Shown());
  action->setCheckable(checked_);
  action->setChecked(checked_);
  std::weak_ptr<MenuItem> weak;
  if (auto shared = weak_from_this().lock())
    weak = std::const_pointer_cast<MenuItem>(std::static_pointer_cast<const MenuItem>(shared));
  QObject::connect(action, &QAction::triggered, action, [weak] {
    std::shared_ptr<MenuItem> item = weak.lock();
    if (!item) return;
    // The check mark is the program's to set, not Qt's to toggle.
    if (QAction* a = item->impl_->action) a->setChecked(item->checked_);
    // The enabling of this moment, whatever chose the item (the menu, its
    // shortcut, assistive technology), not what it was when a menu last
    // opened.
    core::EnsureMenuStatesCurrent();
    Ref<MenuItem> ref(item);
    Dispatch([ref] { RunCommand(*ref); });
  });
  if (!children_.empty()) {
    MakeMenu();
    for (const Ref<MenuItem>& child : children_) I.menu->addAction(child->action());
  }
  return action;
}

void MenuItem::MakeMenu() const {
  Impl& I = *impl_;
  auto* menu = new QMenu();
  I.menu = menu;
  menu->setTitle(I.action->text());
  std::weak_ptr<const Object> weak = weak_from_this();
  QObject::connect(menu, &QMenu::aboutToShow, menu, [weak] {
    core::RunEnableMenuItems();
    // Also for a bar that is not the application's.
    if (auto self = std::static_pointer_cast<const MenuItem>(weak.lock()))
      for (const Ref<MenuItem>& child : self->children_) child->ShowState();
  });
  I.action->setMenu(menu);
}

bool MenuItem::HasCommand() const {
  if (!children_.empty() || IsSeparator()) return true;  // a menu opens; a separator is a line
  return static_cast<bool>(CommandOf(*this));
}

bool MenuItem::Shown() const {
  // An auto-enabled item that nothing acts on (no handler reaches it and the
  // program never enabled it itself) shows disabled, as desktop programs
  // show an Edit menu with nothing to edit.
  return enabled_ && (!autoEnable_ || enabledByProgram_ || HasCommand());
}

void MenuItem::ShowState() const {
  if (QAction* a = impl_->action) a->setEnabled(Shown());
  for (const Ref<MenuItem>& child : children_) child->ShowState();
}

void MenuItem::ShowText(QAction* action, const std::string& text) {
  // A separator is a line: no text to draw beside it or to read out.
  const bool separator = text == "-";
  action->setText(separator ? QString() : QString::fromStdString(text));
  action->setSeparator(separator);
}

void MenuItem::SetName(const std::string& name) {
  name_ = name;
}

void MenuItem::SetText(const std::string& text) {
  text_ = text;
  if (QAction* a = impl_->action) {
    ShowText(a, text);
    a->setEnabled(Shown());
  }
  if (QMenu* m = impl_->menu) m->setTitle(QString::fromStdString(text));
}

void MenuItem::SetKeyboardShortcut(const std::string& shortcut) {
  shortcut_ = shortcut;
  if (QAction* a = impl_->action) a->setShortcut(ShortcutOf(shortcut));
}

void MenuItem::SetChecked(bool c) {
  checked_ = c;
  if (QAction* a = impl_->action) {
    if (c) a->setCheckable(true);
    a->setChecked(c);
    if (!c) a->setCheckable(false);  // no empty box beside an unchecked item
  }
}

void MenuItem::SetEnabled(bool e) {
  enabled_ = e;
  enabledByProgram_ = e;
  if (QAction* a = impl_->action) a->setEnabled(Shown());
}

void MenuItem::SetAutoEnable(bool a) {
  autoEnable_ = a;
  if (QAction* action = impl_->action) action->setEnabled(Shown());
}

void MenuItem::Append(const Ref<MenuItem>& child) {
  if (!child) throw NilObjectException("Append: nil menu item");
  children_.push_back(child);
  Impl& I = *impl_;
  if (I.action) {
    if (!I.menu) MakeMenu();
    I.menu->addAction(child->action());
    I.action->setEnabled(Shown());
  }
  for (const QPointer<QMenuBar>& bar : I.bars)
    if (bar) bar->addAction(child->action());
}

Ref<MenuItem> MenuItem::Child(const std::string& name) const {
  for (const Ref<MenuItem>& c : children_)
    if (c->Name() == name) return c;
  return nullptr;
}

Ref<MenuItem> MenuItem::Lookup(const std::string& name) const {
  for (const Ref<MenuItem>& c : children_) {
    if (c->Name() == name) return c;
    if (Ref<MenuItem> below = c->Lookup(name)) return below;
  }
  return nullptr;
}

Ref<MenuItem> MenuItem::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[static_cast<size_t>(index)];
}

bool MenuItem::Choose() {
  Ref<MenuItem> self = SelfRef(this);
  core::RunEnableMenuItems();
  bool ran = false;
  Dispatch([self, &ran] { ran = RunCommand(*self); });
  return ran;
}

}  // namespace rt
