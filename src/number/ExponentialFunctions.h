// The exponential and the two logarithms, on the stored double argument, returning the
// extended result for the caller to store.
#pragma once

#include "Fpu.h"

// "Exp": e^x. Beyond the double range (x above about 709.78) the caller's store raises
// EOverflow; beyond the extended range the exponential itself does. Tiny results pass.
Extended Exponential(double x);

// "ln" and "Log2": raise EZeroDivide for 0 (of either sign) and EInvalidOp below it.
Extended NaturalLog(double x);
Extended Log2(double x);
