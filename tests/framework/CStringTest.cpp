// CString under code page 1251: Cyrillic case folding, %I64d formatting, the editing members'
// edge cases, buffers, conversions to and from UTF-16, and string resources.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework/CInvalidArgException.h"
#include "framework/CString.h"
#include "framework/WideText.h"

namespace
{

// Code page 1251 by hand: А..Я = C0..DF, а..я = E0..FF, Ё = A8, ё = B8.
TEST(CString, CaseFoldingCoversCyrillic)
{
    const struct
    {
        const char* text;
        const char* upper;
        const char* lower;
    } cases[] = {
        {"\xE0\xE1\xE2 \xFF\xB8", "\xC0\xC1\xC2 \xDF\xA8", "\xE0\xE1\xE2 \xFF\xB8"},
        {"Disc \xC4\xE8\xF1\xEA 7", "DISC \xC4\xC8\xD1\xCA 7", "disc \xE4\xE8\xF1\xEA 7"},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        CString upper(c.text), lower(c.text);
        upper.MakeUpper();
        lower.MakeLower();
        EXPECT_STREQ(c.upper, upper) << c.text;
        EXPECT_STREQ(c.lower, lower) << c.text;
    }
    EXPECT_EQ(0, CString("\xC0\xC1\xA8z").CompareNoCase("\xE0\xE1\xB8Z"));
    EXPECT_NE(0, CString("\xC0\xC1").Compare("\xE0\xE1"));
    EXPECT_LT(CString("\xE0").CompareNoCase("\xC1"), 0);  // а before Б whatever the case
    EXPECT_GT(CString("b").Compare("a"), 0);
    EXPECT_LT(CString("a").Compare("\xE0"), 0);  // bytes compare unsigned
}

TEST(CString, FormatUsesTheRuntimePrintfLanguage)
{
    CString s;
    s.Format("%I64d|%I64u|%d|%s|%02d.%02d.%d", (__int64)(-9223372036854775807LL - 1),
             (unsigned __int64)18446744073709551615ULL, 42, "x", 5, 7, 2004);
    EXPECT_STREQ("-9223372036854775808|18446744073709551615|42|x|05.07.2004", s);

    const std::string longText(5000, 'q');
    s.Format("<%s>", longText.c_str());
    EXPECT_EQ(5002, s.GetLength());
    s.Format("%s", "");
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CString, PiecesClampToTheString)
{
    const CString s("abcdef");
    const struct
    {
        CString got;
        const char* expected;
    } cases[] = {
        {s.Mid(2), "cdef"},     {s.Mid(2, 3), "cde"}, {s.Mid(4, 10), "ef"}, {s.Mid(6), ""},
        {s.Mid(-3, 2), "ab"},   {s.Mid(9, 1), ""},    {s.Mid(1, -1), ""},   {s.Left(2), "ab"},
        {s.Left(10), "abcdef"}, {s.Left(-1), ""},     {s.Right(2), "ef"},   {s.Right(10), "abcdef"},
        {s.Right(0), ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(c.expected, c.got);
}

TEST(CString, SearchAndEdits)
{
    const CString s("a.b.c");
    EXPECT_EQ(1, s.Find('.'));
    EXPECT_EQ(3, s.Find('.', 2));
    EXPECT_EQ(-1, s.Find('.', 5));
    EXPECT_EQ(2, s.Find("b.c"));
    EXPECT_EQ(-1, s.Find("c.", 0));
    EXPECT_EQ(5, s.Find("", 5));
    EXPECT_EQ(3, s.ReverseFind('.'));
    EXPECT_EQ(-1, s.ReverseFind('x'));

    CString r("one, two, one");
    EXPECT_EQ(2, r.Replace("one", "three"));
    EXPECT_STREQ("three, two, three", r);
    EXPECT_EQ(0, r.Replace("", "x"));
    EXPECT_EQ(2, r.Replace(',', ';'));
    EXPECT_EQ(2, r.Remove(';'));
    EXPECT_STREQ("three two three", r);
    EXPECT_EQ(1, r.Replace("three two ", ""));
    EXPECT_STREQ("three", r);

    CString t(" \t x y \r\n");
    t.Trim();
    EXPECT_STREQ("x y", t);
    CString u("..a..");
    u.TrimLeft('.');
    EXPECT_STREQ("a..", u);
    u.TrimRight(".");
    EXPECT_STREQ("a", u);
    CString all("   ");
    all.TrimRight();
    EXPECT_TRUE(all.IsEmpty());

    CString v("ab");
    v += 'c';
    v += "de";
    EXPECT_STREQ("xabcde!", "x" + v + '!');
    EXPECT_EQ('c', v[2]);
    v.SetAt(0, 'A');
    EXPECT_STREQ("Abcde", v);
    bool raised = false;
    try {
        v.GetAt(5);
    } catch (CInvalidArgException* e) {
        e->Delete();
        raised = true;
    }
    EXPECT_TRUE(raised);
}

TEST(CString, BuffersTakeANewLength)
{
    CString s("abc");
    char* p = s.GetBuffer(10);
    std::strcpy(p, "0123456");
    s.ReleaseBuffer();
    EXPECT_STREQ("0123456", s);
    EXPECT_EQ(7, s.GetLength());

    p = s.GetBuffer(0);
    p[1] = '\0';
    s.ReleaseBuffer(4);  // an explicit length keeps the zero byte inside
    EXPECT_EQ(4, s.GetLength());

    p = s.GetBufferSetLength(2);
    p[0] = 'x';
    p[1] = 'y';
    s.ReleaseBuffer();
    EXPECT_STREQ("xy", s);
}

TEST(CString, ConvertsToAndFromUtf16ThroughTheAnsiCodePage)
{
    EXPECT_EQ(std::wstring(L"\x0416\x0451 1"), AnsiToWide("\xC6\xB8 1"));
    EXPECT_STREQ("\xC6\xB8 1", WideToAnsi(L"\x0416\x0451 1"));
    EXPECT_STREQ("\xC6\xB8", CString(L"\x0416\x0451"));
    EXPECT_STREQ("\xC6", WideToAnsi(L"\x0416\x0451", 1));
    EXPECT_EQ(std::wstring(L"\x0416"), AnsiToWide("\xC6\xB8", 1));
    // A character the code page lacks becomes the default character, not nothing.
    EXPECT_STREQ("a?b", WideToAnsi(L"a\x4E2D"
                                   L"b"));
    EXPECT_STREQ("", WideToAnsi(nullptr));
    EXPECT_EQ(std::wstring(), AnsiToWide(""));
}

TEST(CString, LoadsStringResources)
{
    CString s("stale");
    ASSERT_TRUE(s.LoadString(61000));
    EXPECT_STREQ("\xA8\xEB\xEA\xE0 \xE8 \xE5\xEB\xFC", s);  // "Ёлка и ель"
    EXPECT_FALSE(s.LoadString(61001));
    EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
