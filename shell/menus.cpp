#include "menus.h"

#include "../resources/resource_ids.h"
#include "../settings/flags.h"
#include "app_state.h"
#include "split_view.h"

HMENU MenuPopup(UINT popupCommand)
{
    if (appState.menuBar == nullptr)
        return nullptr;
    if (appState.useMenuBar)
        return (HMENU)SendMessageW(appState.menuBar, SHCMBM_GETSUBMENU, 0, (LPARAM)popupCommand);
    return CommandBar_GetMenu(appState.menuBar, 0);
}

int SetMenuCheck(HMENU menu, bool set, UINT item, bool checked)
{
    if (!set) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        // Without a menu to read, the caller's state is flipped all the same.
        if (GetMenuItemInfoW(menu, item, FALSE, &info))
            checked = (info.fState & MFS_CHECKED) == 0;
        else
            checked = !checked;
    }
    CheckMenuItem(menu, item, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    return checked ? 1 : 0;
}

void UpdateBookmarkCheck(bool set)
{
    // Bookmarks arrive with their own subsystem; until then no section is marked.
    SetMenuCheck(MenuPopup(CMD_GO_MENU), set, CMD_BOOKMARK, false);
}

void UpdateReverseCheck(bool set)
{
    const int state = SetMenuCheck(MenuPopup(CMD_GO_MENU), set, CMD_REVERSE, (appState.Flags & FLAG_REVERSE) != 0);
    if (state == 1)
        appState.Flags |= FLAG_REVERSE;
    else
        appState.Flags &= ~FLAG_REVERSE;
}

void CheckBottomSplit()
{
    CheckMenuRadioItem(MenuPopup(CMD_BOTTOM_MENU), CMD_BOTTOM_NONE, CMD_BOTTOM_THREE_QUARTERS,
                       SPLIT_COMMAND_BASE + splitView.bottomSection, MF_BYCOMMAND);
}
