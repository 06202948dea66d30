// Text to an extended value, strict: the conversion behind every key that reads a
// real number from the display.
#pragma once

#include "Fpu.h"

#include <string_view>

// Accepts, in UTF-8: optional spaces, an optional "+" or "-", decimal digits with at most
// one decimal separator (digits may be missing on either side, and on both), an optional
// "E" or "e" with an optional sign and digits (read while the exponent is below 500),
// optional spaces. Anything else, or a value beyond the extended range, raises
// EConvertError "'<text>' is not a valid floating point value". A value below the range
// becomes zero or a denormal. Never raises a floating-point fault, and leaves the status
// flags clear.
Extended ParseFloat(std::string_view text, char32_t decimalSeparator);

// The same with the decimal separator in force (number_format::Current()).
Extended ParseFloat(std::string_view text);
