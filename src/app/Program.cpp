#include "Program.h"

#include "Application.h"
#include "DesktopIdentity.h"
#include "Unit1.h"
#include "Unit2.h"

void BuildProgram()
{
    Application->Initialize();
    Application->SetTitle("QV Vexorin 3.0");
    desktop_identity::Apply();
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
}
