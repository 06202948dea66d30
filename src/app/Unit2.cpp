#include "Unit2.h"

TForm2* Form2 = nullptr;

TForm2::TForm2()
{
    setupUi(this);
    SetUpLayout();
}

void TForm2::FormCreate(TObject*) {}

void TForm2::BitBtn1Click(TObject*)
{
    Close();
}
