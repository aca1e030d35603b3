#include "conversion.h"

#include <stdlib.h>

#include "../settings/flags.h"
#include "../shell/app_state.h"
#include "char_tables.h"

ConversionBuffer sharedConversionBuffer;

static WCHAR* OutputBuffer(ConversionBuffer* buffer, int count)
{
    if (buffer != nullptr && buffer->units != nullptr && buffer->capacity >= count)
        return buffer->units;
    // Two units per code plus the terminator.
    WCHAR* units = (WCHAR*)malloc(((size_t)count + 1) * 2 * sizeof(WCHAR));
    if (buffer != nullptr) {
        free(buffer->units);
        buffer->units = units;
        buffer->capacity = count;
    }
    return units;
}

WCHAR* ConvertToUnicode(const BYTE* text, ConversionBuffer* buffer, int count, int* extra)
{
    if (extra)
        *extra = 0;
    if (count < 0)
        count = 0;
    WCHAR* units = OutputBuffer(buffer, count);
    if (units == nullptr)
        return nullptr;

    const int charBase = appState.fontSpec.charBase;
    const bool unicode = charBase == CHAR_BASE_UNICODE;
    int extraUnits = 0;
    int n = 0;
    for (int i = 0; i < count && text[i] != 0; i++) {
        const unsigned code = text[i];
        if (!IsTableCode(code)) {
            units[n++] = (WCHAR)code;
        } else if (unicode) {
            const GlyphEntry& glyph = GLYPH_TABLE[code - FIRST_TABLE_CODE];
            units[n++] = glyph.first;
            if (glyph.second != 0) {
                units[n++] = glyph.second;
                extraUnits++;
            }
        } else {
            const BYTE eight = EIGHT_BIT_TABLE[code - FIRST_TABLE_CODE];
            if (eight != 0)
                units[n++] = eight;
            else
                extraUnits--;
        }
    }
    units[n] = 0;
    if (count > 0 && charBase != CHAR_BASE_LATIN && (appState.Flags & FLAG_REVERSE) != 0)
        ReverseUnits(units, n);
    if (extra)
        *extra = extraUnits;
    return units;
}

static WCHAR Mirror(WCHAR u)
{
    switch (u) {
    case '(': return ')';
    case ')': return '(';
    case '[': return ']';
    case ']': return '[';
    case '{': return '}';
    case '}': return '{';
    default: return u;
    }
}

int ReverseUnits(WCHAR* units, int n)
{
    if (n <= 0)
        return 0;
    WCHAR* work = (WCHAR*)malloc((size_t)n * sizeof(WCHAR));
    if (work == nullptr)
        return 1;
    for (int i = 0; i < n; i++)
        work[n - 1 - i] = Mirror(units[i]);
    for (int i = 0; i < n; i++)
        units[i] = work[i];
    free(work);
    return 0;
}
