// The six angle-unit keys: one extended multiplication (one division for RadToCycle) by a
// fixed extended factor. A result beyond the double range faults at the caller's store.
#pragma once

#include "Fpu.h"

Extended CycleToRad(double x); // x * 2pi
Extended DegToRad(double x);   // x * (pi / 180)
Extended GradToRad(double x);  // x * (pi / 200)
Extended RadToCycle(double x); // x / 2pi
Extended RadToDeg(double x);   // x * (180 / pi)
Extended RadToGrad(double x);  // x * (200 / pi)
