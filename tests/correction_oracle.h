#pragma once
// What the compute button must do with three field texts, worked out apart from the program:
// every empty field is reported before any value is judged, then the ranges; otherwise the
// textbook correction for restriction of range in the predictor,
// c = r·k / √(1 − r² + r²·k²) with k = U / R.

#include <array>
#include <cmath>
#include <string>
#include <string_view>

#include "1-framework/text.h"

namespace oracle {

struct Outcome {
  int message =
      -1;  // 0..5: the message of that check, in the order the checks are made; -1 a result
  double c = 0.0;
};

inline double Corrected(double u, double sample, double r) {
  const double k = u / sample;
  return r * k / std::sqrt(1 - r * r + r * r * k * k);
}

inline Outcome Expected(const std::array<std::string, 3>& texts) {
  for (int i = 0; i < 3; ++i)
    if (texts[i].empty()) return {i};
  const double u = fw::Val(texts[0]);
  const double sample = fw::Val(texts[1]);
  const double r = fw::Val(texts[2]);
  if (!(u > 0)) return {3};
  if (!(sample > 0)) return {4};
  if (!(r >= -1 && r <= 1)) return {5};
  return {-1, Corrected(u, sample, r)};
}

// ^-?[0-9]*\.[0-9]{4}$, by hand: the fuzzer calls it for every input.
inline bool LooksLikeFourDecimals(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  if (i == text.size() || text[i] != '.') return false;
  ++i;
  if (text.size() - i != 4) return false;
  for (; i < text.size(); ++i)
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

}  // namespace oracle
