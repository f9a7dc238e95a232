// The calendar drop-down button (see CZAVPCalendarMenuButton.h).
#include "ui/panes/CZAVPCalendarMenuButton.h"

#include "framework/CArchive.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPPaneSharedData.h"
#include "ui/panes/CCalendarPopup.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/ZAVPPickerShared.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CZAVPCalendarMenuButton, CZAVPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace
{
const int kRepaintInflate = 4;
}  // namespace

CZAVPCalendarMenuButton::CZAVPCalendarMenuButton() : m_date(COleDateTime::GetCurrentTime())
{
    m_dwStored[0] = m_dwStored[1] = m_dwStored[2] = (DWORD)-1;
    m_dwStored[3] = 0;
}

void CZAVPCalendarMenuButton::Serialize(CArchive& ar)
{
    CZAVPToolbarMenuButton::Serialize(ar);
    if (ar.IsStoring()) {
        for (DWORD dw : m_dwStored) ar << dw;
        return;
    }
    DWORD dwValues[4] = {};
    for (DWORD& dw : dwValues) ar >> dw;
    for (int i = 0; i < 4; ++i) m_dwStored[i] = dwValues[i];
    for (CZAVPToolbarButton* pButton : ZAVPPickerShared::CommandPeers(m_nID, this))
        if (CZAVPCalendarMenuButton* pOther = dynamic_cast<CZAVPCalendarMenuButton*>(pButton)) {
            m_date = pOther->m_date;
            break;
        }
}

void CZAVPCalendarMenuButton::CopyFrom(const CZAVPToolbarButton& src)
{
    CZAVPToolbarMenuButton::CopyFrom(src);
    const CZAVPCalendarMenuButton* pSrc = dynamic_cast<const CZAVPCalendarMenuButton*>(&src);
    if (pSrc == nullptr) return;
    m_date = pSrc->m_date;
    ZAVPPaneSharedData::CommandDates()[m_nID] = m_date;
    for (int i = 0; i < 4; ++i) m_dwStored[i] = pSrc->m_dwStored[i];
}

void CZAVPCalendarMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarMenuButton::OnChangeParentWnd(pWndParent);
    ZAVPPickerShared::ApplyParent(*this, pWndParent);
}

BOOL CZAVPCalendarMenuButton::OnClick(CWnd* pWnd, BOOL bDelay)
{
    m_bClickedOnMenu = FALSE;
    if (m_pPopupMenu != nullptr) {
        CZAVPPopupMenu* pPopup = m_pPopupMenu;
        m_pPopupMenu = nullptr;
        pPopup->m_pParentBtn = nullptr;
        if (pPopup->GetSafeHwnd() != nullptr) pPopup->DestroyWindow();
        m_bToBeClosed = FALSE;
    } else if (bDelay && m_bMenuMode && !CZAVPToolBar::IsCustomizeMode() &&
               ZAVPIsKindOf(m_pWndParent, RUNTIME_CLASS(CZAVPPopupMenuBar)))
    {
        static_cast<CZAVPPopupMenuBar*>(m_pWndParent)->StartPopupMenuTimer(this);
    } else {
        if (ZAVPIsKindOf(m_pWndParent, RUNTIME_CLASS(CZAVPMenuBar))) {
            CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(m_pWndParent);
            for (int i = 0; i < pBar->GetCount(); ++i) {
                CZAVPToolbarButton* pOther = pBar->GetButton(i);
                if (pOther != this && pOther->IsDroppedDown()) pOther->OnCancelMode();
            }
        }
        if (!OpenPopupMenu(pWnd)) return FALSE;
    }
    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr) {
        if (ZAVPIsKindOf(m_pWndParent, RUNTIME_CLASS(CZAVPMenuBar))) {
            CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(m_pWndParent);
            pBar->SetHot(pBar->ButtonToIndex(this));
        }
        CRect rect = m_rect;
        rect.InflateRect(kRepaintInflate, kRepaintInflate);
        m_pWndParent->RedrawWindow(rect, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    return TRUE;
}

int CZAVPCalendarMenuButton::OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    return ZAVPPickerShared::DrawOnListWithoutCommand(*this, pDC, rect, bSelected);
}

CZAVPPopupMenu* CZAVPCalendarMenuButton::CreatePopupMenu()
{
    return new CCalendarPopup(m_date, m_nID);
}

void CZAVPCalendarMenuButton::SetDate(const COleDateTime& date, BOOL bNotify)
{
    m_date = date;
    ZAVPPaneSharedData::CommandDates()[m_nID] = date;
    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr)
        m_pWndParent->InvalidateRect(m_rect);
    if (!bNotify || !ZAVPPickerShared::IsRealCommand(m_nID)) return;

    for (CZAVPToolbarButton* pButton : ZAVPPickerShared::CommandPeers(m_nID, this))
        if (CZAVPCalendarMenuButton* pOther = dynamic_cast<CZAVPCalendarMenuButton*>(pButton))
            pOther->SetDate(date, FALSE);
    const CObList& toolbars = CZAVPToolBar::GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPCalendarBar* pBar = dynamic_cast<CZAVPCalendarBar*>(toolbars.GetNext(pos));
        if (pBar != nullptr && pBar->GetCommandID() == m_nID && pBar->IsStandalone())
            pBar->SetDate(date);
    }
}
