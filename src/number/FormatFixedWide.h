// A double to fixed-point text with 15 decimals, right-justified in 51 characters: the
// square-root key's result format.
#pragma once

#include <string>

// 18 or 19 significant digits of x, then zeros up to the 15th decimal, with
// decimalSeparator before the decimals, preceded by spaces up to 51 characters; a longer
// text (a magnitude of 10^35 or more) is never cut. Infinities and NaN are written as
// "INF", "-INF" and "NAN", justified the same way. Never fails.
std::string FormatFixedWide(double x, char32_t decimalSeparator);

// The same with the decimal separator in force (number_format::Current()).
std::string FormatFixedWide(double x);
