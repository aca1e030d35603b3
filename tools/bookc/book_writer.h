// Turns the book's source text and description into paragraph streams, the
// index stream and the compressed resources.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct BookSection {
    int number;         // 1..10
    int chapter;        // the chapter of the source it holds
    std::string title;  // pointed Hebrew, UTF-8
};

struct BookIndexEntry {
    int section;
    std::string text;
};

struct BookDescription {
    std::vector<BookSection> sections;
    std::vector<BookIndexEntry> index;
};

struct Verse {
    int chapter;
    std::string verse;  // a number, or "pe" / "samekh" for a section break
    std::string text;
};

// Each reader returns false and fills *error (naming the line) on bad input.
bool ReadBookDescription(const std::string& path, BookDescription* out, std::string* error);
bool ReadVerses(const std::string& path, std::vector<Verse>* out, std::string* error);

// Hebrew numeral letters for 1..499 in reading order, as UTF-8 (15 and 16
// as tet-vav and tet-zayin).
std::string HebrewNumeral(int n);

// Attribute and indent bytes of the paragraphs that the book uses.
enum : uint8_t {
    TITLE_ATTRIBUTE = 0xDC,        // larger, bold, blue, centred, reversed, blank after
    SECTION_MARK_ATTRIBUTE = 0x59, // bold, centred, reversed
    VERSE_ATTRIBUTE = 0xB1,        // flush right, reversed, blank after
};

struct StreamStats {
    int paragraphs;
    int droppedMarks;
};

// The paragraph stream of one section; false with *error naming the verse
// on text that cannot be mapped, or when the stream would pass 65535 bytes.
bool BuildSectionStream(const BookSection& section, const std::vector<Verse>& verses, std::vector<uint8_t>* out,
                        StreamStats* stats, std::string* error);

// The index stream: one listed, level-1 section entry per description line,
// then the five closing zero bytes.
bool BuildIndexStream(const BookDescription& book, std::vector<uint8_t>* out, std::string* error);
