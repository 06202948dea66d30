// vexorin-script: drives the calculator's main window offscreen from a scenario.
//
// Input: UTF-8 lines; a command word, one space, and its argument verbatim to the end
// of the line. Empty lines and lines beginning with "#" are skipped.
//   press CAPTION    a real left click on the key with that caption (not clicked, and
//                    "pressed": false, when a user could not click it now)
//   text T           click into the display, select all, type T in its place
//   type T           type the characters of T at the keyboard focus
//   key K            one key at the focus: Tab, Backtab, Space, Return, Escape
//   separators DT    D becomes the decimal, T the thousands separator; the desktop's
//                    settings-change notification follows
//   about            prints {"total": Label7, "load": Label9} of the About window
//   menu CAPTION     chooses a menu entry; the About window is closed again at once,
//                    "Выход" ends the run with status 0
// Output: after every command but about, one line
//   {"pressed", "error", "display", "memory", "hint", "colour", "focus", "toggle"}.
// Status: 0 at the end of the input, 2 for a line that is not understood.
// Environment: VEXORIN_SCRIPT_MEMINFO names a file in the form of /proc/meminfo that
// stands in for the system's, so that the About window's figures are known.
#include "ScenarioRunner.h"

#include "Application.h"
#include "Form.h"
#include "MemoryStatus.h"
#include "Program.h"

#include <QCoreApplication>

#include <fstream>
#include <iostream>

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    TApplication platform(argc, argv);
    ScenarioRunner runner;
    // No dialog ever blocks: the error dialog's text is recorded for the state line.
    Application->SetExceptionPresenter([&runner](const std::string& text) { runner.RecordError(text); });
    if (const QByteArray meminfo = qgetenv("VEXORIN_SCRIPT_MEMINFO"); !meminfo.isEmpty()) {
        std::ifstream file(meminfo.toStdString());
        const MEMORYSTATUS status = memory_status::FromMeminfo(file);
        memory_status::SetSource([status] { return status; });
    }
    BuildProgram();
    Application->MainForm()->Show();
    QCoreApplication::processEvents();
    return runner.Run(std::cin, std::cout, std::cerr);
}
