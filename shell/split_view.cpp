#include "split_view.h"

#include <stdlib.h>

#include "../content/section_loader.h"
#include "../pane/text_pane.h"
#include "app_state.h"
#include "menus.h"
#include "navigation.h"

SplitView splitView = {nullptr, nullptr, nullptr, nullptr, nullptr, {0, 0, 0, 0}, SPLIT_DEFAULT, 0, 0, 0};

TextPane* FocusedPane()
{
    return splitView.focusedPane != nullptr ? splitView.focusedPane : appState.topPane;
}

int ValidSplitCode(int code)
{
    return code % 10 == 0 ? SPLIT_DEFAULT : code;
}

int BottomShare(int height)
{
    const int code = ValidSplitCode(splitView.bottomSection);
    int share = height * (code / 10) / (code % 10);
    // A stored code such as 91 would ask for more than the whole height.
    if (share > height)
        share = height;
    return share < 0 ? 0 : share;
}

static HWND CreateScrollBar(HWND window, const WCHAR* text)
{
    return CreateWindowExW(0, L"SCROLLBAR", text, WS_CHILD | WS_VISIBLE | SBS_VERT | SBS_LEFTALIGN,
                           splitView.bottomArea.right, splitView.bottomArea.top, CW_USEDEFAULT, CW_USEDEFAULT,
                           window, nullptr, appState.instance, nullptr);
}

static void CreateBottomArea(HWND window, HDC dc, const RECT& r)
{
    splitView.bottomArea.left = r.left;
    splitView.bottomArea.right = r.right;
    CheckBottomSplit();
    splitView.bottomPane = CreateTextPane(dc, &splitView.bottomArea, &appState.fontSpec, 100);
    if (splitView.bottomPane == nullptr)
        return;
    splitView.bottomScrollBar = CreateScrollBar(window, L"Top");
    splitView.topScrollBar = CreateScrollBar(window, L"Bottom");
    splitView.focusedScrollBar = splitView.topScrollBar;
}

int CreatePanes(HWND window)
{
    HDC dc = GetDC(window);
    RECT r;
    GetClientRect(window, &r);
    const int g = appState.gutter;
    if (appState.useMenuBar)
        r.bottom -= appState.menuBarHeight;
    else
        r.top += appState.menuBarHeight;
    if (r.bottom - r.top > 2 * g) {
        r.top += g;
        r.bottom -= 2 * g;
    }
    if (r.right - r.left > 2 * g) {
        r.left += g;
        r.right -= 2 * g;
    }
    CreateBottomArea(window, dc, r);
    appState.topPane = CreateTextPane(dc, &r, &appState.fontSpec, 100);
    if (appState.topPane == nullptr)
        return 1;
    int error = 0;
    BYTE* text = LoadSection(appState.currentSection, &error);
    if (text == nullptr) {
        MessageBoxW(window, L"Resource not found", L"Error", MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    LayoutText(appState.topPane, text, 0);
    appState.topPane->topLine = appState.lastPosition;
    LoadBottomSection(window);
    if (splitView.bottomPane != nullptr)
        splitView.bottomPane->topLine = splitView.bottomLastPosition;
    SyncScrollBars();
    return 0;
}

// Places the bottom area, the bottom pane and both scroll bars for panes of
// width w and joint height h; leaves the top pane's width and height there.
static void SplitHeight(int* w, int* h)
{
    const int g = appState.gutter;
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const int y0 = appState.topPane->y;
    const int b = BottomShare(*h);
    const int t = *h - b;
    RECT& area = splitView.bottomArea;
    area.right = area.left + *w - bar;
    area.bottom = y0 + *h - g;
    area.top = y0 + t + 1;
    TextPane* bottom = splitView.bottomPane;
    if (bottom != nullptr) {
        bottom->y = area.top + g / 2;
        ResizeTextPane(bottom, *w - bar, b - 1);
        MoveWindow(splitView.topScrollBar, area.right + g, y0 - g - 2, bar, t + g, TRUE);
        MoveWindow(splitView.bottomScrollBar, area.right + g, area.top - 2, bar, bottom->height + g + 2, TRUE);
    }
    *w -= bar;
    *h = t - 2;
}

void ResizePanes(HWND window, LPARAM size)
{
    int w, h;
    if ((uint32_t)size == RESIZE_STORED) {
        w = splitView.storedWidth;
        h = splitView.storedHeight;
    } else {
        w = LOWORD(size);
        h = HIWORD(size);
        splitView.storedWidth = w;
        splitView.storedHeight = h;
    }
    const int g = appState.gutter;
    if (w > 2 * g)
        w -= 2 * g;
    if (h > 2 * g)
        h -= 2 * g;
    if (appState.topPane == nullptr)
        return;
    h -= appState.menuBarHeight;
    SplitHeight(&w, &h);
    ResizeTextPane(appState.topPane, w, h);
    SyncScrollBars();
}
