#pragma once
// The calculator window's layout as data: the window's properties and one row per control, in
// the order the controls are created.

#include <cstdint>
#include <memory>
#include <span>

#include "1-framework/picture.h"
#include "1-framework/properties.h"

enum class ControlClass { TextField, Label, Canvas, Separator };

struct ControlRow {
  const char* name;
  ControlClass controlClass;
  std::int64_t left, top, width, height, tabIndex;
  bool tabStop, enabled, visible;
  // Text fields.
  bool readOnly = false;
  std::int64_t maximumCharacters = 0;
  // Labels: lines separated by a carriage return.
  const char* caption = "";
  bool multiline = true;
  double fontSize = 12.0;
  const char* initialParent = "";
  // Canvases: the backdrop, set before the block.
  std::shared_ptr<fw::Picture> (*backdrop)() = nullptr;
  bool allowFocusRing = true;
};

const fw::PropertyBlock& ControlWndProperties();
std::span<const ControlRow> ControlWndControls();
// The row's property block, in the order its class applies its values.
fw::PropertyBlock PropertiesOf(const ControlRow& row);
