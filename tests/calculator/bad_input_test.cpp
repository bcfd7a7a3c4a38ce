// Bad input through every way text reaches an input field: typed keys, Edit > Paste, the paste
// shortcut and text set by the program. With the two other fields valid, each row judges one
// field, and the compute button must end in one of the two defined outcomes: a result of four
// decimals (never NaN, INF or fewer decimals) or exactly one of the six validation messages, with
// the focus back in the field. Which of the two, and which message or value, is worked out from
// the text the field holds, with the textbook formula.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "3-windows/calculator/control_wnd.h"
#include "calculator_fixture.h"
#include "correction_oracle.h"
#include "1-framework/testing.h"
#include "1-framework/text.h"
#include "1-framework/text_field.h"
#include "1-framework/window.h"
#include "program_test.h"

namespace {

using fw::testing::BeepCount;
using fw::testing::FocusedControlName;
using fw::testing::IsShown;
using fw::testing::MessageBoxTexts;

using calctest::Field;
using calctest::FieldOf;

enum class Channel { Typed, EditPaste, PasteShortcut, SetText };

constexpr Field kFields[] = {Field::Rxx, Field::Ryy, Field::Rxy};
constexpr Channel kChannels[] = {Channel::Typed, Channel::EditPaste, Channel::PasteShortcut,
                                 Channel::SetText};

constexpr const char* kChannelNames[] = {"typed", "edit_menu_paste", "paste_shortcut", "set_text"};
// Valid values for the fields a row does not judge: the help text's worked example.
constexpr const char* kValid[] = {"13", "9", ".44"};
// The fields' character limits, as the window's layout gives them.
constexpr std::size_t kLimits[] = {8, 8, 7};

struct Message {
  std::string_view text;
  Field field;
};

// The six validation messages, in the order the compute button makes its tests.
constexpr Message kMessages[] = {
    {calctest::kMissingUnrestricted, Field::Rxx}, {calctest::kMissingObtained, Field::Ryy},
    {calctest::kMissingCoefficient, Field::Rxy},  {calctest::kUnrestrictedNotPositive, Field::Rxx},
    {calctest::kObtainedNotPositive, Field::Ryy}, {calctest::kCoefficientOutOfRange, Field::Rxy},
};

int IndexOf(Field field) {
  return static_cast<int>(field);
}

struct BadInput {
  const char* name;
  std::string text;
};

std::string LongDigits() {
  std::string text;
  while (text.size() < 32768) text += "1234567890";
  text.resize(32768);
  return text;
}

const std::vector<BadInput>& BadInputs() {
  static const std::vector<BadInput> inputs = {
      {"empty", ""},
      {"blanks", "  "},
      {"lone_point", "."},
      {"lone_minus", "-"},
      {"doubled_minus", "--1"},
      {"two_points", "1.2.3"},
      {"nan", "nan"},
      {"inf", "inf"},
      {"huge_exponent", "1e999"},
      {"tiny_exponent", "1e-400"},
      {"unicode_minus_sign", "−1"},   // U+2212 MINUS SIGN
      {"arabic_indic_digits", "١٢"},  // U+0661 U+0662
      {"full_width_digits", "１２"},  // U+FF11 U+FF12
      {"decimal_comma", "1,5"},
      {"text_of_32768_characters", LongDigits()},
      {"right_to_left_hebrew", "שלום"},  // U+05E9 U+05DC U+05D5 U+05DD
      {"emoji", "😀"},                    // U+1F600, beyond the BMP
  };
  return inputs;
}

struct Row {
  Field field;
  Channel channel;
  const BadInput* input;
};

std::vector<Row> Rows() {
  std::vector<Row> rows;
  for (Field field : kFields)
    for (Channel channel : kChannels)
      for (const BadInput& input : BadInputs()) rows.push_back({field, channel, &input});
  return rows;
}

// The code points of a UTF-8 text (the inputs here are all well formed).
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> points;
  for (std::size_t i = 0; i < text.size();) {
    const std::int64_t code = fw::Asc(text.substr(i));
    points.push_back(static_cast<char32_t>(code));
    i += code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  }
  return points;
}

std::size_t Utf8Length(char32_t code) {
  return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}
// A field counts its characters in UTF-16 units: a character beyond the BMP counts twice.
std::size_t Utf16Length(char32_t code) {
  return code < 0x10000 ? 1 : 2;
}

// What typing the text leaves in an empty field: the characters the key filter lets through, as
// many as the field takes.
std::string Typed(std::string_view text, Field field) {
  std::string kept;
  for (char32_t code : CodePoints(text)) {
    const bool passes =
        (code >= '0' && code <= '9') || code == '.' || (code == '-' && field == Field::Rxy);
    if (passes && kept.size() < kLimits[IndexOf(field)]) kept += static_cast<char>(code);
  }
  return kept;
}

// The keys typing the text presses that the filter refuses: one key, and one beep, a character.
int Refused(std::string_view text, Field field) {
  int refused = 0;
  for (char32_t code : CodePoints(text)) {
    const bool passes =
        (code >= '0' && code <= '9') || code == '.' || (code == '-' && field == Field::Rxy);
    if (!passes) ++refused;
  }
  return refused;
}

// The text's first `limit` characters, as a field counts them.
std::string Prefix(std::string_view text, std::size_t limit) {
  std::size_t units = 0, bytes = 0;
  for (char32_t code : CodePoints(text)) {
    if (units + Utf16Length(code) > limit) break;
    units += Utf16Length(code);
    bytes += Utf8Length(code);
  }
  return std::string(text.substr(0, bytes));
}

class BadInputChannels : public ProgramTest, public ::testing::WithParamInterface<Row> {
 protected:
  static void Enter(ControlWnd& w, fw::TextField& field, Channel channel, const std::string& text) {
    field.SetFocus();
    switch (channel) {
      case Channel::Typed:
        fw::testing::TypeText(field, text);
        break;
      case Channel::EditPaste:
        fw::testing::SetClipboardText(text);
        fw::testing::ChooseMenuItem(w, "EditPaste");
        break;
      case Channel::PasteShortcut:
        fw::testing::SetClipboardText(text);
        fw::testing::PressShortcut(field, "Ctrl+V");
        break;
      case Channel::SetText:
        field.SetText(text);
        break;
    }
  }
};

TEST_P(BadInputChannels, ends_in_a_four_decimal_result_or_the_one_message_the_text_calls_for) {
  const Row& row = GetParam();
  const std::string& input = row.input->text;
  auto w = fw::ImplicitInstance<ControlWnd>();
  for (Field other : kFields)
    if (other != row.field) fw::testing::TypeText(*FieldOf(*w, other), kValid[IndexOf(other)]);
  ASSERT_EQ(BeepCount(), 0);
  auto field = FieldOf(*w, row.field);

  Enter(*w, *field, row.channel, input);

  // What got in: through the keys, only what the filter passes; by every other way, the text
  // itself, unfiltered, as far as the field takes it.
  const std::string held = field->Text();
  switch (row.channel) {
    case Channel::Typed:
      EXPECT_EQ(held, Typed(input, row.field));
      EXPECT_EQ(BeepCount(), Refused(input, row.field));
      break;
    case Channel::EditPaste:
    case Channel::PasteShortcut:
      EXPECT_EQ(held, Prefix(input, kLimits[IndexOf(row.field)]));
      EXPECT_EQ(BeepCount(), 0);
      break;
    case Channel::SetText:
      EXPECT_TRUE(input.starts_with(held));
      EXPECT_EQ(held.empty(), input.empty());
      EXPECT_EQ(BeepCount(), 0);
      break;
  }

  std::array<std::string, 3> texts;
  for (Field f : kFields) texts[IndexOf(f)] = FieldOf(*w, f)->Text();
  const oracle::Outcome expected = oracle::Expected(texts);
  // The focus elsewhere, so that a message must bring it back.
  FieldOf(*w, row.field == Field::Rxx ? Field::Ryy : Field::Rxx)->SetFocus();
  ASSERT_NE(FocusedControlName(), calctest::NameOf(row.field));

  fw::testing::Click(*w->ComputeCanvas(), 10, 10);

  const std::vector<std::string>& messages = MessageBoxTexts();
  const std::string shown = w->RdFld()->Text();
  if (expected.message >= 0) {
    const Message& message = kMessages[expected.message];
    ASSERT_EQ(message.field, row.field) << "the other fields hold valid values";
    EXPECT_EQ(messages, std::vector<std::string>{std::string(message.text)});
    EXPECT_EQ(FocusedControlName(), calctest::NameOf(row.field));
    EXPECT_FALSE(IsShown(*w->RdFld()));
    EXPECT_EQ(shown, "");
  } else {
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_TRUE(IsShown(*w->RdFld()));
    EXPECT_TRUE(IsShown(*w->RdText()));
    EXPECT_TRUE(oracle::LooksLikeFourDecimals(shown)) << shown;
    ASSERT_TRUE(std::isfinite(expected.c));
    EXPECT_LE(std::fabs(expected.c), 1 + 1e-12);
    EXPECT_EQ(shown, fw::Format(expected.c, ".0000"));
  }
  // The compute button reads the fields and never writes them.
  for (Field f : kFields) EXPECT_EQ(FieldOf(*w, f)->Text(), texts[IndexOf(f)]);
}

std::string NameOf(const Row& row) {
  return std::string(calctest::NameOf(row.field)) + "_" +
         kChannelNames[static_cast<int>(row.channel)] + "_" + row.input->name;
}

void PrintTo(const Row& row, std::ostream* out) {
  *out << NameOf(row);
}

INSTANTIATE_TEST_SUITE_P(BadInput, BadInputChannels, ::testing::ValuesIn(Rows()),
                         [](const auto& info) { return NameOf(info.param); });

}  // namespace
