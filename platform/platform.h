// The one header through which the engine reaches the platform.
// The win build gets the real Win32 API plus our Pocket PC layer; the host
// build gets a small implementation of just the names the engine uses.
#pragma once

#if defined(_WIN32)
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#include <windows.h>
#include "win32/pocketpc.h"
#else
#include "host/host_windows.h"
#endif

#include <stddef.h>
#include <stdint.h>

#include "unit_string.h"
