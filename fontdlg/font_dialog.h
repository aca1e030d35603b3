// The Choose Font dialog (dialog resource 105): face, size and character
// base of a FontSpec, with a preview of the alphabet.
#pragma once

#include "../platform/platform.h"
#include "../settings/font_spec.h"

enum {
    APPLY_PREVIEW = 0,
    APPLY_COMMIT = 1,        // write the choice into the target
    APPLY_LIST_CHANGED = 2,  // after a list selection: a Hebrew face switches the base to 1488
};

// Runs the dialog (resource IDD_CHOOSE_FONT) modally over owner with the
// resources of appState.instance. Returns IDOK after OK, when spec holds the choice;
// IDCANCEL after Cancel, when spec is as it was, except that a charBase of 0
// has become 1488 on opening; -1 when the dialog could not be made.
// @param[in,out] spec
INT_PTR RunFontDialog(HWND owner, FontSpec* spec);

// The dialog's pieces, named for what the dialog procedure does with them.
INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
void InitFontDialog(HWND dialog, FontSpec* fontSpec);
void FillPreviewText(HWND dialog, int base);
void ApplyFontChoice(HWND dialog, int mode);
int CALLBACK AddFontFace(const LOGFONTW* logFont, const TEXTMETRICW* metrics, DWORD fontType, LPARAM data);
void FreeFontFaces();
