// Helpers for zero-terminated runs of 16-bit WCHAR units. WCHAR is wchar_t on
// Windows but char16_t on Linux, so the C library's wcs* functions cannot be
// used on it in code that both builds compile.
#pragma once

#include <stddef.h>

// Number of units before the terminating 0.
size_t UnitLength(const WCHAR* s);

// Copies at most capacity - 1 units of src and always terminates dst (when
// capacity > 0). Returns the number of units copied.
size_t UnitCopy(WCHAR* dst, size_t capacity, const WCHAR* src);

// Compares like wcscmp: <0, 0, >0.
int UnitCompare(const WCHAR* a, const WCHAR* b);
