#include "FuzzText.h"

#include "Utf8.h"

#include <bit>
#include <cinttypes>
#include <cstdint>
#include <cstdio>

char32_t SeparatorFromByte(unsigned char byte)
{
    if (byte == '.' || byte == ',') {
        return byte;
    }
    // Two bytes each: the Arabic decimal separator and the middle dot; three: the narrow no-break
    // space; four: the last code point, for the longest encoding.
    constexpr char32_t kOthers[] = {U'\u066B', U'\u00B7', U'\u202F', U'\U0010FFFF'};
    return kOthers[byte % (sizeof kOthers / sizeof kOthers[0])];
}

std::string Utf8(char32_t code)
{
    return std::string(utf8::Encoded(code).View());
}

std::size_t CodePoints(std::string_view text)
{
    std::size_t count = 0;
    for (const char c : text) {
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    }
    return count;
}

std::string Quoted(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            quoted += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            quoted += escape;
        }
    }
    return quoted + "\"";
}

std::string Described(long double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg (%La)", value, value);
    return text;
}

std::string Described(double value)
{
    char text[80];
    std::snprintf(text, sizeof text, "%.17g (bits %016" PRIX64 ")", value,
                  std::bit_cast<std::uint64_t>(value));
    return text;
}
