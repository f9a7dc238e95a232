// The platform-style control bar: its share of the frame's layout, idle update, painting.
#include "framework/CControlBar.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SIZEPARENT, &CControlBar::OnSizeParent)
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CControlBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace
{
// Platform metrics of bar borders and the gripper.
const int kBorder2 = 2;
const int kGripper = 3;
const int kGripperBorder = 2;
}  // namespace

RECT AfxPlaceBarInLayout(DWORD dwStyle, SIZE size, AFX_SIZEPARENTPARAMS* lpLayout)
{
    RECT rect = lpLayout->rect;
    size.cx = std::min(size.cx, rect.right - rect.left);
    size.cy = std::min(size.cy, rect.bottom - rect.top);
    if (dwStyle & CBRS_ORIENT_HORZ) {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP) {
            lpLayout->rect.top += size.cy;
        } else if (dwStyle & CBRS_ALIGN_BOTTOM) {
            rect.top = rect.bottom - size.cy;
            lpLayout->rect.bottom -= size.cy;
        }
    } else if (dwStyle & CBRS_ORIENT_VERT) {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT) {
            lpLayout->rect.left += size.cx;
        } else if (dwStyle & CBRS_ALIGN_RIGHT) {
            rect.left = rect.right - size.cx;
            lpLayout->rect.right -= size.cx;
        }
    }
    rect.right = rect.left + size.cx;
    rect.bottom = rect.top + size.cy;
    return rect;
}

CControlBar::CControlBar() {}

CControlBar::~CControlBar() {}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete) delete this;
}

int CControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    // A new bar takes its share of the frame at the next layout, done when the thread is idle.
    if (CFrameWnd* pFrame = GetParentFrame()) pFrame->DelayRecalcLayout();
    return 0;
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    if (bShow && !(GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayShow;
    else if (!bShow && (GetStyle() & WS_VISIBLE))
        m_nStateFlags |= delayHide;
}

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    if (m_dwStyle & CBRS_BORDER_LEFT) rect.left += kBorder2;
    if (m_dwStyle & CBRS_BORDER_TOP) rect.top += kBorder2;
    if (m_dwStyle & CBRS_BORDER_RIGHT) rect.right -= kBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM) rect.bottom -= kBorder2;
    BOOL bGripper = (m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    if (bHorz) {
        rect.left += m_cxLeftBorder;
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
        if (bGripper) rect.left += kGripperBorder + kGripper + kGripperBorder;
    } else {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder;
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
        if (bGripper) rect.top += kGripperBorder + kGripper + kGripperBorder;
    }
}

void CControlBar::OnUpdateCmdUI(CFrameWnd*, BOOL) {}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // Delayed show and hide happen here, at the same time as the layout they change.
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    UINT swpFlags = 0;
    if ((m_nStateFlags & delayHide) && bVisible)
        swpFlags = SWP_HIDEWINDOW;
    else if ((m_nStateFlags & delayShow) && !bVisible)
        swpFlags = SWP_SHOWWINDOW;
    m_nStateFlags &= ~(delayShow | delayHide);
    if (swpFlags != 0)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     swpFlags | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if ((GetStyle() & WS_VISIBLE) &&
        (m_pDockBar == nullptr || (((CWnd*)m_pDockBar)->GetStyle() & WS_VISIBLE)))
    {
        CWnd* pOwner = GetOwner();
        CFrameWnd* pTarget = pOwner != nullptr && pOwner->IsFrameWnd()
                                 ? static_cast<CFrameWnd*>(pOwner)
                                 : GetParentFrame();
        if (pTarget != nullptr) OnUpdateCmdUI(pTarget, (BOOL)wParam);
    }
    return 0;
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwStyle = m_dwStyle;
    // A delayed show or hide counts already.
    if (m_nStateFlags & delayHide) {
        if (lpLayout->hDWP != nullptr) {
            ShowWindow(SW_HIDE);
            m_nStateFlags &= ~delayHide;
        }
    } else if (m_nStateFlags & delayShow) {
        if (lpLayout->hDWP != nullptr) {
            ShowWindow(SW_SHOWNA);
            m_nStateFlags &= ~delayShow;
        }
    }
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0 || (m_nStateFlags & delayShow);
    if (!bVisible || (dwStyle & CBRS_ALIGN_ANY) == 0) return 0;
    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((dwStyle & CBRS_SIZE_DYNAMIC) && (dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;
    CSize size = CalcDynamicLayout(-1, dwMode);
    RECT rect = AfxPlaceBarInLayout(dwStyle, size, lpLayout);
    if (lpLayout->hDWP != nullptr) AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    // Notifications of the bar's controls go to the owner (the frame) when the bar does not
    // handle them itself.
    switch (nMsg) {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        LRESULT lResult = 0;
        if (OnWndMsg(nMsg, wParam, lParam, &lResult)) return lResult;
        CWnd* pOwner = GetOwner();
        return pOwner != nullptr ? pOwner->SendMessage(nMsg, wParam, lParam) : 0;
    }
    default: return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

BOOL CControlBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT),
             clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_BORDER_TOP) {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + 1, rect.Width(), 1, clrHilite);
        rect.top += kBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM) {
        pDC->FillSolidRect(rect.left, rect.bottom - 2, rect.Width(), 1, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clrHilite);
        rect.bottom -= kBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_LEFT) {
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.left + 1, rect.top, 1, rect.Height(), clrHilite);
        rect.left += kBorder2;
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT) {
        pDC->FillSolidRect(rect.right - 2, rect.top, 1, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clrHilite);
        rect.right -= kBorder2;
    }
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER) return;
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT),
             clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + kGripperBorder, rect.top + m_cyTopBorder, kGripper,
                        rect.Height() - m_cyTopBorder - m_cyBottomBorder, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + kGripperBorder,
                        rect.Width() - m_cyTopBorder - m_cyBottomBorder, kGripper, clrHilite,
                        clrShadow);
}
