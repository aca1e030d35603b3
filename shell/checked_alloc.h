// Allocations whose failure leaves the program no way on.
#pragma once

#include <stddef.h>

// malloc, or, when that fails, the message "There is not enough memory,
// aborting" and the out-of-memory shut-down; then null, and the caller
// abandons what it was doing.
void* CheckedAlloc(size_t size);

// What the shut-down does: the main window saves the settings, destroys the
// panes and posts the quit message. Unset (as in the engine's own tests),
// nothing but the message happens.
extern void (*outOfMemoryShutdown)();
