// The reader's bar: the Pocket PC menu bar along the bottom or, on older
// systems, a command bar along the top; either holds the menu and the six
// tool buttons.
#pragma once

#include "../platform/platform.h"

// 1 on systems that have the menu bar (version 4.21 and later); on older
// ones the "MenuBarOnBottom" switch decides.
int MenuBarWanted(DWORD majorVersion, DWORD minorVersion, int menuBarSwitch);

// Called from WM_CREATE once appState.mainWindow is set: asks the system
// version, settles appState.useMenuBar and builds the bar.
void CreateMenuBar();

// Builds the kind of bar appState.useMenuBar names and fills menuBar and
// menuBarHeight. Without a bar (it could not be made) both are zero.
void BuildMenuBar();
