// The trigonometric keys and their inverses, on the stored double argument (in radians),
// returning the extended result for the caller to store. The C library's extended routines
// reduce arguments of every size exactly, so the values hold for large arguments as well.
#pragma once

#include "Fpu.h"

// "sin", "cos": never fault.
Extended Sine(double x);
Extended Cosine(double x);

// "tg": sine / cosine in extended. No double is an odd multiple of pi/2, so it never faults.
Extended Tangent(double x);

// "ctg": 1 / (sine / cosine). Raises EZeroDivide for 0; beyond the double range (tiny x)
// the caller's store raises EOverflow.
Extended Cotangent(double x);

// "arctg" and "artan": in (-pi/2, pi/2), never faults.
Extended ArcTangent(double x);

// "arcos" in [0, pi] and "arsin" in [-pi/2, pi/2]: raise EInvalidOp beyond [-1, 1].
Extended ArcCosine(double x);
Extended ArcSine(double x);
