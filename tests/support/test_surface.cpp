#include "test_surface.h"

#include "platform/png_writer.h"

#if defined(_WIN32)

TestSurface CreateTestSurface(int width, int height)
{
    TestSurface s = {};
    if (width <= 0 || height <= 0)
        return s;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr)
        return s;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap == nullptr || bits == nullptr) {
        if (bitmap != nullptr)
            DeleteObject(bitmap);
        DeleteDC(dc);
        return s;
    }
    uint32_t* pixels = (uint32_t*)bits;
    for (size_t i = 0; i < (size_t)width * (size_t)height; i++)
        pixels[i] = 0x00FFFFFFu;
    s.dc = dc;
    s.width = width;
    s.height = height;
    s.bits = pixels;
    s.bitmap = bitmap;
    s.previousBitmap = SelectObject(dc, bitmap);
    return s;
}

void DestroyTestSurface(TestSurface* s)
{
    if (s == nullptr || s->dc == nullptr)
        return;
    SelectObject(s->dc, s->previousBitmap);
    DeleteObject(s->bitmap);
    DeleteDC(s->dc);
    *s = TestSurface{};
}

// GDI may batch drawing; the bits are only current after a flush.
static void Sync()
{
    GdiFlush();
}

#else

#include "platform/host/host_surface.h"

TestSurface CreateTestSurface(int width, int height)
{
    TestSurface s = {};
    HDC dc = HostCreateSurface(width, height);
    if (dc == nullptr)
        return s;
    s.dc = dc;
    s.bits = HostSurfacePixels(dc, &s.width, &s.height);
    return s;
}

void DestroyTestSurface(TestSurface* s)
{
    if (s == nullptr || s->dc == nullptr)
        return;
    HostDestroySurface(s->dc);
    *s = TestSurface{};
}

static void Sync()
{
}

#endif

static COLORREF ColourOf(uint32_t pixel)
{
    return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

COLORREF TestPixel(const TestSurface& s, int x, int y)
{
    if (s.bits == nullptr || x < 0 || y < 0 || x >= s.width || y >= s.height)
        return CLR_INVALID;
    Sync();
    return ColourOf(s.bits[(size_t)y * (size_t)s.width + (size_t)x]);
}

bool SaveTestSurfacePng(const TestSurface& s, const char* path)
{
    if (s.bits == nullptr)
        return false;
    Sync();
    return WritePngFile(path, s.bits, s.width, s.height, (size_t)s.width);
}

// area clipped to the surface; false when nothing is left.
static bool Clip(const TestSurface& s, const RECT& area, RECT* out)
{
    out->left = area.left < 0 ? 0 : area.left;
    out->top = area.top < 0 ? 0 : area.top;
    out->right = area.right > s.width ? s.width : area.right;
    out->bottom = area.bottom > s.height ? s.height : area.bottom;
    return s.bits != nullptr && out->left < out->right && out->top < out->bottom;
}

InkBox FindInk(const TestSurface& s, const RECT& area, COLORREF background)
{
    InkBox box = {false, 0, 0, 0, 0};
    RECT r;
    if (!Clip(s, area, &r))
        return box;
    Sync();
    for (int y = r.top; y < r.bottom; y++) {
        for (int x = r.left; x < r.right; x++) {
            if (ColourOf(s.bits[(size_t)y * (size_t)s.width + (size_t)x]) == (background & 0x00FFFFFFu))
                continue;
            if (!box.found) {
                box = InkBox{true, x, y, x + 1, y + 1};
                continue;
            }
            box.left = x < box.left ? x : box.left;
            box.right = x + 1 > box.right ? x + 1 : box.right;
            box.bottom = y + 1;
        }
    }
    return box;
}

int CountPixels(const TestSurface& s, const RECT& area, COLORREF colour)
{
    RECT r;
    if (!Clip(s, area, &r))
        return 0;
    Sync();
    int n = 0;
    for (int y = r.top; y < r.bottom; y++)
        for (int x = r.left; x < r.right; x++)
            if (ColourOf(s.bits[(size_t)y * (size_t)s.width + (size_t)x]) == (colour & 0x00FFFFFFu))
                n++;
    return n;
}
