// Wildcard name test of the catalogue search and of node walks: '*' stands for any run of
// characters (none too), '?' for exactly one; letters match in either case, national ones as well
// (folded through the ANSI code page, so Cyrillic in code page 1251).
#pragma once
#include <string>

class WildcardPattern
{
public:
    explicit WildcardPattern(const char* pattern);

    // Tests a narrow (ANSI) name. A star may take any run, so "A*B" matches "ABAB": when a later
    // part of the pattern fails, the last star takes one character more and the rest is tried again.
    bool Matches(const char* text, std::size_t length) const;
    bool Matches(const std::string& text) const { return Matches(text.data(), text.size()); }

    // The upper-case form of one byte of the ANSI code page.
    static unsigned char FoldCase(unsigned char c);

private:
    std::string m_pattern;  // upper-cased once here, so each name is folded only while it is compared
};

// Pattern first, text second; the one-off form of WildcardPattern.
bool MatchWildcard(const char* pattern, const char* text);
