// The drawing surface of the host build: the GDI calls the engine makes,
// over FreeType with fontconfig choosing faces, drawing into memory bitmaps
// (host_surface.h makes them). Included by host_windows.h.
#pragma once

struct TEXTMETRICW {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    WCHAR tmFirstChar;
    WCHAR tmLastChar;
    WCHAR tmDefaultChar;
    WCHAR tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};

enum { LF_FACESIZE = 32 };

struct LOGFONTW {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    WCHAR lfFaceName[LF_FACESIZE];
};

#define RGB(r, g, b) ((COLORREF)(((BYTE)(r)) | ((WORD)((BYTE)(g)) << 8) | (((DWORD)(BYTE)(b)) << 16)))
#define GetRValue(c) ((BYTE)(c))
#define GetGValue(c) ((BYTE)((c) >> 8))
#define GetBValue(c) ((BYTE)((c) >> 16))

#define CLR_INVALID 0xFFFFFFFFu

#define TRANSPARENT 1
#define OPAQUE 2

#define WHITE_BRUSH 0
#define LTGRAY_BRUSH 1
#define GRAY_BRUSH 2
#define DKGRAY_BRUSH 3
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8

#define PS_SOLID 0
#define PS_NULL 5
#define FW_NORMAL 400
#define FW_BOLD 700

#define DT_TOP 0x0000
#define DT_LEFT 0x0000
#define DT_CENTER 0x0001
#define DT_RIGHT 0x0002
#define DT_VCENTER 0x0004
#define DT_BOTTOM 0x0008
#define DT_SINGLELINE 0x0020
#define DT_NOCLIP 0x0100
#define DT_NOPREFIX 0x0800

// Metrics of the selected font: tmHeight is ascent + descent in pixels,
// tmMaxCharWidth the widest advance of the face at this size.
BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
// fit (when given) receives how many leading units have a total advance of at
// most maxExtent; dx (when given) the running extents; size the extent of all n.
BOOL GetTextExtentExPointW(HDC dc, LPCWSTR units, int n, int maxExtent, int* fit, int* dx, SIZE* size);
// Draws one line of n units (n < 0: up to the terminator) with the flags the
// program uses: DT_LEFT/DT_CENTER/DT_RIGHT, DT_TOP/DT_VCENTER/DT_BOTTOM,
// DT_SINGLELINE, DT_NOPREFIX (ampersands drawn as they are) and DT_NOCLIP;
// clipped to box otherwise. Returns the height of the text.
int DrawTextW(HDC dc, LPCWSTR units, int n, RECT* box, UINT format);

// Fonts by face name, height (lfHeight; negative: character height; 0: a
// default size) and weight; the other fields are ignored.
HFONT CreateFontIndirectW(const LOGFONTW* logfont);
// Selects a font, pen, brush or bitmap and returns the one it replaces.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ GetStockObject(int index);
HBRUSH CreateSolidBrush(COLORREF colour);
HPEN CreatePen(int style, int width, COLORREF colour);

COLORREF GetTextColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
int GetBkMode(HDC dc);
int SetBkMode(HDC dc, int mode);

// Fills left <= x < right, top <= y < bottom.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// Outlines with the selected pen and fills the inside with the selected brush.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
