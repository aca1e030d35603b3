#include "host_gdi_objects.h"

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    HostObject* d = HostLookup(dc, HOST_OBJECT_DC);
    HostObject* b = HostLookup(brush, HOST_OBJECT_BRUSH);
    if (d == nullptr || b == nullptr || rect == nullptr)
        return 0;
    if (!b->brush.null)
        HostFillPixels(&d->dc, rect->left, rect->top, rect->right, rect->bottom, b->brush.colour);
    return 1;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    HostObject* d = HostLookup(dc, HOST_OBJECT_DC);
    if (d == nullptr)
        return FALSE;
    HostDc* dcRecord = &d->dc;
    const HostObject* pen = HostLookup(dcRecord->pen, HOST_OBJECT_PEN);
    const HostObject* brush = HostLookup(dcRecord->brush, HOST_OBJECT_BRUSH);
    // GDI puts the corners in order first.
    int64_t l = left < right ? left : right;
    int64_t r = left < right ? right : left;
    int64_t t = top < bottom ? top : bottom;
    int64_t b = top < bottom ? bottom : top;
    if (r - l < 1 || b - t < 1)
        return TRUE;
    const bool hasPen = pen != nullptr && !pen->pen.null;
    const bool hasBrush = brush != nullptr && !brush->brush.null;
    if (!hasPen) {
        // Without an outline GDI fills one pixel less to the right and below.
        if (hasBrush)
            HostFillPixels(dcRecord, l, t, r - 1, b - 1, brush->brush.colour);
        return TRUE;
    }
    if (hasBrush)
        HostFillPixels(dcRecord, l + 1, t + 1, r - 1, b - 1, brush->brush.colour);
    // The outline runs through the outermost pixels (left..right-1,
    // top..bottom-1); a wider pen is centred on that path.
    const int64_t w = pen->pen.width;
    const int64_t h = w / 2;
    const COLORREF c = pen->pen.colour;
    HostFillPixels(dcRecord, l - h, t - h, r - 1 - h + w, t - h + w, c);
    HostFillPixels(dcRecord, l - h, b - 1 - h, r - 1 - h + w, b - 1 - h + w, c);
    HostFillPixels(dcRecord, l - h, t - h, l - h + w, b - 1 - h + w, c);
    HostFillPixels(dcRecord, r - 1 - h, t - h, r - 1 - h + w, b - 1 - h + w, c);
    return TRUE;
}
