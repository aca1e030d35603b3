#include "prepare_dialog.h"

// Filled in with the Pocket PC layer.
void PrepareDialog(HWND dialog, DWORD flags)
{
    (void)dialog;
    (void)flags;
}
