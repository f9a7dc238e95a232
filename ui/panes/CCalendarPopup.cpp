// The calendar popup (see CCalendarPopup.h).
#include "ui/panes/CCalendarPopup.h"

#include "framework/CWinApp.h"
#include "ui/panes/CZAVPCalendarMenuButton.h"
#include "ui/toolbars/ZAVPPopupEffects.h"
#include "ui/panes/ZAVPPickerShared.h"

IMPLEMENT_DYNAMIC(CCalendarPopup, CZAVPPopupMenu)

BEGIN_MESSAGE_MAP(CCalendarPopup, CZAVPPopupMenu)
ON_WM_CREATE()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

CCalendarPopup::CCalendarPopup(const COleDateTime& date, UINT uiCommandID)
    : m_wndCalendarBar(date, uiCommandID), m_bAllowInCustomizeMode(FALSE)
{
}

int CCalendarPopup::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPToolBar::IsCustomizeMode() && !m_bAllowInCustomizeMode) return -1;
    if (CMiniFrameWnd::OnCreate(lpcs) == -1) return -1;
    if (!m_wndCalendarBar.Create(this, ZAVPPickerShared::PopupBarStyle(m_nAnimationType),
                                 ZAVPPickerShared::kPopupBarId, FALSE))
        return -1;
    m_wndCalendarBar.SetOwner(CWnd::FromHandle(::GetWindow(m_hWnd, GW_OWNER)));
    m_wndCalendarBar.SetBarStyle(m_wndCalendarBar.GetBarStyle() | CBRS_TOOLTIPS);
    if (!ActivatePopupMenu(ZAVPPickerShared::TopFrameOf(this), this)) return -1;
    RecalcLayout();
    return 0;
}

void CCalendarPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE) {
        CloseMenu(TRUE);
        return;
    }
    const HWND hwnd = m_hWnd;
    if (!m_wndCalendarBar.OnKey(nChar) && ::IsWindow(hwnd))
        CZAVPPopupMenu::OnKeyDown(nChar, nRepCnt, nFlags);
}

CZAVPToolBar* CCalendarPopup::CreateTearOffBar(HMENU, UINT uiID, LPCSTR lpszName)
{
    CZAVPCalendarMenuButton* pButton = dynamic_cast<CZAVPCalendarMenuButton*>(m_pParentBtn);
    CWnd* pFrame = ZAVPPickerShared::TopFrameOf(this);
    if (pButton == nullptr || pFrame == nullptr) return nullptr;
    CZAVPCalendarBar* pBar = new CZAVPCalendarBar(m_wndCalendarBar, pButton->m_nID, FALSE);
    if (!pBar->Create(pFrame, ZAVPPickerShared::kTearOffBarStyle, uiID, FALSE)) {
        delete pBar;
        return nullptr;
    }
    pBar->SetWindowText(lpszName);
    pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_TOOLTIPS | CBRS_FLYBY);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}
