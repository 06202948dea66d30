// What "%" computes: the entered value x taken as a per cent of the first operand,
// combined with it by the pending operator. The caller stores the extended result.
#pragma once

#include "Fpu.h"

// With p = x / 100: '+' gives first + first * p, '-' first - first * p, '*' first * p and
// '/' first / p, each step in extended precision. With no arithmetic operator pending
// (0, '^' or 'H') the result is x itself. '/' with x = 0 raises EZeroDivide, or EInvalidOp
// when first is 0 too.
Extended Percent(char pendingOp, double first, double x);
