// The reader's bar on a desktop: the menu bar along the bottom made from the
// menu-bar template, the command bar along the top, the six tool buttons
// with their pictures and tooltips, and the bar keeping to its edge.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "shell/app_state.h"
#include "shell/menu_bar.h"
#include "shell/switches.h"
#include "support/dialog_driver.h"
#include "test_window.h"

namespace {

const int TOOL_COMMANDS[6] = {CMD_PREVIOUS, CMD_INDEX, CMD_NEXT, CMD_FONT, CMD_SEARCH, CMD_SEARCH_AGAIN};
const wchar_t* const TOOL_TIPS[6] = {L"Previous Article", L"Choose Article", L"Next Article",
                                     L"Choose Font",      L"Search",         L"Search Again"};

std::wstring ButtonText(HWND toolBar, int command)
{
    wchar_t text[64] = {0};
    const LRESULT length = SendMessageW(toolBar, TB_GETBUTTONTEXTW, command, 0);
    if (length < 0 || length >= 64)
        return L"<none>";
    SendMessageW(toolBar, TB_GETBUTTONTEXTW, command, (LPARAM)text);
    return text;
}

// What the tool bar's tooltip shows for a button: the tooltip asks the bar
// for the text, as it does when the mouse rests on the button.
std::wstring TipText(HWND toolBar, int command)
{
    HWND tips = (HWND)SendMessageW(toolBar, TB_GETTOOLTIPS, 0, 0);
    if (tips == nullptr)
        return L"<no tooltip control>";
    wchar_t text[80] = {0};
    TOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.hwnd = toolBar;
    tool.uId = (UINT_PTR)command;
    tool.lpszText = text;
    SendMessageW(tips, TTM_GETTEXTW, 80, (LPARAM)&tool);
    return text;
}

std::wstring ItemText(HMENU menu, int position)
{
    wchar_t text[64] = {0};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

struct MenuItem {
    int command;  // 0 for a separator
    const wchar_t* text;
};

// The menu's two popups as a user sees them; "\b" puts the shortcut's label
// at the right edge.
const MenuItem GO_ITEMS[] = {
    {CMD_ABOUT, L"&About"},
    {CMD_CHECK_UPDATES, L"Check For &Updates"},
    {0, L""},
    {CMD_FONT, L"F&ont\bCtrl+F"},
    {CMD_REVERSE, L"Re&verse"},
    {0, L""},
    {CMD_INDEX, L"&Index\bCtrl+D"},
    {CMD_BOOKMARK, L"&Bookmark"},
    {CMD_PREVIOUS, L"&Previous Article"},
    {CMD_NEXT, L"&Next Article"},
    {0, L""},
    {CMD_SEARCH, L"&Search\bAlt+F3"},
    {CMD_SEARCH_AGAIN, L"Search A&gain\bF3"},
    {0, L""},
    {CMD_COPY, L"&Copy\bCtrl+C"},
    {CMD_APPEND, L"&Append to ClipBoard\bCtrl+E"},
    {0, L""},
    {CMD_EXIT, L"E&xit\bCtrl+Q"},
};

const MenuItem BOTTOM_ITEMS[] = {
    {CMD_BOTTOM_QUARTER, L"1/&4 Screen"},  {CMD_BOTTOM_THIRD, L"1/&3 Screen"},
    {CMD_BOTTOM_HALF, L"1/&2 Screen"},     {CMD_BOTTOM_TWO_THIRDS, L"2/3 Screen"},
    {CMD_BOTTOM_THREE_QUARTERS, L"3/4 Screen"}, {CMD_BOTTOM_NONE, L"&None"},
};

void ExpectPopup(HMENU popup, const MenuItem* items, int count, const char* name)
{
    ASSERT_NE(popup, nullptr) << name;
    ASSERT_EQ(GetMenuItemCount(popup), count) << name;
    for (int i = 0; i < count; i++) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_ID;
        ASSERT_TRUE(GetMenuItemInfoW(popup, i, TRUE, &info)) << name << " item " << i;
        if (items[i].command == 0) {
            EXPECT_TRUE(info.fType & MFT_SEPARATOR) << name << " item " << i << " should be a separator";
            continue;
        }
        EXPECT_EQ((int)info.wID, items[i].command) << name << " item " << i;
        EXPECT_EQ(ItemText(popup, i), std::wstring(items[i].text)) << name << " item " << i;
    }
}

class BarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = CreateTestWindow(40, 40, 480, 360);
        ASSERT_NE(window, nullptr);
        memset(&appState, 0, sizeof appState);
        appState.instance = GetModuleHandleW(nullptr);
        appState.mainWindow = window;
        fullScreen = 0;
    }
    void TearDown() override
    {
        DestroyWindow(window);
        PumpMessages(10);
        fullScreen = 0;
        memset(&appState, 0, sizeof appState);
    }

    // Clicks a tool bar button as the mouse does; a drop-down button's popup
    // opens and is tracked inside the click.
    void ClickButton(HWND toolBar, int command)
    {
        RECT button;
        ASSERT_TRUE(SendMessageW(toolBar, TB_GETRECT, command, (LPARAM)&button)) << command;
        const LPARAM at = MAKELPARAM((button.left + button.right) / 2, (button.top + button.bottom) / 2);
        SendMessageW(toolBar, WM_MOUSEMOVE, 0, at);
        SendMessageW(toolBar, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(toolBar, WM_LBUTTONUP, 0, at);
        PumpMessages(20);
    }

    HWND window = nullptr;
};

TEST(MenuBarWanted, FollowsTheSystemVersionAndTheSwitch)
{
    struct Case {
        DWORD major, minor;
        int menuBarSwitch;
        int wanted;
    };
    const Case cases[] = {
        {4, 21, 0, 1}, {4, 30, 0, 1}, {5, 0, 0, 1}, {6, 1, 0, 1}, {10, 0, 0, 1},
        {4, 20, 0, 0}, {4, 20, 1, 1}, {4, 0, 0, 0},  {3, 99, 0, 0}, {3, 0, 1, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MenuBarWanted(c.major, c.minor, c.menuBarSwitch), c.wanted)
            << "version " << c.major << "." << c.minor << " switch " << c.menuBarSwitch;
}

TEST_F(BarTest, MenuBarFromTheTemplateLiesAlongTheBottomWithGoAndBottom)
{
    SHMENUBARINFO info = {};
    info.cbSize = sizeof info;
    info.hwndParent = window;
    info.dwFlags = SHCMBF_HIDESIPBUTTON;
    info.nToolBarId = IDR_MAIN_MENU;
    info.hInstRes = GetModuleHandleW(nullptr);
    info.nBmpId = IDB_TOOL_BUTTONS;
    info.cBmpImages = 6;
    ASSERT_TRUE(SHCreateMenuBar(&info));
    ASSERT_NE(info.hwndMB, nullptr);
    EXPECT_EQ(GetParent(info.hwndMB), window);
    EXPECT_TRUE(IsWindowVisible(info.hwndMB));

    const RECT client = ClientOnScreen(window);
    const RECT bar = WindowBox(info.hwndMB);
    EXPECT_EQ(bar.bottom, client.bottom);
    EXPECT_EQ(bar.left, client.left);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_GT(bar.bottom - bar.top, 16);

    HWND toolBar = ToolBarOf(info.hwndMB);
    ASSERT_NE(toolBar, nullptr);
    ASSERT_EQ(SendMessageW(info.hwndMB, TB_BUTTONCOUNT, 0, 0), 2);
    EXPECT_EQ(ButtonCommand(toolBar, 0), CMD_GO_MENU);
    EXPECT_EQ(ButtonCommand(toolBar, 1), CMD_BOTTOM_MENU);
    EXPECT_EQ(ButtonText(toolBar, CMD_GO_MENU), L"Go");
    EXPECT_EQ(ButtonText(toolBar, CMD_BOTTOM_MENU), L"Bottom");
    // The bitmap named in the record is ready for buttons.
    HIMAGELIST images = (HIMAGELIST)SendMessageW(info.hwndMB, TB_GETIMAGELIST, 0, 0);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 6);
}

TEST_F(BarTest, SubmenuRequestGivesThePopupsOfTheMenu)
{
    SHMENUBARINFO info = {};
    info.cbSize = sizeof info;
    info.hwndParent = window;
    info.nToolBarId = IDR_MAIN_MENU;
    info.hInstRes = GetModuleHandleW(nullptr);
    ASSERT_TRUE(SHCreateMenuBar(&info));

    HMENU go = (HMENU)SendMessageW(info.hwndMB, SHCMBM_GETSUBMENU, 0, CMD_GO_MENU);
    HMENU bottom = (HMENU)SendMessageW(info.hwndMB, SHCMBM_GETSUBMENU, 0, CMD_BOTTOM_MENU);
    ExpectPopup(go, GO_ITEMS, sizeof GO_ITEMS / sizeof GO_ITEMS[0], "Go");
    ExpectPopup(bottom, BOTTOM_ITEMS, sizeof BOTTOM_ITEMS / sizeof BOTTOM_ITEMS[0], "Bottom");
    // The popup is the bar's own: a check mark set on it stays.
    CheckMenuItem(go, CMD_REVERSE, MF_BYCOMMAND | MF_CHECKED);
    HMENU again = (HMENU)SendMessageW(info.hwndMB, SHCMBM_GETSUBMENU, 0, CMD_GO_MENU);
    EXPECT_EQ(again, go);
    EXPECT_EQ(GetMenuState(again, CMD_REVERSE, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    // Anything but a drop-down button's command has no popup.
    EXPECT_EQ(SendMessageW(info.hwndMB, SHCMBM_GETSUBMENU, 0, 40002), 0);
    EXPECT_EQ(SendMessageW(info.hwndMB, SHCMBM_GETSUBMENU, 0, CMD_FONT), 0);
}

TEST_F(BarTest, MenuBarRefusesBadRecordsAndTemplates)
{
    struct Case {
        const char* name;
        DWORD size;
        DWORD flags;
        UINT id;
        bool parent;
    };
    // 950: two buttons promised, one given; 951: a popup the menu lacks;
    // 952: a string the table lacks; 953: a menu that does not exist;
    // 954: shorter than its header.
    const Case cases[] = {
        {"record size", sizeof(SHMENUBARINFO) - 4, 0, IDR_MAIN_MENU, true},
        {"unknown flag", sizeof(SHMENUBARINFO), 0x0001, IDR_MAIN_MENU, true},
        {"no parent", sizeof(SHMENUBARINFO), 0, IDR_MAIN_MENU, false},
        {"no template", sizeof(SHMENUBARINFO), 0, 949, true},
        {"short template", sizeof(SHMENUBARINFO), 0, 950, true},
        {"missing popup", sizeof(SHMENUBARINFO), 0, 951, true},
        {"missing string", sizeof(SHMENUBARINFO), 0, 952, true},
        {"missing menu", sizeof(SHMENUBARINFO), 0, 953, true},
        {"shorter than header", sizeof(SHMENUBARINFO), 0, 954, true},
    };
    for (const Case& c : cases) {
        SHMENUBARINFO info = {};
        info.cbSize = c.size;
        info.hwndParent = c.parent ? window : nullptr;
        info.dwFlags = c.flags;
        info.nToolBarId = c.id;
        info.hInstRes = GetModuleHandleW(nullptr);
        info.hwndMB = (HWND)(INT_PTR)0x6666;
        EXPECT_FALSE(SHCreateMenuBar(&info)) << c.name;
        if (c.size == sizeof(SHMENUBARINFO)) {
            EXPECT_EQ(info.hwndMB, nullptr) << c.name;
        }
        EXPECT_EQ(FindWindowExW(window, nullptr, L"QuillmerePocketBar", nullptr), nullptr) << c.name;
    }
}

TEST_F(BarTest, ReaderMenuBarHasTheSixToolButtonsWithPicturesAndTooltips)
{
    CreateMenuBar();
    // A desktop reports a version far above 4.21.
    EXPECT_EQ(appState.useMenuBar, 1);
    ASSERT_NE(appState.menuBar, nullptr);
    HWND toolBar = ToolBarOf(appState.menuBar);
    ASSERT_NE(toolBar, nullptr);

    ASSERT_EQ(SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0), 8);
    EXPECT_EQ(ButtonCommand(toolBar, 0), CMD_GO_MENU);
    EXPECT_EQ(ButtonCommand(toolBar, 1), CMD_BOTTOM_MENU);
    for (int i = 0; i < 6; i++) {
        TBBUTTON button = {};
        ASSERT_TRUE(SendMessageW(toolBar, TB_GETBUTTON, 2 + i, (LPARAM)&button));
        EXPECT_EQ(button.idCommand, TOOL_COMMANDS[i]) << "button " << i;
        EXPECT_EQ(button.iBitmap, i) << "button " << i;
        EXPECT_TRUE(button.fsState & TBSTATE_ENABLED) << "button " << i;
        EXPECT_EQ(TipText(toolBar, TOOL_COMMANDS[i]), std::wstring(TOOL_TIPS[i])) << "button " << i;
    }
    // The drop-down buttons show their text and no tooltip.
    EXPECT_EQ(TipText(toolBar, CMD_GO_MENU), L"");
    EXPECT_EQ(TipText(toolBar, CMD_BOTTOM_MENU), L"");

    HIMAGELIST images = (HIMAGELIST)SendMessageW(toolBar, TB_GETIMAGELIST, 0, 0);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(ImageList_GetImageCount(images), 6);

    // The height the panes leave free is the bar's real height, with every
    // button in it.
    const RECT bar = WindowBox(appState.menuBar);
    EXPECT_EQ(appState.menuBarHeight, bar.bottom - bar.top);
    EXPECT_GT(appState.menuBarHeight, 16);
    EXPECT_EQ(bar.bottom, ClientOnScreen(window).bottom);
    RECT lastButton;
    ASSERT_TRUE(SendMessageW(toolBar, TB_GETITEMRECT, 7, (LPARAM)&lastButton));
    MapWindowPoints(toolBar, nullptr, (POINT*)&lastButton, 2);
    EXPECT_GE(lastButton.top, bar.top);
    EXPECT_LE(lastButton.bottom, bar.bottom);

    SaveWindowPicture(window, QM_SCREENSHOT_DIR "/menu_bar.png");
}

TEST_F(BarTest, MenuBarStaysAlongTheBottomThroughResizes)
{
    CreateMenuBar();
    ASSERT_NE(appState.menuBar, nullptr);
    const int height = appState.menuBarHeight;
    struct Size {
        int width, height;
    };
    const Size sizes[] = {{640, 480}, {300, 220}, {800, 300}, {240, 320}};
    for (const Size& size : sizes) {
        SetWindowPos(window, nullptr, 0, 0, size.width, size.height, SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages(10);
        const RECT client = ClientOnScreen(window);
        const RECT bar = WindowBox(appState.menuBar);
        EXPECT_EQ(bar.bottom, client.bottom) << size.width << " x " << size.height;
        EXPECT_EQ(bar.left, client.left) << size.width << " x " << size.height;
        EXPECT_EQ(bar.right, client.right) << size.width << " x " << size.height;
        EXPECT_EQ(bar.bottom - bar.top, height) << size.width << " x " << size.height;
    }
    // Maximised and back.
    ShowWindow(window, SW_MAXIMIZE);
    PumpMessages(20);
    EXPECT_EQ(WindowBox(appState.menuBar).bottom, ClientOnScreen(window).bottom) << "maximised";
    ShowWindow(window, SW_RESTORE);
    PumpMessages(20);
    EXPECT_EQ(WindowBox(appState.menuBar).bottom, ClientOnScreen(window).bottom) << "restored";
}

TEST_F(BarTest, ToolButtonsSendTheirCommandsToTheMainWindow)
{
    CreateMenuBar();
    HWND toolBar = ToolBarOf(appState.menuBar);
    ASSERT_NE(toolBar, nullptr);
    for (int command : TOOL_COMMANDS) {
        ClearTestWindowLog();
        ClickButton(toolBar, command);
        EXPECT_EQ(TestWindowLog().commands, std::vector<int>{command}) << "button " << command;
    }
}

TEST_F(BarTest, CommandBarLiesAlongTheTopWithTheMenu)
{
    appState.useMenuBar = 0;  // as on a system before 4.21
    BuildMenuBar();
    ASSERT_NE(appState.menuBar, nullptr);
    EXPECT_TRUE(IsWindowVisible(appState.menuBar));
    const RECT client = ClientOnScreen(window);
    const RECT bar = WindowBox(appState.menuBar);
    EXPECT_EQ(bar.top, client.top);
    EXPECT_EQ(bar.left, client.left);
    EXPECT_EQ(bar.right, client.right);
    EXPECT_EQ(appState.menuBarHeight, bar.bottom - bar.top);
    EXPECT_EQ(CommandBar_Height(appState.menuBar), appState.menuBarHeight);
    EXPECT_GT(appState.menuBarHeight, 16);

    // The check marks of the commands are found by command in the whole menu.
    HMENU menu = CommandBar_GetMenu(appState.menuBar, 0);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 2);
    EXPECT_EQ(ItemText(menu, 0), L"&Go");
    EXPECT_EQ(ItemText(menu, 1), L"&Bottom");
    EXPECT_NE(CheckMenuItem(menu, CMD_REVERSE, MF_BYCOMMAND | MF_CHECKED), (DWORD)-1);
    EXPECT_EQ(GetMenuState(GetSubMenu(menu, 0), CMD_REVERSE, MF_BYCOMMAND) & MF_CHECKED, (UINT)MF_CHECKED);
    EXPECT_NE(CheckMenuRadioItem(menu, CMD_BOTTOM_NONE, CMD_BOTTOM_THREE_QUARTERS, CMD_BOTTOM_HALF, MF_BYCOMMAND), 0);

    HWND toolBar = ToolBarOf(appState.menuBar);
    ASSERT_EQ(SendMessageW(toolBar, TB_BUTTONCOUNT, 0, 0), 8);
    EXPECT_EQ(ButtonText(toolBar, ButtonCommand(toolBar, 0)), L"&Go");
    EXPECT_EQ(ButtonText(toolBar, ButtonCommand(toolBar, 1)), L"&Bottom");
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(ButtonCommand(toolBar, 2 + i), TOOL_COMMANDS[i]) << "button " << i;
        EXPECT_EQ(TipText(toolBar, TOOL_COMMANDS[i]), std::wstring(TOOL_TIPS[i])) << "button " << i;
    }
    // No close box outside full-screen mode: the caption has one.
    EXPECT_EQ(FindWindowExW(appState.menuBar, nullptr, L"BUTTON", nullptr), nullptr);

    SetWindowPos(window, nullptr, 0, 0, 300, 250, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages(10);
    EXPECT_EQ(WindowBox(appState.menuBar).top, ClientOnScreen(window).top);
    EXPECT_EQ(WindowBox(appState.menuBar).right, ClientOnScreen(window).right);

    SaveWindowPicture(window, QM_SCREENSHOT_DIR "/command_bar.png");
}

TEST_F(BarTest, FullScreenCommandBarHasACloseBoxThatClosesTheWindow)
{
    fullScreen = 1;
    appState.useMenuBar = 0;
    BuildMenuBar();
    ASSERT_NE(appState.menuBar, nullptr);
    HWND closeBox = FindWindowExW(appState.menuBar, nullptr, L"BUTTON", nullptr);
    ASSERT_NE(closeBox, nullptr);
    EXPECT_TRUE(IsWindowVisible(closeBox));
    // At the right end, clear of the tool buttons.
    const RECT box = WindowBox(closeBox);
    EXPECT_LE(box.right, WindowBox(appState.menuBar).right);
    EXPECT_GT(box.left, (WindowBox(appState.menuBar).left + WindowBox(appState.menuBar).right) / 2);
    RECT last;
    HWND toolBar = ToolBarOf(appState.menuBar);
    SendMessageW(toolBar, TB_GETITEMRECT, 7, (LPARAM)&last);
    MapWindowPoints(toolBar, nullptr, (POINT*)&last, 2);
    EXPECT_LE(last.right, box.left);

    SendMessageW(closeBox, BM_CLICK, 0, 0);
    PumpMessages(20);
    EXPECT_EQ(TestWindowLog().closes, 1);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(BarTest, CommandBarCallsRefuseWhatTheyCannotDo)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    // Windows that are not bars: nothing happens to them.
    for (HWND other : {window, (HWND) nullptr}) {
        EXPECT_FALSE(CommandBar_Show(other, TRUE));
        EXPECT_EQ(CommandBar_Height(other), 0);
        EXPECT_FALSE(CommandBar_InsertMenubar(other, instance, IDR_MAIN_MENU, 0));
        EXPECT_EQ(CommandBar_GetMenu(other, 0), nullptr);
        EXPECT_EQ(CommandBar_AddBitmap(other, instance, IDB_TOOL_BUTTONS, 6, 16, 16), -1);
        EXPECT_FALSE(CommandBar_AddAdornments(other, 0, 0));
        CommandBar_Destroy(other);
    }
    EXPECT_TRUE(IsWindow(window));

    HWND bar = CommandBar_Create(instance, window, 1);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(bar));  // until CommandBar_Show
    // One bar per window.
    EXPECT_EQ(CommandBar_Create(instance, window, 2), nullptr);
    SHMENUBARINFO info = {};
    info.cbSize = sizeof info;
    info.hwndParent = window;
    info.nToolBarId = IDR_MAIN_MENU;
    info.hInstRes = instance;
    EXPECT_FALSE(SHCreateMenuBar(&info));
    // One menu, from a menu that exists.
    EXPECT_FALSE(CommandBar_InsertMenubar(bar, instance, 960, 0));
    EXPECT_TRUE(CommandBar_InsertMenubar(bar, instance, IDR_MAIN_MENU, 0));
    EXPECT_FALSE(CommandBar_InsertMenubar(bar, instance, IDR_MAIN_MENU, 0));
    EXPECT_EQ(SendMessageW(bar, TB_BUTTONCOUNT, 0, 0), 2);
    // Images of one size: once there are 16 x 16 ones, 20 x 20 ones are refused.
    EXPECT_EQ(CommandBar_AddBitmap(bar, instance, IDB_TOOL_BUTTONS, 6, 16, 16), 0);
    EXPECT_EQ(CommandBar_AddBitmap(bar, instance, IDB_TOOL_BUTTONS, 6, 20, 20), -1);
    // Only the close box is known.
    EXPECT_FALSE(CommandBar_AddAdornments(bar, 0x0100, 0));
    EXPECT_EQ(FindWindowExW(bar, nullptr, L"BUTTON", nullptr), nullptr);
    EXPECT_TRUE(CommandBar_Show(bar, TRUE));
    EXPECT_TRUE(IsWindowVisible(bar));
    CommandBar_Destroy(bar);
    EXPECT_FALSE(IsWindow(bar));
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(BarTest, DestroyedBarGivesTheWindowBackItsOwnProcedure)
{
    const LONG_PTR own = GetWindowLongPtrW(window, GWLP_WNDPROC);
    CreateMenuBar();
    ASSERT_NE(appState.menuBar, nullptr);
    EXPECT_NE(GetWindowLongPtrW(window, GWLP_WNDPROC), own);
    DestroyWindow(appState.menuBar);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), own);
    // A new bar can be made on the same window.
    BuildMenuBar();
    EXPECT_NE(appState.menuBar, nullptr);
}

}  // namespace
