// MultiByteToWideChar/WideCharToMultiByte over the ANSI code page, measured first, then written.
#include "framework/WideText.h"

#include <cstring>

CString WideToAnsi(LPCWSTR text, int nLength)
{
    if (text == nullptr) return CString();
    if (nLength < 0) nLength = (int)std::wcslen(text);
    if (nLength == 0) return CString();
    const int size = WideCharToMultiByte(CP_ACP, 0, text, nLength, nullptr, 0, nullptr, nullptr);
    if (size <= 0) return CString();
    CString result;
    WideCharToMultiByte(CP_ACP, 0, text, nLength, result.GetBufferSetLength(size), size, nullptr,
                        nullptr);
    result.ReleaseBuffer(size);
    return result;
}

std::wstring AnsiToWide(LPCSTR text, int nLength)
{
    if (text == nullptr) return std::wstring();
    if (nLength < 0) nLength = (int)std::strlen(text);
    if (nLength == 0) return std::wstring();
    const int size = MultiByteToWideChar(CP_ACP, 0, text, nLength, nullptr, 0);
    if (size <= 0) return std::wstring();
    std::wstring result((size_t)size, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, nLength, &result[0], size);
    return result;
}
