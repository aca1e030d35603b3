// The Choose Font dialog's window-free decisions.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontdlg/font_choice.h"
#include "support/message_box_log.h"

namespace {

struct PlacementCase {
    int width;
    int height;
    ControlPlace expected[FONT_CONTROL_SLOTS];  // faces, sizes, preview, 97, 224, 1488
};

// 240 x 268: W 226, H 254, d 150, f 169. 320 x 240: W 306, H 226, d 204, f 150.
// 100 x 90: W 86, H 76, d 57, f 50; the sizes list gets a negative height,
// which MoveWindow takes as empty.
const PlacementCase placementCases[] = {
    {240, 268, {{7, 7, 143, 162}, {157, 59, 76, 110}, {7, 169, 226, 85}, {157, 7, 76, 10}, {157, 24, 76, 10}, {157, 41, 76, 10}}},
    {320, 240, {{7, 7, 197, 143}, {211, 59, 102, 91}, {7, 150, 306, 76}, {211, 7, 102, 10}, {211, 24, 102, 10}, {211, 41, 102, 10}}},
    {100, 90, {{7, 7, 50, 43}, {64, 59, 29, -9}, {7, 50, 86, 26}, {64, 7, 29, 10}, {64, 24, 29, 10}, {64, 41, 29, 10}}},
};

TEST(FontControlPlaces, FollowTheClientSize)
{
    static const char* const slots[] = {"faces", "sizes", "preview", "base 97", "base 224", "base 1488"};
    for (const PlacementCase& c : placementCases) {
        ControlPlace got[FONT_CONTROL_SLOTS];
        PlaceFontControls(c.width, c.height, got);
        for (int i = 0; i < FONT_CONTROL_SLOTS; i++) {
            SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", " << slots[i]);
            EXPECT_EQ(got[i].x, c.expected[i].x);
            EXPECT_EQ(got[i].y, c.expected[i].y);
            EXPECT_EQ(got[i].width, c.expected[i].width);
            EXPECT_EQ(got[i].height, c.expected[i].height);
        }
    }
}

TEST(PreviewText, IsTheAlphabetLastLetterFirstForEachBase)
{
    struct Case {
        int base;
        char16_t first;
        char16_t last;
    };
    const Case cases[] = {{1488, 0x05EA, 0x05D0}, {224, 0x00FA, 0x00E0}, {97, u'{', u'a'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        WCHAR units[PREVIEW_LETTERS + 2];
        units[PREVIEW_LETTERS + 1] = 0x6666;
        MakePreviewText(units, c.base);
        std::u16string got = Units(units);
        ASSERT_EQ(got.size(), 27u);
        EXPECT_EQ(got.front(), c.first);
        EXPECT_EQ(got.back(), c.last);
        for (size_t i = 1; i < got.size(); i++)
            EXPECT_EQ(got[i], got[i - 1] - 1) << "at " << i;
        EXPECT_EQ(units[PREVIEW_LETTERS + 1], 0x6666) << "wrote past the terminator";
    }
}

TEST(ListedSizes, PutASmallStoredSizeFirst)
{
    const std::vector<int> table = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72};
    struct Case {
        int stored;
        bool listedFirst;
    };
    const Case cases[] = {{5, true}, {1, true}, {9, true}, {0, false}, {10, false},
                          {13, false}, {100, false}, {-5, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        int sizes[FONT_SIZE_COUNT + 1];
        const int n = ListedSizes(c.stored, sizes, FONT_SIZE_COUNT + 1);
        std::vector<int> expected = table;
        if (c.listedFirst)
            expected.insert(expected.begin(), c.stored);
        EXPECT_EQ(std::vector<int>(sizes, sizes + n), expected);
    }
    // A short room is filled and not overrun.
    int room[4] = {0, 0, 0, 0x6666};
    EXPECT_EQ(ListedSizes(5, room, 3), 3);
    EXPECT_EQ(room[0], 5);
    EXPECT_EQ(room[2], 11);
    EXPECT_EQ(room[3], 0x6666);
}

TEST(SizeText, IsWrittenAndReadInDecimal)
{
    struct Case {
        int value;
        int capacity;
        std::u16string text;  // empty: did not fit
    };
    const Case cases[] = {
        {72, 8, u"72"}, {5, 8, u"5"}, {0, 8, u"0"}, {-13, 8, u"-13"},
        {-2147483647 - 1, 12, u"-2147483648"}, {72, 3, u"72"}, {72, 2, u""}, {100, 3, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " in " << c.capacity);
        WCHAR text[16];
        for (WCHAR& u : text)
            u = 0x6666;
        const int n = FormatSize(text, c.capacity, c.value);
        EXPECT_EQ(Units(text), c.text);
        EXPECT_EQ(n, (int)c.text.size());
        EXPECT_EQ(text[c.capacity], 0x6666) << "wrote past the room";
    }

    struct ReadCase {
        const WCHAR* text;
        int value;
    };
    const ReadCase reads[] = {
        {TEXT("72"), 72}, {TEXT(""), 0}, {TEXT("5"), 5}, {TEXT("12x"), 12}, {TEXT("x12"), 0},
        {TEXT("123456789"), 12345678},  // the list gives eight units of room
    };
    for (const ReadCase& r : reads)
        EXPECT_EQ(ReadSizeText(r.text), r.value) << "reading entry " << (&r - reads);
}

}  // namespace
