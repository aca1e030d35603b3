#include "message_box_log.h"

#include <vector>

std::u16string Units(const WCHAR* s)
{
    std::u16string out;
    for (; s != nullptr && *s != 0; s++)
        out.push_back((char16_t)*s);
    return out;
}

#if defined(_WIN32)

static std::vector<LoggedMessageBox> logged;
static HHOOK hook;
static int scriptedAnswer = IDOK;

static LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        HWND box = (HWND)wParam;
        WCHAR className[16] = {0};
        GetClassNameW(box, className, 16);
        if (lstrcmpW(className, L"#32770") == 0) {
            // 0xFFFF is the id of a message box's text control.
            WCHAR text[512] = {0};
            WCHAR caption[128] = {0};
            GetDlgItemTextW(box, 0xFFFF, text, 512);
            GetWindowTextW(box, caption, 128);
            logged.push_back(LoggedMessageBox{Units(text), Units(caption), GetWindow(box, GW_OWNER)});
            PostMessageW(box, WM_COMMAND, (WPARAM)scriptedAnswer, 0);
        }
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

void StartMessageBoxLog(int answer)
{
    StopMessageBoxLog();
    logged.clear();
    scriptedAnswer = answer;
    hook = SetWindowsHookExW(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId());
}

void StopMessageBoxLog()
{
    if (hook != nullptr)
        UnhookWindowsHookEx(hook);
    hook = nullptr;
}

int MessageBoxLogCount()
{
    return (int)logged.size();
}

LoggedMessageBox MessageBoxLogAt(int i)
{
    return i >= 0 && i < (int)logged.size() ? logged[(size_t)i] : LoggedMessageBox{};
}

#else

#include "platform/host/host_test_hooks.h"

void StartMessageBoxLog(int answer)
{
    HostClearMessageBoxes();
    HostSetMessageBoxAnswer(answer);
}

void StopMessageBoxLog()
{
    HostSetMessageBoxAnswer(IDOK);
}

int MessageBoxLogCount()
{
    return HostMessageBoxCount();
}

LoggedMessageBox MessageBoxLogAt(int i)
{
    const HostMessageBox* box = HostMessageBoxAt(i);
    if (box == nullptr)
        return LoggedMessageBox{};
    // Windows titles a box without a caption "Error".
    return LoggedMessageBox{Units(box->text), box->hasCaption ? Units(box->caption) : u"Error", box->owner};
}

#endif
