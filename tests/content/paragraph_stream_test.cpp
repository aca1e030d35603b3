#include <gtest/gtest.h>
#include <string.h>

#include <vector>

#include "content/paragraph_stream.h"
#include "content/section_loader.h"

namespace {

std::vector<Paragraph> Walk(const std::vector<BYTE>& data)
{
    std::vector<BYTE> stream = data;
    stream.insert(stream.end(), STREAM_GUARD_BYTES, 0);
    std::vector<Paragraph> out;
    ParagraphWalk walk = StartParagraphWalk(stream.data());
    Paragraph p;
    while (NextParagraph(&walk, &p))
        out.push_back(p);
    return out;
}

TEST(ParagraphWalk, ReadsRecordsUpToTheEndMarker)
{
    const std::vector<BYTE> data = {0xDC, 0x00, 'a', 'b', 0,  // text
                                    0x07, 200, 0,             // rule
                                    0xB1, 0x40, 0,            // empty text
                                    0,                        // end marker
                                    0x59, 0x00, 'z', 0};      // after the end: never read
    const std::vector<Paragraph> ps = Walk(data);
    ASSERT_EQ(ps.size(), 3u);
    EXPECT_EQ(ps[0].offset, 0);
    EXPECT_EQ(ps[0].attribute, 0xDC);
    EXPECT_EQ(ps[0].textOffset, 2);
    EXPECT_EQ(ps[0].textLength, 2);
    EXPECT_TRUE(IsRuleParagraph(ps[1].attribute));
    EXPECT_EQ(ps[1].indent, 200);
    EXPECT_EQ(ps[1].textLength, 0);
    EXPECT_EQ(ps[2].offset, 8);
    EXPECT_EQ(HangFactor(ps[2].indent), 1);
    EXPECT_EQ(ps[2].textLength, 0);
}

TEST(ParagraphWalk, StopsInsideTheGuardWhenTheLastRecordIsCut)
{
    // The data ends right after an attribute byte: the guard's zeros act as
    // indent and terminator, and the walk ends without leaving the buffer.
    EXPECT_EQ(Walk({0xB1}).size(), 1u);
    EXPECT_EQ(Walk({0xB1, 0x40, 'a'}).size(), 1u);
    EXPECT_EQ(Walk({}).size(), 0u);
}

TEST(ParagraphWalk, EndsWhereOffsetsWouldPass16Bits)
{
    // One paragraph of 65532 codes fills the stream; the next record would
    // start beyond what a 16-bit offset can hold.
    std::vector<BYTE> data(2 + 65532 + 1 + 2 + 3 + 1, 'a');
    data[0] = 0xB1;
    data[1] = 0;
    data[2 + 65532] = 0;
    data[2 + 65532 + 1] = 0xB1;
    data[2 + 65532 + 2] = 0;
    data[data.size() - 2] = 0;
    data[data.size() - 1] = 0;
    const std::vector<Paragraph> ps = Walk(data);
    ASSERT_EQ(ps.size(), 1u);
    EXPECT_EQ(ps[0].textLength, 65532);
}

}  // namespace
