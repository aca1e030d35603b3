#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "content/section_loader.h"
#include "content/uncompress.h"
#include "support/message_box_log.h"

namespace {

struct TokenCase {
    const char* name;
    std::vector<BYTE> input;
    unsigned expandedLength;
    std::string expected;  // output when it succeeds
    int error;             // 0: succeeds
};

// A back-reference token pair for a distance and a length of 3..10.
std::vector<BYTE> Pair(unsigned distance, unsigned length)
{
    const unsigned w = 0x8000u | (distance << 3) | (length - 3);
    return {(BYTE)(w >> 8), (BYTE)w};
}

std::vector<BYTE> Cat(std::vector<BYTE> a, const std::vector<BYTE>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

std::vector<BYTE> Text(const char* s)
{
    return std::vector<BYTE>(s, s + strlen(s));
}

const TokenCase tokenCases[] = {
    {"single literals", Text("abc"), 3, "abc", 0},
    {"zero byte is a literal", {'a', 0x00, 'b'}, 3, std::string("a\0b", 3), 0},
    {"literal run copies bytes that cannot stand alone", {0x03, 0x80, 0xFF, 0x01}, 3, "\x80\xFF\x01", 0},
    {"literal run cut where the output is full", {0x04, 'w', 'x', 'y', 'z'}, 2, "wx", 0},
    {"literal run cut by the end of the input", {0x04, 'w', 'x'}, 4, "", SECTION_BUFFER_ERROR},
    {"space pair", {0xE1}, 2, " a", 0},
    {"space pair meeting one free byte writes the space", {'x', 0xE1}, 2, "x ", 0},
    {"distance 1 repeats the last byte", Cat(Text("a"), Pair(1, 5)), 6, "aaaaaa", 0},
    {"distance 3 repeats a pattern", Cat(Text("abc"), Pair(3, 7)), 10, "abcabcabca", 0},
    {"back-reference cut where the output is full", Cat(Text("abcd"), Pair(4, 10)), 6, "abcdab", 0},
    {"distance 8 overlapping its own output",
     Cat(Cat(Text("abcdefgh"), Pair(8, 10)), Text("0123456789ABCDEF")), 34,
     "abcdefghabcdefghab0123456789ABCDEF", 0},
    {"distance 9 with plenty of room", Cat(Cat(Text("123456789"), Pair(9, 10)), Text("zzzzzzzzzzzzzzzz")), 35,
     "1234567891234567891zzzzzzzzzzzzzzzz", 0},
    {"back-reference before the start", Cat(Text("ab"), Pair(3, 3)), 5, "", SECTION_BUFFER_ERROR},
    {"back-reference of distance 0", Cat(Text("ab"), Pair(0, 3)), 5, "", SECTION_BUFFER_ERROR},
    {"back-reference pair cut by the end of the input", {'a', 0x80}, 4, "", SECTION_BUFFER_ERROR},
    {"output longer than expected is cut", Text("abcdef"), 4, "abcd", 0},
    {"output shorter than expected", Text("abc"), 8, "", SECTION_BUFFER_ERROR},
};

class UnCompressTokens : public testing::TestWithParam<TokenCase> {};

TEST_P(UnCompressTokens, DecodesOrRejects)
{
    const TokenCase& c = GetParam();
    StartMessageBoxLog();
    int error = 0x66;
    BYTE* out = UnCompress(c.input.data(), (unsigned)c.input.size(), c.expandedLength, &error);
    StopMessageBoxLog();
    if (c.error == 0) {
        ASSERT_NE(out, nullptr);
        EXPECT_EQ(std::string((const char*)out, c.expandedLength), c.expected);
        for (int i = 0; i < STREAM_GUARD_BYTES; i++)
            EXPECT_EQ(out[c.expandedLength + i], 0) << "guard byte " << i;
        EXPECT_EQ(error, 0x66) << "success leaves the error place alone";
        EXPECT_EQ(MessageBoxLogCount(), 0);
    } else {
        EXPECT_EQ(out, nullptr);
        EXPECT_EQ(error, c.error);
        ASSERT_EQ(MessageBoxLogCount(), 1);
        EXPECT_EQ(MessageBoxLogAt(0).text, u"UnCompress() buffer error!");
        EXPECT_EQ(MessageBoxLogAt(0).caption, u"Error");
        EXPECT_EQ(MessageBoxLogAt(0).owner, nullptr);
    }
    free(out);
}

INSTANTIATE_TEST_SUITE_P(Tokens, UnCompressTokens, testing::ValuesIn(tokenCases),
                         [](const testing::TestParamInfo<TokenCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; p++)
                                 name += isalnum((unsigned char)*p) ? *p : '_';
                             return name;
                         });

TEST(UnCompress, RefusesMissingInputAndZeroLength)
{
    const BYTE data[] = {'a'};
    int error = 0;
    EXPECT_EQ(UnCompress(nullptr, 1, 1, &error), nullptr);
    EXPECT_EQ(error, SECTION_BAD_ARGUMENT);
    error = 0;
    EXPECT_EQ(UnCompress(data, 1, 0, &error), nullptr);
    EXPECT_EQ(error, SECTION_BAD_ARGUMENT);
    // No error place is fine too.
    EXPECT_EQ(UnCompress(data, 1, 0, nullptr), nullptr);
}

TEST(UnCompress, LargestSectionDecodes)
{
    // 65535 bytes of a repeating pattern: literals, then back-references.
    std::vector<BYTE> input = Text("0123456789");
    const std::vector<BYTE> pair = Pair(10, 10);
    while (input.size() < 2 * 6552 + 10)
        input.insert(input.end(), pair.begin(), pair.end());
    input.push_back('0');
    input.push_back('1');
    input.push_back('2');
    input.push_back('3');
    input.push_back('4');
    BYTE* out = UnCompress(input.data(), (unsigned)input.size(), 65535, nullptr);
    ASSERT_NE(out, nullptr);
    for (unsigned i = 0; i < 65535; i++)
        ASSERT_EQ(out[i], '0' + i % 10) << "at " << i;
    EXPECT_EQ(out[65535], 0);
    free(out);
}

}  // namespace
