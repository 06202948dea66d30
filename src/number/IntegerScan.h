// The integer scan shared by the strict and the lenient integer conversions.
#pragma once

#include <cstdint>
#include <string_view>

struct IntegerScan {
    std::int32_t value;
    bool complete; // the text was read to its end right after a digit, and fits
};

// Reads optional spaces, an optional sign, then decimal digits, or hexadecimal digits after
// "$", "x", "X" or "0x"/"0X". Before each digit the magnitude read so far is checked
// (decimal: at most 214748364; hexadecimal: at most 0FFFFFFF) and the scan stops beyond
// it. A complete scan applies the sign; a decimal result outside the 32-bit range is
// stopped with its two's-complement value, while a hexadecimal one takes any 32-bit
// pattern. Any other stop yields the magnitude read so far, sign not applied.
IntegerScan ScanInteger(std::string_view text);
