#include "3-windows/about/about_wnd.h"

#include "3-windows/calculator/control_wnd.h"
#include "2-common/pictures.h"

namespace {

constexpr std::int64_t kIndex = -2147483648LL;
constexpr fw::Color kWhite = fw::Color::FromRGB(0xFFFFFF);
constexpr fw::Color kNavy = fw::Color::FromRGB(0x000080);

// Layout data, kept laid out as its table.
// clang-format off
const fw::PropertyBlock kWindowProperties = {
    {"Width", 450}, {"Height", 300}, {"MinimumWidth", 64}, {"MinimumHeight", 64},
    {"MaximumWidth", 32000}, {"MaximumHeight", 32000}, {"Type", 2}, {"Title", ""},
    {"HasCloseButton", true}, {"HasMaximizeButton", true}, {"HasMinimizeButton", true},
    {"HasFullScreenButton", false}, {"Resizeable", true}, {"Composite", false}, {"MacProcID", 0},
    {"FullScreen", false}, {"DefaultLocation", 0}, {"Visible", true}, {"HasBackgroundColor", true},
    {"BackgroundColor", kWhite}, {"MenuBarVisible", true}, {"LiveResize", false}};

const fw::PropertyBlock kNoticeProperties = {
    {"Name", "StaticText2"}, {"Index", kIndex}, {"Left", 87}, {"Top", 220}, {"Width", 296},
    {"Height", 15}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
    {"LockBottom", false}, {"TabIndex", 3}, {"TabPanelIndex", 0}, {"TabStop", false},
    {"Enabled", true}, {"Multiline", true}, {"Selectable", false}, {"TextColor", kNavy},
    {"Transparent", true}, {"Visible", true}, {"Bold", false}, {"Italic", false},
    {"Underline", false}, {"DataSource", ""}, {"DataField", ""}, {"InitialParent", ""},
    {"AllowAutoDeactivate", true}, {"Tooltip", ""}, {"TextAlignment", 2}, {"Value", kAboutNotice},
    {"FontName", "System"}, {"FontSize", 9.0}, {"FontUnit", 0}};

const fw::PropertyBlock kPictureProperties = {
    {"Name", "Canvas1"}, {"Index", kIndex}, {"Left", 87}, {"Top", 36}, {"Width", 296},
    {"Height", 183}, {"LockLeft", false}, {"LockTop", false}, {"LockRight", false},
    {"LockBottom", false}, {"TabIndex", 4}, {"TabPanelIndex", 0}, {"TabStop", false},
    {"Enabled", true}, {"Visible", true}, {"DoubleBuffer", false}, {"Transparent", true},
    {"InitialParent", ""}, {"AllowAutoDeactivate", true}, {"Tooltip", ""},
    {"AllowFocusRing", true}, {"AllowFocus", false}, {"AllowTabs", false}};

const fw::PropertyBlock kTimerProperties = {{"Period", 4000}, {"RunMode", 1}};
// clang-format on

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
  SetProperties(kWindowProperties);
}

void AboutWnd::CreateControls() {
  CreateControls0();
}

void AboutWnd::CreateControls0() {
  AddControl("StaticText2", New<fw::Label>());
  ControlNamed<fw::Label>("StaticText2")->SetProperties(kNoticeProperties);

  AddControl("Canvas1", New<fw::Canvas>());
  ControlNamed<fw::Canvas>("Canvas1")->SetBackdrop(x_MireldantholmTitle2());
  ControlNamed<fw::Canvas>("Canvas1")->SetProperties(kPictureProperties);

  AddControl("Timer1", New<fw::Timer>());
  ControlNamed<fw::Timer>("Timer1")->SetProperties(kTimerProperties);
  ControlNamed<fw::Timer>("Timer1")->Action.Attach(
      fw::MakeDelegate(*this, &AboutWnd::Timer1_Action, "( Timer )"));
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
