// The "Bottom" popup's split commands lay the panes out again.
#include "reader_fixture.h"

namespace {

TEST_F(Reader, SplitCommandsShareTheHeight)
{
    window = StartTestReader();
    RECT client;
    GetClientRect(window, &client);
    const int h = client.bottom - client.top - appState.menuBarHeight;  // no gutter by default

    struct SplitCase {
        UINT command;
        int code;
        int share;  // of h for the bottom pane
    };
    const SplitCase cases[] = {
        {414, 14, h * 1 / 4}, {413, 13, h * 1 / 3}, {423, 23, h * 2 / 3},
        {434, 34, h * 3 / 4}, {401, 1, 0},          {412, 12, h * 1 / 2},
    };
    const int bottomHeightBefore = splitView.bottomPane->height;
    for (const SplitCase& c : cases) {
        SendMessageW(window, WM_COMMAND, c.command, 0);
        EXPECT_EQ(splitView.bottomSection, c.code) << c.command;
        EXPECT_EQ(appState.topPane->height, h - c.share - 2) << c.command;
        if (c.share > 1)
            EXPECT_EQ(splitView.bottomPane->height, c.share - 1) << c.command;
        else
            EXPECT_GT(splitView.bottomPane->height, 0) << "None keeps the bottom pane's last size";
        for (UINT item : {401u, 412u, 413u, 414u, 423u, 434u})
            EXPECT_EQ(MenuItemChecked(40003, item), item == c.command) << c.command << " item " << item;
    }
    EXPECT_EQ(splitView.bottomPane->height, bottomHeightBefore) << "back at half the screen";
}

TEST_F(Reader, ChoosingTheCheckedSplitChangesNothing)
{
    window = StartTestReader();
    splitView.bottomPane->topLine = 3;
    const int lines = splitView.bottomPane->lineCount;
    SendMessageW(window, WM_COMMAND, 412, 0);
    EXPECT_EQ(splitView.bottomPane->topLine, 3);
    EXPECT_EQ(splitView.bottomPane->lineCount, lines);
}

TEST_F(Reader, SplitCodeEndingInZeroIsTheDefault)
{
    StoreDword(L"Software\\Harvelin\\Quillmere", L"BottomSection", 20);
    window = StartTestReader();
    EXPECT_EQ(splitView.bottomSection, 12);
    EXPECT_TRUE(MenuItemChecked(40003, 412));
}

}  // namespace
