#include "font_choice.h"

const int FONT_SIZES[FONT_SIZE_COUNT + 1] = {10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 32, 52, 72, 0};

void MakePreviewText(WCHAR* units, int base)
{
    for (int i = 0; i < PREVIEW_LETTERS; i++)
        units[i] = (WCHAR)(base + PREVIEW_LETTERS - 1 - i);
    units[PREVIEW_LETTERS] = 0;
}

int RadioForBase(int base)
{
    switch (base) {
    case 97: return FONT_BASE_97;
    case 224: return FONT_BASE_224;
    case 1488: return FONT_BASE_1488;
    default: return 0;
    }
}

int BaseForRadio(int id)
{
    switch (id) {
    case FONT_BASE_97: return 97;
    case FONT_BASE_224: return 224;
    case FONT_BASE_1488: return 1488;
    default: return 0;
    }
}

int ListedSizes(int storedSize, int* sizes, int capacity)
{
    int n = 0;
    if (storedSize >= 1 && storedSize <= 9 && n < capacity)
        sizes[n++] = storedSize;
    for (int i = 0; FONT_SIZES[i] != 0 && n < capacity; i++)
        sizes[n++] = FONT_SIZES[i];
    return n;
}

int FormatSize(WCHAR* text, int capacity, int value)
{
    if (capacity <= 0)
        return 0;
    // Digits are gathered backwards from the magnitude, which is taken
    // unsigned so that the most negative value has one too.
    WCHAR digits[12];
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - (unsigned)value : (unsigned)value;
    do {
        digits[n++] = (WCHAR)(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    const int length = n + (value < 0 ? 1 : 0);
    if (length + 1 > capacity) {
        text[0] = 0;
        return 0;
    }
    int out = 0;
    if (value < 0)
        text[out++] = u'-';
    while (n > 0)
        text[out++] = digits[--n];
    text[out] = 0;
    return out;
}

int ReadSizeText(const WCHAR* text)
{
    int value = 0;
    for (int i = 0; i < SIZE_TEXT_UNITS && text[i] >= u'0' && text[i] <= u'9'; i++)
        value = value * 10 + (text[i] - u'0');
    return value;
}

void PlaceFontControls(int clientWidth, int clientHeight, ControlPlace* places)
{
    const int w = clientWidth - 14;
    const int h = clientHeight - 14;
    const int d = 2 * w / 3;
    const int f = 2 * h / 3;
    places[SLOT_FACES] = ControlPlace{7, 7, d - 7, f - 7};
    places[SLOT_SIZES] = ControlPlace{d + 7, 59, w - d, f - 59};
    places[SLOT_PREVIEW] = ControlPlace{7, f, w, h - f};
    places[SLOT_BASE_97] = ControlPlace{d + 7, 7, w - d, 10};
    places[SLOT_BASE_224] = ControlPlace{d + 7, 24, w - d, 10};
    places[SLOT_BASE_1488] = ControlPlace{d + 7, 41, w - d, 10};
}
