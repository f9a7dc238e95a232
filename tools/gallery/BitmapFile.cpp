// Writes a DIB section to a .bmp file (see BitmapFile.h).
#include "BitmapFile.h"

#include <cstdio>

BOOL SaveBitmapFile(HBITMAP hDib, const char* path)
{
    DIBSECTION ds = {};
    if (GetObjectA(hDib, sizeof ds, &ds) != sizeof ds || ds.dsBm.bmBits == nullptr ||
        ds.dsBm.bmBitsPixel != 32)
        return FALSE;
    BITMAPINFOHEADER info = ds.dsBmih;
    info.biCompression = BI_RGB;
    const DWORD imageBytes = (DWORD)ds.dsBm.bmWidthBytes * (DWORD)ds.dsBm.bmHeight;
    info.biSizeImage = imageBytes;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + imageBytes;
    FILE* f = std::fopen(path, "wb");
    if (!f) return FALSE;
    const bool ok = std::fwrite(&file, sizeof file, 1, f) == 1 &&
                    std::fwrite(&info, sizeof info, 1, f) == 1 &&
                    std::fwrite(ds.dsBm.bmBits, 1, imageBytes, f) == imageBytes;
    return std::fclose(f) == 0 && ok;
}
