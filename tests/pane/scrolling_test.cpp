// ScrollPane: where the top line lands, what it returns and when it paints.
#include <limits.h>
#include <string.h>

#include <algorithm>
#include <vector>

#include "pane_fixture.h"

namespace {

struct ScrollCase {
    const char* name;
    int totalLines;
    int maxTopLine;
    int topLine;
    int delta;
    int stopAtEnd;
    int result;  // with paint 0
    int topLineAfter;
};

TEST(ScrollPane, MovesTheTopLineWithinTheText)
{
    const ScrollCase cases[] = {
        {"back past the start stops at 0", 50, 40, 5, -10, 1, SCROLL_MOVED, 0},
        {"forward from below maxTopLine may pass it", 50, 40, 38, 5, 1, SCROLL_MOVED, 43},
        {"forward from beyond maxTopLine is refused", 50, 40, 43, 5, 1, SCROLL_UNCHANGED, 43},
        {"forward from maxTopLine is refused", 50, 40, 40, 1, 1, SCROLL_UNCHANGED, 40},
        {"past the text lands on maxTopLine", 50, 40, 38, 20, 1, SCROLL_MOVED, 40},
        {"back from maxTopLine", 50, 40, 40, -1, 1, SCROLL_MOVED, 39},
        {"without stopAtEnd up to totalLines", 50, 40, 45, 3, 0, SCROLL_MOVED, 48},
        {"without stopAtEnd onto totalLines", 50, 40, 45, 5, 0, SCROLL_MOVED, 50},
        {"without stopAtEnd past the text from beyond maxTopLine", 50, 40, 45, 10, 0, SCROLL_UNCHANGED, 45},
        {"without stopAtEnd past the text from below maxTopLine", 50, 40, 38, 20, 0, SCROLL_MOVED, 40},
        {"a text that fits refuses every forward step", 5, 0, 0, 1, 1, SCROLL_UNCHANGED, 0},
        {"no step", 50, 40, 10, 0, 1, SCROLL_UNCHANGED, 10},
        {"back at 0", 50, 40, 0, -1, 1, SCROLL_UNCHANGED, 0},
        {"the largest step forward", 50, 40, 10, INT_MAX, 0, SCROLL_MOVED, 40},
        {"the largest step back", 50, 40, 10, INT_MIN, 1, SCROLL_MOVED, 0},
        {"sixteen-bit counts", 65535, 65000, 64000, 1535, 0, SCROLL_MOVED, 65535},
    };
    TextPane pane;
    for (const ScrollCase& c : cases) {
        memset(&pane, 0, sizeof pane);
        pane.totalLines = (uint16_t)c.totalLines;
        pane.maxTopLine = (uint16_t)c.maxTopLine;
        pane.topLine = (uint16_t)c.topLine;
        EXPECT_EQ(ScrollPane(&pane, c.delta, 0, c.stopAtEnd), c.result) << c.name;
        EXPECT_EQ(pane.topLine, c.topLineAfter) << c.name;
    }
    EXPECT_EQ(ScrollPane(nullptr, 1, 0, 1), -1);
}

class ScrollPainting : public testing::Test {
protected:
    ScrollPainting() : f(200, 200, RECT{0, 0, 200, 200}, TEST_FACE, -16) {}
    void SetUp() override
    {
        f.pane->height = 3 * f.LineHeight(0x11);
        StreamBuilder stream;
        std::vector<BYTE> word = Codes("abgd");
        for (int i = 0; i < 10; i++)
            stream.Text(0x31, 0, word);
        ASSERT_EQ(f.Lay(stream), 0);
        ASSERT_EQ(f.pane->maxTopLine, 7);
    }
    // Blackens the pane, so that a paint shows as white.
    void Blacken() { FillBox(f.surface.dc, 0, 0, 200, 200, BLACK_BRUSH); }
    bool Painted() { return TestPixel(f.surface, 1, 1) == RGB(255, 255, 255); }
    PaneFixture f;
};

TEST_F(ScrollPainting, PaintsAsAskedUnlessTheStepIsRefused)
{
    const struct {
        const char* name;
        int topLine;
        int delta;
        int paint;
        int result;
        bool painted;
        int topLineAfter;
    } cases[] = {
        {"paint 1 without a change paints nothing", 3, 0, 1, SCROLL_UNCHANGED, false, 3},
        {"paint 1 with a change paints", 3, 1, 1, 0, true, 4},
        {"paint 2 without a change paints", 3, 0, 2, 0, true, 3},
        {"paint 2 refused at the end paints nothing", 7, 1, 2, SCROLL_UNCHANGED, false, 7},
        {"paint 0 never paints", 3, 2, 0, SCROLL_MOVED, false, 5},
    };
    for (const auto& c : cases) {
        f.pane->topLine = (uint16_t)c.topLine;
        Blacken();
        EXPECT_EQ(ScrollPane(f.pane, c.delta, c.paint, 1), c.result) << c.name;
        EXPECT_EQ(Painted(), c.painted) << c.name;
        EXPECT_EQ(f.pane->topLine, c.topLineAfter) << c.name;
        if (c.painted) {
            EXPECT_EQ(f.pane->linesShown, 3) << c.name;
        }
    }
}

}  // namespace
