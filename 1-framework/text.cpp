#include "1-framework/text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace fw {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t start = i;
  bool seenPoint = false;
  bool seenDigit = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      seenDigit = true;
    } else if (text[i] == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!seenDigit) return 0.0;
  double magnitude = 0.0;
  auto [end, error] =
      std::from_chars(text.data() + start, text.data() + i, magnitude, std::chars_format::fixed);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Only a very long digit string gets here: keep the result finite. A tiny value reads as
    // zero and a huge one as the largest double, whichever side of 1 the digits lie on.
    std::string_view number = text.substr(start, i - start);
    std::string_view integerDigits = number.substr(0, number.find('.'));
    bool large = integerDigits.find_first_not_of('0') != std::string_view::npos;
    magnitude = large ? std::numeric_limits<double>::max() : 0.0;
  }
  return negative ? -magnitude : magnitude;
}

std::string Format(double value, std::string_view pattern) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  const std::size_t point = pattern.find('.');
  const int decimals = point == std::string_view::npos ? 0 : int(pattern.size() - point - 1);

  // 309 integer digits at most, a sign, a point and the decimals.
  std::string text(320 + decimals, '\0');
  auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                    std::chars_format::fixed, decimals);
  (void)error;  // the buffer is large enough for every finite double
  text.resize(end - text.data());

  std::string_view digits = text;
  const bool negative = digits.front() == '-';
  if (negative) digits.remove_prefix(1);
  if (digits.starts_with("0.")) digits.remove_prefix(1);  // no leading zero
  const bool zero = digits.find_first_not_of("0.") == std::string_view::npos;
  return (negative && !zero ? "-" : "") + std::string(digits);
}

std::int64_t Asc(std::string_view text) {
  if (text.empty()) return 0;
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  int length = lead < 0x80           ? 1
               : (lead >> 5) == 0x6  ? 2
               : (lead >> 4) == 0xE  ? 3
               : (lead >> 3) == 0x1E ? 4
                                     : 0;
  if (length <= 1 || static_cast<std::size_t>(length) > text.size()) return lead;
  std::int64_t code = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return lead;
    code = (code << 6) | (byte(i) & 0x3F);
  }
  return code;
}

double Sqrt(double value) {
  return std::sqrt(value);
}
double Pow(double base, double exponent) {
  return std::pow(base, exponent);
}

}  // namespace fw
