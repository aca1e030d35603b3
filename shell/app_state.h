// The program's one global record, zeroed at start.
#pragma once

#include "../platform/platform.h"
#include "../settings/font_spec.h"

struct TextPane;

enum { SEARCH_STRING_BYTES = 34 };

struct AppState {
    HINSTANCE instance;
    FontSpec fontSpec;
    uint16_t lastPosition;
    uint32_t Flags;
    uint16_t currentSection;
    BYTE searchString[SEARCH_STRING_BYTES];  // zero-terminated character codes
    TextPane* topPane;
    int useMenuBar;
    int menuBarHeight;
    int gutter;
    HWND menuBar;
    HWND mainWindow;
    HBITMAP treeBitmaps[3];
    int bookmarkCount;
    uint16_t* bookmarks;
    int bookmarksChanged;
    int todayRequested;
};

extern AppState appState;
