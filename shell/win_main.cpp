// Until the reader's window arrives, the program checks that every section
// and the index load, and reports a failure with the program's own message.
#include <stdlib.h>

#include "../content/section_loader.h"
#include "app_state.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int)
{
    appState.instance = instance;
    static const int sections[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, INDEX_SECTION_NUMBER};
    for (int section : sections) {
        int error = 0;
        BYTE* text = LoadSection(section, &error);
        if (text == nullptr) {
            MessageBoxW(nullptr, L"Resource not found", L"Error", MB_OK | MB_ICONEXCLAMATION);
            return 1;
        }
        free(text);
    }
    return 0;
}
