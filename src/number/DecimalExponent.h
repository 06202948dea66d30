// The decimal exponent of a double, found exactly.
#pragma once

namespace power_of_ten {

// E with 10^(E−1) ≤ |x| < 10^E, for a finite non-zero double x (−323 for the smallest
// denormal, 309 for the largest double). Exact also where |x| lies within rounding
// distance of a power of ten.
int DecimalExponent(double x);

} // namespace power_of_ten
