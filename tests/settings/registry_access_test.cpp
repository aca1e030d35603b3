// Against the host build's registry and, in the win build, Wine's own.
// Every test starts and ends with neither key present.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <string.h>

#include "settings/registry_access.h"
#include "support/message_box_log.h"

namespace {

void DeleteKeys()
{
    RegDeleteKeyW(HKEY_CURRENT_USER, PRODUCT_KEY);
    RegDeleteKeyW(HKEY_CURRENT_USER, MAKER_KEY);
}

class Registry : public testing::Test {
protected:
    void SetUp() override { DeleteKeys(); }
    void TearDown() override { DeleteKeys(); }
};

void SetRaw(const WCHAR* keyPath, const WCHAR* name, DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExW(key, name, 0, type, (const BYTE*)data, size), ERROR_SUCCESS);
    RegCloseKey(key);
}

TEST_F(Registry, MissingKeysAndValuesGiveDefaults)
{
    EXPECT_EQ(ReadSettingDword(TEXT("Flags"), 0xD1140040u), 0xD1140040u);
    EXPECT_EQ(ReadDwordValue(MAKER_KEY, TEXT("AllowSipInHebrewSearch"), 1), 1u);
    EXPECT_EQ(ReadSettingString(TEXT("FontName")), nullptr);
    DWORD size = 0x66;
    EXPECT_EQ(ReadSettingBytes(TEXT("SearchString"), &size), nullptr);
    BYTE fallback[1];
    EXPECT_EQ(ReadSettingBinary(TEXT("Bookmarks"), fallback, &size), fallback);
    EXPECT_EQ(size, 0x66u) << "size is left alone when the value is missing";
    HKEY key = nullptr;
    EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, MAKER_KEY, 0, KEY_READ, &key), ERROR_SUCCESS)
        << "reads never create a key";
}

TEST_F(Registry, WrittenValuesReadBack)
{
    EXPECT_TRUE(WriteSettingDword(TEXT("Lesson"), 7));
    EXPECT_EQ(ReadSettingDword(TEXT("lesson"), 0), 7u) << "names ignore case";
    EXPECT_TRUE(WriteSettingString(TEXT("FontName"), TEXT("Ezra SIL")));
    WCHAR* face = ReadSettingString(TEXT("FontName"));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(Units(face), u"Ezra SIL");
    free(face);
    const BYTE search[] = {'a', 'b', 'c', 0};
    EXPECT_TRUE(WriteSettingByteString(TEXT("SearchString"), search));
    DWORD size = 0;
    BYTE* bytes = ReadSettingBytes(TEXT("SearchString"), &size);
    ASSERT_NE(bytes, nullptr);
    EXPECT_EQ(size, 4u) << "the terminating zero is stored";
    EXPECT_EQ(memcmp(bytes, search, 4), 0);
    free(bytes);
    const BYTE marks[] = {1, 0, 9, 0};
    EXPECT_TRUE(WriteSettingBinary(TEXT("Bookmarks"), marks, 4));
    BYTE* got = ReadSettingBinary(TEXT("Bookmarks"), nullptr, &size);
    ASSERT_NE(got, nullptr);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(memcmp(got, marks, 4), 0);
    free(got);
}

TEST_F(Registry, NumbersStoredAsTextAndMakerSwitches)
{
    SetRaw(PRODUCT_KEY, TEXT("FontSize"), REG_SZ, TEXT("23"), 6);
    SetRaw(PRODUCT_KEY, TEXT("Flags"), REG_SZ, TEXT("1a"), 6);
    EXPECT_EQ(ReadSettingDword(TEXT("FontSize"), 0), 23u);
    EXPECT_EQ(ReadSettingDword(TEXT("Flags"), 0), 59u);
    const DWORD one = 1;
    SetRaw(MAKER_KEY, TEXT("FullScreen"), REG_DWORD, &one, 4);
    EXPECT_EQ(ReadDwordValue(MAKER_KEY, TEXT("FullScreen"), 0), 1u);
    EXPECT_EQ(ReadDwordValue(MAKER_KEY, TEXT("SurroundingGutter"), 0), 0u);
}

TEST_F(Registry, StringDataWithoutTerminatorIsEnded)
{
    // Four units and no zero: the reader must end the text itself.
    SetRaw(PRODUCT_KEY, TEXT("FontName"), REG_BINARY, TEXT("Abcd"), 8);
    WCHAR* face = ReadSettingString(TEXT("FontName"));
    ASSERT_NE(face, nullptr);
    EXPECT_EQ(Units(face), u"Abcd");
    free(face);
}

}  // namespace
