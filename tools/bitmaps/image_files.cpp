#include "image_files.h"

#include <stdint.h>
#include <stdio.h>
#include <string.h>

enum {
    FILE_HEADER_BYTES = 14,
    INFO_HEADER_BYTES = 40,
    ICON_DIR_BYTES = 6,
    ICON_ENTRY_BYTES = 16,
    ICON_MAX_IMAGES = 4,
    // The largest file written: a 32-bit icon image of the largest picture
    // with its mask, times the images.
    MAX_FILE_BYTES = ICON_DIR_BYTES +
                     ICON_MAX_IMAGES * (ICON_ENTRY_BYTES + INFO_HEADER_BYTES +
                                        PICTURE_MAX_SIDE * PICTURE_MAX_SIDE * 4 + PICTURE_MAX_SIDE * 16),
};

struct Output {
    uint8_t bytes[MAX_FILE_BYTES];
    int length;
    bool overflow;
};

static Output output;

static void PutBytes(uint32_t value, int count)
{
    for (int i = 0; i < count; i++) {
        if (output.length >= MAX_FILE_BYTES) {
            output.overflow = true;
            return;
        }
        output.bytes[output.length++] = (uint8_t)(value >> (8 * i));
    }
}

static bool SaveOutput(const char* path)
{
    if (output.overflow) {
        fprintf(stderr, "bitmapgen: %s is too large\n", path);
        return false;
    }
    FILE* file = fopen(path, "wb");
    if (file == nullptr) {
        perror(path);
        return false;
    }
    const bool written = fwrite(output.bytes, 1, (size_t)output.length, file) == (size_t)output.length;
    if (fclose(file) != 0 || !written) {
        fprintf(stderr, "bitmapgen: could not write %s\n", path);
        return false;
    }
    return true;
}

// The sixteen standard colours as 0xRRGGBB, in their usual order.
static const uint32_t standardColours[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

static int StandardIndex(char letter)
{
    switch (letter) {
    case BLACK: return 0;
    case MAROON: return 1;
    case GREEN: return 2;
    case OLIVE: return 3;
    case NAVY: return 4;
    case CLEAR: return 7;
    case GREY: return 8;
    case RED: return 9;
    case YELLOW: return 11;
    case BLUE: return 12;
    case AQUA: return 14;
    case WHITE: return 15;
    }
    return 0;
}

static int RowBytes(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

static void PutInfoHeader(int width, int height, int bits, int colours, int imageBytes)
{
    PutBytes(INFO_HEADER_BYTES, 4);
    PutBytes((uint32_t)width, 4);
    PutBytes((uint32_t)height, 4);
    PutBytes(1, 2);  // planes
    PutBytes((uint32_t)bits, 2);
    PutBytes(0, 4);  // no compression
    PutBytes((uint32_t)imageBytes, 4);
    PutBytes(2835, 4);  // 72 dots per inch
    PutBytes(2835, 4);
    PutBytes((uint32_t)colours, 4);
    PutBytes(0, 4);
}

// Rows bottom-up, each padded to four bytes, value(x, y) bits per pixel.
template <typename Value>
static void PutRows(const Picture* picture, int bits, Value value)
{
    const int rowBytes = RowBytes(picture->width, bits);
    for (int y = picture->height - 1; y >= 0; y--) {
        uint8_t row[PICTURE_MAX_SIDE * 4];
        memset(row, 0, sizeof row);
        for (int x = 0; x < picture->width; x++) {
            const uint32_t v = value(x, y);
            if (bits == 32) {
                memcpy(row + 4 * x, &v, 4);  // little-endian BGRA
            } else {
                const int bit = x * bits;
                row[bit / 8] |= (uint8_t)(v << (8 - bits - bit % 8));
            }
        }
        for (int i = 0; i < rowBytes; i++)
            PutBytes(row[i], 1);
    }
}

static void StartBitmapFile(const Picture* picture, int bits, int colours)
{
    memset(&output, 0, sizeof output);
    const int imageBytes = RowBytes(picture->width, bits) * picture->height;
    const int offset = FILE_HEADER_BYTES + INFO_HEADER_BYTES + 4 * colours;
    PutBytes('B', 1);
    PutBytes('M', 1);
    PutBytes((uint32_t)(offset + imageBytes), 4);
    PutBytes(0, 4);
    PutBytes((uint32_t)offset, 4);
    PutInfoHeader(picture->width, picture->height, bits, colours, imageBytes);
}

bool WriteBitmap16(const char* path, const Picture* picture)
{
    StartBitmapFile(picture, 4, 16);
    for (uint32_t colour : standardColours)
        PutBytes(colour, 4);  // 0xRRGGBB is B, G, R, 0 in the file
    PutRows(picture, 4, [picture](int x, int y) { return (uint32_t)StandardIndex(picture->at[y][x]); });
    return SaveOutput(path);
}

bool WriteBitmapMono(const char* path, const Picture* picture)
{
    StartBitmapFile(picture, 1, 2);
    PutBytes(0x000000, 4);
    PutBytes(0xFFFFFF, 4);
    PutRows(picture, 1, [picture](int x, int y) { return picture->at[y][x] == CLEAR ? 1u : 0u; });
    return SaveOutput(path);
}

bool WriteIcon(const char* path, const Picture* const* pictures, int count)
{
    if (count < 1 || count > ICON_MAX_IMAGES)
        return false;
    memset(&output, 0, sizeof output);
    PutBytes(0, 2);
    PutBytes(1, 2);  // an icon
    PutBytes((uint32_t)count, 2);
    int offset = ICON_DIR_BYTES + ICON_ENTRY_BYTES * count;
    for (int i = 0; i < count; i++) {
        const Picture* p = pictures[i];
        const int bytes = INFO_HEADER_BYTES + RowBytes(p->width, 32) * p->height + RowBytes(p->width, 1) * p->height;
        PutBytes((uint32_t)(p->width & 0xFF), 1);
        PutBytes((uint32_t)(p->height & 0xFF), 1);
        PutBytes(0, 1);  // no palette
        PutBytes(0, 1);
        PutBytes(1, 2);  // planes
        PutBytes(32, 2);
        PutBytes((uint32_t)bytes, 4);
        PutBytes((uint32_t)offset, 4);
        offset += bytes;
    }
    for (int i = 0; i < count; i++) {
        const Picture* p = pictures[i];
        // The height counts the colour image and the mask together.
        const int imageBytes = RowBytes(p->width, 32) * p->height + RowBytes(p->width, 1) * p->height;
        PutInfoHeader(p->width, 2 * p->height, 32, 0, imageBytes);
        PutRows(p, 32, [p](int x, int y) {
            const char letter = p->at[y][x];
            if (letter == CLEAR)
                return 0u;
            return 0xFF000000u | standardColours[StandardIndex(letter)];
        });
        PutRows(p, 1, [p](int x, int y) { return p->at[y][x] == CLEAR ? 1u : 0u; });
    }
    return SaveOutput(path);
}
