#include "menu_bar.h"

#include <string.h>

#include "../resources/resource_ids.h"
#include "app_state.h"
#include "switches.h"

enum { TOOL_BUTTON_COUNT = 6, TOOL_IMAGE_SIZE = 16 };

// The first text belongs to the bar's menu; the others follow the buttons.
static const WCHAR* const toolTips[TOOL_BUTTON_COUNT + 1] = {
    L"", L"Previous Article", L"Choose Article", L"Next Article", L"Choose Font", L"Search", L"Search Again",
};

// In the order of the pictures in the tool-button bitmap.
static const int toolCommands[TOOL_BUTTON_COUNT] = {
    CMD_PREVIOUS, CMD_INDEX, CMD_NEXT, CMD_FONT, CMD_SEARCH, CMD_SEARCH_AGAIN,
};

int MenuBarWanted(DWORD majorVersion, DWORD minorVersion, int menuBarSwitch)
{
    if (majorVersion > 4 || (majorVersion == 4 && minorVersion >= 21))
        return 1;
    return menuBarSwitch;
}

static void CreateBottomBar()
{
    SHMENUBARINFO info;
    memset(&info, 0, sizeof info);
    info.cbSize = sizeof info;
    info.hwndParent = appState.mainWindow;
    info.dwFlags = SHCMBF_HIDESIPBUTTON;
    info.nToolBarId = IDR_MAIN_MENU;
    info.hInstRes = appState.instance;
    if (!SHCreateMenuBar(&info))
        return;
    appState.menuBar = info.hwndMB;
    RECT bar;
    GetWindowRect(appState.menuBar, &bar);
    appState.menuBarHeight = bar.bottom - bar.top;
}

static void CreateTopBar()
{
    appState.menuBar = CommandBar_Create(appState.instance, appState.mainWindow, 1);
    if (appState.menuBar == nullptr)
        return;
    appState.menuBarHeight = CommandBar_Height(appState.menuBar);
    CommandBar_InsertMenubar(appState.menuBar, appState.instance, IDR_MAIN_MENU, 0);
}

static void AddToolButtons(HWND bar)
{
    SendMessageW(bar, TB_SETTOOLTIPLIST, TOOL_BUTTON_COUNT + 1, (LPARAM)toolTips);
    int firstImage = CommandBar_AddBitmap(bar, appState.instance, IDB_TOOL_BUTTONS, TOOL_BUTTON_COUNT,
                                          TOOL_IMAGE_SIZE, TOOL_IMAGE_SIZE);
    // Without the pictures the buttons still work; they are only blank.
    if (firstImage < 0)
        firstImage = 0;
    TBBUTTON buttons[TOOL_BUTTON_COUNT];
    memset(buttons, 0, sizeof buttons);
    for (int i = 0; i < TOOL_BUTTON_COUNT; i++) {
        buttons[i].iBitmap = firstImage + i;
        buttons[i].idCommand = toolCommands[i];
        buttons[i].fsState = TBSTATE_ENABLED;
        buttons[i].fsStyle = TBSTYLE_BUTTON;
        buttons[i].iString = -1;
    }
    SendMessageW(bar, TB_ADDBUTTONSW, TOOL_BUTTON_COUNT, (LPARAM)buttons);
}

void BuildMenuBar()
{
    appState.menuBar = nullptr;
    appState.menuBarHeight = 0;
    if (appState.useMenuBar)
        CreateBottomBar();
    else
        CreateTopBar();
    if (appState.menuBar == nullptr)
        return;
    AddToolButtons(appState.menuBar);
    // Full screen hides the caption, so the command bar brings its own close box.
    if (fullScreen && !appState.useMenuBar)
        CommandBar_AddAdornments(appState.menuBar, 0, 0);
    CommandBar_Show(appState.menuBar, TRUE);
}

void CreateMenuBar()
{
    OSVERSIONINFOW version;
    memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExW(&version))
        appState.useMenuBar = MenuBarWanted(version.dwMajorVersion, version.dwMinorVersion, appState.useMenuBar);
    BuildMenuBar();
}
