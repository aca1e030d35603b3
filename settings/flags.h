// The 32-bit settings word and its fields.
#pragma once

#include <stdint.h>

enum : uint32_t {
    FLAGS_DEFAULT = 0xD1140040u,
    FLAG_REVERSE = 0x00000800u,       // reverse every drawn run, brackets mirrored
    FLAG_SCROLLBARS = 0x000000C0u,
    FLAG_TAP_VERTICAL = 0x10000000u,
    FLAG_TAP_PAGING = 0x80000000u,
};
