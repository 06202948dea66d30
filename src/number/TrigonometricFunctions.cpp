#include "TrigonometricFunctions.h"

#include <cmath>

// Each C library routine runs inside fpu::Checked, so its flags become the faults. Their
// flags match the keys' faults exactly: sinl, cosl and atanl flag nothing but inexact and
// underflow for any finite argument; acosl and asinl flag an invalid operation beyond [-1, 1].

Extended Sine(double x)
{
    return fpu::Checked([](Extended v) { return std::sin(v); }, Extended{x});
}

Extended Cosine(double x)
{
    return fpu::Checked([](Extended v) { return std::cos(v); }, Extended{x});
}

Extended Tangent(double x)
{
    const Extended sine = Sine(x);
    const Extended cosine = Cosine(x);
    return fpu::Div(sine, cosine);
}

Extended Cotangent(double x)
{
    return fpu::Div(1, Tangent(x));
}

Extended ArcTangent(double x)
{
    return fpu::Checked([](Extended v) { return std::atan(v); }, Extended{x});
}

Extended ArcCosine(double x)
{
    return fpu::Checked([](Extended v) { return std::acos(v); }, Extended{x});
}

Extended ArcSine(double x)
{
    return fpu::Checked([](Extended v) { return std::asin(v); }, Extended{x});
}
