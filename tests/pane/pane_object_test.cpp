// Making, resizing and destroying panes.
#include <stdlib.h>
#include <string.h>

#include "pane_fixture.h"
#include "support/message_box_log.h"
#include "shell/app_state.h"

namespace {

class PaneObject : public testing::Test {
protected:
    PaneObject() : f(300, 200, RECT{0, 0, 300, 200}, TEST_FACE, -18) {}
    PaneFixture f;
};

TEST_F(PaneObject, CreateCopiesTheBoxAndFontAndPreparesTheLines)
{
    EXPECT_EQ(CreateTextPane(nullptr, nullptr, &appState.fontSpec, 100), nullptr);

    FontSpec spec = appState.fontSpec;
    const RECT box = {5, 7, 105, 57};
    TextPane* pane = CreateTextPane(f.surface.dc, &box, &spec, 100);
    ASSERT_NE(pane, nullptr);
    spec.size = 99;
    EXPECT_EQ(pane->fontSpec.size, -18) << "the FontSpec is copied";
    EXPECT_EQ(Units(pane->fontSpec.faceName), Units(TEST_FACE));
    EXPECT_EQ(pane->x, 5);
    EXPECT_EQ(pane->y, 7);
    EXPECT_EQ(pane->width, 100);
    EXPECT_EQ(pane->height, 50);
    EXPECT_EQ(pane->lineCapacity, 100);
    ASSERT_NE(pane->lines, nullptr);
    EXPECT_EQ(pane->lines[0].flags, 0);
    EXPECT_EQ(pane->text, nullptr);
    EXPECT_EQ(pane->fontCache, nullptr);
    DestroyTextPane(pane, 1);

    pane = CreateTextPane(f.surface.dc, nullptr, &spec, 0);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->x, 0);
    EXPECT_EQ(pane->y, 0);
    EXPECT_EQ(pane->width, 0);
    EXPECT_EQ(pane->height, 0);
    EXPECT_EQ(pane->lines, nullptr);
    // Without lines the first layout makes them.
    pane->width = 300;
    StreamBuilder stream;
    stream.Text(0x31, 0, Codes("ab"));
    BYTE* text = stream.Finish();
    ASSERT_EQ(LayoutText(pane, text, 0), 0);
    EXPECT_EQ(pane->lineCapacity, DEFAULT_LINE_CAPACITY);
    EXPECT_EQ(pane->lineCount, 1);
    DestroyTextPane(pane, 1);
}

TEST_F(PaneObject, ResizeLaysOutAgainAndRefusesSizesThatAreNotPositive)
{
    StreamBuilder stream;
    stream.Text(0x31, 0, Codes("aa aa aa aa aa"));
    ASSERT_EQ(f.Lay(stream), 0);
    ASSERT_EQ(f.pane->lineCount, 1);
    f.pane->topLine = 3;

    for (const SIZE& bad : {SIZE{0, 100}, SIZE{100, 0}, SIZE{-1, 100}, SIZE{100, -7}}) {
        EXPECT_EQ(ResizeTextPane(f.pane, bad.cx, bad.cy), PANE_BAD_SIZE);
        EXPECT_EQ(f.pane->width, 300);
        EXPECT_EQ(f.pane->height, 200);
        EXPECT_EQ(f.pane->lineCount, 1);
    }
    EXPECT_EQ(ResizeTextPane(nullptr, 10, 10), -1);

    const int narrow = f.WidthOf(0x11, Codes("aa aa"));
    EXPECT_EQ(ResizeTextPane(f.pane, narrow, 40), 0);
    EXPECT_EQ(f.pane->width, narrow);
    EXPECT_EQ(f.pane->height, 40);
    EXPECT_EQ(f.pane->lineCount, 3);
    EXPECT_EQ(f.pane->topLine, 3) << "resizing leaves the top line to painting";
    EXPECT_EQ(f.pane->x, 0);

    // A pane without text keeps its new size and reports the missing text.
    TextPane* empty = CreateTextPane(f.surface.dc, nullptr, &appState.fontSpec, 10);
    EXPECT_EQ(ResizeTextPane(empty, 50, 60), LAYOUT_NO_TEXT);
    EXPECT_EQ(empty->width, 50);
    DestroyTextPane(empty, 1);
}

TEST_F(PaneObject, DestroyWithoutFreeingKeepsAnEmptyRecordThatCanBeUsedAgain)
{
    StreamBuilder stream;
    stream.Text(0x31, 0, Codes("ab"));
    ASSERT_EQ(f.Lay(stream), 0);
    f.Widths(0x0C);
    ASSERT_NE(f.pane->fontCache, nullptr);
    DestroyTextPane(f.pane, 0);
    EXPECT_EQ(f.pane->text, nullptr);
    EXPECT_EQ(f.pane->lines, nullptr);
    EXPECT_EQ(f.pane->fontCache, nullptr);
    EXPECT_EQ(f.pane->widthTable, nullptr);
    EXPECT_EQ(f.pane->width, 300) << "the record itself is untouched";
    EXPECT_EQ(PaintPane(f.pane, 1), -1);

    ASSERT_EQ(f.Lay(stream), 0);
    EXPECT_EQ(f.pane->lineCount, 1);
    EXPECT_EQ(PaintPane(f.pane, 1), 0);
    DestroyTextPane(nullptr, 1);
}

}  // namespace
