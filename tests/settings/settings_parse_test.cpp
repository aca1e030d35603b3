#include <gtest/gtest.h>
#include <string.h>

#include <string>
#include <vector>

#include "settings/settings_parse.h"
#include "shell/app_state.h"

namespace {

std::vector<BYTE> Utf16(const char16_t* s, bool terminated = true)
{
    std::vector<BYTE> out;
    for (; *s; s++) {
        out.push_back((BYTE)*s);
        out.push_back((BYTE)(*s >> 8));
    }
    if (terminated) {
        out.push_back(0);
        out.push_back(0);
    }
    return out;
}

struct NumberCase {
    const char* name;
    DWORD type;
    std::vector<BYTE> data;
    DWORD expected;
};

TEST(NumberFromValueData, ReadsNumbersAndText)
{
    const NumberCase cases[] = {
        {"a REG_DWORD", REG_DWORD, {0x40, 0x00, 0x14, 0xD1}, 0xD1140040u},
        {"text 23", REG_SZ, Utf16(u"23"), 23},
        {"empty text", REG_SZ, Utf16(u""), 0},
        {"no data", REG_SZ, {}, 0},
        {"a letter counts from the digit zero", REG_SZ, Utf16(u"1a"), 59},
        {"text ends at its first zero unit", REG_SZ, Utf16(u"12\0" u"9"), 12},
        {"text without a terminator", REG_SZ, Utf16(u"77", false), 77},
        {"an odd last byte is not a unit", REG_SZ, {'4', 0, '5'}, 4},
        {"wraps at 32 bits", REG_SZ, Utf16(u"4294967296"), 0},
        {"binary data is text too", REG_BINARY, Utf16(u"65537"), 65537},
        {"a short REG_DWORD is read as text", REG_DWORD, {'7', 0}, 7},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(NumberFromValueData(c.type, c.data.data(), (DWORD)c.data.size()), c.expected) << c.name;
    EXPECT_EQ(Low16(65537), 1) << "Lesson 65537 is section 1";
}

TEST(CopyFaceName, CutsAt31UnitsAndAlwaysEnds)
{
    WCHAR face[FACE_NAME_UNITS];
    memset(face, 0x66, sizeof face);
    const std::vector<BYTE> longName = Utf16(u"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    CopyFaceName(face, longName.data(), (DWORD)longName.size());
    std::u16string got;
    for (int i = 0; face[i] != 0 && i < FACE_NAME_UNITS; i++)
        got.push_back((char16_t)face[i]);
    EXPECT_EQ(got, u"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(face[31], 0);

    const std::vector<BYTE> unterminated = Utf16(u"Ezra", false);
    CopyFaceName(face, unterminated.data(), (DWORD)unterminated.size());
    EXPECT_EQ(face[0], 'E');
    EXPECT_EQ(face[4], 0);
}

TEST(CopySearchString, CutsAt33BytesAndStopsAtZero)
{
    BYTE search[SEARCH_STRING_BYTES + 1];
    memset(search, 0x66, sizeof search);
    std::vector<BYTE> stored(40, 'a');
    CopySearchString(search, stored.data(), (DWORD)stored.size());
    EXPECT_EQ(strlen((const char*)search), 33u);
    EXPECT_EQ(search[SEARCH_STRING_BYTES], 0x66) << "nothing written past the field";

    const BYTE shortOne[] = {'x', 'y', 0, 'z'};
    CopySearchString(search, shortOne, sizeof shortOne);
    EXPECT_STREQ((const char*)search, "xy");
    CopySearchString(search, shortOne, 1);
    EXPECT_STREQ((const char*)search, "x") << "bounded by the data's size";
}

}  // namespace
