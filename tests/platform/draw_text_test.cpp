// DrawTextW placement, clipping, background and colour, judged on pixels.
// Runs in both builds, so the host layer is held to what GDI does.
#include <gtest/gtest.h>

#include "support/test_surface.h"
#include "test_fonts.h"

static const WCHAR ALEF[] = {0x05D0, 0};
static const WCHAR BET[] = {0x05D1, 0};
static const WCHAR QAMATS[] = {0x05B8, 0};
static const WCHAR HIRIQ[] = {0x05B4, 0};
enum { SINGLE = DT_SINGLELINE | DT_NOPREFIX };

// A surface with the test face selected; Done puts the DC back and frees all.
struct TextSurface {
    TestSurface s;
    HFONT font;
    HGDIOBJ previousFont;
};

static TextSurface MakeTextSurface(int width, int height, LONG fontHeight = 30)
{
    TextSurface t;
    t.s = CreateTestSurface(width, height);
    t.font = MakeFont(QM_TEST_FACE, fontHeight);
    t.previousFont = t.s.dc != nullptr && t.font != nullptr ? SelectObject(t.s.dc, t.font) : nullptr;
    return t;
}

static void Done(TextSurface* t)
{
    if (t->s.dc != nullptr)
        SelectObject(t->s.dc, t->previousFont);
    DeleteObject(t->font);
    DestroyTestSurface(&t->s);
}

static InkBox Everywhere(const TestSurface& s, COLORREF background = RGB(255, 255, 255))
{
    return FindInk(s, RECT{0, 0, s.width, s.height}, background);
}

static InkBox DrawAlone(const WCHAR* units, int n, RECT box, UINT flags, int* result = nullptr)
{
    TextSurface t = MakeTextSurface(160, 100);
    InkBox ink = {};
    if (t.previousFont != nullptr) {
        const int r = DrawTextW(t.s.dc, units, n, &box, flags);
        if (result != nullptr)
            *result = r;
        ink = Everywhere(t.s);
    }
    Done(&t);
    return ink;
}

TEST(TextDrawing, PlacesTheTextByTheAlignmentFlags)
{
    TextSurface t = MakeTextSurface(10, 10);
    ASSERT_NE(t.previousFont, nullptr);
    const int extent = Extent(t.s.dc, ALEF, 1);
    const int line = LineHeight(t.s.dc);
    Done(&t);
    ASSERT_GT(extent, 0);

    const RECT box = {20, 10, 120, 80};
    // GDI centres across by halving the room, but down by halving the box
    // and the line separately.
    const int roomX = 100 - extent;
    const int roomY = 70 - line;
    const int down = 70 / 2 - line / 2;
    int result = 0;
    const InkBox home = DrawAlone(ALEF, 1, box, DT_LEFT | DT_TOP | SINGLE, &result);
    ASSERT_TRUE(home.found);
    EXPECT_EQ(result, line);

    struct Case {
        UINT flags;
        int dx;
        int dy;
        int result;  // offset from the box's top to the text's bottom
    } cases[] = {
        {DT_CENTER | DT_TOP, roomX / 2, 0, line},
        {DT_RIGHT | DT_TOP, roomX, 0, line},
        {DT_LEFT | DT_VCENTER, 0, down, down + line},
        {DT_LEFT | DT_BOTTOM, 0, roomY, roomY + line},
        {DT_CENTER | DT_VCENTER, roomX / 2, down, down + line},
        {DT_RIGHT | DT_BOTTOM, roomX, roomY, roomY + line},
    };
    for (const Case& c : cases) {
        const InkBox ink = DrawAlone(ALEF, 1, box, c.flags | SINGLE, &result);
        ASSERT_TRUE(ink.found) << std::hex << c.flags;
        EXPECT_EQ(ink.left, home.left + c.dx) << std::hex << c.flags;
        EXPECT_EQ(ink.right, home.right + c.dx) << std::hex << c.flags;
        EXPECT_EQ(ink.top, home.top + c.dy) << std::hex << c.flags;
        EXPECT_EQ(ink.bottom, home.bottom + c.dy) << std::hex << c.flags;
        EXPECT_EQ(result, c.result) << std::hex << c.flags;
    }
}

TEST(TextDrawing, ClipsToTheBoxUnlessNoClip)
{
    const WCHAR wide[] = {0x05D0, 0x05D1, 0x05D2, 0x05D3, 0x05D4, 0x05D5, 0x05D6, 0x05D7, 0x05D8, 0};
    struct Case {
        const char* name;
        RECT box;
        UINT flags;
        bool spills;
    } cases[] = {
        {"narrower than the text", {60, 20, 100, 80}, DT_CENTER | DT_VCENTER | SINGLE, false},
        {"narrower, no clip", {60, 20, 100, 80}, DT_CENTER | DT_VCENTER | SINGLE | DT_NOCLIP, true},
        {"lower than the line", {10, 40, 150, 48}, DT_CENTER | DT_VCENTER | SINGLE, false},
        {"lower than the line, no clip", {10, 40, 150, 48}, DT_CENTER | DT_VCENTER | SINGLE | DT_NOCLIP, true},
    };
    for (const Case& c : cases) {
        TextSurface t = MakeTextSurface(160, 100);
        ASSERT_NE(t.previousFont, nullptr);
        RECT box = c.box;
        DrawTextW(t.s.dc, wide, 9, &box, c.flags);
        EXPECT_TRUE(FindInk(t.s, c.box).found) << c.name;
        const InkBox all = Everywhere(t.s);
        const bool outside = all.left < c.box.left || all.right > c.box.right || all.top < c.box.top ||
                             all.bottom > c.box.bottom;
        EXPECT_EQ(outside, c.spills) << c.name;
        Done(&t);
    }
}

TEST(TextDrawing, APointAloneInItsLettersBoxTakesNoRoomAndStaysInTheBox)
{
    TextSurface t = MakeTextSurface(10, 10);
    ASSERT_NE(t.previousFont, nullptr);
    EXPECT_EQ(Extent(t.s.dc, QAMATS, 1), 0);
    EXPECT_EQ(Extent(t.s.dc, HIRIQ, 1), 0);
    const WCHAR pointed[] = {0x05D0, 0x05B8, 0};
    EXPECT_EQ(Extent(t.s.dc, pointed, 2), Extent(t.s.dc, ALEF, 1));
    Done(&t);

    const RECT box = {60, 10, 90, 80};
    const InkBox letter = DrawAlone(ALEF, 1, box, DT_CENTER | DT_VCENTER | SINGLE);
    ASSERT_TRUE(letter.found);
    for (const WCHAR* point : {QAMATS, HIRIQ}) {
        const InkBox ink = DrawAlone(point, 1, box, DT_CENTER | DT_VCENTER | SINGLE | DT_NOCLIP);
        ASSERT_TRUE(ink.found) << std::hex << point[0];
        EXPECT_GE(ink.left, box.left) << std::hex << point[0];
        EXPECT_LE(ink.right, box.right) << std::hex << point[0];
        // Both sit under the letter.
        EXPECT_GE(ink.top, letter.bottom - 1) << std::hex << point[0];
    }
}

TEST(TextDrawing, OpaqueFillsTheTextCellAndTransparentLeavesTheBackground)
{
    const COLORREF yellow = RGB(255, 255, 0);
    const COLORREF green = RGB(0, 255, 0);
    for (int mode : {OPAQUE, TRANSPARENT}) {
        TextSurface t = MakeTextSurface(120, 60);
        ASSERT_NE(t.previousFont, nullptr);
        RECT all = {0, 0, 120, 60};
        HBRUSH brush = CreateSolidBrush(yellow);
        FillRect(t.s.dc, &all, brush);
        DeleteObject(brush);
        const int extent = Extent(t.s.dc, ALEF, 1);
        const int line = LineHeight(t.s.dc);
        SetBkMode(t.s.dc, mode);
        SetBkColor(t.s.dc, green);
        RECT box = {10, 10, 110, 55};
        DrawTextW(t.s.dc, ALEF, 1, &box, DT_LEFT | DT_TOP | SINGLE);

        const RECT cell = {10, 10, 10 + extent, 10 + line};
        const int cellPixels = extent * line;
        const int yellowInCell = CountPixels(t.s, cell, yellow);
        const int greenInCell = CountPixels(t.s, cell, green);
        if (mode == OPAQUE) {
            EXPECT_EQ(yellowInCell, 0);
            EXPECT_GT(greenInCell, cellPixels / 2);
        } else {
            EXPECT_EQ(greenInCell, 0);
            EXPECT_GT(yellowInCell, cellPixels / 2);
        }
        // Outside the cell nothing changes in either mode.
        EXPECT_EQ(CountPixels(t.s, all, yellow), yellowInCell + 120 * 60 - cellPixels) << mode;
        Done(&t);
    }
}

TEST(TextDrawing, DrawsInTheTextColour)
{
    TextSurface t = MakeTextSurface(80, 60);
    ASSERT_NE(t.previousFont, nullptr);
    const COLORREF blue = RGB(0, 0, 255);
    SetTextColor(t.s.dc, blue);
    RECT box = {0, 0, 80, 60};
    DrawTextW(t.s.dc, BET, 1, &box, DT_CENTER | DT_VCENTER | SINGLE);
    EXPECT_GT(CountPixels(t.s, box, blue), 0);
    for (int y = 0; y < 60; y++) {
        for (int x = 0; x < 80; x++) {
            const COLORREF c = TestPixel(t.s, x, y);
            ASSERT_TRUE(GetBValue(c) >= GetRValue(c) && GetBValue(c) >= GetGValue(c)) << x << "," << y;
        }
    }
    Done(&t);
}

// Draws units with flags on a fresh surface and returns its picture.
static std::vector<COLORREF> Drawn(const WCHAR* units, int n, UINT flags, int* result = nullptr)
{
    TextSurface t = MakeTextSurface(120, 100);
    std::vector<COLORREF> pixels;
    if (t.previousFont != nullptr) {
        RECT box = {5, 5, 115, 95};
        const int r = DrawTextW(t.s.dc, units, n, &box, flags);
        if (result != nullptr)
            *result = r;
        for (int y = 0; y < 100; y++)
            for (int x = 0; x < 120; x++)
                pixels.push_back(TestPixel(t.s, x, y));
    }
    Done(&t);
    return pixels;
}

TEST(TextDrawing, SameDrawingForEquivalentCalls)
{
    const WCHAR word[] = {0x05D1, 0x05B0, 0x05E8, 0x05B5, 0x05D0, 0};
    const WCHAR doubled[] = {'a', '&', '&', 'b', 0};
    const WCHAR single[] = {'a', '&', 'b', 0};
    const UINT centred = DT_CENTER | DT_VCENTER | SINGLE;
    struct Case {
        const char* name;
        const WCHAR* a;
        int na;
        UINT fa;
        const WCHAR* b;
        int nb;
        UINT fb;
    } cases[] = {
        {"length up to the terminator", word, -1, centred, word, 5, centred},
        {"&& without DT_NOPREFIX is one &", doubled, 4, DT_CENTER | DT_VCENTER | DT_SINGLELINE, single, 3, centred},
    };
    for (const Case& c : cases) {
        const std::vector<COLORREF> a = Drawn(c.a, c.na, c.fa);
        const std::vector<COLORREF> b = Drawn(c.b, c.nb, c.fb);
        ASSERT_FALSE(a.empty()) << c.name;
        EXPECT_TRUE(a == b) << c.name;
    }
}

TEST(TextDrawing, LineBreaksStackLinesWithoutSingleLine)
{
    TextSurface t = MakeTextSurface(10, 10);
    ASSERT_NE(t.previousFont, nullptr);
    const int line = LineHeight(t.s.dc);
    Done(&t);

    const WCHAR twoLines[] = {0x05D0, '\r', '\n', 0x05D1, 0};
    int result = 0;
    const InkBox both = DrawAlone(twoLines, 4, RECT{10, 5, 150, 95}, DT_LEFT | DT_TOP | DT_NOPREFIX, &result);
    EXPECT_EQ(result, 2 * line);
    const InkBox first = DrawAlone(ALEF, 1, RECT{10, 5, 150, 95}, DT_LEFT | DT_TOP | SINGLE);
    const InkBox second = DrawAlone(BET, 1, RECT{10, 5 + line, 150, 95}, DT_LEFT | DT_TOP | SINGLE);
    ASSERT_TRUE(both.found && first.found && second.found);
    EXPECT_EQ(both.top, first.top);
    EXPECT_EQ(both.bottom, second.bottom);
    EXPECT_EQ(both.left, first.left < second.left ? first.left : second.left);
}
