// Which sections the panes show: the current section above, the one after
// it below, stepping by pairs with wrap-around.
#pragma once

#include "../platform/platform.h"

// ShowSection's argument that reloads the top pane only.
#define LOAD_TOP_ONLY 0xF4FFF500u

void SetCurrentSection(unsigned section, int today);
int ShowSection(HWND window, unsigned section);
int LoadBottomSection(HWND window);
int StepSection(HWND window, int step);
int NextSection(HWND window);
int PreviousSection(HWND window);
