// Archive images of plain values, counts and strings, byte for byte, and the faults of reading:
// a short image, a forged length, the wrong direction.
#include <gtest/gtest.h>

#include <cstring>

#include "ArchiveImage.h"
#include "framework/CArchiveException.h"
#include "framework/CRect.h"

namespace
{

struct ValueCase
{
    const char* name;
    std::function<void(CArchive&)> write;
    const char* bytes;
};

TEST(ArchiveValues, ValuesAreWrittenLittleEndianAtTheirOwnSize)
{
    const ValueCase cases[] = {
        {"BYTE", [](CArchive& ar) { ar << (BYTE)0xAB; }, "AB"},
        {"WORD", [](CArchive& ar) { ar << (WORD)0x1234; }, "34 12"},
        {"DWORD", [](CArchive& ar) { ar << (DWORD)0x12345678; }, "78 56 34 12"},
        {"LONG", [](CArchive& ar) { ar << (LONG)-2; }, "FE FF FF FF"},
        {"int", [](CArchive& ar) { ar << (int)0x01020304; }, "04 03 02 01"},
        {"UINT", [](CArchive& ar) { ar << (UINT)0x80000001u; }, "01 00 00 80"},
        {"float", [](CArchive& ar) { ar << 1.0f; }, "00 00 80 3F"},
        {"double", [](CArchive& ar) { ar << -2.0; }, "00 00 00 00 00 00 00 C0"},
        {"RECT", [](CArchive& ar) { ar << CRect(1, -2, 3, 4); },
         "01 00 00 00 FE FF FF FF 03 00 00 00 04 00 00 00"},
        {"count 0", [](CArchive& ar) { ar.WriteCount(0); }, "00 00"},
        {"count FFFE", [](CArchive& ar) { ar.WriteCount(0xFFFE); }, "FE FF"},
        {"count FFFF", [](CArchive& ar) { ar.WriteCount(0xFFFF); }, "FF FF FF FF 00 00"},
        {"count 70000", [](CArchive& ar) { ar.WriteCount(70000); }, "FF FF 70 11 01 00"},
    };
    for (const ValueCase& c : cases) EXPECT_EQ(Hex(c.bytes), StoreImage(c.write)) << c.name;
}

TEST(ArchiveValues, ValuesAndCountsReadBack)
{
    const Bytes image = StoreImage([](CArchive& ar) {
        ar << (BYTE)0xAB << (WORD)0xBEEF << (DWORD)0xDEADBEEF << (LONG)-7 << 1.5f << 0.25;
        ar.WriteCount(3);
        ar.WriteCount(0x12345);
        ar << CRect(5, 6, 7, 8);
    });
    LoadImage(image, [](CArchive& ar) {
        BYTE b;
        WORD w;
        DWORD dw;
        LONG l;
        float f;
        double d;
        CRect r;
        ar >> b >> w >> dw >> l >> f >> d;
        EXPECT_EQ(0xAB, b);
        EXPECT_EQ(0xBEEF, w);
        EXPECT_EQ(0xDEADBEEFu, dw);
        EXPECT_EQ(-7, l);
        EXPECT_EQ(1.5f, f);
        EXPECT_EQ(0.25, d);
        EXPECT_EQ(3u, ar.ReadCount());
        EXPECT_EQ(0x12345u, ar.ReadCount());
        ar >> r;
        EXPECT_EQ(CRect(5, 6, 7, 8), r);
    });
}

// The length prefix: one byte below 255, 0xFF and a WORD below 0xFFFE, else 0xFF 0xFFFF and a
// DWORD; then the ANSI bytes without a terminator.
TEST(ArchiveValues, StringLengthPrefixes)
{
    const struct
    {
        int length;
        const char* prefix;
    } cases[] = {
        {0, "00"},
        {1, "01"},
        {254, "FE"},
        {255, "FF FF 00"},
        {65533, "FF FD FF"},
        {65534, "FF FF FF FE FF 00 00"},
        {65535, "FF FF FF FF FF 00 00"},
        {70000, "FF FF FF 70 11 01 00"},
    };
    for (const auto& c : cases) {
        // Bytes 0x80 and up too, so nothing is lost to a sign or a code page.
        CString text;
        for (int i = 0; i < c.length; ++i) text += (char)('a' + i % 26 + (i % 3 == 0 ? 0x80 : 0));
        const Bytes image = StoreImage([&](CArchive& ar) { ar << text; });
        const Bytes prefix = Hex(c.prefix);
        ASSERT_EQ(prefix.size() + c.length, image.size()) << c.length;
        EXPECT_EQ(prefix, Bytes(image.begin(), image.begin() + prefix.size())) << c.length;
        EXPECT_EQ(0, std::memcmp((LPCSTR)text, image.data() + prefix.size(), c.length)) << c.length;

        CString back("stale");
        LoadImage(image, [&](CArchive& ar) { ar >> back; });
        EXPECT_TRUE(back == text) << c.length;
    }
}

TEST(ArchiveValues, ShortAndForgedImagesRaiseEndOfFile)
{
    const struct
    {
        const char* name;
        const char* bytes;
        std::function<void(CArchive&)> read;
    } cases[] = {
        {"DWORD of 3 bytes", "01 02 03",
         [](CArchive& ar) {
             DWORD v;
             ar >> v;
         }},
        {"count without its DWORD", "FF FF 01", [](CArchive& ar) { ar.ReadCount(); }},
        {"string shorter than its length", "05 'abc'",
         [](CArchive& ar) {
             CString s;
             ar >> s;
         }},
        {"string claiming 4 GiB", "FF FF FF F0 FF FF FF 'abc'",
         [](CArchive& ar) {
             CString s;
             ar >> s;
         }},
        {"empty image", "",
         [](CArchive& ar) {
             BYTE b;
             ar >> b;
         }},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(Hex(c.bytes), c.read)) << c.name;
}

TEST(ArchiveValues, UnicodeMarkedStringIsRefused)
{
    // 0xFF 0xFFFE announces a UTF-16 string, which this program never writes.
    EXPECT_EQ(CArchiveException::genericException,
              LoadFailure(Hex("FF FE FF 01 41 00"), [](CArchive& ar) {
                  CString s;
                  ar >> s;
              }));
}

TEST(ArchiveValues, WrongDirectionRaisesItsCause)
{
    CMemFile file;
    CArchive storing(&file, CArchive::store);
    BYTE b = 0;
    EXPECT_EQ(CArchiveException::writeOnly, ArchiveFailure([&] { storing >> b; }));
    EXPECT_EQ(CArchiveException::writeOnly, ArchiveFailure([&] { storing.ReadObject(nullptr); }));
    storing.Close();

    const Bytes image = Hex("01");
    EXPECT_EQ(CArchiveException::readOnly, LoadFailure(image, [](CArchive& ar) { ar << (BYTE)1; }));
    EXPECT_EQ(CArchiveException::readOnly,
              LoadFailure(image, [](CArchive& ar) { ar.WriteObject(nullptr); }));
}

TEST(ArchiveValues, ImagesLargerThanTheBufferGoThroughWhole)
{
    // 10000 DWORDs cross the 4096-byte buffer many times, on both sides.
    const Bytes image = StoreImage([](CArchive& ar) {
        for (DWORD i = 0; i < 10000; ++i) ar << i * 2654435761u;
    });
    ASSERT_EQ(40000u, image.size());
    LoadImage(image, [](CArchive& ar) {
        for (DWORD i = 0; i < 10000; ++i) {
            DWORD v;
            ar >> v;
            ASSERT_EQ(i * 2654435761u, v) << i;
        }
    });
}

TEST(ArchiveValues, ClosingALoadingArchiveLeavesTheFileAfterWhatWasRead)
{
    // The archive reads ahead into its buffer; Close gives the unread bytes back to the file.
    CMemFile file;
    file.Write("\x01\x02\x03\x04\x05", 5);
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    WORD w;
    ar >> w;
    ar.Close();
    EXPECT_EQ(2u, file.GetPosition());
}

}  // namespace
