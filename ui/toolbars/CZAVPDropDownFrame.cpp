// The drop-down toolbar's frame (see CZAVPDropDownFrame.h).
#include "ui/toolbars/CZAVPDropDownFrame.h"

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/toolbars/CZAVPDropDownToolbarButton.h"
#include "ui/toolbars/ZAVPDropDownPlacement.h"
#include "ui/toolbars/ZAVPMenuSound.h"

IMPLEMENT_SERIAL(CZAVPDropDownFrame, CMiniFrameWnd, VERSIONABLE_SCHEMA | 1)

namespace
{
const int kBorder = 2;  // the two 3D frames round the toolbar
const UINT kToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP;
const UINT kToolBarId = 1;

RECT WorkAreaAt(POINT pt)
{
    RECT rcWork = {};
    HMONITOR hMonitor = ::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    if (hMonitor != nullptr && ::GetMonitorInfoA(hMonitor, &mi))
        rcWork = mi.rcWork;
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    return rcWork;
}
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPDropDownFrame, CMiniFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_MOUSEACTIVATE()
ON_WM_DESTROY()
ON_WM_ERASEBKGND()
ON_WM_ACTIVATEAPP()
ON_WM_CLOSE()
END_MESSAGE_MAP()

CZAVPDropDownFrame::CZAVPDropDownFrame()
    : m_pParentBtn(nullptr), m_pParentBar(nullptr), m_bAutoDestroy(TRUE),
      m_pWndOriginToolbar(nullptr), m_x(0), m_y(0)
{
}

CZAVPDropDownFrame::~CZAVPDropDownFrame()
{
    // Whatever way the frame goes, the source's buttons leave the embedded bar first.
    m_wndToolBar.ReleaseSharedButtons();
}

BOOL CZAVPDropDownFrame::Create(CWnd* pWndParent, int x, int y, CZAVPToolBar* pToolBarSource)
{
    PlayMenuSound(ZAVPMenuSound::kPopup);
    const LPCSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(nullptr, IDC_ARROW),
                                                 (HBRUSH)(COLOR_BTNFACE + 1));
    m_pWndOriginToolbar = pToolBarSource;
    if (x == -1 && y == -1) {
        POINT pt = {0, 0};
        if (pWndParent != nullptr && pWndParent->GetSafeHwnd() != nullptr) {
            pWndParent->ClientToScreen(&pt);
            pt.x += 5;
            pt.y += 5;
        }
        x = pt.x;
        y = pt.y;
    }
    m_x = x;
    m_y = y;
    CWnd* pOwner = pWndParent != nullptr ? pWndParent->GetOwner() : nullptr;
    if (pOwner == nullptr) pOwner = pWndParent;
    if (!CMiniFrameWnd::CreateEx(0, lpszClass, m_strCaption, WS_POPUP, CRect(x, y, x, y), pOwner,
                                 0))
        return FALSE;  // the object is gone (PostNcDestroy)
    ShowWindow(SW_SHOWNOACTIVATE);
    return TRUE;
}

int CZAVPDropDownFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CMiniFrameWnd::OnCreate(lpcs) == -1) return -1;
    if (m_pWndOriginToolbar == nullptr) return -1;
    if (!m_wndToolBar.Create(this, kToolBarStyle, kToolBarId)) return -1;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() & ~CBRS_GRIPPER);
    m_wndToolBar.SetOwner(m_pWndOriginToolbar->GetOwner());
    m_wndToolBar.m_bRouteCommandsViaFrame = m_pWndOriginToolbar->m_bRouteCommandsViaFrame;
    m_wndToolBar.ShareButtonsOf(m_pWndOriginToolbar);
    RecalcLayout();
    ::SetCapture(m_wndToolBar.GetSafeHwnd());
    return 0;
}

void CZAVPDropDownFrame::RecalcLayout(BOOL)
{
    if (m_wndToolBar.GetSafeHwnd() == nullptr) return;
    CSize size = m_wndToolBar.CalcSize(FALSE);
    size.cx += 2 * kBorder;
    size.cy += 2 * kBorder;
    ZAVPDropDownPlacement::Input in;
    in.pt = CPoint(m_x, m_y);
    in.size = size;
    in.rectWork = WorkAreaAt(in.pt);
    in.bVertBar = false;
    in.nBarLeft = 0;
    in.bHasButton = m_pParentBtn != nullptr;
    in.nButtonHeight = 0;
    if (m_pParentBtn != nullptr) in.nButtonHeight = m_pParentBtn->GetRect().Height();
    if (m_pParentBar != nullptr && ::IsWindow(m_pParentBar->GetSafeHwnd())) {
        in.bVertBar = !m_pParentBar->IsHorizontal();
        CRect rectBar;
        m_pParentBar->GetWindowRect(rectBar);
        in.nBarLeft = rectBar.left;
    }
    const CPoint pt = ZAVPDropDownPlacement::Place(in);
    SetWindowPos(nullptr, pt.x, pt.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZAVPDropDownFrame::OnSize(UINT nType, int cx, int cy)
{
    CMiniFrameWnd::OnSize(nType, cx, cy);
    if (m_wndToolBar.GetSafeHwnd() == nullptr) return;
    m_wndToolBar.SetWindowPos(nullptr, kBorder, kBorder, cx - 2 * kBorder, cy - 2 * kBorder,
                              SWP_NOZORDER | SWP_NOACTIVATE);
    m_wndToolBar.AdjustLocations();
}

void CZAVPDropDownFrame::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    dc.Draw3dRect(rect, globalData.clrBarLight, globalData.clrBarDkShadow);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
}

BOOL CZAVPDropDownFrame::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    pDC->FillRect(rect, &globalData.brBtnFace);
    return TRUE;
}

int CZAVPDropDownFrame::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

void CZAVPDropDownFrame::OnActivateApp(BOOL bActive, DWORD)
{
    if (!bActive && !CZAVPToolBar::IsCustomizeMode() && m_bAutoDestroy) PostMessage(WM_CLOSE);
}

void CZAVPDropDownFrame::OnClose() { DestroyWindow(); }

void CZAVPDropDownFrame::OnDestroy()
{
    if (::GetCapture() == m_wndToolBar.GetSafeHwnd()) ::ReleaseCapture();
    // The buttons are the source's: they leave the embedded bar before its window goes.
    m_wndToolBar.ReleaseSharedButtons();
    if (m_pParentBtn != nullptr) {
        CZAVPDropDownToolbarButton* pButton = m_pParentBtn;
        pButton->OnFrameClosed(this);
        pButton->m_nStyle &= ~TBBS_PRESSED;
        // The bar the button stands on leaves its pressed state.
        if (m_pParentBar != nullptr && ::IsWindow(m_pParentBar->GetSafeHwnd())) {
            POINT pt;
            ::GetCursorPos(&pt);
            m_pParentBar->ScreenToClient(&pt);
            m_pParentBar->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        }
        // The release may have deleted the button (its bar dropped its buttons): it cleared
        // m_pParentBtn then, and is not touched.
        if (m_pParentBtn != nullptr) {
            pButton->OnFrameGone();
            pButton->OnCancelMode();
        }
        m_pParentBtn = nullptr;
    }
    CMiniFrameWnd::OnDestroy();
}

void CZAVPDropDownFrame::PostNcDestroy() { delete this; }
