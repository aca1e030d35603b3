// The compiled book against its source: every resource decompresses to the
// exact stream the compiler wrote, and every paragraph converts back to the
// source's letters and points.
#include <gtest/gtest.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "content/char_tables.h"
#include "content/conversion.h"
#include "content/paragraph_stream.h"
#include "content/section_loader.h"
#include "shell/app_state.h"

namespace {

std::vector<BYTE> ReadFile(const std::string& path)
{
    std::vector<BYTE> bytes;
    FILE* f = fopen(path.c_str(), "rb");
    if (f == nullptr)
        return bytes;
    int c;
    while ((c = fgetc(f)) != EOF)
        bytes.push_back((BYTE)c);
    fclose(f);
    return bytes;
}

TEST(BookRoundTrip, EveryResourceDecompressesToTheCompilersStream)
{
    for (int section : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, (int)INDEX_SECTION_NUMBER}) {
        const int id = SECTION_RESOURCE_BASE + section;
        const std::vector<BYTE> expected = ReadFile(std::string(QM_BOOK_DIR) + "/" + std::to_string(id) + ".stream");
        ASSERT_FALSE(expected.empty()) << id;
        BYTE* text = LoadSection(section, nullptr);
        ASSERT_NE(text, nullptr) << id;
        EXPECT_EQ(memcmp(text, expected.data(), expected.size()), 0) << id;
        EXPECT_EQ(text[expected.size()], 0) << id;
        free(text);
    }
}

std::vector<char32_t> DecodeUtf8(const std::string& s)
{
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size();) {
        const unsigned char b = (unsigned char)s[i];
        const int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        char32_t cp = n == 1 ? b : (char32_t)(b & (0x7F >> n));
        for (int k = 1; k < n && i + k < s.size(); k++)
            cp = (cp << 6) | ((unsigned char)s[i + k] & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

bool IsMark(char32_t c)
{
    return c >= 0x05B0 && c <= 0x05C2 && c != 0x05BE && c != 0x05C0;
}

// Letters and signs each followed by its marks in a fixed order, so that
// the order in which a text lists the marks of one letter does not matter.
std::u32string Canonical(const std::vector<char32_t>& in)
{
    std::u32string out;
    size_t i = 0;
    while (i < in.size()) {
        out.push_back(in[i++]);
        std::u32string marks;
        while (i < in.size() && IsMark(in[i]))
            marks.push_back(in[i++]);
        std::sort(marks.begin(), marks.end());
        out += marks;
    }
    return out;
}

// The source as the book means to keep it: maqaf and sof pasuq as the ASCII
// signs they are written with, holam haser as holam.
std::u32string SourceText(const std::string& utf8)
{
    std::vector<char32_t> cps = DecodeUtf8(utf8);
    for (char32_t& c : cps) {
        if (c == 0x05BE)
            c = '-';
        else if (c == 0x05C3)
            c = ':';
        else if (c == 0x05BA)
            c = 0x05B9;
    }
    return Canonical(cps);
}

// A stored paragraph converted code by code in reading order, pair codes
// put letter first and presentation forms decomposed.
std::u32string ParagraphText(const BYTE* text, int length)
{
    std::vector<char32_t> cps;
    for (int i = length - 1; i >= 0; i--) {
        int extra = 0;
        WCHAR* units = ConvertToUnicode(text + i, &sharedConversionBuffer, 1, &extra);
        std::vector<char32_t> code;
        for (int k = 0; k < 1 + extra; k++)
            code.push_back((char16_t)units[k]);
        if (code.size() == 2)
            std::swap(code[0], code[1]);
        for (char32_t c : code) {
            bool decomposed = false;
            for (int row = 0; DECOMPOSITION_TABLE[row][0] != 0; row++)
                if (DECOMPOSITION_TABLE[row][0] == c) {
                    for (int k = 1; k < 4 && DECOMPOSITION_TABLE[row][k] != 0; k++)
                        cps.push_back(DECOMPOSITION_TABLE[row][k]);
                    decomposed = true;
                }
            if (!decomposed)
                cps.push_back(c);
        }
    }
    return Canonical(cps);
}

std::u32string Numeral(int n)
{
    static const char32_t tens[] = {0, 0x05D9, 0x05DB, 0x05DC};
    std::u32string s;
    if (n == 15 || n == 16)
        return {0x05D8, (char32_t)(n == 15 ? 0x05D5 : 0x05D6)};
    if (n >= 10)
        s.push_back(tens[n / 10]);
    if (n % 10 != 0)
        s.push_back(0x05D0 + n % 10 - 1);
    return s;
}

TEST(BookRoundTrip, ParagraphsConvertBackToTheSourceText)
{
    appState.fontSpec.charBase = CHAR_BASE_UNICODE;
    appState.Flags = 0;
    std::ifstream in(std::string(QM_SOURCE_DIR) + "/resources/book/genesis-1-10.tsv");
    ASSERT_TRUE(in.good());
    std::vector<std::vector<std::string>> rows;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string> f;
        std::stringstream ss(line);
        std::string field;
        while (std::getline(ss, field, '\t'))
            f.push_back(field);
        f.resize(3);
        rows.push_back(f);
    }

    int checked = 0;
    for (int section = 1; section <= SECTION_COUNT; section++) {
        BYTE* text = LoadSection(section, nullptr);
        ASSERT_NE(text, nullptr);
        ParagraphWalk walk = StartParagraphWalk(text);
        Paragraph p;
        ASSERT_TRUE(NextParagraph(&walk, &p));
        EXPECT_EQ(p.attribute, 0xDC) << "every section opens with its title";
        for (const std::vector<std::string>& row : rows) {
            if (atoi(row[0].c_str()) != section)
                continue;
            const std::string where = row[0] + ":" + row[1];
            ASSERT_TRUE(NextParagraph(&walk, &p)) << where;
            const std::u32string got = ParagraphText(text + p.textOffset, p.textLength);
            if (row[1] == "pe" || row[1] == "samekh") {
                EXPECT_EQ(p.attribute, 0x59) << where;
                EXPECT_EQ(got, std::u32string(1, row[1] == "pe" ? 0x05E4 : 0x05E1)) << where;
            } else {
                EXPECT_EQ(p.attribute, 0xB1) << where;
                const size_t space = got.find(' ');
                ASSERT_NE(space, std::u32string::npos) << where;
                EXPECT_EQ(got.substr(0, space), Numeral(atoi(row[1].c_str()))) << where;
                EXPECT_EQ((size_t)HangFactor(p.indent), std::min<size_t>(space, 3)) << where;
                EXPECT_EQ(got.substr(space + 1), SourceText(row[2])) << where;
                checked++;
            }
        }
        EXPECT_FALSE(NextParagraph(&walk, &p)) << "section " << section << " has extra paragraphs";
        free(text);
    }
    EXPECT_EQ(checked, 300 - 33);
    appState = AppState();
}

}  // namespace
