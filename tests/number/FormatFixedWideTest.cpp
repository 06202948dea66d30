#include "FormatFixedWide.h"
#include "Fpu.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>
#include <string>

namespace {

struct FixedCase {
    const char* name;
    double value;
    std::size_t spaces;
    std::string number; // with "." as the separator
};

// Names the case in test listings.
void PrintTo(const FixedCase& c, std::ostream* out)
{
    *out << c.name;
}

class FormatFixedWideExamples : public testing::TestWithParam<FixedCase> {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

TEST_P(FormatFixedWideExamples, RightJustifiesFifteenDecimalsInFiftyOneCharacters)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(FormatFixedWide(c.value, U'.'), std::string(c.spaces, ' ') + c.number);
    // The separator is the caller's; a character of several bytes still counts as one.
    std::string withNarrowSpace = c.number;
    withNarrowSpace.replace(withNarrowSpace.find('.'), 1, "\u202F");
    EXPECT_EQ(FormatFixedWide(c.value, U'\u202F'), std::string(c.spaces, ' ') + withNarrowSpace);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormatFixedWideExamples,
    testing::Values(FixedCase{"Zero", 0.0, 34, "0.000000000000000"},
                    FixedCase{"One", 1.0, 34, "1.000000000000000"},
                    FixedCase{"RootOf2", std::sqrt(2.0), 34, "1.414213562373095"},
                    FixedCase{"RootOf3", std::sqrt(3.0), 34, "1.732050807568877"},
                    FixedCase{"RootOf10", std::sqrt(10.0), 34, "3.162277660168380"},
                    FixedCase{"RootOf99", std::sqrt(99.0), 34, "9.949874371066199"},
                    FixedCase{"Ten", 10.0, 33, "10.000000000000000"},
                    FixedCase{"RootOf150", std::sqrt(150.0), 33, "12.247448713915890"},
                    FixedCase{"RootOf12345", std::sqrt(12345.0), 32, "111.108055513540506"},
                    FixedCase{"Thousand", 1000.0, 31, "1000.000000000000000"},
                    FixedCase{"RootOf123456789", std::sqrt(123456789.0), 30, "11111.111060555555010"},
                    FixedCase{"RootOf2147483647", std::sqrt(2147483647.0), 30, "46340.950001051984100"},
                    FixedCase{"Negative", -2.5, 33, "-2.500000000000000"},
                    // The first dropped decimal is 5: the last kept one goes up.
                    FixedCase{"RoundsTheLastDecimalUp", 5e-16, 34, "0.000000000000001"},
                    FixedCase{"TinyNegative", -1e-300, 33, "-0.000000000000000"},
                    FixedCase{"Denormal", DBL_TRUE_MIN, 34, "0.000000000000000"},
                    FixedCase{"ThirtyFourIntegerDigits", std::ldexp(1.0, 110), 1,
                              "1298074214633706910000000000000000.000000000000000"}),
    [](const testing::TestParamInfo<FixedCase>& info) { return std::string(info.param.name); });

TEST(FormatFixedWide, GoesOnBeyondTheFieldForHugeMagnitudes)
{
    fpu::InitializeUnit();
    const std::string huge = FormatFixedWide(1e36, U'.');
    EXPECT_EQ(huge, "1000000000000000042000000000000000000.000000000000000");

    const std::string largest = FormatFixedWide(-DBL_MAX, U',');
    ASSERT_EQ(largest.size(), 1 + 309 + 1 + 15u);
    EXPECT_EQ(largest.substr(0, 17), "-1797693134862315");
    EXPECT_EQ(largest.substr(largest.size() - 16), "," + std::string(15, '0'));
}

TEST(FormatFixedWide, WritesInfinitiesAndNanAsWordsInTheField)
{
    EXPECT_EQ(FormatFixedWide(INFINITY, U'.'), std::string(48, ' ') + "INF");
    EXPECT_EQ(FormatFixedWide(-INFINITY, U'.'), std::string(47, ' ') + "-INF");
    EXPECT_EQ(FormatFixedWide(NAN, U'.'), std::string(48, ' ') + "NAN");
}

} // namespace
