// Text extents of the host layer: whole-pixel advances that add up, fit
// counted at exact boundaries, points without advance.
#include <gtest/gtest.h>

#include <vector>

#include "platform/host/host_surface.h"
#include "test_fonts.h"

struct FontCase {
    const char* face;
    LONG height;
    LONG weight;
};

static const FontCase FONTS[] = {
    {"Frank Ruehl CLM", 16, FW_NORMAL}, {"Frank Ruehl CLM", -27, FW_BOLD}, {"David CLM", 21, FW_NORMAL},
    {"Ezra SIL", 18, FW_NORMAL},        {"Ezra SIL", 33, FW_BOLD},          {"Miriam CLM", -13, FW_NORMAL},
};

static std::vector<WCHAR> U(std::initializer_list<unsigned> units)
{
    std::vector<WCHAR> out;
    for (unsigned u : units)
        out.push_back((WCHAR)u);
    return out;
}

// A surface with a font selected, for the measuring tests.
struct Measuring {
    HDC dc;
    HFONT font;
    HGDIOBJ previous;
};

static Measuring Begin(const FontCase& f)
{
    Measuring m;
    m.dc = HostCreateSurface(4, 4);
    m.font = MakeFont(f.face, f.height, f.weight);
    m.previous = m.dc != nullptr && m.font != nullptr ? SelectObject(m.dc, m.font) : nullptr;
    return m;
}

static void End(Measuring* m)
{
    SelectObject(m->dc, m->previous);
    DeleteObject(m->font);
    HostDestroySurface(m->dc);
}

TEST(HostExtents, ARunMeasuresTheSumOfItsUnits)
{
    const std::vector<WCHAR> runs[] = {
        U({0x05D1, 0x05B0, 0x05BC, 0x05E8, 0x05B5, 0x05D0, 0x05E9, 0x05C1, 0x05B4, 0x05D9, 0x05EA}),
        U({'T', 'h', 'e', ' ', 'W', 'A', 'V', 'E', ',', ' ', '1', '2', '3', '!'}),
        U({0x05D0, ' ', 'a', 0x05B8, '(', 0x05BE, ')', 0x05C3}),
        U({0x4E00, 0xD800, 0xFFFF, 0x0001, '&'}),
    };
    for (const FontCase& f : FONTS) {
        Measuring m = Begin(f);
        ASSERT_NE(m.previous, nullptr) << f.face;
        const int line = LineHeight(m.dc);
        for (const std::vector<WCHAR>& run : runs) {
            const int n = (int)run.size();
            std::vector<int> dx((size_t)n, -1);
            SIZE size = {-1, -1};
            int fit = -1;
            ASSERT_TRUE(GetTextExtentExPointW(m.dc, run.data(), n, 100000, &fit, dx.data(), &size)) << f.face;
            int sum = 0;
            for (int i = 0; i < n; i++) {
                sum += Extent(m.dc, &run[(size_t)i], 1);
                EXPECT_EQ(dx[(size_t)i], sum) << f.face << " unit " << i;
            }
            EXPECT_EQ(size.cx, sum) << f.face;
            EXPECT_EQ(size.cy, line) << f.face;
            EXPECT_EQ(fit, n) << f.face;
        }
        End(&m);
    }
}

TEST(HostExtents, HebrewPointsTakeNoRoom)
{
    const unsigned points[] = {0x05B0, 0x05B1, 0x05B2, 0x05B3, 0x05B4, 0x05B5, 0x05B6, 0x05B7,
                               0x05B8, 0x05B9, 0x05BB, 0x05BC, 0x05BF, 0x05C1, 0x05C2};
    for (const FontCase& f : FONTS) {
        Measuring m = Begin(f);
        ASSERT_NE(m.previous, nullptr) << f.face;
        for (unsigned p : points) {
            const WCHAR unit = (WCHAR)p;
            EXPECT_EQ(Extent(m.dc, &unit, 1), 0) << f.face << " " << std::hex << p;
        }
        End(&m);
    }
}

TEST(HostExtents, FitCountsUnitsUpToTheRoomExactly)
{
    Measuring m = Begin(FONTS[0]);
    ASSERT_NE(m.previous, nullptr);
    // alef qamats bet lamed: the qamats fits whenever its letter does.
    const WCHAR run[] = {0x05D0, 0x05B8, 0x05D1, 0x05DC};
    const int alef = Extent(m.dc, &run[0], 1);
    const int bet = Extent(m.dc, &run[2], 1);
    const int lamed = Extent(m.dc, &run[3], 1);
    ASSERT_TRUE(alef > 1 && bet > 1 && lamed > 1);
    const int all = alef + bet + lamed;
    struct Case {
        int room;
        int fit;
    } cases[] = {
        {0, 0},
        {alef - 1, 0},
        {alef, 2},
        {alef + bet - 1, 2},
        {alef + bet, 3},
        {all - 1, 3},
        {all, 4},
        {all + 1000, 4},
        {-1, 4},  // compared as unsigned: a negative room holds everything
        {(int)0x80000000, 4},
    };
    for (const Case& c : cases) {
        int fit = -1;
        SIZE size = {};
        ASSERT_TRUE(GetTextExtentExPointW(m.dc, run, 4, c.room, &fit, nullptr, &size));
        EXPECT_EQ(fit, c.fit) << "room " << c.room;
        EXPECT_EQ(size.cx, all) << "room " << c.room;
    }
    End(&m);
}

TEST(HostExtents, EmptyAndInvalidRequests)
{
    Measuring m = Begin(FONTS[0]);
    ASSERT_NE(m.previous, nullptr);
    const WCHAR run[] = {'a', 'b', 0};
    SIZE size = {-1, -1};
    int fit = -1;
    EXPECT_TRUE(GetTextExtentExPointW(m.dc, run, 0, 10, &fit, nullptr, &size));
    EXPECT_EQ(size.cx, 0);
    EXPECT_EQ(size.cy, 0);
    EXPECT_EQ(fit, 0);
    EXPECT_TRUE(GetTextExtentExPointW(m.dc, nullptr, 0, 10, nullptr, nullptr, &size));
    EXPECT_FALSE(GetTextExtentExPointW(m.dc, run, -1, 10, &fit, nullptr, &size));
    EXPECT_FALSE(GetTextExtentExPointW(m.dc, nullptr, 2, 10, &fit, nullptr, &size));
    EXPECT_FALSE(GetTextExtentExPointW(nullptr, run, 2, 10, &fit, nullptr, &size));
    EXPECT_FALSE(GetTextExtentExPointW((HDC)(uintptr_t)0x12345, run, 2, 10, &fit, nullptr, &size));
    TEXTMETRICW tm;
    EXPECT_FALSE(GetTextMetricsW(m.dc, nullptr));
    EXPECT_FALSE(GetTextMetricsW(nullptr, &tm));
    End(&m);
}

TEST(HostExtents, LongRunsAddUpWithoutOverflow)
{
    Measuring m = Begin(FONTS[1]);
    ASSERT_NE(m.previous, nullptr);
    const int n = 200000;
    std::vector<WCHAR> run((size_t)n, (WCHAR)'W');
    const int w = Extent(m.dc, run.data(), 1);
    SIZE size = {};
    int fit = -1;
    ASSERT_TRUE(GetTextExtentExPointW(m.dc, run.data(), n, 10 * w, &fit, nullptr, &size));
    EXPECT_EQ(size.cx, (LONG)w * n);
    EXPECT_EQ(fit, 10);
    End(&m);
}
