// How long the reader takes to show a page: printed for the record, and
// held to a bound that only a real slowdown breaks.
#include <stdio.h>

#include <algorithm>
#include <vector>

#include "reader_fixture.h"
#include "shell/reader_main.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return (double)(to.QuadPart - from.QuadPart) * 1000.0 / (double)frequency.QuadPart;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

TEST_F(Reader, NextArticleRepaintsQuickly)
{
    window = StartTestReader();
    std::vector<double> times;
    for (int i = 0; i < 9; i++) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        // Lays out both sections and paints both panes before it returns.
        SendMessageW(window, WM_COMMAND, 109, 0);
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
    }
    const double median = Median(times);
    printf("Next Article to repainted panes: median %.1f ms over %zu runs\n", median, times.size());
    EXPECT_LT(median, 1000.0);
}

TEST_F(Reader, StartShowsTheFirstPageQuickly)
{
    std::vector<double> times;
    for (int i = 0; i < 5; i++) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        // Creates the window, lays out both panes and paints them (UpdateWindow).
        window = StartReader(GetModuleHandleW(nullptr), L"", SW_SHOW);
        QueryPerformanceCounter(&end);
        times.push_back(Milliseconds(start, end));
        ASSERT_NE(window, nullptr);
        ExitTestReader();
    }
    const double median = Median(times);
    printf("Start of the reader to its first painted page (in process): median %.1f ms over %zu runs\n", median,
           times.size());
    EXPECT_LT(median, 3000.0);
}

}  // namespace
