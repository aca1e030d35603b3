// Fonts of the host layer: faces found by name, sizes and weights, metrics.
#include <gtest/gtest.h>

#include "platform/host/host_fonts.h"
#include "platform/host/host_surface.h"
#include "test_fonts.h"

static const char* const FACES[] = {"Frank Ruehl CLM", "David CLM", "Ezra SIL", "Miriam CLM"};
static const WCHAR BERESHIT[] = {0x05D1, 0x05B0, 0x05BC, 0x05E8, 0x05B5, 0x05D0, 0x05E9, 0x05C1, 0x05B4, 0x05D9, 0x05EA, 0};

// Metrics and extents in a font, read through a surface.
struct Measured {
    bool ok;
    TEXTMETRICW tm;
    int word;      // BERESHIT
    int alef;
    int alphabet;  // the 27 letters, final forms included
};

static Measured Measure(const char* face, LONG height, LONG weight = FW_NORMAL)
{
    Measured m = {};
    HDC dc = HostCreateSurface(4, 4);
    HFONT font = MakeFont(face, height, weight);
    if (dc != nullptr && font != nullptr) {
        HGDIOBJ previous = SelectObject(dc, font);
        const WCHAR alef = 0x05D0;
        m.ok = GetTextMetricsW(dc, &m.tm) && previous != nullptr;
        m.word = Extent(dc, BERESHIT, 11);
        m.alef = Extent(dc, &alef, 1);
        WCHAR letters[27];
        for (int i = 0; i < 27; i++)
            letters[i] = (WCHAR)(0x05D0 + i);
        m.alphabet = Extent(dc, letters, 27);
        SelectObject(dc, previous);
    }
    DeleteObject(font);
    HostDestroySurface(dc);
    return m;
}

TEST(HostFonts, MetricsAreSaneAndGrowWithTheHeight)
{
    const LONG cells[] = {10, 12, 16, 24, 40, 72};
    for (const char* face : FACES) {
        Measured previous = {};
        for (LONG cell : cells) {
            for (LONG height : {cell, -cell}) {
                const Measured m = Measure(face, height);
                ASSERT_TRUE(m.ok) << face << " " << height;
                const TEXTMETRICW& tm = m.tm;
                EXPECT_EQ(tm.tmHeight, tm.tmAscent + tm.tmDescent) << face << " " << height;
                EXPECT_GT(tm.tmAscent, tm.tmDescent) << face << " " << height;
                EXPECT_GT(tm.tmDescent, 0) << face << " " << height;
                if (height > 0) {
                    EXPECT_EQ(tm.tmHeight, height) << face;
                } else {
                    // A character height is the cell without its internal leading.
                    EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, -height, 1) << face << " " << height;
                    EXPECT_GE(tm.tmHeight, -height) << face;
                }
                EXPECT_GT(tm.tmAveCharWidth, 0) << face << " " << height;
                EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth) << face << " " << height;
                EXPECT_GE(tm.tmMaxCharWidth, m.alef) << face << " " << height;
                EXPECT_EQ(tm.tmWeight, FW_NORMAL) << face;
            }
            const Measured m = Measure(face, cell);
            if (previous.ok) {
                EXPECT_GT(m.tm.tmHeight, previous.tm.tmHeight) << face << " " << cell;
                EXPECT_GE(m.tm.tmMaxCharWidth, previous.tm.tmMaxCharWidth) << face << " " << cell;
                EXPECT_GT(m.word, previous.word) << face << " " << cell;
            }
            previous = m;
        }
    }
}

TEST(HostFonts, HeightZeroIsASixteenPixelCellLikeTheSystemFont)
{
    const Measured zero = Measure("Frank Ruehl CLM", 0);
    ASSERT_TRUE(zero.ok);
    EXPECT_EQ(zero.tm.tmHeight, 16);

    HDC dc = HostCreateSurface(4, 4);
    TEXTMETRICW tm = {};
    ASSERT_TRUE(GetTextMetricsW(dc, &tm));
    EXPECT_EQ(tm.tmHeight, 16);
    HostDestroySurface(dc);
}

TEST(HostFonts, BoldIsWiderThanRegular)
{
    // Frank Ruehl CLM and Miriam CLM have bold faces; Ezra SIL has none and
    // is emboldened. (David CLM's bold face is narrower than its regular.)
    for (const char* face : {"Frank Ruehl CLM", "Miriam CLM", "Ezra SIL"}) {
        for (LONG height : {16, 24, -30}) {
            const Measured regular = Measure(face, height, FW_NORMAL);
            const Measured bold = Measure(face, height, FW_BOLD);
            ASSERT_TRUE(regular.ok && bold.ok) << face;
            EXPECT_GT(bold.alphabet, regular.alphabet) << face << " " << height;
            EXPECT_EQ(bold.tm.tmWeight, FW_BOLD) << face;
            EXPECT_EQ(bold.tm.tmHeight, regular.tm.tmHeight) << face << " " << height;
        }
    }
}

TEST(HostFonts, EmboldenedLettersWidenAndPointsStayWithoutAdvance)
{
    HDC dc = HostCreateSurface(4, 4);
    HFONT regular = MakeFont("Ezra SIL", 24, FW_NORMAL);
    HFONT bold = MakeFont("Ezra SIL", 24, FW_BOLD);
    ASSERT_TRUE(dc != nullptr && regular != nullptr && bold != nullptr);
    HGDIOBJ previous = SelectObject(dc, regular);
    for (WCHAR unit = 0x05B0; unit <= 0x05EA; unit++) {
        if (unit > 0x05C7 && unit < 0x05D0)
            continue;
        SelectObject(dc, regular);
        const int r = Extent(dc, &unit, 1);
        SelectObject(dc, bold);
        const int b = Extent(dc, &unit, 1);
        if (r == 0)
            EXPECT_EQ(b, 0) << std::hex << unit;
        else
            EXPECT_GT(b, r) << std::hex << unit;
    }
    SelectObject(dc, previous);
    DeleteObject(regular);
    DeleteObject(bold);
    HostDestroySurface(dc);
}

TEST(HostFonts, EmptyOrUnknownNamesGetTheFirstDefaultFace)
{
    const Measured reference = Measure(HOST_DEFAULT_FACES[0], 20);
    ASSERT_TRUE(reference.ok);
    ASSERT_GT(reference.alef, 0);
    for (const char* name : {"", "No Such Face Anywhere", "Frank Ruehl"}) {
        const Measured m = Measure(name, 20);
        ASSERT_TRUE(m.ok) << name;
        EXPECT_EQ(m.word, reference.word) << name;
        EXPECT_EQ(m.tm.tmMaxCharWidth, reference.tm.tmMaxCharWidth) << name;
    }
    // Names are matched without regard to case, as on Windows.
    const Measured lower = Measure("frank ruehl clm", 20);
    EXPECT_EQ(lower.word, reference.word);
    // A face that is installed is not replaced.
    EXPECT_NE(Measure("David CLM", 20).word, reference.word);
}

TEST(HostFonts, ExtremeHeightsAndWeightsStillMakeAFont)
{
    const LONG heights[] = {1, -1, 2048, -2048, 100000, -100000, 0x7FFFFFFF, (LONG)0x80000000};
    for (LONG height : heights) {
        const Measured m = Measure("Ezra SIL", height);
        ASSERT_TRUE(m.ok) << height;
        EXPECT_GE(m.tm.tmHeight, 1) << height;
        EXPECT_LE(m.tm.tmHeight, 4 * 2048) << height;
    }
    for (LONG weight : {-5, 0, 1, 599, 600, 1000, 0x7FFFFFFF}) {
        const Measured m = Measure("Frank Ruehl CLM", 16, weight);
        ASSERT_TRUE(m.ok) << weight;
        EXPECT_EQ(m.tm.tmHeight, 16) << weight;
    }
}

TEST(HostFonts, AFaceNameFillingTheWholeArrayIsReadNoFurther)
{
    LOGFONTW logfont = {};
    logfont.lfHeight = 20;
    for (int i = 0; i < LF_FACESIZE; i++)
        logfont.lfFaceName[i] = u'x';
    HFONT font = CreateFontIndirectW(&logfont);
    EXPECT_NE(font, nullptr);
    DeleteObject(font);
    EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
}
