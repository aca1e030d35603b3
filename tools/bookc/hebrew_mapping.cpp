#include "hebrew_mapping.h"

#include <stdio.h>

#include "content/char_tables.h"

bool DecodeUtf8(const std::string& text, std::vector<uint32_t>* out)
{
    out->clear();
    size_t i = 0;
    while (i < text.size()) {
        const uint8_t b = (uint8_t)text[i];
        int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size() + (extra == 0 ? 1 : 0))
            return false;
        uint32_t cp = extra == 0 ? b : (uint32_t)(b & (0x3F >> extra));
        for (int k = 1; k <= extra; k++) {
            const uint8_t c = (uint8_t)text[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        out->push_back(cp);
        i += extra + 1;
    }
    return true;
}

static bool IsHebrewLetter(uint32_t cp)
{
    return cp >= 0x05D0 && cp <= 0x05EA;
}

static bool IsHebrewMark(uint32_t cp)
{
    return (cp >= 0x05B0 && cp <= 0x05BD) || cp == 0x05BF || cp == 0x05C1 || cp == 0x05C2 || cp == 0x05C4
        || cp == 0x05C5 || cp == 0x05C7;
}

// The code whose glyph is exactly (first, second); -1 when none.
static int CodeForUnits(uint32_t first, uint32_t second)
{
    for (int i = 0; i < TABLE_CODE_COUNT; i++)
        if (GLYPH_TABLE[i].first == first && GLYPH_TABLE[i].second == second)
            return FIRST_TABLE_CODE + i;
    return -1;
}

static bool Contains(const std::vector<uint32_t>& marks, uint32_t cp)
{
    for (uint32_t m : marks)
        if (m == cp)
            return true;
    return false;
}

static void Remove(std::vector<uint32_t>* marks, uint32_t cp)
{
    for (size_t i = 0; i < marks->size(); i++)
        if ((*marks)[i] == cp) {
            marks->erase(marks->begin() + (long)i);
            return;
        }
}

// Codes for one letter and its marks, in reading order: the letter's code
// first, then its remaining points.
static void MapCluster(uint32_t letter, std::vector<uint32_t> marks, MappingResult* result)
{
    // Holam haser for vav is a holam written on a consonantal vav: keep it as
    // a holam point rather than lose it, but never fold it into "vav with holam".
    bool holamHaser = Contains(marks, 0x05BA);
    if (holamHaser)
        Remove(&marks, 0x05BA);

    // The presentation form that takes in the most of the marks.
    uint32_t unit = letter;
    int bestTaken = 0;
    for (int row = 0; DECOMPOSITION_TABLE[row][0] != 0; row++) {
        const WCHAR* d = DECOMPOSITION_TABLE[row];
        if (d[1] != letter || CodeForUnits(d[0], 0) < 0)
            continue;
        int taken = 0;
        bool fits = true;
        for (int k = 2; k < 4 && d[k] != 0; k++) {
            if (!Contains(marks, d[k]))
                fits = false;
            taken++;
        }
        if (fits && taken > bestTaken) {
            bestTaken = taken;
            unit = d[0];
        }
    }
    if (unit != letter) {
        for (int row = 0; DECOMPOSITION_TABLE[row][0] != 0; row++)
            if (DECOMPOSITION_TABLE[row][0] == unit)
                for (int k = 2; k < 4 && DECOMPOSITION_TABLE[row][k] != 0; k++)
                    Remove(&marks, DECOMPOSITION_TABLE[row][k]);
    }

    // A point that pairs with the letter in one code (final kaf with qamats or
    // sheva, lamed with holam).
    int code = -1;
    for (size_t i = 0; i < marks.size() && code < 0; i++) {
        code = CodeForUnits(marks[i], unit);
        if (code >= 0)
            marks.erase(marks.begin() + (long)i);
    }
    if (code < 0)
        code = CodeForUnits(unit, 0);
    result->codes.push_back((uint8_t)code);

    if (holamHaser)
        marks.push_back(0x05B9);
    for (uint32_t mark : marks) {
        const int point = CodeForUnits(mark, 0);
        if (point >= 0)
            result->codes.push_back((uint8_t)point);
        else
            result->droppedMarks++;
    }
}

MappingResult MapHebrew(const std::string& utf8)
{
    MappingResult result = {false, {}, {}, 0};
    std::vector<uint32_t> cps;
    if (!DecodeUtf8(utf8, &cps)) {
        result.error = "malformed UTF-8";
        return result;
    }
    size_t i = 0;
    while (i < cps.size()) {
        const uint32_t cp = cps[i];
        if (IsHebrewLetter(cp)) {
            std::vector<uint32_t> marks;
            size_t j = i + 1;
            while (j < cps.size() && IsHebrewMark(cps[j]))
                marks.push_back(cps[j++]);
            MapCluster(cp, marks, &result);
            i = j;
        } else if (cp == 0x05BE) {
            result.codes.push_back('-');
            i++;
        } else if (cp == 0x05C3) {
            result.codes.push_back(':');
            i++;
        } else if (cp >= 0x20 && cp <= 0x7A && cp != 0x5C && CodeForUnits(cp, 0) == (int)cp) {
            result.codes.push_back((uint8_t)cp);
            i++;
        } else {
            char what[64];
            snprintf(what, sizeof what, "cannot map U+%04X at character %zu", (unsigned)cp, i + 1);
            result.error = what;
            return result;
        }
    }
    result.ok = true;
    return result;
}
