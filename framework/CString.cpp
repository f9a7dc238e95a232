// CString's members. Case folding and case-blind comparison use the system's tables for the ANSI
// code page, not the C locale, which knows nothing of Cyrillic under the "C" locale.
#include "framework/CString.h"

#include <cstdio>
#include <cstring>

#include "framework/AfxResourceHandle.h"
#include "framework/CInvalidArgException.h"
#include "framework/WideText.h"

namespace
{

const char kWhiteSpace[] = " \t\n\v\f\r";

// Lower-case form of every byte of the ANSI code page, built once from CharLowerBuffA.
struct LowerCaseTable
{
    unsigned char map[256];
    LowerCaseTable()
    {
        char bytes[256];
        for (int i = 0; i < 256; ++i) bytes[i] = (char)i;
        // Byte 0 stays 0: CharLowerBuffA is given the whole block with an explicit length.
        CharLowerBuffA(bytes, 256);
        for (int i = 0; i < 256; ++i) map[i] = (unsigned char)bytes[i];
    }
};

const LowerCaseTable& LowerCase()
{
    static const LowerCaseTable table;
    return table;
}

}  // namespace

CString::CString(LPCSTR psz)
{
    if (psz != nullptr) m_str = psz;
}

CString::CString(LPCSTR pch, int nLength)
{
    if (pch != nullptr && nLength > 0) m_str.assign(pch, (size_t)nLength);
}

CString::CString(LPCWSTR psz)
{
    if (psz != nullptr) *this = WideToAnsi(psz);
}

CString::CString(char ch, int nRepeat)
{
    if (nRepeat > 0) m_str.assign((size_t)nRepeat, ch);
}

CString& CString::operator=(LPCSTR psz)
{
    if (psz == nullptr)
        m_str.clear();
    else
        m_str = psz;
    return *this;
}

CString& CString::operator=(LPCWSTR psz) { return *this = CString(psz); }

CString& CString::operator=(char ch)
{
    m_str.assign(1, ch);
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz != nullptr) m_str += psz;
    return *this;
}

char CString::GetAt(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetLength()) AfxThrowInvalidArgException();
    return m_str[(size_t)nIndex];
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex < 0 || nIndex >= GetLength()) AfxThrowInvalidArgException();
    m_str[(size_t)nIndex] = ch;
}

int CString::Compare(LPCSTR psz) const
{
    return std::strcmp(m_str.c_str(), psz != nullptr ? psz : "");
}

int CString::CompareNoCase(LPCSTR psz) const
{
    const unsigned char* map = LowerCase().map;
    const unsigned char* a = (const unsigned char*)m_str.c_str();
    const unsigned char* b = (const unsigned char*)(psz != nullptr ? psz : "");
    for (;; ++a, ++b) {
        const int d = (int)map[*a] - (int)map[*b];
        if (d != 0) return d;
        if (*a == 0) return 0;
    }
}

CString CString::Mid(int nFirst) const { return Mid(nFirst, GetLength()); }

CString CString::Mid(int nFirst, int nCount) const
{
    const int len = GetLength();
    if (nFirst < 0) nFirst = 0;
    if (nCount < 0) nCount = 0;
    if (nFirst >= len) return CString();
    if (nCount > len - nFirst) nCount = len - nFirst;
    return CString(m_str.data() + nFirst, nCount);
}

CString CString::Left(int nCount) const { return Mid(0, nCount); }

CString CString::Right(int nCount) const
{
    const int len = GetLength();
    if (nCount < 0) nCount = 0;
    if (nCount > len) nCount = len;
    return CString(m_str.data() + (len - nCount), nCount);
}

void CString::MakeUpper()
{
    if (!m_str.empty()) CharUpperBuffA(&m_str[0], (DWORD)m_str.size());
}

void CString::MakeLower()
{
    if (!m_str.empty()) CharLowerBuffA(&m_str[0], (DWORD)m_str.size());
}

void CString::TrimLeft() { TrimLeft(kWhiteSpace); }

void CString::TrimLeft(char chTarget) { m_str.erase(0, m_str.find_first_not_of(chTarget)); }

void CString::TrimLeft(LPCSTR pszTargets)
{
    if (pszTargets == nullptr) return;
    m_str.erase(0, m_str.find_first_not_of(pszTargets));
}

void CString::TrimRight() { TrimRight(kWhiteSpace); }

void CString::TrimRight(char chTarget)
{
    const size_t last = m_str.find_last_not_of(chTarget);
    m_str.erase(last == std::string::npos ? 0 : last + 1);
}

void CString::TrimRight(LPCSTR pszTargets)
{
    if (pszTargets == nullptr) return;
    const size_t last = m_str.find_last_not_of(pszTargets);
    m_str.erase(last == std::string::npos ? 0 : last + 1);
}

int CString::Remove(char chRemove)
{
    const size_t before = m_str.size();
    size_t out = 0;
    for (size_t i = 0; i < before; ++i) {
        if (m_str[i] != chRemove) m_str[out++] = m_str[i];
    }
    m_str.resize(out);
    return (int)(before - out);
}

int CString::Replace(char chOld, char chNew)
{
    int count = 0;
    for (char& c : m_str) {
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    if (pszOld == nullptr || *pszOld == '\0') return 0;
    const size_t oldLen = std::strlen(pszOld);
    const std::string replacement = pszNew != nullptr ? pszNew : "";
    std::string result;
    int count = 0;
    size_t from = 0;
    for (size_t hit; (hit = m_str.find(pszOld, from, oldLen)) != std::string::npos;
         from = hit + oldLen) {
        result.append(m_str, from, hit - from);
        result += replacement;
        ++count;
    }
    if (count == 0) return 0;
    result.append(m_str, from, std::string::npos);
    m_str.swap(result);
    return count;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0) nStart = 0;
    if (nStart >= GetLength()) return -1;
    const size_t hit = m_str.find(ch, (size_t)nStart);
    return hit == std::string::npos ? -1 : (int)hit;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (pszSub == nullptr) return -1;
    if (nStart < 0) nStart = 0;
    if (nStart > GetLength()) return -1;
    const size_t hit = m_str.find(pszSub, (size_t)nStart);
    return hit == std::string::npos ? -1 : (int)hit;
}

int CString::ReverseFind(char ch) const
{
    const size_t hit = m_str.rfind(ch);
    return hit == std::string::npos ? -1 : (int)hit;
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    if (pszFormat == nullptr) AfxThrowInvalidArgException();
    // The C runtime's own printf family (not a portable replacement), so the format language is
    // the one Windows programs expect.
    va_list measure;
    va_copy(measure, args);
    const int length = _vscprintf(pszFormat, measure);
    va_end(measure);
    if (length < 0) AfxThrowInvalidArgException();
    std::string text((size_t)length, '\0');
    if (length > 0) _vsnprintf(&text[0], (size_t)length, pszFormat, args);
    m_str.swap(text);
}

BOOL CString::LoadString(UINT nID)
{
    // LoadStringW with a zero buffer size answers a pointer to the resource's own text and its
    // length, so strings of any length load whole and convert once.
    LPCWSTR resource = nullptr;
    const int length = LoadStringW(AfxGetResourceHandle(), nID, (LPWSTR)&resource, 0);
    if (length <= 0 || resource == nullptr) {
        Empty();
        return FALSE;
    }
    *this = WideToAnsi(resource, length);
    return TRUE;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength()) m_str.resize((size_t)nMinBufLength);
    return &m_str[0];
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0) AfxThrowInvalidArgException();
    m_str.resize((size_t)nNewLength);
    return &m_str[0];
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0) nNewLength = (int)std::strlen(m_str.c_str());
    if (nNewLength > GetLength()) AfxThrowInvalidArgException();
    m_str.resize((size_t)nNewLength);
}

namespace
{

template <class A, class B>
CString Concatenate(const A& a, const B& b)
{
    CString s(a);
    s += b;
    return s;
}

}  // namespace

CString operator+(const CString& a, const CString& b) { return Concatenate(a, b); }
CString operator+(const CString& a, LPCSTR b) { return Concatenate(a, b); }
CString operator+(LPCSTR a, const CString& b) { return Concatenate(a, b); }
CString operator+(const CString& a, char b) { return Concatenate(a, b); }
CString operator+(char a, const CString& b) { return Concatenate(a, b); }
