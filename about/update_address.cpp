#include "update_address.h"

#include <string.h>

const WCHAR UPDATE_PRODUCT_PATH[] = TEXT("Harvelin/Quillmere");
const WCHAR UPDATE_VERSION[] = TEXT("1.84a");
static const WCHAR UPGRADE_PAGE[] = TEXT("/cgi-bin/upgrade?p=arm/");
static const WCHAR VERSION_KEY[] = TEXT("&v=");

static bool KeptAsIs(unsigned u)
{
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u == '.' || u == '/';
}

// Writes one unit's escape: "%" and at least two upper-case hex digits.
static int EscapeUnit(unsigned u, WCHAR* escape)
{
    static const char HEX[] = "0123456789ABCDEF";
    int digits = 2;
    if (u > 0xFFF)
        digits = 4;
    else if (u > 0xFF)
        digits = 3;
    escape[0] = '%';
    for (int i = 0; i < digits; i++)
        escape[1 + i] = (WCHAR)HEX[(u >> (4 * (digits - 1 - i))) & 0xF];
    return 1 + digits;
}

int AppendQueryValue(WCHAR* out, int capacity, int* length, const WCHAR* text)
{
    const int start = *length;
    int n = start;
    for (; *text != 0; text++) {
        const unsigned u = (unsigned short)*text;
        WCHAR piece[5];
        int pieceLength = 1;
        if (u == ' ')
            piece[0] = '+';
        else if (KeptAsIs(u))
            piece[0] = (WCHAR)u;
        else
            pieceLength = EscapeUnit(u, piece);
        if (n + pieceLength + 1 > capacity) {
            out[start] = 0;
            return 0;
        }
        for (int i = 0; i < pieceLength; i++)
            out[n++] = piece[i];
    }
    out[n] = 0;
    *length = n;
    return 1;
}

// Appends text unchanged; same contract as AppendQueryValue.
static int AppendUnits(WCHAR* out, int capacity, int* length, const WCHAR* text)
{
    const int n = (int)UnitLength(text);
    if (*length + n + 1 > capacity)
        return 0;
    memcpy(out + *length, text, (size_t)n * sizeof(WCHAR));
    *length += n;
    out[*length] = 0;
    return 1;
}

int BuildUpdateAddress(WCHAR* out, int capacity, const WCHAR* server)
{
    if (capacity <= 0)
        return -1;
    memset(out, 0, (size_t)capacity * sizeof(WCHAR));
    int length = 0;
    if (!AppendUnits(out, capacity, &length, server) || !AppendUnits(out, capacity, &length, UPGRADE_PAGE) ||
        !AppendQueryValue(out, capacity, &length, UPDATE_PRODUCT_PATH) ||
        !AppendUnits(out, capacity, &length, VERSION_KEY) || !AppendUnits(out, capacity, &length, UPDATE_VERSION)) {
        out[0] = 0;
        return -1;
    }
    return length;
}
