// The update request's address and the link font's height.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "about/link_font.h"
#include "about/update_address.h"
#include "support/message_box_log.h"

namespace {

std::vector<WCHAR> Wide(const std::u16string& s)
{
    std::vector<WCHAR> out(s.begin(), s.end());
    out.push_back(0);
    return out;
}

TEST(UpdateAddress, JoinsServerPageProductAndVersion)
{
    WCHAR out[UPDATE_ADDRESS_UNITS];
    const int n = BuildUpdateAddress(out, UPDATE_ADDRESS_UNITS, TEXT("http://www.example.com"));
    const std::u16string expected = u"http://www.example.com/cgi-bin/upgrade?p=arm/Harvelin/Quillmere&v=1.84a";
    EXPECT_EQ(Units(out), expected);
    EXPECT_EQ(n, (int)expected.size());
}

TEST(UpdateAddress, EncodesTheQueryValue)
{
    struct Case {
        std::u16string text;
        std::u16string encoded;
    };
    const Case cases[] = {
        {u"Harvelin/Quillmere", u"Harvelin/Quillmere"},
        {u"a b", u"a+b"},
        {u"(x)", u"%28x%29"},
        {u"AZaz09./", u"AZaz09./"},
        {u"-_~&=?%+", u"%2D%5F%7E%26%3D%3F%25%2B"},
        {u"\u0001\u007F", u"%01%7F"},
        {u"\u00E9", u"%E9"},
        {u"\u05D0", u"%5D0"},  // three digits for a unit above 0xFF
        {u"\uFFFF", u"%FFFF"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.encoded.begin(), c.encoded.end()));
        WCHAR out[64];
        out[0] = 'p';
        out[1] = '=';
        out[2] = 0;
        int length = 2;
        ASSERT_EQ(AppendQueryValue(out, 64, &length, Wide(c.text).data()), 1);
        EXPECT_EQ(Units(out), u"p=" + c.encoded);
        EXPECT_EQ(length, 2 + (int)c.encoded.size());
    }
}

TEST(UpdateAddress, RefusesWhatDoesNotFitInsteadOfCuttingIt)
{
    // The page, the product path and the version take 49 units, the
    // terminator one more: a server of 150 units fills 200 exactly.
    for (int serverLength : {150, 151, 199, 300}) {
        SCOPED_TRACE(serverLength);
        std::u16string server = u"http://" + std::u16string((size_t)serverLength - 7, u'w');
        WCHAR out[UPDATE_ADDRESS_UNITS + 1];
        out[UPDATE_ADDRESS_UNITS] = 0x6666;
        const int n = BuildUpdateAddress(out, UPDATE_ADDRESS_UNITS, Wide(server).data());
        if (serverLength <= 150) {
            EXPECT_EQ(n, serverLength + 49);
            EXPECT_EQ(Units(out).substr(0, server.size()), server);
        } else {
            EXPECT_EQ(n, -1);
            EXPECT_EQ(Units(out), u"");
        }
        EXPECT_EQ(out[UPDATE_ADDRESS_UNITS], 0x6666);
    }

    // An escape that would not fit leaves what was there before.
    WCHAR out[8] = {'a', 'b', 0, 0, 0, 0, 0, 0x6666};
    int length = 2;
    EXPECT_EQ(AppendQueryValue(out, 7, &length, TEXT("cd(")), 0);
    EXPECT_EQ(Units(out), u"ab");
    EXPECT_EQ(length, 2);
    EXPECT_EQ(out[7], 0x6666);
}

TEST(LinkFontHeight, IsTenPointsWhenTheButtonFontHasNoHeight)
{
    struct Case {
        int buttonHeight;
        int pixelsPerInch;
        int expected;
    };
    const Case cases[] = {
        {0, 96, -13}, {0, 192, -26}, {0, 120, -16}, {0, 72, -10},
        {-11, 96, -11}, {14, 192, 14},  // a height of its own stays
    };
    for (const Case& c : cases)
        EXPECT_EQ(LinkFontHeight(c.buttonHeight, c.pixelsPerInch), c.expected)
            << "height " << c.buttonHeight << " at " << c.pixelsPerInch << " pixels per inch";
}

}  // namespace
