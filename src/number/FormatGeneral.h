// A double to text in general format: at most 15 significant digits, exponent form from
// 10^15 up and below 0.0001. The conversion behind every key that shows a number.
#pragma once

#include <string>

// In UTF-8 with decimalSeparator between the integer and the fraction digits: "0" for
// either zero, "INF" and "-INF" for the infinities, "NAN" for a NaN (which no key lets
// through). Never fails.
std::string FormatGeneral(double x, char32_t decimalSeparator);

// The same with the decimal separator in force (number_format::Current()).
std::string FormatGeneral(double x);
