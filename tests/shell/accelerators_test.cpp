// The shortcut labels of the menu work: accelerator table 3 turns each key
// into the command of its item, and only with the right modifiers.
#include <gtest/gtest.h>
#include <string.h>

#include "resources/resource_ids.h"
#include "support/dialog_driver.h"
#include "test_window.h"

namespace {

enum { CTRL = 1, ALT = 2, SHIFT = 4 };

struct KeyCase {
    const char* name;
    UINT key;
    int modifiers;
    int command;  // 0: the key is not a shortcut
};

const KeyCase KEY_CASES[] = {
    {"Ctrl+F", 'F', CTRL, CMD_FONT},
    {"Ctrl+D", 'D', CTRL, CMD_INDEX},
    {"Alt+F3", VK_F3, ALT, CMD_SEARCH},
    {"F3", VK_F3, 0, CMD_SEARCH_AGAIN},
    {"Ctrl+C", 'C', CTRL, CMD_COPY},
    {"Ctrl+E", 'E', CTRL, CMD_APPEND},
    {"Ctrl+Q", 'Q', CTRL, CMD_EXIT},
    {"F alone", 'F', 0, 0},
    {"Ctrl+Shift+F", 'F', CTRL | SHIFT, 0},
    {"Alt+F", 'F', ALT, 0},
    {"Shift+F3", VK_F3, SHIFT, 0},
    {"Ctrl+F3", VK_F3, CTRL, 0},
    {"Ctrl+X", 'X', CTRL, 0},
    {"Q alone", 'Q', 0, 0},
};

void HoldModifiers(int modifiers)
{
    BYTE keys[256];
    memset(keys, 0, sizeof keys);
    if (modifiers & CTRL)
        keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
    if (modifiers & ALT)
        keys[VK_MENU] = keys[VK_LMENU] = 0x80;
    if (modifiers & SHIFT)
        keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
    SetKeyboardState(keys);
}

TEST(Accelerators, MenuShortcutsGiveTheirItemsCommands)
{
    HWND window = CreateTestWindow(80, 80, 320, 240);
    ASSERT_NE(window, nullptr);
    HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    for (const KeyCase& c : KEY_CASES) {
        ClearTestWindowLog();
        HoldModifiers(c.modifiers);
        MSG message = {};
        message.hwnd = window;
        // With Alt held a key arrives as a system key.
        message.message = (c.modifiers & ALT) ? WM_SYSKEYDOWN : WM_KEYDOWN;
        message.wParam = c.key;
        message.lParam = (c.modifiers & ALT) ? 0x20000001 : 1;
        const int translated = TranslateAcceleratorW(window, table, &message);
        if (c.command == 0) {
            EXPECT_EQ(translated, 0) << c.name;
            EXPECT_TRUE(TestWindowLog().commands.empty()) << c.name;
        } else {
            EXPECT_NE(translated, 0) << c.name;
            EXPECT_EQ(TestWindowLog().commands, std::vector<int>{c.command}) << c.name;
        }
    }
    HoldModifiers(0);
    DestroyAcceleratorTable(table);
    DestroyWindow(window);
}

}  // namespace
