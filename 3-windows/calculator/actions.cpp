// The calculator window's key filters and its clear, help and banner buttons.

#include "3-windows/calculator/control_wnd.h"
#include "3-windows/calculator/key_filter.h"
#include "3-windows/about/about_wnd.h"
#include "3-windows/help/help_wnd.h"

bool ControlWnd::RxxFld_KeyDown(fw::TextField&, const std::string& key) {
  return RejectKey(key, false);
}
bool ControlWnd::RyyFld_KeyDown(fw::TextField&, const std::string& key) {
  return RejectKey(key, false);
}
bool ControlWnd::RxyFld_KeyDown(fw::TextField&, const std::string& key) {
  return RejectKey(key, true);
}

bool ControlWnd::ClearCanvas_MouseDown(fw::Canvas&, std::int64_t, std::int64_t) {
  RdFld()->SetVisible(false);
  RdText()->SetVisible(false);
  RxxFld()->SetText("");
  RyyFld()->SetText("");
  RxyFld()->SetText("");
  RdFld()->SetText("");
  RxxFld()->SetFocus();
  return false;
}

bool ControlWnd::HelpCanvas_MouseDown(fw::Canvas&, std::int64_t, std::int64_t) {
  fw::ImplicitInstance<helpWnd>()->Show();
  return false;
}

bool ControlWnd::Canvas1_MouseDown(fw::Canvas&, std::int64_t, std::int64_t) {
  fw::ImplicitInstance<AboutWnd>()->Show();
  return false;
}
