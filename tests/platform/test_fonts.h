// Fonts for the drawing tests, asked for the way the program asks: face
// name, height and weight, every other LOGFONTW field 0.
#pragma once

#include "platform/platform.h"

// "Ezra SIL" is found under Wine as well as on the host, so tests of both
// builds use it.
#define QM_TEST_FACE "Ezra SIL"

inline HFONT MakeFont(const char* face, LONG height, LONG weight = FW_NORMAL)
{
    LOGFONTW logfont = {};
    logfont.lfHeight = height;
    logfont.lfWeight = weight;
    for (int i = 0; face[i] != 0 && i < LF_FACESIZE - 1; i++)
        logfont.lfFaceName[i] = (WCHAR)(unsigned char)face[i];
    return CreateFontIndirectW(&logfont);
}

// The extent of n units in the font selected in dc.
inline int Extent(HDC dc, const WCHAR* units, int n)
{
    SIZE size = {-1, -1};
    if (!GetTextExtentExPointW(dc, units, n, 0, nullptr, nullptr, &size))
        return -1;
    return (int)size.cx;
}

inline int LineHeight(HDC dc)
{
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    return (int)tm.tmHeight;
}
