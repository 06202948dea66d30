#include "ExponentialFunctions.h"

#include <cmath>

// The C library's flags are the keys' faults: expl flags an overflow only beyond the extended
// range and lets underflow pass; logl and log2l flag a division by zero for 0 and an invalid
// operation for negative arguments.

Extended Exponential(double x)
{
    return fpu::Checked([](Extended v) { return std::exp(v); }, Extended{x});
}

Extended NaturalLog(double x)
{
    return fpu::Checked([](Extended v) { return std::log(v); }, Extended{x});
}

Extended Log2(double x)
{
    return fpu::Checked([](Extended v) { return std::log2(v); }, Extended{x});
}
