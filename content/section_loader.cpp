#include "section_loader.h"

#include "uncompress.h"

static uint16_t ReadBigEndian16(const BYTE* p)
{
    return (uint16_t)((p[0] << 8) | p[1]);
}

SectionResourceHeader ReadSectionHeader(const BYTE* data)
{
    SectionResourceHeader header;
    header.blockLength = ReadBigEndian16(data);
    header.reserved1 = ReadBigEndian16(data + 2);
    header.reserved2 = ReadBigEndian16(data + 4);
    header.compressedLength = ReadBigEndian16(data + 6);
    header.expandedLength = ReadBigEndian16(data + 8);
    return header;
}

static BYTE* Refuse(int* error, int code)
{
    if (error)
        *error = code;
    return nullptr;
}

BYTE* LoadSection(int section, int* error)
{
    if (section < 1)
        return nullptr;
    const WORD id = (WORD)((SECTION_RESOURCE_BASE + section) & 0xFFFF);
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), RT_RCDATA);
    if (found == nullptr)
        return Refuse(error, SECTION_NOT_FOUND);
    const DWORD size = SizeofResource(nullptr, found);
    HGLOBAL loaded = size != 0 ? LoadResource(nullptr, found) : nullptr;
    const BYTE* data = loaded != nullptr ? (const BYTE*)LockResource(loaded) : nullptr;
    if (data == nullptr)
        return Refuse(error, SECTION_LOAD_FAILED);

    // The lengths must describe bytes that the resource really holds.
    if (size < SECTION_HEADER_BYTES)
        return Refuse(error, SECTION_BAD_HEADER);
    const SectionResourceHeader header = ReadSectionHeader(data);
    if (header.blockLength < 5 || header.compressedLength == 0
        || header.compressedLength > size - SECTION_HEADER_BYTES)
        return Refuse(error, SECTION_BAD_HEADER);

    return UnCompress(data + SECTION_HEADER_BYTES, header.compressedLength, header.expandedLength, error);
}
