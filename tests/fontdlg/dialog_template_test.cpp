// The Choose Font dialog's template as the resources hold it.
#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "support/dialog_template.h"

namespace {

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
        {1001, L"LISTBOX", L"", -1, 0x50A30103, 7, 7, 107, 94},
        {1006, L"LISTBOX", L"", -1, 0x50A30101, 120, 44, 25, 56},
        {1002, L"EDIT", L"", -1, 0x50810046, 7, 106, 138, 50},
        {1004, L"BUTTON", L"224", -1, 0x50000009, 116, 19, 29, 10},
        {1005, L"BUTTON", L"5D0", -1, 0x50000009, 116, 31, 29, 10},
    };
    ExpectControls(info, expected, sizeof expected / sizeof expected[0]);
}

}  // namespace
