// The About window: its layout is Unit2.ui. Shown modally from the main window's menu,
// with the memory figures measured once at start-up.
#pragma once

#include "Form.h"
#include "ui_Unit2.h"

class TForm2 : public TForm, public Ui::Form2 {
    Q_OBJECT
public:
    TForm2();

public slots:
    // The creation step: runs once, when the window is created at start-up.
    void FormCreate(TObject* Sender);
    void BitBtn1Click(TObject* Sender);
};

extern TForm2* Form2;
