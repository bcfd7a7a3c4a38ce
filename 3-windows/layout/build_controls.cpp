#include "3-windows/layout/build_controls.h"

#include <type_traits>

#include "1-framework/label.h"
#include "1-framework/separator.h"
#include "1-framework/text_area.h"

namespace {

// Each step finds the control anew by its name, as the window's accessors do.
template <class T>
void Create(fw::Window& window, const ControlRow& row) {
  window.AddControl(row.name, window.New<T>());
  if constexpr (std::is_same_v<T, fw::Canvas>)
    if (row.backdrop) window.ControlNamed<T>(row.name)->SetBackdrop(row.backdrop());
  window.ControlNamed<T>(row.name)->SetProperties(BlockOf(row));
  if constexpr (std::is_base_of_v<fw::RectControl, T>)
    if (*row.accessibleName)
      window.ControlNamed<T>(row.name)->SetAccessibleName(row.accessibleName);
}

}  // namespace

void BuildControl(fw::Window& window, const ControlRow& row) {
  switch (row.controlClass) {
    case ControlClass::TextField:
      return Create<fw::TextField>(window, row);
    case ControlClass::TextArea:
      return Create<fw::TextArea>(window, row);
    case ControlClass::Label:
      return Create<fw::Label>(window, row);
    case ControlClass::Canvas:
      return Create<fw::Canvas>(window, row);
    case ControlClass::Separator:
      return Create<fw::Separator>(window, row);
    case ControlClass::Timer:
      return Create<fw::Timer>(window, row);
  }
}
