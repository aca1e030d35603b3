// Moving a pane's top line.
#include "text_pane.h"

int ScrollPane(TextPane* pane, int delta, int paint, int stopAtEnd)
{
    if (pane == nullptr)
        return -1;
    // Wide enough that no delta overflows.
    long long target = (long long)pane->topLine + delta;
    if (target < 0) {
        target = 0;
    } else if (stopAtEnd || target > pane->totalLines) {
        // A forward step from the end is refused; one past the text lands
        // on the last full page.
        if (target >= pane->topLine && pane->topLine >= pane->maxTopLine)
            return SCROLL_UNCHANGED;
        if (target > pane->totalLines)
            target = pane->maxTopLine;
    }
    if (paint == 1 && target == pane->topLine)
        return SCROLL_UNCHANGED;
    const bool moved = target != pane->topLine;
    if (moved)
        pane->topLine = (uint16_t)target;
    if (paint != 0)
        return PaintPane(pane, 1);
    return moved ? SCROLL_MOVED : SCROLL_UNCHANGED;
}
