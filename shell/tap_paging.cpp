// A tap inside a pane pages it: the upper (or left) half back, the lower (or
// right) half forward.
#include <stdlib.h>

#include "../pane/text_pane.h"
#include "../settings/flags.h"
#include "app_state.h"
#include "split_view.h"

bool HitPane(const TextPane* pane, int px, int py)
{
    const int g = appState.gutter;
    return pane->x - g <= px && px <= pane->x + pane->width + g && pane->y - g <= py && py <= pane->y + pane->height;
}

int PageStep(uint32_t mode, int linesShown)
{
    return mode == 2 || mode == 4 ? linesShown / 2 : linesShown - 1;
}

bool TapPage(HWND window, TextPane* pane, int px, int py, bool paintNow)
{
    if (!HitPane(pane, px, py))
        return false;
    splitView.focusedPane = pane;
    splitView.focusedScrollBar = pane == splitView.bottomPane ? splitView.bottomScrollBar : splitView.topScrollBar;
    if ((appState.Flags & FLAG_TAP_PAGING) == 0)
        return false;
    const bool vertical = (appState.Flags & FLAG_TAP_VERTICAL) != 0;
    const int u = vertical ? py : px;
    const int origin = vertical ? pane->y : pane->x;
    const int extent = vertical ? pane->height : pane->width;
    const int middle = origin + extent / 2;
    const int step = abs(PageStep((appState.Flags >> 24) & 7, pane->linesShown));
    ScrollPane(pane, u < middle ? -step : step, paintNow ? 1 : 0, 1);
    SyncScrollBar(splitView.focusedScrollBar);
    return true;
}

void HandleTap(HWND window, int px, int py)
{
    if (appState.topPane == nullptr)
        return;
    if (TapPage(window, appState.topPane, px, py, true))
        return;
    if (splitView.bottomPane != nullptr && TapPage(window, splitView.bottomPane, px, py, false))
        RepaintPanes(window, REPAINT_BOTTOM);
}
