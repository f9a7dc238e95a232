// The store behind the catalogue's texts. Short texts are cut from shared blocks of 64 Ki units
// and a freed one is kept for the next text of the same length, which is how a catalogue changes:
// discs come and go with names of the usual lengths. A text's length (it holds no NUL) tells its
// size, so the store keeps nothing per text. The shared blocks stay for the life of the process;
// a long text's block goes back as soon as the text does.
#include "catalog/CatalogText.h"
#include <cstring>
#include <memory>
#include <mutex>
#include <new>
#include <utility>

std::atomic<wchar_t*> CatalogText::s_blocks[CatalogText::BlockCount];

namespace
{

const std::uint32_t SharedUnits = 1u << 16;  // units of a shared block (the offset's range)
const std::uint32_t LongUnits = 4096;       // from this many units (NUL included) a block of its own

// A std::mutex: texts are made before main too (it is constant-initialised) and on every thread.
std::mutex s_lock;
std::uint32_t s_nextBlock = 1;  // block 0 is never used, so the handle 0 stays the empty text
std::uint16_t s_freeBlock = 0;  // released blocks, linked through s_blockLinks; 0 ends the list
std::uint16_t s_blockLinks[CatalogText::BlockCount];
std::uint32_t s_shared = 0;      // the shared block being cut, 0 for none yet
std::uint32_t s_sharedUsed = 0;  // its units handed out
// Freed short texts by their size in units (2 or more: a character and the NUL), each list
// linked through the first two units of its blocks.
std::uint32_t s_freeBySize[LongUnits];

// A block number for a new block, under the lock.
std::uint32_t TakeBlock()
{
    if (s_freeBlock != 0) {
        const std::uint32_t block = s_freeBlock;
        s_freeBlock = s_blockLinks[block];
        return block;
    }
    if (s_nextBlock == CatalogText::BlockCount) throw std::bad_alloc();
    return s_nextBlock++;
}

}  // namespace

void CatalogText::Assign(const wchar_t* text, std::size_t length)
{
    std::size_t n = 0;
    while (n < length && text[n] != L'\0') ++n;
    std::uint32_t handle = 0;
    if (n > 0) {
        if (n + 1 > 0xFFFFFFFFu / sizeof(wchar_t)) throw std::bad_alloc();
        const std::uint32_t units = (std::uint32_t)n + 1;
        std::lock_guard<std::mutex> lock(s_lock);
        if (units >= LongUnits) {
            std::unique_ptr<wchar_t[]> own(new wchar_t[units]);
            const std::uint32_t block = TakeBlock();
            s_blocks[block].store(own.release(), std::memory_order_release);
            handle = block << 16;
        } else if (s_freeBySize[units] != 0) {
            handle = s_freeBySize[units];
            std::memcpy(&s_freeBySize[units], Units(handle), sizeof(std::uint32_t));
        } else {
            if (s_shared == 0 || SharedUnits - s_sharedUsed < units) {
                std::unique_ptr<wchar_t[]> fresh(new wchar_t[SharedUnits]);
                const std::uint32_t block = TakeBlock();
                // The rest of the full block serves a later text of just that size.
                const std::uint32_t rest = SharedUnits - s_sharedUsed;
                if (s_shared != 0 && rest >= 2) {
                    const std::uint32_t restHandle = s_shared << 16 | s_sharedUsed;
                    std::memcpy(Units(restHandle), &s_freeBySize[rest], sizeof(std::uint32_t));
                    s_freeBySize[rest] = restHandle;
                }
                s_blocks[block].store(fresh.release(), std::memory_order_release);
                s_shared = block;
                s_sharedUsed = 0;
            }
            handle = s_shared << 16 | s_sharedUsed;
            s_sharedUsed += units;
        }
    }
    if (handle != 0) {
        wchar_t* units = Units(handle);
        std::wmemcpy(units, text, n);
        units[n] = L'\0';
    }
    std::swap(m_handle, handle);
    Release(handle);
}

void CatalogText::Release(std::uint32_t handle) noexcept
{
    if (handle == 0) return;
    wchar_t* units = Units(handle);
    const std::size_t size = std::wcslen(units) + 1;
    std::lock_guard<std::mutex> lock(s_lock);
    if (size >= LongUnits) {
        const std::uint32_t block = handle >> 16;
        delete[] s_blocks[block].exchange(nullptr, std::memory_order_relaxed);
        s_blockLinks[block] = s_freeBlock;
        s_freeBlock = (std::uint16_t)block;
        return;
    }
    std::memcpy(units, &s_freeBySize[size], sizeof(std::uint32_t));
    s_freeBySize[size] = handle;
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
