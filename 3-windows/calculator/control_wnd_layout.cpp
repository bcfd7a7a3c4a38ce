#include "3-windows/calculator/control_wnd_layout.h"

#include "2-common/pictures.h"
#include "3-windows/layout/window_row.h"

namespace {

// The order in which each class's block applies its values.
// clang-format off
constexpr std::string_view kTextFieldOrder[] = {
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight", "LockBottom",
    "TabIndex", "TabPanelIndex", "TabStop", "AllowAutoDeactivate", "BackgroundColor", "HasBorder", "Enabled",
    "Format", "Tooltip", "Password", "TextColor", "Transparent", "AllowFocusRing", "Visible", "FontName",
    "FontSize", "FontUnit", "Bold", "Italic", "Underline", "Hint", "Value", "AllowTabs", "TextAlignment",
    "AllowSpellChecking", "MaximumCharactersAllowed", "ValidationMask", "ReadOnly", "DataSource", "DataField",
    "InitialParent"};
constexpr std::string_view kLabelOrder[] = {
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight", "LockBottom",
    "TabIndex", "TabPanelIndex", "TabStop", "AllowAutoDeactivate", "Enabled", "Tooltip", "Multiline",
    "Selectable", "TextAlignment", "TextColor", "Transparent", "Value", "Visible", "Bold", "Italic", "FontName",
    "Underline", "FontSize", "FontUnit", "DataSource", "DataField", "InitialParent"};
// Transparent is named twice, as the block states it.
constexpr std::string_view kCanvasOrder[] = {
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight", "LockBottom",
    "TabIndex", "TabPanelIndex", "TabStop", "AllowAutoDeactivate", "Enabled", "Tooltip", "AllowFocusRing",
    "Visible", "AllowFocus", "AllowTabs", "Transparent", "DoubleBuffer", "Transparent", "InitialParent"};
constexpr std::string_view kSeparatorOrder[] = {
    "AllowAutoDeactivate", "Tooltip", "Transparent", "Name", "Index", "Left", "Top", "Width", "Height",
    "LockLeft", "LockTop", "LockRight", "LockBottom", "TabPanelIndex", "TabIndex", "TabStop", "InitialParent",
    "Visible", "Enabled"};

constexpr auto kField = ControlClass::TextField;
constexpr auto kLabel = ControlClass::Label;
constexpr auto kCanvas = ControlClass::Canvas;

const ControlRow kControls[] = {
    {.name = "RdFld", .controlClass = kField, .order = kTextFieldOrder, .left = 238, .top = 298, .width = 80,
     .height = 22, .tabIndex = 4, .tabStop = true, .enabled = true, .visible = false,
     .values = {{"ReadOnly", true}, {"MaximumCharactersAllowed", 0}}},
    {.name = "RdText", .controlClass = kLabel, .order = kLabelOrder, .left = 220, .top = 323, .width = 114,
     .height = 34, .tabIndex = 11, .tabStop = false, .enabled = false, .visible = false,
     .values = {{"Value", "Corrected\rValidity Coefficient"}}},
    {.name = "StaticText1", .controlClass = kLabel, .order = kLabelOrder, .left = 70, .top = 223, .width = 114,
     .height = 47, .tabIndex = 14, .tabStop = false, .enabled = false, .visible = true,
     .values = {{"Value", "Unrestricted\rPredictor\rStandard Deviation"}}},
    {.name = "RxxFld", .controlClass = kField, .order = kTextFieldOrder, .left = 87, .top = 199, .width = 80,
     .height = 22, .tabIndex = 15, .tabStop = true, .enabled = true, .visible = true,
     .values = {{"ReadOnly", false}, {"MaximumCharactersAllowed", 8}}},
    {.name = "StaticText2", .controlClass = kLabel, .order = kLabelOrder, .left = 223, .top = 223, .width = 114,
     .height = 47, .tabIndex = 16, .tabStop = false, .enabled = false, .visible = true,
     .values = {{"Value", "Obtained\rPredictor\rStandard Deviation"}}},
    {.name = "RyyFld", .controlClass = kField, .order = kTextFieldOrder, .left = 238, .top = 199, .width = 80,
     .height = 22, .tabIndex = 17, .tabStop = true, .enabled = true, .visible = true,
     .values = {{"ReadOnly", false}, {"MaximumCharactersAllowed", 8}}},
    {.name = "StaticText3", .controlClass = kLabel, .order = kLabelOrder, .left = 376, .top = 223, .width = 114,
     .height = 47, .tabIndex = 18, .tabStop = true, .enabled = false, .visible = true,
     .values = {{"Value", "Obtained\rValidity\rCoefficient"}}},
    {.name = "RxyFld", .controlClass = kField, .order = kTextFieldOrder, .left = 393, .top = 199, .width = 80,
     .height = 22, .tabIndex = 19, .tabStop = true, .enabled = true, .visible = true,
     .values = {{"ReadOnly", false}, {"MaximumCharactersAllowed", 7}}},
    {.name = "ComputeCanvas", .controlClass = kCanvas, .order = kCanvasOrder, .left = 20, .top = 412, .width = 120,
     .height = 40, .tabIndex = 27, .tabStop = false, .enabled = true, .visible = true,
     .backdrop = &x_compute, .accessibleName = "Compute"},
    {.name = "ClearCanvas", .controlClass = kCanvas, .order = kCanvasOrder, .left = 420, .top = 412, .width = 120,
     .height = 48, .tabIndex = 28, .tabStop = false, .enabled = true, .visible = true,
     .backdrop = &x_clear, .accessibleName = "Clear"},
    {.name = "HelpCanvas", .controlClass = kCanvas, .order = kCanvasOrder, .left = 220, .top = 412, .width = 120,
     .height = 48, .tabIndex = 29, .tabStop = false, .enabled = true, .visible = true,
     .backdrop = &x_info, .accessibleName = "Help"},
    {.name = "Canvas1", .controlClass = kCanvas, .order = kCanvasOrder, .left = 32, .top = 0, .width = 493,
     .height = 85, .tabIndex = 32, .tabStop = false, .enabled = true, .visible = true,
     .values = {{"AllowFocusRing", false}}, .backdrop = &x_MireldantholmTitle,
     .accessibleName = "About Mireldantholm"},
    {.name = "StaticText4", .controlClass = kLabel, .order = kLabelOrder, .left = 45, .top = 65, .width = 469,
     .height = 20, .tabIndex = 0, .tabStop = true, .enabled = true, .visible = true,
     .values = {{"Value", "After Thorndike's correction for direct selection on the predictor"},
                {"Multiline", false}, {"FontSize", 10.0}, {"InitialParent", "Canvas1"}}},
    {.name = "Separator1", .controlClass = ControlClass::Separator, .order = kSeparatorOrder, .left = 32,
     .top = 91, .width = 493, .height = 4, .tabIndex = 33, .tabStop = true, .enabled = true, .visible = true},
};

const WindowRow kWindow = {.width = 560, .height = 480, .type = 0, .title = "Mireldantholm",
                           .hasMaximizeButton = false, .resizeable = false, .composite = true,
                           .defaultLocation = 0, .hasBackgroundColor = true};
// clang-format on

}  // namespace

const fw::PropertyBlock& ControlWndProperties() {
  static const fw::PropertyBlock block = WindowBlock(kWindow);
  return block;
}

std::span<const ControlRow> ControlWndControls() {
  return kControls;
}
