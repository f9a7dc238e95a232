// UTF-16 <-> ANSI code page conversions of catalogue texts.
#include "catalog/TextConversion.h"
#include <windows.h>
#include <cstring>
#include <cwchar>

void ToAnsiString(const wchar_t* text, std::size_t length, std::string& out)
{
    out.clear();
    if (!text || length == 0) return;
    // A UTF-16 unit gives at most two bytes in a double-byte code page.
    out.resize(length * 2);
    int n = WideCharToMultiByte(CP_ACP, 0, text, (int)length, &out[0], (int)out.size(), nullptr,
                                nullptr);
    out.resize(n > 0 ? (std::size_t)n : 0);
}

std::string ToAnsiString(const wchar_t* text)
{
    std::string out;
    if (text) ToAnsiString(text, std::wcslen(text), out);
    return out;
}

std::wstring AnsiToWide(const char* narrow)
{
    if (!narrow || !*narrow) return std::wstring();
    int len = (int)std::strlen(narrow);
    std::wstring w((std::size_t)len, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, narrow, len, &w[0], len);
    w.resize(n > 0 ? (std::size_t)n : 0);
    return w;
}

void AssignBstrText(CatalogText& target, const char* narrow) { target = AnsiToWide(narrow); }
