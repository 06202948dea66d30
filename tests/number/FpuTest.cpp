#include "Fpu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>

namespace {

struct FaultCase {
    const char* name;
    std::function<Extended()> step;
    std::string expected; // message of the fault, or empty when the step passes silently
};

// Names the case in test listings.
void PrintTo(const FaultCase& c, std::ostream* out)
{
    *out << c.name;
}

std::string FaultOf(const std::function<Extended()>& step)
{
    try {
        step();
    } catch (const EMathError& fault) {
        return fault.Message();
    }
    return "";
}

class FpuFaults : public testing::TestWithParam<FaultCase> {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

TEST_P(FpuFaults, RaisesTheFaultOfTheStep)
{
    EXPECT_EQ(FaultOf(GetParam().step), GetParam().expected);
    // Whatever happened, the next step starts clean.
    EXPECT_EQ(fpu::Add(1, 2), 3);
}

const Extended kHuge = std::numeric_limits<Extended>::max();

INSTANTIATE_TEST_SUITE_P(
    Steps, FpuFaults,
    testing::Values(FaultCase{"OneOverZero", [] { return fpu::Div(1, 0); }, "Floating point division by zero"},
                    FaultCase{"MinusOneOverZero", [] { return fpu::Div(-1, 0); }, "Floating point division by zero"},
                    FaultCase{"ZeroOverZero", [] { return fpu::Div(0, 0); }, "Invalid floating point operation"},
                    FaultCase{"RootOfNegative", [] { return fpu::Sqrt(-4); }, "Invalid floating point operation"},
                    FaultCase{"ExtendedOverflow", [] { return fpu::Mul(kHuge, 2); }, "Floating point overflow"},
                    FaultCase{"UnderflowIsSilent", [] { return fpu::Mul(1e-4000L, 1e-4000L); }, ""},
                    FaultCase{"InexactIsSilent", [] { return fpu::Div(1, 3); }, ""}),
    [](const testing::TestParamInfo<FaultCase>& info) { return std::string(info.param.name); });

TEST(FpuStore, OverflowLeavesTheTargetAsItWas)
{
    fpu::InitializeUnit();
    double target = 42;
    EXPECT_THROW(fpu::Store(target, 1e400L), EOverflow);
    EXPECT_EQ(target, 42);
}

TEST(FpuStore, RoundsToDoubleAndKeepsTinyValuesWithoutFault)
{
    fpu::InitializeUnit();
    double target = 0;
    fpu::Store(target, fpu::Mul(1e-160L, 1e-160L));
    EXPECT_GT(target, 0);
    EXPECT_LT(target, std::numeric_limits<double>::min()); // subnormal
    fpu::Store(target, 1e-400L);
    EXPECT_EQ(target, 0);
    fpu::Store(target, std::numeric_limits<Extended>::infinity());
    EXPECT_TRUE(std::isinf(target));
}

TEST(FpuUnit, RunsWithMaskedExceptionsExtendedPrecisionAndNearestRounding)
{
    fpu::InitializeUnit();
    EXPECT_EQ(fpu::ControlWord() & 0x0F3F, 0x033F);
}

} // namespace
