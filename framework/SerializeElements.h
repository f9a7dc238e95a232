// How the collection templates store their elements: plain values as their bytes, CString in the
// archive's string form, and HashKey, the bucket function of CMap (whose bucket order is the
// order of its stored image). Declare an overload before use for another element type.
#pragma once

#include <type_traits>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CString.h"

template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    static_assert(std::is_trivially_copyable<TYPE>::value,
                  "declare a SerializeElements overload for this element type");
    // Pieces of at most 64 KiB keep every single transfer within a UINT.
    const INT_PTR perPiece = sizeof(TYPE) >= 0x10000 ? 1 : (INT_PTR)(0x10000 / sizeof(TYPE));
    for (INT_PTR done = 0; done < nCount;) {
        const INT_PTR n = nCount - done < perPiece ? nCount - done : perPiece;
        if (ar.IsStoring())
            ar.Write(pElements + done, (UINT)(n * sizeof(TYPE)));
        else
            ar.EnsureRead(pElements + done, (UINT)(n * sizeof(TYPE)));
        done += n;
    }
}

inline void SerializeElements(CArchive& ar, CString* pElements, INT_PTR nCount)
{
    for (INT_PTR i = 0; i < nCount; ++i) {
        if (ar.IsStoring())
            ar << pElements[i];
        else
            ar >> pElements[i];
    }
}

// Integers and handles hash by their value without the low four bits.
template <class ARG_KEY>
inline UINT HashKey(ARG_KEY key)
{
    return (UINT)(((DWORD_PTR)key) >> 4);
}

// Strings hash by their bytes: h = h * 33 + byte.
inline UINT HashKey(LPCSTR key)
{
    UINT nHash = 0;
    for (const unsigned char* p = (const unsigned char*)key; *p != 0; ++p)
        nHash = (nHash << 5) + nHash + *p;
    return nHash;
}

inline UINT HashKey(const CString& key) { return HashKey((LPCSTR)key); }
