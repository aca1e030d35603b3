// A run of the reader: the single-instance rule, the main window and the
// message loop.
#include "reader_main.h"

#include "../fontdlg/font_dialog.h"
#include "../pane/text_pane.h"
#include "../resources/resource_ids.h"
#include "../settings/registry_access.h"
#include "../settings/settings_store.h"
#include "app_state.h"
#include "checked_alloc.h"
#include "main_window.h"
#include "navigation.h"
#include "split_view.h"
#include "switches.h"

static const WCHAR MAIN_CLASS[] = L"Quillmere";
static HWND taskBarWindow;
static bool taskBarWasVisible;

static void RegisterMainClass(HINSTANCE instance, const WCHAR* className)
{
    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUILLMERE));
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    windowClass.lpszClassName = className;
    RegisterClassW(&windowClass);
}

static HWND OutermostWindow(HWND window)
{
    for (HWND parent = window; parent != nullptr; parent = GetParent(parent))
        window = parent;
    return window;
}

// Another instance runs: in front it opens its index, else it comes to the front.
static void WakeRunningInstance(HWND running)
{
    HWND foreground = GetForegroundWindow();
    HWND outermost = foreground != nullptr ? OutermostWindow(foreground) : nullptr;
    if (running == foreground)
        SendMessageW(running, WM_COMMAND, CMD_INDEX, 0);
    if (running != outermost)
        SetForegroundWindow(running);
}

static HWND StartInstance(int showCommand)
{
    HWND running = FindWindowW(MAIN_CLASS, MAIN_CLASS);
    if (running != nullptr) {
        WakeRunningInstance(running);
        return nullptr;
    }
    InitCommonControls();
    if (taskBarWindow != nullptr)
        ShowWindow(taskBarWindow, SW_HIDE);
    LoadSettings();
    SetCurrentSection(0, appState.todayRequested);
    RegisterMainClass(appState.instance, MAIN_CLASS);
    // A desktop window also needs a frame the user can size and close.
    HWND window = CreateWindowExW(WS_EX_WINDOWEDGE, MAIN_CLASS, MAIN_CLASS, WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                  CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, appState.instance, nullptr);
    if (window == nullptr)
        return nullptr;
    if (fullScreen) {
        RECT r;
        GetWindowRect(window, &r);
        SHFullScreen(window, SHFS_HIDETASKBAR | SHFS_HIDESIPBUTTON | SHFS_HIDESTARTICON);
        // Up to the top edge, over the task bar's strip; the right edge stays.
        MoveWindow(window, r.left, 0, r.right - r.left, r.bottom, FALSE);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    if (appState.fontSpec.faceName[0] == 0) {
        RunFontDialog(window, &appState.fontSpec);
        SetPaneFont(appState.topPane, &appState.fontSpec);
        SetPaneFont(splitView.bottomPane, &appState.fontSpec);
    }
    return window;
}

static void OutOfMemoryShutdown()
{
    SaveSettings();
}

HWND StartReader(HINSTANCE instance, const WCHAR* commandLine, int showCommand)
{
    appState = AppState();
    appState.instance = instance;
    splitView = SplitView();
    splitView.bottomSection = SPLIT_DEFAULT;
    InstallPocketPcLayer();
    outOfMemoryShutdown = OutOfMemoryShutdown;
    ignoreActivate = (int)ReadDwordValue(MAKER_KEY, L"IgnoreActivate", 0);
    fullScreen = (int)ReadDwordValue(MAKER_KEY, L"FullScreen", 0);
    allowSipInSearch = (int)ReadDwordValue(MAKER_KEY, L"AllowSipInHebrewSearch", 1);
    if (fullScreen) {
        taskBarWindow = FindWindowW(L"HHTaskBar", L"");
        taskBarWasVisible = taskBarWindow != nullptr && IsWindowVisible(taskBarWindow);
    }
    appState.useMenuBar = (int)ReadDwordValue(MAKER_KEY, L"MenuBarOnBottom", 0);
    appState.gutter = (int)ReadDwordValue(MAKER_KEY, L"SurroundingGutter", 0);
    if (commandLine != nullptr && commandLine[0] != 0 && _wcsicmp(commandLine, L"/today") == 0)
        appState.todayRequested = 1;

    return StartInstance(showCommand);
}

int RunMessageLoop()
{
    // The accelerators go to the main window, which owns every command,
    // whichever child window the key message was meant for.
    HACCEL accelerators = LoadAcceleratorsW(appState.instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (accelerators != nullptr && TranslateAcceleratorW(appState.mainWindow, accelerators, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return (int)message.wParam;
}

void EndReader()
{
    if (taskBarWindow != nullptr && taskBarWasVisible)
        ShowWindow(taskBarWindow, SW_SHOW);
    taskBarWindow = nullptr;
}

int ReaderMain(HINSTANCE instance, const WCHAR* commandLine, int showCommand)
{
    int exitCode = 0;
    if (StartReader(instance, commandLine, showCommand) != nullptr)
        exitCode = RunMessageLoop();
    EndReader();
    return exitCode;
}
