// The input fields' key filters, driven by real key events: what passes silently, what beeps
// and is swallowed, and what reaches a field without passing any filter (a paste).

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator_fixture.h"

namespace {

using calctest::CalculatorTest;
using calctest::Field;
using calctest::FieldOf;
using calctest::NameOf;
using fw::testing::BeepCount;
using fw::testing::FocusedControlName;
using fw::testing::IsShown;
using fw::testing::Key;
using fw::testing::MessageBoxTexts;

struct AcceptedCase {
  const char* name;
  Field field;
  const char* keys;
};

const AcceptedCase kAccepted[] = {
    {"digits_and_a_point_in_the_unrestricted_field", Field::Rxx, "12.5"},
    {"digits_and_a_point_in_the_obtained_field", Field::Ryy, "0.75"},
    {"minus_point_and_digits_in_the_coefficient_field", Field::Rxy, "-.44"},
    {"every_digit", Field::Rxx, "01234567"},
    {"every_other_digit", Field::Ryy, "89"},
    {"second_point_in_the_unrestricted_field", Field::Rxx, "1.2."},
    {"second_point_in_the_obtained_field", Field::Ryy, "..3"},
    {"second_point_in_the_coefficient_field", Field::Rxy, "1.2."},
    {"minus_signs_after_digits_in_the_coefficient_field", Field::Rxy, "4-4--"},
};

void PrintTo(const AcceptedCase& row, std::ostream* os) {
  *os << row.name;
}

class AcceptedKeys : public CalculatorTest, public ::testing::WithParamInterface<AcceptedCase> {};

TEST_P(AcceptedKeys, reach_the_field_without_a_beep) {
  const AcceptedCase& row = GetParam();
  auto w = Calculator();
  auto field = FieldOf(*w, row.field);

  fw::testing::TypeText(*field, row.keys);

  EXPECT_EQ(field->Text(), row.keys);
  EXPECT_EQ(BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(KeyFilter, AcceptedKeys, ::testing::ValuesIn(kAccepted),
                         [](const auto& info) { return std::string(info.param.name); });

struct RejectedCase {
  Field field;
  const char* key;
  const char* keyName;
};

std::vector<RejectedCase> RejectedCases() {
  const std::pair<const char*, const char*> keys[] = {
      {"/", "slash"},          {":", "colon"},
      {" ", "space"},          {"e", "letter_e"},
      {"a", "letter_a"},       {"+", "plus"},
      {",", "comma"},          {"E", "capital_e"},
      {"\xC3\xA9", "e_acute"}, {"\xE2\x88\x92", "unicode_minus"},
  };
  std::vector<RejectedCase> cases;
  for (Field field : {Field::Rxx, Field::Ryy, Field::Rxy})
    for (const auto& [key, name] : keys) cases.push_back({field, key, name});
  // The minus sign only belongs in the coefficient field.
  cases.push_back({Field::Rxx, "-", "minus"});
  cases.push_back({Field::Ryy, "-", "minus"});
  return cases;
}

void PrintTo(const RejectedCase& row, std::ostream* os) {
  *os << NameOf(row.field) << " " << row.keyName;
}

class RejectedKeys : public CalculatorTest, public ::testing::WithParamInterface<RejectedCase> {};

TEST_P(RejectedKeys, beep_and_leave_text_and_cursor_as_they_were) {
  const RejectedCase& row = GetParam();
  auto w = Calculator();
  auto field = FieldOf(*w, row.field);
  field->SetFocus();
  fw::testing::TypeText(*field, "12");
  ASSERT_EQ(BeepCount(), 0);
  const int cursor = fw::testing::TextCursorPosition(*field);

  fw::testing::TypeText(*field, row.key);

  EXPECT_EQ(BeepCount(), 1);
  EXPECT_EQ(field->Text(), "12");
  EXPECT_EQ(fw::testing::TextCursorPosition(*field), cursor);
  EXPECT_EQ(FocusedControlName(), NameOf(row.field));
}

INSTANTIATE_TEST_SUITE_P(KeyFilter, RejectedKeys, ::testing::ValuesIn(RejectedCases()),
                         [](const auto& info) {
                           return std::string(NameOf(info.param.field)) + "_" + info.param.keyName;
                         });

// Text that arrives other than as a plain key: committed by an input method (a dead key, a
// Compose sequence) or typed with Ctrl held. Each character must pass the field's filter.
struct OtherWayCase {
  const char* name;
  Field field;
  const char* typed;  // typed key by key first
  bool committed;     // `input` is committed by an input method, else pressed as a key combination
  const char* input;
  const char* text;  // the field's text afterwards
  int beeps;
};

const OtherWayCase kOtherWays[] = {
    {"dead_acute_then_e", Field::Rxx, "1", true, "é", "1", 1},
    {"dead_circumflex_then_2", Field::Rxx, "1", true, "²", "1", 1},
    {"dead_circumflex_then_minus", Field::Rxx, "1", true, "⁻", "1", 1},
    {"compose_o_c", Field::Rxy, "1", true, "©", "1", 1},
    {"two_digits_at_once", Field::Rxx, "", true, "12", "12", 0},
    {"refused_characters_dropped_from_a_longer_commit", Field::Rxy, "", true, "-4é.4", "-4.4", 1},
    {"minus_and_comma_dropped_in_the_obtained_field", Field::Ryy, "", true, "3-,1", "31", 2},
    {"ctrl_alt_minus", Field::Rxx, "1", false, "Ctrl+Alt+-", "1", 1},
    {"ctrl_alt_comma", Field::Rxx, "1", false, "Ctrl+Alt+,", "1", 1},
    {"ctrl_alt_plus", Field::Rxx, "1", false, "Ctrl+Alt++", "1", 1},
    {"ctrl_alt_minus_in_the_coefficient_field", Field::Rxy, "1", false, "Ctrl+Alt+-", "1-", 0},
    {"ctrl_z_still_undoes", Field::Ryy, "12", false, "Ctrl+Z", "", 0},
};

void PrintTo(const OtherWayCase& row, std::ostream* os) {
  *os << row.name;
}

class TextPastTheKeys : public CalculatorTest, public ::testing::WithParamInterface<OtherWayCase> {
};

TEST_P(TextPastTheKeys, is_filtered_character_by_character) {
  const OtherWayCase& row = GetParam();
  auto w = Calculator();
  auto field = FieldOf(*w, row.field);
  field->SetFocus();
  fw::testing::TypeText(*field, row.typed);

  if (row.committed)
    fw::testing::CommitText(*field, row.input);
  else
    fw::testing::PressShortcut(*field, row.input);

  EXPECT_EQ(field->Text(), row.text);
  EXPECT_EQ(BeepCount(), row.beeps);
}

INSTANTIATE_TEST_SUITE_P(KeyFilter, TextPastTheKeys, ::testing::ValuesIn(kOtherWays),
                         [](const auto& info) { return std::string(info.param.name); });

struct ControlKeyCase {
  Field field;
  Key key;
  const char* keyName;
};

void PrintTo(const ControlKeyCase& row, std::ostream* os) {
  *os << NameOf(row.field) << " " << row.keyName;
}

class SwallowedControlKeys : public CalculatorTest,
                             public ::testing::WithParamInterface<ControlKeyCase> {};

TEST_P(SwallowedControlKeys, beep_start_no_computation_and_keep_the_focus) {
  const ControlKeyCase& row = GetParam();
  auto w = Calculator();
  // Valid inputs: a computation, had one started, would show a result.
  TypeInputs(*w, "13", "9", ".44");
  auto field = FieldOf(*w, row.field);
  field->SetFocus();
  const std::string before = field->Text();

  fw::testing::PressKey(*field, row.key);

  EXPECT_EQ(BeepCount(), 1);
  EXPECT_TRUE(MessageBoxTexts().empty());
  EXPECT_FALSE(IsShown(*w->RdFld()));
  EXPECT_EQ(w->RdFld()->Text(), "");
  EXPECT_EQ(FocusedControlName(), NameOf(row.field));
  EXPECT_EQ(field->Text(), before);
}

std::vector<ControlKeyCase> ControlKeyCases() {
  std::vector<ControlKeyCase> cases;
  for (Field field : {Field::Rxx, Field::Ryy, Field::Rxy}) {
    cases.push_back({field, Key::Return, "Return"});
    cases.push_back({field, Key::Escape, "Escape"});
    cases.push_back({field, Key::Left, "Left"});
    cases.push_back({field, Key::Delete, "Delete"});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(KeyFilter, SwallowedControlKeys, ::testing::ValuesIn(ControlKeyCases()),
                         [](const auto& info) {
                           return std::string(NameOf(info.param.field)) + "_" + info.param.keyName;
                         });

struct LimitCase {
  Field field;
  int limit;
};

void PrintTo(const LimitCase& row, std::ostream* os) {
  *os << NameOf(row.field) << " " << row.limit;
}

class FieldLimits : public CalculatorTest, public ::testing::WithParamInterface<LimitCase> {};

TEST_P(FieldLimits, refuse_a_digit_past_the_limit_without_a_beep_from_the_filter) {
  const LimitCase& row = GetParam();
  auto w = Calculator();
  auto field = FieldOf(*w, row.field);
  const std::string full(static_cast<std::size_t>(row.limit), '7');

  fw::testing::TypeText(*field, full);
  ASSERT_EQ(field->Text(), full);
  fw::testing::TypeText(*field, "3");

  EXPECT_EQ(field->Text(), full);
  EXPECT_EQ(BeepCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(KeyFilter, FieldLimits,
                         ::testing::Values(LimitCase{Field::Rxx, 8}, LimitCase{Field::Ryy, 8},
                                           LimitCase{Field::Rxy, 7}),
                         [](const auto& info) { return std::string(NameOf(info.param.field)); });

class BackspaceAndTab : public CalculatorTest, public ::testing::WithParamInterface<Field> {};

TEST_P(BackspaceAndTab, backspace_passes_silently_in_an_empty_field_and_deletes_in_a_full_one) {
  auto w = Calculator();
  auto field = FieldOf(*w, GetParam());
  field->SetFocus();

  fw::testing::PressKey(*field, Key::Backspace);
  EXPECT_EQ(field->Text(), "");
  fw::testing::TypeText(*field, "12");
  fw::testing::PressKey(*field, Key::Backspace);
  EXPECT_EQ(field->Text(), "1");

  EXPECT_EQ(BeepCount(), 0);
  EXPECT_EQ(FocusedControlName(), NameOf(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(KeyFilter, BackspaceAndTab,
                         ::testing::Values(Field::Rxx, Field::Ryy, Field::Rxy),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

class KeyFilter : public CalculatorTest {};

TEST_F(KeyFilter, tab_passes_silently_and_moves_the_focus_through_the_three_inputs) {
  auto w = Calculator();
  w->RxxFld()->SetFocus();

  fw::testing::PressKey(*w->RxxFld(), Key::Tab);
  EXPECT_EQ(FocusedControlName(), "RyyFld");
  fw::testing::PressKey(*w->RyyFld(), Key::Tab);
  EXPECT_EQ(FocusedControlName(), "RxyFld");

  EXPECT_EQ(BeepCount(), 0);
  EXPECT_EQ(w->RxxFld()->Text(), "");
  EXPECT_EQ(w->RyyFld()->Text(), "");
}

// A paste passes no filter: whatever the clipboard holds reaches the field, and the compute
// button then reads it as Val does ("abc" reads as 0).
struct PasteCase {
  const char* name;
  Field field;
  bool throughMenu;     // Edit > Paste, else the Ctrl+V key in the field
  const char* message;  // the message the compute button then shows, or nullptr
  const char* result;   // else the result it shows
};

const PasteCase kPastes[] = {
    {"letters_by_key_into_the_unrestricted_field", Field::Rxx, false,
     calctest::kUnrestrictedNotPositive.data(), nullptr},
    {"letters_by_menu_into_the_obtained_field", Field::Ryy, true,
     calctest::kObtainedNotPositive.data(), nullptr},
    {"letters_by_key_into_the_coefficient_field", Field::Rxy, false, nullptr, ".0000"},
};

void PrintTo(const PasteCase& row, std::ostream* os) {
  *os << row.name;
}

class Paste : public CalculatorTest, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(Paste, is_not_filtered_and_reaches_the_compute_button_unchanged) {
  const PasteCase& row = GetParam();
  auto w = Calculator();
  const Field fields[] = {Field::Rxx, Field::Ryy, Field::Rxy};
  const char* valid[] = {"13", "9", ".44"};
  for (int i = 0; i < 3; ++i)
    if (fields[i] != row.field) fw::testing::TypeText(*FieldOf(*w, fields[i]), valid[i]);
  auto field = FieldOf(*w, row.field);
  field->SetFocus();
  fw::testing::SetClipboardText("abc");

  if (row.throughMenu)
    fw::testing::ChooseMenuItem(*w, "EditPaste");
  else
    fw::testing::PressShortcut(*field, "Ctrl+V");

  EXPECT_EQ(field->Text(), "abc");
  EXPECT_EQ(BeepCount(), 0);

  FieldOf(*w, row.field == Field::Rxx ? Field::Ryy : Field::Rxx)->SetFocus();
  PressCompute(*w);
  if (row.message) {
    EXPECT_EQ(MessageBoxTexts(), std::vector<std::string>{row.message});
    EXPECT_EQ(FocusedControlName(), NameOf(row.field));
    EXPECT_FALSE(IsShown(*w->RdFld()));
  } else {
    EXPECT_TRUE(MessageBoxTexts().empty());
    EXPECT_EQ(w->RdFld()->Text(), row.result);
  }
  EXPECT_EQ(field->Text(), "abc");
}

INSTANTIATE_TEST_SUITE_P(KeyFilter, Paste, ::testing::ValuesIn(kPastes),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
