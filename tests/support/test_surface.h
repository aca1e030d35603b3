// A drawing surface for tests in both builds: a memory DC over a white
// 32-bit bitmap that tests draw on with the GDI calls and then read back.
// Win: CreateCompatibleDC over a top-down DIB section; host: the host
// layer's memory surface.
#pragma once

#include <stdint.h>

#include "platform/platform.h"

struct TestSurface {
    HDC dc;  // null when creation failed
    int width;
    int height;
    const uint32_t* bits;  // width * height pixels, top row first, 0x00RRGGBB
#if defined(_WIN32)
    HBITMAP bitmap;
    HGDIOBJ previousBitmap;
#endif
};

TestSurface CreateTestSurface(int width, int height);
void DestroyTestSurface(TestSurface* surface);
// The pixel at (x, y) as a COLORREF; CLR_INVALID outside the surface.
COLORREF TestPixel(const TestSurface& surface, int x, int y);
// Saves the surface as an RGB PNG file (handy when a pixel test fails).
bool SaveTestSurfacePng(const TestSurface& surface, const char* path);

// The smallest box holding every pixel of area (clipped to the surface)
// whose colour is not background; right and bottom are exclusive.
struct InkBox {
    bool found;
    int left;
    int top;
    int right;
    int bottom;
};
InkBox FindInk(const TestSurface& surface, const RECT& area, COLORREF background = RGB(255, 255, 255));
// How many pixels of area (clipped to the surface) have exactly that colour.
int CountPixels(const TestSurface& surface, const RECT& area, COLORREF colour);
