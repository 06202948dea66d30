// The one-operand keys of the main keypad, and the floor. Each takes the stored double
// argument and returns the extended result, which the caller rounds once when it stores
// it; that store raises EOverflow for a value beyond the double range.
#pragma once

#include "Fpu.h"

// "+/-": x * (-1).
Extended Negate(double x);

// "1/x": raises EZeroDivide for 0 (of either sign).
Extended Reciprocal(double x);

// "x^2": x * x.
Extended Square(double x);

// "x^3": (x * x) * x.
Extended Cube(double x);

// "sqrt": raises EInvalidOp for a negative x; the root of -0 is -0.
Extended SquareRoot(double x);

// "Floor": the exact floor of any double, without a fault.
Extended Floor(double x);

// "pi": the double nearest pi.
Extended Pi();
