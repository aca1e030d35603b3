// The text pane's speed on the host surface: laying out each of the book's
// sections, painting one page, and laying out streams of the book's own
// paragraphs from 4 KB to the largest section (64 KB) to show how the cost
// grows. Lines laid out are counted as items, so items_per_second is lines
// per second.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "content/char_tables.h"
#include "content/paragraph_stream.h"
#include "content/section_loader.h"
#include "pane/text_pane.h"
#include "platform/host/host_surface.h"
#include "shell/app_state.h"

enum {
    PANE_WIDTH = 240,  // the device's screen
    PANE_HEIGHT = 320,
    FONT_SIZE = -17,
};

static std::vector<BYTE> sections[SECTION_COUNT + 1];  // each with its end marker and guard
static std::vector<BYTE> bookRecords;                  // every section's records, no end markers

static bool LoadBook()
{
    for (int s = 1; s <= SECTION_COUNT; s++) {
        BYTE* text = LoadSection(s, nullptr);
        if (text == nullptr)
            return false;
        ParagraphWalk walk = StartParagraphWalk(text);
        Paragraph p;
        size_t end = 0;
        while (NextParagraph(&walk, &p))
            end = walk.next;
        sections[s].assign(text, text + end);
        bookRecords.insert(bookRecords.end(), text, text + end);
        sections[s].insert(sections[s].end(), 1 + STREAM_GUARD_BYTES, 0);
        free(text);
    }
    return !bookRecords.empty();
}

// Whole records of the book, repeated, up to size bytes with the end marker.
static std::vector<BYTE> StreamOfSize(size_t size, bool reversed)
{
    std::vector<BYTE> out;
    ParagraphWalk walk = StartParagraphWalk(nullptr);
    for (;;) {
        if (walk.stream == nullptr || walk.next >= bookRecords.size())
            walk = StartParagraphWalk(bookRecords.data());
        const size_t at = walk.next;
        Paragraph p;
        if (!NextParagraph(&walk, &p))
            break;
        const size_t length = walk.next - at;
        if (out.size() + length + 1 > size)
            break;
        out.insert(out.end(), bookRecords.begin() + (long)at, bookRecords.begin() + (long)walk.next);
        if (!reversed)
            out[out.size() - length] &= (BYTE)~ATTR_REVERSED;
    }
    out.insert(out.end(), 1 + STREAM_GUARD_BYTES, 0);
    return out;
}

struct BenchPane {
    HDC dc;
    TextPane* pane;
};

static bool MakePane(BenchPane* b)
{
    appState = AppState();
    UnitCopy(appState.fontSpec.faceName, FACE_NAME_UNITS, TEXT("Frank Ruehl CLM"));
    appState.fontSpec.size = FONT_SIZE;
    appState.fontSpec.charBase = CHAR_BASE_UNICODE;
    b->dc = HostCreateSurface(PANE_WIDTH, PANE_HEIGHT);
    const RECT box = {0, 0, PANE_WIDTH, PANE_HEIGHT};
    b->pane = b->dc != nullptr ? CreateTextPane(b->dc, &box, &appState.fontSpec, 100) : nullptr;
    return b->pane != nullptr;
}

static void FreePane(BenchPane* b)
{
    if (b->pane != nullptr)
        b->pane->text = nullptr;  // the streams belong to the benchmark
    DestroyTextPane(b->pane, 1);
    HostDestroySurface(b->dc);
}

// Lays a stream out once per iteration; the pane keeps its fonts, as a
// reader's pane does from one section to the next.
static void RunLayout(benchmark::State& state, std::vector<BYTE>* stream)
{
    BenchPane b;
    if (!MakePane(&b)) {
        state.SkipWithError("no pane");
        return;
    }
    int64_t lines = 0;
    for (auto _ : state) {
        if (LayoutText(b.pane, stream->data(), 0) != 0) {
            state.SkipWithError("the stream does not lay out");
            break;
        }
        lines += b.pane->lineCount;
        benchmark::DoNotOptimize(b.pane->lines);
    }
    state.SetItemsProcessed(lines);
    state.counters["lines"] = b.pane->lineCount;
    state.counters["bytes"] = (double)stream->size() - 1 - STREAM_GUARD_BYTES;
    FreePane(&b);
}

static void RunPaint(benchmark::State& state, std::vector<BYTE>* stream, int topLine)
{
    BenchPane b;
    if (!MakePane(&b) || LayoutText(b.pane, stream->data(), 0) != 0) {
        state.SkipWithError("no pane");
        FreePane(&b);
        return;
    }
    for (auto _ : state) {
        b.pane->topLine = (uint16_t)topLine;
        PaintPane(b.pane, 1);
        benchmark::DoNotOptimize(b.pane->linesShown);
    }
    // The same counters as the layouts (the CSV report needs them in every
    // row): here the line units one page shows.
    state.counters["lines"] = b.pane->linesShown;
    state.counters["bytes"] = (double)stream->size() - 1 - STREAM_GUARD_BYTES;
    FreePane(&b);
}

static std::vector<BYTE> sized[6];
static std::vector<BYTE> plain64;

int main(int argc, char** argv)
{
    if (!LoadBook()) {
        fprintf(stderr, "pane_bench: the book's sections do not load\n");
        return 1;
    }
    BenchPane probe;
    if (!MakePane(&probe)) {
        fprintf(stderr, "pane_bench: no surface or pane\n");
        return 1;
    }
    FreePane(&probe);

    for (int s = 1; s <= SECTION_COUNT; s++)
        benchmark::RegisterBenchmark(("Layout/section_" + std::to_string(s)).c_str(),
                                     [s](benchmark::State& state) { RunLayout(state, &sections[s]); })
            ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Paint/page_1", [](benchmark::State& state) { RunPaint(state, &sections[1], 0); })
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Paint/page_middle", [](benchmark::State& state) {
        RunPaint(state, &sections[1], 50);
    })->Unit(benchmark::kMicrosecond);

    const size_t sizes[6] = {4096, 8192, 16384, 32768, 49152, 65535};
    for (int i = 0; i < 6; i++) {
        sized[i] = StreamOfSize(sizes[i], true);
        benchmark::RegisterBenchmark(("LayoutSize/" + std::to_string(sizes[i])).c_str(),
                                     [i](benchmark::State& state) { RunLayout(state, &sized[i]); })
            ->Unit(benchmark::kMicrosecond);
    }
    // The same 64 KB without the reversed bit: measured through the
    // platform instead of the width tables.
    plain64 = StreamOfSize(65535, false);
    benchmark::RegisterBenchmark("LayoutPlain/65535", [](benchmark::State& state) { RunLayout(state, &plain64); })
        ->Unit(benchmark::kMicrosecond);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
