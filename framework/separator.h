#pragma once

#include "framework/control.h"

namespace fw {

// A horizontal rule.
class Separator : public RectControl {
 public:
  Separator();
};

}  // namespace fw
