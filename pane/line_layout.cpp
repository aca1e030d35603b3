// Breaking a paragraph stream into the pane's display lines.
#include <limits.h>
#include <stdlib.h>
#include <string.h>

#include "../content/char_tables.h"
#include "../content/paragraph_stream.h"
#include "text_pane.h"

enum {
    // The platform is first offered this many codes of a line; the offer
    // doubles only while all of it fits, so a long paragraph costs about the
    // length of its lines, not its whole length on every line.
    FIRST_MEASURE_OFFER = 256,
    RULE_LENGTH_LIMIT = 160,  // length bytes above this are a share of the width
};

// Where a layout stands between paragraphs and lines.
struct LayoutState {
    TextPane* pane;
    const BYTE* stream;
    uint16_t lineIndex;  // next record to write
    int lineHeight;      // tmHeight of the font in effect
    int maxCharWidth;    // tmMaxCharWidth of the font in effect
    uint16_t runX;       // running indent of the current paragraph's lines
    int result;          // 0, or the code of a failed growth
};

static uint16_t Clamp16(long long v)
{
    return (uint16_t)(v < 0 ? 0 : v > 0xFFFF ? 0xFFFF : v);
}

static void ReadFontMetrics(LayoutState* state)
{
    TEXTMETRICW metrics;
    memset(&metrics, 0, sizeof metrics);
    GetTextMetricsW(state->pane->dc, &metrics);
    state->lineHeight = metrics.tmHeight;
    state->maxCharWidth = metrics.tmMaxCharWidth;
}

// A free record at lineIndex, growing the array when it is full.
static LineRecord* NextRecord(LayoutState* state)
{
    TextPane* pane = state->pane;
    if (state->lineIndex >= pane->lineCapacity && GrowLines(pane, state->lineIndex) != 0) {
        state->result = (uint16_t)LINES_NO_MEMORY;
        return nullptr;
    }
    return &pane->lines[state->lineIndex];
}

static void Measure(LayoutState* state, bool withTable, const BYTE* body, int* room, int* count)
{
    if (withTable) {
        MeasureRunWithTable(state->pane->widthTable, body, room, count);
        return;
    }
    const int total = *count;
    int offer = total < FIRST_MEASURE_OFFER ? total : FIRST_MEASURE_OFFER;
    for (;;) {
        int w = *room;
        int n = offer;
        MeasureRun(state->pane->dc, body, &w, &n);
        if (n < offer || offer >= total) {
            *room = w;
            *count = n;
            return;
        }
        offer = offer > total / 2 ? total : offer * 2;
    }
}

static void LayRule(LayoutState* state, const Paragraph& p)
{
    if (p.indent == 0)
        return;  // no rule, no line
    LineRecord* line = NextRecord(state);
    if (line == nullptr)
        return;
    const TextPane* pane = state->pane;
    const long long width = pane->width > 0 ? pane->width : 0;
    long long length = p.indent;
    if (p.indent > RULE_LENGTH_LIMIT)
        length = (p.indent - RULE_LENGTH_LIMIT) * width * 2 / 100;
    if (length > width)
        length = width;
    long long x = pane->x;
    if ((p.attribute & ATTR_ALIGN_MASK) == ALIGN_RIGHT)
        x = pane->x + width - length;
    else if ((p.attribute & ATTR_ALIGN_MASK) == ALIGN_CENTRE)
        x = pane->x + (width - length) / 2;
    line->offset = p.textOffset;
    line->length = 0;
    line->x = Clamp16(x);
    line->hangWidth = 0;
    line->width = Clamp16(length);
    line->height = Clamp16(state->lineHeight);
    line->flags = p.attribute;
    state->lineIndex++;
    if ((p.attribute & ATTR_BLANK_AFTER) != 0)
        state->pane->totalLines++;
}

static bool OnlySpacesFrom(const BYTE* at)
{
    while (*at == SPACE_CODE)
        at++;
    return *at == 0;
}

// Breaks one text paragraph, whose codes in reading order start at start
// (the stream itself, or a reversed copy), into lines.
static void BreakParagraph(LayoutState* state, const Paragraph& p, const BYTE* start, int hang)
{
    TextPane* pane = state->pane;
    const bool reversed = (p.attribute & ATTR_REVERSED) != 0;
    const int paneWidth = pane->width > 0 ? pane->width : 0;
    const BYTE* at = start;
    int remaining = p.textLength;
    for (;;) {
        while (*at == SPACE_CODE) {
            at++;
            remaining--;
        }
        if (*at == 0)
            return;
        LineRecord* line = NextRecord(state);
        if (line == nullptr)
            return;

        int count = remaining;
        // Never a negative room: a pane narrower than its indent and hanging
        // column still gets lines of one code, not one line of everything.
        int room = paneWidth - state->runX;
        if (room < 0)
            room = 0;
        const BYTE* body = at;
        if (hang != 0) {
            // The hanging word is drawn in its column, not measured here.
            while (*body != 0 && *body != SPACE_CODE) {
                body++;
                count--;
            }
            while (*body == SPACE_CODE) {
                body++;
                count--;
            }
            room -= hang;
            if (room < 0)
                room = 0;
        }
        Measure(state, reversed, body, &room, &count);

        if (body[count] != 0 && body[count] != SPACE_CODE) {
            // The fit ends inside a word: end the line at the last space or
            // after the last hyphen before it, never at index 0.
            int k = count - 1;
            while (k >= 1 && body[k] != SPACE_CODE && body[k] != HYPHEN_CODE)
                k--;
            if (k >= 1) {
                count = body[k] == HYPHEN_CODE ? k + 1 : k;
                Measure(state, reversed, body, &room, &count);
            }
        }
        if (count == 0 && hang == 0 && *body != 0) {
            // Not even one code fits: take one anyway, with the points that
            // follow it in reading order, so that the layout moves on.
            int taken = 1;
            while (IsPointCode(body[taken]))
                taken++;
            room = INT_MAX;
            count = taken;
            Measure(state, reversed, body, &room, &count);
            if (count == 0) {
                count = taken;
                room = 0;
            }
        }

        if (reversed)
            line->offset = (uint16_t)(p.textOffset + p.textLength - (body - start) - count);
        else
            line->offset = (uint16_t)((hang != 0 ? at : body) - state->stream);
        line->length = (uint16_t)count;
        line->hangWidth = (uint16_t)hang;
        line->width = Clamp16(room);
        line->height = Clamp16(state->lineHeight);

        const uint16_t s = (uint16_t)(state->runX + hang);
        long long x;
        switch (p.attribute & ATTR_ALIGN_MASK) {
        case ALIGN_RIGHT: x = (long long)pane->x + paneWidth - s - room; break;
        case ALIGN_CENTRE: x = (long long)pane->x + state->runX + ((long long)paneWidth - s - room) / 2; break;
        default: x = (long long)pane->x + s; break;
        }
        line->x = Clamp16(x);
        state->runX = s;

        if (hang != 0) {
            count += (int)(body - at);
            hang = 0;
        }
        // The paragraph's last line carries its blank line, also when only
        // spaces follow it.
        if (count == remaining || OnlySpacesFrom(at + count)) {
            line->flags = p.attribute;
            if ((p.attribute & ATTR_BLANK_AFTER) != 0)
                pane->totalLines++;
        } else {
            line->flags = (BYTE)(p.attribute & ~ATTR_BLANK_AFTER);
        }
        at += count;
        remaining -= count;
        state->lineIndex++;
        if (*at == 0)
            return;
    }
}

// Lays out one text paragraph; false when the layout must stop.
static bool LayParagraph(LayoutState* state, const Paragraph& p, BYTE* previousStyle, int hangFactor)
{
    TextPane* pane = state->pane;
    if (((p.attribute ^ *previousStyle) & ATTR_STYLE_MASK) != 0) {
        SelectStyleFont(pane, p.attribute);
        ReadFontMetrics(state);
    }
    *previousStyle = p.attribute;

    int hang = 0;
    if (hangFactor != 0) {
        state->runX &= 0xFF3F;
        long long column = (long long)(hangFactor + 1) * state->maxCharWidth / 2;
        hang = Clamp16(column);
    }

    const BYTE* text = state->stream + p.textOffset;
    BYTE* scratch = nullptr;
    if ((p.attribute & ATTR_REVERSED) != 0) {
        // Stored last code first: broken in reading order.
        scratch = (BYTE*)malloc((size_t)p.textLength + 1);
        if (scratch == nullptr) {
            state->result = LAYOUT_NO_MEMORY;
            return false;
        }
        for (int i = 0; i < p.textLength; i++)
            scratch[i] = text[p.textLength - 1 - i];
        scratch[p.textLength] = 0;
        text = scratch;
    }
    if (state->runX >= pane->width)
        state->runX = 0;
    BreakParagraph(state, p, text, hang);
    free(scratch);
    return state->result == 0;
}

int LayoutText(TextPane* pane, BYTE* stream, int freeOld)
{
    if (pane == nullptr)
        return -1;
    pane->highlightStart = 0;
    pane->highlightEnd = 0;
    pane->totalLines = 0;
    pane->maxTopLine = 0;
    if (stream == nullptr) {
        if (freeOld) {
            free(pane->text);
            pane->text = nullptr;
        }
        return LAYOUT_NO_TEXT;
    }
    if (stream[0] == 0 || (stream[2] == 0 && !IsRuleParagraph(stream[0])))
        return LAYOUT_BAD_STREAM;
    // Laying the pane's own text out again never releases it.
    if (freeOld && pane->text != stream) {
        free(pane->text);
        pane->text = nullptr;
    }
    if (pane->lines == nullptr || pane->lineCapacity == 0) {
        LineRecord* lines = (LineRecord*)calloc(DEFAULT_LINE_CAPACITY + 1, sizeof(LineRecord));
        if (lines == nullptr)
            return LAYOUT_NO_MEMORY;
        free(pane->lines);
        pane->lines = lines;
        pane->lineCapacity = DEFAULT_LINE_CAPACITY;
    }

    LayoutState state;
    state.pane = pane;
    state.stream = stream;
    state.lineIndex = 0;
    state.runX = 0;
    state.result = 0;
    HFONT previousFont = SelectStyleFont(pane, STYLE_PLAIN);
    ReadFontMetrics(&state);
    BYTE previousStyle = STYLE_PLAIN;

    ParagraphWalk walk = StartParagraphWalk(stream);
    Paragraph p;
    Paragraph previous;
    memset(&previous, 0, sizeof previous);
    while (state.result == 0 && NextParagraph(&walk, &p)) {
        int hangFactor = HangFactor(p.indent);
        if (hangFactor != 0 && stream[p.textOffset] == SPACE_CODE && state.lineIndex != 0) {
            // A continuation: on at the preceding paragraph's running indent,
            // moved by the difference of the two indents.
            const int own = p.indent & INDENT_MASK;
            const int before = previous.indent & INDENT_MASK;
            if (own != before)
                state.runX = (uint16_t)(state.runX + own - before);
            hangFactor = 0;
        } else {
            state.runX = p.indent;
        }
        previous = p;
        // A record's flags lose ATTR_BLANK_AFTER on all but the last line,
        // and a zero record closes the array: an attribute of ATTR_BLANK_AFTER
        // alone is laid out as the same flush-left plain paragraph with
        // alignment bits 0x60, which also mean flush left.
        if ((p.attribute & ~ATTR_BLANK_AFTER) == 0)
            p.attribute |= ATTR_ALIGN_MASK;
        if (IsRuleParagraph(p.attribute))
            LayRule(&state, p);
        else
            LayParagraph(&state, p, &previousStyle, hangFactor);
    }

    if (state.result == 0) {
        memset(&pane->lines[state.lineIndex], 0, sizeof(LineRecord));
        pane->lineCount = state.lineIndex;
        pane->totalLines = (uint16_t)(pane->totalLines + state.lineIndex);
        if (state.lineIndex > 0) {
            LineRecord* last = &pane->lines[state.lineIndex - 1];
            if ((last->flags & ATTR_BLANK_AFTER) != 0) {
                last->flags &= (BYTE)~ATTR_BLANK_AFTER;
                pane->totalLines--;
            }
        }
        pane->text = stream;
        ComputeMaxTopLine(pane);
    } else {
        // The lines so far stay closed for the readers that walk them.
        memset(&pane->lines[state.lineIndex], 0, sizeof(LineRecord));
    }
    if (previousFont != nullptr)
        SelectObject(pane->dc, previousFont);
    return state.result;
}

int ComputeMaxTopLine(TextPane* pane)
{
    if (pane == nullptr || pane->lines == nullptr || pane->totalLines == 0 || pane->lineCount == 0)
        return -1;
    int left = pane->height > 0 ? pane->height : 0;
    int n = 0;
    for (int i = pane->lineCount - 1; i >= 0; i--) {
        const LineRecord& line = pane->lines[i];
        if (left < line.height)
            break;
        left -= line.height;
        if ((line.flags & ATTR_BLANK_AFTER) != 0) {
            left -= line.height;
            n++;
        }
        n++;
    }
    if (left < 0)
        n--;  // the blank line after the first record counted did not fit
    pane->maxTopLine = (uint16_t)(pane->totalLines - n);
    return pane->maxTopLine;
}

int ScrollToOffset(TextPane* pane, uint16_t offset)
{
    if (pane == nullptr || pane->lines == nullptr)
        return 0;
    int units = 0;
    for (const LineRecord* line = pane->lines; line->flags != 0; line++) {
        if (line->offset <= offset && offset <= line->offset + line->length) {
            pane->topLine = (uint16_t)(units <= pane->maxTopLine ? units : pane->maxTopLine);
            return 1;
        }
        units += (line->flags & ATTR_BLANK_AFTER) != 0 ? 2 : 1;
    }
    return 0;
}
