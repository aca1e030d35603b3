// The face list the enumeration fills: blocks of 25 records, enumeration
// order, one record per family. The host build runs this under
// AddressSanitizer, whose leak check sees any block left unreleased.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fontdlg/font_choice.h"
#include "fontdlg/font_dialog_state.h"
#include "support/message_box_log.h"

namespace {

std::u16string FaceName(int i)
{
    std::u16string name = u"Face ";
    name += (char16_t)(u'A' + i / 26);
    name += (char16_t)(u'a' + i % 26);
    return name;
}

std::vector<WCHAR> Wide(const std::u16string& s)
{
    std::vector<WCHAR> out(s.begin(), s.end());
    out.push_back(0);
    return out;
}

std::string Narrow(const WCHAR* s)
{
    const std::u16string units = Units(s);
    return std::string(units.begin(), units.end());
}

std::vector<std::u16string> Listed(const FontDialogState& state)
{
    std::vector<std::u16string> names;
    for (const FaceRecord* r = state.faces; r != nullptr; r = r->next)
        names.push_back(Units(r->faceName));
    return names;
}

TEST(FaceRecords, KeepEnumerationOrderAcrossBlocks)
{
    FontDialogState state;
    ClearFontDialogState(&state);
    std::vector<std::u16string> expected;
    for (int i = 0; i < 60; i++) {
        expected.push_back(FaceName(i));
        ASSERT_EQ(AppendFaceRecord(&state, Wide(FaceName(i)).data(), (BYTE)i), 1);
    }
    EXPECT_EQ(Listed(state), expected);
    int i = 0;
    for (const FaceRecord* r = state.faces; r != nullptr; r = r->next, i++) {
        EXPECT_EQ(r->blockStart, i % FACE_BLOCK_RECORDS == 0 ? 1 : 0) << "record " << i;
        EXPECT_EQ(r->charSet, (BYTE)i);
    }
    EXPECT_EQ(state.freeFaces, 3 * FACE_BLOCK_RECORDS - 60);

    // Released, the list is empty and takes faces again.
    ReleaseFaceRecords(&state);
    EXPECT_EQ(state.faces, nullptr);
    EXPECT_EQ(state.freeFaces, 0);
    ASSERT_EQ(AppendFaceRecord(&state, TEXT("Again"), 0), 1);
    EXPECT_EQ(Listed(state), std::vector<std::u16string>{u"Again"});
    ReleaseFaceRecords(&state);
}

TEST(FaceRecords, ReleaseKeepsThePreviewFontAndTarget)
{
    // The preview font outlives the faces: Cancel releases the faces before
    // the dialog is destroyed, and WM_DESTROY still has to delete the font.
    FontDialogState state;
    ClearFontDialogState(&state);
    FontSpec spec = {};
    state.target = &spec;
    state.previewFont = (HFONT)(uintptr_t)0x1234;
    state.previewLogFont.lfHeight = 16;
    AppendFaceRecord(&state, TEXT("Kept"), 0);
    ReleaseFaceRecords(&state);
    EXPECT_EQ(state.previewFont, (HFONT)(uintptr_t)0x1234);
    EXPECT_EQ(state.previewLogFont.lfHeight, 16);
    EXPECT_EQ(state.target, &spec);
}

TEST(FaceRecords, FoldOneFamilyReportedForSeveralCharacterSets)
{
    struct Report {
        const WCHAR* name;
        BYTE charSet;
    };
    // As a desktop reports them: each family once per character set.
    const Report reports[] = {
        {TEXT("Liberation Sans"), 0}, {TEXT("Liberation Sans"), 238}, {TEXT("Ezra SIL"), 0},
        {TEXT("Ezra SIL"), 177},      {TEXT("David CLM"), 177},       {TEXT("Ezra SIL SR"), 0},
        {TEXT("Liberation Sans"), 204},
    };
    FontDialogState state;
    ClearFontDialogState(&state);
    for (const Report& r : reports)
        ASSERT_EQ(NoteFontFace(&state, r.name, r.charSet), 1);
    EXPECT_EQ(Listed(state), (std::vector<std::u16string>{u"Liberation Sans", u"Ezra SIL", u"David CLM", u"Ezra SIL SR"}));

    struct Expect {
        const WCHAR* name;
        int charSet;  // -1: not found
    };
    const Expect expects[] = {
        {TEXT("Liberation Sans"), 0}, {TEXT("Ezra SIL"), 177}, {TEXT("David CLM"), 177},
        {TEXT("Ezra SIL SR"), 0},
        {TEXT("Ezra"), -1},       // a prefix is not the face
        {TEXT("ezra sil"), -1},   // nor another case
        {TEXT(""), -1},
    };
    for (const Expect& e : expects) {
        const FaceRecord* found = FindFaceRecord(&state, e.name);
        SCOPED_TRACE(Narrow(e.name));
        if (e.charSet < 0) {
            EXPECT_EQ(found, nullptr);
        } else {
            ASSERT_NE(found, nullptr);
            EXPECT_EQ(found->charSet, e.charSet);
        }
    }
    ReleaseFaceRecords(&state);
}

TEST(FaceRecords, CutANameLongerThanTheRecord)
{
    std::u16string longName(40, u'x');
    FontDialogState state;
    ClearFontDialogState(&state);
    ASSERT_EQ(AppendFaceRecord(&state, Wide(longName).data(), 0), 1);
    EXPECT_EQ(Units(state.faces->faceName), std::u16string(FACE_NAME_UNITS - 1, u'x'));
    ReleaseFaceRecords(&state);
}

}  // namespace
