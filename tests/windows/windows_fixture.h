#pragma once
// What the About and help window tests share: a fixture that starts each test with no window,
// answered message boxes and the pictures from the source tree.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calculator/control_wnd.h"
#include "framework/testing.h"
#include "framework/window.h"
#include "program_test.h"
#include "windows/about_wnd.h"
#include "windows/help_wnd.h"

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
