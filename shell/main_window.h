// The main window's procedure.
#pragma once

#include "../platform/platform.h"

// Unused by anything the program sends: ends the program.
enum { WM_QUILLMERE_CLOSE = 1023 };

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Keys and scroll bars (key_scroll.cpp).
LRESULT HandleKey(HWND window, WPARAM key);
LRESULT HandleVerticalScroll(HWND window, WPARAM wParam, LPARAM lParam);
