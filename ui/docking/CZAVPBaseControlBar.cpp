// Base window class of every bar (see CZAVPBaseControlBar.h).
#include "ui/docking/CZAVPBaseControlBar.h"

#include <cstring>
#include <vector>

#include "framework/AfxResourceHandle.h"
#include "framework/CArchive.h"
#include "framework/CDC.h"
#include "framework/CDialog.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/CZAVPBaseTabWnd.h"
#include "ui/docking/CZAVPBaseTabbedBar.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMDIChildWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPOleCntrFrameWnd.h"
#include "ui/docking/CZAVPOleDocIPFrameWnd.h"
#include "ui/docking/CZAVPOleIPFrameWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/layout/DialogTemplateStyle.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPRegistryPath.h"

IMPLEMENT_DYNAMIC(CZAVPBaseControlBar, CWnd)

BEGIN_MESSAGE_MAP(CZAVPBaseControlBar, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPBaseControlBar::OnIdleUpdateCmdUI)
ON_MESSAGE(WM_HELPHITTEST, &CZAVPBaseControlBar::OnHelpHitTest)
ON_MESSAGE(WM_INITDIALOG, &CZAVPBaseControlBar::OnInitDialog)
END_MESSAGE_MAP()

int CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;

namespace
{
// Help ids of a bar: a tool under the point, or the bar itself.
const LRESULT kHelpIdTool = 0x10000;
const LRESULT kHelpIdBar = 0x50000;
// Tooltip text requests (TTN_NEEDTEXTA, TTN_NEEDTEXTW).
const int kNeedTextA = -520;
const int kNeedTextW = -530;

// The bit of the transient flags that survives window creation.
const DWORD kFlagKeptOnCreate = 0x10000000;
const char kBaseSection[] = "ZAVPBaseControlBars";
const char kBaseKey[] = "ZAVPBaseControlBar";  // "%sZAVPBaseControlBar-%d"
}  // namespace

CZAVPBaseControlBar::CZAVPBaseControlBar()
    : m_dwBarFlags(0), m_dwEnabledAlignment(0), m_dwStyle(0), m_dwControlBarStyle(0),
      m_bRecentVisibleState(FALSE), m_bIsRestoredFromRegistry(FALSE), m_pParentDockBar(nullptr),
      m_pDockBarRow(nullptr), m_pDockSite(nullptr), m_nDockMode(ZAVP_DOCK_DEFAULT),
      m_bCheckIdOnCreate(TRUE), m_bIsDlgControl(FALSE), m_uiDlgTemplateId(0), m_nTemplateWidth(0),
      m_nTemplateHeight(0)
{
}

CZAVPBaseControlBar::~CZAVPBaseControlBar() {}

BOOL CZAVPBaseControlBar::IsDocked() const
{
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame == nullptr || pMiniFrame->GetHostedBarWnd() != m_hWnd;
}

BOOL CZAVPBaseControlBar::IsTabbed() const
{
    CWnd* pParent = m_hWnd ? CWnd::FromHandlePermanent(::GetParent(m_hWnd)) : nullptr;
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabWnd));
}

BOOL CZAVPBaseControlBar::IsVisible() const
{
    // A tab is visible when its tab window is and the tab is shown in it.
    if (CZAVPBaseTabWnd* pTabWnd = ParentTabWnd()) {
        const int iTab = pTabWnd->GetTabFromHwnd(m_hWnd);
        return iTab >= 0 && pTabWnd->IsWindowVisible() && pTabWnd->IsTabVisible(iTab);
    }
    if (CZAVPDockManager::m_bRestoringDockState) return m_bRecentVisibleState;
    return m_hWnd != nullptr && (GetStyle() & WS_VISIBLE) != 0;
}

BOOL CZAVPBaseControlBar::CanFloat() const
{
    // A tab floats when its tab window lets it go.
    if (CZAVPBaseTabWnd* pTabWnd = ParentTabWnd()) {
        const int iTab = pTabWnd->GetTabFromHwnd(m_hWnd);
        if (iTab >= 0) return pTabWnd->IsTabDetachable(iTab);
    }
    return (m_dwControlBarStyle & ZAVP_CBRS_FLOAT) != 0;
}

CZAVPBaseTabWnd* CZAVPBaseControlBar::ParentTabWnd() const
{
    CWnd* pParent = m_hWnd ? CWnd::FromHandlePermanent(::GetParent(m_hWnd)) : nullptr;
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabWnd))
               ? static_cast<CZAVPBaseTabWnd*>(pParent)
               : nullptr;
}

HICON CZAVPBaseControlBar::GetIcon(BOOL bBig)
{
    return (HICON)::SendMessageA(m_hWnd, WM_GETICON, bBig ? ICON_BIG : ICON_SMALL, 0);
}

void CZAVPBaseControlBar::SetBarAlignment(DWORD dwAlignment)
{
    m_dwStyle = (m_dwStyle & ~CBRS_ALIGN_ANY) | (dwAlignment & CBRS_ALIGN_ANY);
}

BOOL CZAVPBaseControlBar::DockControlBar(CZAVPBaseControlBar*, int, LPCRECT) { return FALSE; }

BOOL CZAVPBaseControlBar::FloatControlBar(CRect, int, BOOL) { return FALSE; }

BOOL CZAVPBaseControlBar::DockToFrameEdge(DWORD, LPCRECT, int, CZAVPBaseControlBar*, int, BOOL)
{
    return FALSE;
}

BOOL CZAVPBaseControlBar::ShowControlBar(BOOL bShow, BOOL bDelay, BOOL bActivate)
{
    // A tab is shown or hidden by its tab window; a tabbed pane shows itself while a tab is.
    if (CZAVPBaseTabWnd* pTabWnd = ParentTabWnd()) {
        CWnd* pGroup = pTabWnd->GetParent();
        if (pGroup != nullptr && pGroup->IsKindOf(RUNTIME_CLASS(CZAVPBaseTabbedBar)))
            return static_cast<CZAVPBaseTabbedBar*>(pGroup)->ShowControlBar(this, bShow, bDelay,
                                                                            bActivate);
        const int iTab = pTabWnd->GetTabFromHwnd(m_hWnd);
        if (iTab >= 0) pTabWnd->ShowTab(iTab, bShow, !bDelay, FALSE);
        return TRUE;
    }
    const int nCmdShow = bShow ? SW_SHOWNOACTIVATE : SW_HIDE;
    // A bar in a mini frame: the frame follows (it hides with its last visible bar).
    if (CZAVPMiniFrameWnd* pMiniFrame = IsTabbed() ? nullptr : GetParentMiniFrame(TRUE)) {
        ShowWindow(nCmdShow);
        pMiniFrame->OnShowControlBar(this, bShow);
        return TRUE;
    }
    if (m_pParentDockBar == nullptr) {
        if (!IsTabbed()) {
            ShowWindow(nCmdShow);
            if (!bDelay) AdjustDockingLayout();
        }
        return TRUE;
    }
    // The dock bar's row shows or hides the bar and re-lays itself out.
    return m_pParentDockBar->ShowControlBar(this, bShow, bDelay);
}

CZAVPMiniFrameWnd* CZAVPBaseControlBar::GetParentMiniFrame(BOOL) const
{
    for (HWND hWnd = m_hWnd ? ::GetParent(m_hWnd) : nullptr; hWnd != nullptr;
         hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPMiniFrameWnd)))
            return static_cast<CZAVPMiniFrameWnd*>(pWnd);
    }
    return nullptr;
}

CString CZAVPBaseControlBar::StateKey(LPCSTR lpszSection, LPCSTR lpszKeyName,
                                      LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strSection = BuildRegistryPath(lpszSection, lpszProfileName);
    CString strKey;
    if (uiID == (UINT)-1)
        strKey.Format("%s%s-%d", (LPCSTR)strSection, lpszKeyName, nIndex);
    else
        strKey.Format("%s%s-%d%x", (LPCSTR)strSection, lpszKeyName, nIndex, uiID);
    return strKey;
}

BOOL CZAVPBaseControlBar::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    const CString strKey = StateKey(kBaseSection, kBaseKey, lpszProfileName, nIndex, uiID);
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
    if (!reg.ReadKey(strKey)) return FALSE;
    int bVisible = m_bRecentVisibleState;
    if (reg.Read("IsVisible", bVisible)) m_bRecentVisibleState = bVisible != 0;
    m_bIsRestoredFromRegistry = TRUE;
    return TRUE;
}

BOOL CZAVPBaseControlBar::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    const CString strKey = StateKey(kBaseSection, kBaseKey, lpszProfileName, nIndex, uiID);
    CZAVPRegistryHolder holder;
    CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
    if (reg.CreateKey(strKey)) reg.Write("IsVisible", (int)IsVisible());
    return TRUE;
}

HDWP CZAVPBaseControlBar::MoveWindow(CRect& rect, BOOL bRepaint, HDWP hdwp)
{
    CRect rectOld;
    GetWindowRect(rectOld);
    if (CWnd* pParent = GetParent()) pParent->ScreenToClient(rectOld);
    if (rectOld == rect) return hdwp;
    if (hdwp == nullptr) {
        CWnd::MoveWindow(rect, bRepaint);
        return nullptr;
    }
    HDWP hdwpNew = ::DeferWindowPos(hdwp, m_hWnd, nullptr, rect.left, rect.top, rect.Width(),
                                    rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    if (hdwpNew != nullptr) return hdwpNew;
    CWnd::MoveWindow(rect, bRepaint);
    return hdwp;
}

HDWP CZAVPBaseControlBar::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy,
                                       UINT nFlags, HDWP hdwp)
{
    if (hdwp == nullptr) {
        CWnd::SetWindowPos(pWndInsertAfter, x, y, cx, cy, nFlags);
        return nullptr;
    }
    HDWP hdwpNew = ::DeferWindowPos(hdwp, m_hWnd,
                                    pWndInsertAfter ? pWndInsertAfter->GetSafeHwnd() : nullptr, x,
                                    y, cx, cy, nFlags);
    if (hdwpNew != nullptr) return hdwpNew;
    CWnd::SetWindowPos(pWndInsertAfter, x, y, cx, cy, nFlags);
    return hdwp;
}

BOOL CZAVPBaseControlBar::CreateEx(DWORD dwStyleEx, LPCSTR lpszClassName, LPCSTR lpszWindowName,
                                   DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                                   DWORD dwControlBarStyle, CCreateContext*)
{
    m_dwBarFlags &= kFlagKeptOnCreate;
    m_dwStyle = GetBarStyle() | (dwStyle & CBRS_ALL);
    m_dwControlBarStyle = dwControlBarStyle;
    // The dock site and the dialog test are this bar's own, from its own parent.
    if (pParentWnd != nullptr) {
        m_pDockSite = pParentWnd->IsFrameWnd() ? static_cast<CFrameWnd*>(pParentWnd)
                                               : pParentWnd->GetParentFrame();
        m_bIsDlgControl = pParentWnd->IsKindOf(RUNTIME_CLASS(CDialog));
    }
    // The CBRS_* bits share the low word with nothing the window needs.
    const DWORD dwWindowStyle = dwStyle & ~CBRS_ALL;
    if (m_uiDlgTemplateId != 0)
        return CreateFromTemplate(dwWindowStyle | (dwStyle & WS_VISIBLE), pParentWnd, nID);
    return CWnd::CreateEx(dwStyleEx, lpszClassName, lpszWindowName,
                          dwWindowStyle | (dwStyle & WS_VISIBLE), rect, pParentWnd, nID);
}

BOOL CZAVPBaseControlBar::CreateFromTemplate(DWORD dwWindowStyle, CWnd* pParentWnd, UINT nID)
{
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInst, MAKEINTRESOURCEA(m_uiDlgTemplateId),
                                      (LPCSTR)RT_DIALOG);
    HGLOBAL hTemplate = hResource != nullptr ? ::LoadResource(hInst, hResource) : nullptr;
    const BYTE* pTemplate = hTemplate != nullptr ? (const BYTE*)::LockResource(hTemplate) : nullptr;
    const DWORD nSize = hResource != nullptr ? ::SizeofResource(hInst, hResource) : 0;
    DWORD nStyleOffset = 0;
    if (pTemplate == nullptr ||
        !DockLayout::DialogTemplateStyleOffset(pTemplate, nSize, nStyleOffset))
        return FALSE;
    // A copy whose style makes it a child of the bar's parent with the bar's window style; the
    // DS_* bits of the low word stay the template's (they say how the rest of it reads).
    std::vector<DWORD> copy((nSize + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(copy.data(), pTemplate, nSize);
    BYTE* pCopy = reinterpret_cast<BYTE*>(copy.data());
    DWORD dwTemplateStyle;
    std::memcpy(&dwTemplateStyle, pCopy + nStyleOffset, sizeof dwTemplateStyle);
    const DWORD dwStyle = DockLayout::DialogBarStyle(dwTemplateStyle, dwWindowStyle);
    std::memcpy(pCopy + nStyleOffset, &dwStyle, sizeof dwStyle);

    AfxHookWindowCreate(this);
    const HWND hWnd = ::CreateDialogIndirectParamA(hInst, (LPCDLGTEMPLATEA)pCopy,
                                                   AfxGetSafeHwnd(pParentWnd), AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    if (hWnd == nullptr) return FALSE;
    // The bar's background is the dialog face wherever the bar does not paint.
    ::SetClassLongPtrA(hWnd, GCLP_HBRBACKGROUND, (LONG_PTR)::GetSysColorBrush(COLOR_BTNFACE));
    ::SetWindowLongPtrA(hWnd, GWLP_ID, (LONG_PTR)nID);
    CRect rectWindow;
    ::GetWindowRect(hWnd, rectWindow);
    m_nTemplateWidth = rectWindow.Width();
    m_nTemplateHeight = rectWindow.Height();
    return TRUE;
}

CSize CZAVPBaseControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    if (!bStretch) return CSize(0, 0);
    return bHorz ? CSize(kStretchLength, 0) : CSize(0, kStretchLength);
}

void CZAVPBaseControlBar::DoPaint(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectClip;
    pDC->GetClipBox(rectClip);
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClip, FALSE);
}

void CZAVPBaseControlBar::AdjustDockingLayout(HDWP hdwp)
{
    // A floating bar is laid out by its mini frame.
    if (!IsDocked()) return;
    CWnd* pFrame = m_pDockSite;
    if (pFrame == nullptr && m_hWnd != nullptr) pFrame = GetParentFrame();
    AdjustFrameLayout(pFrame, hdwp);
}

void CZAVPBaseControlBar::AdjustFrameLayout(CWnd* pFrame, HDWP hdwp)
{
    // The frame's own operation lays out the bars and then places the view in what they leave;
    // the dock manager alone would leave the view where it was.
    if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPFrameWnd)))
        static_cast<CZAVPFrameWnd*>(pFrame)->AdjustDockingLayout(hdwp);
    else if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPMDIFrameWnd)))
        static_cast<CZAVPMDIFrameWnd*>(pFrame)->AdjustDockingLayout(hdwp);
    else if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPMDIChildWnd)))
        static_cast<CZAVPMDIChildWnd*>(pFrame)->AdjustDockingLayout(hdwp);
    else if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPOleIPFrameWnd)))
        static_cast<CZAVPOleIPFrameWnd*>(pFrame)->AdjustDockingLayout(hdwp);
    else if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPOleDocIPFrameWnd)))
        static_cast<CZAVPOleDocIPFrameWnd*>(pFrame)->AdjustDockingLayout(hdwp);
    else if (ZAVPIsKindOf(pFrame, RUNTIME_CLASS(CZAVPOleCntrFrameWnd)))
        static_cast<CZAVPOleCntrFrameWnd*>(pFrame)->AdjustDockingLayout(hdwp);
    else if (CZAVPDockManager* pManager = CZAVPDockingUtils::GetDockManager(pFrame))
        pManager->AdjustDockingLayout(hdwp);
}

void CZAVPBaseControlBar::Serialize(CArchive& ar)
{
    CWnd::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (DWORD)GetCurrentAlignment() << (DWORD)IsVisible();
        return;
    }
    DWORD dwAlignment = 0, dwVisible = 0;
    ar >> dwAlignment >> dwVisible;
    // The stored side replaces the current one: a bar has one alignment.
    SetBarAlignment(dwAlignment);
    m_bRecentVisibleState = dwVisible != 0;
}

LRESULT CZAVPBaseControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_NOTIFY:
    case WM_COMMAND: {
        LRESULT lResult = 0;
        if (OnWndMsg(message, wParam, lParam, &lResult)) return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner == nullptr) pOwner = GetParent();
        if (pOwner == nullptr) break;
        lResult = pOwner->SendMessage(message, wParam, lParam);
        // A tooltip text the owner left empty is the bar's own to give.
        if (message == WM_NOTIFY && lParam != 0) {
            const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
            if (pHdr->code == (UINT)kNeedTextA) {
                const NMTTDISPINFOA* pInfo = reinterpret_cast<const NMTTDISPINFOA*>(lParam);
                if (pInfo->hinst == nullptr &&
                    (pInfo->lpszText == nullptr || *pInfo->lpszText == '\0') &&
                    pInfo->szText[0] == '\0')
                    return CWnd::WindowProc(message, wParam, lParam);
            } else if (pHdr->code == (UINT)kNeedTextW) {
                const NMTTDISPINFOW* pInfo = reinterpret_cast<const NMTTDISPINFOW*>(lParam);
                if (pInfo->hinst == nullptr &&
                    (pInfo->lpszText == nullptr || *pInfo->lpszText == L'\0') &&
                    pInfo->szText[0] == L'\0')
                    return CWnd::WindowProc(message, wParam, lParam);
            }
        }
        return lResult;
    }
    default: break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CZAVPBaseControlBar::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg)) return TRUE;
    CFrameWnd* pTop = GetTopLevelFrame();
    if (pTop != nullptr && pTop->m_bHelpMode) return FALSE;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr) pOwner = GetParent();
    // The owner, then each frame above it, down to the top-level window.
    for (CWnd* pWnd = pOwner; pWnd != nullptr; pWnd = pWnd->GetParentFrame()) {
        if (pWnd->PreTranslateMessage(pMsg)) return TRUE;
        if (pWnd->GetParentFrame() == pWnd) break;
    }
    return PreTranslateInput(pMsg);
}

BOOL CZAVPBaseControlBar::PreTranslateInput(MSG* pMsg)
{
    // The keys and clicks no frame took get a dialog's handling among the bar's controls: Tab
    // and the arrows move the focus, Enter and Esc go to the default and cancel commands.
    const UINT message = pMsg->message;
    const bool bKey = message >= WM_KEYFIRST && message <= WM_KEYLAST;
    const bool bMouse = message >= WM_MOUSEFIRST && message <= WM_MOUSELAST;
    if ((!bKey && !bMouse) || m_hWnd == nullptr) return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

LRESULT CZAVPBaseControlBar::OnInitDialog(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    // A template bar's controls take their initial data, then the bar's values.
    if (m_uiDlgTemplateId != 0) {
        ExecuteDlgInit(MAKEINTRESOURCEA(m_uiDlgTemplateId));
        UpdateData(FALSE);
    }
    return lResult;
}

LRESULT CZAVPBaseControlBar::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    const CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    const INT_PTR nHit = OnToolHitTest(point, nullptr);
    if (nHit != -1) return kHelpIdTool + nHit;
    const UINT nID = (UINT)GetDlgCtrlID() & 0xFFFF;
    return nID == 0 ? 0 : kHelpIdBar + nID;
}

CZAVPDockManager* CZAVPBaseControlBar::GetDockManager() const
{
    CWnd* pFrame = m_pDockSite;
    if (pFrame == nullptr && m_hWnd != nullptr) pFrame = GetParentFrame();
    return CZAVPDockingUtils::GetDockManager(pFrame);
}

void CZAVPBaseControlBar::AddControlBar(BOOL bTail)
{
    if (CZAVPDockManager* pManager = GetDockManager()) pManager->AddControlBar(this, bTail);
}

void CZAVPBaseControlBar::RemoveControlBarFromDockManager(BOOL bDestroy, BOOL bAdjustLayout,
                                                          BOOL bAutoHide)
{
    if (CZAVPDockManager* pManager = GetDockManager())
        pManager->RemoveControlBarFromDockManager(this, bDestroy, bAdjustLayout, bAutoHide);
}

BOOL CZAVPBaseControlBar::IsPointNearDockBar(CPoint point, DWORD& dwBarAlignment,
                                             BOOL& bOuterEdge) const
{
    CZAVPDockManager* pManager = GetDockManager();
    return pManager != nullptr && pManager->IsPointNearDockBar(point, dwBarAlignment, bOuterEdge);
}

CZAVPBaseControlBar* CZAVPBaseControlBar::ControlBarFromPoint(CPoint point, int nSensitivity,
                                                              BOOL bExactBar,
                                                              CRuntimeClass* pRTCBarType) const
{
    CZAVPDockManager* pManager = GetDockManager();
    return pManager ? pManager->ControlBarFromPoint(point, nSensitivity, bExactBar, pRTCBarType)
                    : nullptr;
}

BOOL CZAVPBaseControlBar::InsertControlBar(CZAVPBaseControlBar* pTarget, BOOL bAfter)
{
    CZAVPDockManager* pManager = GetDockManager();
    if (pManager == nullptr) return LivesInDialog();
    return pManager->InsertControlBar(this, pTarget, bAfter);
}

BOOL CZAVPBaseControlBar::DockToFrameWindow(BOOL)
{
    CZAVPDockManager* pManager = GetDockManager();
    if (pManager == nullptr) return LivesInDialog();
    pManager->DockControlBar(this, 0, nullptr);
    return TRUE;
}

int CZAVPBaseControlBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CWnd::OnCreate(lpcs) == -1) return -1;
    m_dwBarFlags &= kFlagKeptOnCreate;
    return 0;
}

void CZAVPBaseControlBar::OnPaint()
{
    CPaintDC dc(this);
    if (GetStyle() & WS_VISIBLE) DoPaint(&dc);
}

BOOL CZAVPBaseControlBar::OnEraseBkgnd(CDC*) { return TRUE; }

void CZAVPBaseControlBar::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_pDockBarRow != nullptr) m_pDockBarRow->OnSizeBar(this);
}

LRESULT CZAVPBaseControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    if (!(GetStyle() & WS_VISIBLE)) return 0;
    if (m_pParentDockBar != nullptr && !(m_pParentDockBar->GetStyle() & WS_VISIBLE)) return 0;
    CWnd* pOwner = GetOwner();
    if (pOwner == nullptr) pOwner = GetParent();
    CFrameWnd* pTarget = (pOwner && pOwner->IsFrameWnd()) ? static_cast<CFrameWnd*>(pOwner)
                                                          : GetParentFrame();
    if (pTarget != nullptr) OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}
