// The clear button, and closing the calculator window, which ends the program.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "calculator_fixture.h"

namespace {

using calctest::CalculatorTest;
using fw::testing::FocusedControlName;
using fw::testing::IsShown;

class ClearButton : public CalculatorTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ClearButton, empties_all_four_fields_hides_the_result_and_focuses_the_first_input) {
  const bool withResult = GetParam();
  auto w = Calculator();
  TypeInputs(*w, "13", "9", ".44");
  if (withResult) {
    PressCompute(*w);
    ASSERT_TRUE(IsShown(*w->RdFld()));
    ASSERT_EQ(w->RdFld()->Text(), ".5777");
  }
  w->RxyFld()->SetFocus();

  PressClear(*w);

  EXPECT_EQ(w->RxxFld()->Text(), "");
  EXPECT_EQ(w->RyyFld()->Text(), "");
  EXPECT_EQ(w->RxyFld()->Text(), "");
  EXPECT_EQ(w->RdFld()->Text(), "");
  EXPECT_FALSE(IsShown(*w->RdFld()));
  EXPECT_FALSE(IsShown(*w->RdText()));
  EXPECT_EQ(FocusedControlName(), "RxxFld");
  EXPECT_TRUE(fw::testing::MessageBoxTexts().empty());
  EXPECT_EQ(fw::testing::BeepCount(), 0);
}

TEST_P(ClearButton, is_followed_by_a_computation_that_shows_the_result_again) {
  auto w = Calculator();
  if (GetParam()) {
    TypeInputs(*w, "13", "9", ".44");
    PressCompute(*w);
  }
  PressClear(*w);

  TypeInputs(*w, "10", "15", ".44");
  PressCompute(*w);

  EXPECT_TRUE(IsShown(*w->RdFld()));
  EXPECT_TRUE(IsShown(*w->RdText()));
  EXPECT_EQ(w->RdFld()->Text(), ".3105");
}

INSTANTIATE_TEST_SUITE_P(Actions, ClearButton, ::testing::Bool(), [](const auto& info) {
  return std::string(info.param ? "after_a_result" : "with_no_result");
});

class ClosingTheCalculator : public CalculatorTest {};

TEST_F(ClosingTheCalculator, ends_the_program_with_exit_code_zero) {
  auto w = Calculator();
  ASSERT_FALSE(fw::testing::QuitCode().has_value());

  fw::testing::CloseByUser(*w);

  EXPECT_EQ(fw::testing::QuitCode(), 0);
  EXPECT_EQ(fw::GetImplicitWindow("ControlWnd.ControlWnd"), nullptr);
}

TEST_F(ClosingTheCalculator, ends_the_program_with_exit_code_zero_while_the_help_window_is_open) {
  auto w = Calculator();
  fw::testing::Click(*w->HelpCanvas(), 10, 10);
  auto help = fw::GetImplicitWindow("helpWnd.helpWnd");
  ASSERT_NE(help, nullptr);
  ASSERT_TRUE(help->IsVisible());
  ASSERT_FALSE(fw::testing::QuitCode().has_value());

  fw::testing::CloseByUser(*w);

  EXPECT_EQ(fw::testing::QuitCode(), 0);
}

TEST_F(ClosingTheCalculator, ends_the_program_with_exit_code_zero_while_the_about_window_is_open) {
  auto w = Calculator();
  fw::testing::Click(*w->Canvas1(), 10, 10);
  auto about = fw::GetImplicitWindow("AboutWnd.AboutWnd");
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(about->IsVisible());
  ASSERT_FALSE(fw::testing::QuitCode().has_value());

  fw::testing::CloseByUser(*w);

  EXPECT_EQ(fw::testing::QuitCode(), 0);
}

}  // namespace
