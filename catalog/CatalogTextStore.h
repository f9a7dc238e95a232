// The process-wide store behind the catalogue's texts: it packs their characters into large shared
// blocks, so that a million names cost little more than their characters and no heap block each.
// A text is known by a 32-bit handle; what a text means is CatalogText's business.
#pragma once
#include <atomic>
#include <cstddef>
#include <cstdint>

class CatalogTextStore
{
public:
    // A handle is a block number (high 16 bits, never 0) and a unit offset in that block (low 16
    // bits); 0 is no text at all.
    static const std::uint32_t BlockCount = 1u << 16;
    // Units of a shared block: the whole range of the offset.
    static const std::uint32_t SharedUnits = 1u << 16;
    // From this many units (the NUL included) a text has a block of its own, which goes back to
    // the heap as soon as the text does.
    static const std::uint32_t LongUnits = 4096;

    // Stores `length` units of `text` (no NUL among them) and a NUL after them; `length` is at
    // least 1. Raises std::bad_alloc, with the store as it was, when the memory or the block
    // numbers run out. Safe on any thread.
    static std::uint32_t Add(const wchar_t* text, std::size_t length);
    // Gives a handle's units back. Safe on any thread; the handle's owner must not use it after.
    static void Release(std::uint32_t handle) noexcept;

    // The NUL-terminated units of a live handle.
    static const wchar_t* Units(std::uint32_t handle)
    {
        return s_blocks[handle >> 16].load(std::memory_order_acquire) + (handle & 0xFFFFu);
    }

    // Bytes of the blocks the store holds now (shared and long ones): what its texts cost in all.
    static std::size_t HeldBytes();

private:
    // A block's address is published (under the store's lock) before any handle into the block
    // exists, and cleared only once the last handle into it has gone; read without the lock.
    static std::atomic<wchar_t*> s_blocks[BlockCount];
};
