// A picture decoded from JPEG data into a top-down 24-bit DIB that GDI can stretch onto any DC.
// Colour and grayscale pictures decode; anything else leaves the picture empty, never throws.
#pragma once
#include <vector>
#include <windows.h>

class CFile;
class ReadableStream;

class JpegPicture
{
public:
    JpegPicture();
    // Loads resource `id` of type "JPEG" from the program's own module.
    explicit JpegPicture(UINT id);

    // module NULL means the program's own. False (and an empty picture) when the resource is
    // missing or does not decode.
    bool LoadFromResource(UINT id, HMODULE module);
    // Decodes what the file holds from its current position. False, with the picture left
    // empty, when the data is not a JPEG picture this class can show or cannot be read.
    bool LoadFromStream(CFile& file);
    bool LoadFromStream(ReadableStream& stream);
    // Stretches the picture over `rect` of `dc`; false when the picture is empty.
    bool Draw(HDC dc, const RECT& rect) const;

    bool IsEmpty() const { return m_pixels.empty(); }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const BITMAPINFOHEADER& Header() const { return m_header; }
    const std::vector<BYTE>& Pixels() const { return m_pixels; }
    // Bytes per pixel row: three per pixel, padded with zero bytes to a multiple of four.
    static size_t RowBytes(UINT width);

private:
    void Clear();
    bool Decode(ReadableStream& stream);

    BITMAPINFOHEADER m_header;   // top-down: biHeight is the negated height
    std::vector<BYTE> m_pixels;  // rows of B, G, R bytes; empty when there is no picture
    int m_width;
    int m_height;
};
