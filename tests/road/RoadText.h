// Texts of the program under test, readable in a failure message.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// UTF-8, as the test output is written.
inline std::string Narrow(const std::wstring& w)
{
    std::string s(w.size() * 4 + 1, '\0');
    const int n = WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, &s[0], (int)s.size(), nullptr,
                                      nullptr);
    s.resize(n > 0 ? n - 1 : 0);
    return s;
}

// The items one after the other, " | " between them.
inline std::string Join(const std::vector<std::wstring>& items)
{
    std::string out;
    for (const std::wstring& item : items) out += (out.empty() ? "" : " | ") + Narrow(item);
    return out;
}
