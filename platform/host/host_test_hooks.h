// Hooks that tests of the host build use to look at and steer the host layer.
#pragma once

#include "../platform.h"

// One recorded MessageBoxW call. Texts longer than the arrays are cut.
struct HostMessageBox {
    HWND owner;
    WCHAR text[256];
    WCHAR caption[64];
    bool hasCaption;  // false when the caller passed a null caption
    UINT style;
};

int HostMessageBoxCount();
// The i-th recorded box since the last clear, oldest first; null when out of range.
const HostMessageBox* HostMessageBoxAt(int i);
void HostClearMessageBoxes();
// The value that the next MessageBoxW calls return.
void HostSetMessageBoxAnswer(int answer);

// Adds or replaces a resource of type RCDATA for the rest of the process,
// in front of the compiled-in ones; size 0 with null bytes removes it again.
// The bytes are not copied and must outlive their use.
void HostSetResource(WORD id, const BYTE* bytes, DWORD size);
