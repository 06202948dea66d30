// Steps 2 to 5 of the start-up: initialise the application, set its title (and tell the desktop
// the program's entry and icon), create the main window and then the About window, both hidden.
// The program and the scenario runner start the same way.
#pragma once

void BuildProgram();
