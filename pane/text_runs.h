// Measuring and drawing runs of character codes: the primitives every text
// view of the program shares (the panes, the index list, the search banner).
// A run is a pointer and a count; a 0 code inside the count ends it early.
#pragma once

#include "../platform/platform.h"

struct TextPane;

// DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX: one line centred in
// its box, ampersands drawn as they are.
enum { RUN_TEXT_FORMAT = 0x825 };

// @param[in,out] width  in: the room in pixels; out: the width of the codes that fit
// @param[in,out] count  in: the codes offered; out: how many leading codes fit
// Measures through the platform in the font selected in dc, after
// conversion for the current character base and Reverse setting.
void MeasureRun(HDC dc, const BYTE* codes, int* width, int* count);
// The same contract with the widths of a pane's width table (112 entries,
// codes 16..127). Vowel points and codes outside 16..127 add nothing and
// always fit; the room is compared as an unsigned number, so a negative room
// never stops the count. A null table gives width 0 and leaves count alone.
void MeasureRunWithTable(const uint16_t* table, const BYTE* codes, int* width, int* count);
// Draws the converted run centred in the box x, y, x + w, y + h with the DC's
// font, colours and background mode.
void DrawRun(HDC dc, const BYTE* codes, int count, int x, int y, int w, int h);
// Draws the run code by code with the pane's width table from the right end
// of box leftwards, so the stored order reads left to right; vowel points
// are centred over the letter stored after them, a holam at its letter's
// left edge. Draws with a transparent background.
void DrawRunByCode(TextPane* pane, const BYTE* codes, int count, RECT box);
// DrawRunByCode in the box when the character base is Unicode, else DrawRun.
void DrawPaneRun(TextPane* pane, const BYTE* codes, int count, int x, int y, int w, int h);
// DrawRun in the given colours on an opaque background; the DC's colours and
// mode are put back.
void DrawRunColoured(HDC dc, const BYTE* codes, int count, int x, int y, int w, int h, COLORREF text,
                     COLORREF back);
// Fills x <= px < x + width, y <= py < y + height with a stock brush.
void FillBox(HDC dc, int x, int y, int width, int height, int stockBrush);
