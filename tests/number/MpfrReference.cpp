#include "MpfrReference.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>

namespace {
constexpr mpfr_prec_t kReferenceBits = 256;

// A double's position on the line of all doubles: neighbours differ by 1, both zeros are 0.
std::int64_t OrderOf(double value)
{
    const auto bits = std::bit_cast<std::int64_t>(value);
    return bits < 0 ? -(bits & 0x7FFFFFFFFFFFFFFF) : bits;
}
} // namespace

Outcome Reference(const std::function<void(mpfr_ptr result)>& evaluate, Pole pole)
{
    mpfr_t result;
    mpfr_init2(result, kReferenceBits);
    mpfr_clear_flags();
    evaluate(result);
    Outcome outcome;
    if (mpfr_nan_p(result)) {
        outcome.fault = EInvalidOp::kMessage;
    } else if (mpfr_inf_p(result) && mpfr_divby0_p() && pole == Pole::IsFault) {
        outcome.fault = EZeroDivide::kMessage;
    } else {
        outcome.value = mpfr_get_d(result, MPFR_RNDN);
        if (std::isinf(outcome.value) && !mpfr_divby0_p()) {
            outcome.fault = EOverflow::kMessage;
        }
    }
    mpfr_clear(result);
    return outcome;
}

std::uint64_t UlpDistance(double a, double b)
{
    const std::int64_t from = OrderOf(a);
    const std::int64_t to = OrderOf(b);
    return from > to ? static_cast<std::uint64_t>(from - to) : static_cast<std::uint64_t>(to - from);
}

void AccuracyTally::Check(const std::string& arguments, const Outcome& ours, const Outcome& reference)
{
    ++checked_;
    if (!reference.fault.empty()) {
        ++faults_;
        EXPECT_EQ(ours.fault, reference.fault) << name_ << "(" << arguments << ") gave " << ours;
        return;
    }
    if (!ours.fault.empty()) {
        ADD_FAILURE() << name_ << "(" << arguments << ") gave " << ours << " instead of " << reference;
        return;
    }
    const std::uint64_t distance = UlpDistance(ours.value, reference.value);
    EXPECT_LE(distance, 1u) << name_ << "(" << arguments << ") gave " << ours << ", nearest " << reference;
    worst_ = std::max(worst_, distance);
    nextToNearest_ += distance != 0;
}

void AccuracyTally::Print() const
{
    std::printf("[  figures ] %s: %d arguments (%d faulting), worst %llu ulp, %d not the nearest double\n",
                name_.c_str(), checked_, faults_, static_cast<unsigned long long>(worst_), nextToNearest_);
}
