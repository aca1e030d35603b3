#include "uncompress.h"

#include <stdlib.h>
#include <string.h>

#include "section_loader.h"

static BYTE* Fail(BYTE* buffer, int* error)
{
    free(buffer);
    MessageBoxW(nullptr, TEXT("UnCompress() buffer error!"), nullptr, MB_OK);
    if (error)
        *error = SECTION_BUFFER_ERROR;
    return nullptr;
}

BYTE* UnCompress(const BYTE* input, unsigned compressedLength, unsigned expandedLength, int* error)
{
    if (input == nullptr || expandedLength == 0) {
        if (error)
            *error = SECTION_BAD_ARGUMENT;
        return nullptr;
    }
    BYTE* start = (BYTE*)malloc((size_t)expandedLength + STREAM_GUARD_BYTES);
    if (start == nullptr) {
        if (error)
            *error = SECTION_LOAD_FAILED;
        return nullptr;
    }

    const BYTE* in = input;
    const BYTE* const inEnd = input + compressedLength;
    BYTE* out = start;
    BYTE* const outEnd = start + expandedLength;

    while (in < inEnd && out < outEnd) {
        const unsigned t = *in++;
        if (t >= 0x09 && t <= 0x7F) {
            *out++ = (BYTE)t;
        } else if (t >= 0xC0) {
            *out++ = ' ';
            if (out == outEnd)
                break;
            *out++ = (BYTE)(t ^ 0x80);
        } else if (t >= 0x80) {
            if (in == inEnd)
                return Fail(start, error);
            const unsigned w = (t << 8) | *in++;
            const size_t distance = (w >> 3) & 0x7FF;
            size_t length = (w & 7) + 3;
            const size_t written = (size_t)(out - start);
            if (distance == 0 || distance > written)
                return Fail(start, error);
            const size_t room = (size_t)(outEnd - out);
            const BYTE* from = out - distance;
            if (distance >= 8 && room >= 16) {
                // Two word copies serve any length up to 10: with a distance
                // of at least 8 the second word reads only bytes the first
                // has already written. Bytes past length are scratch that
                // later tokens overwrite; room >= 16 keeps them in the buffer.
                memcpy(out, from, 8);
                memcpy(out + 8, from + 8, 8);
                out += length;
            } else {
                if (length > room)
                    length = room;
                // Byte by byte, so that a short distance repeats its pattern.
                for (size_t i = 0; i < length; i++)
                    out[i] = from[i];
                out += length;
            }
        } else if (t == 0) {
            *out++ = 0;
        } else {
            // A run of t literals, cut where the output is full.
            size_t length = t;
            const size_t room = (size_t)(outEnd - out);
            if (length > room)
                length = room;
            if (length > (size_t)(inEnd - in))
                return Fail(start, error);
            memcpy(out, in, length);
            in += length;
            out += length;
        }
    }

    if (out != outEnd)
        return Fail(start, error);
    memset(outEnd, 0, STREAM_GUARD_BYTES);
    return start;
}
