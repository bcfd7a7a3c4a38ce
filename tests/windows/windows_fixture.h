#pragma once
// What the About and help window tests share: a fixture that starts each test with no window,
// answered message boxes and the pictures from the source tree.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "3-windows/calculator/control_wnd.h"
#include "1-framework/testing.h"
#include "1-framework/window.h"
#include "program_test.h"
#include "3-windows/about/about_wnd.h"
#include "3-windows/help/help_wnd.h"

namespace wndtest {

class WindowsTest : public ProgramTest {
 protected:
  // The live calculator window, or nil when none has been built.
  static std::shared_ptr<fw::Window> LiveCalculator() {
    return fw::GetImplicitWindow("ControlWnd.ControlWnd");
  }
  static std::shared_ptr<fw::Window> LiveAbout() {
    return fw::GetImplicitWindow("AboutWnd.AboutWnd");
  }
  static std::shared_ptr<fw::Window> LiveHelp() { return fw::GetImplicitWindow("helpWnd.helpWnd"); }
};

}  // namespace wndtest
