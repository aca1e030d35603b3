#include <limits.h>

#include "host_fonts.h"

// Text of the host layer: no shaping and no bidirectional reordering. Units
// are laid left to right, each by its own advance, so the extent of a run is
// the sum of the extents of its units. A mark the font gives no advance is
// drawn at the pen as the font places it.

static HostDc* DcOf(HDC dc)
{
    HostObject* o = HostLookup(dc, HOST_OBJECT_DC);
    return o != nullptr ? &o->dc : nullptr;
}

static int Clamp(int64_t v)
{
    return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : (int)v;
}

BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* tm)
{
    HostDc* d = DcOf(dc);
    HostFont* font = d != nullptr ? HostFontOf(d->font) : nullptr;
    if (font == nullptr || tm == nullptr)
        return FALSE;
    const HostFontMetrics* m = HostMetricsOf(font);
    *tm = TEXTMETRICW{};
    tm->tmHeight = m->ascent + m->descent;
    tm->tmAscent = m->ascent;
    tm->tmDescent = m->descent;
    tm->tmInternalLeading = m->internalLeading;
    tm->tmExternalLeading = m->externalLeading;
    tm->tmAveCharWidth = m->aveCharWidth;
    tm->tmMaxCharWidth = m->maxCharWidth;
    tm->tmWeight = m->weight;
    tm->tmDigitizedAspectX = 96;
    tm->tmDigitizedAspectY = 96;
    tm->tmFirstChar = 0x20;
    tm->tmLastChar = 0xFFFC;
    tm->tmDefaultChar = 0x25A1;
    tm->tmBreakChar = 0x20;
    tm->tmPitchAndFamily = 0x06;  // a scalable outline face of variable pitch
    return TRUE;
}

BOOL GetTextExtentExPointW(HDC dc, LPCWSTR units, int n, int maxExtent, int* fit, int* dx, SIZE* size)
{
    HostDc* d = DcOf(dc);
    HostFont* font = d != nullptr ? HostFontOf(d->font) : nullptr;
    if (font == nullptr || n < 0 || (units == nullptr && n > 0))
        return FALSE;
    // The room is compared as unsigned, as GDI does: a negative one holds everything.
    const uint64_t room = (uint32_t)maxExtent;
    int64_t total = 0;
    int fitted = 0;
    bool full = false;
    for (int i = 0; i < n; i++) {
        total += HostAdvance(font, units[i]);
        if (dx != nullptr)
            dx[i] = Clamp(total);
        if (!full && (uint64_t)total <= room)
            fitted = i + 1;
        else
            full = true;
    }
    if (fit != nullptr)
        *fit = fitted;
    if (size != nullptr) {
        const HostFontMetrics* m = HostMetricsOf(font);
        size->cx = Clamp(total);
        size->cy = n > 0 ? m->ascent + m->descent : 0;
    }
    return TRUE;
}

// Pixel bounds that drawing may touch, right and bottom exclusive.
struct Clip {
    int64_t left;
    int64_t top;
    int64_t right;
    int64_t bottom;
};

// Without DT_NOPREFIX an ampersand is not drawn and marks the unit after it
// for an underline; a doubled one draws one ampersand.
struct PrefixReader {
    const WCHAR* units;
    int count;
    int at;
    bool prefix;
};

static bool NextUnit(PrefixReader* r, WCHAR* unit, bool* underline)
{
    while (r->at < r->count) {
        WCHAR u = r->units[r->at++];
        *underline = false;
        if (r->prefix && u == u'&') {
            if (r->at >= r->count)
                return false;
            u = r->units[r->at++];
            *underline = u != u'&';
        }
        *unit = u;
        return true;
    }
    return false;
}

static int64_t LineExtent(HostFont* font, const WCHAR* units, int count, bool prefix)
{
    PrefixReader r = {units, count, 0, prefix};
    WCHAR unit;
    bool underline;
    int64_t total = 0;
    while (NextUnit(&r, &unit, &underline))
        total += HostAdvance(font, unit);
    return total;
}

static void Blend(uint32_t* pixel, uint32_t colour, unsigned coverage)
{
    if (coverage == 0)
        return;
    if (coverage >= 255) {
        *pixel = colour;
        return;
    }
    const uint32_t p = *pixel;
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const unsigned src = (colour >> shift) & 0xFF;
        const unsigned dst = (p >> shift) & 0xFF;
        out |= ((src * coverage + dst * (255 - coverage) + 127) / 255) << shift;
    }
    *pixel = out;
}

static void DrawGlyph(HostDc* d, const HostGlyphImage& g, int64_t originX, int64_t originY, const Clip& clip,
                      uint32_t colour)
{
    const int64_t x0 = originX + g.left;
    const int64_t y0 = originY - g.top;
    const int64_t rowFrom = clip.top > y0 ? clip.top - y0 : 0;
    const int64_t rowTo = clip.bottom - y0 < g.height ? clip.bottom - y0 : g.height;
    const int64_t colFrom = clip.left > x0 ? clip.left - x0 : 0;
    const int64_t colTo = clip.right - x0 < g.width ? clip.right - x0 : g.width;
    for (int64_t row = rowFrom; row < rowTo; row++) {
        const uint8_t* src = g.rows + (ptrdiff_t)row * g.pitch;
        uint32_t* dst = d->pixels + (size_t)(y0 + row) * (size_t)d->width;
        for (int64_t col = colFrom; col < colTo; col++) {
            const unsigned coverage = g.mono ? ((src[col >> 3] >> (7 - (col & 7))) & 1) * 255u : src[col];
            Blend(&dst[x0 + col], colour, coverage);
        }
    }
}

static void FillClipped(HostDc* d, int64_t left, int64_t top, int64_t right, int64_t bottom, const Clip& clip,
                        COLORREF colour)
{
    HostFillPixels(d, left > clip.left ? left : clip.left, top > clip.top ? top : clip.top,
                   right < clip.right ? right : clip.right, bottom < clip.bottom ? bottom : clip.bottom, colour);
}

static void DrawLine(HostDc* d, HostFont* font, const WCHAR* units, int count, bool prefix, int64_t x, int64_t baseline,
                     const Clip& clip)
{
    const HostFontMetrics* m = HostMetricsOf(font);
    // Ink may reach past a unit's advance by its bearings; beyond this much
    // a glyph cannot touch the clip, so it is not rendered at all.
    const int64_t reach = 2 * (int64_t)(m->ascent + m->descent) + m->maxCharWidth;
    if (baseline + reach <= clip.top || baseline - reach >= clip.bottom)
        return;
    const uint32_t colour = HostPixelOf(d->textColour);
    PrefixReader r = {units, count, 0, prefix};
    WCHAR unit;
    bool underline;
    int64_t pen = x;
    while (NextUnit(&r, &unit, &underline)) {
        const int advance = HostAdvance(font, unit);
        if (pen + advance + reach > clip.left && pen - reach < clip.right) {
            HostGlyphImage image;
            if (HostGlyphImageOf(font, unit, &image))
                DrawGlyph(d, image, pen, baseline, clip, colour);
            if (underline)
                FillClipped(d, pen, baseline + 1, pen + advance, baseline + 2, clip, d->textColour);
        }
        pen += advance;
    }
}

int DrawTextW(HDC dc, LPCWSTR units, int n, RECT* box, UINT format)
{
    HostDc* d = DcOf(dc);
    HostFont* font = d != nullptr ? HostFontOf(d->font) : nullptr;
    if (font == nullptr || box == nullptr || (units == nullptr && n != 0))
        return 0;
    if (n < 0) {
        const size_t length = UnitLength(units);
        n = length > (size_t)INT_MAX ? INT_MAX : (int)length;
    }
    const HostFontMetrics* m = HostMetricsOf(font);
    const int64_t lineHeight = m->ascent + m->descent;
    const bool prefix = (format & DT_NOPREFIX) == 0;
    const bool singleLine = (format & DT_SINGLELINE) != 0;

    Clip clip = {0, 0, d->width, d->height};
    if ((format & DT_NOCLIP) == 0) {
        clip.left = box->left > clip.left ? box->left : clip.left;
        clip.top = box->top > clip.top ? box->top : clip.top;
        clip.right = box->right < clip.right ? box->right : clip.right;
        clip.bottom = box->bottom < clip.bottom ? box->bottom : clip.bottom;
    }
    const int64_t left = box->left;
    const int64_t top = box->top;
    const int64_t right = box->right;
    const int64_t bottom = box->bottom;

    // Without DT_SINGLELINE, CR, LF and CR LF end lines, stacked from the top.
    int64_t y = top;
    int start = 0;
    do {
        int end = start;
        if (!singleLine)
            while (end < n && units[end] != u'\r' && units[end] != u'\n')
                end++;
        else
            end = n;
        const int64_t width = LineExtent(font, units + start, end - start, prefix);
        int64_t x = left;
        if (format & DT_CENTER)
            x = left + (right - left - width) / 2;
        else if (format & DT_RIGHT)
            x = right - width;
        if (singleLine) {
            // Halved separately, as GDI rounds it.
            if (format & DT_VCENTER)
                y = top + (bottom - top) / 2 - lineHeight / 2;
            else if (format & DT_BOTTOM)
                y = bottom - lineHeight;
        }
        if (d->backMode == OPAQUE)
            FillClipped(d, x, y, x + width, y + lineHeight, clip, d->backColour);
        DrawLine(d, font, units + start, end - start, prefix, x, y + m->ascent, clip);
        y += lineHeight;
        start = end;
        if (start < n && units[start] == u'\r')
            start++;
        if (start < n && units[start] == u'\n')
            start++;
    } while (start < n);

    // The height of the text; with DT_VCENTER or DT_BOTTOM, as in GDI, the
    // offset from the box's top to the bottom of the text.
    return Clamp(y - top);
}
