// The compact catalogue text over the text store.
#include "catalog/CatalogText.h"
#include <cwchar>
#include <utility>

void CatalogText::Assign(const wchar_t* text, std::size_t length)
{
    std::size_t n = 0;
    while (n < length && text[n] != L'\0') ++n;
    // The new units first: the old ones may be the source, and stay if the store cannot grow.
    const std::uint32_t handle = n > 0 ? CatalogTextStore::Add(text, n) : 0;
    CatalogTextStore::Release(m_handle);
    m_handle = handle;
}

CatalogText& CatalogText::operator=(const CatalogText& other)
{
    if (this != &other) Assign(other.c_str(), other.length());
    return *this;
}

CatalogText& CatalogText::operator=(CatalogText&& other) noexcept
{
    std::swap(m_handle, other.m_handle);
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
