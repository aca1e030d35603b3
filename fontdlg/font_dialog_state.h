// The Choose Font dialog's one state record and its list of face records.
// The list is plain data so that both builds can exercise it.
#pragma once

#include "../platform/platform.h"
#include "../settings/font_spec.h"

enum { FACE_BLOCK_RECORDS = 25 };

struct FaceRecord {
    FaceRecord* next;
    WCHAR faceName[FACE_NAME_UNITS];
    BYTE charSet;     // tmCharSet the enumeration reported for the face
    BYTE blockStart;  // 1 on the first record of each block of 25
};

struct FontDialogState {
    FaceRecord* faces;       // in enumeration order
    FaceRecord** facesTail;  // the next field the coming record goes into; &faces when empty
    FaceRecord* nextFreeFace;
    HFONT previewFont;       // set into the preview field; released by the next preview or WM_DESTROY
    int freeFaces;           // records left in the current block
    LOGFONTW previewLogFont; // lfHeight and lfFaceName from the lists; lfCharSet DEFAULT_CHARSET
    FontSpec* target;        // what the dialog edits
};

// Zeroes the state and makes its face list empty.
void ClearFontDialogState(FontDialogState* state);

// Appends a face, taking a new block of FACE_BLOCK_RECORDS zeroed records
// when the current one is used up. Returns 1, or 0 when no block could be
// had (the list keeps what it holds).
int AppendFaceRecord(FontDialogState* state, const WCHAR* faceName, BYTE charSet);

// The first record whose faceName equals name exactly, or null.
FaceRecord* FindFaceRecord(const FontDialogState* state, const WCHAR* name);

// Records a face the enumeration reported. Some platforms report a family
// once for each character set it covers; the list keeps one record per
// family, marked Hebrew when any of its reports was. Returns 1 to go on, or
// 0 when no block could be had.
int NoteFontFace(FontDialogState* state, const WCHAR* faceName, BYTE charSet);

// Releases every block of face records and makes the list empty. The
// preview font, its logical font and the target stay: the dialog still
// needs them until it is destroyed.
void ReleaseFaceRecords(FontDialogState* state);
