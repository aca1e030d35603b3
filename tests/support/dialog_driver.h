// Drives a modal dialog from inside its own message loop, as Wine's tests
// do: a CBT hook notes the dialog when it is activated, and a thread timer
// runs the test's script once the dialog is up. A dialog that is still open
// when the time runs out is ended with IDABORT, so a broken script fails the
// test instead of hanging it. Win build only.
#pragma once

#include <functional>

#include "platform/platform.h"

struct DialogRun {
    INT_PTR result;   // what open returned
    bool scriptRan;   // the dialog came up and the script ran
    bool timedOut;    // the dialog had to be ended with IDABORT
};

// open shows the dialog and returns its result; script gets the dialog.
DialogRun RunDialogScript(const std::function<INT_PTR()>& open, const std::function<void(HWND)>& script,
                          DWORD timeoutMs = 10000);

// Lets the dialog and its controls handle what is queued (painting too),
// for at most timeoutMs.
void PumpMessages(DWORD timeoutMs = 50);

// Clicks an item of a list box as a user does (the list sends its own
// notifications). Returns false when the item does not exist.
bool ClickListItem(HWND list, int index);

// The index of the list's item whose text is exactly text, or -1.
int FindListItem(HWND list, const WCHAR* text);

// Saves what the screen shows of window (caption and frame included) as a
// PNG file; the directory is made when missing.
bool SaveWindowPicture(HWND window, const char* path);
