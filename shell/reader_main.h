// A run of the reader, in steps that the end-to-end tests drive one by one.
#pragma once

#include "../platform/platform.h"

// Zeroes AppState, reads the maker-wide switches and starts the instance.
// Returns the main window, or null when another instance runs or the
// window cannot be made.
HWND StartReader(HINSTANCE instance, const WCHAR* commandLine, int showCommand);
// Runs until the quit message; returns its wParam.
int RunMessageLoop();
// Shows the task bar again when it was visible at start.
void EndReader();
// All three: the program's whole run.
int ReaderMain(HINSTANCE instance, const WCHAR* commandLine, int showCommand);
