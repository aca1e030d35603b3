// The book compiler: pointed Hebrew source and a book description in, the
// eleven RCDATA resources out (ID.bin), each beside the exact stream it
// decompresses to (ID.stream).
//   bookc --tsv FILE --description FILE --out DIR
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "book_writer.h"
#include "content/section_loader.h"
#include "content/uncompress.h"
#include "palmdoc_compress.h"

static bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    FILE* f = fopen(path.c_str(), "wb");
    if (f == nullptr)
        return false;
    const bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return fclose(f) == 0 && ok;
}

// Compresses, checks that the engine's own decoder gives the stream back,
// and writes both files.
static bool WriteResource(const std::string& dir, int id, const std::vector<uint8_t>& stream, uint16_t reserved1,
                          uint16_t reserved2, size_t* compressedSize)
{
    const std::vector<uint8_t> compressed = PalmDocCompress(stream.data(), stream.size());
    const std::vector<uint8_t> resource = MakeSectionResource(compressed, stream.size(), reserved1, reserved2);
    if (resource.empty()) {
        fprintf(stderr, "bookc: resource %d does not fit the 16-bit header\n", id);
        return false;
    }
    int error = 0;
    BYTE* back = UnCompress(compressed.data(), (unsigned)compressed.size(), (unsigned)stream.size(), &error);
    const bool same = back != nullptr && memcmp(back, stream.data(), stream.size()) == 0;
    free(back);
    if (!same) {
        fprintf(stderr, "bookc: resource %d does not decompress to its stream\n", id);
        return false;
    }
    const std::string base = dir + "/" + std::to_string(id);
    if (!WriteFile(base + ".bin", resource) || !WriteFile(base + ".stream", stream)) {
        fprintf(stderr, "bookc: cannot write %s.*\n", base.c_str());
        return false;
    }
    *compressedSize = compressed.size();
    return true;
}

int main(int argc, char** argv)
{
    std::string tsv, description, outDir;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (strcmp(argv[i], "--tsv") == 0)
            tsv = argv[i + 1];
        else if (strcmp(argv[i], "--description") == 0)
            description = argv[i + 1];
        else if (strcmp(argv[i], "--out") == 0)
            outDir = argv[i + 1];
    }
    if (tsv.empty() || description.empty() || outDir.empty()) {
        fprintf(stderr, "usage: bookc --tsv FILE --description FILE --out DIR\n");
        return 2;
    }
    mkdir(outDir.c_str(), 0755);

    BookDescription book;
    std::vector<Verse> verses;
    std::string error;
    if (!ReadBookDescription(description, &book, &error) || !ReadVerses(tsv, &verses, &error)) {
        fprintf(stderr, "bookc: %s\n", error.c_str());
        return 1;
    }
    if (book.sections.size() != SECTION_COUNT || book.index.empty()) {
        fprintf(stderr, "bookc: the description needs ten sections and an index\n");
        return 1;
    }

    size_t expandedTotal = 0, compressedTotal = 0;
    int dropped = 0;
    for (const BookSection& section : book.sections) {
        std::vector<uint8_t> stream;
        StreamStats stats;
        size_t compressed = 0;
        if (!BuildSectionStream(section, verses, &stream, &stats, &error)) {
            fprintf(stderr, "bookc: %s\n", error.c_str());
            return 1;
        }
        if (!WriteResource(outDir, SECTION_RESOURCE_BASE + section.number, stream, (uint16_t)section.number,
                           (uint16_t)section.number, &compressed))
            return 1;
        expandedTotal += stream.size();
        compressedTotal += compressed;
        dropped += stats.droppedMarks;
    }
    std::vector<uint8_t> index;
    size_t compressed = 0;
    if (!BuildIndexStream(book, &index, &error)) {
        fprintf(stderr, "bookc: %s\n", error.c_str());
        return 1;
    }
    if (!WriteResource(outDir, SECTION_RESOURCE_BASE + INDEX_SECTION_NUMBER, index, 1, 255, &compressed))
        return 1;
    expandedTotal += index.size();
    compressedTotal += compressed;

    printf("bookc: %zu bytes of streams compressed to %zu (%.1f%%), %d points without a code dropped\n",
           expandedTotal, compressedTotal, 100.0 * (double)compressedTotal / (double)expandedTotal, dropped);
    return 0;
}
