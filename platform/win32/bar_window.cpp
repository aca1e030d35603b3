// The bar window: its class, its record, the tool bar inside it, the
// messages it forwards to the tool bar and the tooltips it answers.
#include <string.h>

#include "pocket_bar.h"

static const WCHAR BAR_CLASS[] = L"QuillmerePocketBar";

enum {
    TOOL_BAR_ID = 1,
    CLOSE_BOX_ID = 2,
    BAR_MARGIN = 2,   // pixels above and below the buttons
    BAR_EDGE = 2,     // the etched line toward the client area
    IMAGE_SIZE = 16,  // the tool images the bars are made for
};

static ATOM barClass;

PocketBar* FindPocketBar(HWND bar)
{
    if (bar == nullptr || barClass == 0 || GetClassWord(bar, GCW_ATOM) != barClass)
        return nullptr;
    return (PocketBar*)GetWindowLongPtrW(bar, 0);
}

static int ButtonHeight(const PocketBar* bar)
{
    return HIWORD(SendMessageW(bar->toolBar, TB_GETBUTTONSIZE, 0, 0));
}

int PocketBarHeight(const PocketBar* bar)
{
    return ButtonHeight(bar) + 2 * BAR_MARGIN + BAR_EDGE;
}

void PlacePocketBar(PocketBar* bar)
{
    RECT client;
    if (!GetClientRect(bar->parent, &client))
        return;
    const int height = PocketBarHeight(bar);
    int top = bar->atBottom ? client.bottom - height : 0;
    if (top < 0)
        top = 0;
    SetWindowPos(bar->window, nullptr, 0, top, client.right, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The tool bar fills the bar between the margins, left of the close box.
static void LayOutBar(PocketBar* bar, int width)
{
    const int buttonHeight = ButtonHeight(bar);
    const int top = BAR_MARGIN + (bar->atBottom ? BAR_EDGE : 0);
    int toolWidth = width;
    if (bar->closeBox != nullptr) {
        toolWidth = width - buttonHeight - BAR_MARGIN;
        MoveWindow(bar->closeBox, toolWidth, top, buttonHeight, buttonHeight, TRUE);
    }
    if (toolWidth < 0)
        toolWidth = 0;
    MoveWindow(bar->toolBar, 0, top, toolWidth, buttonHeight, TRUE);
}

static void PaintBar(PocketBar* bar)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(bar->window, &paint);
    RECT client;
    GetClientRect(bar->window, &client);
    DrawEdge(dc, &client, EDGE_ETCHED, bar->atBottom ? BF_TOP : BF_BOTTOM);
    EndPaint(bar->window, &paint);
}

// A push button with a cross. Drawn with lines, not a symbol font, which a
// desktop may lack.
static void DrawCloseBox(const DRAWITEMSTRUCT* item)
{
    RECT box = item->rcItem;
    const BOOL pushed = (item->itemState & ODS_SELECTED) != 0;
    DrawFrameControl(item->hDC, &box, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int side = box.right - box.left;
    const int inset = side / 3;
    const int shift = pushed ? 1 : 0;
    HPEN pen = CreatePen(PS_SOLID, side >= 20 ? 2 : 1, GetSysColor(COLOR_BTNTEXT));
    if (pen == nullptr)
        return;
    const HGDIOBJ oldPen = SelectObject(item->hDC, pen);
    const int left = box.left + inset + shift;
    const int top = box.top + inset + shift;
    const int right = box.right - inset + shift;
    const int bottom = box.bottom - inset + shift;
    MoveToEx(item->hDC, left, top, nullptr);
    LineTo(item->hDC, right, bottom);
    MoveToEx(item->hDC, right - 1, top, nullptr);
    LineTo(item->hDC, left - 1, bottom);
    SelectObject(item->hDC, oldPen);
    DeleteObject(pen);
}

BOOL AddBarMenuButton(PocketBar* bar, int position, int command, int submenu, const WCHAR* text, BYTE style)
{
    if (bar->menuCount >= BAR_MAX_MENUS)
        return FALSE;
    // The drop-down buttons stay together: the tooltips count them as one.
    if (bar->menuCount > 0 &&
        position != (int)SendMessageW(bar->toolBar, TB_COMMANDTOINDEX, bar->menus[0].command, 0) + bar->menuCount)
        return FALSE;
    TBBUTTON button;
    memset(&button, 0, sizeof button);
    button.iBitmap = I_IMAGENONE;
    button.idCommand = command;
    button.fsState = TBSTATE_ENABLED;
    // The arrow tells a desktop user that the button opens a menu.
    button.fsStyle = (BYTE)(style | BTNS_WHOLEDROPDOWN);
    button.iString = text != nullptr && text[0] != 0 ? (INT_PTR)text : -1;
    if (!SendMessageW(bar->toolBar, TB_INSERTBUTTONW, position, (LPARAM)&button))
        return FALSE;
    bar->menus[bar->menuCount].command = command;
    bar->menus[bar->menuCount].submenu = submenu;
    bar->menuCount++;
    return TRUE;
}

int BarMenuOfCommand(const PocketBar* bar, int command)
{
    for (int i = 0; i < bar->menuCount; i++)
        if (bar->menus[i].command == command)
            return i;
    return -1;
}

static void ForgetTips(PocketBar* bar)
{
    for (int i = 0; i < bar->tipCount; i++)
        free(bar->tips[i]);
    bar->tipCount = 0;
}

// TB_SETTOOLTIPLIST: the bar keeps copies, so the caller's table may go.
static BOOL StoreTips(PocketBar* bar, int count, const WCHAR* const* texts)
{
    ForgetTips(bar);
    if (count < 0 || count > BAR_MAX_TIPS || (count > 0 && texts == nullptr))
        return FALSE;
    for (int i = 0; i < count; i++) {
        WCHAR* copy = nullptr;
        if (texts[i] != nullptr && texts[i][0] != 0) {
            const size_t bytes = (wcslen(texts[i]) + 1) * sizeof(WCHAR);
            copy = (WCHAR*)malloc(bytes);
            if (copy == nullptr) {
                ForgetTips(bar);
                return FALSE;
            }
            memcpy(copy, texts[i], bytes);
        }
        bar->tips[i] = copy;
        bar->tipCount = i + 1;
    }
    return TRUE;
}

// The first text is the menu's; the buttons before and after the drop-down
// buttons take the following ones in their order.
static const WCHAR* TipOfCommand(const PocketBar* bar, int command)
{
    const int index = (int)SendMessageW(bar->toolBar, TB_COMMANDTOINDEX, command, 0);
    if (index < 0)
        return nullptr;
    // Buttons inserted before the menu move it, so look it up each time.
    const int menuFirst = bar->menuCount > 0
                              ? (int)SendMessageW(bar->toolBar, TB_COMMANDTOINDEX, bar->menus[0].command, 0)
                              : 0;
    int entry;
    if (bar->menuCount > 0 && index >= menuFirst && index < menuFirst + bar->menuCount)
        entry = 0;
    else if (bar->menuCount > 0 && index >= menuFirst + bar->menuCount)
        entry = 1 + index - bar->menuCount;
    else
        entry = 1 + index;
    return entry < bar->tipCount ? bar->tips[entry] : nullptr;
}

static void FillTip(const PocketBar* bar, NMTTDISPINFOW* info)
{
    const WCHAR* text = TipOfCommand(bar, (int)info->hdr.idFrom);
    info->hinst = nullptr;
    info->szText[0] = 0;
    info->lpszText = text != nullptr ? (WCHAR*)text : info->szText;
}

static void FillInfoTip(const PocketBar* bar, NMTBGETINFOTIPW* info)
{
    const WCHAR* text = TipOfCommand(bar, info->iItem);
    if (text != nullptr && info->pszText != nullptr && info->cchTextMax > 0)
        lstrcpynW(info->pszText, text, info->cchTextMax);
}

static LRESULT DropDown(PocketBar* bar, const NMTOOLBARW* note)
{
    const int index = BarMenuOfCommand(bar, note->iItem);
    if (index >= 0)
        OpenBarMenu(bar, index, FALSE);
    return TBDDRET_DEFAULT;
}

static LRESULT BarNotify(PocketBar* bar, NMHDR* header)
{
    switch (header->code) {
    case TBN_DROPDOWN: return DropDown(bar, (NMTOOLBARW*)header);
    case TTN_GETDISPINFOW: FillTip(bar, (NMTTDISPINFOW*)header); return 0;
    case TBN_GETINFOTIPW: FillInfoTip(bar, (NMTBGETINFOTIPW*)header); return 0;
    }
    return 0;
}

// Tool buttons and the close box; the drop-down buttons only open popups.
static void BarCommand(PocketBar* bar, WPARAM wParam, LPARAM lParam)
{
    const HWND from = (HWND)lParam;
    if (from != nullptr && from == bar->closeBox) {
        PostMessageW(bar->parent, WM_CLOSE, 0, 0);
        return;
    }
    if (from == bar->toolBar && BarMenuOfCommand(bar, LOWORD(wParam)) < 0)
        SendMessageW(bar->parent, WM_COMMAND, wParam, (LPARAM)bar->window);
}

// Buttons with a picture and no text are sized to their picture, as on the
// device: in a tool bar that shows text beside pictures they would all take
// the width of the widest text.
static LRESULT AddButtons(PocketBar* bar, UINT message, WPARAM wParam, const TBBUTTON* given)
{
    const int count = message == TB_ADDBUTTONSW ? (int)wParam : 1;
    if (given == nullptr || count <= 0 || count > BAR_MAX_ADDED)
        return SendMessageW(bar->toolBar, message, wParam, (LPARAM)given);
    TBBUTTON buttons[BAR_MAX_ADDED];
    memcpy(buttons, given, count * sizeof(TBBUTTON));
    for (int i = 0; i < count; i++)
        if (!(buttons[i].fsStyle & BTNS_SEP) && buttons[i].iString == -1)
            buttons[i].fsStyle |= BTNS_AUTOSIZE;
    return SendMessageW(bar->toolBar, message, wParam, (LPARAM)buttons);
}

static LRESULT SubmenuOf(const PocketBar* bar, int command)
{
    const int index = BarMenuOfCommand(bar, command);
    if (index < 0 || bar->menu == nullptr)
        return 0;
    return (LRESULT)GetSubMenu(bar->menu, bar->menus[index].submenu);
}

static BOOL StartBar(HWND window, const CREATESTRUCTW* create)
{
    PocketBar* bar = (PocketBar*)malloc(sizeof(PocketBar));
    if (bar == nullptr)
        return FALSE;
    memset(bar, 0, sizeof *bar);
    bar->window = window;
    bar->parent = create->hwndParent;
    bar->atBottom = *(const int*)create->lpCreateParams;
    SetWindowLongPtrW(window, 0, (LONG_PTR)bar);
    return TRUE;
}

static LRESULT MakeToolBar(PocketBar* bar)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_LIST | TBSTYLE_TOOLTIPS | CCS_NORESIZE |
                        CCS_NOPARENTALIGN | CCS_NODIVIDER;
    bar->toolBar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, style, 0, 0, 0, 0, bar->window,
                                   (HMENU)(INT_PTR)TOOL_BAR_ID, GetModuleHandleW(nullptr), nullptr);
    if (bar->toolBar == nullptr)
        return -1;
    SendMessageW(bar->toolBar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(bar->toolBar, TB_SETBITMAPSIZE, 0, MAKELPARAM(IMAGE_SIZE, IMAGE_SIZE));
    return 0;
}

static void EndBar(PocketBar* bar)
{
    if (bar == nullptr)
        return;
    ForgetTips(bar);
    if (bar->menu != nullptr)
        DestroyMenu(bar->menu);
    free(bar);
}

static LRESULT CALLBACK BarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PocketBar* bar = (PocketBar*)GetWindowLongPtrW(window, 0);
    if (message == WM_NCCREATE)
        return StartBar(window, (const CREATESTRUCTW*)lParam) ? DefWindowProcW(window, message, wParam, lParam) : FALSE;
    if (bar == nullptr)
        return DefWindowProcW(window, message, wParam, lParam);
    switch (message) {
    case WM_CREATE: return MakeToolBar(bar);
    case WM_SIZE: LayOutBar(bar, LOWORD(lParam)); return 0;
    case WM_PAINT: PaintBar(bar); return 0;
    case WM_NOTIFY: return BarNotify(bar, (NMHDR*)lParam);
    case WM_COMMAND: BarCommand(bar, wParam, lParam); return 0;
    case WM_DRAWITEM: DrawCloseBox((const DRAWITEMSTRUCT*)lParam); return TRUE;
    case TB_SETTOOLTIPLIST: return StoreTips(bar, (int)wParam, (const WCHAR* const*)lParam);
    case SHCMBM_GETSUBMENU: return SubmenuOf(bar, (int)lParam);
    case TB_ADDBUTTONSW:
    case TB_INSERTBUTTONW: return AddButtons(bar, message, wParam, (const TBBUTTON*)lParam);
    case WM_DESTROY: DetachBarFromParent(bar); return 0;
    case WM_NCDESTROY: EndBar(bar); SetWindowLongPtrW(window, 0, 0); return 0;
    }
    // Tool bar messages go to the tool bar inside.
    if (message >= WM_USER && message < WM_USER + 0x100)
        return SendMessageW(bar->toolBar, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

static BOOL RegisterBarClass()
{
    if (barClass != 0)
        return TRUE;
    WNDCLASSW type;
    memset(&type, 0, sizeof type);
    type.lpfnWndProc = BarProc;
    type.cbWndExtra = sizeof(LONG_PTR);
    type.hInstance = GetModuleHandleW(nullptr);
    type.hCursor = LoadCursorW(nullptr, (LPCWSTR)IDC_ARROW);
    type.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
    type.lpszClassName = BAR_CLASS;
    barClass = RegisterClassW(&type);
    return barClass != 0;
}

BOOL AddCloseBox(PocketBar* bar)
{
    if (bar->closeBox != nullptr)
        return TRUE;
    bar->closeBox = CreateWindowExW(0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, 0, 0, 0, 0,
                                    bar->window, (HMENU)(INT_PTR)CLOSE_BOX_ID, GetModuleHandleW(nullptr), nullptr);
    if (bar->closeBox == nullptr)
        return FALSE;
    RECT client;
    GetClientRect(bar->window, &client);
    LayOutBar(bar, client.right);
    return TRUE;
}

HWND CreatePocketBar(HWND parent, int atBottom, int id, BOOL visible)
{
    if (!IsWindow(parent) || BarOfParent(parent) != nullptr)
        return nullptr;
    InstallPocketPcLayer();
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterBarClass())
        return nullptr;
    DWORD style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (visible)
        style |= WS_VISIBLE;
    HWND window = CreateWindowExW(0, BAR_CLASS, L"", style, 0, 0, 0, 0, parent, (HMENU)(INT_PTR)id,
                                  GetModuleHandleW(nullptr), &atBottom);
    if (window == nullptr)
        return nullptr;
    PocketBar* bar = FindPocketBar(window);
    if (bar == nullptr || !AttachBarToParent(bar)) {
        DestroyWindow(window);
        return nullptr;
    }
    PlacePocketBar(bar);
    return window;
}
