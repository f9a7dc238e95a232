// Writes the pixels of a 32-bit DIB section to a .bmp file.
#pragma once

#include <windows.h>

// FALSE when the bitmap is not a DIB section or the file cannot be written.
BOOL SaveBitmapFile(HBITMAP hDib, const char* path);
