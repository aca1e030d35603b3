#include "font_dialog_state.h"

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

const FaceRecord* FindFaceRecord(const FontDialogState* state, const WCHAR* name)
{
    for (const FaceRecord* record = state->faces; record != nullptr; record = record->next)
        if (UnitCompare(record->faceName, name) == 0)
            return record;
    return nullptr;
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
