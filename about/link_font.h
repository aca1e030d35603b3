// The About box's link: its font and its drawing.
#pragma once

#include "../platform/platform.h"

// The height the link font takes: the button font's own height, or, when it
// has none (0), a 10-point character height for pixelsPerInch, the fraction
// dropped toward zero (-13 at 96, -26 at 192).
int LinkFontHeight(int buttonFontHeight, int pixelsPerInch);

#if defined(_WIN32)
enum {
    ABOUT_LINK = 1025,  // the owner-drawn button that holds the link
    LINK_TEXT_UNITS = 100,
};

// Gives the link button an underlined bold font of its own and fits the
// button to its text, keeping its place. Returns the font, which the caller
// deletes when the box ends, or null: then the link keeps the button's font
// and its template size.
HFONT PrepareLink(HWND dialog);

// Draws the link's text blue on white from the top of its rectangle, half an
// edge width in, and puts back the DC's font and colours.
void DrawLink(HWND dialog, int controlId, const DRAWITEMSTRUCT* item);
#endif
