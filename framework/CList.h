// CList: a doubly linked list of values walked by POSITION, with insertion before and after a
// position, removal at a position, search, and the archive form "count, then the elements".
// Nodes come from blocks of nBlockSize nodes. Asking an empty list for its head or tail, or
// passing a null position where an element is needed, raises CInvalidArgException.
#pragma once

#include <new>

#include "framework/CInvalidArgException.h"
#include "framework/CObject.h"
#include "framework/NodeBlockPool.h"
#include "framework/Position.h"
#include "framework/SerializeElements.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    explicit CList(INT_PTR nBlockSize = 10)
        : m_pNodeHead(nullptr), m_pNodeTail(nullptr), m_nCount(0), m_pool(sizeof(CNode), nBlockSize)
    {
    }
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }

    TYPE RemoveHead()
    {
        CNode* pNode = NonEmpty(m_pNodeHead);
        TYPE value = pNode->data;
        RemoveAt((POSITION)pNode);
        return value;
    }
    TYPE RemoveTail()
    {
        CNode* pNode = NonEmpty(m_pNodeTail);
        TYPE value = pNode->data;
        RemoveAt((POSITION)pNode);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(nullptr, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(nullptr, newElement); }
    // Copies the other list's elements to the front (in their order) or to the back.
    void AddHead(const CList* pNewList)
    {
        for (POSITION pos = pNewList->GetTailPosition(); pos != nullptr;)
            AddHead(pNewList->GetPrev(pos));
    }
    void AddTail(const CList* pNewList)
    {
        for (POSITION pos = pNewList->GetHeadPosition(); pos != nullptr;)
            AddTail(pNewList->GetNext(pos));
    }

    void RemoveAll()
    {
        for (CNode* pNode = m_pNodeHead; pNode != nullptr;) {
            CNode* pNext = pNode->pNext;
            pNode->~CNode();
            pNode = pNext;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
        m_pool.ReleaseAll();
    }

    POSITION GetHeadPosition() const { return (POSITION)m_pNodeHead; }
    POSITION GetTailPosition() const { return (POSITION)m_pNodeTail; }

    // The element at rPosition; rPosition moves on (null past the end).
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, true)->data; }
    const TYPE& GetNext(POSITION& rPosition) const { return Step(rPosition, true)->data; }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, false)->data; }
    const TYPE& GetPrev(POSITION& rPosition) const { return Step(rPosition, false)->data; }

    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position)
    {
        CNode* pNode = Node(position);
        (pNode->pPrev != nullptr ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
        (pNode->pNext != nullptr ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
        pNode->~CNode();
        m_pool.Free(pNode);
        if (--m_nCount == 0) RemoveAll();
    }

    // A null position inserts at the head (InsertBefore) or the tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        CNode* pOld = (CNode*)position;
        return Link(NewNode(newElement), pOld != nullptr ? pOld->pPrev : nullptr,
                    pOld != nullptr ? pOld : m_pNodeHead);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        CNode* pOld = (CNode*)position;
        return Link(NewNode(newElement), pOld != nullptr ? pOld : m_pNodeTail,
                    pOld != nullptr ? pOld->pNext : nullptr);
    }

    // The first element equal to searchValue after startAfter (from the head when null).
    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* pNode = startAfter != nullptr ? ((CNode*)startAfter)->pNext : m_pNodeHead;
        for (; pNode != nullptr; pNode = pNode->pNext) {
            if (pNode->data == searchValue) return (POSITION)pNode;
        }
        return nullptr;
    }
    // The position of the element at a zero-based index, or null.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount) return nullptr;
        CNode* pNode = m_pNodeHead;
        while (nIndex-- > 0) pNode = pNode->pNext;
        return (POSITION)pNode;
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount((DWORD_PTR)m_nCount);
            for (CNode* pNode = m_pNodeHead; pNode != nullptr; pNode = pNode->pNext)
                SerializeElements(ar, &pNode->data, 1);
            return;
        }
        for (DWORD_PTR n = ar.ReadCount(); n > 0; --n) {
            TYPE newData[1] = {};
            SerializeElements(ar, newData, 1);
            AddTail(newData[0]);
        }
    }

private:
    CNode* NewNode(ARG_TYPE newElement)
    {
        void* p = m_pool.Allocate();
        CNode* pNode;
        try {
            pNode = new (p) CNode{nullptr, nullptr, newElement};
        } catch (...) {
            m_pool.Free(p);
            throw;
        }
        ++m_nCount;
        return pNode;
    }
    // Puts a new node between two neighbours (null at either end of the list).
    POSITION Link(CNode* pNode, CNode* pPrev, CNode* pNext)
    {
        pNode->pPrev = pPrev;
        pNode->pNext = pNext;
        (pPrev != nullptr ? pPrev->pNext : m_pNodeHead) = pNode;
        (pNext != nullptr ? pNext->pPrev : m_pNodeTail) = pNode;
        return (POSITION)pNode;
    }
    static CNode* Step(POSITION& rPosition, bool forward)
    {
        CNode* pNode = Node(rPosition);
        rPosition = (POSITION)(forward ? pNode->pNext : pNode->pPrev);
        return pNode;
    }
    static CNode* Node(POSITION position)
    {
        if (position == nullptr) AfxThrowInvalidArgException();
        return (CNode*)position;
    }
    static CNode* NonEmpty(CNode* pNode)
    {
        if (pNode == nullptr) AfxThrowInvalidArgException();
        return pNode;
    }

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    INT_PTR m_nCount;
    NodeBlockPool m_pool;
};
