#include "3-windows/help/help_wnd.h"

#include "3-windows/help/help_text.h"
#include "3-windows/layout/build_controls.h"
#include "3-windows/layout/window_row.h"

namespace {

// Layout data, kept laid out as its table.
// clang-format off
const WindowRow kWindow = {.width = 550, .height = 500, .type = 0, .title = "Vontrelaxis Info",
                           .hasMaximizeButton = false, .resizeable = false, .composite = false,
                           .defaultLocation = 3, .hasBackgroundColor = false};

constexpr std::string_view kTextAreaOrder[] = {
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight", "LockBottom",
    "TabIndex", "TabPanelIndex", "TabStop", "Enabled", "Format", "HideSelection", "LineHeight", "LineSpacing",
    "Multiline", "TextColor", "Transparent", "Visible", "Bold", "Italic", "Underline", "ReadOnly", "DataSource",
    "DataField", "InitialParent", "AllowAutoDeactivate", "BackgroundColor", "HasBorder", "Tooltip",
    "HasHorizontalScrollbar", "HasVerticalScrollbar", "AllowStyledText", "AllowFocusRing", "FontName",
    "FontSize", "FontUnit", "Value", "AllowTabs", "TextAlignment", "AllowSpellChecking",
    "MaximumCharactersAllowed", "ValidationMask"};

std::span<const ControlRow> Controls() {
  // Built on first use: the text is joined when first asked for.
  static const ControlRow controls[] = {
      {.name = "EditField1", .controlClass = ControlClass::TextArea, .order = kTextAreaOrder, .left = -1,
       .top = -1, .width = 551, .height = 498, .tabIndex = 0, .tabStop = false, .enabled = true, .visible = true,
       .values = {{"Value", HelpText()}}},
  };
  return controls;
}
// clang-format on

}  // namespace

const fw::WindowEventTable& helpWnd::HandledEvents() const {
  static const fw::WindowEventTable events = {
      {"CreateControls", fw::Handles(&helpWnd::CreateControls)},
      {"Layout", fw::Handles(&helpWnd::Layout)},
  };
  return events;
}

void helpWnd::Layout() {
  SetProperties(WindowBlock(kWindow));
}

void helpWnd::CreateControls() {
  CreateControls0();
}

void helpWnd::CreateControls0() {
  BuildControls<helpWnd>(*this, Controls(), {});
}

std::shared_ptr<fw::TextArea> helpWnd::EditField1() {
  return ControlNamed<fw::TextArea>("EditField1");
}
