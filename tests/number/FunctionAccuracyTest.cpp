// Every one-operand function against MPFR: over arguments chosen at the hard places (near
// multiples of pi, huge and tiny magnitudes, subnormals, the domains' edges) and over random
// arguments, the stored double must be the nearest to the exact value or its neighbour, and
// the faults must be exactly where the exact function is undefined or beyond the double range.
#include "AngleConversions.h"
#include "BasicFunctions.h"
#include "ExponentialFunctions.h"
#include "HyperbolicFunctions.h"
#include "MpfrReference.h"
#include "TrigonometricFunctions.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

namespace {

using MpfrFunction = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

// Exact references for the functions MPFR has no single routine for.
int ExactReciprocal(mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd)
{
    return mpfr_ui_div(r, 1, x, rnd);
}
int ExactCube(mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd)
{
    return mpfr_pow_ui(r, x, 3, rnd);
}
int ExactFloor(mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t)
{
    return mpfr_floor(r, x);
}

// x * (numerator * pi / denominator) and x * (numerator / (denominator * pi)), exact to far
// beyond double precision.
template <long numerator, long denominator> int TimesPi(mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd)
{
    mpfr_const_pi(r, rnd);
    mpfr_mul_si(r, r, numerator, rnd);
    mpfr_div_si(r, r, denominator, rnd);
    return mpfr_mul(r, r, x, rnd);
}
template <long numerator, long denominator> int OverPi(mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd)
{
    mpfr_const_pi(r, rnd);
    mpfr_mul_si(r, r, denominator, rnd);
    mpfr_div(r, x, r, rnd);
    return mpfr_mul_si(r, r, numerator, rnd);
}

struct FunctionCase {
    const char* name;
    Extended (*function)(double);
    MpfrFunction reference;
    double low, high;              // where half of the random arguments lie
    std::vector<double> arguments; // the hard places of this function
    Pole pole = Pole::IsFault;
};

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();
constexpr double kSubnormal = 1e-310;
constexpr double kBelowOne = 1 - 0x1p-53; // the double next below 1
constexpr double kAboveOne = 1 + 0x1p-52; // the double next above 1

// The double nearest k * pi / 2.
double NearHalfPis(long k)
{
    return static_cast<double>(k * (std::acos(-1.0L) / 2));
}

// clang-format off
// The places where sine and cosine are hardest: near multiples of pi/2, huge, tiny. The
// double 6381956970095103 * 2^797 is the one nearest to a multiple of pi/2 of all doubles.
const std::vector<double> kTrigonometricArguments = {
    NearHalfPis(1), NearHalfPis(2), NearHalfPis(3), NearHalfPis(4), NearHalfPis(-2), NearHalfPis(200),
    NearHalfPis(1000001), 1e15, 1e19, -1e19, 1e22, 1e300, kMax, std::ldexp(6381956970095103.0, 797),
    1e-10, 1e-17, kSubnormal, kTiny, 0, -0.0, 1, -1};

const double kPi = NearHalfPis(2);

//  name                        ours                      exact value        random interval
//      hard arguments
const std::vector<FunctionCase> kFunctions = {
    {"Negate",                  Negate,                   mpfr_neg,          -1e3, 1e3,
        {0, -0.0, 7, -7, kMax, kTiny}},
    {"Reciprocal",              Reciprocal,               ExactReciprocal,   -4, 4,
        {0, -0.0, 4, 3, kMax, 5.5e-309, 5.6e-309, kSubnormal, kTiny}},
    {"Square",                  Square,                   mpfr_sqr,          -2e154, 2e154,
        {1e154, 1.3407807929942596e154, 1.3407807929942597e154, 1e155, 1e-160, 1e-200, kTiny}},
    {"Cube",                    Cube,                     ExactCube,         -1e103, 1e103,
        {1e102, 5.6438030941222897e102, 5.6438030941222898e102, 1e103, -1e103, 1e-110, kTiny}},
    {"SquareRoot",              SquareRoot,               mpfr_sqrt,         -1, 1e6,
        {2, 16, -16, 0, -0.0, kMax, kSubnormal, kTiny, -kTiny}},
    {"Floor",                   Floor,                    ExactFloor,        -1e10, 1e10,
        {2.5, -2.5, -0.5, 2147483647.5, 2147483648, 3000000000, -2147483648.5, 1e19, -0x1p63, 0x1p52 - 0.5,
         kMax, -kMax, -kTiny}},
    {"Sine",                    Sine,                     mpfr_sin,          -100, 100, kTrigonometricArguments},
    {"Cosine",                  Cosine,                   mpfr_cos,          -100, 100, kTrigonometricArguments},
    {"Tangent",                 Tangent,                  mpfr_tan,          -10, 10, kTrigonometricArguments},
    {"Cotangent",               Cotangent,                mpfr_cot,          -10, 10, kTrigonometricArguments},
    {"ArcTangent",              ArcTangent,               mpfr_atan,         -20, 20,
        {1, -1, 1e-17, kTiny, 1e15, 1e300, kMax, -kMax}},
    {"ArcCosine",               ArcCosine,                mpfr_acos,         -1.1, 1.1,
        {1, -1, kBelowOne, -kBelowOne, 1 - 0x1p-52, 0.5, 0, 1e-17, kTiny, kAboveOne, -kAboveOne, 2}},
    {"ArcSine",                 ArcSine,                  mpfr_asin,         -1.1, 1.1,
        {1, -1, kBelowOne, -kBelowOne, 1 - 0x1p-52, 0.5, 0, 1e-17, kTiny, kAboveOne, -kAboveOne, 2}},
    {"Exponential",             Exponential,              mpfr_exp,          -760, 760,
        {0, 1e-17, -1e-17, kTiny, 1, 709, 709.782712893384, 709.7827128933841, 710, -708.4, -744.4, -745.2,
         -1000, 11356.5, 11357, -12000}},
    {"NaturalLog",              NaturalLog,               mpfr_log,          -1, 1e3,
        {1, kBelowOne, kAboveOne, 2, 0, -0.0, -1, -kTiny, kTiny, 1e-300, kMax}},
    {"Log2",                    Log2,                     mpfr_log2,         -1, 1e3,
        {8, 1, 0.5, 3, kBelowOne, kAboveOne, 0, -0.0, -1, kTiny, kMax}},
    {"HyperbolicSine",          HyperbolicSine,           mpfr_sinh,         -800, 800,
        {0, 1e-17, 1e-16, -1e-10, kTiny, 1, 710, 710.4758600739439, 710.475860073944, -711, 11356, 11357.2,
         1e300}},
    {"HyperbolicCosine",        HyperbolicCosine,         mpfr_cosh,         -800, 800,
        {0, 1e-17, 1e-16, kTiny, 1, 710, 710.4758600739439, 710.475860073944, 711, -711, 11357.2, 1e300}},
    {"HyperbolicTangent",       HyperbolicTangent,        mpfr_tanh,         -25, 25,
        {0, 1e-17, 1e-16, kTiny, 0.5, 19, 23, 11357, -11357, 1e300, -kMax}},
    {"InverseHyperbolicSine",   InverseHyperbolicSine,    mpfr_asinh,        -1e3, 1e3,
        {0, 1e-17, -1e-300, kTiny, -1e10, 1e10, 1e300, kMax, -kMax}},
    {"InverseHyperbolicCosine", InverseHyperbolicCosine,  mpfr_acosh,        -2, 50,
        {1, kAboveOne, 1 + 1e-10, 2, 1e300, kMax, kBelowOne, 0, -1, -2}},
    {"InverseHyperbolicTangent", InverseHyperbolicTangent, mpfr_atanh,       -1.1, 1.1,
        {1, -1, kBelowOne, -kBelowOne, 0.5, 1e-17, kTiny, 0, kAboveOne, -kAboveOne, 2, -2}, Pole::IsValue},
    {"CycleToRad",              CycleToRad,               TimesPi<2, 1>,     -1e3, 1e3,
        {1, 2.86e307, 2.87e307, 1e308, kMax, kTiny}},
    {"DegToRad",                DegToRad,                 TimesPi<1, 180>,   -1e3, 1e3,
        {180, 90, 1, kMax, kSubnormal, kTiny}},
    {"GradToRad",               GradToRad,                TimesPi<1, 200>,   -1e3, 1e3,
        {200, 100, 1, kMax, kSubnormal, kTiny}},
    {"RadToCycle",              RadToCycle,               OverPi<1, 2>,      -1e3, 1e3,
        {kPi, 1, kMax, kSubnormal, kTiny}},
    {"RadToDeg",                RadToDeg,                 OverPi<180, 1>,    -1e3, 1e3,
        {kPi, 1, 3.13e306, 3.14e306, kMax, kTiny}},
    {"RadToGrad",               RadToGrad,                OverPi<200, 1>,    -1e3, 1e3,
        {kPi, 1, 2.82e306, 2.83e306, kMax, kTiny}},
};
// clang-format on

constexpr int kRandomArguments = 4000;

// Half of the random arguments lie evenly in the function's interval, the other half are
// random bit patterns: every magnitude from subnormals to the largest double, equally often.
std::vector<double> RandomArguments(double low, double high)
{
    std::mt19937_64 generator(20240611);
    std::uniform_real_distribution<double> even(low, high);
    std::vector<double> arguments;
    while (arguments.size() < kRandomArguments / 2) {
        arguments.push_back(even(generator));
    }
    while (arguments.size() < kRandomArguments) {
        const double pattern = std::bit_cast<double>(generator());
        if (std::isfinite(pattern)) {
            arguments.push_back(pattern);
        }
    }
    return arguments;
}

std::string Describe(double x)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.17g = %a", x, x);
    return text;
}

class FunctionAccuracy : public testing::TestWithParam<FunctionCase> {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
};

TEST_P(FunctionAccuracy, StoresTheNearestOrNextDoubleAndFaultsWhereTheExactValueDoes)
{
    const FunctionCase& function = GetParam();
    std::vector<double> arguments = function.arguments;
    const std::vector<double> random = RandomArguments(function.low, function.high);
    arguments.insert(arguments.end(), random.begin(), random.end());

    AccuracyTally tally(function.name);
    mpfr_t x;
    mpfr_init2(x, 53);
    for (const double argument : arguments) {
        mpfr_set_d(x, argument, MPFR_RNDN);
        const Outcome reference =
            Reference([&](mpfr_ptr result) { function.reference(result, x, MPFR_RNDN); }, function.pole);
        tally.Check(Describe(argument), Stored([&] { return function.function(argument); }), reference);
    }
    mpfr_clear(x);
    tally.Print();
}

INSTANTIATE_TEST_SUITE_P(OneOperand, FunctionAccuracy, testing::ValuesIn(kFunctions),
                         [](const testing::TestParamInfo<FunctionCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
