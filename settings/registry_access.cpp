#include "registry_access.h"

#include <stdlib.h>
#include <string.h>

#include "../shell/checked_alloc.h"
#include "settings_parse.h"

const WCHAR PRODUCT_KEY[] = TEXT("Software\\Harvelin\\Quillmere");
const WCHAR MAKER_KEY[] = TEXT("software\\Harvelin");

// The value's type and data in a new block with room for extra zero bytes
// after the data; null when the key or value is missing or unreadable.
static BYTE* ReadValue(const WCHAR* keyPath, const WCHAR* name, DWORD extra, DWORD* type, DWORD* size)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return nullptr;
    BYTE* block = nullptr;
    DWORD length = 0;
    if (RegQueryValueExW(key, name, nullptr, type, nullptr, &length) == ERROR_SUCCESS) {
        block = (BYTE*)CheckedAlloc((size_t)length + extra + 1);
        if (block != nullptr) {
            DWORD got = length;
            if (RegQueryValueExW(key, name, nullptr, type, block, &got) == ERROR_SUCCESS && got <= length) {
                memset(block + got, 0, extra + 1);
                *size = got;
            } else {
                free(block);
                block = nullptr;
            }
        }
    }
    RegCloseKey(key);
    return block;
}

static bool WriteValue(const WCHAR* name, DWORD type, const BYTE* data, DWORD size)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, PRODUCT_KEY, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr)
        != ERROR_SUCCESS)
        return false;
    const bool ok = RegSetValueExW(key, name, 0, type, data, size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

DWORD ReadDwordValue(const WCHAR* keyPath, const WCHAR* name, DWORD fallback)
{
    DWORD type = REG_NONE, size = 0;
    BYTE* data = ReadValue(keyPath, name, 0, &type, &size);
    if (data == nullptr)
        return fallback;
    const DWORD value = NumberFromValueData(type, data, size);
    free(data);
    return value;
}

DWORD ReadSettingDword(const WCHAR* name, DWORD fallback)
{
    return ReadDwordValue(PRODUCT_KEY, name, fallback);
}

bool WriteSettingDword(const WCHAR* name, DWORD value)
{
    const BYTE data[4] = {(BYTE)value, (BYTE)(value >> 8), (BYTE)(value >> 16), (BYTE)(value >> 24)};
    return WriteValue(name, REG_DWORD, data, 4);
}

WCHAR* ReadSettingString(const WCHAR* name)
{
    DWORD type = REG_NONE, size = 0;
    // Two more zero bytes end the text even when the data has no zero unit.
    return (WCHAR*)ReadValue(PRODUCT_KEY, name, 2, &type, &size);
}

bool WriteSettingString(const WCHAR* name, const WCHAR* text)
{
    return WriteValue(name, REG_SZ, (const BYTE*)text, (DWORD)((UnitLength(text) + 1) * sizeof(WCHAR)));
}

BYTE* ReadSettingBytes(const WCHAR* name, DWORD* size)
{
    DWORD type = REG_NONE, got = 0;
    BYTE* data = ReadValue(PRODUCT_KEY, name, 0, &type, &got);
    if (data != nullptr && size != nullptr)
        *size = got;
    return data;
}

BYTE* ReadSettingBinary(const WCHAR* name, BYTE* fallback, DWORD* size)
{
    BYTE* data = ReadSettingBytes(name, size);
    return data != nullptr ? data : fallback;
}

bool WriteSettingByteString(const WCHAR* name, const BYTE* text)
{
    return WriteValue(name, REG_BINARY, text, (DWORD)strlen((const char*)text) + 1);
}

bool WriteSettingBinary(const WCHAR* name, const BYTE* bytes, DWORD length)
{
    return WriteValue(name, REG_BINARY, bytes, length);
}
