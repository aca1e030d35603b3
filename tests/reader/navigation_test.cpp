#include "reader_fixture.h"
#include "settings/registry_access.h"
#include "shell/menus.h"

namespace {

void Command(UINT id)
{
    SendMessageW(appState.mainWindow, WM_COMMAND, id, 0);
}

TEST_F(Reader, NextAndPreviousStepByPairsAndWrap)
{
    window = StartTestReader();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(appState.currentSection, 1);
    EXPECT_TRUE(PaneShows(appState.topPane, 1));
    EXPECT_TRUE(PaneShows(splitView.bottomPane, 2));

    struct Step {
        UINT command;
        int top;
    };
    const Step steps[] = {{109, 3}, {109, 5}, {109, 7}, {109, 9}, {109, 1}, {110, 9}, {110, 7}, {110, 5}};
    for (const Step& s : steps) {
        Command(s.command);
        EXPECT_EQ(appState.currentSection, s.top) << "command " << s.command;
        EXPECT_TRUE(PaneShows(appState.topPane, s.top)) << s.top;
        EXPECT_TRUE(PaneShows(splitView.bottomPane, s.top + 1)) << s.top + 1;
        EXPECT_EQ(appState.topPane->topLine, 0);
        EXPECT_EQ(splitView.bottomPane->topLine, 0);
    }
    // The arrow keys step the same way.
    SendMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(appState.currentSection, 7);
    SendMessageW(window, WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(appState.currentSection, 5);
}

TEST_F(Reader, EvenSectionShiftsThePairs)
{
    StoreDword(PRODUCT_KEY, L"Lesson", 4);
    window = StartTestReader();
    EXPECT_TRUE(PaneShows(appState.topPane, 4));
    EXPECT_TRUE(PaneShows(splitView.bottomPane, 5));
    Command(109);
    EXPECT_EQ(appState.currentSection, 6);
    EXPECT_TRUE(PaneShows(splitView.bottomPane, 7));
}

TEST_F(Reader, ReverseTogglesItsCheckAndTheFlag)
{
    window = StartTestReader();
    EXPECT_FALSE(MenuItemChecked(40001, 122));
    Command(122);
    EXPECT_TRUE(MenuItemChecked(40001, 122));
    EXPECT_NE(appState.Flags & 0x800, 0u);
    Command(122);
    EXPECT_FALSE(MenuItemChecked(40001, 122));
    EXPECT_EQ(appState.Flags & 0x800, 0u);
}

}  // namespace
