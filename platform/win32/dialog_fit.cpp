// SHInitDialog: the OK button, and the dialog fitted to the device's
// screen, which on a desktop is the main window the dialog belongs to.
#include "ok_strip.h"
#include "pocket_bar.h"

// The main window behind dialog (its top-level owner), or the work area
// when it has none. *main is that window or NULL.
static BOOL ScreenOfDialog(HWND dialog, RECT* screen, HWND* main)
{
    *main = nullptr;
    const HWND root = GetAncestor(dialog, GA_ROOTOWNER);
    if (root == nullptr || root == dialog)
        return SystemParametersInfoW(SPI_GETWORKAREA, 0, screen, 0);
    *main = root;
    // A minimised window's rectangle is its icon's: use where it will return.
    if (IsIconic(root)) {
        WINDOWPLACEMENT place;
        place.length = sizeof place;
        if (!GetWindowPlacement(root, &place))
            return FALSE;
        *screen = place.rcNormalPosition;
        return TRUE;
    }
    return GetWindowRect(root, screen);
}

// SHIDIF_SIZEDLG alone keeps clear of the main window's menu bar.
static void LeaveMenuBar(HWND main, DWORD flags, RECT* screen)
{
    if (main == nullptr || (flags & (SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_FULLSCREENNOMENUBAR)) != 0)
        return;
    const PocketBar* bar = BarOfParent(main);
    RECT box;
    if (bar == nullptr || !bar->atBottom || !IsWindowVisible(bar->window) || !GetWindowRect(bar->window, &box))
        return;
    if (box.top > screen->top && box.top < screen->bottom)
        screen->bottom = box.top;
}

static void FitDialog(HWND dialog, DWORD flags)
{
    RECT screen;
    HWND main;
    if (!ScreenOfDialog(dialog, &screen, &main))
        return;
    LeaveMenuBar(main, flags, &screen);
    NoteDialogFitted(dialog);
    MoveWindow(dialog, screen.left, screen.top, screen.right - screen.left, screen.bottom - screen.top, TRUE);
}

BOOL SHInitDialog(SHINITDLGINFO* info)
{
    if (info == nullptr || !IsWindow(info->hDlg))
        return FALSE;
    if (!(info->dwMask & SHIDIM_FLAGS))
        return TRUE;
    const DWORD flags = info->dwFlags;
    const BOOL fit = (flags & (SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN)) != 0;
    // A dialog about to be fitted need not grow for the strip.
    if (flags & SHIDIF_DONEBUTTON)
        GiveDialogOkStrip(info->hDlg, !fit);
    if (fit)
        FitDialog(info->hDlg, flags);
    return TRUE;
}
