#include "font_dialog.h"

#include "../resources/resource_ids.h"
#include "../shell/app_state.h"
#include "../shell/prepare_dialog.h"
#include "../shell/switches.h"
#include "font_choice.h"
#include "font_dialog_state.h"

// The dialog takes the whole screen.
static const DWORD FONT_DIALOG_FIT =
    SHIDIF_SIZEDLG | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN | SHIDIF_FULLSCREENNOMENUBAR;

static FontDialogState fontDialogState;
static WCHAR previewText[PREVIEW_LETTERS + 1];

void FillPreviewText(HWND dialog, int base)
{
    MakePreviewText(previewText, base);
    SetDlgItemTextW(dialog, FONT_PREVIEW, previewText);
}

int CALLBACK AddFontFace(const LOGFONTW* logFont, const TEXTMETRICW* metrics, DWORD fontType, LPARAM data)
{
    return NoteFontFace(&fontDialogState, logFont->lfFaceName, metrics->tmCharSet);
}

void FreeFontFaces()
{
    ReleaseFaceRecords(&fontDialogState);
}

static void FillFaceList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, FONT_FACES_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const FaceRecord* record = fontDialogState.faces; record != nullptr; record = record->next)
        SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)record->faceName);
    // The list reads the name to its terminator: give it a bounded copy.
    WCHAR stored[FACE_NAME_UNITS];
    UnitCopy(stored, FACE_NAME_UNITS, fontDialogState.target->faceName);
    SendMessageW(list, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)stored);
}

static void FillSizeList(HWND dialog)
{
    HWND list = GetDlgItem(dialog, FONT_SIZES_LIST);
    SendMessageW(list, LB_RESETCONTENT, 0, 0);
    const int stored = fontDialogState.target->size;
    int sizes[FONT_SIZE_COUNT + 1];
    const int count = ListedSizes(stored, sizes, FONT_SIZE_COUNT + 1);
    WCHAR text[12];
    for (int i = 0; i < count; i++) {
        FormatSize(text, 12, sizes[i]);
        SendMessageW(list, LB_ADDSTRING, 0, (LPARAM)text);
    }
    // A prefix match: a stored 13 or 100 selects nothing, and OK keeps it.
    if (stored != 0 && FormatSize(text, 12, stored) > 0)
        SendMessageW(list, LB_SELECTSTRING, (WPARAM)-1, (LPARAM)text);
}

void InitFontDialog(HWND dialog, FontSpec* fontSpec)
{
    // The owner's DC serves only the enumeration.
    HWND owner = GetParent(dialog);
    HDC dc = GetDC(owner);
    PrepareDialog(dialog, FONT_DIALOG_FIT);
    ClearFontDialogState(&fontDialogState);
    // A desktop's font mapper weighs the character set above the face name:
    // asked for the ANSI set (0), it passes over a face that has only
    // Hebrew for one that has the ANSI set. Any set lets the name decide.
    fontDialogState.previewLogFont.lfCharSet = DEFAULT_CHARSET;
    fontDialogState.target = fontSpec;
    if (fontSpec->charBase == 0)
        fontSpec->charBase = 1488;
    FillPreviewText(dialog, fontSpec->charBase);
    const int radio = RadioForBase(fontSpec->charBase);
    if (radio != 0)
        CheckDlgButton(dialog, radio, BST_CHECKED);
    if (fontDialogState.faces == nullptr && dc != nullptr)
        EnumFontFamiliesW(dc, nullptr, AddFontFace, 0);
    if (dc != nullptr)
        ReleaseDC(owner, dc);
    FillFaceList(dialog);
    FillSizeList(dialog);
    SetFocus(GetDlgItem(dialog, FONT_FACES_LIST));
}

// Reads the selected entry of a list into text when it fits in capacity
// units with its terminator. Returns 1 when it did.
static int ReadListSelection(HWND dialog, int id, WCHAR* text, int capacity)
{
    HWND list = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (index < 0)
        return 0;
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, (WPARAM)index, 0);
    if (length < 0 || length >= capacity)
        return 0;
    return SendMessageW(list, LB_GETTEXT, (WPARAM)index, (LPARAM)text) >= 0;
}

static void ReadChoice(HWND dialog)
{
    LOGFONTW* logFont = &fontDialogState.previewLogFont;
    WCHAR face[LF_FACESIZE] = {0};
    if (ReadListSelection(dialog, FONT_FACES_LIST, face, LF_FACESIZE))
        UnitCopy(logFont->lfFaceName, LF_FACESIZE, face);
    WCHAR size[SIZE_TEXT_UNITS] = {0};
    if (ReadListSelection(dialog, FONT_SIZES_LIST, size, SIZE_TEXT_UNITS))
        logFont->lfHeight = ReadSizeText(size);
}

// A face whose character set is Hebrew brings the base 1488 with it.
static void FollowHebrewFace(HWND dialog, int mode)
{
    const WCHAR* face = fontDialogState.previewLogFont.lfFaceName;
    if (face[0] == 0 || fontDialogState.faces == nullptr)
        return;
    const FaceRecord* record = FindFaceRecord(&fontDialogState, face);
    if (record == nullptr || record->charSet != HEBREW_CHARSET_VALUE)
        return;
    if (IsDlgButtonChecked(dialog, FONT_BASE_1488) == BST_CHECKED)
        return;
    CheckDlgButton(dialog, FONT_BASE_224, BST_UNCHECKED);
    CheckDlgButton(dialog, FONT_BASE_97, BST_UNCHECKED);
    CheckDlgButton(dialog, FONT_BASE_1488, BST_CHECKED);
    if (!(mode & APPLY_COMMIT))
        FillPreviewText(dialog, 1488);
}

static int MarkedBase(HWND dialog, int current)
{
    if (IsDlgButtonChecked(dialog, FONT_BASE_224) == BST_CHECKED)
        return 224;
    if (IsDlgButtonChecked(dialog, FONT_BASE_97) == BST_CHECKED)
        return 97;
    if (IsDlgButtonChecked(dialog, FONT_BASE_1488) == BST_CHECKED)
        return 1488;
    return current;
}

static void CommitChoice(HWND dialog)
{
    FontSpec* target = fontDialogState.target;
    const LOGFONTW* logFont = &fontDialogState.previewLogFont;
    if (logFont->lfHeight != 0)
        target->size = logFont->lfHeight;
    target->charBase = MarkedBase(dialog, target->charBase);
    if (logFont->lfFaceName[0] != 0)
        UnitCopy(target->faceName, FACE_NAME_UNITS, logFont->lfFaceName);
}

static void MakePreviewFont(HWND dialog)
{
    // The new font goes into the field before the old one is released, so
    // the field never holds a deleted font.
    HFONT old = fontDialogState.previewFont;
    fontDialogState.previewFont = CreateFontIndirectW(&fontDialogState.previewLogFont);
    SendDlgItemMessageW(dialog, FONT_PREVIEW, WM_SETFONT, (WPARAM)fontDialogState.previewFont, TRUE);
    if (old != nullptr)
        DeleteObject(old);
}

void ApplyFontChoice(HWND dialog, int mode)
{
    ReadChoice(dialog);
    if (mode & APPLY_LIST_CHANGED)
        FollowHebrewFace(dialog, mode);
    if (mode & APPLY_COMMIT)
        CommitChoice(dialog);
    else
        MakePreviewFont(dialog);
}

static void PlaceControls(HWND dialog, LPARAM clientSize)
{
    static const int ids[FONT_CONTROL_SLOTS] = {FONT_FACES_LIST, FONT_SIZES_LIST, FONT_PREVIEW,
                                                FONT_BASE_97, FONT_BASE_224, FONT_BASE_1488};
    ControlPlace places[FONT_CONTROL_SLOTS];
    PlaceFontControls(LOWORD(clientSize), HIWORD(clientSize), places);
    for (int i = 0; i < FONT_CONTROL_SLOTS; i++) {
        HWND control = GetDlgItem(dialog, ids[i]);
        if (control != nullptr)
            MoveWindow(control, places[i].x, places[i].y, places[i].width, places[i].height, TRUE);
    }
}

// In full-screen mode the shell's task bar stays hidden while the dialog is
// in front; there is no task bar to find otherwise.
static void KeepTaskBarHidden(WPARAM wParam)
{
    if (LOWORD(wParam) != WA_ACTIVE || !fullScreen)
        return;
    HWND taskBar = FindWindowW(L"HHTaskBar", L"");
    if (taskBar != nullptr)
        ShowWindow(taskBar, SW_HIDE);
}

static void ChooseBase(HWND dialog, int id)
{
    FillPreviewText(dialog, BaseForRadio(id));
    ApplyFontChoice(dialog, APPLY_PREVIEW);
}

static void CloseFontDialog(HWND dialog, int result)
{
    if (result == IDOK)
        ApplyFontChoice(dialog, APPLY_COMMIT);
    FreeFontFaces();
    EndDialog(dialog, result);
}

static void ForgetPreviewFont()
{
    if (fontDialogState.previewFont != nullptr)
        DeleteObject(fontDialogState.previewFont);
    fontDialogState.previewFont = nullptr;
}

static INT_PTR HandleFontCommand(HWND dialog, WPARAM wParam)
{
    const int id = LOWORD(wParam);
    const int code = HIWORD(wParam);
    switch (id) {
    case IDOK: CloseFontDialog(dialog, IDOK); return TRUE;
    case IDCANCEL: CloseFontDialog(dialog, IDCANCEL); return TRUE;
    // Selection changes only: focus moving in or out of a list is no choice.
    case FONT_FACES_LIST:
    case FONT_SIZES_LIST: if (code == LBN_SELCHANGE) ApplyFontChoice(dialog, APPLY_LIST_CHANGED); return FALSE;
    case FONT_BASE_97:
    case FONT_BASE_224:
    case FONT_BASE_1488: if (code == BN_CLICKED) ChooseBase(dialog, id); return FALSE;
    default: return FALSE;
    }
}

INT_PTR CALLBACK FontDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: InitFontDialog(dialog, (FontSpec*)lParam); return FALSE;
    case WM_SIZE: PlaceControls(dialog, lParam); return FALSE;
    case WM_ACTIVATE: KeepTaskBarHidden(wParam); return FALSE;
    case WM_COMMAND: return HandleFontCommand(dialog, wParam);
    case WM_DESTROY: ForgetPreviewFont(); return TRUE;
    default: return FALSE;
    }
}

INT_PTR RunFontDialog(HWND owner, FontSpec* spec)
{
    HRSRC found = FindResourceW(appState.instance, MAKEINTRESOURCEW(IDD_CHOOSE_FONT), (LPCWSTR)RT_DIALOG);
    HGLOBAL loaded = found != nullptr ? LoadResource(appState.instance, found) : nullptr;
    const DLGTEMPLATE* dialogTemplate = loaded != nullptr ? (const DLGTEMPLATE*)LockResource(loaded) : nullptr;
    if (dialogTemplate == nullptr)
        return -1;
    return DialogBoxIndirectParamW(appState.instance, dialogTemplate, owner, FontDialogProc, (LPARAM)spec);
}
