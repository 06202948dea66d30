// Scaling of an extended value by a power of ten, the one way the conversions move
// between binary and decimal magnitudes. Each step rounds to the 64-bit significand.
#pragma once

#include "Fpu.h"

namespace power_of_ten {

// value × 10^n for −5120 < n < 5120 (zero, with the sign of value, for n ≤ −5120):
// multiplied (or, for negative n, divided) in turn by 10^(|n| mod 32),
// 10^(32 × (⌊|n| / 32⌋ mod 16)) and 10^(512 × ⌊|n| / 512⌋), each factor the extended
// value nearest to its power of ten. Runs unchecked: overflow and underflow only leave
// their status flags, for the caller to read.
Extended Scale(Extended value, int n);

} // namespace power_of_ten
