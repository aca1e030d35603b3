// What the Choose Font dialog decides without a window: the sizes it
// offers, the preview letters, the base each radio button stands for, and
// where the controls go for a client size. Both builds compile this.
#pragma once

#include "../platform/platform.h"

// The dialog's controls.
enum {
    FONT_FACES_LIST = 1001,
    FONT_PREVIEW = 1002,
    FONT_BASE_97 = 1003,  // not in the template: every step that uses it finds nothing
    FONT_BASE_224 = 1004,
    FONT_BASE_1488 = 1005,
    FONT_SIZES_LIST = 1006,
};

enum {
    FONT_SIZE_COUNT = 14,
    PREVIEW_LETTERS = 27,
    SIZE_TEXT_UNITS = 8,  // room a size list entry is read into
    HEBREW_CHARSET_VALUE = 177,
};

// The offered heights, ended by 0.
extern const int FONT_SIZES[FONT_SIZE_COUNT + 1];

// The 27 units base + 26 down to base, then 0: the alphabet last letter
// first for the base's own letter positions.
// @param[out] units  room for PREVIEW_LETTERS + 1
void MakePreviewText(WCHAR* units, int base);

// The radio button that stands for a character base, or 0 for a base no
// button stands for; and the base a button stands for, or 0.
int RadioForBase(int base);
int BaseForRadio(int id);

// The sizes the list shows for a stored size, in list order: a stored size
// of 1..9 comes first, then the table. Returns how many were written.
// @param[out] sizes  room for capacity entries (FONT_SIZE_COUNT + 1 suffices)
int ListedSizes(int storedSize, int* sizes, int capacity);

// Writes value in decimal (a leading "-" when negative) and a terminating 0.
// Returns the units written, or 0 (and an empty text when capacity > 0) when
// the number does not fit.
int FormatSize(WCHAR* text, int capacity, int value);

// Reads a size entry: the decimal digits before the terminator or the first
// other unit, at most SIZE_TEXT_UNITS of them; 0 for an empty text.
int ReadSizeText(const WCHAR* text);

// Slots of the rectangles PlaceFontControls fills.
enum {
    SLOT_FACES,
    SLOT_SIZES,
    SLOT_PREVIEW,
    SLOT_BASE_97,
    SLOT_BASE_224,
    SLOT_BASE_1488,
    FONT_CONTROL_SLOTS,
};

struct ControlPlace {
    int x;
    int y;
    int width;
    int height;
};

// Where each control goes for a client area in pixels: faces in the left two
// thirds of the upper two thirds, the radio buttons and sizes to their right,
// the preview below, a 7-pixel margin all round.
// @param[out] places  FONT_CONTROL_SLOTS entries
void PlaceFontControls(int clientWidth, int clientHeight, ControlPlace* places);
