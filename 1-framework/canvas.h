#pragma once
// A canvas draws its backdrop picture; with a MouseDown handler it serves as a picture button.
// A press that no handler takes goes on to the window.

#include <cstdint>
#include <memory>

#include "1-framework/control.h"
#include "1-framework/delegate.h"

namespace fw {

class Picture;

class Canvas : public RectControl {
 public:
  Canvas();

  void SetBackdrop(std::shared_ptr<Picture> picture);
  std::shared_ptr<Picture> Backdrop() const { return backdrop_; }
  void SetAllowFocus(bool on);

  ControlEvent<bool(Canvas&, std::int64_t, std::int64_t)> MouseDown;

  void SetProperty(const Property& property) override;

 protected:
  bool TakesFocus() const override { return allowFocus_; }

 private:
  std::shared_ptr<Picture> backdrop_;
  bool allowFocus_ = false;
};

}  // namespace fw
