#pragma once
// The calculator window's layout as data: the window's properties and one row per control, in
// the order the controls are created.

#include <span>

#include "1-framework/properties.h"
#include "3-windows/layout/control_row.h"

const fw::PropertyBlock& ControlWndProperties();
std::span<const ControlRow> ControlWndControls();
