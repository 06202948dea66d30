#include "FormatGeneral.h"

#include "DecimalExponent.h"
#include "NumberFormat.h"
#include "PowerOfTen.h"
#include "Utf8.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr std::uint64_t kTenTo14 = 100'000'000'000'000;
constexpr std::uint64_t kTenTo15 = 10 * kTenTo14;
constexpr std::uint64_t kTenTo18 = 1000 * kTenTo15;

// The significant digits of a value with its decimal exponent: value = 0.digits × 10^exponent.
struct Digits {
    char text[15];
    int count; // 1 to 15, no trailing zeros
    int exponent;
};

// The digits by the two roundings of the format: the magnitude scaled to an 18-digit integer
// (rounded to nearest, ties to even), then cut to 15 digits, a 16th digit of 5 or more
// rounding up whatever follows it.
Digits SignificantDigits(double magnitude)
{
    Digits digits;
    digits.exponent = power_of_ten::DecimalExponent(magnitude);
    std::uint64_t scaled =
        static_cast<std::uint64_t>(std::llrint(power_of_ten::Scale(magnitude, 18 - digits.exponent)));
    if (scaled >= kTenTo18) {
        scaled = static_cast<std::uint64_t>(std::llrint(static_cast<Extended>(scaled) / 10));
        ++digits.exponent;
    }
    std::uint64_t kept = scaled / 1000 + (scaled % 1000 >= 500 ? 1 : 0);
    if (kept == kTenTo15) {
        kept = kTenTo14;
        ++digits.exponent;
    }
    for (int i = 14; i >= 0; --i) {
        digits.text[i] = static_cast<char>('0' + kept % 10);
        kept /= 10;
    }
    digits.count = 15;
    while (digits.text[digits.count - 1] == '0') {
        --digits.count;
    }
    return digits;
}

} // namespace

std::string FormatGeneral(double x, char32_t decimalSeparator)
{
    if (x == 0) {
        return "0";
    }
    if (std::isnan(x)) {
        return "NAN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-INF" : "INF";
    }
    const Digits digits = SignificantDigits(std::fabs(x));
    const utf8::Encoded encodedSeparator(decimalSeparator);
    const std::string_view separator = encodedSeparator.View();
    const std::string_view significant(digits.text, static_cast<std::size_t>(digits.count));
    const int e = digits.exponent;

    std::string text;
    text.reserve(32);
    if (x < 0) {
        text += '-';
    }
    if (e > 15 || e < -3) {
        text += significant[0];
        if (significant.size() > 1) {
            text += separator;
            text += significant.substr(1);
        }
        text += 'E';
        text += std::to_string(e - 1);
    } else if (e <= 0) {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-e), '0');
        text += significant;
    } else {
        const auto integerDigits = static_cast<std::size_t>(e);
        text += significant.substr(0, integerDigits);
        if (significant.size() > integerDigits) {
            text += separator;
            text += significant.substr(integerDigits);
        } else {
            text.append(integerDigits - significant.size(), '0');
        }
    }
    return text;
}

std::string FormatGeneral(double x)
{
    return FormatGeneral(x, number_format::Current().decimal);
}
