#include "test_window.h"

#include "support/dialog_driver.h"

namespace {

const wchar_t CLASS_NAME[] = L"ShellTestWindow";
const UINT_PTR POPUP_TIMER = 77;

WindowLog windowLog;
std::vector<std::vector<int>> script;
std::function<void(size_t)> popupAction;
size_t nextStep;

void PostStep(HWND window)
{
    const size_t step = nextStep++;
    if (popupAction)
        popupAction(step);
    if (step >= script.size())
        return;
    for (int key : script[step]) {
        if (key & CHAR_KEY_FLAG)
            PostMessageW(window, WM_CHAR, key & 0xFFFF, 1);
        else
            PostMessageW(window, WM_KEYDOWN, key, 1);
    }
}

void PopupOpened(HWND window, HMENU popup)
{
    windowLog.popups.push_back(popup);
    PostStep(window);
    SetTimer(window, POPUP_TIMER, POPUP_TIMEOUT_MS, nullptr);
}

void PopupTimedOut(HWND window)
{
    KillTimer(window, POPUP_TIMER);
    EndMenu();
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: windowLog.commands.push_back(LOWORD(wParam)); return 0;
    case WM_CLOSE: windowLog.closes++; return 0;
    case WM_INITMENUPOPUP: PopupOpened(window, (HMENU)wParam); return 0;
    case WM_EXITMENULOOP: KillTimer(window, POPUP_TIMER); return 0;
    case WM_TIMER:
        if (wParam == POPUP_TIMER)
            PopupTimedOut(window);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateTestWindow(int x, int y, int width, int height)
{
    static ATOM registered;
    if (registered == 0) {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
        windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
        windowClass.lpszClassName = CLASS_NAME;
        registered = RegisterClassW(&windowClass);
    }
    ClearTestWindowLog();
    HWND window = CreateWindowExW(WS_EX_WINDOWEDGE, CLASS_NAME, L"Quillmere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, x, y,
                                  width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    PumpMessages(30);
    return window;
}

WindowLog& TestWindowLog()
{
    return windowLog;
}

void ClearTestWindowLog()
{
    windowLog = WindowLog{};
    script.clear();
    popupAction = nullptr;
    nextStep = 0;
}

void SetPopupScript(const std::vector<std::vector<int>>& steps)
{
    script = steps;
    nextStep = 0;
}

void SetPopupAction(const std::function<void(size_t step)>& action)
{
    popupAction = action;
}

RECT ClientOnScreen(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, (POINT*)&client, 2);
    return client;
}

RECT WindowBox(HWND window)
{
    RECT box = {};
    GetWindowRect(window, &box);
    return box;
}

HWND ToolBarOf(HWND bar)
{
    return FindWindowExW(bar, nullptr, TOOLBARCLASSNAMEW, nullptr);
}

int ButtonCommand(HWND toolBar, int index)
{
    TBBUTTON button = {};
    if (!SendMessageW(toolBar, TB_GETBUTTON, index, (LPARAM)&button))
        return -1;
    return button.idCommand;
}
