// Painting the client area: the top pane, the red separator, the light cyan
// bottom area with its pane; and keeping the scroll bars in step.
#include "../pane/text_pane.h"
#include "../settings/flags.h"
#include "app_state.h"
#include "split_view.h"

static void PaintBottomArea(HDC dc)
{
    const int g = appState.gutter;
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const RECT& area = splitView.bottomArea;
    HPEN lightPen = CreatePen(PS_SOLID, 0, BOTTOM_BACKGROUND);
    HBRUSH lightBrush = CreateSolidBrush(BOTTOM_BACKGROUND);
    HGDIOBJ oldPen = SelectObject(dc, lightPen);
    HGDIOBJ oldBrush = SelectObject(dc, lightBrush);
    Rectangle(dc, area.left - g, area.top - 2, area.right + g, area.bottom + 2 * g);
    SelectObject(dc, oldPen);
    DeleteObject(lightPen);
    HPEN redPen = CreatePen(PS_SOLID, 0, SEPARATOR_COLOUR);
    oldPen = SelectObject(dc, redPen);
    Rectangle(dc, area.left - g, area.top - 3, area.right + bar + g, area.top - 2);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(redPen);
    DeleteObject(lightBrush);

    TextPane* bottom = splitView.bottomPane;
    if (bottom == nullptr)
        return;
    // The bottom pane is never erased white: its background is the area above.
    const int oldMode = SetBkMode(bottom->dc, TRANSPARENT);
    PaintPane(bottom, 0);
    SetBkMode(bottom->dc, oldMode);
}

void PaintPanes(HDC dc, HWND window, uint32_t request)
{
    PAINTSTRUCT paint;
    const bool ownPaint = dc == nullptr;
    if (ownPaint)
        dc = BeginPaint(window, &paint);
    if ((request & REPAINT_TOP) != 0 && appState.topPane != nullptr)
        PaintPane(appState.topPane, (request & REPAINT_ERASE) != 0 ? 1 : 0);
    if ((request & REPAINT_BOTTOM) != 0)
        PaintBottomArea(dc);
    if (ownPaint)
        EndPaint(window, &paint);
}

void RepaintPanes(HWND window, uint32_t request)
{
    if (window == nullptr)
        window = appState.mainWindow;
    HDC dc = GetDC(window);
    PaintPanes(dc, window, request);
    ReleaseDC(window, dc);
    SyncScrollBars();
}

void SyncScrollBar(HWND bar)
{
    if ((appState.Flags & FLAG_SCROLLBARS) == 0 || bar == nullptr)
        return;
    const TextPane* pane = FocusedPane();
    if (pane == nullptr)
        return;
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = 0;
    info.nMax = pane->maxTopLine;
    info.nPos = pane->topLine;
    SendMessageW(bar, SBM_SETSCROLLINFO, 1, (LPARAM)&info);
}

void SyncScrollBars()
{
    TextPane* remembered = splitView.focusedPane;
    splitView.focusedPane = appState.topPane;
    SyncScrollBar(splitView.topScrollBar);
    splitView.focusedPane = splitView.bottomPane;
    SyncScrollBar(splitView.bottomScrollBar);
    splitView.focusedPane = remembered;
}
