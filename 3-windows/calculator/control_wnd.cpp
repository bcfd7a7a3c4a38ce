#include "3-windows/calculator/control_wnd.h"

#include "2-common/menu_bar1.h"
#include "3-windows/calculator/control_wnd_layout.h"
#include "1-framework/runtime.h"

namespace {

using KeyHandler = bool (ControlWnd::*)(fw::TextField&, const std::string&);
using MouseHandler = bool (ControlWnd::*)(fw::Canvas&, std::int64_t, std::int64_t);

struct KeyWiring {
  std::string_view control;
  KeyHandler handler;
};
struct MouseWiring {
  std::string_view control;
  MouseHandler handler;
};

constexpr KeyWiring kKeyHandlers[] = {{"RxxFld", &ControlWnd::RxxFld_KeyDown},
                                      {"RyyFld", &ControlWnd::RyyFld_KeyDown},
                                      {"RxyFld", &ControlWnd::RxyFld_KeyDown}};
constexpr MouseWiring kMouseHandlers[] = {{"ComputeCanvas", &ControlWnd::ComputeCanvas_MouseDown},
                                          {"ClearCanvas", &ControlWnd::ClearCanvas_MouseDown},
                                          {"HelpCanvas", &ControlWnd::HelpCanvas_MouseDown},
                                          {"Canvas1", &ControlWnd::Canvas1_MouseDown}};

// What a screen reader reads for each field: the caption under it, on one line.
constexpr std::pair<std::string_view, std::string_view> kFieldCaptions[] = {
    {"RxxFld", "StaticText1"},
    {"RyyFld", "StaticText2"},
    {"RxyFld", "StaticText3"},
    {"RdFld", "RdText"}};

template <class T>
void Create(ControlWnd& window, const ControlRow& row) {
  auto control = window.New<T>();
  window.AddControl(row.name, control);
}

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
  for (const ControlRow& row : ControlWndControls()) {
    switch (row.controlClass) {
      case ControlClass::TextField:
        Create<fw::TextField>(*this, row);
        break;
      case ControlClass::Label:
        Create<fw::Label>(*this, row);
        break;
      case ControlClass::Canvas:
        Create<fw::Canvas>(*this, row);
        break;
      case ControlClass::Separator:
        Create<fw::Separator>(*this, row);
        break;
    }
    if (row.backdrop) ControlNamed<fw::Canvas>(row.name)->SetBackdrop(row.backdrop());
    ControlNamed<fw::RectControl>(row.name)->SetProperties(PropertiesOf(row));
    for (const auto& wiring : kKeyHandlers)
      if (wiring.control == row.name)
        ControlNamed<fw::TextField>(row.name)->KeyDown.Attach(
            fw::MakeDelegate(*this, wiring.handler, "( TextField, String ) as Boolean"));
    for (const auto& wiring : kMouseHandlers)
      if (wiring.control == row.name)
        ControlNamed<fw::Canvas>(row.name)->MouseDown.Attach(
            fw::MakeDelegate(*this, wiring.handler, "( Canvas, Integer, Integer ) as Boolean"));
  }
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
