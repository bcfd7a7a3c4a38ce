// The help text: its outline of 26 lines, and the worked example's figures as the calculator
// itself shows them.

#include "3-windows/help/help_text.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "windows_fixture.h"

namespace {

using wndtest::WindowsTest;

std::vector<std::string> Lines() {
  std::vector<std::string> lines(1);
  for (const char c : HelpText()) {
    if (c == '\r')
      lines.emplace_back();
    else
      lines.back() += c;
  }
  return lines;
}

TEST(HelpText, has_twenty_six_lines_with_empty_lines_between_paragraphs) {
  const std::set<std::size_t> empty = {2, 4, 6, 8, 10, 11, 14, 16, 18, 20, 23, 25};
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(HelpText().find('\n'), std::string_view::npos);
  for (std::size_t number = 1; number <= lines.size(); ++number)
    EXPECT_EQ(lines[number - 1].empty(), empty.contains(number)) << "line " << number;
  EXPECT_EQ(lines[0], "Mireldantholm");
  EXPECT_EQ(lines[11], "References");
  std::string rule;
  for (int i = 0; i < 75; ++i) rule += "\xE2\x80\x93";  // en dash
  EXPECT_EQ(lines[20], rule);
}

class HelpTextFigures : public WindowsTest {};

TEST_F(HelpTextFigures, are_those_the_calculator_shows_for_the_worked_example_rounded_to_two) {
  auto calculator = fw::ImplicitInstance<ControlWnd>();
  fw::testing::TypeText(*calculator->RxxFld(), "13");
  fw::testing::TypeText(*calculator->RyyFld(), "9");
  fw::testing::TypeText(*calculator->RxyFld(), ".44");
  fw::testing::Click(*calculator->ComputeCanvas(), 10, 10);
  const std::string shown = calculator->RdFld()->Text();

  // Rounded to two decimals here, and written without a leading zero as the text does.
  double value = 0;
  ASSERT_EQ(std::from_chars(shown.data(), shown.data() + shown.size(), value).ptr,
            shown.data() + shown.size())
      << shown;
  char buffer[16];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::round(value * 100) / 100,
                                 std::chars_format::fixed, 2);
  const std::string twoDecimals = std::string(buffer, end.ptr).substr(1);  // "0.58" -> ".58"

  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 26u);
  const std::string& example = lines[4];
  for (const char* input : {" 13 ", " 9 ", " .44"})
    EXPECT_NE(example.find(input), std::string::npos) << input;
  EXPECT_NE(example.find("coefficient is " + twoDecimals + "."), std::string::npos)
      << example << "\nwants " << twoDecimals;
  const std::string& note = lines[23];
  EXPECT_NE(note.find(shown + ", that is " + twoDecimals + "."), std::string::npos)
      << note << "\nwants " << shown << " and " << twoDecimals;
}

}  // namespace
