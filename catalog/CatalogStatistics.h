// The process-wide statistics counters: discs, disc folders, file entries and the summed size of
// all live entries. Nodes and entries change them as they are made and destroyed, on any thread.
#pragma once
#include <atomic>
#include <cstdint>

class CatalogStatistics
{
public:
    static std::int32_t DiscCount() { return s_discs.load(std::memory_order_relaxed); }
    static std::int32_t FolderCount() { return s_folders.load(std::memory_order_relaxed); }
    static std::int32_t FileCount() { return s_files.load(std::memory_order_relaxed); }
    static std::uint64_t TotalSize() { return s_totalSize.load(std::memory_order_relaxed); }

    static void AddDiscs(std::int32_t n) { s_discs.fetch_add(n, std::memory_order_relaxed); }
    static void AddFolders(std::int32_t n) { s_folders.fetch_add(n, std::memory_order_relaxed); }
    static void AddFiles(std::int32_t n) { s_files.fetch_add(n, std::memory_order_relaxed); }
    // Unsigned wrap-around makes a negative change a subtraction.
    static void AddSize(std::uint64_t delta)
    {
        s_totalSize.fetch_add(delta, std::memory_order_relaxed);
    }
    static void SubtractSize(std::uint64_t size)
    {
        s_totalSize.fetch_sub(size, std::memory_order_relaxed);
    }

private:
    // Atomic because the loader, scan and save threads make and destroy entries while the
    // user-interface thread reads (and itself changes) the counts.
    static std::atomic<std::int32_t> s_discs;
    static std::atomic<std::int32_t> s_folders;
    static std::atomic<std::int32_t> s_files;
    static std::atomic<std::uint64_t> s_totalSize;
};
