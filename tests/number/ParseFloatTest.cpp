#include "ParseFloat.h"
#include "FormatGeneral.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>
#include <string>

namespace {

class ParseFloatTest : public testing::Test {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

struct Accepted {
    const char* name;
    std::string text;
    char32_t separator;
    Extended expected;
};

// Names the case in test listings.
void PrintTo(const Accepted& c, std::ostream* out)
{
    *out << c.name;
}

class ParseFloatAccepts : public ParseFloatTest, public testing::WithParamInterface<Accepted> {};

TEST_P(ParseFloatAccepts, GivesTheValue)
{
    const Extended value = ParseFloat(GetParam().text, GetParam().separator);
    EXPECT_EQ(value, GetParam().expected);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().expected));
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << "the conversion leaves the flags clear";
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseFloatAccepts,
    testing::Values(
        Accepted{"CommaUnderComma", "12,5", U',', 12.5L}, Accepted{"PointUnderPoint", "12.5", U'.', 12.5L},
        Accepted{"SpacesAround", "  12,5  ", U',', 12.5L}, Accepted{"Plus", "+7", U',', 7},
        Accepted{"Minus", "-2,5", U',', -2.5L}, Accepted{"NegativeZero", "-0", U',', -0.0L},
        Accepted{"SeparatorAlone", ",", U',', 0}, Accepted{"MinusSeparator", "-,", U',', -0.0L},
        Accepted{"NoIntegerDigits", ",5", U',', 0.5L}, Accepted{"NoFractionDigits", "5,", U',', 5},
        Accepted{"ExponentLetterAlone", "1E", U',', 1}, Accepted{"ExponentSignAlone", "1e-", U',', 1},
        Accepted{"ExponentPlus", "1E+3", U',', 1000}, Accepted{"ExponentLowerCase", "1e3", U',', 1000},
        Accepted{"ExponentLeadingZeros", "1E0000000000000003", U',', 1000},
        Accepted{"FractionAndExponent", "2,5E-3", U',', 0.0025L},
        Accepted{"SeparatorAndExponent", ",E7", U',', 0},
        Accepted{"NineteenDigitsExact", "9223372036854775807", U',', 9223372036854775807.0L},
        Accepted{"TwentyDigitsRounded", "18446744073709551617", U',', 18446744073709551616.0L},
        Accepted{"MultibyteSeparator", "12\u066B5", U'\u066B', 12.5L},
        Accepted{"BelowExtendedRange", "1E-4999", U',', 0},
        Accepted{"NegativeBelowRange", "-1E-4999", U',', -0.0L}),
    [](const testing::TestParamInfo<Accepted>& info) { return std::string(info.param.name); });

TEST_F(ParseFloatTest, KeepsValuesBeyondTheDoubleRangeForTheStoreToFault)
{
    const Extended huge = ParseFloat("1E500", U',');
    EXPECT_TRUE(std::isfinite(huge));
    EXPECT_GT(huge, 9.9999e499L);
    EXPECT_LT(huge, 1.0001e500L);
    double target = 7;
    EXPECT_THROW(fpu::Store(target, huge), EOverflow);
    EXPECT_EQ(target, 7);

    const Extended tiny = ParseFloat("1E-400", U',');
    EXPECT_GT(tiny, 9.9999e-401L);
    EXPECT_LT(tiny, 1.0001e-400L);
    fpu::Store(target, tiny);
    EXPECT_EQ(target, 0);

    EXPECT_GT(ParseFloat("1E4931", U','), 9.9999e4930L); // the top of the extended range
}

TEST_F(ParseFloatTest, IgnoresAnOverflowFlagLeftByEarlierCode)
{
    volatile Extended huge = LDBL_MAX;
    huge = huge * 2; // unchecked: leaves the overflow flag set
    ASSERT_NE(std::fetestexcept(FE_OVERFLOW), 0);
    EXPECT_EQ(ParseFloat("0,5", U','), 0.5L);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

// Flags that earlier unchecked code left on the x87 unit are gone after the conversion,
// whichever way it ends: at the value, or at a rejection before or after the number. Among
// them flags the conversion has no reason to look at (underflow and inexact alone).
TEST_F(ParseFloatTest, LeavesTheFlagsClearWhateverEarlierCodeLeft)
{
    const std::function<void()> earlierCode[] = {
        [] {
            volatile Extended huge = LDBL_MAX, zero = 0;
            volatile Extended left[] = {huge * 2, 1 / zero, zero / zero};
            static_cast<void>(left);
        },
        [] {
            volatile Extended tiny = LDBL_TRUE_MIN;
            volatile Extended left = tiny / 3;
            static_cast<void>(left);
        },
    };
    for (const auto& leaveFlags : earlierCode) {
        for (const std::string text : {"0,5", "", "x", "1E5000", "1E4999"}) {
            leaveFlags();
            ASSERT_NE(std::fetestexcept(FE_ALL_EXCEPT), 0);
            try {
                ParseFloat(text, U',');
            } catch (const EConvertError&) {
            }
            EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << "text '" << text << "'";
        }
    }
}

struct Rejected {
    const char* name;
    std::string text;
    char32_t separator;
};

// Names the case in test listings.
void PrintTo(const Rejected& c, std::ostream* out)
{
    *out << c.name;
}

class ParseFloatRejects : public ParseFloatTest, public testing::WithParamInterface<Rejected> {};

TEST_P(ParseFloatRejects, RaisesTheConversionErrorQuotingTheWholeText)
{
    try {
        ParseFloat(GetParam().text, GetParam().separator);
        FAIL() << "accepted";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.Message(), "'" + GetParam().text + "' is not a valid floating point value");
    }
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0) << "the conversion leaves the flags clear";
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseFloatRejects,
    testing::Values(
        Rejected{"Empty", "", U','}, Rejected{"SpacesAlone", "   ", U','}, Rejected{"PlusAlone", "+", U','},
        Rejected{"MinusAlone", "-", U','}, Rejected{"ExponentWithoutNumber", "E5", U','},
        Rejected{"SpaceAfterSign", "- 1", U','}, Rejected{"SpaceInsideDigits", "1 2", U','},
        Rejected{"SpaceBeforeExponent", "1 E5", U','}, Rejected{"TabBefore", "\t1", U','},
        Rejected{"TabAfter", "1\t", U','}, Rejected{"PointUnderComma", "12.5", U','},
        Rejected{"PointUnderCommaWithSpaces", "  12.5  ", U','}, Rejected{"CommaUnderPoint", "12,5", U'.'},
        Rejected{"TwoSeparators", "1,2,3", U','}, Rejected{"ThousandsAndDecimal", "1.000,5", U','},
        Rejected{"TwoSigns", "+-1", U','}, Rejected{"TwoExponentSigns", "1E+-3", U','},
        Rejected{"FractionalExponent", "1E3,5", U','}, Rejected{"Hexadecimal", "0x10", U','},
        Rejected{"DollarHexadecimal", "$10", U','}, Rejected{"Infinity", "INF", U','},
        Rejected{"NegativeInfinity", "-INF", U','}, Rejected{"NotANumber", "NAN", U','},
        Rejected{"NoBreakSpace", "1\u00A0", U','}, Rejected{"NarrowNoBreakSpace", "1\u202F000", U','},
        Rejected{"CyrillicExponentLetter", "1\u04153", U','}, Rejected{"InvalidUtf8", "1\xFF", U','},
        Rejected{"NulCharacter", std::string{'1', '\0', '2'}, U','},
        Rejected{"TruncatedMultibyteSeparator", "12\xD9", U'\u066B'},
        Rejected{"DigitAfterExponentReached500", "1E5000", U','},
        Rejected{"BeyondExtendedRange", "1E4999", U','}, Rejected{"NegativeBeyondRange", "-1E4999", U','},
        Rejected{"JustBeyondExtendedRange", "1,2E4932", U','},
        Rejected{"DigitsBeyondExtendedRange", "1" + std::string(4935, '0'), U','}),
    [](const testing::TestParamInfo<Rejected>& info) { return std::string(info.param.name); });

// Random texts from the characters that matter and some that must not: the conversion
// accepts or raises EConvertError (nothing else), and what it accepts agrees with the C
// library's reading and comes back through FormatGeneral.
TEST_F(ParseFloatTest, RandomTextsAreReadOrRejectedCleanly)
{
    const std::string pieces[] = {"0", "1", "2",  "3",      "4",      "5",    "6", "7", "8",
                                  "9", "0", "5",  "9",      " ",      "+",    "-", "E", "e",
                                  ",", ".", "\t", "\u00A0", "\u0415", "\xFF", "$", "x", "9999"};
    std::mt19937_64 random(20240601);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(pieces) - 1);
    std::uniform_int_distribution<int> length(0, 14);
    int accepted = 0;
    for (int i = 0; i < 100000; ++i) {
        const char32_t separator = i % 2 ? U',' : U'.';
        std::string text;
        for (int n = length(random); n > 0; --n) {
            text += pieces[piece(random)];
        }
        Extended value = 0;
        try {
            value = ParseFloat(text, separator);
        } catch (const EConvertError& error) {
            EXPECT_EQ(error.Message(), "'" + text + "' is not a valid floating point value");
            continue;
        }
        ++accepted;
        ASSERT_TRUE(std::isfinite(value)) << text;
        std::string cText = text;
        for (auto& c : cText) {
            c = c == ',' ? '.' : c;
        }
        const Extended reference = std::strtold(cText.c_str(), nullptr);
        if (std::fabs(reference) > LDBL_MIN) {
            EXPECT_LE(std::fabs(value - reference), std::fabs(reference) * 0x1p-55L) << text;
        } else {
            EXPECT_LE(std::fabs(value - reference), LDBL_MIN) << text;
        }
        if (std::fabs(value) <= DBL_MAX) {
            const double stored = static_cast<double>(value);
            const Extended back = ParseFloat(FormatGeneral(stored, separator), separator);
            EXPECT_LE(std::fabs(back - stored), std::fabs(stored) * 5.001e-15L) << text;
        }
    }
    EXPECT_GT(accepted, 10000) << "the texts should exercise the accepting paths too";
}

} // namespace
