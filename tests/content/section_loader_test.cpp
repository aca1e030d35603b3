#include <gtest/gtest.h>
#include <stdlib.h>

#include "content/section_loader.h"
#include "support/message_box_log.h"

namespace {

TEST(LoadSection, NumbersBelowOneReturnNullAndTouchNothing)
{
    StartMessageBoxLog();
    for (int section : {0, -1, -65536}) {
        int error = 0x66;
        EXPECT_EQ(LoadSection(section, &error), nullptr) << section;
        EXPECT_EQ(error, 0x66) << section;
    }
    EXPECT_EQ(MessageBoxLogCount(), 0);
    StopMessageBoxLog();
}

TEST(LoadSection, EveryBookSectionAndTheIndexLoad)
{
    for (int section : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, (int)INDEX_SECTION_NUMBER}) {
        int error = 0x66;
        BYTE* text = LoadSection(section, &error);
        ASSERT_NE(text, nullptr) << section;
        EXPECT_EQ(error, 0x66) << section;
        free(text);
    }
}

struct BadSection {
    int section;
    int error;
    bool message;  // the decompressor tells the user
};

TEST(LoadSection, DamagedResourcesAreRefused)
{
    const BadSection cases[] = {
        {11, SECTION_NOT_FOUND, false},     // no such resource
        {20, SECTION_BAD_HEADER, false},    // blockLength 4
        {21, SECTION_BAD_HEADER, false},    // compressedLength 0
        {22, SECTION_BUFFER_ERROR, true},   // data runs out before expandedLength
        {23, SECTION_BAD_HEADER, false},    // compressedLength past the resource's end
        {24, SECTION_BAD_HEADER, false},    // shorter than the header
        {25, SECTION_BAD_ARGUMENT, false},  // expandedLength 0
        {26, SECTION_LOAD_FAILED, false},   // empty resource
    };
    for (const BadSection& c : cases) {
        StartMessageBoxLog();
        int error = 0x66;
        EXPECT_EQ(LoadSection(c.section, &error), nullptr) << "section " << c.section;
        EXPECT_EQ(error, c.error) << "section " << c.section;
        ASSERT_EQ(MessageBoxLogCount(), c.message ? 1 : 0) << "section " << c.section;
        if (c.message) {
            EXPECT_EQ(MessageBoxLogAt(0).text, u"UnCompress() buffer error!");
        }
        StopMessageBoxLog();
    }
}

TEST(LoadSection, NullErrorPlaceIsAllowed)
{
    EXPECT_EQ(LoadSection(11, nullptr), nullptr);
    BYTE* text = LoadSection(1, nullptr);
    EXPECT_NE(text, nullptr);
    free(text);
}

}  // namespace
