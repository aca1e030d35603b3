// A plain PalmDoc decoder, one byte at a time with a bounds check on every
// read and write. It accepts and rejects exactly what UnCompress does, so
// benchmarks and fuzz targets can hold UnCompress against it; unlike
// UnCompress it never shows a message box.
#pragma once

#include "../../platform/platform.h"

// Same contract as UnCompress: a malloc'd buffer of expandedLength +
// STREAM_GUARD_BYTES bytes (the output, then zeros), or null with *error
// (when given) set to SECTION_BAD_ARGUMENT, SECTION_LOAD_FAILED or
// SECTION_BUFFER_ERROR.
BYTE* ReferenceUnCompress(const BYTE* input, unsigned compressedLength, unsigned expandedLength, int* error);
