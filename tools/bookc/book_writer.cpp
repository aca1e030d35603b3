#include "book_writer.h"

#include <stdio.h>
#include <stdlib.h>

#include <fstream>

#include "hebrew_mapping.h"

static std::vector<std::string> SplitTabs(const std::string& line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos)
            return fields;
        start = tab + 1;
    }
}

static bool ParseNumber(const std::string& s, int* out)
{
    if (s.empty() || s.size() > 6)
        return false;
    for (char c : s)
        if (c < '0' || c > '9')
            return false;
    *out = atoi(s.c_str());
    return true;
}

static std::string Where(const std::string& path, int line)
{
    return path + ":" + std::to_string(line) + ": ";
}

bool ReadBookDescription(const std::string& path, BookDescription* out, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        lineNumber++;
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> f = SplitTabs(line);
        if (f[0] == "section" && f.size() == 4) {
            BookSection s;
            if (!ParseNumber(f[1], &s.number) || !ParseNumber(f[2], &s.chapter) || s.number < 1 || s.number > 10) {
                *error = Where(path, lineNumber) + "bad section line";
                return false;
            }
            s.title = f[3];
            out->sections.push_back(s);
        } else if (f[0] == "index" && f.size() == 3) {
            BookIndexEntry e;
            if (!ParseNumber(f[1], &e.section) || e.section < 1 || e.section > 10) {
                *error = Where(path, lineNumber) + "bad index line";
                return false;
            }
            e.text = f[2];
            out->index.push_back(e);
        } else {
            *error = Where(path, lineNumber) + "expected \"section\" or \"index\" with tab-separated fields";
            return false;
        }
    }
    return true;
}

bool ReadVerses(const std::string& path, std::vector<Verse>* out, std::string* error)
{
    std::ifstream in(path);
    if (!in) {
        *error = "cannot open " + path;
        return false;
    }
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        lineNumber++;
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> f = SplitTabs(line);
        Verse v;
        int number = 0;
        if (f.size() != 3 || !ParseNumber(f[0], &v.chapter)
            || !(ParseNumber(f[1], &number) || f[1] == "pe" || f[1] == "samekh")) {
            *error = Where(path, lineNumber) + "expected chapter, verse and text";
            return false;
        }
        v.verse = f[1];
        v.text = f[2];
        out->push_back(v);
    }
    return true;
}

std::string HebrewNumeral(int n)
{
    static const char* const hundreds[] = {"", "ק", "ר", "ש", "ת"};
    static const char* const tens[] = {"", "י", "כ", "ל", "מ", "נ", "ס", "ע", "פ", "צ"};
    static const char* const units[] = {"", "א", "ב", "ג", "ד", "ה", "ו", "ז", "ח", "ט"};
    if (n < 1 || n > 499)
        return "";
    std::string s = hundreds[n / 100];
    const int rest = n % 100;
    if (rest == 15)
        return s + "טו";
    if (rest == 16)
        return s + "טז";
    return s + tens[rest / 10] + units[rest % 10];
}

// A record with its text stored last code first, as the book's paragraphs are.
static void AppendReversed(std::vector<uint8_t>* out, uint8_t attribute, uint8_t indent,
                           const std::vector<uint8_t>& readingOrder)
{
    out->push_back(attribute);
    out->push_back(indent);
    out->insert(out->end(), readingOrder.rbegin(), readingOrder.rend());
    out->push_back(0);
}

static bool Map(const std::string& text, const std::string& where, std::vector<uint8_t>* codes, StreamStats* stats,
                std::string* error)
{
    const MappingResult r = MapHebrew(text);
    if (!r.ok) {
        *error = where + ": " + r.error;
        return false;
    }
    if (r.codes.empty()) {
        *error = where + ": empty text";
        return false;
    }
    *codes = r.codes;
    if (stats)
        stats->droppedMarks += r.droppedMarks;
    return true;
}

bool BuildSectionStream(const BookSection& section, const std::vector<Verse>& verses, std::vector<uint8_t>* out,
                        StreamStats* stats, std::string* error)
{
    out->clear();
    *stats = StreamStats{0, 0};
    std::vector<uint8_t> codes;
    const std::string where = "section " + std::to_string(section.number);
    if (!Map(section.title, where + " title", &codes, stats, error))
        return false;
    AppendReversed(out, TITLE_ATTRIBUTE, 0, codes);
    stats->paragraphs++;

    int verseCount = 0;
    for (const Verse& v : verses) {
        if (v.chapter != section.chapter)
            continue;
        const std::string verseWhere = "verse " + std::to_string(v.chapter) + ":" + v.verse;
        if (v.verse == "pe" || v.verse == "samekh") {
            if (!Map(v.verse == "pe" ? "פ" : "ס", verseWhere, &codes, stats, error))
                return false;
            AppendReversed(out, SECTION_MARK_ATTRIBUTE, 0, codes);
        } else {
            const std::string number = HebrewNumeral(atoi(v.verse.c_str()));
            std::vector<uint8_t> numberCodes;
            if (!Map(number, verseWhere + " number", &numberCodes, stats, error)
                || !Map(v.text, verseWhere, &codes, stats, error))
                return false;
            // The number hangs in a column of (factor + 1) / 2 of the widest
            // character: one letter takes one width, two take one and a half,
            // three take two.
            const uint8_t hangFactor = (uint8_t)(numberCodes.size() < 3 ? numberCodes.size() : 3);
            std::vector<uint8_t> line = numberCodes;
            line.push_back(' ');
            line.insert(line.end(), codes.begin(), codes.end());
            AppendReversed(out, VERSE_ATTRIBUTE, (uint8_t)(hangFactor << 6), line);
            verseCount++;
        }
        stats->paragraphs++;
    }
    if (verseCount == 0) {
        *error = where + ": chapter " + std::to_string(section.chapter) + " has no verses";
        return false;
    }
    // The end marker and two more zero bytes close a section.
    out->insert(out->end(), 3, 0);
    if (out->size() > 0xFFFF) {
        *error = where + ": stream longer than 65535 bytes";
        return false;
    }
    return true;
}

bool BuildIndexStream(const BookDescription& book, std::vector<uint8_t>* out, std::string* error)
{
    out->clear();
    for (const BookIndexEntry& e : book.index) {
        std::vector<uint8_t> codes;
        if (!Map(e.text, "index entry for section " + std::to_string(e.section), &codes, nullptr, error))
            return false;
        const unsigned key = 0x4000u | (unsigned)e.section;  // a section entry
        out->push_back((uint8_t)key);
        out->push_back((uint8_t)(key >> 8));
        out->push_back(0x81);  // listed, plain style
        out->push_back(1);     // level
        out->insert(out->end(), codes.rbegin(), codes.rend());
        out->push_back(0);
    }
    out->insert(out->end(), 5, 0);
    return true;
}
