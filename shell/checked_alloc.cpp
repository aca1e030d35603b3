#include "checked_alloc.h"

#include <stdlib.h>

#include "../platform/platform.h"

void (*outOfMemoryShutdown)();

void* CheckedAlloc(size_t size)
{
    void* block = malloc(size);
    if (block != nullptr)
        return block;
    MessageBoxW(nullptr, TEXT("There is not enough memory, aborting"), TEXT("Error"), MB_ICONHAND);
    if (outOfMemoryShutdown != nullptr)
        outOfMemoryShutdown();
    return nullptr;
}
