// The Choose Font dialog's template as the resources hold it.
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "support/dialog_template.h"

namespace {

struct ExpectedControl {
    int id;
    const wchar_t* className;
    const wchar_t* text;
    DWORD style;
    int x, y, cx, cy;
};

TEST(ChooseFontTemplate, HoldsTheDialogAndItsControls)
{
    const DialogTemplateInfo info = ReadDialogTemplate(GetModuleHandleW(nullptr), IDD_CHOOSE_FONT);
    ASSERT_TRUE(info.found);
    EXPECT_EQ(info.style, 0x90C80840u);
    EXPECT_EQ(info.exStyle, 0x80000000u);  // the caption's OK button
    EXPECT_EQ(info.title, L"Choose Font");
    EXPECT_EQ(info.cx, 152);
    EXPECT_EQ(info.cy, 167);
    EXPECT_EQ(info.pointSize, 8);
    EXPECT_EQ(info.face, L"System");

    const ExpectedControl expected[] = {
        {1001, L"LISTBOX", L"", 0x50A30103, 7, 7, 107, 94},
        {1006, L"LISTBOX", L"", 0x50A30101, 120, 44, 25, 56},
        {1002, L"EDIT", L"", 0x50810046, 7, 106, 138, 50},
        {1004, L"BUTTON", L"224", 0x50000009, 116, 19, 29, 10},
        {1005, L"BUTTON", L"5D0", 0x50000009, 116, 31, 29, 10},
    };
    ASSERT_EQ(info.controls.size(), sizeof expected / sizeof expected[0]);
    for (size_t i = 0; i < info.controls.size(); i++) {
        const TemplateControl& got = info.controls[i];
        const ExpectedControl& e = expected[i];
        SCOPED_TRACE(e.id);
        EXPECT_EQ(got.id, e.id);
        EXPECT_EQ(got.className, e.className);
        EXPECT_EQ(got.text, e.text);
        EXPECT_EQ(got.style, e.style);
        EXPECT_EQ(got.exStyle, 0u);
        EXPECT_EQ(got.x, e.x);
        EXPECT_EQ(got.y, e.y);
        EXPECT_EQ(got.cx, e.cx);
        EXPECT_EQ(got.cy, e.cy);
    }
}

}  // namespace
