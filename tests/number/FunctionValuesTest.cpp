// Known values of the one-operand keys, as the stored doubles the display will show.
#include "AngleConversions.h"
#include "BasicFunctions.h"
#include "ExponentialFunctions.h"
#include "HyperbolicFunctions.h"
#include "StoredOutcome.h"
#include "TrigonometricFunctions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

struct ValueCase {
    const char* name;
    std::function<Extended()> compute;
    double expected;
};

class FunctionValues : public testing::TestWithParam<ValueCase> {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

TEST_P(FunctionValues, StoresTheExpectedDouble)
{
    const Outcome outcome = Stored(GetParam().compute);
    ASSERT_EQ(outcome.fault, "");
    EXPECT_EQ(std::bit_cast<std::uint64_t>(outcome.value), std::bit_cast<std::uint64_t>(GetParam().expected))
        << outcome.value << " instead of " << GetParam().expected;
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.141592653589793;

// clang-format off
INSTANTIATE_TEST_SUITE_P(OneOperand, FunctionValues, testing::Values(
    ValueCase{"PiIsTheDoubleNearestPi",       [] { return Pi(); }, std::bit_cast<double>(0x400921FB54442D18ull)},
    ValueCase{"SineNearPi",                   [] { return Sine(kPi); }, 1.2246467991473532e-16},
    ValueCase{"SineOfHuge",                   [] { return Sine(1e19); }, -0.9270631660486504},
    ValueCase{"CosineOfHuge",                 [] { return Cosine(1e19); }, -0.37490516955071784},
    ValueCase{"TangentOfZero",                [] { return Tangent(0); }, 0},
    ValueCase{"ArcTangentOfOne",              [] { return ArcTangent(1); }, kPi / 4},
    ValueCase{"ArcCosineOfMinusOne",          [] { return ArcCosine(-1); }, kPi},
    ValueCase{"ArcSineOfOne",                 [] { return ArcSine(1); }, kPi / 2},
    ValueCase{"ExpOfZero",                    [] { return Exponential(0); }, 1},
    ValueCase{"ExpBelowDoubles",              [] { return Exponential(-1000); }, 0},
    ValueCase{"Log2OfEight",                  [] { return Log2(8); }, 3},
    ValueCase{"LnOfOne",                      [] { return NaturalLog(1); }, 0},
    ValueCase{"SinhOfTiny",                   [] { return HyperbolicSine(1e-17); }, 1e-17},
    ValueCase{"CoshOfTiny",                   [] { return HyperbolicCosine(1e-16); }, 1},
    ValueCase{"TanhOfTiny",                   [] { return HyperbolicTangent(1e-17); }, 1e-17},
    ValueCase{"TanhOfHuge",                   [] { return HyperbolicTangent(11357); }, 1},
    ValueCase{"ArsinhOfLargeNegative",        [] { return InverseHyperbolicSine(-1e10); }, -23.718998110500402},
    ValueCase{"ArcoshOfOne",                  [] { return InverseHyperbolicCosine(1); }, 0},
    ValueCase{"ArtanhOfHalf",                 [] { return InverseHyperbolicTangent(0.5); }, 0.5493061443340549},
    ValueCase{"ArtanhOfOne",                  [] { return InverseHyperbolicTangent(1); }, kInfinity},
    ValueCase{"ArtanhOfMinusOne",             [] { return InverseHyperbolicTangent(-1); }, -kInfinity},
    ValueCase{"NegateSeven",                  [] { return Negate(7); }, -7},
    ValueCase{"ReciprocalOfFour",             [] { return Reciprocal(4); }, 0.25},
    ValueCase{"SquareOfLargeWithinDoubles",   [] { return Square(1e154); }, 1e308},
    ValueCase{"SquareIntoSubnormals",         [] { return Square(1e-160); }, 9.99988867182683e-321},
    ValueCase{"SquareRootOfSixteen",          [] { return SquareRoot(16); }, 4},
    ValueCase{"DegToRadOfHalfTurn",           [] { return DegToRad(180); }, kPi},
    ValueCase{"GradToRadOfHalfTurn",          [] { return GradToRad(200); }, kPi},
    ValueCase{"CycleToRadOfOneTurn",          [] { return CycleToRad(1); }, 2 * kPi},
    ValueCase{"RadToCycleOfHalfTurn",         [] { return RadToCycle(kPi); }, 0.5},
    ValueCase{"RadToDegOfHalfTurn",           [] { return RadToDeg(kPi); }, 180},
    ValueCase{"RadToGradOfHalfTurn",          [] { return RadToGrad(kPi); }, 200},
    // The exact floor over the whole range, beyond 32-bit integers too.
    ValueCase{"FloorOfPositiveHalf",          [] { return Floor(2.5); }, 2},
    ValueCase{"FloorOfNegativeHalf",          [] { return Floor(-2.5); }, -3},
    ValueCase{"FloorOfMinusHalf",             [] { return Floor(-0.5); }, -1},
    ValueCase{"FloorBelowInt32Max",           [] { return Floor(2147483647.5); }, 2147483647},
    ValueCase{"FloorAboveInt32Max",           [] { return Floor(2147483648); }, 2147483648},
    ValueCase{"FloorOfThreeBillion",          [] { return Floor(3000000000); }, 3000000000},
    ValueCase{"FloorBelowInt32Min",           [] { return Floor(-2147483648.5); }, -2147483649},
    ValueCase{"FloorOfHuge",                  [] { return Floor(1e19); }, 1e19},
    ValueCase{"FloorOfMinusTwoToThe63",       [] { return Floor(-0x1p63); }, -0x1p63}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });
// clang-format on

// The angle factors are those of the extended pi with 180, 200 and 2, each rounded once; the
// conversion of 1 returns the factor itself, before any rounding to a double.
TEST(AngleFactors, AreTheExtendedPiQuotientsRoundedOnce)
{
    fpu::InitializeUnit();
    const Extended pi = std::acos(-1.0L); // the extended value nearest pi
    EXPECT_EQ(CycleToRad(1), 2 * pi);
    EXPECT_EQ(DegToRad(1), pi / 180);
    EXPECT_EQ(GradToRad(1), pi / 200);
    EXPECT_EQ(RadToCycle(1), 1 / (2 * pi));
    EXPECT_EQ(RadToDeg(1), 180 / pi);
    EXPECT_EQ(RadToGrad(1), 200 / pi);
}

} // namespace
