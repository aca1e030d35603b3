// Arbitrary bytes taken as a section resource: a ten-byte big-endian header
// and compressed data. LoadSection and UnCompress must accept exactly what
// the plain reference decoder accepts, give the same bytes and error codes,
// end every buffer with zeros and tell the user only of a buffer error.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "content/section_loader.h"
#include "content/uncompress.h"
#include "host/host_test_hooks.h"
#include "tests/support/palmdoc_reference.h"

enum { FUZZ_SECTION = 20 };  // resource 1020, which the book does not use

static void Check(bool ok, const char* what)
{
    if (!ok) {
        fprintf(stderr, "uncompress_fuzz: %s\n", what);
        abort();
    }
}

// One box exactly when the decoder reported a buffer error, none otherwise.
static void CheckMessageBoxes(const BYTE* result, int error)
{
    const bool bufferError = result == nullptr && error == SECTION_BUFFER_ERROR;
    Check(HostMessageBoxCount() == (bufferError ? 1 : 0), "message boxes do not match the outcome");
    if (bufferError) {
        const HostMessageBox* box = HostMessageBoxAt(0);
        Check(box != nullptr && box->owner == nullptr && !box->hasCaption && box->style == MB_OK
                  && UnitCompare(box->text, TEXT("UnCompress() buffer error!")) == 0,
              "wrong buffer error message box");
    }
    HostClearMessageBoxes();
}

// result and its code against the reference decoder's on the same input.
static void CheckAgainstReference(const BYTE* result, int error, const BYTE* input, unsigned compressedLength,
                                  unsigned expandedLength)
{
    int referenceError = -1;
    BYTE* expected = ReferenceUnCompress(input, compressedLength, expandedLength, &referenceError);
    Check((result == nullptr) == (expected == nullptr), "one decoder failed and the other did not");
    if (expected != nullptr) {
        Check(memcmp(result, expected, expandedLength) == 0, "output differs from the reference");
        for (unsigned i = 0; i < STREAM_GUARD_BYTES; i++)
            Check(result[expandedLength + i] == 0, "guard bytes are not zero");
    } else {
        Check(error == referenceError, "error code differs from the reference");
    }
    free(expected);
}

static void FuzzLoadSection(const uint8_t* data, size_t size)
{
    // A copy of exactly the input's size, so that a read past the resource
    // is caught; size 0 stays a present but empty resource.
    BYTE* resource = (BYTE*)malloc(size != 0 ? size : 1);
    Check(resource != nullptr, "out of memory");
    if (size != 0)
        memcpy(resource, data, size);
    HostSetResource(SECTION_RESOURCE_BASE + FUZZ_SECTION, resource, (DWORD)size);

    int error = -1;
    BYTE* loaded = LoadSection(FUZZ_SECTION, &error);
    CheckMessageBoxes(loaded, error);

    // What the loader must do, worked out from the bytes alone.
    if (size == 0) {
        Check(loaded == nullptr && error == SECTION_LOAD_FAILED, "empty resource not refused");
    } else if (size < SECTION_HEADER_BYTES) {
        Check(loaded == nullptr && error == SECTION_BAD_HEADER, "short resource not refused");
    } else {
        const SectionResourceHeader header = ReadSectionHeader(resource);
        const unsigned blockLength = (unsigned)((data[0] << 8) | data[1]);
        const unsigned compressedLength = (unsigned)((data[6] << 8) | data[7]);
        const unsigned expandedLength = (unsigned)((data[8] << 8) | data[9]);
        Check(header.blockLength == blockLength && header.compressedLength == compressedLength
                  && header.expandedLength == expandedLength,
              "header read wrongly");
        if (blockLength < 5 || compressedLength == 0 || compressedLength > size - SECTION_HEADER_BYTES)
            Check(loaded == nullptr && error == SECTION_BAD_HEADER, "bad header not refused");
        else
            CheckAgainstReference(loaded, error, resource + SECTION_HEADER_BYTES, compressedLength, expandedLength);
    }
    free(loaded);
    HostSetResource(SECTION_RESOURCE_BASE + FUZZ_SECTION, nullptr, 0);
    free(resource);
}

// UnCompress on its own, without the loader's header checks: any expanded
// length, including 0, and the compressed length cut to the bytes present.
static void FuzzUnCompress(const uint8_t* data, size_t size)
{
    if (size < SECTION_HEADER_BYTES) {
        int error = -1;
        BYTE* result = UnCompress(nullptr, (unsigned)size, 1, &error);
        Check(result == nullptr && error == SECTION_BAD_ARGUMENT, "no input not refused");
        CheckMessageBoxes(result, error);
        return;
    }
    const SectionResourceHeader header = ReadSectionHeader(data);
    const size_t present = size - SECTION_HEADER_BYTES;
    const unsigned compressedLength = header.compressedLength < present ? header.compressedLength : (unsigned)present;
    // Exactly compressedLength bytes, so that a read past the end is caught.
    BYTE* input = (BYTE*)malloc(compressedLength != 0 ? compressedLength : 1);
    Check(input != nullptr, "out of memory");
    memcpy(input, data + SECTION_HEADER_BYTES, compressedLength);

    int error = -1;
    BYTE* result = UnCompress(input, compressedLength, header.expandedLength, &error);
    CheckMessageBoxes(result, error);
    CheckAgainstReference(result, error, input, compressedLength, header.expandedLength);
    free(result);
    free(input);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    HostClearMessageBoxes();
    FuzzLoadSection(data, size);
    FuzzUnCompress(data, size);
    return 0;
}
