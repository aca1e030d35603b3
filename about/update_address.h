// The address of the update request: the maker's server, the upgrade page,
// the product path for the p key (encoded as a query value) and the version
// for the v key.
#pragma once

#include "../platform/platform.h"

enum { UPDATE_ADDRESS_UNITS = 200 };

// Appends text to out at *length as a query value: a space becomes "+";
// digits, ASCII letters, "." and "/" stay; any other unit becomes "%" and its
// value in upper-case hexadecimal, at least two digits.
// Returns 1, or 0 when out (capacity units with the terminator) has no room;
// then out is cut back to what it held before.
// @param[in,out] length  units in out before and after
int AppendQueryValue(WCHAR* out, int capacity, int* length, const WCHAR* text);

// Builds server + "/cgi-bin/upgrade?p=arm/" + the encoded product path +
// "&v=" + the version, server being scheme and host without a final "/".
// Returns the length, or -1 with out empty when it would not fit capacity
// units (a cut address would ask the wrong question).
int BuildUpdateAddress(WCHAR* out, int capacity, const WCHAR* server);

// The product path and version the request names.
extern const WCHAR UPDATE_PRODUCT_PATH[];
extern const WCHAR UPDATE_VERSION[];
