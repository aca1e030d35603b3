// Fits a dialog to the device's screen (the main window on a desktop).
#pragma once

#include "../platform/platform.h"

// Called by a dialog procedure on WM_INITDIALOG with SHIDIF_* flags; adds
// SHIDIF_DONEBUTTON outside full-screen mode and, in full-screen mode,
// stretches the dialog to the top of the screen like the main window.
void PrepareDialog(HWND dialog, DWORD flags);
