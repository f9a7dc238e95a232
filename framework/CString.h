// The framework's narrow string: ANSI text in the process code page (1251 here), with the
// editing, searching, formatting and case-folding members the program uses. Case folding goes
// through the system (CharUpperBuffA/CharLowerBuffA) so Cyrillic letters fold as Latin ones do.
#pragma once

#include <windows.h>
#include <cstdarg>
#include <string>

// A CString handed to Format, printf or any other "..." would not arrive as the character pointer
// the format expects (the 64-bit calling convention passes a copy by address): make that an error
// wherever strings are used, so the caller writes (LPCSTR)s.
#pragma GCC diagnostic error "-Wconditionally-supported"

class CString
{
public:
    CString() = default;
    CString(const CString& other) = default;
    CString(CString&& other) noexcept = default;
    CString(LPCSTR psz);               // null gives an empty string
    CString(LPCSTR pch, int nLength);  // exactly nLength bytes, zeros included
    CString(LPCWSTR psz);              // converted from UTF-16 through the ANSI code page
    CString(char ch, int nRepeat = 1);

    CString& operator=(const CString& other) = default;
    CString& operator=(CString&& other) noexcept = default;
    CString& operator=(LPCSTR psz);
    CString& operator=(LPCWSTR psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& s)
    {
        m_str += s.m_str;
        return *this;
    }
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch)
    {
        m_str += ch;
        return *this;
    }

    int GetLength() const { return (int)m_str.size(); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    operator LPCSTR() const { return m_str.c_str(); }
    // Index checks raise CInvalidArgException: a wrong index is a fault of the caller.
    char GetAt(int nIndex) const;
    char operator[](int nIndex) const { return GetAt(nIndex); }
    void SetAt(int nIndex, char ch);

    int Compare(LPCSTR psz) const;        // byte order: <0, 0, >0
    int CompareNoCase(LPCSTR psz) const;  // the same after folding both to lower case

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;

    void MakeUpper();
    void MakeLower();

    // Removes white space (or the given characters) from the ends.
    void TrimLeft();
    void TrimLeft(char chTarget);
    void TrimLeft(LPCSTR pszTargets);
    void TrimRight();
    void TrimRight(char chTarget);
    void TrimRight(LPCSTR pszTargets);
    void Trim()
    {
        TrimRight();
        TrimLeft();
    }
    void Trim(char chTarget)
    {
        TrimRight(chTarget);
        TrimLeft(chTarget);
    }
    void Trim(LPCSTR pszTargets)
    {
        TrimRight(pszTargets);
        TrimLeft(pszTargets);
    }

    // Each returns how many were removed or replaced.
    int Remove(char chRemove);
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);

    // Index of the first match at or after nStart, or -1.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;

    // printf formatting of the C runtime (so %I64d and %S work as on Windows).
    void __attribute__((format(ms_printf, 2, 3))) Format(LPCSTR pszFormat, ...);
    void FormatV(LPCSTR pszFormat, va_list args);

    // Loads a string resource from the resource module; FALSE (and empty) when there is none.
    BOOL LoadString(UINT nID);

    // A writable buffer of at least nMinBufLength characters plus the terminator. Until
    // ReleaseBuffer (a new length, or -1 to measure up to the first NUL) the string may be longer.
    LPSTR GetBuffer(int nMinBufLength);
    LPSTR GetBuffer() { return GetBuffer(0); }
    LPSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

private:
    std::string m_str;
};

CString operator+(const CString& a, const CString& b);
CString operator+(const CString& a, LPCSTR b);
CString operator+(LPCSTR a, const CString& b);
CString operator+(const CString& a, char b);
CString operator+(char a, const CString& b);

inline bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
inline bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
inline bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
inline bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
inline bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
inline bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
inline bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
inline bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
inline bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
inline bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
inline bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
inline bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
