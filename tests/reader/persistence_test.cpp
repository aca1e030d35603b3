// What one run changes is in the registry after Exit and comes back at the
// next start; a start with no keys gets every default.
#include <stdlib.h>

#include "reader_fixture.h"
#include "settings/registry_access.h"

namespace {

bool ValueExists(const WCHAR* name)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, PRODUCT_KEY, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    const bool found = RegQueryValueExW(key, name, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(key);
    return found;
}

TEST_F(Reader, ChangedValuesPersistAcrossRuns)
{
    window = StartTestReader();
    SendMessageW(window, WM_COMMAND, 109, 0);  // section 3
    SendMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, (LPARAM)splitView.bottomScrollBar);
    SendMessageW(window, WM_COMMAND, 413, 0);  // a third of the screen
    SendMessageW(window, WM_COMMAND, 122, 0);  // Reverse
    appState.fontSpec.size = 20;                // as the font dialog would leave it
    EXPECT_EQ(ExitTestReader(), 0);
    EXPECT_FALSE(IsWindow(window));

    EXPECT_EQ(ReadSettingDword(L"Lesson", 0), 3u);
    EXPECT_EQ(ReadSettingDword(L"LastPosition", 0), 2u);
    EXPECT_EQ(ReadSettingDword(L"BottomSection", 0), 13u);
    EXPECT_EQ(ReadSettingDword(L"BottomSectionLastPosition", 0), 1u);
    EXPECT_EQ(ReadSettingDword(L"Flags", 0), 0xD1140040u | 0x800u);
    EXPECT_EQ(ReadSettingDword(L"FontSize", 0), 20u);
    WCHAR* face = ReadSettingString(L"FontName");
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(UnitCompare(face, TEST_FACE), 0);
    free(face);

    window = StartTestReader();
    EXPECT_EQ(appState.currentSection, 3);
    EXPECT_TRUE(PaneShows(appState.topPane, 3));
    EXPECT_EQ(appState.topPane->topLine, 2);
    EXPECT_EQ(splitView.bottomPane->topLine, 1);
    EXPECT_EQ(splitView.bottomSection, 13);
    EXPECT_NE(appState.Flags & 0x800, 0u);
    EXPECT_TRUE(MenuItemChecked(40001, 122));
    EXPECT_EQ(appState.fontSpec.size, 20);
}

// Closes the first-start font dialog with Cancel as soon as it shows.
HHOOK cancelHook;
LRESULT CALLBACK CancelFontDialog(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE) {
        WCHAR title[64] = {0};
        GetWindowTextW((HWND)wParam, title, 64);
        if (UnitCompare(title, L"Choose Font") == 0)
            PostMessageW((HWND)wParam, WM_COMMAND, IDCANCEL, 0);
    }
    return CallNextHookEx(cancelHook, code, wParam, lParam);
}

TEST_F(Reader, StartWithNoKeysGetsEveryDefault)
{
    ClearReaderKeys();
    cancelHook = SetWindowsHookExW(WH_CBT, CancelFontDialog, nullptr, GetCurrentThreadId());
    window = StartTestReader();
    UnhookWindowsHookEx(cancelHook);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(appState.fontSpec.faceName[0], 0);
    EXPECT_EQ(appState.fontSpec.size, 0);
    EXPECT_EQ(appState.fontSpec.charBase, 1488);
    EXPECT_EQ(appState.Flags, 0xD1140040u);
    EXPECT_EQ(appState.currentSection, 1);
    EXPECT_EQ(appState.topPane->topLine, 0);
    EXPECT_EQ(splitView.bottomSection, 12);
    EXPECT_EQ(appState.searchString[0], 0);
    EXPECT_TRUE(ValueExists(L"Program Path")) << "the key comes into being at start";

    EXPECT_EQ(ExitTestReader(), 0);
    for (const WCHAR* name : {L"FontAsciiBase", L"LastPosition", L"Flags", L"Lesson", L"BottomSection",
                              L"BottomSectionLastPosition"})
        EXPECT_TRUE(ValueExists(name)) << "written at exit";
    for (const WCHAR* name : {L"FontName", L"FontSize", L"SearchString"})
        EXPECT_FALSE(ValueExists(name)) << "empty values are not written";
    HKEY maker = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, MAKER_KEY, 0, KEY_READ, &maker), ERROR_SUCCESS);
    EXPECT_NE(RegQueryValueExW(maker, L"FullScreen", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS)
        << "the maker's switches are never written";
    RegCloseKey(maker);
}

}  // namespace
