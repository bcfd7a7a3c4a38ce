#pragma once
// A caption. Lines of its text are separated by a carriage return (13).

#include <string>

#include "1-framework/text_control.h"

namespace fw {

class Label : public TextControl {
 public:
  Label();

  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SetTextAlignment(std::int64_t alignment) override;
  void SetMultiline(bool on);

  void SetProperty(const Property& property) override;
};

}  // namespace fw
