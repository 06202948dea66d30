#include "RoundTrip.h"

#include "FormatGeneral.h"
#include "FuzzText.h"
#include "ParseFloat.h"
#include "Require.h"
#include "X87Status.h"

#include <cfloat>
#include <cmath>

namespace {

// Half a unit of the 15th significant digit of a finite non-zero x, and the format's first
// rounding to 18 digits on top (which may carry a 16th digit 4 to 5), with room for
// ParseFloat's own roundings.
long double HalfUnitOf15thDigit(double x)
{
    const long double magnitude = std::fabs(static_cast<long double>(x));
    // E with 10^(E-1) <= |x| < 10^E; the logarithm may be one off right at a power of ten.
    int e = static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    if (std::pow(10.0L, e - 1) > magnitude) {
        --e;
    } else if (std::pow(10.0L, e) <= magnitude) {
        ++e;
    }
    return 0.5006L * std::pow(10.0L, e - 15);
}

} // namespace

void RequireGeneralRoundTrip(double x, char32_t separator)
{
    fpu::ClearFlags();
    const std::string text = FormatGeneral(x, separator);
    const unsigned short flags = X87ExceptionFlags();
    const std::string detail = "x = " + Described(x) + ", text " + Quoted(text);
    Require((flags & kX87Invalid) == 0, "FormatGeneral makes no invalid operation", detail);
    const std::size_t length = CodePoints(text);
    Require(length >= 1 && length <= 22, "FormatGeneral writes 1 to 22 characters", detail);

    Extended parsed = 0;
    try {
        parsed = ParseFloat(text, separator);
    } catch (const EConvertError&) {
        Require(false, "FormatGeneral's text converts back", detail);
    }
    if (x == 0) {
        Require(parsed == 0, "zero converts back to zero", detail);
        return;
    }
    Require(std::fabs(parsed - x) <= HalfUnitOf15thDigit(x),
            "FormatGeneral's text lies within half a unit of the 15th digit",
            detail + ", back " + Described(parsed));

    double stored = 0;
    try {
        fpu::Store(stored, parsed);
    } catch (const EOverflow&) {
        Require(std::fabs(parsed) > DBL_MAX,
                "the store of the text's value faults only beyond the double range", detail);
        return;
    }
    Require(FormatGeneral(stored, separator) == text, "the text's value formats to the same text",
            detail + ", again " + Quoted(FormatGeneral(stored, separator)));
}
