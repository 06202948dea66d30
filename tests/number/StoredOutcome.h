// Running a computation the way a key does: its extended result stored into a double.
#pragma once

#include "Fpu.h"

#include <functional>
#include <ostream>
#include <string>

// What a computation leaves: the fault it raised, or the double its result was stored as.
struct Outcome {
    std::string fault; // the fault's message; empty when the result was stored
    double value = 0;  // the stored double, when there was no fault
};

// Runs compute and stores its result with fpu::Store; a fault on the way is caught and kept.
Outcome Stored(const std::function<Extended()>& compute);

std::ostream& operator<<(std::ostream& stream, const Outcome& outcome);
