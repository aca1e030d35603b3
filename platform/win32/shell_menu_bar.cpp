// SHCreateMenuBar: a bar along the bottom of the parent, its drop-down
// buttons read from a menu-bar template.
#include <string.h>

#include "pocket_bar.h"

enum { TEMPLATE_HEADER_WORDS = 2, TEMPLATE_BUTTON_WORDS = 7 };

// One button of the template, in its word order.
struct TemplateButton {
    int image;
    int command;
    int state;
    int style;
    int stringId;
    int reserved;
    int submenu;
};

struct MenuBarTemplate {
    int menuId;
    int count;
    TemplateButton buttons[BAR_MAX_MENUS];
};

static BOOL ReadTemplate(HINSTANCE instance, UINT id, MenuBarTemplate* out)
{
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), (LPCWSTR)RT_RCDATA);
    if (found == nullptr)
        return FALSE;
    const DWORD bytes = SizeofResource(instance, found);
    HGLOBAL loaded = LoadResource(instance, found);
    const WORD* words = loaded != nullptr ? (const WORD*)LockResource(loaded) : nullptr;
    if (words == nullptr || bytes < TEMPLATE_HEADER_WORDS * sizeof(WORD))
        return FALSE;
    out->menuId = words[0];
    out->count = words[1];
    if (out->count > BAR_MAX_MENUS ||
        bytes < (TEMPLATE_HEADER_WORDS + (DWORD)out->count * TEMPLATE_BUTTON_WORDS) * sizeof(WORD))
        return FALSE;
    for (int i = 0; i < out->count; i++) {
        const WORD* w = words + TEMPLATE_HEADER_WORDS + i * TEMPLATE_BUTTON_WORDS;
        TemplateButton* b = &out->buttons[i];
        b->image = (short)w[0];
        b->command = w[1];
        b->state = w[2];
        b->style = w[3];
        b->stringId = w[4];
        b->reserved = w[5];
        b->submenu = w[6];
    }
    return TRUE;
}

// Every button needs its popup and, when it names one, its text.
static BOOL CheckTemplate(HINSTANCE instance, const MenuBarTemplate* bar, HMENU menu)
{
    WCHAR text[BAR_TEXT_UNITS];
    for (int i = 0; i < bar->count; i++) {
        const TemplateButton* b = &bar->buttons[i];
        if (GetSubMenu(menu, b->submenu) == nullptr)
            return FALSE;
        if (b->stringId != 0 && LoadStringW(instance, b->stringId, text, BAR_TEXT_UNITS) <= 0)
            return FALSE;
    }
    return TRUE;
}

static BOOL AddTemplateButtons(HINSTANCE instance, PocketBar* bar, const MenuBarTemplate* source)
{
    WCHAR text[BAR_TEXT_UNITS];
    for (int i = 0; i < source->count; i++) {
        const TemplateButton* b = &source->buttons[i];
        text[0] = 0;
        if (b->stringId != 0)
            LoadStringW(instance, b->stringId, text, BAR_TEXT_UNITS);
        if (!AddBarMenuButton(bar, i, b->command, b->submenu, text, (BYTE)b->style))
            return FALSE;
        if (!(b->state & TBSTATE_ENABLED))
            SendMessageW(bar->toolBar, TB_ENABLEBUTTON, b->command, FALSE);
    }
    return TRUE;
}

BOOL SHCreateMenuBar(SHMENUBARINFO* info)
{
    if (info == nullptr || info->cbSize != sizeof *info) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->hwndMB = nullptr;
    MenuBarTemplate source;
    if ((info->dwFlags & ~(DWORD)SHCMBF_HIDESIPBUTTON) != 0 || !IsWindow(info->hwndParent) ||
        !ReadTemplate(info->hInstRes, info->nToolBarId, &source)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    HMENU menu = LoadMenuW(info->hInstRes, MAKEINTRESOURCEW(source.menuId));
    if (menu == nullptr)
        return FALSE;
    if (!CheckTemplate(info->hInstRes, &source, menu)) {
        DestroyMenu(menu);
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return FALSE;
    }
    HWND window = CreatePocketBar(info->hwndParent, 1, (int)info->nToolBarId, TRUE);
    PocketBar* bar = FindPocketBar(window);
    if (bar == nullptr) {
        DestroyMenu(menu);
        return FALSE;
    }
    bar->menu = menu;  // the bar owns it from here
    if (!AddTemplateButtons(info->hInstRes, bar, &source)) {
        DestroyWindow(window);
        return FALSE;
    }
    if (info->nBmpId != 0 && info->cBmpImages > 0) {
        TBADDBITMAP images = {info->hInstRes, (UINT_PTR)info->nBmpId};
        SendMessageW(bar->toolBar, TB_ADDBITMAP, info->cBmpImages, (LPARAM)&images);
    }
    PlacePocketBar(bar);
    info->hwndMB = window;
    return TRUE;
}
