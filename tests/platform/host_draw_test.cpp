// Drawing on host surfaces: where points land, what any coordinates do,
// handles that are not (or no longer) objects, and the surfaces themselves.
#include <gtest/gtest.h>

#include <limits.h>

#include <vector>

#include "platform/host/host_surface.h"
#include "support/test_surface.h"
#include "test_fonts.h"

enum { SINGLE = DT_SINGLELINE | DT_NOPREFIX, CENTRED = DT_CENTER | DT_VCENTER | SINGLE };

static InkBox DrawOne(const char* face, const WCHAR* units, int n, RECT box, UINT flags)
{
    TestSurface s = CreateTestSurface(120, 90);
    HFONT font = MakeFont(face, 40);
    InkBox ink = {};
    if (s.dc != nullptr && font != nullptr) {
        HGDIOBJ previous = SelectObject(s.dc, font);
        SetBkMode(s.dc, TRANSPARENT);
        DrawTextW(s.dc, units, n, &box, flags);
        ink = FindInk(s, RECT{0, 0, 120, 90});
        SelectObject(s.dc, previous);
    }
    DeleteObject(font);
    DestroyTestSurface(&s);
    return ink;
}

TEST(HostPoints, APointDrawnInItsLettersBoxIsCentredOverTheLetter)
{
    // The Culmus faces centre their points on the pen, so a point alone in
    // the letter's box lands on the middle of the letter.
    const unsigned letters[] = {0x05D0, 0x05D1, 0x05DE, 0x05E9};
    const unsigned points[] = {0x05B0, 0x05B4, 0x05B5, 0x05B7, 0x05B8, 0x05BB, 0x05BC};
    for (const char* face : {"Frank Ruehl CLM", "David CLM", "Miriam CLM"}) {
        for (unsigned l : letters) {
            const WCHAR letter = (WCHAR)l;
            const RECT box = {40, 10, 40 + 30, 80};
            const InkBox letterInk = DrawOne(face, &letter, 1, box, CENTRED);
            ASSERT_TRUE(letterInk.found) << face;
            for (unsigned p : points) {
                const WCHAR point = (WCHAR)p;
                const InkBox ink = DrawOne(face, &point, 1, box, CENTRED);
                ASSERT_TRUE(ink.found) << face << " " << std::hex << p;
                const int centreTwice = ink.left + ink.right;
                EXPECT_NEAR(centreTwice, box.left + box.right, 3) << face << " " << std::hex << l << " " << p;
                EXPECT_GE(ink.left, letterInk.left - 1) << face << " " << std::hex << l << " " << p;
                EXPECT_LE(ink.right, letterInk.right + 1) << face << " " << std::hex << l << " " << p;
            }
        }
    }
}

TEST(HostPoints, APointAfterItsLetterInARunLandsOnTheLettersEnd)
{
    for (const char* face : {"Frank Ruehl CLM", "David CLM"}) {
        const WCHAR letter[] = {0x05D0};
        const WCHAR pointed[] = {0x05D0, 0x05B8};
        const RECT box = {20, 10, 110, 80};
        TestSurface s = CreateTestSurface(120, 90);
        HFONT font = MakeFont(face, 40);
        HGDIOBJ previous = SelectObject(s.dc, font);
        const int advance = Extent(s.dc, letter, 1);
        SelectObject(s.dc, previous);
        DeleteObject(font);
        DestroyTestSurface(&s);

        const InkBox alone = DrawOne(face, letter, 1, box, DT_LEFT | DT_TOP | SINGLE);
        const InkBox both = DrawOne(face, pointed, 2, box, DT_LEFT | DT_TOP | SINGLE);
        ASSERT_TRUE(alone.found && both.found) << face;
        // The qamats hangs below the letter, centred on the pen that the
        // letter's advance left at box.left + advance.
        EXPECT_GT(both.bottom, alone.bottom) << face;
        EXPECT_LT(both.left, box.left + advance + 1) << face;
        EXPECT_GT(both.right, box.left + advance - 1) << face;
    }
}

TEST(HostDrawing, AnyCoordinatesAreSafe)
{
    const LONG big = INT_MAX;
    const LONG small = INT_MIN;
    const RECT boxes[] = {
        {small, small, big, big}, {big, big, small, small}, {small, small, small, small}, {big, big, big, big},
        {-100000, -5, -99990, 50}, {5, -100000, 60, -99950}, {small, 10, 50, 40}, {10, small, 50, big},
        {100000, 10, 100100, 50}, {-3, -3, 3, 3},
    };
    const UINT flags[] = {CENTRED, CENTRED | DT_NOCLIP, DT_RIGHT | DT_BOTTOM | SINGLE | DT_NOCLIP, DT_LEFT | DT_TOP,
                          DT_CENTER | DT_VCENTER | DT_SINGLELINE};
    const WCHAR text[] = {0x05D0, 0x05B8, '&', 'W', '\n', 0x05E9, 0x05C1, 0};
    HFONT fonts[] = {MakeFont("Frank Ruehl CLM", 40), MakeFont("Ezra SIL", -2048, FW_BOLD)};
    HPEN wide = CreatePen(PS_SOLID, 200, RGB(0, 0, 255));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    TestSurface s = CreateTestSurface(64, 48);
    ASSERT_NE(s.dc, nullptr);
    HGDIOBJ oldFont = SelectObject(s.dc, fonts[0]);
    HGDIOBJ oldPen = SelectObject(s.dc, wide);
    HGDIOBJ oldBrush = SelectObject(s.dc, red);
    for (HFONT font : fonts) {
        SelectObject(s.dc, font);
        for (const RECT& b : boxes) {
            for (UINT f : flags) {
                RECT box = b;
                DrawTextW(s.dc, text, -1, &box, f);
                EXPECT_EQ(box.left, b.left);  // the box is not changed
            }
            FillRect(s.dc, &b, red);
            Rectangle(s.dc, b.left, b.top, b.right, b.bottom);
        }
    }
    for (int x : {INT_MIN, -1, 64, INT_MAX})
        EXPECT_EQ(TestPixel(s, x, 0), CLR_INVALID);
    EXPECT_EQ(HostSurfacePixel(s.dc, 0, INT_MIN), CLR_INVALID);
    SelectObject(s.dc, oldFont);
    SelectObject(s.dc, oldPen);
    SelectObject(s.dc, oldBrush);
    DestroyTestSurface(&s);
    for (HFONT font : fonts)
        DeleteObject(font);
    DeleteObject(wide);
    DeleteObject(red);
}

TEST(HostDrawing, BoxesOffTheSurfaceLeaveItUntouched)
{
    const RECT boxes[] = {{-200, 0, -1, 48}, {64, 0, 400, 48}, {0, -300, 64, 0}, {0, 48, 64, 900}};
    TestSurface s = CreateTestSurface(64, 48);
    ASSERT_NE(s.dc, nullptr);
    HFONT font = MakeFont("Frank Ruehl CLM", 30);
    HGDIOBJ oldFont = SelectObject(s.dc, font);
    HGDIOBJ oldBrush = SelectObject(s.dc, GetStockObject(BLACK_BRUSH));
    const WCHAR text[] = {0x05D0, 0x05D1, 0x05D2, 0};
    for (const RECT& b : boxes) {
        RECT box = b;
        DrawTextW(s.dc, text, 3, &box, CENTRED);
        FillRect(s.dc, &b, (HBRUSH)GetStockObject(BLACK_BRUSH));
        Rectangle(s.dc, b.left, b.top, b.right, b.bottom);
    }
    EXPECT_FALSE(FindInk(s, RECT{0, 0, 64, 48}).found);
    SelectObject(s.dc, oldFont);
    SelectObject(s.dc, oldBrush);
    DeleteObject(font);
    DestroyTestSurface(&s);
}

TEST(HostDrawing, WidePenCornersAreSquare)
{
    TestSurface s = CreateTestSurface(12, 12);
    ASSERT_NE(s.dc, nullptr);
    HPEN pen = CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(s.dc, pen);
    HGDIOBJ oldBrush = SelectObject(s.dc, GetStockObject(NULL_BRUSH));
    Rectangle(s.dc, 2, 2, 10, 10);
    // The outline's path is x = 2 and 9, y = 2 and 9; three pixels across it.
    const InkBox ink = FindInk(s, RECT{0, 0, 12, 12});
    EXPECT_TRUE(ink.found);
    EXPECT_EQ(ink.left, 1);
    EXPECT_EQ(ink.top, 1);
    EXPECT_EQ(ink.right, 11);
    EXPECT_EQ(ink.bottom, 11);
    EXPECT_EQ(TestPixel(s, 1, 1), RGB(0, 0, 0));
    EXPECT_EQ(TestPixel(s, 10, 10), RGB(0, 0, 0));
    EXPECT_FALSE(FindInk(s, RECT{4, 4, 8, 8}).found);
    SelectObject(s.dc, oldPen);
    SelectObject(s.dc, oldBrush);
    DeleteObject(pen);
    DestroyTestSurface(&s);
}

TEST(HostDrawing, APrefixedUnitIsUnderlined)
{
    const WCHAR prefixed[] = {'&', 'x'};
    const WCHAR plain[] = {'x'};
    const RECT box = {10, 10, 110, 80};
    const InkBox underlined = DrawOne("Frank Ruehl CLM", prefixed, 2, box, DT_LEFT | DT_TOP | DT_SINGLELINE);
    const InkBox bare = DrawOne("Frank Ruehl CLM", plain, 1, box, DT_LEFT | DT_TOP | SINGLE);
    ASSERT_TRUE(underlined.found && bare.found);
    EXPECT_EQ(underlined.top, bare.top);
    EXPECT_GT(underlined.bottom, bare.bottom);
}

TEST(HostObjects, HandlesThatAreNotLiveObjectsAreRefused)
{
    TestSurface s = CreateTestSurface(8, 8);
    ASSERT_NE(s.dc, nullptr);
    HBRUSH brush = CreateSolidBrush(RGB(255, 0, 0));
    ASSERT_TRUE(DeleteObject(brush));
    HDC bogusDc = (HDC)(uintptr_t)0x12345;
    RECT r = {0, 0, 8, 8};
    const WCHAR a = 'a';

    EXPECT_EQ(SelectObject(s.dc, brush), nullptr);  // deleted
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(FillRect(s.dc, &r, brush), 0);
    EXPECT_EQ(SelectObject(s.dc, (HGDIOBJ)(uintptr_t)0xDEADBEEF), nullptr);
    EXPECT_EQ(SelectObject(s.dc, (HGDIOBJ)s.dc), nullptr);  // a DC is not selectable
    EXPECT_FALSE(DeleteObject((HGDIOBJ)s.dc));
    EXPECT_EQ(SelectObject(nullptr, GetStockObject(BLACK_PEN)), nullptr);
    EXPECT_EQ(FillRect(bogusDc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH)), 0);
    EXPECT_EQ(FillRect(s.dc, nullptr, (HBRUSH)GetStockObject(BLACK_BRUSH)), 0);
    EXPECT_FALSE(Rectangle(bogusDc, 0, 0, 4, 4));
    EXPECT_EQ(DrawTextW(bogusDc, &a, 1, &r, CENTRED), 0);
    EXPECT_EQ(DrawTextW(s.dc, &a, 1, nullptr, CENTRED), 0);
    EXPECT_EQ(DrawTextW(s.dc, nullptr, 1, &r, CENTRED), 0);
    EXPECT_EQ(SetTextColor(bogusDc, 0), CLR_INVALID);
    EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
    EXPECT_EQ(SetBkMode(bogusDc, OPAQUE), 0);
    EXPECT_EQ(GetBkMode(bogusDc), 0);
    for (int index : {-1, 9, 12, 14, 1000})
        EXPECT_EQ(GetStockObject(index), nullptr) << index;
    EXPECT_FALSE(FindInk(s, r).found);
    DestroyTestSurface(&s);
}

TEST(HostObjects, ManyObjectsComeAndGoWithoutReusingHandles)
{
    TestSurface s = CreateTestSurface(4, 4);
    ASSERT_NE(s.dc, nullptr);
    RECT pixel = {1, 1, 2, 2};
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 1500; i++) {
        HBRUSH b = CreateSolidBrush(RGB(i & 0xFF, i >> 8, 7));
        ASSERT_NE(b, nullptr) << i;
        brushes.push_back(b);
    }
    for (int i = 0; i < 1500; i += 97) {
        ASSERT_NE(FillRect(s.dc, &pixel, brushes[(size_t)i]), 0);
        EXPECT_EQ(TestPixel(s, 1, 1), RGB(i & 0xFF, i >> 8, 7)) << i;
    }
    for (HBRUSH b : brushes)
        EXPECT_TRUE(DeleteObject(b));
    // New objects take the freed slots under new handles.
    std::vector<HBRUSH> again;
    for (int i = 0; i < 1500; i++)
        again.push_back(CreateSolidBrush(RGB(0, 0, 255)));
    for (HBRUSH b : brushes)
        ASSERT_EQ(FillRect(s.dc, &pixel, b), 0);
    for (HBRUSH b : again)
        DeleteObject(b);
    DestroyTestSurface(&s);
}

TEST(HostObjects, DestroyingASurfaceFinishesPendingDeletes)
{
    HDC dc = HostCreateSurface(8, 8);
    ASSERT_NE(dc, nullptr);
    HFONT font = MakeFont("David CLM", 20);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    SelectObject(dc, font);
    SelectObject(dc, pen);
    EXPECT_TRUE(DeleteObject(font));
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(SelectObject(dc, font), nullptr);  // waiting to be deleted
    TEXTMETRICW tm = {};
    EXPECT_TRUE(GetTextMetricsW(dc, &tm));  // but still in use
    EXPECT_EQ(tm.tmHeight, 20);
    HostDestroySurface(dc);
    EXPECT_FALSE(DeleteObject(font));
    EXPECT_FALSE(DeleteObject(pen));
    HostDestroySurface(dc);  // a second time does nothing
}

TEST(HostSurfaces, SizesOutOfRangeMakeNoSurface)
{
    struct Case {
        int width;
        int height;
        bool made;
    } cases[] = {
        {1, 1, true}, {0, 10, false}, {10, 0, false}, {-1, 10, false}, {INT_MIN, INT_MIN, false},
        {HOST_SURFACE_MAX_SIDE, 1, true}, {HOST_SURFACE_MAX_SIDE + 1, 1, false}, {1, INT_MAX, false},
        {HOST_SURFACE_MAX_SIDE, HOST_SURFACE_MAX_SIDE, false},
    };
    for (const Case& c : cases) {
        HDC dc = HostCreateSurface(c.width, c.height);
        EXPECT_EQ(dc != nullptr, c.made) << c.width << " x " << c.height;
        if (dc != nullptr) {
            int w = 0;
            int h = 0;
            EXPECT_NE(HostSurfacePixels(dc, &w, &h), nullptr);
            EXPECT_EQ(w, c.width);
            EXPECT_EQ(h, c.height);
            EXPECT_EQ(HostSurfacePixel(dc, c.width - 1, c.height - 1), RGB(255, 255, 255));
        }
        HostDestroySurface(dc);
    }
    EXPECT_EQ(HostSurfacePixels(nullptr, nullptr, nullptr), nullptr);
}
