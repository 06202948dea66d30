#include "Unit1.h"

#include "Unit2.h"

#include "NumberFormat.h"

#include <string>
#include <string_view>

TForm1* Form1 = nullptr;

char PendingOp = 0;
double FirstOperand = 0;
double ResultValue = 0;
double WorkValue = 0;
double MemoryValue = 0;
double SqrtValue = 0;
std::int32_t SqrtArgument = 0;

namespace {

// The outer heights of the window without and with the function panel.
constexpr int kShortHeight = 265;
constexpr int kTallHeight = 440;

void AppendToDisplay(TEdit& display, std::string_view text)
{
    display.SetText(display.Text() + std::string(text));
}

std::string Utf8(char32_t code)
{
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
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
    AppendToDisplay(*Edit1, Utf8(number_format::Current().decimal));
}

void TForm1::SpeedButton1Click(TObject*)
{
    Edit1->SetText("");
}

// The keys below are bound and wait for their arithmetic.

// Two-operand keys, "=" and "%"
void TForm1::SpeedButton17Click(TObject*) {}
void TForm1::SpeedButton16Click(TObject*) {}
void TForm1::SpeedButton15Click(TObject*) {}
void TForm1::SpeedButton14Click(TObject*) {}
void TForm1::SpeedButton24Click(TObject*) {}
void TForm1::SpeedButton44Click(TObject*) {}
void TForm1::SpeedButton18Click(TObject*) {}
void TForm1::SpeedButton20Click(TObject*) {}

// One-operand keys
void TForm1::SpeedButton19Click(TObject*) {}
void TForm1::SpeedButton21Click(TObject*) {}
void TForm1::SpeedButton22Click(TObject*) {}
void TForm1::SpeedButton23Click(TObject*) {}
void TForm1::SpeedButton3Click(TObject*) {}
void TForm1::SpeedButton28Click(TObject*) {}
void TForm1::SpeedButton25Click(TObject*) {}
void TForm1::SpeedButton26Click(TObject*) {}
void TForm1::SpeedButton27Click(TObject*) {}
void TForm1::SpeedButton31Click(TObject*) {}
void TForm1::SpeedButton29Click(TObject*) {}
void TForm1::SpeedButto30Click(TObject*) {}
void TForm1::SpeedButton43Click(TObject*) {}
void TForm1::SpeedButton32Click(TObject*) {}
void TForm1::SpeedButton37Click(TObject*) {}
void TForm1::SpeedButton33Click(TObject*) {}
void TForm1::SpeedButton35Click(TObject*) {}
void TForm1::SpeedButton34Click(TObject*) {}
void TForm1::SpeedButton38Click(TObject*) {}
void TForm1::SpeedButton36Click(TObject*) {}
void TForm1::SpeedButton39Click(TObject*) {}
void TForm1::SpeedButton40Click(TObject*) {}
void TForm1::SpeedButton41Click(TObject*) {}
void TForm1::SpeedButton42Click(TObject*) {}
void TForm1::SpeedButton45Click(TObject*) {}
void TForm1::SpeedButton46Click(TObject*) {}
void TForm1::SpeedButton54Click(TObject*) {}
void TForm1::SpeedButton49Click(TObject*) {}
void TForm1::SpeedButton48Click(TObject*) {}
void TForm1::SpeedButton47Click(TObject*) {}

// Memory keys
void TForm1::Button1Click(TObject*) {}
void TForm1::Button2Click(TObject*) {}
