// ParseFloat over texts of any bytes, under a separator that the first byte chooses: it either
// returns the value of one of the accepted forms or raises EConvertError quoting the text, with
// the x87 flags clear either way; a value that fits a double survives the general format.
#include "FuzzText.h"
#include "ParseFloat.h"
#include "ParseFloatReference.h"
#include "Require.h"
#include "RoundTrip.h"
#include "X87Status.h"

#include <cfloat>
#include <cmath>
#include <cstdint>

namespace {

void RequireExpectedValue(Extended value, const ExpectedParse& expected, const std::string& detail)
{
    Require(expected.outcome != ExpectedParse::Outcome::Rejected, "only the accepted forms convert", detail);
    Require(std::signbit(value) == expected.negative, "the value has the text's sign", detail);
    if (expected.outcome == ExpectedParse::Outcome::EitherWay) {
        return;
    }
    // Below the extended normal range the steps round to the denormals' fixed spacing instead.
    const long double tolerance = expected.magnitude * expected.relativeError + 4 * LDBL_TRUE_MIN;
    Require(std::fabs(std::fabs(value) - expected.magnitude) <= tolerance, "the value is the text's",
            detail + ", expected " + Described(expected.magnitude));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fpu::InitializeUnit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const char32_t separator = SeparatorFromByte(data[0]);
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string detail = "text " + Quoted(text) + ", separator " + Quoted(Utf8(separator));
    const ExpectedParse expected = ExpectParse(text, Utf8(separator));

    Extended value = 0;
    try {
        value = ParseFloat(text, separator);
    } catch (const EConvertError& error) {
        Require(X87ExceptionFlags() == 0, "a rejecting ParseFloat leaves the x87 flags clear", detail);
        Require(error.Message() == "'" + text + "' is not a valid floating point value",
                "the message quotes the whole text", detail + ", message " + Quoted(error.Message()));
        Require(expected.outcome != ExpectedParse::Outcome::Accepted, "every accepted form converts", detail);
        return 0;
    }
    Require(X87ExceptionFlags() == 0, "ParseFloat leaves the x87 flags clear", detail);
    Require(std::isfinite(value), "ParseFloat returns a finite value", detail);
    RequireExpectedValue(value, expected, detail + ", value " + Described(value));

    double stored = 0;
    try {
        fpu::Store(stored, value);
    } catch (const EOverflow&) {
        Require(std::fabs(value) > DBL_MAX, "the store faults only beyond the double range", detail);
        return 0;
    }
    RequireGeneralRoundTrip(stored, separator);
    return 0;
}
