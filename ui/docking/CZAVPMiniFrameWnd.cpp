// The floating mini frame: creation, hosting a bar, caption buttons and their tooltips, the
// non-client area, synchronised activation and the stored record (see CZAVPMiniFrameWnd.h).
// Moving, resizing and rolling up are in CZAVPMiniFrameWndMove.cpp.
#include "ui/docking/CZAVPMiniFrameWnd.h"

#include <map>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "framework/CFile.h"
#include "framework/CFrameWnd.h"
#include "framework/CMiniFrameWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/CZAVPTitleButtonEx.h"
#include "ui/docking/ZAVPBarClass.h"
#include "ui/docking/ZAVPLayoutWindowBudget.h"
#include "ui/docking/layout/ContainerRecords.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "resources/UiLibraryResource.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CZAVPMiniFrameWnd, CWnd, VERSIONABLE_SCHEMA | 1)

BOOL CZAVPMiniFrameWnd::m_bUseSaveBits = TRUE;
CFrameWnd* CZAVPMiniFrameWnd::m_pParentFrameForLoad = nullptr;

BEGIN_MESSAGE_MAP(CZAVPMiniFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_NCCREATE()
ON_WM_DESTROY()
ON_WM_NCDESTROY()
ON_WM_CLOSE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_NCMOUSEMOVE()
ON_WM_CANCELMODE()
ON_WM_CHAR()
ON_WM_MOVING()
ON_WM_SIZING()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_GETMINMAXINFO()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_NCHITTEST()
ON_WM_NCACTIVATE()
ON_WM_SETCURSOR()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_WM_CONTEXTMENU()
ON_WM_MOUSEACTIVATE()
ON_WM_SETFOCUS()
ON_WM_EXITSIZEMOVE()
ON_WM_SETTINGCHANGE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPMiniFrameWnd::OnIdleUpdateCmdUI)
ON_MESSAGE(WM_FLOATSTATUS, &CZAVPMiniFrameWnd::OnFloatStatus)
ON_REGISTERED_MESSAGE(ZAVPRegisteredMessages::CheckEmptyMiniFrame,
                      &CZAVPMiniFrameWnd::OnCheckEmptyState)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CZAVPMiniFrameWnd::OnNeedTipText)
END_MESSAGE_MAP()

namespace
{
const char kClassPrefix[] = "ZAVMiniWrame";  // "ZAVMiniWrame:%x:%x:%x:%x", so spelled
// The hosted toolbar's border, every side.
const int kMiniFrameToolBarBorder = 3;
// The caption text keeps this far from the buttons on its left, and is inset by kTextInset.
const int kTextGapAfterLeft = 2;
const int kTextInset = 2;
// The toolbar options menu: the item that stands for the list of buttons until the frame fills
// it, and where the menu opens from the caption button's corner.
const UINT kOptionsPlaceholderId = 1;
const int kOptionsMenuShiftLeft = 2;
const int kOptionsMenuShiftUp = 9;

// The class-wide map from control id to the window of the bar floating under it.
std::map<UINT, HWND>& FloatingBars()
{
    static std::map<UINT, HWND> bars;
    return bars;
}

// The hosted bar's own windows and the frame: the focus inside means the caption looks active.
BOOL FocusInside(HWND hFrame)
{
    const HWND hFocus = ::GetFocus();
    return hFocus != nullptr && (hFocus == hFrame || ::IsChild(hFrame, hFocus));
}
}  // namespace

CZAVPMiniFrameWnd::CZAVPMiniFrameWnd()
    : m_bBlockMove(FALSE), m_bActive(FALSE), m_nCaptionHeight(::GetSystemMetrics(SM_CYSMCAPTION)),
      m_dwCaptionButtons(0), m_pDockingTarget(nullptr), m_hEmbeddedBar(nullptr),
      m_dockingTargetKind(DockLayout::DropKind::None), m_nMinWidth(0), m_nMinHeight(0), m_nHit(0),
      m_nHot(0), m_nDockTimerID(0), m_nRollTimerID(0), m_bRolledUp(FALSE), m_nHeightBeforeRollUp(0),
      m_bPinned(FALSE), m_bHideWhenEmpty(FALSE), m_hParentWnd(nullptr),
      m_hWndToDestroyOnDrag(nullptr), m_hLastFocusWnd(nullptr), m_nStoredBarId(0),
      m_rectRecentFloatingRect(0, 0, 100, 100)
{
    m_nMinWidth = m_nMinHeight = m_nCaptionHeight + DockLayout::kMiniFrameMinExtra;
    m_rectRedraw.SetRectEmpty();
}

CZAVPMiniFrameWnd::~CZAVPMiniFrameWnd() { RemoveCaptionButtons(); }

// ---- creation

BOOL CZAVPMiniFrameWnd::Create(LPCSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                               CWnd* pParentWnd, CCreateContext* pContext)
{
    return CreateEx(0, lpszWindowName, dwStyle, rect, pParentWnd, pContext);
}

BOOL CZAVPMiniFrameWnd::CreateEx(DWORD dwStyleEx, LPCSTR lpszWindowName, DWORD dwStyle,
                                 const RECT& rect, CWnd* pParentWnd, CCreateContext*)
{
    // Registration failing answers FALSE: floating runs inside mouse handlers, which no
    // exception may leave.
    const CString strClass = ZAVPBarClass::TryRegister(kClassPrefix,
                                                       m_bUseSaveBits ? CS_SAVEBITS : 0);
    if (strClass.IsEmpty()) return FALSE;
    m_hParentWnd = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : nullptr;
    if (!CWnd::CreateEx(dwStyleEx, strClass, lpszWindowName, dwStyle | WS_POPUP, rect, pParentWnd,
                        0))
        return FALSE;
    if (CZAVPDockManager* pManager = GetOwnerDockManager()) pManager->AddMiniFrame(this);
    m_dragFrameImpl.Attach(this);
    return TRUE;
}

BOOL CZAVPMiniFrameWnd::PreCreateWindow(CREATESTRUCTA& cs)
{
    cs.style |= MFS_SYNCACTIVE;
    return CWnd::PreCreateWindow(cs);
}

int CZAVPMiniFrameWnd::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    ZAVPSharedBarData::AllMiniFrames().AddTail(m_hWnd);
    if (m_ToolTip.Create(this, TTS_ALWAYSTIP)) {
        m_ToolTip.Activate(TRUE);
        if (globalData.m_nMaxToolTipWidth != -1)
            m_ToolTip.SetMaxTipWidth(globalData.m_nMaxToolTipWidth);
    }
    return 0;
}

BOOL CZAVPMiniFrameWnd::OnNcCreate(LPCREATESTRUCT lpcs)
{
    if (!CWnd::OnNcCreate(lpcs)) return FALSE;
    // Synchronised activation: the caption starts active when the owner's top-level frame (or
    // its last active popup that synchronises too) is the foreground window.
    CWnd* pOwner = CWnd::FromHandle(m_hParentWnd);
    CWnd* pTop = pOwner != nullptr ? pOwner->GetTopLevelFrame() : nullptr;
    if (pTop == nullptr) pTop = pOwner;
    const HWND hForeground = ::GetForegroundWindow();
    BOOL bActive = FALSE;
    if (pTop != nullptr && pTop->GetSafeHwnd() != nullptr) {
        const HWND hPopup = ::GetLastActivePopup(pTop->GetSafeHwnd());
        bActive = pTop->GetSafeHwnd() == hForeground ||
                  (hPopup == hForeground && hPopup != nullptr &&
                   ::SendMessageA(hPopup, WM_FLOATSTATUS, FS_SYNCACTIVE, 0) != 0);
    }
    SendMessage(WM_FLOATSTATUS, bActive ? FS_ACTIVATE : FS_DEACTIVATE);
    return TRUE;
}

void CZAVPMiniFrameWnd::OnDestroy()
{
    ReleaseMove();
    SetDragMode(FALSE);
    KillDockTimer();
    StopRollUpTimer();
    if (CZAVPDockManager* pManager = GetOwnerDockManager()) pManager->RemoveMiniFrame(this);
    CPtrList& frames = ZAVPSharedBarData::AllMiniFrames();
    if (POSITION pos = frames.Find(m_hWnd)) frames.RemoveAt(pos);
    CWnd::OnDestroy();
}

void CZAVPMiniFrameWnd::OnNcDestroy()
{
    OnCancelMode();
    CWnd::OnNcDestroy();
}

void CZAVPMiniFrameWnd::PostNcDestroy()
{
    // The frame owns itself once its window exists.
    delete this;
}

void CZAVPMiniFrameWnd::OnClose()
{
    if (CanClose()) CloseMiniFrame();
}

CZAVPDockManager* CZAVPMiniFrameWnd::GetOwnerDockManager() const
{
    if (m_hParentWnd == nullptr || !::IsWindow(m_hParentWnd)) return nullptr;
    return CZAVPDockingUtils::GetDockManager(CWnd::FromHandlePermanent(m_hParentWnd));
}

// ---- the hosted bar

CZAVPControlBar* CZAVPMiniFrameWnd::HostedControlBar() const
{
    CWnd* pBar = GetControlBar();
    return pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPControlBar))
               ? static_cast<CZAVPControlBar*>(pBar)
               : nullptr;
}

BOOL CZAVPMiniFrameWnd::HostsToolBar() const
{
    return ZAVPIsKindOf(GetControlBar(), RUNTIME_CLASS(CZAVPToolBar));
}

int CZAVPMiniFrameWnd::HasControlBar() const { return GetControlBar() != nullptr ? 1 : 0; }

int CZAVPMiniFrameWnd::IsHostedBarVisible() const
{
    return m_hEmbeddedBar != nullptr && ::IsWindow(m_hEmbeddedBar) &&
           (::GetWindowLongA(m_hEmbeddedBar, GWL_STYLE) & WS_VISIBLE) != 0;
}

CWnd* CZAVPMiniFrameWnd::GetFirstVisibleBar() const
{
    return IsHostedBarVisible() ? GetControlBar() : nullptr;
}

BOOL CZAVPMiniFrameWnd::CanBeDockedInto(CZAVPBaseControlBar* pTarget)
{
    CWnd* pBar = GetControlBar();
    return pTarget != nullptr && pBar != nullptr &&
           pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)) &&
           pTarget->CanAcceptBar(static_cast<CZAVPBaseControlBar*>(pBar));
}

BOOL CZAVPMiniFrameWnd::CanBeAttached() const
{
    CZAVPControlBar* pBar = HostedControlBar();
    return pBar != nullptr && pBar->CanBeAttached();
}

void CZAVPMiniFrameWnd::AddControlBar(CZAVPBaseControlBar* pBar)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || pBar->GetSafeHwnd() == m_hEmbeddedBar)
        return;
    m_hEmbeddedBar = pBar->GetSafeHwnd();
    CString strText;
    pBar->GetWindowText(strText);
    SetWindowText(strText);
    SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)pBar->GetIcon(FALSE));
    SendMessage(WM_SETICON, ICON_BIG, (LPARAM)pBar->GetIcon(TRUE));
    AddRemoveBarToGlobalList(pBar, TRUE);

    const BOOL bToolBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPToolBar));
    const CCustomizeButton* pCustomize =
        bToolBar ? static_cast<CZAVPToolBar*>(pBar)->GetCustomizeButton() : nullptr;
    const BOOL bMenuBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPMenuBar));
    // The options button only for a toolbar that offers its customise menu.
    const BOOL bOptions = pCustomize != nullptr && pCustomize->m_bCanCustomize && !bMenuBar;
    SetCaptionButtons(DockLayout::MiniFrameButtonFlags(pBar->CanBeClosed(), bOptions,
                                                       pCustomize != nullptr && bMenuBar));
    SetRollUpTimer();
}

void CZAVPMiniFrameWnd::RemoveControlBar(CZAVPBaseControlBar* pBar, BOOL bDestroyIfEmpty,
                                         BOOL bHideIfEmpty)
{
    m_bHideWhenEmpty = bHideIfEmpty;
    if (pBar != nullptr) {
        AddRemoveBarToGlobalList(pBar, FALSE);
        pBar->OnRemoveFromMiniFrame(this);
        if (pBar->GetSafeHwnd() == m_hEmbeddedBar || GetControlBar() == pBar)
            m_hEmbeddedBar = nullptr;
    }
    KillRollUpTimer();
    if (HasControlBar()) return;
    if (bDestroyIfEmpty)
        DestroyWindow();
    else
        PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
}

void CZAVPMiniFrameWnd::ReplaceControlBar(CZAVPBaseControlBar* pBarOrg,
                                          CZAVPBaseControlBar* pBarReplaceWith)
{
    AddRemoveBarToGlobalList(pBarOrg, FALSE);
    if (pBarOrg != nullptr && pBarOrg->GetSafeHwnd() == m_hEmbeddedBar)
        m_hEmbeddedBar = pBarReplaceWith != nullptr ? pBarReplaceWith->GetSafeHwnd() : nullptr;
    AddRemoveBarToGlobalList(pBarReplaceWith, TRUE);
}

LRESULT CZAVPMiniFrameWnd::OnCheckEmptyState(WPARAM, LPARAM)
{
    // Decided only now, outside whatever emptied the frame: a bar may have come back meanwhile.
    if (HasControlBar()) return 0;
    if (m_bHideWhenEmpty)
        ShowWindow(SW_HIDE);
    else
        DestroyWindow();
    return 0;
}

void CZAVPMiniFrameWnd::ValidateHostedBar()
{
    if (m_hEmbeddedBar == nullptr) return;
    if (!::IsWindow(m_hEmbeddedBar)) {
        m_hEmbeddedBar = nullptr;
        return;
    }
    // A tabbed bar without an id is known only by its tabs: with none left, nothing could find
    // it again, and a stored layout could not name it.
    CWnd* pBar = CWnd::FromHandlePermanent(m_hEmbeddedBar);
    if (pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)) &&
        pBar->GetDlgCtrlID() == -1 && static_cast<CZAVPBaseTabbedBar*>(pBar)->GetTabsNum() == 0)
        m_hEmbeddedBar = nullptr;
}

void CZAVPMiniFrameWnd::AddRemoveBarToGlobalList(CZAVPBaseControlBar* pBar, BOOL bAdd)
{
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr) return;
    const UINT nID = (UINT)pBar->GetDlgCtrlID();
    if (nID == (UINT)-1) {
        // A tabbed bar without an id is found by its tabs: each enters under its own id.
        if (!pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar))) return;
        CZAVPBaseTabbedBar* pTabbed = static_cast<CZAVPBaseTabbedBar*>(pBar);
        for (int i = 0; i < pTabbed->GetTabsNum(); ++i) {
            CWnd* pTab = pTabbed->FindBarByTabNumber(i);
            if (pTab != nullptr && pTab->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)) &&
                pTab->GetDlgCtrlID() != -1)
                AddRemoveBarToGlobalList(static_cast<CZAVPBaseControlBar*>(pTab), bAdd);
        }
        return;
    }
    if (bAdd)
        FloatingBars()[nID] = pBar->GetSafeHwnd();
    else {
        auto it = FloatingBars().find(nID);
        if (it != FloatingBars().end() && it->second == pBar->GetSafeHwnd())
            FloatingBars().erase(it);
    }
}

CZAVPBaseControlBar* CZAVPMiniFrameWnd::GetBarByID(UINT nID)
{
    auto it = FloatingBars().find(nID);
    if (it == FloatingBars().end() || !::IsWindow(it->second)) return nullptr;
    CWnd* pWnd = CWnd::FromHandlePermanent(it->second);
    return pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))
               ? static_cast<CZAVPBaseControlBar*>(pWnd)
               : nullptr;
}

void CZAVPMiniFrameWnd::RedrawAll()
{
    CPtrList& frames = ZAVPSharedBarData::AllMiniFrames();
    for (POSITION pos = frames.GetHeadPosition(); pos != nullptr;)
        ::RedrawWindow((HWND)frames.GetNext(pos), nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
}

CString CZAVPMiniFrameWnd::GetCaptionText() const
{
    CString strText;
    if (CWnd* pBar = GetControlBar()) pBar->GetWindowText(strText);
    return strText;
}

void CZAVPMiniFrameWnd::GetBorderSize(CRect& rect) const
{
    if (HostsToolBar()) {
        rect.SetRect(kMiniFrameToolBarBorder, kMiniFrameToolBarBorder, kMiniFrameToolBarBorder,
                     kMiniFrameToolBarBorder);
        return;
    }
    const int cx = ::GetSystemMetrics(SM_CXFRAME), cy = ::GetSystemMetrics(SM_CYFRAME);
    rect.SetRect(cx, cy, cx, cy);
}

void CZAVPMiniFrameWnd::GetCaptionRect(CRect& rectCaption) const
{
    CRect rectWindow, rectBorders;
    GetWindowRect(rectWindow);
    GetBorderSize(rectBorders);
    rectCaption = DockLayout::MiniFrameCaptionRect(rectWindow.Size(), rectBorders,
                                                   GetCaptionHeight());
}

void CZAVPMiniFrameWnd::AdjustLayout()
{
    CZAVPBaseControlBar* pBar = static_cast<CZAVPBaseControlBar*>(HostedControlBar());
    if (pBar == nullptr) return;
    const CSize size = pBar->CalcFixedLayout(FALSE, TRUE);
    CRect rectBorders;
    GetBorderSize(rectBorders);
    const int cx = size.cx + rectBorders.left + rectBorders.right;
    const int cy = size.cy + rectBorders.top + rectBorders.bottom + GetCaptionHeight();
    SetWindowPos(nullptr, 0, 0, cx, cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CZAVPMiniFrameWnd::RecalcLayout()
{
    CWnd* pBar = GetControlBar();
    if (pBar == nullptr || m_bRolledUp) return;
    CRect rectClient;
    GetClientRect(rectClient);
    pBar->SetWindowPos(nullptr, 0, 0, rectClient.Width(), rectClient.Height(),
                       SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    pBar->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CZAVPMiniFrameWnd::OnBarRecalcLayout()
{
    CZAVPControlBar* pBar = HostedControlBar();
    if (pBar == nullptr) return;
    pBar->RecalcLayout();
    // A rolled-up frame keeps its caption height: the frame's layout must not unroll it. It
    // takes the bar's size again when it rolls down.
    if (!m_bRolledUp) AdjustLayout();
}

BOOL CZAVPMiniFrameWnd::CalcExpectedDockedRect(CWnd*, CPoint, CRect& rectResult, BOOL& bDrawTab,
                                               CZAVPBaseControlBar** ppTargetBar)
{
    // One bar fills the frame: nothing docks inside it.
    rectResult.SetRectEmpty();
    bDrawTab = FALSE;
    if (ppTargetBar != nullptr) *ppTargetBar = nullptr;
    return FALSE;
}

CZAVPBaseControlBar* CZAVPMiniFrameWnd::ControlBarFromPoint(CPoint point, int,
                                                            BOOL bCheckVisibility)
{
    CWnd* pBar = GetControlBar();
    if (pBar == nullptr || !pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar))) return nullptr;
    if (bCheckVisibility && !pBar->IsWindowVisible()) return nullptr;
    CRect rect;
    pBar->GetWindowRect(rect);
    return rect.PtInRect(point) ? static_cast<CZAVPBaseControlBar*>(pBar) : nullptr;
}

BOOL CZAVPMiniFrameWnd::SaveState(LPCSTR lpszProfileName, UINT)
{
    CZAVPControlBar* pBar = HostedControlBar();
    return pBar == nullptr || pBar->SaveState(lpszProfileName, -1, (UINT)-1);
}

BOOL CZAVPMiniFrameWnd::LoadState(LPCSTR lpszProfileName, UINT)
{
    CZAVPControlBar* pBar = HostedControlBar();
    return pBar == nullptr || pBar->LoadState(lpszProfileName, -1, (UINT)-1);
}

void CZAVPMiniFrameWnd::OnShowControlBar(CZAVPBaseControlBar* pBar, BOOL bShow)
{
    if (pBar != nullptr && pBar->GetSafeHwnd() == m_hEmbeddedBar)
        ShowWindow(bShow ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void CZAVPMiniFrameWnd::CloseMiniFrame()
{
    ShowWindow(SW_HIDE);
    if (CWnd* pBar = GetControlBar()) pBar->ShowWindow(SW_HIDE);
}

int CZAVPMiniFrameWnd::GetDockMode() const
{
    CZAVPControlBar* pBar = HostedControlBar();
    return pBar != nullptr ? pBar->GetDockMode() : kDefaultDockMode;
}

// ---- caption buttons

CZAVPTitleButton* CZAVPMiniFrameWnd::FindCaptionButton(UINT nHit) const
{
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPTitleButton* pButton = static_cast<CZAVPTitleButton*>(
            m_lstCaptionButtons.GetNext(pos));
        if (pButton->GetHitTest() == nHit) return pButton;
    }
    return nullptr;
}

void CZAVPMiniFrameWnd::RemoveCaptionButtons()
{
    while (!m_lstCaptionButtons.IsEmpty()) delete m_lstCaptionButtons.RemoveHead();
    m_nHit = m_nHot = 0;
}

void CZAVPMiniFrameWnd::AddCaptionButton(UINT nHit)
{
    if (FindCaptionButton(nHit) != nullptr) return;
    CZAVPTitleButton* pButton = nHit == DockLayout::kHitMenu ? new CZAVPTitleButtonEx(nHit)
                                                             : new CZAVPTitleButton(nHit, FALSE);
    m_lstCaptionButtons.AddTail(pButton);
}

void CZAVPMiniFrameWnd::SetCaptionButtons(DWORD dwButtons)
{
    RemoveCaptionButtons();
    CWnd* pBar = GetControlBar();
    const BOOL bCanClose = pBar != nullptr && pBar->IsKindOf(RUNTIME_CLASS(CZAVPBaseControlBar)) &&
                           static_cast<CZAVPBaseControlBar*>(pBar)->CanBeClosed();
    for (UINT nHit : DockLayout::MiniFrameButtonIds(dwButtons, bCanClose)) AddCaptionButton(nHit);
    m_dwCaptionButtons = dwButtons;
    if (m_hWnd == nullptr) return;
    SetCaptionButtonsTooltips();
    ArrangeCaptionButtons();
    SendMessage(WM_NCPAINT);
}

std::vector<DockLayout::CaptionButton> CZAVPMiniFrameWnd::ButtonLayout() const
{
    std::vector<DockLayout::CaptionButton> buttons;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPTitleButton* pButton = static_cast<const CZAVPTitleButton*>(
            m_lstCaptionButtons.GetNext(pos));
        buttons.push_back(
            {pButton->GetHitTest(), pButton->m_bHidden, pButton->m_bLeftAlign, pButton->m_ptOrg});
    }
    return buttons;
}

void CZAVPMiniFrameWnd::ArrangeCaptionButtons()
{
    if (m_hWnd == nullptr) return;
    CRect rectCaption;
    GetCaptionRect(rectCaption);
    std::vector<DockLayout::CaptionButton> buttons = ButtonLayout();
    DockLayout::ArrangeMiniFrameCaptionButtons(buttons, rectCaption, CZAVPTitleButton::GetSize());
    size_t i = 0;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr; ++i)
        static_cast<CZAVPTitleButton*>(m_lstCaptionButtons.GetNext(pos))->m_ptOrg = buttons[i].pt;
    UpdateTooltips();
}

int CZAVPMiniFrameWnd::CalcCaptionButtonsWidth() const
{
    const CSize size = CZAVPTitleButton::GetSize();
    int nWidth = 0;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPTitleButton* pButton = static_cast<const CZAVPTitleButton*>(
            m_lstCaptionButtons.GetNext(pos));
        if (!pButton->m_bHidden) nWidth += size.cx + DockLayout::kMiniFrameButtonGap;
    }
    return nWidth;
}

void CZAVPMiniFrameWnd::SetCaptionButtonsTooltips()
{
    if (m_ToolTip.GetSafeHwnd() == nullptr) return;
    const int nButtons = (int)m_lstCaptionButtons.GetCount();
    for (int nTool = m_ToolTip.GetToolCount() + 1; nTool <= nButtons; ++nTool)
        m_ToolTip.AddTool(this, LPSTR_TEXTCALLBACKA, CRect(0, 0, 0, 0), (UINT_PTR)nTool);
    UpdateTooltips();
}

void CZAVPMiniFrameWnd::UpdateTooltips()
{
    if (m_ToolTip.GetSafeHwnd() == nullptr) return;
    // The buttons lie in the non-client area: their rectangles go to the tooltip relative to the
    // client area's origin.
    CRect rectWindow, rectClient;
    GetWindowRect(rectWindow);
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    const CPoint ptOffset(rectWindow.left - rectClient.left, rectWindow.top - rectClient.top);
    int nTool = 1;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr; ++nTool) {
        const CZAVPTitleButton* pButton = static_cast<const CZAVPTitleButton*>(
            m_lstCaptionButtons.GetNext(pos));
        CRect rect = pButton->m_bHidden ? CRect(0, 0, 0, 0) : pButton->GetRect();
        if (!rect.IsRectEmpty()) rect.OffsetRect(ptOffset);
        m_ToolTip.SetToolRect(this, (UINT_PTR)nTool, rect);
    }
    for (const int nTools = m_ToolTip.GetToolCount(); nTool <= nTools; ++nTool)
        m_ToolTip.SetToolRect(this, (UINT_PTR)nTool, CRect(0, 0, 0, 0));
}

BOOL CZAVPMiniFrameWnd::OnNeedTipText(UINT, NMHDR* pNMH, LRESULT* pResult)
{
    // The text lives in a buffer that outlasts the tooltip's use of it.
    static CString strTipText;
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMH);
    const UINT nTool = (UINT)pNMH->idFrom;
    if (nTool == 0 || nTool > (UINT)m_lstCaptionButtons.GetCount()) return FALSE;
    const CZAVPTitleButton* pButton = static_cast<const CZAVPTitleButton*>(
        m_lstCaptionButtons.GetAt(m_lstCaptionButtons.FindIndex((INT_PTR)nTool - 1)));
    const UINT nString = DockLayout::MiniFrameButtonTip(pButton->GetHitTest());
    if (nString == 0 || !strTipText.LoadString(nString)) return FALSE;
    pInfo->lpszText = const_cast<LPSTR>((LPCSTR)strTipText);
    *pResult = 0;
    return TRUE;
}

BOOL CZAVPMiniFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (m_ToolTip.GetSafeHwnd() != nullptr &&
        ((pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST) ||
         (pMsg->message >= WM_NCMOUSEMOVE && pMsg->message <= WM_NCMBUTTONDBLCLK) ||
         pMsg->message == WM_KEYDOWN))
        m_ToolTip.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

CZAVPTitleButton* CZAVPMiniFrameWnd::CaptionButtonFromPoint(CPoint ptScreen) const
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    const CPoint ptWindow(ptScreen.x - rectWindow.left, ptScreen.y - rectWindow.top);
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPTitleButton* pButton = static_cast<CZAVPTitleButton*>(
            m_lstCaptionButtons.GetNext(pos));
        if (!pButton->m_bHidden && pButton->GetRect().PtInRect(ptWindow)) return pButton;
    }
    return nullptr;
}

void CZAVPMiniFrameWnd::RedrawCaptionButton(CZAVPTitleButton* pButton)
{
    if (pButton == nullptr || m_hWnd == nullptr) return;
    m_rectRedraw = pButton->GetRect();
    SendMessage(WM_NCPAINT);
    m_rectRedraw.SetRectEmpty();
    UpdateWindow();
}

void CZAVPMiniFrameWnd::OnTrackCaptionButtons(CPoint point)
{
    CZAVPTitleButton* pUnder = CaptionButtonFromPoint(point);
    if (pUnder != nullptr && !pUnder->m_bEnabled) pUnder = nullptr;
    const DockLayout::CaptionTracking state = {m_nHot, m_nHit};
    const DockLayout::CaptionTrackStep step = DockLayout::TrackCaptionButtons(
        state, pUnder != nullptr ? pUnder->GetHitTest() : 0);
    m_nHot = step.nHighlighted;
    if (pUnder != nullptr) pUnder->m_bFocused = step.bFocused;
    if (step.nRedrawOld != 0)
        if (CZAVPTitleButton* pOld = FindCaptionButton(step.nRedrawOld)) {
            pOld->m_bFocused = FALSE;
            RedrawCaptionButton(pOld);
        }
    if (step.nRedrawNew != 0) RedrawCaptionButton(FindCaptionButton(step.nRedrawNew));
    if (step.bCapture) SetCapture();
    if (step.bRelease && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CZAVPMiniFrameWnd::StopCaptionButtonsTracking()
{
    if (m_nHit == 0 && m_nHot == 0) return;
    if (!m_drag.IsActive() && ::GetCapture() == m_hWnd) ::ReleaseCapture();
    CZAVPTitleButton* pPressed = FindCaptionButton(m_nHit);
    CZAVPTitleButton* pHot = FindCaptionButton(m_nHot);
    m_nHit = m_nHot = 0;
    for (CZAVPTitleButton* pButton : {pPressed, pHot}) {
        if (pButton == nullptr) continue;
        pButton->m_bPushed = pButton->m_bFocused = FALSE;
        RedrawCaptionButton(pButton);
    }
}

void CZAVPMiniFrameWnd::OnPressCaptionButton(UINT nHit)
{
    // Only the menu button acts here; the pin and the close button are the caller's.
    if (nHit != DockLayout::kHitMenu || ZAVPSharedBarData::g_bCustomizeMode) return;
    CZAVPTitleButtonEx* pButton = dynamic_cast<CZAVPTitleButtonEx*>(FindCaptionButton(nHit));
    CZAVPToolBar* pToolBar = dynamic_cast<CZAVPToolBar*>(HostedControlBar());
    if (pButton == nullptr || pToolBar == nullptr) return;
    const CCustomizeButton* pCustomize = pToolBar->GetCustomizeButton();
    if (pCustomize == nullptr || !pCustomize->m_bCanCustomize) return;

    CString strName;
    pToolBar->GetWindowText(strName);
    if (strName.IsEmpty()) strName.LoadString(IDS_ZAVP_UNNAMED_TOOLBAR);
    CString strAddRemove;
    strAddRemove.LoadString(IDS_ZAVP_ADD_REMOVE_BUTTONS);
    // The toolbar's name, under it "add or remove buttons", under that the list of the
    // toolbar's buttons, which the frame fills as it opens.
    HMENU hList = ::CreatePopupMenu();
    ::AppendMenuA(hList, MF_STRING | MF_GRAYED, kOptionsPlaceholderId, "DUMMY");
    HMENU hToolBar = ::CreatePopupMenu();
    ::AppendMenuA(hToolBar, MF_POPUP, (UINT_PTR)hList, strAddRemove);
    HMENU hMenu = ::CreatePopupMenu();
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hToolBar, strName);

    CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
    pPopup->m_iCustomizeMark = 1;
    pPopup->ForceShowAllItems();
    CRect rectWindow;
    GetWindowRect(rectWindow);
    const CRect rectButton = pButton->GetRect();
    // The menu opens over the caption, a little left of and above the button.
    const CPoint pt(rectWindow.left + rectButton.left - kOptionsMenuShiftLeft,
                    rectWindow.top + rectButton.top - kOptionsMenuShiftUp);
    pButton->m_bPushed = TRUE;
    pButton->m_bMenuIsOpen = TRUE;
    RedrawCaptionButton(pButton);
    // The popup deletes itself (and the menu) when it cannot open.
    if (!pPopup->Create(this, pt.x, pt.y, hMenu, FALSE, TRUE)) OnOptionsMenuClosed();
}

void CZAVPMiniFrameWnd::OnOptionsMenuClosed()
{
    CZAVPTitleButtonEx* pButton = dynamic_cast<CZAVPTitleButtonEx*>(
        FindCaptionButton(DockLayout::kHitMenu));
    if (pButton == nullptr || m_hWnd == nullptr) return;
    pButton->m_bPushed = FALSE;
    pButton->m_bMenuIsOpen = FALSE;
    RedrawCaptionButton(pButton);
}

void CZAVPMiniFrameWnd::DrawCaptionButtons(CDC* pDC)
{
    const BOOL bCustomize = ZAVPSharedBarData::g_bCustomizeMode;
    for (POSITION pos = m_lstCaptionButtons.GetHeadPosition(); pos != nullptr;) {
        CZAVPTitleButton* pButton = static_cast<CZAVPTitleButton*>(
            m_lstCaptionButtons.GetNext(pos));
        if (bCustomize) pButton->m_bEnabled = TRUE;
        if (pButton->m_bHidden) continue;
        // The pin's glyph shows the frame's pinned state.
        const BOOL bState = pButton->GetHitTest() == DockLayout::kHitPin ? !m_bPinned : FALSE;
        CZAVPVisualManager::GetInstance()->OnDrawCaptionButton(pDC, pButton, m_bActive, TRUE,
                                                               bState, !pButton->m_bEnabled);
    }
}

// ---- hit test and non-client area

DockLayout::MiniFrameHitQuery
CZAVPMiniFrameWnd::HitQuery(const std::vector<DockLayout::CaptionButton>& buttons) const
{
    DockLayout::MiniFrameHitQuery q = {};
    CRect rectWindow, rectClient, rectCaption, rectBorders;
    GetWindowRect(rectWindow);
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    GetCaptionRect(rectCaption);
    rectCaption.OffsetRect(rectWindow.TopLeft());
    GetBorderSize(rectBorders);
    q.rectWindow = rectWindow;
    q.rectClient = rectClient;
    q.rectCaption = rectCaption;
    q.rectBorders = rectBorders;
    q.sizeCursor = {::GetSystemMetrics(SM_CXCURSOR), ::GetSystemMetrics(SM_CYCURSOR)};
    q.bToolbarHost = HostsToolBar();
    q.bCustomizing = ZAVPSharedBarData::g_bCustomizeMode;
    q.pButtons = &buttons;
    q.sizeButton = CZAVPTitleButton::GetSize();
    return q;
}

int CZAVPMiniFrameWnd::HitTest(CPoint point, BOOL bDetectCaption)
{
    const std::vector<DockLayout::CaptionButton> buttons = ButtonLayout();
    return DockLayout::MiniFrameHitTest(point, HitQuery(buttons), bDetectCaption);
}

LRESULT CZAVPMiniFrameWnd::OnNcHitTest(CPoint point)
{
    const int nHit = HitTest(point, FALSE);
    if (nHit == DockLayout::kHitDefault) return CWnd::OnNcHitTest(point);
    // A rolled-up frame is its caption only: it has no edges to drag.
    if (m_bRolledUp && nHit >= HTLEFT && nHit <= HTBOTTOMRIGHT) return HTCLIENT;
    return nHit;
}

BOOL CZAVPMiniFrameWnd::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    LPCSTR lpszCursor = nullptr;
    switch (nHitTest) {
    case HTLEFT:
    case HTRIGHT: lpszCursor = IDC_SIZEWE; break;
    case HTTOP:
    case HTBOTTOM: lpszCursor = IDC_SIZENS; break;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: lpszCursor = IDC_SIZENWSE; break;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: lpszCursor = IDC_SIZENESW; break;
    default: return CWnd::OnSetCursor(pWnd, nHitTest, message);
    }
    ::SetCursor(::LoadCursorA(nullptr, lpszCursor));
    return TRUE;
}

void CZAVPMiniFrameWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rectBorders;
    GetBorderSize(rectBorders);
    RECT& r = lpncsp->rgrc[0];
    r.left += rectBorders.left;
    r.top += rectBorders.top + GetCaptionHeight();
    r.right -= rectBorders.right;
    r.bottom -= rectBorders.bottom;
    if (r.bottom < r.top) r.bottom = r.top;
    if (r.right < r.left) r.right = r.left;
}

void CZAVPMiniFrameWnd::DrawBorders(CDC* pDC, CRect rectWindow)
{
    CRect rectBorders;
    GetBorderSize(rectBorders);
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    CWnd* pBar = GetControlBar();
    if (ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPToolBar))) {
        pDC->FillRect(rectWindow, &globalData.brBarFace);
        pManager->OnDrawFloatingToolbarBorder(pDC, static_cast<CZAVPToolBar*>(pBar), rectWindow,
                                              rectBorders);
    } else {
        pManager->OnDrawMiniFrameBorder(pDC, this, rectWindow, rectBorders);
    }
}

void CZAVPMiniFrameWnd::PaintNonClient(CDC* pDC)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    CRect rectCaption;
    GetCaptionRect(rectCaption);

    DrawBorders(pDC, rectWindow);
    const COLORREF clrText = CZAVPVisualManager::GetInstance()->OnFillMiniFrameCaption(
        pDC, rectCaption, this, m_bActive);
    const CString strText = GetCaptionText();
    if (!strText.IsEmpty()) {
        const std::vector<DockLayout::CaptionButton> buttons = ButtonLayout();
        CRect rectText = DockLayout::CaptionTextRect(
            rectCaption, buttons, CZAVPTitleButton::GetSize(), kTextGapAfterLeft, kTextInset);
        CFont* pOldFont = pDC->SelectObject(&globalData.fontRegular);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(clrText);
        pDC->DrawText(strText, rectText, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
        pDC->SelectObject(pOldFont);
    }
    DrawCaptionButtons(pDC);
}

void CZAVPMiniFrameWnd::OnNcPaint()
{
    CZAVPDockManager* pManager = GetOwnerDockManager();
    // While an outline drag locks window updates the frame keeps its look.
    if (pManager != nullptr && pManager->m_bLockUpdate) return;
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    if (rectWindow.IsRectEmpty()) return;

    CDC dcMem;
    CBitmap bmp;
    if (!dcMem.CreateCompatibleDC(&dc) ||
        !bmp.CreateCompatibleBitmap(&dc, rectWindow.Width(), rectWindow.Height()))
        return;
    CBitmap* pOldBitmap = dcMem.SelectObject(&bmp);
    PaintNonClient(&dcMem);
    // The client area is the bar's; only the non-client part (or one button) is copied.
    dc.ExcludeClipRect(rectClient);
    if (!m_rectRedraw.IsRectEmpty()) dc.IntersectClipRect(m_rectRedraw);
    dc.BitBlt(0, 0, rectWindow.Width(), rectWindow.Height(), &dcMem, 0, 0, SRCCOPY);
    dcMem.SelectObject(pOldBitmap);
}

BOOL CZAVPMiniFrameWnd::OnEraseBkgnd(CDC*) { return TRUE; }

// ---- activation

BOOL CZAVPMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    if (GetStyle() & MFS_SYNCACTIVE) {
        // The owner frame decides; while it asks the frame to keep its caption, the caption stays.
        CWnd* pOwner = CWnd::FromHandlePermanent(m_hParentWnd);
        return !(pOwner != nullptr && (pOwner->m_nFlags & WF_KEEPMINIACTIVE));
    }
    const BOOL bNew = bActive || FocusInside(m_hWnd);
    if (bNew != m_bActive) {
        m_bActive = bNew;
        SendMessage(WM_NCPAINT);
    }
    return TRUE;
}

LRESULT CZAVPMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    const BOOL bSync = (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (wParam & (FS_SHOW | FS_HIDE))
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     ((wParam & FS_SHOW) ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE |
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (wParam & (FS_ENABLE | FS_DISABLE)) EnableWindow((wParam & FS_ENABLE) != 0);
    if ((wParam & (FS_ACTIVATE | FS_DEACTIVATE)) && bSync) {
        // The synchronised style is taken off for the one message, so that it takes its state.
        ModifyStyle(MFS_SYNCACTIVE, 0);
        SendMessage(WM_NCACTIVATE, (wParam & FS_ACTIVATE) != 0);
        ModifyStyle(0, MFS_SYNCACTIVE);
    }
    return bSync && (wParam & FS_SYNCACTIVE) ? 1 : 0;
}

LRESULT CZAVPMiniFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    // The caption follows the focus; the hosted bar updates its buttons.
    if (!(GetStyle() & MFS_SYNCACTIVE)) {
        const BOOL bActive = FocusInside(m_hWnd);
        if (bActive != m_bActive) {
            m_bActive = bActive;
            SendMessage(WM_NCPAINT);
        }
    }
    if (m_hEmbeddedBar != nullptr && ::IsWindow(m_hEmbeddedBar))
        ::SendMessageA(m_hEmbeddedBar, WM_IDLEUPDATECMDUI, wParam, lParam);
    return 0;
}

void CZAVPMiniFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    CWnd::OnSetFocus(pOldWnd);
    if (HostsToolBar()) {
        // A toolbar takes no focus: it goes back where it came from once a move or size ends.
        m_hLastFocusWnd = pOldWnd != nullptr ? pOldWnd->GetSafeHwnd() : nullptr;
        return;
    }
    if (m_hEmbeddedBar != nullptr && ::IsWindow(m_hEmbeddedBar)) ::SetFocus(m_hEmbeddedBar);
}

void CZAVPMiniFrameWnd::OnExitSizeMove()
{
    CWnd::OnExitSizeMove();
    if (m_hLastFocusWnd != nullptr && ::IsWindow(m_hLastFocusWnd)) ::SetFocus(m_hLastFocusWnd);
    m_hLastFocusWnd = nullptr;
}

void CZAVPMiniFrameWnd::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CWnd::OnSettingChange(uFlags, lpszSection);
    RecalcCaptionHeight();
}

void CZAVPMiniFrameWnd::RecalcCaptionHeight()
{
    m_nCaptionHeight = ::GetSystemMetrics(SM_CYSMCAPTION);
    m_nMinWidth = m_nMinHeight = m_nCaptionHeight + DockLayout::kMiniFrameMinExtra;
}

// ---- persistence

DWORD CZAVPMiniFrameWnd::MaskStoredStyle(DWORD dwStyle)
{
    return dwStyle & DockLayout::kMiniFrameStyleMask;
}

void CZAVPMiniFrameWnd::Serialize(CArchive& ar)
{
    DockLayout::ContainerRecordNested nested;
    DockLayout::MiniFrameRecord record;
    if (ar.IsStoring()) {
        CRect rectWindow;
        GetWindowRect(rectWindow);
        CWnd* pBar = GetControlBar();
        record.style = GetStyle();
        record.rect = DockLayout::StoredMiniFrameRect(rectWindow, m_bRolledUp,
                                                      m_nHeightBeforeRollUp);
        record.visible = IsWindowVisible() ? 1 : 0;
        record.barId = pBar != nullptr ? (DWORD)pBar->GetDlgCtrlID() : 0;
        record.captionButtons = m_dwCaptionButtons;
        record.pinned = m_bPinned ? 1 : 0;
        DockLayout::StoreMiniFrameRecord(ar, record, nested);
        return;
    }
    const size_t nImageBytes = ar.GetFile() != nullptr ? (size_t)ar.GetFile()->GetLength() : 0;
    DockLayout::LoadMiniFrameRecord(ar, nImageBytes, FALSE, record, nested);
    // The window appears when its bar comes back (SetDockState), never empty.
    ZAVPLayoutWindowBudget::Take();
    if (!Create("", MaskStoredStyle(record.style) & ~WS_VISIBLE, record.rect,
                m_pParentFrameForLoad))
        AfxThrowArchiveException(CArchiveException::genericException);
    m_nStoredBarId = record.barId;
    m_dwCaptionButtons = record.captionButtons;
    m_bPinned = record.pinned != 0;
}

void CZAVPMiniFrameWnd::SetDockState(CZAVPDockManager* pDockManager)
{
    // A bar stored without an id (-1) cannot be told from any other id-less bar.
    CZAVPBaseControlBar* pBar = m_nStoredBarId != 0 && m_nStoredBarId != (UINT)-1 &&
                                        pDockManager != nullptr
                                    ? pDockManager->FindBarByID(m_nStoredBarId, TRUE)
                                    : nullptr;
    if (pBar == nullptr || pBar->GetSafeHwnd() == nullptr || !pBar->CanFloat()) {
        // The dock manager is walking its lists: the empty frame goes once it has finished.
        m_hEmbeddedBar = nullptr;
        PostMessage(ZAVPRegisteredMessages::CheckEmptyMiniFrame);
        return;
    }
    if (pBar->GetSafeHwnd() == m_hEmbeddedBar) return;
    BOOL bVisible = pBar->IsRestoredFromRegistry() ? pBar->GetRecentVisibleState()
                                                   : (pBar->GetStyle() & WS_VISIBLE) != 0;
    // A bar that became a tab since the layout was stored leaves its group first: no tab may
    // keep a window that floats here. Out of the group it shows, whichever tab was in front.
    if (CZAVPBaseTabbedBar::ReleaseFromGroup(pBar) && !pBar->IsRestoredFromRegistry())
        bVisible = TRUE;
    // A pane hidden on an auto-hide strip comes off it first.
    if (pBar->IsKindOf(RUNTIME_CLASS(CZAVPDockingControlBar)) &&
        static_cast<CZAVPDockingControlBar*>(pBar)->IsAutoHideMode())
        static_cast<CZAVPDockingControlBar*>(pBar)->SetAutoHideMode(FALSE, CBRS_ALIGN_ANY, nullptr,
                                                                    FALSE);
    CRect rectBar;
    pBar->GetWindowRect(rectBar);
    if (pBar->GetParentMiniFrame(TRUE) == nullptr) pBar->FloatControlBar(rectBar, 0, FALSE);
    CZAVPMiniFrameWnd* pOther = pBar->GetParentMiniFrame(TRUE);
    if (pOther != nullptr && pOther != this) pOther->RemoveControlBar(pBar);

    const DWORD dwCaptionButtons = m_dwCaptionButtons;
    const BOOL bPinned = m_bPinned;
    pBar->SetParent(this);
    AddControlBar(pBar);
    // The stored buttons (with the pin of a rolling frame) and pin state stand.
    if ((dwCaptionButtons & ~m_dwCaptionButtons) != 0) SetCaptionButtons(dwCaptionButtons);
    m_bPinned = bPinned;
    CRect rectClient;
    GetClientRect(rectClient);
    pBar->SetWindowPos(&CWnd::wndTop, 0, 0, rectClient.Width(), rectClient.Height(),
                       SWP_NOACTIVATE);
    pBar->RecalcLayout();
    AdjustLayout();
    SetWindowPos(nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    pBar->ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
    ShowWindow(bVisible ? SW_SHOWNOACTIVATE : SW_HIDE);
}
