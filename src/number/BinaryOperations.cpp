#include "BinaryOperations.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

Extended Calculate(char op, double first, Extended second)
{
    switch (op) {
    case '+':
        return fpu::Add(first, second);
    case '-':
        return fpu::Sub(first, second);
    case '*':
        return fpu::Mul(first, second);
    case '/':
        return fpu::Div(first, second);
    }
    throw std::invalid_argument("Calculate: no arithmetic operator '" + std::string(1, op) + "'");
}

Extended Power(double base, std::int32_t exponent)
{
    // powl answers at once for any exponent, within about a unit of the extended format, so
    // the store's rounding gives the nearest or next-to-nearest double. Its flags are the key's
    // faults: 0 to a negative power is a division by zero, beyond the extended range an
    // overflow; an underflow passes silently.
    return fpu::Checked([](Extended b, Extended n) { return std::pow(b, n); }, Extended{base},
                        static_cast<Extended>(exponent));
}

Extended Hypotenuse(double first, std::int32_t n)
{
    // Both magnitudes are exact in extended: the double as it is, the integer converted exactly.
    const Extended magnitudeOfFirst = std::fabs(Extended{first});
    const Extended magnitudeOfN = std::fabs(static_cast<Extended>(n));
    const Extended a = std::max(magnitudeOfFirst, magnitudeOfN);
    const Extended b = std::min(magnitudeOfFirst, magnitudeOfN);
    if (b == 0) {
        return a;
    }
    const Extended ratio = fpu::Div(b, a);
    return fpu::Mul(a, fpu::Sqrt(fpu::Add(1, fpu::Mul(ratio, ratio))));
}
