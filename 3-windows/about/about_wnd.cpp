#include "3-windows/about/about_wnd.h"

#include "2-common/pictures.h"
#include "3-windows/calculator/control_wnd.h"
#include "3-windows/layout/build_controls.h"
#include "3-windows/layout/window_row.h"

namespace {

// Layout data, kept laid out as its table. This window's label and canvas apply their values
// in orders of their own.
// clang-format off
const WindowRow kWindow = {.width = 450, .height = 300, .type = 2, .title = "",
                           .hasMaximizeButton = true, .resizeable = true, .composite = false,
                           .defaultLocation = 0, .hasBackgroundColor = true};

constexpr std::string_view kLabelOrder[] = {
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight", "LockBottom",
    "TabIndex", "TabPanelIndex", "TabStop", "Enabled", "Multiline", "Selectable", "TextColor", "Transparent",
    "Visible", "Bold", "Italic", "Underline", "DataSource", "DataField", "InitialParent", "AllowAutoDeactivate",
    "Tooltip", "TextAlignment", "Value", "FontName", "FontSize", "FontUnit"};
constexpr std::string_view kCanvasOrder[] = {
    "Name", "Index", "Left", "Top", "Width", "Height", "LockLeft", "LockTop", "LockRight", "LockBottom",
    "TabIndex", "TabPanelIndex", "TabStop", "Enabled", "Visible", "DoubleBuffer", "Transparent", "InitialParent",
    "AllowAutoDeactivate", "Tooltip", "AllowFocusRing", "AllowFocus", "AllowTabs"};
constexpr std::string_view kTimerOrder[] = {"Period", "RunMode"};

const ControlRow kControls[] = {
    {.name = "StaticText2", .controlClass = ControlClass::Label, .order = kLabelOrder, .left = 87, .top = 220,
     .width = 296, .height = 15, .tabIndex = 3, .tabStop = false, .enabled = true, .visible = true,
     .values = {{"Value", kAboutNotice}, {"FontSize", 9.0}}},
    {.name = "Canvas1", .controlClass = ControlClass::Canvas, .order = kCanvasOrder, .left = 87, .top = 36,
     .width = 296, .height = 183, .tabIndex = 4, .tabStop = false, .enabled = true, .visible = true,
     .backdrop = &x_MireldantholmTitle2,
     .accessibleName = "Mireldantholm, Version 2.0, Validity coefficient correction"},
    {.name = "Timer1", .controlClass = ControlClass::Timer, .order = kTimerOrder,
     .values = {{"Period", 4000}, {"RunMode", 1}}},
};
// clang-format on

constexpr Wiring<AboutWnd> kWiring[] = {{"Timer1", &AboutWnd::Timer1_Action}};

// Hides the About window and shows the calculator window, both through their implicit
// instances; the timer keeps counting.
void HandOff() {
  fw::ImplicitInstance<AboutWnd>()->Hide();
  fw::ImplicitInstance<ControlWnd>()->Show();
}

}  // namespace

const fw::WindowEventTable& AboutWnd::HandledEvents() const {
  static const fw::WindowEventTable events = {
      {"CreateControls", fw::Handles(&AboutWnd::CreateControls)},
      {"KeyDown", fw::Handles(&AboutWnd::Event_KeyDown)},
      {"Layout", fw::Handles(&AboutWnd::Layout)},
      {"MouseDown", fw::Handles(&AboutWnd::Event_MouseDown)},
  };
  return events;
}

void AboutWnd::Layout() {
  SetProperties(WindowBlock(kWindow));
}

void AboutWnd::CreateControls() {
  CreateControls0();
}

void AboutWnd::CreateControls0() {
  BuildControls<AboutWnd>(*this, kControls, kWiring);
}

std::shared_ptr<fw::Label> AboutWnd::StaticText2() {
  return ControlNamed<fw::Label>("StaticText2");
}
std::shared_ptr<fw::Canvas> AboutWnd::Canvas1() {
  return ControlNamed<fw::Canvas>("Canvas1");
}
std::shared_ptr<fw::Timer> AboutWnd::Timer1() {
  return ControlNamed<fw::Timer>("Timer1");
}

void AboutWnd::Timer1_Action(fw::Timer&) {
  HandOff();
}

bool AboutWnd::Event_KeyDown(const std::string&) {
  HandOff();
  return false;
}

bool AboutWnd::Event_MouseDown(std::int64_t, std::int64_t) {
  HandOff();
  return false;
}
