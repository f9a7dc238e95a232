// Bitmap work of the image strips (see ZAVPStripPixels.h).
#include "ui/foundation/ZAVPStripPixels.h"

#include <cstring>

#include "ui/foundation/ZAVPColorMath.h"
#include "ui/foundation/ZAVPPixelOps.h"

namespace
{
const WORD kBmpType = 0x4D42;  // "BM"
const UINT kMaxColorTable = 256;

// A DC compatible with the screen, deleted with the object.
struct MemoryDC
{
    HDC hdc = ::CreateCompatibleDC(nullptr);
    ~MemoryDC()
    {
        if (hdc) ::DeleteDC(hdc);
    }
};

BOOL GetBitmap(HBITMAP hbmp, BITMAP& bmp)
{
    return hbmp != nullptr && ::GetObjectA(hbmp, sizeof bmp, &bmp) != 0;
}

// A 32-bit top-down DIB section of the size with the source copied into it.
HBITMAP CopyToDib32(HBITMAP source, DWORD*& bits, int& width, int& height)
{
    BITMAP bmp = {};
    if (!GetBitmap(source, bmp)) return nullptr;
    width = bmp.bmWidth;
    height = bmp.bmHeight;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pvBits = nullptr;
    HBITMAP hdib = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pvBits, nullptr, 0);
    if (hdib == nullptr) return nullptr;
    MemoryDC src, dst;
    if (!src.hdc || !dst.hdc) {
        ::DeleteObject(hdib);
        return nullptr;
    }
    HGDIOBJ oldSrc = ::SelectObject(src.hdc, source);
    HGDIOBJ oldDst = ::SelectObject(dst.hdc, hdib);
    const BOOL bCopied = ::BitBlt(dst.hdc, 0, 0, width, height, src.hdc, 0, 0, SRCCOPY);
    ::SelectObject(src.hdc, oldSrc);
    ::SelectObject(dst.hdc, oldDst);
    ::GdiFlush();
    if (!bCopied) {
        ::DeleteObject(hdib);
        return nullptr;
    }
    bits = static_cast<DWORD*>(pvBits);
    return hdib;
}
}  // namespace

namespace ZAVPStripPixels
{
HBITMAP AppendBitmaps(HBITMAP left, HBITMAP right)
{
    BITMAP bmpLeft = {}, bmpRight = {};
    if (!GetBitmap(right, bmpRight) || (left != nullptr && !GetBitmap(left, bmpLeft)))
        return nullptr;
    const int width = bmpLeft.bmWidth + bmpRight.bmWidth;
    const int height = bmpLeft.bmHeight > bmpRight.bmHeight ? bmpLeft.bmHeight : bmpRight.bmHeight;
    HDC hdcScreen = ::GetDC(nullptr);
    HBITMAP hbmp = ::CreateCompatibleBitmap(hdcScreen, width, height);
    ::ReleaseDC(nullptr, hdcScreen);
    if (hbmp == nullptr) return nullptr;
    MemoryDC src, dst;
    BOOL bOk = src.hdc != nullptr && dst.hdc != nullptr;
    if (bOk) {
        HGDIOBJ oldDst = ::SelectObject(dst.hdc, hbmp);
        HGDIOBJ oldSrc = nullptr;
        if (left != nullptr) {
            oldSrc = ::SelectObject(src.hdc, left);
            bOk = ::BitBlt(dst.hdc, 0, 0, bmpLeft.bmWidth, bmpLeft.bmHeight, src.hdc, 0, 0,
                           SRCCOPY);
            ::SelectObject(src.hdc, right);
        } else {
            oldSrc = ::SelectObject(src.hdc, right);
        }
        bOk = bOk && ::BitBlt(dst.hdc, bmpLeft.bmWidth, 0, bmpRight.bmWidth, bmpRight.bmHeight,
                              src.hdc, 0, 0, SRCCOPY);
        ::SelectObject(src.hdc, oldSrc);
        ::SelectObject(dst.hdc, oldDst);
    }
    if (!bOk) {
        ::DeleteObject(hbmp);
        return nullptr;
    }
    return hbmp;
}

BOOL CopyCell(HBITMAP target, int x, HBITMAP source, SIZE cell)
{
    MemoryDC src, dst;
    if (!src.hdc || !dst.hdc) return FALSE;
    HGDIOBJ oldSrc = ::SelectObject(src.hdc, source);
    HGDIOBJ oldDst = ::SelectObject(dst.hdc, target);
    const BOOL bOk = ::BitBlt(dst.hdc, x, 0, cell.cx, cell.cy, src.hdc, 0, 0, SRCCOPY);
    ::SelectObject(src.hdc, oldSrc);
    ::SelectObject(dst.hdc, oldDst);
    return bOk;
}

HBITMAP Recolour(HBITMAP source, const std::function<COLORREF(COLORREF)>& map)
{
    DWORD* bits = nullptr;
    int width = 0, height = 0;
    HBITMAP hdib = CopyToDib32(source, bits, width, height);
    if (hdib == nullptr) return nullptr;
    for (size_t i = 0, n = (size_t)width * height; i < n; ++i) {
        const COLORREF c = ZAVPColorMath::SwapRedBlue(bits[i] & 0xFFFFFF);
        bits[i] = ZAVPColorMath::SwapRedBlue(map(c) & 0xFFFFFF);
    }
    return hdib;
}

HBITMAP Brightened(HBITMAP source, int percentage, COLORREF keep)
{
    DWORD* bits = nullptr;
    int width = 0, height = 0;
    HBITMAP hdib = CopyToDib32(source, bits, width, height);
    if (hdib == nullptr) return nullptr;
    for (size_t i = 0, n = (size_t)width * height; i < n; ++i) bits[i] &= 0xFFFFFF;
    const ZAVPPixelOps::PixelBuffer buffer = {bits, width, height};
    ZAVPPixelOps::HighlightPixels(buffer, percentage, keep, 0);
    return hdib;
}

BOOL EncodeBmp(HBITMAP source, const std::function<COLORREF(COLORREF)>& map,
               std::vector<BYTE>& file)
{
    BITMAP bmp = {};
    if (!GetBitmap(source, bmp)) return FALSE;
    const WORD bitCount = bmp.bmBitsPixel <= 8 ? bmp.bmBitsPixel
                                               : (bmp.bmBitsPixel == 24 ? 24 : 32);
    const UINT nColors = bitCount <= 8 ? (1u << bitCount) : 0;
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + kMaxColorTable * sizeof(RGBQUAD));
    BITMAPINFO* pbmi = reinterpret_cast<BITMAPINFO*>(info.data());
    pbmi->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    pbmi->bmiHeader.biWidth = bmp.bmWidth;
    pbmi->bmiHeader.biHeight = bmp.bmHeight;
    pbmi->bmiHeader.biPlanes = 1;
    pbmi->bmiHeader.biBitCount = bitCount;
    pbmi->bmiHeader.biCompression = BI_RGB;
    const DWORD stride = ((DWORD)bmp.bmWidth * bitCount + 31) / 32 * 4;
    const DWORD imageSize = stride * (DWORD)bmp.bmHeight;
    pbmi->bmiHeader.biSizeImage = imageSize;
    std::vector<BYTE> pixels(imageSize);

    HDC hdcScreen = ::GetDC(nullptr);
    HGDIOBJ oldPalette = ::SelectPalette(hdcScreen, (HPALETTE)::GetStockObject(DEFAULT_PALETTE),
                                         FALSE);
    const int nLines = ::GetDIBits(hdcScreen, source, 0, bmp.bmHeight, pixels.data(), pbmi,
                                   DIB_RGB_COLORS);
    ::SelectPalette(hdcScreen, (HPALETTE)oldPalette, FALSE);
    ::ReleaseDC(nullptr, hdcScreen);
    if (nLines != bmp.bmHeight) return FALSE;

    for (UINT i = 0; i < nColors; ++i) {
        RGBQUAD& q = pbmi->bmiColors[i];
        const COLORREF c = map(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
        q.rgbRed = GetRValue(c);
        q.rgbGreen = GetGValue(c);
        q.rgbBlue = GetBValue(c);
    }
    if (bitCount > 8) {
        const int bytesPerPixel = bitCount / 8;
        for (int y = 0; y < bmp.bmHeight; ++y) {
            BYTE* row = pixels.data() + (size_t)y * stride;
            for (int x = 0; x < bmp.bmWidth; ++x) {
                BYTE* p = row + (size_t)x * bytesPerPixel;
                const COLORREF c = map(RGB(p[2], p[1], p[0]));
                p[0] = GetBValue(c);
                p[1] = GetGValue(c);
                p[2] = GetRValue(c);
            }
        }
    }

    const DWORD headerBytes = sizeof(BITMAPINFOHEADER) + nColors * sizeof(RGBQUAD);
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = kBmpType;
    bfh.bfOffBits = sizeof(BITMAPFILEHEADER) + headerBytes;
    bfh.bfSize = bfh.bfOffBits + imageSize;
    file.resize(bfh.bfSize);
    std::memcpy(file.data(), &bfh, sizeof bfh);
    std::memcpy(file.data() + sizeof bfh, info.data(), headerBytes);
    std::memcpy(file.data() + bfh.bfOffBits, pixels.data(), imageSize);
    return TRUE;
}

BOOL ReplaceFile(const char* lpszPath, const std::vector<BYTE>& bytes)
{
    // The new file is made in the target's own directory, so the final move is a rename.
    char szDir[MAX_PATH] = {};
    char* pszName = nullptr;
    if (::GetFullPathNameA(lpszPath, MAX_PATH, szDir, &pszName) == 0 || pszName == nullptr)
        return FALSE;
    *pszName = '\0';
    char szTemp[MAX_PATH] = {};
    if (::GetTempFileNameA(szDir, "ZAV", 0, szTemp) == 0) return FALSE;
    HANDLE hFile = ::CreateFileA(szTemp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
    BOOL bOk = hFile != INVALID_HANDLE_VALUE;
    if (bOk) {
        DWORD dwWritten = 0;
        bOk = ::WriteFile(hFile, bytes.data(), (DWORD)bytes.size(), &dwWritten, nullptr) &&
              dwWritten == bytes.size();
        bOk = ::CloseHandle(hFile) && bOk;
    }
    if (bOk)
        bOk = ::MoveFileExA(szTemp, lpszPath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!bOk) ::DeleteFileA(szTemp);
    return bOk;
}
}  // namespace ZAVPStripPixels
