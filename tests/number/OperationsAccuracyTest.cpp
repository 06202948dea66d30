// Power and hypotenuse against MPFR over random operands: the stored double must be the
// nearest to the exact value or its neighbour, and the faults those of the exact value.
#include "BinaryOperations.h"
#include "MpfrReference.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <random>

namespace {

constexpr int kRandomOperands = 4000;
constexpr std::int32_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kIntMax = std::numeric_limits<std::int32_t>::max();

std::string Describe(double first, std::int32_t n)
{
    char text[96];
    std::snprintf(text, sizeof text, "%.17g = %a, %d", first, first, static_cast<int>(n));
    return text;
}

// A double of any magnitude, subnormals included, each binary exponent equally often.
double AnyDouble(std::mt19937_64& generator)
{
    for (;;) {
        const double pattern = std::bit_cast<double>(generator());
        if (std::isfinite(pattern)) {
            return pattern;
        }
    }
}

class OperationsAccuracy : public testing::Test {
protected:
    void SetUp() override { fpu::InitializeUnit(); }
    std::mt19937_64 generator_{20240611};
};

TEST_F(OperationsAccuracy, PowerIsAccurateForEveryExponent)
{
    std::uniform_real_distribution<double> smallBase(-3, 3);
    std::uniform_int_distribution<std::int32_t> moderateExponent(-1100, 1100);
    std::uniform_real_distribution<double> baseNearOne(1 - 1e-6, 1 + 1e-6);
    std::uniform_int_distribution<std::int32_t> anyExponent(kIntMin, kIntMax);
    std::uniform_int_distribution<std::int32_t> smallExponent(-4, 4);

    AccuracyTally tally("Power");
    mpfr_t base;
    mpfr_init2(base, 53);
    for (int i = 0; i < kRandomOperands; ++i) {
        // A third each: moderate powers, huge powers of bases near 1, small powers of any double.
        double first = 0;
        std::int32_t n = 0;
        switch (i % 3) {
        case 0:
            first = smallBase(generator_);
            n = moderateExponent(generator_);
            break;
        case 1:
            first = baseNearOne(generator_);
            n = anyExponent(generator_);
            break;
        default:
            first = AnyDouble(generator_);
            n = smallExponent(generator_);
        }
        mpfr_set_d(base, first, MPFR_RNDN);
        const Outcome reference =
            Reference([&](mpfr_ptr result) { mpfr_pow_si(result, base, n, MPFR_RNDN); });
        tally.Check(Describe(first, n), Stored([&] { return Power(first, n); }), reference);
    }
    mpfr_clear(base);
    tally.Print();
}

TEST_F(OperationsAccuracy, HypotenuseIsAccurateForEveryOperand)
{
    std::uniform_real_distribution<double> moderateFirst(-1e10, 1e10);
    std::uniform_int_distribution<std::int32_t> anyInteger(kIntMin, kIntMax);

    AccuracyTally tally("Hypotenuse");
    mpfr_t first, second;
    mpfr_inits2(53, first, second, static_cast<mpfr_ptr>(nullptr));
    for (int i = 0; i < kRandomOperands; ++i) {
        const double f = i % 2 ? moderateFirst(generator_) : AnyDouble(generator_);
        const std::int32_t n = anyInteger(generator_);
        mpfr_set_d(first, f, MPFR_RNDN);
        mpfr_set_si(second, n, MPFR_RNDN);
        const Outcome reference =
            Reference([&](mpfr_ptr result) { mpfr_hypot(result, first, second, MPFR_RNDN); });
        tally.Check(Describe(f, n), Stored([&] { return Hypotenuse(f, n); }), reference);
    }
    mpfr_clears(first, second, static_cast<mpfr_ptr>(nullptr));
    tally.Print();
}

} // namespace
