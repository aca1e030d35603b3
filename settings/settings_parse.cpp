#include "settings_parse.h"

#include "../shell/app_state.h"

DWORD NumberFromValueData(DWORD type, const BYTE* data, DWORD size)
{
    if (type == REG_DWORD && size == 4)
        return (DWORD)data[0] | (DWORD)data[1] << 8 | (DWORD)data[2] << 16 | (DWORD)data[3] << 24;
    uint32_t result = 0;
    for (DWORD i = 0; i + 1 < size; i += 2) {
        const uint32_t unit = (uint32_t)data[i] | (uint32_t)data[i + 1] << 8;
        if (unit == 0)
            break;
        result = result * 10u + (unit - 0x30u);
    }
    return result;
}

void CopyFaceName(WCHAR* faceName, const BYTE* data, DWORD size)
{
    size_t n = 0;
    for (DWORD i = 0; i + 1 < size && n < FACE_NAME_UNITS - 1; i += 2) {
        const WCHAR unit = (WCHAR)(data[i] | data[i + 1] << 8);
        if (unit == 0)
            break;
        faceName[n++] = unit;
    }
    faceName[n] = 0;
}

void CopySearchString(BYTE* searchString, const BYTE* data, DWORD size)
{
    size_t n = 0;
    for (DWORD i = 0; i < size && n < SEARCH_STRING_BYTES - 1 && data[i] != 0; i++)
        searchString[n++] = data[i];
    searchString[n] = 0;
}
