// Reference results from GNU MPFR: the value computed far beyond double precision and rounded
// once to the nearest double, with the fault an exact evaluation meets.
#pragma once

#include "StoredOutcome.h"

#include <mpfr.h>

#include <cstdint>
#include <functional>
#include <string>

// Whether a pole of the function (an exact infinity) is its answer or a division by zero.
enum class Pole { IsFault, IsValue };

// Runs evaluate on a result variable of 256 bits and tells the outcome it stands for: an
// undefined value is EInvalidOp, a pole EZeroDivide (or the infinity), a value beyond the
// double range EOverflow; otherwise the double nearest the value.
Outcome Reference(const std::function<void(mpfr_ptr result)>& evaluate, Pole pole = Pole::IsFault);

// Steps between neighbouring doubles from a to b (0 and -0 count as the same).
std::uint64_t UlpDistance(double a, double b);

// Compares outcomes against references over many arguments: a reference fault must be met by
// the same fault, a reference value by a stored double within 1 ulp. Keeps the figures.
class AccuracyTally {
public:
    explicit AccuracyTally(std::string name) : name_(std::move(name)) {}
    void Check(const std::string& arguments, const Outcome& ours, const Outcome& reference);
    // One line of figures: arguments checked, faults among them, worst distance, inexact ones.
    void Print() const;

private:
    std::string name_;
    int checked_ = 0;
    int faults_ = 0;
    int nextToNearest_ = 0;
    std::uint64_t worst_ = 0;
};
