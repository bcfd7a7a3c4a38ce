#pragma once
// The About window: the title picture and a notice. It gives way to the calculator window
// after four seconds, or at once at a key press or a click in it.

#include <cstdint>
#include <memory>
#include <string>

#include "1-framework/canvas.h"
#include "1-framework/label.h"
#include "1-framework/timer.h"
#include "1-framework/window.h"

class AboutWnd : public fw::Window {
 public:
  virtual void Layout();
  virtual void CreateControls();
  virtual void CreateControls0();
  virtual std::shared_ptr<fw::Label> StaticText2();
  virtual std::shared_ptr<fw::Canvas> Canvas1();
  virtual std::shared_ptr<fw::Timer> Timer1();
  virtual void Timer1_Action(fw::Timer& timer);
  virtual bool Event_KeyDown(const std::string& key);
  virtual bool Event_MouseDown(std::int64_t x, std::int64_t y);

  const fw::WindowEventTable& HandledEvents() const override;
};

// The About window's one-line notice.
inline constexpr const char* kAboutNotice =
    "Version 2.0  \xC2\xB7  Click or press any key to begin";
