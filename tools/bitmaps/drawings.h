// The program's pictures, drawn into Pictures.
#pragma once

#include "picture.h"

// 96 x 16: previous, index, next, font, search, search again.
void DrawToolButtons(Picture* strip);
// The program's icon at its two sizes.
void DrawIcon32(Picture* picture);
void DrawIcon16(Picture* picture);
// 9 x 9 glyphs of the index tree: a closed folder, an open one, a section.
void DrawTreePlus(Picture* picture);
void DrawTreeMinus(Picture* picture);
void DrawTreePage(Picture* picture);
