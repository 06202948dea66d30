#include "FormatFixedWide.h"

#include "NumberFormat.h"
#include "PowerOfTen.h"
#include "Utf8.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr std::size_t kWidth = 51;
constexpr std::size_t kDecimals = 15;

// The decimal digits of |x| as an integer with 15 implied decimals.
std::string ScaledDigits(double x)
{
    // Bring the magnitude to 1 ≤ s < 16 by powers of ten estimated from the binary
    // exponent (19728 / 65536 is just below log10 2, so s never drops under 1).
    Extended s = std::fabs(x);
    int k = 0;
    if (s >= 10) {
        for (int n = std::ilogb(s) * 19728 / 65536; n != 0; n = std::ilogb(s) * 19728 / 65536) {
            s = power_of_ten::Scale(s, -n);
            k += n;
        }
    }
    // s × 10^17 to an integer: 18 digits below 10, 19 from 10 up; the digits stand for
    // 17 − k decimals.
    const auto m = static_cast<std::uint64_t>(std::llrint(power_of_ten::Scale(s, 17)));
    if (k <= 1) {
        const std::uint64_t drop = k == 0 ? 100 : 10;
        return std::to_string(m / drop + (m % drop >= drop / 2 ? 1 : 0));
    }
    return std::to_string(m) + std::string(static_cast<std::size_t>(k - 2), '0');
}

std::string Body(double x, std::string_view separator)
{
    if (std::isnan(x)) {
        return "NAN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-INF" : "INF";
    }
    std::string digits = ScaledDigits(x);
    if (digits.size() <= kDecimals) {
        digits.insert(0, kDecimals + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - kDecimals, separator);
    if (x < 0) {
        digits.insert(0, 1, '-');
    }
    return digits;
}

} // namespace

std::string FormatFixedWide(double x, char32_t decimalSeparator)
{
    const utf8::Encoded separator(decimalSeparator);
    const std::string body = Body(x, separator.View());
    // Justified by characters, not bytes: a separator of several bytes is one character.
    std::size_t characters = 0;
    for (const char byte : body) {
        characters += (static_cast<unsigned char>(byte) & 0xC0) != 0x80 ? 1 : 0;
    }
    const std::size_t padding = characters < kWidth ? kWidth - characters : 0;
    return std::string(padding, ' ') + body;
}

std::string FormatFixedWide(double x)
{
    return FormatFixedWide(x, number_format::Current().decimal);
}
