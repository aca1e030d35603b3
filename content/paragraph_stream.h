// The paragraph records of a decompressed section and the one walk over
// them that layout, search and copying share.
//
// A stream is a run of records (attribute byte, indent byte, text, 0) ended
// by a 0 attribute byte, and its buffer is followed by at least
// STREAM_GUARD_BYTES zero bytes (as LoadSection leaves it), so that the walk
// below never reads past the buffer whatever the records hold.
#pragma once

#include "../platform/platform.h"

enum : BYTE {
    ATTR_SMALLER = 0x02,
    ATTR_LARGER = 0x04,
    ATTR_BOLD = 0x08,
    ATTR_BLUE = ATTR_LARGER | ATTR_BOLD,  // both together paint blue
    ATTR_REVERSED = 0x10,
    ATTR_STYLE_MASK = 0x1F,
    ATTR_ALIGN_MASK = 0x60,
    ALIGN_LEFT = 0x00,
    ALIGN_RIGHT = 0x20,
    ALIGN_CENTRE = 0x40,
    ATTR_BLANK_AFTER = 0x80,
    RULE_BITS = 0x07,  // all three set: a horizontal rule
    STYLE_PLAIN = 1,
    INDENT_MASK = 0x3F,
    HANG_SHIFT = 6,
};

// Offsets into a stream are 16 bits wherever they are stored.
enum { MAX_STREAM_BYTES = 0xFFFF };

inline bool IsRuleParagraph(BYTE attribute)
{
    return (attribute & RULE_BITS) == RULE_BITS;
}

inline int HangFactor(BYTE indent)
{
    return indent >> HANG_SHIFT;
}

struct Paragraph {
    uint16_t offset;      // of the attribute byte
    BYTE attribute;       // never 0
    BYTE indent;          // indent byte, or a rule's length byte
    uint16_t textOffset;  // offset + 2
    uint16_t textLength;  // codes before the terminating 0
};

// Where a walk stands: the offset of the next record.
struct ParagraphWalk {
    const BYTE* stream;
    size_t next;
};

inline ParagraphWalk StartParagraphWalk(const BYTE* stream)
{
    ParagraphWalk walk = {stream, 0};
    return walk;
}

// Fills *paragraph with the next record and moves past it. Returns false at
// the end marker, and also at a record that would not fit in 16-bit offsets,
// which ends the stream there.
bool NextParagraph(ParagraphWalk* walk, Paragraph* paragraph);
