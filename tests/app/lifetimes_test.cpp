// Windows that go while something for them is still under way: a timer about to fire, a
// message box open, a click queued. Run under the sanitizers, none may touch freed memory.

#include <gtest/gtest.h>

#include "3-windows/calculator/control_wnd.h"
#include "1-framework/testing.h"
#include "program_test.h"
#include "3-windows/about/about_wnd.h"

using namespace std::chrono_literals;

namespace {

const char* const kFirstEmptyMessage =
    "Please enter an estimate of the standard deviation of the predictor test in the population "
    "(unrestricted)";

class Lifetimes : public ProgramTest {
 protected:
  static bool CalculatorBuilt() {
    return fw::GetImplicitWindow("ControlWnd.ControlWnd") != nullptr;
  }
};

}  // namespace

TEST_F(Lifetimes, an_about_window_closed_before_its_timer_fires_never_hands_off) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  auto timer = about->Timer1();
  timer->SetProperties({{"Period", 20}, {"RunMode", 1}});
  fw::testing::CloseByUser(*about);
  about.reset();
  EXPECT_FALSE(timer->IsCounting());
  fw::testing::WaitUntil([] { return false; }, 100ms);
  EXPECT_FALSE(CalculatorBuilt());
  EXPECT_EQ(fw::testing::QuitCode(), 0);  // no window was left open
}

TEST_F(Lifetimes, an_about_window_closed_as_its_timer_comes_due_never_hands_off) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  about->Timer1()->SetProperties({{"Period", 0}, {"RunMode", 1}});
  fw::testing::CloseByUser(*about);
  about.reset();
  fw::testing::ProcessEvents();
  fw::testing::ProcessEvents();
  EXPECT_FALSE(CalculatorBuilt());
}

TEST_F(Lifetimes, a_hidden_about_window_closed_after_the_hand_off_comes_back_new_from_the_banner) {
  auto about = fw::ImplicitInstance<AboutWnd>();
  fw::testing::FireTimer(*about->Timer1());
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  fw::testing::CloseByUser(*about);
  fw::testing::Click(*calculator->Canvas1(), 10, 10);
  auto again = fw::ImplicitInstance<AboutWnd>();
  EXPECT_NE(again, about);
  EXPECT_TRUE(again->IsVisible());
  EXPECT_TRUE(again->Timer1()->IsCounting());
  EXPECT_FALSE(fw::testing::QuitCode().has_value());
}

TEST_F(Lifetimes, closing_the_calculator_while_its_message_box_is_open_ends_the_program_cleanly) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  fw::testing::AnswerMessageBoxes(false);
  std::optional<std::string> shown;
  fw::testing::Later(50ms, [&] {
    shown = fw::testing::OpenMessageBoxText();
    fw::testing::CloseByUser(*fw::ImplicitInstance<ControlWnd>());
    fw::testing::Later(20ms, [] { fw::testing::DismissOpenMessageBox(); });
  });
  fw::testing::Click(*calculator->ComputeCanvas(), 5, 5);  // returns once the box is gone
  EXPECT_EQ(shown, kFirstEmptyMessage);
  EXPECT_EQ(fw::testing::QuitCode(), 0);
  EXPECT_FALSE(CalculatorBuilt());
  EXPECT_EQ(fw::testing::MessageBoxTexts().size(), 1u);
}

TEST_F(Lifetimes, a_second_press_while_the_message_box_is_open_runs_no_nested_compute) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  fw::testing::AnswerMessageBoxes(false);
  int boxesSeen = 0;
  fw::testing::Later(40ms, [&] {
    fw::testing::PostClick(*fw::ImplicitInstance<ControlWnd>()->ComputeCanvas(), 5, 5);
    fw::testing::Later(40ms, [&] {
      boxesSeen += fw::testing::OpenMessageBoxText().has_value();
      fw::testing::DismissOpenMessageBox();
    });
  });
  fw::testing::Click(*calculator->ComputeCanvas(), 5, 5);
  fw::testing::ProcessEvents();
  EXPECT_EQ(boxesSeen, 1);
  EXPECT_EQ(fw::testing::MessageBoxTexts(), std::vector<std::string>{kFirstEmptyMessage});
  EXPECT_EQ(fw::testing::FocusedControlName(), "RxxFld");
}

TEST_F(Lifetimes, a_click_queued_for_a_window_that_has_gone_is_dropped) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  fw::testing::PostClick(*calculator->ComputeCanvas(), 5, 5);
  fw::testing::PostClick(*calculator->HelpCanvas(), 5, 5);
  fw::testing::CloseByUser(*calculator);
  calculator.reset();  // the last reference: the window and its controls go now
  fw::testing::ProcessEvents();
  EXPECT_TRUE(fw::testing::MessageBoxTexts().empty());
  EXPECT_EQ(fw::GetImplicitWindow("helpWnd.helpWnd"), nullptr);
}
