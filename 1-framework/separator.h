#pragma once

#include "1-framework/control.h"

namespace fw {

// A horizontal rule.
class Separator : public RectControl {
 public:
  Separator();
};

}  // namespace fw
