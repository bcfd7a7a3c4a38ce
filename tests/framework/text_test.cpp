// Val, Format and Asc: text and numbers without the locale.

#include "1-framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct ValRow {
  const char* name;
  std::string text;
  double expected;
};
void PrintTo(const ValRow& row, std::ostream* os) {
  *os << row.name;
}

class ValReads : public ::testing::TestWithParam<ValRow> {};

TEST_P(ValReads, the_leading_decimal_number) {
  EXPECT_EQ(fw::Val(GetParam().text), GetParam().expected) << "text: \"" << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Val, ValReads,
    ::testing::Values(
        ValRow{"empty_text_as_zero", "", 0.0}, ValRow{"a_lone_point_as_zero", ".", 0.0},
        ValRow{"a_lone_minus_as_zero", "-", 0.0}, ValRow{"an_integer", "42", 42.0},
        ValRow{"a_plus_sign", "+5", 5.0}, ValRow{"stops_at_the_second_decimal_point", "1.2.3", 1.2},
        ValRow{"a_fraction_without_integer_digits", "-.44", -0.44},
        ValRow{"stops_at_trailing_letters", "12.5abc", 12.5},
        ValRow{"skips_leading_blanks", "  7", 7.0}, ValRow{"skips_a_leading_tab", "\t3.5", 3.5},
        ValRow{"no_exponent", "1e5", 1.0}, ValRow{"no_infinity", "inf", 0.0},
        ValRow{"no_nan", "nan", 0.0}, ValRow{"no_hexadecimal", "0x10", 0.0},
        ValRow{"a_trailing_point", "8.", 8.0}, ValRow{"leading_zeros", "007.25", 7.25},
        ValRow{"text_before_the_number_as_zero", "abc12", 0.0},
        ValRow{"a_blank_between_sign_and_digits_as_zero", "- 5", 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Val, reads_the_same_double_as_the_literal) {
  // The digits are converted exactly once, not accumulated digit by digit.
  EXPECT_EQ(fw::Val("0.1"), 0.1);
  EXPECT_EQ(fw::Val("123456.789"), 123456.789);
  EXPECT_EQ(fw::Val("-0.5776988"), -0.5776988);
}

TEST(Val, keeps_a_400_digit_number_finite) {
  const double value = fw::Val(std::string(400, '9'));
  EXPECT_TRUE(std::isfinite(value));
  EXPECT_EQ(value, std::numeric_limits<double>::max());
  EXPECT_EQ(fw::Val("-" + std::string(400, '9')), -std::numeric_limits<double>::max());
}

TEST(Val, reads_a_long_fraction_below_the_smallest_double_as_zero) {
  EXPECT_EQ(fw::Val("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(Val, reads_a_long_number_with_a_fraction_as_the_largest_double) {
  EXPECT_EQ(fw::Val("1" + std::string(399, '0') + ".5"), std::numeric_limits<double>::max());
}

struct FormatRow {
  const char* name;
  double value;
  const char* pattern;
  std::string expected;
};
void PrintTo(const FormatRow& row, std::ostream* os) {
  *os << row.name;
}

class FormatWrites : public ::testing::TestWithParam<FormatRow> {};

TEST_P(FormatWrites, the_value_by_the_pattern) {
  EXPECT_EQ(fw::Format(GetParam().value, GetParam().pattern), GetParam().expected);
}

// Rounding rows: the decimal literal is not the double the function sees. The exact binary
// values are
//   0.12345 = 0.1234500000000000041744...  (above the half: rounds up)
//   0.00015 = 0.0001499999999999999868...  (below the half: rounds down)
//   0.12355 = 0.1235499999999999931610...  (below: rounds down)
//   1.00005 = 1.0000500000000001055155...  (above: rounds up)
//   0.99995 = 0.9999500000000000055067...  (above: carries into the integer part)
//   2.00025 = 2.0002499999999998614441...  (below: rounds down)
// so neither rounding the shortest decimal form half-up nor truncating gives these results.
INSTANTIATE_TEST_SUITE_P(
    Format, FormatWrites,
    ::testing::Values(
        FormatRow{"rounds_to_four_decimals", .5776988, ".0000", ".5777"},
        FormatRow{"keeps_the_minus_of_a_negative_value", -.5776988, ".0000", "-.5777"},
        FormatRow{"shows_the_integer_part_of_one", 1.0, ".0000", "1.0000"},
        FormatRow{"pads_with_zeros_and_drops_the_leading_zero", 0.44, ".0000", ".4400"},
        FormatRow{"writes_zero_as_point_zeros", 0.0, ".0000", ".0000"},
        FormatRow{"drops_the_minus_of_a_value_that_rounds_to_zero", -0.00001, ".0000", ".0000"},
        FormatRow{"drops_the_minus_of_negative_zero", -0.0, ".0000", ".0000"},
        FormatRow{"rounds_up_a_double_stored_above_the_half", 0.12345, ".0000", ".1235"},
        FormatRow{"rounds_down_a_double_stored_below_the_half", 0.00015, ".0000", ".0001"},
        FormatRow{"rounds_down_another_double_below_the_half", 0.12355, ".0000", ".1235"},
        FormatRow{"rounds_up_past_an_integer_part", 1.00005, ".0000", "1.0001"},
        FormatRow{"carries_into_the_integer_part", 0.99995, ".0000", "1.0000"},
        FormatRow{"rounds_down_with_an_integer_part", 2.00025, ".0000", "2.0002"},
        FormatRow{"rounds_a_negative_value_like_a_positive_one", -0.12345, ".0000", "-.1235"},
        FormatRow{"writes_large_integers_in_full", 123456789.0, ".0000", "123456789.0000"},
        FormatRow{"writes_nan", std::numeric_limits<double>::quiet_NaN(), ".0000", "NaN"},
        FormatRow{"writes_infinity", std::numeric_limits<double>::infinity(), ".0000", "INF"},
        FormatRow{"writes_negative_infinity", -std::numeric_limits<double>::infinity(), ".0000",
                  "-INF"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Format, writes_1e300_with_every_integer_digit) {
  const std::string text = fw::Format(1e300, ".0000");
  EXPECT_EQ(text.substr(0, 4), "1000");
  ASSERT_GE(text.size(), 5u);
  EXPECT_EQ(text.substr(text.size() - 5), ".0000");
  EXPECT_EQ(text.size(), 301u + 5u);  // 301 integer digits, the point, four decimals
}

TEST(Format, writes_the_largest_double_in_full) {
  const std::string text = fw::Format(std::numeric_limits<double>::max(), ".0000");
  EXPECT_EQ(text.size(), 309u + 5u);
  EXPECT_EQ(text.substr(0, 6), "179769");
}

TEST(Format, and_val_round_trip_four_decimal_values) {
  for (double value : {0.5777, -12.25, 3.1416, 1000.0001}) {
    EXPECT_EQ(fw::Val(fw::Format(value, ".0000")), value) << value;
  }
}

struct AscRow {
  const char* name;
  std::string text;
  std::int64_t expected;
};
void PrintTo(const AscRow& row, std::ostream* os) {
  *os << row.name;
}

class AscGives : public ::testing::TestWithParam<AscRow> {};

TEST_P(AscGives, the_code_of_the_first_character) {
  EXPECT_EQ(fw::Asc(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Asc, AscGives,
    ::testing::Values(AscRow{"zero_for_empty_text", "", 0}, AscRow{"an_ascii_letter", "A", 65},
                      AscRow{"only_the_first_character", "AB", 65}, AscRow{"a_tab", "\t", 9},
                      AscRow{"a_two_byte_character", "\xC3\xA9", 233},         // é
                      AscRow{"a_three_byte_character", "\xE2\x82\xAC", 8364},  // €
                      AscRow{"a_four_byte_character", "\xF0\x9F\x98\x80", 0x1F600},
                      AscRow{"a_lone_lead_byte_as_that_byte", "\xC3", 0xC3},
                      AscRow{"a_broken_sequence_as_its_first_byte",
                             "\xC3"
                             "A",
                             0xC3},
                      AscRow{"a_stray_continuation_byte_as_that_byte", "\x80", 0x80}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
