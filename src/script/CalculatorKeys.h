// Every key of the main window, both parts, with the rule it follows: what a press may
// change, and what may fail. The checked session holds each press to its key's rule.
#pragma once

#include <span>

namespace calculator_keys {

enum class Rule {
    Append,     // appends its digit (or, for the decimal key, the locale's separator) to the display
    Clear,      // empties the display
    Operator,   // FirstOperand from the display, which it empties; PendingOp becomes the key's symbol
    Equals,     // ResultValue from the pending operation, shown; nothing at all before the first operator
    Percent,    // WorkValue, shown
    Function,   // WorkValue from the display's value, shown
    SquareRoot, // SqrtArgument and SqrtValue, shown in the fixed-width form
    Pi,         // WorkValue, shown; reads nothing
    Recall,     // shows MemoryValue; the memory panel turns empty
    Store,      // MemoryValue from the display, shown on the memory panel
    Toggle,     // ">>" and "<<": shows or hides the function panel
};

struct Key {
    const char* name; // the control's object name
    Rule rule;
    char symbol; // Append: the digit, 0 for the separator; Operator: the operator it leaves pending
};

std::span<const Key> All();

} // namespace calculator_keys
