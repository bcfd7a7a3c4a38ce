#pragma once
// A window's own values as data: the ones that differ between the program's windows. The rest
// of a window's block is the same for all three and written once (window_row.cpp).

#include <cstdint>

#include "1-framework/properties.h"

struct WindowRow {
  std::int64_t width, height, type;
  const char* title;
  bool hasMaximizeButton, resizeable, composite;
  std::int64_t defaultLocation;
  bool hasBackgroundColor;
};

// The window's block, in the order its values are applied.
fw::PropertyBlock WindowBlock(const WindowRow& row);
