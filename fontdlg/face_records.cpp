#include "font_dialog_state.h"

#include "font_choice.h"

#include <stdlib.h>
#include <string.h>

void ClearFontDialogState(FontDialogState* state)
{
    memset(state, 0, sizeof *state);
    state->facesTail = &state->faces;
}

int AppendFaceRecord(FontDialogState* state, const WCHAR* faceName, BYTE charSet)
{
    if (state->freeFaces == 0) {
        FaceRecord* block = (FaceRecord*)malloc(FACE_BLOCK_RECORDS * sizeof(FaceRecord));
        if (block == nullptr)
            return 0;
        memset(block, 0, FACE_BLOCK_RECORDS * sizeof(FaceRecord));
        block->blockStart = 1;
        state->nextFreeFace = block;
        state->freeFaces = FACE_BLOCK_RECORDS;
    }
    FaceRecord* record = state->nextFreeFace++;
    state->freeFaces--;
    UnitCopy(record->faceName, FACE_NAME_UNITS, faceName);
    record->charSet = charSet;
    *state->facesTail = record;
    state->facesTail = &record->next;
    return 1;
}

FaceRecord* FindFaceRecord(const FontDialogState* state, const WCHAR* name)
{
    for (FaceRecord* record = state->faces; record != nullptr; record = record->next)
        if (UnitCompare(record->faceName, name) == 0)
            return record;
    return nullptr;
}

int NoteFontFace(FontDialogState* state, const WCHAR* faceName, BYTE charSet)
{
    FaceRecord* known = FindFaceRecord(state, faceName);
    if (known == nullptr)
        return AppendFaceRecord(state, faceName, charSet);
    if (charSet == HEBREW_CHARSET_VALUE)
        known->charSet = HEBREW_CHARSET_VALUE;
    return 1;
}

void ReleaseFaceRecords(FontDialogState* state)
{
    // A block's records are consecutive in the list, so the next block
    // starts at the next record marked blockStart; find it before the
    // current block goes.
    FaceRecord* record = state->faces;
    while (record != nullptr) {
        FaceRecord* next = record->next;
        while (next != nullptr && !next->blockStart)
            next = next->next;
        free(record);
        record = next;
    }
    state->faces = nullptr;
    state->facesTail = &state->faces;
    state->nextFreeFace = nullptr;
    state->freeFaces = 0;
}
