// The OK strip of dialogs that ask for the device's caption OK button, and
// the thread hook that finds them as they are created.
//
// The strip is non-client area: WM_NCCALCSIZE takes it off the bottom of
// the client area, so the dialog's own layout and hit tests never see it.
// The button is drawn there and tracked like a push button: pressed on the
// mouse going down over it, WM_COMMAND IDOK when it comes up over it.
#include <string.h>

#include "ok_strip.h"

static const WCHAR STRIP_PROPERTY[] = L"QuillmereOkStrip";
static const WCHAR DIALOG_CLASS[] = L"#32770";

struct OkStrip {
    WNDPROC original;  // the dialog's procedure before ours
    int height;        // of the strip, in pixels
    int margin;
    int buttonWidth;
    int buttonHeight;
    BOOL tracking;     // the mouse went down on OK and is captured
    BOOL pressed;      // ... and is over OK now
    BOOL growPending;  // to grow by the strip once WM_INITDIALOG is done
};

static HHOOK creationHook;

static int Scaled(int pixels)
{
    int dpi = 96;
    HDC screen = GetDC(nullptr);
    if (screen != nullptr) {
        dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
    }
    return MulDiv(pixels, dpi > 0 ? dpi : 96, 96);
}

static OkStrip* StripOf(HWND dialog)
{
    return (OkStrip*)GetPropW(dialog, STRIP_PROPERTY);
}

// The strip and its button, in the window's own coordinates (for the
// window DC); FALSE when the window has no rectangle.
static BOOL StripRects(HWND dialog, const OkStrip* strip, RECT* area, RECT* button)
{
    RECT window;
    RECT client;
    POINT origin = {0, 0};
    if (!GetWindowRect(dialog, &window) || !GetClientRect(dialog, &client) || !ClientToScreen(dialog, &origin))
        return FALSE;
    area->left = origin.x - window.left;
    area->right = area->left + client.right;
    area->top = origin.y - window.top + client.bottom;
    area->bottom = area->top + strip->height;
    button->right = area->right - strip->margin;
    button->left = button->right - strip->buttonWidth;
    if (button->left < area->left + strip->margin)
        button->left = area->left + strip->margin;
    button->top = area->top + (strip->height - strip->buttonHeight) / 2;
    button->bottom = button->top + strip->buttonHeight;
    return TRUE;
}

// Where a screen point falls: 2 on the button, 1 elsewhere on the strip, 0 off it.
static int StripPart(HWND dialog, const OkStrip* strip, POINT screen)
{
    RECT window;
    RECT area;
    RECT button;
    if (!GetWindowRect(dialog, &window) || !StripRects(dialog, strip, &area, &button))
        return 0;
    const POINT at = {screen.x - window.left, screen.y - window.top};
    if (PtInRect(&button, at))
        return 2;
    return PtInRect(&area, at) ? 1 : 0;
}

static void PaintStrip(HWND dialog, const OkStrip* strip)
{
    RECT area;
    RECT button;
    if (!StripRects(dialog, strip, &area, &button) || area.bottom <= area.top)
        return;
    HDC dc = GetWindowDC(dialog);
    if (dc == nullptr)
        return;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    RECT line = area;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    // Drawn as the default button: Enter is OK too.
    FrameRect(dc, &button, GetSysColorBrush(COLOR_WINDOWFRAME));
    RECT face = button;
    InflateRect(&face, -1, -1);
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (strip->pressed ? DFCS_PUSHED : 0));
    if (strip->pressed)
        OffsetRect(&face, 1, 1);
    HFONT font = (HFONT)SendMessageW(dialog, WM_GETFONT, 0, 0);
    if (font == nullptr)
        font = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    const COLORREF oldColour = SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, L"OK", 2, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);
    ReleaseDC(dialog, dc);
}

static void SetPressed(HWND dialog, OkStrip* strip, BOOL pressed)
{
    if (strip->pressed == pressed)
        return;
    strip->pressed = pressed;
    PaintStrip(dialog, strip);
}

static LRESULT Original(HWND dialog, const OkStrip* strip, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(strip->original, dialog, message, wParam, lParam);
}

static LRESULT CalcSize(HWND dialog, const OkStrip* strip, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Original(dialog, strip, WM_NCCALCSIZE, wParam, lParam);
    RECT* client = wParam ? &((NCCALCSIZE_PARAMS*)lParam)->rgrc[0] : (RECT*)lParam;
    client->bottom -= strip->height;
    if (client->bottom < client->top)
        client->bottom = client->top;
    return result;
}

static LRESULT HitTest(HWND dialog, const OkStrip* strip, LPARAM lParam)
{
    const POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    switch (StripPart(dialog, strip, at)) {
    case 2: return HTOBJECT;
    case 1: return HTNOWHERE;
    }
    return Original(dialog, strip, WM_NCHITTEST, 0, lParam);
}

static LRESULT PressOk(HWND dialog, OkStrip* strip, WPARAM hit, UINT message, LPARAM lParam)
{
    if (hit != HTOBJECT)
        return Original(dialog, strip, message, hit, lParam);
    strip->tracking = TRUE;
    SetCapture(dialog);
    SetPressed(dialog, strip, TRUE);
    return 0;
}

// While the mouse is captured, its client coordinates may lie on the strip.
static BOOL OverOk(HWND dialog, const OkStrip* strip, LPARAM lParam)
{
    POINT at = {(short)LOWORD(lParam), (short)HIWORD(lParam)};
    ClientToScreen(dialog, &at);
    return StripPart(dialog, strip, at) == 2;
}

static LRESULT ReleaseOk(HWND dialog, OkStrip* strip, LPARAM lParam)
{
    const BOOL over = OverOk(dialog, strip, lParam);
    ReleaseCapture();
    if (over)
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    return 0;
}

static void EndTracking(HWND dialog, OkStrip* strip)
{
    strip->tracking = FALSE;
    SetPressed(dialog, strip, FALSE);
}

// Taller by the strip, so the client area keeps the template's size; a
// centred dialog stays centred.
static void GrowByStrip(HWND dialog, const OkStrip* strip)
{
    RECT box;
    if (!GetWindowRect(dialog, &box))
        return;
    int top = box.top;
    if (GetWindowLongW(dialog, GWL_STYLE) & DS_CENTER)
        top -= strip->height / 2;
    SetWindowPos(dialog, nullptr, box.left, top, box.right - box.left, box.bottom - box.top + strip->height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// After the dialog's own WM_INITDIALOG, unless it was fitted meanwhile.
static LRESULT InitDialog(HWND dialog, OkStrip* strip, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = Original(dialog, strip, WM_INITDIALOG, wParam, lParam);
    if (strip->growPending)
        GrowByStrip(dialog, strip);
    strip->growPending = FALSE;
    return result;
}

static LRESULT EndStrip(HWND dialog, OkStrip* strip, WPARAM wParam, LPARAM lParam)
{
    const WNDPROC original = strip->original;
    if ((WNDPROC)GetWindowLongPtrW(dialog, GWLP_WNDPROC) != original)
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, (LONG_PTR)original);
    RemovePropW(dialog, STRIP_PROPERTY);
    free(strip);
    return CallWindowProcW(original, dialog, WM_NCDESTROY, wParam, lParam);
}

static LRESULT CALLBACK OkStripProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    OkStrip* strip = StripOf(dialog);
    if (strip == nullptr)
        return DefDlgProcW(dialog, message, wParam, lParam);
    LRESULT result;
    switch (message) {
    case WM_NCCALCSIZE: return CalcSize(dialog, strip, wParam, lParam);
    case WM_NCHITTEST: return HitTest(dialog, strip, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK: return PressOk(dialog, strip, wParam, message, lParam);
    case WM_NCPAINT:
    case WM_NCACTIVATE:
        result = Original(dialog, strip, message, wParam, lParam);
        PaintStrip(dialog, strip);
        return result;
    case WM_CAPTURECHANGED:
        if (strip->tracking)
            EndTracking(dialog, strip);
        break;
    case WM_INITDIALOG: return InitDialog(dialog, strip, wParam, lParam);
    case WM_NCDESTROY: return EndStrip(dialog, strip, wParam, lParam);
    }
    if (strip->tracking) {
        switch (message) {
        case WM_MOUSEMOVE: SetPressed(dialog, strip, OverOk(dialog, strip, lParam)); return 0;
        case WM_LBUTTONUP: return ReleaseOk(dialog, strip, lParam);
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN: return 0;
        }
    }
    return Original(dialog, strip, message, wParam, lParam);
}

static OkStrip* AttachStrip(HWND dialog)
{
    OkStrip* strip = StripOf(dialog);
    if (strip != nullptr)
        return strip;
    strip = (OkStrip*)malloc(sizeof(OkStrip));
    if (strip == nullptr)
        return nullptr;
    memset(strip, 0, sizeof *strip);
    strip->margin = Scaled(6);
    strip->buttonWidth = Scaled(75);
    strip->buttonHeight = Scaled(23);
    strip->height = strip->buttonHeight + 2 * strip->margin;
    strip->original = (WNDPROC)GetWindowLongPtrW(dialog, GWLP_WNDPROC);
    if (strip->original == nullptr || !SetPropW(dialog, STRIP_PROPERTY, strip)) {
        free(strip);
        return nullptr;
    }
    SetWindowLongPtrW(dialog, GWLP_WNDPROC, (LONG_PTR)OkStripProc);
    return strip;
}

BOOL GiveDialogOkStrip(HWND dialog, BOOL grow)
{
    if (StripOf(dialog) != nullptr)
        return TRUE;
    OkStrip* strip = AttachStrip(dialog);
    if (strip == nullptr)
        return FALSE;
    // The frame is computed again with the strip in it.
    SetWindowPos(dialog, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if (grow)
        GrowByStrip(dialog, strip);
    return TRUE;
}

void NoteDialogFitted(HWND dialog)
{
    OkStrip* strip = StripOf(dialog);
    if (strip != nullptr)
        strip->growPending = FALSE;
}

static BOOL IsDialogClass(HWND window)
{
    WCHAR name[16];
    return GetClassNameW(window, name, 16) > 0 && lstrcmpW(name, DIALOG_CLASS) == 0;
}

// A dialog asking for the caption OK gets the strip before its first
// message; once its WM_INITDIALOG is done it grows by the strip, unless it
// was fitted to the screen meanwhile.
static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND) {
        const HWND window = (HWND)wParam;
        const CREATESTRUCTW* create = ((const CBT_CREATEWNDW*)lParam)->lpcs;
        if ((create->dwExStyle & WS_EX_CAPTIONOKBTN) && IsDialogClass(window)) {
            OkStrip* strip = AttachStrip(window);
            if (strip != nullptr)
                strip->growPending = TRUE;
        }
    }
    return CallNextHookEx(creationHook, code, wParam, lParam);
}

BOOL InstallPocketPcLayer(void)
{
    if (creationHook == nullptr)
        creationHook = SetWindowsHookExW(WH_CBT, CreationHook, nullptr, GetCurrentThreadId());
    return creationHook != nullptr;
}

void RemovePocketPcLayer(void)
{
    if (creationHook != nullptr)
        UnhookWindowsHookEx(creationHook);
    creationHook = nullptr;
}
