// The registry accessor against the real (Wine) registry, under a key of the tests' own that each
// test removes again: value kinds round trip, archive images, read-only refusal, missing data
// keeping defaults, damaged blobs, recursive deletion and key enumeration.
#include <gtest/gtest.h>
#include <windows.h>
#include <shlwapi.h>

#include "framework/CArchive.h"
#include "framework/CByteArray.h"
#include "framework/CDWordArray.h"
#include "framework/CObList.h"
#include "framework/CRect.h"
#include "framework/CStringArray.h"
#include "framework/CStringList.h"
#include "framework/CWordArray.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/ZAVPRegistryPath.h"

namespace
{
const char kTestKey[] = "Software\\LornivalTests\\UiFoundationRegistry";

// A serialisable object with two fields, for object and object-pointer values.
class CRegistrySample : public CObject
{
    DECLARE_SERIAL(CRegistrySample)
public:
    CRegistrySample() = default;
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_nNumber << m_strName;
        else
            ar >> m_nNumber >> m_strName;
    }
    int m_nNumber = 0;
    CString m_strName;
};
IMPLEMENT_SERIAL(CRegistrySample, CObject, 1)

class RegistryTest : public ::testing::Test
{
protected:
    void SetUp() override { RemoveTestKey(); }
    void TearDown() override { RemoveTestKey(); }
    static void RemoveTestKey() { SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\LornivalTests"); }

    // A fresh writable object with the test key created and current.
    static void OpenForWriting(CZAVPRegistryHolder& holder, CZAVPRegistry*& reg)
    {
        reg = &holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg->CreateKey(kTestKey));
    }
    static void OpenForReading(CZAVPRegistryHolder& holder, CZAVPRegistry*& reg)
    {
        reg = &holder.Create(FALSE, TRUE);
        ASSERT_TRUE(reg->ReadKey(kTestKey));
    }
    static void WriteRaw(const char* name, DWORD type, const void* data, DWORD size)
    {
        HKEY key;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key, nullptr));
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, (const BYTE*)data, size));
        RegCloseKey(key);
    }
};
}  // namespace

TEST_F(RegistryTest, PlainValuesRoundTrip)
{
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry* reg;
        OpenForWriting(holder, reg);
        EXPECT_TRUE(reg->Write("Dword", (DWORD)0xDEADBEEF));
        EXPECT_TRUE(reg->Write("Int", -7));
        EXPECT_TRUE(reg->Write("Text", "Обзор"));
        EXPECT_TRUE(reg->Write("Empty", ""));
        const BYTE bytes[] = {1, 2, 3, 0, 255};
        EXPECT_TRUE(reg->WriteBinary("Bytes", bytes, sizeof bytes));
    }
    CZAVPRegistryHolder holder;
    CZAVPRegistry* reg;
    OpenForReading(holder, reg);
    DWORD dw = 0;
    int n = 0;
    CString text("default"), empty("default");
    EXPECT_TRUE(reg->Read("Dword", dw));
    EXPECT_EQ(0xDEADBEEFu, dw);
    EXPECT_TRUE(reg->Read("Int", n));
    EXPECT_EQ(-7, n);
    EXPECT_TRUE(reg->Read("Text", text));
    EXPECT_STREQ("Обзор", (LPCSTR)text);
    EXPECT_TRUE(reg->Read("Empty", empty));  // an empty string reads back, and that is success
    EXPECT_STREQ("", (LPCSTR)empty);
    BYTE* data = nullptr;
    UINT size = 0;
    ASSERT_TRUE(reg->ReadBinary("Bytes", data, size));
    ASSERT_EQ(5u, size);
    EXPECT_EQ(255, data[4]);
    delete[] data;
    EXPECT_TRUE(reg->QueryValue("Int"));
    EXPECT_FALSE(reg->QueryValue("Nothing"));
}

TEST_F(RegistryTest, ArchiveImagesRoundTrip)
{
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry* reg;
        OpenForWriting(holder, reg);
        EXPECT_TRUE(reg->Write("Rect", CRect(1, -2, 300, 400)));
        EXPECT_TRUE(reg->Write("Point", CPoint(-5, 70000)));
        CWordArray words;
        words.Add(1), words.Add(0xFFFF);
        EXPECT_TRUE(reg->Write("Words", words));
        CStringArray strings;
        strings.Add("a"), strings.Add("Панель");
        EXPECT_TRUE(reg->Write("Strings", strings));
        CStringList list;
        list.AddTail("x"), list.AddTail("y");
        EXPECT_TRUE(reg->Write("StringList", list));
        CDWordArray dwords;
        dwords.Add(7);
        EXPECT_TRUE(reg->Write("Dwords", dwords));
        CByteArray bytes;
        bytes.Add(9);
        EXPECT_TRUE(reg->Write("ByteArray", bytes));
        CRegistrySample sample;
        sample.m_nNumber = 42;
        sample.m_strName = "sample";
        EXPECT_TRUE(reg->Write("Object", sample));
        EXPECT_TRUE(reg->Write("ObjectPointer", &sample));
    }
    CZAVPRegistryHolder holder;
    CZAVPRegistry* reg;
    OpenForReading(holder, reg);
    CRect rect;
    EXPECT_TRUE(reg->Read("Rect", rect));
    EXPECT_EQ(CRect(1, -2, 300, 400), rect);
    CPoint point;
    EXPECT_TRUE(reg->Read("Point", point));
    EXPECT_EQ(-5, point.x);
    EXPECT_EQ(70000, point.y);
    CWordArray words;
    ASSERT_TRUE(reg->Read("Words", words));
    ASSERT_EQ(2, words.GetSize());
    EXPECT_EQ(0xFFFF, words[1]);
    CStringArray strings;
    strings.Add("stale");
    ASSERT_TRUE(reg->Read("Strings", strings));
    ASSERT_EQ(2, strings.GetSize());
    EXPECT_STREQ("Панель", (LPCSTR)strings[1]);
    CStringList list;
    ASSERT_TRUE(reg->Read("StringList", list));
    EXPECT_EQ(2, list.GetCount());
    CDWordArray dwords;
    ASSERT_TRUE(reg->Read("Dwords", dwords));
    EXPECT_EQ(7u, dwords[0]);
    CByteArray bytes;
    ASSERT_TRUE(reg->Read("ByteArray", bytes));
    EXPECT_EQ(9, bytes[0]);
    CRegistrySample sample;
    ASSERT_TRUE(reg->Read("Object", sample));
    EXPECT_EQ(42, sample.m_nNumber);
    EXPECT_STREQ("sample", (LPCSTR)sample.m_strName);
    CObject* pObject = nullptr;
    ASSERT_TRUE(reg->Read("ObjectPointer", pObject, RUNTIME_CLASS(CRegistrySample)));
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CRegistrySample)));
    EXPECT_EQ(42, static_cast<CRegistrySample*>(pObject)->m_nNumber);
    delete pObject;
}

TEST_F(RegistryTest, StoredFormatsAreTheArchiveImages)
{
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry* reg;
        OpenForWriting(holder, reg);
        ASSERT_TRUE(reg->Write("Point", CPoint(3, 4)));
        ASSERT_TRUE(reg->Write("Rect", CRect(1, 2, 3, 4)));
        CWordArray words;
        words.Add(0x1234);
        ASSERT_TRUE(reg->Write("Words", words));
    }
    CZAVPRegistryHolder holder;
    CZAVPRegistry* reg;
    OpenForReading(holder, reg);
    BYTE* data = nullptr;
    UINT size = 0;
    // A point: the five-element DWORD array image, a 16-bit count and five DWORDs (22 bytes).
    ASSERT_TRUE(reg->ReadBinary("Point", data, size));
    const BYTE point[22] = {5, 0, 3, 0, 0, 0, 4, 0, 0, 0};
    ASSERT_EQ(sizeof point, size);
    EXPECT_EQ(0, memcmp(point, data, size));
    delete[] data;
    // A rectangle: four LONGs.
    ASSERT_TRUE(reg->ReadBinary("Rect", data, size));
    const BYTE rect[16] = {1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0, 4, 0, 0, 0};
    ASSERT_EQ(sizeof rect, size);
    EXPECT_EQ(0, memcmp(rect, data, size));
    delete[] data;
    // A word array: a 4-byte count, then the words.
    ASSERT_TRUE(reg->ReadBinary("Words", data, size));
    const BYTE words[6] = {1, 0, 0, 0, 0x34, 0x12};
    ASSERT_EQ(sizeof words, size);
    EXPECT_EQ(0, memcmp(words, data, size));
    delete[] data;
}

TEST_F(RegistryTest, DamagedBlobsKeepTheDefaults)
{
    // A word array that promises more words than its bytes hold, a point image cut short, a
    // string array whose count runs past its strings, and a rectangle of 15 bytes.
    const BYTE words[] = {0xFF, 0xFF, 0xFF, 0x7F, 1, 0};
    WriteRaw("Words", REG_BINARY, words, sizeof words);
    const BYTE point[] = {5, 0, 3, 0, 0, 0};
    WriteRaw("Point", REG_BINARY, point, sizeof point);
    const BYTE strings[] = {3, 0, 1, 'a'};
    WriteRaw("Strings", REG_BINARY, strings, sizeof strings);
    const BYTE rect[15] = {};
    WriteRaw("Rect", REG_BINARY, rect, sizeof rect);
    WriteRaw("Number", REG_BINARY, rect, 2);

    CZAVPRegistryHolder holder;
    CZAVPRegistry* reg;
    OpenForReading(holder, reg);
    CWordArray wordArray;
    wordArray.Add(77);
    EXPECT_FALSE(reg->Read("Words", wordArray));
    ASSERT_EQ(1, wordArray.GetSize());
    EXPECT_EQ(77, wordArray[0]);
    CPoint p(11, 12);
    EXPECT_FALSE(reg->Read("Point", p));
    EXPECT_EQ(CPoint(11, 12), p);
    CStringArray stringArray;
    stringArray.Add("kept");
    EXPECT_FALSE(reg->Read("Strings", stringArray));
    ASSERT_EQ(1, stringArray.GetSize());
    EXPECT_STREQ("kept", (LPCSTR)stringArray[0]);
    CRect r(1, 1, 2, 2);
    EXPECT_FALSE(reg->Read("Rect", r));
    EXPECT_EQ(CRect(1, 1, 2, 2), r);
    DWORD n = 5;
    EXPECT_FALSE(reg->Read("Number", n));
    EXPECT_EQ(5u, n);
    // A blob naming a class other than the one expected creates nothing.
    CObject* pObject = nullptr;
    EXPECT_FALSE(reg->Read("Strings", pObject, RUNTIME_CLASS(CRegistrySample)));
    EXPECT_EQ(nullptr, pObject);
}

TEST_F(RegistryTest, AnObjectOrListThatDoesNotReadBackWholeStaysAsItWas)
{
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry* reg;
        OpenForWriting(holder, reg);
        CRegistrySample stored;
        stored.m_nNumber = 42;
        stored.m_strName = "stored";
        ASSERT_TRUE(reg->Write("Object", stored));
        CObList list;
        list.AddTail(&stored);
        ASSERT_TRUE(reg->Write("List", list));
        list.RemoveAll();
        CStringArray strings;
        strings.Add("not a sample");
        CObList wrong;
        wrong.AddTail(&strings);
        ASSERT_TRUE(reg->Write("WrongList", wrong));
        wrong.RemoveAll();
    }
    // The object's image cut in the middle of its name: the number would read, the name not.
    BYTE* data = nullptr;
    UINT size = 0;
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry* reg;
        OpenForReading(holder, reg);
        ASSERT_TRUE(reg->ReadBinary("Object", data, size));
    }
    WriteRaw("Cut", REG_BINARY, data, size - 2);
    delete[] data;

    CZAVPRegistryHolder holder;
    CZAVPRegistry* reg;
    OpenForReading(holder, reg);
    CRegistrySample sample;
    sample.m_nNumber = 5;
    sample.m_strName = "default";
    EXPECT_FALSE(reg->Read("Cut", sample));
    EXPECT_EQ(5, sample.m_nNumber);
    EXPECT_STREQ("default", (LPCSTR)sample.m_strName);

    CObList list;
    CRegistrySample* pKept = new CRegistrySample;
    list.AddTail(pKept);
    EXPECT_FALSE(reg->Read("WrongList", list, RUNTIME_CLASS(CRegistrySample)));
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(pKept, list.GetHead());
    ASSERT_TRUE(reg->Read("List", list, RUNTIME_CLASS(CRegistrySample)));
    ASSERT_EQ(1, list.GetCount());
    EXPECT_EQ(42, static_cast<CRegistrySample*>(list.GetHead())->m_nNumber);
    delete list.RemoveHead();
}

TEST_F(RegistryTest, AStringThatIsMissingOrNoStringReadsEmptyAndFails)
{
    WriteRaw("Number", REG_DWORD, "\1\0\0\0", 4);
    WriteRaw("Blob", REG_BINARY, "abc", 4);
    WriteRaw("Expand", REG_EXPAND_SZ, "%TEMP%", 7);
    CZAVPRegistryHolder holder;
    CZAVPRegistry* reg;
    OpenForReading(holder, reg);
    struct Case
    {
        const char* name;
        BOOL ok;
        const char* text;
    } cases[] = {
        {"Missing", FALSE, ""},
        {"Number", FALSE, ""},
        {"Blob", FALSE, ""},
        {"Expand", TRUE, "%TEMP%"},  // read as stored, not expanded
    };
    for (const Case& c : cases) {
        CString text("default");
        EXPECT_EQ(c.ok, reg->Read(c.name, text)) << c.name;
        EXPECT_STREQ(c.text, (LPCSTR)text) << c.name;
    }
}

TEST_F(RegistryTest, MissingKeyOrValueKeepsDefaults)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    EXPECT_FALSE(reg.ReadKey("Software\\LornivalTests\\NoSuchKey"));
    WriteRaw("Present", REG_DWORD, "\1\0\0\0", 4);
    CZAVPRegistryHolder holder2;
    CZAVPRegistry* reg2;
    OpenForReading(holder2, reg2);
    DWORD n = 99;
    CRect r(1, 2, 3, 4);
    EXPECT_FALSE(reg2->Read("Missing", n));
    EXPECT_FALSE(reg2->Read("Missing", r));
    EXPECT_EQ(99u, n);
    EXPECT_EQ(CRect(1, 2, 3, 4), r);
    BYTE* data = (BYTE*)1;
    UINT size = 1;
    EXPECT_FALSE(reg2->ReadBinary("Missing", data, size));
    EXPECT_EQ(nullptr, data);
    EXPECT_EQ(0u, size);
}

TEST_F(RegistryTest, ReadOnlyRefusesEveryChange)
{
    WriteRaw("Value", REG_DWORD, "\1\0\0\0", 4);
    CZAVPRegistryHolder holder;
    CZAVPRegistry* reg;
    OpenForReading(holder, reg);
    EXPECT_FALSE(reg->Write("Value", (DWORD)2));
    EXPECT_FALSE(reg->Write("Other", "text"));
    EXPECT_FALSE(reg->Write("Rect", CRect(0, 0, 1, 1)));
    EXPECT_FALSE(reg->DeleteValue("Value"));
    EXPECT_FALSE(reg->CreateKey("Sub"));
    EXPECT_FALSE(reg->DeleteKey(kTestKey));
    DWORD n = 0;
    EXPECT_TRUE(reg->Read("Value", n));
    EXPECT_EQ(1u, n);
    EXPECT_FALSE(reg->QueryValue("Other"));
    // The key was opened with query, enumerate and notify rights only.
    EXPECT_EQ(ERROR_ACCESS_DENIED,
              RegSetValueExA(reg->GetCurrentKey(), "Direct", 0, REG_DWORD, (const BYTE*)&n, 4));
}

TEST_F(RegistryTest, PathsWithAndWithoutTrailingBackslashOpenTheSameKey)
{
    WriteRaw("Value", REG_DWORD, "\3\0\0\0", 4);
    for (const char* path : {kTestKey, "Software\\LornivalTests\\UiFoundationRegistry\\"}) {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        ASSERT_TRUE(reg.Open(path)) << path;
        ASSERT_TRUE(reg.ReadKey(path)) << path;
        DWORD n = 0;
        EXPECT_TRUE(reg.Read("Value", n));
        EXPECT_EQ(3u, n);
    }
}

TEST_F(RegistryTest, DeleteKeyRemovesNestedKeysAndEnumerationReportsEmptiness)
{
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(std::string(kTestKey).append("\\A\\B\\C").c_str()));
    }
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        ASSERT_TRUE(reg.CreateKey(std::string(kTestKey).append("\\A\\D\\").c_str()));
        ASSERT_TRUE(reg.Write("V", 1));
    }
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry* reg;
        OpenForReading(holder, reg);
        CStringArray names;
        EXPECT_TRUE(reg->EnumKey(names));
        ASSERT_EQ(1, names.GetSize());
        EXPECT_STREQ("A", (LPCSTR)names[0]);
        CStringArray values;
        EXPECT_FALSE(reg->EnumValue(values));  // a key without values
    }
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        ASSERT_TRUE(reg.ReadKey(std::string(kTestKey).append("\\A\\B\\C").c_str()));
        CStringArray names;
        EXPECT_FALSE(reg.EnumKey(names));  // a key without sub-keys
    }
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    EXPECT_TRUE(reg.DeleteKey(std::string(kTestKey).append("\\A\\").c_str()));
    HKEY key;
    EXPECT_NE(ERROR_SUCCESS,
              RegOpenKeyExA(HKEY_CURRENT_USER, (std::string(kTestKey) + "\\A").c_str(), 0, KEY_READ,
                            &key));
    EXPECT_FALSE(reg.DeleteKey(std::string(kTestKey).append("\\A").c_str()));  // gone already
}

TEST_F(RegistryTest, EnumerationOfAClosedKeyFails)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    reg.Close();
    CStringArray names;
    EXPECT_FALSE(reg.EnumKey(names));
    EXPECT_EQ(0, names.GetSize());
}

TEST(RegistryHolder, CreatesOneObjectWithItsMode)
{
    CZAVPRegistryHolder holder;
    CZAVPRegistry& first = holder.Create(TRUE, TRUE);
    CZAVPRegistry& second = holder.Create(FALSE, FALSE);
    EXPECT_EQ(&first, &second);
    EXPECT_TRUE(first.IsAdmin());
    EXPECT_TRUE(first.IsReadOnly());
    EXPECT_EQ(HKEY_LOCAL_MACHINE, first.GetCurrentKey());
}

TEST(BuildRegistryPath, TakesTheApplicationsKeyAndProfileUnlessAPathIsGiven)
{
    CWinApp app("Lornival");
    app.SetRegistryKey("rimsel");
    EXPECT_STREQ("SOFTWARE\\rimsel\\Lornival\\ZAVWorkspace\\",
                 (LPCSTR)BuildRegistryPath("ZAVWorkspace", nullptr));
    EXPECT_STREQ("Software\\rimsel\\Lornival\\Settings\\1.16\\",
                 (LPCSTR)BuildRegistryPath("ZAVMouseManager",
                                           "Software\\rimsel\\Lornival\\Settings\\1.16\\"));
}
