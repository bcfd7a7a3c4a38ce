#pragma once
// A one-line text field. Its KeyDown handler sees each typed key first; returning true keeps
// the key out of the field.

#include <string>

#include "1-framework/delegate.h"
#include "1-framework/text_control.h"

namespace fw {

class TextField : public TextEditControl {
 public:
  TextField();

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SetTextAlignment(std::int64_t alignment) override;
  void SetHasBorder(bool on) override;
  void SetReadOnly(bool on) override;
  // 0 means no limit.
  void SetMaximumCharactersAllowed(std::int64_t count);
  std::int64_t MaximumCharactersAllowed() const;

  ControlEvent<bool(TextField&, const std::string&)> KeyDown;

  void SetProperty(const Property& property) override;
};

}  // namespace fw
