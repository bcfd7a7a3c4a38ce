#include "1-framework/label.h"

#include <QLabel>
#include <QMouseEvent>

#include "1-framework/internal.h"

namespace fw {

namespace {

// A press on a caption belongs to its window: a canvas the caption lies on never gets it.
class CaptionWidget : public QLabel {
 public:
  using QLabel::QLabel;

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    QLabel::mousePressEvent(event);  // a selectable caption starts its selection
    if (event->isAccepted()) return;
    event->accept();
    RaiseWindowMouseDown(this, *event);
  }
};

QLabel* Caption(const Label& label) {
  return static_cast<QLabel*>(label.Peer().widget.data());
}

}  // namespace

Label::Label() {
  auto* caption = new CaptionWidget(Nursery());
  caption->setTextFormat(Qt::PlainText);
  Peer().widget = caption;
  ApplyFocusPolicy();
}

std::string Label::Text() const {
  return ToStdLines(Caption(*this)->text());
}

void Label::SetText(const std::string& text) {
  const QString shown = ToQtLines(text);
  Caption(*this)->setText(shown);
  // A screen reader reads the caption as one line.
  Caption(*this)->setAccessibleName(QString(shown).replace(QChar('\n'), QChar(' ')));
}

void Label::SetTextAlignment(std::int64_t alignment) {
  Caption(*this)->setAlignment(HorizontalAlignment(alignment) | Qt::AlignTop);
}

void Label::SetMultiline(bool on) {
  Caption(*this)->setWordWrap(on);
}

void Label::SetProperty(const Property& p) {
  using T = PropertyTable<Label>;
  static const T table = {{"Multiline", T::Calls<bool>(&Label::SetMultiline)}};
  if (!table.Apply(*this, p) && !Keep<bool>(p, {"Selectable"})) TextControl::SetProperty(p);
}

}  // namespace fw
