// Storage of the compact catalogue text.
#include "catalog/CatalogText.h"
#include <cwchar>
#include <utility>

void CatalogText::Assign(const wchar_t* text, std::size_t length)
{
    std::size_t n = 0;
    while (n < length && text[n] != L'\0') ++n;
    wchar_t* copy = nullptr;
    if (n > 0) {
        copy = new wchar_t[n + 1];
        std::wmemcpy(copy, text, n);
        copy[n] = L'\0';
    }
    delete[] m_text;
    m_text = copy;
}

CatalogText& CatalogText::operator=(const CatalogText& other)
{
    if (this != &other) Assign(other.c_str(), other.length());
    return *this;
}

CatalogText& CatalogText::operator=(CatalogText&& other) noexcept
{
    std::swap(m_text, other.m_text);
    return *this;
}

CatalogText& CatalogText::operator=(const wchar_t* text)
{
    Assign(text, text ? std::wcslen(text) : 0);
    return *this;
}

CatalogText& CatalogText::operator=(const std::wstring& text)
{
    Assign(text.data(), text.size());
    return *this;
}
