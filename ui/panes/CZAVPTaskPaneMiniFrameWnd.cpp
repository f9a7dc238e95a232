// The tasks pane's floating frame.
#include "ui/panes/CZAVPTaskPaneMiniFrameWnd.h"

#include <commctrl.h>

#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/CZAVPTitleButtonEx.h"
#include "ui/panes/CZAVPTasksPane.h"

IMPLEMENT_SERIAL(CZAVPTaskPaneMiniFrameWnd, CZAVPMiniFrameWnd, VERSIONABLE_SCHEMA | 2)

BEGIN_MESSAGE_MAP(CZAVPTaskPaneMiniFrameWnd, CZAVPMiniFrameWnd)
ON_WM_NCPAINT()
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CZAVPTaskPaneMiniFrameWnd::OnNeedTipText)
END_MESSAGE_MAP()

namespace
{
const UINT kHitBack = CZAVPTasksPane::kHitBack;
const UINT kHitForward = CZAVPTasksPane::kHitForward;
const UINT kHitPages = CZAVPTasksPane::kHitPages;
// The navigation buttons' bits beside the caller's in the stored button flags.
const DWORD kNavigationFlags = 0x70;
const int kBorderSize = 3;
}  // namespace

CZAVPTaskPaneMiniFrameWnd::CZAVPTaskPaneMiniFrameWnd() : m_bMenuBtnPressed(FALSE) {}

CZAVPTasksPane* CZAVPTaskPaneMiniFrameWnd::GetTasksPane() const
{
    CWnd* pBar = GetControlBar();
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPTasksPane))
               ? static_cast<CZAVPTasksPane*>(pBar)
               : nullptr;
}

void CZAVPTaskPaneMiniFrameWnd::AddCaptionButton(UINT nHit)
{
    if (FindCaptionButton(nHit) != nullptr) return;
    CZAVPTitleButton* pButton = nullptr;
    if (nHit == kHitBack || nHit == kHitForward) {
        pButton = new CZAVPTitleButton(nHit, TRUE);
    } else if (nHit == kHitPages) {
        CZAVPTitleButtonEx* pMenu = new CZAVPTitleButtonEx(nHit);
        pMenu->m_bOSMenu = FALSE;
        pButton = pMenu;
    } else {
        CZAVPMiniFrameWnd::AddCaptionButton(nHit);
        return;
    }
    m_lstCaptionButtons.AddTail(pButton);
}

void CZAVPTaskPaneMiniFrameWnd::SetCaptionButtons(DWORD dwButtons)
{
    CZAVPMiniFrameWnd::SetCaptionButtons(dwButtons);
    AddCaptionButton(kHitBack);
    AddCaptionButton(kHitForward);
    AddCaptionButton(kHitPages);
    m_dwCaptionButtons = dwButtons | kNavigationFlags;
    if (m_hWnd == nullptr) return;
    SetCaptionButtonsTooltips();
    ArrangeCaptionButtons();
    SendMessage(WM_NCPAINT);
}

void CZAVPTaskPaneMiniFrameWnd::GetBorderSize(CRect& rect) const
{
    rect.SetRect(kBorderSize, kBorderSize, kBorderSize, kBorderSize);
}

void CZAVPTaskPaneMiniFrameWnd::UpdateNavigationButtons()
{
    CZAVPTasksPane* pPane = GetTasksPane();
    if (pPane == nullptr) return;
    const BOOL bHide = pPane->GetPageCount() < 2 || pPane->m_bUseNavigationToolbar;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPTitleButton* pButton = static_cast<CZAVPTitleButton*>(
            m_lstCaptionButtons.GetNext(pos));
        const UINT nHit = pButton->GetHitTest();
        if (nHit < kHitBack || nHit > kHitPages) continue;
        pButton->m_bHidden = bHide;
        if (nHit == kHitBack) pButton->m_bEnabled = pPane->GetHistory().CanGoBack();
        if (nHit == kHitForward) pButton->m_bEnabled = pPane->GetHistory().CanGoForward();
    }
}

void CZAVPTaskPaneMiniFrameWnd::OnNcPaint()
{
    UpdateNavigationButtons();
    ArrangeCaptionButtons();
    CZAVPMiniFrameWnd::OnNcPaint();
}

void CZAVPTaskPaneMiniFrameWnd::DrawCaptionButtons(CDC* pDC)
{
    CZAVPMiniFrameWnd::DrawCaptionButtons(pDC);
}

void CZAVPTaskPaneMiniFrameWnd::OnPressCaptionButton(UINT nHit)
{
    CZAVPTasksPane* pPane = GetTasksPane();
    if (pPane != nullptr) {
        switch (nHit) {
        case kHitBack: pPane->OnPressBackButton(); break;
        case kHitForward: pPane->OnPressForwardButton(); break;
        case kHitPages:
            m_bMenuBtnPressed = TRUE;
            pPane->OnPressOtherButton(FindCaptionButton(kHitPages), this);
            m_bMenuBtnPressed = FALSE;
            break;
        default: break;
        }
    }
    CZAVPMiniFrameWnd::OnPressCaptionButton(nHit);
    if (GetSafeHwnd() != nullptr) SendMessage(WM_NCPAINT);
}

void CZAVPTaskPaneMiniFrameWnd::OnTrackCaptionButtons(CPoint point)
{
    if (!m_bMenuBtnPressed) CZAVPMiniFrameWnd::OnTrackCaptionButtons(point);
}

void CZAVPTaskPaneMiniFrameWnd::StopCaptionButtonsTracking()
{
    if (!m_bMenuBtnPressed) CZAVPMiniFrameWnd::StopCaptionButtonsTracking();
}

BOOL CZAVPTaskPaneMiniFrameWnd::OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult)
{
    // The text outlives the tooltip's use of it.
    static CString s_strTip;
    const UINT nTool = (UINT)pNMH->idFrom;
    if (nTool == 0 || nTool > (UINT)m_lstCaptionButtons.GetCount())
        return CZAVPMiniFrameWnd::OnNeedTipText(id, pNMH, pResult);
    const CZAVPTitleButton* pButton = static_cast<const CZAVPTitleButton*>(
        m_lstCaptionButtons.GetAt(m_lstCaptionButtons.FindIndex((INT_PTR)nTool - 1)));
    switch (pButton->GetHitTest()) {
    case kHitBack: s_strTip = "Back"; break;
    case kHitForward: s_strTip = "Forward"; break;
    case kHitPages: s_strTip = "Other Tasks Pane"; break;
    default: return CZAVPMiniFrameWnd::OnNeedTipText(id, pNMH, pResult);
    }
    reinterpret_cast<NMTTDISPINFOA*>(pNMH)->lpszText = const_cast<LPSTR>((LPCSTR)s_strTip);
    *pResult = 0;
    return TRUE;
}
