// What the pane tests share: paragraph streams built in place, a pane on a
// white test surface with a Hebrew face that has the vowel points, and
// readers of the laid-out lines.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "content/paragraph_stream.h"
#include "pane/text_pane.h"
#include "support/test_surface.h"

// A face with the Hebrew letters, points and presentation forms, installed
// by the set-up, as the reader would be used with.
extern const WCHAR* const TEST_FACE;
// A face whose letters all have one advance, for layouts with round numbers.
extern const WCHAR* const MONO_FACE;

// Builds a paragraph stream record by record.
struct StreamBuilder {
    std::vector<BYTE> bytes;

    StreamBuilder& Text(BYTE attribute, BYTE indent, const std::vector<BYTE>& codes);
    StreamBuilder& Rule(BYTE attribute, BYTE length);
    // The end marker and STREAM_GUARD_BYTES zeros, in a malloc'd block that a
    // pane can own.
    BYTE* Finish() const;
    // Offset of the next record, the text offset of the record after it + 2.
    uint16_t Size() const { return (uint16_t)bytes.size(); }
};

// Codes of a string of letters a..z and signs: 'a'..'z' stand for the
// program's codes 97..122 (alef..shin), ' ' for a space, '-' for a hyphen,
// digits for themselves.
std::vector<BYTE> Codes(const char* s);

// A surface with a pane covering the given box of it; appState.fontSpec
// holds the pane's font (character base 1488 unless said otherwise).
struct PaneFixture {
    TestSurface surface;
    TextPane* pane;

    PaneFixture(int surfaceWidth, int surfaceHeight, RECT box, const WCHAR* face, int size,
                int charBase = 1488, int capacity = 100);
    ~PaneFixture();
    PaneFixture(const PaneFixture&) = delete;
    PaneFixture& operator=(const PaneFixture&) = delete;

    // Lays a built stream out; the pane owns it on success, else it is freed.
    int Lay(const StreamBuilder& stream);
    // The width table of a style (selecting it once and putting the DC back).
    const uint16_t* Widths(BYTE style);
    int Width(BYTE style, BYTE code) { return Widths(style)[code - FIRST_WIDTH_CODE]; }
    // Sum of the table widths of codes.
    int WidthOf(BYTE style, const std::vector<BYTE>& codes);
    int LineHeight(BYTE style);
    int MaxCharWidth(BYTE style);
};

// The records of a layout, up to the closing record.
std::vector<LineRecord> Lines(const TextPane* pane);

// "offset,length,x,hang,width,height,flags" of a record, for failure messages.
std::string Describe(const LineRecord& line);
