// The command bar: a bar along the top of the parent, the menu shown as
// one drop-down button per popup.
#include <string.h>

#include "pocket_bar.h"

// Tool bar commands of the menu's drop-down buttons; they never reach the
// parent, which gets the commands of the popups' items.
enum { COMMAND_BAR_MENU_BASE = 0xFE00 };

HWND CommandBar_Create(HINSTANCE instance, HWND parent, int id)
{
    (void)instance;  // the bar's class belongs to the layer
    return CreatePocketBar(parent, 0, id, FALSE);
}

BOOL CommandBar_Show(HWND bar, BOOL show)
{
    if (FindPocketBar(bar) == nullptr)
        return FALSE;
    ShowWindow(bar, show ? SW_SHOWNA : SW_HIDE);
    return TRUE;
}

int CommandBar_Height(HWND bar)
{
    RECT box;
    if (FindPocketBar(bar) == nullptr || !GetWindowRect(bar, &box))
        return 0;
    return box.bottom - box.top;
}

static void RemoveMenuButtons(PocketBar* bar)
{
    while (bar->menuCount > 0) {
        bar->menuCount--;
        const int command = bar->menus[bar->menuCount].command;
        const LRESULT index = SendMessageW(bar->toolBar, TB_COMMANDTOINDEX, command, 0);
        if (index >= 0)
            SendMessageW(bar->toolBar, TB_DELETEBUTTON, index, 0);
    }
}

BOOL CommandBar_InsertMenubar(HWND window, HINSTANCE instance, WORD menuId, WORD button)
{
    PocketBar* bar = FindPocketBar(window);
    if (bar == nullptr || bar->menu != nullptr)
        return FALSE;
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(menuId));
    if (menu == nullptr)
        return FALSE;
    int position = (int)SendMessageW(bar->toolBar, TB_BUTTONCOUNT, 0, 0);
    if (button < position)
        position = button;
    const int count = GetMenuItemCount(menu);
    WCHAR text[BAR_TEXT_UNITS];
    for (int i = 0; i < count; i++) {
        // Only popups become buttons: a menu bar's items are its popups.
        if (GetSubMenu(menu, i) == nullptr)
            continue;
        text[0] = 0;
        GetMenuStringW(menu, i, text, BAR_TEXT_UNITS, MF_BYPOSITION);
        if (!AddBarMenuButton(bar, position + bar->menuCount, COMMAND_BAR_MENU_BASE + i, i, text,
                              BTNS_DROPDOWN | BTNS_AUTOSIZE)) {
            RemoveMenuButtons(bar);
            DestroyMenu(menu);
            return FALSE;
        }
    }
    bar->menu = menu;
    return TRUE;
}

HMENU CommandBar_GetMenu(HWND window, WORD button)
{
    (void)button;
    PocketBar* bar = FindPocketBar(window);
    return bar != nullptr ? bar->menu : nullptr;
}

int CommandBar_AddBitmap(HWND window, HINSTANCE instance, int bitmapId, int count, int width, int height)
{
    PocketBar* bar = FindPocketBar(window);
    if (bar == nullptr || count <= 0 || width <= 0 || height <= 0)
        return -1;
    // The tool bar holds images of one size: another size only while empty.
    HIMAGELIST images = (HIMAGELIST)SendMessageW(bar->toolBar, TB_GETIMAGELIST, 0, 0);
    int shownWidth = 0;
    int shownHeight = 0;
    if (images != nullptr && ImageList_GetImageCount(images) > 0) {
        ImageList_GetIconSize(images, &shownWidth, &shownHeight);
        if (shownWidth != width || shownHeight != height)
            return -1;
    } else {
        SendMessageW(bar->toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    }
    TBADDBITMAP source = {instance, (UINT_PTR)bitmapId};
    const int first = (int)SendMessageW(bar->toolBar, TB_ADDBITMAP, count, (LPARAM)&source);
    PlacePocketBar(bar);
    return first;
}

BOOL CommandBar_AddAdornments(HWND window, DWORD flags, DWORD reserved)
{
    (void)reserved;
    PocketBar* bar = FindPocketBar(window);
    if (bar == nullptr || flags != 0)
        return FALSE;
    return AddCloseBox(bar);
}

void CommandBar_Destroy(HWND bar)
{
    if (FindPocketBar(bar) != nullptr)
        DestroyWindow(bar);
}
