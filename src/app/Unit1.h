// The main window: the calculator. Its layout is Unit1.ui; every key's OnClick there
// names one of the handlers below.
#pragma once

#include "Form.h"
#include "Fpu.h"
#include "ui_Unit1.h"

class TForm1 : public TForm, public Ui::Form1 {
    Q_OBJECT
public:
    TForm1();

public slots:
    // Menu and window
    void N1Click(TObject* Sender);
    void N2Click(TObject* Sender);
    void BitBtn1Click(TObject* Sender);

    // Entry keys: the digits, "." and "C"
    void SpeedButton11Click(TObject* Sender);
    void SpeedButton10Click(TObject* Sender);
    void SpeedButton9Click(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);
    void SpeedButton7Click(TObject* Sender);
    void SpeedButton6Click(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton13Click(TObject* Sender);
    void SpeedButton12Click(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);

    // Two-operand keys, "=" and "%"
    void SpeedButton17Click(TObject* Sender);
    void SpeedButton16Click(TObject* Sender);
    void SpeedButton15Click(TObject* Sender);
    void SpeedButton14Click(TObject* Sender);
    void SpeedButton24Click(TObject* Sender);
    void SpeedButton44Click(TObject* Sender);
    void SpeedButton18Click(TObject* Sender);
    void SpeedButton20Click(TObject* Sender);

    // One-operand keys
    void SpeedButton19Click(TObject* Sender);
    void SpeedButton21Click(TObject* Sender);
    void SpeedButton22Click(TObject* Sender);
    void SpeedButton23Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);
    void SpeedButton28Click(TObject* Sender);
    void SpeedButton25Click(TObject* Sender);
    void SpeedButton26Click(TObject* Sender);
    void SpeedButton27Click(TObject* Sender);
    void SpeedButton31Click(TObject* Sender);
    void SpeedButton29Click(TObject* Sender);
    void SpeedButto30Click(TObject* Sender);
    void SpeedButton43Click(TObject* Sender);
    void SpeedButton32Click(TObject* Sender);
    void SpeedButton37Click(TObject* Sender);
    void SpeedButton33Click(TObject* Sender);
    void SpeedButton35Click(TObject* Sender);
    void SpeedButton34Click(TObject* Sender);
    void SpeedButton38Click(TObject* Sender);
    void SpeedButton36Click(TObject* Sender);
    void SpeedButton39Click(TObject* Sender);
    void SpeedButton40Click(TObject* Sender);
    void SpeedButton41Click(TObject* Sender);
    void SpeedButton42Click(TObject* Sender);
    void SpeedButton45Click(TObject* Sender);
    void SpeedButton46Click(TObject* Sender);
    void SpeedButton54Click(TObject* Sender);
    void SpeedButton49Click(TObject* Sender);
    void SpeedButton48Click(TObject* Sender);
    void SpeedButton47Click(TObject* Sender);

    // Memory keys
    void Button1Click(TObject* Sender);
    void Button2Click(TObject* Sender);

private:
    // What the six operator keys share; they differ only in the operator they leave pending.
    void OperatorKey(char op);
    // What the one-operand keys share: the display's value through function, back into the display.
    void FunctionKey(Extended (*function)(double));
};

extern TForm1* Form1;

// The calculator's state, shared by the handlers; zero at start.
extern char PendingOp;
extern double FirstOperand;
extern double ResultValue;
extern double WorkValue;
extern double MemoryValue;
extern double SqrtValue;
extern double SqrtArgument;
