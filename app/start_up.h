// The program's run from its start to its end: the start-up sequence inside the main window's
// created event, the close request, and what is released at the end.
#pragma once

#include <string>

#include "app/program.h"

// Writes the skinning library and dic.dat beside the program, attaches the skin, reads the
// dictionary back, builds the forbidden list, narrows the window to 285, loads the book and
// registers F1 and F2. False after a fatal error, which it has shown.
bool runStartUp(Program& program);

// Unregisters the hotkeys; the window then closes.
void onCloseRequest(Program& program);

void releaseAtExit(Program& program);

// Shows what failed in one message box and records the exit code; later fatal errors show
// nothing more. The caller ends the program.
void failFatally(Program& program, const std::wstring& what, int exitCode);
