// A toolbar's drop target (see CZAVPToolbarDropTarget.h).
#include "ui/toolbars/CZAVPToolbarDropTarget.h"

#include "framework/COleDataObject.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

BOOL CZAVPToolbarDropTarget::Register(CZAVPToolBar* pOwner)
{
    m_pOwner = pOwner;
    return COleDropTarget::Register(pOwner);
}

BOOL CZAVPToolbarDropTarget::Accepts(COleDataObject* pDataObject)
{
    return CZAVPToolBar::IsCustomizeMode() && pDataObject != nullptr &&
           pDataObject->IsDataAvailable(CZAVPToolbarButton::GetClipboardFormat());
}

DROPEFFECT CZAVPToolbarDropTarget::OnDragEnter(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                               CPoint point)
{
    if (m_pOwner == nullptr || !Accepts(pDataObject)) return DROPEFFECT_NONE;
    return m_pOwner->OnDragEnter(pDataObject, dwKeyState, point);
}

DROPEFFECT CZAVPToolbarDropTarget::OnDragOver(CWnd*, COleDataObject* pDataObject, DWORD dwKeyState,
                                              CPoint point)
{
    if (m_pOwner == nullptr || !Accepts(pDataObject)) return DROPEFFECT_NONE;
    return m_pOwner->OnDragOver(pDataObject, dwKeyState, point);
}

void CZAVPToolbarDropTarget::OnDragLeave(CWnd*)
{
    if (m_pOwner != nullptr) m_pOwner->OnDragLeave();
}

BOOL CZAVPToolbarDropTarget::OnDrop(CWnd*, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                                    CPoint point)
{
    if (m_pOwner == nullptr || !Accepts(pDataObject)) return FALSE;
    return m_pOwner->OnDrop(pDataObject, dropEffect, point);
}
