// The concrete tab window (see CZAVPTabWnd.h): painting and the window messages.
#include "ui/docking/CZAVPTabWnd.h"

#include "framework/CDC.h"
#include "ui/docking/layout/TabStripGeometry.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

namespace
{
// The splitter between the tabs and the shared scroll bar, in pixels either side of the split.
const int kSplitterHalfWidth = 2;
}  // namespace

void CZAVPTabWnd::OnPaint()
{
    CPaintDC dc(this);
    CZAVPVisualManager* pLook = CZAVPVisualManager::GetInstance();
    COLORREF clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow, clrLight;
    CBrush* pbrFace = nullptr;
    CBrush* pbrBlack = nullptr;
    pLook->GetTabFrameColors(this, clrDark, clrBlack, clrHighlight, clrFace, clrDarkShadow,
                             clrLight, pbrFace, pbrBlack);
    CRect rectClient;
    GetClientRect(rectClient);
    pLook->OnEraseTabsFrame(&dc, rectClient, this);
    if (IsTabAreaHidden() || m_rectTabsArea.IsRectEmpty()) return;
    pLook->OnEraseTabsArea(&dc, m_rectTabsArea, this);

    // The active tab last, so that it lies over its neighbours.
    const int nSaved = dc.SaveDC();
    dc.IntersectClipRect(m_rectTabsArea);
    for (int i = 0; i <= m_iTabsNum; ++i) {
        const int iTab = i < m_iTabsNum ? i : m_iActiveTab;
        if (i < m_iTabsNum && i == m_iActiveTab) continue;
        if (iTab < 0 || !IsTabVisible(iTab)) continue;
        if (m_bFlat)
            DrawFlatTab(&dc, iTab, iTab == m_iActiveTab);
        else
            Draw3DTab(&dc, iTab, iTab == m_iActiveTab);
    }
    dc.RestoreDC(nSaved);
}

void CZAVPTabWnd::Draw3DTab(CDC* pDC, int iTab, BOOL bIsActive)
{
    CRect rect;
    if (!GetTabRect(iTab, rect) || rect.IsRectEmpty()) return;
    CFont* pFont = bIsActive && m_bIsActiveTabBold ? &globalData.fontBold : &globalData.fontRegular;
    CFont* pOld = pDC->SelectObject(pFont);
    CZAVPVisualManager::GetInstance()->OnDrawTab(pDC, rect, iTab, bIsActive, this);
    pDC->SelectObject(pOld);
}

void CZAVPTabWnd::DrawFlatTab(CDC* pDC, int iTab, BOOL bIsActive)
{
    CRect rect;
    if (!GetTabRect(iTab, rect) || rect.IsRectEmpty()) return;
    CFont* pFont = bIsActive ? &m_fntTabsBold : &m_fntTabs;
    CFont* pOld = pFont->GetSafeHandle() != nullptr ? pDC->SelectObject(pFont) : nullptr;
    CZAVPVisualManager::GetInstance()->OnDrawTab(pDC, rect, iTab, bIsActive, this);
    if (pOld != nullptr) pDC->SelectObject(pOld);
}

BOOL CZAVPTabWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillRect(rectClient, &globalData.brBarFace);
    return TRUE;
}

void CZAVPTabWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RecalcLayout();
    EnsureVisible(m_iActiveTab);
    UpdateScrollButtonsState();
}

void CZAVPTabWnd::OnSettingChange(UINT, LPCSTR)
{
    Default();
    SetTabsHeight();
    RecalcLayout();
    UpdateScrollButtonsState();
}

void CZAVPTabWnd::OnSysColorChange()
{
    CZAVPBaseTabWnd::OnSysColorChange();
    m_brActiveTab.DeleteObject();
    m_brActiveTab.CreateSolidBrush(GetActiveTabColor());
    Invalidate();
}

void CZAVPTabWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    CWnd* pActive = GetActiveWnd();
    if (pActive != nullptr && pActive->GetSafeHwnd() != nullptr) pActive->SetFocus();
}

// ---- mouse

CRect CZAVPTabWnd::SplitterRect() const
{
    if (!m_bSharedScroll || m_wndScrollWnd.GetSafeHwnd() == nullptr ||
        !m_wndScrollWnd.IsWindowVisible())
        return CRect(0, 0, 0, 0);
    CRect rectBar;
    m_wndScrollWnd.GetWindowRect(rectBar);
    ScreenToClient(rectBar);
    return CRect(rectBar.left - kSplitterHalfWidth, m_rectTabsArea.top,
                 rectBar.left + kSplitterHalfWidth, m_rectTabsArea.bottom);
}

void CZAVPTabWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (SplitterRect().PtInRect(point)) {
        m_bTrackSplitter = TRUE;
        SetCapture();
        return;
    }
    CWnd* pTarget = FindTargetWnd(point);
    if (pTarget != nullptr && pTarget == GetActiveWnd() && pTarget->GetSafeHwnd() != nullptr) {
        MapWindowPoints(pTarget, &point, 1);
        pTarget->SendMessage(WM_LBUTTONDOWN, nFlags, MAKELPARAM(point.x, point.y));
        return;
    }
    CZAVPBaseTabWnd::OnLButtonDown(nFlags, point);
}

void CZAVPTabWnd::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (SplitterRect().PtInRect(point)) {
        m_bTrackSplitter = TRUE;
        SetCapture();
        return;
    }
    CWnd* pTarget = FindTargetWnd(point);
    if (pTarget != nullptr && pTarget == GetActiveWnd() && pTarget->GetSafeHwnd() != nullptr) {
        MapWindowPoints(pTarget, &point, 1);
        pTarget->SendMessage(WM_LBUTTONDBLCLK, nFlags, MAKELPARAM(point.x, point.y));
        return;
    }
    CZAVPBaseTabWnd::OnLButtonDblClk(nFlags, point);
}

void CZAVPTabWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTrackSplitter) {
        m_bTrackSplitter = FALSE;
        if (GetCapture() == this) ::ReleaseCapture();
    }
    CZAVPBaseTabWnd::OnLButtonUp(nFlags, point);
}

void CZAVPTabWnd::OnCancelMode()
{
    if (m_bTrackSplitter) {
        m_bTrackSplitter = FALSE;
        if (GetCapture() == this) ::ReleaseCapture();
    }
    CZAVPBaseTabWnd::OnCancelMode();
}

void CZAVPTabWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTrackSplitter) {
        const CRect rectOld = SplitterRect();
        CRect rectTabs = m_rectTabsArea;
        CRect rectBar;
        m_wndScrollWnd.GetWindowRect(rectBar);
        ScreenToClient(rectBar);
        m_nScrollBarRight = TabLayout::DraggedScrollBarWidth(rectBar.right, point.x, rectTabs.left,
                                                             ::GetSystemMetrics(SM_CXHSCROLL));
        RecalcLayout();
        CRect rectNew = SplitterRect();
        rectNew.UnionRect(rectNew, rectOld);
        InvalidateRect(rectNew);
        return;
    }
    m_bHighLightTabs = m_bIsOneNoteStyle ||
                       CZAVPVisualManager::GetInstance()->HighlightTabsOnHover();
    CZAVPBaseTabWnd::OnMouseMove(nFlags, point);
}

BOOL CZAVPTabWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (nHitTest == HTCLIENT && SplitterRect().PtInRect(point) &&
        globalData.m_hcurStretch != nullptr) {
        ::SetCursor(globalData.m_hcurStretch);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CZAVPTabWnd::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || pScrollBar->GetSafeHwnd() != m_wndScrollWnd.GetSafeHwnd()) {
        Default();
        return;
    }
    CWnd* pActive = GetActiveWnd();
    if (pActive != nullptr && pActive->GetSafeHwnd() != nullptr) {
        pActive->SendMessage(WM_HSCROLL, MAKEWPARAM(nSBCode, nPos), 0);
        SCROLLINFO si{sizeof si, SIF_POS, 0, 0, 0, 0, 0};
        if (::GetScrollInfo(pActive->GetSafeHwnd(), SB_HORZ, &si))
            m_wndScrollWnd.SetScrollPos(SB_CTL, si.nPos);
    }
    NotifyParent(ZAVPRegisteredMessages::OnHScroll, MAKEWPARAM(nSBCode, nPos));
}
