#include "PressRules.h"

#include "Edit.h"
#include "FormatFixedWide.h"
#include "FormatGeneral.h"
#include "NumberFormat.h"
#include "Utf8.h"

#include <cmath>
#include <string_view>

namespace press_rules {

namespace {

using calculator_keys::Key;
using calculator_keys::Rule;

constexpr const char* kEmptyMemoryCaption = "Пусто";
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kSkyBlue = 0xF0CAA6;

bool EndsWith(std::string_view text, std::string_view end)
{
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// Collects the rules broken, one line each.
class Findings {
public:
    void Require(bool kept, const char* rule)
    {
        if (!kept) {
            lines_ += std::string(rule) + '\n';
        }
    }
    std::string Lines() const { return lines_; }

private:
    std::string lines_;
};

void RequireNoNaN(Findings& findings, const CalculatorState& state)
{
    for (const double value : {state.firstOperand, state.resultValue, state.workValue, state.memoryValue,
                               state.sqrtValue, state.sqrtArgument}) {
        findings.Require(!std::isnan(value), "no variable holds a NaN");
    }
}

bool MayFail(const Key& key, const CalculatorState& before)
{
    switch (key.rule) {
    case Rule::Operator:
    case Rule::Percent:
    case Rule::Function:
    case Rule::SquareRoot:
    case Rule::Store:
        return true;
    case Rule::Equals:
        return before.pendingOp != 0;
    default:
        return false;
    }
}

// The conversion message the key shows for the display's text.
std::string ConversionMessage(const Key& key, const CalculatorState& before)
{
    const bool integer = key.rule == Rule::Equals && (before.pendingOp == '^' || before.pendingOp == 'H');
    return "'" + before.display + "' is not a valid " + (integer ? "integer" : "floating point") + " value.";
}

void CheckFailure(Findings& findings, const Key& key, const CalculatorState& before,
                  const CalculatorState& after, const std::string& error)
{
    findings.Require(MayFail(key, before), "a key that cannot fail showed an error");
    const std::optional<ErrorClass> kind = ClassOf(error);
    findings.Require(kind.has_value(), "the error is a message of the catalogue or a conversion message");
    findings.Require(kind != ErrorClass::Convert || error == ConversionMessage(key, before),
                     "a conversion message quotes the display's text and names the kind of value read");
    // A failing key stops where it fails: only the variable its first store wrote may differ.
    CalculatorState expected = before;
    if (key.rule == Rule::Function || key.rule == Rule::Percent) {
        expected.workValue = after.workValue;
    }
    if (key.rule == Rule::SquareRoot) {
        expected.sqrtArgument = after.sqrtArgument;
    }
    findings.Require(after.display == before.display, "a failing key leaves the display as it was");
    findings.Require(after == expected, "a failing key changes nothing but its first store");
}

void CheckSuccess(Findings& findings, const Key& key, const CalculatorState& before,
                  const CalculatorState& after)
{
    CalculatorState expected = before;
    bool writesNumber = true;
    switch (key.rule) {
    case Rule::Append:
        expected.display += key.symbol != 0
                                ? std::string(1, key.symbol)
                                : std::string(utf8::Encoded(number_format::Current().decimal).View());
        writesNumber = false;
        break;
    case Rule::Clear:
        expected.display.clear();
        writesNumber = false;
        break;
    case Rule::Operator:
        expected.pendingOp = key.symbol;
        expected.firstOperand = after.firstOperand;
        expected.display.clear();
        writesNumber = false;
        break;
    case Rule::Equals:
        if (before.pendingOp != 0) {
            expected.resultValue = after.resultValue;
            expected.display = FormatGeneral(after.resultValue);
        }
        break;
    case Rule::Percent:
    case Rule::Function:
    case Rule::Pi:
        expected.workValue = after.workValue;
        expected.display = FormatGeneral(after.workValue);
        break;
    case Rule::SquareRoot:
        expected.sqrtArgument = after.sqrtArgument;
        expected.sqrtValue = after.sqrtValue;
        expected.display = FormatFixedWide(after.sqrtValue);
        break;
    case Rule::Recall:
        expected.display = FormatGeneral(after.memoryValue);
        expected.memoryCaption = kEmptyMemoryCaption;
        expected.memoryColour = kWhite;
        break;
    case Rule::Store:
        expected.memoryValue = after.memoryValue;
        expected.memoryCaption = FormatGeneral(after.memoryValue);
        expected.memoryHint = expected.memoryCaption;
        expected.memoryColour = kSkyBlue;
        writesNumber = false;
        break;
    case Rule::Toggle:
        expected.toggleCaption = before.toggleCaption == ">>" ? "<<" : ">>";
        writesNumber = false;
        break;
    }
    findings.Require(!writesNumber || after.display.find("NAN") == std::string::npos,
                     "a key never shows a NaN");
    findings.Require(after == expected, "a key changes only what it writes, and shows the value it stored");
}

} // namespace

std::optional<ErrorClass> ClassOf(const std::string& text)
{
    if (text == "Invalid floating point operation.") {
        return ErrorClass::InvalidOp;
    }
    if (text == "Floating point division by zero.") {
        return ErrorClass::ZeroDivide;
    }
    if (text == "Floating point overflow.") {
        return ErrorClass::Overflow;
    }
    if (text.starts_with('\'') && (EndsWith(text, "' is not a valid floating point value.") ||
                                   EndsWith(text, "' is not a valid integer value."))) {
        return ErrorClass::Convert;
    }
    return std::nullopt;
}

std::string Broken(const Key& key, const CalculatorState& before, const CalculatorState& after,
                   const std::vector<std::string>& errors)
{
    Findings findings;
    RequireNoNaN(findings, after);
    findings.Require(errors.size() <= 1, "a press shows at most one error");
    if (errors.empty()) {
        CheckSuccess(findings, key, before, after);
    } else {
        CheckFailure(findings, key, before, after, errors.front());
    }
    return findings.Lines();
}

std::string BrokenByTyping(const QString& typed, const CalculatorState& before, const CalculatorState& after,
                           const std::vector<std::string>& errors)
{
    // Typing stops taking characters once the display holds as many UTF-16 units as the limit.
    QString fits;
    for (const char32_t code : typed.toUcs4()) {
        const QString character = QString::fromUcs4(&code, 1);
        if (fits.size() + character.size() > TEdit::kMaxLength) {
            break;
        }
        fits += character;
    }
    CalculatorState expected = before;
    expected.display = fits.toStdString();
    Findings findings;
    findings.Require(errors.empty(), "typing shows no error");
    findings.Require(after == expected,
                     "typing changes the display only, to the text typed as far as it fits");
    return findings.Lines();
}

} // namespace press_rules
