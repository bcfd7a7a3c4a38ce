#include "3-windows/help/help_wnd.h"

#include "3-windows/help/help_text.h"

namespace {

constexpr std::int64_t kIndex = -2147483648LL;
constexpr fw::Color kWhite = fw::Color::FromRGB(0xFFFFFF);
constexpr fw::Color kBlack = fw::Color::FromRGB(0x000000);

// Layout data, kept laid out as its table.
// clang-format off
const fw::PropertyBlock kWindowProperties = {
    {"Width", 550}, {"Height", 500}, {"MinimumWidth", 64}, {"MinimumHeight", 64},
    {"MaximumWidth", 32000}, {"MaximumHeight", 32000}, {"Type", 0}, {"Title", "Vontrelaxis Info"},
    {"HasCloseButton", true}, {"HasMaximizeButton", false}, {"HasMinimizeButton", true},
    {"HasFullScreenButton", false}, {"Resizeable", false}, {"Composite", false}, {"MacProcID", 0},
    {"FullScreen", false}, {"DefaultLocation", 3}, {"Visible", true}, {"HasBackgroundColor", false},
    {"BackgroundColor", kWhite}, {"MenuBarVisible", true}, {"LiveResize", false}};

fw::PropertyBlock TextAreaProperties() {
  return {{"Name", "EditField1"}, {"Index", kIndex}, {"Left", -1}, {"Top", -1}, {"Width", 551},
          {"Height", 498}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
          {"LockBottom", false}, {"TabIndex", 0}, {"TabPanelIndex", 0}, {"TabStop", false},
          {"Enabled", true}, {"Format", ""}, {"HideSelection", false}, {"LineHeight", 0.0},
          {"LineSpacing", 1.0}, {"Multiline", true}, {"TextColor", kBlack}, {"Transparent", true},
          {"Visible", true}, {"Bold", false}, {"Italic", false}, {"Underline", false},
          {"ReadOnly", false}, {"DataSource", ""}, {"DataField", ""}, {"InitialParent", ""},
          {"AllowAutoDeactivate", true}, {"BackgroundColor", kWhite}, {"HasBorder", false},
          {"Tooltip", ""}, {"HasHorizontalScrollbar", false}, {"HasVerticalScrollbar", true},
          {"AllowStyledText", true}, {"AllowFocusRing", true}, {"FontName", "System"},
          {"FontSize", 12.0}, {"FontUnit", 0}, {"Value", HelpText()}, {"AllowTabs", false},
          {"TextAlignment", 0}, {"AllowSpellChecking", false}, {"MaximumCharactersAllowed", 0},
          {"ValidationMask", ""}};
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
  SetProperties(kWindowProperties);
}

void helpWnd::CreateControls() {
  CreateControls0();
}

void helpWnd::CreateControls0() {
  AddControl("EditField1", New<fw::TextArea>());
  ControlNamed<fw::TextArea>("EditField1")->SetProperties(TextAreaProperties());
}

std::shared_ptr<fw::TextArea> helpWnd::EditField1() {
  return ControlNamed<fw::TextArea>("EditField1");
}
