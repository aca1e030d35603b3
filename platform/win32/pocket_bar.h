// The bar window behind both the menu bar and the command bar: a window of
// our own holding a desktop tool bar control, placed along an edge of its
// parent's client area. Private to the layer.
#pragma once

#include "pocketpc.h"

enum {
    BAR_MAX_MENUS = 8,   // drop-down buttons of one bar
    BAR_MAX_TIPS = 64,   // tooltip texts kept by one bar
    BAR_TEXT_UNITS = 64, // a drop-down button's text, with its terminator
    BAR_MAX_ADDED = 32,  // tool buttons added by one message (more: as given)
};

struct BarMenuButton {
    int command;  // the button's command on the tool bar
    int submenu;  // position of its popup in the bar's menu
};

struct PocketBar {
    HWND window;
    HWND toolBar;
    HWND parent;
    HWND closeBox;   // the command bar's close box, or NULL
    HMENU menu;      // owned: destroyed with the bar
    int atBottom;    // 1: along the bottom edge (menu bar); 0: the top
    int menuCount;
    BarMenuButton menus[BAR_MAX_MENUS];
    int tipCount;
    WCHAR* tips[BAR_MAX_TIPS];  // owned copies; NULL for an empty text
};

// A new bar on parent's edge, with its tool bar, 16 x 16 images and the
// parent subclassed to keep it placed. NULL when anything fails.
HWND CreatePocketBar(HWND parent, int atBottom, int id, BOOL visible);
// The record of one of our bars, or NULL for any other window.
PocketBar* FindPocketBar(HWND bar);
// The bar that parent holds, or NULL.
PocketBar* BarOfParent(HWND parent);

// Adds a drop-down button that opens popup submenu of the bar's menu, at
// tool bar index position. FALSE when the bar is full or the tool bar refuses.
BOOL AddBarMenuButton(PocketBar* bar, int position, int command, int submenu, const WCHAR* text, BYTE style);

// The command bar's close box at the right end: WM_CLOSE to the parent.
BOOL AddCloseBox(PocketBar* bar);

// Moves the bar to its edge of the parent's client area at its own height.
void PlacePocketBar(PocketBar* bar);
int PocketBarHeight(const PocketBar* bar);

// The drop-down button of command, or -1.
int BarMenuOfCommand(const PocketBar* bar, int command);
// The drop-down button whose popup text marks key with '&' (else whose
// text starts with it), or -1.
int BarMenuOfKey(const PocketBar* bar, WCHAR key);
// Opens the popup of drop-down button index beside it and tracks it until
// it closes; Left, Right and the mouse move on to the neighbouring popups.
void OpenBarMenu(PocketBar* bar, int index, BOOL byKeyboard);

// The parent's subclass: keeps the bar placed and opens its popups from
// the keyboard. Attach fails when parent already holds a bar.
BOOL AttachBarToParent(PocketBar* bar);
void DetachBarFromParent(PocketBar* bar);
