#include "AngleConversions.h"

#include "ExtendedPattern.h"

namespace {
// The extended pi (4000 C90FDAA22168C235) doubled, and divided into and by 180 and 200,
// each rounded once to extended. 200/pi is thereby one unit below the extended value
// nearest the true 200/pi, an error far below the last place of the double result.
constexpr Extended kTwoPi = ExtendedFromPattern(0x4001, 0xC90FDAA22168C235);
constexpr Extended kPiOver180 = ExtendedFromPattern(0x3FF9, 0x8EFA351294E9C8AE);
constexpr Extended k180OverPi = ExtendedFromPattern(0x4004, 0xE52EE0D31E0FBDC3);
constexpr Extended kPiOver200 = ExtendedFromPattern(0x3FF9, 0x80ADFC90B938CE36);
constexpr Extended k200OverPi = ExtendedFromPattern(0x4004, 0xFEA5DD5C5A4A6111);
} // namespace

Extended CycleToRad(double x)
{
    return fpu::Mul(x, kTwoPi);
}

Extended DegToRad(double x)
{
    return fpu::Mul(x, kPiOver180);
}

Extended GradToRad(double x)
{
    return fpu::Mul(x, kPiOver200);
}

Extended RadToCycle(double x)
{
    return fpu::Div(x, kTwoPi);
}

Extended RadToDeg(double x)
{
    return fpu::Mul(x, k180OverPi);
}

Extended RadToGrad(double x)
{
    return fpu::Mul(x, k200OverPi);
}
