// Typed walks over the library's untyped object lists:
//   for (CZAVPDockingControlBar* pPane : OfKind<CZAVPDockingControlBar>(list))   objects of that
//       kind only; the others are passed over;
//   for (CZAVPSlider* pSlider : ListOf<CZAVPSlider>(list))   a list that holds nothing else (a
//       check says so where checks are on; an object of another kind is passed over all the same).
// As in a hand-written POSITION loop, the walk has moved on before the body runs: the body may
// take the current object out of the list, but no other.
#pragma once

#include "framework/AfxCheck.h"
#include "framework/CObList.h"
#include "framework/CPtrList.h"

template <class T, class LIST, bool bSkipOthers>
class ZAVPListRange
{
public:
    class Iterator
    {
    public:
        Iterator(const LIST* pList, POSITION pos) : m_pList(pList), m_pos(pos), m_pCurrent(nullptr)
        {
            Advance();
        }
        T* operator*() const { return m_pCurrent; }
        Iterator& operator++()
        {
            Advance();
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_pCurrent != other.m_pCurrent; }

    private:
        void Advance()
        {
            m_pCurrent = nullptr;
            while (m_pos != nullptr) {
                CObject* pObject = static_cast<CObject*>(m_pList->GetNext(m_pos));
                const bool bOfKind = pObject != nullptr && pObject->IsKindOf(T::GetThisClass());
                if (!bSkipOthers) ASSERT(bOfKind);
                // An object of another kind is never handed out as this one.
                if (bOfKind) {
                    m_pCurrent = static_cast<T*>(pObject);
                    return;
                }
            }
        }
        const LIST* m_pList;
        POSITION m_pos;  // the element after the current one
        T* m_pCurrent;   // null at the end
    };

    explicit ZAVPListRange(const LIST& list) : m_list(list) {}
    Iterator begin() const { return Iterator(&m_list, m_list.GetHeadPosition()); }
    Iterator end() const { return Iterator(&m_list, nullptr); }

private:
    const LIST& m_list;
};

// The objects of kind T in an object list (CObList, or a CPtrList of objects), in list order.
template <class T, class LIST>
ZAVPListRange<T, LIST, true> OfKind(const LIST& list)
{
    return ZAVPListRange<T, LIST, true>(list);
}

// Every object of a list that holds only objects of kind T.
template <class T, class LIST>
ZAVPListRange<T, LIST, false> ListOf(const LIST& list)
{
    return ZAVPListRange<T, LIST, false>(list);
}
