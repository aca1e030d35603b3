// The commands of the menu, the tool buttons and the accelerators.
#pragma once

#include "../platform/platform.h"

// 0 when the command was handled, 1 otherwise.
int HandleCommand(HWND window, WPARAM wParam);
