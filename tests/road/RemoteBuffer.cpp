// Memory inside another process through VirtualAllocEx and the process memory calls.
#include "RemoteBuffer.h"

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t size)
    : m_process(process), m_address(nullptr), m_size(size)
{
    m_address = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer()
{
    if (m_address != nullptr) VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
}

bool RemoteBuffer::Write(const void* data, std::size_t size, std::size_t offset)
{
    if (m_address == nullptr || offset + size > m_size) return false;
    SIZE_T done = 0;
    return WriteProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size,
                              &done) &&
           done == size;
}

bool RemoteBuffer::Read(void* data, std::size_t size, std::size_t offset) const
{
    if (m_address == nullptr || offset + size > m_size) return false;
    SIZE_T done = 0;
    return ReadProcessMemory(m_process, static_cast<char*>(m_address) + offset, data, size,
                             &done) &&
           done == size;
}
