#include "ParseFloatReference.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Beyond the extended range for ParseFloat, with the slack of its roundings at the boundary.
ExpectedParse::Outcome RangeOutcome(long double magnitude, long double relativeError)
{
    if (magnitude <= LDBL_MAX * (1 - relativeError)) {
        return ExpectedParse::Outcome::Accepted;
    }
    return magnitude > LDBL_MAX * (1 + relativeError) ? ExpectedParse::Outcome::Rejected
                                                      : ExpectedParse::Outcome::EitherWay;
}

} // namespace

ExpectedParse ExpectParse(std::string_view text, std::string_view separator)
{
    ExpectedParse expected;
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos) {
        return expected;
    }
    if (text[at] == '+' || text[at] == '-') {
        expected.negative = text[at] == '-';
        ++at;
    }
    // Every digit of the mantissa, leading zeros left out (they change no rounding).
    std::string digits;
    long long fractionDigits = 0;
    bool numberSeen = false;
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        numberSeen = true;
        if (!digits.empty() || text[at] != '0') {
            digits += text[at];
        }
    }
    if (text.substr(at).starts_with(separator)) {
        numberSeen = true;
        for (at += separator.size(); at < text.size() && IsDigit(text[at]); ++at) {
            ++fractionDigits;
            if (!digits.empty() || text[at] != '0') {
                digits += text[at];
            }
        }
    }
    if (!numberSeen) {
        return expected;
    }
    long long exponent = 0;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        bool exponentNegative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            exponentNegative = text[at] == '-';
            ++at;
        }
        for (; at < text.size() && IsDigit(text[at]) && exponent < 500; ++at) {
            exponent = exponent * 10 + (text[at] - '0');
        }
        exponent = exponentNegative ? -exponent : exponent;
    }
    at = std::min(text.find_first_not_of(' ', at), text.size());
    if (at != text.size()) {
        return expected;
    }

    const auto beyondExact = static_cast<long double>(digits.size() > 19 ? digits.size() - 19 : 0);
    expected.relativeError = (2 * beyondExact + 8) * LDBL_EPSILON / 2;
    if (digits.empty()) {
        expected.outcome = ExpectedParse::Outcome::Accepted;
        return expected;
    }
    // Leading zeros dropped, the digits are the integer that ParseFloat builds.
    const long double mantissa = std::strtold(digits.c_str(), nullptr);
    expected.outcome = RangeOutcome(mantissa, expected.relativeError);
    if (expected.outcome != ExpectedParse::Outcome::Accepted) {
        return expected;
    }
    // The scaling is cut off at 10^-5120: any smaller factor gives zero.
    const long long scale = exponent - fractionDigits;
    if (scale <= -5120) {
        return expected;
    }
    expected.magnitude = std::strtold((digits + "e" + std::to_string(scale)).c_str(), nullptr);
    expected.outcome = RangeOutcome(expected.magnitude, expected.relativeError);
    return expected;
}
