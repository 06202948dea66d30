// Which arguments stop a one-operand key with which fault, counting the store of its result
// into a double as the key does. Only the three faults of the processor conditions arise, and
// only where the function is undefined or its value lies beyond the double range.
#include "AngleConversions.h"
#include "BasicFunctions.h"
#include "ExponentialFunctions.h"
#include "HyperbolicFunctions.h"
#include "StoredOutcome.h"
#include "TrigonometricFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct FaultCase {
    const char* name;
    std::function<Extended()> compute;
    std::string fault; // the message expected, empty when the result is stored
};

class FunctionFaults : public testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

TEST_P(FunctionFaults, FaultsExactlyWhereTheFunctionFails)
{
    EXPECT_EQ(Stored(GetParam().compute).fault, GetParam().fault);
    // A fault leaves no flag behind for the next step.
    EXPECT_EQ(Stored([] { return Reciprocal(4); }).value, 0.25);
}

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
const std::string kInvalid = EInvalidOp::kMessage;
const std::string kZeroDivide = EZeroDivide::kMessage;
const std::string kOverflow = EOverflow::kMessage;
const std::string kNone;

// clang-format off
INSTANTIATE_TEST_SUITE_P(OneOperand, FunctionFaults, testing::Values(
    FaultCase{"ReciprocalOfZero",             [] { return Reciprocal(0); }, kZeroDivide},
    FaultCase{"ReciprocalOfMinusZero",        [] { return Reciprocal(-0.0); }, kZeroDivide},
    FaultCase{"ReciprocalBeyondDoubles",      [] { return Reciprocal(5.5e-309); }, kOverflow},
    FaultCase{"ReciprocalOfSmallestDouble",   [] { return Reciprocal(kTiny); }, kOverflow},
    FaultCase{"ReciprocalJustWithinDoubles",  [] { return Reciprocal(5.6e-309); }, kNone},
    FaultCase{"CotangentOfZero",              [] { return Cotangent(0); }, kZeroDivide},
    FaultCase{"CotangentOfMinusZero",         [] { return Cotangent(-0.0); }, kZeroDivide},
    FaultCase{"CotangentBeyondDoubles",       [] { return Cotangent(kTiny); }, kOverflow},
    FaultCase{"SquareBeyondDoubles",          [] { return Square(1e155); }, kOverflow},
    FaultCase{"SquareWithinDoubles",          [] { return Square(1e154); }, kNone},
    FaultCase{"SquareUnderflowsSilently",     [] { return Square(1e-200); }, kNone},
    FaultCase{"CubeBeyondDoubles",            [] { return Cube(-1e103); }, kOverflow},
    FaultCase{"ExpBeyondDoubles",             [] { return Exponential(710); }, kOverflow},
    FaultCase{"ExpBeyondExtended",            [] { return Exponential(12000); }, kOverflow},
    FaultCase{"ExpWithinDoubles",             [] { return Exponential(709); }, kNone},
    FaultCase{"ExpUnderflowsSilently",        [] { return Exponential(-12000); }, kNone},
    FaultCase{"CoshBeyondDoubles",            [] { return HyperbolicCosine(711); }, kOverflow},
    FaultCase{"CoshOfNegativeBeyondDoubles",  [] { return HyperbolicCosine(-711); }, kOverflow},
    FaultCase{"CoshBeyondExtended",           [] { return HyperbolicCosine(1e300); }, kOverflow},
    FaultCase{"CoshWithinDoubles",            [] { return HyperbolicCosine(710); }, kNone},
    FaultCase{"SinhBeyondDoubles",            [] { return HyperbolicSine(-711); }, kOverflow},
    FaultCase{"SinhBeyondExtended",           [] { return HyperbolicSine(12000); }, kOverflow},
    FaultCase{"CycleToRadBeyondDoubles",      [] { return CycleToRad(1e308); }, kOverflow},
    FaultCase{"RadToDegBeyondDoubles",        [] { return RadToDeg(3.14e306); }, kOverflow},
    FaultCase{"RadToGradBeyondDoubles",       [] { return RadToGrad(2.83e306); }, kOverflow},
    FaultCase{"LnOfZero",                     [] { return NaturalLog(0); }, kZeroDivide},
    FaultCase{"LnOfMinusZero",                [] { return NaturalLog(-0.0); }, kZeroDivide},
    FaultCase{"LnOfNegative",                 [] { return NaturalLog(-kTiny); }, kInvalid},
    FaultCase{"Log2OfZero",                   [] { return Log2(0); }, kZeroDivide},
    FaultCase{"Log2OfNegative",               [] { return Log2(-1); }, kInvalid},
    FaultCase{"ArcosAboveOne",                [] { return ArcCosine(std::nextafter(1.0, 2.0)); }, kInvalid},
    FaultCase{"ArcosBelowMinusOne",           [] { return ArcCosine(-2); }, kInvalid},
    FaultCase{"ArcosOfMinusOne",              [] { return ArcCosine(-1); }, kNone},
    FaultCase{"ArsinAboveOne",                [] { return ArcSine(2); }, kInvalid},
    FaultCase{"ArsinOfOne",                   [] { return ArcSine(1); }, kNone},
    FaultCase{"ArtanhAboveOne",               [] { return InverseHyperbolicTangent(std::nextafter(1.0, 2.0)); }, kInvalid},
    FaultCase{"ArtanhBelowMinusOne",          [] { return InverseHyperbolicTangent(-kMax); }, kInvalid},
    FaultCase{"ArtanhOfOneIsInfinity",        [] { return InverseHyperbolicTangent(1); }, kNone},
    FaultCase{"ArtanhOfMinusOneIsInfinity",   [] { return InverseHyperbolicTangent(-1); }, kNone},
    FaultCase{"ArcoshBelowOne",               [] { return InverseHyperbolicCosine(std::nextafter(1.0, 0.0)); }, kInvalid},
    FaultCase{"ArcoshOfZero",                 [] { return InverseHyperbolicCosine(0); }, kInvalid},
    FaultCase{"ArcoshOfMinusOne",             [] { return InverseHyperbolicCosine(-1); }, kInvalid},
    FaultCase{"ArcoshOfMinusTwo",             [] { return InverseHyperbolicCosine(-2); }, kInvalid},
    FaultCase{"ArcoshOfOne",                  [] { return InverseHyperbolicCosine(1); }, kNone},
    FaultCase{"SqrtOfNegative",               [] { return SquareRoot(-16); }, kInvalid},
    FaultCase{"SqrtOfMinusZero",              [] { return SquareRoot(-0.0); }, kNone},
    // Nothing else faults: large and awkward arguments give values.
    FaultCase{"TangentNearHalfPi",            [] { return Tangent(1.5707963267948966); }, kNone},
    FaultCase{"TangentOfHuge",                [] { return Tangent(1e19); }, kNone},
    FaultCase{"CotangentOfHuge",              [] { return Cotangent(kMax); }, kNone},
    FaultCase{"SineOfHuge",                   [] { return Sine(1e300); }, kNone},
    FaultCase{"CosineOfHuge",                 [] { return Cosine(-kMax); }, kNone},
    FaultCase{"TanhOfHuge",                   [] { return HyperbolicTangent(11357); }, kNone},
    FaultCase{"TanhOfLargest",                [] { return HyperbolicTangent(-kMax); }, kNone},
    FaultCase{"ArsinhWithoutCancellation",    [] { return InverseHyperbolicSine(-1e10); }, kNone},
    FaultCase{"ArsinhOfLargest",              [] { return InverseHyperbolicSine(-kMax); }, kNone},
    FaultCase{"ArctgOfLargest",               [] { return ArcTangent(kMax); }, kNone},
    FaultCase{"FloorOfHuge",                  [] { return Floor(1e19); }, kNone},
    FaultCase{"FloorOfLargest",               [] { return Floor(-kMax); }, kNone},
    FaultCase{"NegateLargest",                [] { return Negate(kMax); }, kNone},
    FaultCase{"DegToRadOfLargest",            [] { return DegToRad(kMax); }, kNone},
    FaultCase{"GradToRadOfLargest",           [] { return GradToRad(kMax); }, kNone},
    FaultCase{"RadToCycleOfLargest",          [] { return RadToCycle(kMax); }, kNone},
    FaultCase{"DegToRadUnderflowsSilently",   [] { return DegToRad(kTiny); }, kNone},
    FaultCase{"Pi",                           [] { return Pi(); }, kNone}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
