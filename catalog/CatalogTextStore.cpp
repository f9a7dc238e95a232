// The text store: short texts are cut from shared blocks and a freed one is kept for the next text
// of the same size, which is how a catalogue changes (discs come and go with names of the usual
// lengths). A text's length tells its size, so the store keeps nothing per text. Shared blocks
// stay for the life of the process; a long text's block goes back with the text.
//
// Every change of the store's state happens after the allocations it needs have succeeded, so a
// failed allocation leaves the store exactly as it was.
#include "catalog/CatalogTextStore.h"
#include <cstring>
#include <cwchar>
#include <memory>
#include <mutex>
#include <new>

std::atomic<wchar_t*> CatalogTextStore::s_blocks[CatalogTextStore::BlockCount];

namespace
{

// A std::mutex: it is constant-initialised, and texts are made before main too and on every
// thread (loader, scanner, search, user interface).
std::mutex s_storeLock;

// Everything below is guarded by s_storeLock.
std::uint32_t s_nextBlock = 1;  // never handed out yet; block 0 stays unused, so handle 0 is free
std::uint16_t s_freeBlock = 0;  // given back block numbers, linked through s_blockLinks; 0 ends it
std::uint16_t s_blockLinks[CatalogTextStore::BlockCount];
std::uint32_t s_shared = 0;      // the shared block being cut, 0 before the first
std::uint32_t s_sharedUsed = 0;  // its units handed out, from its start
std::size_t s_heldUnits = 0;     // units of all blocks held
// Freed short texts by their size in units (2 or more: a character and the NUL). Each list is
// linked through the first two units of its members (a handle fits in them).
std::uint32_t s_freeBySize[CatalogTextStore::LongUnits];

// A free block number, or bad_alloc when all are in use.
std::uint32_t TakeBlockNumber()
{
    if (s_freeBlock != 0) {
        const std::uint32_t block = s_freeBlock;
        s_freeBlock = s_blockLinks[block];
        return block;
    }
    if (s_nextBlock == CatalogTextStore::BlockCount) throw std::bad_alloc();
    return s_nextBlock++;
}

void GiveBlockNumber(std::uint32_t block)
{
    s_blockLinks[block] = s_freeBlock;
    s_freeBlock = (std::uint16_t)block;
}

std::uint32_t LoadLink(const wchar_t* units)
{
    std::uint32_t link;
    std::memcpy(&link, units, sizeof link);
    return link;
}

void StoreLink(wchar_t* units, std::uint32_t link) { std::memcpy(units, &link, sizeof link); }

wchar_t* WritableUnits(std::uint32_t handle)
{
    return const_cast<wchar_t*>(CatalogTextStore::Units(handle));
}

}  // namespace

std::uint32_t CatalogTextStore::Add(const wchar_t* text, std::size_t length)
{
    if (length >= 0x7FFFFFFFu / sizeof(wchar_t)) throw std::bad_alloc();
    const std::uint32_t units = (std::uint32_t)length + 1;
    std::uint32_t handle = 0;
    {
        std::lock_guard<std::mutex> lock(s_storeLock);
        if (units >= LongUnits) {
            std::unique_ptr<wchar_t[]> own(new wchar_t[units]);
            const std::uint32_t block = TakeBlockNumber();
            s_blocks[block].store(own.release(), std::memory_order_release);
            s_heldUnits += units;
            handle = block << 16;
        } else if (s_freeBySize[units] != 0) {
            handle = s_freeBySize[units];
            s_freeBySize[units] = LoadLink(Units(handle));
        } else {
            if (s_shared == 0 || SharedUnits - s_sharedUsed < units) {
                std::unique_ptr<wchar_t[]> fresh(new wchar_t[SharedUnits]);
                const std::uint32_t block = TakeBlockNumber();
                // What is left of the full block serves a later text of just that size.
                const std::uint32_t rest = SharedUnits - s_sharedUsed;
                if (s_shared != 0 && rest >= 2) {
                    const std::uint32_t restHandle = s_shared << 16 | s_sharedUsed;
                    StoreLink(WritableUnits(restHandle), s_freeBySize[rest]);
                    s_freeBySize[rest] = restHandle;
                }
                s_blocks[block].store(fresh.release(), std::memory_order_release);
                s_heldUnits += SharedUnits;
                s_shared = block;
                s_sharedUsed = 0;
            }
            handle = s_shared << 16 | s_sharedUsed;
            s_sharedUsed += units;
        }
    }
    // The units are this text's alone from here on: no lock needed to fill them.
    wchar_t* out = WritableUnits(handle);
    std::wmemcpy(out, text, length);
    out[length] = L'\0';
    return handle;
}

void CatalogTextStore::Release(std::uint32_t handle) noexcept
{
    if (handle == 0) return;
    wchar_t* units = WritableUnits(handle);
    const std::size_t size = std::wcslen(units) + 1;
    std::lock_guard<std::mutex> lock(s_storeLock);
    if (size >= LongUnits) {
        const std::uint32_t block = handle >> 16;
        delete[] s_blocks[block].exchange(nullptr, std::memory_order_relaxed);
        s_heldUnits -= size;
        GiveBlockNumber(block);
        return;
    }
    StoreLink(units, s_freeBySize[size]);
    s_freeBySize[size] = handle;
}

std::size_t CatalogTextStore::HeldBytes()
{
    std::lock_guard<std::mutex> lock(s_storeLock);
    return s_heldUnits * sizeof(wchar_t);
}
