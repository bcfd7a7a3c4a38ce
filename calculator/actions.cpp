// The calculator window's key filters and its clear, help and banner buttons.

#include "calculator/control_wnd.h"
#include "calculator/key_filter.h"
#include "windows/about_wnd.h"
#include "windows/help_wnd.h"

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
