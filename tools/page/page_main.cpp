// page: lays out a section of the book in a pane of a given size and font and
// writes what the pane paints as a PNG, to look at a page without the
// reader's window.
//   page [--section N] [--width W] [--height H] [--face NAME] [--size S]
//        [--top LINE] [--base 1488|224|97] [--reverse] [--highlight FROM,TO]
//        --out FILE.png
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "content/char_tables.h"
#include "content/section_loader.h"
#include "pane/text_pane.h"
#include "platform/host/host_surface.h"
#include "settings/flags.h"
#include "shell/app_state.h"

struct PageRequest {
    int section;
    int width;
    int height;
    const char* face;  // UTF-8
    int size;
    int top;
    int charBase;
    bool reverse;
    int highlightFrom;
    int highlightTo;
    const char* out;
};

static int Usage()
{
    fprintf(stderr,
            "usage: page [--section N] [--width W] [--height H] [--face NAME] [--size S]\n"
            "            [--top LINE] [--base 1488|224|97] [--reverse] [--highlight FROM,TO]\n"
            "            --out FILE.png\n"
            "Defaults: section 1, 240 x 320, \"Frank Ruehl CLM\", size -17, top line 0, base 1488.\n");
    return 2;
}

static bool ReadInt(const char* text, int* value)
{
    char* end = nullptr;
    const long v = strtol(text, &end, 10);
    if (end == text || *end != 0 || v < -1000000 || v > 1000000)
        return false;
    *value = (int)v;
    return true;
}

// UTF-8 to zero-terminated UTF-16 units, cut to capacity - 1 units; false
// for bytes that are not UTF-8.
static bool Utf8ToUnits(const char* in, WCHAR* out, size_t capacity)
{
    size_t n = 0;
    const unsigned char* p = (const unsigned char*)in;
    while (*p != 0) {
        unsigned cp = *p;
        int more = cp < 0x80 ? 0 : (cp & 0xE0) == 0xC0 ? 1 : (cp & 0xF0) == 0xE0 ? 2 : -1;
        if (more < 0)
            return false;
        cp &= more == 0 ? 0x7F : more == 1 ? 0x1F : 0x0F;
        p++;
        for (int i = 0; i < more; i++, p++) {
            if ((*p & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (*p & 0x3F);
        }
        if (n + 1 < capacity)
            out[n++] = (WCHAR)cp;
    }
    out[n] = 0;
    return true;
}

static bool ParseArguments(int argc, char** argv, PageRequest* r)
{
    for (int i = 1; i < argc; i++) {
        const char* a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        if (strcmp(a, "--reverse") == 0) {
            r->reverse = true;
            continue;
        }
        if (v == nullptr)
            return false;
        bool ok = true;
        if (strcmp(a, "--section") == 0)
            ok = ReadInt(v, &r->section);
        else if (strcmp(a, "--width") == 0)
            ok = ReadInt(v, &r->width);
        else if (strcmp(a, "--height") == 0)
            ok = ReadInt(v, &r->height);
        else if (strcmp(a, "--size") == 0)
            ok = ReadInt(v, &r->size);
        else if (strcmp(a, "--top") == 0)
            ok = ReadInt(v, &r->top);
        else if (strcmp(a, "--base") == 0)
            ok = ReadInt(v, &r->charBase);
        else if (strcmp(a, "--face") == 0)
            r->face = v;
        else if (strcmp(a, "--out") == 0)
            r->out = v;
        else if (strcmp(a, "--highlight") == 0)
            ok = sscanf(v, "%d,%d", &r->highlightFrom, &r->highlightTo) == 2;
        else
            return false;
        if (!ok)
            return false;
        i++;
    }
    return r->out != nullptr;
}

int main(int argc, char** argv)
{
    PageRequest r = {1, 240, 320, "Frank Ruehl CLM", -17, 0, CHAR_BASE_UNICODE, false, 0, 0, nullptr};
    if (!ParseArguments(argc, argv, &r))
        return Usage();
    if (r.width <= 0 || r.height <= 0 || r.top < 0 || r.top > 0xFFFF || r.highlightFrom < 0
        || r.highlightFrom > 0xFFFF || r.highlightTo < 0 || r.highlightTo > 0xFFFF) {
        fprintf(stderr, "page: size, top line and highlight must be positive 16-bit values\n");
        return 2;
    }

    appState = AppState();
    if (!Utf8ToUnits(r.face, appState.fontSpec.faceName, FACE_NAME_UNITS)) {
        fprintf(stderr, "page: the face name is not UTF-8\n");
        return 2;
    }
    appState.fontSpec.size = r.size;
    appState.fontSpec.charBase = r.charBase;
    appState.Flags = r.reverse ? (uint32_t)FLAG_REVERSE : 0u;

    int error = 0;
    BYTE* text = LoadSection(r.section, &error);
    if (text == nullptr) {
        fprintf(stderr, "page: section %d does not load (error %d)\n", r.section, error);
        return 1;
    }
    HDC dc = HostCreateSurface(r.width, r.height);
    if (dc == nullptr) {
        fprintf(stderr, "page: no surface of %d x %d\n", r.width, r.height);
        free(text);
        return 1;
    }
    const RECT box = {0, 0, r.width, r.height};
    TextPane* pane = CreateTextPane(dc, &box, &appState.fontSpec, 100);
    int status = 1;
    if (pane == nullptr) {
        fprintf(stderr, "page: no memory for the pane\n");
        free(text);
    } else if (LayoutText(pane, text, 1) != 0) {
        fprintf(stderr, "page: section %d does not lay out\n", r.section);
        free(text);
    } else {
        pane->topLine = (uint16_t)r.top;
        pane->highlightStart = (uint16_t)r.highlightFrom;
        pane->highlightEnd = (uint16_t)r.highlightTo;
        PaintPane(pane, 1);
        if (HostSaveSurfacePng(dc, r.out)) {
            printf("%s: section %d, lines %d to %d of %d (line units), %d x %d\n", r.out, r.section, pane->topLine,
                   pane->topLine + pane->linesShown, pane->totalLines, r.width, r.height);
            status = 0;
        } else {
            fprintf(stderr, "page: cannot write %s\n", r.out);
        }
    }
    DestroyTextPane(pane, 1);
    HostDestroySurface(dc);
    return status;
}
