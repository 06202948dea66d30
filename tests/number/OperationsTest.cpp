// What "=" and "%" compute from the first operand and the display's value, as the doubles
// they store or the faults they raise.
#include "BinaryOperations.h"
#include "Percent.h"
#include "StoredOutcome.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <stdexcept>

namespace {

struct OperationCase {
    const char* name;
    std::function<Extended()> compute;
    Outcome expected;
};

class Operations : public testing::TestWithParam<OperationCase> {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

TEST_P(Operations, StoreTheExpectedDoubleOrFault)
{
    const Outcome outcome = Stored(GetParam().compute);
    const Outcome& expected = GetParam().expected;
    EXPECT_EQ(outcome.fault, expected.fault);
    if (expected.fault.empty()) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(outcome.value), std::bit_cast<std::uint64_t>(expected.value))
            << outcome << " instead of " << expected;
    }
}

std::string CaseName(const testing::TestParamInfo<OperationCase>& info)
{
    return info.param.name;
}

Outcome Value(double value)
{
    return {"", value};
}
const Outcome kInvalid{EInvalidOp::kMessage};
const Outcome kZeroDivide{EZeroDivide::kMessage};
const Outcome kOverflow{EOverflow::kMessage};

constexpr double kMax = std::numeric_limits<double>::max();
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Calculate, Operations, testing::Values(
    OperationCase{"Sum",                        [] { return Calculate('+', 12, 3); }, Value(15)},
    OperationCase{"Difference",                 [] { return Calculate('-', 12, 3); }, Value(9)},
    OperationCase{"Product",                    [] { return Calculate('*', 12, 3); }, Value(36)},
    OperationCase{"Quotient",                   [] { return Calculate('/', 12, 3); }, Value(4)},
    // 1 + 2^-60 is no double: rounded first, the difference would be 0.
    OperationCase{"SecondOperandStaysExtended", [] { return Calculate('-', 1, 1 + 0x1p-60L); }, Value(-0x1p-60)},
    OperationCase{"SecondOperandBeyondDoubles", [] { return Calculate('*', 1e-300, 1e400L); }, Value(1e100)},
    OperationCase{"DivisionByZero",             [] { return Calculate('/', 5, 0); }, kZeroDivide},
    OperationCase{"NegativeDivisionByZero",     [] { return Calculate('/', -1, 0); }, kZeroDivide},
    OperationCase{"ZeroOverZero",               [] { return Calculate('/', 0, 0); }, kInvalid},
    OperationCase{"SumBeyondDoubles",           [] { return Calculate('+', 1e308, 1e308); }, kOverflow},
    OperationCase{"QuotientUnderflowsSilently", [] { return Calculate('/', 1e-300, 1e100); }, Value(0)}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Power, Operations, testing::Values(
    OperationCase{"TwoToTheTenth",              [] { return Power(2, 10); }, Value(1024)},
    OperationCase{"NegativeBaseOddExponent",    [] { return Power(-2, 3); }, Value(-8)},
    OperationCase{"NegativeExponentReciprocal", [] { return Power(2, -3); }, Value(0.125)},
    OperationCase{"ZeroExponent",               [] { return Power(2, 0); }, Value(1)},
    OperationCase{"ZeroToTheZero",              [] { return Power(0, 0); }, Value(1)},
    // The correctly rounded power; multiplying doubles one by one gives 5.054470284992944.
    OperationCase{"ElevenTenthsToTheSeventeenth", [] { return Power(1.1, 17); }, Value(5.054470284992945)},
    OperationCase{"LargestExponent",            [] { return Power(1.0000001, kIntMax); }, Value(1.8366448196907325e93)},
    OperationCase{"SmallestExponent",           [] { return Power(1.0000001, kIntMin); }, Value(5.4447103178522951e-94)},
    OperationCase{"MinusOneToTheLargestOdd",    [] { return Power(-1, kIntMax); }, Value(-1)},
    OperationCase{"MinusOneToTheSmallestEven",  [] { return Power(-1, kIntMin); }, Value(1)},
    OperationCase{"LargestDoublePower",         [] { return Power(2, 1023); }, Value(0x1p1023)},
    OperationCase{"BeyondDoubles",              [] { return Power(2, 1024); }, kOverflow},
    OperationCase{"NegativeExponentBeyondDoubles", [] { return Power(1e-5, -70); }, kOverflow},
    OperationCase{"BeyondExtended",             [] { return Power(2, 20000); }, kOverflow},
    OperationCase{"ZeroToNegative",             [] { return Power(0, -1); }, kZeroDivide},
    OperationCase{"ZeroToSmallestExponent",     [] { return Power(0, kIntMin); }, kZeroDivide},
    OperationCase{"MinusZeroToNegativeOdd",     [] { return Power(-0.0, -3); }, kZeroDivide},
    OperationCase{"SmallestSubnormalPower",     [] { return Power(2, -1074); }, Value(0x1p-1074)},
    OperationCase{"BelowDoublesSilently",       [] { return Power(2, -1075); }, Value(0)},
    OperationCase{"BelowExtendedSilently",      [] { return Power(0.5, kIntMax); }, Value(0)}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Hypotenuse, Operations, testing::Values(
    OperationCase{"ThreeFour",                  [] { return Hypotenuse(3, 4); }, Value(5)},
    OperationCase{"NegativeThreeFour",          [] { return Hypotenuse(-3, 4); }, Value(5)},
    OperationCase{"FiveTwelve",                 [] { return Hypotenuse(5, 12); }, Value(13)},
    OperationCase{"ZeroNegativeSeven",          [] { return Hypotenuse(0, -7); }, Value(7)},
    OperationCase{"ZeroZero",                   [] { return Hypotenuse(0, 0); }, Value(0)},
    OperationCase{"SmallestIntegerAlone",       [] { return Hypotenuse(0, kIntMin); }, Value(2147483648)},
    OperationCase{"LargestDoubleWithInteger",   [] { return Hypotenuse(-kMax, kIntMin); }, Value(kMax)},
    OperationCase{"TinyWithOne",                [] { return Hypotenuse(1e-300, 1); }, Value(1)}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Percent, Operations, testing::Values(
    OperationCase{"AddTenPercent",              [] { return Percent('+', 200, 10); }, Value(220)},
    OperationCase{"SubtractTenPercent",         [] { return Percent('-', 200, 10); }, Value(180)},
    OperationCase{"TenPercentOf",               [] { return Percent('*', 200, 10); }, Value(20)},
    OperationCase{"DivideByTenPercent",         [] { return Percent('/', 200, 10); }, Value(2000)},
    OperationCase{"AddTwentyPercent",           [] { return Percent('+', 50, 20); }, Value(60)},
    OperationCase{"SubtractTwentyPercent",      [] { return Percent('-', 50, 20); }, Value(40)},
    OperationCase{"TwentyPercentOf",            [] { return Percent('*', 50, 20); }, Value(10)},
    OperationCase{"DivideByTwentyPercent",      [] { return Percent('/', 50, 20); }, Value(250)},
    OperationCase{"NothingPending",             [] { return Percent(0, 50, 7); }, Value(7)},
    OperationCase{"PowerPending",               [] { return Percent('^', 50, 7); }, Value(7)},
    OperationCase{"HypotenusePending",          [] { return Percent('H', 50, 7); }, Value(7)},
    OperationCase{"DivideByZeroPercent",        [] { return Percent('/', 50, 0); }, kZeroDivide},
    OperationCase{"DivideZeroByZeroPercent",    [] { return Percent('/', 0, 0); }, kInvalid},
    OperationCase{"BeyondDoubles",              [] { return Percent('+', 1e308, 100); }, kOverflow},
    OperationCase{"BelowDoublesSilently",       [] { return Percent('*', 1e-300, 1e-300); }, Value(0)}),
    CaseName);
// clang-format on

TEST(CalculateOperator, OtherThanTheFourArithmeticOnesIsRefused)
{
    EXPECT_THROW(Calculate('^', 2, 3), std::invalid_argument);
}

} // namespace
