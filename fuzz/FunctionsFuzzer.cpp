// The keys' computations over operands of every bit pattern but NaN (which no conversion
// yields): each returns or raises one of the three arithmetic faults, nothing else; a result
// stored into a double is never NaN, the store faults only beyond the double range, and from
// finite operands only the inverse hyperbolic tangent at 1 and -1 stores an infinity.
//
// Input: one byte choosing the computation, then the double x, the double y and the 32-bit
// integer n (missing bytes are zero). The second operand of "=" is y scaled by 2^(n mod 16384),
// an extended value as ParseFloat may return it.
#include "AngleConversions.h"
#include "BasicFunctions.h"
#include "BinaryOperations.h"
#include "ExponentialFunctions.h"
#include "FuzzText.h"
#include "HyperbolicFunctions.h"
#include "Percent.h"
#include "Require.h"
#include "TrigonometricFunctions.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

struct Operands {
    double x;
    double y;
    std::int32_t n;
    Extended second;
};

struct Computation {
    const char* name;
    Extended (*compute)(const Operands&);
    bool mayStoreInfinityFromFinite;
};

// clang-format off
constexpr Computation kComputations[] = {
    {"Negate",                   [](const Operands& o) { return Negate(o.x); }, false},
    {"Reciprocal",               [](const Operands& o) { return Reciprocal(o.x); }, false},
    {"Square",                   [](const Operands& o) { return Square(o.x); }, false},
    {"Cube",                     [](const Operands& o) { return Cube(o.x); }, false},
    {"SquareRoot",               [](const Operands& o) { return SquareRoot(o.x); }, false},
    {"Floor",                    [](const Operands& o) { return Floor(o.x); }, false},
    {"Pi",                       [](const Operands&) { return Pi(); }, false},
    {"Sine",                     [](const Operands& o) { return Sine(o.x); }, false},
    {"Cosine",                   [](const Operands& o) { return Cosine(o.x); }, false},
    {"Tangent",                  [](const Operands& o) { return Tangent(o.x); }, false},
    {"Cotangent",                [](const Operands& o) { return Cotangent(o.x); }, false},
    {"ArcTangent",               [](const Operands& o) { return ArcTangent(o.x); }, false},
    {"ArcCosine",                [](const Operands& o) { return ArcCosine(o.x); }, false},
    {"ArcSine",                  [](const Operands& o) { return ArcSine(o.x); }, false},
    {"Exponential",              [](const Operands& o) { return Exponential(o.x); }, false},
    {"NaturalLog",               [](const Operands& o) { return NaturalLog(o.x); }, false},
    {"Log2",                     [](const Operands& o) { return Log2(o.x); }, false},
    {"HyperbolicSine",           [](const Operands& o) { return HyperbolicSine(o.x); }, false},
    {"HyperbolicCosine",         [](const Operands& o) { return HyperbolicCosine(o.x); }, false},
    {"HyperbolicTangent",        [](const Operands& o) { return HyperbolicTangent(o.x); }, false},
    {"InverseHyperbolicSine",    [](const Operands& o) { return InverseHyperbolicSine(o.x); }, false},
    {"InverseHyperbolicCosine",  [](const Operands& o) { return InverseHyperbolicCosine(o.x); }, false},
    {"InverseHyperbolicTangent", [](const Operands& o) { return InverseHyperbolicTangent(o.x); }, true},
    {"CycleToRad",               [](const Operands& o) { return CycleToRad(o.x); }, false},
    {"DegToRad",                 [](const Operands& o) { return DegToRad(o.x); }, false},
    {"GradToRad",                [](const Operands& o) { return GradToRad(o.x); }, false},
    {"RadToCycle",               [](const Operands& o) { return RadToCycle(o.x); }, false},
    {"RadToDeg",                 [](const Operands& o) { return RadToDeg(o.x); }, false},
    {"RadToGrad",                [](const Operands& o) { return RadToGrad(o.x); }, false},
    {"Calculate +",              [](const Operands& o) { return Calculate('+', o.x, o.second); }, false},
    {"Calculate -",              [](const Operands& o) { return Calculate('-', o.x, o.second); }, false},
    {"Calculate *",              [](const Operands& o) { return Calculate('*', o.x, o.second); }, false},
    {"Calculate /",              [](const Operands& o) { return Calculate('/', o.x, o.second); }, false},
    {"Power",                    [](const Operands& o) { return Power(o.x, o.n); }, false},
    {"Hypotenuse",               [](const Operands& o) { return Hypotenuse(o.x, o.n); }, false},
    {"Percent +",                [](const Operands& o) { return Percent('+', o.x, o.y); }, false},
    {"Percent -",                [](const Operands& o) { return Percent('-', o.x, o.y); }, false},
    {"Percent *",                [](const Operands& o) { return Percent('*', o.x, o.y); }, false},
    {"Percent /",                [](const Operands& o) { return Percent('/', o.x, o.y); }, false},
    {"Percent, no operator",     [](const Operands& o) { return Percent(0, o.x, o.y); }, false},
};
// clang-format on

constexpr std::size_t kCount = sizeof kComputations / sizeof kComputations[0];

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fpu::InitializeUnit();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    unsigned char bytes[1 + 8 + 8 + 4] = {};
    std::memcpy(bytes, data, std::min(size, sizeof bytes));
    Operands operands{};
    std::memcpy(&operands.x, bytes + 1, 8);
    std::memcpy(&operands.y, bytes + 9, 8);
    std::memcpy(&operands.n, bytes + 17, 4);
    if (std::isnan(operands.x) || std::isnan(operands.y)) {
        return 0;
    }
    operands.second = std::ldexp(static_cast<Extended>(operands.y), operands.n % 16384);
    const Computation& computation = kComputations[bytes[0] % kCount];
    const std::string detail = std::string(computation.name) + " of x = " + Described(operands.x) +
                               ", y = " + Described(operands.y) + ", n = " + std::to_string(operands.n);

    Extended result = 0;
    try {
        result = computation.compute(operands);
    } catch (const EInvalidOp&) {
        return 0;
    } catch (const EZeroDivide&) {
        return 0;
    } catch (const EOverflow&) {
        return 0;
    }
    double stored = 0;
    try {
        fpu::Store(stored, result);
    } catch (const EOverflow&) {
        Require(std::fabs(result) > DBL_MAX, "the store faults only beyond the double range",
                detail + ", result " + Described(result));
        return 0;
    }
    Require(!std::isnan(stored), "no NaN is stored", detail);
    const bool finiteOperands =
        std::isfinite(operands.x) && std::isfinite(operands.y) && std::isfinite(operands.second);
    Require(!std::isinf(stored) || !finiteOperands ||
                (computation.mayStoreInfinityFromFinite && std::fabs(operands.x) == 1),
            "finite operands give a finite result but for artanh at 1 and -1", detail);
    return 0;
}
