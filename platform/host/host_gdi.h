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
#define SYSTEM_FONT 13

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
// Text is not shaped or reordered: units go left to right, one glyph each,
// by whole-pixel advances, so a run's extent is the sum of its units'
// extents. A mark the face gives no advance (the Hebrew points) measures 0
// and is drawn at the pen as the face places it: at the end of the letter
// before it. Alone in a box with DT_CENTER its pen is the box's centre, so a
// face that centres its marks on the pen (the Culmus faces do) puts the mark
// in the middle of the box.
BOOL GetTextMetricsW(HDC dc, TEXTMETRICW* metrics);
// fit (when given) receives how many leading units have a total advance of at
// most maxExtent (compared as unsigned, so a negative maxExtent holds all);
// dx (when given, n entries) the running extents; size the extent of all n,
// 0 x 0 when n is 0. FALSE for n < 0.
BOOL GetTextExtentExPointW(HDC dc, LPCWSTR units, int n, int maxExtent, int* fit, int* dx, SIZE* size);
// Draws n units (n < 0: up to the terminator) with the flags the
// program uses: DT_LEFT/DT_CENTER/DT_RIGHT, DT_TOP/DT_VCENTER/DT_BOTTOM,
// DT_SINGLELINE, DT_NOPREFIX (ampersands drawn as they are) and DT_NOCLIP;
// clipped to box otherwise. Without DT_NOPREFIX an ampersand underlines the
// unit after it and "&&" draws one; without DT_SINGLELINE, CR and LF start new
// lines from the top of the box. Other flags are ignored. In OPAQUE mode the
// text's cell (extent x tmHeight) is filled with the background colour first.
// Returns the height of the text; with DT_VCENTER or DT_BOTTOM the offset
// from box->top to the bottom of the text.
int DrawTextW(HDC dc, LPCWSTR units, int n, RECT* box, UINT format);

// Fonts by face name, height (lfHeight > 0: cell height, ascent + descent;
// < 0: character (em) height; 0: a 16-pixel cell; at most 2048 pixels) and
// weight (600 and above bold: the face's bold style, else the regular one
// emboldened); the other fields are ignored. An empty or unknown name gets a
// face with the Hebrew points (host_fonts.h lists them in order).
HFONT CreateFontIndirectW(const LOGFONTW* logfont);
// Selects a font, pen or brush and returns the one it replaces (a host
// surface has its own bitmap; see host_surface.h). Null for a handle that is
// not one of those or is waiting to be deleted.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Stock objects are never deleted. An object still selected in a DC is
// deleted when the DC lets go of it; it can no longer be selected.
BOOL DeleteObject(HGDIOBJ object);
// WHITE_BRUSH..NULL_PEN and SYSTEM_FONT; null for other indices.
HGDIOBJ GetStockObject(int index);
HBRUSH CreateSolidBrush(COLORREF colour);
// PS_NULL draws nothing; every other style draws solid. Width 0 or 1 draws
// one pixel; a wider pen (up to 256) is centred on the outline, with square
// corners where GDI rounds them.
HPEN CreatePen(int style, int width, COLORREF colour);

COLORREF GetTextColor(HDC dc);
COLORREF SetTextColor(HDC dc, COLORREF colour);
COLORREF GetBkColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF colour);
int GetBkMode(HDC dc);
int SetBkMode(HDC dc, int mode);

// Fills left <= x < right, top <= y < bottom (nothing when right <= left or
// bottom <= top), clipped to the bitmap.
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// Outlines with the selected pen and fills the inside with the selected brush.
// The corners are put in order first; the outline's pixels are x = left,
// x = right - 1, y = top and y = bottom - 1, so bottom = top + 1 draws a
// one-pixel line. With a null pen the fill stops one pixel short of right
// and bottom, as in GDI.
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
