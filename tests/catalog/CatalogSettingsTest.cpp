// Settings in the registry, CD-ROM drive look-ups, file-type icons, and the size, time and
// statistics texts.
#include <gtest/gtest.h>
#include <cstring>
#include <windows.h>
#include <commctrl.h>
#include <string>
#include <vector>
#include "catalog/CatalogFormat.h"
#include "catalog/CatalogSettings.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/CdromDrives.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/FileIconCache.h"
#include "catalog/FileTypeIcons.h"
#include "catalog/TextConversion.h"
#include "framework/CWinApp.h"

TEST(FormatSize, Table)
{
    struct Case
    {
        std::uint64_t bytes;
        const char* text;
    } cases[] = {
        {0, "0 KB"},
        {1, "<1 KB"},
        {1023, "<1 KB"},
        {1024, "1 KB"},
        {999 * 1024 + 1023, "999 KB"},
        {1000 * 1024, "1 000 KB"},  // the quotient 1000 is split too
        {1025024, "1 001 KB"},
        {1234567ull * 1024, "1 234 567 KB"},
        {1000500ull * 1024, "1 000 500 KB"},
        {1000000000ull * 1024, "1 000 000 000 KB"},
        {~0ull, "18 014 398 509 481 983 KB"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, FormatSizeKB(c.bytes)) << c.bytes;
}

TEST(FormatTime, LocalTimeAsDayMonthYearHourMinute)
{
    // 2004-03-05 07:08:09 UTC.
    SYSTEMTIME utc = {2004, 3, 5, 5, 7, 8, 9, 0};
    FILETIME ft;
    ASSERT_TRUE(SystemTimeToFileTime(&utc, &ft));
    SYSTEMTIME local;
    ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local));
    char expected[64];
    snprintf(expected, sizeof expected, "%02d.%02d.%d %02d:%02d", local.wDay, local.wMonth,
             local.wYear, local.wHour, local.wMinute);
    EXPECT_EQ(expected, FormatFileTime(ft));
    EXPECT_EQ(expected, FormatStoredFileTime(ft));
    EXPECT_EQ(16u, FormatFileTime(ft).size());
}

TEST(FormatStatisticsText, CountsAndGigabytes)
{
    ASSERT_EQ(0, CatalogStatistics::DiscCount());  // nothing else lives in this program now
    DiscNode a, b;
    DiscFolderNode f;
    std::vector<FileEntry> files(3);
    files[0].SetSize(1ull << 30);
    files[1].SetSize(1ull << 29);
    a.SetEntries(files);
    files.clear();
    const std::string expected = ToAnsiString(
        L"Дисков всего: 2\r\nПапок всего: 1\r\nФайлов всего: 3\r\nОбщий объём файлов: 1.50 Gb");
    EXPECT_EQ(expected, FormatStatistics());
}

namespace
{

// A string value of <keyPath>\\Settings, or "<none>".
std::string RegistryString(const std::string& keyPath, const char* name)
{
    char buf[256] = {};
    DWORD type = 0, size = sizeof buf - 1;
    HKEY k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, (keyPath + "\\Settings").c_str(), 0, KEY_READ, &k))
        return "<none>";
    const LONG rc = RegQueryValueExA(k, name, nullptr, &type, (LPBYTE)buf, &size);
    RegCloseKey(k);
    return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(buf) : "<none>";
}

// A registry key of the test's own, removed at the end.
struct TestKey
{
    std::string path;
    TestKey() : path("Software\\rimsel\\LornivalTest" + std::to_string(GetCurrentProcessId())) {}
    ~TestKey()
    {
        RegDeleteKeyA(HKEY_CURRENT_USER, (path + "\\Settings").c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
    }
    void SetDword(const char* name, DWORD v)
    {
        HKEY k;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, (path + "\\Settings").c_str(),
                                                 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr));
        RegSetValueExA(k, name, 0, REG_DWORD, (const BYTE*)&v, sizeof v);
        RegCloseKey(k);
    }
    std::string GetString(const char* name)
    {
        char buf[256] = {};
        LONG size = sizeof buf;
        DWORD type = 0;
        HKEY k;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, (path + "\\Settings").c_str(), 0, KEY_READ, &k))
            return "<no key>";
        DWORD sz = sizeof buf;
        LONG rc = RegQueryValueExA(k, name, nullptr, &type, (LPBYTE)buf, &sz);
        RegCloseKey(k);
        (void)size;
        return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(buf) : "<none>";
    }
    DWORD GetDword(const char* name)
    {
        DWORD v = 0xFFFFFFFF, type = 0, sz = sizeof v;
        HKEY k;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, (path + "\\Settings").c_str(), 0, KEY_READ, &k))
            return v;
        RegQueryValueExA(k, name, nullptr, &type, (LPBYTE)&v, &sz);
        RegCloseKey(k);
        return v;
    }
};

}  // namespace

TEST(CatalogSettingsRegistry, DefaultsValuesAndTheOnlyTrueOne)
{
    EXPECT_EQ(std::string("Software\\rimsel\\Lornival"), CatalogSettings::DefaultKeyPath);
    TestKey key;
    CatalogSettings s(key.path);
    s.Load();
    EXPECT_EQ("", s.m_defaultRoot);
    EXPECT_FALSE(s.m_recursionLimitEnabled);
    EXPECT_EQ(8, s.m_recursionLimit);

    key.SetDword("RecursionLimitEnabled", 2);
    key.SetDword("RecursionLimit", 3);
    s.Load();
    EXPECT_FALSE(s.m_recursionLimitEnabled);
    EXPECT_EQ(3, s.m_recursionLimit);
    key.SetDword("RecursionLimitEnabled", 1);
    s.Load();
    EXPECT_TRUE(s.m_recursionLimitEnabled);

    s.SetDefaultRoot("X:\\");
    EXPECT_EQ("X:\\", key.GetString("DefaultRoot"));
    s.SetRecursionLimit(5, false);
    EXPECT_EQ(5u, key.GetDword("RecursionLimit"));
    EXPECT_EQ(0u, key.GetDword("RecursionLimitEnabled"));
    s.SetDefaultRoot(nullptr);
    EXPECT_EQ("", key.GetString("DefaultRoot"));

    CatalogSettings fresh(key.path);
    fresh.Load();
    EXPECT_EQ("", fresh.m_defaultRoot);
    EXPECT_EQ(5, fresh.m_recursionLimit);
    EXPECT_FALSE(fresh.m_recursionLimitEnabled);
}

TEST(CatalogSettingsRegistry, ThroughTheApplicationsProfile)
{
    // The application "LornivalTest<pid>" under the registry key "rimsel": its profile section
    // "Settings" is the test's own key.
    TestKey key;
    const std::string appName = key.path.substr(std::strlen("Software\\rimsel\\"));
    const std::string shippedBefore = RegistryString(CatalogSettings::DefaultKeyPath,
                                                     "DefaultRoot");
    CWinApp app(appName.c_str());
    app.SetRegistryKey("rimsel");

    key.SetDword("RecursionLimit", 4);
    key.SetDword("RecursionLimitEnabled", 1);
    CatalogSettings s;
    s.Load();
    EXPECT_EQ("", s.m_defaultRoot);
    EXPECT_EQ(4, s.m_recursionLimit);
    EXPECT_TRUE(s.m_recursionLimitEnabled);
    key.SetDword("RecursionLimitEnabled", 2);  // only 1 switches the limit on
    s.Load();
    EXPECT_FALSE(s.m_recursionLimitEnabled);

    s.SetDefaultRoot("Y:\\");
    s.SetRecursionLimit(1, true);
    EXPECT_EQ("Y:\\", key.GetString("DefaultRoot"));
    EXPECT_EQ(1u, key.GetDword("RecursionLimit"));
    EXPECT_EQ(1u, key.GetDword("RecursionLimitEnabled"));
    EXPECT_EQ(shippedBefore, RegistryString(CatalogSettings::DefaultKeyPath, "DefaultRoot"));

    CatalogSettings fresh;
    fresh.Load();
    EXPECT_EQ("Y:\\", fresh.m_defaultRoot);
    EXPECT_EQ(1, fresh.m_recursionLimit);
    EXPECT_TRUE(fresh.m_recursionLimitEnabled);
}

TEST(CdromDriveLookups, MasksOfTheTestDrives)
{
    // X: and Y: of the test prefix are CD-ROM drives; C: is a fixed disc.
    const DWORD c = 1u << 2, x = 1u << ('X' - 'A'), y = 1u << ('Y' - 'A');
    EXPECT_EQ("X:\\", GetCdromRootFromMask(c | x | y));
    EXPECT_EQ("Y:\\", GetCdromRootFromMask(y));
    EXPECT_EQ("", GetCdromRootFromMask(c));
    EXPECT_EQ("", GetCdromRootFromMask(0));
    EXPECT_TRUE(UnitMaskHasCdrom(c | y));
    EXPECT_FALSE(UnitMaskHasCdrom(c));
    EXPECT_EQ((std::vector<std::string>{"X:\\", "Y:\\"}), CdromRootsOfMask(c | x | y));
    const std::string first = FindCdromDrives();
    ASSERT_FALSE(first.empty());
    EXPECT_EQ((UINT)DRIVE_CDROM, GetDriveTypeA(first.c_str()));
    EXPECT_LE(first, std::string("X:\\"));
}

namespace
{

// A file type registered for the test.
struct FileType
{
    std::string ext, cls;
    FileType(const std::string& extension, const std::string& defaultIcon)
        : ext(extension), cls("LornivalTest" + extension.substr(1) + "File")
    {
        RegSetValueA(HKEY_CLASSES_ROOT, ext.c_str(), REG_SZ, cls.c_str(), 0);
        RegSetValueA(HKEY_CLASSES_ROOT, (cls + "\\DefaultIcon").c_str(), REG_SZ,
                     defaultIcon.c_str(), 0);
    }
    ~FileType()
    {
        RegDeleteKeyA(HKEY_CLASSES_ROOT, (cls + "\\DefaultIcon").c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, cls.c_str());
        RegDeleteKeyA(HKEY_CLASSES_ROOT, ext.c_str());
    }
};

}  // namespace

TEST(FileTypeIconLookups, RegistryValuesAndTheCache)
{
    FileType byOrdinal(".lvtord", "shell32.dll,0");
    FileType byId(".lvtid", "%SystemRoot%\\system32\\shell32.dll,-4");
    FileType noComma(".lvtnc", "shell32.dll");
    FileType broken(".lvtbad", "no-such-module.dll,0");

    std::string file;
    int index = 99;
    ASSERT_TRUE(GetFileTypeIcon(".lvtid", file, index));
    EXPECT_EQ(-4, index);
    EXPECT_EQ(std::string::npos, file.find('%'));
    ASSERT_TRUE(GetFileTypeIcon(".lvtnc", file, index));
    EXPECT_EQ("shell32.dll", file);
    EXPECT_EQ(0, index);
    EXPECT_FALSE(GetFileTypeIcon(".lvtnothing", file, index));

    HICON h = LoadModuleIconByName("shell32.dll", 4);
    ASSERT_NE(nullptr, h);
    DestroyIcon(h);

    HIMAGELIST images = ImageList_Create(16, 16, ILC_MASK | ILC_COLORDDB, 7, 5);
    // The four fixed entries of the document's list.
    for (int i = 0; i < 4; ++i)
        ImageList_ReplaceIcon(images, -1, LoadIcon(nullptr, IDI_APPLICATION));
    FileIconCache cache;
    EXPECT_EQ(0, cache.GetFileIconIndex(L"README", images));
    const int ordinal = cache.GetFileIconIndex(L"a.lvtord", images);
    EXPECT_EQ(4, ordinal);
    EXPECT_EQ(ordinal, cache.GetFileIconIndex(L"b.LVTORD", images));  // one entry for both cases
    const int byIdIndex = cache.GetFileIconIndex(L"c.lvtid", images);
    EXPECT_EQ(5, byIdIndex);
    EXPECT_EQ(0, cache.GetFileIconIndex(L"d.lvtbad", images));
    EXPECT_EQ(0, cache.GetFileIconIndex(L"e.lvtnothing", images));
    EXPECT_EQ(6, ImageList_GetImageCount(images));
    // Misses are kept: registering the type now changes nothing for this cache.
    FileType late(".lvtnothing", "shell32.dll,0");
    EXPECT_EQ(0, cache.GetFileIconIndex(L"f.lvtnothing", images));
    EXPECT_EQ(6, ImageList_GetImageCount(images));
    ImageList_Destroy(images);
}
