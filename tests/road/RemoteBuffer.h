// A block of memory inside another process, for the common-control messages whose arguments are
// pointers: the control reads and writes them in its own address space.
#pragma once
#include <windows.h>
#include <cstddef>

class RemoteBuffer
{
public:
    RemoteBuffer(HANDLE process, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool Valid() const { return m_address != nullptr; }
    // The block's address as the other process sees it, plus an offset.
    LPARAM At(std::size_t offset = 0) const
    {
        return reinterpret_cast<LPARAM>(static_cast<char*>(m_address) + offset);
    }
    bool Write(const void* data, std::size_t size, std::size_t offset = 0);
    bool Read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE m_process;
    void* m_address;
    std::size_t m_size;
};
