// A small picture as a grid of colour letters, and what draws into it.
#pragma once

enum { PICTURE_MAX_SIDE = 96 };

// Colour letters. In a tool-bar bitmap CLEAR is the light grey that the tool
// bar turns into its button face; in an icon it is transparent; in a
// one-bit picture it is white paper and every other letter black ink.
enum : char {
    CLEAR = '.',
    BLACK = 'k',
    WHITE = 'w',
    GREY = 'g',        // 808080
    NAVY = 'n',        // 000080
    BLUE = 'B',        // 0000FF
    MAROON = 'r',      // 800000
    RED = 'R',         // FF0000
    GREEN = 'G',       // 008000
    AQUA = 'c',        // 00FFFF
    YELLOW = 'y',      // FFFF00
    OLIVE = 'o',       // 808000
};

struct Picture {
    int width;
    int height;
    char at[PICTURE_MAX_SIDE][PICTURE_MAX_SIDE];  // [y][x]
};

// A clear picture; sides are clamped to PICTURE_MAX_SIDE.
void ClearPicture(Picture* picture, int width, int height);
// Plots are clipped to the picture.
void Plot(Picture* picture, int x, int y, char colour);
// rows: height strings of width letters, copied with their top left at (x, y).
void Paint(Picture* picture, int x, int y, const char* const* rows, int count);
// Every pixel whose centre lies within radius of (cx, cy).
void FillDisc(Picture* picture, double cx, double cy, double radius, char colour);
// Every pixel whose centre lies within half of width of the segment.
void FillStroke(Picture* picture, double x0, double y0, double x1, double y1, double width, char colour);
// The picture mirrored left to right.
void MirrorPicture(Picture* picture);
// Copies source into target with its top left at (x, y).
void Place(Picture* target, const Picture* source, int x, int y);
