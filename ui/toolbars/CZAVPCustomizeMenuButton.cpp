// An entry of a toolbar's button list (see CZAVPCustomizeMenuButton.h).
#include "ui/toolbars/CZAVPCustomizeMenuButton.h"

#include "framework/CFrameWnd.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

IMPLEMENT_SERIAL(CZAVPCustomizeMenuButton, CZAVPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

HWND CZAVPCustomizeMenuButton::s_hwndToolBar = nullptr;

CZAVPCustomizeMenuButton::CZAVPCustomizeMenuButton()
    : m_bSeparator(FALSE), m_bEnabled(TRUE), m_iIndex(-1), m_bChecked(FALSE), m_bExist(FALSE),
      m_bAddSpr(FALSE)
{
}

CZAVPCustomizeMenuButton::CZAVPCustomizeMenuButton(UINT uiID, HMENU hMenu, int iImage,
                                                   LPCSTR lpszText, BOOL bUserButton)
    : CZAVPToolbarMenuButton(uiID, hMenu, iImage, lpszText, bUserButton), m_bSeparator(FALSE),
      m_bEnabled(TRUE), m_iIndex(-1), m_bChecked(FALSE), m_bExist(FALSE), m_bAddSpr(FALSE)
{
}

void CZAVPCustomizeMenuButton::CopyFrom(const CZAVPToolbarButton& src)
{
    CZAVPToolbarMenuButton::CopyFrom(src);
    const CZAVPCustomizeMenuButton* pSrc = dynamic_cast<const CZAVPCustomizeMenuButton*>(&src);
    if (pSrc == nullptr) return;
    m_iIndex = pSrc->m_iIndex;
    m_bChecked = pSrc->m_bChecked;
    m_bSeparator = pSrc->m_bSeparator;
    m_bExist = pSrc->m_bExist;
    m_bAddSpr = pSrc->m_bAddSpr;
    m_bEnabled = pSrc->m_bEnabled;
    SetChecked(m_bChecked);
}

CZAVPToolBar* CZAVPCustomizeMenuButton::GetCustomizedToolBar()
{
    if (s_hwndToolBar == nullptr || !::IsWindow(s_hwndToolBar)) return nullptr;
    return dynamic_cast<CZAVPToolBar*>(CWnd::FromHandlePermanent(s_hwndToolBar));
}

void CZAVPCustomizeMenuButton::SetCustomizedToolBar(CZAVPToolBar* pToolBar)
{
    s_hwndToolBar = pToolBar != nullptr ? pToolBar->GetSafeHwnd() : nullptr;
}

void CZAVPCustomizeMenuButton::SetChecked(BOOL bChecked)
{
    m_bChecked = bChecked;
    // The item's own drawing shows the check: a framed image, or the check glyph.
    if (bChecked)
        m_nStyle |= TBBS_CHECKED;
    else
        m_nStyle &= ~TBBS_CHECKED;
}

void CZAVPCustomizeMenuButton::SetItemIndex(int iIndex, BOOL bExist, BOOL bAddSeparator)
{
    m_iIndex = iIndex;
    m_bExist = bExist;
    m_bAddSpr = bAddSeparator;
    BOOL bChecked = FALSE;
    if (iIndex != kResetItemIndex && !m_bSeparator && bExist) {
        CZAVPToolBar* pToolBar = GetCustomizedToolBar();
        const CZAVPToolbarButton* pButton = pToolBar != nullptr ? pToolBar->GetButton(iIndex)
                                                                : nullptr;
        bChecked = pButton != nullptr && pButton->IsVisible();
    }
    SetChecked(bChecked);
}

void CZAVPCustomizeMenuButton::RefreshToolBar(CZAVPToolBar* pToolBar)
{
    pToolBar->AdjustLayout();
    if (CFrameWnd* pFrame = pToolBar->GetTopLevelFrame()) pFrame->RecalcLayout();
    pToolBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CZAVPCustomizeMenuButton::OnClickMenuItem()
{
    if (m_bSeparator || !m_bEnabled) return TRUE;
    CZAVPPopupMenuBar* pMenuBar = dynamic_cast<CZAVPPopupMenuBar*>(m_pWndParent);
    if (pMenuBar != nullptr && pMenuBar->GetSafeHwnd() != nullptr) {
        // (Setting the hot item it already has would clear it.)
        const int iThis = pMenuBar->ButtonToIndex(this);
        if (pMenuBar->GetHotButton() != iThis) pMenuBar->SetHot(iThis);
        pMenuBar->InvalidateRect(m_rect);
    }
    CZAVPToolBar* pToolBar = GetCustomizedToolBar();
    if (pToolBar == nullptr) return FALSE;

    if (m_iIndex == kResetItemIndex) {
        // The toolbar asks whether to go back to its defaults, once the menu is gone.
        pToolBar->PostMessage(ZAVPToolBarMessages::ResetPrompt);
        return FALSE;
    }

    if (m_bExist) {
        CZAVPToolbarButton* pButton = pToolBar->GetButton(m_iIndex);
        if (pButton == nullptr) return TRUE;
        const BOOL bShow = !pButton->IsVisible();
        pButton->SetVisible(bShow);
        SetChecked(bShow);
        // A group loses its separator with its last button.
        CZAVPToolbarButton* pNext = pToolBar->GetButton(m_iIndex + 1);
        if (pNext != nullptr && (pNext->m_nStyle & TBBS_SEPARATOR)) pNext->SetVisible(bShow);
    } else {
        // A default button the toolbar no longer has comes back where it was.
        const CZAVPToolbarButton* pDefault = nullptr;
        for (POSITION pos = pToolBar->GetOriginalButtons().GetHeadPosition(); pos != nullptr;) {
            const CZAVPToolbarButton* p = static_cast<const CZAVPToolbarButton*>(
                pToolBar->GetOriginalButtons().GetNext(pos));
            if (p->m_nID == m_nID && !(p->m_nStyle & TBBS_SEPARATOR)) {
                pDefault = p;
                break;
            }
        }
        if (pDefault == nullptr) return TRUE;
        int iNew = pToolBar->InsertButtonCopy(*pDefault, m_iIndex);
        if (iNew < 0) iNew = pToolBar->InsertButtonCopy(*pDefault);
        if (iNew < 0) return TRUE;
        // The entries of the buttons after it follow their buttons.
        if (pMenuBar != nullptr) {
            for (int i = 0; i < pMenuBar->GetCount(); ++i) {
                CZAVPCustomizeMenuButton* pEntry = dynamic_cast<CZAVPCustomizeMenuButton*>(
                    pMenuBar->GetButton(i));
                if (pEntry != nullptr && pEntry != this && pEntry->m_bExist &&
                    pEntry->m_iIndex != kResetItemIndex && pEntry->m_iIndex >= iNew)
                    ++pEntry->m_iIndex;
            }
        }
        m_iIndex = iNew;
        const int nLast = pToolBar->GetCount() - (pToolBar->GetCustomizeButton() ? 2 : 1);
        if (m_bAddSpr) {
            const CZAVPToolbarButton* pNext = pToolBar->GetButton(iNew + 1);
            if (iNew >= nLast || (pNext != nullptr && !(pNext->m_nStyle & TBBS_SEPARATOR)))
                pToolBar->InsertSeparator(iNew >= nLast ? -1 : iNew + 1);
        }
        m_bExist = TRUE;
        SetChecked(TRUE);
    }
    RefreshToolBar(pToolBar);
    if (pMenuBar != nullptr && pMenuBar->GetSafeHwnd() != nullptr) pMenuBar->Invalidate();
    return TRUE;
}
