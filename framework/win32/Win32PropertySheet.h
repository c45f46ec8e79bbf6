#pragma once

#include <windows.h>

class SheetCallbacks;

// Runs the sheet in the system's property-sheet control and maps its
// notifications onto the framework. Returns IDOK or IDCANCEL.
int RunWin32PropertySheet(SheetCallbacks& sheet, HINSTANCE instance);

// The running sheet's window, or null: owner of what it opens.
HWND RunningSheetWindow();
