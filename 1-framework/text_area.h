#pragma once
// A multi-line text area that wraps its lines. Lines of its text are separated by a carriage
// return (13), as everywhere in the framework.

#include <string>

#include "1-framework/text_control.h"

namespace fw {

class TextArea : public TextEditControl {
 public:
  TextArea();

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SetTextAlignment(std::int64_t alignment) override;
  void SetHasBorder(bool on) override;
  void SetReadOnly(bool on) override;
  void SetHasVerticalScrollbar(bool on);
  void SetHasHorizontalScrollbar(bool on);

  void SetProperty(const Property& property) override;
};

}  // namespace fw
