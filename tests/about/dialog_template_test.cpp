// The About box's template as the resources hold it.
#include <gtest/gtest.h>

#include "maker_address.h"
#include "resources/resource_ids.h"
#include "support/dialog_template.h"

#define WIDE_(s) L##s
#define WIDE(s) WIDE_(s)

namespace {

TEST(AboutBoxTemplate, HoldsTheBoxAndItsControls)
{
    const DialogTemplateInfo info = ReadDialogTemplate(GetModuleHandleW(nullptr), IDD_ABOUT);
    ASSERT_TRUE(info.found);
    EXPECT_EQ(info.style, 0x90C80840u);
    EXPECT_EQ(info.exStyle, 0x80000000u);  // the caption's OK button
    EXPECT_EQ(info.title, L"Quillmere");
    EXPECT_EQ(info.cx, 130);
    EXPECT_EQ(info.cy, 85);
    EXPECT_EQ(info.pointSize, 8);
    EXPECT_EQ(info.face, L"System");

    const ExpectedControl expected[] = {
        {-1, L"STATIC", L"", -1, 0x50020080, 7, 7, 81, 8},
        {-1, L"STATIC", L"", IDB_LOGO, 0x5000000E, 88, 7, 47, 20},
        {-1, L"STATIC", L"Version 1.84a", -1, 0x50020000, 7, 24, 45, 8},
        {-1, L"STATIC", L"Genesis 1-10, pointed", -1, 0x50020000, 7, 41, 80, 8},
        {1025, L"BUTTON", WIDE(MAKER_LINK_TEXT), -1, 0x5001000B, 7, 58, 100, 8},
    };
    ExpectControls(info, expected, sizeof expected / sizeof expected[0]);
}

}  // namespace
