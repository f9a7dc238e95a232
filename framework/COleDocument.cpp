// COleDocument and COleClientItem (see COleDocument.h).
#include "framework/COleDocument.h"

#include "framework/CWnd.h"

IMPLEMENT_DYNAMIC(COleClientItem, CCmdTarget)
IMPLEMENT_DYNAMIC(COleDocument, CDocument)

CWnd* COleClientItem::GetInPlaceWindow() const
{
    if (!m_bInPlaceActive || !::IsWindow(m_hWndInPlace)) return nullptr;
    return CWnd::FromHandle(m_hWndInPlace);
}

void COleClientItem::Deactivate()
{
    m_bInPlaceActive = FALSE;
    m_hWndInPlace = nullptr;
    m_pView = nullptr;
}

void COleClientItem::SetInPlaceActive(CWnd* pView, HWND hWndInPlace)
{
    m_pView = pView;
    m_hWndInPlace = hWndInPlace;
    m_bInPlaceActive = pView != nullptr;
}

COleDocument::~COleDocument()
{
    for (POSITION pos = m_items.GetHeadPosition(); pos != nullptr;)
        static_cast<COleClientItem*>(m_items.GetNext(pos))->m_pDocument = nullptr;
}

void COleDocument::AddItem(COleClientItem* pItem)
{
    if (pItem == nullptr || m_items.Find(pItem) != nullptr) return;
    m_items.AddTail(pItem);
    pItem->m_pDocument = this;
}

void COleDocument::RemoveItem(COleClientItem* pItem)
{
    if (POSITION pos = m_items.Find(pItem)) {
        m_items.RemoveAt(pos);
        pItem->m_pDocument = nullptr;
    }
}

COleClientItem* COleDocument::GetInPlaceActiveItem(CWnd* pWnd)
{
    for (POSITION pos = m_items.GetHeadPosition(); pos != nullptr;) {
        COleClientItem* pItem = static_cast<COleClientItem*>(m_items.GetNext(pos));
        if (pItem->m_pView == pWnd && pItem->IsInPlaceActive()) return pItem;
    }
    return nullptr;
}
