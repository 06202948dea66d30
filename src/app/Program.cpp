#include "Program.h"

#include "Application.h"
#include "Unit1.h"
#include "Unit2.h"

#include <QGuiApplication>

void BuildProgram()
{
    Application->Initialize();
    Application->SetTitle("QV Vexorin 3.0");
    // The desktop entry the windows belong to, for the icon and the name in the shell.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.quorvane.vexorin"));
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
}
