// The pictures in the resources: six distinct tool-button images, the
// program's icon at both sizes and the index tree's glyphs.
#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "platform/platform.h"
#include "resources/resource_ids.h"

namespace {

// The bitmap's pixels as 0x00RRGGBB, rows top down; empty when it will not load.
std::vector<uint32_t> Pixels(HBITMAP bitmap, int* width, int* height)
{
    BITMAP info = {};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0)
        return {};
    *width = info.bmWidth;
    *height = info.bmHeight;
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    std::vector<uint32_t> pixels((size_t)info.bmWidth * info.bmHeight, 0x66666666u);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight)
        return {};
    for (uint32_t& pixel : pixels)
        pixel &= 0xFFFFFF;
    return pixels;
}

// Pixels of a cell that differ from the given background.
int Ink(const std::vector<uint32_t>& pixels, int stride, int x0, int y0, int side, uint32_t background)
{
    int ink = 0;
    for (int y = y0; y < y0 + side; y++)
        for (int x = x0; x < x0 + side; x++)
            if (pixels[(size_t)y * stride + x] != background)
                ink++;
    return ink;
}

bool SameCells(const std::vector<uint32_t>& pixels, int stride, int a, int b, int side)
{
    for (int y = 0; y < side; y++)
        for (int x = 0; x < side; x++)
            if (pixels[(size_t)y * stride + a * side + x] != pixels[(size_t)y * stride + b * side + x])
                return false;
    return true;
}

TEST(Pictures, ToolButtonBitmapHoldsSixDistinctPictures)
{
    HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TOOL_BUTTONS));
    int width = 0;
    int height = 0;
    const std::vector<uint32_t> pixels = Pixels(bitmap, &width, &height);
    ASSERT_FALSE(pixels.empty());
    EXPECT_EQ(width, 96);
    EXPECT_EQ(height, 16);
    // The light grey that the tool bar turns into its button face.
    const uint32_t background = 0xC0C0C0;
    EXPECT_EQ(pixels[0], background);
    for (int i = 0; i < 6; i++) {
        const int ink = Ink(pixels, width, 16 * i, 0, 16, background);
        EXPECT_GE(ink, 40) << "picture " << i;
        EXPECT_LE(ink, 16 * 16 - 40) << "picture " << i;
        for (int j = 0; j < i; j++)
            EXPECT_FALSE(SameCells(pixels, width, i, j, 16)) << "pictures " << j << " and " << i;
    }
    DeleteObject(bitmap);
}

TEST(Pictures, IconHasBothSizes)
{
    for (int side : {16, 32}) {
        HICON icon = (HICON)LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUILLMERE), IMAGE_ICON, side,
                                       side, 0);
        ASSERT_NE(icon, nullptr) << side;
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(icon, &info)) << side;
        int width = 0;
        int height = 0;
        const std::vector<uint32_t> colour = Pixels(info.hbmColor, &width, &height);
        ASSERT_FALSE(colour.empty()) << side;
        EXPECT_EQ(width, side);
        EXPECT_EQ(height, side);
        // The mask leaves a real picture: a good part of it is opaque, and
        // not all of it.
        const std::vector<uint32_t> mask = Pixels(info.hbmMask, &width, &height);
        ASSERT_FALSE(mask.empty()) << side;
        int opaque = 0;
        for (int y = 0; y < side; y++)
            for (int x = 0; x < side; x++)
                if (mask[(size_t)y * side + x] == 0)
                    opaque++;
        EXPECT_GE(opaque, side * side / 4) << side;
        EXPECT_LT(opaque, side * side) << side;
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
    EXPECT_NE(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_QUILLMERE)), nullptr);
}

TEST(Pictures, TreeGlyphsAreNineByNineAndDistinct)
{
    const int ids[3] = {IDB_TREE_PLUS, IDB_TREE_MINUS, IDB_TREE_PAGE};
    std::vector<uint32_t> glyphs[3];
    for (int i = 0; i < 3; i++) {
        HBITMAP bitmap = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ids[i]));
        BITMAP info = {};
        ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0) << ids[i];
        EXPECT_EQ(info.bmBitsPixel, 1) << ids[i];
        int width = 0;
        int height = 0;
        glyphs[i] = Pixels(bitmap, &width, &height);
        ASSERT_EQ(width, 9) << ids[i];
        ASSERT_EQ(height, 9) << ids[i];
        const int ink = Ink(glyphs[i], 9, 0, 0, 9, 0xFFFFFF);
        EXPECT_GE(ink, 20) << ids[i];
        EXPECT_LE(ink, 60) << ids[i];
        DeleteObject(bitmap);
    }
    EXPECT_NE(glyphs[0], glyphs[1]);
    EXPECT_NE(glyphs[0], glyphs[2]);
    EXPECT_NE(glyphs[1], glyphs[2]);
    // Plus is minus with the upright stroke: it holds all of minus's ink.
    for (int p = 0; p < 81; p++) {
        if (glyphs[1][p] == 0) {
            EXPECT_EQ(glyphs[0][p], 0u) << "pixel " << p;
        }
    }
}

}  // namespace
