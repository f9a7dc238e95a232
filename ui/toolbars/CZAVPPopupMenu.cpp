// The popup menu window: creation and placement, its item bar, the keys between menus, showing
// all items, the tear-off strip and the closing of a chain of menus. The drawing, shadow,
// animation and scrolling are in CZAVPPopupMenuEffects.cpp.
#include "ui/toolbars/CZAVPPopupMenu.h"

#include <string>
#include <vector>

#include "framework/CToolTipCtrl.h"
#include "framework/CWinApp.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPControlBar.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPDialog.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPropertyPage.h"
#include "ui/toolbars/CZAVPShowAllButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/ZAVPMenuKeys.h"
#include "ui/toolbars/ZAVPMenuModel.h"
#include "ui/toolbars/ZAVPMenuSound.h"
#include "ui/toolbars/ZAVPPopupFrame.h"
#include "ui/toolbars/ZAVPPopupPlacement.h"

IMPLEMENT_SERIAL(CZAVPPopupMenu, CMiniFrameWnd, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPPopupMenu, CMiniFrameWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_MOUSEACTIVATE()
ON_WM_KEYDOWN()
ON_WM_TIMER()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_SHOWWINDOW()
ON_WM_SETCURSOR()
ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

CZAVPPopupMenu* CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
BOOL CZAVPPopupMenu::m_bForceShowAllCommands = FALSE;

namespace
{
const UINT kMenuBarId = 1;
// Horizontal, so the bar paints its items with the regular menu font.
const DWORD kMenuBarStyle = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP;
const UINT kShowNoActivate = SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
const UINT_PTR kTearOffToolId = 1;
const DWORD kTearOffBarStyle = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

// The frame that hears about popups: the application's main window, else the top-level frame.
CWnd* TopFrameOf(CWnd* pWnd)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pMainWnd != nullptr && pApp->m_pMainWnd->GetSafeHwnd())
        return pApp->m_pMainWnd;
    return pWnd != nullptr ? pWnd->GetTopLevelFrame() : nullptr;
}

// Tells the dialog or property page that takes the popup's commands which popup is active.
void SetDialogActiveMenu(CWnd* pWnd, CZAVPPopupMenu* pMenu)
{
    if (pWnd == nullptr) return;
    if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPDialog)))
        static_cast<CZAVPDialog*>(pWnd)->SetActiveMenu(pMenu);
    else if (pWnd->IsKindOf(RUNTIME_CLASS(CZAVPPropertyPage)))
        static_cast<CZAVPPropertyPage*>(pWnd)->SetActiveMenu(pMenu);
}

// The library frame that hears about the popup: the one given, else the popup's top frame.
CZAVPFrameWnd* LibraryFrameOf(CWnd* pTopFrame, CZAVPPopupMenu* pPopup)
{
    if (CZAVPFrameWnd* pFrame = dynamic_cast<CZAVPFrameWnd*>(pTopFrame)) return pFrame;
    return dynamic_cast<CZAVPFrameWnd*>(TopFrameOf(pPopup));
}

// The same for a multiple-document main frame.
CZAVPMDIFrameWnd* LibraryMDIFrameOf(CWnd* pTopFrame, CZAVPPopupMenu* pPopup)
{
    if (CZAVPMDIFrameWnd* pFrame = dynamic_cast<CZAVPMDIFrameWnd*>(pTopFrame)) return pFrame;
    return dynamic_cast<CZAVPMDIFrameWnd*>(TopFrameOf(pPopup));
}

// The frame's answer to an opening popup; TRUE without a library frame.
BOOL AskFrameToShow(CZAVPFrameWnd* pFrame, CZAVPMDIFrameWnd* pMDIFrame, CZAVPPopupMenu* pPopup)
{
    if (pFrame != nullptr) return pFrame->ShowPopupMenu(pPopup);
    return pMDIFrame == nullptr || pMDIFrame->ShowPopupMenu(pPopup);
}

RECT WorkAreaNear(POINT pt)
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

// The first item with the command and, when one is given, the text; -1 when there is none.
int FindItem(const CZAVPPopupMenuBar& bar, UINT uiCmd, LPCSTR lpszText)
{
    for (int i = 0; i < bar.GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = bar.GetButton(i);
        if (!pButton->IsSeparator() && pButton->m_nID == uiCmd &&
            (lpszText == nullptr || pButton->m_strText == lpszText))
            return i;
    }
    return -1;
}

// Puts items in the place of the bar's item iIndex. They go in after it first: taking the
// placeholder out while its neighbours are still there leaves the separators around it as they
// are, unless nothing replaces it (then they fold into one).
void ReplaceItem(CZAVPPopupMenuBar& bar, int iIndex, const std::vector<ZAVPMenuItem>& items)
{
    int iInsert = iIndex + 1;
    for (const ZAVPMenuItem& item : items) {
        CZAVPToolbarMenuButton button(item.nID, nullptr, -1, item.strText.c_str());
        if (bar.InsertButtonCopy(button, iInsert) >= 0) ++iInsert;
    }
    bar.RemoveButton(iIndex);
}

// The application's recent files take the place of the "Recent File" item.
void ExpandRecentFiles(CZAVPPopupMenuBar& bar)
{
    CWinApp* pApp = AfxGetApp();
    std::vector<std::string> files;
    if (pApp == nullptr || !pApp->GetRecentFileList(files)) return;
    const int iPlaceholder = FindItem(bar, ZAVPMenuModel::kRecentFileFirst,
                                      ZAVPMenuModel::kRecentFilePlaceholder);
    if (iPlaceholder < 0) return;

    char szCurrentDir[MAX_PATH] = {};
    const DWORD nDir = ::GetCurrentDirectoryA(MAX_PATH, szCurrentDir);
    const std::string strDir = nDir > 0 && nDir < MAX_PATH ? szCurrentDir : "";
    std::vector<std::string> names;
    for (const std::string& strPath : files)
        names.push_back(strPath.empty() ? strPath
                                        : ZAVPMenuModel::RecentFileDisplayName(strPath, strDir));
    std::vector<ZAVPMenuItem> items(1);
    items[0].nID = ZAVPMenuModel::kRecentFileFirst;
    items[0].strText = ZAVPMenuModel::kRecentFilePlaceholder;
    ZAVPMenuModel::ExpandRecentFiles(items, names);
    ReplaceItem(bar, iPlaceholder, items);
}

// The user tools, each with its own command (whose icon the item shows), take the place of the
// manager's entry command.
void ExpandUserTools(CZAVPPopupMenuBar& bar, const CZAVPUserToolsManager& manager)
{
    const int iPlaceholder = FindItem(bar, manager.GetToolsEntryCmd(), nullptr);
    if (iPlaceholder < 0) return;
    std::vector<ZAVPMenuItem> items;
    const CObList& tools = manager.GetUserTools();
    for (POSITION pos = tools.GetHeadPosition(); pos != nullptr;) {
        const CZAVPUserTool* pTool = static_cast<const CZAVPUserTool*>(tools.GetNext(pos));
        ZAVPMenuItem item;
        item.nID = pTool->m_uiCmdId;
        item.strText = (LPCSTR)pTool->m_strLabel;
        items.push_back(item);
    }
    ReplaceItem(bar, iPlaceholder, items);
}
}  // namespace

CZAVPPopupMenu::CZAVPPopupMenu()
    : m_bAutoDestroyParent(TRUE), m_bAutoDestroy(TRUE), m_bTrackMode(FALSE), m_bRightAlign(FALSE),
      m_hMenu(nullptr), m_pParentBtn(nullptr), m_pMessageWnd(nullptr), m_nDropDirection(0),
      m_iLogoWidth(0), m_nLogoLocation(ZAVPPopupFrame::LogoLeft), m_bPassThrough(FALSE),
      m_iCustomizeMark(0), m_xPos(0), m_yPos(0), m_xInitial(0), m_yInitial(0), m_nFinalWidth(0),
      m_nFinalHeight(0), m_bShown(FALSE), m_bTobeDestroyed(FALSE), m_bRestoreRecentMenus(FALSE),
      m_bSavedRecentMenus(FALSE), m_nAnimationType(ZAVPPopupEffects::AnimationNone),
      m_AnimSize(0, 0), m_bAnimationIsDone(TRUE), m_bAnimateRight(TRUE), m_bAnimateDown(TRUE),
      m_iFadePercent(0), m_dwLastTick(0), m_iShadowSize(0), m_bScrollable(FALSE), m_iScrollMode(0),
      m_iScrollBtnHeight(0), m_bTearOffTracking(FALSE), m_bIsTearOffCaptionActive(FALSE),
      m_pTearOffTip(nullptr)
{
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    m_iShadowSize = ZAVPPopupFrame::ShadowDepth(
        ZAVPSharedBarData::g_bMenuShadows, CZAVPToolBar::IsCustomizeMode(),
        globalData.m_nBitsPerPixel, pManager->m_nMenuShadowDepth);
    const ZAVPPopupEffects::AnimationType type = ZAVPPopupFrame::UsableAnimation(
        (ZAVPPopupEffects::AnimationType)CZAVPToolBar::m_nMenuAnimation,
        globalData.m_nBitsPerPixel);
    if (type != CZAVPToolBar::m_nMenuAnimation) CZAVPToolBar::m_nMenuAnimation = type;
    m_nAnimationType = type;
    m_bAnimationIsDone = type == ZAVPPopupEffects::AnimationNone;
    m_iScrollBtnHeight = ZAVPPopupEffects::ScrollButtonHeight(CZAVPMenuGlyphs::GetSize().cy,
                                                              pManager->GetPopupMenuBorderSize());
}

CZAVPPopupMenu::~CZAVPPopupMenu()
{
    if (m_pActivePopupMenu == this) m_pActivePopupMenu = nullptr;
    delete m_pTearOffTip;
}

// ---- creation

BOOL CZAVPPopupMenu::Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked,
                            BOOL bOwnMessage)
{
    PlayMenuSound(ZAVPMenuSound::kPopup);
    const LPCSTR lpszClass = AfxRegisterWndClass(CS_SAVEBITS, ::LoadCursor(nullptr, IDC_ARROW),
                                                 (HBRUSH)(COLOR_BTNFACE + 1));
    m_hMenu = hMenu;
    if (x == -1 && y == -1) {
        POINT ptParent = {0, 0};
        if (pWndParent != nullptr && pWndParent->GetSafeHwnd() != nullptr)
            pWndParent->ClientToScreen(&ptParent);
        const POINT pt = ZAVPPopupFrame::DefaultPosition(pWndParent != nullptr, ptParent);
        x = pt.x;
        y = pt.y;
    }
    m_xPos = m_xInitial = x;
    m_yPos = m_yInitial = y;

    if (CZAVPToolBar::IsCustomizeMode()) m_nAnimationType = ZAVPPopupEffects::AnimationNone;
    if (CZAVPPopupMenu* pParentPopup = GetParentPopupMenu()) {
        m_bTrackMode = pParentPopup->m_bTrackMode;
        if (!bOwnMessage) m_pMessageWnd = pParentPopup->m_pMessageWnd;
    }
    if (bOwnMessage) m_pMessageWnd = pWndParent;
    m_wndMenuBar.SetLockedLook(bLocked);

    CWnd* pOwner = pWndParent != nullptr ? pWndParent->GetOwner() : nullptr;
    if (pOwner == nullptr) pOwner = pWndParent;
    if (!CMiniFrameWnd::CreateEx(0, lpszClass, "", WS_POPUP, CRect(x, y, x, y), pOwner, 0))
        return FALSE;  // the object is gone (PostNcDestroy)

    const HWND hwnd = m_hWnd;
    if (m_nAnimationType != ZAVPPopupEffects::AnimationNone) {
        const ZAVPPopupEffects::AnimationState state = ZAVPPopupEffects::StartAnimation(
            (ZAVPPopupEffects::AnimationType)m_nAnimationType, CSize(m_nFinalWidth, m_nFinalHeight),
            m_iShadowSize, GetMenuBar()->GetColumnWidth(), GetMenuBar()->GetRowHeight());
        m_AnimSize = state.size;
        m_iFadePercent = state.nFade;
        m_bAnimationIsDone = FALSE;
        GetMenuBar()->ShowWindow(SW_HIDE);
        SetTimer(1, ZAVPPopupEffects::kAnimationPeriodMs, nullptr);
        m_dwLastTick = ::GetTickCount();
    }
    CheckShadow();
    SetWindowPos(&wndTop, 0, 0, 0, 0, kShowNoActivate);
    if (!::IsWindow(hwnd)) return FALSE;
    if (CZAVPToolBar::IsCustomizeMode()) GetMenuBar()->RedrawWindow();
    return TRUE;
}

int CZAVPPopupMenu::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CMiniFrameWnd::OnCreate(lpcs) == -1) return -1;
    m_wndMenuBar.m_bTrackMode = m_bTrackMode;
    if (m_pParentBtn != nullptr && m_pParentBtn->m_bMenuPaletteMode) {
        m_wndMenuBar.m_bPaletteMode = TRUE;
        m_wndMenuBar.m_nPaletteColumns = m_pParentBtn->m_nPaletteRows;
    }
    if (!m_wndMenuBar.Create(this, kMenuBarStyle, kMenuBarId)) return -1;
    m_wndMenuBar.SetBarStyle(m_wndMenuBar.GetBarStyle() & ~CBRS_GRIPPER);
    if (CZAVPPopupMenu* pParentPopup = GetParentPopupMenu())
        m_wndMenuBar.m_iSelected = pParentPopup->m_wndMenuBar.m_iSelected;
    m_wndMenuBar.SetOwner(CWnd::FromHandle(::GetWindow(m_hWnd, GW_OWNER)));
    return InitMenuBar() ? 0 : -1;
}

BOOL CZAVPPopupMenu::InitMenuBar()
{
    if (m_hMenu != nullptr) {
        // A context menu the user customised is kept in the menu store.
        const BOOL bStored = m_pParentBtn == nullptr &&
                             g_menuHash.LoadMenuBar(m_hMenu, &m_wndMenuBar);
        if (!bStored) {
            BOOL bShowAll = TRUE;
            if (CZAVPToolBar::m_bRecentlyUsedMenus && !m_bForceShowAllCommands &&
                CZAVPToolBar::m_UsageCount.HasEnoughData())
                bShowAll = m_pParentBtn == nullptr;  // only context menus show everything
            if (!m_wndMenuBar.ImportFromMenu(m_hMenu, bShowAll)) return FALSE;
        }
    }
    if (!CZAVPToolBar::IsCustomizeMode()) ExpandRecentFiles(m_wndMenuBar);
    if (g_pUserToolsManager != nullptr) ExpandUserTools(m_wndMenuBar, *g_pUserToolsManager);
    if (!ActivatePopupMenu(TopFrameOf(this), this)) return FALSE;
    RecalcLayout();
    return TRUE;
}

BOOL CZAVPPopupMenu::ActivatePopupMenu(CWnd* pTopFrame, CZAVPPopupMenu* pPopupMenu)
{
    if (pPopupMenu != nullptr) SetDialogActiveMenu(pPopupMenu->m_pMessageWnd, pPopupMenu);
    // A menu opened by a click goes the same way as one opened from the keyboard: the library
    // frame records it and the bar it drops from takes the focus, so the menu keys reach it.
    CZAVPFrameWnd* pFrame = LibraryFrameOf(pTopFrame, pPopupMenu);
    CZAVPMDIFrameWnd* pMDIFrame = pFrame == nullptr ? LibraryMDIFrameOf(pTopFrame, pPopupMenu)
                                                    : nullptr;
    if (pFrame != nullptr || pMDIFrame != nullptr) {
        if (!AskFrameToShow(pFrame, pMDIFrame, pPopupMenu)) {
            if (pPopupMenu != nullptr && !pPopupMenu->m_bTobeDestroyed) {
                pPopupMenu->m_bTobeDestroyed = TRUE;
                // A popup still being created fails its creation instead.
                if (pPopupMenu->GetSafeHwnd() != nullptr && pPopupMenu->IsWindowVisible())
                    pPopupMenu->SendMessage(WM_CLOSE);
            }
            return FALSE;
        }
    } else {
        // Without a library frame (a dialog's menu) nobody else keeps the active popup.
        m_pActivePopupMenu = pPopupMenu;
    }
    if (pPopupMenu == nullptr) return TRUE;
    CZAVPPopupMenuBar& bar = pPopupMenu->m_wndMenuBar;
    if (pPopupMenu->m_pParentBtn != nullptr && !bar.AreAllCommandsShown()) {
        const int nCount = bar.GetCount();
        CZAVPToolbarButton* pLast = bar.GetButton(nCount - 1);
        if (pLast == nullptr || !pLast->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton)))
            bar.InsertButtonCopy(CZAVPShowAllButton());
    }
    if (pPopupMenu->m_bTrackMode) m_pActivePopupMenu = pPopupMenu;
    return TRUE;
}

// ---- the chain

CZAVPPopupMenu* CZAVPPopupMenu::GetParentPopupMenu() const
{
    return m_pParentBtn != nullptr ? m_pParentBtn->GetParentPopup() : nullptr;
}

CZAVPToolBar* CZAVPPopupMenu::GetParentToolBar() const
{
    if (m_pParentBtn == nullptr || m_pParentBtn->m_pWndParent == nullptr) return nullptr;
    CWnd* pBar = m_pParentBtn->m_pWndParent;
    return pBar->IsKindOf(RUNTIME_CLASS(CZAVPToolBar)) ? static_cast<CZAVPToolBar*>(pBar) : nullptr;
}

CZAVPToolbarMenuButton* CZAVPPopupMenu::GetSelItem()
{
    return dynamic_cast<CZAVPToolbarMenuButton*>(
        m_wndMenuBar.GetButton(m_wndMenuBar.GetHotButton()));
}

int CZAVPPopupMenu::GetMenuItemCount() const { return m_wndMenuBar.GetCount(); }

CZAVPToolbarButton* CZAVPPopupMenu::GetMenuItem(int iIndex) const
{
    return m_wndMenuBar.GetButton(iIndex);
}

BOOL CZAVPPopupMenu::InsertItem(const CZAVPToolbarButton& button, int iInsertAt)
{
    return m_wndMenuBar.InsertButtonCopy(button, iInsertAt) >= 0;
}

BOOL CZAVPPopupMenu::InsertSeparator(int iInsertAt)
{
    return m_wndMenuBar.InsertSeparator(iInsertAt) >= 0;
}

void CZAVPPopupMenu::RemoveAllItems() { m_wndMenuBar.RemoveAllButtons(); }

int CZAVPPopupMenu::HitTest(CPoint ptScreen) const
{
    if (m_hWnd == nullptr) return ZAVPPopupPlacement::HitOutside;
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectLogo = ZAVPPopupFrame::LogoRect(
        CSize(m_nFinalWidth, m_nFinalHeight),
        CZAVPVisualManager::GetInstance()->GetPopupMenuBorderSize(), m_iLogoWidth,
        (ZAVPPopupFrame::LogoLocation)m_nLogoLocation);
    CRect rectTearOff = m_rectTearOff;
    rectLogo.OffsetRect(rectWindow.TopLeft());
    rectTearOff.OffsetRect(rectWindow.TopLeft());
    return ZAVPPopupPlacement::HitTest(ptScreen, rectWindow, m_iShadowSize, rectLogo, rectTearOff);
}

void CZAVPPopupMenu::CloseMenu(BOOL bSetFocusToBar)
{
    if (m_hWnd == nullptr) return;
    m_bTobeDestroyed = TRUE;
    WriteBackEdits();
    CZAVPPopupMenu* pParentPopup = GetParentPopupMenu();
    CZAVPToolBar* pParentBar = GetParentToolBar();
    CWnd* pTopFrame = TopFrameOf(this);
    // A frame that refuses the parent again closes the parent, and this sub-menu with it.
    const HWND hwnd = m_hWnd;
    if (pParentPopup == nullptr) {
        if (m_pActivePopupMenu == this) SetDialogActiveMenu(m_pMessageWnd, nullptr);
        ActivatePopupMenu(pTopFrame, nullptr);
        if (pParentBar != nullptr && bSetFocusToBar && pParentBar->GetSafeHwnd() != nullptr)
            pParentBar->SetFocus();
    } else {
        m_bAutoDestroyParent = FALSE;
        // A parent that is going itself (its bar closes its sub-menus) is not made active again:
        // nothing would forget it once it is gone.
        if (!pParentPopup->m_bTobeDestroyed) ActivatePopupMenu(pTopFrame, pParentPopup);
    }
    if (::IsWindow(hwnd)) ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
}

void CZAVPPopupMenu::OnClose() { DestroyWindow(); }

void CZAVPPopupMenu::WriteBackEdits()
{
    // Items edited in customisation mode go back to the button that opened the menu, and on up
    // the chain, so the outermost button holds the edits even while its own menu stays open.
    for (CZAVPPopupMenu* pPopup = this; pPopup != nullptr && CZAVPToolBar::IsCustomizeMode();
         pPopup = pPopup->GetParentPopupMenu())
    {
        if (pPopup->m_pParentBtn == nullptr || pPopup->m_wndMenuBar.GetSafeHwnd() == nullptr) break;
        HMENU hMenu = pPopup->m_wndMenuBar.ExportToMenu();
        if (hMenu == nullptr) break;
        pPopup->m_pParentBtn->CreateFromMenu(hMenu);
        ::DestroyMenu(hMenu);
    }
}

void CZAVPPopupMenu::OnDestroy()
{
    m_bTobeDestroyed = TRUE;
    KillTimer(1);
    KillTimer(2);
    if (m_bRestoreRecentMenus) {
        CZAVPToolBar::m_bRecentlyUsedMenus = m_bSavedRecentMenus;
        // A floating toolbar's options menu: its caption button comes up again.
        CZAVPMiniFrameWnd* pMiniFrame = dynamic_cast<CZAVPMiniFrameWnd*>(m_pMessageWnd);
        if (pMiniFrame != nullptr && pMiniFrame->GetSafeHwnd() != nullptr)
            pMiniFrame->OnOptionsMenuClosed();
    }

    // A button the bar's owner showed for a while and did not keep is no edit of the menu.
    m_wndMenuBar.RemoveTemporaryButton(FALSE);

    CZAVPToolBar* pParentBar = GetParentToolBar();
    if (m_pParentBtn != nullptr) {
        CZAVPToolbarMenuButton* pButton = m_pParentBtn;
        WriteBackEdits();
        if (pButton->m_pPopupMenu == this) pButton->m_pPopupMenu = nullptr;
        pButton->m_nStyle &= ~TBBS_PRESSED;
        pButton->m_bToBeClosed = FALSE;
        CZAVPPopupMenu* pParentPopup = GetParentPopupMenu();
        if (pParentPopup != nullptr && m_bAutoDestroyParent && !CZAVPToolBar::IsCustomizeMode()) {
            // The chain closes from the inside out: each popup closes its parent.
            m_pParentBtn = nullptr;
            if (pParentPopup->GetSafeHwnd() != nullptr) pParentPopup->SendMessage(WM_CLOSE);
        }
    } else {
        m_bForceShowAllCommands = FALSE;
    }
    if (m_pActivePopupMenu == this) SetDialogActiveMenu(m_pMessageWnd, nullptr);
    // The library frame hears that the popup closed; a popup still registered as the active
    // one is forgotten in any case.
    if (CZAVPFrameWnd* pFrame = LibraryFrameOf(nullptr, this))
        pFrame->OnClosePopupMenu(this);
    else if (CZAVPMDIFrameWnd* pMDIFrame = LibraryMDIFrameOf(nullptr, this))
        pMDIFrame->OnClosePopupMenu(this);
    if (m_pActivePopupMenu == this) m_pActivePopupMenu = nullptr;
    if (!CZAVPToolBar::IsCustomizeMode() && m_pActivePopupMenu == nullptr &&
        pParentBar != nullptr && pParentBar->GetSafeHwnd() != nullptr &&
        !pParentBar->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar)) &&
        ::GetFocus() != pParentBar->GetSafeHwnd())
        pParentBar->ClearHighlight();
    CMiniFrameWnd::OnDestroy();
}

void CZAVPPopupMenu::PostNcDestroy()
{
    if (CZAVPToolbarMenuButton* pButton = m_pParentBtn) {
        m_pParentBtn = nullptr;
        if (pButton->m_pPopupMenu == this) pButton->m_pPopupMenu = nullptr;
        pButton->OnCancelMode();
    }
    if (m_bAutoDestroy && m_hMenu != nullptr && ::IsMenu(m_hMenu)) ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    CMiniFrameWnd::PostNcDestroy();
}

void CZAVPPopupMenu::OnActivateApp(BOOL bActive, DWORD)
{
    if (bActive || CZAVPToolBar::IsCustomizeMode() || IsInCommand()) return;
    if (m_bTrackMode) m_bTobeDestroyed = TRUE;
    PostMessage(WM_CLOSE);
}

int CZAVPPopupMenu::OnMouseActivate(CWnd*, UINT, UINT) { return MA_NOACTIVATE; }

BOOL CZAVPPopupMenu::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMiniFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pMessageWnd != nullptr && m_pMessageWnd->GetSafeHwnd() != nullptr &&
           m_pMessageWnd->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- keys

void CZAVPPopupMenu::OnKeyDown(UINT nChar, UINT, UINT)
{
    ZAVPMenuKeys::PopupFacts facts = {};
    CZAVPToolBar* pParentBar = GetParentToolBar();
    facts.bParentMenuBar = pParentBar != nullptr &&
                           !pParentBar->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar));
    facts.bParentPopup = GetParentPopupMenu() != nullptr;
    facts.bParentDroppedDown = m_pParentBtn != nullptr && m_pParentBtn->IsDroppedDown();
    CZAVPToolbarButton* pHot = GetMenuBar()->GetButton(GetMenuBar()->GetHotButton());
    CZAVPToolbarMenuButton* pHotMenu = dynamic_cast<CZAVPToolbarMenuButton*>(pHot);
    facts.bSubMenuHighlighted = pHotMenu != nullptr &&
                                !pHot->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton)) &&
                                (pHotMenu->m_nID == (UINT)-1 || !pHotMenu->GetCommands().IsEmpty());
    facts.bHidesRarelyUsed = !GetMenuBar()->AreAllCommandsShown();
    facts.bCustomizeMode = CZAVPToolBar::IsCustomizeMode();
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;

    const HWND hwnd = m_hWnd;
    switch (ZAVPMenuKeys::PopupKey(nChar, bCtrl, facts)) {
    case ZAVPMenuKeys::PopupClose: CloseMenu(TRUE); return;
    case ZAVPMenuKeys::PopupCloseToParent: CloseMenu(FALSE); return;
    case ZAVPMenuKeys::PopupPrevMenu:
        // The bar closes this menu and opens its previous or next one.
        if (pParentBar != nullptr) pParentBar->PrevMenu();
        return;
    case ZAVPMenuKeys::PopupNextMenu:
        if (pParentBar != nullptr) pParentBar->NextMenu();
        return;
    case ZAVPMenuKeys::PopupOpenSubMenu: {
        const int nAnimation = CZAVPToolBar::m_nMenuAnimation;
        CZAVPToolBar::m_nMenuAnimation = ZAVPPopupEffects::AnimationNone;
        if (pHotMenu->m_pPopupMenu == nullptr && pHotMenu->OpenPopupMenu(GetMenuBar()) &&
            pHotMenu->m_pPopupMenu != nullptr)
            pHotMenu->m_pPopupMenu->SendMessage(WM_KEYDOWN, VK_HOME);
        CZAVPToolBar::m_nMenuAnimation = nAnimation;
        return;
    }
    case ZAVPMenuKeys::PopupPassToParent:
        if (CZAVPPopupMenu* pParentPopup = GetParentPopupMenu())
            pParentPopup->SendMessage(WM_KEYDOWN, VK_RIGHT);
        return;
    case ZAVPMenuKeys::PopupShowAll: ShowAllCommands(); return;
    case ZAVPMenuKeys::PopupToBar:
        GetMenuBar()->OnKey(nChar);
        if (::IsWindow(hwnd)) ScrollToHighlighted();
        return;
    case ZAVPMenuKeys::PopupBarKey:
        if (!GetMenuBar()->OnKey(nChar) && ::IsWindow(hwnd)) Default();
        return;
    default: Default(); return;
    }
}

// ---- show all

void CZAVPPopupMenu::ShowAllCommands()
{
    m_bForceShowAllCommands = TRUE;
    PlayMenuSound(ZAVPMenuSound::kPopup);
    ShowWindow(SW_HIDE);
    m_bmpShadowRight.DeleteObject();
    m_bmpShadowBottom.DeleteObject();
    m_bmpScreen.DeleteObject();
    m_xPos = m_xInitial;
    m_yPos = m_yInitial;
    m_wndMenuBar.SetOffset(0);
    if (!InitMenuBar()) {
        CloseMenu();
        return;
    }
    CheckShadow();
    SetWindowPos(&wndTop, 0, 0, 0, 0, kShowNoActivate);
    if (CZAVPToolBar* pBar = GetParentToolBar())
        if (pBar->GetSafeHwnd() != nullptr && m_pParentBtn != nullptr)
            pBar->InvalidateRect(m_pParentBtn->m_rect);
}

void CZAVPPopupMenu::DisableAnimation()
{
    m_nAnimationType = ZAVPPopupEffects::AnimationNone;
    m_bAnimationIsDone = TRUE;
}

void CZAVPPopupMenu::ForceShowAllItems()
{
    m_bSavedRecentMenus = CZAVPToolBar::m_bRecentlyUsedMenus;
    CZAVPToolBar::m_bRecentlyUsedMenus = FALSE;
    m_bRestoreRecentMenus = TRUE;
}

// ---- placement

void CZAVPPopupMenu::RecalcLayout(BOOL)
{
    if (m_hWnd == nullptr || GetMenuBar()->GetSafeHwnd() == nullptr) return;
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    const int nBorder = pManager->GetPopupMenuBorderSize();
    const BOOL bCustomize = CZAVPToolBar::IsCustomizeMode();
    const BOOL bTearOff = m_pParentBtn != nullptr && m_pParentBtn->IsTearOffMenu() && !bCustomize;

    ZAVPPopupFrame::FrameInputs in = {};
    in.sizeBar = GetMenuBar()->CalcSize(TRUE);
    in.nBorder = nBorder;
    in.nLogoSize = m_iLogoWidth;
    in.logoLocation = (ZAVPPopupFrame::LogoLocation)m_nLogoLocation;
    in.bTearOff = bTearOff;
    const SIZE size = ZAVPPopupFrame::WindowSize(in);

    m_rectTearOff.SetRectEmpty();
    if (bTearOff) {
        m_rectTearOff = ZAVPPopupFrame::TearOffRect(size.cx, nBorder);
        if (m_pTearOffTip == nullptr) {
            m_pTearOffTip = new CToolTipCtrl;
            if (m_pTearOffTip->Create(this)) {
                m_pTearOffTip->Activate(TRUE);
                CZAVPToolBar::ApplyMaxToolTipWidth(m_pTearOffTip->GetSafeHwnd());
                m_pTearOffTip->AddTool(this, IDS_ZAVP_TEAR_OFF_TIP, m_rectTearOff, kTearOffToolId);
            }
        }
    }

    using namespace ZAVPPopupPlacement;
    Request req = {};
    req.cx = size.cx;
    req.cy = size.cy;
    req.x = m_bRightAlign ? ZAVPPopupFrame::RightAlignedLeft(m_xInitial, size.cx) : m_xInitial;
    req.y = m_yInitial;
    req.bRightAlign = m_bRightAlign;
    req.rcWork = WorkAreaNear(POINT{m_xInitial, m_yInitial});
    req.nBorder = nBorder;
    req.nDropDirection = m_nDropDirection;
    CZAVPPopupMenu* pParentPopup = GetParentPopupMenu();
    CZAVPToolBar* pParentBar = GetParentToolBar();
    if (pParentPopup != nullptr) {
        req.opener = OpenerPopup;
        CRect rectParent;
        pParentPopup->GetWindowRect(rectParent);
        req.nParentPopupLeft = rectParent.left;
        req.nRowHeight = pParentPopup->GetMenuBar()->GetRowHeight();
        req.bJoinedLook = m_pParentBtn != nullptr && pManager->IsMenuJoinedToParentButton();
        req.bParentRestoresRecent = pParentPopup->m_bRestoreRecentMenus;
        req.bRestoresRecent = m_bRestoreRecentMenus;
        // The parent's joint with this menu is drawn open: it is painted again.
        if (req.bJoinedLook && pParentPopup->GetSafeHwnd() != nullptr)
            pParentPopup->RedrawWindow(nullptr, nullptr,
                                       RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    } else if (m_pParentBtn != nullptr && pParentBar != nullptr) {
        req.opener = OpenerBar;
        req.bVerticalMenuBar = ZAVPIsKindOf(pParentBar, RUNTIME_CLASS(CZAVPMenuBar)) &&
                               !pParentBar->IsHorizontal();
        CRect rectButton = m_pParentBtn->m_rect;
        pParentBar->ClientToScreen(&rectButton);
        req.rcButton = rectButton;
    } else {
        req.opener = OpenerNone;
    }
    const Placement p = Place(req);
    m_xPos = p.x;
    m_yPos = p.y;
    m_nFinalWidth = size.cx;
    m_nFinalHeight = p.cy;
    m_nDropDirection = p.nDropDirection;
    m_bAnimateRight = p.bAnimateRight;
    m_bAnimateDown = p.bAnimateDown;
    m_bScrollable = p.bScrollMode;
    if (m_pParentBtn != nullptr) {
        // The button's look follows the side the menu opened on.
        if (req.opener == OpenerPopup || req.bVerticalMenuBar)
            m_pParentBtn->m_nDropDirection = p.nDropDirection == kDropLeft ? 4 : 3;
        else
            m_pParentBtn->m_nDropDirection = p.nDropDirection == kDropAbove ? 2 : 1;
    }

    const int nShadow = bCustomize ? 0 : m_iShadowSize;
    SetWindowPos(nullptr, m_xPos, m_yPos, m_nFinalWidth + nShadow, m_nFinalHeight + nShadow,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    LayOutBar();
    if (!bCustomize) InvalidateParentButtonUnderShadow();
}

CRect CZAVPPopupMenu::GetBarRect() const
{
    const int nBorder = CZAVPVisualManager::GetInstance()->GetPopupMenuBorderSize();
    CRect rect(nBorder, nBorder, m_nFinalWidth - nBorder, m_nFinalHeight - nBorder);
    if (m_iLogoWidth > 0) {
        switch (m_nLogoLocation) {
        case ZAVPPopupFrame::LogoLeft: rect.left += m_iLogoWidth; break;
        case ZAVPPopupFrame::LogoRight: rect.right -= m_iLogoWidth; break;
        case ZAVPPopupFrame::LogoTop: rect.top += m_iLogoWidth; break;
        default: rect.bottom -= m_iLogoWidth; break;
        }
    }
    if (!m_rectTearOff.IsRectEmpty()) rect.top += ZAVPPopupFrame::kTearOffHeight;
    return rect;
}

void CZAVPPopupMenu::LayOutBar()
{
    if (GetMenuBar()->GetSafeHwnd() == nullptr) return;
    CRect rectBar = GetBarRect();
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    if (m_bScrollable) {
        const int nScrolled = GetMenuBar()->GetOffset() * GetMenuBar()->GetRowHeight();
        const ZAVPPopupFrame::ScrollLayout layout = ZAVPPopupFrame::LayOutScrolling(
            rectBar, m_iScrollBtnHeight, GetMenuBar()->GetContentHeight(), nScrolled);
        rectBar = layout.rcBar;
        m_rectScrollUp = layout.rcScrollUp;
        m_rectScrollDn = layout.rcScrollDown;
    }
    GetMenuBar()->SetWindowPos(nullptr, rectBar.left, rectBar.top, rectBar.Width(),
                               rectBar.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
    GetMenuBar()->AdjustLocations();
}

void CZAVPPopupMenu::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (m_bScrollable) LayOutBar();
}

void CZAVPPopupMenu::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CWnd::OnShowWindow(bShow, nStatus);
    if (!bShow) m_bShown = FALSE;
}

// ---- mouse over the frame parts

void CZAVPPopupMenu::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bTearOffTracking && !m_rectTearOff.PtInRect(point)) {
        m_bTearOffTracking = FALSE;
        ::ReleaseCapture();
        CPoint ptScreen = point;
        ClientToScreen(&ptScreen);
        TearOff(ptScreen);
        return;
    }
    const BOOL bOverTearOff = m_rectTearOff.PtInRect(point);
    if (bOverTearOff != m_bIsTearOffCaptionActive) {
        m_bIsTearOffCaptionActive = bOverTearOff;
        InvalidateRect(m_rectTearOff);
    }
    for (int nDirection : {-1, 1}) {
        const CRect& rect = nDirection < 0 ? m_rectScrollUp : m_rectScrollDn;
        if (!rect.IsRectEmpty() && rect.PtInRect(point) && m_iScrollMode != nDirection) {
            StartScrolling(nDirection);
            break;
        }
    }
    CWnd::OnMouseMove(nFlags, point);
}

void CZAVPPopupMenu::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_rectTearOff.PtInRect(point)) {
        m_bTearOffTracking = TRUE;
        m_bIsTearOffCaptionActive = TRUE;
        SetCapture();
        InvalidateRect(m_rectTearOff);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CZAVPPopupMenu::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTearOffTracking) {
        m_bTearOffTracking = FALSE;
        ::ReleaseCapture();
        InvalidateRect(m_rectTearOff);
        return;
    }
    CWnd::OnLButtonUp(nFlags, point);
}

BOOL CZAVPPopupMenu::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    if (m_rectTearOff.PtInRect(pt) && CZAVPToolBar::m_hcurSizeAll != nullptr) {
        ::SetCursor(CZAVPToolBar::m_hcurSizeAll);
        return TRUE;
    }
    return CWnd::OnSetCursor(pWnd, nHitTest, message);
}

BOOL CZAVPPopupMenu::PreTranslateMessage(MSG* pMsg)
{
    if (m_pTearOffTip != nullptr && m_pTearOffTip->GetSafeHwnd() != nullptr &&
        pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_pTearOffTip->RelayEvent(pMsg);
    return CMiniFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CZAVPPopupMenu::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const NMHDR* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    if (pNMHDR != nullptr && m_pTearOffTip != nullptr &&
        pNMHDR->hwndFrom == m_pTearOffTip->GetSafeHwnd() &&
        (pNMHDR->code == TTN_SHOW || pNMHDR->code == TTN_POP))
    {
        m_bIsTearOffCaptionActive = pNMHDR->code == TTN_SHOW;
        InvalidateRect(m_rectTearOff);
    }
    return CMiniFrameWnd::OnNotify(wParam, lParam, pResult);
}

// ---- tear-off

CZAVPToolBar* CZAVPPopupMenu::CreateTearOffBar(HMENU hMenu, UINT uiID, LPCSTR lpszName)
{
    CWnd* pFrame = TopFrameOf(this);
    if (pFrame == nullptr || hMenu == nullptr) return nullptr;
    ZAVPMenuModel::ImportResult result;
    if (!ZAVPMenuModel::Import(hMenu, ZAVPMenuModel::ImportOptions(), result)) return nullptr;

    CZAVPToolBar* pBar = new CZAVPToolBar;
    if (!pBar->Create(pFrame, CZAVPFrameImpl::kUserToolbarStyle | kTearOffBarStyle, uiID)) {
        delete pBar;
        return nullptr;
    }
    pBar->SetWindowText(lpszName);
    // A palette stays a grid of as many columns as the menu showed.
    if (m_wndMenuBar.m_bPaletteMode) pBar->SetColumns(m_wndMenuBar.GetColumns());
    for (const ZAVPMenuItem& item : ZAVPMenuModel::TearOffItems(result.items)) {
        if (item.IsSeparator()) {
            pBar->InsertSeparator();
        } else if (item.IsSubMenu()) {
            CZAVPToolbarMenuButton button(item.nID, nullptr, -1, item.strText.c_str());
            button.CreateFromItems(item.subItems);
            pBar->InsertButtonCopy(button);
        } else {
            pBar->InsertButtonCopy(CZAVPToolbarButton(item.nID, -1, item.strText.c_str()));
        }
    }
    return pBar;
}

BOOL CZAVPPopupMenu::TearOff(CPoint /*point*/)
{
    if (m_pParentBtn == nullptr || !m_pParentBtn->IsTearOffMenu()) return FALSE;
    CZAVPFrameWnd* pFrame = dynamic_cast<CZAVPFrameWnd*>(TopFrameOf(this));
    if (pFrame == nullptr) return FALSE;
    const UINT uiID = m_pParentBtn->GetTearOffId();

    // The frame keeps one bar per tear-off id: tearing the menu off again brings that bar along.
    CZAVPToolBar* pBar = dynamic_cast<CZAVPToolBar*>(pFrame->GetControlBar(uiID));
    const BOOL bNewBar = pBar == nullptr;
    if (bNewBar) {
        HMENU hMenu = m_wndMenuBar.ExportToMenu();
        const std::string strName = ZAVPMenuModel::TearOffBarName((LPCSTR)m_pParentBtn->m_strText);
        pBar = CreateTearOffBar(hMenu, uiID, strName.c_str());
        if (hMenu != nullptr) ::DestroyMenu(hMenu);
        if (pBar == nullptr) return FALSE;
        if (!pFrame->OnTearOffMenu(this, pBar)) {
            pBar->DestroyWindow();
            delete pBar;
            return FALSE;
        }
        pFrame->m_Impl.AddTearOffToolbar(pBar);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        // Known to the dock manager first, so that it can float and later dock again.
        pFrame->DockControlBar(pBar);
    }

    // The bar floats where the menu is.
    CRect rectMenu;
    GetWindowRect(rectMenu);
    if (pBar->IsFloating()) {
        if (CZAVPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame(TRUE))
            pMiniFrame->SetWindowPos(nullptr, rectMenu.left, rectMenu.top, 0, 0,
                                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        pFrame->ShowControlBar(pBar, TRUE, FALSE, FALSE);
    } else if (!pBar->FloatControlBar(rectMenu, ZAVP_DM_DBL_CLICK, TRUE)) {
        if (bNewBar) {
            pFrame->m_Impl.RemoveTearOffToolbar(pBar);
            pBar->UndockControlBar(FALSE);
            pBar->DestroyWindow();
            delete pBar;
        }
        return FALSE;
    }
    CZAVPMiniFrameWnd* pMiniFrame = pBar->GetParentMiniFrame(TRUE);
    if (pMiniFrame == nullptr) return FALSE;
    // The frame follows the mouse until the button goes up, which closes this menu; Esc shows
    // the menu again and takes a new bar away.
    return pMiniFrame->TearOffDrag(this, bNewBar);
}
