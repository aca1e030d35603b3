// Pictures written as the Windows files the resource compiler embeds.
#pragma once

#include "picture.h"

// Four bits per pixel with the sixteen standard colours; CLEAR is light grey.
bool WriteBitmap16(const char* path, const Picture* picture);
// One bit per pixel: colour 0 black ink (every letter but CLEAR), 1 white.
bool WriteBitmapMono(const char* path, const Picture* picture);
// An icon with one image per picture (square, 32 bits per pixel with an
// AND mask); CLEAR is transparent.
bool WriteIcon(const char* path, const Picture* const* pictures, int count);
