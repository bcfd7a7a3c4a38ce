#include "1-framework/text_control.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>
#include <cmath>

#include "1-framework/internal.h"

namespace fw {

void TextControl::SetTextColor(Color color) {
  QWidget* widget = Peer().widget;
  QPalette palette = widget->palette();
  // The same colour when disabled: a disabled caption keeps its colour.
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    palette.setColor(group, QPalette::WindowText, QColor(color.red, color.green, color.blue));
    palette.setColor(group, QPalette::Text, QColor(color.red, color.green, color.blue));
  }
  widget->setPalette(palette);
}

namespace {

// The layouts are drawn in logical pixels for a compact system font; a family with Helvetica's
// widths keeps their captions unclipped. Without one, the desktop's own font.
QString SystemFontFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* candidate : {"Liberation Sans", "Nimbus Sans", "Arimo", "Helvetica", "Arial"})
      if (installed.contains(candidate)) return QString(candidate);
    return QApplication::font().family();
  }();
  return family;
}

}  // namespace

void TextControl::SetFontName(const std::string& name) {
  QFont font = Peer().widget->font();
  font.setFamily(name == "System" ? SystemFontFamily() : ToQt(name));
  Peer().widget->setFont(font);
}

void TextControl::SetFontSize(double size) {
  QFont font = Peer().widget->font();
  if (size > 0) font.setPixelSize(static_cast<int>(std::lround(size)));
  Peer().widget->setFont(font);
}

void TextControl::SetProperty(const Property& p) {
  using T = PropertyTable<TextControl>;
  static const T table = {
      {"Value", T::Calls<std::string>(&TextControl::SetText)},
      {"TextColor", T::Calls<Color>(&TextControl::SetTextColor)},
      {"TextAlignment", T::Calls<std::int64_t>(&TextControl::SetTextAlignment)},
      {"FontName", T::Calls<std::string>(&TextControl::SetFontName)},
      {"FontSize", T::Calls<double>(&TextControl::SetFontSize)},
  };
  if (table.Apply(*this, p) || Keep<std::int64_t>(p, {"FontUnit"}) ||
      Keep<bool>(p, {"Bold", "Italic", "Underline"}))
    return;
  RectControl::SetProperty(p);
}

void TextEditControl::SetBackgroundColor(Color color) {
  QWidget* widget = Peer().widget;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Base, QColor(color.red, color.green, color.blue));
  widget->setPalette(palette);
}

void TextEditControl::SetProperty(const Property& p) {
  using T = PropertyTable<TextEditControl>;
  static const T table = {
      {"BackgroundColor", T::Calls<Color>(&TextEditControl::SetBackgroundColor)},
      {"HasBorder", T::Calls<bool>(&TextEditControl::SetHasBorder)},
      {"ReadOnly", T::Calls<bool>(&TextEditControl::SetReadOnly)},
  };
  if (table.Apply(*this, p) || Keep<std::string>(p, {"Format", "ValidationMask"}) ||
      Keep<bool>(p, {"AllowSpellChecking"}))
    return;
  TextControl::SetProperty(p);
}

}  // namespace fw
