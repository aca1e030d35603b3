#include "pane_fixture.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "content/section_loader.h"
#include "shell/app_state.h"

const WCHAR* const TEST_FACE = TEXT("Frank Ruehl CLM");
const WCHAR* const MONO_FACE = TEXT("Miriam Mono CLM");

StreamBuilder& StreamBuilder::Text(BYTE attribute, BYTE indent, const std::vector<BYTE>& codes)
{
    bytes.push_back(attribute);
    bytes.push_back(indent);
    bytes.insert(bytes.end(), codes.begin(), codes.end());
    bytes.push_back(0);
    return *this;
}

StreamBuilder& StreamBuilder::Rule(BYTE attribute, BYTE length)
{
    bytes.push_back(attribute);
    bytes.push_back(length);
    bytes.push_back(0);
    return *this;
}

BYTE* StreamBuilder::Finish() const
{
    const size_t size = bytes.size() + 1 + STREAM_GUARD_BYTES;
    BYTE* block = (BYTE*)malloc(size);
    if (block == nullptr)
        return nullptr;
    memset(block, 0, size);
    if (!bytes.empty())
        memcpy(block, bytes.data(), bytes.size());
    return block;
}

std::vector<BYTE> Codes(const char* s)
{
    std::vector<BYTE> out;
    for (; *s != 0; s++)
        out.push_back(*s >= 'a' && *s <= 'z' ? (BYTE)(97 + (*s - 'a')) : (BYTE)*s);
    return out;
}

PaneFixture::PaneFixture(int surfaceWidth, int surfaceHeight, RECT box, const WCHAR* face, int size, int charBase,
                         int capacity)
{
    surface = CreateTestSurface(surfaceWidth, surfaceHeight);
    appState = AppState();
    UnitCopy(appState.fontSpec.faceName, FACE_NAME_UNITS, face);
    appState.fontSpec.size = size;
    appState.fontSpec.charBase = charBase;
    pane = surface.dc != nullptr ? CreateTextPane(surface.dc, &box, &appState.fontSpec, capacity) : nullptr;
}

PaneFixture::~PaneFixture()
{
    DestroyTextPane(pane, 1);
    DestroyTestSurface(&surface);
    appState = AppState();
}

int PaneFixture::Lay(const StreamBuilder& stream)
{
    BYTE* text = stream.Finish();
    const int result = LayoutText(pane, text, 1);
    if (result != 0)
        free(text);
    return result;
}

const uint16_t* PaneFixture::Widths(BYTE style)
{
    HFONT previous = SelectStyleFont(pane, style);
    if (previous != nullptr)
        SelectObject(pane->dc, previous);
    return pane->widthTable;
}

int PaneFixture::WidthOf(BYTE style, const std::vector<BYTE>& codes)
{
    const uint16_t* table = Widths(style);
    int sum = 0;
    for (BYTE b : codes)
        if (b >= FIRST_WIDTH_CODE && b < FIRST_WIDTH_CODE + WIDTH_TABLE_CODES)
            sum += table[b - FIRST_WIDTH_CODE];
    return sum;
}

static TEXTMETRICW Metrics(TextPane* pane, BYTE style)
{
    TEXTMETRICW metrics;
    memset(&metrics, 0, sizeof metrics);
    HFONT previous = SelectStyleFont(pane, style);
    GetTextMetricsW(pane->dc, &metrics);
    if (previous != nullptr)
        SelectObject(pane->dc, previous);
    return metrics;
}

int PaneFixture::LineHeight(BYTE style)
{
    return Metrics(pane, style).tmHeight;
}

int PaneFixture::MaxCharWidth(BYTE style)
{
    return Metrics(pane, style).tmMaxCharWidth;
}

std::vector<LineRecord> Lines(const TextPane* pane)
{
    std::vector<LineRecord> out;
    if (pane == nullptr || pane->lines == nullptr)
        return out;
    for (const LineRecord* line = pane->lines; line->flags != 0; line++)
        out.push_back(*line);
    return out;
}

std::string Describe(const LineRecord& line)
{
    char buffer[96];
    snprintf(buffer, sizeof buffer, "{offset %u, length %u, x %u, hang %u, width %u, height %u, flags 0x%02X}",
             line.offset, line.length, line.x, line.hangWidth, line.width, line.height, line.flags);
    return buffer;
}
