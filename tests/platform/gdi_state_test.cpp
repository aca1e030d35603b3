// What the DC remembers: selected objects, colours and background mode.
// Runs in both builds, so the host layer is held to what GDI does.
#include <gtest/gtest.h>

#include "support/test_surface.h"
#include "test_fonts.h"

TEST(DcState, NewSurfaceStartsLikeANewGdiDc)
{
    TestSurface s = CreateTestSurface(16, 8);
    ASSERT_NE(s.dc, nullptr);
    EXPECT_EQ(GetBkMode(s.dc), OPAQUE);
    EXPECT_EQ(GetTextColor(s.dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(s.dc), RGB(255, 255, 255));
    EXPECT_FALSE(FindInk(s, RECT{0, 0, 16, 8}).found);

    HPEN pen = CreatePen(PS_SOLID, 0, RGB(255, 0, 0));
    HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
    HFONT font = MakeFont(QM_TEST_FACE, 20);
    ASSERT_TRUE(pen != nullptr && brush != nullptr && font != nullptr);
    HGDIOBJ firstPen = SelectObject(s.dc, pen);
    HGDIOBJ firstBrush = SelectObject(s.dc, brush);
    HGDIOBJ firstFont = SelectObject(s.dc, font);
    EXPECT_EQ(firstPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(firstBrush, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(firstFont, GetStockObject(SYSTEM_FONT));

    SelectObject(s.dc, firstPen);
    SelectObject(s.dc, firstBrush);
    SelectObject(s.dc, firstFont);
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(font);
    DestroyTestSurface(&s);
}

TEST(DcState, SelectObjectReturnsThePreviousObjectOfTheSameKind)
{
    TestSurface s = CreateTestSurface(4, 4);
    ASSERT_NE(s.dc, nullptr);
    HPEN redPen = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HPEN bluePen = CreatePen(PS_SOLID, 1, RGB(0, 0, 255));
    HBRUSH redBrush = CreateSolidBrush(RGB(255, 0, 0));
    HFONT small = MakeFont(QM_TEST_FACE, 12);
    HFONT large = MakeFont(QM_TEST_FACE, 30, FW_BOLD);

    // Each step selects an object and names what the call must hand back:
    // the last object of that kind, whatever was selected in between.
    struct Step {
        HGDIOBJ select;
        HGDIOBJ expected;
    } steps[] = {
        {redPen, GetStockObject(BLACK_PEN)},
        {redBrush, GetStockObject(WHITE_BRUSH)},
        {small, GetStockObject(SYSTEM_FONT)},
        {bluePen, redPen},
        {large, small},
        {GetStockObject(NULL_BRUSH), redBrush},
        {GetStockObject(WHITE_PEN), bluePen},
        {bluePen, GetStockObject(WHITE_PEN)},
        {bluePen, bluePen},
        {GetStockObject(SYSTEM_FONT), large},
        {GetStockObject(BLACK_PEN), bluePen},
        {GetStockObject(WHITE_BRUSH), GetStockObject(NULL_BRUSH)},
    };
    for (size_t i = 0; i < sizeof steps / sizeof steps[0]; i++)
        EXPECT_EQ(SelectObject(s.dc, steps[i].select), steps[i].expected) << "step " << i;

    for (HGDIOBJ o : {(HGDIOBJ)redPen, (HGDIOBJ)bluePen, (HGDIOBJ)redBrush, (HGDIOBJ)small, (HGDIOBJ)large})
        EXPECT_TRUE(DeleteObject(o));
    DestroyTestSurface(&s);
}

TEST(DcState, SettersReturnWhatTheyReplace)
{
    TestSurface s = CreateTestSurface(4, 4);
    ASSERT_NE(s.dc, nullptr);
    const COLORREF colours[] = {RGB(0, 0, 255), RGB(255, 0, 0), RGB(0xEE, 0xFF, 0xFF), RGB(0, 0, 0)};
    COLORREF text = GetTextColor(s.dc);
    COLORREF back = GetBkColor(s.dc);
    for (COLORREF c : colours) {
        EXPECT_EQ(SetTextColor(s.dc, c), text);
        EXPECT_EQ(GetTextColor(s.dc), c);
        text = c;
        EXPECT_EQ(SetBkColor(s.dc, c ^ 0xFFFFFF), back);
        EXPECT_EQ(GetBkColor(s.dc), c ^ 0xFFFFFF);
        back = c ^ 0xFFFFFF;
    }

    struct ModeStep {
        int set;
        int returned;  // 0: refused
        int after;
    } modes[] = {
        {TRANSPARENT, OPAQUE, TRANSPARENT},
        {TRANSPARENT, TRANSPARENT, TRANSPARENT},
        {7, 0, TRANSPARENT},
        {0, 0, TRANSPARENT},
        {OPAQUE, TRANSPARENT, OPAQUE},
    };
    for (const ModeStep& m : modes) {
        EXPECT_EQ(SetBkMode(s.dc, m.set), m.returned) << "mode " << m.set;
        EXPECT_EQ(GetBkMode(s.dc), m.after) << "mode " << m.set;
    }
    DestroyTestSurface(&s);
}

TEST(DcState, StockObjectsSurviveDeleteObject)
{
    TestSurface s = CreateTestSurface(6, 6);
    ASSERT_NE(s.dc, nullptr);
    const int stock[] = {WHITE_BRUSH, BLACK_BRUSH, NULL_BRUSH, WHITE_PEN, BLACK_PEN, NULL_PEN};
    for (int index : stock) {
        HGDIOBJ o = GetStockObject(index);
        ASSERT_NE(o, nullptr) << index;
        DeleteObject(o);
        EXPECT_EQ(GetStockObject(index), o) << index;
    }
    RECT all = {0, 0, 6, 6};
    EXPECT_NE(FillRect(s.dc, &all, (HBRUSH)GetStockObject(BLACK_BRUSH)), 0);
    EXPECT_EQ(CountPixels(s, all, RGB(0, 0, 0)), 36);
    DestroyTestSurface(&s);
}

TEST(DcState, DeletingTheSelectedPenLeavesItDrawingUntilReplaced)
{
    TestSurface s = CreateTestSurface(10, 10);
    ASSERT_NE(s.dc, nullptr);
    HPEN red = CreatePen(PS_SOLID, 0, RGB(255, 0, 0));
    HGDIOBJ previous = SelectObject(s.dc, red);
    DeleteObject(red);
    Rectangle(s.dc, 1, 1, 9, 9);
    EXPECT_EQ(TestPixel(s, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(SelectObject(s.dc, previous), (HGDIOBJ)red);
    DestroyTestSurface(&s);
}
