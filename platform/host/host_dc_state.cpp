#include "host_gdi_objects.h"

// The DC's colours and background mode; each setter returns what it replaced.

static HostDc* DcOf(HDC dc)
{
    HostObject* o = HostLookup(dc, HOST_OBJECT_DC);
    return o != nullptr ? &o->dc : nullptr;
}

COLORREF GetTextColor(HDC dc)
{
    HostDc* d = DcOf(dc);
    return d != nullptr ? d->textColour : CLR_INVALID;
}

COLORREF SetTextColor(HDC dc, COLORREF colour)
{
    HostDc* d = DcOf(dc);
    if (d == nullptr)
        return CLR_INVALID;
    const COLORREF previous = d->textColour;
    d->textColour = colour;
    return previous;
}

COLORREF GetBkColor(HDC dc)
{
    HostDc* d = DcOf(dc);
    return d != nullptr ? d->backColour : CLR_INVALID;
}

COLORREF SetBkColor(HDC dc, COLORREF colour)
{
    HostDc* d = DcOf(dc);
    if (d == nullptr)
        return CLR_INVALID;
    const COLORREF previous = d->backColour;
    d->backColour = colour;
    return previous;
}

int GetBkMode(HDC dc)
{
    HostDc* d = DcOf(dc);
    return d != nullptr ? d->backMode : 0;
}

int SetBkMode(HDC dc, int mode)
{
    HostDc* d = DcOf(dc);
    if (d == nullptr || (mode != TRANSPARENT && mode != OPAQUE))
        return 0;
    const int previous = d->backMode;
    d->backMode = mode;
    return previous;
}
