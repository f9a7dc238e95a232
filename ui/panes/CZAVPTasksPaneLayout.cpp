// The tasks pane's layout, scrolling, collapse animation and drawing: the window side of
// ZAVPTasksLayout (measuring, moving task windows, the scroll bar and buttons, painting).
#include <algorithm>

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/panes/CZAVPTasksPane.h"

namespace
{
// Menu glyphs of the scroll buttons.
const int kGlyphUp = 7;
const int kGlyphDown = 0;
const int kScrollButtonBorder = 1;
// Measured on a rectangle of no height: centring it vertically would halve what it measures.
const UINT kTaskFormat = DT_SINGLELINE | DT_CALCRECT;

// Selects a font into a DC for as long as it lives.
class FontIn
{
public:
    FontIn(HDC hdc, HGDIOBJ hFont) : m_hdc(hdc), m_hOld(::SelectObject(hdc, hFont)) {}
    ~FontIn() { ::SelectObject(m_hdc, m_hOld); }

private:
    HDC m_hdc;
    HGDIOBJ m_hOld;
};

int TextHeight(HDC hdc, const CString& text, int cx, UINT nFormat)
{
    CRect rect(0, 0, std::max<int>(cx, 1), 0);
    ::DrawTextA(hdc, text, text.GetLength(), &rect, nFormat);
    return rect.Height();
}
}  // namespace

int CZAVPTasksPane::ReposTasks(BOOL bCalcHeightOnly)
{
    if (GetSafeHwnd() == nullptr || m_lstTaskGroups.empty() || m_rectTasks.IsRectEmpty()) return 0;
    const std::vector<CZAVPTasksGroup*> groups = ActiveGroups();
    if (groups.empty()) return 0;

    UpdateRowHeight();
    CClientDC dc(this);
    const HDC hdc = dc.GetSafeHdc();
    const ZAVPTasksLayout::Metrics metrics = GetMetrics();
    const int cxWork = m_rectTasks.Width() - 2 * metrics.nHorzMargin;

    std::vector<ZAVPTasksLayout::GroupIn> in(groups.size());
    for (size_t g = 0; g < groups.size(); ++g) {
        const CZAVPTasksGroup* pGroup = groups[g];
        ZAVPTasksLayout::GroupIn& gi = in[g];
        gi.bHasName = !pGroup->m_strName.IsEmpty();
        if (gi.bHasName) {
            FontIn font(hdc, globalData.fontBold.GetSafeHandle());
            gi.cyName = TextHeight(hdc, pGroup->m_strName, cxWork, DT_SINGLELINE | DT_CALCRECT);
        }
        gi.bHasIcon = pGroup->m_hIcon != nullptr;
        gi.sizeIcon = pGroup->m_sizeIcon;
        gi.bCollapsed = m_bCanCollapse && pGroup->m_bIsCollapsed && gi.bHasName;
        gi.bAnimated = pGroup == m_pAnimatedGroup;
        gi.nAnimHeight = m_nAnimGroupHeight;
        gi.bBottom = pGroup->m_bIsBottom;
        FontIn font(hdc, globalData.fontUnderline.GetSafeHandle());
        for (const CZAVPTask* pTask : pGroup->m_lstTasks) {
            ZAVPTasksLayout::TaskIn ti;
            ti.bWindow = pTask->m_hwndTask != nullptr;
            ti.bVisible = pTask->m_bVisible;
            ti.cyWindow = pTask->m_nWindowHeight;
            if (!ti.bWindow && ti.bVisible)
                ti.cyText = TextHeight(hdc, pTask->m_strName,
                                       cxWork - 2 * metrics.nTaskHorzOffset - m_sizeIcon.cx,
                                       kTaskFormat);
            gi.tasks.push_back(ti);
        }
    }

    std::vector<ZAVPTasksLayout::GroupOut> out;
    const int nHeight = ZAVPTasksLayout::Layout(m_rectTasks, metrics, m_scroll.nPos, m_nRowHeight,
                                                m_sizeIcon.cy, m_scroll.nTotal, in, out,
                                                bCalcHeightOnly);
    if (bCalcHeightOnly) return nHeight;

    for (size_t g = 0; g < groups.size(); ++g) {
        CZAVPTasksGroup* pGroup = groups[g];
        pGroup->m_rect = out[g].rectCaption;
        pGroup->m_rectGroup = out[g].rectTasks;
        const BOOL bHideWindows = in[g].bCollapsed && pGroup != m_pAnimatedGroup;
        for (size_t t = 0; t < pGroup->m_lstTasks.size(); ++t) {
            CZAVPTask* pTask = pGroup->m_lstTasks[t];
            pTask->m_rect = out[g].taskRects[t];
            if (pTask->m_hwndTask == nullptr) continue;
            if (!bHideWindows && pTask->m_bVisible && !pTask->m_rect.IsRectEmpty()) {
                ::SetWindowPos(pTask->m_hwndTask, nullptr, pTask->m_rect.left, pTask->m_rect.top,
                               pTask->m_rect.Width(), pTask->m_rect.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
                ::ShowWindow(pTask->m_hwndTask, SW_SHOWNA);
            } else {
                ::ShowWindow(pTask->m_hwndTask, SW_HIDE);
            }
        }
    }
    return nHeight;
}

void CZAVPTasksPane::AdjustScroll()
{
    if (GetSafeHwnd() == nullptr || m_lstTaskGroups.empty()) return;
    CRect rectClient;
    GetClientRect(rectClient);
    const CRect rectToolbarOld = m_rectToolbar;
    const CRect rectUpOld = m_rectScrollUp, rectDownOld = m_rectScrollDn;

    int cyToolbar = 0;
    if (ShowsToolBar() && m_wndToolBar.GetSafeHwnd() != nullptr) {
        cyToolbar = m_wndToolBar.CalcFixedLayout(FALSE, TRUE).cy;
        m_rectToolbar = CRect(rectClient.left, rectClient.top, rectClient.right,
                              rectClient.top + cyToolbar);
        rectClient.top = m_rectToolbar.bottom;
        m_wndToolBar.SetWindowPos(nullptr, m_rectToolbar.left, m_rectToolbar.top,
                                  m_rectToolbar.Width(), m_rectToolbar.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
        m_wndToolBar.ShowWindow(SW_SHOWNA);
    } else {
        m_rectToolbar.SetRectEmpty();
        if (m_wndToolBar.GetSafeHwnd() != nullptr) m_wndToolBar.ShowWindow(SW_HIDE);
    }

    m_rectTasks = rectClient;
    int cyVisible = m_rectTasks.Height();
    if (m_bUseScrollButtons) cyVisible -= m_iScrollBtnHeight + 1;
    if (cyToolbar > 0) cyVisible += cyToolbar;
    const int cyContent = ReposTasks(TRUE);
    m_scroll = ZAVPTasksLayout::CalcScroll(cyVisible, m_nRowHeight, cyContent, m_scroll.nPos);

    // The scroll bar exists only once the pane is complete (the toolbar came up).
    const BOOL bBar = m_wndScrollVert.GetSafeHwnd() != nullptr;
    if (bBar) {
        if (!m_bUseScrollButtons) {
            SCROLLINFO si = {sizeof(si),
                             SIF_RANGE | SIF_PAGE | SIF_POS,
                             0,
                             m_scroll.nTotal,
                             (UINT)std::max<int>(m_scroll.nPage, 0),
                             m_scroll.nPos,
                             0};
            m_wndScrollVert.SetScrollInfo(&si, TRUE);
        }
        m_wndScrollVert.EnableScrollBar(
            !m_bUseScrollButtons && m_scroll.nTotal > 0 ? ESB_ENABLE_BOTH : ESB_DISABLE_BOTH);
        if (!m_bUseScrollButtons && m_scroll.nTotal > 0) {
            const int cx = ::GetSystemMetrics(SM_CXVSCROLL);
            m_wndScrollVert.SetWindowPos(nullptr, m_rectTasks.right - cx, m_rectTasks.top, cx,
                                         m_rectTasks.Height(),
                                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            m_rectTasks.right -= cx;
        } else {
            m_wndScrollVert.SetWindowPos(nullptr, 0, 0, 0, 0,
                                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW |
                                             SWP_NOMOVE | SWP_NOSIZE);
        }
    }

    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    if (m_bUseScrollButtons) {
        if (ZAVPTasksLayout::ShowUpButton(m_scroll)) {
            m_rectScrollUp = CRect(m_rectTasks.left, m_rectTasks.top + 1, m_rectTasks.right,
                                   m_rectTasks.top + 1 + m_iScrollBtnHeight);
            m_rectTasks.top = m_rectScrollUp.bottom;
        }
        if (ZAVPTasksLayout::ShowDownButton(m_scroll)) {
            m_rectScrollDn = CRect(m_rectTasks.left, m_rectTasks.bottom - m_iScrollBtnHeight,
                                   m_rectTasks.right, m_rectTasks.bottom);
            m_rectTasks.bottom -= m_iScrollBtnHeight + 1;
        }
    } else {
        KillTimer(kScrollTimer);
        m_iScrollMode = 0;
    }

    if (rectToolbarOld != m_rectToolbar) {
        InvalidateRect(rectToolbarOld);
        InvalidateRect(m_rectToolbar);
    }
    if (rectUpOld != m_rectScrollUp) {
        InvalidateRect(rectUpOld);
        InvalidateRect(m_rectScrollUp);
    }
    if (rectDownOld != m_rectScrollDn) {
        InvalidateRect(rectDownOld);
        InvalidateRect(m_rectScrollDn);
    }
    UpdateWindow();
}

void CZAVPTasksPane::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    const int nNewPos = ZAVPTasksLayout::ScrollPosFor((int)nSBCode, (int)nPos, m_scroll);
    if (nNewPos == m_scroll.nPos) return;
    m_scroll.nPos = nNewPos;
    if (m_wndScrollVert.GetSafeHwnd() != nullptr) m_wndScrollVert.SetScrollPos(nNewPos, TRUE);
    AdjustScroll();
    ReposTasks();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

BOOL CZAVPTasksPane::TrackScrollButtons(CPoint point)
{
    if (!m_bUseScrollButtons) return FALSE;
    int nMode = 0;
    if (m_rectScrollUp.PtInRect(point) && ZAVPTasksLayout::ShowUpButton(m_scroll)) {
        nMode = -1;
        InvalidateRect(m_rectScrollUp);
    } else if (m_rectScrollDn.PtInRect(point) &&
               m_scroll.nPos <= m_scroll.nTotal - m_scroll.nPage && m_scroll.nTotal >= 1)
    {
        nMode = 1;
        InvalidateRect(m_rectScrollDn);
    }
    m_iScrollMode = nMode;
    if (nMode == 0) return FALSE;
    SetTimer(kScrollTimer, kScrollRepeatMs, nullptr);
    return TRUE;
}

void CZAVPTasksPane::ScrollStep()
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (m_rectScrollUp.PtInRect(pt) && m_iScrollMode < 0) {
        --m_scroll.nPos;
    } else if (m_rectScrollDn.PtInRect(pt) && m_iScrollMode > 0) {
        ++m_scroll.nPos;
    } else {
        KillTimer(kScrollTimer);
        m_iScrollMode = 0;
        InvalidateRect(m_rectScrollUp);
        InvalidateRect(m_rectScrollDn);
        UpdateWindow();
        return;
    }
    AdjustScroll();
    ReposTasks();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CZAVPTasksPane::AnimationStep()
{
    if (m_pAnimatedGroup == nullptr || m_nRowHeight == 0) {
        KillTimer(kAnimationTimer);
        m_pAnimatedGroup = nullptr;
        m_nAnimGroupWidth = m_nAnimGroupHeight = 0;
        return;
    }
    const DWORD dwNow = ::GetTickCount();
    const int nSteps = ZAVPTasksLayout::AnimationSteps(dwNow - m_dwAnimationTick);
    const BOOL bCollapsing = m_pAnimatedGroup->m_bIsCollapsed;
    m_nAnimGroupHeight += (bCollapsing ? -1 : 1) * nSteps * m_nRowHeight;

    CRect rectUpdate(m_rectTasks.left, m_pAnimatedGroup->m_rect.top - 1, m_rectTasks.right,
                     m_rectTasks.bottom);
    InvalidateRect(rectUpdate);
    ReposTasks();
    rectUpdate.top = m_pAnimatedGroup->m_rect.top - 1;
    InvalidateRect(rectUpdate);
    RedrawWindow(nullptr, nullptr, RDW_ERASE);

    // Expanding, the laid-out tasks stop growing with the height shown once all of them show.
    const int cyTasks = m_pAnimatedGroup->m_rectGroup.Height();
    const BOOL bGoesOn = bCollapsing ? m_nAnimGroupHeight >= 0 : m_nAnimGroupHeight <= cyTasks;
    if (!bGoesOn) {
        // The timer stops at the next tick.
        m_pAnimatedGroup = nullptr;
        m_nAnimGroupWidth = m_nAnimGroupHeight = 0;
        AdjustScroll();
        ReposTasks();
        Invalidate();
    }
    m_dwAnimationTick = dwNow;
}

void CZAVPTasksPane::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kAnimationTimer) {
        AnimationStep();
        return;
    }
    if (nIDEvent == kScrollTimer) {
        ScrollStep();
        return;
    }
    CZAVPDockingControlBar::OnTimer(nIDEvent);
}

void CZAVPTasksPane::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectClip;
    const int nRegion = dcPaint.GetClipBox(rectClip);
    if (nRegion == NULLREGION) return;
    if (nRegion != SIMPLEREGION) rectClip = rectClient;

    CDC dcMem;
    HBITMAP hbm = nullptr;
    if (dcMem.CreateCompatibleDC(&dcPaint))
        hbm = ::CreateCompatibleBitmap(dcPaint.GetSafeHdc(), rectClient.Width(),
                                       rectClient.Height());
    if (hbm == nullptr) {
        OnDrawTasks(&dcPaint, rectClient);
        return;
    }
    HGDIOBJ hOld = ::SelectObject(dcMem.GetSafeHdc(), hbm);
    OnDrawTasks(&dcMem, rectClient);
    dcPaint.BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), &dcMem,
                   rectClip.left, rectClip.top, SRCCOPY);
    ::SelectObject(dcMem.GetSafeHdc(), hOld);
    ::DeleteObject(hbm);
}

void CZAVPTasksPane::OnDrawTasks(CDC* pDC, CRect rectWorkArea)
{
    CZAVPVisualManager* pLook = CZAVPVisualManager::GetInstance();
    // Without groups nothing is laid out, and the whole client area shows the background.
    CRect rectFill = m_rectTasks.IsRectEmpty() ? rectWorkArea : m_rectTasks;
    rectFill.top -= m_scroll.nPos * m_nRowHeight;
    pLook->OnFillTasksPaneBackground(pDC, rectFill);

    for (CZAVPTasksGroup* pGroup : ActiveGroups()) {
        const BOOL bHasCaption = !pGroup->m_strName.IsEmpty();
        const BOOL bExpanded = !pGroup->m_bIsCollapsed || !bHasCaption ||
                               (pGroup == m_pAnimatedGroup && m_nAnimGroupHeight > 0);
        if (bExpanded) {
            if (!pGroup->m_rectGroup.IsRectEmpty())
                pLook->OnFillTasksGroupInterior(pDC, pGroup->m_rectGroup, pGroup->m_bIsSpecial);
            if (!pGroup->m_rect.IsRectEmpty())
                pLook->OnDrawTasksGroupCaption(pDC, pGroup, pGroup == m_pHotGroupCaption, FALSE,
                                               m_bCanCollapse);
            pLook->OnDrawTasksGroupAreaBorder(pDC, pGroup->m_rectGroup, pGroup->m_bIsSpecial,
                                              !bHasCaption);
            for (CZAVPTask* pTask : pGroup->m_lstTasks) {
                if (pTask->m_hwndTask != nullptr || !pTask->m_bVisible) continue;
                CRgn rgn;
                rgn.CreateRectRgnIndirect(pTask->m_rect);
                pDC->SelectClipRgn(&rgn);
                pLook->OnDrawTask(pDC, pTask, m_hImages, pTask == m_pHotTask, FALSE);
                pDC->SelectClipRgn(nullptr);
            }
        } else if (!pGroup->m_rect.IsRectEmpty()) {
            pLook->OnDrawTasksGroupCaption(pDC, pGroup, pGroup == m_pHotGroupCaption, FALSE,
                                           m_bCanCollapse);
        }
    }

    if (m_bUseNavigationToolbar && m_wndToolBar.GetSafeHwnd() != nullptr) {
        m_wndToolBar.Invalidate();
        m_wndToolBar.UpdateWindow();
    }
    if (m_bUseScrollButtons) {
        if (ZAVPTasksLayout::ShowUpButton(m_scroll))
            pLook->OnDrawScrollButtons(pDC, m_rectScrollUp, kScrollButtonBorder, kGlyphUp,
                                       m_iScrollMode < 0);
        if (ZAVPTasksLayout::ShowDownButton(m_scroll))
            pLook->OnDrawScrollButtons(pDC, m_rectScrollDn, kScrollButtonBorder, kGlyphDown,
                                       m_iScrollMode > 0);
    }
}
