// The RCDATA resources compiled into a host executable. Each executable
// links one generated table (tools/embed) made from the same files that its
// .rc file embeds in the win build.
#pragma once

#include "host_windows.h"

struct HostResource {
    WORD id;
    const BYTE* bytes;
    DWORD size;
};

extern const HostResource hostResourceTable[];
extern const size_t hostResourceCount;
