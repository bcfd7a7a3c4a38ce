#include "3-windows/calculator/control_wnd.h"

#include "1-framework/runtime.h"
#include "2-common/menu_bar1.h"
#include "3-windows/calculator/control_wnd_layout.h"
#include "3-windows/layout/build_controls.h"

namespace {

constexpr Wiring<ControlWnd> kWiring[] = {{"RxxFld", &ControlWnd::RxxFld_KeyDown},
                                          {"RyyFld", &ControlWnd::RyyFld_KeyDown},
                                          {"RxyFld", &ControlWnd::RxyFld_KeyDown},
                                          {"ComputeCanvas", &ControlWnd::ComputeCanvas_MouseDown},
                                          {"ClearCanvas", &ControlWnd::ClearCanvas_MouseDown},
                                          {"HelpCanvas", &ControlWnd::HelpCanvas_MouseDown},
                                          {"Canvas1", &ControlWnd::Canvas1_MouseDown}};

// What a screen reader reads for each field: the caption under it, on one line.
constexpr std::pair<std::string_view, std::string_view> kFieldCaptions[] = {
    {"RxxFld", "StaticText1"},
    {"RyyFld", "StaticText2"},
    {"RxyFld", "StaticText3"},
    {"RdFld", "RdText"}};

}  // namespace

const fw::WindowEventTable& ControlWnd::HandledEvents() const {
  static const fw::WindowEventTable events = {
      {"AddMenuHandlers", fw::Handles(&ControlWnd::AddMenuHandlers)},
      {"Close", fw::Handles(&ControlWnd::Event_Close)},
      {"CreateControls", fw::Handles(&ControlWnd::CreateControls)},
      {"Layout", fw::Handles(&ControlWnd::Layout)},
      {"Open", fw::Handles(&ControlWnd::Event_Open)},
  };
  return events;
}

void ControlWnd::Layout() {
  SetMenuBar(MenuBar1::Instance());
  SetProperties(ControlWndProperties());
}

void ControlWnd::CreateControls() {
  CreateControls0();
}

void ControlWnd::CreateControls0() {
  BuildControls<ControlWnd>(*this, ControlWndControls(), kWiring);
  for (const auto& [field, caption] : kFieldCaptions)
    ControlNamed<fw::RectControl>(field)->SetAccessibleName(
        ControlNamed<fw::Label>(caption)->AccessibleName());
}

// One line per accessor, as the lists of controls and menu entries.
// clang-format off
std::shared_ptr<fw::TextField> ControlWnd::RdFld() { return ControlNamed<fw::TextField>("RdFld"); }
std::shared_ptr<fw::Label> ControlWnd::RdText() { return ControlNamed<fw::Label>("RdText"); }
std::shared_ptr<fw::Label> ControlWnd::StaticText1() { return ControlNamed<fw::Label>("StaticText1"); }
std::shared_ptr<fw::TextField> ControlWnd::RxxFld() { return ControlNamed<fw::TextField>("RxxFld"); }
std::shared_ptr<fw::Label> ControlWnd::StaticText2() { return ControlNamed<fw::Label>("StaticText2"); }
std::shared_ptr<fw::TextField> ControlWnd::RyyFld() { return ControlNamed<fw::TextField>("RyyFld"); }
std::shared_ptr<fw::Label> ControlWnd::StaticText3() { return ControlNamed<fw::Label>("StaticText3"); }
std::shared_ptr<fw::TextField> ControlWnd::RxyFld() { return ControlNamed<fw::TextField>("RxyFld"); }
std::shared_ptr<fw::Canvas> ControlWnd::ComputeCanvas() { return ControlNamed<fw::Canvas>("ComputeCanvas"); }
std::shared_ptr<fw::Canvas> ControlWnd::ClearCanvas() { return ControlNamed<fw::Canvas>("ClearCanvas"); }
std::shared_ptr<fw::Canvas> ControlWnd::HelpCanvas() { return ControlNamed<fw::Canvas>("HelpCanvas"); }
std::shared_ptr<fw::Canvas> ControlWnd::Canvas1() { return ControlNamed<fw::Canvas>("Canvas1"); }
std::shared_ptr<fw::Label> ControlWnd::StaticText4() { return ControlNamed<fw::Label>("StaticText4"); }
std::shared_ptr<fw::Separator> ControlWnd::Separator1() { return ControlNamed<fw::Separator>("Separator1"); }

std::shared_ptr<fw::MenuItem> ControlWnd::EditMenu() { return MenuItemNamed<fw::MenuItem>("EditMenu"); }
std::shared_ptr<fw::MenuItem> ControlWnd::EditSelectAll() { return MenuItemNamed<fw::MenuItem>("EditSelectAll"); }
std::shared_ptr<fw::MenuItem> ControlWnd::UntitledMenu0() { return MenuItemNamed<fw::MenuItem>("UntitledMenu0"); }
std::shared_ptr<fw::MenuItem> ControlWnd::EditClear() { return MenuItemNamed<fw::MenuItem>("EditClear"); }
std::shared_ptr<fw::MenuItem> ControlWnd::EditPaste() { return MenuItemNamed<fw::MenuItem>("EditPaste"); }
std::shared_ptr<fw::MenuItem> ControlWnd::EditCopy() { return MenuItemNamed<fw::MenuItem>("EditCopy"); }
std::shared_ptr<fw::MenuItem> ControlWnd::EditCut() { return MenuItemNamed<fw::MenuItem>("EditCut"); }
std::shared_ptr<fw::MenuItem> ControlWnd::UntitledMenu1() { return MenuItemNamed<fw::MenuItem>("UntitledMenu1"); }
std::shared_ptr<fw::MenuItem> ControlWnd::EditUndo() { return MenuItemNamed<fw::MenuItem>("EditUndo"); }
std::shared_ptr<fw::MenuItem> ControlWnd::FileMenu() { return MenuItemNamed<fw::MenuItem>("FileMenu"); }
std::shared_ptr<fw::QuitMenuItem> ControlWnd::FileQuit() { return MenuItemNamed<fw::QuitMenuItem>("FileQuit"); }
// clang-format on

void ControlWnd::AddMenuHandlers(fw::Window& window) {
  auto& calculator = static_cast<ControlWnd&>(window);
  window.AddMenuHandler("About", [&calculator] { return calculator.About_Action(); });
}

void ControlWnd::Event_Open() {}

void ControlWnd::Event_Close() {
  fw::Quit(0);
}

bool ControlWnd::About_Action() {
  return false;
}
