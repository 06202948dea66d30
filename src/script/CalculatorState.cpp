#include "CalculatorState.h"

#include "Edit.h"
#include "Panels.h"
#include "Unit1.h"

#include <bit>
#include <cinttypes>
#include <cstdio>

namespace {

bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

std::string Line(const char* name, double value)
{
    char text[96];
    std::snprintf(text, sizeof text, "  %s = %.17g (bits %016" PRIX64 ")\n", name, value,
                  std::bit_cast<std::uint64_t>(value));
    return text;
}

std::string Line(const char* name, const std::string& value)
{
    return std::string("  ") + name + " = \"" + value + "\"\n";
}

} // namespace

CalculatorState CalculatorState::Current()
{
    return {PendingOp,
            FirstOperand,
            ResultValue,
            WorkValue,
            MemoryValue,
            SqrtValue,
            SqrtArgument,
            Form1->Edit1->Text(),
            Form1->Panel1->Caption(),
            Form1->Panel1->Hint(),
            Form1->Panel1->Color(),
            Form1->BitBtn1->Caption()};
}

bool CalculatorState::operator==(const CalculatorState& other) const
{
    return pendingOp == other.pendingOp && SameBits(firstOperand, other.firstOperand) &&
           SameBits(resultValue, other.resultValue) && SameBits(workValue, other.workValue) &&
           SameBits(memoryValue, other.memoryValue) && SameBits(sqrtValue, other.sqrtValue) &&
           SameBits(sqrtArgument, other.sqrtArgument) && display == other.display &&
           memoryCaption == other.memoryCaption && memoryHint == other.memoryHint &&
           memoryColour == other.memoryColour && toggleCaption == other.toggleCaption;
}

std::string CalculatorState::Described() const
{
    char colour[32];
    std::snprintf(colour, sizeof colour, "  memory colour = %06" PRIX32 "\n", memoryColour);
    return Line("PendingOp", pendingOp != 0 ? std::string(1, pendingOp) : std::string("0")) +
           Line("FirstOperand", firstOperand) + Line("ResultValue", resultValue) +
           Line("WorkValue", workValue) + Line("MemoryValue", memoryValue) + Line("SqrtValue", sqrtValue) +
           Line("SqrtArgument", sqrtArgument) + Line("display", display) +
           Line("memory caption", memoryCaption) + Line("memory hint", memoryHint) + colour +
           Line("panel key", toggleCaption);
}
