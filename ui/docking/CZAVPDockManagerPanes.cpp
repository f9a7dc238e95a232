// The dock manager's part for captioned panes: the auto-hide dock bars of the frame sides, the
// strips that carry auto-hidden panes, and where such a pane stands when it slides out.
#include <algorithm>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"

#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPBarContainer.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/ZAVPMiniFrameLayoutParts.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/ZAVPListRange.h"
#include "ui/foundation/ZAVPWindowChecks.h"

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
        CZAVPDockBar* pDockBar = CreateSideDockBar(RUNTIME_CLASS(CZAVPAutoHideDockBar), dwBarStyle);
        if (pDockBar == nullptr) return FALSE;
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
    AdjustDockSiteLayout();
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

void CZAVPDockManager::RepositionAutoHidePanes()
{
    for (CZAVPSlider* pSlider : OfKind<CZAVPSlider>(m_lstAutoHideBars))
        if (CZAVPDockingControlBar* pBar = pSlider->GetFirstBar()) pBar->RepositionSlidOut();
}

void CZAVPDockManager::HideAutoHideBars(CZAVPDockingControlBar* pExcept, BOOL bImmediately)
{
    for (CZAVPSlider* pSlider : OfKind<CZAVPSlider>(m_lstAutoHideBars)) {
        CZAVPDockingControlBar* pBar = pSlider->GetFirstBar();
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

// ---- the panes' part of the stored layout

namespace
{
// Slider records are the sliders' own, mini frames the mini frames'; tabbed bars bring theirs
// elsewhere.
class PaneLayoutParts : public ZAVPMiniFrameLayoutParts
{
public:
    explicit PaneLayoutParts(CFrameWnd* pFrame) : ZAVPMiniFrameLayoutParts(pFrame), m_pFrame(pFrame)
    {
    }
    void StoreSlider(CArchive& ar, CObject* pSlider) override
    {
        static_cast<CZAVPSlider*>(pSlider)->Serialize(ar);
    }
    CObject* LoadSlider(CArchive& ar) override
    {
        if (m_pFrame == nullptr) AfxThrowArchiveException(CArchiveException::genericException);
        CZAVPSlider* pSlider = new CZAVPSlider(FALSE, m_pFrame);
        try {
            pSlider->Serialize(ar);
        } catch (...) {
            Discard(pSlider);
            throw;
        }
        // Only a frame side's default slider stands in this list.
        if (!pSlider->IsDefault() || pSlider->GetContainerManager() == nullptr) {
            Discard(pSlider);
            AfxThrowArchiveException(CArchiveException::badClass);
        }
        return pSlider;
    }

private:
    CFrameWnd* m_pFrame;
};

}  // namespace

std::unique_ptr<DockLayout::DockLayoutNested> CZAVPDockManager::MakePaneLayoutParts()
{
    return std::make_unique<PaneLayoutParts>(m_pParentWnd);
}

void CZAVPDockManager::CollectPaneLayout(DockLayout::DockLayoutImage& image)
{
    for (POSITION pos = m_lstControlBars.GetHeadPosition(); pos != nullptr;) {
        CObject* p = m_lstControlBars.GetNext(pos);
        if (p->IsKindOf(RUNTIME_CLASS(CZAVPSlider))) {
            CZAVPSlider* pSlider = static_cast<CZAVPSlider*>(p);
            if (pSlider->IsDefault() && !pSlider->IsAutoHideMode() && pSlider->CanFloatAny())
                image.entries.push_back({DockLayout::DockedEntry::slider, 0, 0, pSlider});
        } else if (p->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))) {
            CZAVPDockingControlBar* pBar = static_cast<CZAVPDockingControlBar*>(p);
            const int nID = HasWindow(pBar) ? pBar->GetDlgCtrlID() : -1;
            if (!pBar->CanFloat() || pBar->IsAutoHideMode()) continue;
            if (nID > 0) {
                image.entries.push_back(
                    {DockLayout::DockedEntry::bar, (DWORD)nID, (DWORD)-1, nullptr});
            } else if (CZAVPBarContainer::StoredTabbedBarClass(pBar) != nullptr) {
                // Without an id a tabbed bar is named by its first tab.
                CWnd* pFirst = static_cast<CZAVPBaseTabbedBar*>(pBar)->FindBarByTabNumber(0);
                if (HasWindow(pFirst))
                    image.entries.push_back({DockLayout::DockedEntry::bar, (DWORD)-1,
                                             (DWORD)pFirst->GetDlgCtrlID(), nullptr});
            }
        }
    }
    // One record per auto-hide slider whose pane is a docking pane.
    for (CZAVPSlider* pSlider : OfKind<CZAVPSlider>(m_lstAutoHideBars)) {
        CZAVPDockingControlBar* pBar = pSlider->GetFirstBar();
        if (!HasWindow(pBar)) continue;
        DockLayout::AutoHideRecord r{};
        r.id = (DWORD)pBar->GetDlgCtrlID();
        r.alignment = pBar->GetCurrentAlignment();
        r.visible = pBar->GetAutoHideVisibilitySwitch() ? (DWORD)pBar->IsVisible() : 1;
        // The rectangle the pane had when it went onto its strip, on the screen.
        CRect rect = pBar->GetAutoHideRect();
        if (rect.IsRectEmpty())
            pBar->GetWindowRect(rect);
        else if (m_pParentWnd != nullptr)
            m_pParentWnd->ClientToScreen(rect);
        r.rect = rect;
        if (CZAVPAutoHideToolBar* pStrip = pBar->GetAutoHideToolBar())
            pStrip->GetStateFlags(r.stripFields);
        image.autoHide.push_back(r);
    }
}

void CZAVPDockManager::StagePaneLayout(DockLayout::DockLayoutImage& image)
{
    for (const DockLayout::DockedEntry& e : image.entries)
        if (e.kind == DockLayout::DockedEntry::slider && e.pSlider != nullptr)
            m_lstLoadedBars.AddTail(e.pSlider);
    m_lstLoadedAutoHideBarIDs = image.autoHide;
}

void CZAVPDockManager::DiscardLoadedPanes()
{
    for (CZAVPSlider* pSlider : OfKind<CZAVPSlider>(m_lstLoadedBars)) {
        if (pSlider->GetSafeHwnd() != nullptr)
            pSlider->DestroyWindow();
        else
            delete pSlider;
    }
    m_lstLoadedBars.RemoveAll();
}

void CZAVPDockManager::ApplyPaneLayout()
{
    if (m_pParentWnd == nullptr) return;
    // Panes on strips come back to their trees first: the stored trees name them as docked.
    std::vector<CZAVPDockingControlBar*> autoHidden;
    for (CZAVPDockingControlBar* pBar : OfKind<CZAVPDockingControlBar>(m_lstControlBars))
        if (pBar->IsAutoHideMode()) autoHidden.push_back(pBar);
    for (CZAVPDockingControlBar* pBar : autoHidden)
        pBar->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, nullptr, TRUE);

    CObList loaded;
    loaded.AddTail(&m_lstLoadedBars);
    m_lstLoadedBars.RemoveAll();
    for (POSITION pos = loaded.GetHeadPosition(); pos != nullptr;) {
        CZAVPSlider* pSlider = static_cast<CZAVPSlider*>(loaded.GetNext(pos));
        CZAVPContainerLayout* pTree = pSlider->GetContainerManager();
        // Tabbed bars made from their records take their tabs first: those are panes too.
        pTree->GatherStagedTabs(this);
        // Panes that float belong to their mini frames, not to the stored tree.
        std::vector<CZAVPDockingControlBar*> panes;
        for (POSITION posBar = pTree->GetControlBars().GetHeadPosition(); posBar != nullptr;)
            panes.push_back(
                static_cast<CZAVPDockingControlBar*>(pTree->GetControlBars().GetNext(posBar)));
        // A pane floating in a frame that gives way to the stored layout comes back to this
        // frame for the tree; one in a stored frame stays there.
        for (CZAVPDockingControlBar* pBar : panes) {
            CZAVPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame(TRUE);
            if (pMiniFrame == nullptr) continue;
            if (!IsGivingWay(pMiniFrame) || pBar->IsTabbed()) {
                pTree->RemoveControlBar(pBar);
                continue;
            }
            pBar->OnBeforeChangeParent(m_pParentWnd, TRUE);
            pBar->SetParent(m_pParentWnd);
            pBar->OnAfterChangeParent(pMiniFrame);
        }
        pTree->ReleaseEmptyContainers();
        if (pTree->IsEmpty()) {
            pSlider->DestroyWindow();
            continue;
        }
        // Each pane leaves the tree it is in now (which may go with its last pane).
        for (POSITION posBar = pTree->GetControlBars().GetHeadPosition(); posBar != nullptr;) {
            CZAVPDockingControlBar* pBar = static_cast<CZAVPDockingControlBar*>(
                pTree->GetControlBars().GetNext(posBar));
            pBar->SetDefaultSlider(nullptr);
            pBar->SetDefaultSlider(pSlider->GetSafeHwnd());
            pBar->SetBarAlignment(pSlider->GetCurrentAlignment());
            pBar->MoveToRecentDockedRect();
            pBar->ShowWindow(!pBar->IsRestoredFromRegistry() || pBar->GetRecentVisibleState()
                                 ? SW_SHOWNOACTIVATE
                                 : SW_HIDE);
            AddControlBar(pBar);
        }
        pTree->RestoreRooms();
        AddControlBar(pSlider);
        pSlider->ShowIfAnyBarVisible();
    }
    AdjustDockSiteLayout();

    // The auto-hide records last: each pane docks at its side and goes onto a strip there.
    for (const DockLayout::AutoHideRecord& r : m_lstLoadedAutoHideBarIDs) {
        // Without an id the record names no bar: every id-less bar would answer to it.
        if (r.id == (DWORD)-1) continue;
        // Docked, floating or a tab: the pane is wherever the layout before put it.
        CZAVPBaseControlBar* pFound = FindBarByID(r.id, TRUE);
        if (!HasWindow(pFound) || !pFound->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
            continue;
        CZAVPDockingControlBar* pBar = static_cast<CZAVPDockingControlBar*>(pFound);
        if (pBar->IsAutoHideMode()) continue;
        // Only a pane docked on its own goes onto a strip: a tab leaves its group first (the
        // group lets it go as a window of the frame, with its gripper), a floating pane leaves
        // its mini frame for the record's side.
        if (pBar->IsTabbed() && !CZAVPBaseTabbedBar::ReleaseFromGroup(pBar)) continue;
        CRect rect(r.rect);
        m_pParentWnd->ScreenToClient(rect);
        if (pBar->GetDefaultSlider() == nullptr &&
            !pBar->DockToFrameEdge(r.alignment, rect, ZAVP_DM_MOUSE, nullptr, -1, FALSE))
            continue;
        pBar->CWnd::SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                 SWP_NOZORDER | SWP_NOACTIVATE);
        CZAVPAutoHideToolBar* pStrip = pBar->SetAutoHideMode(TRUE, r.alignment, nullptr, FALSE);
        if (pStrip == nullptr) pStrip = pBar->GetAutoHideToolBar();
        if (pStrip != nullptr) pStrip->SetStateFlags(r.stripFields);
    }
}
