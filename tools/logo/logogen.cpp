// Draws the About box's logo, a quill over an open book that shows bet and
// alef, and writes it as a one-bit-per-pixel BMP of 29 x 33 pixels.
//   logogen OUT.bmp
#include <math.h>
#include <stdint.h>
#include <stdio.h>
#include <string.h>

enum { WIDTH = 29, HEIGHT = 33, SPINE = 14 };

static bool ink[HEIGHT][WIDTH];

static void Plot(int x, int y)
{
    if (x >= 0 && x < WIDTH && y >= 0 && y < HEIGHT)
        ink[y][x] = true;
}

// Both pages at once: x on the left page and its mirror on the right.
static void PlotPages(int x, int y)
{
    Plot(x, y);
    Plot(2 * SPINE - x, y);
}

static void DrawLine(int x0, int y0, int x1, int y1)
{
    const int steps = 60;
    for (int i = 0; i <= steps; i++) {
        const double t = (double)i / steps;
        Plot((int)lround(x0 + (x1 - x0) * t), (int)lround(y0 + (y1 - y0) * t));
    }
}

static void DrawGlyph(const char* const* rows, int count, int x0, int y0)
{
    for (int dy = 0; dy < count; dy++)
        for (int dx = 0; rows[dy][dx] != 0; dx++)
            if (rows[dy][dx] == '#')
                Plot(x0 + dx, y0 + dy);
}

static void DrawBook()
{
    // Page edges for x = 1..13 of the left page: the tops dip and the
    // bottoms sag toward the spine.
    static const int tops[13] = {18, 17, 17, 17, 17, 18, 18, 18, 19, 19, 19, 20, 20};
    static const int bottoms[13] = {29, 29, 29, 29, 29, 30, 30, 30, 30, 31, 31, 31, 31};
    for (int x = 1; x <= 13; x++) {
        PlotPages(x, tops[x - 1]);
        PlotPages(x, bottoms[x - 1]);
        PlotPages(x, bottoms[x - 1] + 1);  // the cover under the pages
    }
    for (int y = tops[0]; y <= bottoms[0]; y++)
        PlotPages(1, y);
    for (int y = 20; y <= 32; y++)
        Plot(SPINE, y);
    PlotPages(0, 30);

    // Hebrew is read from the right: alef on the right page, bet on the left.
    static const char* const bet[] = {"####.", "...#.", "...#.", "...#.", "#####"};
    static const char* const alef[] = {"#...#", "##..#", ".##..", "#.##.", "#...#"};
    DrawGlyph(bet, 5, 6, 22);
    DrawGlyph(alef, 5, 18, 22);
    // A line of text under each letter.
    static const int words[] = {3, 4, 5, 7, 8, 10, 11, 12};
    for (int x : words)
        PlotPages(x, 28);
}

static void DrawQuill()
{
    // The vane: the outline of an ellipse lying along the diagonal.
    const double cx = 21.0, cy = 5.6, a = 8.2, b = 3.1;
    const double ux = -sqrt(0.5), uy = sqrt(0.5);  // along the quill, toward the nib
    static bool inside[HEIGHT][WIDTH];
    for (int y = 0; y < HEIGHT; y++)
        for (int x = 0; x < WIDTH; x++) {
            const double dx = x - cx, dy = y - cy;
            const double s = dx * ux + dy * uy;
            const double t = dx * uy - dy * ux;
            inside[y][x] = (s / a) * (s / a) + (t / b) * (t / b) <= 1.0;
        }
    static const int around[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int y = 0; y < HEIGHT; y++)
        for (int x = 0; x < WIDTH; x++) {
            if (!inside[y][x])
                continue;
            for (const auto& step : around) {
                const int nx = x + step[0], ny = y + step[1];
                if (nx < 0 || nx >= WIDTH || ny < 0 || ny >= HEIGHT || !inside[ny][nx]) {
                    Plot(x, y);
                    break;
                }
            }
        }
    // The shaft, from the tip through the vane to the nib over the book.
    DrawLine(27, 0, 11, 16);
}

static void PutLe(uint8_t* at, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; i++)
        at[i] = (uint8_t)(value >> (8 * i));
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: logogen OUT.bmp\n");
        return 2;
    }
    DrawBook();
    DrawQuill();

    // Rows bottom-up, each padded to a multiple of four bytes; colour 0 is
    // black ink, colour 1 white paper.
    const int rowBytes = ((WIDTH + 31) / 32) * 4;
    const int headerBytes = 14 + 40 + 8;
    const int fileBytes = headerBytes + rowBytes * HEIGHT;
    static uint8_t file[14 + 40 + 8 + 4 * HEIGHT];
    static_assert(sizeof file >= (size_t)(14 + 40 + 8 + ((WIDTH + 31) / 32) * 4 * HEIGHT), "file buffer");
    memset(file, 0, sizeof file);
    file[0] = 'B';
    file[1] = 'M';
    PutLe(file + 2, (uint32_t)fileBytes, 4);
    PutLe(file + 10, (uint32_t)headerBytes, 4);
    uint8_t* info = file + 14;
    PutLe(info, 40, 4);
    PutLe(info + 4, WIDTH, 4);
    PutLe(info + 8, HEIGHT, 4);
    PutLe(info + 12, 1, 2);   // planes
    PutLe(info + 14, 1, 2);   // bits per pixel
    PutLe(info + 20, (uint32_t)(rowBytes * HEIGHT), 4);
    PutLe(info + 32, 2, 4);   // colours used
    uint8_t* palette = info + 40;
    PutLe(palette, 0x000000, 4);
    PutLe(palette + 4, 0xFFFFFF, 4);
    uint8_t* bits = palette + 8;
    for (int y = 0; y < HEIGHT; y++) {
        uint8_t* row = bits + (HEIGHT - 1 - y) * rowBytes;
        for (int x = 0; x < WIDTH; x++)
            if (!ink[y][x])
                row[x / 8] |= (uint8_t)(0x80 >> (x % 8));
    }

    FILE* out = fopen(argv[1], "wb");
    if (out == nullptr) {
        perror(argv[1]);
        return 1;
    }
    const bool written = fwrite(file, 1, (size_t)fileBytes, out) == (size_t)fileBytes;
    if (fclose(out) != 0 || !written) {
        fprintf(stderr, "logogen: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
