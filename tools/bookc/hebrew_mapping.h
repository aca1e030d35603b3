// Pointed Hebrew in UTF-8 to the program's character codes, by the inverse
// of the glyph and decomposition tables.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct MappingResult {
    bool ok;
    std::vector<uint8_t> codes;  // reading order
    std::string error;           // what could not be mapped, when !ok
    int droppedMarks;            // points that have no code of their own
};

// Decodes UTF-8 into code points; false on malformed input.
bool DecodeUtf8(const std::string& text, std::vector<uint32_t>* out);

// Maps one text. Letters with dagesh, mapiq, shin or sin dot, vav or lamed
// with holam and final kaf with qamats or sheva become the codes the tables
// give them; other points become point codes; points without a code are
// dropped and counted; maqaf is written "-" and sof pasuq ":". Anything else
// outside ASCII makes the result fail.
MappingResult MapHebrew(const std::string& utf8);
