// The tasks pane: creation, pages and history, caption buttons, the mouse, command update and
// the state in the registry. Layout, scrolling and drawing are in CZAVPTasksPaneLayout.cpp.
#include "ui/panes/CZAVPTasksPane.h"

#include <algorithm>

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CFrameWnd.h"
#include "framework/CMemFile.h"
#include "framework/CMemoryException.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPMultiMiniFrameWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/docking/CZAVPTitleButtonEx.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPRegistry.h"
#include "ui/foundation/CZAVPRegistryHolder.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "ui/panes/CTasksPaneMenuButton.h"
#include "ui/panes/CTasksPaneNavigateButton.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTaskPaneMiniFrameWnd.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/panes/CZAVPTasksPanePage.h"
#include "ui/panes/ZAVPPaneHandCursor.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "framework/CWinApp.h"
#include "framework/AfxMsgMap.h"

IMPLEMENT_SERIAL(CZAVPTasksPane, CZAVPDockingControlBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPTasksPane, CZAVPDockingControlBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_SETTINGCHANGE()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_VSCROLL()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_TIMER()
ON_MESSAGE(WM_SETFONT, &CZAVPTasksPane::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CZAVPTasksPane::OnGetFont)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, &CZAVPTasksPane::OnNeedTipText)
ON_COMMAND(CZAVPTasksPane::kCmdBack, &CZAVPTasksPane::OnBack)
ON_COMMAND(CZAVPTasksPane::kCmdForward, &CZAVPTasksPane::OnForward)
ON_COMMAND(CZAVPTasksPane::kCmdHome, &CZAVPTasksPane::OnHome)
ON_COMMAND(CZAVPTasksPane::kCmdClose, &CZAVPTasksPane::OnClose)
ON_COMMAND(CZAVPTasksPane::kCmdOtherPane, &CZAVPTasksPane::OnOtherPane)
END_MESSAGE_MAP()

namespace
{
const UINT kIdleMessage = 0xE001;  // AFX_IDS_IDLEMESSAGE
const UINT kTasksScrollBarId = 1;
// Tooltip tools of the caption buttons, beside the bar's own 1 (close) and 2 (pin).
const UINT_PTR kToolBack = 3, kToolForward = 4, kToolPages = 5;
// The pages menu opened from the caption tracks these ids (one per page) so that the choice
// names its page; the menu the pane keeps sends the one page command.
const UINT kFirstPageItem = 0x7000;
const int kMaxPageItems = 0x0F00;
const DWORD kNoGripper = CBRS_GRIPPER;
const char kKeyFormat[] = "%sZAVPTasksPane-%d";
const char kKeyFormatId[] = "%sZAVPTasksPane-%d%x";
const char kTasksValueName[] = "Settings";
const UINT kTasksMemFileGrow = 1024;
const UINT kTasksArchiveBuffer = 4096;

BOOL IsOverPaneBar(const CZAVPBaseControlBar* pBar) { return pBar != nullptr; }
}  // namespace

// ---- command UI of the tasks of one group

void CTasksPaneCmdUI::Enable(BOOL bOn)
{
    m_bEnableChanged = TRUE;
    for (CZAVPTask* pTask : m_pGroup->m_lstTasks) {
        if (pTask->m_uiCommandID != m_nID) continue;
        pTask->m_bEnabled = bOn;
        if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr)
            m_pOther->InvalidateRect(pTask->m_rect);
        if (pTask->m_hwndTask != nullptr) ::EnableWindow(pTask->m_hwndTask, bOn);
    }
}

void CTasksPaneCmdUI::SetText(LPCSTR lpszText)
{
    CString strText(lpszText != nullptr ? lpszText : "");
    const int nTab = strText.Find('\t');
    if (nTab >= 0) strText = strText.Left(nTab);
    for (CZAVPTask* pTask : m_pGroup->m_lstTasks) {
        if (pTask->m_uiCommandID != m_nID || pTask->m_strName == strText) continue;
        pTask->m_strName = strText;
        if (m_pOther != nullptr && m_pOther->GetSafeHwnd() != nullptr)
            m_pOther->InvalidateRect(pTask->m_rect);
    }
}

// ---- construction

CZAVPTasksPane::CZAVPTasksPane()
    : m_nVertMargin(-1), m_nHorzMargin(-1), m_nGroupVertOffset(-1), m_nGroupCaptionHeight(-1),
      m_nGroupCaptionHorzOffset(-1), m_nGroupCaptionVertOffset(-1), m_nTasksHorzOffset(-1),
      m_nTasksIconHorzOffset(-1), m_nTasksVertOffset(-1), m_hImages(nullptr), m_bCanCollapse(TRUE),
      m_bUseNavigationToolbar(FALSE), m_bUseScrollButtons(TRUE), m_bAnimationEnabled(TRUE),
      m_uiToolbarBmpRes(0), m_sizeToolbarImage(0, 0), m_sizeToolbarButton(0, 0),
      m_pHotTask(nullptr), m_pClickedTask(nullptr), m_pHotGroupCaption(nullptr),
      m_pClickedGroupCaption(nullptr), m_hFont(nullptr), m_sizeIcon(0, 0), m_iScrollMode(0),
      m_iScrollBtnHeight(0), m_nRowHeight(0), m_pAnimatedGroup(nullptr), m_nAnimGroupWidth(0),
      m_nAnimGroupHeight(0), m_dwAnimationTick(0), m_bMenuBtnPressed(FALSE), m_bFontsCreated(FALSE)
{
}

CZAVPTasksPane::~CZAVPTasksPane()
{
    RemoveAllGroups();
    for (CZAVPTasksPanePage* pPage : m_lstPages) delete pPage;
    m_lstPages.clear();
}

int CZAVPTasksPane::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPDockingControlBar::OnCreate(lpcs) == -1) return -1;
    m_strCaption.LoadString(kCaptionString);
    if (m_wndToolTip.GetSafeHwnd() != nullptr) {
        const CRect rectEmpty(0, 0, 0, 0);
        for (UINT_PTR nTool : {kToolBack, kToolForward, kToolPages})
            m_wndToolTip.AddTool(this, LPSTR_TEXTCALLBACKA, rectEmpty, nTool);
    }
    AddPage(m_strCaption);
    SetWindowText(m_strCaption);
    UpdateCaption();
    CZAVPMenuGlyphs::Initialize();
    m_iScrollBtnHeight = CZAVPMenuGlyphs::GetSize().cy + 2;

    if (CreateNavigationToolbar()) {
        m_bFontsCreated = TRUE;
        CreateFonts();
        ZAVPPaneHandCursor();
        m_wndScrollVert.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, CRect(0, 0, 0, 0), this,
                               kTasksScrollBarId);
    }
    return 0;
}

void CZAVPTasksPane::OnDestroy()
{
    KillTimer(kAnimationTimer);
    KillTimer(kScrollTimer);
    RemoveAllGroups();
    CZAVPDockingControlBar::OnDestroy();
}

void CZAVPTasksPane::RemoveAllGroups()
{
    m_pHotTask = m_pClickedTask = nullptr;
    m_pHotGroupCaption = m_pClickedGroupCaption = m_pAnimatedGroup = nullptr;
    for (CZAVPTasksGroup* pGroup : m_lstTaskGroups) delete pGroup;
    m_lstTaskGroups.clear();
}

CScrollBar* CZAVPTasksPane::GetScrollBarCtrl(int nBar) const
{
    if (nBar == SB_HORZ || m_wndScrollVert.GetSafeHwnd() == nullptr) return nullptr;
    return const_cast<CScrollBar*>(&m_wndScrollVert);
}

CZAVPMiniFrameWnd* CZAVPTasksPane::CreateDefaultMiniFrame(CRect rectInitial)
{
    m_pMiniFrameRTC = (GetStyle() & 0x40) ? RUNTIME_CLASS(CZAVPMultiMiniFrameWnd)
                                          : RUNTIME_CLASS(CZAVPTaskPaneMiniFrameWnd);
    return CZAVPDockingControlBar::CreateDefaultMiniFrame(rectInitial);
}

// ---- fonts

HFONT CZAVPTasksPane::PaneFont() const
{
    return m_hFont != nullptr ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

void CZAVPTasksPane::CreateFonts()
{
    m_fontBold.DeleteObject();
    m_fontBoldUnderline.DeleteObject();
    m_fontUnderline.DeleteObject();
    LOGFONTA lf = {};
    ::GetObjectA(PaneFont(), sizeof(lf), &lf);
    lf.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lf);
    lf.lfUnderline = TRUE;
    m_fontBoldUnderline.CreateFontIndirect(&lf);
    lf.lfWeight = FW_NORMAL;
    m_fontUnderline.CreateFontIndirect(&lf);
    UpdateRowHeight();
}

void CZAVPTasksPane::UpdateRowHeight()
{
    if (GetSafeHwnd() == nullptr) return;
    HDC hdc = ::GetDC(m_hWnd);
    const HFONT hBold = (HFONT)m_fontBold.GetSafeHandle() ? (HFONT)m_fontBold.GetSafeHandle()
                                                          : PaneFont();
    HGDIOBJ hOld = ::SelectObject(hdc, hBold);
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(m_hWnd, hdc);
    m_nRowHeight = std::max<int>(m_sizeIcon.cy, tm.tmHeight);
}

LRESULT CZAVPTasksPane::OnSetFont(WPARAM wParam, LPARAM)
{
    m_hFont = (HFONT)wParam;
    CreateFonts();
    AdjustScroll();
    ReposTasks();
    return 0;
}

LRESULT CZAVPTasksPane::OnGetFont(WPARAM, LPARAM) { return (LRESULT)PaneFont(); }

void CZAVPTasksPane::SetImageList(HIMAGELIST hImages)
{
    m_hImages = hImages;
    int cx = 0, cy = 0;
    if (hImages == nullptr || !ImageList_GetIconSize(hImages, &cx, &cy)) cx = cy = 0;
    m_sizeIcon = CSize(cx, cy);
    UpdateRowHeight();
    if (GetSafeHwnd() != nullptr) {
        AdjustScroll();
        ReposTasks();
        Invalidate();
    }
}

// ---- pages and history

int CZAVPTasksPane::AddPage(const CString& strName)
{
    m_lstPages.push_back(new CZAVPTasksPanePage(strName, this));
    RebuildMenu();
    return GetPageCount() - 1;
}

CZAVPTasksPanePage* CZAVPTasksPane::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_lstPages[(size_t)nPage] : nullptr;
}

CString CZAVPTasksPane::GetPageName(int nPage) const
{
    const CZAVPTasksPanePage* pPage = GetPage(nPage);
    return pPage != nullptr ? pPage->m_strName : CString();
}

CZAVPTasksGroup* CZAVPTasksPane::AddGroup(int nPage, const CString& strName, BOOL bBottom,
                                          BOOL bSpecial, HICON hIcon)
{
    CZAVPTasksPanePage* pPage = GetPage(nPage);
    if (pPage == nullptr) return nullptr;
    CZAVPTasksGroup* pGroup = new CZAVPTasksGroup(this, strName, pPage);
    pGroup->m_bIsBottom = bBottom;
    pGroup->m_bIsSpecial = bSpecial;
    pGroup->m_hIcon = hIcon;
    if (hIcon != nullptr) {
        ICONINFO info = {};
        if (::GetIconInfo(hIcon, &info)) {
            BITMAP bmp = {};
            if (info.hbmColor && ::GetObject(info.hbmColor, sizeof(bmp), &bmp))
                pGroup->m_sizeIcon = CSize(bmp.bmWidth, bmp.bmHeight);
            if (info.hbmColor) ::DeleteObject(info.hbmColor);
            if (info.hbmMask) ::DeleteObject(info.hbmMask);
        }
    }
    m_lstTaskGroups.push_back(pGroup);
    return pGroup;
}

std::vector<CZAVPTasksGroup*> CZAVPTasksPane::ActiveGroups() const
{
    std::vector<CZAVPTasksGroup*> groups;
    const CZAVPTasksPanePage* pActive = GetPage(GetActivePage());
    for (CZAVPTasksGroup* pGroup : m_lstTaskGroups)
        if (pGroup->m_pPage == pActive) groups.push_back(pGroup);
    return groups;
}

void CZAVPTasksPane::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount()) return;
    const int nOldPage = m_history.GetActivePage();
    if (m_history.Visit(nPage)) ChangeActivePage(nPage, nOldPage);
}

void CZAVPTasksPane::OnPressBackButton()
{
    const int nOldPage = m_history.GetActivePage();
    if (m_history.Back()) ChangeActivePage(m_history.GetActivePage(), nOldPage);
}

void CZAVPTasksPane::OnPressForwardButton()
{
    const int nOldPage = m_history.GetActivePage();
    if (m_history.Forward()) ChangeActivePage(m_history.GetActivePage(), nOldPage);
}

void CZAVPTasksPane::OnPressHomeButton()
{
    if (GetActivePage() != 0) SetActivePage(0);
}

void CZAVPTasksPane::ChangeActivePage(int nNewPage, int nOldPage)
{
    if (nOldPage == nNewPage) return;
    if (GetSafeHwnd() == nullptr) {
        OnActivateTasksPanePage();
        RebuildMenu();
        return;
    }
    const CZAVPTasksPanePage* pOld = GetPage(nOldPage);
    for (CZAVPTasksGroup* pGroup : m_lstTaskGroups) {
        if (pGroup->m_pPage != pOld) continue;
        for (CZAVPTask* pTask : pGroup->m_lstTasks)
            if (pTask->m_hwndTask != nullptr) ::ShowWindow(pTask->m_hwndTask, SW_HIDE);
    }
    // The hot and pressed items belong to the page going away.
    m_pHotTask = m_pClickedTask = nullptr;
    m_pHotGroupCaption = m_pClickedGroupCaption = nullptr;
    UpdateCaption();
    OnActivateTasksPanePage();
    RebuildMenu();
    m_scroll.nPos = 0;
    AdjustScroll();
    ReposTasks();
    Invalidate();
    UpdateWindow();
}

HMENU CZAVPTasksPane::CreateMenu() const
{
    CZAVPToolBar::AddAlwaysVisibleCommand(kCmdOtherPane);
    CMenu menu;
    if (!menu.CreatePopupMenu()) return nullptr;
    for (const CZAVPTasksPanePage* pPage : m_lstPages)
        ::AppendMenuA(menu.GetSafeHmenu(), MF_STRING, kCmdOtherPane, pPage->m_strName);
    ::CheckMenuItem(menu.GetSafeHmenu(), (UINT)GetActivePage(), MF_BYPOSITION | MF_CHECKED);
    return menu.Detach();
}

void CZAVPTasksPane::RebuildMenu()
{
    m_menuOther.DestroyMenu();
    m_menuOther.Attach(CreateMenu());
    EnableCaptionButton(kHitBack, m_history.CanGoBack());
    EnableCaptionButton(kHitForward, m_history.CanGoForward());
}

void CZAVPTasksPane::UpdateCaption()
{
    if (GetSafeHwnd() != nullptr)
        SetWindowText(ShowsToolBar() ? m_strCaption : GetPageName(GetActivePage()));
    m_wndToolBar.SetMenuButtonsText(GetPageName(GetActivePage()));
}

BOOL CZAVPTasksPane::IsToolBarNeeded() const
{
    if (GetSafeHwnd() == nullptr) return FALSE;
    if (IsTabbed()) return TRUE;
    CZAVPMiniFrameWnd* pMiniFrame = GetParentMiniFrame(TRUE);
    return pMiniFrame != nullptr && !pMiniFrame->IsKindOf(RUNTIME_CLASS(CZAVPTaskPaneMiniFrameWnd));
}

void CZAVPTasksPane::OnOtherPane()
{
    const int nIndex = CZAVPPopupMenuBar::m_iLastCommandIndex;
    if (nIndex >= 0 && nIndex < GetPageCount()) SetActivePage(nIndex);
}

void CZAVPTasksPane::OnPressOtherButton(CZAVPTitleButton* pButton, CWnd* pWndOwner)
{
    CZAVPTitleButtonEx* pMenuButton = dynamic_cast<CZAVPTitleButtonEx*>(pButton);
    if (pMenuButton == nullptr || pWndOwner == nullptr) return;
    // A copy of the page menu whose items tell the pages apart.
    CMenu menu;
    if (!menu.CreatePopupMenu()) return;
    const int nPages = std::min<int>(GetPageCount(), kMaxPageItems);
    for (int i = 0; i < nPages; ++i)
        ::AppendMenuA(menu.GetSafeHmenu(),
                      MF_STRING | (i == GetActivePage() ? MF_CHECKED : MF_UNCHECKED),
                      kFirstPageItem + (UINT)i, GetPageName(i));
    const UINT nCommand = pMenuButton->ShowMenu(menu.GetSafeHmenu(), pWndOwner);
    if (nCommand >= kFirstPageItem && nCommand < kFirstPageItem + (UINT)nPages) {
        CZAVPPopupMenuBar::m_iLastCommandIndex = (int)(nCommand - kFirstPageItem);
        SetActivePage((int)(nCommand - kFirstPageItem));
    }
}

// ---- caption buttons

void CZAVPTasksPane::SetCaptionButtons()
{
    CZAVPDockingControlBar::SetCaptionButtons();
    m_arrButtons.push_back(new CZAVPTitleButton(kHitBack, TRUE));
    m_arrButtons.push_back(new CZAVPTitleButton(kHitForward, TRUE));
    CZAVPTitleButtonEx* pPages = new CZAVPTitleButtonEx(kHitPages);
    pPages->m_bOSMenu = FALSE;
    m_arrButtons.push_back(pPages);
}

void CZAVPTasksPane::DrawCaption(CDC* pDC, CRect rectCaption)
{
    const BOOL bHide = GetPageCount() <= 1 || m_bUseNavigationToolbar;
    for (CZAVPTitleButton* pButton : m_arrButtons) {
        const UINT nHit = pButton->GetHitTest();
        if (nHit < kHitBack || nHit > kHitPages) continue;
        pButton->m_bHidden = pButton->m_bHidden || bHide;
        if (!bHide) pButton->m_bHidden = FALSE;
        if (nHit == kHitBack) pButton->m_bEnabled = m_history.CanGoBack();
        if (nHit == kHitForward) pButton->m_bEnabled = m_history.CanGoForward();
    }
    CZAVPDockingControlBar::DrawCaption(pDC, rectCaption);
}

void CZAVPTasksPane::OnPressButtons(UINT nHit)
{
    switch (nHit) {
    case kHitBack: OnPressBackButton(); break;
    case kHitForward: OnPressForwardButton(); break;
    case kHitPages:
        m_bMenuBtnPressed = TRUE;
        OnPressOtherButton(FindCaptionButton(kHitPages), this);
        m_bMenuBtnPressed = FALSE;
        break;
    default: CZAVPDockingControlBar::OnPressButtons(nHit); break;
    }
}

void CZAVPTasksPane::OnTrackCaptionButtons(CPoint point)
{
    if (!m_bMenuBtnPressed) CZAVPDockingControlBar::OnTrackCaptionButtons(point);
}

void CZAVPTasksPane::StopCaptionButtonsTracking()
{
    if (!m_bMenuBtnPressed) CZAVPDockingControlBar::StopCaptionButtonsTracking();
}

BOOL CZAVPTasksPane::OnNeedTipText(UINT id, NMHDR* pNMH, LRESULT* pResult)
{
    static CString s_strTip;
    if (m_wndToolTip.GetSafeHwnd() == nullptr) return FALSE;
    UINT nString = 0;
    switch (pNMH->idFrom) {
    case kToolBack: nString = kCmdBack; break;
    case kToolForward: nString = kCmdForward; break;
    case kToolPages: nString = kCmdOtherPane; break;
    default: return CZAVPDockingControlBar::OnNeedTipText(id, pNMH, pResult);
    }
    if (!s_strTip.LoadString(nString)) return FALSE;
    reinterpret_cast<NMTTDISPINFOA*>(pNMH)->lpszText = const_cast<LPSTR>((LPCSTR)s_strTip);
    *pResult = 0;
    return TRUE;
}

// ---- hit testing and the mouse

CZAVPTask* CZAVPTasksPane::HitTestTask(CPoint pt) const
{
    if (!m_rectTasks.PtInRect(pt)) return nullptr;
    for (CZAVPTasksGroup* pGroup : ActiveGroups())
        for (CZAVPTask* pTask : pGroup->m_lstTasks)
            if (pTask->m_bVisible && pTask->m_uiCommandID != 0 && pTask->m_rect.PtInRect(pt))
                return pTask;
    return nullptr;
}

CZAVPTasksGroup* CZAVPTasksPane::HitTestTaskGroupCaption(CPoint pt) const
{
    if (!m_bCanCollapse || !m_rectTasks.PtInRect(pt)) return nullptr;
    for (CZAVPTasksGroup* pGroup : ActiveGroups())
        if (pGroup->m_rect.PtInRect(pt)) return pGroup;
    return nullptr;
}

CWnd* CZAVPTasksPane::CommandTarget() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != nullptr ? pOwner : GetParent();
}

void CZAVPTasksPane::ShowCommandMessageString(UINT uiCmdId)
{
    CWnd* pTarget = CommandTarget();
    if (pTarget == nullptr) return;
    pTarget->SendMessage(WM_SETMESSAGESTRING, uiCmdId == (UINT)-1 ? kIdleMessage : uiCmdId);
}

void CZAVPTasksPane::OnClickTask(int, int, UINT uiCommandID, DWORD)
{
    if (uiCommandID == 0) return;
    if (CWnd* pTarget = CommandTarget()) pTarget->PostMessage(WM_COMMAND, uiCommandID, 0);
}

void CZAVPTasksPane::RedrawTask(CZAVPTask* pTask)
{
    if (pTask == nullptr || GetSafeHwnd() == nullptr) return;
    CRect rect = pTask->m_rect;
    rect.InflateRect(1, 1);
    RedrawWindow(rect, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CZAVPTasksPane::RedrawGroupCaption(CZAVPTasksGroup* pGroup)
{
    if (pGroup == nullptr || GetSafeHwnd() == nullptr) return;
    RedrawWindow(pGroup->m_rect, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void CZAVPTasksPane::OnMouseMove(UINT nFlags, CPoint point)
{
    CZAVPDockingControlBar::OnMouseMove(nFlags, point);
    if (TrackScrollButtons(point)) return;
    CZAVPTask* pTask = HitTestTask(point);
    CZAVPTasksGroup* pGroup = HitTestTaskGroupCaption(point);
    if (pTask == m_pHotTask && pGroup == m_pHotGroupCaption) return;

    if (pTask == nullptr && pGroup == nullptr) {
        CZAVPTask* pOldTask = m_pHotTask;
        CZAVPTasksGroup* pOldGroup = m_pHotGroupCaption;
        m_pHotTask = nullptr;
        m_pHotGroupCaption = nullptr;
        if (m_pClickedTask == nullptr && m_pClickedGroupCaption == nullptr &&
            ::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        RedrawTask(pOldTask);
        RedrawGroupCaption(pOldGroup);
        ShowCommandMessageString((UINT)-1);
        return;
    }
    if (pTask != nullptr && !pTask->m_bEnabled) {
        ShowCommandMessageString((UINT)-1);
        return;
    }
    HWND hCapture = ::GetCapture();
    if (hCapture != nullptr && hCapture != m_hWnd) return;
    SetCapture();
    CZAVPTask* pOldTask = m_pHotTask;
    CZAVPTasksGroup* pOldGroup = m_pHotGroupCaption;
    m_pHotTask = pTask;
    m_pHotGroupCaption = pTask != nullptr ? nullptr : pGroup;
    RedrawTask(pOldTask);
    RedrawGroupCaption(pOldGroup);
    RedrawTask(m_pHotTask);
    RedrawGroupCaption(m_pHotGroupCaption);
    if (m_pHotTask != nullptr && m_pHotTask->m_uiCommandID != 0)
        ShowCommandMessageString(m_pHotTask->m_uiCommandID);
}

void CZAVPTasksPane::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_pClickedGroupCaption = HitTestTaskGroupCaption(point);
    m_pClickedTask = HitTestTask(point);
    CRect rectClient;
    GetClientRect(rectClient);
    // Presses on the content stay here; the caption and the borders are the docking bar's.
    if (rectClient.PtInRect(point) && !m_rectToolbar.PtInRect(point)) return;
    CZAVPDockingControlBar::OnLButtonDown(nFlags, point);
}

void CZAVPTasksPane::OnLButtonUp(UINT nFlags, CPoint point)
{
    CZAVPDockingControlBar::OnLButtonUp(nFlags, point);
    if (m_pHotTask == nullptr && m_pClickedTask == nullptr && m_pHotGroupCaption == nullptr &&
        m_pClickedGroupCaption == nullptr)
        return;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();

    CZAVPTasksGroup* pGroupClicked = m_pClickedGroupCaption != nullptr &&
                                             m_pClickedGroupCaption == m_pHotGroupCaption &&
                                             HitTestTaskGroupCaption(point) == m_pHotGroupCaption
                                         ? m_pHotGroupCaption
                                         : nullptr;
    m_pClickedGroupCaption = nullptr;
    m_pHotGroupCaption = nullptr;
    if (pGroupClicked != nullptr) {
        if (!pGroupClicked->CanCollapse()) return;
        pGroupClicked->m_bIsCollapsed = !pGroupClicked->m_bIsCollapsed;
        if (m_bAnimationEnabled) {
            m_pAnimatedGroup = pGroupClicked;
            m_nAnimGroupWidth = pGroupClicked->m_rectGroup.Width();
            m_nAnimGroupHeight = pGroupClicked->m_rectGroup.Height();
            SetTimer(kAnimationTimer, kAnimationMs, nullptr);
            m_dwAnimationTick = ::GetTickCount();
        }
        AdjustScroll();
        ReposTasks();
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
        SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
        return;
    }

    CZAVPTask* pTask = m_pHotTask;
    const BOOL bClick = pTask != nullptr && pTask == m_pClickedTask;
    RedrawTask(m_pHotTask);
    m_pHotTask = m_pClickedTask = nullptr;
    if (!bClick) return;
    int nGroup = 0, nTask = 0;
    for (size_t g = 0; g < m_lstTaskGroups.size(); ++g) {
        const std::vector<CZAVPTask*>& tasks = m_lstTaskGroups[g]->m_lstTasks;
        const auto it = std::find(tasks.begin(), tasks.end(), pTask);
        if (it != tasks.end()) {
            nGroup = (int)g;
            nTask = (int)(it - tasks.begin());
            break;
        }
    }
    OnClickTask(nGroup, nTask, pTask->m_uiCommandID, pTask->m_dwUserData);
}

void CZAVPTasksPane::OnCancelMode()
{
    CZAVPDockingControlBar::OnCancelMode();
    CZAVPTask* pTasks[] = {m_pHotTask, m_pClickedTask};
    CZAVPTasksGroup* pGroups[] = {m_pHotGroupCaption, m_pClickedGroupCaption};
    m_pHotTask = m_pClickedTask = nullptr;
    m_pHotGroupCaption = m_pClickedGroupCaption = nullptr;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    for (CZAVPTask* pTask : pTasks) RedrawTask(pTask);
    for (CZAVPTasksGroup* pGroup : pGroups) RedrawGroupCaption(pGroup);
}

BOOL CZAVPTasksPane::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    CZAVPTask* pTask = HitTestTask(pt);
    const BOOL bHand = (pTask != nullptr && pTask->m_bEnabled) ||
                       (m_pClickedTask != nullptr && m_pClickedTask->m_bEnabled) ||
                       (m_bCanCollapse &&
                        (m_pClickedGroupCaption != nullptr || HitTestTaskGroupCaption(pt)));
    if (bHand) {
        ::SetCursor(ZAVPPaneHandCursor());
        return TRUE;
    }
    return (BOOL)CWnd::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CZAVPTasksPane::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_LBUTTONDBLCLK) {
        for (CZAVPTasksGroup* pGroup : ActiveGroups())
            for (CZAVPTask* pTask : pGroup->m_lstTasks)
                if (pTask->m_hwndTask != nullptr && pTask->m_hwndTask == pMsg->hwnd)
                    return CZAVPDockingControlBar::PreTranslateMessage(pMsg);
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        CRect rectClient;
        GetClientRect(rectClient);
        // A double click on the content would float or dock the pane.
        if (rectClient.PtInRect(pt)) return TRUE;
    }
    return CZAVPDockingControlBar::PreTranslateMessage(pMsg);
}

// ---- command update

void CZAVPTasksPane::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CZAVPUserToolsManager* pTools = g_pUserToolsManager;
    for (CZAVPTasksGroup* pGroup : m_lstTaskGroups) {
        for (CZAVPTask* pTask : pGroup->m_lstTasks) {
            const UINT nID = pTask->m_uiCommandID;
            if (!ZAVPTasksPaneSettings::IsUpdatedCommand(nID)) continue;
            CTasksPaneCmdUI state(pGroup);
            state.m_pOther = this;
            state.m_nID = nID;
            const BOOL bUserTool = pTools != nullptr && pTools->IsUserToolCmd(nID);
            if (pTarget != nullptr) state.DoUpdate(pTarget, bUserTool ? FALSE : bDisableIfNoHndler);
        }
    }
    CZAVPDockingControlBar::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
}

// ---- state

ZAVPTasksLayout::Metrics CZAVPTasksPane::GetMetrics() const
{
    const CZAVPVisualManager::TasksPaneMetrics& look =
        CZAVPVisualManager::GetInstance()->GetTasksPaneMetrics();
    auto pick = [](int own, int lookValue) { return own != -1 ? own : lookValue; };
    ZAVPTasksLayout::Metrics m;
    m.nVertMargin = pick(m_nVertMargin, look.nVertMargin);
    m.nHorzMargin = pick(m_nHorzMargin, look.nHorzMargin);
    m.nGroupSpace = pick(m_nGroupVertOffset, look.nGroupVertOffset);
    m.nCaptionMinHeight = pick(m_nGroupCaptionHeight, look.nGroupCaptionHeight);
    m.nCaptionVertOffset = pick(m_nGroupCaptionVertOffset, look.nGroupCaptionVertOffset);
    m.nTaskHorzOffset = pick(m_nTasksHorzOffset, look.nTasksHorzOffset);
    m.nTaskSpace = pick(m_nTasksVertOffset, look.nTasksVertOffset);
    return m;
}

ZAVPTasksPaneSettings::Record CZAVPTasksPane::GetSettings() const
{
    ZAVPTasksPaneSettings::Record r;
    const int metrics[] = {m_nVertMargin,
                           m_nHorzMargin,
                           m_nGroupVertOffset,
                           m_nGroupCaptionHeight,
                           m_nGroupCaptionHorzOffset,
                           m_nGroupCaptionVertOffset,
                           m_nTasksHorzOffset,
                           m_nTasksIconHorzOffset,
                           m_nTasksVertOffset};
    std::copy(std::begin(metrics), std::end(metrics), r.metrics);
    r.nActivePage = GetActivePage();
    for (const CZAVPTasksPanePage* pPage : m_lstPages) r.pageNames.push_back(pPage->m_strName);
    r.strCaption = m_strCaption;
    return r;
}

void CZAVPTasksPane::Serialize(CArchive& ar)
{
    CZAVPDockingControlBar::Serialize(ar);
    CZAVPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr) return;
    if (!pWorkspace->IsStateVersionAtLeast(ZAVPTasksPaneSettings::kPartMajor,
                                           ZAVPTasksPaneSettings::kPartMinor))
        return;
    const BOOL bCaption = pWorkspace->IsStateVersionAtLeast(ZAVPTasksPaneSettings::kCaptionMajor,
                                                            ZAVPTasksPaneSettings::kCaptionMinor);
    if (ar.IsStoring()) {
        ZAVPTasksPaneSettings::Write(ar, GetSettings(), bCaption);
        return;
    }
    ZAVPTasksPaneSettings::Record r;
    ZAVPTasksPaneSettings::Read(ar, r, bCaption);  // throws before anything changes
    int* metrics[] = {&m_nVertMargin,
                      &m_nHorzMargin,
                      &m_nGroupVertOffset,
                      &m_nGroupCaptionHeight,
                      &m_nGroupCaptionHorzOffset,
                      &m_nGroupCaptionVertOffset,
                      &m_nTasksHorzOffset,
                      &m_nTasksIconHorzOffset,
                      &m_nTasksVertOffset};
    for (int i = 0; i < ZAVPTasksPaneSettings::kMetricCount; ++i) *metrics[i] = r.metrics[i];
    const int nPage = ZAVPTasksPaneSettings::ClampPage(r.nActivePage, GetPageCount());
    if (ZAVPTasksPaneSettings::NamesFit(r, GetPageCount()))
        for (int i = 0; i < GetPageCount(); ++i)
            m_lstPages[(size_t)i]->m_strName = r.pageNames[(size_t)i];
    SetActivePage(nPage);
    m_scroll.nPos = 0;
    AdjustScroll();
    if (bCaption) {
        m_strCaption = r.strCaption;
        UpdateCaption();
    }
    RebuildMenu();
}

namespace
{
CString TasksPaneKey(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    const CString strSection = BuildRegistryPath(ZAVPLibraryNames::kTasksPanesSection,
                                                 lpszProfileName);
    CString strKey;
    if (uiID == (UINT)-1)
        strKey.Format(kKeyFormat, (LPCSTR)strSection, nIndex);
    else
        strKey.Format(kKeyFormatId, (LPCSTR)strSection, nIndex, uiID);
    return strKey;
}
}  // namespace

BOOL CZAVPTasksPane::SaveState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    const CString strKey = TasksPaneKey(lpszProfileName, nIndex, uiID);
    try {
        CMemFile file(kTasksMemFileGrow);
        {
            CArchive ar(&file, CArchive::store, kTasksArchiveBuffer);
            Serialize(ar);
            ar.Flush();
        }
        const UINT nBytes = (UINT)file.GetLength();
        BYTE* pData = file.Detach();
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, FALSE);
        if (reg.CreateKey(strKey)) reg.WriteBinary(kTasksValueName, pData, nBytes);
        free(pData);
    } catch (CMemoryException* e) {
        e->Delete();
    } catch (CArchiveException* e) {
        e->Delete();
    }
    return CZAVPDockingControlBar::SaveState(lpszProfileName, nIndex, uiID);
}

BOOL CZAVPTasksPane::LoadState(LPCSTR lpszProfileName, int nIndex, UINT uiID)
{
    if (nIndex == -1) nIndex = GetDlgCtrlID();
    const CString strKey = TasksPaneKey(lpszProfileName, nIndex, uiID);
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    {
        CZAVPRegistryHolder holder;
        CZAVPRegistry& reg = holder.Create(FALSE, TRUE);
        if (!reg.ReadKey(strKey) || !reg.ReadBinary(kTasksValueName, pData, nBytes)) {
            delete[] pData;
            return FALSE;
        }
    }
    BOOL bRead = TRUE;
    try {
        CMemFile file(pData, nBytes);
        CArchive ar(&file, CArchive::load, kTasksArchiveBuffer);
        Serialize(ar);
    } catch (CMemoryException* e) {
        e->Delete();
        bRead = FALSE;
    } catch (CArchiveException* e) {
        e->Delete();
        bRead = FALSE;
    }
    delete[] pData;
    // A value that did not read is reported: the pane keeps what it had before.
    if (!bRead) return FALSE;
    return CZAVPDockingControlBar::LoadState(lpszProfileName, nIndex, uiID);
}

BOOL CZAVPTasksPane::CreateNavigationToolbar()
{
    if (GetSafeHwnd() == nullptr) return FALSE;
    (void)IsOverPaneBar;
    const DWORD dwStyle = (WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY |
                           CBRS_HIDE_INPLACE | CBRS_SIZE_DYNAMIC) &
                          ~kNoGripper;
    if (!m_wndToolBar.Create(this, dwStyle, 0xE810)) return FALSE;
    m_wndToolBar.SetBarStyle(m_wndToolBar.GetBarStyle() & ~kNoGripper);
    m_wndToolBar.SetOwner(this);

    if (m_uiToolbarBmpRes == 0) {
        m_wndToolBar.SetLockedSizes(CSize(16, 16), CSize(12, 12));
        m_wndToolBar.LoadBitmap(kCaptionString, 0, 0, TRUE);
    } else {
        const CSize sizeImage = m_sizeToolbarImage.cx > 0 ? m_sizeToolbarImage : CSize(16, 15);
        const CSize sizeButton = m_sizeToolbarButton.cx > 0
                                     ? m_sizeToolbarButton
                                     : CSize(sizeImage.cx + 4, sizeImage.cy + 4);
        m_wndToolBar.SetLockedSizes(sizeButton, sizeImage);
        m_wndToolBar.LoadBitmap(m_uiToolbarBmpRes, 0, 0, TRUE);
    }

    CString strBack, strForward, strHome, strClose;
    strBack.LoadString(kCmdBack);
    strForward.LoadString(kCmdForward);
    strHome.LoadString(kCmdHome);
    strClose.LoadString(kCmdClose);
    m_wndToolBar.RemoveAllButtons();
    m_wndToolBar.InsertButton(
        new CTasksPaneNavigateButton(kCmdBack, CTasksPaneNavigateButton::ImageBack, strBack));
    m_wndToolBar.InsertButton(new CTasksPaneNavigateButton(
        kCmdForward, CTasksPaneNavigateButton::ImageForward, strForward));
    m_wndToolBar.InsertButton(
        new CTasksPaneNavigateButton(kCmdHome, CTasksPaneNavigateButton::ImageHome, strHome));
    m_wndToolBar.InsertSeparator();
    CTasksPaneMenuButton* pMenuButton = new CTasksPaneMenuButton(m_menuOther.GetSafeHmenu());
    pMenuButton->m_bText = TRUE;
    pMenuButton->m_bImage = FALSE;
    pMenuButton->m_strText = "Tasks Pane";
    m_wndToolBar.InsertButton(pMenuButton);
    pMenuButton->OnChangeParentWnd(this);
    m_wndToolBar.InsertButton(
        new CTasksPaneNavigateButton(kCmdClose, CTasksPaneNavigateButton::ImageClose, strClose));
    m_wndToolBar.SetMenuButtonsText(GetPageName(GetActivePage()));
    return TRUE;
}

void CZAVPTasksPane::OnSize(UINT nType, int cx, int cy)
{
    CZAVPDockingControlBar::OnSize(nType, cx, cy);
    AdjustScroll();
    ReposTasks();
    Invalidate();
}

void CZAVPTasksPane::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CZAVPDockingControlBar::OnSettingChange(uFlags, lpszSection);
    AdjustScroll();
    ReposTasks();
}
