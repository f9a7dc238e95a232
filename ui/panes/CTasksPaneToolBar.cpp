// The tasks pane's navigation toolbar.
#include "ui/panes/CTasksPaneToolBar.h"

#include <algorithm>

#include "framework/CString.h"
#include "ui/panes/CTasksPaneMenuButton.h"
#include "ui/panes/CTasksPaneNavigateButton.h"
#include "ui/panes/CZAVPTasksPane.h"

IMPLEMENT_SERIAL(CTasksPaneToolBar, CZAVPToolBar, 1)

namespace
{
// The pages drop-down is never narrower than this many times its height.
const int kMenuButtonMinHeights = 3;
}  // namespace

CTasksPaneToolBar::CTasksPaneToolBar() { m_bHasButtonExtraSize = FALSE; }

CZAVPTasksPane* CTasksPaneToolBar::GetPane() const
{
    CWnd* pParent = GetParent();
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPTasksPane))
               ? static_cast<CZAVPTasksPane*>(pParent)
               : nullptr;
}

void CTasksPaneToolBar::SetMenuButtonsText(const CString& strText)
{
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        if (pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneMenuButton))) pButton->m_strText = strText;
    }
    if (GetSafeHwnd() != nullptr) AdjustLocations();
}

void CTasksPaneToolBar::AdjustLayout()
{
    CZAVPToolBar::AdjustLayout();
    CZAVPTasksPane* pPane = GetPane();
    if (pPane == nullptr) return;
    pPane->AdjustScroll();
    pPane->ReposTasks();
    pPane->RedrawWindow(nullptr, nullptr,
                        RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void CTasksPaneToolBar::AdjustLocations()
{
    if (GetSafeHwnd() == nullptr) return;
    CZAVPToolBar::AdjustLocations();
    CRect rectClient;
    GetClientRect(rectClient);
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        if (pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneMenuButton))) {
            CRect rect = pButton->GetRect();
            rect.right = std::max<int>(rect.left + kMenuButtonMinHeights * rect.Height(),
                                       rectClient.right - 1);
            pButton->SetRect(rect);
        } else if (pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneNavigateButton)) &&
                   pButton->GetImage() == CTasksPaneNavigateButton::ImageClose &&
                   (pButton->m_nStyle & TBBS_HIDDEN) == 0)
        {
            // The pane closes from its caption or its frame; the toolbar never offers it.
            pButton->m_nStyle |= TBBS_HIDDEN;
            pButton->SetVisible(FALSE);
            pButton->OnShow(FALSE);
        }
    }
}

void CTasksPaneToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CZAVPToolBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    CZAVPTasksPane* pPane = GetPane();
    if (pPane == nullptr) return;
    const ZAVPTasksPaneHistory& history = pPane->GetHistory();
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        if (!pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneNavigateButton))) continue;
        BOOL bEnable = TRUE;
        switch (pButton->GetImage()) {
        case CTasksPaneNavigateButton::ImageBack: bEnable = history.CanGoBack(); break;
        case CTasksPaneNavigateButton::ImageForward: bEnable = history.CanGoForward(); break;
        case CTasksPaneNavigateButton::ImageHome: bEnable = TRUE; break;
        case CTasksPaneNavigateButton::ImageClose: bEnable = pPane->CanBeClosed(); break;
        default: continue;
        }
        pButton->m_nStyle = bEnable ? (pButton->m_nStyle & ~TBBS_DISABLED)
                                    : (pButton->m_nStyle | TBBS_DISABLED);
    }
    if (GetSafeHwnd() != nullptr) {
        Invalidate();
        UpdateWindow();
    }
}

BOOL CTasksPaneToolBar::GetFrameToolTipText(CZAVPToolbarButton* pButton, CString& strText) const
{
    if (pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneMenuButton))) {
        strText.LoadString(CZAVPTasksPane::kCmdOtherPane);
        return TRUE;
    }
    if (pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneNavigateButton))) {
        strText = pButton->m_strText;
        return TRUE;
    }
    return CZAVPToolBar::GetFrameToolTipText(pButton, strText);
}
