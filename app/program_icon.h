#pragma once
// The program's icon for its windows and the task bar.
#include <QIcon>

// The desktop theme's icon as installed with the program, or the copy built
// into the program when no theme has it (a run from the build folder, or an
// install prefix outside the icon search path).
QIcon ProgramIcon();
