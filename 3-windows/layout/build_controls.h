#pragma once
// The one way every window creates its controls: for each row, in order, a new control of the
// row's class registered under its name, a canvas's backdrop, the row's block, then the
// handlers the window's wiring table attaches to that control.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "1-framework/canvas.h"
#include "1-framework/text_field.h"
#include "1-framework/timer.h"
#include "1-framework/window.h"
#include "3-windows/layout/control_row.h"

// A handler of window class W for an event of one of its controls.
template <class W>
struct Wiring {
  std::string_view control;
  std::variant<bool (W::*)(fw::TextField&, const std::string&),
               bool (W::*)(fw::Canvas&, std::int64_t, std::int64_t), void (W::*)(fw::Timer&)>
      handler;
};

// Creates the row's control, sets a canvas's backdrop and applies the row's block.
void BuildControl(fw::Window& window, const ControlRow& row);

namespace layout_detail {

template <class W>
void Attach(W& window, std::string_view name,
            bool (W::*handler)(fw::TextField&, const std::string&)) {
  window.template ControlNamed<fw::TextField>(name)->KeyDown.Attach(
      fw::MakeDelegate(window, handler, "( TextField, String ) as Boolean"));
}
template <class W>
void Attach(W& window, std::string_view name,
            bool (W::*handler)(fw::Canvas&, std::int64_t, std::int64_t)) {
  window.template ControlNamed<fw::Canvas>(name)->MouseDown.Attach(
      fw::MakeDelegate(window, handler, "( Canvas, Integer, Integer ) as Boolean"));
}
template <class W>
void Attach(W& window, std::string_view name, void (W::*handler)(fw::Timer&)) {
  window.template ControlNamed<fw::Timer>(name)->Action.Attach(
      fw::MakeDelegate(window, handler, "( Timer )"));
}

}  // namespace layout_detail

template <class W>
void BuildControls(W& window, std::span<const ControlRow> rows, std::span<const Wiring<W>> wiring) {
  for (const ControlRow& row : rows) {
    BuildControl(window, row);
    for (const Wiring<W>& wire : wiring)
      if (wire.control == row.name)
        std::visit([&](auto handler) { layout_detail::Attach(window, wire.control, handler); },
                   wire.handler);
  }
}
