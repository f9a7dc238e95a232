// The outlook bar's tab window (see the header).
#include "ui/panes/CZAVPOutlookWnd.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/COleDataObject.h"
#include "framework/CView.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/panes/CZAVPOutlookBar.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/panes/CZAVPOutlookButton.h"
#include "ui/panes/ZAVPOutlookWndLayout.h"
#include "ui/panes/ZAVPPaneHandCursor.h"
#include "ui/toolbars/CZAVPToolbarButton.h"

IMPLEMENT_DYNCREATE(CZAVPOutlookWnd, CZAVPBaseTabWnd)

BEGIN_MESSAGE_MAP(CZAVPOutlookWnd, CZAVPBaseTabWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_SETCURSOR()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

BOOL CZAVPOutlookWnd::m_bEnableAnimation = TRUE;

namespace
{
const DWORD kChildStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const UINT kOutlookRedraw = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
// Page buttons centre their labels unless told otherwise.
const int kDefaultAlign = 6;
}  // namespace

CZAVPOutlookWnd::CZAVPOutlookWnd()
    : m_nBorderSize(0), m_bScrollButtons(FALSE), m_nPageButtonTextAlign(kDefaultAlign),
      m_bClickChange(FALSE)
{
    // Page buttons are pressed and released like buttons, and light up under the mouse.
    m_bHighLightTabs = TRUE;
    m_bButtonLikeTabs = TRUE;
    m_bHideSingleTab = FALSE;
}

CZAVPOutlookWnd::~CZAVPOutlookWnd() = default;

BOOL CZAVPOutlookWnd::Create(const CRect& rect, CWnd* pParentWnd, UINT nID)
{
    if (!CWnd::Create(nullptr, "", kChildStyle, rect, pParentWnd, nID)) return FALSE;
    SetTabsHeight();
    m_bHideInactiveWnd = TRUE;
    return TRUE;
}

int CZAVPOutlookWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZAVPBaseTabWnd::OnCreate(lpCreateStruct) == -1) return -1;
    struct
    {
        CZAVPOutlookArrowButton& button;
        UINT nID;
        int nGlyph;
    } arrows[] = {{m_btnUp, kUpId, kUpGlyph}, {m_btnDown, kDownId, kDownGlyph}};
    for (auto& a : arrows) {
        if (!a.button.Create("", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this, a.nID))
            return -1;
        a.button.SetStdImage(a.nGlyph);
        a.button.SetAutoRepeatDelay(kArrowRepeatMs);
    }
    return 0;
}

void CZAVPOutlookWnd::SetTabsHeight()
{
    // A page button: the text height of the bar font with room above and below, or the
    // image when that is taller.
    const int nText = globalData.m_nTextHeightHorz;
    m_nTabsHeight = std::max<int>(nText + 2 * 5, (int)m_sizeImage.cy + 2 * 4);
}

CZAVPOutlookBar* CZAVPOutlookWnd::GetOutlookBar() const
{
    CWnd* pParent = GetParent();
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBar))
               ? static_cast<CZAVPOutlookBar*>(pParent)
               : nullptr;
}

void CZAVPOutlookWnd::SetBorderSize(int nBorderSize)
{
    m_nBorderSize = std::max(0, nBorderSize);
    if (GetSafeHwnd() != nullptr) RecalcLayout();
}

void CZAVPOutlookWnd::SetPageButtonTextAlign(int nAlign)
{
    m_nPageButtonTextAlign = nAlign;
    if (GetSafeHwnd() != nullptr) Invalidate();
}

// ---- layout

void CZAVPOutlookWnd::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr) return;
    for (CZAVPOutlookArrowButton* pButton : {&m_btnUp, &m_btnDown})
        if (pButton->GetSafeHwnd() != nullptr) pButton->SendMessage(WM_CANCELMODE);

    ZAVPOutlookWndLayout::Input in;
    GetClientRect(in.rectClient);
    in.nBorderSize = m_nBorderSize;
    in.nTabs = m_iTabsNum;
    in.nActive = m_iActiveTab;
    in.nButtonHeight = m_nTabsHeight;
    in.bArrows = m_bScrollButtons;
    const ZAVPOutlookWndLayout::Result out = ZAVPOutlookWndLayout::Layout(in);
    for (int i = 0; i < m_iTabsNum; ++i) TabAt(i)->m_rect = out.tabs[(size_t)i];
    m_rectWndArea = out.rectPage;
    if (m_bScrollButtons) {
        for (auto* p : {&m_btnUp, &m_btnDown}) {
            const CRect& rect = p == &m_btnUp ? out.rectUp : out.rectDown;
            if (p->GetSafeHwnd() != nullptr && !rect.IsRectEmpty())
                p->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    for (int i = 0; i < m_iTabsNum; ++i) {
        CWnd* pWnd = TabAt(i)->m_pWnd;
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr || !pWnd->IsWindowVisible()) continue;
        pWnd->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
                           m_rectWndArea.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    }
    RedrawWindow(nullptr, nullptr, kOutlookRedraw);
    for (CZAVPOutlookArrowButton* pButton : {&m_btnUp, &m_btnDown})
        if (pButton->GetSafeHwnd() != nullptr)
            pButton->RedrawWindow(nullptr, nullptr, kOutlookRedraw);
    if (m_iTabsNum == 0) ShowWindow(SW_HIDE);
    if (CWnd* pParent = GetParent()) pParent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE);
}

void CZAVPOutlookWnd::OnSize(UINT, int, int)
{
    Default();
    RecalcLayout();
}

void CZAVPOutlookWnd::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    std::vector<CRect> tabs;
    for (int i = 0; i < m_iTabsNum; ++i) tabs.push_back(TabAt(i)->m_rect);
    ZAVPOutlookWndLayout::TabAreas(tabs, rectTabAreaTop, rectTabAreaBottom);
    if (!rectTabAreaTop.IsRectEmpty()) ClientToScreen(rectTabAreaTop);
    if (!rectTabAreaBottom.IsRectEmpty()) ClientToScreen(rectTabAreaBottom);
}

BOOL CZAVPOutlookWnd::IsPtInTabArea(CPoint point) const
{
    CRect rectTop, rectBottom;
    GetTabArea(rectTop, rectBottom);
    ClientToScreen(&point);
    return rectTop.PtInRect(point) || rectBottom.PtInRect(point);
}

CWnd* CZAVPOutlookWnd::FindTargetWnd(const CPoint& point)
{
    for (int i = 0; i < m_iTabsNum; ++i) {
        const CZAVPTabInfo* pTab = TabAt(i);
        if (pTab->m_bVisible && pTab->m_rect.PtInRect(point)) return nullptr;
    }
    return GetParent();
}

void CZAVPOutlookWnd::ShowScrollButtons(BOOL bShow, BOOL bEnableUp, BOOL bEnableDown)
{
    const BOOL bChanged = bShow != m_bScrollButtons;
    m_bScrollButtons = bShow;
    struct
    {
        CZAVPOutlookArrowButton& button;
        BOOL bEnable;
        int nGlyph;
    } arrows[] = {{m_btnUp, bEnableUp, kUpGlyph}, {m_btnDown, bEnableDown, kDownGlyph}};
    for (auto& a : arrows) {
        if (a.button.GetSafeHwnd() == nullptr) continue;
        if (bShow) {
            a.button.ShowWindow(SW_SHOWNA);
            a.button.EnableWindow(a.bEnable);
            // A disabled arrow is drawn in the grey of the glyph strip.
            a.button.SetStdImage(a.nGlyph, FALSE, a.bEnable ? -1 : a.nGlyph);
        } else
            a.button.ShowWindow(SW_HIDE);
        a.button.RedrawWindow(nullptr, nullptr, kOutlookRedraw);
    }
    if (bChanged) RecalcLayout();
}

BOOL CZAVPOutlookWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(wParam);
    if (nID != kUpId && nID != kDownId) return CZAVPBaseTabWnd::OnCommand(wParam, lParam);
    CZAVPOutlookArrowButton& button = nID == kUpId ? m_btnUp : m_btnDown;
    if (CZAVPOutlookBar* pBar = GetOutlookBar()) pBar->OnScroll(nID == kDownId);
    if (button.GetSafeHwnd() != nullptr && !button.IsWindowEnabled()) SetFocus();
    return TRUE;
}

// ---- dropped toolbar buttons

DROPEFFECT CZAVPOutlookWnd::DropEffectFor(const CZAVPToolbarButton* pButton, DWORD dwKeyState,
                                          CPoint point)
{
    if (pButton == nullptr || !pButton->IsKindOf(RUNTIME_CLASS(CZAVPOutlookButton)))
        return DROPEFFECT_NONE;
    const int iTab = GetTabFromPoint(point);
    if (iTab >= 0 && iTab != m_iActiveTab) SetActiveTab(iTab);
    return (dwKeyState & MK_CONTROL) != 0 ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DROPEFFECT CZAVPOutlookWnd::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CZAVPOutlookWnd::OnDragOver(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    CZAVPToolbarButton* pButton = CZAVPToolbarButton::CreateFromOleData(pDataObject);
    const DROPEFFECT effect = DropEffectFor(pButton, dwKeyState, point);
    delete pButton;
    return effect;
}

// ---- switching pages

void CZAVPOutlookWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    // A release on the pressed page button is a click: such a change may slide.
    m_bClickChange = m_iPressed >= 0 && m_iPressed == m_iHighlighted;
    CZAVPBaseTabWnd::OnLButtonUp(nFlags, point);
    m_bClickChange = FALSE;
}

BOOL CZAVPOutlookWnd::SetActiveTab(int iTab)
{
    if (TabAt(iTab) == nullptr) return FALSE;
    if (iTab == m_iActiveTab) return TRUE;
    const int iOld = m_iActiveTab;
    CZAVPOutlookBar* pBar = GetOutlookBar();
    const BOOL bAnimate = m_bClickChange && m_bEnableAnimation && iOld >= 0 &&
                          GetSafeHwnd() != nullptr && IsWindowVisible() &&
                          (pBar == nullptr || pBar->OnBeforeAnimation(iTab));
    if (bAnimate)
        SlidePages(iOld, iTab);
    else
        SwitchPage(iOld, iTab);

    if (pBar != nullptr && pBar->IsCaptionFollowsTab()) {
        pBar->SetWindowText(TabAt(m_iActiveTab)->m_strText);
        CWnd* pRedraw = pBar;
        if (!pBar->IsDocked() && pBar->GetParentMiniFrame() != nullptr)
            pRedraw = pBar->GetParentMiniFrame();
        pRedraw->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    CWnd* pWnd = TabAt(m_iActiveTab)->m_pWnd;
    if (iOld >= 0 && pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        CFrameWnd* pFrame = pWnd->GetParentFrame();
        if (pWnd->IsKindOf(RUNTIME_CLASS(CView)) && pFrame != nullptr)
            pFrame->SetActiveView(static_cast<CView*>(pWnd));
        else if (IsWindowVisible())
            pWnd->SetFocus();
    }
    NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
    return TRUE;
}

void CZAVPOutlookWnd::SwitchPage(int iOld, int iNew)
{
    CWnd* pOld = iOld >= 0 ? TabAt(iOld)->m_pWnd : nullptr;
    if (pOld != nullptr && pOld->GetSafeHwnd() != nullptr) pOld->ShowWindow(SW_HIDE);
    m_iLastActiveTab = iOld;
    m_iActiveTab = iNew;
    RecalcLayout();
    CWnd* pWnd = TabAt(iNew)->m_pWnd;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) return;
    pWnd->ShowWindow(SW_SHOW);
    pWnd->BringWindowToTop();
    // One pixel wider and back again, so that the page lays itself out at its size. A page
    // hidden while the layout ran still stands where it was last shown: it moves to the page
    // area with the first sizing.
    const UINT uiFlags = SWP_NOZORDER | SWP_NOACTIVATE;
    pWnd->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width() + 1,
                       m_rectWndArea.Height(), uiFlags);
    pWnd->SetWindowPos(nullptr, 0, 0, m_rectWndArea.Width(), m_rectWndArea.Height(),
                       uiFlags | SWP_NOMOVE);
}

void CZAVPOutlookWnd::SlidePages(int iOld, int iNew)
{
    const BOOL bUpShown = m_btnUp.GetSafeHwnd() != nullptr && m_btnUp.IsWindowVisible();
    const BOOL bDownShown = m_btnDown.GetSafeHwnd() != nullptr && m_btnDown.IsWindowVisible();
    if (bUpShown) m_btnUp.ShowWindow(SW_HIDE);
    if (bDownShown) m_btnDown.ShowWindow(SW_HIDE);

    // The buttons between the two pages travel across the page area: down when the new page
    // comes before the old one, up otherwise; the old page's window goes with them.
    const BOOL bDown = iNew < iOld;
    const int iFirst = bDown ? iNew + 1 : iOld + 1;
    const int iLast = bDown ? iOld : iNew;
    const int nSteps = ZAVPOutlookWndLayout::SlideSteps(m_rectWndArea.Height());
    const int dy = bDown ? ZAVPOutlookWndLayout::kSlideStep : -ZAVPOutlookWndLayout::kSlideStep;
    CWnd* pOld = TabAt(iOld)->m_pWnd;
    CClientDC dc(this);
    for (int nStep = 0; nStep < nSteps; ++nStep) {
        CRect rectUncovered;
        for (int i = iFirst; i <= iLast; ++i) {
            CRect& rect = TabAt(i)->m_rect;
            CRect rectBefore = rect;
            rect.OffsetRect(0, dy);
            rectUncovered.UnionRect(rectUncovered, rectBefore);
        }
        for (int i = iFirst; i <= iLast; ++i) {
            rectUncovered.SubtractRect(rectUncovered, TabAt(i)->m_rect);
            DrawPageButton(&dc, i, FALSE);
        }
        if (pOld != nullptr && pOld->GetSafeHwnd() != nullptr) {
            CRect rectOld;
            pOld->GetWindowRect(rectOld);
            ScreenToClient(rectOld);
            pOld->SetWindowPos(nullptr, rectOld.left, rectOld.top + dy, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        if (!rectUncovered.IsRectEmpty()) dc.FillRect(rectUncovered, &globalData.brBarFace);
        ::Sleep(kSlideSleepMs);
    }
    if (bUpShown) m_btnUp.ShowWindow(SW_SHOWNA);
    if (bDownShown) m_btnDown.ShowWindow(SW_SHOWNA);
    if (pOld != nullptr && pOld->GetSafeHwnd() != nullptr) pOld->ShowWindow(SW_HIDE);
    m_iLastActiveTab = iOld;
    m_iActiveTab = iNew;
    RecalcLayout();
    if (CZAVPOutlookBar* pBar = GetOutlookBar()) pBar->OnAfterAnimation(iNew);
    CWnd* pWnd = TabAt(iNew)->m_pWnd;
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) return;
    // Shown where the page area is: the page was hidden while the layout placed the others.
    pWnd->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top, m_rectWndArea.Width(),
                       m_rectWndArea.Height(),
                       SWP_SHOWWINDOW | SWP_NOREDRAW | SWP_NOZORDER | SWP_NOACTIVATE);
    pWnd->BringWindowToTop();
    pWnd->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_FRAME);
}

// ---- painting

BOOL CZAVPOutlookWnd::OnEraseBkgnd(CDC*) { return m_iTabsNum > 0; }

BOOL CZAVPOutlookWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (nHitTest == HTCLIENT && GetTabFromPoint(point) >= 0) {
        if (HCURSOR hCursor = ZAVPPaneHandCursor()) {
            ::SetCursor(hCursor);
            return TRUE;
        }
    }
    return CZAVPBaseTabWnd::OnSetCursor(pWnd, nHitTest, message);
}

void CZAVPOutlookWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    if (m_nBorderSize > 0) {
        // The frame around the client area, in the library's frame brush.
        CBrush* pOld = dc.SelectObject(&globalData.brBarFace);
        const int b = m_nBorderSize;
        dc.PatBlt(rectClient.left, rectClient.top, b, rectClient.Height(), PATCOPY);
        dc.PatBlt(rectClient.left, rectClient.top, rectClient.Width(), b, PATCOPY);
        dc.PatBlt(rectClient.right - b, rectClient.top, b, rectClient.Height(), PATCOPY);
        dc.PatBlt(rectClient.left, rectClient.bottom - b, rectClient.Width(), b, PATCOPY);
        dc.SelectObject(pOld);
    }
    const HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(),
                                            globalData.fontRegular.GetSafeHandle() != nullptr
                                                ? globalData.fontRegular.GetSafeHandle()
                                                : ::GetStockObject(DEFAULT_GUI_FONT));
    for (int i = 0; i < m_iTabsNum; ++i) DrawPageButton(&dc, i, TRUE);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
}

void CZAVPOutlookWnd::DrawPageButton(CDC* pDC, int iTab, BOOL bDrawPressed)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr || !pTab->m_bVisible || pTab->m_rect.IsRectEmpty()) return;
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    CRect rect = pTab->m_rect;
    const BOOL bHighlighted = iTab == m_iHighlighted;
    const BOOL bPressed = bDrawPressed && iTab == m_iPressed;
    COLORREF clrText = ::GetSysColor(COLOR_BTNTEXT);
    pManager->OnFillOutlookPageButton(pDC, rect, bHighlighted, bPressed, clrText);
    pManager->OnDrawOutlookPageButtonBorder(pDC, rect, bHighlighted, bPressed);

    int cxIcon = 0;
    HICON hIcon = pTab->m_hIcon;
    HIMAGELIST hImages = GetImageList();
    const CSize sizeImage = GetImageSize();
    if (hIcon != nullptr || (hImages != nullptr && pTab->m_uiIcon != (UINT)-1)) {
        cxIcon = hIcon != nullptr ? ::GetSystemMetrics(SM_CXSMICON) : sizeImage.cx;
        const int cyIcon = hIcon != nullptr ? ::GetSystemMetrics(SM_CYSMICON) : sizeImage.cy;
        if (cxIcon + kIconOffset <= rect.Width() && cyIcon <= rect.Height()) {
            const int x = rect.left + kIconOffset;
            const int y = rect.top + (rect.Height() - cyIcon) / 2;
            if (hIcon != nullptr)
                ::DrawIconEx(pDC->GetSafeHdc(), x, y, hIcon, cxIcon, cyIcon, 0, nullptr, DI_NORMAL);
            else
                ImageList_Draw(hImages, (int)pTab->m_uiIcon, pDC->GetSafeHdc(), x, y,
                               ILD_TRANSPARENT);
        } else
            cxIcon = 0;
    }
    CRect rectText = rect;
    rectText.left += kLabelOffset + cxIcon;
    if (pTab->m_bIconOnly) rectText.right -= kExtraFlagSpace;
    UINT uiAlign = DT_CENTER;
    if (m_nPageButtonTextAlign == kAlignLeft) uiAlign = DT_LEFT;
    if (m_nPageButtonTextAlign == kAlignRight) uiAlign = DT_RIGHT;
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(pTab->m_strText, rectText,
                  DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | uiAlign);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}
