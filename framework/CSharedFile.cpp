// CSharedFile: the memory file's allocator over GlobalAlloc/GlobalReAlloc with the block locked.
#include "framework/CSharedFile.h"

IMPLEMENT_DYNAMIC(CSharedFile, CMemFile)

CSharedFile::CSharedFile(UINT nAllocFlags, UINT nGrowBytes)
    : CMemFile(nGrowBytes), m_nAllocFlags(nAllocFlags), m_nDefaultGrowBytes(nGrowBytes),
      m_hGlobalMemory(nullptr)
{
}

CSharedFile::~CSharedFile()
{
    // Here, not in the base destructor, where Free would no longer reach this class.
    Close();
}

void CSharedFile::SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow)
{
    Close();
    BYTE* lpBuffer = (BYTE*)GlobalLock(hGlobalMemory);
    if (lpBuffer == nullptr) return;
    m_hGlobalMemory = hGlobalMemory;
    m_lpBuffer = lpBuffer;
    m_nBufferSize = m_nFileSize = GlobalSize(hGlobalMemory);
    m_nGrowBytes = bAllowGrow ? m_nDefaultGrowBytes : 0;
    m_bAutoDelete = TRUE;
}

HGLOBAL CSharedFile::Detach()
{
    HGLOBAL h = m_hGlobalMemory;
    if (h != nullptr) GlobalUnlock(h);
    m_hGlobalMemory = nullptr;
    Reset();
    return h;
}

void CSharedFile::Close()
{
    CMemFile::Close();
    m_nGrowBytes = m_nDefaultGrowBytes;
}

BYTE* CSharedFile::Alloc(SIZE_T nBytes)
{
    HGLOBAL h = GlobalAlloc(m_nAllocFlags, nBytes);
    if (h == nullptr) return nullptr;
    BYTE* p = (BYTE*)GlobalLock(h);
    if (p == nullptr) {
        GlobalFree(h);
        return nullptr;
    }
    m_hGlobalMemory = h;
    return p;
}

BYTE* CSharedFile::Realloc(BYTE*, SIZE_T nBytes)
{
    GlobalUnlock(m_hGlobalMemory);
    HGLOBAL h = GlobalReAlloc(m_hGlobalMemory, nBytes, GMEM_MOVEABLE);
    if (h == nullptr) {
        // The old block is still valid: lock it again so the file stays usable.
        GlobalLock(m_hGlobalMemory);
        return nullptr;
    }
    m_hGlobalMemory = h;
    return (BYTE*)GlobalLock(h);
}

void CSharedFile::Free(BYTE*)
{
    if (m_hGlobalMemory == nullptr) return;
    GlobalUnlock(m_hGlobalMemory);
    GlobalFree(m_hGlobalMemory);
    m_hGlobalMemory = nullptr;
}
