// The dock manager's part for captioned panes: the auto-hide dock bars of the frame sides, the
// strips that carry auto-hidden panes, and where such a pane stands when it slides out.
#include <algorithm>

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/layout/DockAxis.h"

namespace
{
// The order the sides' auto-hide dock bars are made in, with the inner border of each edge.
const DWORD kAutoHideDockBarStyles[] = {0x2800, 0x8200, 0x1400, 0x4100};
}  // namespace

BOOL CZAVPDockManager::EnableAutoHideBars(DWORD dwStyle)
{
    for (DWORD dwBarStyle : kAutoHideDockBarStyles) {
        const DWORD dwSide = dwBarStyle & CBRS_ALIGN_ANY;
        if (!(dwStyle & dwSide) || (m_dwEnabledAutoHideBars & dwSide)) continue;
        CZAVPAutoHideDockBar* pDockBar = static_cast<CZAVPAutoHideDockBar*>(
            RUNTIME_CLASS(CZAVPAutoHideDockBar)->CreateObject());
        BOOL bCreated = FALSE;
        try {
            bCreated = pDockBar->Create(dwBarStyle | WS_CHILD | WS_VISIBLE, CRect(), m_pParentWnd,
                                        0);
        } catch (CException* e) {
            e->Delete();
        }
        if (!bCreated) {
            if (pDockBar->GetSafeHwnd() != nullptr)
                pDockBar->DestroyWindow();
            else
                delete pDockBar;
            return FALSE;
        }
        // Just inside the dock bars: after the last of them, before the panes.
        POSITION posLastDockBar = nullptr;
        for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
            POSITION posCur = pos;
            if (m_lstControlBars.GetNext(pos)->IsKindOf(RUNTIME_CLASS(CZAVPDockBar)))
                posLastDockBar = posCur;
        }
        if (posLastDockBar != nullptr)
            m_lstControlBars.InsertAfter(posLastDockBar, pDockBar);
        else
            m_lstControlBars.AddHead(pDockBar);
        m_dwEnabledAutoHideBars |= dwSide;
    }
    AdjustDockingLayout();
    return TRUE;
}

CZAVPAutoHideDockBar* CZAVPDockManager::FindAutoHideDockBar(DWORD dwAlignment) const
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstControlBars.GetNext(pos);
        if (p->IsKindOf(RUNTIME_CLASS(CZAVPAutoHideDockBar)) &&
            static_cast<CZAVPAutoHideDockBar*>(p)->GetCurrentAlignment() ==
                (dwAlignment & CBRS_ALIGN_ANY))
            return static_cast<CZAVPAutoHideDockBar*>(p);
    }
    return nullptr;
}

CZAVPAutoHideToolBar* CZAVPDockManager::AutoHideBar(CZAVPDockingControlBar* pBar, DWORD dwAlignment,
                                                    CZAVPAutoHideToolBar* pCurrAutoHideToolBar)
{
    CZAVPAutoHideDockBar* pDockBar = FindAutoHideDockBar(dwAlignment);
    if (pBar == nullptr || pDockBar == nullptr) return nullptr;
    CZAVPAutoHideToolBar* pStrip = pCurrAutoHideToolBar;
    BOOL bNew = FALSE;
    if (pStrip == nullptr) {
        pStrip = static_cast<CZAVPAutoHideToolBar*>(
            RUNTIME_CLASS(CZAVPAutoHideToolBar)->CreateObject());
        BOOL bCreated = FALSE;
        try {
            bCreated = pStrip->Create(nullptr, WS_CHILD | (dwAlignment & CBRS_ALIGN_ANY),
                                      CRect(0, 0, 0, 0), pDockBar, AFX_IDW_CONTROLBAR_FIRST, 0);
        } catch (CException* e) {
            e->Delete();
        }
        if (!bCreated) {
            if (pStrip->GetSafeHwnd() != nullptr)
                pStrip->DestroyWindow();
            else
                delete pStrip;
            return nullptr;
        }
        pStrip->SetDockSite(m_pParentWnd);
        bNew = TRUE;
    }
    CZAVPAutoHideButton* pButton = pStrip->AddAutoHideButton(pBar, dwAlignment);
    if (pButton == nullptr) {
        if (bNew) pStrip->DestroyWindow();
        return nullptr;
    }
    pBar->SetAutoHideParents(pStrip, pButton);
    pDockBar->DockControlBar(pStrip, ZAVP_DM_RECT, nullptr);
    AdjustDockingLayout();
    pDockBar->RepositionStrips();
    return pStrip;
}

CRect CZAVPDockManager::GetAutoHideShownRect(CZAVPDockingControlBar* pBar) const
{
    CRect rect = m_rectOuterEdgeBounds;
    if (pBar == nullptr) return rect;
    const DWORD dwAlignment = pBar->GetCurrentAlignment() & CBRS_ALIGN_ANY;
    const CRect rectPane = pBar->GetAutoHideRect();
    const DockAxis axis(!IsHorizontalAlignment(dwAlignment));
    // The pane keeps its thickness across the side, cut to the room there is.
    const LONG nRoom = axis.Length(rect) - CZAVPSlider::kDefaultWidth;
    const LONG nThickness = std::max<LONG>(1, std::min<LONG>(axis.Length(rectPane), nRoom));
    switch (dwAlignment) {
    case CBRS_ALIGN_LEFT: rect.right = rect.left + nThickness; break;
    case CBRS_ALIGN_RIGHT: rect.left = rect.right - nThickness; break;
    case CBRS_ALIGN_TOP: rect.bottom = rect.top + nThickness; break;
    case CBRS_ALIGN_BOTTOM: rect.top = rect.bottom - nThickness; break;
    default: break;
    }
    return rect;
}

void CZAVPDockManager::HideAutoHideBars(CZAVPDockingControlBar* pExcept, BOOL bImmediately)
{
    for (POSITION pos = m_lstAutoHideBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstAutoHideBars.GetNext(pos);
        if (!p->IsKindOf(RUNTIME_CLASS(CZAVPSlider))) continue;
        CZAVPDockingControlBar* pBar = static_cast<CZAVPSlider*>(p)->GetFirstBar();
        if (pBar == nullptr || pBar == pExcept || !pBar->IsWindowVisible()) continue;
        pBar->Slide(FALSE, !bImmediately);
    }
}

std::vector<DockLayout::SnapshotRow>
CZAVPDockManager::AutoHideRows(CZAVPAutoHideDockBar* pDockBar,
                               const std::function<RECT(CWnd*)>& inFrame)
{
    std::vector<DockLayout::SnapshotRow> rows;
    const CObList& strips = pDockBar->GetControlBarList();
    if (strips.IsEmpty()) return rows;
    const RECT rectDockBar = inFrame(pDockBar);
    const DockAxis axis(pDockBar->IsHorizontal() != FALSE);
    DockLayout::SnapshotRow row{0, (int)axis.Thickness(rectDockBar), true, {}};
    for (POSITION pos = strips.GetHeadPosition(); pos != nullptr;) {
        CZAVPAutoHideToolBar* pStrip = static_cast<CZAVPAutoHideToolBar*>(strips.GetNext(pos));
        CZAVPDockingControlBar* pPane = pStrip->GetFirstPane();
        CString strText;
        if (pPane != nullptr) pPane->GetWindowText(strText);
        row.bars.push_back({(LPCSTR)strText, pPane ? (UINT)pPane->GetDlgCtrlID() : 0u,
                            inFrame(pStrip), (pStrip->GetStyle() & WS_VISIBLE) != 0});
    }
    rows.push_back(row);
    return rows;
}
