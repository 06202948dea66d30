#include "Fpu.h"

#include <cfenv>
#include <cmath>

namespace fpu {

namespace {
// Exception masks all set (bits 0-5), 64-bit precision control (bits 8-9), rounding to nearest.
constexpr unsigned short kRunControlWord = 0x037F;
} // namespace

void InitializeUnit()
{
    unsigned short word = kRunControlWord;
    asm volatile("fnclex\n\tfldcw %0" : : "m"(word));
    std::feclearexcept(FE_ALL_EXCEPT);
}

unsigned short ControlWord()
{
    unsigned short word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

void ClearFlags() { std::feclearexcept(FE_ALL_EXCEPT); }

void RaiseFlaggedFault()
{
    const int flags = std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW);
    if (flags == 0) {
        return;
    }
    ClearFlags();
    if (flags & FE_INVALID) {
        throw EInvalidOp();
    }
    if (flags & FE_DIVBYZERO) {
        throw EZeroDivide();
    }
    throw EOverflow();
}

Extended Add(Extended a, Extended b)
{
    return Checked([](Extended x, Extended y) { return x + y; }, a, b);
}

Extended Sub(Extended a, Extended b)
{
    return Checked([](Extended x, Extended y) { return x - y; }, a, b);
}

Extended Mul(Extended a, Extended b)
{
    return Checked([](Extended x, Extended y) { return x * y; }, a, b);
}

Extended Div(Extended a, Extended b)
{
    return Checked([](Extended x, Extended y) { return x / y; }, a, b);
}

Extended Sqrt(Extended a)
{
    return Checked([](Extended x) { return std::sqrt(x); }, a);
}

void Store(double& target, Extended value)
{
    // The conversion itself is the checked step: its overflow flag is the fault.
    target = static_cast<double>(Checked([](Extended x) -> Extended { return static_cast<double>(x); }, value));
}

} // namespace fpu
