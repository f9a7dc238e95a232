// Decoding the splash picture: colour and grayscale JPEGs become top-down 24-bit DIBs with blue
// first and rows padded to four bytes; every other picture, and every broken one, leaves the
// picture empty without throwing.
#include <gtest/gtest.h>
#include <cstdlib>
#include <string>
#include <vector>
#include <windows.h>

#include "DibCanvas.h"
#include "JpegFixtures.h"
#include "app/JpegPicture.h"
#include "app/ReadableStream.h"
#include "framework/CFileException.h"
#include "framework/CMemFile.h"

namespace
{

const int kTolerance = 6;  // quality 100 at full chroma resolution stays within this

// Hands out at most `chunk` bytes per call, so the source refills many times.
class TrickleStream : public ReadableStream
{
public:
    TrickleStream(const std::vector<unsigned char>& bytes, UINT chunk)
        : m_bytes(bytes), m_chunk(chunk)
    {
    }
    UINT Read(void* buffer, UINT count) override
    {
        UINT n = count < m_chunk ? count : m_chunk;
        if (n > m_bytes.size() - m_position) n = static_cast<UINT>(m_bytes.size() - m_position);
        memcpy(buffer, m_bytes.data() + m_position, n);
        m_position += n;
        ++reads;
        return n;
    }
    int reads = 0;

private:
    const std::vector<unsigned char>& m_bytes;
    UINT m_chunk;
    size_t m_position = 0;
};

// A read-only memory file over the bytes, as the picture reads its resource.
bool Decode(JpegPicture& picture, const std::vector<unsigned char>& bytes)
{
    static BYTE none;
    CMemFile file(bytes.empty() ? &none : const_cast<BYTE*>(bytes.data()),
                  static_cast<UINT>(bytes.size()));
    return picture.LoadFromStream(file);
}

// A file whose reads fail with the framework's file exception once `good` bytes are read.
class FailingFile : public CMemFile
{
public:
    FailingFile(std::vector<unsigned char>& bytes, UINT good)
        : CMemFile(bytes.data(), static_cast<UINT>(bytes.size())), m_good(good)
    {
    }
    UINT Read(void* buffer, UINT count) override
    {
        if (GetPosition() + count > m_good)
            throw new CFileException(CFileException::genericException);
        return CMemFile::Read(buffer, count);
    }

private:
    UINT m_good;
};

// The decoded pixel (x, y) as B, G, R.
std::vector<int> PixelAt(const JpegPicture& picture, int x, int y)
{
    const BYTE* p = &picture.Pixels()[y * JpegPicture::RowBytes(picture.Width()) + x * 3];
    return {p[0], p[1], p[2]};
}

void ExpectNear(const std::vector<int>& expected, const std::vector<int>& actual, const char* where)
{
    for (size_t i = 0; i < 3; ++i)
        EXPECT_NEAR(expected[i], actual[i], kTolerance) << where << " byte " << i;
}

// Rows top to bottom: red, green, blue, white; five pixels each, so a row is 15 bytes + 1 pad.
std::vector<unsigned char> ColourRows()
{
    const unsigned char rgb[4][3] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    std::vector<unsigned char> s;
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x) s.insert(s.end(), rgb[y], rgb[y] + 3);
    return s;
}

}  // namespace

TEST(JpegPicture, ColourDecodesTopDownBlueFirstWithPaddedRows)
{
    JpegPicture picture;
    ASSERT_TRUE(Decode(picture, EncodeJpeg(5, 4, 3, ColourRows())));
    EXPECT_EQ(5, picture.Width());
    EXPECT_EQ(4, picture.Height());
    const BITMAPINFOHEADER& h = picture.Header();
    EXPECT_EQ(40u, h.biSize);
    EXPECT_EQ(5, h.biWidth);
    EXPECT_EQ(-4, h.biHeight);  // top-down
    EXPECT_EQ(1, h.biPlanes);
    EXPECT_EQ(24, h.biBitCount);
    EXPECT_EQ(static_cast<DWORD>(BI_RGB), h.biCompression);
    EXPECT_EQ(0u, h.biSizeImage);
    EXPECT_EQ(0u, h.biClrUsed);
    ASSERT_EQ(16u * 4, picture.Pixels().size());  // 5 * 3 = 15 bytes, padded to 16

    const std::vector<int> bgr[4] = {{0, 0, 255}, {0, 255, 0}, {255, 0, 0}, {255, 255, 255}};
    for (int y = 0; y < 4; ++y) {
        ExpectNear(bgr[y], PixelAt(picture, 0, y), "first column");
        ExpectNear(bgr[y], PixelAt(picture, 4, y), "last column");
        EXPECT_EQ(0, picture.Pixels()[y * 16 + 15]) << "padding of row " << y;
    }
}

TEST(JpegPicture, GrayscaleExpandsToEqualBlueGreenRed)
{
    // Three pixels a row: 9 bytes padded to 12.
    const std::vector<unsigned char> grey = {0, 128, 255, 64, 192, 32};
    JpegPicture picture;
    ASSERT_TRUE(Decode(picture, EncodeJpeg(3, 2, 1, grey)));
    EXPECT_EQ(3, picture.Width());
    EXPECT_EQ(2, picture.Height());
    EXPECT_EQ(24, picture.Header().biBitCount);
    EXPECT_EQ(-2, picture.Header().biHeight);
    ASSERT_EQ(12u * 2, picture.Pixels().size());
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            const int v = grey[y * 3 + x];
            ExpectNear({v, v, v}, PixelAt(picture, x, y), "grey pixel");
        }
        for (int pad = 9; pad < 12; ++pad) EXPECT_EQ(0, picture.Pixels()[y * 12 + pad]);
    }
}

TEST(JpegPicture, FourComponentPictureShowsNoPicture)
{
    std::vector<unsigned char> cmyk(4 * 4 * 4, 0x40);
    JpegPicture picture;
    ASSERT_TRUE(Decode(picture, EncodeJpeg(5, 4, 3, ColourRows())));
    EXPECT_FALSE(Decode(picture, EncodeJpeg(4, 4, 4, cmyk)));
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(0, picture.Width());
    EXPECT_EQ(0, picture.Height());
}

TEST(JpegPicture, BrokenDataAbandonsTheDecode)
{
    const std::vector<unsigned char> good = EncodeJpeg(5, 4, 3, ColourRows());
    std::vector<unsigned char> badMarker = good;
    badMarker[1] = 0x00;  // SOI marker spoiled
    std::vector<unsigned char> zeroWidth = good;
    for (size_t i = 0; i + 8 < zeroWidth.size(); ++i)
        if (zeroWidth[i] == 0xFF && zeroWidth[i + 1] == 0xC0)
        {  // SOF0: length, precision, height, width
            zeroWidth[i + 7] = 0;
            zeroWidth[i + 8] = 0;
            break;
        }
    const std::string text = "GIF89a, not a JPEG at all";
    const struct
    {
        const char* name;
        std::vector<unsigned char> bytes;
    } cases[] = {
        {"empty stream", {}},
        {"not a JPEG", std::vector<unsigned char>(text.begin(), text.end())},
        {"start-of-image marker spoiled", badMarker},
        {"ends inside the header", std::vector<unsigned char>(good.begin(), good.begin() + 30)},
        {"only the start-of-image marker",
         std::vector<unsigned char>(good.begin(), good.begin() + 2)},
        {"width zero", zeroWidth},
    };
    for (const auto& c : cases) {
        JpegPicture picture;
        ASSERT_TRUE(Decode(picture, good));
        EXPECT_FALSE(Decode(picture, c.bytes)) << c.name;
        EXPECT_TRUE(picture.IsEmpty()) << c.name;
        HDC dc = CreateCompatibleDC(nullptr);
        RECT r = {0, 0, 10, 10};
        EXPECT_FALSE(picture.Draw(dc, r)) << c.name;
        DeleteDC(dc);
    }
}

TEST(JpegPicture, StreamEndingBeforeEndOfImageStillDecodes)
{
    std::vector<unsigned char> bytes = EncodeJpeg(16, 16, 1, std::vector<unsigned char>(256, 200));
    ASSERT_EQ(0xFF, bytes[bytes.size() - 2]);
    ASSERT_EQ(0xD9, bytes.back());
    bytes.resize(bytes.size() - 2);  // no end-of-image marker
    JpegPicture picture;
    ASSERT_TRUE(Decode(picture, bytes));
    EXPECT_EQ(16, picture.Width());
    EXPECT_EQ(16, picture.Height());
    ExpectNear({200, 200, 200}, PixelAt(picture, 15, 15), "last pixel");

    size_t scan = 0;  // the start-of-scan marker: the picture data follows it
    for (size_t i = 0; i + 1 < bytes.size() && scan == 0; ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA) scan = i;
    ASSERT_NE(0u, scan);
    bytes.resize(scan + (bytes.size() - scan) / 2);  // cut in the middle of the picture data
    ASSERT_TRUE(Decode(picture, bytes));
    EXPECT_EQ(16, picture.Height());
}

TEST(JpegPicture, FileThatFailsToReadShowsNoPicture)
{
    // Larger than one 4096-byte read, so the failure comes inside the picture data.
    std::vector<unsigned char> grey(96 * 96);
    for (size_t i = 0; i < grey.size(); ++i) grey[i] = static_cast<unsigned char>(i * 7);
    std::vector<unsigned char> bytes = EncodeJpeg(96, 96, 1, grey);
    ASSERT_GT(bytes.size(), 4096u);
    JpegPicture picture;
    ASSERT_TRUE(Decode(picture, bytes));
    FailingFile file(bytes, 4096);
    EXPECT_FALSE(picture.LoadFromStream(file));
    EXPECT_TRUE(picture.IsEmpty());
}

TEST(JpegPicture, SmallReadsAndMarkerSkipsAcrossBuffers)
{
    // A comment of 10000 bytes is skipped by the decoder across several 4096-byte buffers.
    const std::vector<unsigned char> bytes = EncodeJpeg(5, 4, 3, ColourRows(),
                                                        std::string(10000, 'c'));
    for (UINT chunk : {7u, 4096u, 100000u}) {
        TrickleStream stream(bytes, chunk);
        JpegPicture picture;
        ASSERT_TRUE(picture.LoadFromStream(stream)) << chunk;
        EXPECT_EQ(5, picture.Width());
        ExpectNear({255, 0, 0}, PixelAt(picture, 2, 2), "blue row");
        EXPECT_GE(stream.reads, static_cast<int>(bytes.size() / (chunk < 4096 ? chunk : 4096)));
    }
}

TEST(JpegPicture, DrawStretchesTheTopRowToTheTop)
{
    JpegPicture picture;
    ASSERT_TRUE(Decode(picture, EncodeJpeg(5, 4, 3, ColourRows())));
    DibCanvas canvas(10, 8);
    ASSERT_TRUE(canvas.valid());
    const RECT r = {0, 0, 10, 8};
    EXPECT_TRUE(picture.Draw(canvas.dc(), r));
    // Two target rows per picture row: red, green, blue, white from the top (0x00RRGGBB).
    const DWORD expected[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (int row = 0; row < 4; ++row) {
        const DWORD p = canvas.At(5, row * 2 + 1);
        for (int shift = 0; shift < 24; shift += 8)
            EXPECT_NEAR(int((expected[row] >> shift) & 0xFF), int((p >> shift) & 0xFF), kTolerance)
                << "row " << row;
    }
}

TEST(JpegPicture, MissingResourceLeavesThePictureEmpty)
{
    JpegPicture picture(60000);
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_FALSE(picture.LoadFromResource(60000, nullptr));
}
