// What "=" computes from the first operand (a stored double) and the second one read
// from the display. Each returns the extended result; the caller rounds it once, when
// it stores it into a double, and that store raises the overflow beyond the double range.
#pragma once

#include "Fpu.h"

#include <cstdint>

// first op second for op '+', '-', '*' or '/': one extended operation on the extended
// second operand, which is not rounded to a double first. x / 0 raises EZeroDivide,
// 0 / 0 EInvalidOp. Any other op is a programming error (std::invalid_argument).
Extended Calculate(char op, double first, Extended second);

// base to the integer power exponent, to the full extended precision: 0 to the power 0
// is 1, a negative exponent gives the reciprocal power. 0 to a negative power raises
// EZeroDivide, a power beyond the extended range EOverflow; one below it is a subnormal
// or 0 without a fault.
Extended Power(double base, std::int32_t exponent);

// The hypotenuse of first and n, a * sqrt(1 + (b / a)^2) with a the larger magnitude and
// b the smaller; a when b is 0. Always within the double range: it cannot fault.
Extended Hypotenuse(double first, std::int32_t n);
