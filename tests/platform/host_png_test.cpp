// Saving host surfaces as PNG. check_png.py decodes the file this writes
// with zlib and compares every pixel (ctest runs it after this test).
#include <gtest/gtest.h>

#include <stdio.h>
#include <string.h>

#include <vector>

#include "platform/host/host_surface.h"

// The picture check_png.py expects: four quadrants split at (150, 120) and a
// black line along y = 200 from x = 10 to 289, on 301 x 233 pixels (more
// than one stored deflate block).
static HDC DrawQuadrants()
{
    HDC dc = HostCreateSurface(301, 233);
    if (dc == nullptr)
        return nullptr;
    struct Quadrant {
        RECT rect;
        COLORREF colour;
    } quadrants[] = {
        {{0, 0, 150, 120}, RGB(255, 0, 0)},
        {{150, 0, 301, 120}, RGB(0, 255, 0)},
        {{0, 120, 150, 233}, RGB(0, 0, 255)},
        {{150, 120, 301, 233}, RGB(18, 52, 86)},
    };
    for (const Quadrant& q : quadrants) {
        HBRUSH brush = CreateSolidBrush(q.colour);
        FillRect(dc, &q.rect, brush);
        DeleteObject(brush);
    }
    Rectangle(dc, 10, 200, 290, 201);
    return dc;
}

static uint32_t BigEndian(const unsigned char* p)
{
    return ((uint32_t)p[0] << 24) | ((uint32_t)p[1] << 16) | ((uint32_t)p[2] << 8) | p[3];
}

TEST(HostPng, WritesSignatureHeaderAndWellFormedChunks)
{
    HDC dc = DrawQuadrants();
    ASSERT_NE(dc, nullptr);
    ASSERT_TRUE(HostSaveSurfacePng(dc, QM_PNG_PATH));
    HostDestroySurface(dc);

    FILE* f = fopen(QM_PNG_PATH, "rb");
    ASSERT_NE(f, nullptr);
    std::vector<unsigned char> bytes;
    unsigned char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.insert(bytes.end(), buffer, buffer + got);
    fclose(f);

    const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    ASSERT_GT(bytes.size(), 8u + 25u + 12u);
    EXPECT_EQ(memcmp(bytes.data(), signature, 8), 0);
    // Walk the chunks: IHDR, IDAT, IEND, each length inside the file.
    const char* expected[] = {"IHDR", "IDAT", "IEND"};
    size_t at = 8;
    for (const char* type : expected) {
        ASSERT_LE(at + 12, bytes.size()) << type;
        const uint32_t length = BigEndian(&bytes[at]);
        EXPECT_EQ(memcmp(&bytes[at + 4], type, 4), 0) << type;
        ASSERT_LE(at + 12 + length, bytes.size()) << type;
        if (strcmp(type, "IHDR") == 0) {
            ASSERT_EQ(length, 13u);
            EXPECT_EQ(BigEndian(&bytes[at + 8]), 301u);
            EXPECT_EQ(BigEndian(&bytes[at + 12]), 233u);
            EXPECT_EQ(bytes[at + 16], 8);  // bit depth
            EXPECT_EQ(bytes[at + 17], 2);  // RGB
        }
        at += 12 + length;
    }
    EXPECT_EQ(at, bytes.size());
}

TEST(HostPng, FailsCleanlyWhereItCannotWrite)
{
    HDC dc = HostCreateSurface(5, 5);
    ASSERT_NE(dc, nullptr);
    const char* path = "no_such_directory/x.png";
    EXPECT_FALSE(HostSaveSurfacePng(dc, path));
    EXPECT_EQ(fopen(path, "rb"), nullptr);
    EXPECT_FALSE(HostSaveSurfacePng(dc, nullptr));
    HostDestroySurface(dc);
    EXPECT_FALSE(HostSaveSurfacePng(dc, "destroyed.png"));
    EXPECT_EQ(fopen("destroyed.png", "rb"), nullptr);
}
