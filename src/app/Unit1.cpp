#include "Unit1.h"

#include "Unit2.h"

#include "AngleConversions.h"
#include "BasicFunctions.h"
#include "BinaryOperations.h"
#include "ExponentialFunctions.h"
#include "FormatFixedWide.h"
#include "FormatGeneral.h"
#include "HyperbolicFunctions.h"
#include "NumberFormat.h"
#include "ParseFloat.h"
#include "ParseInteger.h"
#include "Percent.h"
#include "TrigonometricFunctions.h"
#include "Utf8.h"

#include <string>
#include <string_view>

TForm1* Form1 = nullptr;

char PendingOp = 0;
double FirstOperand = 0;
double ResultValue = 0;
double WorkValue = 0;
double MemoryValue = 0;
double SqrtValue = 0;
double SqrtArgument = 0;

namespace {

// The outer heights of the window without and with the function panel.
constexpr int kShortHeight = 265;
constexpr int kTallHeight = 440;

// The memory panel: white and this caption while nothing is held, sky blue while it shows a value.
constexpr const char* kEmptyMemoryCaption = "Пусто";
constexpr TColor kSkyBlue = 0xF0CAA6;

void AppendToDisplay(TEdit& display, std::string_view text)
{
    display.SetText(display.Text() + std::string(text));
}

} // namespace

TForm1::TForm1()
{
    setupUi(this);
    SetUpLayout();
}

// Menu and window

void TForm1::N1Click(TObject*)
{
    ::Form2->ShowModal();
}

void TForm1::N2Click(TObject*)
{
    Close();
}

void TForm1::BitBtn1Click(TObject*)
{
    // ::Form1 is the window reference; inside the class, Form1 names its layout.
    if (BitBtn1->Caption() == ">>") {
        BitBtn1->SetCaption("<<");
        ::Form1->SetHeight(kTallHeight);
        return;
    }
    if (BitBtn1->Caption() == "<<") {
        BitBtn1->SetCaption(">>");
        ::Form1->SetHeight(kShortHeight);
    }
}

// Entry keys

void TForm1::SpeedButton11Click(TObject*)
{
    AppendToDisplay(*Edit1, "1");
}
void TForm1::SpeedButton10Click(TObject*)
{
    AppendToDisplay(*Edit1, "2");
}
void TForm1::SpeedButton9Click(TObject*)
{
    AppendToDisplay(*Edit1, "3");
}
void TForm1::SpeedButton8Click(TObject*)
{
    AppendToDisplay(*Edit1, "4");
}
void TForm1::SpeedButton7Click(TObject*)
{
    AppendToDisplay(*Edit1, "5");
}
void TForm1::SpeedButton6Click(TObject*)
{
    AppendToDisplay(*Edit1, "6");
}
void TForm1::SpeedButton5Click(TObject*)
{
    AppendToDisplay(*Edit1, "7");
}
void TForm1::SpeedButton4Click(TObject*)
{
    AppendToDisplay(*Edit1, "8");
}
void TForm1::SpeedButton2Click(TObject*)
{
    AppendToDisplay(*Edit1, "9");
}
void TForm1::SpeedButton13Click(TObject*)
{
    AppendToDisplay(*Edit1, "0");
}

// The locale's decimal separator, so that the number converts under any locale
// (the comma of the Russian one included).
void TForm1::SpeedButton12Click(TObject*)
{
    AppendToDisplay(*Edit1, utf8::Encoded(number_format::Current().decimal).View());
}

void TForm1::SpeedButton1Click(TObject*)
{
    Edit1->SetText("");
}

// Two-operand keys, "=" and "%"

// The operator only waits for "=": no operation already pending is carried out, so there
// is no precedence and no running total.
void TForm1::OperatorKey(char op)
{
    fpu::Store(FirstOperand, ParseFloat(Edit1->Text()));
    Edit1->SetText("");
    Edit1->SetFocus();
    PendingOp = op;
}

void TForm1::SpeedButton17Click(TObject*)
{
    OperatorKey('+');
}
void TForm1::SpeedButton16Click(TObject*)
{
    OperatorKey('-');
}
void TForm1::SpeedButton15Click(TObject*)
{
    OperatorKey('*');
}
void TForm1::SpeedButton14Click(TObject*)
{
    OperatorKey('/');
}
void TForm1::SpeedButton24Click(TObject*)
{
    OperatorKey('^');
}
void TForm1::SpeedButton44Click(TObject*)
{
    OperatorKey('H');
}

// "=" leaves the operator and the first operand as they are, so pressing it again applies
// them to the result now shown.
void TForm1::SpeedButton18Click(TObject*)
{
    switch (PendingOp) {
    case 0:
        return; // before the first operator: not even the display is read
    case '^':
        fpu::Store(ResultValue, Power(FirstOperand, ParseInteger(Edit1->Text())));
        break;
    case 'H':
        fpu::Store(ResultValue, Hypotenuse(FirstOperand, ParseInteger(Edit1->Text())));
        break;
    default:
        // The second operand enters unrounded: one rounding only, at the store.
        fpu::Store(ResultValue, Calculate(PendingOp, FirstOperand, ParseFloat(Edit1->Text())));
        break;
    }
    Edit1->SetText(FormatGeneral(ResultValue));
}

// "%": the display's value as a per cent of the first operand, as pocket calculators take it.
void TForm1::SpeedButton20Click(TObject*)
{
    fpu::Store(WorkValue, ParseFloat(Edit1->Text()));
    fpu::Store(WorkValue, Percent(PendingOp, FirstOperand, WorkValue));
    Edit1->SetText(FormatGeneral(WorkValue));
}

// One-operand keys

// The argument is rounded to a double before the function sees it, and a failing function
// leaves that argument in WorkValue; the display is written only once both stores are done.
void TForm1::FunctionKey(Extended (*function)(double))
{
    fpu::Store(WorkValue, ParseFloat(Edit1->Text()));
    fpu::Store(WorkValue, function(WorkValue));
    Edit1->SetText(FormatGeneral(WorkValue));
}

void TForm1::SpeedButton19Click(TObject*)
{
    FunctionKey(Negate);
}
void TForm1::SpeedButton21Click(TObject*)
{
    FunctionKey(Reciprocal);
}
void TForm1::SpeedButton22Click(TObject*)
{
    FunctionKey(Square);
}
void TForm1::SpeedButton23Click(TObject*)
{
    FunctionKey(Cube);
}

// "sqrt" writes the fixed-width form, with the locale's separator so that the next key can
// read it back.
void TForm1::SpeedButton3Click(TObject*)
{
    fpu::Store(SqrtArgument, ParseFloat(Edit1->Text()));
    fpu::Store(SqrtValue, SquareRoot(SqrtArgument));
    Edit1->SetText(FormatFixedWide(SqrtValue));
}

// "pi" reads nothing, so it cannot fail.
void TForm1::SpeedButton28Click(TObject*)
{
    fpu::Store(WorkValue, Pi());
    Edit1->SetText(FormatGeneral(WorkValue));
}

void TForm1::SpeedButton25Click(TObject*)
{
    FunctionKey(Sine);
}
void TForm1::SpeedButton26Click(TObject*)
{
    FunctionKey(Cosine);
}
void TForm1::SpeedButton27Click(TObject*)
{
    FunctionKey(Tangent);
}
void TForm1::SpeedButton31Click(TObject*)
{
    FunctionKey(Cotangent);
}
void TForm1::SpeedButton29Click(TObject*)
{
    FunctionKey(Exponential);
}
void TForm1::SpeedButto30Click(TObject*)
{
    FunctionKey(NaturalLog);
}
void TForm1::SpeedButton43Click(TObject*)
{
    FunctionKey(Log2);
}
// "arctg" and "artan" are two keys for the same function.
void TForm1::SpeedButton32Click(TObject*)
{
    FunctionKey(ArcTangent);
}
void TForm1::SpeedButton37Click(TObject*)
{
    FunctionKey(ArcTangent);
}
void TForm1::SpeedButton33Click(TObject*)
{
    FunctionKey(ArcCosine);
}
void TForm1::SpeedButton35Click(TObject*)
{
    FunctionKey(ArcSine);
}
void TForm1::SpeedButton34Click(TObject*)
{
    FunctionKey(InverseHyperbolicCosine);
}
void TForm1::SpeedButton38Click(TObject*)
{
    FunctionKey(InverseHyperbolicSine);
}
void TForm1::SpeedButton36Click(TObject*)
{
    FunctionKey(InverseHyperbolicTangent);
}
void TForm1::SpeedButton39Click(TObject*)
{
    FunctionKey(HyperbolicCosine);
}
void TForm1::SpeedButton40Click(TObject*)
{
    FunctionKey(HyperbolicSine);
}
void TForm1::SpeedButton41Click(TObject*)
{
    FunctionKey(HyperbolicTangent);
}
void TForm1::SpeedButton42Click(TObject*)
{
    FunctionKey(Floor);
}
void TForm1::SpeedButton45Click(TObject*)
{
    FunctionKey(CycleToRad);
}
void TForm1::SpeedButton46Click(TObject*)
{
    FunctionKey(DegToRad);
}
void TForm1::SpeedButton54Click(TObject*)
{
    FunctionKey(GradToRad);
}
void TForm1::SpeedButton49Click(TObject*)
{
    FunctionKey(RadToCycle);
}
void TForm1::SpeedButton48Click(TObject*)
{
    FunctionKey(RadToDeg);
}
void TForm1::SpeedButton47Click(TObject*)
{
    FunctionKey(RadToGrad);
}

// Memory keys: both are push buttons that keep the focus they take on the click.

// "M->": the memory keeps its value and the panel its tooltip; only the caption and the
// colour say that the value has been recalled.
void TForm1::Button1Click(TObject*)
{
    Edit1->SetText(FormatGeneral(MemoryValue));
    Panel1->SetCaption(kEmptyMemoryCaption);
    Panel1->SetColor(clWhite);
}

// "->M": the panel shows the stored double, not the text that was read.
void TForm1::Button2Click(TObject*)
{
    fpu::Store(MemoryValue, ParseFloat(Edit1->Text()));
    Panel1->SetCaption(FormatGeneral(MemoryValue));
    Panel1->SetHint(FormatGeneral(MemoryValue));
    Panel1->SetColor(kSkyBlue);
}
