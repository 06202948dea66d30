#include "IntegerScan.h"

#include "NumberStart.h"

namespace {

// The digit's value in the base, or −1 when the character is no digit of it.
int DigitValue(char c, bool hexadecimal)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (hexadecimal && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (hexadecimal && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

IntegerScan Stopped(std::uint32_t magnitude)
{
    return {static_cast<std::int32_t>(magnitude), false};
}

} // namespace

IntegerScan ScanInteger(std::string_view text)
{
    auto [at, negative] = SkipSpacesAndSign(text);
    bool hexadecimal = false;
    if (at < text.size() && (text[at] == '$' || text[at] == 'x' || text[at] == 'X')) {
        hexadecimal = true;
        ++at;
    } else if (at + 1 < text.size() && text[at] == '0' && (text[at + 1] == 'x' || text[at + 1] == 'X')) {
        hexadecimal = true;
        at += 2;
    }

    // The magnitude is kept unsigned, so the check before a digit compares it and never a
    // wrapped signed value.
    const std::uint32_t base = hexadecimal ? 16 : 10;
    const std::uint32_t limit = hexadecimal ? 0x0FFFFFFF : 214748364;
    std::uint32_t magnitude = 0;
    if (at == text.size()) {
        return Stopped(magnitude);
    }
    for (; at < text.size(); ++at) {
        const int digit = DigitValue(text[at], hexadecimal);
        if (digit < 0 || magnitude > limit) {
            return Stopped(magnitude);
        }
        magnitude = magnitude * base + static_cast<std::uint32_t>(digit);
    }

    if (hexadecimal) {
        return {static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude), true};
    }
    const std::int64_t value = negative ? -static_cast<std::int64_t>(magnitude) : magnitude;
    const bool fits = value >= INT32_MIN && value <= INT32_MAX;
    return {static_cast<std::int32_t>(value), fits};
}
