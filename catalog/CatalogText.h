// A compact UTF-16 text for names and descriptions of the catalogue: a 32-bit handle into a
// process-wide store that packs texts without any per-text overhead, so that a million file
// entries take little more than their characters. Empty text stores nothing.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>
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
    CatalogText(CatalogText&& other) noexcept : m_handle(other.m_handle) { other.m_handle = 0; }
    ~CatalogText() { Release(m_handle); }

    CatalogText& operator=(const CatalogText& other);
    CatalogText& operator=(CatalogText&& other) noexcept;
    CatalogText& operator=(const wchar_t* text);
    CatalogText& operator=(const std::wstring& text);

    // Valid until the text changes or goes.
    const wchar_t* c_str() const { return m_handle ? Units(m_handle) : L""; }
    std::size_t length() const { return m_handle ? std::wcslen(Units(m_handle)) : 0; }
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

    // Replaces the text by `length` units of `text`; a NUL inside ends it there. Raises
    // std::bad_alloc (the text unchanged) when the store cannot grow.
    void Assign(const wchar_t* text, std::size_t length);

    // The store's blocks: a handle is a block number (high 16 bits, never 0) and a unit offset
    // in that block (low 16 bits). Short texts share blocks; a long one has a block of its own.
    static const std::uint32_t BlockCount = 1u << 16;

private:
    static wchar_t* Units(std::uint32_t handle)
    {
        return s_blocks[handle >> 16].load(std::memory_order_acquire) + (handle & 0xFFFFu);
    }
    static void Release(std::uint32_t handle) noexcept;

    // Written under the store's lock before any handle into the block exists; read without it.
    static std::atomic<wchar_t*> s_blocks[BlockCount];

    std::uint32_t m_handle = 0;  // 0: the empty text
};
