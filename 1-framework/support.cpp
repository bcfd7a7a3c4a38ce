// Small pieces the framework's parts share: text and alignment conversion, the nursery, key texts.

#include <QKeyEvent>
#include <QWidget>

#include "1-framework/internal.h"

namespace fw {

std::string ToStd(const QString& text) {
  return text.toStdString();
}

QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string ToStdLines(QString text) {
  return ToStd(text.replace(QChar('\n'), QChar('\r')));
}

QString ToQtLines(std::string_view text) {
  return ToQt(text).replace(QChar('\r'), QChar('\n'));
}

Qt::Alignment HorizontalAlignment(std::int64_t alignment) {
  return alignment == 2 ? Qt::AlignHCenter : alignment == 3 ? Qt::AlignRight : Qt::AlignLeft;
}

QWidget* Nursery() {
  static QPointer<QWidget> nursery;
  if (!nursery) nursery = new QWidget();
  return nursery;
}

namespace {

// Keys without a printable character, by the code the program's key handlers see.
struct ControlKey {
  int key;
  char code;
};
constexpr ControlKey kControlKeys[] = {
    {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},   {Qt::Key_Return, 13},
    {Qt::Key_Enter, 13},    {Qt::Key_Escape, 27}, {Qt::Key_Delete, 127},  {Qt::Key_Left, 28},
    {Qt::Key_Right, 29},    {Qt::Key_Up, 30},     {Qt::Key_Down, 31},     {Qt::Key_Home, 1},
    {Qt::Key_End, 4},       {Qt::Key_PageUp, 11}, {Qt::Key_PageDown, 12}, {Qt::Key_Insert, 5},
};

constexpr int kModifierKeys[] = {Qt::Key_Shift,   Qt::Key_Control,    Qt::Key_Alt,
                                 Qt::Key_Meta,    Qt::Key_AltGr,      Qt::Key_CapsLock,
                                 Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Super_L,
                                 Qt::Key_Super_R, Qt::Key_Hyper_L,    Qt::Key_Hyper_R};

}  // namespace

std::optional<std::string> KeyTextOf(const QKeyEvent& event) {
  if (event.modifiers() & Qt::ControlModifier) return std::nullopt;  // a shortcut
  for (int modifier : kModifierKeys)
    if (event.key() == modifier) return std::nullopt;
  for (const auto& control : kControlKeys)
    if (event.key() == control.key) return std::string(1, control.code);
  // Keys with no character (function keys and the like) arrive as an empty text, code 0.
  return ToStd(event.text());
}

}  // namespace fw
