// The pictures themselves.
#include "drawings.h"

// Previous: an arrow pointing left, as the Left key steps back.
static void DrawPrevious(Picture* p)
{
    static const char* const rows[] = {
        "................",
        "................",
        "......k.........",
        ".....kk.........",
        "....kBk.........",
        "...kBBkkkkkkkk..",
        "..kBBBBBBBBBBk..",
        ".kBBBBBBBBBBBk..",
        ".kBBBBBBBBBBBk..",
        "..kBBBBBBBBBBk..",
        "...kBBkkkkkkkk..",
        "....kBk.........",
        ".....kk.........",
        "......k.........",
        "................",
        "................",
    };
    ClearPicture(p, 16, 16);
    Paint(p, 0, 0, rows, 16);
}

static void DrawNext(Picture* p)
{
    DrawPrevious(p);
    MirrorPicture(p);
}

// Index: a page listing entries, each line ending at a bullet on the right
// as the book's index reads from the right.
static void DrawIndex(Picture* p)
{
    static const char* const rows[] = {
        "................",
        "..kkkkkkkkkkkk..",
        "..kwwwwwwwwwwkg.",
        "..kwwkkkkkwRwkg.",
        "..kwwwwwwwwwwkg.",
        "..kwkkkkkkwRwkg.",
        "..kwwwwwwwwwwkg.",
        "..kwwwkkkkwRwkg.",
        "..kwwwwwwwwwwkg.",
        "..kwkkkkkkwRwkg.",
        "..kwwwwwwwwwwkg.",
        "..kwwkkkkkwRwkg.",
        "..kwwwwwwwwwwkg.",
        "..kkkkkkkkkkkkg.",
        "...gggggggggggg.",
        "................",
    };
    ClearPicture(p, 16, 16);
    Paint(p, 0, 0, rows, 16);
}

// Font: a serif capital A.
static void DrawFont(Picture* p)
{
    static const char* const rows[] = {
        "................",
        "................",
        ".......kk.......",
        ".......kk.......",
        "......kkkk......",
        "......kkkk......",
        ".....kk.kkk.....",
        ".....kk..kk.....",
        "....kk...kkk....",
        "....kkkkkkkk....",
        "...kkkkkkkkkk...",
        "...kk.....kkk...",
        "..kk.......kkk..",
        ".kkkk.....kkkkk.",
        "................",
        "................",
    };
    ClearPicture(p, 16, 16);
    Paint(p, 0, 0, rows, 16);
}

// A magnifying glass: a black rim round pale glass with a glint, and a
// maroon handle toward the bottom right.
static void DrawLens(Picture* p, double cx, double cy, double radius, double handleEnd)
{
    FillStroke(p, cx + radius * 0.6, cy + radius * 0.6, handleEnd, handleEnd, 3.2, MAROON);
    FillDisc(p, cx, cy, radius, BLACK);
    FillDisc(p, cx, cy, radius - 1.3, AQUA);
    Plot(p, (int)(cx - radius * 0.45), (int)(cy - radius * 0.45), WHITE);
    Plot(p, (int)(cx - radius * 0.45) + 1, (int)(cy - radius * 0.45), WHITE);
    Plot(p, (int)(cx - radius * 0.45), (int)(cy - radius * 0.45) + 1, WHITE);
}

static void DrawSearch(Picture* p)
{
    ClearPicture(p, 16, 16);
    DrawLens(p, 6.5, 6.5, 5.5, 15.0);
}

// Search again: a smaller glass and a green arrow on to the next hit.
static void DrawSearchAgain(Picture* p)
{
    static const char* const arrow[] = {
        "....k...",
        "....kk..",
        "kkkkkGk.",
        "kGGGGGGk",
        "kkkkkGk.",
        "....kk..",
        "....k...",
    };
    ClearPicture(p, 16, 16);
    DrawLens(p, 8.5, 5.5, 4.8, 15.0);
    Paint(p, 0, 9, arrow, 7);
}

void DrawToolButtons(Picture* strip)
{
    typedef void (*Drawing)(Picture*);
    static const Drawing drawings[6] = {DrawPrevious, DrawIndex, DrawNext, DrawFont, DrawSearch, DrawSearchAgain};
    ClearPicture(strip, 96, 16);
    for (int i = 0; i < 6; i++) {
        Picture one;
        drawings[i](&one);
        Place(strip, &one, 16 * i, 0);
    }
}

// The program's icon: an open book with lines of text on both pages, on a
// maroon cover. Page edges: the tops dip toward the spine.
void DrawIcon32(Picture* p)
{
    static const int tops[14] = {8, 7, 6, 6, 6, 6, 6, 6, 7, 7, 7, 8, 8, 9};     // x = 2..15
    static const int bottoms[14] = {25, 25, 25, 25, 25, 25, 25, 25, 26, 26, 26, 26, 27, 27};
    ClearPicture(p, 32, 32);
    for (int i = 0; i < 14; i++) {
        const int x = 2 + i;
        for (int y = tops[i]; y <= bottoms[i]; y++)
            Plot(p, x, y, WHITE);
        Plot(p, x, tops[i], BLACK);
        Plot(p, x, bottoms[i], BLACK);
        Plot(p, x - 1, bottoms[i] + 1, MAROON);
        Plot(p, x, bottoms[i] + 1, MAROON);
        Plot(p, x, bottoms[i] + 2, MAROON);
    }
    for (int y = tops[0]; y <= bottoms[0]; y++)
        Plot(p, 2, y, BLACK);
    for (int y = tops[0] + 2; y <= bottoms[0] + 2; y++)
        Plot(p, 1, y, MAROON);
    for (int y = tops[13]; y <= bottoms[13] + 2; y++)
        Plot(p, 15, y, BLACK);
    // The right page is the left one mirrored.
    Picture right = *p;
    MirrorPicture(&right);
    for (int y = 0; y < 32; y++)
        for (int x = 16; x < 32; x++)
            p->at[y][x] = right.at[y][x];
    // Lines of text on both pages, flush with the pages' right edges as
    // Hebrew is set.
    static const int lineRows[5] = {11, 14, 17, 20, 23};
    static const int leftStarts[5] = {5, 4, 7, 4, 6};
    static const int rightStarts[5] = {19, 21, 18, 20, 22};
    for (int i = 0; i < 5; i++) {
        for (int x = leftStarts[i]; x <= 13; x++)
            Plot(p, x, lineRows[i], NAVY);
        for (int x = rightStarts[i]; x <= 27; x++)
            Plot(p, x, lineRows[i], NAVY);
    }
}

void DrawIcon16(Picture* p)
{
    static const char* const rows[] = {
        "................",
        "................",
        "................",
        "..kkk......kkk..",
        ".kwwwkk..kkwwwk.",
        ".kwnnnwkkwnnnwk.",
        ".kwwwwwkkwwwwwk.",
        ".kwwnnwkkwnnwwk.",
        ".kwwwwwkkwwwwwk.",
        ".kwnnnwkkwnnnwk.",
        ".kwwwwwkkwwwwwk.",
        ".kkkkwwkkwwkkkk.",
        "rrrrrkkkkkkrrrrr",
        ".rrrrrrkkrrrrrr.",
        "................",
        "................",
    };
    ClearPicture(p, 16, 16);
    Paint(p, 0, 0, rows, 16);
}

void DrawTreePlus(Picture* p)
{
    static const char* const rows[] = {
        "kkkkkkkkk", "k.......k", "k...k...k", "k...k...k", "k.kkkkk.k",
        "k...k...k", "k...k...k", "k.......k", "kkkkkkkkk",
    };
    ClearPicture(p, 9, 9);
    Paint(p, 0, 0, rows, 9);
}

void DrawTreeMinus(Picture* p)
{
    static const char* const rows[] = {
        "kkkkkkkkk", "k.......k", "k.......k", "k.......k", "k.kkkkk.k",
        "k.......k", "k.......k", "k.......k", "kkkkkkkkk",
    };
    ClearPicture(p, 9, 9);
    Paint(p, 0, 0, rows, 9);
}

// A page with its top right corner folded over and two lines of text.
void DrawTreePage(Picture* p)
{
    static const char* const rows[] = {
        ".kkkkk...", ".k...kk..", ".k...k.k.", ".k...kkkk", ".k......k",
        ".k.kkkk.k", ".k......k", ".k.kkkk.k", ".kkkkkkkk",
    };
    ClearPicture(p, 9, 9);
    Paint(p, 0, 0, rows, 9);
}
