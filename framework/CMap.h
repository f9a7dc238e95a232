// CMap: a hash map with a fixed number of buckets (17 unless InitHashTable says otherwise). New
// keys go to the head of their bucket's chain; iteration and the archive form ("count, then key
// and value of each entry") walk the buckets from 0 and each chain from its head, so a stored
// image depends on HashKey (SerializeElements.h) and on the order of insertion.
#pragma once

#include <new>

#include "framework/CInvalidArgException.h"
#include "framework/CMemoryException.h"
#include "framework/CObject.h"
#include "framework/NodeBlockPool.h"
#include "framework/Position.h"
#include "framework/SerializeElements.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;  // HashKey of the key, before the modulo
        KEY key;
        VALUE value;
    };

public:
    static const UINT kDefaultHashTableSize = 17;

    explicit CMap(INT_PTR nBlockSize = 10)
        : m_pHashTable(nullptr), m_nHashTableSize(kDefaultHashTableSize), m_nCount(0),
          m_pool(sizeof(CAssoc), nBlockSize)
    {
    }
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }
    UINT GetHashTableSize() const { return m_nHashTableSize; }

    // Sets the number of buckets; only while the map is empty.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE)
    {
        if (m_nCount != 0 || nHashSize == 0) AfxThrowInvalidArgException();
        delete[] m_pHashTable;
        m_pHashTable = nullptr;
        m_nHashTableSize = nHashSize;
        if (bAllocNow) AllocHashTable();
    }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* pAssoc = Find(key);
        if (pAssoc == nullptr) return FALSE;
        rValue = pAssoc->value;
        return TRUE;
    }
    // The value of the key, made (value-initialised) when the key is new.
    VALUE& operator[](ARG_KEY key)
    {
        if (CAssoc* pAssoc = Find(key)) return pAssoc->value;
        if (m_pHashTable == nullptr) AllocHashTable();
        const UINT nHash = HashKey(key);
        void* p = m_pool.Allocate();
        CAssoc* pAssoc;
        try {
            pAssoc = new (p) CAssoc{nullptr, nHash, key, VALUE()};
        } catch (...) {
            m_pool.Free(p);
            throw;
        }
        CAssoc*& head = m_pHashTable[nHash % m_nHashTableSize];
        pAssoc->pNext = head;
        head = pAssoc;
        ++m_nCount;
        return pAssoc->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_pHashTable == nullptr) return FALSE;
        CAssoc** ppLink = &m_pHashTable[HashKey(key) % m_nHashTableSize];
        for (CAssoc* pAssoc = *ppLink; pAssoc != nullptr; ppLink = &pAssoc->pNext, pAssoc = *ppLink)
        {
            if (pAssoc->key == key) {
                *ppLink = pAssoc->pNext;
                pAssoc->~CAssoc();
                m_pool.Free(pAssoc);
                if (--m_nCount == 0) RemoveAll();
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        if (m_pHashTable != nullptr) {
            for (UINT i = 0; i < m_nHashTableSize; ++i) {
                for (CAssoc* pAssoc = m_pHashTable[i]; pAssoc != nullptr;) {
                    CAssoc* pNext = pAssoc->pNext;
                    pAssoc->~CAssoc();
                    pAssoc = pNext;
                }
            }
            delete[] m_pHashTable;
            m_pHashTable = nullptr;
        }
        m_nCount = 0;
        m_pool.ReleaseAll();
    }

    // Null when the map is empty.
    POSITION GetStartPosition() const { return (POSITION)FirstFrom(0); }
    // The entry at rNextPosition; rNextPosition moves on (null after the last entry).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        const CAssoc* pAssoc = (const CAssoc*)rNextPosition;
        if (pAssoc == nullptr) AfxThrowInvalidArgException();
        rKey = pAssoc->key;
        rValue = pAssoc->value;
        rNextPosition = (POSITION)Next(pAssoc);
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount((DWORD_PTR)m_nCount);
            for (CAssoc* pAssoc = FirstFrom(0); pAssoc != nullptr; pAssoc = Next(pAssoc)) {
                SerializeElements(ar, &pAssoc->key, 1);
                SerializeElements(ar, &pAssoc->value, 1);
            }
            return;
        }
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
            KEY newKey[1] = {};
            VALUE newValue[1] = {};
            SerializeElements(ar, newKey, 1);
            SerializeElements(ar, newValue, 1);
            SetAt(newKey[0], newValue[0]);
        }
    }

private:
    void AllocHashTable()
    {
        m_pHashTable = new (std::nothrow) CAssoc*[m_nHashTableSize]();
        if (m_pHashTable == nullptr) AfxThrowMemoryException();
    }
    CAssoc* Find(ARG_KEY key) const
    {
        if (m_pHashTable == nullptr) return nullptr;
        for (CAssoc* pAssoc = m_pHashTable[HashKey(key) % m_nHashTableSize]; pAssoc != nullptr;
             pAssoc = pAssoc->pNext)
        {
            if (pAssoc->key == key) return pAssoc;
        }
        return nullptr;
    }
    CAssoc* FirstFrom(UINT nBucket) const
    {
        if (m_pHashTable == nullptr) return nullptr;
        for (; nBucket < m_nHashTableSize; ++nBucket) {
            if (m_pHashTable[nBucket] != nullptr) return m_pHashTable[nBucket];
        }
        return nullptr;
    }
    CAssoc* Next(const CAssoc* pAssoc) const
    {
        if (pAssoc->pNext != nullptr) return pAssoc->pNext;
        return FirstFrom(pAssoc->nHashValue % m_nHashTableSize + 1);
    }

    CAssoc** m_pHashTable;  // allocated on the first insertion
    UINT m_nHashTableSize;
    INT_PTR m_nCount;
    NodeBlockPool m_pool;
};
