#include "palmdoc_compress.h"

enum {
    WINDOW = 2047,
    MIN_MATCH = 3,
    MAX_MATCH = 10,
    HASH_BITS = 12,
    MAX_CHAIN = 256,
};

static unsigned Hash3(const uint8_t* p)
{
    return ((p[0] << 8) ^ (p[1] << 4) ^ p[2]) & ((1u << HASH_BITS) - 1);
}

static bool StandsAlone(uint8_t b)
{
    return b == 0 || (b >= 0x09 && b <= 0x7F);
}

struct Matcher {
    std::vector<int> head;  // newest position for each hash, -1 if none
    std::vector<int> prev;  // previous position with the same hash
};

static void Insert(Matcher& m, const uint8_t* data, size_t size, size_t pos)
{
    if (pos + MIN_MATCH > size)
        return;
    const unsigned h = Hash3(data + pos);
    m.prev[pos] = m.head[h];
    m.head[h] = (int)pos;
}

// Longest match for pos among earlier positions within the window.
static size_t FindMatch(const Matcher& m, const uint8_t* data, size_t size, size_t pos, size_t* distance)
{
    if (pos + MIN_MATCH > size)
        return 0;
    const size_t limit = size - pos < (size_t)MAX_MATCH ? size - pos : (size_t)MAX_MATCH;
    size_t best = 0;
    int candidate = m.head[Hash3(data + pos)];
    for (int chain = 0; candidate >= 0 && chain < MAX_CHAIN; chain++) {
        const size_t d = pos - (size_t)candidate;
        if (d > WINDOW)
            break;
        size_t n = 0;
        while (n < limit && data[candidate + n] == data[pos + n])
            n++;
        if (n > best) {
            best = n;
            *distance = d;
            if (n == limit)
                break;
        }
        candidate = m.prev[candidate];
    }
    return best >= MIN_MATCH ? best : 0;
}

std::vector<uint8_t> PalmDocCompress(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> out;
    Matcher m;
    m.head.assign(1u << HASH_BITS, -1);
    m.prev.assign(size, -1);

    size_t pos = 0;
    while (pos < size) {
        size_t distance = 0;
        size_t length = FindMatch(m, data, size, pos, &distance);
        // One step of lazy matching: a longer match starting at the next
        // byte is worth a literal here.
        if (length > 0 && length < MAX_MATCH && pos + 1 < size) {
            Insert(m, data, size, pos);
            size_t nextDistance = 0;
            const size_t next = FindMatch(m, data, size, pos + 1, &nextDistance);
            m.head[Hash3(data + pos)] = m.prev[pos];  // undo; inserted again below
            if (next > length + 1)
                length = 0;
        }
        if (length > 0) {
            const unsigned w = 0x8000u | ((unsigned)distance << 3) | (unsigned)(length - MIN_MATCH);
            out.push_back((uint8_t)(w >> 8));
            out.push_back((uint8_t)w);
            for (size_t i = 0; i < length; i++)
                Insert(m, data, size, pos + i);
            pos += length;
        } else if (data[pos] == ' ' && pos + 1 < size && data[pos + 1] >= 0x40 && data[pos + 1] <= 0x7F) {
            out.push_back((uint8_t)(data[pos + 1] ^ 0x80));
            Insert(m, data, size, pos);
            Insert(m, data, size, pos + 1);
            pos += 2;
        } else if (StandsAlone(data[pos])) {
            out.push_back(data[pos]);
            Insert(m, data, size, pos);
            pos++;
        } else {
            // Gather the bytes that need a literal run, up to eight.
            size_t n = 0;
            while (n < 8 && pos + n < size && !StandsAlone(data[pos + n]))
                n++;
            out.push_back((uint8_t)n);
            for (size_t i = 0; i < n; i++) {
                out.push_back(data[pos + i]);
                Insert(m, data, size, pos + i);
            }
            pos += n;
        }
    }
    return out;
}

std::vector<uint8_t> MakeSectionResource(const std::vector<uint8_t>& compressed, size_t expandedLength,
                                         uint16_t reserved1, uint16_t reserved2)
{
    std::vector<uint8_t> out;
    if (compressed.empty() || compressed.size() > 0xFFFF || expandedLength == 0 || expandedLength > 0xFFFF)
        return out;
    const size_t blockLength = compressed.size() + 8;
    if (blockLength > 0xFFFF)
        return out;
    const uint16_t fields[5] = {(uint16_t)blockLength, reserved1, reserved2, (uint16_t)compressed.size(),
                                (uint16_t)expandedLength};
    for (uint16_t f : fields) {
        out.push_back((uint8_t)(f >> 8));
        out.push_back((uint8_t)f);
    }
    out.insert(out.end(), compressed.begin(), compressed.end());
    out.insert(out.end(), 4, 0);
    return out;
}
