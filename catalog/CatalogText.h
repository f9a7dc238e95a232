// A compact UTF-16 text for names and descriptions of the catalogue: one pointer wide, so that a
// million file entries do not each carry a full string object. Empty text allocates nothing.
#pragma once
#include <cstddef>
#include <cwchar>
#include <string>

class CatalogText
{
public:
    CatalogText() = default;
    CatalogText(const wchar_t* text) { Assign(text, text ? std::wcslen(text) : 0); }
    CatalogText(const wchar_t* text, std::size_t length) { Assign(text, length); }
    CatalogText(const std::wstring& text) { Assign(text.data(), text.size()); }
    CatalogText(const CatalogText& other) { Assign(other.c_str(), other.length()); }
    CatalogText(CatalogText&& other) noexcept : m_text(other.m_text) { other.m_text = nullptr; }
    ~CatalogText() { delete[] m_text; }

    CatalogText& operator=(const CatalogText& other);
    CatalogText& operator=(CatalogText&& other) noexcept;
    CatalogText& operator=(const wchar_t* text);
    CatalogText& operator=(const std::wstring& text);

    const wchar_t* c_str() const { return m_text ? m_text : L""; }
    std::size_t length() const { return m_text ? std::wcslen(m_text) : 0; }
    bool empty() const { return m_text == nullptr; }
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

    // Replaces the text by `length` units of `text`; a NUL inside ends it there.
    void Assign(const wchar_t* text, std::size_t length);

private:
    wchar_t* m_text = nullptr;  // NUL-terminated copy of our own, or null for the empty text
};
