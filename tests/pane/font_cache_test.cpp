// The font cache: sizes and weights per style, colours, one font per style
// reused, widths measured once and again after SetPaneFont.
#include <string.h>

#include "content/char_tables.h"
#include "pane_fixture.h"
#include "shell/app_state.h"

namespace {

TEST(StyleFontHeight, FollowsTheStyleBits)
{
    const struct {
        int32_t size;
        BYTE style;
        LONG height;
    } cases[] = {
        {0, 0x04, 20}, {0, 0x02, 14}, {0, 0x06, 20}, {0, 0x01, 0}, {0, 0x08, 0}, {0, 0x1C, 20},
        {15, 0x04, 18}, {15, 0x02, 11}, {15, 0x06, 18}, {15, 0x11, 15},
        {-16, 0x04, -20}, {-15, 0x02, -11}, {-15, 0x04, -18},  // toward zero
        {2147483647, 0x04, 2147483647}, {-2147483647 - 1, 0x04, -2147483647 - 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StyleFontHeight(c.size, c.style), c.height) << "size " << c.size << " style " << (int)c.style;
}

int CacheEntries(const TextPane* pane)
{
    int n = 0;
    for (const FontCacheEntry* e = pane->fontCache; e != nullptr; e = e->next)
        n++;
    return n;
}

HFONT FontOfStyle(const TextPane* pane, BYTE style)
{
    for (const FontCacheEntry* e = pane->fontCache; e != nullptr; e = e->next)
        if (e->style == style)
            return e->font;
    return nullptr;
}

class FontCache : public testing::Test {
protected:
    FontCache() : f(100, 100, RECT{0, 0, 100, 100}, TEST_FACE, -20) {}
    PaneFixture f;
};

TEST_F(FontCache, SelectsTheStyleFontAndGivesBackThePreviousOne)
{
    HDC dc = f.surface.dc;
    HFONT first = SelectStyleFont(f.pane, 0x01);
    ASSERT_NE(first, nullptr);
    HFONT plain = FontOfStyle(f.pane, 0x01);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(f.pane->widthTable, f.pane->fontCache->widths);
    EXPECT_EQ(SelectStyleFont(f.pane, 0x21), plain) << "alignment bits share the style's font";
    EXPECT_EQ(SelectStyleFont(f.pane, 0x08), plain);
    HFONT bold = FontOfStyle(f.pane, 0x08);
    TEXTMETRICW metrics;
    memset(&metrics, 0, sizeof metrics);
    GetTextMetricsW(dc, &metrics);
    EXPECT_EQ(metrics.tmWeight, FW_BOLD);
    EXPECT_EQ(SelectObject(dc, first), (HGDIOBJ)bold);
    EXPECT_EQ(CacheEntries(f.pane), 2);
    EXPECT_EQ(SelectStyleFont(nullptr, 0x01), nullptr);
}

TEST_F(FontCache, SetsTheTextColourOnlyWhenAsked)
{
    HDC dc = f.surface.dc;
    const struct {
        unsigned bits;
        COLORREF colour;
    } cases[] = {
        {0x30C, TEXT_BLUE}, {0x10C, TEXT_BLUE}, {0x20D, TEXT_BLUE}, {0x304, TEXT_BLACK},
        {0x308, TEXT_BLACK}, {0x31F, TEXT_BLUE}, {0x0C, RGB(1, 2, 3)}, {0x01, RGB(1, 2, 3)},
    };
    for (const auto& c : cases) {
        SetTextColor(dc, RGB(1, 2, 3));
        HFONT previous = SelectStyleFont(f.pane, c.bits);
        EXPECT_EQ(GetTextColor(dc), c.colour) << std::hex << c.bits;
        SelectObject(dc, previous);
    }
}

TEST_F(FontCache, StylesDifferingInBitsOneOrSixteenHaveTheirOwnFontsMadeAlike)
{
    HFONT previous = SelectStyleFont(f.pane, 0x10);
    SelectStyleFont(f.pane, 0x11);
    SelectStyleFont(f.pane, 0x01);
    SelectObject(f.surface.dc, previous);
    EXPECT_EQ(CacheEntries(f.pane), 3);
    HFONT a = FontOfStyle(f.pane, 0x10);
    HFONT b = FontOfStyle(f.pane, 0x11);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    const uint16_t* widthsA = f.Widths(0x10);
    const uint16_t* widthsB = f.Widths(0x11);
    EXPECT_NE(widthsA, widthsB);
    EXPECT_EQ(memcmp(widthsA, widthsB, WIDTH_TABLE_CODES * sizeof(uint16_t)), 0);
    EXPECT_EQ(f.LineHeight(0x10), f.LineHeight(0x11));
}

TEST_F(FontCache, WidthTablesHoldEachCodesLetterAndZeroForPoints)
{
    const uint16_t* widths = f.Widths(0x01);
    HFONT previous = SelectStyleFont(f.pane, 0x01);
    const struct {
        BYTE code;
        WCHAR unit;
    } cases[] = {
        {97, 0x05D0}, {123, 0x05EA}, {16, 0x05DA}, {17, 0xFB3A}, {89, 0xFB3C}, {90, 0x05DC},
        {65, 0xFB2A}, {32, 0x0020}, {48, 0x0030}, {124, 124}, {127, 127},
    };
    for (const auto& c : cases) {
        SIZE size = {0, 0};
        GetTextExtentExPointW(f.surface.dc, &c.unit, 1, 0, nullptr, nullptr, &size);
        EXPECT_EQ(widths[c.code - FIRST_WIDTH_CODE], size.cx) << (int)c.code;
    }
    for (int code = FIRST_POINT_CODE; code <= LAST_POINT_CODE; code++)
        EXPECT_EQ(widths[code - FIRST_WIDTH_CODE], 0) << code;
    EXPECT_GT(widths[97 - FIRST_WIDTH_CODE], 0);
    SelectObject(f.surface.dc, previous);
}

TEST_F(FontCache, EightBitBasesMeasureTheEightBitForms)
{
    appState.fontSpec.charBase = CHAR_BASE_WINDOWS;
    const uint16_t* widths = f.Widths(0x01);
    HFONT previous = SelectStyleFont(f.pane, 0x01);
    for (BYTE code : {97, 16, 65, 120}) {
        const WCHAR unit = EIGHT_BIT_TABLE[code - FIRST_TABLE_CODE];
        SIZE size = {0, 0};
        GetTextExtentExPointW(f.surface.dc, &unit, 1, 0, nullptr, nullptr, &size);
        EXPECT_EQ(widths[code - FIRST_WIDTH_CODE], size.cx) << (int)code;
    }
    SelectObject(f.surface.dc, previous);
}

TEST_F(FontCache, AStyleIsMeasuredOnceAndAgainAfterSetPaneFont)
{
    uint16_t* widths = const_cast<uint16_t*>(f.Widths(0x01));
    const uint16_t alef = widths[97 - FIRST_WIDTH_CODE];
    HFONT font = FontOfStyle(f.pane, 0x01);
    // A mark in the table: a second selection must not measure again.
    widths[97 - FIRST_WIDTH_CODE] = 4321;
    f.Widths(0x01);
    EXPECT_EQ(widths[97 - FIRST_WIDTH_CODE], 4321) << "measured again without need";
    EXPECT_EQ(FontOfStyle(f.pane, 0x01), font) << "the font is reused";
    EXPECT_EQ(CacheEntries(f.pane), 1);

    // A larger font: every style is made and measured again, in its entry.
    FontSpec larger = appState.fontSpec;
    larger.size = -40;
    appState.fontSpec = larger;
    EXPECT_EQ(SetPaneFont(f.pane, &larger), 1) << "no text: the layout fails and nothing is painted";
    EXPECT_EQ(f.pane->fontSpec.size, -40);
    EXPECT_EQ(widths[0], 0xFFFF);
    EXPECT_EQ(widths[1], 0xBAAD);
    f.Widths(0x01);
    EXPECT_EQ(CacheEntries(f.pane), 1);
    EXPECT_GT(widths[97 - FIRST_WIDTH_CODE], alef);
    EXPECT_NE(widths[97 - FIRST_WIDTH_CODE], 4321);
}

TEST_F(FontCache, SetPaneFontLaysOutAndPaintsWithTheNewFont)
{
    StreamBuilder stream;
    stream.Text(0x31, 0, Codes("abgd"));
    ASSERT_EQ(f.Lay(stream), 0);
    const int smallHeight = Lines(f.pane)[0].height;
    const int smallWidth = Lines(f.pane)[0].width;
    f.pane->topLine = 0;
    FontSpec larger = appState.fontSpec;
    larger.size = -40;
    appState.fontSpec = larger;
    FillBox(f.surface.dc, 0, 0, 100, 100, BLACK_BRUSH);
    EXPECT_EQ(SetPaneFont(f.pane, &larger), 0);
    const LineRecord line = Lines(f.pane)[0];
    EXPECT_GT(line.height, smallHeight);
    EXPECT_GT(line.width, smallWidth);
    EXPECT_EQ(TestPixel(f.surface, 0, 99), RGB(255, 255, 255)) << "painted with erase";
    EXPECT_TRUE(FindInk(f.surface, RECT{0, 0, 100, line.height}).found);
}

TEST_F(FontCache, ANullSpecDeletesTheFontsAndTheNextSelectionRemakesThemInPlace)
{
    f.Widths(0x01);
    f.Widths(0x0C);
    ASSERT_EQ(CacheEntries(f.pane), 2);
    EXPECT_EQ(SetPaneFont(f.pane, nullptr), 0);
    EXPECT_EQ(FontOfStyle(f.pane, 0x01), nullptr);
    EXPECT_EQ(FontOfStyle(f.pane, 0x0C), nullptr);
    // Repeated selections must not grow the cache.
    for (int i = 0; i < 5; i++)
        f.Widths(0x01);
    EXPECT_EQ(CacheEntries(f.pane), 2);
    EXPECT_NE(FontOfStyle(f.pane, 0x01), nullptr);
    EXPECT_EQ(SetPaneFont(nullptr, nullptr), -1);
}

}  // namespace
