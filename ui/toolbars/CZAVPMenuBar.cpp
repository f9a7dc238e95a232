// The menu bar (see CZAVPMenuBar.h): built from a menu, its keyboard, layout and window buttons.
#include "ui/toolbars/CZAVPMenuBar.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButtonsButton.h"
#include "ui/toolbars/CZAVPToolbarSystemMenuButton.h"
#include "ui/toolbars/ZAVPMenuBarLayout.h"
#include "ui/toolbars/ZAVPMenuKeys.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPLibraryNames.h"
#include "ui/foundation/ZAVPRegistryPath.h"
#include "framework/CDocTemplate.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "framework/CControlBar.h"

IMPLEMENT_SERIAL(CZAVPMenuBar, CZAVPToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPMenuBar, CZAVPToolBar)
ON_WM_CREATE()
ON_WM_SETFOCUS()
ON_WM_TIMER()
ON_WM_LBUTTONDBLCLK()
ON_WM_SETTINGCHANGE()
END_MESSAGE_MAP()

namespace
{
const DWORD kHideInPlace = 0x0008;  // CBRS_HIDE_INPLACE, added when the window is made
const int kMaxMenuText = 1024;      // longest item text read from a menu
const int kWindowButtonGap = 1;     // between the window buttons of an MDI child
const int kFontRowShrink = 2;       // a text row is the menu font's text height less this
const int kFullLength = 0xFFFF;     // the bar asks for its whole row

bool IsMenuButton(const CZAVPToolbarButton* pButton)
{
    return pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CZAVPToolbarMenuButton));
}

// The text of a menu item by position, or an empty string.
CString MenuBarItemText(HMENU hMenu, int iItem)
{
    CString strText;
    const int nLength = ::GetMenuStringA(hMenu, (UINT)iItem, strText.GetBuffer(kMaxMenuText),
                                         kMaxMenuText, MF_BYPOSITION);
    strText.ReleaseBuffer(nLength > 0 ? nLength : 0);
    return strText;
}

// The frame's MDI client window, or null.
HWND FindMDIClient(HWND hwndFrame)
{
    for (HWND hwnd = ::GetWindow(hwndFrame, GW_CHILD); hwnd != nullptr;
         hwnd = ::GetWindow(hwnd, GW_HWNDNEXT))
    {
        char szClass[16] = {};
        ::GetClassNameA(hwnd, szClass, sizeof szClass);
        if (lstrcmpiA(szClass, "MDIClient") == 0) return hwnd;
    }
    return nullptr;
}
}  // namespace

CZAVPMenuBar::CZAVPMenuBar()
    : m_pParentWnd(nullptr), m_bMaximizeMode(FALSE), m_hMenu(nullptr), m_hDefaultMenu(nullptr),
      m_hSysMenu(nullptr), m_bMDIApp(FALSE), m_nSystemButtonsNum(0), m_nSystemButtonsNumSaved(0),
      m_bHaveImages(FALSE), m_uiDefMenuResId(0), m_bStretched(TRUE)
{
}

CZAVPMenuBar::~CZAVPMenuBar() {}

// ---- statics

void CZAVPMenuBar::SetForceShowAllMenus(BOOL bForce)
{
    CZAVPPopupMenu::m_bForceShowAllCommands = bForce;
}

BOOL CZAVPMenuBar::IsForceShowAllMenus() { return CZAVPPopupMenu::m_bForceShowAllCommands; }

CFont& CZAVPMenuBar::GetMenuFont(BOOL bHorz)
{
    return bHorz ? globalData.fontRegular : globalData.fontVert;
}

// ---- creation

BOOL CZAVPMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CZAVPMenuBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders,
                            UINT nID)
{
    m_pParentWnd = pParentWnd;
    return CZAVPToolBar::CreateEx(pParentWnd, dwCtrlStyle | TBSTYLE_FLAT, dwStyle, rcBorders, nID);
}

int CZAVPMenuBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPToolBar::OnCreate(lpcs) == -1) return -1;
    CString strName;
    if (strName.LoadString(IDS_ZAVP_MENU_BAR_NAME)) ::SetWindowTextA(m_hWnd, strName);
    SetBarStyle(GetBarStyle() | kHideInPlace);
    m_bMDIApp = m_pParentWnd != nullptr && FindMDIClient(m_pParentWnd->GetSafeHwnd()) != nullptr;
    // A library frame takes the bar as its menu bar: the bar shows the frame's menu from now on.
    if (CZAVPFrameWnd* pFrame = dynamic_cast<CZAVPFrameWnd*>(m_pParentWnd))
        pFrame->m_Impl.SetMenuBar(this);
    return 0;
}

// ---- the buttons of a menu

void CZAVPMenuBar::AppendItemsOf(HMENU hMenu, CObList& list)
{
    const int nItems = ::GetMenuItemCount(hMenu);
    for (int i = 0; i < nItems; ++i) {
        const UINT uiState = ::GetMenuState(hMenu, (UINT)i, MF_BYPOSITION);
        const UINT uiID = ::GetMenuItemID(hMenu, i);
        CString strText = MenuBarItemText(hMenu, i);
        CZAVPToolbarButton* pButton = nullptr;
        if (uiState & MF_SEPARATOR) {
            pButton = new CZAVPToolbarButton;
            pButton->m_nStyle = TBBS_SEPARATOR;
        } else if (HMENU hSubMenu = ::GetSubMenu(hMenu, i)) {
            const UINT uiTearOffId = g_pTearOffManager != nullptr
                                         ? CZAVPTearOffManager::ParseTearOffName(strText)
                                         : 0;
            CZAVPToolbarMenuButton* pMenuButton = new CZAVPToolbarMenuButton(0, hSubMenu, -1,
                                                                             strText);
            pMenuButton->SetTearOffId(uiTearOffId);
            pButton = pMenuButton;
        } else {
            pButton = new CZAVPToolbarButton(uiID, -1, strText);
        }
        if (uiState & (MF_DISABLED | MF_GRAYED)) pButton->m_nStyle |= TBBS_DISABLED;
        list.AddTail(pButton);
    }
}

void CZAVPMenuBar::BuildFromMenu(HMENU hMenu)
{
    RemoveAllButtons();
    CObList items;
    AppendItemsOf(hMenu, items);
    while (!items.IsEmpty()) {
        CZAVPToolbarButton* pButton = static_cast<CZAVPToolbarButton*>(items.RemoveHead());
        // Appended as they come: a leading separator of a menu stays where the menu has it.
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
    }
    m_nSystemButtonsNum = 0;
    m_bMaximizeMode = FALSE;
}

void CZAVPMenuBar::CreateFromMenu(HMENU hMenu, BOOL bDefaultMenu, BOOL bForceUpdate)
{
    if (hMenu == nullptr || !::IsMenu(hMenu)) return;  // the bar stays as it is
    if (m_hWnd != nullptr && ::GetFocus() == m_hWnd && m_pParentWnd != nullptr)
        m_pParentWnd->SetFocus();

    if (hMenu == m_hMenu && !IsCustomizeMode() && !bForceUpdate) {
        UpdateMDIChildrenButtons(FALSE);
        return;
    }

    if (g_pTearOffManager != nullptr) g_pTearOffManager->MarkTearOffMenus(hMenu);
    if (m_hMenu != nullptr) {
        RemoveMDIChildrenButtons();
        g_menuHash.SaveMenuBar(m_hMenu, this);
    }
    m_hMenu = hMenu;
    if (bDefaultMenu) m_hDefaultMenu = hMenu;

    if (bForceUpdate || !g_menuHash.LoadMenuBar(hMenu, this)) BuildFromMenu(hMenu);
    UpdateMDIChildrenButtons(TRUE);
    if (m_hWnd != nullptr) {
        AdjustLayout();
        if (!m_bStretched) RecalcFrameLayout();
    }
}

void CZAVPMenuBar::RecalcFrameLayout()
{
    CFrameWnd* pFrame = m_hWnd != nullptr ? GetParentFrame() : nullptr;
    if (pFrame != nullptr) pFrame->RecalcLayout();
}

// ---- the window buttons of a maximised MDI child

void CZAVPMenuBar::SetMaximizeMode(BOOL bMax, CWnd* /*pWnd*/, BOOL bRecalcLayout)
{
    // The buttons follow the MDI client's maximised document (which pWnd names).
    const BOOL bWasMaximized = m_bMaximizeMode;
    if (bMax)
        UpdateMDIChildrenButtons(FALSE);
    else if (m_bMaximizeMode)
        RemoveMDIChildrenButtons();
    if (m_bMaximizeMode == bWasMaximized) return;
    if (m_hWnd != nullptr) AdjustLayout();
    if (bRecalcLayout) RecalcFrameLayout();
}

HWND CZAVPMenuBar::GetMaximizedMDIChild() const
{
    if (!m_bMDIApp || m_pParentWnd == nullptr) return nullptr;
    const HWND hwndClient = FindMDIClient(m_pParentWnd->GetSafeHwnd());
    if (hwndClient == nullptr) return nullptr;
    BOOL bMaximized = FALSE;
    const HWND hwndChild = (HWND)::SendMessageA(hwndClient, WM_MDIGETACTIVE, 0,
                                                (LPARAM)&bMaximized);
    return hwndChild != nullptr && bMaximized ? hwndChild : nullptr;
}

BOOL CZAVPMenuBar::IsWindowButton(const CZAVPToolbarButton* pButton)
{
    return pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CZAVPToolbarMenuButtonsButton));
}

BOOL CZAVPMenuBar::IsSystemMenuButton(const CZAVPToolbarButton* pButton)
{
    return pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CZAVPToolbarSystemMenuButton));
}

void CZAVPMenuBar::RemoveMDIChildrenButtons()
{
    if (!m_bMaximizeMode) return;
    for (int i = GetCount() - 1; i >= 0; --i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        if (!IsWindowButton(pButton) && !IsSystemMenuButton(pButton)) continue;
        m_Buttons.RemoveAt(m_Buttons.FindIndex(i));
        delete pButton;
    }
    m_iHighlighted = m_iHot = m_iButtonCapture = -1;
    m_nSystemButtonsNumSaved = m_nSystemButtonsNum;
    m_nSystemButtonsNum = 0;
    m_bMaximizeMode = FALSE;
}

void CZAVPMenuBar::UpdateMDIChildrenButtons(BOOL bForce)
{
    const HWND hwndChild = GetMaximizedMDIChild();
    if (hwndChild == nullptr) {
        if (m_bMaximizeMode) {
            RemoveMDIChildrenButtons();
            if (m_hWnd != nullptr) AdjustLayout();
        }
        return;
    }
    const DWORD dwChildStyle = (DWORD)::GetWindowLongA(hwndChild, GWL_STYLE);
    const std::vector<UINT> commands = ZAVPMenuBarLayout::WindowButtonCommands(dwChildStyle);
    if (m_bMaximizeMode && !bForce && (int)commands.size() == m_nSystemButtonsNum) {
        if (m_hWnd != nullptr) ::InvalidateRect(m_hWnd, nullptr, TRUE);  // states may differ
        return;
    }
    RemoveMDIChildrenButtons();
    m_hSysMenu = ::GetSystemMenu(hwndChild, FALSE);
    HICON hIcon = (HICON)::SendMessageA(hwndChild, WM_GETICON, ICON_SMALL, 0);
    if (hIcon == nullptr) hIcon = (HICON)::GetClassLongPtrA(hwndChild, GCLP_HICONSM);
    CZAVPToolbarSystemMenuButton* pSystem = new CZAVPToolbarSystemMenuButton(m_hSysMenu, hIcon);
    m_Buttons.AddHead(pSystem);
    pSystem->OnChangeParentWnd(this);
    for (UINT uiCmd : commands) {
        CZAVPToolbarMenuButtonsButton* pButton = new CZAVPToolbarMenuButtonsButton(uiCmd);
        m_Buttons.AddTail(pButton);
        pButton->OnChangeParentWnd(this);
    }
    m_nSystemButtonsNum = (int)commands.size();
    m_bMaximizeMode = TRUE;
    if (m_hWnd != nullptr) AdjustLayout();
}

BOOL CZAVPMenuBar::OnSendCommand(const CZAVPToolbarButton* pButton)
{
    if (!IsWindowButton(pButton)) return CZAVPToolBar::OnSendCommand(pButton);
    const HWND hwndChild = GetMaximizedMDIChild();
    if (hwndChild == nullptr) {
        ::MessageBeep((UINT)-1);
        return TRUE;
    }
    ::SendMessageA(hwndChild, WM_SYSCOMMAND,
                   static_cast<const CZAVPToolbarMenuButtonsButton*>(pButton)->m_uiSystemCommand,
                   0);
    return TRUE;
}

// ---- sizes and layout

int CZAVPMenuBar::GetRowHeight() const
{
    if (m_bHaveImages) return CZAVPToolBar::GetRowHeight();
    const BOOL bHorz = (GetBarStyle() & CBRS_ORIENT_HORZ) != 0;
    const int nText = (bHorz ? globalData.m_nTextHeightHorz : globalData.m_nTextHeightVert) -
                      kFontRowShrink;
    return std::max<int>(nText, bHorz ? GetImageSize().cy : GetImageSize().cx);
}

int CZAVPMenuBar::GetColumnWidth() const
{
    if (m_bHaveImages) return CZAVPToolBar::GetColumnWidth();
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, GetMenuFont(TRUE).GetSafeHandle() != nullptr
                                           ? GetMenuFont(TRUE).GetSafeHandle()
                                           : ::GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(nullptr, hdc);
    return tm.tmAveCharWidth;
}

int CZAVPMenuBar::GetAvailableExpandSize() const
{
    return m_bStretched ? kFullLength : CZAVPToolBar::GetAvailableExpandSize();
}

CSize CZAVPMenuBar::CalcLayout(DWORD dwMode, int nLength)
{
    m_bHaveImages = FALSE;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pButton = static_cast<const CZAVPToolbarButton*>(
            m_Buttons.GetNext(pos));
        if (IsMenuButton(pButton) && !IsSystemMenuButton(pButton) && pButton->m_bImage &&
            pButton->GetImage() >= 0)
            m_bHaveImages = TRUE;
    }
    if (IsFloating() || !m_bStretched || m_hWnd == nullptr)
        return CZAVPToolBar::CalcLayout(dwMode, nLength);

    // Docked: the whole length of the row, less the bar's own insets.
    const BOOL bHorz = (dwMode & LM_HORZ) != 0;
    CRect rectRow;
    if (CWnd* pDockBar = reinterpret_cast<CWnd*>(GetParentDockBar()))
        pDockBar->GetClientRect(rectRow);
    else if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->GetClientRect(rectRow);
    CRect rectInsets(0, 0, 0, 0);
    CalcInsideRect(rectInsets, bHorz);  // negative: the insets
    const int nLengthRow = bHorz ? rectRow.Width() : rectRow.Height();
    CSize size;
    if (bHorz) {
        SizeToolBar(nLengthRow + rectInsets.Width(), FALSE);
        size = CalcSize(FALSE);
        size.cx = nLengthRow;
        size.cy -= rectInsets.Height();
    } else {
        size = CalcSize(TRUE);
        size.cx -= rectInsets.Width();
        size.cy = nLengthRow;
    }
    (void)LM_STRETCH;
    UpdateMnemonics();
    return size;
}

void CZAVPMenuBar::AdjustLocations()
{
    CZAVPToolBar::AdjustLocations();
    if (!m_bMaximizeMode || m_nSystemButtonsNum == 0 || m_hWnd == nullptr) return;
    // The window buttons stand at the far end of the row, the last one outermost.
    CRect rectClient;
    GetClientRect(rectClient);
    const BOOL bHorz = IsHorizontal();
    const int nFirst = GetCount() - m_nSystemButtonsNum;
    const CZAVPToolbarButton* pFirstWindowButton = GetButton(nFirst);
    CRect rectRow = rectClient;
    if (pFirstWindowButton != nullptr && bHorz) {
        rectRow.top = pFirstWindowButton->m_rect.top;
        rectRow.bottom = pFirstWindowButton->m_rect.bottom;
    }
    const SIZE sizeButton = {::GetSystemMetrics(SM_CXMENUSIZE), ::GetSystemMetrics(SM_CYMENUSIZE)};
    const std::vector<RECT> rects = ZAVPMenuBarLayout::WindowButtonRects(
        rectRow, m_nSystemButtonsNum, sizeButton, bHorz);
    for (int i = 0; i < m_nSystemButtonsNum && i < (int)rects.size(); ++i) {
        if (CZAVPToolbarButton* pButton = GetButton(nFirst + i)) {
            pButton->SetRect(CRect(rects[(size_t)i]));
            pButton->SetVisible(TRUE);
        }
    }
    (void)kWindowButtonGap;
}

// ---- hot item, focus and the keyboard

CZAVPToolbarMenuButton* CZAVPMenuBar::GetDroppedDownMenu(int* piIndex) const
{
    return static_cast<CZAVPToolbarMenuButton*>(GetDroppedDownButton(piIndex));
}

void CZAVPMenuBar::SetHot(int iHot)
{
    CZAVPToolBar::SetHot(iHot);
    if (m_hWnd == nullptr) return;
    // Resting on a dropped-down item shows its whole menu after a while.
    if (GetDroppedDownMenu() != nullptr)
        ::SetTimer(m_hWnd, kShowAllTimer, kShowAllDelay, nullptr);
    else
        SetForceShowAllMenus(FALSE);
}

void CZAVPMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kShowAllTimer) {
        Default();
        return;
    }
    ::KillTimer(m_hWnd, kShowAllTimer);
    int iDropped = -1;
    CZAVPToolbarMenuButton* pDropped = GetDroppedDownMenu(&iDropped);
    if (pDropped == nullptr || pDropped->m_pPopupMenu == nullptr) return;
    CPoint point;
    ::GetCursorPos(&point);
    ScreenToClient(&point);
    if (!pDropped->m_rect.PtInRect(point)) return;
    CZAVPPopupMenuBar* pItems = pDropped->m_pPopupMenu->GetMenuBar();
    if (pItems != nullptr && !pItems->AreAllCommandsShown())
        pDropped->m_pPopupMenu->ShowAllCommands();
}

void CZAVPMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const int iHit = HitTest(point);
    CZAVPToolbarButton* pButton = GetButton(iHit);
    if (IsMenuButton(pButton) && !IsSystemMenuButton(pButton) && !IsForceShowAllMenus() &&
        IsRecentlyUsedMenus() && m_UsageCount.HasEnoughData() && !IsCustomizeMode())
    {
        // A double click shows the whole menu: closed and opened again with every item.
        SetForceShowAllMenus(TRUE);
        if (pButton->IsDroppedDown()) pButton->OnCancelMode();
        pButton->OnClick(this, FALSE);
        m_iHighlighted = m_iHot = iHit;
        InvalidateButton(iHit);
        return;
    }
    CZAVPToolBar::OnLButtonDblClk(nFlags, point);
}

void CZAVPMenuBar::OnSetFocus(CWnd* pOldWnd)
{
    CZAVPToolBar::OnSetFocus(pOldWnd);
    ShowCommandMessageString(AFX_IDS_IDLEMESSAGE);
    if (m_iHighlighted < 0) {
        // A bar that takes the focus as one of its menus opens (a click on it) keeps that menu
        // open: its item becomes the hot one, where another hot item would open its own menu.
        int iDropped = -1;
        GetDroppedDownButton(&iDropped);
        const int iFirst = iDropped >= 0 ? iDropped
                                         : ZAVPMenuKeys::FirstHotOnFocus(
                                               GetCount(), IsSystemMenuButton(GetButton(0)));
        if (iFirst >= 0) SetHot(iFirst);
    }
}

void CZAVPMenuBar::OnSettingChange(UINT uFlags, LPCSTR lpszSection)
{
    CZAVPToolBar::OnSettingChange(uFlags, lpszSection);
    if (m_hWnd != nullptr) ::InvalidateRect(m_hWnd, nullptr, TRUE);
}

std::vector<ZAVPMenuNavigation::NavItem> CZAVPMenuBar::NavItems() const
{
    std::vector<ZAVPMenuNavigation::NavItem> items;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pButton = static_cast<const CZAVPToolbarButton*>(
            m_Buttons.GetNext(pos));
        ZAVPMenuNavigation::NavItem item;
        item.bSeparator = pButton->IsSeparator();
        item.bHidden = !pButton->IsVisible() || (pButton->m_nStyle & TBBS_HIDDEN) != 0;
        item.bWindowButton = IsWindowButton(pButton);
        items.push_back(item);
    }
    return items;
}

BOOL CZAVPMenuBar::DropDownHotMenu()
{
    CZAVPToolbarButton* pHot = GetButton(m_iHighlighted);
    if (!IsMenuButton(pHot)) return FALSE;
    ScopedValue<int> noAnimation(m_nMenuAnimation, 0);
    if (!pHot->IsDroppedDown() && !pHot->OnClick(this, FALSE)) return FALSE;
    CZAVPToolbarMenuButton* pMenuButton = static_cast<CZAVPToolbarMenuButton*>(pHot);
    if (pMenuButton->m_pPopupMenu != nullptr)
        pMenuButton->m_pPopupMenu->SendMessage(WM_KEYDOWN, VK_HOME, 0);
    return TRUE;
}

BOOL CZAVPMenuBar::OnMenuBarKey(UINT nVirtKey)
{
    const CZAVPToolbarButton* pHot = GetButton(m_iHighlighted);
    const ZAVPMenuKeys::BarKey key = ZAVPMenuKeys::MenuBarKey(nVirtKey, NavItems(), m_iHighlighted,
                                                              IsMenuButton(pHot));
    switch (key.action) {
    case ZAVPMenuKeys::BarOpenMenu: return DropDownHotMenu();
    case ZAVPMenuKeys::BarRunCommand: {
        CZAVPToolbarButton* pButton = GetButton(m_iHighlighted);
        if (pButton == nullptr) return FALSE;
        const UINT uiCmd = pButton->m_nID;
        ClearHighlight();
        if (uiCmd != 0 && uiCmd != (UINT)-1) {
            AddCommandUsage(uiCmd);
            if (CWnd* pTarget = GetCommandTarget()) pTarget->PostMessage(WM_COMMAND, uiCmd, 0);
        }
        return TRUE;
    }
    case ZAVPMenuKeys::BarCancel:
        SetForceShowAllMenus(FALSE);
        ClearHighlight();
        if (::GetFocus() == m_hWnd && m_pParentWnd != nullptr) m_pParentWnd->SetFocus();
        return TRUE;
    case ZAVPMenuKeys::BarMoveHot:
        if (key.nHot >= 0 && key.nHot != m_iHighlighted) SetHot(key.nHot);
        return TRUE;
    case ZAVPMenuKeys::BarMnemonic: return TranslateChar(nVirtKey);
    case ZAVPMenuKeys::BarNone: break;
    }
    return FALSE;
}

BOOL CZAVPMenuBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && m_hWnd != nullptr && ::GetFocus() == m_hWnd &&
        GetDroppedDownMenu() == nullptr && CZAVPPopupMenu::GetActiveMenu() == nullptr)
    {
        if (OnMenuBarKey((UINT)pMsg->wParam)) return TRUE;
    }
    return CZAVPToolBar::PreTranslateMessage(pMsg);
}

INT_PTR CZAVPMenuBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    // A menu item shows no tooltip; the window buttons do as toolbar buttons.
    const CZAVPToolbarButton* pButton = GetButton(const_cast<CZAVPMenuBar*>(this)->HitTest(point));
    if (pButton == nullptr || IsMenuButton(pButton) || !IsWindowButton(pButton)) return -1;
    return CZAVPToolBar::OnToolHitTest(point, pTI);
}

// ---- state: one copy per menu

HMENU CZAVPMenuBar::LoadMenuResource(UINT uiResId)
{
    if (uiResId == 0) return nullptr;
    return ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(uiResId));
}

std::vector<std::pair<UINT, HMENU>> CZAVPMenuBar::TemplateMenus() const
{
    std::vector<std::pair<UINT, HMENU>> menus;
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr) return menus;
    for (CDocTemplate* pTemplate : pApp->m_templateList) {
        if (pTemplate == nullptr || pTemplate->m_hMenuShared == nullptr ||
            !ZAVPIsKindOf(pTemplate, ZAVPClassNames::CMultiDocTemplate))
            continue;
        menus.push_back({pTemplate->m_nIDResource, pTemplate->m_hMenuShared});
    }
    return menus;
}

void CZAVPMenuBar::SetOriginalItemsFrom(UINT uiResId)
{
    while (!m_OrigButtons.IsEmpty()) delete m_OrigButtons.RemoveHead();
    const CZAVPWorkspace* pWorkspace = GetWorkspace();
    if (pWorkspace == nullptr || !pWorkspace->IsResourceSmartUpdate()) return;
    HMENU hMenu = LoadMenuResource(uiResId == 0 ? m_uiDefMenuResId : uiResId);
    if (hMenu == nullptr) return;
    AppendItemsOf(hMenu, m_OrigButtons);
    ::DestroyMenu(hMenu);
}

BOOL CZAVPMenuBar::LoadMenuState(LPCSTR lpszPath, HMENU hMenu, UINT uiResId)
{
    SetOriginalItemsFrom(uiResId);
    m_bButtonsLoaded = FALSE;
    const BOOL bRead = CZAVPToolBar::LoadState(lpszPath, -1, uiResId) && m_bButtonsLoaded;
    if (!bRead) {
        // Missing or damaged: the menu as its resource has it, and the frame hears of it.
        BuildFromMenu(hMenu);
        if (m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != nullptr)
            m_pParentWnd->SendMessage(ZAVPToolBarMessages::ResetMenu, uiResId, 0);
    }
    g_menuHash.SaveMenuBar(hMenu, this);
    return bRead;
}

BOOL CZAVPMenuBar::LoadState(LPCSTR lpszProfileName, int, UINT)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kMenuBarSection, lpszProfileName);
    RemoveMDIChildrenButtons();
    BOOL bAll = TRUE;
    for (const auto& menu : TemplateMenus())
        bAll = LoadMenuState(strPath, menu.second, menu.first) && bAll;
    if (m_hDefaultMenu != nullptr) bAll = LoadMenuState(strPath, m_hDefaultMenu, 0) && bAll;

    // Back to the menu on show.
    if (m_hMenu != nullptr && !g_menuHash.LoadMenuBar(m_hMenu, this)) BuildFromMenu(m_hMenu);
    UpdateMDIChildrenButtons(TRUE);
    if (m_hWnd != nullptr) AdjustLayout();
    RecalcFrameLayout();
    return bAll;
}

BOOL CZAVPMenuBar::SaveState(LPCSTR lpszProfileName, int, UINT)
{
    const CString strPath = BuildRegistryPath(ZAVPLibraryNames::kMenuBarSection, lpszProfileName);
    RemoveMDIChildrenButtons();
    if (m_hMenu != nullptr) g_menuHash.SaveMenuBar(m_hMenu, this);

    BOOL bAll = TRUE;
    std::vector<std::pair<UINT, HMENU>> menus = TemplateMenus();
    if (m_hDefaultMenu != nullptr) menus.push_back({0, m_hDefaultMenu});
    for (const auto& menu : menus) {
        if (!g_menuHash.LoadMenuBar(menu.second, this)) continue;  // never shown: nothing to keep
        SetOriginalItemsFrom(menu.first);
        bAll = CZAVPToolBar::SaveState(strPath, -1, menu.first) && bAll;
    }

    if (m_hMenu != nullptr) g_menuHash.LoadMenuBar(m_hMenu, this);
    UpdateMDIChildrenButtons(TRUE);
    return bAll;
}

BOOL CZAVPMenuBar::RestoreOriginalState()
{
    std::vector<std::pair<UINT, HMENU>> menus = TemplateMenus();
    if (m_hDefaultMenu != nullptr) menus.push_back({0, m_hDefaultMenu});
    RemoveMDIChildrenButtons();
    for (const auto& menu : menus) {
        const UINT uiResId = menu.first == 0 ? m_uiDefMenuResId : menu.first;
        HMENU hResource = LoadMenuResource(uiResId);
        BuildFromMenu(hResource != nullptr ? hResource : menu.second);
        if (hResource != nullptr) ::DestroyMenu(hResource);
        g_menuHash.SaveMenuBar(menu.second, this);
    }
    if (g_pTearOffManager != nullptr) g_pTearOffManager->ResetUseCounts();
    if (m_hMenu != nullptr && !g_menuHash.LoadMenuBar(m_hMenu, this)) BuildFromMenu(m_hMenu);
    UpdateMDIChildrenButtons(TRUE);
    if (m_hWnd != nullptr) AdjustLayout();
    RecalcFrameLayout();
    return TRUE;
}
