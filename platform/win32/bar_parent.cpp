// The parent window of a bar is subclassed while it holds one: the bar
// keeps to its edge through every resize, and the keyboard's menu keys
// (F10, Alt, Alt + a popup's letter) open the bar's popups, which a window
// without a desktop menu would otherwise ignore.
#include "pocket_bar.h"

static const WCHAR BAR_PROPERTY[] = L"QuillmerePocketBar";
static const WCHAR PROC_PROPERTY[] = L"QuillmerePocketBarParentProc";

PocketBar* BarOfParent(HWND parent)
{
    return FindPocketBar((HWND)GetPropW(parent, BAR_PROPERTY));
}

// WM_SYSCOMMAND SC_KEYMENU: lParam is the letter pressed with Alt, 0 for
// F10 or Alt alone, a space for the window menu (left to the parent).
static BOOL OpenMenuFromKey(PocketBar* bar, WPARAM command, LPARAM key)
{
    if ((command & 0xFFF0) != SC_KEYMENU || bar->menuCount == 0 || key == L' ')
        return FALSE;
    const int index = key == 0 ? 0 : BarMenuOfKey(bar, (WCHAR)key);
    if (index < 0)
        return FALSE;
    OpenBarMenu(bar, index, TRUE);
    return TRUE;
}

static void Unsubclass(HWND parent);

static LRESULT CALLBACK BarParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC original = (WNDPROC)GetPropW(parent, PROC_PROPERTY);
    PocketBar* bar = BarOfParent(parent);
    switch (message) {
    case WM_SIZE:
        if (bar != nullptr)
            PlacePocketBar(bar);
        break;
    case WM_SYSCOMMAND:
        if (bar != nullptr && OpenMenuFromKey(bar, wParam, lParam))
            return 0;
        break;
    case WM_NCDESTROY:
        Unsubclass(parent);
        break;
    }
    if (original == nullptr)
        return DefWindowProcW(parent, message, wParam, lParam);
    return CallWindowProcW(original, parent, message, wParam, lParam);
}

// Puts the parent's own procedure back when nobody has subclassed it after
// us; otherwise our procedure stays in the chain and only passes messages on.
static void Unsubclass(HWND parent)
{
    const WNDPROC original = (WNDPROC)GetPropW(parent, PROC_PROPERTY);
    if (original == nullptr || (WNDPROC)GetWindowLongPtrW(parent, GWLP_WNDPROC) != BarParentProc)
        return;
    SetWindowLongPtrW(parent, GWLP_WNDPROC, (LONG_PTR)original);
    RemovePropW(parent, PROC_PROPERTY);
}

BOOL AttachBarToParent(PocketBar* bar)
{
    const HWND parent = bar->parent;
    if (GetPropW(parent, BAR_PROPERTY) != nullptr || !SetPropW(parent, BAR_PROPERTY, bar->window))
        return FALSE;
    if (GetPropW(parent, PROC_PROPERTY) != nullptr)
        return TRUE;
    const WNDPROC original = (WNDPROC)GetWindowLongPtrW(parent, GWLP_WNDPROC);
    if (original == nullptr || !SetPropW(parent, PROC_PROPERTY, (HANDLE)original)) {
        RemovePropW(parent, BAR_PROPERTY);
        return FALSE;
    }
    SetWindowLongPtrW(parent, GWLP_WNDPROC, (LONG_PTR)BarParentProc);
    return TRUE;
}

void DetachBarFromParent(PocketBar* bar)
{
    if ((HWND)GetPropW(bar->parent, BAR_PROPERTY) != bar->window)
        return;
    RemovePropW(bar->parent, BAR_PROPERTY);
    Unsubclass(bar->parent);
}
