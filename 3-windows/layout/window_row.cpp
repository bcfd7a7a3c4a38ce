#include "3-windows/layout/window_row.h"

fw::PropertyBlock WindowBlock(const WindowRow& w) {
  constexpr fw::Color kWhite = fw::Color::FromRGB(0xFFFFFF);
  // clang-format off
  return {{"Width", w.width}, {"Height", w.height}, {"MinimumWidth", 64}, {"MinimumHeight", 64},
          {"MaximumWidth", 32000}, {"MaximumHeight", 32000}, {"Type", w.type}, {"Title", w.title},
          {"HasCloseButton", true}, {"HasMaximizeButton", w.hasMaximizeButton},
          {"HasMinimizeButton", true}, {"HasFullScreenButton", false}, {"Resizeable", w.resizeable},
          {"Composite", w.composite}, {"MacProcID", 0}, {"FullScreen", false},
          {"DefaultLocation", w.defaultLocation}, {"Visible", true},
          {"HasBackgroundColor", w.hasBackgroundColor}, {"BackgroundColor", kWhite},
          {"MenuBarVisible", true}, {"LiveResize", false}};
  // clang-format on
}
