#include "about_box.h"

#include "../resources/resource_ids.h"
#include "../shell/app_state.h"
#include "link_font.h"
#include "open_address.h"

// Made for the link when the box opens; one box at a time.
static HFONT linkFont;

static void ForgetLinkFont()
{
    if (linkFont != nullptr)
        DeleteObject(linkFont);
    linkFont = nullptr;
}

static INT_PTR HandleAboutCommand(HWND dialog, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case IDOK:
    case IDCANCEL: EndDialog(dialog, LOWORD(wParam)); return TRUE;
    case ABOUT_LINK: if (HIWORD(wParam) == BN_CLICKED) OpenMakerPage(GetDlgItem(dialog, ABOUT_LINK)); return TRUE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: linkFont = PrepareLink(dialog); return FALSE;
    case WM_DRAWITEM: DrawLink(dialog, (int)wParam, (const DRAWITEMSTRUCT*)lParam); return TRUE;
    case WM_COMMAND: return HandleAboutCommand(dialog, wParam);
    // The link button holds the font until it is gone.
    case WM_DESTROY: ForgetLinkFont(); return TRUE;
    default: return FALSE;
    }
}

void RunAboutBox(HWND owner)
{
    HRSRC found = FindResourceW(appState.instance, MAKEINTRESOURCEW(IDD_ABOUT), (LPCWSTR)RT_DIALOG);
    HGLOBAL loaded = found != nullptr ? LoadResource(appState.instance, found) : nullptr;
    const DLGTEMPLATE* dialogTemplate = loaded != nullptr ? (const DLGTEMPLATE*)LockResource(loaded) : nullptr;
    if (dialogTemplate != nullptr)
        DialogBoxIndirectParamW(appState.instance, dialogTemplate, owner, AboutDialogProc, 0);
}
