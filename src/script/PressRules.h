// The rules every press of a key and every display text typed must keep, checked from the
// state before and after it and the error dialog's texts shown meanwhile: no NaN in any
// variable or in a display a key wrote; a failing key shows one message of the catalogue
// (or the conversion message quoting the display's text), leaves the display as it was and
// changes no variable but the one its rule names; a key that completes changes only what
// it writes, and shows the value it stored.
#pragma once

#include "CalculatorKeys.h"
#include "CalculatorState.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

namespace press_rules {

enum class ErrorClass { Convert, InvalidOp, ZeroDivide, Overflow };

// The class of an error dialog's text: one of the three fault messages or a conversion
// message; nothing for any other text.
std::optional<ErrorClass> ClassOf(const std::string& text);

// What the press of key broke, one line per rule; empty when it kept them all.
std::string Broken(const calculator_keys::Key& key, const CalculatorState& before,
                   const CalculatorState& after, const std::vector<std::string>& errors);

// The same for text typed in place of the display's: only the display changes, to the text
// as far as the typing limit lets it in.
std::string BrokenByTyping(const QString& typed, const CalculatorState& before, const CalculatorState& after,
                           const std::vector<std::string>& errors);

} // namespace press_rules
