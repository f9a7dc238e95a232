// Screen pictures written as plain BMP files.
#include "ScreenShot.h"
#include <vector>

namespace
{
const WORD kBmpMagic = 0x4D42;  // "BM"
const WORD kBitsPerPixel = 24;
const int kRowAlign = 4;
}  // namespace

namespace ScreenShot
{

std::wstring Folder()
{
    wchar_t folder[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"LORNIVAL_ROAD_SHOTS", folder, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::wstring(folder, n) : std::wstring();
}

bool Save(HWND window, const wchar_t* name)
{
    const std::wstring folder = Folder();
    if (folder.empty() || window == nullptr) return folder.empty();
    Sleep(300);  // the program paints what the last step changed
    RECT r = {};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return false;

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as BMP files keep their rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool taken = false;
    if (picture != nullptr) {
        HGDIOBJ old = SelectObject(memory, picture);
        taken = BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY) != 0;
        GdiFlush();
        SelectObject(memory, old);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (!taken) {
        if (picture != nullptr) DeleteObject(picture);
        return false;
    }

    const DWORD stride = (width * kBitsPerPixel / 8 + kRowAlign - 1) / kRowAlign * kRowAlign;
    const DWORD imageBytes = stride * height;
    BITMAPFILEHEADER file = {};
    file.bfType = kBmpMagic;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + imageBytes;
    const std::wstring path = folder + L"\\" + name + L".bmp";
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    bool ok = h != INVALID_HANDLE_VALUE;
    ok = ok && WriteFile(h, &file, sizeof file, &written, nullptr);
    ok = ok && WriteFile(h, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr);
    ok = ok && WriteFile(h, bits, imageBytes, &written, nullptr);
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    DeleteObject(picture);
    return ok;
}

}  // namespace ScreenShot
