// A calculator session driven as a user would drive it, with every step checked: the main
// window is created afresh on zero variables, keys are pressed with real clicks, display
// texts typed after a click into the display, and after each step the key's rules
// (PressRules.h) must hold. A broken rule prints the step with the states before and after,
// and aborts, so that the fuzzer keeps the input and the soak stops.
#pragma once

#include "CalculatorState.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class QAbstractButton;

class CheckedSession {
public:
    struct Tally {
        std::uint64_t presses = 0; // key clicks, the ">>" that reveal the function panel included
        std::uint64_t texts = 0;
        std::uint64_t separatorSwitches = 0;
        std::uint64_t convert = 0;
        std::uint64_t invalidOp = 0;
        std::uint64_t zeroDivide = 0;
        std::uint64_t overflow = 0;
    };

    // Needs the application object, initialised; the error dialog's texts are recorded, not shown.
    CheckedSession();
    ~CheckedSession();
    CheckedSession(const CheckedSession&) = delete;
    CheckedSession& operator=(const CheckedSession&) = delete;

    // Puts the calculator back as the session found it: the variables zero, the display, the
    // memory panel and the function panel as the new window showed them, the environment's
    // separators. Quicker than new windows.
    void Restart();

    // The number of keys, both parts of the window (calculator_keys::All()).
    static std::size_t KeyCount();

    // Clicks the key of that index; a key of the hidden function panel is reached by
    // clicking ">>" first.
    void Press(std::size_t key);
    // Clicks into the display, selects its text and types text in its place.
    void Type(const QString& text);
    // The desktop's separators change, from the point to the decimal comma of a Russian
    // locale or back, and the application hears of it: nothing a key left may change.
    void SwitchSeparators();

    const Tally& Counts() const { return tally_; }

private:
    void Click(std::size_t key);
    void Count(const std::string& error);
    [[noreturn]] void Abort(const std::string& step, const std::string& broken, const CalculatorState& before,
                            const CalculatorState& after) const;

    CalculatorState start_;
    std::vector<QAbstractButton*> buttons_;
    std::size_t toggle_ = 0;
    std::vector<std::string> errors_;
    Tally tally_;
};
