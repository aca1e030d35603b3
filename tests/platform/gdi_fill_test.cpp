// FillRect and Rectangle, pixel by pixel against small pictures. Runs in
// both builds, so the host layer is held to what GDI does.
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <string>

#include "support/test_surface.h"
#include "test_fonts.h"

enum { W = 9, H = 7 };

// One character a pixel: '.' white, '#' black, 'r' red, 'b' blue.
static std::string Picture(const TestSurface& s)
{
    std::string out;
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            const COLORREF c = TestPixel(s, x, y);
            out += c == RGB(255, 255, 255) ? '.' : c == RGB(0, 0, 0) ? '#' : c == RGB(255, 0, 0) ? 'r' : c == RGB(0, 0, 255) ? 'b' : '?';
        }
        out += '\n';
    }
    return out;
}

static std::string Rows(std::initializer_list<const char*> rows)
{
    std::string out;
    for (const char* r : rows) {
        out += r;
        out += '\n';
    }
    return out;
}

struct FillCase {
    const char* name;
    RECT rect;
    std::string expected;
};

TEST(FillRect, FillsLeftToRightMinusOneAndTopToBottomMinusOne)
{
    const FillCase cases[] = {
        {"inside", {2, 1, 6, 4},
         Rows({".........", "..rrrr...", "..rrrr...", "..rrrr...", ".........", ".........", "........."})},
        {"one pixel", {4, 3, 5, 4},
         Rows({".........", ".........", ".........", "....r....", ".........", ".........", "........."})},
        {"no width", {4, 1, 4, 6},
         Rows({".........", ".........", ".........", ".........", ".........", ".........", "........."})},
        {"no height", {1, 5, 8, 5},
         Rows({".........", ".........", ".........", ".........", ".........", ".........", "........."})},
        {"over the top left corner", {-5, -3, 2, 2},
         Rows({"rr.......", "rr.......", ".........", ".........", ".........", ".........", "........."})},
        {"over the bottom right corner", {7, 5, 40, 40},
         Rows({".........", ".........", ".........", ".........", ".........", ".......rr", ".......rr"})},
        {"whole surface and more", {-1, -1, W + 1, H + 1},
         Rows({"rrrrrrrrr", "rrrrrrrrr", "rrrrrrrrr", "rrrrrrrrr", "rrrrrrrrr", "rrrrrrrrr", "rrrrrrrrr"})},
    };
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    for (const FillCase& c : cases) {
        TestSurface s = CreateTestSurface(W, H);
        ASSERT_NE(s.dc, nullptr);
        EXPECT_NE(FillRect(s.dc, &c.rect, red), 0) << c.name;
        EXPECT_EQ(Picture(s), c.expected) << c.name;
        DestroyTestSurface(&s);
    }
    DeleteObject(red);
}

TEST(FillRect, NullBrushFillsNothing)
{
    TestSurface s = CreateTestSurface(W, H);
    ASSERT_NE(s.dc, nullptr);
    RECT all = {0, 0, W, H};
    FillRect(s.dc, &all, (HBRUSH)GetStockObject(NULL_BRUSH));
    EXPECT_FALSE(FindInk(s, all).found);
    DestroyTestSurface(&s);
}

enum { PEN_BLACK, PEN_NULL, PEN_BLUE_3 };
enum { BRUSH_RED, BRUSH_NULL };

struct RectangleCase {
    const char* name;
    int pen;
    int brush;
    int left, top, right, bottom;
    std::string expected;
};

TEST(Rectangle, OutlinesWithThePenAndFillsWithTheBrush)
{
    const RectangleCase cases[] = {
        {"pen and brush", PEN_BLACK, BRUSH_RED, 1, 1, 7, 6,
         Rows({".........", ".######..", ".#rrrr#..", ".#rrrr#..", ".#rrrr#..", ".######..", "........."})},
        {"bottom = top + 1 draws a line", PEN_BLACK, BRUSH_RED, 2, 3, 8, 4,
         Rows({".........", ".........", ".........", "..######.", ".........", ".........", "........."})},
        {"two by two is all outline", PEN_BLACK, BRUSH_RED, 3, 2, 5, 4,
         Rows({".........", ".........", "...##....", "...##....", ".........", ".........", "........."})},
        {"no width draws nothing", PEN_BLACK, BRUSH_RED, 3, 1, 3, 6,
         Rows({".........", ".........", ".........", ".........", ".........", ".........", "........."})},
        {"corners out of order", PEN_BLACK, BRUSH_RED, 6, 5, 1, 1,
         Rows({".........", ".#####...", ".#rrr#...", ".#rrr#...", ".#####...", ".........", "........."})},
        {"null brush leaves the inside", PEN_BLACK, BRUSH_NULL, 0, 0, 5, 4,
         Rows({"#####....", "#...#....", "#...#....", "#####....", ".........", ".........", "........."})},
        {"null pen fills one short of right and bottom", PEN_NULL, BRUSH_RED, 1, 1, 7, 6,
         Rows({".........", ".rrrrr...", ".rrrrr...", ".rrrrr...", ".rrrrr...", ".........", "........."})},
        // Corners kept off the surface: GDI rounds a wide pen's corners.
        {"wide pen centred on a top edge", PEN_BLUE_3, BRUSH_NULL, -3, 2, 12, 40,
         Rows({".........", "bbbbbbbbb", "bbbbbbbbb", "bbbbbbbbb", ".........", ".........", "........."})},
        {"wide pen centred on a left edge", PEN_BLUE_3, BRUSH_NULL, 3, -5, 40, 40,
         Rows({"..bbb....", "..bbb....", "..bbb....", "..bbb....", "..bbb....", "..bbb....", "..bbb...."})},
        {"partly off the surface", PEN_BLACK, BRUSH_RED, -2, 4, 3, 12,
         Rows({".........", ".........", ".........", ".........", "###......", "rr#......", "rr#......"})},
    };
    HPEN blue3 = CreatePen(PS_SOLID, 3, RGB(0, 0, 255));
    HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
    for (const RectangleCase& c : cases) {
        TestSurface s = CreateTestSurface(W, H);
        ASSERT_NE(s.dc, nullptr);
        HGDIOBJ pen = c.pen == PEN_BLACK ? GetStockObject(BLACK_PEN) : c.pen == PEN_NULL ? GetStockObject(NULL_PEN) : (HGDIOBJ)blue3;
        HGDIOBJ brush = c.brush == BRUSH_RED ? (HGDIOBJ)red : GetStockObject(NULL_BRUSH);
        HGDIOBJ oldPen = SelectObject(s.dc, pen);
        HGDIOBJ oldBrush = SelectObject(s.dc, brush);
        EXPECT_TRUE(Rectangle(s.dc, c.left, c.top, c.right, c.bottom)) << c.name;
        EXPECT_EQ(Picture(s), c.expected) << c.name;
        SelectObject(s.dc, oldPen);
        SelectObject(s.dc, oldBrush);
        DestroyTestSurface(&s);
    }
    DeleteObject(blue3);
    DeleteObject(red);
}

TEST(TestSurfacePng, WritesAPngOfTheSurfaceSize)
{
    TestSurface s = CreateTestSurface(37, 21);
    ASSERT_NE(s.dc, nullptr);
    RECT r = {3, 4, 20, 9};
    FillRect(s.dc, &r, (HBRUSH)GetStockObject(BLACK_BRUSH));
    const char* path = "test_surface_written.png";
    ASSERT_TRUE(SaveTestSurfacePng(s, path));
    DestroyTestSurface(&s);

    FILE* f = fopen(path, "rb");
    ASSERT_NE(f, nullptr);
    unsigned char head[24] = {0};
    const size_t got = fread(head, 1, sizeof head, f);
    fclose(f);
    remove(path);
    ASSERT_EQ(got, sizeof head);
    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_EQ(memcmp(head, signature, 8), 0);
    EXPECT_EQ(memcmp(head + 12, "IHDR", 4), 0);
    EXPECT_EQ((head[16] << 24) | (head[17] << 16) | (head[18] << 8) | head[19], 37);
    EXPECT_EQ((head[20] << 24) | (head[21] << 16) | (head[22] << 8) | head[23], 21);
}
