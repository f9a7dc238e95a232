// CArray: a growable array of values with index checks, insertion, removal and the archive form
// "count, then the elements" (SerializeElements). Indexes outside the array raise
// CInvalidArgException.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/CInvalidArgException.h"
#include "framework/CMemoryException.h"
#include "framework/CObject.h"
#include "framework/SerializeElements.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
public:
    CArray() : m_nGrowBy(0) {}

    INT_PTR GetSize() const { return (INT_PTR)m_data.size(); }
    INT_PTR GetCount() const { return (INT_PTR)m_data.size(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // New elements are value-initialised (zero for plain values). nGrowBy is the least number of
    // elements the storage grows by when it must (-1 keeps the present step).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0) AfxThrowInvalidArgException();
        if (nGrowBy >= 0) m_nGrowBy = nGrowBy;
        Reserve(nNewSize);
        m_data.resize((size_t)nNewSize);
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { std::vector<TYPE>().swap(m_data); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Check(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Check(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Check(nIndex)] = newElement; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Check(nIndex)]; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Check(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    // Grows the array to reach nIndex when needed.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0) AfxThrowInvalidArgException();
        if (nIndex >= GetSize()) {
            TYPE copy = newElement;  // the argument may live inside this array
            SetSize(nIndex + 1);
            m_data[(size_t)nIndex] = copy;
        } else {
            m_data[(size_t)nIndex] = newElement;
        }
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        const INT_PTR nIndex = GetSize();
        SetAtGrow(nIndex, newElement);
        return nIndex;
    }
    // Appends the other array's elements; answers the index of the first one.
    INT_PTR Append(const CArray& src)
    {
        const INT_PTR nOldSize = GetSize();
        if (&src == this) {
            std::vector<TYPE> copy(m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            Reserve(nOldSize + src.GetSize());
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return nOldSize;
    }
    void Copy(const CArray& src)
    {
        if (&src != this) m_data = src.m_data;
    }

    // nIndex may be the size (insertion at the end) or beyond it (the gap is value-initialised).
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0) AfxThrowInvalidArgException();
        TYPE copy = newElement;
        if (nIndex > GetSize()) SetSize(nIndex);
        Reserve(GetSize() + nCount);
        m_data.insert(m_data.begin() + nIndex, (size_t)nCount, copy);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (pNewArray == nullptr || nStartIndex < 0) AfxThrowInvalidArgException();
        const std::vector<TYPE> copy(pNewArray->m_data);
        if (nStartIndex > GetSize()) SetSize(nStartIndex);
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize()) AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount((DWORD_PTR)GetSize());
            SerializeElements(ar, GetData(), GetSize());
            return;
        }
        // Unsigned throughout: a stored count of 2^31 or more is negative as a 32-bit INT_PTR.
        const DWORD_PTR nCount = ar.ReadCount();
        RemoveAll();
        // The array grows only as far as the elements really read reach.
        const DWORD_PTR kPiece = 4096;
        const DWORD_PTR kMaxSize = (DWORD_PTR)INTPTR_MAX;
        while ((DWORD_PTR)GetSize() < nCount) {
            const DWORD_PTR at = (DWORD_PTR)GetSize();
            const DWORD_PTR n = nCount - at < kPiece ? nCount - at : kPiece;
            if (n > kMaxSize - at) AfxThrowMemoryException();
            SetSize((INT_PTR)(at + n));
            SerializeElements(ar, m_data.data() + at, n);
        }
    }

private:
    size_t Check(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize()) AfxThrowInvalidArgException();
        return (size_t)nIndex;
    }
    // The storage at least doubles when it grows, so that long runs of Add stay linear.
    void Reserve(INT_PTR nNewSize)
    {
        const size_t capacity = m_data.capacity();
        if ((size_t)nNewSize <= capacity) return;
        size_t target = capacity * 2;
        if (target < m_data.size() + (size_t)m_nGrowBy) target = m_data.size() + (size_t)m_nGrowBy;
        if (target < (size_t)nNewSize) target = (size_t)nNewSize;
        m_data.reserve(target);
    }

    std::vector<TYPE> m_data;
    INT_PTR m_nGrowBy;
};
