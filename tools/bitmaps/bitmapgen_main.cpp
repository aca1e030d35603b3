// Draws the tool-button bitmap, the program's icon and the index tree's
// glyphs, and writes them into a directory for the resource compiler.
//   bitmapgen OUT_DIRECTORY
#include <stdio.h>

#include "drawings.h"
#include "image_files.h"

enum { PATH_UNITS = 1024 };

static bool PathIn(char* path, const char* directory, const char* name)
{
    const int length = snprintf(path, PATH_UNITS, "%s/%s", directory, name);
    return length > 0 && length < PATH_UNITS;
}

static bool WriteAll(const char* directory)
{
    char path[PATH_UNITS];
    static Picture strip;
    DrawToolButtons(&strip);
    if (!PathIn(path, directory, "tool_buttons.bmp") || !WriteBitmap16(path, &strip))
        return false;

    static Picture large;
    static Picture small;
    DrawIcon32(&large);
    DrawIcon16(&small);
    const Picture* icon[2] = {&large, &small};
    if (!PathIn(path, directory, "quillmere.ico") || !WriteIcon(path, icon, 2))
        return false;

    typedef void (*Drawing)(Picture*);
    static const Drawing glyphs[3] = {DrawTreePlus, DrawTreeMinus, DrawTreePage};
    static const char* const names[3] = {"tree_plus.bmp", "tree_minus.bmp", "tree_page.bmp"};
    for (int i = 0; i < 3; i++) {
        static Picture glyph;
        glyphs[i](&glyph);
        if (!PathIn(path, directory, names[i]) || !WriteBitmapMono(path, &glyph))
            return false;
    }
    return true;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: bitmapgen OUT_DIRECTORY\n");
        return 2;
    }
    return WriteAll(argv[1]) ? 0 : 1;
}
