#pragma once
// A canvas draws its backdrop picture; with a MouseDown handler it serves as a picture button.
// A press that no handler takes goes on to the window. A canvas never takes the focus.

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

  ControlEvent<bool(Canvas&, std::int64_t, std::int64_t)> MouseDown;

  void SetProperty(const Property& property) override;

 private:
  std::shared_ptr<Picture> backdrop_;
};

}  // namespace fw
