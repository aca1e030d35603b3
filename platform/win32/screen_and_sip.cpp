// Full screen, setting changes and the input panel. The device's task bar,
// input panel and its button do not exist on a desktop: a window needs no
// room made for them and there is nothing to show or hide.
#include "pocketpc.h"

BOOL SHFullScreen(HWND window, DWORD state)
{
    (void)state;
    return IsWindow(window);
}

BOOL SHHandleWMSettingChange(HWND window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info)
{
    (void)wParam;
    (void)lParam;
    return IsWindow(window) && info != nullptr && info->cbSize == sizeof *info;
}

// FALSE: there is no input panel to move.
BOOL SHSipPreference(HWND window, SIPSTATE state)
{
    (void)window;
    (void)state;
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}

BOOL SipShowIM(DWORD flags)
{
    (void)flags;
    SetLastError(ERROR_NOT_SUPPORTED);
    return FALSE;
}
