// Extended constants written as their x87 bit patterns, so that a value is exactly the
// one intended and not whatever a decimal literal happens to round to.
#pragma once

#include "Fpu.h"

#include <bit>
#include <cstdint>

// The extended value of an 80-bit pattern: the word holding the sign and the 15-bit
// exponent, and the 64-bit significand with its explicit leading bit.
constexpr Extended ExtendedFromPattern(std::uint16_t signAndExponent, std::uint64_t significand)
{
    struct Layout { // the x87 format in memory, padded to the size of long double
        std::uint64_t significand;
        std::uint16_t signAndExponent;
        std::uint16_t padding[3];
    };
    static_assert(sizeof(Layout) == sizeof(Extended));
    return std::bit_cast<Extended>(Layout{significand, signAndExponent, {}});
}
