// What ParseFloat should make of a text, worked out apart from it: the accepted forms are
// matched here, and the value comes from glibc's strtold, which rounds correctly.
#pragma once

#include <cstddef>
#include <string_view>

struct ExpectedParse {
    enum class Outcome {
        Rejected, // not one of the accepted forms, or its digits or its value beyond the extended range
        Accepted,
        EitherWay, // within rounding distance of the extended range's end
    };
    Outcome outcome = Outcome::Rejected;
    bool negative = false;
    long double magnitude = 0; // the exact value rounded once to extended, for Accepted
    // The error ParseFloat may add to it relative to the magnitude: each digit beyond the 19
    // that a 64-bit significand holds rounds twice, each scaling factor and step once.
    long double relativeError = 0;
};

ExpectedParse ExpectParse(std::string_view text, std::string_view separator);
