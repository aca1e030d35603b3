// The About box (dialog resource IDD_ABOUT): the program's name, logo, version
// and the link to the maker's web page.
#pragma once

#include "../platform/platform.h"

// Runs the About box modally over owner (the main window) with the
// resources of appState.instance. Command 40004 and WM_HELP.
void RunAboutBox(HWND owner);

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
