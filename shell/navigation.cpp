#include "navigation.h"

#include <stdlib.h>

#include "../content/section_loader.h"
#include "../pane/text_pane.h"
#include "app_state.h"
#include "menus.h"
#include "split_view.h"

void SetCurrentSection(unsigned section, int today)
{
    (void)today;  // recorded from "/today"; selects nothing yet
    if (section == 0) {
        if (appState.currentSection == 0) {
            appState.currentSection = 1;
            appState.lastPosition = 0;
        }
        return;
    }
    if (section == appState.currentSection)
        return;
    appState.currentSection = (uint16_t)section;
    appState.lastPosition = 0;
}

int ShowSection(HWND window, unsigned section)
{
    const uint16_t rememberedSection = appState.currentSection;
    const uint32_t rememberedFlags = appState.Flags;
    if (section != LOAD_TOP_ONLY)
        SetCurrentSection(section, 1);
    int error = 0;
    BYTE* text = LoadSection(appState.currentSection, &error);
    if (text == nullptr) {
        appState.currentSection = rememberedSection;
        appState.Flags = rememberedFlags;
        return 1;
    }
    if (appState.topPane == nullptr) {
        free(text);
    } else {
        LayoutText(appState.topPane, text, 1);
        appState.topPane->topLine = 0;
    }
    if (section != LOAD_TOP_ONLY)
        LoadBottomSection(window);
    RepaintPanes(window, REPAINT_ALL);
    UpdateBookmarkCheck(true);
    return 0;
}

int LoadBottomSection(HWND window)
{
    int error = 0;
    BYTE* text = LoadSection(appState.currentSection + 1, &error);
    if (text == nullptr)
        return MessageBoxW(window, L"Resource not found", L"Error", MB_OK | MB_ICONEXCLAMATION);
    if (splitView.bottomPane == nullptr) {
        free(text);
        return 0;
    }
    LayoutText(splitView.bottomPane, text, 1);
    splitView.bottomPane->topLine = 0;
    return 0;
}

int StepSection(HWND window, int step)
{
    int n = appState.currentSection + step;
    if (n > SECTION_COUNT)
        n = 1;
    else if (n < 1)
        n = SECTION_COUNT - 1;
    return ShowSection(window, (unsigned)n);
}

int NextSection(HWND window)
{
    return StepSection(window, +2);
}

int PreviousSection(HWND window)
{
    return StepSection(window, -2);
}
