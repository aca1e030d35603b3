// Decompression speed: UnCompress against the plain reference decoder and
// against memcpy of the same output, on each of the book's resources, on the
// whole book and on one full-size 64 KB section. Throughput is output bytes.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <string>
#include <vector>

#include "content/section_loader.h"
#include "content/uncompress.h"
#include "tests/support/palmdoc_reference.h"
#include "tools/bookc/palmdoc_compress.h"

typedef BYTE* (*Decoder)(const BYTE* input, unsigned compressedLength, unsigned expandedLength, int* error);

struct BenchInput {
    std::string name;
    const BYTE* data;  // compressed bytes, after the header
    unsigned compressedLength;
    unsigned expandedLength;
};

enum { BOOK_RESOURCES = 11, FULL_SECTION_BYTES = 65535 };
static const WORD bookIds[BOOK_RESOURCES] = {1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 32767};

static bool ReadBookResource(WORD id, BenchInput* out)
{
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (found == nullptr)
        return false;
    const DWORD size = SizeofResource(nullptr, found);
    const BYTE* data = (const BYTE*)LockResource(LoadResource(nullptr, found));
    if (data == nullptr || size < SECTION_HEADER_BYTES)
        return false;
    const SectionResourceHeader header = ReadSectionHeader(data);
    if (header.compressedLength == 0 || header.expandedLength == 0
        || header.compressedLength > size - SECTION_HEADER_BYTES)
        return false;
    out->name = std::to_string(id);
    out->data = data + SECTION_HEADER_BYTES;
    out->compressedLength = header.compressedLength;
    out->expandedLength = header.expandedLength;
    return true;
}

// The paragraph records of the ten sections (each stream without its closing
// zero attribute byte), repeated and cut at 65535 bytes: the largest section
// the header can describe, with the book's own mix of text.
static bool BuildFullSection(const BenchInput* book, std::vector<uint8_t>* out)
{
    std::vector<uint8_t> records;
    for (int i = 0; i < BOOK_RESOURCES - 1; i++) {
        int error = 0;
        BYTE* stream = ReferenceUnCompress(book[i].data, book[i].compressedLength, book[i].expandedLength, &error);
        if (stream == nullptr)
            return false;
        records.insert(records.end(), stream, stream + book[i].expandedLength - 1);
        free(stream);
    }
    if (records.empty())
        return false;
    out->clear();
    while (out->size() < FULL_SECTION_BYTES) {
        const size_t take = FULL_SECTION_BYTES - out->size() < records.size() ? FULL_SECTION_BYTES - out->size()
                                                                               : records.size();
        out->insert(out->end(), records.begin(), records.begin() + (long)take);
    }
    return true;
}

// Both decoders must give the same bytes before their speeds mean anything.
static bool DecodersAgree(const BenchInput& input)
{
    int error = 0;
    BYTE* fast = UnCompress(input.data, input.compressedLength, input.expandedLength, &error);
    BYTE* plain = ReferenceUnCompress(input.data, input.compressedLength, input.expandedLength, &error);
    const bool same = fast != nullptr && plain != nullptr
                      && memcmp(fast, plain, (size_t)input.expandedLength + STREAM_GUARD_BYTES) == 0;
    free(fast);
    free(plain);
    return same;
}

static void RunDecoder(benchmark::State& state, Decoder decode, const BenchInput* inputs, int count)
{
    int64_t bytes = 0;
    for (auto _ : state) {
        for (int i = 0; i < count; i++) {
            int error = 0;
            BYTE* out = decode(inputs[i].data, inputs[i].compressedLength, inputs[i].expandedLength, &error);
            if (out == nullptr) {
                state.SkipWithError("decoding failed");
                return;
            }
            benchmark::DoNotOptimize(out);
            free(out);
            bytes += inputs[i].expandedLength;
        }
    }
    state.SetBytesProcessed(bytes);
}

static void RunMemcpy(benchmark::State& state, const BenchInput* inputs, int count)
{
    static BYTE source[FULL_SECTION_BYTES];
    static BYTE target[FULL_SECTION_BYTES];
    memset(source, 'x', sizeof source);
    int64_t bytes = 0;
    for (auto _ : state) {
        for (int i = 0; i < count; i++) {
            const size_t n = inputs[i].expandedLength <= sizeof target ? inputs[i].expandedLength : sizeof target;
            memcpy(target, source, n);
            benchmark::DoNotOptimize(target);
            benchmark::ClobberMemory();
            bytes += (int64_t)n;
        }
    }
    state.SetBytesProcessed(bytes);
}

static void RegisterSet(const std::string& name, const BenchInput* inputs, int count, const std::string& label)
{
    benchmark::RegisterBenchmark(("UnCompress/" + name).c_str(), [=](benchmark::State& state) {
        RunDecoder(state, UnCompress, inputs, count);
        state.SetLabel(label);
    });
    benchmark::RegisterBenchmark(("Reference/" + name).c_str(), [=](benchmark::State& state) {
        RunDecoder(state, ReferenceUnCompress, inputs, count);
    });
    benchmark::RegisterBenchmark(("memcpy/" + name).c_str(),
                                 [=](benchmark::State& state) { RunMemcpy(state, inputs, count); });
}

static std::string SizesLabel(const BenchInput* inputs, int count)
{
    unsigned long compressed = 0;
    unsigned long expanded = 0;
    for (int i = 0; i < count; i++) {
        compressed += inputs[i].compressedLength;
        expanded += inputs[i].expandedLength;
    }
    return "compressed=" + std::to_string(compressed) + " expanded=" + std::to_string(expanded);
}

static BenchInput book[BOOK_RESOURCES];
static BenchInput fullSection;
static std::vector<uint8_t> fullSectionCompressed;

int main(int argc, char** argv)
{
    for (int i = 0; i < BOOK_RESOURCES; i++) {
        if (!ReadBookResource(bookIds[i], &book[i])) {
            fprintf(stderr, "uncompress_bench: resource %u is missing or malformed\n", bookIds[i]);
            return 1;
        }
    }
    std::vector<uint8_t> text;
    if (!BuildFullSection(book, &text)) {
        fprintf(stderr, "uncompress_bench: the book's sections do not decode\n");
        return 1;
    }
    fullSectionCompressed = PalmDocCompress(text.data(), text.size());
    if (fullSectionCompressed.empty() || fullSectionCompressed.size() > 0xFFFF) {
        fprintf(stderr, "uncompress_bench: the 64 KB section does not compress to 16-bit size\n");
        return 1;
    }
    fullSection.name = "64KB";
    fullSection.data = fullSectionCompressed.data();
    fullSection.compressedLength = (unsigned)fullSectionCompressed.size();
    fullSection.expandedLength = (unsigned)text.size();

    for (int i = 0; i < BOOK_RESOURCES; i++) {
        if (!DecodersAgree(book[i])) {
            fprintf(stderr, "uncompress_bench: decoders differ on resource %s\n", book[i].name.c_str());
            return 1;
        }
    }
    if (!DecodersAgree(fullSection)) {
        fprintf(stderr, "uncompress_bench: decoders differ on the 64 KB section\n");
        return 1;
    }
    // The 64 KB section must also round-trip to the text it was made from.
    BYTE* check = UnCompress(fullSection.data, fullSection.compressedLength, fullSection.expandedLength, nullptr);
    const bool roundTrip = check != nullptr && memcmp(check, text.data(), text.size()) == 0;
    free(check);
    if (!roundTrip) {
        fprintf(stderr, "uncompress_bench: the 64 KB section does not round-trip\n");
        return 1;
    }

    for (int i = 0; i < BOOK_RESOURCES; i++)
        RegisterSet(book[i].name, &book[i], 1, SizesLabel(&book[i], 1));
    RegisterSet("book_total", book, BOOK_RESOURCES, SizesLabel(book, BOOK_RESOURCES));
    RegisterSet("64KB", &fullSection, 1, SizesLabel(&fullSection, 1));

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
