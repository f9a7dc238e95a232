// A ReadableStream over a block of bytes that someone else owns (a locked resource, a test's
// buffer). Reads move a cursor through the block and never past its end.
#pragma once
#include <cstring>
#include "app/ReadableStream.h"

class MemoryReadableStream : public ReadableStream
{
public:
    MemoryReadableStream(const void* data, size_t size)
        : m_data(static_cast<const BYTE*>(data)), m_size(size), m_position(0) {}

    UINT Read(void* buffer, UINT count) override
    {
        size_t left = m_size - m_position;
        size_t n = count < left ? count : left;
        if (n != 0)
            std::memcpy(buffer, m_data + m_position, n);
        m_position += n;
        return static_cast<UINT>(n);
    }

private:
    const BYTE* m_data;   // not owned
    size_t m_size;        // bytes in the block
    size_t m_position;    // next byte to hand out
};
