#include "BasicFunctions.h"

#include <bit>
#include <cmath>
#include <cstdint>

Extended Negate(double x)
{
    return fpu::Mul(x, -1);
}

Extended Reciprocal(double x)
{
    return fpu::Div(1, x);
}

Extended Square(double x)
{
    return fpu::Mul(x, x);
}

Extended Cube(double x)
{
    return fpu::Mul(fpu::Mul(x, x), x);
}

Extended SquareRoot(double x)
{
    return fpu::Sqrt(x);
}

Extended Floor(double x)
{
    // Every double of magnitude 2^52 or more is an integer already, so floorl is exact and
    // needs no range limit.
    return fpu::Checked([](Extended value) { return std::floor(value); }, Extended{x});
}

Extended Pi()
{
    return std::bit_cast<double>(std::uint64_t{0x400921FB54442D18});
}
