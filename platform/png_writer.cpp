#include "png_writer.h"

#include <stdio.h>

// Deflate's stored blocks hold at most this many bytes each.
enum { STORED_BLOCK_MAX = 65535 };

static uint32_t crcTable[256];
static bool crcTableReady;

static void MakeCrcTable()
{
    for (uint32_t n = 0; n < 256; n++) {
        uint32_t c = n;
        for (int k = 0; k < 8; k++)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        crcTable[n] = c;
    }
    crcTableReady = true;
}

// Everything written goes through here so the chunk CRC, the zlib Adler-32
// and the stored block all see the same bytes.
struct PngStream {
    FILE* file;
    bool failed;
    uint32_t crc;  // running CRC of the current chunk (type and data)
    uint32_t adlerA;
    uint32_t adlerB;
    uint8_t block[STORED_BLOCK_MAX];
    size_t blockUsed;
};

static void PutBytes(PngStream* s, const uint8_t* bytes, size_t n)
{
    for (size_t i = 0; i < n; i++)
        s->crc = crcTable[(s->crc ^ bytes[i]) & 0xFF] ^ (s->crc >> 8);
    if (!s->failed && fwrite(bytes, 1, n, s->file) != n)
        s->failed = true;
}

static void PutU32(PngStream* s, uint32_t v)
{
    const uint8_t b[4] = {(uint8_t)(v >> 24), (uint8_t)(v >> 16), (uint8_t)(v >> 8), (uint8_t)v};
    PutBytes(s, b, 4);
}

static void BeginChunk(PngStream* s, const char* type, uint32_t length)
{
    PutU32(s, length);
    s->crc = 0xFFFFFFFFu;
    PutBytes(s, (const uint8_t*)type, 4);
}

static void EndChunk(PngStream* s)
{
    const uint32_t crc = s->crc ^ 0xFFFFFFFFu;
    PutU32(s, crc);
}

static void FlushBlock(PngStream* s, bool final)
{
    const uint16_t len = (uint16_t)s->blockUsed;
    const uint8_t header[5] = {(uint8_t)(final ? 1 : 0), (uint8_t)len, (uint8_t)(len >> 8),
                               (uint8_t)~len, (uint8_t)(~len >> 8)};
    PutBytes(s, header, 5);
    PutBytes(s, s->block, s->blockUsed);
    s->blockUsed = 0;
}

// One byte of the image data (filter bytes and samples).
static void PutRaw(PngStream* s, uint8_t b)
{
    s->adlerA = (s->adlerA + b) % 65521u;
    s->adlerB = (s->adlerB + s->adlerA) % 65521u;
    if (s->blockUsed == STORED_BLOCK_MAX)
        FlushBlock(s, false);
    s->block[s->blockUsed++] = b;
}

bool WritePngFile(const char* path, const uint32_t* pixels, int width, int height, size_t stride)
{
    if (path == nullptr || pixels == nullptr || width <= 0 || height <= 0 || stride < (size_t)width)
        return false;
    // The IDAT length must fit the chunk's 31-bit length field.
    const uint64_t raw = (uint64_t)height * (1 + 3 * (uint64_t)width);
    // A block is written when full and more data follows, so the last one
    // holds 1..STORED_BLOCK_MAX bytes; each block has a 5-byte header.
    const uint64_t blocks = (raw + STORED_BLOCK_MAX - 1) / STORED_BLOCK_MAX;
    const uint64_t idatLength = 2 + 5 * blocks + raw + 4;
    if (idatLength > 0x7FFFFFFFu)
        return false;
    if (!crcTableReady)
        MakeCrcTable();

    static PngStream stream;  // the block buffer is too large for the stack
    PngStream* s = &stream;
    s->file = fopen(path, "wb");
    if (s->file == nullptr)
        return false;
    s->failed = false;
    s->adlerA = 1;
    s->adlerB = 0;
    s->blockUsed = 0;

    static const uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    PutBytes(s, signature, 8);

    BeginChunk(s, "IHDR", 13);
    PutU32(s, (uint32_t)width);
    PutU32(s, (uint32_t)height);
    const uint8_t format[5] = {8, 2, 0, 0, 0};  // 8 bits, RGB, deflate, filter 0, no interlace
    PutBytes(s, format, 5);
    EndChunk(s);

    BeginChunk(s, "IDAT", (uint32_t)idatLength);
    const uint8_t zlibHeader[2] = {0x78, 0x01};
    PutBytes(s, zlibHeader, 2);
    for (int y = 0; y < height && !s->failed; y++) {
        const uint32_t* row = pixels + (size_t)y * stride;
        PutRaw(s, 0);  // filter: none
        for (int x = 0; x < width; x++) {
            PutRaw(s, (uint8_t)(row[x] >> 16));
            PutRaw(s, (uint8_t)(row[x] >> 8));
            PutRaw(s, (uint8_t)row[x]);
        }
    }
    FlushBlock(s, true);
    PutU32(s, (s->adlerB << 16) | s->adlerA);
    EndChunk(s);

    BeginChunk(s, "IEND", 0);
    EndChunk(s);

    const bool closed = fclose(s->file) == 0;
    s->file = nullptr;
    if (s->failed || !closed) {
        remove(path);
        return false;
    }
    return true;
}
