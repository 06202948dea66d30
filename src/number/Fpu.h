// Checked extended arithmetic: the one place where the calculator's floating-point
// faults are detected.
//
// The x87 unit runs with every exception masked (unmasking them would trap inside
// Qt and the C library, which share the thread). Instead each step clears the status
// flags, runs, and reads them back: invalid operation, division by zero and overflow
// become the exceptions of Faults.h; underflow, denormal and inexact pass silently.
#pragma once

#include "Faults.h"

#include <limits>
#include <utility>

using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64, "Extended must be the x87 80-bit format");

namespace fpu {

// The run's settings: 64-bit significand, rounding to nearest (ties to even), all
// exceptions masked, flags clear. Called once at start-up, before any arithmetic.
void InitializeUnit();

// The x87 control word currently in force (for checks and tests).
unsigned short ControlWord();

// Clears the status flags of both the x87 unit and SSE.
void ClearFlags();

// Raises the fault whose flag is set (invalid operation first, then division by zero,
// then overflow), after clearing the flags; returns when none is set.
void RaiseFlaggedFault();

namespace detail {
// Makes the compiler forget what it knows of a value, so that the operation on it
// cannot be moved in front of the flag clearing.
template <class T> inline void Launder(T& value) { asm volatile("" : "+m"(value)); }
} // namespace detail

// The choke point: runs op on the operands with the flags cleared and raises the
// fault that op flagged. Every checked step below is one call of this.
template <class Op, class... Operands> Extended Checked(Op&& op, Operands... operands)
{
    ClearFlags();
    (detail::Launder(operands), ...);
    volatile Extended result = std::forward<Op>(op)(operands...);
    RaiseFlaggedFault();
    return result;
}

// Checked steps, each one extended-precision operation rounded to the 64-bit significand.
Extended Add(Extended a, Extended b);
Extended Sub(Extended a, Extended b);
Extended Mul(Extended a, Extended b);
Extended Div(Extended a, Extended b);
Extended Sqrt(Extended a);

// A checked store: value rounded to a double into target. A value beyond the double
// range raises EOverflow and leaves target as it was; a value below it becomes a
// subnormal or zero silently; an infinity is stored as it is.
void Store(double& target, Extended value);

} // namespace fpu
