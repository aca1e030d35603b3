#include <fontconfig/fontconfig.h>
#include <stdlib.h>
#include <string.h>

#include "host_fonts.h"

const char* const HOST_DEFAULT_FACES[] = {"Frank Ruehl CLM", "David CLM", "Ezra SIL"};
const int HOST_DEFAULT_FACE_COUNT = (int)(sizeof HOST_DEFAULT_FACES / sizeof HOST_DEFAULT_FACES[0]);

// Matching asks fontconfig to sort through every installed face; the
// program makes the same few fonts again and again, so answers are kept.
enum { REMEMBERED = 16, FAMILY_MAX = 4 * LF_FACESIZE + 1 };
struct Remembered {
    bool used;
    bool bold;
    char family[FAMILY_MAX];
    HostFaceChoice choice;
};
static Remembered remembered[REMEMBERED];
static int nextRemembered;
static FcConfig* config;

// fontconfig keeps blocks that only destroying its configuration frees; doing
// that at exit keeps the leak checker's report to our own leaks.
static void ReleaseConfig()
{
    FcConfigDestroy(config);
    config = nullptr;
}

static bool EnsureConfig()
{
    if (config != nullptr)
        return true;
    config = FcInitLoadConfigAndFonts();
    if (config == nullptr)
        return false;
    atexit(ReleaseConfig);
    return true;
}

static bool SameName(const char* a, const char* b)
{
    for (; *a != 0 && *b != 0; a++, b++) {
        char x = *a >= 'A' && *a <= 'Z' ? (char)(*a + 32) : *a;
        char y = *b >= 'A' && *b <= 'Z' ? (char)(*b + 32) : *b;
        if (x != y)
            return false;
    }
    return *a == *b;
}

static bool HasFamily(FcPattern* font, const char* family)
{
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &name) == FcResultMatch; i++)
        if (SameName((const char*)name, family))
            return true;
    return false;
}

// The best face of family (or, with family null, for Hebrew text). With
// exact, only a face that really carries that family name is accepted, not
// fontconfig's nearest substitute.
static bool Match(const char* family, bool bold, bool exact, HostFaceChoice* choice)
{
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr)
        return false;
    bool ok = true;
    if (family != nullptr)
        ok = ok && FcPatternAddString(pattern, FC_FAMILY, (const FcChar8*)family);
    FcLangSet* langs = FcLangSetCreate();
    ok = ok && langs != nullptr && FcLangSetAdd(langs, (const FcChar8*)"he") && FcPatternAddLangSet(pattern, FC_LANG, langs);
    if (langs != nullptr)
        FcLangSetDestroy(langs);
    ok = ok && FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    ok = ok && FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    ok = ok && FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
    ok = ok && FcConfigSubstitute(config, pattern, FcMatchPattern);
    if (!ok) {
        FcPatternDestroy(pattern);
        return false;
    }
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* font = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    if (font == nullptr)
        return false;

    FcChar8* file = nullptr;
    int index = 0;
    int weight = FC_WEIGHT_REGULAR;
    FcBool scalable = FcFalse;
    ok = FcPatternGetString(font, FC_FILE, 0, &file) == FcResultMatch && file != nullptr &&
         strlen((const char*)file) < sizeof choice->path;
    ok = ok && (!exact || HasFamily(font, family));
    ok = ok && FcPatternGetBool(font, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable;
    if (ok) {
        if (FcPatternGetInteger(font, FC_INDEX, 0, &index) != FcResultMatch)
            index = 0;
        if (FcPatternGetInteger(font, FC_WEIGHT, 0, &weight) != FcResultMatch)
            weight = FC_WEIGHT_REGULAR;
        // fontconfig's own rules may already have marked a regular face for
        // emboldening (and then report it as bold).
        FcBool embolden = FcFalse;
        if (FcPatternGetBool(font, FC_EMBOLDEN, 0, &embolden) != FcResultMatch)
            embolden = FcFalse;
        strcpy(choice->path, (const char*)file);
        choice->index = index;
        choice->embolden = bold && (embolden || weight < FC_WEIGHT_DEMIBOLD);
    }
    FcPatternDestroy(font);
    return ok;
}

bool HostMatchFace(const char* family, bool bold, HostFaceChoice* choice)
{
    if (family == nullptr || strlen(family) >= FAMILY_MAX)
        family = "";
    for (Remembered& r : remembered) {
        if (r.used && r.bold == bold && strcmp(r.family, family) == 0) {
            *choice = r.choice;
            return true;
        }
    }
    if (!EnsureConfig())
        return false;
    bool found = family[0] != 0 && Match(family, bold, true, choice);
    for (int i = 0; !found && i < HOST_DEFAULT_FACE_COUNT; i++)
        found = Match(HOST_DEFAULT_FACES[i], bold, true, choice);
    if (!found)
        found = Match(nullptr, bold, false, choice);
    if (!found)
        return false;
    Remembered& r = remembered[nextRemembered];
    nextRemembered = (nextRemembered + 1) % REMEMBERED;
    r.used = true;
    r.bold = bold;
    strcpy(r.family, family);
    r.choice = *choice;
    return true;
}
