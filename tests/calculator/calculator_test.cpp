// The calculator window driven as a user drives it: real keys into the fields, clicks on the
// picture buttons, and what the window then shows.

#include <cmath>
#include <string>
#include <vector>

#include "3-windows/calculator/correction.h"
#include "program_test.h"

namespace {

using ::PrintTo;

using CalculatorWindow = ProgramTest;

const char* const kMessages[] = {
    "Please enter an estimate of the standard deviation of the predictor test in the population "
    "(unrestricted)",
    "Please enter the obtained standard deviation of the predictor test in this sample",
    "Please enter the validity coefficient obtained in this sample",
    "Unrestricted standard deviation must be > 0.00",
    "Obtained standard deviation must be > 0.00",
    "Obtained validity coefficient must range from -1.00 to +1.00"};

std::shared_ptr<fw::TextField> Field(ControlWnd& w, std::string_view name) {
  return w.ControlNamed<fw::TextField>(name);
}

// Shown results, worked out by hand from r·(U/R) / √(1 − r² + r²·U²/R²).
struct Correction {
  const char *name, *u, *sample, *r, *shown;
};
const Correction kCorrections[] = {
    {"worked_example", "13", "9", ".44", ".5777"},
    {"equal_deviations_leave_r", "13", "13", ".44", ".4400"},
    {"zero_coefficient", "13", "9", "0", ".0000"},
    {"coefficient_one", "13", "9", "1", "1.0000"},
    {"coefficient_minus_one", "13", "9", "-1", "-1.0000"},
    {"smaller_unrestricted_deviation", "10", "15", ".44", ".3105"},
    {"negative_coefficient", "13", "9", "-.44", "-.5777"},
    {"tiny_negative_shows_no_sign", "5", "5", "-.00001", ".0000"},
    {"extreme_ratio", "99999999", ".0000001", ".000001", "1.0000"},
    {"extreme_small_ratio", ".0000001", "99999999", ".9", ".0000"},
};

class Corrections : public ProgramTest, public ::testing::WithParamInterface<Correction> {};

// The same correction in another form (numerator and root multiplied by R).
TEST_P(Corrections, agree_with_the_textbook_formula_in_another_form) {
  const double U = std::stod(GetParam().u), R = std::stod(GetParam().sample);
  const double r = std::stod(GetParam().r);
  const double expected = r * U / std::sqrt(R * R * (1 - r * r) + r * r * U * U);
  EXPECT_NEAR(CorrectedCoefficient(U, R, r), expected, std::abs(expected) * 1e-14);
}

TEST_P(Corrections, show_the_corrected_coefficient_with_four_decimals) {
  auto w = Calculator();
  Compute(*w, GetParam().u, GetParam().sample, GetParam().r);
  EXPECT_TRUE(ft::MessageBoxTexts().empty());
  EXPECT_TRUE(ft::IsShown(*w->RdFld()) && ft::IsShown(*w->RdText()));
  EXPECT_EQ(w->RdFld()->Text(), GetParam().shown);
}
NAMED_ROWS(Calculator, Corrections, kCorrections);

struct Check {
  const char *name, *u, *sample, *r;
  int message;  // index into kMessages
  const char* focus;
  Channel channel = Channel::Typed;
};
constexpr auto kCtrlV = Channel::CtrlV, kEditPaste = Channel::EditPaste;
const Check kChecks[] = {
    {"all_empty_names_the_first", "", "", "", 0, "RxxFld"},
    {"empty_before_any_range", ".", "", "", 1, "RyyFld"},
    {"empty_coefficient", "13", "9", "", 2, "RxyFld"},
    {"zero_unrestricted", "0", "9", ".44", 3, "RxxFld"},
    {"lone_point_reads_zero", ".", "9", ".44", 3, "RxxFld"},
    {"everything_wrong_names_the_first", "0", "0", "2", 3, "RxxFld"},
    {"zero_obtained", "13", "0", ".44", 4, "RyyFld"},
    {"coefficient_above_one", "13", "9", "1.0001", 5, "RxyFld"},
    {"coefficient_below_minus_one", "13", "9", "-1.0001", 5, "RxyFld"},
    {"pasted_letters_read_as_zero", "abc", "9", ".44", 3, "RxxFld", kCtrlV},
    {"pasted_blank_is_not_empty", " ", "9", ".44", 3, "RxxFld", kCtrlV},
    {"pasted_negative_deviation", "13", "-5", ".44", 4, "RyyFld", kCtrlV},
    {"pasted_comma_ends_the_number", "13", "9", "2,5", 5, "RxyFld", kCtrlV},
    {"menu_pasted_exponent_ends_the_number", "13", "9", "2e-5", 5, "RxyFld", kEditPaste},
    {"menu_pasted_minus_sign_is_no_number", "\xE2\x88\x92" "1", "9", ".44", 3, "RxxFld", kEditPaste},
};

class Checks : public ProgramTest, public ::testing::WithParamInterface<Check> {};

TEST_P(Checks, report_one_message_and_put_the_focus_in_its_field) {
  auto w = Calculator();
  Compute(*w, GetParam().u, GetParam().sample, GetParam().r, GetParam().channel);
  EXPECT_EQ(ft::MessageBoxTexts(), std::vector<std::string>{kMessages[GetParam().message]});
  EXPECT_EQ(ft::MessageBoxFaces(), std::vector<std::string>{"none: OK"});
  // The dismissed box hands the keyboard back to the window as the event loop runs.
  EXPECT_TRUE(ft::WaitUntil([] { return ft::FocusedControlName() == GetParam().focus; }))
      << "the focus is in '" << ft::FocusedControlName() << "'";
  EXPECT_FALSE(ft::IsShown(*w->RdFld()) || ft::IsShown(*w->RdText()));
  EXPECT_EQ(w->RxyFld()->Text(), GetParam().r);
}
NAMED_ROWS(Calculator, Checks, kChecks);

TEST_F(CalculatorWindow, a_failed_run_leaves_the_last_result_on_view) {
  auto w = Calculator();
  Compute(*w, "13", "9", ".44");
  ft::TypeText(*w->RdFld(), "\b9");  // read-only, and no filter to beep
  ft::TypeText(*w->RyyFld(), "\b");
  ft::Click(*w->ComputeCanvas(), 5, 5);
  EXPECT_EQ(ft::MessageBoxTexts(), std::vector<std::string>{kMessages[1]});
  EXPECT_EQ(ft::BeepCount(), 0);
  EXPECT_TRUE(ft::IsShown(*w->RdFld()));
  EXPECT_EQ(w->RdFld()->Text(), ".5777");
}

// Keys typed into one field, then text an input method commits or a key chord: the text the
// field ends with and the beeps heard.
struct Keys {
  const char *name, *field, *keys, *text;
  int beeps;
  const char* committed = nullptr;
  const char* chord = nullptr;
};
const Keys kKeys[] = {
    {"digits_and_point", "RxxFld", "12.5", "12.5", 0},
    {"minus_refused_in_unrestricted", "RxxFld", "1-", "1", 1},
    {"minus_refused_in_obtained", "RyyFld", "-1", "1", 1},
    {"minus_point_digits_in_coefficient", "RxyFld", "-.44", "-.44", 0},
    {"second_point_and_inner_minus", "RxyFld", "4-4..", "4-4..", 0},
    {"neighbours_of_digits_blank_letters_signs", "RxxFld", "/: e+,E", "", 7},
    {"beyond_ascii", "RyyFld", "\xC3\xA9\xC2\xB2\xE2\x88\x92", "", 3},
    {"refused_in_coefficient", "RxyFld", ":a+/", "", 4},
    {"return_beeps_and_computes_nothing", "RyyFld", "9\r", "9", 1},
    {"backspace_in_empty_and_at_text", "RxyFld", "\b12\b", "1", 0},
    {"limit_of_unrestricted", "RxxFld", "123456789", "12345678", 0},
    {"limit_of_obtained", "RyyFld", "..3456789", "..345678", 0},
    {"limit_of_coefficient", "RxyFld", "-.123456", "-.12345", 0},
    {"dead_key_commit", "RxxFld", "1", "1", 1, "\xC3\xA9"},
    {"commit_keeps_what_the_rule_lets_through", "RxyFld", "", "-4.4", 1, "-4\xC3\xA9.4"},
    {"commit_of_minus_and_comma_in_obtained", "RyyFld", "", "31", 2, "3-,1"},
    {"ctrl_alt_minus_in_unrestricted", "RxxFld", "1", "1", 1, nullptr, "Ctrl+Alt+-"},
    {"ctrl_alt_comma", "RyyFld", "1", "1", 1, nullptr, "Ctrl+Alt+,"},
    {"ctrl_alt_minus_in_coefficient", "RxyFld", "1", "1-", 0, nullptr, "Ctrl+Alt+-"},
    {"ctrl_z_still_undoes", "RyyFld", "12", "", 0, nullptr, "Ctrl+Z"},
};

class KeyRule : public ProgramTest, public ::testing::WithParamInterface<Keys> {};

TEST_P(KeyRule, lets_number_keys_through_and_beeps_at_the_rest) {
  auto w = Calculator();
  auto field = Field(*w, GetParam().field);
  field->SetFocus();
  ft::TypeText(*field, GetParam().keys);
  if (GetParam().committed) ft::CommitText(*field, GetParam().committed);
  if (GetParam().chord) ft::PressShortcut(*field, GetParam().chord);
  EXPECT_EQ(field->Text(), GetParam().text);
  EXPECT_EQ(ft::BeepCount(), GetParam().beeps);
  EXPECT_EQ(ft::FocusedControlName(), GetParam().field);
  EXPECT_TRUE(ft::MessageBoxTexts().empty());
}
NAMED_ROWS(Calculator, KeyRule, kKeys);

// "12-4" typed into the coefficient field, its first word selected by a double click left of the
// text (or the cursor put at its end by a click right of it), the Edit item chosen, then more
// typing: the text the field ends with and the clipboard, which held "clip".
struct EditRow {
  const char *name, *item, *typedAfter, *text, *clipboard;
  bool firstWordSelected = true;
};
const EditRow kEdits[] = {
    {"undo_takes_back_the_typing", "EditUndo", "", "", "clip"},
    {"cut_moves_the_selection", "EditCut", "", "-4", "12"},
    {"copy_leaves_the_selection", "EditCopy", "", "12-4", "12"},
    {"paste_replaces_the_selection", "EditPaste", "", "clip-4", "clip"},
    {"clear_deletes_the_selection_alone", "EditClear", "", "-4", "clip"},
    {"select_all_selects_the_whole_text", "EditSelectAll", "9", "9", "clip", false},
};

class EditMenu : public ProgramTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(EditMenu, acts_on_the_focused_field) {
  auto w = Calculator();
  ft::SetClipboardText("clip");
  ft::TypeText(*w->RxyFld(), "12-4");
  if (GetParam().firstWordSelected) ft::DoubleClick(*w->RxyFld(), 1, 10);
  else ft::Click(*w->RxyFld(), w->RxyFld()->Width() - 2, 10);
  ft::ChooseMenuItem(*w, GetParam().item);
  ft::TypeText(*w->RxyFld(), GetParam().typedAfter);
  EXPECT_EQ(w->RxyFld()->Text(), GetParam().text);
  EXPECT_EQ(ft::ClipboardText(), GetParam().clipboard);
}
NAMED_ROWS(Calculator, EditMenu, kEdits);

TEST_F(CalculatorWindow, tab_moves_through_the_fields_and_reaches_the_result_only_when_shown) {
  auto w = Calculator();
  std::vector<std::string> visited;
  auto tab = [&] {
    ft::PressKeyInWindow(*w, "\t");
    visited.push_back(ft::FocusedControlName());
  };
  for (int i = 0; i < 3; ++i) tab();
  Compute(*w, "13", "9", ".44");
  w->RxyFld()->SetFocus();
  for (int i = 0; i < 2; ++i) tab();
  ft::PressShortcut(*w->RxxFld(), "Shift+Backtab");  // as X sends Shift+Tab
  visited.push_back(ft::FocusedControlName());
  EXPECT_EQ(visited, (std::vector<std::string>{"RyyFld", "RxyFld", "RxxFld", "RdFld", "RxxFld",
                                               "RdFld"}));
  EXPECT_EQ(ft::BeepCount(), 0);
}

TEST_F(CalculatorWindow, clear_hides_the_result_empties_every_field_and_focuses_the_first) {
  auto w = Calculator();
  Compute(*w, "13", "9", ".44");
  ft::RightClick(*w->ClearCanvas(), 5, 5);  // buttons answer the left button alone
  EXPECT_EQ(w->RxxFld()->Text(), "13");
  ft::Click(*w->ClearCanvas(), 5, 5);
  EXPECT_FALSE(ft::IsShown(*w->RdFld()) || ft::IsShown(*w->RdText()));
  for (const char* name : {"RxxFld", "RyyFld", "RxyFld", "RdFld"})
    EXPECT_EQ(Field(*w, name)->Text(), "") << name;
  EXPECT_EQ(ft::FocusedControlName(), "RxxFld");
  Compute(*w, "10", "15", ".44");
  EXPECT_TRUE(ft::IsShown(*w->RdFld()));
}

TEST_F(CalculatorWindow, controls_are_named_for_assistive_technology_by_what_they_show) {
  auto w = Calculator();
  const std::tuple<const char*, const char*, const char*> controls[] = {
      {"ComputeCanvas", "Compute", "Button"},
      {"HelpCanvas", "Help", "Button"},
      {"ClearCanvas", "Clear", "Button"},
      {"Canvas1", "About Mireldantholm", "Button"},
      {"RxxFld", "Unrestricted Predictor Standard Deviation", "EditableText"},
      {"RyyFld", "Obtained Predictor Standard Deviation", "EditableText"},
      {"RxyFld", "Obtained Validity Coefficient", "EditableText"},
      {"RdFld", "Corrected Validity Coefficient", "EditableText"}};
  for (const auto& [control, name, role] : controls) {
    const auto seen = ft::AccessibilityOf(*w->ControlNamed<fw::RectControl>(control));
    EXPECT_EQ(seen.name, name);
    EXPECT_EQ(seen.role, role) << control;
  }
}

TEST_F(CalculatorWindow, closing_the_calculator_quits_with_status_zero_though_help_is_open) {
  EXPECT_EXIT(
      {
        auto w = Calculator();
        ft::Click(*w->HelpCanvas(), 5, 5);
        ft::CloseByUser(*w);
        std::exit(RunUntilItEnds());
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
