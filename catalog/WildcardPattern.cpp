// Wildcard matching with backtracking over the last star, and the ANSI case-folding table.
#include "catalog/WildcardPattern.h"
#include <windows.h>
#include <cstring>

namespace
{

// Upper-case table of the ANSI code page, built once through Unicode so that it folds exactly the
// letters that have a single-byte upper-case form in that code page.
struct FoldTable
{
    unsigned char upper[256];
    FoldTable()
    {
        for (int i = 0; i < 256; ++i) {
            upper[i] = (unsigned char)i;
            if (i < 0x80) {
                if (i >= 'a' && i <= 'z') upper[i] = (unsigned char)(i - 'a' + 'A');
                continue;
            }
            char in = (char)i;
            wchar_t w = 0;
            if (MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &in, 1, &w, 1) != 1) continue;
            wchar_t up = w;
            if (LCMapStringW(LOCALE_INVARIANT, LCMAP_UPPERCASE, &w, 1, &up, 1) != 1 || up == w)
                continue;
            char out[4];
            BOOL lossy = FALSE;
            int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &up, 1, out, sizeof out,
                                        nullptr, &lossy);
            if (n == 1 && !lossy) upper[i] = (unsigned char)out[0];
        }
    }
};

const FoldTable& Table()
{
    static const FoldTable table;
    return table;
}

}  // namespace

unsigned char WildcardPattern::FoldCase(unsigned char c) { return Table().upper[c]; }

WildcardPattern::WildcardPattern(const char* pattern) : m_pattern(pattern ? pattern : "")
{
    for (char& c : m_pattern) c = (char)FoldCase((unsigned char)c);
}

bool WildcardPattern::Matches(const char* text, std::size_t length) const
{
    const unsigned char* upper = Table().upper;
    const char* p = m_pattern.data();
    const std::size_t plen = m_pattern.size();
    std::size_t pi = 0, ti = 0;
    std::size_t starP = std::string::npos,
                starT = 0;  // pattern after the last star, text it resumed at
    while (ti < length) {
        if (pi < plen && p[pi] == '*') {
            starP = ++pi;
            starT = ti;
        } else if (pi < plen &&
                   (p[pi] == '?' || (unsigned char)p[pi] == upper[(unsigned char)text[ti]])) {
            ++pi;
            ++ti;
        } else if (starP != std::string::npos) {
            pi = starP;
            ti = ++starT;
        } else {
            return false;
        }
    }
    while (pi < plen && p[pi] == '*') ++pi;
    return pi == plen;
}

bool MatchWildcard(const char* pattern, const char* text)
{
    return WildcardPattern(pattern).Matches(text ? text : "", text ? std::strlen(text) : 0);
}
