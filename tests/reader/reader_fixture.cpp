#include "reader_fixture.h"

#include <stdlib.h>
#include <string.h>

#include "content/section_loader.h"
#include "settings/registry_access.h"
#include "shell/menus.h"
#include "shell/reader_main.h"

const WCHAR TEST_FACE[] = L"Ezra SIL";

void PumpMessages(int milliseconds)
{
    const DWORD end = GetTickCount() + (DWORD)milliseconds;
    MSG message;
    while ((int)(end - GetTickCount()) > 0) {
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void ClearReaderKeys()
{
    RegDeleteKeyW(HKEY_CURRENT_USER, PRODUCT_KEY);
    RegDeleteKeyW(HKEY_CURRENT_USER, MAKER_KEY);
}

void StoreDword(const WCHAR* keyPath, const WCHAR* name, DWORD value)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    RegSetValueExW(key, name, 0, REG_DWORD, (const BYTE*)&value, 4);
    RegCloseKey(key);
}

void StoreFace(const WCHAR* face)
{
    WriteSettingString(L"FontName", face);
}

HWND StartTestReader()
{
    HWND window = StartReader(GetModuleHandleW(nullptr), L"", SW_SHOW);
    PumpMessages();
    return window;
}

int ExitTestReader()
{
    if (appState.mainWindow == nullptr || !IsWindow(appState.mainWindow))
        return -1;
    PostMessageW(appState.mainWindow, WM_COMMAND, 40005, 0);
    const int code = RunMessageLoop();
    EndReader();
    return code;
}

bool PaneShows(const TextPane* pane, int section)
{
    if (pane == nullptr || pane->text == nullptr)
        return false;
    BYTE* expected = LoadSection(section, nullptr);
    if (expected == nullptr)
        return false;
    // The title paragraph names the section: compare the first 64 bytes.
    const bool same = memcmp(pane->text, expected, 64) == 0;
    free(expected);
    return same;
}

bool MenuItemChecked(UINT popupCommand, UINT item)
{
    return (GetMenuState(MenuPopup(popupCommand), item, MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Reader::SetUp()
{
    ClearReaderKeys();
    StoreFace(TEST_FACE);
}

void Reader::TearDown()
{
    if (appState.mainWindow != nullptr && IsWindow(appState.mainWindow))
        ExitTestReader();
    ClearReaderKeys();
}
