// The profile functions: values round-trip through HKCU\Software\<key>\<application>\<section>,
// missing or mistyped values give the defaults, and null entries or values delete.
#include <gtest/gtest.h>

#include <cstring>

#include "framework/CWinApp.h"

namespace
{

const char kKey[] = "LornivalFrameworkTest";
const char kSectionPath[] = "Software\\LornivalFrameworkTest\\ProfileApp\\Settings";

void DeleteTree(HKEY hParent, const char* name)
{
    HKEY hKey;
    if (::RegOpenKeyExA(hParent, name, 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) return;
    char sub[256];
    while (::RegEnumKeyA(hKey, 0, sub, sizeof(sub)) == ERROR_SUCCESS) DeleteTree(hKey, sub);
    ::RegCloseKey(hKey);
    ::RegDeleteKeyA(hParent, name);
}

class ProfileTest : public ::testing::Test
{
protected:
    CWinApp app{"ProfileApp"};
    void SetUp() override
    {
        DeleteTree(HKEY_CURRENT_USER, "Software\\LornivalFrameworkTest");
        app.SetRegistryKey(kKey);
    }
    void TearDown() override { DeleteTree(HKEY_CURRENT_USER, "Software\\LornivalFrameworkTest"); }
};

TEST_F(ProfileTest, ValuesRoundTripUnderTheApplicationKey)
{
    EXPECT_TRUE(app.WriteProfileInt("Settings", "RecursionLimit", 12));
    EXPECT_TRUE(app.WriteProfileInt("Settings", "Negative", -3));
    EXPECT_TRUE(app.WriteProfileString("Settings", "DefaultRoot", "X:\\"));
    const BYTE widths[] = {100, 0, 0, 0, 0x2C, 0x01, 0, 0};
    EXPECT_TRUE(
        app.WriteProfileBinary("Settings", "Column widths", (LPBYTE)widths, sizeof(widths)));

    EXPECT_EQ(12u, app.GetProfileInt("Settings", "RecursionLimit", 8));
    EXPECT_EQ((UINT)-3, app.GetProfileInt("Settings", "Negative", 0));
    EXPECT_STREQ("X:\\", app.GetProfileString("Settings", "DefaultRoot"));
    LPBYTE data = nullptr;
    UINT bytes = 0;
    ASSERT_TRUE(app.GetProfileBinary("Settings", "Column widths", &data, &bytes));
    EXPECT_EQ(sizeof(widths), bytes);
    EXPECT_EQ(0, memcmp(widths, data, bytes));
    delete[] data;

    // The values are where other programs and later runs look: the registry itself.
    HKEY hKey;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_READ, &hKey));
    DWORD type = 0, value = 0, size = sizeof(value);
    EXPECT_EQ(ERROR_SUCCESS,
              ::RegQueryValueExA(hKey, "RecursionLimit", nullptr, &type, (LPBYTE)&value, &size));
    EXPECT_EQ((DWORD)REG_DWORD, type);
    EXPECT_EQ(12u, value);
    char text[16] = "";
    size = sizeof(text);
    EXPECT_EQ(ERROR_SUCCESS,
              ::RegQueryValueExA(hKey, "DefaultRoot", nullptr, &type, (LPBYTE)text, &size));
    EXPECT_EQ((DWORD)REG_SZ, type);
    EXPECT_STREQ("X:\\", text);
    ::RegCloseKey(hKey);
}

TEST_F(ProfileTest, MissingOrMistypedValuesGiveTheDefaults)
{
    EXPECT_EQ(8u, app.GetProfileInt("Settings", "RecursionLimit", 8));
    EXPECT_STREQ("", app.GetProfileString("Settings", "DefaultRoot"));
    EXPECT_STREQ("dflt", app.GetProfileString("Nowhere", "Nothing", "dflt"));
    LPBYTE data = (LPBYTE)1;
    UINT bytes = 7;
    EXPECT_FALSE(app.GetProfileBinary("Settings", "Column widths", &data, &bytes));
    EXPECT_EQ(nullptr, data);
    EXPECT_EQ(0u, bytes);
    // Reading created nothing.
    HKEY hKey;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_READ, &hKey));

    // A value of another type is not read as this one.
    app.WriteProfileString("Settings", "RecursionLimit", "12");
    EXPECT_EQ(8u, app.GetProfileInt("Settings", "RecursionLimit", 8));
    app.WriteProfileInt("Settings", "DefaultRoot", 5);
    EXPECT_STREQ("d", app.GetProfileString("Settings", "DefaultRoot", "d"));
    EXPECT_FALSE(app.GetProfileBinary("Settings", "DefaultRoot", &data, &bytes));
}

TEST_F(ProfileTest, NullValueDeletesTheEntryAndNullEntryTheSection)
{
    app.WriteProfileString("Settings", "A", "1");
    app.WriteProfileString("Settings", "B", "2");
    EXPECT_TRUE(app.WriteProfileString("Settings", "A", nullptr));
    EXPECT_STREQ("gone", app.GetProfileString("Settings", "A", "gone"));
    EXPECT_STREQ("2", app.GetProfileString("Settings", "B"));
    EXPECT_TRUE(app.WriteProfileString("Settings", nullptr, nullptr));
    EXPECT_STREQ("gone", app.GetProfileString("Settings", "B", "gone"));
    HKEY hKey;
    EXPECT_NE(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER, kSectionPath, 0, KEY_READ, &hKey));
}

}  // namespace
