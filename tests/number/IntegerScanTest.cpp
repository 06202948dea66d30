#include "Faults.h"
#include "ParseInteger.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <ostream>
#include <random>
#include <string>

namespace {

struct IntegerCase {
    const char* name;
    std::string text;
    std::optional<std::int32_t> strict; // nothing: ParseInteger fails
    std::int32_t lenient;
};

// Names the case in test listings.
void PrintTo(const IntegerCase& c, std::ostream* out)
{
    *out << c.name;
}

class IntegerConversions : public testing::TestWithParam<IntegerCase> {};

TEST_P(IntegerConversions, StrictFailsOnAStoppedScanLenientTakesItsValue)
{
    const IntegerCase& c = GetParam();
    if (c.strict) {
        EXPECT_EQ(ParseInteger(c.text), *c.strict);
    } else {
        try {
            ParseInteger(c.text);
            FAIL() << "accepted";
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + c.text + "' is not a valid integer value");
        }
    }
    EXPECT_EQ(ParseLeadingInteger(c.text), c.lenient);
}

constexpr std::nullopt_t kFails = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Texts, IntegerConversions,
    testing::Values(
        IntegerCase{"Plain", "42", 42, 42}, IntegerCase{"LeadingSpaces", "   42", 42, 42},
        IntegerCase{"Plus", "+42", 42, 42}, IntegerCase{"TrailingSpace", "42 ", kFails, 42},
        IntegerCase{"NulCharacter", std::string{'4', '\0', '2'}, kFails, 4},
        IntegerCase{"Minus", "-42", -42, -42}, IntegerCase{"LeadingZeros", "007", 7, 7},
        IntegerCase{"Dollar", "$1F", 31, 31}, IntegerCase{"LetterX", "x1F", 31, 31},
        IntegerCase{"CapitalX", "X1F", 31, 31}, IntegerCase{"ZeroX", "0x1f", 31, 31},
        IntegerCase{"ZeroCapitalX", "0X1F", 31, 31}, IntegerCase{"HexAllOnes", "$FFFFFFFF", -1, -1},
        IntegerCase{"HexSignBit", "$80000000", INT32_MIN, INT32_MIN},
        IntegerCase{"NegatedHex", "-$1", -1, -1},
        IntegerCase{"NegatedHexSignBit", "-$80000000", INT32_MIN, INT32_MIN},
        IntegerCase{"NineHexDigits", "$100000000", kFails, 0x10000000},
        IntegerCase{"DecimalComma", "12,5", kFails, 12},
        IntegerCase{"NegativeDecimalComma", "-12,5", kFails, 12}, IntegerCase{"Exponent", "1E3", kFails, 1},
        IntegerCase{"Letters", "abc", kFails, 0}, IntegerCase{"Empty", "", kFails, 0},
        IntegerCase{"SpacesAlone", "   ", kFails, 0}, IntegerCase{"PlusAlone", "+", kFails, 0},
        IntegerCase{"MinusAlone", "-", kFails, 0}, IntegerCase{"DollarAlone", "$", kFails, 0},
        IntegerCase{"ZeroXAlone", "0x", kFails, 0}, IntegerCase{"SpaceAfterSign", "- 4", kFails, 0},
        IntegerCase{"Zero", "0", 0, 0}, IntegerCase{"Largest", "2147483647", INT32_MAX, INT32_MAX},
        IntegerCase{"LargestPlusOne", "2147483648", kFails, INT32_MIN},
        IntegerCase{"LargestPlusTwo", "2147483649", kFails, -2147483647},
        IntegerCase{"Smallest", "-2147483648", INT32_MIN, INT32_MIN},
        IntegerCase{"SmallestMinusOne", "-2147483649", kFails, INT32_MAX},
        // The check before the last digit sees a magnitude of 2147483648: the scan stops there.
        IntegerCase{"ElevenDigitsStopAtTheLast", "21474836480", kFails, INT32_MIN},
        IntegerCase{"ElevenNines", "99999999999", kFails, 999999999}, IntegerCase{"Tab", "\t42", kFails, 0},
        IntegerCase{"NoBreakSpace", "42\u00A0", kFails, 42},
        IntegerCase{"CyrillicLetter", "4\u04102", kFails, 4},
        IntegerCase{"InvalidUtf8",
                    "\xFF"
                    "1",
                    kFails, 0},
        IntegerCase{"FullwidthDigit", "\uFF11", kFails, 0}),
    [](const testing::TestParamInfo<IntegerCase>& info) { return std::string(info.param.name); });

// Every 32-bit value comes back from its decimal and hexadecimal texts.
TEST(IntegerProperty, RandomValuesRoundTripThroughTheirTexts)
{
    std::mt19937 random(4242);
    for (int i = 0; i < 100000; ++i) {
        const auto bits = static_cast<std::uint32_t>(random());
        const auto value = static_cast<std::int32_t>(bits);
        char text[32];
        std::snprintf(text, sizeof text, "  %" PRId32, value);
        EXPECT_EQ(ParseInteger(text), value) << text;
        std::snprintf(text, sizeof text, "$%" PRIX32, bits);
        EXPECT_EQ(ParseInteger(text), value) << text;
        std::snprintf(text, sizeof text, "-0x%" PRIx32, bits);
        EXPECT_EQ(ParseInteger(text), static_cast<std::int32_t>(0u - bits)) << text;
    }
}

// Random texts: the strict conversion either agrees with the lenient one or raises
// EConvertError quoting the text.
TEST(IntegerProperty, RandomTextsGiveTheLenientValueOrTheConversionError)
{
    const std::string pieces[] = {"0", "1", "7", "9", "4", "F",  "a", "g",  " ",
                                  "+", "-", "$", "x", "X", "0x", ",", "\t", "\u0410"};
    std::mt19937_64 random(777);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 14);
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += pieces[piece(random)];
        }
        const std::int32_t lenient = ParseLeadingInteger(text);
        try {
            EXPECT_EQ(ParseInteger(text), lenient) << text;
            ++accepted;
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + text + "' is not a valid integer value");
        }
    }
    EXPECT_GT(accepted, 1000);
}

} // namespace
