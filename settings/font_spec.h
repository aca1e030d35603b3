// The font a pane is drawn with; the program keeps one in AppState and each
// pane keeps its own copy.
#pragma once

#include "../platform/platform.h"

enum { FACE_NAME_UNITS = 32 };

struct FontSpec {
    WCHAR faceName[FACE_NAME_UNITS];  // zero-terminated; persisted as FontName
    int32_t size;      // lfHeight; 0 lets the platform choose (FontSize)
    int32_t charBase;  // 1488, 224 or 97 (FontAsciiBase)
};
