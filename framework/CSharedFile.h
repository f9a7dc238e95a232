// A memory file in global memory (GlobalAlloc), the form clipboard and drag-and-drop data take.
// Its buffer grows in steps of nGrowBytes; Detach hands the unlocked HGLOBAL to the caller.
#pragma once

#include "framework/CMemFile.h"

class CSharedFile : public CMemFile
{
    DECLARE_DYNAMIC(CSharedFile)
public:
    explicit CSharedFile(UINT nAllocFlags = GMEM_DDESHARE | GMEM_MOVEABLE, UINT nGrowBytes = 4096);
    ~CSharedFile() override;

    // Reads (and with bAllowGrow, writes) the given block, which the file then owns: it is freed
    // on Close unless taken back with Detach.
    void SetHandle(HGLOBAL hGlobalMemory, BOOL bAllowGrow = TRUE);
    HGLOBAL Detach();

    void Close() override;

protected:
    BYTE* Alloc(SIZE_T nBytes) override;
    BYTE* Realloc(BYTE* lpMem, SIZE_T nBytes) override;
    void Free(BYTE* lpMem) override;

    UINT m_nAllocFlags;
    UINT m_nDefaultGrowBytes;
    HGLOBAL m_hGlobalMemory;  // locked at m_lpBuffer while the file holds it
};
