#include "link_font.h"

#include <string.h>

static const COLORREF LINK_BLUE = 0xFF0000;  // COLORREF 0x00BBGGRR
static const COLORREF LINK_BACK = 0xFFFFFF;

static HFONT MakeLinkFont(HWND button, HDC dc)
{
    LOGFONTW logFont;
    memset(&logFont, 0, sizeof logFont);
    HFONT buttonFont = (HFONT)SendMessageW(button, WM_GETFONT, 0, 0);
    if (buttonFont != nullptr)
        GetObjectW(buttonFont, sizeof logFont, &logFont);
    logFont.lfUnderline = 1;
    if (logFont.lfFaceName[0] == 0)
        UnitCopy(logFont.lfFaceName, LF_FACESIZE, L"Tahoma");
    logFont.lfHeight = LinkFontHeight(logFont.lfHeight, GetDeviceCaps(dc, LOGPIXELSY));
    logFont.lfWeight = 800;
    return CreateFontIndirectW(&logFont);
}

static void FitLinkToText(HWND dialog, HWND button, HDC dc, HFONT font)
{
    WCHAR text[LINK_TEXT_UNITS];
    const int length = GetWindowTextW(button, text, LINK_TEXT_UNITS);
    SendMessageW(button, WM_SETFONT, (WPARAM)font, TRUE);
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE size = {0, 0};
    const BOOL measured = GetTextExtentExPointW(dc, text, length, 0, nullptr, nullptr, &size);
    SelectObject(dc, oldFont);
    if (measured)
        SetWindowPos(button, dialog, 0, 0, size.cx + 2 * GetSystemMetrics(SM_CXEDGE),
                     size.cy + 2 * GetSystemMetrics(SM_CYEDGE), SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
}

HFONT PrepareLink(HWND dialog)
{
    HWND button = GetDlgItem(dialog, ABOUT_LINK);
    // GetDC of no window would be the screen's: without the button there is
    // nothing to prepare.
    if (button == nullptr)
        return nullptr;
    HDC dc = GetDC(button);
    if (dc == nullptr)
        return nullptr;
    HFONT font = MakeLinkFont(button, dc);
    if (font != nullptr)
        FitLinkToText(dialog, button, dc, font);
    ReleaseDC(button, dc);
    return font;
}

void DrawLink(HWND dialog, int controlId, const DRAWITEMSTRUCT* item)
{
    WCHAR text[LINK_TEXT_UNITS];
    const int length = GetDlgItemTextW(dialog, controlId, text, LINK_TEXT_UNITS);
    HDC dc = item->hDC;
    HFONT font = (HFONT)SendMessageW(item->hwndItem, WM_GETFONT, 0, 0);
    HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
    const COLORREF oldText = SetTextColor(dc, LINK_BLUE);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldBack = SetBkColor(dc, LINK_BACK);
    RECT box = item->rcItem;
    ExtTextOutW(dc, box.left + GetSystemMetrics(SM_CXEDGE) / 2, box.top, ETO_OPAQUE, &box, text, (UINT)length, nullptr);
    SetBkColor(dc, oldBack);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldText);
    if (oldFont != nullptr)
        SelectObject(dc, oldFont);
}
