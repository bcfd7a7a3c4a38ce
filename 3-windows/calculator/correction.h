#pragma once
// The validity coefficient r obtained in a sample, corrected for restriction of range in the
// predictor: U is the predictor's standard deviation in the unrestricted population, R its
// standard deviation in the sample. Callers check U > 0, R > 0 and -1 <= r <= 1 first.
double CorrectedCoefficient(double U, double R, double r);
