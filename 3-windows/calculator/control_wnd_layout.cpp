#include "3-windows/calculator/control_wnd_layout.h"

#include "2-common/pictures.h"

namespace {

constexpr std::int64_t kIndex = -2147483648LL;  // controls are found by name alone
constexpr fw::Color kWhite = fw::Color::FromRGB(0xFFFFFF);
constexpr fw::Color kBlack = fw::Color::FromRGB(0x000000);
constexpr fw::Color kNavy = fw::Color::FromRGB(0x000080);

// Layout data, kept laid out as its table.
// clang-format off
const ControlRow kControls[] = {
    {.name = "RdFld", .controlClass = ControlClass::TextField, .left = 238, .top = 298, .width = 80, .height = 22,
     .tabIndex = 4, .tabStop = true, .enabled = true, .visible = false, .readOnly = true, .maximumCharacters = 0},
    {.name = "RdText", .controlClass = ControlClass::Label, .left = 220, .top = 323, .width = 114, .height = 34,
     .tabIndex = 11, .tabStop = false, .enabled = false, .visible = false, .caption = "Corrected\rValidity Coefficient"},
    {.name = "StaticText1", .controlClass = ControlClass::Label, .left = 70, .top = 223, .width = 114, .height = 47,
     .tabIndex = 14, .tabStop = false, .enabled = false, .visible = true,
     .caption = "Unrestricted\rPredictor\rStandard Deviation"},
    {.name = "RxxFld", .controlClass = ControlClass::TextField, .left = 87, .top = 199, .width = 80, .height = 22,
     .tabIndex = 15, .tabStop = true, .enabled = true, .visible = true, .readOnly = false, .maximumCharacters = 8},
    {.name = "StaticText2", .controlClass = ControlClass::Label, .left = 223, .top = 223, .width = 114, .height = 47,
     .tabIndex = 16, .tabStop = false, .enabled = false, .visible = true,
     .caption = "Obtained\rPredictor\rStandard Deviation"},
    {.name = "RyyFld", .controlClass = ControlClass::TextField, .left = 238, .top = 199, .width = 80, .height = 22,
     .tabIndex = 17, .tabStop = true, .enabled = true, .visible = true, .readOnly = false, .maximumCharacters = 8},
    {.name = "StaticText3", .controlClass = ControlClass::Label, .left = 376, .top = 223, .width = 114, .height = 47,
     .tabIndex = 18, .tabStop = true, .enabled = false, .visible = true,
     .caption = "Obtained\rValidity\rCoefficient"},
    {.name = "RxyFld", .controlClass = ControlClass::TextField, .left = 393, .top = 199, .width = 80, .height = 22,
     .tabIndex = 19, .tabStop = true, .enabled = true, .visible = true, .readOnly = false, .maximumCharacters = 7},
    {.name = "ComputeCanvas", .controlClass = ControlClass::Canvas, .left = 20, .top = 412, .width = 120, .height = 40,
     .tabIndex = 27, .tabStop = false, .enabled = true, .visible = true, .backdrop = &x_compute},
    {.name = "ClearCanvas", .controlClass = ControlClass::Canvas, .left = 420, .top = 412, .width = 120, .height = 48,
     .tabIndex = 28, .tabStop = false, .enabled = true, .visible = true, .backdrop = &x_clear},
    {.name = "HelpCanvas", .controlClass = ControlClass::Canvas, .left = 220, .top = 412, .width = 120, .height = 48,
     .tabIndex = 29, .tabStop = false, .enabled = true, .visible = true, .backdrop = &x_info},
    {.name = "Canvas1", .controlClass = ControlClass::Canvas, .left = 32, .top = 0, .width = 493, .height = 85,
     .tabIndex = 32, .tabStop = false, .enabled = true, .visible = true, .backdrop = &x_MireldantholmTitle,
     .allowFocusRing = false},
    {.name = "StaticText4", .controlClass = ControlClass::Label, .left = 45, .top = 65, .width = 469, .height = 20,
     .tabIndex = 0, .tabStop = true, .enabled = true, .visible = true,
     .caption = "After Thorndike's correction for direct selection on the predictor", .multiline = false, .fontSize = 10.0,
     .initialParent = "Canvas1"},
    {.name = "Separator1", .controlClass = ControlClass::Separator, .left = 32, .top = 91, .width = 493, .height = 4,
     .tabIndex = 33, .tabStop = true, .enabled = true, .visible = true},
};

fw::PropertyBlock TextFieldBlock(const ControlRow& r) {
  return {{"Name", r.name}, {"Index", kIndex}, {"Left", r.left}, {"Top", r.top}, {"Width", r.width},
          {"Height", r.height}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
          {"LockBottom", false}, {"TabIndex", r.tabIndex}, {"TabPanelIndex", 0}, {"TabStop", r.tabStop},
          {"AllowAutoDeactivate", true}, {"BackgroundColor", kWhite}, {"HasBorder", true},
          {"Enabled", r.enabled}, {"Format", ""}, {"Tooltip", ""}, {"Password", false},
          {"TextColor", kBlack}, {"Transparent", true}, {"AllowFocusRing", true}, {"Visible", r.visible},
          {"FontName", "System"}, {"FontSize", 12.0}, {"FontUnit", 0}, {"Bold", false}, {"Italic", false},
          {"Underline", false}, {"Hint", ""}, {"Value", ""}, {"AllowTabs", false}, {"TextAlignment", 2},
          {"AllowSpellChecking", false}, {"MaximumCharactersAllowed", r.maximumCharacters},
          {"ValidationMask", ""}, {"ReadOnly", r.readOnly}, {"DataSource", ""}, {"DataField", ""},
          {"InitialParent", ""}};
}

fw::PropertyBlock LabelBlock(const ControlRow& r) {
  return {{"Name", r.name}, {"Index", kIndex}, {"Left", r.left}, {"Top", r.top}, {"Width", r.width},
          {"Height", r.height}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
          {"LockBottom", false}, {"TabIndex", r.tabIndex}, {"TabPanelIndex", 0}, {"TabStop", r.tabStop},
          {"AllowAutoDeactivate", true}, {"Enabled", r.enabled}, {"Tooltip", ""},
          {"Multiline", r.multiline}, {"Selectable", false}, {"TextAlignment", 2}, {"TextColor", kNavy},
          {"Transparent", true}, {"Value", r.caption}, {"Visible", r.visible}, {"Bold", false},
          {"Italic", false}, {"FontName", "System"}, {"Underline", false}, {"FontSize", r.fontSize},
          {"FontUnit", 0}, {"DataSource", ""}, {"DataField", ""}, {"InitialParent", r.initialParent}};
}

fw::PropertyBlock CanvasBlock(const ControlRow& r) {
  return {{"Name", r.name}, {"Index", kIndex}, {"Left", r.left}, {"Top", r.top}, {"Width", r.width},
          {"Height", r.height}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
          {"LockBottom", false}, {"TabIndex", r.tabIndex}, {"TabPanelIndex", 0}, {"TabStop", r.tabStop},
          {"AllowAutoDeactivate", true}, {"Enabled", r.enabled}, {"Tooltip", ""},
          {"AllowFocusRing", r.allowFocusRing}, {"Visible", r.visible}, {"AllowFocus", false},
          {"AllowTabs", false}, {"Transparent", true}, {"DoubleBuffer", false}, {"Transparent", true},
          {"InitialParent", ""}};
}

fw::PropertyBlock SeparatorBlock(const ControlRow& r) {
  return {{"AllowAutoDeactivate", true}, {"Tooltip", ""}, {"Transparent", true}, {"Name", r.name},
          {"Index", kIndex}, {"Left", r.left}, {"Top", r.top}, {"Width", r.width}, {"Height", r.height},
          {"LockLeft", false}, {"LockTop", false}, {"LockRight", false}, {"LockBottom", false},
          {"TabPanelIndex", 0}, {"TabIndex", r.tabIndex}, {"TabStop", r.tabStop}, {"InitialParent", ""},
          {"Visible", r.visible}, {"Enabled", r.enabled}};
}

}  // namespace
// clang-format on

// The window's properties, in the order they are applied.
// clang-format off
const fw::PropertyBlock& ControlWndProperties() {
  static const fw::PropertyBlock properties = {
      {"Width", 560}, {"Height", 480}, {"MinimumWidth", 64}, {"MinimumHeight", 64},
      {"MaximumWidth", 32000}, {"MaximumHeight", 32000}, {"Type", 0}, {"Title", "Mireldantholm"},
      {"HasCloseButton", true}, {"HasMaximizeButton", false}, {"HasMinimizeButton", true},
      {"HasFullScreenButton", false}, {"Resizeable", false}, {"Composite", true}, {"MacProcID", 0},
      {"FullScreen", false}, {"DefaultLocation", 0}, {"Visible", true}, {"HasBackgroundColor", true},
      {"BackgroundColor", kWhite}, {"MenuBarVisible", true}, {"LiveResize", false}};
  return properties;
}
// clang-format on

std::span<const ControlRow> ControlWndControls() {
  return kControls;
}

fw::PropertyBlock PropertiesOf(const ControlRow& row) {
  switch (row.controlClass) {
    case ControlClass::TextField:
      return TextFieldBlock(row);
    case ControlClass::Label:
      return LabelBlock(row);
    case ControlClass::Canvas:
      return CanvasBlock(row);
    case ControlClass::Separator:
      return SeparatorBlock(row);
  }
  return {};
}
