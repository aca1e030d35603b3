// PalmDoc decompression of one section's data as a single unit.
#pragma once

#include "../platform/platform.h"

// Decodes compressedLength bytes at input into a new malloc'd buffer of
// expandedLength + STREAM_GUARD_BYTES bytes: exactly expandedLength bytes of
// output followed by zeros. Input left over once the output is full is
// ignored. Returns null with *error set (when given) to SECTION_BAD_ARGUMENT
// for no input or an expandedLength of 0, SECTION_LOAD_FAILED when the buffer
// cannot be allocated, and SECTION_BUFFER_ERROR, after telling the user, when
// the input runs out early or holds a token that would read outside the input
// or the output written so far.
BYTE* UnCompress(const BYTE* input, unsigned compressedLength, unsigned expandedLength, int* error);
