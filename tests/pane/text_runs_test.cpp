// Measuring and drawing runs, on a real surface: widths from the table and
// from the platform, and vowel points found on the pixels over their letters.
#include <string.h>

#include "content/char_tables.h"
#include "pane_fixture.h"
#include "settings/flags.h"
#include "shell/app_state.h"

namespace {

const COLORREF WHITE = RGB(255, 255, 255);

// The ink that `with` has and `without` has not, inside area.
InkBox ExtraInk(const TestSurface& with, const TestSurface& without, const RECT& area)
{
    InkBox box = {false, 0, 0, 0, 0};
    for (int y = area.top; y < area.bottom; y++) {
        for (int x = area.left; x < area.right; x++) {
            if (TestPixel(with, x, y) == WHITE || TestPixel(without, x, y) != WHITE)
                continue;
            if (!box.found) {
                box = InkBox{true, x, y, x + 1, y + 1};
                continue;
            }
            box.left = x < box.left ? x : box.left;
            box.right = x + 1 > box.right ? x + 1 : box.right;
            box.top = y < box.top ? y : box.top;
            box.bottom = y + 1 > box.bottom ? y + 1 : box.bottom;
        }
    }
    return box;
}

struct MeasureCase {
    const char* name;
    std::vector<BYTE> codes;
    int room;
    int offered;
    int count;  // expected
    int width;  // expected, in table units below (widths 10, 20, ...)
};

// A table where code c has width (c - 16) % 7 * 5, points 0.
std::vector<uint16_t> SyntheticTable()
{
    std::vector<uint16_t> table(WIDTH_TABLE_CODES);
    for (int i = 0; i < WIDTH_TABLE_CODES; i++)
        table[(size_t)i] = (uint16_t)(i % 7 * 5);
    for (int c = FIRST_POINT_CODE; c <= LAST_POINT_CODE; c++)
        table[(size_t)(c - FIRST_WIDTH_CODE)] = 0;
    return table;
}

TEST(MeasureRunWithTable, CountsLeadingCodesThatFitTheRoom)
{
    const std::vector<uint16_t> table = SyntheticTable();
    // Widths: 97 -> (81 % 7) * 5 = 20, 98 -> 25, 99 -> 30, 100 -> 0, 32 -> 10.
    const MeasureCase cases[] = {
        {"all fit", {97, 98, 99}, 100, 3, 3, 75},
        {"stops before the code that overflows", {97, 98, 99}, 50, 3, 2, 45},
        {"exactly full", {97, 98, 99}, 75, 3, 3, 75},
        {"offered count limits", {97, 98, 99}, 100, 2, 2, 45},
        {"a 0 code ends the run", {97, 0, 99}, 100, 3, 1, 20},
        {"room 0 counts leading zero-width codes", {21, 31, 5, 200, 97}, 0, 5, 4, 0},
        {"points never stop the count", {97, 21, 22, 98}, 20, 4, 3, 20},
        {"a zero-width table code fits room 0", {100, 97}, 0, 2, 1, 0},
        {"negative room is a huge unsigned room", {97, 98, 99}, -1, 3, 3, 75},
        {"nothing offered", {97}, 100, 0, 0, 0},
    };
    for (const MeasureCase& c : cases) {
        std::vector<BYTE> codes = c.codes;
        codes.push_back(0);
        int width = c.room;
        int count = c.offered;
        MeasureRunWithTable(table.data(), codes.data(), &width, &count);
        EXPECT_EQ(count, c.count) << c.name;
        EXPECT_EQ(width, c.width) << c.name;
    }
}

TEST(MeasureRunWithTable, NullTableGivesWidthZeroAndKeepsCount)
{
    const BYTE codes[] = {97, 98, 0};
    int width = 55;
    int count = 2;
    MeasureRunWithTable(nullptr, codes, &width, &count);
    EXPECT_EQ(width, 0);
    EXPECT_EQ(count, 2);
}

class RunsOnSurface : public testing::Test {
protected:
    RunsOnSurface() : f(200, 60, RECT{0, 0, 200, 60}, TEST_FACE, -28) {}
    PaneFixture f;
};

TEST_F(RunsOnSurface, MeasureRunAgreesWithThePlatformAndCutsAtWholeCodes)
{
    ASSERT_NE(f.pane, nullptr);
    HFONT previous = SelectStyleFont(f.pane, STYLE_PLAIN);
    const std::vector<BYTE> codes = {97, 98, 99, 100, 16, 101, 0};
    int all = 1000;
    int n = 6;
    MeasureRun(f.pane->dc, codes.data(), &all, &n);
    EXPECT_EQ(n, 6);
    EXPECT_GT(all, 0);

    // Room for exactly the first three codes.
    int three = 1000;
    n = 3;
    MeasureRun(f.pane->dc, codes.data(), &three, &n);
    ASSERT_EQ(n, 3);
    int width = three;
    n = 6;
    MeasureRun(f.pane->dc, codes.data(), &width, &n);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(width, three);

    // Code 16 is two units (qamats, final kaf); with room for only the
    // qamats it does not fit.
    int four = 1000;
    n = 4;
    MeasureRun(f.pane->dc, codes.data(), &four, &n);
    width = four;
    n = 6;
    MeasureRun(f.pane->dc, codes.data(), &width, &n);
    EXPECT_EQ(n, 4) << "the point alone never counts as the code";

    // Room 0 and nothing offered.
    width = 0;
    n = 6;
    MeasureRun(f.pane->dc, codes.data(), &width, &n);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(width, 0);
    if (previous != nullptr)
        SelectObject(f.pane->dc, previous);
}

TEST_F(RunsOnSurface, MeasureRunCountsLeadingCodesWhenReverseIsOn)
{
    HFONT previous = SelectStyleFont(f.pane, STYLE_PLAIN);
    // A narrow letter first and wide ones after: reversed, the wide ones
    // lead the converted units, but the count is still of leading codes.
    const std::vector<BYTE> codes = {106, 111, 111, 111, 0};  // yod, mem, mem, mem
    int yod = 1000;
    int n = 1;
    MeasureRun(f.pane->dc, codes.data(), &yod, &n);
    int yodMem = 1000;
    n = 2;
    MeasureRun(f.pane->dc, codes.data(), &yodMem, &n);
    ASSERT_GT(yodMem - yod, yod) << "mem must be wider than yod for this test";

    appState.Flags = FLAG_REVERSE;
    int width = yodMem;
    n = 4;
    MeasureRun(f.pane->dc, codes.data(), &width, &n);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(width, yodMem);
    width = yod;
    n = 4;
    MeasureRun(f.pane->dc, codes.data(), &width, &n);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(width, yod);
    appState.Flags = 0;
    if (previous != nullptr)
        SelectObject(f.pane->dc, previous);
}

// Draws codes with DrawRunByCode in the plain style's font.
void DrawCodes(PaneFixture& f, const std::vector<BYTE>& codes, const RECT& box)
{
    HFONT previous = SelectStyleFont(f.pane, STYLE_PLAIN);
    DrawRunByCode(f.pane, codes.data(), (int)codes.size(), box);
    if (previous != nullptr)
        SelectObject(f.pane->dc, previous);
}

struct PointCase {
    BYTE point;  // stored before the letter
    const char* name;
};

TEST(DrawRunByCode, EachPointLandsOverItsLetter)
{
    const PointCase points[] = {
        {21, "hiriq"}, {22, "qamats"}, {23, "patah"}, {24, "tsere"}, {25, "segol"}, {26, "qubuts"},
        {27, "sheva"}, {28, "hataf qamats"}, {29, "hataf patah"}, {30, "hataf segol"},
    };
    const BYTE letters[] = {98, 111, 101};  // bet, mem, he
    for (BYTE letter : letters) {
        for (const PointCase& c : points) {
            PaneFixture bare(160, 80, RECT{0, 0, 160, 80}, TEST_FACE, -40);
            PaneFixture pointed(160, 80, RECT{0, 0, 160, 80}, TEST_FACE, -40);
            const int w = bare.Width(STYLE_PLAIN, letter);
            const int h = bare.LineHeight(STYLE_PLAIN);
            // A run of three letters with the point under the middle one, so
            // that its box sits between neighbours.
            const RECT box = {20, 10, 120, 10 + h};
            DrawCodes(bare, {99, letter, 99}, box);
            DrawCodes(pointed, {99, c.point, letter, 99}, box);
            const int right = 120 - bare.Width(STYLE_PLAIN, 99);
            const InkBox ink = ExtraInk(pointed.surface, bare.surface, RECT{0, 0, 160, 80});
            ASSERT_TRUE(ink.found) << c.name << " on code " << (int)letter << " drew nothing";
            const int centre2 = ink.left + ink.right;  // twice the centre
            EXPECT_GE(centre2, 2 * (right - w)) << c.name << " on " << (int)letter << ": left of its letter";
            EXPECT_LE(centre2, 2 * right) << c.name << " on " << (int)letter << ": right of its letter";
        }
    }
}

TEST(DrawRunByCode, AHolamSitsAtItsLettersLeftEdge)
{
    // Code 31 stored before a letter, and codes 89, 90 (holam with lamed).
    const struct {
        const char* name;
        std::vector<BYTE> bare;
        std::vector<BYTE> pointed;
        BYTE letter;  // whose box the holam goes with
    } cases[] = {
        {"lone holam over bet", {99, 98}, {99, 31, 98}, 98},
        {"lone holam over mem", {99, 111}, {99, 31, 111}, 111},
        {"holam with lamed", {99, 109}, {99, 90}, 109},
        {"holam with lamed with dagesh", {99, 79}, {99, 89}, 79},
    };
    for (const auto& c : cases) {
        PaneFixture bare(160, 80, RECT{0, 0, 160, 80}, TEST_FACE, -40);
        PaneFixture pointed(160, 80, RECT{0, 0, 160, 80}, TEST_FACE, -40);
        const int w = bare.Width(STYLE_PLAIN, c.letter);
        const int h = bare.LineHeight(STYLE_PLAIN);
        const RECT box = {20, 10, 120, 10 + h};
        DrawCodes(bare, c.bare, box);
        DrawCodes(pointed, c.pointed, box);
        const int letterLeft = 120 - w;
        const InkBox ink = ExtraInk(pointed.surface, bare.surface, RECT{0, 0, 160, 80});
        ASSERT_TRUE(ink.found) << c.name;
        // Centred on the letter's left edge: in its box from two pixels left
        // of the edge to one pixel right of it, give or take the dot's size.
        const int centre2 = ink.left + ink.right;
        EXPECT_NEAR(centre2, 2 * letterLeft, 2 * 3) << c.name << ": ink " << ink.left << ".." << ink.right
                                                    << ", letter from " << letterLeft;
        EXPECT_LT(ink.bottom, 10 + h / 2) << c.name << ": a holam is above the letter";
    }
}

TEST(DrawRunByCode, APairCodeDrawsPointAndLetterInTheLettersBox)
{
    // Code 16 is qamats and final kaf, as wide as the final kaf.
    PaneFixture pair(160, 80, RECT{0, 0, 160, 80}, TEST_FACE, -40);
    PaneFixture apart(160, 80, RECT{0, 0, 160, 80}, TEST_FACE, -40);
    ASSERT_EQ(pair.Width(STYLE_PLAIN, 16), pair.Width(STYLE_PLAIN, 107));
    const int h = pair.LineHeight(STYLE_PLAIN);
    const RECT box = {20, 10, 120, 10 + h};
    DrawCodes(pair, {99, 16}, box);
    DrawCodes(apart, {99, 22, 107}, box);  // qamats stored before final kaf
    int different = 0;
    for (int y = 0; y < 80; y++)
        for (int x = 0; x < 160; x++)
            if (TestPixel(pair.surface, x, y) != TestPixel(apart.surface, x, y))
                different++;
    EXPECT_EQ(different, 0) << "code 16 must look like qamats over final kaf";
}

TEST(DrawRunByCode, StoredOrderReadsLeftToRightFromTheBoxsRightEnd)
{
    PaneFixture f(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -40);
    const int h = f.LineHeight(STYLE_PLAIN);
    const int alef = f.Width(STYLE_PLAIN, 97);
    const int bet = f.Width(STYLE_PLAIN, 98);
    DrawCodes(f, {98, 97}, RECT{20, 10, 180, 10 + h});
    const InkBox alefInk = FindInk(f.surface, RECT{180 - alef, 0, 180, 80});
    const InkBox betInk = FindInk(f.surface, RECT{180 - alef - bet, 0, 180 - alef, 80});
    EXPECT_TRUE(alefInk.found);
    EXPECT_TRUE(betInk.found);
    EXPECT_FALSE(FindInk(f.surface, RECT{0, 0, 180 - alef - bet - 2, 80}).found);
    EXPECT_FALSE(FindInk(f.surface, RECT{182, 0, 200, 80}).found);
}

TEST(DrawRunByCode, APointAtTheStoredEndKeepsTheRunInItsBox)
{
    // Regression: a run whose last stored code is a point (its letter was
    // cut off to the next line) drew that point across the whole box and
    // every letter after it to the left of the box.
    for (BYTE point : {21, 31}) {
        PaneFixture f(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -40);
        const int h = f.LineHeight(STYLE_PLAIN);
        const int alef = f.Width(STYLE_PLAIN, 97);
        DrawCodes(f, {97, point}, RECT{60, 10, 180, 10 + h});
        const InkBox ink = FindInk(f.surface, RECT{0, 0, 200, 80});
        ASSERT_TRUE(ink.found) << (int)point;
        EXPECT_GE(ink.left, 180 - alef - 2) << (int)point << ": the alef left its place at the right end";
        EXPECT_LE(ink.right, 180 + 4) << (int)point;
    }
}

TEST(DrawRunByCode, CodesOutsideTheTableTakeNoWidthAndShowNothing)
{
    PaneFixture f(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -40);
    PaneFixture g(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -40);
    const int h = f.LineHeight(STYLE_PLAIN);
    DrawCodes(f, {97, 200, 98}, RECT{20, 10, 180, 10 + h});
    DrawCodes(g, {97, 98}, RECT{20, 10, 180, 10 + h});
    for (int y = 0; y < 80; y++)
        for (int x = 0; x < 200; x++)
            ASSERT_EQ(TestPixel(f.surface, x, y), TestPixel(g.surface, x, y)) << x << "," << y;
}

TEST(DrawRunByCode, LeavesTheDCsBackgroundModeAsItFoundIt)
{
    PaneFixture f(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -40);
    for (int mode : {OPAQUE, TRANSPARENT}) {
        SetBkMode(f.surface.dc, mode);
        DrawCodes(f, {97, 98}, RECT{20, 10, 180, 60});
        EXPECT_EQ(SetBkMode(f.surface.dc, mode), mode);
    }
}

TEST(DrawRunColoured, DrawsOnItsBackgroundAndPutsTheDCBack)
{
    PaneFixture f(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -30);
    HDC dc = f.surface.dc;
    HFONT previous = SelectStyleFont(f.pane, STYLE_PLAIN);
    SetTextColor(dc, RGB(9, 9, 9));
    SetBkColor(dc, RGB(250, 240, 230));
    SetBkMode(dc, TRANSPARENT);
    const BYTE codes[] = {97, 98, 99, 0};
    DrawRunColoured(dc, codes, 3, 10, 10, 180, 60, RGB(255, 0, 0), RGB(0, 255, 255));
    EXPECT_EQ(GetTextColor(dc), RGB(9, 9, 9));
    EXPECT_EQ(SetBkColor(dc, 0), RGB(250, 240, 230));
    EXPECT_EQ(SetBkMode(dc, OPAQUE), TRANSPARENT);
    EXPECT_GT(CountPixels(f.surface, RECT{10, 10, 190, 70}, RGB(255, 0, 0)), 0);
    EXPECT_GT(CountPixels(f.surface, RECT{10, 10, 190, 70}, RGB(0, 255, 255)), 0);
    if (previous != nullptr)
        SelectObject(dc, previous);
}

TEST(DrawRun, StopsAtAZeroCodeInsideTheCount)
{
    // The conversion ends at the 0: nothing after it may be drawn, however
    // large the count and whatever the shared buffer held before.
    PaneFixture f(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -30);
    PaneFixture g(200, 80, RECT{0, 0, 200, 80}, TEST_FACE, -30);
    const BYTE longer[] = {97, 98, 99, 100, 101, 102, 0};
    const BYTE cut[] = {97, 0, 99, 100, 101, 102, 0};
    HFONT pf = SelectStyleFont(f.pane, STYLE_PLAIN);
    HFONT pg = SelectStyleFont(g.pane, STYLE_PLAIN);
    int width = 1000;
    int count = 6;
    MeasureRun(f.surface.dc, longer, &width, &count);  // fills the shared buffer
    DrawRun(f.surface.dc, cut, 6, 0, 0, 200, 80);
    DrawRun(g.surface.dc, cut, 1, 0, 0, 200, 80);
    for (int y = 0; y < 80; y++)
        for (int x = 0; x < 200; x++)
            ASSERT_EQ(TestPixel(f.surface, x, y), TestPixel(g.surface, x, y)) << x << "," << y;
    SelectObject(f.surface.dc, pf);
    SelectObject(g.surface.dc, pg);
}

TEST(FillBox, FillsExactlyItsBox)
{
    TestSurface s = CreateTestSurface(50, 50);
    ASSERT_NE(s.dc, nullptr);
    FillBox(s.dc, 10, 20, 5, 3, BLACK_BRUSH);
    EXPECT_EQ(CountPixels(s, RECT{0, 0, 50, 50}, RGB(0, 0, 0)), 15);
    const InkBox ink = FindInk(s, RECT{0, 0, 50, 50});
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.top, 20);
    EXPECT_EQ(ink.right, 15);
    EXPECT_EQ(ink.bottom, 23);
    DestroyTestSurface(&s);
}

}  // namespace
