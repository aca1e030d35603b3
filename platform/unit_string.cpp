#include "platform.h"

size_t UnitLength(const WCHAR* s)
{
    size_t n = 0;
    while (s[n] != 0)
        n++;
    return n;
}

size_t UnitCopy(WCHAR* dst, size_t capacity, const WCHAR* src)
{
    if (capacity == 0)
        return 0;
    size_t n = 0;
    while (n + 1 < capacity && src[n] != 0) {
        dst[n] = src[n];
        n++;
    }
    dst[n] = 0;
    return n;
}

int UnitCompare(const WCHAR* a, const WCHAR* b)
{
    while (*a != 0 && *a == *b) {
        a++;
        b++;
    }
    return (int)(unsigned short)*a - (int)(unsigned short)*b;
}
