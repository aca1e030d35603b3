// A stand-in main window for the bar and dialog tests: it records the
// commands, close requests and opened popups it receives, and can play a
// script of keys into each popup as it opens. Win build only.
#pragma once

#include <functional>
#include <vector>

#include "platform/platform.h"

struct WindowLog {
    std::vector<int> commands;   // low words of WM_COMMAND, in order
    std::vector<HMENU> popups;   // WM_INITMENUPOPUP, in order
    int closes;                  // WM_CLOSE (the window stays)
};

// A visible top-level window of the given outer size at (x, y); the log
// starts empty.
HWND CreateTestWindow(int x, int y, int width, int height);
WindowLog& TestWindowLog();
void ClearTestWindowLog();

// One step per popup: the keys posted when the next popup opens. A key
// below 0x100 is a virtual key (WM_KEYDOWN); a key given as CHAR_KEY(c) is
// posted as WM_CHAR c.
enum { CHAR_KEY_FLAG = 0x10000 };
inline int CHAR_KEY(wchar_t c) { return CHAR_KEY_FLAG | (int)c; }
void SetPopupScript(const std::vector<std::vector<int>>& steps);
// Called with the step's number as each popup opens, before its keys are
// posted (for steps that use the mouse).
void SetPopupAction(const std::function<void(size_t step)>& action);
// A popup still open after this many milliseconds is closed (EndMenu), so a
// script that fails cannot hang the test.
enum { POPUP_TIMEOUT_MS = 3000 };

// The window's client rectangle in screen coordinates.
RECT ClientOnScreen(HWND window);
RECT WindowBox(HWND window);
// The tool bar control inside a bar.
HWND ToolBarOf(HWND bar);
// The command of the tool bar's button at index, or -1.
int ButtonCommand(HWND toolBar, int index);
