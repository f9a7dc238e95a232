// A block of bytes on its way to or from the registry, with one owner. The block a memory file lets
// go of comes from the C heap and the block a registry read hands out from new[]: the owner knows
// which it holds and frees it that way, so no caller has to.
#pragma once

#include <windows.h>

#include <cstdlib>

#include "framework/CMemFile.h"

class ZAVPRegistryBytes
{
public:
    ZAVPRegistryBytes() : m_pData(nullptr), m_nBytes(0), m_bFromMemFile(false) {}
    ~ZAVPRegistryBytes() { Free(); }
    ZAVPRegistryBytes(const ZAVPRegistryBytes&) = delete;
    ZAVPRegistryBytes& operator=(const ZAVPRegistryBytes&) = delete;

    // What the memory file holds; the file is empty afterwards.
    void TakeFrom(CMemFile& file)
    {
        Free();
        m_nBytes = (UINT)file.GetLength();
        m_pData = file.Detach();
        m_bFromMemFile = true;
    }
    // A block a registry read made with new[].
    void TakeRead(BYTE* pData, UINT nBytes)
    {
        Free();
        m_pData = pData;
        m_nBytes = nBytes;
        m_bFromMemFile = false;
    }

    BYTE* Data() const { return m_pData; }
    UINT Size() const { return m_nBytes; }
    bool IsEmpty() const { return m_pData == nullptr; }

private:
    void Free()
    {
        if (m_bFromMemFile)
            std::free(m_pData);
        else
            delete[] m_pData;
        m_pData = nullptr;
        m_nBytes = 0;
    }

    BYTE* m_pData;
    UINT m_nBytes;
    bool m_bFromMemFile;  // from the C heap (a memory file), else from new[]
};
