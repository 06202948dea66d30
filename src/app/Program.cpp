#include "Program.h"

#include "Application.h"
#include "Unit1.h"
#include "Unit2.h"

void BuildProgram()
{
    Application->Initialize();
    Application->SetTitle("QV Vexorin 3.0");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
}
