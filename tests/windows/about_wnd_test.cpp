// The About window: how it opens, how it gives way to the calculator window (a key, a click,
// its timer), how the calculator's banner brings it back, and what closing it does.

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "1-framework/picture.h"
#include "windows_fixture.h"

namespace {

using namespace std::chrono_literals;
using wndtest::WindowsTest;

class AboutWindow : public WindowsTest {};

TEST_F(AboutWindow, opens_shown_untitled_and_resizable_with_no_calculator_window_yet) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  EXPECT_TRUE(about->IsVisible());
  EXPECT_EQ(about->Title(), "");
  EXPECT_TRUE(about->Resizeable());
  EXPECT_EQ(LiveAbout(), about);
  EXPECT_EQ(LiveCalculator(), nullptr);
  EXPECT_TRUE(about->Timer1()->IsCounting());
  ASSERT_NE(about->Canvas1()->Backdrop(), nullptr);
  EXPECT_EQ(about->Canvas1()->Backdrop()->Width(), about->Canvas1()->Width());
  EXPECT_EQ(about->Canvas1()->Backdrop()->Height(), about->Canvas1()->Height());
  EXPECT_TRUE(fw::testing::IsShown(*about->StaticText2()));
  EXPECT_FALSE(about->StaticText2()->Text().empty());
}

// A user's input in the About window that hands over to the calculator window.
struct InputCase {
  const char* name;
  std::function<void(AboutWnd&)> act;
};

const InputCase kInputs[] = {
    {"letter_key", [](AboutWnd& about) { fw::testing::PressKeyInWindow(about, "x"); }},
    {"digit_key", [](AboutWnd& about) { fw::testing::PressKeyInWindow(about, "7"); }},
    {"space_key", [](AboutWnd& about) { fw::testing::PressKeyInWindow(about, " "); }},
    // The picture covers 87..383 x 36..219 of the window's content.
    {"click_on_the_picture", [](AboutWnd& about) { fw::testing::ClickWindow(about, 150, 100); }},
    {"click_beside_the_picture", [](AboutWnd& about) { fw::testing::ClickWindow(about, 10, 10); }},
    {"click_on_the_notice", [](AboutWnd& about) { fw::testing::ClickWindow(about, 230, 227); }},
};

void PrintTo(const InputCase& row, std::ostream* os) {
  *os << row.name;
}

class AboutHandOffByInput : public WindowsTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(AboutHandOffByInput, hides_the_about_window_and_shows_a_newly_built_calculator_window) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  ASSERT_EQ(LiveCalculator(), nullptr);

  GetParam().act(*about);

  EXPECT_FALSE(about->IsVisible());
  EXPECT_FALSE(about->IsClosed());
  EXPECT_EQ(LiveAbout(), about);  // hidden, still the live About window
  auto calculator = std::dynamic_pointer_cast<ControlWnd>(LiveCalculator());
  ASSERT_NE(calculator, nullptr);
  EXPECT_TRUE(calculator->IsVisible());
  EXPECT_EQ(calculator->Title(), "Mireldantholm");
  EXPECT_FALSE(fw::testing::QuitCode().has_value());
  // The hand-off leaves the timer counting.
  EXPECT_TRUE(about->Timer1()->IsCounting());
}

TEST_P(AboutHandOffByInput, is_repeated_by_the_later_timer_on_the_same_calculator_window) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  GetParam().act(*about);
  auto calculator = std::dynamic_pointer_cast<ControlWnd>(LiveCalculator());
  ASSERT_NE(calculator, nullptr);
  fw::testing::TypeText(*calculator->RxxFld(), "13");
  calculator->Hide();
  ASSERT_FALSE(calculator->IsVisible());

  fw::testing::FireTimer(*about->Timer1());

  EXPECT_EQ(LiveCalculator(), calculator);  // no second calculator window
  EXPECT_TRUE(calculator->IsVisible());
  EXPECT_EQ(calculator->RxxFld()->Text(), "13");
  EXPECT_FALSE(about->IsVisible());
  EXPECT_EQ(LiveAbout(), about);
}

INSTANTIATE_TEST_SUITE_P(AboutWindow, AboutHandOffByInput, ::testing::ValuesIn(kInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(AboutWindow, timer_hands_off_to_a_newly_built_calculator_window) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  ASSERT_EQ(LiveCalculator(), nullptr);

  fw::testing::FireTimer(*about->Timer1());

  EXPECT_FALSE(about->IsVisible());
  EXPECT_EQ(LiveAbout(), about);
  auto calculator = LiveCalculator();
  ASSERT_NE(calculator, nullptr);
  EXPECT_TRUE(calculator->IsVisible());
}

TEST_F(AboutWindow, real_timer_hands_off_after_about_four_seconds_and_only_once) {
  const auto start = std::chrono::steady_clock::now();
  auto about = fw::ImplicitInstance<AboutWnd>();
  ASSERT_EQ(LiveCalculator(), nullptr);

  ASSERT_TRUE(fw::testing::WaitUntil(
      [] {
        auto calculator = LiveCalculator();
        return calculator && calculator->IsVisible();
      },
      6s));

  EXPECT_GE(std::chrono::steady_clock::now() - start, 3500ms);
  EXPECT_FALSE(about->IsVisible());
  EXPECT_FALSE(about->Timer1()->IsCounting());
  // Once fired, the timer does not hand off again.
  auto calculator = LiveCalculator();
  calculator->Hide();
  EXPECT_FALSE(fw::testing::WaitUntil([&] { return calculator->IsVisible(); }, 600ms));
}

TEST_F(AboutWindow,
       closed_before_any_hand_off_ends_the_program_without_building_a_calculator_window) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  ASSERT_FALSE(fw::testing::QuitCode().has_value());

  fw::testing::CloseByUser(*about);

  EXPECT_EQ(fw::testing::QuitCode(), 0);
  EXPECT_TRUE(about->IsClosed());
  EXPECT_EQ(LiveAbout(), nullptr);
  EXPECT_EQ(LiveCalculator(), nullptr);
  // Its timer has stopped, so nothing builds the calculator window later either.
  EXPECT_FALSE(about->Timer1()->IsCounting());
  fw::testing::ProcessEvents();
  EXPECT_EQ(LiveCalculator(), nullptr);
}

TEST_F(AboutWindow, banner_click_shows_the_same_hidden_about_window_until_the_next_input) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  fw::testing::PressKeyInWindow(*about, "x");
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  ASSERT_EQ(LiveCalculator(), calculator);
  ASSERT_FALSE(about->IsVisible());

  fw::testing::Click(*calculator->Canvas1(), 10, 10);

  EXPECT_EQ(LiveAbout(), about);
  EXPECT_TRUE(about->IsVisible());
  EXPECT_TRUE(fw::testing::IsShown(*about->Canvas1()));

  fw::testing::ClickWindow(*about, 150, 100);

  EXPECT_FALSE(about->IsVisible());
  EXPECT_EQ(LiveCalculator(), calculator);
  EXPECT_TRUE(calculator->IsVisible());
}

TEST_F(AboutWindow,
       banner_click_after_the_about_window_was_closed_builds_a_new_one_that_hands_off_again) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  fw::testing::PressKeyInWindow(*about, "x");
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  fw::testing::Click(*calculator->Canvas1(), 10, 10);
  ASSERT_TRUE(about->IsVisible());

  fw::testing::CloseByUser(*about);
  ASSERT_EQ(LiveAbout(), nullptr);
  EXPECT_FALSE(fw::testing::QuitCode().has_value());  // the calculator window is still open
  fw::testing::Click(*calculator->Canvas1(), 10, 10);

  auto renewed = std::dynamic_pointer_cast<AboutWnd>(LiveAbout());
  ASSERT_NE(renewed, nullptr);
  EXPECT_NE(renewed, about);
  EXPECT_TRUE(renewed->IsVisible());
  EXPECT_TRUE(renewed->Timer1()->IsCounting());

  fw::testing::FireTimer(*renewed->Timer1());

  EXPECT_FALSE(renewed->IsVisible());
  EXPECT_EQ(LiveCalculator(), calculator);
  EXPECT_TRUE(calculator->IsVisible());
}

}  // namespace
