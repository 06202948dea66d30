#include "FormatGeneral.h"
#include "ParseFloat.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <random>
#include <string>

namespace {

struct Example {
    const char* name;
    double value;
    std::string text; // with "," as the separator
};

// Names the case in test listings.
void PrintTo(const Example& c, std::ostream* out)
{
    *out << c.name;
}

std::string WithSeparator(std::string text, const std::string& separator)
{
    for (std::size_t at = text.find(','); at != std::string::npos;
         at = text.find(',', at + separator.size())) {
        text.replace(at, 1, separator);
    }
    return text;
}

class FormatGeneralExamples : public testing::TestWithParam<Example> {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

TEST_P(FormatGeneralExamples, WritesTheTextUnderEachSeparator)
{
    EXPECT_EQ(FormatGeneral(GetParam().value, U','), GetParam().text);
    EXPECT_EQ(FormatGeneral(GetParam().value, U'.'), WithSeparator(GetParam().text, "."));
    EXPECT_EQ(FormatGeneral(GetParam().value, U'\u066B'), WithSeparator(GetParam().text, "\u066B"));
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatGeneralExamples,
    testing::Values(
        Example{"Zero", 0.0, "0"}, Example{"NegativeZero", -0.0, "0"}, Example{"Infinity", INFINITY, "INF"},
        Example{"NegativeInfinity", -INFINITY, "-INF"}, Example{"PointOnePlusPointTwo", 0.1 + 0.2, "0,3"},
        Example{"OneThird", 1.0 / 3, "0,333333333333333"}, Example{"TwoThirds", 2.0 / 3, "0,666666666666667"},
        Example{"OneSeventh", 1.0 / 7, "0,142857142857143"}, Example{"Pi", M_PI, "3,14159265358979"},
        Example{"MinusTwoAndAHalf", -2.5, "-2,5"}, Example{"Decimals", 123.456, "123,456"},
        Example{"TenTo14", 1e14, "100000000000000"},
        Example{"FifteenNines", 999999999999999.0, "999999999999999"},
        Example{"RoundsSixteenthDigit", 123456789012345.6, "123456789012346"},
        Example{"CarriesIntoExponentForm", 999999999999999.9, "1E15"}, Example{"TenTo15", 1e15, "1E15"},
        Example{"TwoTo53", 9007199254740992.0, "9,00719925474099E15"},
        Example{"EighteenDigits", 123456789012345678.0, "1,23456789012346E17"},
        Example{"TenTo21", 1e21, "1E21"}, Example{"TenToMinus4", 0.0001, "0,0001"},
        Example{"SmallNegative", -0.000123, "-0,000123"}, Example{"TenToMinus5", 0.00001, "1E-5"},
        Example{"NegativeExponent", 1.5e-7, "1,5E-7"},
        Example{"LargestDouble", DBL_MAX, "1,79769313486232E308"},
        Example{"DenormalTenToMinus310", 1e-310, "9,99999999999997E-311"},
        Example{"SmallestDenormal", DBL_TRUE_MIN, "4,94065645841247E-324"},
        // A 16th digit of exactly 5 rounds up, not to even.
        Example{"SixteenthDigitFiveRoundsUp", 1000000000000005.0, "1,00000000000001E15"},
        // Just below 0.0001, rounding up to it: the fixed form.
        Example{"RoundsUpToTenToMinus4", 0.000099999999999999995, "0,0001"},
        Example{"DoubleNearestTenTo23", 1e23, "1E23"},
        Example{"SquareOfTenToMinus160", 1e-160 * 1e-160, "9,99988867182683E-321"}),
    [](const testing::TestParamInfo<Example>& info) { return std::string(info.param.name); });

// The exact decimal digits of a double, as the C library prints them, from the 16th on.
std::string DigitsFromSixteenth(double magnitude)
{
    char exact[64];
    std::snprintf(exact, sizeof exact, "%.30e", magnitude);
    std::string digits = std::string(1, exact[0]) + std::string(exact + 2, 30);
    return digits.substr(15, 4);
}

// Every binade of the double range, denormals included: random bit patterns.
TEST(FormatGeneralProperty, EveryTextOfAFiniteValueReadsBackAndHoldsItsFifteenDigits)
{
    fpu::InitializeUnit();
    std::mt19937_64 random(19730101);
    int compared = 0;
    for (int i = 0; i < 200000; ++i) {
        const double x = std::bit_cast<double>(random());
        if (!std::isfinite(x)) {
            continue;
        }
        const char32_t separator = i % 2 ? U',' : U'.';
        const std::string text = FormatGeneral(x, separator);
        Extended back = 0;
        ASSERT_NO_THROW(back = ParseFloat(text, separator)) << text;
        EXPECT_LE(std::fabs(back - x), std::fabs(x) * 5.001e-15L) << text;

        // Where the digits beyond the 15th are not close to half a unit (the format rounds
        // twice, and a 16th digit of 5 always up), the digits are the correctly rounded ones.
        const int tail = std::atoi(DigitsFromSixteenth(std::fabs(x)).c_str());
        if (tail < 4980 || tail > 5020) {
            std::string cText = text;
            for (auto& c : cText) {
                c = c == ',' ? '.' : c;
            }
            char reference[40];
            std::snprintf(reference, sizeof reference, "%.15g", x);
            EXPECT_EQ(std::strtold(cText.c_str(), nullptr), std::strtold(reference, nullptr))
                << text << " " << reference;
            ++compared;
        }
    }
    EXPECT_GT(compared, 150000);
}

} // namespace
