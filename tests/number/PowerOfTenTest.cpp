#include "PowerOfTen.h"
#include "DecimalExponent.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Non-negative integers of any size: just enough to compare a binary value with a power of
// ten exactly, independently of the floating-point tables under test.
class Natural {
public:
    explicit Natural(std::uint64_t value)
        : limbs_{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)}
    {
    }

    Natural& MultiplyAdd(std::uint32_t factor, std::uint32_t addend = 0)
    {
        std::uint64_t carry = addend;
        for (auto& limb : limbs_) {
            carry += std::uint64_t(limb) * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) {
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        }
        return *this;
    }

    Natural& ShiftLeft(int bits)
    {
        for (; bits >= 31; bits -= 31) {
            MultiplyAdd(1u << 31);
        }
        return MultiplyAdd(1u << bits);
    }

    friend int Compare(Natural a, Natural b)
    {
        a.Trim();
        b.Trim();
        if (a.limbs_.size() != b.limbs_.size()) {
            return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        }
        for (std::size_t i = a.limbs_.size(); i-- > 0;) {
            if (a.limbs_[i] != b.limbs_[i]) {
                return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
            }
        }
        return 0;
    }

private:
    void Trim()
    {
        while (limbs_.size() > 1 && limbs_.back() == 0) {
            limbs_.pop_back();
        }
    }
    std::vector<std::uint32_t> limbs_;
};

// The sign of significand × 2^binary − 10^decimal.
int CompareWithPowerOfTen(Natural significand, int binary, int decimal)
{
    Natural power(1);
    (binary >= 0 ? significand : power).ShiftLeft(std::abs(binary));
    for (int i = 0; i < std::abs(decimal); ++i) {
        (decimal >= 0 ? power : significand).MultiplyAdd(10);
    }
    return Compare(significand, power);
}

int CompareWithPowerOfTen(double x, int decimal)
{
    int exponent = 0;
    const double fraction = std::frexp(x, &exponent);
    return CompareWithPowerOfTen(Natural(static_cast<std::uint64_t>(std::ldexp(fraction, 53))), exponent - 53,
                                 decimal);
}

// Every factor of the scaling must be the extended value nearest to its power of ten:
// within half a unit in the last place, and even on a tie.
class ScalingFactor : public testing::TestWithParam<int> {};

TEST_P(ScalingFactor, IsTheNearestExtendedValue)
{
    const int power = GetParam();
    const Extended factor = power_of_ten::Scale(1, power);
    int exponent = 0;
    const std::uint64_t significand =
        static_cast<std::uint64_t>(std::ldexp(std::frexp(factor, &exponent), 64));
    const int unitBelowHalf = exponent - 65; // (2 × significand ± 1) × 2^this: the two midpoints
    const int below = CompareWithPowerOfTen(Natural(significand - 1).MultiplyAdd(2, 1), unitBelowHalf, power);
    const int above = CompareWithPowerOfTen(Natural(significand).MultiplyAdd(2, 1), unitBelowHalf, power);
    EXPECT_LE(below, 0);
    EXPECT_GE(above, 0);
    if (below == 0 || above == 0) {
        EXPECT_EQ(significand % 2, 0u) << "a tie must round to even";
    }
}

std::vector<int> TabledPowers()
{
    std::vector<int> powers;
    for (int p = 0; p < 32; ++p) {
        powers.push_back(p);
    }
    for (int p = 32; p < 512; p += 32) {
        powers.push_back(p);
    }
    for (int p = 512; p < 5120; p += 512) {
        powers.push_back(p);
    }
    return powers;
}

INSTANTIATE_TEST_SUITE_P(Tables, ScalingFactor, testing::ValuesIn(TabledPowers()),
                         [](const testing::TestParamInfo<int>& info) {
                             return "TenTo" + std::to_string(info.param);
                         });

TEST(Scaling, KeepsRangeLimitsAndSign)
{
    // 10^4999 = 10^7 × 10^384 × 10^4608 in extended steps: the result overflows, and 10^-4999
    // underflows to zero, the sign kept.
    EXPECT_TRUE(std::isinf(power_of_ten::Scale(1, 4999)));
    EXPECT_EQ(power_of_ten::Scale(1, -4999), 0);
    EXPECT_TRUE(std::signbit(power_of_ten::Scale(-1, -6000)));
    EXPECT_EQ(power_of_ten::Scale(123, -5120), 0);
    EXPECT_EQ(power_of_ten::Scale(3, 27), 3e27L); // exact up to 10^27
    EXPECT_EQ(power_of_ten::Scale(2e27L, -27), 2);
}

// The decimal exponent at every power of ten of the double range: the smallest double not
// below 10^k has exponent k + 1, the double just under it exponent k.
TEST(DecimalExponent, ChangesExactlyAtEveryPowerOfTen)
{
    for (int k = -323; k <= 308; ++k) {
        SCOPED_TRACE("10^" + std::to_string(k));
        double atOrAbove = std::strtod(("1e" + std::to_string(k)).c_str(), nullptr);
        while (CompareWithPowerOfTen(atOrAbove, k) < 0) {
            atOrAbove = std::nextafter(atOrAbove, INFINITY);
        }
        while (std::nextafter(atOrAbove, 0) > 0 &&
               CompareWithPowerOfTen(std::nextafter(atOrAbove, 0), k) >= 0) {
            atOrAbove = std::nextafter(atOrAbove, 0);
        }
        EXPECT_EQ(power_of_ten::DecimalExponent(atOrAbove), k + 1);
        EXPECT_EQ(power_of_ten::DecimalExponent(-atOrAbove), k + 1);
        const double below = std::nextafter(atOrAbove, 0);
        if (below > 0) {
            EXPECT_EQ(power_of_ten::DecimalExponent(below), k);
        }
    }
}

TEST(DecimalExponent, HoldsAtBothEndsOfEveryBinade)
{
    for (int b = -1074; b <= 1023; ++b) {
        for (const double x : {std::ldexp(1.0, b), std::nextafter(std::ldexp(2.0, b), 0)}) {
            const int e = power_of_ten::DecimalExponent(x);
            EXPECT_GE(CompareWithPowerOfTen(x, e - 1), 0) << x;
            EXPECT_LT(CompareWithPowerOfTen(x, e), 0) << x;
        }
    }
    EXPECT_EQ(power_of_ten::DecimalExponent(DBL_MAX), 309);
    EXPECT_EQ(power_of_ten::DecimalExponent(DBL_TRUE_MIN), -323);
}

} // namespace
