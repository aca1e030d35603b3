// The bar's popups, opened with the mouse and from the keyboard, and the
// commands of their items reaching the main window.
#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "resources/resource_ids.h"
#include "shell/app_state.h"
#include "shell/menu_bar.h"
#include "shell/switches.h"
#include "support/dialog_driver.h"
#include "test_window.h"

namespace {

class BarMenusTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        window = CreateTestWindow(60, 60, 480, 360);
        ASSERT_NE(window, nullptr);
        memset(&appState, 0, sizeof appState);
        appState.instance = GetModuleHandleW(nullptr);
        appState.mainWindow = window;
        appState.useMenuBar = GetParam();  // 1: the menu bar, 0: the command bar
        BuildMenuBar();
        ASSERT_NE(appState.menuBar, nullptr);
        toolBar = FindWindowExW(appState.menuBar, nullptr, TOOLBARCLASSNAMEW, nullptr);
        ASSERT_NE(toolBar, nullptr);
        ClearTestWindowLog();
    }
    void TearDown() override
    {
        DestroyWindow(window);
        PumpMessages(10);
        memset(&appState, 0, sizeof appState);
    }

    HMENU Popup(int position)
    {
        HMENU menu = appState.useMenuBar ? nullptr : CommandBar_GetMenu(appState.menuBar, 0);
        if (appState.useMenuBar)
            return (HMENU)SendMessageW(appState.menuBar, SHCMBM_GETSUBMENU, 0,
                                       position == 0 ? CMD_GO_MENU : CMD_BOTTOM_MENU);
        return GetSubMenu(menu, position);
    }

    // Presses drop-down button position (0 "Go", 1 "Bottom") with the mouse;
    // returns once the popups have closed.
    void ClickMenuButton(int position)
    {
        TBBUTTON button = {};
        ASSERT_TRUE(SendMessageW(toolBar, TB_GETBUTTON, position, (LPARAM)&button));
        RECT box;
        ASSERT_TRUE(SendMessageW(toolBar, TB_GETITEMRECT, position, (LPARAM)&box));
        const LPARAM at = MAKELPARAM((box.left + box.right) / 2, (box.top + box.bottom) / 2);
        SendMessageW(toolBar, WM_MOUSEMOVE, 0, at);
        SendMessageW(toolBar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(toolBar, WM_LBUTTONUP, 0, at);
        PumpMessages(30);
    }

    // A key pressed with Alt (0 for F10), through the window's default
    // handling as a keyboard delivers it.
    void PressMenuKey(wchar_t letter)
    {
        const LPARAM altDown = 0x20000001;
        if (letter == 0) {
            PostMessageW(window, WM_SYSKEYDOWN, VK_F10, 1);
            PostMessageW(window, WM_SYSKEYUP, VK_F10, 0xC0000001);
        } else {
            PostMessageW(window, WM_SYSKEYDOWN, towupper(letter), altDown);
            PostMessageW(window, WM_SYSCHAR, letter, altDown);
            PostMessageW(window, WM_SYSKEYUP, towupper(letter), altDown | 0xC0000000);
        }
        MSG message;
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < 100) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
                continue;
            }
            DispatchMessageW(&message);
        }
    }

    HWND window = nullptr;
    HWND toolBar = nullptr;
};

TEST_P(BarMenusTest, ClickedButtonOpensItsPopupAndItsItemsSendCommands)
{
    struct Case {
        const char* name;
        int button;
        std::vector<std::vector<int>> script;
        int command;  // 0: none
    };
    const Case cases[] = {
        {"Go, x", 0, {{CHAR_KEY(L'x')}}, CMD_EXIT},
        {"Go, down, enter", 0, {{VK_DOWN, VK_RETURN}}, CMD_ABOUT},
        {"Go, up, up, enter", 0, {{VK_UP, VK_UP, VK_RETURN}}, CMD_APPEND},
        {"Go, v", 0, {{CHAR_KEY(L'v')}}, CMD_REVERSE},
        {"Bottom, n", 1, {{CHAR_KEY(L'n')}}, CMD_BOTTOM_NONE},
        {"Bottom, 4", 1, {{CHAR_KEY(L'4')}}, CMD_BOTTOM_QUARTER},
        {"Bottom, up, enter", 1, {{VK_UP, VK_RETURN}}, CMD_BOTTOM_NONE},
        {"Go, escape", 0, {{VK_ESCAPE}}, 0},
    };
    for (const Case& c : cases) {
        ClearTestWindowLog();
        SetPopupScript(c.script);
        ClickMenuButton(c.button);
        ASSERT_EQ(TestWindowLog().popups.size(), 1u) << c.name;
        EXPECT_EQ(TestWindowLog().popups[0], Popup(c.button)) << c.name;
        const std::vector<int> expected = c.command ? std::vector<int>{c.command} : std::vector<int>{};
        EXPECT_EQ(TestWindowLog().commands, expected) << c.name;
        EXPECT_FALSE(SendMessageW(toolBar, TB_ISBUTTONPRESSED, ButtonCommand(toolBar, c.button), 0)) << c.name;
    }
}

TEST_P(BarMenusTest, KeyboardOpensThePopupsWithTheFirstItemChosen)
{
    struct Case {
        const char* name;
        wchar_t letter;  // with Alt; 0 for F10
        std::vector<std::vector<int>> script;
        std::vector<int> popups;  // 0 Go, 1 Bottom, in the order they open
        int command;
    };
    const Case cases[] = {
        {"F10, enter", 0, {{VK_RETURN}}, {0}, CMD_ABOUT},
        {"Alt+G, enter", L'g', {{VK_RETURN}}, {0}, CMD_ABOUT},
        {"Alt+B, enter", L'b', {{VK_RETURN}}, {1}, CMD_BOTTOM_QUARTER},
        {"Alt+B, down, enter", L'b', {{VK_DOWN, VK_RETURN}}, {1}, CMD_BOTTOM_THIRD},
        {"Alt+G, right, enter", L'g', {{VK_RIGHT}, {VK_RETURN}}, {0, 1}, CMD_BOTTOM_QUARTER},
        {"Alt+G, left, enter", L'g', {{VK_LEFT}, {VK_RETURN}}, {0, 1}, CMD_BOTTOM_QUARTER},
        {"Alt+B, right, right, enter", L'b', {{VK_RIGHT}, {VK_RIGHT}, {VK_RETURN}}, {1, 0, 1}, CMD_BOTTOM_QUARTER},
        {"Alt+B, left, x", L'b', {{VK_LEFT}, {CHAR_KEY(L'x')}}, {1, 0}, CMD_EXIT},
        {"Alt+G, escape", L'g', {{VK_ESCAPE}}, {0}, 0},
    };
    for (const Case& c : cases) {
        ClearTestWindowLog();
        SetPopupScript(c.script);
        PressMenuKey(c.letter);
        PumpMessages(20);
        std::vector<HMENU> expectedPopups;
        for (int p : c.popups)
            expectedPopups.push_back(Popup(p));
        EXPECT_EQ(TestWindowLog().popups, expectedPopups) << c.name;
        const std::vector<int> expected = c.command ? std::vector<int>{c.command} : std::vector<int>{};
        EXPECT_EQ(TestWindowLog().commands, expected) << c.name;
    }
}

void MoveMouseTo(POINT at)
{
    SetCursorPos(at.x, at.y);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void ClickMouseAt(POINT at)
{
    MoveMouseTo(at);
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, input, sizeof input[0]);
}

TEST_P(BarMenusTest, MouseMovesBetweenPopupsAndClosesTheOpenOne)
{
    RECT boxes[2];
    POINT middles[2];
    for (int i = 0; i < 2; i++) {
        ASSERT_TRUE(SendMessageW(toolBar, TB_GETITEMRECT, i, (LPARAM)&boxes[i]));
        MapWindowPoints(toolBar, nullptr, (POINT*)&boxes[i], 2);
        middles[i] = POINT{(boxes[i].left + boxes[i].right) / 2, (boxes[i].top + boxes[i].bottom) / 2};
    }
    const RECT client = ClientOnScreen(window);
    const POINT away = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};

    // Over the other button while a popup is open: that one opens instead.
    MoveMouseTo(away);
    PumpMessages(20);
    ClearTestWindowLog();
    SetPopupScript({{}, {VK_DOWN, VK_RETURN}});
    SetPopupAction([&middles](size_t step) {
        if (step == 0)
            MoveMouseTo(middles[1]);
    });
    ClickMenuButton(0);
    EXPECT_EQ(TestWindowLog().popups, (std::vector<HMENU>{Popup(0), Popup(1)}));
    EXPECT_EQ(TestWindowLog().commands, std::vector<int>{CMD_BOTTOM_QUARTER});

    // A click on the open popup's own button closes it for good.
    MoveMouseTo(away);
    PumpMessages(20);
    ClearTestWindowLog();
    SetPopupAction([&middles](size_t step) {
        if (step == 0)
            ClickMouseAt(middles[0]);
    });
    ClickMenuButton(0);
    PumpMessages(50);
    EXPECT_EQ(TestWindowLog().popups, std::vector<HMENU>{Popup(0)});
    EXPECT_TRUE(TestWindowLog().commands.empty());
    MoveMouseTo(away);
}

TEST_P(BarMenusTest, OtherAltKeysAreLeftToTheWindow)
{
    // Alt+Q names no popup: nothing opens, the window's default handling
    // has it.
    ClearTestWindowLog();
    SetPopupScript({{VK_ESCAPE}});
    PressMenuKey(L'q');
    EXPECT_TRUE(TestWindowLog().popups.empty());
    EXPECT_TRUE(TestWindowLog().commands.empty());
}

INSTANTIATE_TEST_SUITE_P(BothBars, BarMenusTest, ::testing::Values(1, 0), [](const ::testing::TestParamInfo<int>& info) {
    return info.param ? std::string("MenuBar") : std::string("CommandBar");
});

}  // namespace
