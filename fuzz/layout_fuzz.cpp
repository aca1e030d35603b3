// Arbitrary streams laid out and painted in arbitrary panes and font sizes.
// The first LAYOUT_PARAMETER_BYTES bytes choose the pane and the font (all
// zero gives a 240 x 320 pane with the reader's font), the rest is the
// stream, followed by STREAM_GUARD_BYTES zeros as a loaded section is. The
// layout must end, stay inside the stream and the line array, and leave
// records the painting and scrolling can walk; ASan and UBSan watch the rest.
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "content/char_tables.h"
#include "content/paragraph_stream.h"
#include "content/section_loader.h"
#include "pane/text_pane.h"
#include "platform/host/host_surface.h"
#include "settings/flags.h"
#include "shell/app_state.h"

enum {
    LAYOUT_PARAMETER_BYTES = 12,
    SURFACE_SIDE = 256,        // the pane may be any size; drawing is clipped to this
    LARGEST_FONT_HEIGHT = 300,
};

static void Check(bool ok, const char* what)
{
    if (!ok) {
        fprintf(stderr, "layout_fuzz: %s\n", what);
        abort();
    }
}

static int16_t Read16(const uint8_t* p)
{
    return (int16_t)(uint16_t)(p[0] | (p[1] << 8));
}

// libFuzzer's default of 20 minutes an input would hide an endless loop in
// a short run: ten seconds is ample for 64 KB of layout and painting.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    for (int i = 1; i < *argc; i++)
        if (strncmp((*argv)[i], "-timeout=", 9) == 0)
            return 0;
    static std::vector<char*> args;
    args.assign(*argv, *argv + *argc);
    static char timeout[] = "-timeout=10";
    args.push_back(timeout);
    args.push_back(nullptr);
    *argc += 1;
    *argv = args.data();
    return 0;
}

// What a successful layout promises its readers.
static void CheckLayout(const TextPane* pane, size_t streamBytes)
{
    Check(pane->lines != nullptr && pane->lineCount <= pane->lineCapacity, "line count beyond the array");
    Check(pane->lines[pane->lineCount].flags == 0, "the lines are not closed");
    unsigned units = 0;
    for (unsigned i = 0; i < pane->lineCount; i++) {
        const LineRecord& line = pane->lines[i];
        Check(line.flags != 0, "a zero record before the end");
        Check(line.offset >= 2 && (size_t)line.offset + line.length <= streamBytes, "a line outside the stream");
        Check(IsRuleParagraph(line.flags) || line.length > 0 || line.hangWidth > 0, "a line that takes no code");
        units += (line.flags & ATTR_BLANK_AFTER) != 0 ? 2 : 1;
    }
    Check(units == pane->totalLines, "totalLines does not count the line units");
    Check(pane->lineCount == 0 || (pane->lines[pane->lineCount - 1].flags & ATTR_BLANK_AFTER) == 0,
          "the last line keeps its blank line");
    Check(pane->maxTopLine <= pane->totalLines, "maxTopLine beyond the text");
    Check(pane->highlightStart == 0 && pane->highlightEnd == 0, "the layout kept the highlight");
}

static void CheckPaint(TextPane* pane, int result)
{
    Check(result == 0, "painting a laid-out pane failed");
    Check(pane->topLine <= pane->totalLines, "topLine left beyond the text");
    Check(pane->linesShown >= 0 && pane->linesShown <= pane->totalLines, "linesShown out of range");
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < LAYOUT_PARAMETER_BYTES)
        return 0;
    const int width = 240 + Read16(data);
    const int height = 320 + Read16(data + 2);
    int fontSize = -17 + (int8_t)data[4];
    const uint8_t choice = data[5];
    const uint16_t topLine = (uint16_t)Read16(data + 6);
    const uint16_t highlightStart = (uint16_t)Read16(data + 8);
    const uint16_t highlightEnd = (uint16_t)Read16(data + 10);
    static const int32_t bases[4] = {CHAR_BASE_UNICODE, CHAR_BASE_WINDOWS, CHAR_BASE_LATIN, CHAR_BASE_UNICODE};

    size_t streamBytes = size - LAYOUT_PARAMETER_BYTES;
    if (streamBytes > MAX_STREAM_BYTES)
        streamBytes = MAX_STREAM_BYTES;
    BYTE* stream = (BYTE*)malloc(streamBytes + STREAM_GUARD_BYTES);
    Check(stream != nullptr, "out of memory");
    memcpy(stream, data + LAYOUT_PARAMETER_BYTES, streamBytes);
    memset(stream + streamBytes, 0, STREAM_GUARD_BYTES);

    appState = AppState();
    UnitCopy(appState.fontSpec.faceName, FACE_NAME_UNITS, TEXT("Frank Ruehl CLM"));
    appState.fontSpec.size = fontSize;
    appState.fontSpec.charBase = bases[choice & 3];
    appState.Flags = (choice & 4) != 0 ? (uint32_t)FLAG_REVERSE : 0u;

    HDC dc = HostCreateSurface(SURFACE_SIDE, SURFACE_SIDE);
    Check(dc != nullptr, "no surface");
    const int x = (choice >> 4) - 8;
    const RECT box = {x, x, x + width, x + height};
    TextPane* pane = CreateTextPane(dc, &box, &appState.fontSpec, (choice & 8) != 0 ? 0 : 100);
    Check(pane != nullptr, "no pane");

    const int laid = LayoutText(pane, stream, 1);
    if (laid != 0) {
        Check(laid == LAYOUT_BAD_STREAM, "a layout failed other than for a bad stream");
        free(stream);
    } else {
        CheckLayout(pane, streamBytes);
        pane->topLine = topLine;
        pane->highlightStart = highlightStart;
        pane->highlightEnd = highlightEnd;
        CheckPaint(pane, PaintPane(pane, 1));

        ScrollPane(pane, (int8_t)data[4] * 3, 2, choice & 1);
        CheckPaint(pane, PaintPane(pane, 0));
        ScrollToOffset(pane, highlightStart);
        Check(pane->topLine <= pane->totalLines, "ScrollToOffset beyond the text");

        // Another size and another font, each laid out again.
        if (ResizeTextPane(pane, width / 2 > 0 ? width / 2 : 1, height > 0 ? height : 1) == 0)
            CheckLayout(pane, streamBytes);
        FontSpec other = appState.fontSpec;
        other.size = fontSize < 0 ? fontSize / 2 - 40 : fontSize + 40;
        if (other.size > LARGEST_FONT_HEIGHT || other.size < -LARGEST_FONT_HEIGHT)
            other.size = 0;
        appState.fontSpec = other;
        CheckPaint(pane, SetPaneFont(pane, &other));
        CheckLayout(pane, streamBytes);
    }
    DestroyTextPane(pane, 1);
    HostDestroySurface(dc);
    appState = AppState();
    return 0;
}
