#include "HyperbolicFunctions.h"

#include <cmath>
#include <limits>

// Each C library routine runs inside fpu::Checked, so its flags become the faults. They match
// the keys' faults (sinhl and coshl flag an overflow only beyond the extended range, tanhl and
// asinhl never fault, acoshl and atanhl flag an invalid operation outside their domains), with
// one exception handled below: atanhl flags its poles as a division by zero.

Extended HyperbolicSine(double x)
{
    return fpu::Checked([](Extended v) { return std::sinh(v); }, Extended{x});
}

Extended HyperbolicCosine(double x)
{
    return fpu::Checked([](Extended v) { return std::cosh(v); }, Extended{x});
}

Extended HyperbolicTangent(double x)
{
    return fpu::Checked([](Extended v) { return std::tanh(v); }, Extended{x});
}

Extended InverseHyperbolicSine(double x)
{
    return fpu::Checked([](Extended v) { return std::asinh(v); }, Extended{x});
}

Extended InverseHyperbolicCosine(double x)
{
    return fpu::Checked([](Extended v) { return std::acosh(v); }, Extended{x});
}

Extended InverseHyperbolicTangent(double x)
{
    // The infinities at 1 and -1 are the key's answers, shown as INF and -INF, not faults;
    // atanhl would flag them as a division by zero, so they are answered before it runs.
    if (x == 1 || x == -1) {
        return std::copysign(std::numeric_limits<Extended>::infinity(), Extended{x});
    }
    return fpu::Checked([](Extended v) { return std::atanh(v); }, Extended{x});
}
