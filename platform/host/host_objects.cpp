#include <stdlib.h>

#include "host_fonts.h"

// Handles are (generation << 16) | (slot + 1): never null, and a retired
// handle stops matching once its slot's generation moves on. The first
// STOCK_SLOTS slots hold the stock objects at their GetStockObject index.
enum { MAX_SLOTS = 0xFFFF, STOCK_SLOTS = 18, MAX_GENERATION = 0x7FFF };

struct Slot {
    HostObject* object;
    uint16_t generation;
};

static Slot* slots;
static int slotCount;
static int searchFrom = STOCK_SLOTS;
static HostObject stockObjects[STOCK_SLOTS];

static void* HandleOf(int slot)
{
    return (void*)(((uintptr_t)slots[slot].generation << 16) | (uintptr_t)(slot + 1));
}

static void SetStockBrush(int index, COLORREF colour, bool null)
{
    HostObject* o = &stockObjects[index];
    o->kind = HOST_OBJECT_BRUSH;
    o->stock = true;
    o->brush = HostBrush{colour, null};
    slots[index].object = o;
}

static void SetStockPen(int index, COLORREF colour, bool null)
{
    HostObject* o = &stockObjects[index];
    o->kind = HOST_OBJECT_PEN;
    o->stock = true;
    o->pen = HostPen{colour, 1, null};
    slots[index].object = o;
}

static bool EnsureTable()
{
    if (slots != nullptr)
        return true;
    const int initial = 256;
    slots = (Slot*)calloc((size_t)initial, sizeof(Slot));
    if (slots == nullptr)
        return false;
    slotCount = initial;
    for (int i = 0; i < initial; i++)
        slots[i].generation = 1;
    SetStockBrush(WHITE_BRUSH, RGB(255, 255, 255), false);
    SetStockBrush(LTGRAY_BRUSH, RGB(192, 192, 192), false);
    SetStockBrush(GRAY_BRUSH, RGB(128, 128, 128), false);
    SetStockBrush(DKGRAY_BRUSH, RGB(64, 64, 64), false);
    SetStockBrush(BLACK_BRUSH, RGB(0, 0, 0), false);
    SetStockBrush(NULL_BRUSH, RGB(0, 0, 0), true);
    SetStockPen(WHITE_PEN, RGB(255, 255, 255), false);
    SetStockPen(BLACK_PEN, RGB(0, 0, 0), false);
    SetStockPen(NULL_PEN, RGB(0, 0, 0), true);
    // The system font is realised when first used (host_fonts.cpp).
    stockObjects[SYSTEM_FONT].kind = HOST_OBJECT_FONT;
    stockObjects[SYSTEM_FONT].stock = true;
    slots[SYSTEM_FONT].object = &stockObjects[SYSTEM_FONT];
    return true;
}

static int SlotOf(const void* handle)
{
    const uintptr_t v = (uintptr_t)handle;
    if (slots == nullptr || v == 0 || v > 0x7FFFFFFFu)
        return -1;
    const int slot = (int)(v & 0xFFFF) - 1;
    if (slot < 0 || slot >= slotCount || slots[slot].object == nullptr)
        return -1;
    if (slots[slot].generation != (uint16_t)(v >> 16))
        return -1;
    return slot;
}

HostObject* HostLookupAny(const void* handle)
{
    const int slot = SlotOf(handle);
    return slot < 0 ? nullptr : slots[slot].object;
}

HostObject* HostLookup(const void* handle, HostObjectKind kind)
{
    HostObject* o = HostLookupAny(handle);
    return o != nullptr && o->kind == kind ? o : nullptr;
}

static bool Grow()
{
    if (slotCount >= MAX_SLOTS)
        return false;
    int count = slotCount * 2;
    if (count > MAX_SLOTS)
        count = MAX_SLOTS;
    Slot* grown = (Slot*)realloc(slots, (size_t)count * sizeof(Slot));
    if (grown == nullptr)
        return false;
    for (int i = slotCount; i < count; i++)
        grown[i] = Slot{nullptr, 1};
    searchFrom = slotCount;
    slots = grown;
    slotCount = count;
    return true;
}

void* HostAddObject(HostObject* object)
{
    if (object == nullptr)
        return nullptr;
    if (!EnsureTable()) {
        free(object);
        return nullptr;
    }
    for (int pass = 0; pass < 2; pass++) {
        for (int n = 0; n < slotCount - STOCK_SLOTS; n++) {
            const int slot = STOCK_SLOTS + (searchFrom - STOCK_SLOTS + n) % (slotCount - STOCK_SLOTS);
            if (slots[slot].object == nullptr) {
                slots[slot].object = object;
                searchFrom = slot + 1 < slotCount ? slot + 1 : STOCK_SLOTS;
                return HandleOf(slot);
            }
        }
        if (pass == 0 && !Grow())
            break;
    }
    free(object);
    return nullptr;
}

void HostRemoveObject(const void* handle)
{
    const int slot = SlotOf(handle);
    if (slot < STOCK_SLOTS)
        return;
    free(slots[slot].object);
    slots[slot].object = nullptr;
    slots[slot].generation = slots[slot].generation >= MAX_GENERATION ? 1 : slots[slot].generation + 1;
}

static void Destroy(const void* handle)
{
    HostObject* o = HostLookupAny(handle);
    if (o != nullptr && o->kind == HOST_OBJECT_FONT)
        HostDestroyFont(o->font);
    HostRemoveObject(handle);
}

void HostReleaseSelection(const void* handle)
{
    HostObject* o = HostLookupAny(handle);
    if (o == nullptr || o->selections <= 0)
        return;
    o->selections--;
    if (o->selections == 0 && o->deletePending)
        Destroy(handle);
}

HGDIOBJ GetStockObject(int index)
{
    if (index < 0 || index >= STOCK_SLOTS || !EnsureTable() || slots[index].object == nullptr)
        return nullptr;
    return HandleOf(index);
}

static void* AddBrush(COLORREF colour)
{
    HostObject* o = (HostObject*)calloc(1, sizeof(HostObject));
    if (o == nullptr)
        return nullptr;
    o->kind = HOST_OBJECT_BRUSH;
    o->brush = HostBrush{colour, false};
    return HostAddObject(o);
}

HBRUSH CreateSolidBrush(COLORREF colour)
{
    return (HBRUSH)AddBrush(colour);
}

HPEN CreatePen(int style, int width, COLORREF colour)
{
    HostObject* o = (HostObject*)calloc(1, sizeof(HostObject));
    if (o == nullptr)
        return nullptr;
    o->kind = HOST_OBJECT_PEN;
    // Wider pens than this would only cost time; nothing the program draws needs them.
    const int maxWidth = 256;
    const int w = width < 1 ? 1 : width > maxWidth ? maxWidth : width;
    o->pen = HostPen{colour, w, style == PS_NULL};
    return (HPEN)HostAddObject(o);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object)
{
    HostObject* d = HostLookup(dc, HOST_OBJECT_DC);
    HostObject* o = HostLookupAny(object);
    if (d == nullptr || o == nullptr || o->deletePending)
        return nullptr;
    void* previous;
    switch (o->kind) {
    case HOST_OBJECT_FONT:
        previous = d->dc.font;
        d->dc.font = (HFONT)object;
        break;
    case HOST_OBJECT_PEN:
        previous = d->dc.pen;
        d->dc.pen = (HPEN)object;
        break;
    case HOST_OBJECT_BRUSH:
        previous = d->dc.brush;
        d->dc.brush = (HBRUSH)object;
        break;
    default:
        return nullptr;
    }
    o->selections++;
    HostReleaseSelection(previous);
    return previous;
}

BOOL DeleteObject(HGDIOBJ object)
{
    HostObject* o = HostLookupAny(object);
    if (o == nullptr || o->kind == HOST_OBJECT_DC)
        return FALSE;
    if (o->stock)
        return TRUE;
    // As GDI does, an object still selected goes when its last DC lets go.
    if (o->selections > 0) {
        o->deletePending = true;
        return TRUE;
    }
    Destroy(object);
    return TRUE;
}
