// The correction on its own: known values, the cases where it changes nothing, and the
// extremes the fields allow.

#include "3-windows/calculator/correction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

// The same correction in another form (numerator and root multiplied by R), written apart
// from the program's.
double ByOtherForm(double U, double R, double r) {
  return r * U / std::sqrt(R * R * (1 - r * r) + r * r * U * U);
}

struct CorrectionCase {
  const char* name;
  double U, R, r, expected, tolerance;
};

const CorrectionCase kCases[] = {
    {"worked_example", 13, 9, .44, 0.5776988, 5e-8},
    {"negative_coefficient_keeps_its_sign", 13, 9, -.44, -0.5776988, 5e-8},
    {"equal_deviations_leave_the_coefficient", 13, 13, .44, .44, 0},
    {"zero_coefficient_stays_zero", 13, 9, 0, 0, 0},
    {"perfect_coefficient_stays_one", 13, 9, 1, 1, 1e-15},
    {"perfect_negative_coefficient_stays_minus_one", 13, 9, -1, -1, 1e-15},
    {"smaller_unrestricted_deviation_moves_toward_zero", 10, 15, .44, 0.3105066, 5e-8},
    {"tiny_obtained_deviation", 250, .01, .0002, ByOtherForm(250, .01, .0002), 1e-15},
    {"widest_ratio_the_fields_allow", 99999999, .0000001, .000001, 1, 1e-15},
    {"narrowest_ratio_the_fields_allow", .0000001, 99999999, .999999,
     ByOtherForm(.0000001, 99999999, .999999), 1e-25},
};

void PrintTo(const CorrectionCase& row, std::ostream* os) {
  *os << row.name;
}

class Correction : public ::testing::TestWithParam<CorrectionCase> {};

TEST_P(Correction, gives_the_corrected_coefficient) {
  const CorrectionCase& row = GetParam();
  EXPECT_NEAR(CorrectedCoefficient(row.U, row.R, row.r), row.expected, row.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Correction, Correction, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
