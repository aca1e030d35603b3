#include "palmdoc_reference.h"

#include <stdlib.h>

#include "../../content/section_loader.h"

static BYTE* Reject(BYTE* buffer, int* error, int code)
{
    free(buffer);
    if (error)
        *error = code;
    return nullptr;
}

BYTE* ReferenceUnCompress(const BYTE* input, unsigned compressedLength, unsigned expandedLength, int* error)
{
    if (input == nullptr || expandedLength == 0)
        return Reject(nullptr, error, SECTION_BAD_ARGUMENT);
    const size_t size = (size_t)expandedLength + STREAM_GUARD_BYTES;
    BYTE* out = (BYTE*)malloc(size);
    if (out == nullptr)
        return Reject(nullptr, error, SECTION_LOAD_FAILED);

    // Positions are indices checked against their ends before every access.
    size_t in = 0;
    size_t pos = 0;
    while (in < compressedLength && pos < expandedLength) {
        const unsigned t = input[in++];
        if (t >= 0x01 && t <= 0x08) {
            for (unsigned i = 0; i < t && pos < expandedLength; i++) {
                if (in >= compressedLength)
                    return Reject(out, error, SECTION_BUFFER_ERROR);
                out[pos++] = input[in++];
            }
        } else if (t <= 0x7F) {
            out[pos++] = (BYTE)t;
        } else if (t <= 0xBF) {
            if (in >= compressedLength)
                return Reject(out, error, SECTION_BUFFER_ERROR);
            const unsigned w = (t << 8) | input[in++];
            const size_t distance = (w >> 3) & 0x7FF;
            const unsigned length = (w & 7) + 3;
            if (distance == 0 || distance > pos)
                return Reject(out, error, SECTION_BUFFER_ERROR);
            for (unsigned i = 0; i < length && pos < expandedLength; i++) {
                out[pos] = out[pos - distance];
                pos++;
            }
        } else {
            out[pos++] = ' ';
            if (pos < expandedLength)
                out[pos++] = (BYTE)(t ^ 0x80);
        }
    }
    if (pos != expandedLength)
        return Reject(out, error, SECTION_BUFFER_ERROR);
    for (size_t i = expandedLength; i < size; i++)
        out[i] = 0;
    return out;
}
