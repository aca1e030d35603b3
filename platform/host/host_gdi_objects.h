// The host layer's GDI objects (device contexts, fonts, pens, brushes) and
// the table that hands out their handles. A handle carries a slot number and
// the slot's generation, so a stale or made-up handle is refused instead of
// followed. Private to platform/host.
#pragma once

#include "../platform.h"

enum HostObjectKind {
    HOST_OBJECT_NONE,
    HOST_OBJECT_DC,
    HOST_OBJECT_FONT,
    HOST_OBJECT_PEN,
    HOST_OBJECT_BRUSH,
};

struct HostFont;  // host_fonts.cpp

struct HostPen {
    COLORREF colour;
    int width;  // pixels; 0 and 1 both draw one pixel
    bool null;  // NULL_PEN or PS_NULL: draws nothing
};

struct HostBrush {
    COLORREF colour;
    bool null;  // NULL_BRUSH: fills nothing
};

// A memory DC over its own 32-bit bitmap.
struct HostDc {
    uint32_t* pixels;  // width * height pixels, top row first, 0x00RRGGBB as in a DIB
    int width;
    int height;
    HFONT font;
    HPEN pen;
    HBRUSH brush;
    COLORREF textColour;
    COLORREF backColour;
    int backMode;
};

struct HostObject {
    HostObjectKind kind;
    bool stock;          // never deleted
    bool deletePending;  // DeleteObject came while it was selected
    int selections;      // DCs that have it selected
    union {
        HostDc dc;
        HostFont* font;  // null for the stock font until first used
        HostPen pen;
        HostBrush brush;
    };
};

// The object behind handle when it is live and of that kind, else null.
HostObject* HostLookup(const void* handle, HostObjectKind kind);
// The object behind handle whatever its kind, else null.
HostObject* HostLookupAny(const void* handle);
// Takes ownership of a malloc'd object and returns its handle; null (and the
// object freed) when the table cannot grow.
void* HostAddObject(HostObject* object);
// Frees the object behind handle and retires the handle.
void HostRemoveObject(const void* handle);
// A DC lets go of a selected object; a pending deletion then happens.
void HostReleaseSelection(const void* handle);

// COLORREF (0x00BBGGRR) to a DIB pixel (0x00RRGGBB) and back.
inline uint32_t HostPixelOf(COLORREF c)
{
    return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
}
inline COLORREF HostColourOf(uint32_t p)
{
    return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu);
}

// Fills left <= x < right, top <= y < bottom of the DC's bitmap, clipped to
// the bitmap; any coordinates are safe.
void HostFillPixels(HostDc* dc, int64_t left, int64_t top, int64_t right, int64_t bottom, COLORREF colour);
