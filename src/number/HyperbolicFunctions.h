// The hyperbolic keys and their inverses, on the stored double argument, returning the
// extended result for the caller to store.
#pragma once

#include "Fpu.h"

// "sinh", "cosh": beyond the double range (magnitude above about 710.48) the caller's
// store raises EOverflow, beyond the extended range the function itself does.
Extended HyperbolicSine(double x);
Extended HyperbolicCosine(double x);

// "tanh": never faults; +-1 for large magnitudes.
Extended HyperbolicTangent(double x);

// "arsinh": never faults.
Extended InverseHyperbolicSine(double x);

// "arcosh": raises EInvalidOp below 1.
Extended InverseHyperbolicCosine(double x);

// "artanh": +infinity at 1 and -infinity at -1, without a fault; EInvalidOp beyond [-1, 1].
Extended InverseHyperbolicTangent(double x);
