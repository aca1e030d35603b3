#include "text_runs.h"

#include <limits.h>

#include "../content/char_tables.h"
#include "../content/conversion.h"
#include "../settings/flags.h"
#include "../shell/app_state.h"
#include "text_pane.h"

enum { HOLAM_UNIT = 0x05B9, HOLAM_BOX = 3 };

// UTF-16 units ConvertToUnicode makes of one code for a character base.
static int UnitsOfCode(unsigned code, int charBase)
{
    if (!IsTableCode(code))
        return 1;
    if (charBase == CHAR_BASE_UNICODE)
        return GLYPH_TABLE[code - FIRST_TABLE_CODE].second != 0 ? 2 : 1;
    return EIGHT_BIT_TABLE[code - FIRST_TABLE_CODE] != 0 ? 1 : 0;
}

void MeasureRun(HDC dc, const BYTE* codes, int* width, int* count)
{
    const int room = *width > 0 ? *width : 0;
    int offered = *count;
    *width = 0;
    *count = 0;
    if (codes == nullptr || offered <= 0)
        return;
    // The codes really offered: conversion stops at a 0 code.
    int codeCount = 0;
    while (codeCount < offered && codes[codeCount] != 0)
        codeCount++;
    if (codeCount == 0)
        return;
    WCHAR* units = ConvertToUnicode(codes, &sharedConversionBuffer, codeCount, nullptr);
    if (units == nullptr)
        return;
    const int charBase = appState.fontSpec.charBase;
    int unitCount = 0;
    for (int i = 0; i < codeCount; i++)
        unitCount += UnitsOfCode(codes[i], charBase);
    if (unitCount == 0)
        return;  // nothing to ask the platform about
    // Reverse puts the leading codes at the end of the units; turned back,
    // the platform's fit counts units of leading codes again.
    const bool reversed = charBase != CHAR_BASE_LATIN && (appState.Flags & FLAG_REVERSE) != 0;
    if (reversed && ReverseUnits(units, unitCount) != 0)
        return;

    int fit = 0;
    SIZE size = {0, 0};
    if (!GetTextExtentExPointW(dc, units, unitCount, room, &fit, nullptr, &size))
        return;
    // Whole codes only: a pair code whose second unit does not fit is out.
    int used = 0;
    int fitting = 0;
    while (fitting < codeCount) {
        const int u = UnitsOfCode(codes[fitting], charBase);
        if (used + u > fit)
            break;
        used += u;
        fitting++;
    }
    *count = fitting;
    if (used == 0)
        return;
    if (used == unitCount) {
        *width = size.cx;
        return;
    }
    int ignored = 0;
    size.cx = 0;
    if (GetTextExtentExPointW(dc, units, used, room, &ignored, nullptr, &size))
        *width = size.cx;
}

void MeasureRunWithTable(const uint16_t* table, const BYTE* codes, int* width, int* count)
{
    if (table == nullptr) {
        *width = 0;
        return;
    }
    const uint32_t room = (uint32_t)*width;
    int limit = *count;
    int n = 0;
    uint64_t w = 0;
    while (limit > 0 && codes[n] != 0) {
        const unsigned b = codes[n];
        if (!IsPointCode(b) && b >= FIRST_WIDTH_CODE && b < FIRST_WIDTH_CODE + WIDTH_TABLE_CODES) {
            const uint64_t wider = w + table[b - FIRST_WIDTH_CODE];
            if (wider > room)
                break;
            w = wider;
        }
        n++;
        limit--;
    }
    *count = n;
    *width = w > (uint64_t)INT_MAX ? INT_MAX : (int)w;
}

void DrawRun(HDC dc, const BYTE* codes, int count, int x, int y, int w, int h)
{
    if (codes == nullptr || count <= 0)
        return;
    WCHAR* units = ConvertToUnicode(codes, &sharedConversionBuffer, count, nullptr);
    if (units == nullptr)
        return;
    // The units really made: a 0 code inside count ends the conversion.
    const int n = (int)UnitLength(units);
    if (n == 0)
        return;
    RECT box = {x, y, x + w, y + h};
    DrawTextW(dc, units, n, &box, RUN_TEXT_FORMAT);
}

void DrawRunByCode(TextPane* pane, const BYTE* codes, int count, RECT box)
{
    if (pane == nullptr || codes == nullptr || count <= 0)
        return;
    HDC dc = pane->dc;
    const uint16_t* table = pane->widthTable;
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    // Nothing is drawn to the right of the box yet: a point that comes before
    // any letter gets an empty box at the right end instead of the whole box.
    RECT r = box;
    r.left = r.right;
    int last = 0;  // width of the last letter drawn
    for (int i = count - 1; i >= 0; i--) {
        const unsigned b = codes[i];
        if (b >= FIRST_POINT_CODE && b < HOLAM_CODE) {
            r.right += last;  // the letter's own box
        } else if (b == HOLAM_CODE) {
            r.right = r.left + HOLAM_BOX;
            last = HOLAM_BOX;
        } else {
            const int w = table != nullptr && b >= FIRST_WIDTH_CODE && b < FIRST_WIDTH_CODE + WIDTH_TABLE_CODES
                              ? table[b - FIRST_WIDTH_CODE]
                              : 0;
            r.left = r.right - w;
            last = w;
        }
        WCHAR first = (WCHAR)b;
        WCHAR second = 0;
        if (IsTableCode(b)) {
            first = GLYPH_TABLE[b - FIRST_TABLE_CODE].first;
            second = GLYPH_TABLE[b - FIRST_TABLE_CODE].second;
            if (second != 0 && first == HOLAM_UNIT) {
                second = first;
                first = GLYPH_TABLE[b - FIRST_TABLE_CODE].second;
            }
        }
        DrawTextW(dc, &first, 1, &r, RUN_TEXT_FORMAT);
        if (second == HOLAM_UNIT) {
            // A holam sits on its letter's left edge.
            RECT holam = {r.left - 2, r.top, r.left + 1, r.bottom};
            DrawTextW(dc, &second, 1, &holam, RUN_TEXT_FORMAT);
            last = HOLAM_BOX;
        } else if (second != 0) {
            DrawTextW(dc, &second, 1, &r, RUN_TEXT_FORMAT);
        }
        r.right = r.left;
    }
    SetBkMode(dc, oldMode);
}

void DrawPaneRun(TextPane* pane, const BYTE* codes, int count, int x, int y, int w, int h)
{
    if (pane == nullptr)
        return;
    if (appState.fontSpec.charBase == CHAR_BASE_UNICODE) {
        RECT box = {x, y, x + w, y + h};
        DrawRunByCode(pane, codes, count, box);
    } else {
        DrawRun(pane->dc, codes, count, x, y, w, h);
    }
}

void DrawRunColoured(HDC dc, const BYTE* codes, int count, int x, int y, int w, int h, COLORREF text,
                     COLORREF back)
{
    const int oldMode = SetBkMode(dc, OPAQUE);
    const COLORREF oldText = SetTextColor(dc, text);
    const COLORREF oldBack = SetBkColor(dc, back);
    DrawRun(dc, codes, count, x, y, w, h);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldMode);
}

void FillBox(HDC dc, int x, int y, int width, int height, int stockBrush)
{
    RECT box = {x, y, x + width, y + height};
    FillRect(dc, &box, (HBRUSH)GetStockObject(stockBrush));
}
