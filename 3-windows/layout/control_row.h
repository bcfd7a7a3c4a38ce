#pragma once
// A window's controls as data: one row per control, in the order the controls are created.
// A row holds the values that vary from control to control; the values a class shares are
// written once (control_row.cpp), and the order of a block's values is the window's own list.

#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

#include "1-framework/picture.h"
#include "1-framework/properties.h"

enum class ControlClass { TextField, TextArea, Label, Canvas, Separator, Timer };

// The names of a control's block, in the order they are applied.
using BlockOrder = std::span<const std::string_view>;

struct ControlRow {
  const char* name;
  ControlClass controlClass;
  BlockOrder order;
  std::int64_t left = 0, top = 0, width = 0, height = 0, tabIndex = 0;
  bool tabStop = false, enabled = true, visible = true;
  // Further values of this control, over those its class shares.
  fw::PropertyBlock values = {};
  // Canvases: the backdrop, set before the block.
  std::shared_ptr<fw::Picture> (*backdrop)() = nullptr;
  // What a screen reader calls the control, when its class does not say it already.
  const char* accessibleName = "";
};

// The row's block: each name of its order with the row's value, else its class's shared one.
fw::PropertyBlock BlockOf(const ControlRow& row);
