#include "3-windows/calculator/correction.h"

#include "1-framework/text.h"

// Step by step, in the grouping and order that define it: the result's last bit depends on it.
double CorrectedCoefficient(double U, double R, double r) {
  const double q = U / R;
  const double n = r * q;
  const double a = 1.0 - fw::Pow(r, 2.0);
  const double b = fw::Pow(r, 2.0) * (fw::Pow(U, 2.0) / fw::Pow(R, 2.0));
  const double d = fw::Sqrt(a + b);
  return n / d;
}
