#pragma once
// What labels, text fields and text areas share: their text, its colour, font and alignment.

#include <cstdint>
#include <string>

#include "1-framework/control.h"

namespace fw {

class TextControl : public RectControl {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  void SetTextColor(Color color);
  // 0 the default (left), 1 left, 2 centre, 3 right.
  virtual void SetTextAlignment(std::int64_t alignment) = 0;
  // "System" is the desktop's own font; sizes are logical pixels.
  void SetFontName(const std::string& name);
  void SetFontSize(double size);

  void SetProperty(const Property& property) override;
};

// Text fields and text areas: editable text on a background.
class TextEditControl : public TextControl {
 public:
  void SetBackgroundColor(Color color);
  virtual void SetHasBorder(bool on) = 0;
  virtual void SetReadOnly(bool on) = 0;

  void SetProperty(const Property& property) override;

 protected:
  bool TakesFocus() const override { return true; }
};

}  // namespace fw
