// The bar's popups: opened beside their drop-down button and tracked until
// they close. While one is open, a message filter lets Left, Right and the
// mouse move on to the neighbouring popup, as on a desktop menu bar.
#include <string.h>

#include "pocket_bar.h"

// One popup is open at a time on the thread; the filter reads this.
struct OpenPopup {
    PocketBar* bar;
    int index;          // its drop-down button
    int next;           // the button to open when it has closed, or -1
    BOOL nextByKeyboard;
    BOOL rightMoves;    // Right moves on only when no item opens a submenu
    HHOOK filter;
};

static OpenPopup openPopup;

static BOOL HasSubmenus(HMENU popup)
{
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; i++)
        if (GetSubMenu(popup, i) != nullptr)
            return TRUE;
    return FALSE;
}

static void MoveOn(int next, BOOL byKeyboard)
{
    openPopup.next = next;
    openPopup.nextByKeyboard = byKeyboard;
    EndMenu();
}

static BOOL PopupKey(WPARAM key)
{
    const int count = openPopup.bar->menuCount;
    if (count < 2)
        return FALSE;
    if (key == VK_LEFT) {
        MoveOn((openPopup.index + count - 1) % count, TRUE);
        return TRUE;
    }
    if (key == VK_RIGHT && openPopup.rightMoves) {
        MoveOn((openPopup.index + 1) % count, TRUE);
        return TRUE;
    }
    return FALSE;
}

// The drop-down button under a screen point, or -1.
static int MenuUnder(POINT point)
{
    const PocketBar* bar = openPopup.bar;
    if (WindowFromPoint(point) != bar->toolBar)
        return -1;
    ScreenToClient(bar->toolBar, &point);
    const int index = (int)SendMessageW(bar->toolBar, TB_HITTEST, 0, (LPARAM)&point);
    if (index < 0)
        return -1;
    TBBUTTON button;
    if (!SendMessageW(bar->toolBar, TB_GETBUTTON, index, (LPARAM)&button))
        return -1;
    return BarMenuOfCommand(bar, button.idCommand);
}

static BOOL PopupMouse(const MSG* message)
{
    const int under = MenuUnder(message->pt);
    if (under < 0)
        return FALSE;
    if (message->message == WM_MOUSEMOVE) {
        if (under != openPopup.index)
            MoveOn(under, FALSE);
        return FALSE;
    }
    // A click on the open popup's own button closes it instead of letting
    // the button open it again; on another button it moves there.
    MoveOn(under == openPopup.index ? -1 : under, FALSE);
    return TRUE;
}

static LRESULT CALLBACK PopupFilter(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && openPopup.bar != nullptr) {
        const MSG* message = (const MSG*)lParam;
        if (message->message == WM_KEYDOWN && PopupKey(message->wParam))
            return TRUE;
        if ((message->message == WM_MOUSEMOVE || message->message == WM_LBUTTONDOWN) && PopupMouse(message))
            return TRUE;
    }
    return CallNextHookEx(openPopup.filter, code, wParam, lParam);
}

// Shows one popup and returns when it has closed; *next is the popup to
// show after it, or -1.
static void TrackOne(PocketBar* bar, int index, BOOL byKeyboard, int* next, BOOL* nextByKeyboard)
{
    *next = -1;
    HMENU popup = GetSubMenu(bar->menu, bar->menus[index].submenu);
    const int command = bar->menus[index].command;
    RECT button;
    if (popup == nullptr || !SendMessageW(bar->toolBar, TB_GETRECT, command, (LPARAM)&button))
        return;
    MapWindowPoints(bar->toolBar, nullptr, (POINT*)&button, 2);

    memset(&openPopup, 0, sizeof openPopup);
    openPopup.bar = bar;
    openPopup.index = index;
    openPopup.next = -1;
    openPopup.rightMoves = !HasSubmenus(popup);
    openPopup.filter = SetWindowsHookExW(WH_MSGFILTER, PopupFilter, nullptr, GetCurrentThreadId());

    const HWND toolBar = bar->toolBar;
    const HWND owner = bar->parent;
    SendMessageW(toolBar, TB_PRESSBUTTON, command, TRUE);
    // From the keyboard the first item is highlighted, as in a desktop menu.
    if (byKeyboard)
        PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 0);
    TPMPARAMS avoid;
    avoid.cbSize = sizeof avoid;
    avoid.rcExclude = button;
    const UINT side = bar->atBottom ? TPM_BOTTOMALIGN : TPM_TOPALIGN;
    TrackPopupMenuEx(popup, TPM_LEFTALIGN | TPM_VERTICAL | side, button.left,
                     bar->atBottom ? button.top : button.bottom, owner, &avoid);

    if (openPopup.filter != nullptr)
        UnhookWindowsHookEx(openPopup.filter);
    *next = openPopup.next;
    *nextByKeyboard = openPopup.nextByKeyboard;
    memset(&openPopup, 0, sizeof openPopup);
    // A command of the popup may have closed the window and the bar with it.
    if (IsWindow(toolBar))
        SendMessageW(toolBar, TB_PRESSBUTTON, command, FALSE);
}

void OpenBarMenu(PocketBar* bar, int index, BOOL byKeyboard)
{
    // Not from inside another popup of the thread.
    if (openPopup.bar != nullptr || bar->menu == nullptr)
        return;
    const HWND window = bar->window;
    while (index >= 0 && index < bar->menuCount) {
        int next;
        BOOL nextByKeyboard;
        TrackOne(bar, index, byKeyboard, &next, &nextByKeyboard);
        if (!IsWindow(window))
            return;
        index = next;
        byKeyboard = nextByKeyboard;
    }
}

static WCHAR LowerUnit(WCHAR unit)
{
    return (WCHAR)(UINT_PTR)CharLowerW((WCHAR*)(UINT_PTR)unit);
}

// The unit after a single '&' in text, or 0.
static WCHAR MarkedUnit(const WCHAR* text)
{
    for (int i = 0; text[i] != 0; i++) {
        if (text[i] != L'&')
            continue;
        if (text[i + 1] != L'&')
            return text[i + 1];
        i++;
    }
    return 0;
}

int BarMenuOfKey(const PocketBar* bar, WCHAR key)
{
    if (bar->menu == nullptr || key == 0)
        return -1;
    key = LowerUnit(key);
    WCHAR text[BAR_TEXT_UNITS];
    for (int i = 0; i < bar->menuCount; i++) {
        text[0] = 0;
        GetMenuStringW(bar->menu, bar->menus[i].submenu, text, BAR_TEXT_UNITS, MF_BYPOSITION);
        const WCHAR marked = MarkedUnit(text);
        if (marked != 0 && LowerUnit(marked) == key)
            return i;
    }
    for (int i = 0; i < bar->menuCount; i++) {
        text[0] = 0;
        const LRESULT length = SendMessageW(bar->toolBar, TB_GETBUTTONTEXTW, bar->menus[i].command, 0);
        if (length <= 0 || length >= BAR_TEXT_UNITS)
            continue;
        SendMessageW(bar->toolBar, TB_GETBUTTONTEXTW, bar->menus[i].command, (LPARAM)text);
        if (LowerUnit(text[0]) == key)
            return i;
    }
    return -1;
}
