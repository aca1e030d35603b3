#include "main_window.h"

#include "../about/about_box.h"
#include "../pane/text_pane.h"
#include "../settings/settings_store.h"
#include "app_state.h"
#include "commands.h"
#include "menu_bar.h"
#include "menus.h"
#include "split_view.h"
#include "switches.h"

static SHACTIVATEINFO activateInfo;

static void OnSettingChange(HWND window, WPARAM wParam, LPARAM lParam)
{
    activateInfo.cbSize = sizeof activateInfo;
    SHHandleWMSettingChange(window, wParam, lParam, &activateInfo);
}

static LRESULT OnCreate(HWND window)
{
    appState.mainWindow = window;
    CreateMenuBar();
    CreatePanes(window);
    UpdateReverseCheck(true);
    UpdateBookmarkCheck(true);
    return 0;
}

static LRESULT OnDestroy(HWND window)
{
    if (appState.topPane != nullptr)
        ReleaseDC(window, appState.topPane->dc);
    DestroyWindow(appState.menuBar);
    appState.menuBar = nullptr;
    SaveSettings();
    return 0;
}

static LRESULT OnActivate(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (ignoreActivate)
        return DefWindowProcW(window, message, wParam, lParam);
    if (LOWORD(wParam) != WA_INACTIVE)
        SHFullScreen(window, fullScreen ? SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON
                                        : SHFS_HIDESIPBUTTON);
    return 0;
}

// The device ends the program on a position change with upper flag bits
// and SWP_NOACTIVATE; a desktop never sends such flags for ordinary moves.
// On a desktop the default handling is what sends WM_SIZE, so it runs for
// every change that does not end the program.
static LRESULT OnWindowPosChanged(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WINDOWPOS* position = (const WINDOWPOS*)lParam;
    if (position->flags >= 0x10000 && (position->flags & SWP_NOACTIVATE) != 0) {
        DestroyWindow(window);
        return 0;
    }
    DefWindowProcW(window, message, wParam, lParam);
    return 0;
}

static LRESULT OnCommand(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (HandleCommand(window, wParam) == 0)
        return 0;
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: return OnDestroy(window);
    case WM_SIZE: ResizePanes(window, lParam); return 0;
    case WM_ACTIVATE: return OnActivate(window, message, wParam, lParam);
    case WM_PAINT: PaintPanes((HDC)wParam, window, REPAINT_ALL); return 0;
    case WM_SETTINGCHANGE: OnSettingChange(window, wParam, lParam); return 0;
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(window, message, wParam, lParam);
    case WM_QUILLMERE_CLOSE: DestroyWindow(window); return 0;
    case WM_HELP: RunAboutBox(window); return 0;
    case WM_KEYDOWN: return HandleKey(window, wParam);
    case WM_COMMAND: return OnCommand(window, message, wParam, lParam);
    case WM_VSCROLL: return HandleVerticalScroll(window, wParam, lParam);
    case WM_LBUTTONDOWN: HandleTap(window, LOWORD(lParam), HIWORD(lParam)); return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
    }
}
