// A small PNG writer for pictures of drawing surfaces: 8-bit RGB, one IDAT
// chunk of stored (uncompressed) deflate blocks. Both builds compile it, so
// tests can save what they drew on either platform.
#pragma once

#include <stddef.h>
#include <stdint.h>

// Writes width x height pixels, each 0x00RRGGBB as in a 32-bit DIB, rows top
// down, row r starting at pixels[r * stride]. Returns false when the size is
// not positive, the picture is too large for one chunk, or the file cannot
// be written; a file that failed half-way is removed.
bool WritePngFile(const char* path, const uint32_t* pixels, int width, int height, size_t stride);
