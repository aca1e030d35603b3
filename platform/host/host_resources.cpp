#include "host_resource_table.h"
#include "host_test_hooks.h"

// Resources set by tests come first; a removed one hides nothing.
enum { MAX_OVERRIDES = 32 };
static HostResource overrides[MAX_OVERRIDES];
static bool overrideUsed[MAX_OVERRIDES];

void HostSetResource(WORD id, const BYTE* bytes, DWORD size)
{
    int freeSlot = -1;
    for (int i = 0; i < MAX_OVERRIDES; i++) {
        if (overrideUsed[i] && overrides[i].id == id) {
            overrideUsed[i] = false;
            freeSlot = i;
        } else if (!overrideUsed[i] && freeSlot < 0) {
            freeSlot = i;
        }
    }
    if (bytes == nullptr && size == 0)
        return;
    if (freeSlot < 0)
        return;
    overrides[freeSlot] = HostResource{id, bytes, size};
    overrideUsed[freeSlot] = true;
}

static bool IsRcData(LPCWSTR type)
{
    return IS_INTRESOURCE(type) && (uintptr_t)type == 10;
}

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type)
{
    if (module != nullptr || !IS_INTRESOURCE(name) || !IsRcData(type))
        return nullptr;
    const WORD id = (WORD)(uintptr_t)name;
    for (int i = 0; i < MAX_OVERRIDES; i++)
        if (overrideUsed[i] && overrides[i].id == id)
            return (HRSRC)&overrides[i];
    for (size_t i = 0; i < hostResourceCount; i++)
        if (hostResourceTable[i].id == id)
            return (HRSRC)&hostResourceTable[i];
    return nullptr;
}

DWORD SizeofResource(HMODULE, HRSRC resource)
{
    return resource != nullptr ? ((const HostResource*)resource)->size : 0;
}

HGLOBAL LoadResource(HMODULE, HRSRC resource)
{
    return resource != nullptr ? (HGLOBAL)((const HostResource*)resource)->bytes : nullptr;
}

LPVOID LockResource(HGLOBAL data)
{
    return data;
}
