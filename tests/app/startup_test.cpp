// The road from the entry to the event loop and back: what exists after start-up, and how a
// failing start-up ends.

#include "4-app/startup.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "2-common/menu_bar1.h"
#include "4-app/mireldantholm.h"
#include "1-framework/application.h"
#include "1-framework/dispatch.h"
#include "1-framework/runtime.h"
#include "1-framework/testing.h"
#include "1-framework/window.h"
#include "program_test.h"
#include "3-windows/about/about_wnd.h"

using namespace std::chrono_literals;

namespace {

class Startup : public ProgramTest {};

std::vector<std::string> LiveWindowClasses() {
  std::vector<std::string> names;
  for (const auto& window : fw::LiveWindows())
    names.push_back(fw::RegisteredClassName(typeid(*window)));
  return names;
}

}  // namespace

TEST_F(Startup, opens_the_about_window_alone_and_returns_when_the_program_quits) {
  std::vector<std::string> atLaunch;
  bool aboutShown = false;
  fw::testing::Later(50ms, [&] {
    atLaunch = LiveWindowClasses();
    aboutShown = fw::ImplicitInstance<AboutWnd>()->IsVisible();
    fw::Quit(0);
  });
  Main();
  EXPECT_EQ(atLaunch, std::vector<std::string>{"AboutWnd.AboutWnd"});
  EXPECT_TRUE(aboutShown);
  EXPECT_EQ(fw::testing::QuitCode(), 0);
  EXPECT_TRUE(fw::testing::MessageBoxTexts().empty());
}

TEST_F(Startup, registers_the_application_object_with_its_version_data_and_menu_bar) {
  fw::testing::Later(10ms, [] { fw::Quit(0); });
  Main();
  auto app = std::dynamic_pointer_cast<Mireldantholm>(fw::App());
  ASSERT_NE(app, nullptr);
  EXPECT_EQ(app->MajorVersion(), 2);
  EXPECT_EQ(app->MinorVersion(), 0);
  EXPECT_EQ(app->BugVersion(), 0);
  EXPECT_EQ(app->NonReleaseVersion(), 0);
  EXPECT_EQ(app->StageCode(), 3);
  EXPECT_EQ(app->LongVersion(), kLongVersion);
  EXPECT_EQ(app->ShortVersion(), "2.0");
  EXPECT_EQ(app->PackageInfo(), "Mireldantholm");
  EXPECT_EQ(app->RegionCode(), 0);
  EXPECT_EQ(app->MenuBar(), MenuBar1::Instance());
  EXPECT_TRUE(fw::Application::SupportsHiDPI());
  EXPECT_DOUBLE_EQ(fw::DeclaredFrameworkVersion(), 2019.031);
}

TEST_F(Startup, the_quit_shortcut_ends_the_program_while_the_about_window_shows) {
  fw::testing::Later(50ms, [] {
    fw::testing::PressShortcutInWindow(*fw::ImplicitInstance<AboutWnd>(), "Ctrl+Q");
  });
  // Should the shortcut fail, the loop still ends, with a code the test rejects.
  fw::testing::Later(3000ms, [] { fw::Quit(99); });
  Main();
  EXPECT_EQ(fw::testing::QuitCode(), 0);
  EXPECT_EQ(fw::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
}
