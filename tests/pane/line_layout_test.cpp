// Line layout on a real surface: breaking, alignment, hanging words,
// continuations, rules, blank lines and line units, maxTopLine and
// ScrollToOffset. Widths come from the pane's own tables, so the cases hold
// for any face; the monospace face keeps the words of a case equally wide.
#include <stdlib.h>
#include <string.h>

#include <algorithm>
#include <string>
#include <vector>

#include "content/char_tables.h"
#include "pane_fixture.h"
#include "shell/app_state.h"

namespace {

enum : BYTE {
    RIGHT_REVERSED = 0x31,        // flush right, reversed, style 0x11
    RIGHT_REVERSED_BLANK = 0xB1,  // the book's verses
    LEFT_PLAIN = 0x01,
    CENTRE_REVERSED = 0x51,
    LEFT_REVERSED = 0x11,
};

// The codes of a line's body in reading order, letters back as 'a'..'z'.
std::string BodyText(const TextPane* pane, const LineRecord& line)
{
    std::string s;
    const BYTE* text = pane->text;
    int start = line.offset;
    if (line.hangWidth != 0 && (line.flags & ATTR_REVERSED) == 0) {
        while (text[start] != 0 && text[start] != SPACE_CODE)
            start++;
        while (text[start] == SPACE_CODE)
            start++;
    }
    for (int i = 0; i < line.length; i++) {
        const BYTE b = text[start + i];
        s.push_back(b >= 97 && b <= 122 ? (char)('a' + (b - 97)) : (char)b);
    }
    if ((line.flags & ATTR_REVERSED) != 0)
        std::reverse(s.begin(), s.end());
    return s;
}

std::vector<std::string> BodyTexts(const TextPane* pane)
{
    std::vector<std::string> out;
    for (const LineRecord& line : Lines(pane))
        out.push_back(BodyText(pane, line));
    return out;
}

// Stored order of a reversed paragraph given in reading order.
std::vector<BYTE> Stored(const char* reading)
{
    std::vector<BYTE> codes = Codes(reading);
    std::reverse(codes.begin(), codes.end());
    return codes;
}

class Layout : public testing::Test {
protected:
    Layout() : f(400, 400, RECT{0, 0, 400, 400}, MONO_FACE, -20) {}
    // The pane's width set to fit exactly the reading-order text of a style.
    void Fit(BYTE style, const char* text) { f.pane->width = f.WidthOf(style, Codes(text)); }
    // Width of a plain text as the platform measures it in a style's font.
    int PlatformWidth(BYTE style, const char* text)
    {
        const std::vector<BYTE> codes = Codes(text);
        HFONT previous = SelectStyleFont(f.pane, style);
        int width = 100000;
        int count = (int)codes.size();
        MeasureRun(f.pane->dc, codes.data(), &width, &count);
        if (previous != nullptr)
            SelectObject(f.pane->dc, previous);
        return width;
    }
    PaneFixture f;
};

struct BreakCase {
    const char* name;
    const char* text;  // reading order
    const char* room;  // the pane is as wide as this text
    std::vector<std::string> lines;
};

TEST_F(Layout, BreaksReversedParagraphsAtSpacesHyphensOrTheRoom)
{
    // One letter throughout, so that equal texts have equal widths in any face.
    const BreakCase cases[] = {
        {"fits on one line", "aa aa", "aa aa", {"aa aa"}},
        {"breaks at the last space before the fit", "aa aa aa", "aa aa a", {"aa aa", "aa"}},
        {"a hyphen stays on its line", "aa-aa", "aa-a", {"aa-", "aa"}},
        {"a space wins over an earlier hyphen", "a-a aa", "a-a a", {"a-a", "aa"}},
        {"a word longer than the room is cut", "aaaaaaaa", "aaa", {"aaa", "aaa", "aa"}},
        {"a hyphen at index 0 is no break point", "-aaaa", "-aa", {"-aa", "aa"}},
        {"leading spaces are skipped, never a break", "   aaaaaa", "aaa", {"aaa", "aaa"}},
        {"a fit ending before spaces keeps its words", "aa   aa", "aa", {"aa", "aa"}},
        {"a space at the fit's end is left off the line", "aa aa", "aa ", {"aa", "aa"}},
    };
    for (const BreakCase& c : cases) {
        Fit(RIGHT_REVERSED & ATTR_STYLE_MASK, c.room);
        StreamBuilder stream;
        stream.Text(RIGHT_REVERSED, 0, Stored(c.text));
        ASSERT_EQ(f.Lay(stream), 0) << c.name;
        EXPECT_EQ(BodyTexts(f.pane), c.lines) << c.name;
        for (const LineRecord& line : Lines(f.pane))
            EXPECT_LE(line.width, f.pane->width) << c.name << " " << Describe(line);
    }
}

TEST_F(Layout, BreaksPlainParagraphsInPlaceWithThePlatformMeasure)
{
    // Not reversed: offsets run forward through the stored text. The pane
    // is as wide as "aa aa-a": the first line ends after the hyphen, the
    // second at the space before the long word, which is then cut.
    const std::vector<BYTE> codes = Codes("aa aa-aa aaaaaaaaa");
    int room = 1000;
    int count = 7;
    HFONT previous = SelectStyleFont(f.pane, LEFT_PLAIN);
    MeasureRun(f.pane->dc, codes.data(), &room, &count);
    if (previous != nullptr)
        SelectObject(f.pane->dc, previous);
    f.pane->width = room;
    StreamBuilder stream;
    stream.Text(LEFT_PLAIN, 0, codes);
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(BodyText(f.pane, lines[0]), "aa aa-");
    EXPECT_EQ(lines[0].offset, 2);
    EXPECT_EQ(BodyText(f.pane, lines[1]), "aa");
    EXPECT_EQ(lines[1].offset, 2 + 6);
    EXPECT_EQ(lines[2].offset, 2 + 9);
    EXPECT_GE(lines[2].length, 5) << "a cut word fills the room";
    int rest = 0;
    for (size_t i = 2; i < lines.size(); i++) {
        rest += lines[i].length;
        EXPECT_LE(lines[i].width, room);
        EXPECT_EQ(lines[i].flags, LEFT_PLAIN);
    }
    EXPECT_EQ(rest, 9);
}

TEST_F(Layout, EveryLineTakesAtLeastOneCodeInAPaneNarrowerThanOne)
{
    for (int width : {1, 0, -5}) {
        for (BYTE attribute : {RIGHT_REVERSED, LEFT_PLAIN}) {
            f.pane->width = width;
            StreamBuilder stream;
            // A point stays with the letter it follows in reading order.
            stream.Text(attribute, 0x05, {97, 98, 21, 99});
            ASSERT_EQ(f.Lay(stream), 0) << width;
            const std::vector<LineRecord> lines = Lines(f.pane);
            ASSERT_EQ(lines.size(), 3u) << "width " << width << " attribute " << (int)attribute;
            int codes = 0;
            for (const LineRecord& line : lines)
                codes += line.length;
            EXPECT_EQ(codes, 4) << "width " << width;
            // Reading order: 97 98 21 99 plain, 99 21 98 97 reversed.
            EXPECT_EQ(lines[attribute == LEFT_PLAIN ? 1 : 0].length, 2) << "the point goes with its letter";
            for (const LineRecord& line : lines)
                EXPECT_LE(line.x, 1) << "a line wider than the pane starts at its left edge: " << Describe(line);
        }
    }

    // A pane narrower than the hanging column: the column holds the word,
    // every later line one code, never the rest of the paragraph at once.
    f.pane->width = 3;
    StreamBuilder hanging;
    hanging.Text(RIGHT_REVERSED, 0x40, Stored("a bcdef"));
    ASSERT_EQ(f.Lay(hanging), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0].length, 0);
    EXPECT_GT(lines[0].hangWidth, 0);
    for (size_t i = 1; i < lines.size(); i++)
        EXPECT_EQ(lines[i].length, 1) << i;
}

TEST_F(Layout, AlignsRightCentreAndLeftWithIndents)
{
    const int paneX = 10;
    const int W = 300;
    f.pane->x = paneX;
    f.pane->width = W;
    const int w = f.WidthOf(RIGHT_REVERSED & ATTR_STYLE_MASK, Codes("abc"));
    const struct {
        const char* name;
        BYTE attribute;
        BYTE indent;
        int x;
    } cases[] = {
        {"right, indent 0", RIGHT_REVERSED, 0, paneX + W - w},
        {"right, indent 5", RIGHT_REVERSED, 5, paneX + W - 5 - w},
        {"centre, indent 0", CENTRE_REVERSED, 0, paneX + (W - w) / 2},
        {"centre, indent 6", CENTRE_REVERSED, 6, paneX + 6 + (W - 6 - w) / 2},
        {"left, indent 7", LEFT_REVERSED, 7, paneX + 7},
        {"0x60 aligns left", 0x71, 7, paneX + 7},
        {"indent 63", RIGHT_REVERSED, 63, paneX + W - 63 - w},
    };
    for (const auto& c : cases) {
        StreamBuilder stream;
        stream.Text(c.attribute, c.indent, Stored("abc"));
        ASSERT_EQ(f.Lay(stream), 0) << c.name;
        const std::vector<LineRecord> lines = Lines(f.pane);
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0].x, c.x) << c.name << " " << Describe(lines[0]);
        EXPECT_EQ(lines[0].width, w) << c.name;
        EXPECT_EQ(lines[0].flags, c.attribute) << c.name;
    }
}

TEST_F(Layout, HangingWordOfAPlainParagraphStartsItsFirstLine)
{
    // Indent byte 0x40, flush left, pane x 0: the body starts after a column
    // of one maximum character width, on every line.
    const int hang = f.MaxCharWidth(LEFT_PLAIN);
    f.pane->width = hang + PlatformWidth(LEFT_PLAIN, "bcd");
    StreamBuilder stream;
    stream.Text(LEFT_PLAIN, 0x40, Codes("a  bcd efg"));
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].offset, 2) << "a plain line with a hanging word starts at the word";
    EXPECT_EQ(lines[0].hangWidth, hang);
    EXPECT_EQ(lines[0].x, hang);
    EXPECT_EQ(BodyText(f.pane, lines[0]), "bcd");
    EXPECT_EQ(lines[1].hangWidth, 0);
    EXPECT_EQ(lines[1].x, hang);
    EXPECT_EQ(BodyText(f.pane, lines[1]), "efg");
}

TEST_F(Layout, HangingWordOfAReversedParagraphLiesAfterTheBodyInStorage)
{
    // The book's verses: flush right, reversed, the number hanging at the right.
    const int hang = f.MaxCharWidth(RIGHT_REVERSED_BLANK & ATTR_STYLE_MASK);
    const int W = 200;
    f.pane->width = W;
    for (int factor = 1; factor <= 3; factor++) {
        const int column = (factor + 1) * hang / 2;
        StreamBuilder stream;
        stream.Text(RIGHT_REVERSED_BLANK, (BYTE)(factor << 6), Stored("ab cd ef"));
        stream.Text(RIGHT_REVERSED_BLANK, 0x40, Stored("gh ij"));
        ASSERT_EQ(f.Lay(stream), 0);
        const std::vector<LineRecord> lines = Lines(f.pane);
        ASSERT_EQ(lines.size(), 2u) << factor;
        const LineRecord& first = lines[0];
        EXPECT_EQ(first.hangWidth, column) << factor;
        EXPECT_EQ(BodyText(f.pane, first), "cd ef") << factor;
        EXPECT_EQ(first.x, W - column - first.width) << factor;
        // Stored "fe dc ba": the body's span is "fe dc", the word "ba" after it.
        EXPECT_EQ(first.offset, 2) << factor;
        EXPECT_EQ(first.length, 5) << factor;
        EXPECT_EQ(first.flags, RIGHT_REVERSED_BLANK) << factor;
        EXPECT_EQ(f.pane->totalLines, 3) << factor;
    }
}

TEST_F(Layout, ReversedSecondLinesKeepTheHangingColumn)
{
    const int hang = f.MaxCharWidth(RIGHT_REVERSED & ATTR_STYLE_MASK);
    const int W = hang + f.WidthOf(RIGHT_REVERSED & ATTR_STYLE_MASK, Codes("bc de"));
    f.pane->width = W;
    StreamBuilder stream;
    stream.Text(RIGHT_REVERSED, 0x40, Stored("a bc de fg"));
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(BodyTexts(f.pane), (std::vector<std::string>{"bc de", "fg"}));
    EXPECT_EQ(lines[1].x, W - hang - lines[1].width);
    EXPECT_EQ(lines[1].hangWidth, 0);
}

TEST_F(Layout, ContinuationParagraphsGoOnAtTheRunningIndent)
{
    const int hang = f.MaxCharWidth(LEFT_PLAIN);
    f.pane->width = 300;
    struct {
        const char* name;
        BYTE firstIndent;
        BYTE secondIndent;
        int secondX;
    } cases[] = {
        {"same indent", 0x43, 0x43, 3 + hang},
        {"indent 3 to 5 moves two pixels right", 0x43, 0x45, 3 + hang + 2},
        {"indent 5 to 3 moves two pixels left", 0x45, 0x43, 5 + hang - 2},
        {"no hang bits: not a continuation", 0x43, 0x05, 5},
    };
    for (const auto& c : cases) {
        StreamBuilder stream;
        stream.Text(LEFT_PLAIN, c.firstIndent, Codes("a bcd"));
        stream.Text(LEFT_PLAIN, c.secondIndent, Codes(" efg"));
        ASSERT_EQ(f.Lay(stream), 0) << c.name;
        const std::vector<LineRecord> lines = Lines(f.pane);
        ASSERT_EQ(lines.size(), 2u) << c.name;
        EXPECT_EQ(lines[1].x, c.secondX) << c.name;
        EXPECT_EQ(lines[1].hangWidth, 0) << c.name << ": a continuation has no hanging word";
        EXPECT_EQ(BodyText(f.pane, lines[1]), "efg") << c.name;
    }
}

TEST_F(Layout, TheFirstParagraphIsNeverAContinuation)
{
    const int hang = f.MaxCharWidth(LEFT_PLAIN);
    f.pane->width = 300;
    StreamBuilder stream;
    stream.Text(LEFT_PLAIN, 0x45, Codes(" ab cd"));
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].hangWidth, hang);
    EXPECT_EQ(lines[0].x, 5 + hang);
    EXPECT_EQ(BodyText(f.pane, lines[0]), "cd");
}

TEST_F(Layout, AnEmptyParagraphResetsTheRunningIndentAndSwitchesTheFont)
{
    f.pane->width = 300;
    const int hang = f.MaxCharWidth(LEFT_PLAIN);
    StreamBuilder stream;
    stream.Text(LEFT_PLAIN, 0x4A, Codes("a bcd"));      // running indent 10 + hang
    stream.Text(0x85, 0x02, Codes("   "));              // larger, blank after: no line
    stream.Text(LEFT_PLAIN, 0x46, Codes(" efg"));       // continues from indent 2
    stream.Rule(0x07, 50);
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].x, 10 + hang);
    EXPECT_EQ(lines[1].x, 2 + (6 - 2)) << "the empty paragraph set the running indent to its own";
    EXPECT_EQ(f.pane->totalLines, 3) << "an empty paragraph adds no unit, blank or not";

    StreamBuilder larger;
    larger.Text(LEFT_PLAIN, 0, Codes("ab"));
    larger.Text(0x85, 0, {});
    larger.Rule(0x07, 50);
    ASSERT_EQ(f.Lay(larger), 0);
    const std::vector<LineRecord> rule = Lines(f.pane);
    ASSERT_EQ(rule.size(), 2u);
    EXPECT_EQ(rule[1].height, f.LineHeight(0x05)) << "the empty larger paragraph switched the font";
    EXPECT_NE(f.LineHeight(0x05), f.LineHeight(LEFT_PLAIN));
}

TEST_F(Layout, RulesTakeTheirLengthAlignmentAndLineHeight)
{
    const int paneX = 10;
    f.pane->x = paneX;
    f.pane->width = 240;
    const struct {
        const char* name;
        BYTE attribute;
        BYTE length;
        int width;  // -1: no line
        int x;
    } cases[] = {
        {"length 0 is no rule", 0x07, 0, -1, 0},
        {"1 pixel", 0x07, 1, 1, paneX},
        {"160 pixels", 0x07, 160, 160, paneX},
        {"161 is 2 percent", 0x07, 161, 4, paneX},
        {"200 is 80 percent", 0x07, 200, 192, paneX},
        {"209 is 98 percent", 0x07, 209, 235, paneX},
        {"210 is the full width", 0x07, 210, 240, paneX},
        {"255 is capped at the width", 0x07, 255, 240, paneX},
        {"right aligned", 0x27, 100, 100, paneX + 140},
        {"centred", 0x47, 101, 101, paneX + 69},
        {"0x0F is a rule", 0x0F, 50, 50, paneX},
        {"0x1F is a rule", 0x1F, 50, 50, paneX},
    };
    for (const auto& c : cases) {
        StreamBuilder stream;
        stream.Rule(c.attribute, c.length);
        ASSERT_EQ(f.Lay(stream), 0) << c.name << ": a stream may open with a rule";
        const std::vector<LineRecord> lines = Lines(f.pane);
        if (c.width < 0) {
            EXPECT_TRUE(lines.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(lines.size(), 1u) << c.name;
        EXPECT_EQ(lines[0].width, c.width) << c.name;
        EXPECT_EQ(lines[0].x, c.x) << c.name;
        EXPECT_EQ(lines[0].length, 0) << c.name;
        EXPECT_EQ(lines[0].offset, 2) << c.name;
        EXPECT_EQ(lines[0].height, f.LineHeight(STYLE_PLAIN)) << c.name;
    }

    // A narrow pane caps a pixel length; a rule after a larger paragraph is
    // as high as that paragraph's lines; a blank line after it counts.
    f.pane->width = 120;
    StreamBuilder stream;
    stream.Text(0x05, 0, Codes("ab"));
    stream.Rule(0x87, 150);
    stream.Text(LEFT_PLAIN, 0, Codes("cd"));
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].width, 120);
    EXPECT_EQ(lines[1].height, f.LineHeight(0x05));
    EXPECT_EQ(f.pane->totalLines, 4);
}

TEST_F(Layout, BlankLinesCountAsLineUnits)
{
    Fit(RIGHT_REVERSED & ATTR_STYLE_MASK, "aa");
    // A three-line paragraph with a blank line, then one more paragraph.
    StreamBuilder stream;
    stream.Text(RIGHT_REVERSED_BLANK, 0, Stored("aa aa aa"));
    stream.Text(RIGHT_REVERSED, 0, Stored("aa"));
    ASSERT_EQ(f.Lay(stream), 0);
    std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].flags, RIGHT_REVERSED_BLANK & 0x7F);
    EXPECT_EQ(lines[1].flags, RIGHT_REVERSED_BLANK & 0x7F);
    EXPECT_EQ(lines[2].flags, RIGHT_REVERSED_BLANK);
    EXPECT_EQ(f.pane->totalLines, 5);
    EXPECT_EQ(f.pane->lineCount, 4);

    // Two one-line paragraphs with blank lines: the last loses its blank.
    StreamBuilder two;
    two.Text(RIGHT_REVERSED_BLANK, 0, Stored("aa"));
    two.Text(RIGHT_REVERSED_BLANK, 0, Stored("aa"));
    ASSERT_EQ(f.Lay(two), 0);
    lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].flags, RIGHT_REVERSED);
    EXPECT_EQ(f.pane->totalLines, 3);
}

TEST_F(Layout, TrailingSpacesDoNotTakeTheBlankLineAway)
{
    // Regression: the line before trailing spaces is the paragraph's last
    // and must carry ATTR_BLANK_AFTER, though it does not reach the text's
    // end.
    Fit(LEFT_REVERSED, "aa");
    StreamBuilder stream;
    stream.Text(0x91, 0, Stored("aa    "));
    stream.Text(LEFT_REVERSED, 0, Stored("aa"));
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].flags, 0x91);
    EXPECT_EQ(f.pane->totalLines, 3);
}

TEST_F(Layout, AnAttributeOfOnlyABlankLineNeverMakesAZeroRecord)
{
    // Regression: attribute 0x80 gave the lines before its last, and its
    // last line at the end of the text, flags 0, the mark of the closing
    // record, so painting and scrolling stopped there.
    f.pane->width = PlatformWidth(LEFT_PLAIN, "aa");
    StreamBuilder stream;
    stream.Text(0x80, 0, Codes("aa aa aa"));
    stream.Text(LEFT_PLAIN, 0, Codes("aa"));
    stream.Text(0x80, 0, Codes("aa aa"));
    ASSERT_EQ(f.Lay(stream), 0);
    ASSERT_EQ(f.pane->lineCount, 6);
    EXPECT_EQ(Lines(f.pane).size(), 6u);
    EXPECT_EQ(f.pane->totalLines, 7);
    for (const LineRecord& line : Lines(f.pane))
        EXPECT_EQ(line.x, 0) << "laid out flush left: " << Describe(line);
    EXPECT_EQ(f.pane->lines[2].flags & ATTR_BLANK_AFTER, ATTR_BLANK_AFTER);
    EXPECT_EQ(PaintPane(f.pane, 1), 0);
    EXPECT_EQ(f.pane->linesShown, 7);
}

TEST_F(Layout, RefusesStreamsWithoutAFirstLineAndKeepsTheOldText)
{
    StreamBuilder good;
    good.Text(LEFT_PLAIN, 0, Codes("ab"));
    ASSERT_EQ(f.Lay(good), 0);
    const BYTE* kept = f.pane->text;
    f.pane->topLine = 7;
    StreamBuilder empty;
    StreamBuilder emptyFirst;
    emptyFirst.Text(LEFT_PLAIN, 0, {});
    emptyFirst.Text(LEFT_PLAIN, 0, Codes("ab"));
    EXPECT_EQ(f.Lay(empty), LAYOUT_BAD_STREAM);
    EXPECT_EQ(f.Lay(emptyFirst), LAYOUT_BAD_STREAM);
    EXPECT_EQ(f.pane->text, kept);
    EXPECT_EQ(f.pane->topLine, 7);

    EXPECT_EQ(LayoutText(nullptr, nullptr, 0), -1);
    EXPECT_EQ(LayoutText(f.pane, nullptr, 0), LAYOUT_NO_TEXT);
    EXPECT_EQ(f.pane->text, kept) << "without freeOld the text stays";
    EXPECT_EQ(LayoutText(f.pane, nullptr, 1), LAYOUT_NO_TEXT);
    EXPECT_EQ(f.pane->text, nullptr);
    EXPECT_EQ(PaintPane(f.pane, 1), -1) << "a pane without text paints nothing";
}

TEST_F(Layout, LayingOutClearsTheHighlightAndKeepsTopLine)
{
    StreamBuilder stream;
    stream.Text(LEFT_PLAIN, 0, Codes("ab"));
    ASSERT_EQ(f.Lay(stream), 0);
    f.pane->highlightStart = 2;
    f.pane->highlightEnd = 3;
    f.pane->topLine = 9;
    ASSERT_EQ(LayoutText(f.pane, f.pane->text, 0), 0) << "laying out its own text again";
    // Handing the pane its own text with freeOld must not release it.
    ASSERT_EQ(LayoutText(f.pane, f.pane->text, 1), 0);
    EXPECT_EQ(f.pane->text[2], 97);
    EXPECT_EQ(f.pane->highlightStart, 0);
    EXPECT_EQ(f.pane->highlightEnd, 0);
    EXPECT_EQ(f.pane->topLine, 9);
    EXPECT_EQ(Lines(f.pane).size(), 1u);
}

TEST_F(Layout, MaxTopLineIsTheTopOfTheLastFullPage)
{
    const int h = f.LineHeight(LEFT_PLAIN);
    const struct {
        const char* name;
        int paragraphs;
        BYTE attribute;
        int paneHeight;
        int maxTopLine;
    } cases[] = {
        {"the whole text fits", 3, LEFT_PLAIN, 10 * h, 0},
        {"exactly fits", 3, LEFT_PLAIN, 3 * h, 0},
        {"ten lines, three shown", 10, LEFT_PLAIN, 3 * h + h / 2, 7},
        {"lower than the last line", 3, LEFT_PLAIN, h - 1, 3},
        // units: L b L b L; three lines' worth shows "L b L".
        {"blank lines fit", 3, 0x81, 3 * h, 2},
        // 2.5 lines: "b L" at the end; the blank before the last line shows.
        {"a blank line that does not fit is not counted", 3, 0x81, 2 * h + h / 2, 3},
        {"a pane taller than a signed 16-bit height", 3, LEFT_PLAIN, 40000, 0},
    };
    for (const auto& c : cases) {
        f.pane->height = c.paneHeight;
        StreamBuilder stream;
        for (int i = 0; i < c.paragraphs; i++)
            stream.Text(c.attribute, 0, Codes("ab"));
        ASSERT_EQ(f.Lay(stream), 0) << c.name;
        EXPECT_EQ(f.pane->maxTopLine, c.maxTopLine) << c.name;
        EXPECT_EQ(ComputeMaxTopLine(f.pane), c.maxTopLine) << c.name;
    }
    f.pane->totalLines = 0;
    EXPECT_EQ(ComputeMaxTopLine(f.pane), -1);
    EXPECT_EQ(ComputeMaxTopLine(nullptr), -1);
}

TEST_F(Layout, ScrollToOffsetFindsTheLineThatHoldsAnOffset)
{
    f.pane->width = PlatformWidth(LEFT_PLAIN, "aa");
    f.pane->height = 2 * f.LineHeight(LEFT_PLAIN);
    // Lines (units): 2..4 (0), 5..7 (1, blank 2), 13..15 (3), 16..18 (4);
    // the empty paragraph between has its text at 10.
    StreamBuilder stream;
    stream.Text(0x81, 0, Codes("aa aa"));
    stream.Text(0x81, 0, {});
    stream.Text(LEFT_PLAIN, 0, Codes("aa aa"));
    ASSERT_EQ(f.Lay(stream), 0);
    const std::vector<LineRecord> lines = Lines(f.pane);
    ASSERT_EQ(lines.size(), 4u);
    ASSERT_EQ(f.pane->totalLines, 5);
    ASSERT_EQ(f.pane->maxTopLine, 3);
    const struct {
        int offset;
        int found;
        int topLine;
    } cases[] = {
        {2, 1, 0},
        {4, 1, 0},   // offset + length of the first line: that line, not the next
        {5, 1, 1},
        {7, 1, 1},
        {13, 1, 3},
        {16, 1, 3},  // unit 4 lies beyond maxTopLine
        {18, 1, 3},
        {0, 0, 99},  // before every line
        {19, 0, 99},
        {10, 0, 99},  // the empty paragraph's place belongs to no line
    };
    for (const auto& c : cases) {
        f.pane->topLine = 99;
        EXPECT_EQ(ScrollToOffset(f.pane, (uint16_t)c.offset), c.found) << c.offset;
        EXPECT_EQ(f.pane->topLine, c.topLine) << c.offset;
    }
    // A line beyond maxTopLine brings the pane to maxTopLine.
    f.pane->maxTopLine = 1;
    EXPECT_EQ(ScrollToOffset(f.pane, 13), 1);
    EXPECT_EQ(f.pane->topLine, 1);

    TextPane* bare = CreateTextPane(f.surface.dc, nullptr, &appState.fontSpec, 0);
    EXPECT_EQ(ScrollToOffset(bare, 2), 0) << "a pane without lines";
    DestroyTextPane(bare, 1);
}

TEST_F(Layout, TheLineArrayGrowsAndStaysWithinSixteenBits)
{
    // Capacity 100, lines of one code: the array grows past it.
    f.pane->width = 1;
    StreamBuilder stream;
    std::vector<BYTE> codes(300, 97);
    stream.Text(LEFT_REVERSED, 0, codes);
    ASSERT_EQ(f.Lay(stream), 0);
    EXPECT_EQ(f.pane->lineCount, 300);
    EXPECT_GE(f.pane->lineCapacity, 300);
    for (int i = 0; i < 300; i++)
        ASSERT_EQ(f.pane->lines[i].offset, 2 + 299 - i) << i;

    // The last growth stops at 65535 records, then growth fails cleanly.
    TextPane* big = CreateTextPane(f.surface.dc, nullptr, &appState.fontSpec, 65500);
    ASSERT_NE(big, nullptr);
    ASSERT_EQ(big->lineCapacity, 65500);
    EXPECT_EQ(GrowLines(big, 65500), 0);
    EXPECT_EQ(big->lineCapacity, 65535);
    big->lines[65535].flags = 0x55;
    EXPECT_EQ(GrowLines(big, 65535), LINES_NO_MEMORY);
    EXPECT_EQ(big->lineCapacity, 65535);
    EXPECT_EQ(big->lines[65535].flags, 0) << "the lines so far stay closed";
    DestroyTextPane(big, 1);
}

TEST_F(Layout, AStreamOfTheLargestSizeLaysOutWithinItsBytes)
{
    // One paragraph filling 65535 bytes with the end marker, in a pane one
    // code wide: 65531 lines, every offset and count inside the stream.
    f.pane->width = 1;
    std::vector<BYTE> codes(65531);
    for (size_t i = 0; i < codes.size(); i++)
        codes[i] = (BYTE)(97 + i % 27);
    StreamBuilder one;
    one.Text(RIGHT_REVERSED, 0, codes);
    ASSERT_EQ(one.bytes.size() + 1, 65535u);
    ASSERT_EQ(f.Lay(one), 0);
    EXPECT_EQ(f.pane->lineCount, 65531);
    EXPECT_EQ(f.pane->totalLines, 65531);
    for (const LineRecord& line : Lines(f.pane)) {
        ASSERT_GE(line.offset, 2);
        ASSERT_LE(line.offset + line.length, 65533);
    }

    // Many short paragraphs with blank lines and rules, in a wide pane.
    f.pane->width = 300;
    StreamBuilder many;
    while (many.bytes.size() + 10 + 1 <= 65535) {
        many.Text(RIGHT_REVERSED_BLANK, 0x40, Stored("a bc"));
        many.Rule(0x87, 10);
    }
    ASSERT_EQ(f.Lay(many), 0);
    const int paragraphs = f.pane->lineCount / 2;
    EXPECT_EQ(f.pane->totalLines, 4 * paragraphs - 1);
    f.pane->height = 300;
    ComputeMaxTopLine(f.pane);
    f.pane->topLine = f.pane->maxTopLine;
    EXPECT_EQ(PaintPane(f.pane, 1), 0);
    EXPECT_GT(f.pane->linesShown, 0);
}

}  // namespace
