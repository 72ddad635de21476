// The main window: its layout, its controls and their texts at creation, and the binding of their
// events to the operations of the query, the screening, the book and the paste button.
#pragma once

#include <windows.h>

#include "app/program.h"
#include "window/window_operations.h"

// Registers the window class and creates the window centred on the primary screen; its created
// event runs the start-up sequence to its end. Null when creation or start-up failed.
HWND createMainWindow(HINSTANCE instance, Program& program);

// The paste button: the clipboard's text replaces the input box's whole text.
void pasteIntoInput(WindowOperations& window);
