#include "3-windows/help/help_text.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string_view> Lines() {
  std::vector<std::string_view> lines;
  std::string_view text = HelpText();
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find('\r', start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      return lines;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
}

// Counts UTF-8 code points: every byte that is not a continuation byte.
std::size_t CodePoints(std::string_view s) {
  std::size_t n = 0;
  for (const char c : s) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n;
  }
  return n;
}

bool IsAscii(std::string_view s) {
  for (const char c : s) {
    if (static_cast<unsigned char>(c) > 0x7F) return false;
  }
  return true;
}

constexpr std::string_view kEnDash = "\xE2\x80\x93";

}  // namespace

TEST(HelpText, has_twenty_six_lines_separated_by_carriage_returns_only) {
  const std::string_view text = HelpText();
  EXPECT_EQ(Lines().size(), 26u);
  EXPECT_EQ(text.find('\n'), std::string_view::npos);
  ASSERT_FALSE(text.empty());
  EXPECT_NE(text.back(), '\r');
}

TEST(HelpText, has_empty_lines_exactly_between_paragraphs) {
  const std::set<std::size_t> empty = {2, 4, 6, 8, 10, 11, 14, 16, 18, 20, 23, 25};
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t number = i + 1;
    if (empty.count(number) != 0) {
      EXPECT_TRUE(lines[i].empty()) << "line " << number;
    } else {
      EXPECT_FALSE(lines[i].empty()) << "line " << number;
    }
  }
}

TEST(HelpText, has_heading_references_title_and_a_rule_of_seventy_five_en_dashes) {
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines[0], "Mireldantholm");
  EXPECT_EQ(lines[11], "References");

  std::string rule;
  for (int i = 0; i < 75; ++i) rule += kEnDash;
  EXPECT_EQ(lines[20], rule);
}

TEST(HelpText, is_ascii_except_for_the_rule) {
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i == 20) continue;
    EXPECT_TRUE(IsAscii(lines[i])) << "line " << i + 1;
  }
}

TEST(HelpText, is_between_3700_and_4100_characters_long) {
  const std::size_t n = CodePoints(HelpText());
  EXPECT_GE(n, 3700u);
  EXPECT_LE(n, 4100u);
}

TEST(HelpText, example_states_its_numbers_and_coefficients_have_no_leading_zero) {
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  const std::string_view example = lines[4];
  for (const std::string_view number : {".44", "13", "9", ".57"}) {
    EXPECT_NE(example.find(number), std::string_view::npos) << number;
  }

  // A "0." not preceded by another digit would be a leading-zero coefficient.
  const std::string_view text = HelpText();
  for (std::size_t pos = text.find("0."); pos != std::string_view::npos;
       pos = text.find("0.", pos + 1)) {
    const bool after_digit = pos > 0 && text[pos - 1] >= '0' && text[pos - 1] <= '9';
    const bool before_digit = pos + 2 < text.size() && text[pos + 2] >= '0' && text[pos + 2] <= '9';
    EXPECT_FALSE(!after_digit && before_digit) << "at " << pos;
  }
}
