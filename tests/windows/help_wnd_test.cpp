// The help window, opened by the calculator window's help button: one window at a time, its
// frame, and a text area holding the help text as stored, whatever was typed into the last one.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "3-windows/help/help_text.h"
#include "windows_fixture.h"

namespace {

using wndtest::WindowsTest;

class HelpWindow : public WindowsTest {
 protected:
  // Clicks the calculator window's help button and returns the live help window.
  static std::shared_ptr<helpWnd> ClickHelp(ControlWnd& calculator) {
    fw::testing::Click(*calculator.HelpCanvas(), 10, 10);
    return std::dynamic_pointer_cast<helpWnd>(LiveHelp());
  }
  static long HelpWindowsAlive() {
    const auto windows = fw::LiveWindows();
    return std::count_if(windows.begin(), windows.end(), [](const auto& w) {
      return std::dynamic_pointer_cast<helpWnd>(w) != nullptr;
    });
  }
};

TEST_F(HelpWindow, does_not_exist_before_the_help_button_is_clicked) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  EXPECT_EQ(LiveHelp(), nullptr);
  EXPECT_EQ(HelpWindowsAlive(), 0);
}

TEST_F(HelpWindow, is_built_once_for_two_clicks_of_the_help_button) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();

  auto first = ClickHelp(*calculator);
  ASSERT_NE(first, nullptr);
  auto second = ClickHelp(*calculator);

  EXPECT_EQ(second, first);
  EXPECT_EQ(HelpWindowsAlive(), 1);
  EXPECT_TRUE(first->IsVisible());
  EXPECT_TRUE(calculator->IsVisible());
}

TEST_F(HelpWindow, is_titled_and_fixed_at_550_by_500) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  auto help = ClickHelp(*calculator);
  ASSERT_NE(help, nullptr);

  EXPECT_EQ(help->Title(), "Vontrelaxis Info");
  EXPECT_EQ(help->Width(), 550);
  EXPECT_EQ(help->Height(), 500);
  EXPECT_FALSE(help->Resizeable());
  EXPECT_FALSE(help->HasMaximizeButton());
  const fw::testing::Geometry g = fw::testing::WindowGeometry(*help);
  EXPECT_EQ(g.contentWidth, 550);
  EXPECT_EQ(g.contentHeight, 500);
}

TEST_F(HelpWindow, shows_the_help_text_exactly_in_an_editable_area_that_scrolls_vertically_only) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  auto help = ClickHelp(*calculator);
  ASSERT_NE(help, nullptr);
  auto area = help->EditField1();

  EXPECT_EQ(area->Text(), std::string(HelpText()));
  EXPECT_NE(area->Text().find('\r'), std::string::npos);  // lines joined by carriage returns
  EXPECT_EQ(area->Text().find('\n'), std::string::npos);
  EXPECT_TRUE(area->HasVerticalScrollbar());
  EXPECT_FALSE(area->HasHorizontalScrollbar());
  EXPECT_FALSE(area->ReadOnly());
  EXPECT_TRUE(area->Enabled());
  EXPECT_TRUE(fw::testing::IsShown(*area));
  EXPECT_EQ(help->ControlNames(), std::vector<std::string>{"EditField1"});
}

TEST_F(HelpWindow, forgets_typed_text_once_closed_and_the_next_one_shows_the_stored_text) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  auto first = ClickHelp(*calculator);
  ASSERT_NE(first, nullptr);
  auto area = first->EditField1();
  area->SetFocus();
  fw::testing::TypeText(*area, "XYZ");
  ASSERT_NE(area->Text().find("XYZ"), std::string::npos);  // the area is editable
  ASSERT_NE(area->Text(), std::string(HelpText()));

  fw::testing::CloseByUser(*first);
  EXPECT_EQ(LiveHelp(), nullptr);
  EXPECT_FALSE(fw::testing::QuitCode().has_value());  // the calculator window stays open
  EXPECT_TRUE(calculator->IsVisible());

  auto second = ClickHelp(*calculator);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(second, first);
  EXPECT_TRUE(second->IsVisible());
  EXPECT_EQ(second->EditField1()->Text(), std::string(HelpText()));
}

}  // namespace
