// The About box and the update request, under Wine. The shell's execute
// call is replaced by a recorder, so no browser starts.
#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "about/about_box.h"
#include "about/link_font.h"
#include "about/open_address.h"
#include "maker_address.h"
#include "resources/resource_ids.h"
#include "shell/app_state.h"
#include "support/dialog_driver.h"
#include "support/test_surface.h"

#define WIDE_(s) L##s
#define WIDE(s) WIDE_(s)

namespace {

struct ExecuteCall {
    DWORD cbSize;
    ULONG fMask;
    HWND hwnd;
    std::wstring verb;
    std::wstring file;
    bool otherFieldsZero;
};

std::vector<ExecuteCall> calls;

BOOL WINAPI RecordExecute(SHELLEXECUTEINFOW* info)
{
    SHELLEXECUTEINFOW rest = *info;
    rest.cbSize = 0;
    rest.fMask = 0;
    rest.hwnd = nullptr;
    rest.lpVerb = nullptr;
    rest.lpFile = nullptr;
    SHELLEXECUTEINFOW zero;
    memset(&zero, 0, sizeof zero);
    calls.push_back(ExecuteCall{info->cbSize, info->fMask, info->hwnd, info->lpVerb ? info->lpVerb : L"<null>",
                                info->lpFile ? info->lpFile : L"<null>", memcmp(&rest, &zero, sizeof rest) == 0});
    return TRUE;
}

HWND owner;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

class AboutBox : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // As in the running program: the caption's OK becomes a button.
        InstallPocketPcLayer();
        appState.instance = GetModuleHandleW(nullptr);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = OwnerProc;
        windowClass.hInstance = appState.instance;
        windowClass.lpszClassName = L"AboutBoxTestOwner";
        RegisterClassW(&windowClass);
        owner = CreateWindowExW(0, L"AboutBoxTestOwner", L"Quillmere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 240,
                                320, nullptr, nullptr, appState.instance, nullptr);
        appState.mainWindow = owner;
        PumpMessages(50);
    }
    static void TearDownTestSuite()
    {
        DestroyWindow(owner);
        appState.mainWindow = nullptr;
        RemovePocketPcLayer();
    }
    void SetUp() override
    {
        calls.clear();
        shellExecute = RecordExecute;
    }
    void TearDown() override { shellExecute = ShellExecuteExW; }
};

void ExpectOpened(const ExecuteCall& call, HWND expectedOwner, const std::wstring& address)
{
    EXPECT_EQ(call.cbSize, sizeof(SHELLEXECUTEINFOW));
    EXPECT_EQ(call.fMask, (ULONG)SEE_MASK_FLAG_NO_UI);
    EXPECT_EQ(call.hwnd, expectedOwner);
    EXPECT_EQ(call.verb, L"Open");
    EXPECT_EQ(call.file, address);
    EXPECT_TRUE(call.otherFieldsZero);
}

TEST_F(AboutBox, UpdateRequestOpensTheUpdateAddress)
{
    RequestUpdate(owner);
    ASSERT_EQ(calls.size(), 1u);
    ExpectOpened(calls[0], owner,
                 std::wstring(WIDE(MAKER_SERVER)) + L"/cgi-bin/upgrade?p=arm/Harvelin/Quillmere&v=1.84a");
    // Each request builds the address anew.
    RequestUpdate(owner);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].file, calls[0].file);
}

std::wstring TextOf(HWND window)
{
    wchar_t text[256] = {0};
    GetWindowTextW(window, text, 256);
    return text;
}

std::vector<std::wstring> StaticTexts(HWND dialog)
{
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t className[16] = {0};
        GetClassNameW(child, className, 16);
        if (lstrcmpiW(className, L"Static") == 0 && (GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP)
            texts.push_back(TextOf(child));
    }
    return texts;
}

HBITMAP Logo(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            return (HBITMAP)SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0);
    return nullptr;
}

TEST_F(AboutBox, ShowsNameVersionLogoAndLink)
{
    HFONT linkFont = nullptr;
    const DialogRun run = RunDialogScript([] { RunAboutBox(owner); return (INT_PTR)0; }, [&](HWND dialog) {
        EXPECT_EQ(TextOf(dialog), L"Quillmere");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
        EXPECT_EQ(StaticTexts(dialog), (std::vector<std::wstring>{L"", L"Version 1.84a", L"Genesis 1-10, pointed"}));

        HBITMAP logo = Logo(dialog);
        ASSERT_NE(logo, nullptr);
        BITMAP picture = {};
        GetObjectW(logo, sizeof picture, &picture);
        EXPECT_EQ(picture.bmWidth, 29);
        EXPECT_EQ(picture.bmHeight, 33);

        HWND link = GetDlgItem(dialog, 1025);
        EXPECT_EQ(TextOf(link), WIDE(MAKER_LINK_TEXT));
        linkFont = (HFONT)SendMessageW(link, WM_GETFONT, 0, 0);
        LOGFONTW made = {};
        ASSERT_NE(GetObjectW(linkFont, sizeof made, &made), 0);
        EXPECT_EQ(made.lfUnderline, 1);
        EXPECT_EQ(made.lfWeight, 800);
        EXPECT_NE(made.lfFaceName[0], 0);

        // The link fits its text in that font, with an edge each side.
        HDC dc = GetDC(link);
        HGDIOBJ old = SelectObject(dc, linkFont);
        SIZE text = {};
        const std::wstring linkText = TextOf(link);
        GetTextExtentPoint32W(dc, linkText.c_str(), (int)linkText.size(), &text);
        SelectObject(dc, old);
        ReleaseDC(link, dc);
        RECT box;
        GetWindowRect(link, &box);
        EXPECT_EQ(box.right - box.left, text.cx + 2 * GetSystemMetrics(SM_CXEDGE));
        EXPECT_EQ(box.bottom - box.top, text.cy + 2 * GetSystemMetrics(SM_CYEDGE));

        // All of it inside the client area, where it can be seen and clicked.
        RECT client;
        GetClientRect(dialog, &client);
        MapWindowPoints(dialog, nullptr, (POINT*)&client, 2);
        RECT inside;
        IntersectRect(&inside, &client, &box);
        EXPECT_TRUE(EqualRect(&inside, &box)) << "the link is cut off: link " << box.left << "," << box.top << "-" << box.right << ","
                                              << box.bottom << " client " << client.left << "," << client.top << "-"
                                              << client.right << "," << client.bottom;

        EXPECT_TRUE(SaveWindowPicture(dialog, QM_SCREENSHOT_DIR "/about_box.png"));
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(run.scriptRan);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(GetObjectType(linkFont), 0u) << "the link font outlived the box";
    EXPECT_TRUE(calls.empty());
}

TEST_F(AboutBox, LogoIsAPicture)
{
    HBITMAP logo = (HBITMAP)LoadImageW(appState.instance, MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, 0, 0,
                                       LR_CREATEDIBSECTION);
    ASSERT_NE(logo, nullptr);
    DIBSECTION section = {};
    ASSERT_NE(GetObjectW(logo, sizeof section, &section), 0);
    EXPECT_EQ(section.dsBm.bmWidth, 29);
    EXPECT_EQ(section.dsBm.bmHeight, 33);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 1);

    // Ink above (the quill) and in both halves below (the open book's pages).
    TestSurface surface = CreateTestSurface(29, 33);
    ASSERT_NE(surface.dc, nullptr);
    HDC source = CreateCompatibleDC(surface.dc);
    HGDIOBJ old = SelectObject(source, logo);
    BitBlt(surface.dc, 0, 0, 29, 33, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    DeleteObject(logo);
    GdiFlush();
    const RECT whole = {0, 0, 29, 33};
    const int black = CountPixels(surface, whole, RGB(0, 0, 0));
    const int white = CountPixels(surface, whole, RGB(255, 255, 255));
    EXPECT_EQ(black + white, 29 * 33) << "a two-colour picture";
    EXPECT_GT(black, 29 * 33 / 10);
    EXPECT_LT(black, 29 * 33 / 2);
    const RECT parts[] = {{0, 0, 29, 17}, {0, 17, 15, 33}, {15, 17, 29, 33}};
    for (const RECT& part : parts)
        EXPECT_GT(CountPixels(surface, part, RGB(0, 0, 0)), 30) << "part at " << part.left << "," << part.top;
    SaveTestSurfacePng(surface, QM_SCREENSHOT_DIR "/logo.png");
    DestroyTestSurface(&surface);
}

TEST_F(AboutBox, TheLinkOpensTheMakersPageAndTheBoxStays)
{
    const DialogRun run = RunDialogScript([] { RunAboutBox(owner); return (INT_PTR)0; }, [&](HWND dialog) {
        HWND link = GetDlgItem(dialog, 1025);
        SendMessageW(link, BM_CLICK, 0, 0);
        ASSERT_EQ(calls.size(), 1u);
        ExpectOpened(calls[0], link, WIDE(MAKER_ADDRESS));
        EXPECT_TRUE(IsWindowVisible(dialog));

        // From the keyboard: the link takes the focus and Space presses it.
        SetFocus(link);
        SendMessageW(link, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(link, WM_KEYUP, VK_SPACE, 0);
        EXPECT_EQ(calls.size(), 2u);
        EXPECT_TRUE(IsWindowVisible(dialog));
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_TRUE(run.scriptRan);
    EXPECT_FALSE(run.timedOut);
}

TEST_F(AboutBox, OkAndCancelCloseIt)
{
    for (int command : {IDOK, IDCANCEL}) {
        SCOPED_TRACE(command);
        bool closed = false;
        const DialogRun run = RunDialogScript([] { RunAboutBox(owner); return (INT_PTR)0; }, [&](HWND dialog) {
            SendMessageW(dialog, WM_COMMAND, (WPARAM)command, 0);
            closed = !IsWindowVisible(dialog);
        });
        EXPECT_TRUE(run.scriptRan);
        EXPECT_TRUE(closed);
        EXPECT_FALSE(run.timedOut);
    }
}

TEST_F(AboutBox, DrawsTheLinkBlueOnWhiteAndPutsTheDcBack)
{
    RunDialogScript([] { RunAboutBox(owner); return (INT_PTR)0; }, [&](HWND dialog) {
        HWND link = GetDlgItem(dialog, 1025);
        TestSurface surface = CreateTestSurface(200, 40);
        ASSERT_NE(surface.dc, nullptr);
        // Whatever the DC had before must come back.
        RECT all = {0, 0, 200, 40};
        HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
        FillRect(surface.dc, &all, grey);
        DeleteObject(grey);
        HFONT other = CreateFontW(-20, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, L"Liberation Serif");
        HGDIOBJ before = SelectObject(surface.dc, other);
        SetTextColor(surface.dc, RGB(255, 0, 0));
        SetBkColor(surface.dc, RGB(0, 255, 0));
        SetBkMode(surface.dc, OPAQUE);

        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = 1025;
        item.itemAction = ODA_DRAWENTIRE;
        item.hwndItem = link;
        item.hDC = surface.dc;
        item.rcItem = RECT{0, 0, 160, 30};
        DrawLink(dialog, 1025, &item);
        GdiFlush();

        EXPECT_EQ(GetCurrentObject(surface.dc, OBJ_FONT), (HGDIOBJ)other);
        EXPECT_EQ(GetTextColor(surface.dc), RGB(255, 0, 0));
        EXPECT_EQ(GetBkColor(surface.dc), RGB(0, 255, 0));
        EXPECT_EQ(GetBkMode(surface.dc), OPAQUE);

        // The item's rectangle is white but for blue text; outside it is untouched.
        const RECT inside = {0, 0, 160, 30};
        const RECT outside = {160, 0, 200, 40};
        const int blue = CountPixels(surface, inside, RGB(0, 0, 255));
        const int white = CountPixels(surface, inside, RGB(255, 255, 255));
        EXPECT_GT(blue, 20) << "the underline alone is longer";
        EXPECT_GT(white, 160 * 30 / 2);
        EXPECT_EQ(CountPixels(surface, outside, RGB(128, 128, 128)), 40 * 40);
        const InkBox ink = FindInk(surface, inside);
        ASSERT_TRUE(ink.found);
        EXPECT_GE(ink.left, GetSystemMetrics(SM_CXEDGE) / 2);
        EXPECT_LT(ink.left, GetSystemMetrics(SM_CXEDGE) / 2 + 4) << "the text starts half an edge in";
        SaveTestSurfacePng(surface, QM_SCREENSHOT_DIR "/about_link.png");

        SelectObject(surface.dc, before);
        DeleteObject(other);
        DestroyTestSurface(&surface);
        SendMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
}

}  // namespace
