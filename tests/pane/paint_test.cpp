// Painting on a real surface: which line boxes get ink from any top line,
// linesShown, whole lines only, rules, colours, the highlight and the DC's
// state afterwards.
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "content/section_loader.h"
#include "pane_fixture.h"
#include "shell/app_state.h"

namespace {

const COLORREF WHITE = RGB(255, 255, 255);
const COLORREF BLACK = RGB(0, 0, 0);
const COLORREF YELLOW = RGB(255, 255, 0);
const COLORREF BLUE = RGB(0, 0, 255);

enum : BYTE {
    LINE = 0x31,        // flush right, reversed
    LINE_BLANK = 0xB1,  // the same with a blank line after
};

std::vector<BYTE> Stored(const char* reading)
{
    std::vector<BYTE> codes = Codes(reading);
    std::reverse(codes.begin(), codes.end());
    return codes;
}

// A pane at y 20 of a taller surface, in line boxes of height h.
class Painting : public testing::Test {
protected:
    Painting() : f(240, 400, RECT{0, PANE_Y, 240, PANE_Y + 300}, TEST_FACE, -18), h(f.LineHeight(LINE & 0x1F)) {}

    // For each line box of the surface from the pane's top, '#' when it holds
    // ink and '.' when not, over rows boxes.
    std::string Rows(int rows)
    {
        std::string s;
        for (int r = 0; r < rows; r++) {
            const RECT box = {0, PANE_Y + r * h, 240, PANE_Y + (r + 1) * h};
            s.push_back(FindInk(f.surface, box).found ? '#' : '.');
        }
        return s;
    }

    static const int PANE_Y = 20;
    PaneFixture f;
    const int h;
};

struct PageCase {
    const char* name;
    std::vector<BYTE> attributes;  // one line paragraph each
    int paneLines2;                // pane height in half lines
    int topLine;
    const char* rows;              // ink per line box, 8 boxes
    int linesShown;
    int topLineAfter;
};

TEST_F(Painting, DrawsWholeLinesFromAnyTopLine)
{
    const PageCase cases[] = {
        {"top line 0 at the pane's top", {LINE_BLANK, LINE, LINE}, 20, 0, "#.##....", 4, 0},
        {"the blank unit at the top shows as a blank line", {LINE_BLANK, LINE, LINE}, 20, 1, ".##.....", 2, 1},
        {"top line on the second record", {LINE_BLANK, LINE, LINE}, 20, 2, "##......", 2, 2},
        {"beyond the text: pulled back to maxTopLine", {LINE, LINE, LINE, LINE}, 4, 99, "##......", 2, 2},
        {"at totalLines nothing is left", {LINE, LINE}, 8, 2, "........", 0, 2},
        {"two lines high: a record and its blank", {LINE_BLANK, LINE}, 4, 0, "#.......", 2, 0},
        {"a blank line that does not fit still counts", {LINE_BLANK, LINE}, 3, 0, "#.......", 2, 0},
        {"only whole lines are drawn", {LINE, LINE, LINE}, 5, 0, "##......", 2, 0},
        {"a pane lower than its first line", {LINE, LINE}, 1, 0, "........", 0, 0},
    };
    for (const PageCase& c : cases) {
        FillBox(f.surface.dc, 0, 0, 240, 400, WHITE_BRUSH);
        f.pane->height = c.paneLines2 * h / 2;
        StreamBuilder stream;
        for (BYTE a : c.attributes)
            stream.Text(a, 0, Stored("abgd"));
        ASSERT_EQ(f.Lay(stream), 0) << c.name;
        f.pane->topLine = (uint16_t)c.topLine;
        EXPECT_EQ(PaintPane(f.pane, 1), 0) << c.name;
        EXPECT_EQ(Rows(8), c.rows) << c.name;
        EXPECT_EQ(f.pane->linesShown, c.linesShown) << c.name;
        EXPECT_EQ(f.pane->topLine, c.topLineAfter) << c.name;
        EXPECT_FALSE(FindInk(f.surface, RECT{0, 0, 240, PANE_Y}).found) << c.name << ": ink above the pane";
    }
}

TEST_F(Painting, EraseFillsThePaneWhiteAndNothingElse)
{
    StreamBuilder stream;
    stream.Text(LINE, 0, Stored("abgd"));
    ASSERT_EQ(f.Lay(stream), 0);
    for (int erase : {0, 1}) {
        FillBox(f.surface.dc, 0, 0, 240, 400, BLACK_BRUSH);
        ASSERT_EQ(PaintPane(f.pane, erase), 0);
        const RECT below = {0, PANE_Y + 2 * h, 240, PANE_Y + 300};
        EXPECT_EQ(CountPixels(f.surface, below, WHITE), erase ? 240 * (300 - 2 * h) : 0) << erase;
        EXPECT_EQ(CountPixels(f.surface, RECT{0, 0, 240, PANE_Y}, BLACK), 240 * PANE_Y) << erase;
        EXPECT_EQ(CountPixels(f.surface, RECT{0, PANE_Y + 300, 240, 400}, BLACK), 240 * 80) << erase;
    }
}

TEST_F(Painting, ARuleIsAOnePixelBlackLineAcrossTheMiddleOfItsBox)
{
    // A rule 100 long at x 10, in the pane's first line box.
    f.pane->x = 10;
    StreamBuilder stream;
    stream.Rule(0x07, 100);
    ASSERT_EQ(f.Lay(stream), 0);
    // Whatever pen the DC holds, the rule draws with its own.
    HGDIOBJ pen = SelectObject(f.surface.dc, GetStockObject(NULL_PEN));
    ASSERT_EQ(PaintPane(f.pane, 1), 0);
    EXPECT_EQ(SelectObject(f.surface.dc, pen), GetStockObject(NULL_PEN));
    const int row = PANE_Y + h / 2;
    EXPECT_EQ(CountPixels(f.surface, RECT{10, row, 110, row + 1}, BLACK), 100);
    EXPECT_EQ(TestPixel(f.surface, 9, row), WHITE);
    EXPECT_EQ(TestPixel(f.surface, 110, row), WHITE);
    const InkBox ink = FindInk(f.surface, RECT{0, 0, 240, 400});
    ASSERT_TRUE(ink.found);
    EXPECT_EQ(ink.top, row);
    EXPECT_EQ(ink.bottom, row + 1);
    EXPECT_EQ(ink.left, 10);
    EXPECT_EQ(ink.right, 110);
    EXPECT_EQ(f.pane->linesShown, 1);
}

TEST_F(Painting, BlueParagraphsAreBlueAndOthersBlack)
{
    StreamBuilder stream;
    stream.Text(0x3D, 0, Stored("abgd"));  // larger and bold together: blue
    stream.Text(LINE, 0, Stored("abgd"));
    ASSERT_EQ(f.Lay(stream), 0);
    ASSERT_EQ(PaintPane(f.pane, 1), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    const RECT first = {0, PANE_Y, 240, PANE_Y + lines[0].height};
    const RECT second = {0, PANE_Y + lines[0].height, 240, PANE_Y + lines[0].height + lines[1].height};
    EXPECT_GT(CountPixels(f.surface, first, BLUE), 0);
    EXPECT_EQ(CountPixels(f.surface, first, BLACK), 0);
    EXPECT_GT(CountPixels(f.surface, second, BLACK), 0);
    EXPECT_EQ(CountPixels(f.surface, second, BLUE), 0);
}

TEST_F(Painting, PutsBackTheFontColoursAndModeOfTheDC)
{
    StreamBuilder stream;
    stream.Text(0x3D, 0, Stored("abgd"));
    stream.Text(LINE, 0x40, Stored("ab gd"));
    stream.Rule(0x07, 30);
    ASSERT_EQ(f.Lay(stream), 0);
    f.pane->highlightStart = 2;
    f.pane->highlightEnd = 30;
    HDC dc = f.surface.dc;
    LOGFONTW logfont;
    memset(&logfont, 0, sizeof logfont);
    logfont.lfHeight = -11;
    HFONT mine = CreateFontIndirectW(&logfont);
    HGDIOBJ original = SelectObject(dc, mine);
    SetTextColor(dc, RGB(200, 10, 10));
    SetBkColor(dc, RGB(10, 200, 10));
    SetBkMode(dc, OPAQUE);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ originalBrush = SelectObject(dc, brush);

    ASSERT_EQ(PaintPane(f.pane, 1), 0);
    EXPECT_EQ(GetTextColor(dc), RGB(200, 10, 10));
    EXPECT_EQ(SetBkColor(dc, RGB(10, 200, 10)), RGB(10, 200, 10));
    EXPECT_EQ(SetBkMode(dc, OPAQUE), OPAQUE);
    EXPECT_EQ(SelectObject(dc, originalBrush), (HGDIOBJ)brush);
    EXPECT_EQ(SelectObject(dc, original), (HGDIOBJ)mine) << "the DC's own font is selected again";
    DeleteObject(brush);
    DeleteObject(mine);
}

TEST_F(Painting, TheHighlightIsBlueOnAYellowBoxThatLinesUpWithTheCodes)
{
    // The second record's body spans offsets 8..19; codes 10..13 highlighted.
    StreamBuilder stream;
    stream.Text(LINE, 0, Stored("abg"));  // offsets 0..5
    std::vector<BYTE> body = Codes("abgdhwzxtykl");
    stream.Text(0x11, 0, body);  // flush left, reversed: stored order drawn left to right
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(lines[1].offset, 8);
    ASSERT_EQ(lines[1].length, 12);

    TestSurface plain = CreateTestSurface(240, 400);
    ASSERT_NE(plain.dc, nullptr);
    f.pane->dc = plain.dc;
    ASSERT_EQ(PaintPane(f.pane, 1), 0);
    f.pane->dc = f.surface.dc;
    f.pane->highlightStart = 10;
    f.pane->highlightEnd = 14;
    ASSERT_EQ(PaintPane(f.pane, 1), 0);

    const LineRecord& line = lines[1];
    const int x0 = line.x + f.WidthOf(0x11, {body[0], body[1]});
    const int x1 = x0 + f.WidthOf(0x11, {body[2], body[3], body[4], body[5]});
    const int top = PANE_Y + lines[0].height;
    const int bottom = top + line.height;
    // The box reaches one pixel above and below the line box.
    EXPECT_EQ(CountPixels(f.surface, RECT{x0, top - 1, x1, top}, YELLOW), x1 - x0);
    EXPECT_EQ(CountPixels(f.surface, RECT{x0, bottom, x1, bottom + 1}, YELLOW), x1 - x0);
    EXPECT_EQ(CountPixels(f.surface, RECT{0, top - 1, x0, bottom + 1}, YELLOW), 0) << "yellow left of the box";
    EXPECT_EQ(CountPixels(f.surface, RECT{x1, top - 1, 240, bottom + 1}, YELLOW), 0) << "yellow right of the box";
    EXPECT_GT(CountPixels(f.surface, RECT{x0, top, x1, bottom}, BLUE), 0);
    EXPECT_EQ(CountPixels(f.surface, RECT{0, 0, x0, 400}, BLUE), 0);
    EXPECT_EQ(CountPixels(f.surface, RECT{x1, 0, 240, 400}, BLUE), 0);

    // Inside the box, the highlighted codes have ink exactly where the plain
    // paint had it: the box and the code-by-code drawing line up.
    int mismatched = 0;
    for (int y = top; y < bottom; y++)
        for (int x = x0; x < x1; x++)
            if ((TestPixel(plain, x, y) != WHITE) != (TestPixel(f.surface, x, y) != YELLOW))
                mismatched++;
    EXPECT_EQ(mismatched, 0);
    // Outside it, the line is as it was.
    for (int y = top; y < bottom; y++) {
        for (int x = 0; x < 240; x++) {
            if (x < x0 || x >= x1) {
                ASSERT_EQ(TestPixel(plain, x, y), TestPixel(f.surface, x, y)) << x << "," << y;
            }
        }
    }
    DestroyTestSurface(&plain);
}

TEST_F(Painting, AReversedHangingWordIsHighlightedWholeWhenItsLineMeetsTheHighlight)
{
    StreamBuilder stream;
    stream.Text(LINE, 0x40, Stored("ab gdhw"));  // stored "whdg ba": body 2..5, word 7..8
    ASSERT_EQ(f.Lay(stream), 0);
    const LineRecord line = Lines(f.pane)[0];
    ASSERT_EQ(line.offset, 2);
    ASSERT_EQ(line.length, 4);
    const RECT column = {line.x + line.width, PANE_Y, line.x + line.width + line.hangWidth, PANE_Y + line.height};
    const struct {
        int start;
        int end;
        bool word;
    } cases[] = {
        {2, 3, true},   // the body's first code
        {6, 6, true},   // the span's end meets it
        {7, 9, false},  // only the word's own offsets: the body's span does not meet them
    };
    for (const auto& c : cases) {
        f.pane->highlightStart = (uint16_t)c.start;
        f.pane->highlightEnd = (uint16_t)c.end;
        ASSERT_EQ(PaintPane(f.pane, 1), 0);
        EXPECT_EQ(CountPixels(f.surface, column, YELLOW) > 0, c.word) << c.start << ".." << c.end;
        EXPECT_EQ(CountPixels(f.surface, column, BLUE) > 0, c.word) << c.start << ".." << c.end;
    }
}

TEST_F(Painting, HangingWordsStayInTheirColumn)
{
    // A word wider than its column is drawn as far as its codes fit; a
    // paragraph that is nothing but its hanging word still shows the word.
    StreamBuilder stream;
    stream.Text(LINE_BLANK, 0x40, Stored("abgdhwz tk"));
    stream.Text(LINE, 0x40, Stored("ab"));
    ASSERT_EQ(f.Lay(stream), 0);
    ASSERT_EQ(PaintPane(f.pane, 1), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 2u);
    for (int i = 0; i < 2; i++) {
        const LineRecord& line = lines[(size_t)i];
        const int top = PANE_Y + 2 * i * line.height;
        const int columnLeft = line.x + line.width;
        const int columnRight = columnLeft + line.hangWidth;
        const InkBox word = FindInk(f.surface, RECT{columnLeft, top, 240, top + line.height});
        ASSERT_TRUE(word.found) << i;
        EXPECT_LE(word.right, columnRight + 1) << i << ": the word leaves its column";
        EXPECT_GE(word.left, columnLeft) << i;
    }
    EXPECT_EQ(lines[1].length, 0);
}

TEST(PaintBook, TheFirstPageOfTheFirstSectionReadsRightToLeft)
{
    PaneFixture f(240, 320, RECT{0, 0, 240, 320}, TEST_FACE, -17);
    BYTE* text = LoadSection(1, nullptr);
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(LayoutText(f.pane, text, 1), 0);
    f.pane->topLine = 0;
    ASSERT_EQ(PaintPane(f.pane, 1), 0);
    SaveTestSurfacePng(f.surface, QM_PICTURE_DIR "/section1_page1.png");
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_GT(lines.size(), 5u);

    // The title: centred, blue, a blank line after it.
    const LineRecord& title = lines[0];
    EXPECT_EQ(title.flags, 0xDC);
    const InkBox titleInk = FindInk(f.surface, RECT{0, 0, 240, title.height});
    ASSERT_TRUE(titleInk.found);
    EXPECT_NEAR(titleInk.left + titleInk.right, 240, 8) << "the title is centred";
    EXPECT_GT(CountPixels(f.surface, RECT{0, 0, 240, title.height}, BLUE), 0);

    // The first verse: flush right, its number hanging in the column at the
    // right, the body to its left.
    const LineRecord& verse = lines[1];
    EXPECT_EQ(verse.flags & 0x7F, 0x31);
    EXPECT_GT(verse.hangWidth, 0);
    EXPECT_EQ(verse.x + verse.width + verse.hangWidth, 240);
    const int top = 2 * title.height;
    const InkBox number = FindInk(f.surface, RECT{verse.x + verse.width, top, 240, top + verse.height});
    const InkBox body = FindInk(f.surface, RECT{0, top, verse.x + verse.width, top + verse.height});
    ASSERT_TRUE(number.found);
    ASSERT_TRUE(body.found);
    EXPECT_GT(number.left, body.right - 2) << "the verse number is right of the body";
    EXPECT_LT(f.pane->linesShown, (int)f.pane->totalLines);
}

}  // namespace
