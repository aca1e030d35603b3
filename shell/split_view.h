// The two reading panes in the main window: geometry, painting of the
// separator and bottom area, the scroll bars and tap paging.
#pragma once

#include "../platform/platform.h"

struct TextPane;

enum : uint32_t {
    REPAINT_TOP = 0x001,
    REPAINT_BOTTOM = 0x002,
    REPAINT_ERASE = 0x100,
    REPAINT_ALL = 0x1FF,
    RESIZE_STORED = 0xBAADF00Du,
};

enum {
    SPLIT_DEFAULT = 12,  // half the screen
    SPLIT_NONE = 1,
    SPLIT_COMMAND_BASE = 400,  // a "Bottom" command is 400 + its split code
    SEPARATOR_COLOUR = 0x0000FF,    // red
    BOTTOM_BACKGROUND = 0xFFFFEE,   // light cyan
};

struct SplitView {
    TextPane* bottomPane;
    HWND topScrollBar;       // window text "Bottom"
    HWND bottomScrollBar;    // window text "Top"
    TextPane* focusedPane;   // null means the top pane
    HWND focusedScrollBar;   // always changed together with focusedPane
    RECT bottomArea;         // client coordinates
    int bottomSection;       // split code: XY gives the bottom pane X/Y of the height
    int storedWidth;         // client size of the last WM_SIZE
    int storedHeight;
    uint16_t bottomLastPosition;
};

extern SplitView splitView;

int CreatePanes(HWND window);
int BottomShare(int height);
void ResizePanes(HWND window, LPARAM size);
void PaintPanes(HDC dc, HWND window, uint32_t request);
void RepaintPanes(HWND window, uint32_t request);
void SyncScrollBar(HWND bar);
void SyncScrollBars();
bool HitPane(const TextPane* pane, int px, int py);
bool TapPage(HWND window, TextPane* pane, int px, int py, bool paintNow);
void HandleTap(HWND window, int px, int py);

// The pane that keys and scroll requests act on.
TextPane* FocusedPane();
// The page step of taps and keys for a step mode: a page less one line, or
// half a page for modes 2 and 4.
int PageStep(uint32_t mode, int linesShown);
// A split code whose share cannot be computed (last digit 0) becomes the default.
int ValidSplitCode(int code);
