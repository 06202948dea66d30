#include "StoredOutcome.h"

#include <cstdio>

Outcome Stored(const std::function<Extended()>& compute)
{
    Outcome outcome;
    try {
        fpu::Store(outcome.value, compute());
    } catch (const EMathError& fault) {
        outcome.fault = fault.Message();
    }
    return outcome;
}

std::ostream& operator<<(std::ostream& stream, const Outcome& outcome)
{
    if (!outcome.fault.empty()) {
        return stream << "fault \"" << outcome.fault << '"';
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.17g (%a)", outcome.value, outcome.value);
    return stream << text;
}
