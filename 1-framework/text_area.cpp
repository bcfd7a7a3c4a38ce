#include "1-framework/text_area.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextOption>

#include "1-framework/internal.h"

namespace fw {

namespace {

QPlainTextEdit* Edit(const TextArea& area) {
  return static_cast<QPlainTextEdit*>(area.Peer().widget.data());
}

}  // namespace

TextArea::TextArea() {
  auto* edit = new QPlainTextEdit(Nursery());
  edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  edit->setTabChangesFocus(true);
  Peer().widget = edit;
  ApplyFocusPolicy();
}

std::string TextArea::Text() const {
  return ToStdLines(Edit(*this)->toPlainText());
}

void TextArea::SetText(const std::string& text) {
  Edit(*this)->setPlainText(ToQtLines(text));
}

void TextArea::SetTextAlignment(std::int64_t alignment) {
  QTextOption option = Edit(*this)->document()->defaultTextOption();
  option.setAlignment(HorizontalAlignment(alignment));
  Edit(*this)->document()->setDefaultTextOption(option);
}

void TextArea::SetHasBorder(bool on) {
  Edit(*this)->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
}

void TextArea::SetReadOnly(bool on) {
  Edit(*this)->setReadOnly(on);
}

void TextArea::SetHasVerticalScrollbar(bool on) {
  Edit(*this)->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetHasHorizontalScrollbar(bool on) {
  Edit(*this)->setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TextArea::SetProperty(const Property& p) {
  using T = PropertyTable<TextArea>;
  static const T table = {
      {"HasVerticalScrollbar", T::Calls<bool>(&TextArea::SetHasVerticalScrollbar)},
      {"HasHorizontalScrollbar", T::Calls<bool>(&TextArea::SetHasHorizontalScrollbar)},
  };
  if (table.Apply(*this, p) || Keep<bool>(p, {"Multiline", "HideSelection", "AllowStyledText"}) ||
      Keep<double>(p, {"LineHeight", "LineSpacing"}) ||
      // The help text is the only text area's content and has no limit.
      Keep<std::int64_t>(p, {"MaximumCharactersAllowed"}))
    return;
  TextEditControl::SetProperty(p);
}

}  // namespace fw
