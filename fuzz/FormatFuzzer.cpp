// FormatGeneral and FormatFixedWide over doubles of every bit pattern (eight bytes; a ninth
// chooses the separator): neither fails; the general text of a finite value converts back
// (RoundTrip.h); the fixed text has 15 decimals, converts back to 18 significant digits, and is
// exactly 51 characters for the square-root key's results 0 to 46341.
#include "FormatFixedWide.h"
#include "FormatGeneral.h"
#include "FuzzText.h"
#include "ParseFloat.h"
#include "Require.h"
#include "RoundTrip.h"
#include "X87Status.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

void RequireSpecialTexts(double x, char32_t separator)
{
    const std::string general = FormatGeneral(x, separator);
    const std::string fixed = FormatFixedWide(x, separator);
    const char* expected = std::isnan(x) ? "NAN" : x < 0 ? "-INF" : "INF";
    const std::string detail = "x = " + Described(x) + ", texts " + Quoted(general) + " and " + Quoted(fixed);
    Require(general == expected, "FormatGeneral names NaN and the infinities", detail);
    Require(fixed == std::string(51 - std::strlen(expected), ' ') + expected,
            "FormatFixedWide names NaN and the infinities in 51 characters", detail);
}

// The fixed text of a finite x of magnitude below 10^36, the range its digits are defined for.
void RequireFixedText(double x, char32_t separator)
{
    const std::string separatorBytes = Utf8(separator);
    fpu::ClearFlags();
    const std::string text = FormatFixedWide(x, separator);
    const unsigned short flags = X87ExceptionFlags();
    const std::string detail = "x = " + Described(x) + ", text " + Quoted(text);
    Require((flags & kX87Invalid) == 0, "FormatFixedWide makes no invalid operation", detail);

    const std::size_t length = CodePoints(text);
    const std::size_t start = text.find_first_not_of(' ');
    Require(length >= 51 && (length == 51 || start == 0), "the text is padded to 51 characters, never cut",
            detail);
    const std::size_t at = text.find(separatorBytes, start);
    Require(at != std::string::npos && text.size() - at - separatorBytes.size() == 15,
            "the text has 15 decimals after the separator", detail);
    Require(x < 0 || x > 46341 || length == 51, "the square root key's results are 51 characters", detail);

    // The text holds x to 15 decimals or to 18 significant digits, whichever is coarser.
    Extended back = 0;
    try {
        back = ParseFloat(text, separator);
    } catch (const EConvertError&) {
        Require(false, "the fixed text converts back", detail);
    }
    const long double tolerance = 0.51e-15L + 1e-17L * std::fabs(static_cast<long double>(x));
    Require(std::fabs(back - x) <= tolerance, "the fixed text shows x's digits",
            detail + ", back " + Described(back));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fpu::InitializeUnit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < sizeof(double)) {
        return 0;
    }
    double x = 0;
    std::memcpy(&x, data, sizeof x);
    const char32_t separator = SeparatorFromByte(size > sizeof x ? data[sizeof x] : '.');
    if (!std::isfinite(x)) {
        RequireSpecialTexts(x, separator);
        return 0;
    }
    RequireGeneralRoundTrip(x, separator);
    if (std::fabs(x) < 1e36) {
        RequireFixedText(x, separator);
    } else {
        Require(CodePoints(FormatFixedWide(x, separator)) > 51, "a huge value's fixed text is written whole");
    }
    return 0;
}
