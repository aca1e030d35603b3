#include "dialog_driver.h"

#include <stdlib.h>
#include <string.h>

#include "platform/png_writer.h"

namespace {

struct Driver {
    HHOOK hook;
    HWND dialog;
    std::function<void(HWND)> script;
    bool running;
    bool ran;
    bool timedOut;
    DWORD start;
    DWORD timeout;
};

Driver driver;

LRESULT CALLBACK NoteDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && driver.dialog == nullptr) {
        WCHAR className[16] = {0};
        GetClassNameW((HWND)wParam, className, 16);
        if (lstrcmpW(className, L"#32770") == 0)
            driver.dialog = (HWND)wParam;
    }
    return CallNextHookEx(driver.hook, code, wParam, lParam);
}

void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD)
{
    if (driver.running)
        return;
    if (driver.dialog != nullptr && !driver.ran && IsWindowVisible(driver.dialog)) {
        driver.ran = true;
        driver.running = true;
        driver.script(driver.dialog);
        driver.running = false;
        return;
    }
    if (GetTickCount() - driver.start > driver.timeout && !driver.timedOut) {
        driver.timedOut = true;
        if (driver.dialog != nullptr && IsWindow(driver.dialog))
            EndDialog(driver.dialog, IDABORT);
        else
            PostQuitMessage(0);
    }
}

}  // namespace

DialogRun RunDialogScript(const std::function<INT_PTR()>& open, const std::function<void(HWND)>& script, DWORD timeoutMs)
{
    driver.hook = SetWindowsHookExW(WH_CBT, NoteDialog, nullptr, GetCurrentThreadId());
    driver.dialog = nullptr;
    driver.script = script;
    driver.running = false;
    driver.ran = false;
    driver.timedOut = false;
    driver.start = GetTickCount();
    driver.timeout = timeoutMs;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, Step);
    const INT_PTR result = open();
    KillTimer(nullptr, timer);
    UnhookWindowsHookEx(driver.hook);
    driver.hook = nullptr;
    driver.script = nullptr;
    // A quit posted to end a dialog that never came up is not the test's.
    MSG message;
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return DialogRun{result, driver.ran, driver.timedOut};
}

void PumpMessages(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < timeoutMs) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

bool ClickListItem(HWND list, int index)
{
    if (index < 0 || index >= (int)SendMessageW(list, LB_GETCOUNT, 0, 0))
        return false;
    SendMessageW(list, LB_SETTOPINDEX, (WPARAM)index, 0);
    RECT item;
    if (SendMessageW(list, LB_GETITEMRECT, (WPARAM)index, (LPARAM)&item) == LB_ERR)
        return false;
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    return true;
}

int FindListItem(HWND list, const WCHAR* text)
{
    const int count = (int)SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++) {
        WCHAR item[256];
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, (WPARAM)i, 0);
        if (length < 0 || length >= 256)
            continue;
        SendMessageW(list, LB_GETTEXT, (WPARAM)i, (LPARAM)item);
        if (lstrcmpW(item, text) == 0)
            return i;
    }
    return -1;
}

bool SaveWindowPicture(HWND window, const char* path)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(100);
    RECT box;
    if (!GetWindowRect(window, &box))
        return false;
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0)
        return false;

    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (memory != nullptr && bitmap != nullptr && bits != nullptr) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
        GdiFlush();
        // The directory part of path, made when missing.
        char directory[MAX_PATH];
        lstrcpynA(directory, path, MAX_PATH);
        char* slash = strrchr(directory, '/');
        if (slash != nullptr) {
            *slash = 0;
            CreateDirectoryA(directory, nullptr);
        }
        saved = WritePngFile(path, (const uint32_t*)bits, width, height, (size_t)width);
        SelectObject(memory, old);
    }
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    if (memory != nullptr)
        DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}
