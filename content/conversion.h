// Conversion of character codes to UTF-16 for the current character base,
// and the reversal that the Reverse setting applies to each drawn run.
#pragma once

#include "../platform/platform.h"

// An output buffer that a caller keeps between conversions.
struct ConversionBuffer {
    WCHAR* units;  // owned; holds 2 * (capacity + 1) units
    int capacity;  // codes the buffer was sized for
};

// The one buffer that measuring, drawing and copying share; never released.
extern ConversionBuffer sharedConversionBuffer;

// Converts up to count codes (fewer when a 0 code comes first) for the
// character base in appState.fontSpec, reversing the run when FLAG_REVERSE is
// set and the base is not 97. Returns zero-terminated units owned by buffer
// (valid until its next conversion), or, without a buffer, a malloc'd block
// the caller frees; null when no memory could be had.
// @param[out] extra  units produced minus codes consumed, when not null
WCHAR* ConvertToUnicode(const BYTE* text, ConversionBuffer* buffer, int count, int* extra);

// Reverses the first n units in place, mirroring (), [] and {}. Returns 0,
// or 1 when no work buffer could be had (the units stay as they were).
int ReverseUnits(WCHAR* units, int n);
