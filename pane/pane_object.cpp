// Making, resizing, re-fonting and destroying a pane, and growing its lines.
#include <stdlib.h>
#include <string.h>

#include "text_pane.h"

TextPane* CreateTextPane(HDC dc, const RECT* rect, const FontSpec* spec, int capacity)
{
    if (dc == nullptr)
        return nullptr;
    TextPane* pane = (TextPane*)calloc(1, sizeof(TextPane));
    if (pane == nullptr)
        return nullptr;
    pane->dc = dc;
    if (spec != nullptr)
        pane->fontSpec = *spec;
    if (rect != nullptr) {
        pane->x = rect->left;
        pane->y = rect->top;
        pane->width = rect->right - rect->left;
        pane->height = rect->bottom - rect->top;
    }
    if (capacity > 0) {
        if (capacity > MAX_LINE_CAPACITY)
            capacity = MAX_LINE_CAPACITY;
        // One spare record for the closing zero record.
        pane->lines = (LineRecord*)calloc((size_t)capacity + 1, sizeof(LineRecord));
        if (pane->lines != nullptr)
            pane->lineCapacity = (uint16_t)capacity;
    }
    return pane;
}

int ResizeTextPane(TextPane* pane, int width, int height)
{
    if (pane == nullptr)
        return -1;
    if (width <= 0 || height <= 0)
        return PANE_BAD_SIZE;
    pane->width = width;
    pane->height = height;
    return LayoutText(pane, pane->text, 0);
}

int SetPaneFont(TextPane* pane, const FontSpec* spec)
{
    if (pane == nullptr)
        return -1;
    if (spec == nullptr) {
        for (FontCacheEntry* entry = pane->fontCache; entry != nullptr; entry = entry->next) {
            if (entry->font != nullptr)
                DeleteObject(entry->font);
            entry->font = nullptr;
        }
        return 0;
    }
    pane->fontSpec = *spec;
    for (FontCacheEntry* entry = pane->fontCache; entry != nullptr; entry = entry->next) {
        if (entry->font != nullptr)
            DeleteObject(entry->font);
        CreateStyleFont(pane, entry, entry->style);
    }
    if (LayoutText(pane, pane->text, 0) != 0)
        return 1;
    return PaintPane(pane, 1);
}

void DestroyTextPane(TextPane* pane, int freeRecord)
{
    if (pane == nullptr)
        return;
    free(pane->text);
    pane->text = nullptr;
    free(pane->lines);
    pane->lines = nullptr;
    pane->lineCapacity = 0;
    pane->lineCount = 0;
    pane->totalLines = 0;
    pane->maxTopLine = 0;
    SetPaneFont(pane, nullptr);
    // Nothing reads the entries once their fonts are gone.
    FontCacheEntry* entry = pane->fontCache;
    while (entry != nullptr) {
        FontCacheEntry* next = entry->next;
        free(entry);
        entry = next;
    }
    pane->fontCache = nullptr;
    pane->widthTable = nullptr;
    if (freeRecord)
        free(pane);
}

int GrowLines(TextPane* pane, int index)
{
    if (pane == nullptr)
        return -1;
    const int capacity = pane->lineCapacity;
    int grown = capacity + LINE_GROWTH;
    if (grown > MAX_LINE_CAPACITY)
        grown = MAX_LINE_CAPACITY;
    LineRecord* lines = grown > capacity ? (LineRecord*)malloc(((size_t)grown + 1) * sizeof(LineRecord)) : nullptr;
    if (lines == nullptr) {
        if (pane->lines != nullptr && index >= 0 && index <= capacity)
            memset(&pane->lines[index], 0, sizeof(LineRecord));
        return LINES_NO_MEMORY;
    }
    if (pane->lines != nullptr && capacity > 0)
        memcpy(lines, pane->lines, (size_t)capacity * sizeof(LineRecord));
    free(pane->lines);
    pane->lines = lines;
    pane->lineCapacity = (uint16_t)grown;
    return 0;
}
