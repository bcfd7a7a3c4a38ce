#include "1-framework/menu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "1-framework/dispatch.h"
#include "1-framework/internal.h"
#include "1-framework/runtime.h"
#include "1-framework/window.h"

namespace fw {

namespace {

// The standard Edit items, by name, acting on the focused line edit or text area.
struct EditCommand {
  std::string_view itemName;
  void (*onLine)(QLineEdit*);
  void (*onArea)(QPlainTextEdit*);
  bool (*canOnLine)(const QLineEdit*);
  bool (*canOnArea)(const QPlainTextEdit*);
};

bool ClipboardHasText() {
  return !QApplication::clipboard()->text().isEmpty();
}

const EditCommand kEditCommands[] = {
    {"EditUndo", [](QLineEdit* e) { e->undo(); }, [](QPlainTextEdit* e) { e->undo(); },
     [](const QLineEdit* e) { return e->isUndoAvailable() && !e->isReadOnly(); },
     [](const QPlainTextEdit* e) { return e->document()->isUndoAvailable() && !e->isReadOnly(); }},
    {"EditCut", [](QLineEdit* e) { e->cut(); }, [](QPlainTextEdit* e) { e->cut(); },
     [](const QLineEdit* e) { return e->hasSelectedText() && !e->isReadOnly(); },
     [](const QPlainTextEdit* e) { return e->textCursor().hasSelection() && !e->isReadOnly(); }},
    {"EditCopy", [](QLineEdit* e) { e->copy(); }, [](QPlainTextEdit* e) { e->copy(); },
     [](const QLineEdit* e) { return e->hasSelectedText(); },
     [](const QPlainTextEdit* e) { return e->textCursor().hasSelection(); }},
    {"EditPaste", [](QLineEdit* e) { e->paste(); }, [](QPlainTextEdit* e) { e->paste(); },
     [](const QLineEdit* e) { return !e->isReadOnly() && ClipboardHasText(); },
     [](const QPlainTextEdit* e) { return !e->isReadOnly() && ClipboardHasText(); }},
    {"EditClear", [](QLineEdit* e) { e->del(); },
     [](QPlainTextEdit* e) { e->textCursor().removeSelectedText(); },
     [](const QLineEdit* e) { return e->hasSelectedText() && !e->isReadOnly(); },
     [](const QPlainTextEdit* e) { return e->textCursor().hasSelection() && !e->isReadOnly(); }},
    {"EditSelectAll", [](QLineEdit* e) { e->selectAll(); },
     [](QPlainTextEdit* e) { e->selectAll(); },
     [](const QLineEdit* e) { return !e->text().isEmpty(); },
     [](const QPlainTextEdit* e) { return !e->document()->isEmpty(); }},
};

const EditCommand* EditCommandNamed(std::string_view name) {
  for (const auto& command : kEditCommands)
    if (command.itemName == name) return &command;
  return nullptr;
}

QKeySequence SequenceOf(const std::string& shortcut) {
  QString portable = ToQt(shortcut);
  portable.replace("Cmd+", "Ctrl+");  // the primary modifier; Qt maps Ctrl to Command on macOS
  return QKeySequence::fromString(portable, QKeySequence::PortableText);
}

}  // namespace

MenuItem::MenuItem() : action_(std::make_unique<Action>()) {
  // Parented to the application, so the toolkit's shortcut map outlives every action.
  action_->action = new QAction(QCoreApplication::instance());
  action_->action->setShortcutContext(Qt::ApplicationShortcut);
  QObject::connect(action_->action, &QAction::triggered, [this] {
    auto self = std::static_pointer_cast<MenuItem>(shared_from_this());
    Dispatch([&] { self->Choose(); });
  });
}

MenuItem::~MenuItem() {
  if (QAction* action = action_->action) {
    action->disconnect();
    action->setVisible(false);
    // Deferred, so an item released when the process ends leaves the toolkit alone.
    action->deleteLater();
  }
}

void MenuItem::SetValue(std::string caption) {
  caption_ = std::move(caption);
  // A separator keeps no text: the style would draw it at the left end of the rule.
  action_->action->setText(IsSeparator() ? QString() : ToQt(caption_));
  action_->action->setSeparator(IsSeparator());
}

void MenuItem::SetShortcut(std::string shortcut) {
  shortcut_ = std::move(shortcut);
  shortcutSet_ = true;
  action_->action->setShortcut(SequenceOf(shortcut_));
}

void MenuItem::SetVisible(bool on) {
  visible_ = on;
  action_->action->setVisible(on);
}

void MenuItem::AddMenu(std::shared_ptr<MenuItem> entry) {
  if (!entry) throw NilObjectException("nil cannot be added to the menu " + name_);
  children_.push_back(std::move(entry));
}

std::shared_ptr<MenuItem> MenuItem::Child(std::string_view name) const {
  for (const auto& child : children_)
    if (child->Name() == name) return child;
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(std::string_view name) const {
  for (const auto& child : children_) {
    if (child->Name() == name) return child;
    if (auto found = child->Lookup(name)) return found;
  }
  return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Item(std::size_t index) const {
  return index < children_.size() ? children_[index] : nullptr;
}

MenuItem::Action& MenuItem::ToolkitAction() const {
  return *action_;
}

bool MenuItem::CanAct() const {
  Window* window = FrameworkWindowOf(QApplication::activeWindow());
  if (window && window->HasMenuHandler(name_)) return true;
  const EditCommand* command = EditCommandNamed(name_);
  if (!command) return true;
  QWidget* focused = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focused)) return command->canOnLine(line);
  if (auto* area = qobject_cast<QPlainTextEdit*>(focused)) return command->canOnArea(area);
  return false;
}

void MenuItem::Choose() {
  Window* window = FrameworkWindowOf(QApplication::activeWindow());
  if (window && window->HandleMenuItem(name_)) return;
  DefaultAction();
}

void MenuItem::DefaultAction() {
  const EditCommand* command = EditCommandNamed(name_);
  if (!command) return;
  QWidget* focused = QApplication::focusWidget();
  if (auto* line = qobject_cast<QLineEdit*>(focused)) {
    if (command->canOnLine(line)) command->onLine(line);
  } else if (auto* area = qobject_cast<QPlainTextEdit*>(focused)) {
    if (command->canOnArea(area)) command->onArea(area);
  }
}

void QuitMenuItem::DefaultAction() {
  Quit(0);
}

namespace {

void AddEntries(QMenu* menu, const MenuItem& parent) {
  for (std::size_t i = 0; i < parent.Count(); ++i) {
    auto entry = parent.Item(i);
    if (entry->Count() > 0) {
      AddEntries(menu->addMenu(ToQt(entry->Value())), *entry);
    } else {
      menu->addAction(entry->ToolkitAction().action);
    }
  }
  // Automatically enabled items are enabled when they can act, as the menu opens; afterwards
  // they are enabled again for their shortcuts, which check for themselves.
  std::weak_ptr<const Object> weak = parent.shared_from_this();
  auto enable = [weak](bool asTheMenuOpens) {
    auto owner = std::static_pointer_cast<const MenuItem>(weak.lock());
    for (std::size_t i = 0; owner && i < owner->Count(); ++i) {
      auto entry = owner->Item(i);
      if (entry->AutoEnabled() && !entry->IsSeparator())
        entry->ToolkitAction().action->setEnabled(!asTheMenuOpens || entry->CanAct());
    }
  };
  QObject::connect(menu, &QMenu::aboutToShow, menu, [enable] { enable(true); });
  QObject::connect(menu, &QMenu::aboutToHide, menu, [enable] { enable(false); });
}

}  // namespace

void AddShortcuts(QWidget* widget, const MenuItem& menu) {
  for (std::size_t i = 0; i < menu.Count(); ++i) {
    auto entry = menu.Item(i);
    if (entry->Count() > 0)
      AddShortcuts(widget, *entry);
    else if (entry->HasShortcut())
      widget->addAction(entry->ToolkitAction().action);
  }
}

QMenuBar* BuildMenuBar(const MenuBar& bar) {
  auto* built = new QMenuBar();
  for (std::size_t i = 0; i < bar.Count(); ++i) {
    auto menu = bar.Item(i);
    if (!menu->Visible()) continue;
    AddEntries(built->addMenu(ToQt(menu->Value())), *menu);
  }
  return built;
}

}  // namespace fw
