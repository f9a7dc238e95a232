// The captioned docking pane: creation, caption and caption buttons, docking beside sliders
// (see CZAVPDockingControlBar.h). Auto-hide lives in CZAVPDockingControlBarAutoHide.cpp, tabbed
// groups in CZAVPDockingControlBarTabs.cpp.
#include "ui/docking/CZAVPDockingControlBar.h"

#include <algorithm>

#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPAutoHideToolBar.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPContainerLayout.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPSlider.h"
#include "ui/docking/CZAVPTabbedControlBar.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/layout/AutoHideMath.h"
#include "ui/docking/layout/CaptionMath.h"
#include "ui/docking/layout/ContainerMath.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPListRange.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/foundation/ZAVPWindowChecks.h"

IMPLEMENT_DYNCREATE(CZAVPDockingControlBar, CZAVPControlBar)

BEGIN_MESSAGE_MAP(CZAVPDockingControlBar, CZAVPControlBar)
ON_WM_CREATE()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_NCHITTEST()
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_NCLBUTTONDOWN()
ON_WM_CLOSE()
ON_WM_LBUTTONDBLCLK()
ON_WM_DESTROY()
ON_WM_NCMOUSEMOVE()
ON_WM_CANCELMODE()
ON_WM_TIMER()
ON_WM_RBUTTONDOWN()
ON_WM_SETTINGCHANGE()
ON_WM_CONTEXTMENU()
ON_MESSAGE(WM_SETTEXT, &CZAVPDockingControlBar::OnSetText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CZAVPDockingControlBar::OnNeedTipText)
END_MESSAGE_MAP()

int CZAVPDockingControlBar::m_nCheckAutoHideInterval = 700;
int CZAVPDockingControlBar::m_nSlideInterval = 1;
int CZAVPDockingControlBar::m_nSlideSteps = DockLayout::kSlideStepCount;
BOOL CZAVPDockingControlBar::m_bDisableAnimation = FALSE;
BOOL CZAVPDockingControlBar::m_bHideInAutoHideMode = FALSE;
BOOL CZAVPDockingControlBar::m_bHideDisabledButtons = TRUE;
int CZAVPDockingControlBar::m_nSlideDefaultMode = DockLayout::kSlideMove;

namespace
{
// Tooltip tools of the caption buttons.
const UINT kToolClose = 1;
const UINT kToolPin = 2;
// SetWindowPos flags: recalculate the non-client area only.
const UINT kFrameChanged = SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                           SWP_FRAMECHANGED;

// The side a new pane takes beside a pane of a frame side: down a left or right side, along
// a top or bottom one.
DWORD ContinuingSide(DWORD dwSideOfFrame)
{
    return IsHorizontalAlignment(dwSideOfFrame) ? CBRS_ALIGN_RIGHT : CBRS_ALIGN_BOTTOM;
}
}  // namespace

CZAVPDockingControlBar::CZAVPDockingControlBar()
    : m_nCaptionHeight(0), m_bHasCaption(FALSE), m_nCaptionOffset(0), m_nReserved1(0),
      m_bActive(FALSE), m_nReserved2(0), m_nPercent(DockLayout::kFullPercent),
      m_bRecentStateFlag(TRUE), m_bAutoHideMode(FALSE), m_nAutoHideConditionTimerID(0),
      m_nSlideTimer(0), m_nSlideStep(0), m_nSlideDelta(0), m_bIsSliding(FALSE),
      m_bPinnedGuard(FALSE), m_bIsHiding(FALSE), m_nSlideMode(m_nSlideDefaultMode),
      m_pAutoHideButton(nullptr), m_pAutoHideBar(nullptr), m_pTabbedControlBarRTC(nullptr),
      m_hDefaultSlider(nullptr), m_dwReserved3(0), m_nHighlightedButton(0), m_nPressedButton(0),
      m_bCaptionButtonsCaptured(FALSE), m_hRecentSlider(nullptr),
      m_dwRecentSliderAlignment(CBRS_ALIGN_LEFT), m_nRecentPercent(DockLayout::kHalfPercent)
{
}

CZAVPDockingControlBar::~CZAVPDockingControlBar()
{
    // Deleted with its window still there, the pane leaves its tree, strip and tab first (its
    // WM_DESTROY), as it would if its window had been destroyed before.
    if (m_hWnd != nullptr) DestroyWindow();
    for (CZAVPTitleButton* pButton : m_arrButtons) delete pButton;
    m_arrButtons.clear();
}

// ---- creation

BOOL CZAVPDockingControlBar::Create(LPCSTR lpszCaption, CWnd* pParentWnd, const CSize& sizeDefault,
                                    BOOL bHasGripper, UINT nID, DWORD dwStyle, DWORD dwTabbedStyle,
                                    DWORD dwControlBarStyle)
{
    const CRect rect(0, 0, sizeDefault.cx, sizeDefault.cy);
    return CreateEx(0, lpszCaption, pParentWnd, rect, bHasGripper, nID, dwStyle, dwTabbedStyle,
                    dwControlBarStyle, nullptr);
}

BOOL CZAVPDockingControlBar::Create(LPCSTR lpszCaption, CWnd* pParentWnd, const RECT& rect,
                                    BOOL bHasGripper, UINT nID, DWORD dwStyle, DWORD dwTabbedStyle,
                                    DWORD dwControlBarStyle, CCreateContext* pContext)
{
    return CreateEx(0, lpszCaption, pParentWnd, rect, bHasGripper, nID, dwStyle, dwTabbedStyle,
                    dwControlBarStyle, pContext);
}

BOOL CZAVPDockingControlBar::CreateEx(DWORD dwStyleEx, LPCSTR lpszCaption, CWnd* pParentWnd,
                                      const RECT& rect, BOOL bHasGripper, UINT nID, DWORD dwStyle,
                                      DWORD dwTabbedStyle, DWORD dwControlBarStyle,
                                      CCreateContext* pContext)
{
    // The outlook bar lives with the panes: looked up by name, so that docking needs no panes.
    if (dwTabbedStyle & ZAVP_CBRS_OUTLOOK_TABS)
        m_pTabbedControlBarRTC = CRuntimeClass::FromName("CZAVPOutlookBar");
    else if (dwTabbedStyle & ZAVP_CBRS_REGULAR_TABS)
        m_pTabbedControlBarRTC = RUNTIME_CLASS(CZAVPTabbedControlBar);
    m_bHasCaption = (dwStyle & WS_CAPTION) != 0 || bHasGripper;
    dwStyle &= ~WS_CAPTION;
    if (!CreateEx(dwStyleEx, nullptr, lpszCaption, dwStyle, rect, pParentWnd, nID,
                  dwControlBarStyle, pContext))
        return FALSE;
    m_rectRestored = rect;
    // A pane made from a dialog template is at least as large as the template made it.
    if (m_uiDlgTemplateId != 0) {
        m_rectRestored.right = std::max(m_rectRestored.right,
                                        m_rectRestored.left + m_nTemplateWidth);
        m_rectRestored.bottom = std::max(m_rectRestored.bottom,
                                         m_rectRestored.top + m_nTemplateHeight);
    }
    SetBarAlignment(dwStyle & CBRS_ALIGN_ANY);
    EnableGripper(m_bHasCaption);
    if (lpszCaption != nullptr) SetWindowText(lpszCaption);
    return TRUE;
}

BOOL CZAVPDockingControlBar::CreateEx(DWORD dwStyleEx, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                                      DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                                      DWORD dwControlBarStyle, CCreateContext* pContext)
{
    if (!CZAVPControlBar::CreateEx(dwStyleEx, lpszClassName, lpszWindowName, dwStyle, rect,
                                   pParentWnd, nID, dwControlBarStyle, pContext))
        return FALSE;
    m_recentDockInfo.m_dwRecentAlignmentToFrame = GetCurrentAlignment();
    // Panes that float together float in frames of several panes.
    if (dwStyle & CBRS_FLOAT_MULTI) m_pMiniFrameRTC = RUNTIME_CLASS(CZAVPMultiMiniFrameWnd);
    return TRUE;
}

int CZAVPDockingControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPControlBar::OnCreate(lpcs) == -1) return -1;
    SetCaptionButtons();
    if (m_wndToolTip.Create(this, TTS_ALWAYSTIP)) {
        m_wndToolTip.Activate(TRUE);
        if (globalData.m_nMaxToolTipWidth != -1)
            m_wndToolTip.SetMaxTipWidth(globalData.m_nMaxToolTipWidth);
        const CRect rectEmpty;
        m_wndToolTip.AddTool(this, LPSTR_TEXTCALLBACKA, rectEmpty, kToolClose);
        m_wndToolTip.AddTool(this, LPSTR_TEXTCALLBACKA, rectEmpty, kToolPin);
    }
    return 0;
}

void CZAVPDockingControlBar::SetCaptionButtons()
{
    for (CZAVPTitleButton* pButton : m_arrButtons) delete pButton;
    m_arrButtons.clear();
    m_arrButtons.push_back(new CZAVPTitleButton(DockLayout::kHitPaneClose, FALSE));
    m_arrButtons.push_back(new CZAVPTitleButton(DockLayout::kHitPin, FALSE));
}

// ---- caption

void CZAVPDockingControlBar::EnableGripper(BOOL bEnable)
{
    // The one caption height of docked panes: the library's text height (the regular font's,
    // padded) and a caption border above and below.
    m_nCaptionHeight = DockLayout::PaneCaptionHeight(globalData.m_nTextHeightHorz, m_bHasCaption,
                                                     bEnable);
    if (m_hWnd != nullptr) CWnd::SetWindowPos(nullptr, 0, 0, 0, 0, kFrameChanged);
}

int CZAVPDockingControlBar::GetCaptionHeight() const
{
    // In a frame of several panes the frame switches the captions (EnableGripper); a pane
    // floating alone has the frame's caption only.
    return IsFloating() && !IsInMultiMiniFrame() ? 0 : m_nCaptionHeight;
}

CRect CZAVPDockingControlBar::GetCaptionRect() const
{
    const int nHeight = GetCaptionHeight();
    if (nHeight == 0 || m_hWnd == nullptr) return CRect();
    CRect rectWnd;
    GetWindowRect(rectWnd);
    return CRect(0, 1, rectWnd.Width(), 1 + nHeight);
}

BOOL CZAVPDockingControlBar::IsInMultiMiniFrame() const
{
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame != nullptr && pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd));
}

void CZAVPDockingControlBar::ArrangeCaptionButtons(const CRect& rectCaption)
{
    BOOL bAutoHideAllowed = FALSE;
    if (CZAVPSlider* pSlider = GetDefaultSlider())
        if (CZAVPDockManager* pManager = GetDockManager())
            bAutoHideAllowed = m_bAutoHideMode ||
                               pManager->IsAutoHideAllowed(pSlider->GetCurrentAlignment());
    std::vector<DockLayout::CaptionButton> layout;
    for (CZAVPTitleButton* pButton : m_arrButtons) {
        pButton->m_bPushed = FALSE;
        pButton->m_bFocused = FALSE;
        pButton->m_bHidden = !DockLayout::PaneButtonVisible(
            pButton->GetHitTest(), GetControlBarStyle(), bAutoHideAllowed, m_bHideDisabledButtons);
        layout.push_back(
            {pButton->GetHitTest(), pButton->m_bHidden, pButton->m_bLeftAlign, {0, 0}});
    }
    DockLayout::ArrangePaneCaptionButtons(layout, rectCaption, CZAVPTitleButton::GetSize(),
                                          m_nCaptionOffset);
    for (size_t i = 0; i < m_arrButtons.size(); ++i) m_arrButtons[i]->m_ptOrg = layout[i].pt;
    m_nHighlightedButton = m_nPressedButton = 0;
}

void CZAVPDockingControlBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CZAVPControlBar::OnNcCalcSize(bCalcValidRects, lpncsp);
    const int nCaption = GetCaptionHeight();
    if (nCaption == 0) {
        for (CZAVPTitleButton* pButton : m_arrButtons) pButton->m_bHidden = TRUE;
        return;
    }
    RECT& rc = lpncsp->rgrc[0];
    const CRect rectCaption(0, 1, rc.right - rc.left, 1 + nCaption);
    rc.top = std::min<LONG>(rc.top + nCaption, rc.bottom);
    ArrangeCaptionButtons(rectCaption);
    UpdateTooltips();
}

void CZAVPDockingControlBar::UpdateTooltips()
{
    if (!HasWindow(&m_wndToolTip)) return;
    for (CZAVPTitleButton* pButton : m_arrButtons) {
        const UINT nTool = pButton->GetHitTest() == DockLayout::kHitPaneClose ? kToolClose
                                                                              : kToolPin;
        // The tool rectangles are the client coordinates of the buttons.
        CRect rect = pButton->GetRect();
        rect.OffsetRect(0, -GetCaptionHeight());
        m_wndToolTip.SetToolRect(this, nTool, rect);
    }
}

void CZAVPDockingControlBar::DrawCaption(CDC* pDC, CRect rectCaption)
{
    CRect rectButtons;
    for (const CZAVPTitleButton* pButton : m_arrButtons)
        if (!pButton->m_bHidden) rectButtons.UnionRect(rectButtons, pButton->GetRect());
    const COLORREF clrText = CZAVPVisualManager::GetInstance()->OnFillBarCaption(
        pDC, this, m_bActive, rectCaption, rectButtons);
    for (CZAVPTitleButton* pButton : m_arrButtons) pButton->m_clrForeground = clrText;

    std::vector<DockLayout::CaptionButton> layout;
    for (const CZAVPTitleButton* pButton : m_arrButtons)
        layout.push_back(
            {pButton->GetHitTest(), pButton->m_bHidden, pButton->m_bLeftAlign, pButton->m_ptOrg});
    const CRect rectText = DockLayout::CaptionTextRect(
        rectCaption, layout, CZAVPTitleButton::GetSize(), 0, 2 * kCaptionBorder);
    CString strText;
    GetWindowText(strText);
    CFont* pOldFont = pDC->SelectObject(&globalData.fontRegular);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    CRect rectDraw = rectText;
    pDC->DrawText(strText, rectDraw, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    pDC->SetTextColor(clrOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
}

void CZAVPDockingControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWnd;
    GetWindowRect(rectWnd);
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectWnd.left, -rectWnd.top);
    dc.ExcludeClipRect(rectClient);
    if (!m_rectRedraw.IsRectEmpty()) dc.IntersectClipRect(m_rectRedraw);
    rectWnd.OffsetRect(-rectWnd.left, -rectWnd.top);
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(&dc, this, rectWnd, rectWnd, TRUE);
    const int nCaption = GetCaptionHeight();
    if (nCaption == 0) return;
    const CRect rectCaption(0, 1, rectWnd.Width(), nCaption - 1);
    DrawCaption(&dc, rectCaption);
    for (CZAVPTitleButton* pButton : m_arrButtons) {
        const BOOL bPinned = pButton->GetHitTest() == DockLayout::kHitPin && m_bAutoHideMode;
        pButton->OnDraw(&dc, m_bActive, IsHorizontal(), bPinned, FALSE);
    }
    for (CZAVPTitleButton* pButton : m_arrButtons) pButton->m_clrForeground = (COLORREF)-1;
}

void CZAVPDockingControlBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rectClient;
    GetClientRect(rectClient);
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(&dc, this, rectClient, rectClient,
                                                           FALSE);
}

void CZAVPDockingControlBar::RedrawButton(const CZAVPTitleButton* pButton)
{
    if (pButton == nullptr || m_hWnd == nullptr) return;
    m_rectRedraw = pButton->GetRect();
    SendMessage(WM_NCPAINT);
    m_rectRedraw.SetRectEmpty();
    UpdateWindow();
}

// ---- hit tests

int CZAVPDockingControlBar::HitTest(CPoint point, BOOL bDetectCaption)
{
    DockLayout::PaneHitQuery q = {};
    CRect rectWnd, rectClient;
    GetWindowRect(rectWnd);
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    q.rectWindow = rectWnd;
    q.rectClient = rectClient;
    q.nCaptionHeight = GetCaptionHeight();
    q.bFloating = IsFloating();
    CZAVPDockManager* pManager = GetDockManager();
    q.bLocked = pManager != nullptr && pManager->m_bLockUpdate;
    std::vector<DockLayout::CaptionButton> buttons;
    for (const CZAVPTitleButton* pButton : m_arrButtons)
        buttons.push_back(
            {pButton->GetHitTest(), pButton->m_bHidden, pButton->m_bLeftAlign, pButton->m_ptOrg});
    q.pButtons = &buttons;
    q.sizeButton = CZAVPTitleButton::GetSize();
    return DockLayout::PaneHitTest(point, q, bDetectCaption);
}

int CZAVPDockingControlBar::HitTestForDocking(CPoint point, int nSensitivity)
{
    if (HitTest(point, TRUE) == HTCAPTION) return ZAVP_DOCKHIT_TAB;
    CRect rectTop, rectBottom;
    GetTabArea(rectTop, rectBottom);
    if (rectTop.PtInRect(point) || rectBottom.PtInRect(point)) return ZAVP_DOCKHIT_TAB;
    CRect rect;
    GetWindowRect(rect);
    rect.top += GetCaptionHeight();
    rect.DeflateRect(nSensitivity, nSensitivity);
    return rect.PtInRect(point) ? ZAVP_DOCKHIT_NONE : ZAVP_DOCKHIT_BESIDE;
}

void CZAVPDockingControlBar::GetTabArea(CRect& rectTabAreaTop, CRect& rectTabAreaBottom) const
{
    rectTabAreaTop.SetRectEmpty();
    rectTabAreaBottom.SetRectEmpty();
}

LRESULT CZAVPDockingControlBar::OnNcHitTest(CPoint point)
{
    const int nHit = HitTest(point, FALSE);
    if (nHit == DockLayout::kHitDefault) return Default();
    return nHit;
}

// ---- caption buttons

CZAVPTitleButton* CZAVPDockingControlBar::FindCaptionButton(UINT nHit) const
{
    for (CZAVPTitleButton* pButton : m_arrButtons)
        if (pButton->GetHitTest() == nHit) return pButton;
    return nullptr;
}

void CZAVPDockingControlBar::EnableCaptionButton(UINT nHit, BOOL bEnable)
{
    if (CZAVPTitleButton* pButton = FindCaptionButton(nHit)) pButton->m_bEnabled = bEnable;
}

void CZAVPDockingControlBar::OnTrackCaptionButtons(CPoint point)
{
    const int nHit = HitTest(point, FALSE);
    const UINT nUnder = FindCaptionButton((UINT)nHit) != nullptr ? (UINT)nHit : 0;
    const DockLayout::CaptionTrackStep step = DockLayout::TrackCaptionButtons(
        {m_nHighlightedButton, m_nPressedButton}, nUnder);
    m_nHighlightedButton = step.nHighlighted;
    if (CZAVPTitleButton* pNew = FindCaptionButton(step.nRedrawNew)) {
        pNew->m_bFocused = step.bFocused;
        RedrawButton(pNew);
    }
    if (CZAVPTitleButton* pOld = FindCaptionButton(step.nRedrawOld)) {
        pOld->m_bFocused = FALSE;
        RedrawButton(pOld);
    }
    if (step.bCapture && !m_bCaptionButtonsCaptured) {
        SetCapture();
        m_bCaptionButtonsCaptured = TRUE;
    } else if (step.bRelease && m_bCaptionButtonsCaptured) {
        m_bCaptionButtonsCaptured = FALSE;
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    }
}

void CZAVPDockingControlBar::StopCaptionButtonsTracking()
{
    CZAVPTitleButton* pPressed = FindCaptionButton(m_nPressedButton);
    CZAVPTitleButton* pHighlighted = FindCaptionButton(m_nHighlightedButton);
    m_nPressedButton = m_nHighlightedButton = 0;
    if (m_bCaptionButtonsCaptured) {
        m_bCaptionButtonsCaptured = FALSE;
        if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    }
    if (pPressed != nullptr) {
        pPressed->m_bPushed = FALSE;
        RedrawButton(pPressed);
    }
    if (pHighlighted != nullptr) {
        pHighlighted->m_bFocused = FALSE;
        RedrawButton(pHighlighted);
    }
}

void CZAVPDockingControlBar::OnPressCloseButton()
{
    if (m_bAutoHideMode) SetAutoHideMode(FALSE, GetCurrentAlignment());
    ShowControlBar(FALSE, FALSE, FALSE);
    AdjustDockingLayout();
}

void CZAVPDockingControlBar::OnPressPinButton()
{
    CFrameWnd* pFrame = GetPaneFrame();
    const BOOL bWholeSide = (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0 && GetRecentStateFlag();
    if (!bWholeSide) {
        SetAutoHideMode(!m_bAutoHideMode, GetCurrentAlignment());
        return;
    }
    if (pFrame != nullptr) pFrame->SetRedraw(FALSE);
    if (m_bAutoHideMode) {
        if (CZAVPAutoHideToolBar* pStrip = m_pAutoHideBar)
            if (CZAVPAutoHideDockBar* pDockBar = pStrip->GetAutoHideDockBar())
                pDockBar->UnSetAutoHideMode(nullptr);
    } else if (CZAVPSlider* pSlider = GetDefaultSlider()) {
        // Every pane of the side goes; the slider may go with the last of them.
        std::vector<HWND> panes;
        const CObList& bars = pSlider->GetContainerManager()->GetControlBars();
        for (CZAVPDockingControlBar* pPane : ListOf<CZAVPDockingControlBar>(bars))
            panes.push_back(pPane->GetSafeHwnd());
        const DWORD dwAlignment = GetCurrentAlignment();
        for (HWND hPane : panes) {
            CWnd* pWnd = CWnd::FromHandlePermanent(hPane);
            if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
                static_cast<CZAVPDockingControlBar*>(pWnd)->SetAutoHideMode(TRUE, dwAlignment);
        }
    }
    if (pFrame != nullptr) {
        pFrame->SetRedraw(TRUE);
        pFrame->RedrawWindow(nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_FRAME);
    }
}

// ---- mouse

void CZAVPDockingControlBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    if (!m_floatDrag.IsActive()) OnTrackCaptionButtons(point);
    CZAVPControlBar::OnNcMouseMove(nHitTest, point);
}

void CZAVPDockingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (FindCaptionButton(nHitTest) != nullptr && !IsFloating()) {
        // A button press is handled as a client press once the mouse is captured.
        if (m_nHighlightedButton == 0) OnTrackCaptionButtons(point);
        CPoint ptClient = point;
        ScreenToClient(&ptClient);
        OnLButtonDown(MK_LBUTTON, ptClient);
        return;
    }
    if (IsFloating()) CZAVPControlBar::OnNcLButtonDown(nHitTest, point);
}

void CZAVPDockingControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nHighlightedButton != 0) {
        m_nPressedButton = m_nHighlightedButton;
        if (CZAVPTitleButton* pButton = FindCaptionButton(m_nPressedButton)) {
            pButton->m_bPushed = TRUE;
            RedrawButton(pButton);
        }
        if (!m_bCaptionButtonsCaptured) {
            SetCapture();
            m_bCaptionButtonsCaptured = TRUE;
        }
        return;
    }
    // A pane with a single child hands it the focus.
    CWnd* pChild = GetWindow(GW_CHILD);
    if (pChild != nullptr && pChild->GetWindow(GW_HWNDNEXT) == nullptr &&
        pChild->GetSafeHwnd() != m_wndToolTip.GetSafeHwnd())
        pChild->SetFocus();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (!m_bAutoHideMode && !IsTabbed() && CanFloat() && !IsFloating() &&
        HitTest(ptScreen, TRUE) == HTCAPTION)
    {
        // The pane floats once the cursor leaves its window by the system's drag size; a press
        // that began outside the window never floats it.
        CRect rectWnd;
        GetWindowRect(rectWnd);
        DockLayout::DragSettings settings = {};
        settings.bImmediate = GetDockMode() == ZAVP_DOCK_IMMEDIATE;
        settings.bWatchButton = settings.bImmediate;
        settings.bMayMove = rectWnd.PtInRect(ptScreen);
        rectWnd.InflateRect(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
        settings.rectHold = rectWnd;
        m_ptDragStart = ptScreen;
        m_floatDrag.Begin(this, this, nullptr, settings);
    }
    if (pChild == nullptr) SetFocus();
    (void)nFlags;
}

void CZAVPDockingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    if (m_floatDrag.IsActive()) {
        const DockLayout::DragStep step = m_floatDrag.Feed(DockLayout::DragEvent::Move);
        // A drag handed on to the docked pane ends with the hold.
        if (step.bEnded) m_drag.Stop();
        if (!step.bStarted) return;
        // The drag goes on in the pane's mini frame.
        m_floatDrag.Stop();
        StoreRecentDockInfo();
        CRect rectFloat = m_recentDockInfo.m_rectRecentFloatingRect;
        rectFloat.OffsetRect(ptScreen - rectFloat.TopLeft());
        FloatControlBar(rectFloat, ZAVP_DM_MOUSE, TRUE);
        return;
    }
    if (m_bCaptionButtonsCaptured || m_nHighlightedButton != 0) OnTrackCaptionButtons(ptScreen);
    (void)nFlags;
}

void CZAVPDockingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nPressedButton != 0) {
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        const UINT nPressed = m_nPressedButton;
        const int nUnder = HitTest(ptScreen, FALSE);
        StopCaptionButtonsTracking();
        if ((UINT)nUnder != nPressed) return;
        switch (nPressed) {
        case DockLayout::kHitPaneClose: OnPressCloseButton(); break;
        case DockLayout::kHitPin: OnPressPinButton(); break;
        default: OnPressButtons(nPressed); break;
        }
        return;
    }
    if (m_floatDrag.IsActive()) {
        // A press released before it became a drag was a click; a drag handed on to the docked
        // pane ends here too.
        m_floatDrag.Feed(DockLayout::DragEvent::Release);
        m_drag.Stop();
        return;
    }
    CZAVPControlBar::OnLButtonUp(nFlags, point);
}

void CZAVPDockingControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const int nHit = HitTest(ptScreen, TRUE);
    // Every pane of a frame of several floats, also those the frame does not host by handle.
    const BOOL bFloating = GetParentMiniFrame(TRUE) != nullptr && !IsTabbed();
    if (m_bAutoHideMode || FindCaptionButton((UINT)nHit) != nullptr ||
        (nHit != HTCAPTION && !bFloating))
        return;
    m_floatDrag.Stop();
    StoreRecentDockInfo();
    if (bFloating)
        DockControlBar(nullptr, ZAVP_DM_RECENT, nullptr);
    else if (CanFloat())
        FloatControlBar(m_recentDockInfo.m_rectRecentFloatingRect, ZAVP_DM_DBL_CLICK, TRUE);
    (void)nFlags;
}

void CZAVPDockingControlBar::OnCancelMode()
{
    StopCaptionButtonsTracking();
    m_floatDrag.Stop();
    CZAVPControlBar::OnCancelMode();
}

void CZAVPDockingControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    CZAVPControlBar::OnRButtonDown(nFlags, point);
}

void CZAVPDockingControlBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (m_floatDrag.IsActive()) return;
    CZAVPControlBar::OnContextMenu(pWnd, point);
}

void CZAVPDockingControlBar::OnClose() { DestroyWindow(); }

void CZAVPDockingControlBar::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    if (m_bHasCaption) EnableGripper(TRUE);
}

LRESULT CZAVPDockingControlBar::OnSetText(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    CWnd* pParent = GetParent();
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabWnd))) {
        // A tab shows the pane's text in its place: a renamed pane renames its tab.
        CZAVPBaseTabWnd* pTabWnd = static_cast<CZAVPBaseTabWnd*>(pParent);
        const int iTab = pTabWnd->GetTabFromHwnd(m_hWnd);
        CString strText, strLabel;
        GetWindowText(strText);
        if (iTab >= 0 && (!pTabWnd->GetTabLabel(iTab, strLabel) || strLabel != strText))
            pTabWnd->SetTabLabel(iTab, strText);
    } else if (m_bAutoHideMode && HasWindow(m_pAutoHideBar)) {
        m_pAutoHideBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        AdjustDockingLayout();
    } else if (CZAVPMiniFrameWnd* pMiniFrame = IsFloating() ? GetParentMiniFrame(TRUE) : nullptr)
        pMiniFrame->SetWindowPos(nullptr, 0, 0, 0, 0, kFrameChanged);
    else if (m_hWnd != nullptr)
        CWnd::SetWindowPos(nullptr, 0, 0, 0, 0, kFrameChanged);
    return lResult;
}

BOOL CZAVPDockingControlBar::OnNeedTipText(UINT, NMHDR* pNMH, LRESULT* pResult)
{
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMH);
    const BOOL bCtrl = (::GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
    const UINT nString = DockLayout::PaneButtonTip((UINT)pNMH->idFrom, bCtrl, GetRecentStateFlag());
    static CString s_strTip;
    s_strTip.LoadString(nString);
    pInfo->lpszText = const_cast<LPSTR>((LPCSTR)s_strTip);
    *pResult = 0;
    return TRUE;
}

BOOL CZAVPDockingControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (HasWindow(&m_wndToolTip) && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_wndToolTip.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE && IsDragMode() &&
        GetDockMode() == ZAVP_DOCK_STANDARD)
    {
        PostMessage(WM_CANCELMODE);
        return TRUE;
    }
    return CZAVPControlBar::PreTranslateMessage(pMsg);
}

void CZAVPDockingControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL bDisableIfNoHndler)
{
    UpdateDialogControls(this, bDisableIfNoHndler);
    const HWND hFocus = ::GetFocus();
    const BOOL bActive = hFocus != nullptr && (hFocus == m_hWnd || ::IsChild(m_hWnd, hFocus));
    if (bActive != m_bActive) {
        m_bActive = bActive;
        SendMessage(WM_NCPAINT);
    }
}

void CZAVPDockingControlBar::OnDestroy()
{
    KillSlideTimers();
    if (m_bAutoHideMode && HasWindow(m_pAutoHideBar)) {
        // The strip lets go of the pane's button before the pane goes.
        m_pAutoHideBar->RemoveAutoHideButton(this);
        m_pAutoHideBar = nullptr;
        m_pAutoHideButton = nullptr;
    }
    if (!IsFloating()) UndockControlBar(TRUE);
    // A destroyed pane comes back nowhere: a side kept for it goes.
    ForgetDockedPlace();
    if (HasWindow(&m_wndToolTip)) m_wndToolTip.DestroyWindow();
    CZAVPControlBar::OnDestroy();
}

// ---- sizes and layout

CSize CZAVPDockingControlBar::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect;
    if (m_hWnd != nullptr) GetWindowRect(rect);
    return rect.Size();
}

void CZAVPDockingControlBar::RecalcLayout()
{
    // The pane's children lay themselves out on WM_SIZE.
}

BOOL CZAVPDockingControlBar::IsVisible() const
{
    if (m_bAutoHideMode) {
        if (!m_bHideInAutoHideMode) return FALSE;
        return HasWindow(m_pAutoHideBar) && m_pAutoHideBar->IsVisible();
    }
    return CZAVPControlBar::IsVisible();
}

BOOL CZAVPDockingControlBar::CanAcceptBar(const CZAVPBaseControlBar* pBar) const
{
    if (pBar == nullptr) return FALSE;
    if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar))) return TRUE;
    CWnd* pParent = pBar->GetSafeHwnd() ? pBar->GetParent() : nullptr;
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar));
}

// ---- docking beside sliders

CFrameWnd* CZAVPDockingControlBar::GetPaneFrame() const
{
    if (m_pDockSite != nullptr) return m_pDockSite;
    return m_hWnd != nullptr ? GetParentFrame() : nullptr;
}

CRect CZAVPDockingControlBar::RectInDockSite() const
{
    CRect rect;
    if (m_hWnd == nullptr) return rect;
    GetWindowRect(rect);
    if (CFrameWnd* pFrame = GetPaneFrame()) pFrame->ScreenToClient(rect);
    return rect;
}

CZAVPSlider* CZAVPDockingControlBar::GetDefaultSlider() const
{
    if (m_hDefaultSlider == nullptr || !::IsWindow(m_hDefaultSlider)) return nullptr;
    CWnd* pWnd = CWnd::FromHandlePermanent(m_hDefaultSlider);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPSlider))
               ? static_cast<CZAVPSlider*>(pWnd)
               : nullptr;
}

void CZAVPDockingControlBar::SetDefaultSlider(HWND hSlider)
{
    if (hSlider == m_hDefaultSlider) return;
    CZAVPSlider* pOld = GetDefaultSlider();
    m_hDefaultSlider = hSlider;
    if (hSlider != nullptr) ForgetDockedPlace();
    // The previous slider lets go of the pane (and may destroy itself doing so).
    if (pOld != nullptr && pOld->GetSafeHwnd() != hSlider) pOld->RemoveControlBar(this);
}

CZAVPSlider* CZAVPDockingControlBar::CreateSlider(DWORD dwAlignment, CWnd* pParentWnd,
                                                  CRuntimeClass* pSliderClass)
{
    if (pParentWnd == nullptr) return nullptr;
    CZAVPSlider* pSlider = nullptr;
    if (pSliderClass != nullptr) {
        CObject* pObject = pSliderClass->CreateObject();
        if (pObject != nullptr && pObject->IsKindOf(RUNTIME_CLASS(CZAVPSlider)))
            pSlider = static_cast<CZAVPSlider*>(pObject);
        else
            delete pObject;
        if (pSlider != nullptr) {
            pSlider->InitDefault(pParentWnd);
            pSlider->SetAutoHideMode(TRUE);
        }
    }
    if (pSlider == nullptr) pSlider = new CZAVPSlider(TRUE, pParentWnd);
    const DWORD dwStyle = (dwAlignment & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT))
                              ? CZAVPSlider::SS_VERT
                              : CZAVPSlider::SS_HORZ;
    const int nID = DockLayout::ChooseSliderId(CZAVPContainerLayout::m_nNextSliderID, -1, {});
    BOOL bCreated = FALSE;
    try {
        bCreated = pSlider->CreateEx(
            0, dwStyle | WS_VISIBLE | (dwAlignment & CBRS_ALIGN_ANY),
            CRect(0, 0, CZAVPSlider::kDefaultWidth, CZAVPSlider::kDefaultWidth), pParentWnd,
            (UINT)nID);
    } catch (CException* e) {
        e->Delete();
    }
    if (!bCreated) {
        if (HasWindow(pSlider))
            pSlider->DestroyWindow();
        else
            delete pSlider;
        return nullptr;
    }
    pSlider->SetBarAlignment(dwAlignment);
    return pSlider;
}

BOOL CZAVPDockingControlBar::DockToFrameEdge(DWORD dwAlignment, LPCRECT lpRect, int,
                                             CZAVPBaseControlBar*, int nPercent, BOOL bOuterEdge)
{
    CFrameWnd* pFrame = GetPaneFrame();
    CZAVPDockManager* pManager = GetDockManager();
    dwAlignment &= CBRS_ALIGN_ANY;
    if (pFrame == nullptr || pManager == nullptr || dwAlignment == 0) return FALSE;
    if ((dwAlignment & (dwAlignment - 1)) != 0) return FALSE;  // exactly one side

    UndockControlBar(TRUE);
    if (GetParent() != pFrame) {
        CWnd* pOldParent = GetParent();
        OnBeforeChangeParent(pFrame, FALSE);
        SetParent(pFrame);
        OnAfterChangeParent(pOldParent);
    }
    CZAVPSlider* pSlider = CreateSlider(dwAlignment, pFrame);
    if (pSlider == nullptr) return FALSE;

    SetBarAlignment(dwAlignment);
    m_hDefaultSlider = pSlider->GetSafeHwnd();
    ForgetDockedPlace();
    CRect rect = lpRect != nullptr ? CRect(*lpRect) : RectInDockSite();
    if (rect.IsRectEmpty()) rect = CRect(0, 0, m_sizeMin.cx, m_sizeMin.cy);
    if (nPercent > 0 && nPercent <= 100) m_nPercent = nPercent;
    CWnd::SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
    pSlider->AddControlBar(this);
    // The container's room starts as the pane; the frame's layout sizes it along the side.
    HDWP hdwp = nullptr;
    pSlider->GetContainerManager()->ResizeContainers(rect, hdwp);
    pManager->AddControlBar(pSlider, TRUE, FALSE, bOuterEdge);
    pManager->AddControlBar(this);
    ShowWindow(SW_SHOW);
    pSlider->ShowIfAnyBarVisible();
    EnableGripper(TRUE);
    AdjustDockingLayout();
    return TRUE;
}

BOOL CZAVPDockingControlBar::AttachToSlider(CZAVPDockingControlBar* pTarget, int, DWORD dwAlignment)
{
    CZAVPSlider* pSlider = pTarget != nullptr ? pTarget->GetDefaultSlider() : nullptr;
    if (pSlider == nullptr || pTarget == this) {
        ShowWindow(SW_SHOW);
        return FALSE;
    }
    CFrameWnd* pFrame = GetPaneFrame();
    if (dwAlignment == 0) dwAlignment = ContinuingSide(pSlider->GetCurrentAlignment());
    UndockControlBar(TRUE);
    if (GetParent() != pFrame) {
        CWnd* pOldParent = GetParent();
        OnBeforeChangeParent(pFrame, FALSE);
        SetParent(pFrame);
        OnAfterChangeParent(pOldParent);
    }
    // The pane must be shown to take part in the split.
    ShowWindow(SW_SHOW);
    if (!pSlider->InsertControlBar(this, pTarget, dwAlignment)) {
        // No room beside the target: the pane takes a side of its own rather than float loose.
        DockToFrameEdge(pSlider->GetCurrentAlignment(), nullptr, ZAVP_DM_MOUSE, nullptr, -1, FALSE);
        return FALSE;
    }
    InsertControlBar(pTarget, TRUE);
    m_hDefaultSlider = pSlider->GetSafeHwnd();
    ForgetDockedPlace();
    SetBarAlignment(pSlider->GetCurrentAlignment());
    EnableGripper(TRUE);
    if (CZAVPDockManager* pManager = GetDockManager()) pManager->RecalcLayout();
    AdjustDockingLayout();
    return TRUE;
}

BOOL CZAVPDockingControlBar::ReconnectSliderPanes(CZAVPContainerLayout* pManager, DWORD dwAlignment,
                                                  CZAVPDockingControlBar*)
{
    CZAVPSlider* pSlider = GetDefaultSlider();
    if (pSlider == nullptr || pManager == nullptr || m_hWnd == nullptr) return FALSE;
    const CObList& bars = pManager->GetControlBars();
    for (POSITION pos = bars.GetHeadPosition(); pos != nullptr;) {
        CZAVPDockingControlBar* pBar = static_cast<CZAVPDockingControlBar*>(bars.GetNext(pos));
        pBar->InsertControlBar(this, TRUE);
        if (pBar->GetDefaultSlider() != pSlider) pBar->m_hDefaultSlider = nullptr;
        pBar->m_hDefaultSlider = pSlider->GetSafeHwnd();
        pBar->ForgetDockedPlace();
        pBar->SetBarAlignment(GetCurrentAlignment());
    }
    return pSlider->AddContainerManager(*pManager, this, dwAlignment);
}

BOOL CZAVPDockingControlBar::ReplaceControlBar(CZAVPDockingControlBar* pOther,
                                               BOOL bAddToDockManager)
{
    if (pOther == nullptr) return FALSE;
    // A floating pane's place is its mini frame's: the other pane takes it there.
    CZAVPMiniFrameWnd* pMiniFrame = IsTabbed() ? nullptr : GetParentMiniFrame(TRUE);
    if (pMiniFrame != nullptr) {
        if (pOther->GetParent() != pMiniFrame) pOther->SetParent(pMiniFrame);
        pMiniFrame->ReplaceControlBar(this, pOther);
        pMiniFrame->RecalcLayout();
        return TRUE;
    }
    CZAVPSlider* pSlider = GetDefaultSlider();
    if (pSlider == nullptr) return FALSE;
    pSlider->ReplaceControlBar(this, pOther);
    m_hDefaultSlider = nullptr;
    RemoveControlBarFromDockManager(FALSE, FALSE, FALSE);
    if (bAddToDockManager)
        if (CZAVPDockManager* pManager = GetDockManager()) pManager->AddControlBar(pOther);
    return TRUE;
}

void CZAVPDockingControlBar::UndockControlBar(BOOL bDelay)
{
    if (IsFloating()) return;  // the mini frame lets go of its bars itself
    CZAVPSlider* pSlider = GetDefaultSlider();
    m_hDefaultSlider = nullptr;
    if (pSlider == nullptr) return;
    // The slider may destroy itself with its last pane: it is not touched after this call.
    pSlider->RemoveControlBar(this);
    if (!bDelay) AdjustDockingLayout();
}

void CZAVPDockingControlBar::StoreRecentDockInfo()
{
    if (CZAVPSlider* pSlider = GetDefaultSlider()) {
        if (m_bAutoHideMode) return;  // the auto-hide slider is no place to come back to
        m_hRecentSlider = pSlider->GetSafeHwnd();
        m_dwRecentSliderAlignment = pSlider->GetCurrentAlignment();
        m_rectRecentDocked = RectInDockSite();
        m_nRecentPercent = m_nPercent;
        m_recentDockInfo.m_dwRecentAlignmentToFrame = m_dwRecentSliderAlignment;
        return;
    }
    // Any pane of a frame of several floats, whether or not the frame hosts it by handle.
    if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE)) {
        pMiniFrame->GetWindowRect(m_recentDockInfo.m_rectRecentFloatingRect);
        // The frame remembered before may have been kept only for this pane: it looks again.
        const HWND hEarlier = m_recentDockInfo.m_hRecentMiniFrame;
        if (hEarlier != nullptr && hEarlier != pMiniFrame->GetSafeHwnd() && ::IsWindow(hEarlier))
            ::PostMessage(hEarlier, ZAVPRegisteredMessages::CheckEmptyMiniFrame, 0, 0);
        m_recentDockInfo.m_hRecentMiniFrame = pMiniFrame->GetSafeHwnd();
        m_recentDockInfo.m_recentFloatingRecord.Clear();
        pMiniFrame->StoreRecentContainer(this);
        // Among other panes the pane has a newer floating place than a group it left; alone in
        // a frame (one made by taking it out) it has not.
        if (pMiniFrame->HasControlBar() > 1) m_recentDockInfo.m_hRecentFloatingTabbedBar = nullptr;
        return;
    }
    // A tab of a docked group keeps the floating place it had before it joined the group: a
    // double click on its tab floats it back there.
    if (IsTabbed()) return;
    m_recentDockInfo.m_hRecentMiniFrame = nullptr;
    m_recentDockInfo.m_recentFloatingRecord.Clear();
}

CZAVPMultiMiniFrameWnd* CZAVPDockingControlBar::GetRecentMultiMiniFrame() const
{
    const HWND hRecent = m_recentDockInfo.m_hRecentMiniFrame;
    CWnd* pWnd = hRecent != nullptr && ::IsWindow(hRecent) ? CWnd::FromHandlePermanent(hRecent)
                                                           : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd))
               ? static_cast<CZAVPMultiMiniFrameWnd*>(pWnd)
               : nullptr;
}

BOOL CZAVPDockingControlBar::FloatControlBar(CRect rect, int nDockMethod, BOOL bShow)
{
    // Floated again by a double click, a pane goes back to the frame of several panes it left,
    // into its old place there, while both still exist. A drag makes a new frame under the
    // cursor instead, and a stored layout names its own frames.
    const BOOL bFloatAgain = nDockMethod == ZAVP_DM_DBL_CLICK && CanFloat() && !m_bAutoHideMode &&
                             !IsTabbed() && GetParentMiniFrame(TRUE) == nullptr;
    CZAVPMultiMiniFrameWnd* pRecent = bFloatAgain ? GetRecentMultiMiniFrame() : nullptr;
    // Docked since it was taken out of a floating group, the pane goes back among its tabs.
    if (bFloatAgain && GetDefaultSlider() != nullptr &&
        (pRecent == nullptr || !pRecent->CanDockRecentControlBar(this)))
        if (CZAVPMultiMiniFrameWnd* pGroupFrame = GetRecentGroupFrame()) pRecent = pGroupFrame;
    // Docking back (a double click on the floating pane) returns it where it is docked now.
    if (nDockMethod != ZAVP_DM_MOUSE && GetDefaultSlider() != nullptr && !m_bAutoHideMode)
        StoreRecentDockInfo();
    // Floating from a side, the pane keeps its place in the side's tree to come back to.
    CZAVPSlider* pLeft = !m_bAutoHideMode ? GetDefaultSlider() : nullptr;
    if (pLeft != nullptr) pLeft->StoreRecentDockInfo(this);
    if (pRecent != nullptr && pRecent->CanDockRecentControlBar(this)) {
        UndockControlBar(TRUE);
        if (pRecent->DockRecentControlBarToMiniFrame(this, m_recentDockInfo)) {
            if (IsTabbed()) {
                AdjustDockingLayout();
                return TRUE;
            }
            m_dwStyle |= CBRS_FLOATING;
            OnAfterFloat();
            AdjustDockingLayout();
            return TRUE;
        }
    } else if (pRecent == nullptr && GetParentMiniFrame(TRUE) == nullptr) {
        // The frame is gone: the place in its tree (now in another tree, or deleted) is let go.
        m_recentDockInfo.m_recentFloatingRecord.Clear();
    }
    const BOOL bFloated = CZAVPControlBar::FloatControlBar(rect, nDockMethod, bShow);
    if (pLeft != nullptr && !bFloated && GetDefaultSlider() == pLeft) ForgetDockedPlace();
    return bFloated;
}

void CZAVPDockingControlBar::ForgetDockedPlace()
{
    // Docked somewhere, the pane lets go of the place it left; a side kept only for that place
    // goes.
    m_recentDockInfo.m_recentDockedRecord.Clear();
    m_recentDockInfo.m_hRecentTabbedBar = nullptr;
}

void CZAVPDockingControlBar::StoreRecentTabInfo()
{
    // In a tabbed group, or just taken out of its tab window, the pane's recent place is the
    // group.
    CWnd* pTabWnd = m_hWnd != nullptr ? GetParent() : nullptr;
    CWnd* pGroup = pTabWnd != nullptr && pTabWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabWnd))
                       ? pTabWnd->GetParent()
                       : nullptr;
    if (pGroup != nullptr && pGroup->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
        m_recentDockInfo.m_hRecentTabbedBar = pGroup->GetSafeHwnd();
    StoreRecentDockInfo();
    // A group floating in a frame of several panes is where the pane floats again.
    if (pGroup != nullptr && pGroup->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) {
        CZAVPMiniFrameWnd* pMiniFrame =
            static_cast<CZAVPBaseTabbedBar*>(pGroup)->GetParentMiniFrame(TRUE);
        m_recentDockInfo.m_hRecentFloatingTabbedBar = pMiniFrame != nullptr &&
                                                              pMiniFrame->IsKindOf(RUNTIME_CLASS(
                                                                  CZAVPMultiMiniFrameWnd))
                                                          ? pGroup->GetSafeHwnd()
                                                          : nullptr;
    }
}

CZAVPMultiMiniFrameWnd* CZAVPDockingControlBar::GetRecentGroupFrame() const
{
    const HWND hGroup = m_recentDockInfo.m_hRecentFloatingTabbedBar;
    CWnd* pWnd = hGroup != nullptr && ::IsWindow(hGroup) ? CWnd::FromHandlePermanent(hGroup)
                                                         : nullptr;
    if (pWnd == nullptr || pWnd == this || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
        return nullptr;
    // A hidden group is closed or letting its tabs go: it takes none back.
    CZAVPBaseTabbedBar* pGroup = static_cast<CZAVPBaseTabbedBar*>(pWnd);
    if (!(pGroup->GetStyle() & WS_VISIBLE) || !pGroup->CanAcceptBar(this)) return nullptr;
    CZAVPMiniFrameWnd* pMiniFrame = pGroup->GetParentMiniFrame(TRUE);
    return pMiniFrame != nullptr && pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd))
               ? static_cast<CZAVPMultiMiniFrameWnd*>(pMiniFrame)
               : nullptr;
}

CZAVPBaseTabbedBar* CZAVPDockingControlBar::GetRecentTabbedBar() const
{
    const HWND hGroup = m_recentDockInfo.m_hRecentTabbedBar;
    CWnd* pWnd = hGroup != nullptr && ::IsWindow(hGroup) ? CWnd::FromHandlePermanent(hGroup)
                                                         : nullptr;
    if (pWnd == nullptr || pWnd == this || !pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
        return nullptr;
    // A hidden group is closed or letting its tabs go: it takes none back.
    CZAVPBaseTabbedBar* pGroup = static_cast<CZAVPBaseTabbedBar*>(pWnd);
    return (pGroup->GetStyle() & WS_VISIBLE) && pGroup->CanAcceptBar(this) ? pGroup : nullptr;
}

void CZAVPDockingControlBar::MoveToRecentDockedRect()
{
    const CRect rect = m_rectRecentDocked;
    if (rect.IsRectEmpty() || m_hWnd == nullptr) return;
    CWnd::SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL CZAVPDockingControlBar::DockPaneByMouse(CZAVPDockingControlBar* pTarget)
{
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    if (pTarget == nullptr) {
        DWORD dwAlignment = 0;
        BOOL bOuterEdge = FALSE;
        if (!IsPointNearDockBar(ptCursor, dwAlignment, bOuterEdge)) return FALSE;
        if (!(dwAlignment & GetEnabledAlignment())) return FALSE;
        return DockToFrameEdge(dwAlignment, nullptr, ZAVP_DM_MOUSE, nullptr, -1, bOuterEdge);
    }
    DWORD dwAlignment = 0;
    if (!CZAVPDockingUtils::HitTestDockEdges(ptCursor, pTarget, nullptr,
                                             CZAVPDockManager::m_nDockSensitivity, FALSE,
                                             dwAlignment, CBRS_ALIGN_ANY))
        return FALSE;
    return AttachToSlider(pTarget, ZAVP_DM_MOUSE, dwAlignment);
}

BOOL CZAVPDockingControlBar::Dock(CZAVPBaseControlBar* pTarget, LPCRECT lpRect, int nDockMethod)
{
    if (pTarget != nullptr && pTarget != this && !pTarget->CanAcceptBar(this)) return FALSE;
    if (nDockMethod == ZAVP_DM_RECT && lpRect == nullptr) return FALSE;
    m_floatDrag.Stop();
    if (nDockMethod == ZAVP_DM_RECENT || nDockMethod == 3) {
        // Floating since it was taken out of a tabbed group, the pane goes back into the
        // group as a tab.
        CWnd* pParent = GetParent();
        CZAVPBaseTabbedBar* pGroup = pParent != nullptr &&
                                             pParent->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd))
                                         ? GetRecentTabbedBar()
                                         : nullptr;
        if (pGroup != nullptr) {
            CZAVPDockingControlBar* pTabbed = nullptr;
            if (AttachToTabbedBar(pGroup, ZAVP_DM_RECENT, TRUE, pTabbed) == this) {
                m_recentDockInfo.m_hRecentTabbedBar = nullptr;
                AdjustDockingLayout();
                return TRUE;
            }
        }
        m_recentDockInfo.m_hRecentTabbedBar = nullptr;
        CWnd* pRecent = m_hRecentSlider != nullptr && ::IsWindow(m_hRecentSlider)
                            ? CWnd::FromHandlePermanent(m_hRecentSlider)
                            : nullptr;
        if (pRecent != nullptr && pRecent->IsKindOf(RUNTIME_CLASS(CZAVPSlider))) {
            CZAVPSlider* pSlider = static_cast<CZAVPSlider*>(pRecent);
            CFrameWnd* pFrame = GetPaneFrame();
            ShowWindow(SW_HIDE);
            if (GetParent() != pFrame) {
                CWnd* pOldParent = GetParent();
                OnBeforeChangeParent(pFrame, FALSE);
                SetParent(pFrame);
                OnAfterChangeParent(pOldParent);
            }
            SetBarAlignment(m_dwRecentSliderAlignment);
            m_nPercent = m_nRecentPercent;
            CWnd::SetWindowPos(nullptr, m_rectRecentDocked.left, m_rectRecentDocked.top,
                               m_rectRecentDocked.Width(), m_rectRecentDocked.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
            ShowWindow(SW_SHOW);
            if (pSlider->AddRecentControlBar(this) == nullptr) return FALSE;
            m_hDefaultSlider = pSlider->GetSafeHwnd();
            ForgetDockedPlace();
            if (CZAVPDockManager* pManager = GetDockManager()) pManager->AddControlBar(this);
            EnableGripper(TRUE);
            AdjustDockingLayout();
            return TRUE;
        }
        const CRect rect = m_rectRecentDocked;
        return DockToFrameEdge(m_recentDockInfo.m_dwRecentAlignmentToFrame,
                               rect.IsRectEmpty() ? nullptr : (LPCRECT)rect, ZAVP_DM_MOUSE, nullptr,
                               -1, FALSE);
    }
    if (nDockMethod == ZAVP_DM_MOUSE || nDockMethod == ZAVP_DM_DBL_CLICK) {
        CZAVPDockingControlBar* pPane = pTarget != nullptr && pTarget->IsKindOf(RUNTIME_CLASS(
                                                                  CZAVPDockingControlBar))
                                            ? static_cast<CZAVPDockingControlBar*>(pTarget)
                                            : nullptr;
        return DockPaneByMouse(pPane);
    }
    // Into a rectangle: the frame side the rectangle's alignment names.
    return DockToFrameEdge(GetCurrentAlignment(), lpRect, nDockMethod, nullptr, -1, FALSE);
}

CZAVPControlBar* CZAVPDockingControlBar::DockByMouseMove(BOOL& bResult)
{
    bResult = FALSE;
    if (CZAVPDragDriver::IsCtrlDown()) return this;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    // The same target rules as a drag's outline: the site under the cursor for this pane.
    CZAVPDockManager* pManager = GetDockManager();
    if (CZAVPMiniFrameWnd* pMiniFrame = IsFloating() ? GetParentMiniFrame(TRUE) : nullptr)
        pManager = CZAVPDockingUtils::GetDockManager(
            CWnd::FromHandle(pMiniFrame->GetOwnerFrameWnd()));
    const DockLayout::DockSiteAnswer site = CZAVPDragDriver::FindSite(pManager, this, ptCursor);
    bResult = DockAtSite(site.kind, CZAVPDragDriver::TargetOf(site));
    return this;
}

BOOL CZAVPDockingControlBar::DockAtSite(DockLayout::DropKind kind, CZAVPBaseControlBar* pTarget)
{
    if (kind == DockLayout::DropKind::None || pTarget == this) return FALSE;
    if (kind == DockLayout::DropKind::AsTab) {
        if (pTarget == nullptr || !CanBeAttached() ||
            !pTarget->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)))
            return FALSE;
        StoreRecentPosition();
        CZAVPDockingControlBar* pGroup = nullptr;
        return AttachToTabbedBar(static_cast<CZAVPDockingControlBar*>(pTarget), ZAVP_DM_DBL_CLICK,
                                 TRUE, pGroup) != nullptr;
    }
    // Beside a pane of another frame of several panes, this pane joins that frame's tree.
    CZAVPMiniFrameWnd* pTargetFrame = pTarget != nullptr ? pTarget->GetParentMiniFrame(TRUE)
                                                         : nullptr;
    if (pTargetFrame != nullptr) {
        if (!pTargetFrame->IsKindOf(RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)) ||
            !(GetBarStyle() & CBRS_FLOAT_MULTI) || pTargetFrame == GetParentMiniFrame(TRUE))
            return FALSE;
        return static_cast<CZAVPMultiMiniFrameWnd*>(pTargetFrame)->AddControlBarAtCursor(this) == 0;
    }
    return DockControlBar(pTarget, ZAVP_DM_DBL_CLICK, nullptr);
}

BOOL CZAVPDockingControlBar::CheckUndock(int nSensitivity, CZAVPDockBar*& pDockBarOut)
{
    // Panes never dock on the dock bars of the toolbars: the frame's dock manager decides, from
    // the cursor and the sides the pane may take, whether there is a place to dock.
    pDockBarOut = nullptr;
    CZAVPDockManager* pManager = nullptr;
    if (CZAVPMiniFrameWnd* pMiniFrame = IsFloating() ? GetParentMiniFrame(TRUE) : nullptr)
        pManager = CZAVPDockingUtils::GetDockManager(
            CWnd::FromHandle(pMiniFrame->GetOwnerFrameWnd()));
    else
        pManager = GetDockManager();
    if (pManager == nullptr) return FALSE;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CZAVPBaseControlBar* pTarget = nullptr;
    return pManager->DetermineDockSite(ptCursor, nSensitivity, GetEnabledAlignment(), pTarget,
                                       this) != ZAVP_DOCKHIT_NONE;
}

BOOL CZAVPDockingControlBar::OnBeforeFloat(CRect& rectFloat, int nDockMethod)
{
    const BOOL bResult = CZAVPControlBar::OnBeforeFloat(rectFloat, nDockMethod);
    if (nDockMethod == ZAVP_DM_MOUSE) m_floatDrag.Stop();
    return bResult;
}

void CZAVPDockingControlBar::DrawDragOutline(CRect rectOld, CRect rectNew)
{
    HDC hdc = ::GetDCEx(nullptr, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (hdc == nullptr) return;
    CDC dc;
    dc.Attach(hdc);
    const CSize size(1, 1);
    dc.DrawDragRect(rectNew, size, rectOld.IsRectEmpty() ? nullptr : (LPCRECT)rectOld, size);
    dc.Detach();
    ::ReleaseDC(nullptr, hdc);
}

void CZAVPDockingControlBar::OnAfterDock(CZAVPBaseControlBar*, LPCRECT, int)
{
    if (m_hWnd != nullptr && IsWindowVisible()) SetFocus();
}

void CZAVPDockingControlBar::EnterDragMode(BOOL bChangeHotPoint)
{
    // A drag handed on from elsewhere holds the pane until the cursor leaves it or the button goes
    // up; it never floats the pane again.
    CRect rectWnd;
    GetWindowRect(rectWnd);
    rectWnd.InflateRect(::GetSystemMetrics(SM_CXDRAG), ::GetSystemMetrics(SM_CYDRAG));
    DockLayout::DragSettings settings = {};
    settings.bImmediate = GetDockMode() == ZAVP_DOCK_IMMEDIATE;
    settings.bWatchButton = settings.bImmediate;
    settings.rectHold = rectWnd;
    m_floatDrag.Begin(this, this, nullptr, settings);
    CZAVPControlBar::EnterDragMode(bChangeHotPoint);
}

void CZAVPDockingControlBar::OnBeforeChangeParent(CWnd* pWndNewParent, BOOL bDelay)
{
    // Leaving the frame for a mini frame takes the pane out of its slider's tree.
    if (pWndNewParent != nullptr && pWndNewParent->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
        UndockControlBar(bDelay);
    CZAVPControlBar::OnBeforeChangeParent(pWndNewParent, bDelay);
}

void CZAVPDockingControlBar::OnAfterChangeParent(CWnd* pWndOldParent)
{
    CZAVPControlBar::OnAfterChangeParent(pWndOldParent);
    if (m_hWnd != nullptr) CWnd::SetWindowPos(nullptr, 0, 0, 0, 0, kFrameChanged);
}

BOOL CZAVPDockingControlBar::ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    if (m_bAutoHideMode) {
        if (!m_bHideInAutoHideMode) {
            // The pane slides out through its strip button, whatever was asked.
            if (!IsWindowVisible()) Slide(TRUE, !m_bDisableAnimation);
            if (bShow && bActivate) {
                SetFocus();
                m_bActive = TRUE;
            }
        } else if (!bShow && IsWindowVisible())
            Slide(FALSE, TRUE);
        if (HasWindow(m_pAutoHideBar)) m_pAutoHideBar->ShowAutoHideWindow(this, bShow, FALSE);
        return TRUE;
    }
    CZAVPSlider* pSlider = GetDefaultSlider();
    if (!IsFloating() && !IsTabbed() && pSlider != nullptr) {
        ShowWindow(bShow ? SW_SHOW : SW_HIDE);
        pSlider->OnShowControlBar(this, bShow);
        if (!bDelay) AdjustDockingLayout();
        return TRUE;
    }
    const BOOL bResult = CZAVPControlBar::ShowControlBar(bShow, bDelay, bActivate);
    if (CZAVPMiniFrameWnd* pMiniFrame = IsFloating() ? GetParentMiniFrame(TRUE) : nullptr)
        pMiniFrame->SetWindowPos(nullptr, 0, 0, 0, 0, kFrameChanged);
    return bResult;
}

// ---- state

BOOL CZAVPDockingControlBar::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (!CZAVPControlBar::LoadState(lpszProfileName, nIndex, uiID)) return FALSE;
    // The control bar's values name where the pane was docked last.
    if (!m_rectSavedDockedRect.IsRectEmpty()) m_rectRecentDocked = m_rectSavedDockedRect;
    m_dwRecentSliderAlignment = m_recentDockInfo.m_dwRecentAlignmentToFrame;
    return TRUE;
}

BOOL CZAVPDockingControlBar::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    // A pane beside a slider keeps its place there, not in a dock bar's row.
    StoreRecentDockInfo();
    if (GetDefaultSlider() != nullptr && !m_bAutoHideMode)
        m_rectSavedDockedRect = m_rectRecentDocked;
    return CZAVPControlBar::SaveState(lpszProfileName, nIndex, uiID);
}

void CZAVPDockingControlBar::Serialize(CArchive& ar)
{
    CZAVPControlBar::Serialize(ar);
    if (ar.IsStoring()) {
        if (IsFloating())
            if (CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE))
                pMiniFrame->GetWindowRect(m_recentDockInfo.m_rectRecentFloatingRect);
        if (!IsFloating() && GetDefaultSlider() != nullptr && !m_bAutoHideMode)
            m_recentDockInfo.m_rectDockedRect = RectInDockSite();
        ar << (const RECT&)m_recentDockInfo.m_rectRecentFloatingRect;
        ar << (const RECT&)m_recentDockInfo.m_rectDockedRect;
        ar << (DWORD)IsFloating();
        return;
    }
    CRect rectFloat, rectDocked;
    DWORD dwFloating = 0;
    ar >> rectFloat.left >> rectFloat.top >> rectFloat.right >> rectFloat.bottom;
    ar >> rectDocked.left >> rectDocked.top >> rectDocked.right >> rectDocked.bottom;
    ar >> dwFloating;
    m_recentDockInfo.m_rectRecentFloatingRect = rectFloat;
    m_recentDockInfo.m_rectDockedRect = rectDocked;
    m_rectRecentDocked = rectDocked;
    m_bRecentFloatingState = dwFloating != 0;
}
