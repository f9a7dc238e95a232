// CMemFile: reads, writes and growth of the memory buffer.
#include "framework/CMemFile.h"

#include <cstdlib>
#include <cstring>

#include "framework/CFileException.h"
#include "framework/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemFile, CFile)

CMemFile::CMemFile(UINT nGrowBytes)
    : m_nGrowBytes(nGrowBytes), m_nPosition(0), m_nBufferSize(0), m_nFileSize(0),
      m_lpBuffer(nullptr), m_bAutoDelete(TRUE)
{
}

CMemFile::CMemFile(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes) : CMemFile(nGrowBytes)
{
    Attach(lpBuffer, nBufferSize, nGrowBytes);
}

CMemFile::~CMemFile() { Close(); }

void CMemFile::Reset()
{
    m_lpBuffer = nullptr;
    m_nBufferSize = 0;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_bAutoDelete = TRUE;
}

void CMemFile::Attach(BYTE* lpBuffer, UINT nBufferSize, UINT nGrowBytes)
{
    Close();
    m_lpBuffer = lpBuffer;
    m_nBufferSize = nBufferSize;
    m_nFileSize = nGrowBytes == 0 ? nBufferSize : 0;
    m_nGrowBytes = nGrowBytes;
    m_bAutoDelete = FALSE;
}

BYTE* CMemFile::Detach()
{
    BYTE* lpBuffer = m_lpBuffer;
    Reset();
    return lpBuffer;
}

ULONGLONG CMemFile::Seek(LONGLONG lOff, UINT nFrom)
{
    LONGLONG base = 0;
    switch (nFrom) {
    case begin: base = 0; break;
    case current: base = (LONGLONG)m_nPosition; break;
    case end: base = (LONGLONG)m_nFileSize; break;
    default: AfxThrowFileException(CFileException::badSeek);
    }
    const LONGLONG pos = base + lOff;
    if (pos < 0 || (ULONGLONG)pos > (ULONGLONG)(SIZE_T)-1)
        AfxThrowFileException(CFileException::badSeek);
    m_nPosition = (SIZE_T)pos;
    return m_nPosition;
}

void CMemFile::SetLength(ULONGLONG dwNewLen)
{
    if (dwNewLen > (ULONGLONG)(SIZE_T)-1) AfxThrowMemoryException();
    const SIZE_T newLen = (SIZE_T)dwNewLen;
    if (newLen > m_nBufferSize) GrowFile(newLen);
    if (newLen > m_nFileSize) std::memset(m_lpBuffer + m_nFileSize, 0, newLen - m_nFileSize);
    if (newLen < m_nPosition) m_nPosition = newLen;
    m_nFileSize = newLen;
}

UINT CMemFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0 || m_nPosition >= m_nFileSize) return 0;
    SIZE_T n = m_nFileSize - m_nPosition;
    if (n > nCount) n = nCount;
    std::memcpy(lpBuf, m_lpBuffer + m_nPosition, n);
    m_nPosition += n;
    return (UINT)n;
}

void CMemFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0) return;
    if (m_nPosition > (SIZE_T)-1 - nCount) AfxThrowMemoryException();
    const SIZE_T end = m_nPosition + nCount;
    if (end > m_nBufferSize) GrowFile(end);
    if (m_nPosition > m_nFileSize)
        std::memset(m_lpBuffer + m_nFileSize, 0, m_nPosition - m_nFileSize);
    std::memcpy(m_lpBuffer + m_nPosition, lpBuf, nCount);
    m_nPosition = end;
    if (end > m_nFileSize) m_nFileSize = end;
}

void CMemFile::Close()
{
    if (m_lpBuffer != nullptr && m_bAutoDelete) Free(m_lpBuffer);
    Reset();
}

BYTE* CMemFile::Alloc(SIZE_T nBytes) { return (BYTE*)std::malloc(nBytes); }

BYTE* CMemFile::Realloc(BYTE* lpMem, SIZE_T nBytes) { return (BYTE*)std::realloc(lpMem, nBytes); }

void CMemFile::Free(BYTE* lpMem) { std::free(lpMem); }

void CMemFile::GrowFile(SIZE_T dwNewLen)
{
    if (dwNewLen <= m_nBufferSize) return;
    if (m_nGrowBytes == 0) AfxThrowMemoryException();
    // Whole steps of nGrowBytes beyond the present buffer.
    const SIZE_T steps = (dwNewLen - m_nBufferSize + m_nGrowBytes - 1) / m_nGrowBytes;
    if (steps > ((SIZE_T)-1 - m_nBufferSize) / m_nGrowBytes) AfxThrowMemoryException();
    const SIZE_T newSize = m_nBufferSize + steps * m_nGrowBytes;

    BYTE* lpNew = nullptr;
    if (m_lpBuffer == nullptr) {
        lpNew = Alloc(newSize);
    } else if (m_bAutoDelete) {
        lpNew = Realloc(m_lpBuffer, newSize);
    } else {
        // The attached buffer belongs to the caller: move to one of our own and leave it alone.
        lpNew = Alloc(newSize);
        if (lpNew != nullptr) std::memcpy(lpNew, m_lpBuffer, m_nFileSize);
    }
    if (lpNew == nullptr) AfxThrowMemoryException();
    m_lpBuffer = lpNew;
    m_nBufferSize = newSize;
    m_bAutoDelete = TRUE;
}
