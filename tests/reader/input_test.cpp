// Keys, scroll bars and taps on the real main window.
#include "reader_fixture.h"

namespace {

int ScrollBarPosition(HWND bar)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS | SIF_RANGE;
    GetScrollInfo(bar, SB_CTL, &info);
    return info.nPos;
}

// The page a key or a tap turns: one less than the line units the last
// paint showed, which depends on where the pane stands.
int PageNow(const TextPane* pane)
{
    return pane->linesShown - 1;
}

TEST_F(Reader, KeysScrollTheFocusedPane)
{
    window = StartTestReader();
    TextPane* top = appState.topPane;
    ASSERT_GT(top->linesShown, 2);
    ASSERT_GT(top->maxTopLine, top->linesShown);

    struct KeyCase {
        WPARAM key;
        int delta;  // 0: to an end
    };
    const KeyCase cases[] = {{VK_DOWN, 1}, {VK_DOWN, 1}, {VK_UP, -1}, {VK_NEXT, 2}, {VK_PRIOR, -2},
                             {VK_END, 0},  {VK_HOME, 0}, {VK_UP, -1}};
    for (const KeyCase& c : cases) {
        const int before = top->topLine;
        const int page = PageNow(top);
        int expected = c.delta == 2 ? before + page : c.delta == -2 ? before - page : before + c.delta;
        if (c.key == VK_END)
            expected = before + top->maxTopLine;
        if (c.key == VK_HOME)
            expected = 0;
        if (expected < 0)
            expected = 0;
        EXPECT_EQ(SendMessageW(window, WM_KEYDOWN, c.key, 0), 0) << c.key;
        EXPECT_EQ(top->topLine, expected) << "key " << c.key;
        EXPECT_EQ(ScrollBarPosition(splitView.topScrollBar), top->topLine < top->maxTopLine ? top->topLine : top->maxTopLine)
            << "key " << c.key;
    }
    EXPECT_EQ(SendMessageW(window, WM_KEYDOWN, 'A', 0), 1) << "other keys are not handled";
    EXPECT_EQ(splitView.bottomPane->topLine, 0) << "the bottom pane did not move";
}

TEST_F(Reader, BottomScrollBarTakesTheFocus)
{
    window = StartTestReader();
    HWND bar = splitView.bottomScrollBar;
    TextPane* bottom = splitView.bottomPane;
    SendMessageW(window, WM_VSCROLL, SB_LINEDOWN, (LPARAM)bar);
    EXPECT_EQ(bottom->topLine, 1);
    EXPECT_EQ(splitView.focusedPane, bottom);
    EXPECT_EQ(ScrollBarPosition(bar), 1);
    SendMessageW(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5), (LPARAM)bar);
    EXPECT_EQ(bottom->topLine, 5);
    SendMessageW(window, WM_VSCROLL, SB_TOP, (LPARAM)bar);
    EXPECT_EQ(bottom->topLine, 0);
    SendMessageW(window, WM_VSCROLL, SB_BOTTOM, (LPARAM)bar);
    EXPECT_EQ(bottom->topLine, bottom->maxTopLine);
    EXPECT_EQ(ScrollBarPosition(bar), bottom->maxTopLine);
    // Keys now act on the bottom pane.
    SendMessageW(window, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(bottom->topLine, 0);
    EXPECT_EQ(appState.topPane->topLine, 0);
    // The top bar gives the focus back.
    const int page = PageNow(appState.topPane);
    SendMessageW(window, WM_VSCROLL, SB_PAGEDOWN, (LPARAM)splitView.topScrollBar);
    EXPECT_EQ(appState.topPane->topLine, page);
    EXPECT_EQ(splitView.focusedPane, appState.topPane);
}

TEST_F(Reader, TapsPageInBothHalves)
{
    window = StartTestReader();
    TextPane* top = appState.topPane;
    const int x = top->x + top->width / 2;
    const int lower = top->y + top->height * 3 / 4;
    const int upper = top->y + top->height / 4;
    struct TapCase {
        int y;
        int direction;
    };
    for (const TapCase& c : {TapCase{lower, 1}, TapCase{lower, 1}, TapCase{upper, -1}}) {
        const int expected = top->topLine + c.direction * PageNow(top);
        SendMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(x, c.y));
        EXPECT_EQ(top->topLine, expected) << "tap at " << c.y;
    }

    const int topLine = top->topLine;
    TextPane* bottom = splitView.bottomPane;
    const int bottomStep = PageNow(bottom);
    SendMessageW(window, WM_LBUTTONDOWN, 0, MAKELPARAM(x, bottom->y + bottom->height - 2));
    EXPECT_EQ(bottom->topLine, bottomStep);
    EXPECT_EQ(splitView.focusedPane, bottom);
    EXPECT_EQ(top->topLine, topLine) << "the top pane stays";
}

TEST_F(Reader, OrdinaryWindowChangesDoNotEndTheProgram)
{
    window = StartTestReader();
    MoveWindow(window, 10, 10, 300, 420, TRUE);
    PumpMessages();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(appState.topPane->width + GetSystemMetrics(SM_CXVSCROLL), splitView.storedWidth)
        << "a resize lays the panes out again";
    ShowWindow(window, SW_MINIMIZE);
    PumpMessages();
    ShowWindow(window, SW_RESTORE);
    PumpMessages();
    SetActiveWindow(window);
    PumpMessages();
    EXPECT_TRUE(IsWindow(window));
}

}  // namespace
