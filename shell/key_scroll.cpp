// The hardware keys and the two scroll bars move the focused pane.
#include "../pane/text_pane.h"
#include "app_state.h"
#include "main_window.h"
#include "navigation.h"
#include "split_view.h"

static void ScrollByKey(HWND window, TextPane* pane, int delta)
{
    if (ScrollPane(pane, delta, 0, 1) != SCROLL_UNCHANGED)
        RepaintPanes(window, REPAINT_ERASE | (pane == appState.topPane ? REPAINT_TOP : REPAINT_BOTTOM));
    SyncScrollBar(splitView.focusedScrollBar);
}

// The line delta of a scrolling key: the key step is a page less one line,
// or half a page for key step modes 2 and 4.
static int KeyDelta(const TextPane* pane, WPARAM key)
{
    const int step = PageStep((appState.Flags >> 20) & 7, pane->linesShown);
    switch (key) {
    case VK_PRIOR: return -step;
    case VK_NEXT: return step;
    case VK_END: return pane->maxTopLine != 0 ? pane->maxTopLine : step;
    case VK_HOME: return pane->topLine != 0 ? -(int)pane->topLine : -step;
    case VK_UP: return -1;
    default: return 1;  // VK_DOWN
    }
}

LRESULT HandleKey(HWND window, WPARAM key)
{
    switch (key) {
    case VK_RETURN: return 0;  // search again arrives with search
    case VK_LEFT: PreviousSection(window); return 0;
    case VK_RIGHT: NextSection(window); return 0;
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_UP:
    case VK_DOWN:
        if (FocusedPane() != nullptr)
            ScrollByKey(window, FocusedPane(), KeyDelta(FocusedPane(), key));
        return 0;
    default: return 1;
    }
}

static int ScrollDelta(const TextPane* pane, WPARAM wParam)
{
    switch (LOWORD(wParam)) {
    case SB_LINEUP: return -1;
    case SB_LINEDOWN: return 1;
    case SB_PAGEUP: return 1 - pane->linesShown;
    case SB_PAGEDOWN: return pane->linesShown - 1;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return (int)(int16_t)HIWORD(wParam) - pane->topLine;
    case SB_TOP: return -(int)pane->topLine;
    case SB_BOTTOM: return pane->maxTopLine;
    default: return 0;
    }
}

LRESULT HandleVerticalScroll(HWND window, WPARAM wParam, LPARAM lParam)
{
    uint32_t request;
    if ((HWND)lParam == splitView.bottomScrollBar && splitView.bottomPane != nullptr) {
        splitView.focusedScrollBar = splitView.bottomScrollBar;
        splitView.focusedPane = splitView.bottomPane;
        request = REPAINT_TOP | REPAINT_BOTTOM;
    } else {
        splitView.focusedScrollBar = splitView.topScrollBar;
        splitView.focusedPane = appState.topPane;
        request = REPAINT_ERASE | REPAINT_TOP;
    }
    TextPane* pane = FocusedPane();
    const int delta = pane != nullptr ? ScrollDelta(pane, wParam) : 0;
    if (delta != 0 && ScrollPane(pane, delta, 0, 1) != SCROLL_UNCHANGED)
        RepaintPanes(window, request);
    DefWindowProcW(window, WM_VSCROLL, wParam, lParam);
    if (delta != 0)
        SyncScrollBar(splitView.focusedScrollBar);
    return 1;
}
