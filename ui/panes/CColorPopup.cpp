// The colour popup (see CColorPopup.h).
#include "ui/panes/CColorPopup.h"

#include "ui/panes/CZAVPColorMenuButton.h"
#include "ui/panes/ZAVPPickerShared.h"

IMPLEMENT_DYNAMIC(CColorPopup, CZAVPPopupMenu)

BEGIN_MESSAGE_MAP(CColorPopup, CZAVPPopupMenu)
ON_WM_CREATE()
END_MESSAGE_MAP()

CColorPopup::CColorPopup(const CArray<COLORREF, COLORREF>& colors, COLORREF color,
                         LPCSTR lpszAutoText, LPCSTR lpszOtherText, LPCSTR lpszDocColorsText,
                         const CList<COLORREF, COLORREF>& lstDocColors, int nColumns,
                         int nRowsDockHorz, int nColDockVert, COLORREF colorAutomatic,
                         UINT uiCommandID)
    : m_wndColorBar(colors, color, lpszAutoText, lpszOtherText, lpszDocColorsText, lstDocColors,
                    nColumns, nRowsDockHorz, nColDockVert, colorAutomatic, uiCommandID),
      m_bAllowInCustomizeMode(FALSE)
{
}

int CColorPopup::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPToolBar::IsCustomizeMode() && !m_bAllowInCustomizeMode) return -1;
    if (CMiniFrameWnd::OnCreate(lpcs) == -1) return -1;
    if (!m_wndColorBar.Create(this, ZAVPPickerShared::PopupBarStyle(m_nAnimationType),
                              ZAVPPickerShared::kPopupBarId, nullptr, 0, 0, 0))
        return -1;
    m_wndColorBar.SetOwner(CWnd::FromHandle(::GetWindow(m_hWnd, GW_OWNER)));
    m_wndColorBar.SetBarStyle(m_wndColorBar.GetBarStyle() | CBRS_TOOLTIPS);
    if (!ActivatePopupMenu(ZAVPPickerShared::TopFrameOf(this), this)) return -1;
    RecalcLayout();
    return 0;
}

CZAVPToolBar* CColorPopup::CreateTearOffBar(HMENU, UINT uiID, LPCSTR lpszName)
{
    CZAVPColorMenuButton* pButton = dynamic_cast<CZAVPColorMenuButton*>(m_pParentBtn);
    CWnd* pFrame = ZAVPPickerShared::TopFrameOf(this);
    if (pButton == nullptr || pFrame == nullptr) return nullptr;
    CZAVPColorBar* pBar = new CZAVPColorBar(m_wndColorBar, pButton->m_nID);
    if (!pBar->Create(pFrame, ZAVPPickerShared::kTearOffBarStyle, uiID, nullptr, 0, 0, 0)) {
        delete pBar;
        return nullptr;
    }
    pBar->SetWindowText(lpszName);
    pBar->SetBarStyle(pBar->GetBarStyle() | ZAVPPickerShared::kTooltipsFlyBy);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}
