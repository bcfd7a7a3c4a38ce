#include "1-framework/text_field.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "1-framework/dispatch.h"
#include "1-framework/internal.h"

namespace fw {

namespace {

// Keys held with the primary modifier that stay the field's own editing, whatever text they carry.
constexpr QKeySequence::StandardKey kEditingShortcuts[] = {
    QKeySequence::Copy,     QKeySequence::Cut,
    QKeySequence::Paste,    QKeySequence::SelectAll,
    QKeySequence::Deselect, QKeySequence::Undo,
    QKeySequence::Redo,     QKeySequence::DeleteCompleteLine};

// The key the field's KeyDown handler is asked about. A key held with the primary modifier is a
// shortcut unless it carries printable text and is no editing shortcut: the line edit would
// insert that text (Ctrl+Alt+minus types "-"), so it is asked about like any typed key.
std::optional<std::string> FieldKeyOf(const QKeyEvent& event) {
  if (auto key = KeyTextOf(event)) return key;
  if (!(event.modifiers() & Qt::ControlModifier) || event.text().isEmpty() ||
      !event.text().at(0).isPrint())
    return std::nullopt;
  for (auto shortcut : kEditingShortcuts)
    if (event.matches(shortcut)) return std::nullopt;
  return ToStd(event.text());
}

// The line edit that asks the field's KeyDown handler about every typed key first, and about
// every character an input method commits (dead keys, Compose), which bypasses key presses.
class FieldWidget : public QLineEdit, public OwnedWidget {
 public:
  FieldWidget(TextField* owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {}
  void Disown() override { owner_ = nullptr; }

 protected:
  // Tab moves the focus before keyPressEvent would see it, so it is asked about here.
  bool event(QEvent* event) override {
    if (event->type() == QEvent::KeyPress) {
      auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && Swallowed(*key))
        return true;
    }
    return QLineEdit::event(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    if (event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab && Swallowed(*event)) {
      event->accept();
      return;
    }
    QLineEdit::keyPressEvent(event);
  }
  // The commit is rebuilt from the characters the handler lets through; the preedit shows as is.
  void inputMethodEvent(QInputMethodEvent* event) override {
    const QString commit = event->commitString();
    if (commit.isEmpty()) {
      QLineEdit::inputMethodEvent(event);
      return;
    }
    QString kept;
    for (qsizetype i = 0; i < commit.size();) {
      const qsizetype length = commit[i].isHighSurrogate() && i + 1 < commit.size() ? 2 : 1;
      const QString character = commit.mid(i, length);
      if (!Swallowed(ToStd(character))) kept += character;
      i += length;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    if (kept.isEmpty())
      filtered.setCommitString(QString());
    else
      filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->setAccepted(filtered.isAccepted());
  }

 private:
  bool Swallowed(const QKeyEvent& event) {
    auto key = FieldKeyOf(event);
    return key && Swallowed(*key);
  }
  bool Swallowed(const std::string& key) {
    if (InModalSession() || !owner_) return true;
    if (!owner_->KeyDown.IsAttached()) return false;
    bool swallowed = false;
    auto self = std::static_pointer_cast<TextField>(owner_->shared_from_this());
    if (!Dispatch([&] { swallowed = self->KeyDown.Raise(*self, key); })) return true;
    return swallowed;
  }
  TextField* owner_;
};

QLineEdit* Edit(const TextField& field) {
  return static_cast<QLineEdit*>(field.Peer().widget.data());
}

}  // namespace

TextField::TextField() {
  Peer().widget = new FieldWidget(this, Nursery());
  ApplyFocusPolicy();
}

std::string TextField::Text() const {
  return ToStd(Edit(*this)->text());
}

void TextField::SetText(const std::string& text) {
  Edit(*this)->setText(ToQt(text));
}

void TextField::SetTextAlignment(std::int64_t alignment) {
  Edit(*this)->setAlignment(HorizontalAlignment(alignment) | Qt::AlignVCenter);
}

void TextField::SetHasBorder(bool on) {
  Edit(*this)->setFrame(on);
}

void TextField::SetReadOnly(bool on) {
  Edit(*this)->setReadOnly(on);
}

void TextField::SetMaximumCharactersAllowed(std::int64_t count) {
  // The toolkit's own default is its largest limit.
  Edit(*this)->setMaxLength(count > 0 && count < 32767 ? static_cast<int>(count) : 32767);
}

std::int64_t TextField::MaximumCharactersAllowed() const {
  int limit = Edit(*this)->maxLength();
  return limit >= 32767 ? 0 : limit;
}

void TextField::SetProperty(const Property& p) {
  using T = PropertyTable<TextField>;
  static const T table = {{"MaximumCharactersAllowed",
                           T::Calls<std::int64_t>(&TextField::SetMaximumCharactersAllowed)}};
  if (!table.Apply(*this, p) && !Keep<bool>(p, {"Password"}) && !Keep<std::string>(p, {"Hint"}))
    TextEditControl::SetProperty(p);
}

}  // namespace fw
