#include "settings_store.h"

#include <stdlib.h>

#include "../pane/text_pane.h"
#include "../resources/resource_ids.h"
#include "../shell/app_state.h"
#include "../shell/split_view.h"
#include "flags.h"
#include "registry_access.h"
#include "settings_parse.h"

static void WriteProgramPath()
{
    WCHAR path[MAX_PATH] = {0};
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
        WriteSettingString(L"Program Path", path);
}

static void LoadFaceName()
{
    WCHAR* face = ReadSettingString(L"FontName");
    if (face != nullptr && face[0] != 0)
        CopyFaceName(appState.fontSpec.faceName, (const BYTE*)face, (DWORD)((UnitLength(face) + 1) * sizeof(WCHAR)));
    free(face);
}

static void LoadSearchString()
{
    DWORD size = 0;
    BYTE* search = ReadSettingBytes(L"SearchString", &size);
    if (search != nullptr && size > 0 && search[0] != 0)
        CopySearchString(appState.searchString, search, size);
    free(search);
}

void LoadSettings()
{
    WriteProgramPath();
    LoadFaceName();
    LoadSearchString();
    appState.fontSpec.size = (int32_t)ReadSettingDword(L"FontSize", 0);
    appState.fontSpec.charBase = (int32_t)ReadSettingDword(L"FontAsciiBase", 1488);
    appState.lastPosition = Low16(ReadSettingDword(L"LastPosition", 0));
    appState.Flags = ReadSettingDword(L"Flags", FLAGS_DEFAULT);
    appState.currentSection = Low16(ReadSettingDword(L"Lesson", 0));
    static const int bitmaps[3] = {IDB_TREE_PLUS, IDB_TREE_MINUS, IDB_TREE_PAGE};
    for (int i = 0; i < 3; i++)
        appState.treeBitmaps[i] = LoadBitmapW(appState.instance, MAKEINTRESOURCEW(bitmaps[i]));
    splitView.bottomSection = ValidSplitCode((int)ReadSettingDword(L"BottomSection", SPLIT_DEFAULT));
    splitView.bottomLastPosition = Low16(ReadSettingDword(L"BottomSectionLastPosition", 0));
}

void SaveSettings()
{
    for (HBITMAP& bitmap : appState.treeBitmaps) {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        bitmap = nullptr;
    }
    if (appState.searchString[0] != 0)
        WriteSettingByteString(L"SearchString", appState.searchString);
    if (appState.fontSpec.faceName[0] != 0)
        WriteSettingString(L"FontName", appState.fontSpec.faceName);
    if (appState.fontSpec.size != 0)
        WriteSettingDword(L"FontSize", (DWORD)appState.fontSpec.size);
    if (appState.fontSpec.charBase != 0)
        WriteSettingDword(L"FontAsciiBase", (DWORD)appState.fontSpec.charBase);
    if (appState.topPane != nullptr)
        WriteSettingDword(L"LastPosition", appState.topPane->topLine);
    WriteSettingDword(L"Flags", appState.Flags);
    if (appState.currentSection != 0)
        WriteSettingDword(L"Lesson", appState.currentSection);
    if (appState.topPane != nullptr) {
        DestroyTextPane(appState.topPane, 1);
        appState.topPane = nullptr;
    }
    WriteSettingDword(L"BottomSection", (DWORD)splitView.bottomSection);
    if (splitView.bottomPane != nullptr) {
        WriteSettingDword(L"BottomSectionLastPosition", splitView.bottomPane->topLine);
        DestroyTextPane(splitView.bottomPane, 1);
        splitView.bottomPane = nullptr;
    }
    splitView.focusedPane = nullptr;
    PostQuitMessage(0);
}
