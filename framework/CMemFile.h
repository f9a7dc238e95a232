// A file in memory: archives write into it to build registry values and read back from a
// buffer handed to it. Its own buffer grows in steps of nGrowBytes and comes from malloc, so a
// buffer taken with Detach is freed with free().
#pragma once

#include "framework/CFile.h"

class CMemFile : public CFile
{
    DECLARE_DYNAMIC(CMemFile)
public:
    explicit CMemFile(UINT nGrowBytes = 1024);
    // Reads the given bytes (nGrowBytes 0) or writes into the buffer first (nGrowBytes > 0).
    CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    ~CMemFile() override;

    // With nGrowBytes 0 the file is the nBufferSize bytes given and cannot grow; otherwise it
    // starts empty, writes into the buffer and moves to a buffer of its own when that is full.
    // The caller keeps ownership of lpBuffer either way.
    void Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes = 0);
    // Hands the buffer to the caller and leaves the file empty. Take GetLength() first.
    BYTE* Detach();

    ULONGLONG GetPosition() const override { return m_nPosition; }
    ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
    ULONGLONG GetLength() const override { return m_nFileSize; }
    void SetLength(ULONGLONG dwNewLen) override;
    UINT Read(void* lpBuf, UINT nCount) override;
    void Write(const void* lpBuf, UINT nCount) override;
    void Flush() override {}
    void Close() override;
    void Abort() override { Close(); }

protected:
    // The allocator of the buffer: malloc here, global memory in CSharedFile. Failures answer null.
    virtual BYTE* Alloc(SIZE_T nBytes);
    virtual BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes);
    virtual void Free(BYTE* lpMem);
    // Makes the buffer hold at least dwNewLen bytes; raises CMemoryException when it cannot.
    virtual void GrowFile(SIZE_T dwNewLen);
    void Reset();

    UINT m_nGrowBytes;   // 0: the buffer is fixed
    SIZE_T m_nPosition;  // may lie past the end: a write there fills the gap with zeros
    SIZE_T m_nBufferSize;
    SIZE_T m_nFileSize;
    BYTE* m_lpBuffer;
    BOOL m_bAutoDelete;  // the buffer is this file's own and is freed on Close
};
