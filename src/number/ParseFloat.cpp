#include "ParseFloat.h"

#include "NumberFormat.h"
#include "NumberStart.h"
#include "PowerOfTen.h"
#include "Utf8.h"

#include <cstdint>
#include <string>

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The conversion computes on the x87 unit alone, so only its flags need handling. Reading
// them is cheap; clearing them (like the C library's feclearexcept, dearer still) costs
// more than a short conversion, so it is done only when a flag is set.
constexpr unsigned short kInvalid = 0x01, kOverflow = 0x08, kAllFlags = 0x3F;

unsigned short UnitFlags()
{
    unsigned short status = 0;
    asm volatile("fnstsw %0" : "=a"(status) : : "memory");
    return status & kAllFlags;
}

void ClearUnitFlags()
{
    asm volatile("fnclex" : : : "memory");
}

// A text can be rejected before the flags are looked at, with flags of earlier code still set,
// so the rejection clears them itself: beside the throw that costs nothing.
[[noreturn]] void Reject(std::string_view text)
{
    ClearUnitFlags();
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

// Reads the digits at text[at...] into value (value × 10 + digit, each step rounded to the
// 64-bit significand) and returns how many there were. While the result fits 64 bits every
// such step is exact, so an integer does that part faster with the same value.
std::size_t ReadDigits(std::string_view text, std::size_t& at, Extended& value)
{
    const std::size_t start = at;
    constexpr std::uint64_t kExactLimit = (UINT64_MAX - 9) / 10;
    if (value <= Extended(kExactLimit)) {
        auto exact = static_cast<std::uint64_t>(value);
        while (at < text.size() && IsDigit(text[at]) && exact <= kExactLimit) {
            exact = exact * 10 + static_cast<unsigned>(text[at] - '0');
            ++at;
        }
        value = static_cast<Extended>(exact);
    }
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        value = value * 10 + (text[at] - '0');
    }
    return at - start;
}

} // namespace

Extended ParseFloat(std::string_view text, char32_t decimalSeparator)
{
    const utf8::Encoded separator(decimalSeparator);
    auto [at, negative] = SkipSpacesAndSign(text);

    // Only this conversion's overflow and invalid operation count: a flag left by earlier code
    // goes first. Every flag is read and cleared before returning.
    if ((UnitFlags() & (kInvalid | kOverflow)) != 0) {
        ClearUnitFlags();
    }
    Extended value = 0;
    bool numberSeen = ReadDigits(text, at, value) > 0;
    std::int64_t fractionDigits = 0;
    const std::string_view separatorBytes = separator.View();
    if (at < text.size() && text[at] == separatorBytes[0] && text.substr(at).starts_with(separatorBytes)) {
        at += separatorBytes.size();
        numberSeen = true;
        fractionDigits = static_cast<std::int64_t>(ReadDigits(text, at, value));
    }
    if (!numberSeen) {
        Reject(text);
    }

    int exponent = 0;
    if (at < text.size() && (text[at] == 'E' || text[at] == 'e')) {
        ++at;
        bool exponentNegative = false;
        if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
            exponentNegative = text[at] == '-';
            ++at;
        }
        // The digit that takes the exponent to 500 or more is the last one read; any further
        // digit is left over and makes the text invalid below.
        for (; at < text.size() && IsDigit(text[at]) && exponent < 500; ++at) {
            exponent = exponent * 10 + (text[at] - '0');
        }
        if (exponentNegative) {
            exponent = -exponent;
        }
    }
    while (at < text.size() && text[at] == ' ') {
        ++at;
    }

    const std::int64_t scale = exponent - fractionDigits;
    volatile Extended result = power_of_ten::Scale(value, scale < -5120 ? -5120 : static_cast<int>(scale));
    const unsigned short flags = UnitFlags();
    if (flags != 0) {
        ClearUnitFlags();
    }
    if (at != text.size() || (flags & (kInvalid | kOverflow)) != 0) {
        Reject(text);
    }
    return negative ? -result : result;
}

Extended ParseFloat(std::string_view text)
{
    return ParseFloat(text, number_format::Current().decimal);
}
