// Reads a dialog template from the test program's resources, so tests can
// hold it against what the dialog must be: styles, size, font, controls.
// Both the plain and the extended template forms are read. Win build only.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

struct TemplateControl {
    int id;
    std::wstring className;  // the predefined classes by name: "BUTTON", "EDIT", "STATIC", "LISTBOX"...
    std::wstring text;
    int textOrdinal;         // a resource number given as the text (a bitmap), else -1
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
};

struct DialogTemplateInfo {
    bool found;      // the resource exists and was read to its end
    bool extended;
    DWORD style;
    DWORD exStyle;
    int x, y, cx, cy;
    std::wstring title;
    int pointSize;   // 0 without DS_SETFONT
    std::wstring face;
    std::vector<TemplateControl> controls;
};

DialogTemplateInfo ReadDialogTemplate(HINSTANCE instance, int id);

// One control as a test expects it; textOrdinal -1 when the text is a string.
struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    int textOrdinal;
    DWORD style;
    int x, y, cx, cy;
};

// Holds the template's controls against the expected ones, in order, each
// with no extended style; failures name the control's index.
void ExpectControls(const DialogTemplateInfo& info, const ExpectedControl* expected, size_t count);
