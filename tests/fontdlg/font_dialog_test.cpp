// The Choose Font dialog, run modally over a stand-in main window and driven
// from inside its own loop. Faces come from the fonts Wine finds; the Hebrew
// faces are Debian's Culmus fonts.
#include <gtest/gtest.h>
#include <string.h>

#include <set>
#include <string>
#include <vector>

#include "fontdlg/font_dialog.h"
#include "resources/resource_ids.h"
#include "shell/app_state.h"
#include "shell/switches.h"
#include "support/dialog_driver.h"
#include "support/test_surface.h"

namespace {

const wchar_t HEBREW_FACE[] = L"David CLM";  // Wine reports it with HEBREW_CHARSET only
const wchar_t OTHER_HEBREW_FACE[] = L"Miriam CLM";

HWND owner;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

// A window of the device's size standing in for the main window.
HWND MakeOwner()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"FontDialogTestOwner";
    windowClass.hbrBackground = (HBRUSH)GetStockObject(WHITE_BRUSH);
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"FontDialogTestOwner", L"Quillmere", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                                  240, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    PumpMessages(50);
    return window;
}

// Every byte set, the unused tail of the face name included, so that a
// write anywhere shows.
FontSpec Spec(const wchar_t* face, int size, int base)
{
    FontSpec spec;
    memset(&spec, 0x66, sizeof spec);
    lstrcpynW(spec.faceName, face, FACE_NAME_UNITS);
    spec.size = size;
    spec.charBase = base;
    return spec;
}

std::wstring ItemText(HWND list, int i)
{
    wchar_t text[256] = {0};
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, (WPARAM)i, 0);
    if (length < 0 || length >= 256)
        return L"<bad item>";
    SendMessageW(list, LB_GETTEXT, (WPARAM)i, (LPARAM)text);
    return text;
}

std::vector<std::wstring> Items(HWND list)
{
    std::vector<std::wstring> items;
    const int count = (int)SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (int i = 0; i < count; i++)
        items.push_back(ItemText(list, i));
    return items;
}

std::wstring Selected(HWND list)
{
    const LRESULT i = SendMessageW(list, LB_GETCURSEL, 0, 0);
    return i < 0 ? L"<none>" : ItemText(list, (int)i);
}

std::wstring Text(HWND dialog, int id)
{
    wchar_t text[256] = {0};
    GetDlgItemTextW(dialog, id, text, 256);
    return text;
}

std::wstring Alphabet(int base)
{
    std::wstring s;
    for (int u = base + 26; u >= base; u--)
        s.push_back((wchar_t)u);
    return s;
}

bool Checked(HWND dialog, int id)
{
    return SendDlgItemMessageW(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HFONT PreviewFont(HWND dialog)
{
    return (HFONT)SendDlgItemMessageW(dialog, 1002, WM_GETFONT, 0, 0);
}

LOGFONTW FontOf(HFONT font)
{
    LOGFONTW logFont;
    memset(&logFont, 0, sizeof logFont);
    GetObjectW(font, sizeof logFont, &logFont);
    return logFont;
}

bool ClickFace(HWND dialog, const wchar_t* face)
{
    HWND list = GetDlgItem(dialog, 1001);
    return ClickListItem(list, FindListItem(list, face));
}

bool ClickSize(HWND dialog, const wchar_t* size)
{
    HWND list = GetDlgItem(dialog, 1006);
    return ClickListItem(list, FindListItem(list, size));
}

void Press(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, (WPARAM)id, 0);
}

// The families Wine reports, and those it reports with the Hebrew set.
struct Families {
    std::set<std::wstring> all;
    std::set<std::wstring> hebrew;
};

int CALLBACK NoteFamily(const LOGFONTW* logFont, const TEXTMETRICW* metrics, DWORD, LPARAM data)
{
    Families* families = (Families*)data;
    families->all.insert(logFont->lfFaceName);
    if (metrics->tmCharSet == HEBREW_CHARSET)
        families->hebrew.insert(logFont->lfFaceName);
    return 1;
}

Families InstalledFamilies()
{
    Families families;
    HDC dc = GetDC(owner);
    EnumFontFamiliesW(dc, nullptr, NoteFamily, (LPARAM)&families);
    ReleaseDC(owner, dc);
    return families;
}

// A family without Hebrew letters, to choose while 224 is marked.
std::wstring NonHebrewFace(const Families& families)
{
    for (const wchar_t* name : {L"Liberation Sans", L"Liberation Serif", L"Nimbus Sans", L"C059"})
        if (families.all.count(name) && !families.hebrew.count(name))
            return name;
    return L"";
}

DialogRun RunFontDialogWith(FontSpec* spec, const std::function<void(HWND)>& script)
{
    return RunDialogScript([&] { return RunFontDialog(owner, spec); }, script);
}

class FontDialog : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // As in the running program: the caption's OK becomes a button.
        InstallPocketPcLayer();
        appState.instance = GetModuleHandleW(nullptr);
        owner = MakeOwner();
        appState.mainWindow = owner;
    }
    static void TearDownTestSuite()
    {
        DestroyWindow(owner);
        owner = nullptr;
        appState.mainWindow = nullptr;
        RemovePocketPcLayer();
    }
};

TEST_F(FontDialog, OpensWithTheStoredChoiceShown)
{
    const Families families = InstalledFamilies();
    ASSERT_TRUE(families.hebrew.count(HEBREW_FACE)) << "the Culmus fonts are missing";
    FontSpec spec = Spec(HEBREW_FACE, 16, 1488);
    const FontSpec before = spec;
    const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
        wchar_t title[64] = {0};
        GetWindowTextW(dialog, title, 64);
        EXPECT_STREQ(title, L"Choose Font");

        // One entry per family Wine finds, though it reports most families
        // once for each character set.
        HWND faces = GetDlgItem(dialog, 1001);
        const std::vector<std::wstring> listed = Items(faces);
        EXPECT_EQ(std::set<std::wstring>(listed.begin(), listed.end()), families.all);
        EXPECT_EQ(listed.size(), families.all.size()) << "a family is listed twice";
        EXPECT_EQ(Selected(faces), HEBREW_FACE);
        EXPECT_EQ(GetFocus(), faces);

        HWND sizes = GetDlgItem(dialog, 1006);
        EXPECT_EQ(Items(sizes), (std::vector<std::wstring>{L"10", L"11", L"12", L"14", L"16", L"18", L"20", L"22",
                                                          L"24", L"26", L"28", L"32", L"52", L"72"}));
        EXPECT_EQ(Selected(sizes), L"16");

        EXPECT_TRUE(Checked(dialog, 1005));
        EXPECT_FALSE(Checked(dialog, 1004));
        EXPECT_EQ(Text(dialog, 1002), Alphabet(1488));
        // No preview font until the first change: the field has the dialog's.
        EXPECT_EQ(PreviewFont(dialog), (HFONT)SendMessageW(dialog, WM_GETFONT, 0, 0));
        Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(run.scriptRan);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(memcmp(&spec, &before, sizeof spec), 0);
}

TEST_F(FontDialog, StoresBase1488AtOnceForABaseOfZero)
{
    FontSpec spec = Spec(HEBREW_FACE, 16, 0);
    FontSpec expected = spec;
    expected.charBase = 1488;
    const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
        EXPECT_EQ(spec.charBase, 1488) << "not stored while the dialog is open";
        EXPECT_TRUE(Checked(dialog, 1005));
        EXPECT_EQ(Text(dialog, 1002), Alphabet(1488));
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(memcmp(&spec, &expected, sizeof spec), 0) << "cancelled, only the base changed";
}

TEST_F(FontDialog, ListsAndSelectsTheStoredSize)
{
    struct Case {
        int stored;
        const wchar_t* first;     // the first entry of the list
        int count;
        const wchar_t* selected;  // after opening
        int afterOk;              // size after OK without a change
    };
    const Case cases[] = {
        {5, L"5", 15, L"5", 5},
        {1, L"1", 15, L"1", 1},
        {20, L"10", 14, L"20", 20},
        {72, L"10", 14, L"72", 72},
        {13, L"10", 14, L"<none>", 13},   // not listed: nothing selected, and OK keeps it
        {100, L"10", 14, L"<none>", 100}, // "100" begins no entry
        {0, L"10", 14, L"<none>", 0},     // the platform's default size
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        FontSpec spec = Spec(HEBREW_FACE, c.stored, 1488);
        const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
            HWND sizes = GetDlgItem(dialog, 1006);
            EXPECT_EQ(ItemText(sizes, 0), c.first);
            EXPECT_EQ(SendMessageW(sizes, LB_GETCOUNT, 0, 0), c.count);
            EXPECT_EQ(Selected(sizes), c.selected);
            Press(dialog, IDOK);
        });
        EXPECT_EQ(run.result, IDOK);
        EXPECT_EQ(spec.size, c.afterOk);
    }
}

TEST_F(FontDialog, RadioButtonsPreviewAndSetTheBase)
{
    FontSpec spec = Spec(HEBREW_FACE, 16, 1488);
    HFONT firstPreview = nullptr;
    const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
        SendDlgItemMessageW(dialog, 1004, BM_CLICK, 0, 0);
        EXPECT_TRUE(Checked(dialog, 1004));
        EXPECT_FALSE(Checked(dialog, 1005));
        EXPECT_EQ(Text(dialog, 1002), Alphabet(224));
        firstPreview = PreviewFont(dialog);
        ASSERT_NE(firstPreview, (HFONT)SendMessageW(dialog, WM_GETFONT, 0, 0)) << "no preview font made";
        const LOGFONTW made = FontOf(firstPreview);
        EXPECT_STREQ(made.lfFaceName, HEBREW_FACE);
        EXPECT_EQ(made.lfHeight, 16);

        SendDlgItemMessageW(dialog, 1005, BM_CLICK, 0, 0);
        EXPECT_TRUE(Checked(dialog, 1005));
        EXPECT_EQ(Text(dialog, 1002), Alphabet(1488));
        EXPECT_NE(PreviewFont(dialog), firstPreview);
        EXPECT_EQ(GetObjectType(firstPreview), 0u) << "the earlier preview font was not released";

        SendDlgItemMessageW(dialog, 1004, BM_CLICK, 0, 0);
        Press(dialog, IDOK);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_EQ(spec.charBase, 224);
}

TEST_F(FontDialog, AHebrewFaceBringsBase1488)
{
    const Families families = InstalledFamilies();
    const std::wstring other = NonHebrewFace(families);
    ASSERT_FALSE(other.empty()) << "no face without Hebrew letters to test with";
    struct Case {
        std::wstring face;
        bool switches;
    };
    const Case cases[] = {{HEBREW_FACE, true}, {other, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.face.begin(), c.face.end()));
        FontSpec spec = Spec(other.c_str(), 16, 224);
        const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
            ASSERT_TRUE(Checked(dialog, 1004));
            ASSERT_TRUE(ClickFace(dialog, c.face.c_str()));
            EXPECT_EQ(Selected(GetDlgItem(dialog, 1001)), c.face);
            EXPECT_EQ(Checked(dialog, 1005), c.switches);
            EXPECT_EQ(Checked(dialog, 1004), !c.switches);
            EXPECT_EQ(Text(dialog, 1002), Alphabet(c.switches ? 1488 : 224));
            EXPECT_STREQ(FontOf(PreviewFont(dialog)).lfFaceName, c.face.c_str());
            Press(dialog, IDOK);
        });
        EXPECT_EQ(run.result, IDOK);
        EXPECT_STREQ(spec.faceName, c.face.c_str());
        EXPECT_EQ(spec.charBase, c.switches ? 1488 : 224);
    }
}

TEST_F(FontDialog, OkWithoutChangesWritesWhatIsSelected)
{
    struct Case {
        const wchar_t* stored;
        int base;
        const wchar_t* afterOk;
        bool radio224;
        bool radio1488;
    };
    const Case cases[] = {
        {L"Miriam", 1488, L"Miriam CLM", false, true},  // the first listed face that begins with it
        {L"david clm", 224, L"David CLM", true, false}, // case does not matter to the list
        {L"No Such Face", 1488, L"No Such Face", false, true},
        {L"", 1488, L"", false, true},
        {HEBREW_FACE, 97, HEBREW_FACE, false, false},   // no button stands for 97: it stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "\"" << std::string(c.stored, c.stored + lstrlenW(c.stored)) << "\" " << c.base);
        FontSpec spec = Spec(c.stored, 24, c.base);
        FontSpec expected = spec;
        lstrcpynW(expected.faceName, c.afterOk, FACE_NAME_UNITS);
        const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
            EXPECT_EQ(Checked(dialog, 1004), c.radio224);
            EXPECT_EQ(Checked(dialog, 1005), c.radio1488);
            EXPECT_EQ(Text(dialog, 1002), Alphabet(c.base));
            Press(dialog, IDOK);
        });
        EXPECT_EQ(run.result, IDOK);
        EXPECT_STREQ(spec.faceName, c.afterOk);
        EXPECT_EQ(spec.size, 24);
        EXPECT_EQ(spec.charBase, c.base);
        // Nothing else changed: not the rest of the face name's room either.
        EXPECT_EQ(memcmp(&spec, &expected, sizeof spec), 0);
    }
}

TEST_F(FontDialog, CancelAfterChangesLeavesTheSpecAsItWas)
{
    FontSpec spec = Spec(HEBREW_FACE, 16, 1488);
    const FontSpec before = spec;
    HFONT preview = nullptr;
    const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
        EXPECT_TRUE(ClickFace(dialog, OTHER_HEBREW_FACE));
        EXPECT_TRUE(ClickSize(dialog, L"32"));
        SendDlgItemMessageW(dialog, 1004, BM_CLICK, 0, 0);
        preview = PreviewFont(dialog);
        EXPECT_EQ(FontOf(preview).lfHeight, 32);
        Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(memcmp(&spec, &before, sizeof spec), 0);
    // Cancel releases the faces first; the preview font must still go.
    EXPECT_EQ(GetObjectType(preview), 0u) << "the preview font outlived the dialog";
}

TEST_F(FontDialog, OkAfterChangesWritesFaceSizeAndBase)
{
    FontSpec spec = Spec(HEBREW_FACE, 16, 1488);
    HFONT preview = nullptr;
    const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
        EXPECT_TRUE(ClickFace(dialog, OTHER_HEBREW_FACE));
        // The sizes list from the keyboard: 16 → 18.
        HWND sizes = GetDlgItem(dialog, 1006);
        SetFocus(sizes);
        SendMessageW(sizes, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(sizes, WM_KEYUP, VK_DOWN, 0);
        EXPECT_EQ(Selected(sizes), L"18");
        preview = PreviewFont(dialog);
        EXPECT_EQ(FontOf(preview).lfHeight, 18) << "the keyboard's selection made no preview";
        SendDlgItemMessageW(dialog, 1004, BM_CLICK, 0, 0);
        Press(dialog, IDOK);
    });
    EXPECT_EQ(run.result, IDOK);
    EXPECT_STREQ(spec.faceName, OTHER_HEBREW_FACE);
    EXPECT_EQ(spec.size, 18);
    EXPECT_EQ(spec.charBase, 224);
    EXPECT_EQ(GetObjectType(preview), 0u) << "the preview font outlived the dialog";
}

// The preview's pixels as the screen shows them.
InkBox PreviewInk(HWND dialog, TestSurface* surface)
{
    HWND preview = GetDlgItem(dialog, 1002);
    RedrawWindow(preview, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(50);
    RECT box;
    GetWindowRect(preview, &box);
    HDC screen = GetDC(nullptr);
    BitBlt(surface->dc, 0, 0, box.right - box.left, box.bottom - box.top, screen, box.left, box.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    // Inside the border.
    RECT inside = {3, 3, box.right - box.left - 3, box.bottom - box.top - 3};
    return FindInk(*surface, inside);
}

TEST_F(FontDialog, PreviewShowsTheLettersInTheChosenFaceAndSize)
{
    FontSpec spec = Spec(HEBREW_FACE, 10, 1488);
    const DialogRun run = RunFontDialogWith(&spec, [&](HWND dialog) {
        TestSurface surface = CreateTestSurface(400, 400);
        ASSERT_NE(surface.dc, nullptr);
        ASSERT_TRUE(ClickSize(dialog, L"10"));
        const InkBox small = PreviewInk(dialog, &surface);
        ASSERT_TRUE(ClickSize(dialog, L"28"));
        const InkBox large = PreviewInk(dialog, &surface);
        SaveTestSurfacePng(surface, QM_SCREENSHOT_DIR "/font_dialog_preview.png");
        DestroyTestSurface(&surface);

        // The font the field draws with is the chosen face, which has every letter.
        HFONT font = PreviewFont(dialog);
        const LOGFONTW made = FontOf(font);
        EXPECT_STREQ(made.lfFaceName, HEBREW_FACE);
        EXPECT_EQ(made.lfHeight, 28);
        HDC dc = GetDC(dialog);
        HGDIOBJ old = SelectObject(dc, font);
        wchar_t face[LF_FACESIZE] = {0};
        GetTextFaceW(dc, LF_FACESIZE, face);
        EXPECT_STREQ(face, HEBREW_FACE) << "another face stood in";
        const std::wstring letters = Alphabet(1488);
        WORD glyphs[27];
        ASSERT_EQ(GetGlyphIndicesW(dc, letters.c_str(), 27, glyphs, GGI_MARK_NONEXISTING_GLYPHS), 27u);
        for (int i = 0; i < 27; i++)
            EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph for letter " << i;
        SelectObject(dc, old);
        ReleaseDC(dialog, dc);

        // And the letters are drawn with it: taller at 28 than at 10.
        ASSERT_TRUE(small.found);
        ASSERT_TRUE(large.found);
        EXPECT_GT(large.bottom - large.top, 2 * (small.bottom - small.top));
        Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(run.scriptRan);
}

RECT ControlBox(HWND dialog, int id)
{
    RECT box = {};
    GetWindowRect(GetDlgItem(dialog, id), &box);
    MapWindowPoints(nullptr, dialog, (POINT*)&box, 2);
    return box;
}

TEST_F(FontDialog, PlacesItsControlsForTheClientSize)
{
    FontSpec spec = Spec(HEBREW_FACE, 16, 1488);
    RunFontDialogWith(&spec, [&](HWND dialog) {
        struct Place {
            int id;
            RECT box;  // left, top, right, bottom
        };
        // A client area of 240 x 268.
        const Place places[] = {
            {1001, {7, 7, 150, 169}},
            {1006, {157, 59, 233, 169}},
            {1002, {7, 169, 233, 254}},
            {1004, {157, 24, 233, 34}},
            {1005, {157, 41, 233, 51}},
        };
        SendMessageW(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(240, 268));
        for (const Place& p : places) {
            SCOPED_TRACE(p.id);
            const RECT got = ControlBox(dialog, p.id);
            EXPECT_EQ(got.left, p.box.left);
            EXPECT_EQ(got.top, p.box.top);
            EXPECT_EQ(got.right, p.box.right);
            EXPECT_EQ(got.bottom, p.box.bottom);
        }
        Press(dialog, IDCANCEL);
    });
}

// A window of the shell's task bar class, which the dialog hides when it
// comes to the front in full-screen mode.
HWND MakeTaskBar()
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = OwnerProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"HHTaskBar";
    RegisterClassW(&windowClass);
    return CreateWindowExW(WS_EX_TOOLWINDOW, L"HHTaskBar", L"", WS_POPUP | WS_VISIBLE, 0, 0, 240, 26, nullptr,
                           nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST_F(FontDialog, KeepsTheTaskBarHiddenInFullScreenMode)
{
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode ? "full screen" : "not full screen");
        HWND taskBar = MakeTaskBar();
        ASSERT_NE(taskBar, nullptr);
        fullScreen = mode;
        FontSpec spec = Spec(HEBREW_FACE, 16, 1488);
        RunFontDialogWith(&spec, [&](HWND dialog) {
            EXPECT_EQ(IsWindowVisible(taskBar) != 0, mode == 0);
            Press(dialog, IDCANCEL);
        });
        fullScreen = 0;
        DestroyWindow(taskBar);
    }
}

TEST_F(FontDialog, Screenshot)
{
    FontSpec spec = Spec(HEBREW_FACE, 20, 1488);
    bool saved = false;
    RunFontDialogWith(&spec, [&](HWND dialog) {
        ClickSize(dialog, L"20");
        saved = SaveWindowPicture(dialog, QM_SCREENSHOT_DIR "/font_dialog.png");
        Press(dialog, IDCANCEL);
    });
    EXPECT_TRUE(saved);
}

}  // namespace
