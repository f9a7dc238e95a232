// A compact UTF-16 text for names and descriptions of the catalogue: a 32-bit handle into the
// packed text store, so that a million file entries take little more than their characters, and
// the same size in 32-bit and 64-bit builds. Empty text stores nothing.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cwchar>
#include <string>
#include "catalog/CatalogTextStore.h"

class CatalogText
{
public:
    CatalogText() = default;
    CatalogText(const wchar_t* text) { Assign(text, text ? std::wcslen(text) : 0); }
    CatalogText(const wchar_t* text, std::size_t length) { Assign(text, length); }
    CatalogText(const std::wstring& text) { Assign(text.data(), text.size()); }
    CatalogText(const CatalogText& other) { Assign(other.c_str(), other.length()); }
    CatalogText(CatalogText&& other) noexcept : m_handle(other.m_handle) { other.m_handle = 0; }
    ~CatalogText() { CatalogTextStore::Release(m_handle); }

    CatalogText& operator=(const CatalogText& other);
    CatalogText& operator=(CatalogText&& other) noexcept;
    CatalogText& operator=(const wchar_t* text);
    CatalogText& operator=(const std::wstring& text);

    // Valid until this text changes or goes (other texts may change meanwhile).
    const wchar_t* c_str() const { return m_handle ? CatalogTextStore::Units(m_handle) : L""; }
    std::size_t length() const { return m_handle ? std::wcslen(c_str()) : 0; }
    bool empty() const { return m_handle == 0; }
    std::wstring str() const { return std::wstring(c_str()); }

    bool operator==(const CatalogText& other) const
    {
        return std::wcscmp(c_str(), other.c_str()) == 0;
    }
    bool operator!=(const CatalogText& other) const { return !(*this == other); }
    bool operator==(const wchar_t* other) const
    {
        return std::wcscmp(c_str(), other ? other : L"") == 0;
    }

    // Replaces the text by `length` units of `text`; a NUL inside ends it there. `text` may be this
    // text's own characters. Raises std::bad_alloc, leaving the text as it was, when the store
    // cannot grow.
    void Assign(const wchar_t* text, std::size_t length);

private:
    std::uint32_t m_handle = 0;  // the text in the store; 0 for the empty text
};
