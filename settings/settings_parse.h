// The pure rules by which stored settings become run-time values; the
// registry access around them is in registry_access.cpp.
#pragma once

#include "../platform/platform.h"
#include "font_spec.h"

// A number from a value's data: REG_DWORD data of four bytes is the number
// itself; any other data is read as UTF-16 text up to its first zero unit or
// its end, each unit u adding (u - '0') to ten times the result, in 32-bit
// arithmetic that wraps. No sign, and no unit is refused: "1a" reads as 59.
DWORD NumberFromValueData(DWORD type, const BYTE* data, DWORD size);

// A stored face name into faceName: at most FACE_NAME_UNITS - 1 units, up to
// the first zero unit or the end of the data (size in bytes), always ended.
void CopyFaceName(WCHAR* faceName, const BYTE* data, DWORD size);

// A stored search string into searchString (SEARCH_STRING_BYTES bytes): at
// most SEARCH_STRING_BYTES - 1 bytes, up to the first zero byte or the end
// of the data, always ended.
void CopySearchString(BYTE* searchString, const BYTE* data, DWORD size);

// The low 16 bits that the 16-bit settings keep.
inline uint16_t Low16(DWORD value)
{
    return (uint16_t)(value & 0xFFFF);
}
