#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H
#include <math.h>
#include <stdlib.h>
#include <string.h>

#include "host_fonts.h"

// Heights beyond this many pixels are taken as this many.
enum { MAX_PIXEL_HEIGHT = 2048, DEFAULT_CELL_HEIGHT = 16 };
// Advances of the units below this are remembered per font: ASCII and Hebrew.
enum { CACHED_UNITS = 0x600 };

// One FT_Face per face file and index, shared by every font made from it;
// each font has its own FT_Size on it.
struct HostFace {
    HostFace* next;
    FT_Face face;
    int index;
    int users;
    char path[HOST_FONT_PATH_MAX];
};

struct HostFont {
    HostFace* face;
    FT_Size size;
    FT_Pos embolden;  // extra stroke width in 26.6, a whole number of pixels; 0: none
    HostFontMetrics metrics;
    int16_t advances[CACHED_UNITS];  // -1: not measured yet
};

static FT_Library library;
static HostFace* faces;

static HostFace* AcquireFace(const HostFaceChoice& choice)
{
    for (HostFace* f = faces; f != nullptr; f = f->next) {
        if (f->index == choice.index && strcmp(f->path, choice.path) == 0) {
            f->users++;
            return f;
        }
    }
    if (library == nullptr && FT_Init_FreeType(&library) != 0) {
        library = nullptr;
        return nullptr;
    }
    HostFace* f = (HostFace*)calloc(1, sizeof(HostFace));
    if (f == nullptr)
        return nullptr;
    if (FT_New_Face(library, choice.path, choice.index, &f->face) != 0) {
        free(f);
        return nullptr;
    }
    if (!FT_IS_SCALABLE(f->face) || f->face->units_per_EM == 0) {
        FT_Done_Face(f->face);
        free(f);
        return nullptr;
    }
    // Type 1 faces get a Unicode map synthesised from their glyph names.
    FT_Select_Charmap(f->face, FT_ENCODING_UNICODE);
    strcpy(f->path, choice.path);
    f->index = choice.index;
    f->users = 1;
    f->next = faces;
    faces = f;
    return f;
}

static void ReleaseFace(HostFace* face)
{
    if (face == nullptr || --face->users > 0)
        return;
    for (HostFace** link = &faces; *link != nullptr; link = &(*link)->next) {
        if (*link == face) {
            *link = face->next;
            break;
        }
    }
    FT_Done_Face(face->face);
    free(face);
}

// The face name as UTF-8, at most LF_FACESIZE units, stopping at a 0.
static void FamilyOf(const LOGFONTW* logfont, char* out, size_t capacity)
{
    size_t n = 0;
    for (int i = 0; i < LF_FACESIZE && logfont->lfFaceName[i] != 0; i++) {
        uint32_t c = logfont->lfFaceName[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < LF_FACESIZE && logfont->lfFaceName[i + 1] >= 0xDC00 &&
            logfont->lfFaceName[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (logfont->lfFaceName[i + 1] - 0xDC00u);
            i++;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        char bytes[4];
        size_t len;
        if (c < 0x80) {
            bytes[0] = (char)c;
            len = 1;
        } else if (c < 0x800) {
            bytes[0] = (char)(0xC0 | (c >> 6));
            bytes[1] = (char)(0x80 | (c & 0x3F));
            len = 2;
        } else if (c < 0x10000) {
            bytes[0] = (char)(0xE0 | (c >> 12));
            bytes[1] = (char)(0x80 | ((c >> 6) & 0x3F));
            bytes[2] = (char)(0x80 | (c & 0x3F));
            len = 3;
        } else {
            bytes[0] = (char)(0xF0 | (c >> 18));
            bytes[1] = (char)(0x80 | ((c >> 12) & 0x3F));
            bytes[2] = (char)(0x80 | ((c >> 6) & 0x3F));
            bytes[3] = (char)(0x80 | (c & 0x3F));
            len = 4;
        }
        if (n + len >= capacity)
            break;
        memcpy(out + n, bytes, len);
        n += len;
    }
    out[n] = 0;
}

// The face's ascent and descent in font units as GDI takes them: the OS/2
// Windows values when the face has them, else the horizontal header's.
static void DesignExtents(FT_Face face, double* ascent, double* descent)
{
    const TT_OS2* os2 = (const TT_OS2*)FT_Get_Sfnt_Table(face, FT_SFNT_OS2);
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
        *ascent = os2->usWinAscent;
        *descent = os2->usWinDescent;
        return;
    }
    *ascent = face->ascender;
    *descent = -face->descender;
    if (*ascent + *descent <= 0) {
        *ascent = face->units_per_EM * 0.8;
        *descent = face->units_per_EM * 0.2;
    }
}

static int RoundToInt(double v)
{
    return (int)floor(v + 0.5);
}

// Sizes the font: lfHeight > 0 asks for a cell (ascent + descent) of that
// height, < 0 for an em of that height, 0 for the default cell.
static bool SetSize(HostFont* font, LONG lfHeight, int weight)
{
    FT_Face face = font->face->face;
    double ascentUnits;
    double descentUnits;
    DesignExtents(face, &ascentUnits, &descentUnits);
    const double upem = face->units_per_EM;
    int64_t height = lfHeight == 0 ? DEFAULT_CELL_HEIGHT : lfHeight;
    const bool cell = height > 0;
    if (!cell)
        height = -height;
    if (height > MAX_PIXEL_HEIGHT)
        height = MAX_PIXEL_HEIGHT;

    double em;
    HostFontMetrics& m = font->metrics;
    if (cell) {
        em = (double)height * upem / (ascentUnits + descentUnits);
        m.ascent = RoundToInt((double)height * ascentUnits / (ascentUnits + descentUnits));
        m.descent = (int)height - m.ascent;
    } else {
        em = (double)height;
        m.ascent = RoundToInt(ascentUnits * em / upem);
        m.descent = RoundToInt(descentUnits * em / upem);
    }
    FT_F26Dot6 em26 = (FT_F26Dot6)floor(em * 64 + 0.5);
    if (em26 < 64)
        em26 = 64;
    if (FT_Activate_Size(font->size) != 0 || FT_Set_Char_Size(face, 0, em26, 72, 72) != 0)
        return false;

    const double scale = em / upem;
    if (font->embolden != 0) {
        // As FreeType's own emboldening: a twenty-fourth of the em, at least a pixel.
        int px = RoundToInt(em / 24);
        font->embolden = (FT_Pos)(px < 1 ? 1 : px) * 64;
    }
    const int extra = (int)(font->embolden / 64);
    m.internalLeading = m.ascent + m.descent - RoundToInt(em);
    if (m.internalLeading < 0)
        m.internalLeading = 0;
    m.externalLeading = 0;
    const TT_HoriHeader* hhea = (const TT_HoriHeader*)FT_Get_Sfnt_Table(face, FT_SFNT_HHEA);
    if (hhea != nullptr) {
        const double gap = hhea->Line_Gap - ((ascentUnits + descentUnits) - (hhea->Ascender - hhea->Descender));
        if (gap > 0)
            m.externalLeading = RoundToInt(gap * scale);
    }
    m.maxCharWidth = RoundToInt(face->max_advance_width * scale) + extra;
    const TT_OS2* os2 = (const TT_OS2*)FT_Get_Sfnt_Table(face, FT_SFNT_OS2);
    if (os2 != nullptr && os2->version != 0xFFFF && os2->xAvgCharWidth > 0)
        m.aveCharWidth = RoundToInt(os2->xAvgCharWidth * scale) + extra;
    else
        m.aveCharWidth = -1;  // measured from 'x' once the font is usable
    m.weight = weight;
    return true;
}

static HostFont* NewFont(const LOGFONTW* logfont)
{
    char family[4 * LF_FACESIZE + 1];
    FamilyOf(logfont, family, sizeof family);
    const int weight = logfont->lfWeight <= 0 ? FW_NORMAL : logfont->lfWeight > 1000 ? 1000 : (int)logfont->lfWeight;
    const bool bold = weight >= 600;
    HostFaceChoice choice;
    if (!HostMatchFace(family, bold, &choice))
        return nullptr;
    HostFont* font = (HostFont*)calloc(1, sizeof(HostFont));
    if (font == nullptr)
        return nullptr;
    font->face = AcquireFace(choice);
    if (font->face == nullptr) {
        free(font);
        return nullptr;
    }
    if (FT_New_Size(font->face->face, &font->size) != 0) {
        ReleaseFace(font->face);
        free(font);
        return nullptr;
    }
    font->embolden = choice.embolden ? 64 : 0;
    memset(font->advances, 0xFF, sizeof font->advances);
    if (!SetSize(font, logfont->lfHeight, weight)) {
        HostDestroyFont(font);
        return nullptr;
    }
    if (font->metrics.aveCharWidth < 0)
        font->metrics.aveCharWidth = HostAdvance(font, u'x');
    return font;
}

void HostDestroyFont(HostFont* font)
{
    if (font == nullptr)
        return;
    if (font->size != nullptr)
        FT_Done_Size(font->size);
    ReleaseFace(font->face);
    free(font);
}

HFONT CreateFontIndirectW(const LOGFONTW* logfont)
{
    if (logfont == nullptr)
        return nullptr;
    HostFont* font = NewFont(logfont);
    if (font == nullptr)
        return nullptr;
    HostObject* o = (HostObject*)calloc(1, sizeof(HostObject));
    if (o == nullptr) {
        HostDestroyFont(font);
        return nullptr;
    }
    o->kind = HOST_OBJECT_FONT;
    o->font = font;
    HFONT handle = (HFONT)HostAddObject(o);
    if (handle == nullptr)
        HostDestroyFont(font);
    return handle;
}

HostFont* HostFontOf(HFONT handle)
{
    HostObject* o = HostLookup(handle, HOST_OBJECT_FONT);
    if (o == nullptr)
        return nullptr;
    if (o->font == nullptr && o->stock) {
        LOGFONTW system = {};
        system.lfWeight = FW_NORMAL;
        o->font = NewFont(&system);
    }
    return o->font;
}

const HostFontMetrics* HostMetricsOf(const HostFont* font)
{
    return &font->metrics;
}

// Loads unit's glyph, hinted, into the face's slot at this font's size.
static FT_GlyphSlot LoadGlyph(HostFont* font, WCHAR unit)
{
    FT_Face face = font->face->face;
    if (FT_Activate_Size(font->size) != 0)
        return nullptr;
    const FT_UInt glyph = FT_Get_Char_Index(face, (FT_ULong)unit);
    if (FT_Load_Glyph(face, glyph, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0 &&
        (glyph == 0 || FT_Load_Glyph(face, 0, FT_LOAD_DEFAULT | FT_LOAD_NO_BITMAP) != 0))
        return nullptr;
    return face->glyph;
}

int HostAdvance(HostFont* font, WCHAR unit)
{
    if (unit < CACHED_UNITS && font->advances[unit] >= 0)
        return font->advances[unit];
    FT_GlyphSlot slot = LoadGlyph(font, unit);
    int advance = 0;
    if (slot != nullptr) {
        const FT_Pos a = (slot->advance.x + 32) / 64;
        // Emboldening widens letters; marks that take no room still take none.
        advance = a <= 0 ? 0 : a > 0x7FFF ? 0x7FFF : (int)(a + font->embolden / 64);
    }
    if (unit < CACHED_UNITS)
        font->advances[unit] = (int16_t)advance;
    return advance;
}

bool HostGlyphImageOf(HostFont* font, WCHAR unit, HostGlyphImage* image)
{
    FT_GlyphSlot slot = LoadGlyph(font, unit);
    if (slot == nullptr)
        return false;
    if (font->embolden != 0 && slot->format == FT_GLYPH_FORMAT_OUTLINE) {
        // Thicken sideways only, and keep the left edge where it was.
        FT_Outline_EmboldenXY(&slot->outline, font->embolden, 0);
        FT_Outline_Translate(&slot->outline, font->embolden / 2, 0);
    }
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0)
        return false;
    const FT_Bitmap& b = slot->bitmap;
    if (b.pixel_mode != FT_PIXEL_MODE_GRAY && b.pixel_mode != FT_PIXEL_MODE_MONO)
        return false;
    image->width = (int)b.width;
    image->height = (int)b.rows;
    image->pitch = b.pitch;
    image->rows = b.pitch >= 0 || b.rows == 0 ? b.buffer : b.buffer - (ptrdiff_t)(b.rows - 1) * b.pitch;
    image->mono = b.pixel_mode == FT_PIXEL_MODE_MONO;
    image->left = slot->bitmap_left;
    image->top = slot->bitmap_top;
    return b.buffer != nullptr || b.rows == 0 || b.width == 0;
}
