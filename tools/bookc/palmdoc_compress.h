// PalmDoc compression of a whole stream as one unit, the inverse of UnCompress.
#pragma once

#include <stddef.h>
#include <stdint.h>

#include <vector>

// Greedy LZ77 over a 2047-byte window with matches of 3..10 bytes, space
// pairs for a space followed by 0x40..0x7F, and literal runs for bytes that
// cannot stand alone (0x01..0x08, 0x80..0xFF).
std::vector<uint8_t> PalmDocCompress(const uint8_t* data, size_t size);

// The ten-byte big-endian header, the data and four bytes of padding.
// Returns an empty vector when a length does not fit in 16 bits.
std::vector<uint8_t> MakeSectionResource(const std::vector<uint8_t>& compressed, size_t expandedLength,
                                         uint16_t reserved1, uint16_t reserved2);
