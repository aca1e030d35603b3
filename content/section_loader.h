// The book's sections and index as decompressed paragraph streams.
#pragma once

#include "../platform/platform.h"

enum {
    SECTION_OK = 0,
    SECTION_NOT_FOUND = 1,
    SECTION_LOAD_FAILED = 2,
    SECTION_BAD_HEADER = 3,
    SECTION_BAD_ARGUMENT = 4,
    SECTION_BUFFER_ERROR = 5,
};

enum {
    SECTION_COUNT = 10,
    SECTION_RESOURCE_BASE = 1000,
    INDEX_SECTION_NUMBER = 31767,  // 1000 + this is resource 32767
    SECTION_HEADER_BYTES = 10,
    // Zero bytes after the data of every decompressed buffer: the first ends
    // the data, and together they keep a walk that stops at a zero attribute
    // byte inside the buffer whatever the data holds.
    STREAM_GUARD_BYTES = 4,
};

// Big-endian header at the start of every section resource.
struct SectionResourceHeader {
    uint16_t blockLength;       // compressedLength + 8; only required to be >= 5
    uint16_t reserved1;
    uint16_t reserved2;
    uint16_t compressedLength;  // bytes of data from offset 10; never 0
    uint16_t expandedLength;    // exact decompressed size; never 0
};

// Reads the header from the first SECTION_HEADER_BYTES of data.
SectionResourceHeader ReadSectionHeader(const BYTE* data);

// Finds resource 1000 + section, checks its header and decompresses it.
// Returns a malloc'd buffer of expandedLength + STREAM_GUARD_BYTES bytes, the
// data followed by zeros, or null; *error (when given) gets the code. A
// section below 1 returns null and leaves *error untouched.
BYTE* LoadSection(int section, int* error);
