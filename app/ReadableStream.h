// The one thing the JPEG picture asks of its input: read up to a number of bytes. Files, memory
// blocks and test streams all hand their bytes to the decoder through it.
#pragma once
#include <windows.h>

class ReadableStream
{
public:
    virtual ~ReadableStream() = default;
    // Copies up to `count` bytes into `buffer`; returns how many were copied, 0 at the end or
    // after a failure. Never throws: the decoder calling it is C code.
    virtual UINT Read(void* buffer, UINT count) = 0;
    // True once a read has failed (as against reaching the end).
    virtual bool ReadFailed() const { return false; }
};
