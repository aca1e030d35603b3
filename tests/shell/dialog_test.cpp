// Dialogs on a desktop: fitted to the main window as the device fits them to
// its screen, and given the OK button that their template asks for.
#include <gtest/gtest.h>
#include <string.h>

#include "resources/resource_ids.h"
#include "shell/app_state.h"
#include "shell/menu_bar.h"
#include "shell/prepare_dialog.h"
#include "shell/switches.h"
#include "support/dialog_driver.h"
#include "test_window.h"

namespace {

// Test templates (shell_tests.rc): 900 asks for the caption OK and has no
// controls, like the index dialog; 901 asks for it and has an edit box,
// like the search dialog; 902 asks for nothing.
enum { ASKS_FOR_OK = 900, ASKS_FOR_OK_WITH_EDIT = 901, PLAIN = 902 };
enum { TEMPLATE_WIDTH = 100, TEMPLATE_HEIGHT = 60 };

enum Preparation { NOTHING, PREPARE_DIALOG, SH_INIT_DIALOG };

// What the dialog procedure does and saw; zeroed for each run.
struct Probe {
    Preparation preparation;
    DWORD flags;
    int okCommands;
    int clicksInClient;
};

Probe probe;

INT_PTR CALLBACK ProbeDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG:
        if (probe.preparation == PREPARE_DIALOG)
            PrepareDialog(dialog, probe.flags);
        if (probe.preparation == SH_INIT_DIALOG) {
            SHINITDLGINFO info = {SHIDIM_FLAGS, dialog, probe.flags};
            SHInitDialog(&info);
        }
        return TRUE;
    case WM_LBUTTONDOWN:
        probe.clicksInClient++;
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK)
            probe.okCommands++;
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

// Where the dialog answers a hit test with its OK button: the middle of
// that area in screen coordinates. False when it has none.
bool FindOk(HWND dialog, POINT* middle)
{
    const RECT box = WindowBox(dialog);
    long left = LONG_MAX, right = LONG_MIN, top = LONG_MAX, bottom = LONG_MIN;
    for (long y = box.top; y < box.bottom; y++)
        for (long x = box.left; x < box.right; x++)
            if (SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTOBJECT) {
                left = x < left ? x : left;
                right = x > right ? x : right;
                top = y < top ? y : top;
                bottom = y > bottom ? y : bottom;
            }
    if (left > right)
        return false;
    middle->x = (left + right) / 2;
    middle->y = (top + bottom) / 2;
    return true;
}

void MouseButton(DWORD flags)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void ClickAt(POINT at)
{
    SetCursorPos(at.x, at.y);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
}

// The template's size in pixels, as the dialog manager makes the client area.
SIZE TemplateClient(HWND dialog)
{
    RECT units = {0, 0, TEMPLATE_WIDTH, TEMPLATE_HEIGHT};
    MapDialogRect(dialog, &units);
    return SIZE{units.right, units.bottom};
}

SIZE ClientSize(HWND dialog)
{
    RECT client = {};
    GetClientRect(dialog, &client);
    return SIZE{client.right, client.bottom};
}

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(InstallPocketPcLayer());
        memset(&appState, 0, sizeof appState);
        appState.instance = GetModuleHandleW(nullptr);
        fullScreen = 0;
        owner = CreateTestWindow(120, 90, 360, 420);
        ASSERT_NE(owner, nullptr);
        appState.mainWindow = owner;
        CreateMenuBar();
        ASSERT_NE(appState.menuBar, nullptr);
        probe = Probe{};
    }
    void TearDown() override
    {
        DestroyWindow(owner);
        PumpMessages(10);
        fullScreen = 0;
        memset(&appState, 0, sizeof appState);
    }

    DialogRun Run(int id, const std::function<void(HWND)>& script)
    {
        return RunDialogScript(
            [id, this] {
                return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), owner, ProbeDialogProc, 0);
            },
            script, 5000);
    }

    HWND owner = nullptr;
};

TEST_F(DialogTest, PreparedDialogCoversTheMainWindow)
{
    struct Case {
        const char* name;
        Preparation preparation;
        DWORD flags;
        int full;  // the fullScreen switch
    };
    const Case cases[] = {
        {"PrepareDialog 0x1E", PREPARE_DIALOG, 0x1E, 0},
        {"SHInitDialog full screen", SH_INIT_DIALOG, SHIDIF_SIZEDLGFULLSCREEN, 0},
        {"SHInitDialog no menu bar", SH_INIT_DIALOG, SHIDIF_SIZEDLG | SHIDIF_FULLSCREENNOMENUBAR, 0},
    };
    const RECT main = WindowBox(owner);
    for (const Case& c : cases) {
        probe = Probe{c.preparation, c.flags, 0, 0};
        fullScreen = c.full;
        RECT seen = {};
        const DialogRun run = Run(ASKS_FOR_OK, [&seen](HWND dialog) {
            seen = WindowBox(dialog);
            EndDialog(dialog, IDCANCEL);
        });
        ASSERT_TRUE(run.scriptRan) << c.name;
        EXPECT_EQ(seen.left, main.left) << c.name;
        EXPECT_EQ(seen.top, main.top) << c.name;
        EXPECT_EQ(seen.right, main.right) << c.name;
        EXPECT_EQ(seen.bottom, main.bottom) << c.name;
    }
}

TEST_F(DialogTest, SizedDialogLeavesTheMenuBarUncovered)
{
    probe = Probe{SH_INIT_DIALOG, SHIDIF_SIZEDLG, 0, 0};
    RECT seen = {};
    const DialogRun run = Run(ASKS_FOR_OK, [&seen](HWND dialog) {
        seen = WindowBox(dialog);
        EndDialog(dialog, IDCANCEL);
    });
    ASSERT_TRUE(run.scriptRan);
    const RECT main = WindowBox(owner);
    const RECT bar = WindowBox(appState.menuBar);
    EXPECT_EQ(seen.left, main.left);
    EXPECT_EQ(seen.top, main.top);
    EXPECT_EQ(seen.right, main.right);
    EXPECT_EQ(seen.bottom, bar.top);
}

TEST_F(DialogTest, FullScreenDialogReachesTheTopOfTheScreen)
{
    fullScreen = 1;
    probe = Probe{PREPARE_DIALOG, 0x1E, 0, 0};
    RECT seen = {};
    const DialogRun run = Run(ASKS_FOR_OK, [&seen](HWND dialog) {
        seen = WindowBox(dialog);
        EndDialog(dialog, IDCANCEL);
    });
    ASSERT_TRUE(run.scriptRan);
    const RECT main = WindowBox(owner);
    EXPECT_EQ(seen.top, 0);
    EXPECT_EQ(seen.left, main.left);
    EXPECT_EQ(seen.right, main.right);
    EXPECT_EQ(seen.bottom, main.bottom);
}

TEST_F(DialogTest, FittedDialogTakesTheMinimisedWindowsPlace)
{
    const RECT main = WindowBox(owner);
    ShowWindow(owner, SW_MINIMIZE);
    PumpMessages(20);
    probe = Probe{PREPARE_DIALOG, 0x1E, 0, 0};
    RECT seen = {};
    const DialogRun run = Run(ASKS_FOR_OK, [&seen](HWND dialog) {
        seen = WindowBox(dialog);
        EndDialog(dialog, IDCANCEL);
    });
    ASSERT_TRUE(run.scriptRan);
    EXPECT_EQ(seen.left, main.left);
    EXPECT_EQ(seen.top, main.top);
    EXPECT_EQ(seen.right, main.right);
    EXPECT_EQ(seen.bottom, main.bottom);
}

TEST_F(DialogTest, DialogAskingForOkKeepsItsClientAndGetsAnOkThatEndsIt)
{
    SIZE client = {};
    SIZE expected = {};
    RECT box = {};
    bool hasOk = false;
    const DialogRun run = Run(ASKS_FOR_OK, [&](HWND dialog) {
        client = ClientSize(dialog);
        expected = TemplateClient(dialog);
        box = WindowBox(dialog);
        SaveWindowPicture(dialog, QM_SCREENSHOT_DIR "/caption_ok.png");
        POINT ok;
        hasOk = FindOk(dialog, &ok);
        // Below the client area, inside the window.
        const RECT inside = ClientOnScreen(dialog);
        EXPECT_GE(ok.y, inside.bottom);
        EXPECT_LT(ok.y, box.bottom);
        if (hasOk)
            ClickAt(ok);
    });
    ASSERT_TRUE(run.scriptRan);
    EXPECT_FALSE(run.timedOut);
    EXPECT_TRUE(hasOk);
    EXPECT_EQ(client.cx, expected.cx);
    EXPECT_EQ(client.cy, expected.cy);
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(probe.okCommands, 1);
    // The click went to the button, not to the dialog's own client area.
    EXPECT_EQ(probe.clicksInClient, 0);
}

TEST_F(DialogTest, OkReleasedAwayFromTheButtonDoesNothing)
{
    const DialogRun run = Run(ASKS_FOR_OK, [](HWND dialog) {
        POINT ok;
        ASSERT_TRUE(FindOk(dialog, &ok));
        SetCursorPos(ok.x, ok.y);
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        PumpMessages(30);
        const RECT client = ClientOnScreen(dialog);
        SetCursorPos((client.left + client.right) / 2, (client.top + client.bottom) / 2);
        MouseButton(MOUSEEVENTF_MOVE);
        MouseButton(MOUSEEVENTF_LEFTUP);
        PumpMessages(30);
        EXPECT_TRUE(IsWindow(dialog));
        EndDialog(dialog, IDCANCEL);
    });
    ASSERT_TRUE(run.scriptRan);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(probe.okCommands, 0);
    EXPECT_EQ(probe.clicksInClient, 0);
}

TEST_F(DialogTest, EnterIsOkAndEscapeIsCancel)
{
    struct Case {
        const char* name;
        int id;
        Preparation preparation;
        WPARAM key;
        INT_PTR result;
    };
    const Case cases[] = {
        {"no controls, Enter", ASKS_FOR_OK, NOTHING, VK_RETURN, IDOK},
        {"no controls, Escape", ASKS_FOR_OK, NOTHING, VK_ESCAPE, IDCANCEL},
        {"edit box, Enter", ASKS_FOR_OK_WITH_EDIT, NOTHING, VK_RETURN, IDOK},
        {"edit box, Escape", ASKS_FOR_OK_WITH_EDIT, NOTHING, VK_ESCAPE, IDCANCEL},
        {"fitted, Enter", ASKS_FOR_OK, PREPARE_DIALOG, VK_RETURN, IDOK},
        {"fitted, Escape", ASKS_FOR_OK, PREPARE_DIALOG, VK_ESCAPE, IDCANCEL},
    };
    for (const Case& c : cases) {
        probe = Probe{c.preparation, 0x1E, 0, 0};
        const WPARAM key = c.key;
        const DialogRun run = Run(c.id, [key](HWND dialog) {
            HWND focus = GetFocus();
            HWND target = focus != nullptr && (focus == dialog || IsChild(dialog, focus)) ? focus : dialog;
            PostMessageW(target, WM_KEYDOWN, key, 1);
        });
        ASSERT_TRUE(run.scriptRan) << c.name;
        EXPECT_FALSE(run.timedOut) << c.name;
        EXPECT_EQ(run.result, c.result) << c.name;
    }
}

TEST_F(DialogTest, DoneButtonGivesOkToADialogWithoutOne)
{
    struct Case {
        const char* name;
        DWORD flags;
        bool hasOk;
    };
    const Case cases[] = {
        {"no flags", 0, false},
        {"done button", SHIDIF_DONEBUTTON, true},
        {"input panel down only", SHIDIF_SIPDOWN, false},
    };
    for (const Case& c : cases) {
        probe = Probe{SH_INIT_DIALOG, c.flags, 0, 0};
        bool found = false;
        SIZE client = {};
        SIZE expected = {};
        const DialogRun run = Run(PLAIN, [&](HWND dialog) {
            client = ClientSize(dialog);
            expected = TemplateClient(dialog);
            POINT ok;
            found = FindOk(dialog, &ok);
            if (found)
                ClickAt(ok);
            else
                EndDialog(dialog, IDCANCEL);
        });
        ASSERT_TRUE(run.scriptRan) << c.name;
        EXPECT_EQ(found, c.hasOk) << c.name;
        EXPECT_EQ(run.result, c.hasOk ? IDOK : IDCANCEL) << c.name;
        // Unfitted, the client area keeps the template's size either way.
        EXPECT_EQ(client.cx, expected.cx) << c.name;
        EXPECT_EQ(client.cy, expected.cy) << c.name;
    }
}

TEST_F(DialogTest, WithoutTheLayerADialogHasNoOk)
{
    // Without the hook a dialog asking for OK is as the desktop makes it.
    RemovePocketPcLayer();
    bool found = true;
    const DialogRun run = Run(ASKS_FOR_OK, [&found](HWND dialog) {
        POINT ok;
        found = FindOk(dialog, &ok);
        EndDialog(dialog, IDCANCEL);
    });
    ASSERT_TRUE(InstallPocketPcLayer());
    ASSERT_TRUE(run.scriptRan);
    EXPECT_FALSE(found);
}

}  // namespace
