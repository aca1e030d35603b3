#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "content/conversion.h"
#include "settings/flags.h"
#include "shell/app_state.h"
#include "support/message_box_log.h"

namespace {

struct ConversionCase {
    const char* name;
    int charBase;
    uint32_t flags;
    std::vector<BYTE> codes;
    int count;
    std::u16string expected;
    int extra;
};

const ConversionCase conversionCases[] = {
    {"count 0 gives an empty string", 1488, FLAG_REVERSE, {97, 98}, 0, u"", 0},
    {"a 0 code ends the run early", 1488, 0, {97, 0, 98}, 3, u"\u05D0", 0},
    {"pair code gives point then letter", 1488, 0, {16}, 1, u"\u05B8\u05DA", 1},
    {"letter", 1488, 0, {97}, 1, u"\u05D0", 0},
    {"presentation form", 1488, 0, {65, 88}, 2, u"\uFB2A\uFB4B", 0},
    {"holam with lamed", 1488, 0, {90}, 1, u"\u05B9\u05DC", 1},
    {"points have no 8-bit form", 224, 0, {21, 97, 31}, 3, u"\u00E0", -2},
    {"8-bit letters", 224, 0, {97, 65, 123}, 3, u"\u00E0\u00F9\u00FA", 0},
    {"base 97 uses the same 8-bit table", 97, 0, {97, 16}, 2, u"\u00E0\u00EA", 0},
    {"codes outside the table pass through", 1488, 0, {5, 200}, 2, u"\u0005\u00C8", 0},
    {"codes outside the table pass through in 8 bits", 224, 0, {5, 200}, 2, u"\u0005\u00C8", 0},
    {"reverse mirrors brackets", 1488, FLAG_REVERSE, {40, 97, 98}, 3, u"\u05D1\u05D0\u0029", 0},
    {"reverse covers both units of a pair", 1488, FLAG_REVERSE, {16}, 1, u"\u05DA\u05B8", 1},
    {"reverse in 8 bits", 224, FLAG_REVERSE, {91, 97, 93, 21}, 4, u"[\u00E0]", -1},
    {"base 97 is never reversed", 97, FLAG_REVERSE, {40, 97, 98}, 3, u"(\u00E0\u00E1", 0},
};

class Conversion : public testing::TestWithParam<ConversionCase> {
protected:
    void TearDown() override { appState = AppState(); }
};

TEST_P(Conversion, GivesUnitsAndExtra)
{
    const ConversionCase& c = GetParam();
    appState.fontSpec.charBase = c.charBase;
    appState.Flags = c.flags;
    int extra = 0x66;
    WCHAR* units = ConvertToUnicode(c.codes.data(), &sharedConversionBuffer, c.count, &extra);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(Units(units), c.expected);
    EXPECT_EQ(extra, c.extra);

    // Without a buffer the result is the caller's to free, and the same.
    WCHAR* own = ConvertToUnicode(c.codes.data(), nullptr, c.count, nullptr);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(Units(own), c.expected);
    free(own);
}

INSTANTIATE_TEST_SUITE_P(Cases, Conversion, testing::ValuesIn(conversionCases),
                         [](const testing::TestParamInfo<ConversionCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; p++)
                                 name += isalnum((unsigned char)*p) ? *p : '_';
                             return name;
                         });

TEST(ConversionBufferReuse, GrowsOnlyForLongerRuns)
{
    appState.fontSpec.charBase = 1488;
    ConversionBuffer buffer = {nullptr, 0};
    const BYTE codes[] = {97, 98, 99, 100, 101, 102, 0};
    WCHAR* first = ConvertToUnicode(codes, &buffer, 6, nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(buffer.capacity, 6);
    EXPECT_EQ(ConvertToUnicode(codes, &buffer, 3, nullptr), first) << "a shorter run reuses the buffer";
    EXPECT_EQ(buffer.capacity, 6);
    // The worst case, every code a pair, still fits a buffer of that capacity.
    const BYTE pairs[] = {16, 17, 18, 19, 89, 90, 0};
    WCHAR* units = ConvertToUnicode(pairs, &buffer, 6, nullptr);
    EXPECT_EQ(units, first);
    EXPECT_EQ(UnitLength(units), 12u);
    units = ConvertToUnicode(codes, &buffer, 7, nullptr);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(buffer.capacity, 7);
    free(buffer.units);
    appState = AppState();
}

TEST(ReverseUnits, MirrorsOnlyTheSixBrackets)
{
    WCHAR units[] = {'(', '[', '{', '<', 'a', '}', ']', ')', 0};
    EXPECT_EQ(ReverseUnits(units, 8), 0);
    EXPECT_EQ(Units(units), u"([{a<}])");
    WCHAR one[] = {'x', 'y', 0};
    EXPECT_EQ(ReverseUnits(one, 1), 0);
    EXPECT_EQ(Units(one), u"xy") << "only the first n units move";
    EXPECT_EQ(ReverseUnits(one, 0), 0);
}

}  // namespace
