#include "host_surface.h"

#include <stdlib.h>

#include "../png_writer.h"
#include "host_gdi_objects.h"

HDC HostCreateSurface(int width, int height)
{
    if (width <= 0 || height <= 0 || width > HOST_SURFACE_MAX_SIDE || height > HOST_SURFACE_MAX_SIDE)
        return nullptr;
    const size_t count = (size_t)width * (size_t)height;
    if (count > (size_t)HOST_SURFACE_MAX_PIXELS)
        return nullptr;
    uint32_t* pixels = (uint32_t*)malloc(count * sizeof(uint32_t));
    if (pixels == nullptr)
        return nullptr;
    for (size_t i = 0; i < count; i++)
        pixels[i] = 0x00FFFFFFu;
    HostObject* o = (HostObject*)calloc(1, sizeof(HostObject));
    if (o == nullptr) {
        free(pixels);
        return nullptr;
    }
    o->kind = HOST_OBJECT_DC;
    o->dc.pixels = pixels;
    o->dc.width = width;
    o->dc.height = height;
    o->dc.textColour = RGB(0, 0, 0);
    o->dc.backColour = RGB(255, 255, 255);
    o->dc.backMode = OPAQUE;
    HDC dc = (HDC)HostAddObject(o);
    if (dc == nullptr) {
        free(pixels);
        return nullptr;
    }
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SelectObject(dc, GetStockObject(BLACK_PEN));
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    return dc;
}

void HostDestroySurface(HDC dc)
{
    HostObject* o = HostLookup(dc, HOST_OBJECT_DC);
    if (o == nullptr)
        return;
    free(o->dc.pixels);
    o->dc.pixels = nullptr;
    const void* selected[3] = {o->dc.font, o->dc.pen, o->dc.brush};
    HostRemoveObject(dc);
    for (const void* handle : selected)
        HostReleaseSelection(handle);
}

static HostDc* SurfaceOf(HDC dc)
{
    HostObject* o = HostLookup(dc, HOST_OBJECT_DC);
    return o != nullptr ? &o->dc : nullptr;
}

COLORREF HostSurfacePixel(HDC dc, int x, int y)
{
    HostDc* d = SurfaceOf(dc);
    if (d == nullptr || x < 0 || y < 0 || x >= d->width || y >= d->height)
        return CLR_INVALID;
    return HostColourOf(d->pixels[(size_t)y * (size_t)d->width + (size_t)x]);
}

const uint32_t* HostSurfacePixels(HDC dc, int* width, int* height)
{
    HostDc* d = SurfaceOf(dc);
    if (d == nullptr)
        return nullptr;
    if (width != nullptr)
        *width = d->width;
    if (height != nullptr)
        *height = d->height;
    return d->pixels;
}

bool HostSaveSurfacePng(HDC dc, const char* path)
{
    HostDc* d = SurfaceOf(dc);
    if (d == nullptr)
        return false;
    return WritePngFile(path, d->pixels, d->width, d->height, (size_t)d->width);
}

void HostFillPixels(HostDc* dc, int64_t left, int64_t top, int64_t right, int64_t bottom, COLORREF colour)
{
    if (left < 0)
        left = 0;
    if (top < 0)
        top = 0;
    if (right > dc->width)
        right = dc->width;
    if (bottom > dc->height)
        bottom = dc->height;
    if (left >= right || top >= bottom)
        return;
    const uint32_t pixel = HostPixelOf(colour);
    for (int64_t y = top; y < bottom; y++) {
        uint32_t* row = dc->pixels + (size_t)y * (size_t)dc->width;
        for (int64_t x = left; x < right; x++)
            row[x] = pixel;
    }
}
