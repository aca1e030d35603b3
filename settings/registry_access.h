// Reading and writing the settings in the registry under HKEY_CURRENT_USER.
// Reads open the key for reading and writes open or create the product's
// key; each closes it again. A missing key or value, or a failed read,
// gives the default or none; a failed write is reported as false and
// otherwise ignored.
#pragma once

#include "../platform/platform.h"

extern const WCHAR PRODUCT_KEY[];  // the product's settings
extern const WCHAR MAKER_KEY[];    // switches shared by the maker's programs; never written

DWORD ReadDwordValue(const WCHAR* keyPath, const WCHAR* name, DWORD fallback);
DWORD ReadSettingDword(const WCHAR* name, DWORD fallback);
bool WriteSettingDword(const WCHAR* name, DWORD value);

// The value's data as zero-terminated UTF-16 text in a block the caller
// frees (an extra zero unit ends data that has none), or null.
WCHAR* ReadSettingString(const WCHAR* name);
bool WriteSettingString(const WCHAR* name, const WCHAR* text);

// A block of exactly the value's size holding its data, or null; *size
// (when given) receives the size on success and is left alone otherwise.
BYTE* ReadSettingBytes(const WCHAR* name, DWORD* size);
// The same, with fallback in place of null.
BYTE* ReadSettingBinary(const WCHAR* name, BYTE* fallback, DWORD* size);
// REG_BINARY holding the text and its terminating zero.
bool WriteSettingByteString(const WCHAR* name, const BYTE* text);
bool WriteSettingBinary(const WCHAR* name, const BYTE* bytes, DWORD length);
