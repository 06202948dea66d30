// What a key can change, read at one moment: the calculator's variables, the display, the
// memory panel and the panel key's caption.
#pragma once

#include <cstdint>
#include <string>

struct CalculatorState {
    char pendingOp = 0;
    double firstOperand = 0;
    double resultValue = 0;
    double workValue = 0;
    double memoryValue = 0;
    double sqrtValue = 0;
    double sqrtArgument = 0;
    std::string display;
    std::string memoryCaption;
    std::string memoryHint;
    std::uint32_t memoryColour = 0;
    std::string toggleCaption;

    // The state of the main window Form1 and the variables now.
    static CalculatorState Current();

    // Equal when every variable has the same bits (so -0 differs from 0) and every text is the same.
    bool operator==(const CalculatorState& other) const;

    // One line per field, doubles with all their digits, for a report.
    std::string Described() const;
};
