#pragma once
// Numbers and text: conversion between text and double that never depends on the locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace fw {

// The leading number of `text` in plain decimal notation: an optional sign, digits and at most
// one decimal point. No exponent, hex, "inf" or "nan" is read, so every result is finite for any
// input of reasonable length; text with no number at its start reads as 0.
double Val(std::string_view text);

// `value` written with as many decimals as `pattern` has places after its point: ".0000" gives
// four and no leading zero (".5777", "-.5777", "1.0000"). Rounding is correct for the double's
// exact value; a result that rounds to zero carries no minus sign. NaN and infinity are written
// "NaN", "INF" and "-INF".
std::string Format(double value, std::string_view pattern);

// The code of the first character of a UTF-8 text (0 for an empty text); a malformed
// sequence counts as its first byte.
std::int64_t Asc(std::string_view text);

double Sqrt(double value);
double Pow(double base, double exponent);

}  // namespace fw
