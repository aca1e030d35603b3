// Painting a pane's lines from its top line, and the search highlight.
#include "../content/char_tables.h"
#include "../content/paragraph_stream.h"
#include "text_pane.h"

enum { UNBOUNDED_ROOM = 0x7FFF };

// Where painting starts.
struct FirstLine {
    const LineRecord* line;
    int y;     // top of the first line drawn
    int room;  // pixels left below y in the pane
};

static FirstLine FindFirstLine(TextPane* pane)
{
    if (pane->topLine > pane->totalLines)
        pane->topLine = pane->maxTopLine;
    unsigned units = 0;
    const LineRecord* line = pane->lines;
    const LineRecord* before = nullptr;
    while (line->flags != 0 && units < pane->topLine) {
        units += (line->flags & ATTR_BLANK_AFTER) != 0 ? 2 : 1;
        before = line;
        line++;
    }
    FirstLine first = {line, pane->y, pane->height};
    if (units > pane->topLine && before != nullptr) {
        // The top line is the blank line after the record before: it shows.
        first.y += before->height;
        first.room -= before->height;
    }
    return first;
}

static BYTE FirstStyle(const LineRecord* line)
{
    return IsRuleParagraph(line->flags) ? (BYTE)STYLE_PLAIN : line->flags;
}

static bool BlankAfter(const LineRecord* line)
{
    return (line->flags & ATTR_BLANK_AFTER) != 0;
}

// Codes up to the first space or the end of the paragraph.
static int WordLength(const BYTE* word)
{
    int n = 0;
    while (word[n] != 0 && word[n] != SPACE_CODE)
        n++;
    return n;
}

static int CodesToEnd(const BYTE* run)
{
    int n = 0;
    while (run[n] != 0)
        n++;
    return n;
}

static const BYTE* SkipSpaces(const BYTE* at)
{
    while (*at == SPACE_CODE)
        at++;
    return at;
}

// The hanging word of a reversed line lies after the body's stored span,
// past the spaces between, and runs to the paragraph's end. Starting at the
// span's end also finds the word of a paragraph that is nothing else.
static const BYTE* ReversedHangingWord(const TextPane* pane, const LineRecord* line)
{
    return SkipSpaces(pane->text + line->offset + line->length);
}

static void DrawRule(TextPane* pane, const LineRecord* line, int y)
{
    HDC dc = pane->dc;
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(BLACK_BRUSH));
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
    const int middle = y + line->height / 2;
    Rectangle(dc, line->x, middle, line->x + line->width, middle + 1);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
}

static void DrawTextLine(TextPane* pane, const LineRecord* line, int y)
{
    const BYTE* text = pane->text;
    const int x = line->x;
    const int h = line->height;
    if (line->hangWidth != 0 && (line->flags & ATTR_REVERSED) != 0) {
        // Right-aligned in the column that starts at the body's right end.
        const BYTE* word = ReversedHangingWord(pane, line);
        int n = CodesToEnd(word);
        int ww = line->hangWidth;
        MeasureRunWithTable(pane->widthTable, word, &ww, &n);
        DrawPaneRun(pane, word, n, x + line->width + line->hangWidth - ww, y, ww, h);
        DrawPaneRun(pane, text + line->offset, line->length, x, y, line->width, h);
    } else if (line->hangWidth != 0) {
        // Left-aligned in the column that ends where the body begins.
        const BYTE* word = text + line->offset;
        const int length = WordLength(word);
        int n = length;
        int ww = line->hangWidth;
        MeasureRun(pane->dc, word, &ww, &n);
        DrawRun(pane->dc, word, n, x - line->hangWidth, y, ww, h);
        DrawPaneRun(pane, SkipSpaces(word + length), line->length, x, y, line->width, h);
    } else {
        DrawPaneRun(pane, text + line->offset, line->length, x, y, line->width, h);
    }
}

int PaintPane(TextPane* pane, int erase)
{
    if (pane == nullptr || pane->text == nullptr || pane->lines == nullptr)
        return -1;
    pane->linesShown = 0;
    const FirstLine first = FindFirstLine(pane);
    BYTE style = FirstStyle(first.line);
    const COLORREF savedColour = GetTextColor(pane->dc);
    HFONT previousFont = SelectStyleFont(pane, style | 0x100u);
    if (erase)
        FillBox(pane->dc, pane->x, pane->y, pane->width, pane->height, WHITE_BRUSH);

    int y = first.y;
    int room = first.room;
    for (const LineRecord* line = first.line; line->flags != 0; line++) {
        if (room < line->height)
            break;  // whole lines only
        if (IsRuleParagraph(line->flags)) {
            DrawRule(pane, line, y);
        } else {
            if (((line->flags ^ style) & ATTR_STYLE_MASK) != 0) {
                SelectStyleFont(pane, line->flags | 0x100u);
                style = line->flags;
            }
            DrawTextLine(pane, line, y);
        }
        y += line->height;
        room -= line->height;
        pane->linesShown++;
        if (BlankAfter(line)) {
            // Counted whether or not the blank line still fits.
            y += line->height;
            room -= line->height;
            pane->linesShown++;
        }
    }

    if (previousFont != nullptr)
        SelectObject(pane->dc, previousFont);
    SetTextColor(pane->dc, savedColour);
    if (pane->highlightStart != 0 || pane->highlightEnd != 0)
        return PaintHighlight(pane);
    return 0;
}

int PaintHighlight(TextPane* pane)
{
    if (pane == nullptr || pane->text == nullptr || pane->lines == nullptr)
        return -1;
    const FirstLine first = FindFirstLine(pane);
    BYTE style = FirstStyle(first.line);
    HFONT previousFont = SelectStyleFont(pane, style);

    int y = first.y;
    int room = first.room;
    for (const LineRecord* line = first.line; line->flags != 0; line++) {
        if (room < line->height)
            break;
        const bool meets = !IsRuleParagraph(line->flags) && pane->highlightEnd >= line->offset
                           && pane->highlightStart <= line->offset + line->length;
        if (meets) {
            if (((line->flags ^ style) & ATTR_STYLE_MASK) != 0) {
                SelectStyleFont(pane, line->flags);
                style = line->flags;
            }
            const BYTE* text = pane->text;
            if (line->hangWidth != 0 && (line->flags & ATTR_REVERSED) != 0) {
                // The reversed hanging word is highlighted whole.
                const BYTE* word = ReversedHangingWord(pane, line);
                int n = CodesToEnd(word);
                int ww = line->hangWidth;
                MeasureRunWithTable(pane->widthTable, word, &ww, &n);
                DrawRunColoured(pane->dc, word, n, line->x + line->width + line->hangWidth - ww, y, ww,
                                line->height, TEXT_BLUE, HIGHLIGHT_BACK);
                PaintHighlightedRun(pane, text + line->offset, line->length, line->x, y, line);
            } else if (line->hangWidth != 0) {
                const BYTE* word = text + line->offset;
                const int length = WordLength(word);
                PaintHighlightedRun(pane, word, length, line->x - line->hangWidth, y, line);
                PaintHighlightedRun(pane, SkipSpaces(word + length), line->length, line->x, y, line);
            } else {
                PaintHighlightedRun(pane, text + line->offset, line->length, line->x, y, line);
            }
        }
        room -= line->height;
        y += line->height;
        if (BlankAfter(line)) {
            room -= line->height;
            y += line->height;
        }
    }

    if (previousFont != nullptr)
        SelectObject(pane->dc, previousFont);
    return 0;
}

void PaintHighlightedRun(TextPane* pane, const BYTE* run, int count, int x, int y, const LineRecord* line)
{
    if (pane == nullptr || pane->text == nullptr || run == nullptr || line == nullptr)
        return;
    const long runOffset = (long)(run - pane->text);
    const long skip = (long)pane->highlightStart - runOffset;
    if (skip >= 0) {
        if (count >= skip) {
            // Positions come from the width table, as code-by-code drawing's do.
            int w = UNBOUNDED_ROOM;
            int n = (int)skip;
            MeasureRunWithTable(pane->widthTable, run, &w, &n);
            run += skip;
            x += w;
            count -= (int)skip;
        } else {
            count = 0;
        }
    }
    const long untilEnd = (long)pane->highlightEnd - (long)(run - pane->text);
    if (untilEnd < count)
        count = (int)untilEnd;
    if (count <= 0)
        return;

    HDC dc = pane->dc;
    HBRUSH brush = CreateSolidBrush(HIGHLIGHT_BACK);
    int w = UNBOUNDED_ROOM;
    int n = count;
    MeasureRunWithTable(pane->widthTable, run, &w, &n);
    if (brush != nullptr) {
        // One pixel above and below the line box.
        RECT box = {x, y - 1, x + w, y + line->height + 1};
        FillRect(dc, &box, brush);
    }
    const COLORREF oldText = SetTextColor(dc, TEXT_BLUE);
    const COLORREF oldBack = SetBkColor(dc, HIGHLIGHT_BACK);
    DrawPaneRun(pane, run, count, x, y, w, line->height);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    if (brush != nullptr)
        DeleteObject(brush);
}
