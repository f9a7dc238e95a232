// The toolbar's remaining window messages: its borders and gripper outside the client area, the
// cursor, focus and visibility, setting and position changes, a rebar band, hosted controls'
// commands and colours, and the context-help mode that hot-tracks bars under the pointer.
#include "ui/toolbars/CZAVPToolBar.h"

#include <commctrl.h>

#include "framework/CDC.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarCustomize.h"

namespace
{
const int kStretchZone = 7;  // pixels left of a stretchable button's right edge

// The toolbar object of a window, or null.
CZAVPToolBar* ToolBarOf(HWND hwnd)
{
    CWnd* pWnd = hwnd != nullptr ? CWnd::FromHandlePermanent(hwnd) : nullptr;
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPToolBar))
               ? static_cast<CZAVPToolBar*>(pWnd)
               : nullptr;
}

// The window of a bar that receives its notifications: its owner, else its parent.
HWND OwnerOrParent(HWND hwnd)
{
    HWND hwndOwner = ::GetWindow(hwnd, GW_OWNER);
    return hwndOwner != nullptr ? hwndOwner : ::GetParent(hwnd);
}
}  // namespace

// ---- the non-client area

void CZAVPToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rect = lpncsp->rgrc[0];
    m_Impl.CalcSize(rect);
    // A window smaller than its borders keeps an empty client area, never an inverted one.
    if (rect.right < rect.left) rect.right = rect.left;
    if (rect.bottom < rect.top) rect.bottom = rect.top;
    lpncsp->rgrc[0] = rect;
}

void CZAVPToolBar::OnNcPaint() { m_Impl.Paint(); }

BOOL CZAVPToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);

    if (IsCustomizeMode() && !m_bLocked && m_pSelToolbar == this) {
        const CZAVPToolbarButton* pSelected = GetButton(m_iSelected);
        if (pSelected != nullptr && pSelected->CanBeStretched()) {
            const CRect rect = pSelected->GetRect();
            if (rect.PtInRect(point) && point.x >= rect.right - kStretchZone) {
                ::SetCursor(m_hcurHorzSplit);
                return TRUE;
            }
        }
    }
    if ((GetBarStyle() & CBRS_GRIPPER) != 0 && !IsFloating()) {
        CRect rectGripper;
        m_Impl.CalcGripperRect(rectGripper, TRUE);
        if (rectGripper.PtInRect(point) && m_hcurSizeAll != nullptr) {
            ::SetCursor(m_hcurSizeAll);
            return TRUE;
        }
    }
    (void)pWnd;
    (void)nHitTest;
    (void)message;
    return (BOOL)Default();
}

// ---- focus and visibility

void CZAVPToolBar::OnSetFocus(CWnd* pOldWnd)
{
    Default();
    if (!m_bRememberFocus || pOldWnd == nullptr) return;
    const HWND hwndOld = pOldWnd->GetSafeHwnd();
    if (hwndOld == nullptr || ToolBarOf(hwndOld) != nullptr || ToolBarOf(::GetParent(hwndOld)))
        return;
    CWnd* pParent = CWnd::FromHandlePermanent(::GetParent(m_hWnd));
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabWnd))) return;
    m_hwndLastFocus = hwndOld;
}

void CZAVPToolBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    Default();
    (void)nStatus;
    if (!IsCustomizeMode() || m_bLocked) return;
    // The open customisation sheet keeps its list of bars in step.
    if (CZAVPToolbarCustomize* pSheet = CZAVPToolbarCustomize::GetCurrent())
        pSheet->ShowToolBar(this, bShow);
    // A bar that goes out of sight gives up the customisation selection.
    if (!bShow && m_pSelToolbar == this) {
        const int iOld = m_iSelected;
        m_iSelected = -1;
        m_pSelToolbar = nullptr;
        InvalidateButton(iOld);
    }
}

// ---- settings, sizes and positions

void CZAVPToolBar::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    Default();
    (void)lpszSection;
    if (uFlags == SPI_SETNONCLIENTMETRICS) {
        globalData.UpdateFonts();
        AdjustLayout();
    }
}

BOOL CZAVPToolBar::IsInRebar() const
{
    if (m_hWnd == nullptr) return FALSE;
    return ZAVPIsKindOf(CWnd::FromHandlePermanent(::GetParent(m_hWnd)), ZAVPClassNames::CZAVPReBar);
}

BOOL CZAVPToolBar::UpdateRebarBand()
{
    if (!IsInRebar()) return FALSE;
    const HWND hwndRebar = ::GetParent(m_hWnd);
    const int nBands = (int)::SendMessageA(hwndRebar, RB_GETBANDCOUNT, 0, 0);
    for (int i = 0; i < nBands; ++i) {
        REBARBANDINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = RBBIM_CHILD;
        if (!::SendMessageA(hwndRebar, RB_GETBANDINFOA, (WPARAM)i, (LPARAM)&info) ||
            info.hwndChild != m_hWnd)
            continue;
        const CSize size = CalcFixedLayout(FALSE, IsHorizontal());
        info.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        info.cxMinChild = (UINT)size.cx;
        info.cyMinChild = (UINT)size.cy;
        info.cxIdeal = (UINT)size.cx;
        ::SendMessageA(hwndRebar, RB_SETBANDINFOA, (WPARAM)i, (LPARAM)&info);
        return TRUE;
    }
    return TRUE;  // in a rebar, though in no band of it yet: the rebar places the bar
}

void CZAVPToolBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    Default();
    (void)lpwndpos;
    // The rebar moves its bands' children: the band follows the bar's needs. Setting the band
    // moves the bar again, so a change in progress is not followed twice.
    static bool s_bInRebarLayout = false;
    if (!s_bInRebarLayout && IsInRebar()) {
        s_bInRebarLayout = true;
        AdjustLayout();
        s_bInRebarLayout = false;
    }
}

void CZAVPToolBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    const CSize sizeOld = m_sizeLastWindow;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    m_sizeLastWindow = rectWindow.Size();
    Default();
    (void)lpwndpos;
    if (m_sizeLastWindow.cx > sizeOld.cx || m_sizeLastWindow.cy > sizeOld.cy || IsInRebar())
        RedrawWindow(nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

// ---- hosted controls

BOOL CZAVPToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (IsCustomizeMode() && !m_bLocked) {
        // The button context menu's commands act on the selected button.
        if (lParam == 0 && OnButtonCommand(LOWORD(wParam))) return TRUE;
        return CZAVPBaseToolBar::OnCommand(wParam, lParam);
    }

    HWND hwndControl = (HWND)lParam;
    int nNotifyCode = HIWORD(wParam);
    BOOL bAccelerator = FALSE;
    if (hwndControl == nullptr) {
        switch (LOWORD(wParam)) {
        case IDCANCEL: RestoreFocus(); return TRUE;
        case IDOK:
            // Return in a hosted control: the control with the focus acts.
            hwndControl = ::GetFocus();
            nNotifyCode = 0;
            bAccelerator = TRUE;
            break;
        default: return FALSE;
        }
    }
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
        const HWND hwndButton = pButton->GetHwnd();
        if (hwndButton == nullptr) continue;
        for (HWND hwnd = hwndControl; hwnd != nullptr && hwnd != m_hWnd; hwnd = ::GetParent(hwnd))
            if (hwnd == hwndButton) {
                // A notification the button declined is no command: passed on, it would reach
                // the frame as the button's command (the echo of a text the program set, focus
                // changes of the control).
                NotifyControlCommand(pButton, bAccelerator, nNotifyCode, wParam, lParam);
                return TRUE;
            }
    }
    return bAccelerator ? FALSE : CZAVPBaseToolBar::OnCommand(wParam, lParam);
}

BOOL CZAVPToolBar::NotifyControlCommand(CZAVPToolbarButton* pButton, BOOL bAccelerator,
                                        int nNotifyCode, WPARAM, LPARAM lParam)
{
    if (!bAccelerator && !pButton->NotifyCommand(nNotifyCode)) return FALSE;
    const HWND hwndTarget = OwnerOrParent(m_hWnd);
    if (hwndTarget != nullptr)
        ::PostMessageA(hwndTarget, WM_COMMAND, MAKEWPARAM(pButton->m_nID, nNotifyCode), lParam);
    return TRUE;
}

HBRUSH CZAVPToolBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (IsCustomizeMode() && !m_bLocked && pWnd != nullptr) {
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
            CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(m_Buttons.GetNext(pos));
            if (!pButton->IsOwnerOf(pWnd->GetSafeHwnd())) continue;
            if (HBRUSH hBrush = pButton->OnCtlColor(pDC, nCtlColor)) return hBrush;
            break;
        }
    }
    return (HBRUSH)Default();
}

// ---- context help

LRESULT CZAVPToolBar::OnHelpHitTest(WPARAM wParam, LPARAM lParam)
{
    OnCancelMode();
    const CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    CZAVPToolbarButton* pButton = GetButton(HitTest(point));
    if (pButton == nullptr) {
        ::MessageBeep((UINT)-1);
        return -1;
    }
    if (pButton->OnImmediateClick(this)) return -1;  // the button acted on the click itself
    const LRESULT lResult = CZAVPBaseToolBar::OnHelpHitTest(wParam, lParam);
    if (lResult > 0) SetHelpMode(FALSE);
    return lResult;
}

LRESULT CALLBACK CZAVPToolBar::HelpMouseHook(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode == HC_ACTION && wParam == WM_MOUSEMOVE) {
        const MOUSEHOOKSTRUCT* pInfo = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lParam);
        CZAVPToolBar* pBar = ToolBarOf(::WindowFromPoint(pInfo->pt));
        if (pBar != m_pLastHookedToolbar && m_pLastHookedToolbar != nullptr &&
            GetAllToolbars().Find(m_pLastHookedToolbar) != nullptr)
        {
            CZAVPToolBar* pLeft = m_pLastHookedToolbar;
            pLeft->m_bTracked = FALSE;
            pLeft->m_ptLastMouse = CPoint(-1, -1);
            const int iOld = pLeft->m_iHighlighted;
            pLeft->m_iHighlighted = pLeft->m_iHot = -1;
            pLeft->InvalidateButton(iOld);
        }
        m_pLastHookedToolbar = pBar;
        if (pBar != nullptr) {
            CPoint point = pInfo->pt;
            pBar->ScreenToClient(&point);
            pBar->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(point.x, point.y));
        }
    }
    return ::CallNextHookEx(m_hookMouseHelp, nCode, wParam, lParam);
}

void CZAVPToolBar::SetHelpMode(BOOL bOn)
{
    if (bOn) {
        if (m_hookMouseHelp == nullptr)
            m_hookMouseHelp = ::SetWindowsHookExA(WH_MOUSE, HelpMouseHook, nullptr,
                                                  ::GetCurrentThreadId());
        return;
    }
    if (m_hookMouseHelp != nullptr) {
        ::UnhookWindowsHookEx(m_hookMouseHelp);
        m_hookMouseHelp = nullptr;
    }
    m_pLastHookedToolbar = nullptr;
    CObList& toolbars = GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPToolBar* pBar = static_cast<CZAVPToolBar*>(toolbars.GetNext(pos));
        if (pBar == nullptr || pBar->m_iHighlighted < 0) continue;
        const int iOld = pBar->m_iHighlighted;
        pBar->m_iHighlighted = pBar->m_iHot = -1;
        pBar->InvalidateButton(iOld);
    }
}

// ---- a floating bar's mini frame

namespace
{
// The mini frame's system menu offers only moving and closing a toolbar.
void TrimMiniFrameMenu(HWND hwndMiniFrame, BOOL bCanClose)
{
    HMENU hMenu = ::GetSystemMenu(hwndMiniFrame, FALSE);
    if (hMenu == nullptr) return;
    for (UINT uiCmd : {SC_RESTORE, SC_MINIMIZE, SC_MAXIMIZE})
        ::DeleteMenu(hMenu, uiCmd, MF_BYCOMMAND);
    if (!bCanClose) ::EnableMenuItem(hMenu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
}
}  // namespace

void CZAVPToolBar::TrimParentMiniFrameMenu()
{
    if (!IsFloating()) return;
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    if (pMiniFrame != nullptr && pMiniFrame->GetSafeHwnd() != nullptr)
        TrimMiniFrameMenu(pMiniFrame->GetSafeHwnd(), CanBeClosed());
}
