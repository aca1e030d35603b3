// Fonts of the host layer: fontconfig picks the face file, FreeType measures
// and renders its glyphs. Private to platform/host.
#pragma once

#include "host_gdi_objects.h"

// A face file chosen for a family name and weight.
enum { HOST_FONT_PATH_MAX = 1024 };
struct HostFaceChoice {
    char path[HOST_FONT_PATH_MAX];
    int index;      // face index in the file
    bool embolden;  // bold was asked for and the face is not bold
};

// Faces tried, in this order, when the name is empty or no face has it: each
// has the Hebrew letters with their points. After them, whatever fontconfig
// thinks best for Hebrew.
extern const char* const HOST_DEFAULT_FACES[];
extern const int HOST_DEFAULT_FACE_COUNT;

// family is UTF-8 (may be empty). False when fontconfig finds no usable face.
bool HostMatchFace(const char* family, bool bold, HostFaceChoice* choice);

// The realised font behind a font handle (the stock font is made on first
// use); null when the handle is not a font or the font could not be made.
HostFont* HostFontOf(HFONT font);
void HostDestroyFont(HostFont* font);

struct HostFontMetrics {
    int ascent;
    int descent;
    int internalLeading;
    int externalLeading;
    int aveCharWidth;
    int maxCharWidth;
    int weight;
};
const HostFontMetrics* HostMetricsOf(const HostFont* font);

// Advance of one UTF-16 unit in whole pixels (hinted, rounded, never negative);
// a unit the face lacks takes the advance of its missing-glyph symbol.
int HostAdvance(HostFont* font, WCHAR unit);

// An 8-bit coverage image of one unit's glyph, placed relative to the pen on
// the baseline: its top-left pixel is at (pen x + left, baseline - top).
// Valid until the next glyph is loaded from any font.
struct HostGlyphImage {
    const uint8_t* rows;  // first (top) row
    int pitch;            // bytes from one row to the next down
    int width;
    int height;
    bool mono;  // one bit a pixel, most significant first; else one byte a pixel
    int left;
    int top;
};
bool HostGlyphImageOf(HostFont* font, WCHAR unit, HostGlyphImage* image);
