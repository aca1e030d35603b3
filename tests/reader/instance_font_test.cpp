// A second start of the program, and the font dialog from the menu.
#include <string.h>

#include <string>

#include "reader_fixture.h"

namespace {

std::vector<UINT> commandsSeen;
HHOOK commandHook;

LRESULT CALLBACK WatchCommands(int code, WPARAM wParam, LPARAM lParam)
{
    const CWPSTRUCT* call = (const CWPSTRUCT*)lParam;
    if (code == HC_ACTION && call->message == WM_COMMAND && call->hwnd == appState.mainWindow)
        commandsSeen.push_back(LOWORD(call->wParam));
    return CallNextHookEx(commandHook, code, wParam, lParam);
}

// Starts quillmere.exe, pumping our messages while it runs, since it sends
// to our window; returns its exit code or -1.
DWORD RunSecondInstance()
{
    WCHAR path[MAX_PATH] = L"" QM_READER_EXE;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return (DWORD)-1;
    const DWORD end = GetTickCount() + 30000;
    while (MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 100, QS_ALLINPUT) != WAIT_OBJECT_0
           && (int)(end - GetTickCount()) > 0)
        PumpMessages(50);
    DWORD exitCode = (DWORD)-1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exitCode;
}

TEST_F(Reader, SecondStartInFrontOpensTheIndexAndEnds)
{
    window = StartTestReader();
    SetForegroundWindow(window);
    PumpMessages();
    commandsSeen.clear();
    commandHook = SetWindowsHookExW(WH_CALLWNDPROC, WatchCommands, nullptr, GetCurrentThreadId());
    EXPECT_EQ(RunSecondInstance(), 0u);
    UnhookWindowsHookEx(commandHook);
    ASSERT_EQ(commandsSeen.size(), 1u);
    EXPECT_EQ(commandsSeen[0], 119u);
    EXPECT_EQ(FindWindowExW(nullptr, window, L"Quillmere", L"Quillmere"), nullptr) << "no second window";
}

// Drives the Choose Font dialog when it shows: picks a size and presses the
// button, or cancels.
struct FontDialogScript {
    bool ok;
    const WCHAR* size;
};
FontDialogScript script;
HHOOK dialogHook;

LRESULT CALLBACK DriveFontDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND dialog = (HWND)wParam;
        WCHAR title[64] = {0};
        GetWindowTextW(dialog, title, 64);
        if (UnitCompare(title, L"Choose Font") == 0) {
            HWND sizes = GetDlgItem(dialog, 1006);
            const LRESULT index = SendMessageW(sizes, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)script.size);
            SendMessageW(sizes, LB_SETCURSEL, index, 0);
            PostMessageW(dialog, WM_COMMAND, script.ok ? IDOK : IDCANCEL, 0);
        }
    }
    return CallNextHookEx(dialogHook, code, wParam, lParam);
}

int RunFontCommand(bool ok, const WCHAR* size)
{
    script = FontDialogScript{ok, size};
    dialogHook = SetWindowsHookExW(WH_CBT, DriveFontDialog, nullptr, GetCurrentThreadId());
    SendMessageW(appState.mainWindow, WM_COMMAND, 40006, 0);
    UnhookWindowsHookEx(dialogHook);
    PumpMessages();
    return 0;
}

TEST_F(Reader, FontDialogFromTheMenuChangesBothPanes)
{
    window = StartTestReader();
    const FontSpec before = appState.fontSpec;
    const int topLines = appState.topPane->lineCount;

    RunFontCommand(false, L"32");
    EXPECT_EQ(memcmp(&appState.fontSpec, &before, sizeof before), 0) << "Cancel changes nothing";
    EXPECT_EQ(appState.topPane->lineCount, topLines);
    EXPECT_EQ(memcmp(&appState.topPane->fontSpec, &before, sizeof before), 0);

    RunFontCommand(true, L"32");
    EXPECT_EQ(appState.fontSpec.size, 32);
    EXPECT_EQ(appState.topPane->fontSpec.size, 32);
    EXPECT_EQ(splitView.bottomPane->fontSpec.size, 32);
    EXPECT_GT(appState.topPane->lineCount, topLines) << "larger letters need more lines";
}

}  // namespace
