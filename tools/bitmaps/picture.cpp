#include "picture.h"

#include <math.h>
#include <string.h>

void ClearPicture(Picture* picture, int width, int height)
{
    picture->width = width < PICTURE_MAX_SIDE ? width : PICTURE_MAX_SIDE;
    picture->height = height < PICTURE_MAX_SIDE ? height : PICTURE_MAX_SIDE;
    memset(picture->at, CLEAR, sizeof picture->at);
}

void Plot(Picture* picture, int x, int y, char colour)
{
    if (x >= 0 && x < picture->width && y >= 0 && y < picture->height)
        picture->at[y][x] = colour;
}

void Paint(Picture* picture, int x, int y, const char* const* rows, int count)
{
    for (int dy = 0; dy < count; dy++)
        for (int dx = 0; rows[dy][dx] != 0; dx++)
            if (rows[dy][dx] != CLEAR)
                Plot(picture, x + dx, y + dy, rows[dy][dx]);
}

void FillDisc(Picture* picture, double cx, double cy, double radius, char colour)
{
    for (int y = 0; y < picture->height; y++)
        for (int x = 0; x < picture->width; x++)
            if (hypot(x + 0.5 - cx, y + 0.5 - cy) <= radius)
                Plot(picture, x, y, colour);
}

void FillStroke(Picture* picture, double x0, double y0, double x1, double y1, double width, char colour)
{
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double length2 = dx * dx + dy * dy;
    for (int y = 0; y < picture->height; y++)
        for (int x = 0; x < picture->width; x++) {
            const double px = x + 0.5 - x0;
            const double py = y + 0.5 - y0;
            double t = length2 > 0 ? (px * dx + py * dy) / length2 : 0;
            t = t < 0 ? 0 : t > 1 ? 1 : t;
            if (hypot(px - t * dx, py - t * dy) <= width / 2)
                Plot(picture, x, y, colour);
        }
}

void MirrorPicture(Picture* picture)
{
    for (int y = 0; y < picture->height; y++)
        for (int x = 0; x < picture->width / 2; x++) {
            const char swap = picture->at[y][x];
            picture->at[y][x] = picture->at[y][picture->width - 1 - x];
            picture->at[y][picture->width - 1 - x] = swap;
        }
}

void Place(Picture* target, const Picture* source, int x, int y)
{
    for (int sy = 0; sy < source->height; sy++)
        for (int sx = 0; sx < source->width; sx++)
            Plot(target, x + sx, y + sy, source->at[sy][sx]);
}
