// One font per style key and pane, each with the widths of codes 16..127.
#include <stdlib.h>
#include <string.h>

#include "../content/char_tables.h"
#include "../content/paragraph_stream.h"
#include "../shell/app_state.h"
#include "text_pane.h"

// A fresh font's widths carry these until they are measured.
const uint16_t UNMEASURED_FIRST = 0xFFFF;
const uint16_t UNMEASURED_SECOND = 0xBAAD;
// Larger and smaller fonts when the platform chooses the size.
const long long LARGER_DEFAULT_HEIGHT = 20;
const long long SMALLER_DEFAULT_HEIGHT = 14;
// DEFAULT_CHARSET: the face name decides. With character set 0 a desktop
// font mapper passes over faces that only claim Hebrew (most of Culmus).
const BYTE ANY_CHARSET = 1;

LONG StyleFontHeight(int32_t size, BYTE style)
{
    long long height = size;
    if ((style & ATTR_LARGER) != 0)
        height = size != 0 ? (long long)size * 5 / 4 : LARGER_DEFAULT_HEIGHT;
    else if ((style & ATTR_SMALLER) != 0)
        height = size != 0 ? (long long)size * 6 / 8 : SMALLER_DEFAULT_HEIGHT;
    if (height > INT32_MAX)
        height = INT32_MAX;
    if (height < INT32_MIN)
        height = INT32_MIN;
    return (LONG)height;
}

void CreateStyleFont(TextPane* pane, FontCacheEntry* entry, BYTE style)
{
    if (pane == nullptr || entry == nullptr)
        return;
    LOGFONTW logfont;
    memset(&logfont, 0, sizeof logfont);
    UnitCopy(logfont.lfFaceName, LF_FACESIZE, pane->fontSpec.faceName);
    logfont.lfHeight = StyleFontHeight(pane->fontSpec.size, style);
    logfont.lfWeight = (style & ATTR_BOLD) != 0 ? FW_BOLD : FW_NORMAL;
    logfont.lfCharSet = ANY_CHARSET;
    entry->font = CreateFontIndirectW(&logfont);
    entry->widths[0] = UNMEASURED_FIRST;
    entry->widths[1] = UNMEASURED_SECOND;
}

HFONT SelectStyleFont(TextPane* pane, unsigned bits)
{
    if (pane == nullptr)
        return nullptr;
    const BYTE style = (BYTE)(bits & ATTR_STYLE_MASK);
    FontCacheEntry* entry = pane->fontCache;
    while (entry != nullptr && entry->style != style)
        entry = entry->next;
    bool fresh = false;
    if (entry == nullptr) {
        entry = (FontCacheEntry*)calloc(1, sizeof(FontCacheEntry));
        if (entry != nullptr) {
            entry->style = style;
            entry->next = pane->fontCache;
            pane->fontCache = entry;
            CreateStyleFont(pane, entry, style);
            fresh = true;
        }
    } else if (entry->font == nullptr) {
        // The style's font was deleted or could not be made: make it again
        // in the same entry, so that the cache never grows past one entry
        // per style.
        CreateStyleFont(pane, entry, style);
        fresh = true;
    }
    if ((bits & SET_TEXT_COLOUR) != 0)
        SetTextColor(pane->dc, (style & ATTR_BLUE) == ATTR_BLUE ? TEXT_BLUE : TEXT_BLACK);
    // Without a font the caller draws with whatever the DC holds.
    if (entry == nullptr || entry->font == nullptr)
        return nullptr;
    HFONT previous = (HFONT)SelectObject(pane->dc, entry->font);
    BuildWidthTable(pane, entry->font, fresh ? 1 : 0);
    return previous;
}

// The one unit whose width stands for a code: a pair code's letter.
static WCHAR MeasuredUnit(unsigned code, int charBase)
{
    if (!IsTableCode(code))
        return (WCHAR)code;
    if (charBase == CHAR_BASE_UNICODE) {
        const GlyphEntry& glyph = GLYPH_TABLE[code - FIRST_TABLE_CODE];
        return glyph.second != 0 ? glyph.second : glyph.first;
    }
    return (WCHAR)EIGHT_BIT_TABLE[code - FIRST_TABLE_CODE];
}

void BuildWidthTable(TextPane* pane, HFONT font, int rebuild)
{
    if (pane == nullptr || font == nullptr || pane->fontCache == nullptr)
        return;
    FontCacheEntry* entry = pane->fontCache;
    while (entry != nullptr && entry->font != font)
        entry = entry->next;
    if (entry == nullptr)
        return;
    pane->widthTable = entry->widths;
    if (!rebuild && entry->widths[0] != UNMEASURED_FIRST && entry->widths[1] != UNMEASURED_SECOND)
        return;

    // Measured in the entry's own font, whatever the DC holds.
    HGDIOBJ previous = SelectObject(pane->dc, font);
    const int charBase = appState.fontSpec.charBase;
    for (int k = 0; k < WIDTH_TABLE_CODES; k++) {
        const WCHAR unit = MeasuredUnit((unsigned)(FIRST_WIDTH_CODE + k), charBase);
        SIZE size = {0, 0};
        GetTextExtentExPointW(pane->dc, &unit, 1, 0, nullptr, nullptr, &size);
        entry->widths[k] = (uint16_t)(size.cx < 0 ? 0 : size.cx > 0xFFFF ? 0xFFFF : size.cx);
    }
    for (int code = FIRST_POINT_CODE; code <= LAST_POINT_CODE; code++)
        entry->widths[code - FIRST_WIDTH_CODE] = 0;
    if (previous != nullptr)
        SelectObject(pane->dc, previous);
}
