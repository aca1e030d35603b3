// Memory drawing surfaces of the host build: a DC over its own 32-bit bitmap
// that the GDI calls of host_gdi.h draw into, for tests to read and save.
#pragma once

#include "../platform.h"

// Surfaces are at most this many pixels a side and HOST_SURFACE_MAX_PIXELS in all.
enum { HOST_SURFACE_MAX_SIDE = 16384, HOST_SURFACE_MAX_PIXELS = 64 * 1024 * 1024 };

// A new DC over a white width x height bitmap, with what a new GDI DC has
// selected: the system font, a black pen, a white brush, black text on a
// white background in OPAQUE mode. Null when the size is out of range or
// memory runs out.
HDC HostCreateSurface(int width, int height);
// Frees the DC and its bitmap; objects still selected in it are let go
// (deleting those whose DeleteObject was waiting for that).
void HostDestroySurface(HDC dc);
// The pixel at (x, y) as a COLORREF; CLR_INVALID outside the bitmap or for a
// handle that is not a surface.
COLORREF HostSurfacePixel(HDC dc, int x, int y);
// The bitmap itself: width * height pixels, top row first, each 0x00RRGGBB
// as in a 32-bit DIB; valid until the surface is destroyed. Null for a
// handle that is not a surface.
const uint32_t* HostSurfacePixels(HDC dc, int* width, int* height);
// Saves the bitmap as an RGB PNG file.
bool HostSaveSurfacePng(HDC dc, const char* path);
