// The program's one-byte character codes and their tables. Codes 16..123
// have table entries; every other code stands for the UTF-16 unit of the
// same value.
#pragma once

#include "../platform/platform.h"

enum {
    FIRST_TABLE_CODE = 16,
    LAST_TABLE_CODE = 123,
    TABLE_CODE_COUNT = LAST_TABLE_CODE - FIRST_TABLE_CODE + 1,  // 108
    FIRST_POINT_CODE = 21,  // vowel points: drawn without advancing
    LAST_POINT_CODE = 31,
    HOLAM_CODE = 31,
    SPACE_CODE = 0x20,
    HYPHEN_CODE = 0x2D,
    ALEF_CODE = 97,
};

enum {
    CHAR_BASE_UNICODE = 1488,  // alef at U+05D0
    CHAR_BASE_WINDOWS = 224,   // alef at 0xE0, as in code page 1255
    CHAR_BASE_LATIN = 97,      // alef at 'a'
};

struct GlyphEntry {
    WCHAR first;
    WCHAR second;  // 0: the code yields first alone
};

// Indexed by code - FIRST_TABLE_CODE.
extern const GlyphEntry GLYPH_TABLE[TABLE_CODE_COUNT];
// Indexed by code - FIRST_TABLE_CODE; 0 means no 8-bit form.
extern const BYTE EIGHT_BIT_TABLE[TABLE_CODE_COUNT];

// Rows of a Hebrew presentation form and its full canonical decomposition
// (two or three units, the rest 0); a row whose form is 0 ends the table.
enum { DECOMPOSITION_ROWS = 27 };
extern const WCHAR DECOMPOSITION_TABLE[DECOMPOSITION_ROWS + 1][4];

inline bool IsTableCode(unsigned code)
{
    return code >= FIRST_TABLE_CODE && code <= LAST_TABLE_CODE;
}

inline bool IsPointCode(unsigned code)
{
    return code >= FIRST_POINT_CODE && code <= LAST_POINT_CODE;
}
