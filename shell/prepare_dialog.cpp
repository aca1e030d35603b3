#include "prepare_dialog.h"

#include "switches.h"

void PrepareDialog(HWND dialog, DWORD flags)
{
    SHINITDLGINFO info;
    info.dwMask = SHIDIM_FLAGS;
    info.hDlg = dialog;
    // The device's Done button sits on the task bar, which full screen hides.
    info.dwFlags = fullScreen ? flags : flags | SHIDIF_DONEBUTTON;
    SHInitDialog(&info);
    if (!fullScreen)
        return;
    // Up over the task bar's strip like the main window: the top edge moves
    // to the top of the screen, the other three edges stay.
    RECT box;
    if (!GetWindowRect(dialog, &box))
        return;
    MoveWindow(dialog, box.left, 0, box.right - box.left, box.bottom, FALSE);
}
