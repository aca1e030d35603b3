// A reading pane: one section's paragraph stream laid out into display lines,
// painted right to left from a top line, with a cache of style fonts and
// their width tables.
#pragma once

#include "../platform/platform.h"
#include "../settings/font_spec.h"
#include "text_runs.h"

enum {
    WIDTH_TABLE_CODES = 112,  // codes 16..127
    FIRST_WIDTH_CODE = 16,
    LINE_GROWTH = 128,         // records added each time the line array grows
    DEFAULT_LINE_CAPACITY = 128,
    MAX_LINE_CAPACITY = 0xFFFF,  // line counts are 16 bits
    SET_TEXT_COLOUR = 0x300,   // SelectStyleFont also sets the style's text colour
    PANE_BAD_SIZE = -5,
    LINES_NO_MEMORY = -2,
    // LayoutText's results, as 16-bit values.
    LAYOUT_NO_TEXT = 2,
    LAYOUT_BAD_STREAM = 0xFFFC,
    LAYOUT_NO_MEMORY = 0xFFFE,
    // ScrollPane's results.
    SCROLL_UNCHANGED = 1,
    SCROLL_MOVED = 3,
};

constexpr COLORREF TEXT_BLUE = 0xFF0000;       // blue paragraphs and highlighted codes
constexpr COLORREF HIGHLIGHT_BACK = 0x00FFFF;  // yellow behind highlighted codes
constexpr COLORREF TEXT_BLACK = 0x000000;

// One display line. A line with a hanging word (hangWidth != 0) that is not
// reversed starts at its hanging word: offset is the word's start and the
// body follows the word and its spaces. A reversed line's offset and length
// are the body's stored span, and the hanging word lies after it in storage.
struct LineRecord {
    uint16_t offset;     // into the pane's text
    uint16_t length;     // codes of the body
    uint16_t x;          // left edge of the body in DC pixels
    uint16_t hangWidth;  // the hanging-word column, first line of a paragraph only
    uint16_t width;      // measured body width; a rule's length
    uint16_t height;     // tmHeight of the paragraph's font
    BYTE flags;          // the paragraph's attribute; ATTR_BLANK_AFTER only on its last line; 0 closes the array
};

struct FontCacheEntry {
    FontCacheEntry* next;  // older entry
    HFONT font;            // null once deleted
    BYTE style;            // attribute & ATTR_STYLE_MASK
    uint16_t widths[WIDTH_TABLE_CODES];  // pixels per code 16..127; vowel points 0
};

struct TextPane {
    LineRecord* lines;  // lineCapacity records plus one spare for the closing record
    HDC dc;             // not owned
    BYTE* text;         // owned paragraph stream, or null
    int32_t linesShown; // line units the last PaintPane showed
    FontSpec fontSpec;
    FontCacheEntry* fontCache;  // newest first
    uint16_t* widthTable;       // widths of the font SelectStyleFont selected last
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
    // Line units: a record is one, and one more when it has ATTR_BLANK_AFTER.
    uint16_t topLine;
    uint16_t totalLines;
    uint16_t lineCount;     // records, the closing one not counted
    uint16_t lineCapacity;
    uint16_t maxTopLine;    // the largest top line at which the pane is still full
    uint16_t highlightStart;  // text offsets; both 0 means no highlight
    uint16_t highlightEnd;    // one past the last highlighted code
};

// --- The pane object (pane_object.cpp) ---

// A new pane on dc with its box from rect (0, 0, 0, 0 when null) and a copy
// of spec (all zero when null); capacity > 0 allocates that many line
// records up front. Null for a null dc or when the record cannot be had.
TextPane* CreateTextPane(HDC dc, const RECT* rect, const FontSpec* spec, int capacity);
// Releases the text, the lines and the fonts; with freeRecord also the pane.
void DestroyTextPane(TextPane* pane, int freeRecord);
// New size, then LayoutText of the pane's own text. -1 for no pane,
// PANE_BAD_SIZE (nothing changed) for a size that is not positive.
int ResizeTextPane(TextPane* pane, int width, int height);
// Adopts spec, remakes every cached font, lays out and paints with erase.
// A null spec only deletes the fonts. -1 for no pane, 1 when the layout
// fails, otherwise PaintPane's result.
int SetPaneFont(TextPane* pane, const FontSpec* spec);
// Enlarges the line array by LINE_GROWTH records (fewer at the 16-bit limit).
// On failure the array stays, the record at index is zeroed so the lines
// laid out so far stay closed, and the result is LINES_NO_MEMORY.
int GrowLines(TextPane* pane, int index);

// --- The font cache (font_cache.cpp) ---

// Selects the font of style bits & ATTR_STYLE_MASK (made on first use),
// points widthTable at its widths and, when bits & SET_TEXT_COLOUR, sets the
// style's text colour. Returns the font the DC held before, which the caller
// selects again when done; null for no pane or when no font could be made.
HFONT SelectStyleFont(TextPane* pane, unsigned bits);
// Points widthTable at the widths of font's cache entry and measures them
// when rebuild is set or they are marked unmeasured.
void BuildWidthTable(TextPane* pane, HFONT font, int rebuild);
// Makes entry's font for style from the pane's fontSpec and marks its widths
// unmeasured.
void CreateStyleFont(TextPane* pane, FontCacheEntry* entry, BYTE style);
// lfHeight of a style's font for a FontSpec size (0 lets the platform choose).
LONG StyleFontHeight(int32_t size, BYTE style);

// --- Line layout (line_layout.cpp) ---

// Lays stream out in the pane. With freeOld the pane first releases the
// text it held. On 0 the pane owns stream; on any other result the stream
// stays the caller's. topLine is never changed; the highlight is cleared.
// -1 no pane; LAYOUT_NO_TEXT for a null stream; LAYOUT_BAD_STREAM when the
// first paragraph is neither a rule nor has text; LAYOUT_NO_MEMORY.
// The stream must be followed by STREAM_GUARD_BYTES zero bytes.
int LayoutText(TextPane* pane, BYTE* stream, int freeOld);
// Sets maxTopLine from the lines that fit the pane's height at the end of
// the text and returns it; -1 (nothing set) for an empty layout.
int ComputeMaxTopLine(TextPane* pane);
// Makes the line that holds a text offset the top line (at most maxTopLine).
// 1 when a line holds it, 0 when none does.
int ScrollToOffset(TextPane* pane, uint16_t offset);

// --- Painting (paint.cpp) ---

// Draws the whole lines that fit from topLine (pulled back to maxTopLine when
// it lies beyond the text), sets linesShown, then the highlight. erase fills
// the pane white first. -1 without text or lines.
int PaintPane(TextPane* pane, int erase);
// Draws the highlighted codes of the shown lines blue on yellow.
int PaintHighlight(TextPane* pane);
// Draws the highlighted part of a run of count codes drawn at x, y in line.
void PaintHighlightedRun(TextPane* pane, const BYTE* run, int count, int x, int y, const LineRecord* line);

// --- Scrolling (scrolling.cpp) ---

// Moves topLine by delta line units within 0..totalLines. paint 0: never
// paint; 1: paint when topLine changed; other: paint unless refused.
// stopAtEnd refuses forward steps once topLine has reached maxTopLine.
// -1 no pane; SCROLL_UNCHANGED; SCROLL_MOVED (paint 0); or PaintPane's result.
int ScrollPane(TextPane* pane, int delta, int paint, int stopAtEnd);
