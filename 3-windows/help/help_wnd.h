#pragma once
// The help window: one scrolling text area with the explanation of restriction of range.

#include <memory>

#include "1-framework/text_area.h"
#include "1-framework/window.h"

class helpWnd : public fw::Window {
 public:
  virtual void Layout();
  virtual void CreateControls();
  virtual void CreateControls0();
  virtual std::shared_ptr<fw::TextArea> EditField1();

  const fw::WindowEventTable& HandledEvents() const override;
};
