// The integer scan over texts of any bytes: ParseInteger succeeds exactly when the scan is
// complete, with its value, and otherwise raises EConvertError quoting the text;
// ParseLeadingInteger always yields the scan's value. A complete scan's value is the text's
// number, worked out here apart from the scan.
#include "Faults.h"
#include "FuzzText.h"
#include "IntegerScan.h"
#include "ParseInteger.h"
#include "Require.h"

#include <cstdint>
#include <optional>

namespace {

// The text's value when it is one optional sign and digits in one base after optional spaces,
// and fits: decimal within the 32-bit signed range, hexadecimal within 32 bits (any pattern,
// negated in 32 bits for "-"). The magnitude saturates, so that long texts cannot wrap it.
std::optional<std::int32_t> IntegerValue(std::string_view text)
{
    std::size_t at = std::min(text.find_first_not_of(' '), text.size());
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    int base = 10;
    if (text.substr(at).starts_with("$") || text.substr(at).starts_with("x") ||
        text.substr(at).starts_with("X")) {
        base = 16;
        at += 1;
    } else if (text.substr(at).starts_with("0x") || text.substr(at).starts_with("0X")) {
        base = 16;
        at += 2;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    constexpr std::int64_t kSaturated = std::int64_t(1) << 40;
    std::int64_t magnitude = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = std::min(magnitude * base + digit, kSaturated);
    }
    if (base == 16) {
        if (magnitude > 0xFFFFFFFF) {
            return std::nullopt;
        }
        const auto pattern = static_cast<std::uint32_t>(magnitude);
        return static_cast<std::int32_t>(negative ? 0u - pattern : pattern);
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string detail = "text " + Quoted(text);
    const IntegerScan scan = ScanInteger(text);
    const std::optional<std::int32_t> expected = IntegerValue(text);

    Require(scan.complete == expected.has_value(), "the scan is complete exactly for an integer in range",
            detail + ", complete " + std::to_string(scan.complete));
    if (expected) {
        Require(scan.value == *expected, "a complete scan yields the text's value",
                detail + ", value " + std::to_string(scan.value) + ", expected " + std::to_string(*expected));
    }
    Require(ParseLeadingInteger(text) == scan.value, "ParseLeadingInteger yields the scan's value", detail);
    try {
        const std::int32_t value = ParseInteger(text);
        Require(scan.complete && value == scan.value, "ParseInteger returns the value of a complete scan",
                detail);
    } catch (const EConvertError& error) {
        Require(!scan.complete, "ParseInteger fails only on a stopped scan", detail);
        Require(error.Message() == "'" + std::string(text) + "' is not a valid integer value",
                "the message quotes the whole text", detail + ", message " + Quoted(error.Message()));
    }
    return 0;
}
