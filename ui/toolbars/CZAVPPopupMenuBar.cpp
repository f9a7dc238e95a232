// The popup menu bar: import and export of menu handles, the menu layout, sub-menus opened and
// closed on timers as the pointer moves, the menu keys and running the chosen command.
#include "ui/toolbars/CZAVPPopupMenuBar.h"

#include <memory>

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWinApp.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPCustomizeMenuButton.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPShowAllButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPMenuKeys.h"
#include "ui/toolbars/ZAVPMenuModel.h"
#include "ui/toolbars/ZAVPMenuNavigation.h"
#include "ui/toolbars/ZAVPMenuShowDelay.h"
#include "ui/toolbars/ZAVPMenuSound.h"
#include "framework/AfxMsgMap.h"

IMPLEMENT_SERIAL(CZAVPPopupMenuBar, CZAVPToolBar, 1)

BEGIN_MESSAGE_MAP(CZAVPPopupMenuBar, CZAVPToolBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &CZAVPPopupMenuBar::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

int CZAVPPopupMenuBar::m_iLastCommandIndex = -1;

namespace
{
const UINT kMenuBreakStyle = 0x20000000;
const int kShowAllDelayFactor = 2;

int g_nMenuShowDelay = -1;  // read by the first popup bar of the process (UI thread only)

// A screen DC with the menu font for measuring.
class MenuMeasureDC
{
public:
    MenuMeasureDC() : m_hDC(::CreateCompatibleDC(nullptr))
    {
        m_dc.Attach(m_hDC);
        HGDIOBJ hFont = globalData.fontRegular.GetSafeHandle();
        m_hOldFont = ::SelectObject(m_hDC,
                                    hFont != nullptr ? hFont : ::GetStockObject(DEFAULT_GUI_FONT));
    }
    ~MenuMeasureDC()
    {
        ::SelectObject(m_hDC, m_hOldFont);
        m_dc.Detach();
        ::DeleteDC(m_hDC);
    }
    CDC* get() { return &m_dc; }

private:
    HDC m_hDC;
    CDC m_dc;
    HGDIOBJ m_hOldFont;
};
}  // namespace

CZAVPPopupMenuBar::CZAVPPopupMenuBar()
    : m_bNoImageColumn(FALSE), m_bSecondColumn(FALSE), m_bTrackMode(FALSE), m_bPaletteMode(FALSE),
      m_nPaletteColumns(1), m_iSelected(-1), m_uiDefaultMenuCmdId(0), m_bFirstClick(TRUE),
      m_bFirstMove(TRUE), m_bReleaseAllowed(TRUE), m_iOffset(0), m_bAreAllCommandsShown(TRUE),
      m_nRowHeight(0), m_bInCommand(FALSE), m_tracker(ZAVPMenuShowDelay::kDefaultDelayMs),
      m_nMaxWidth(0), m_pTempButton(nullptr)
{
    m_bMenuMode = TRUE;
    m_bHasButtonExtraSize = FALSE;
    m_bDrawBorders = FALSE;
    m_bRouteCommandsViaFrame = FALSE;
    m_size.size.cx = m_size.size.cy = 0;
}

CZAVPPopupMenuBar::~CZAVPPopupMenuBar() {}

int CZAVPPopupMenuBar::GetMenuShowDelay()
{
    if (g_nMenuShowDelay < 0) g_nMenuShowDelay = ZAVPMenuShowDelay::Read();
    return g_nMenuShowDelay;
}

int CZAVPPopupMenuBar::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CZAVPToolBar::OnCreate(lpcs) == -1) return -1;
    m_tracker = ZAVPSubMenuTracker(GetMenuShowDelay());
    return 0;
}

void CZAVPPopupMenuBar::OnDestroy()
{
    KillTimer(ZAVPSubMenuTracker::kOpenTimerId);
    KillTimer(ZAVPSubMenuTracker::kCloseTimerId);
    // Nothing waits to open or to close any more.
    m_tracker = ZAVPSubMenuTracker(GetMenuShowDelay());
    // Open sub-menus go with their parent; closing one hands its customisation edits back to
    // its button first.
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarMenuButton* pButton = MenuButton(i);
        if (pButton == nullptr) continue;
        pButton->m_bToBeClosed = FALSE;
        if (pButton->m_pPopupMenu != nullptr) pButton->OnCancelMode();
    }
    CZAVPToolBar::OnDestroy();
}

BOOL CZAVPPopupMenuBar::SetTemporaryButton(const CZAVPToolbarButton& button, int iInsertAt)
{
    RemoveTemporaryButton();
    const int iIndex = InsertButtonCopy(button, iInsertAt);
    if (iIndex < 0) return FALSE;
    m_pTempButton = GetButton(iIndex);
    OnItemsChanged(TRUE);
    return TRUE;
}

void CZAVPPopupMenuBar::RemoveTemporaryButton(BOOL bRelayout)
{
    if (m_pTempButton == nullptr) return;
    const int iIndex = ButtonToIndex(m_pTempButton);
    m_pTempButton = nullptr;
    if (iIndex < 0) return;
    CZAVPToolBar::RemoveButton(iIndex);
    OnItemsChanged(bRelayout);
}

void CZAVPPopupMenuBar::OnItemsChanged(BOOL bRelayout)
{
    if (m_hWnd == nullptr) return;
    // The indexes the sub-menu timers wait on have moved.
    KillTimer(ZAVPSubMenuTracker::kOpenTimerId);
    m_tracker = ZAVPSubMenuTracker(GetMenuShowDelay());
    SyncTracker();
    // The popup takes the size of what the bar now holds.
    CZAVPPopupMenu* pPopup = GetPopupMenu();
    if (bRelayout && pPopup != nullptr && pPopup->IsWindowVisible()) {
        static_cast<CFrameWnd*>(pPopup)->RecalcLayout();
        pPopup->Invalidate();
    }
}

BOOL CZAVPPopupMenuBar::RemoveButton(int iIndex)
{
    if (m_pTempButton != nullptr && GetButton(iIndex) == m_pTempButton) m_pTempButton = nullptr;
    return CZAVPToolBar::RemoveButton(iIndex);
}

void CZAVPPopupMenuBar::RemoveAllButtons()
{
    m_pTempButton = nullptr;
    CZAVPToolBar::RemoveAllButtons();
}

// The menu draws its own one-pixel frame inside the bar, and its size counts it: the bar keeps
// no borders of a toolbar around it, or its last row would lie under the bottom border.
void CZAVPPopupMenuBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) {}

void CZAVPPopupMenuBar::OnNcPaint() {}

CZAVPPopupMenu* CZAVPPopupMenuBar::GetPopupMenu() const
{
    CWnd* pParent = m_hWnd != nullptr ? GetParent() : nullptr;
    return pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenu))
               ? static_cast<CZAVPPopupMenu*>(pParent)
               : nullptr;
}

CZAVPToolbarMenuButton* CZAVPPopupMenuBar::MenuButton(int iIndex) const
{
    return dynamic_cast<CZAVPToolbarMenuButton*>(GetButton(iIndex));
}

BOOL CZAVPPopupMenuBar::OpensSubMenu(const CZAVPToolbarButton* pButton)
{
    const CZAVPToolbarMenuButton* pMenuButton = dynamic_cast<const CZAVPToolbarMenuButton*>(
        pButton);
    return pMenuButton != nullptr && !pButton->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton)) &&
           (pMenuButton->m_nID == (UINT)-1 || !pMenuButton->GetCommands().IsEmpty());
}

// ---- menu handles

BOOL CZAVPPopupMenuBar::ImportFromMenu(HMENU hMenu, BOOL bShowAllCommands)
{
    RemoveAllButtons();
    m_bAreAllCommandsShown = TRUE;
    m_HiddenMnemonics.clear();
    m_uiDefaultMenuCmdId = 0;
    if (hMenu == nullptr || !::IsMenu(hMenu)) return FALSE;

    // The application brings the menu's states up to date first.
    CZAVPPopupMenu* pPopup = GetPopupMenu();
    CWnd* pInit = pPopup != nullptr ? pPopup->m_pMessageWnd : nullptr;
    if (pInit == nullptr || pInit->GetSafeHwnd() == nullptr) pInit = GetTopLevelFrame();
    if ((pInit == nullptr || pInit->GetSafeHwnd() == nullptr) && AfxGetApp() != nullptr)
        pInit = AfxGetApp()->m_pMainWnd;
    if (pInit != nullptr && pInit->GetSafeHwnd() != nullptr)
        pInit->SendMessage(WM_INITMENUPOPUP, (WPARAM)hMenu, m_iOffset);
    if (!::IsMenu(hMenu)) return FALSE;

    ZAVPMenuModel::ImportOptions options;
    options.bFoldSeparators = TRUE;
    if (!m_bTrackMode && !bShowAllCommands && !CZAVPPopupMenu::m_bForceShowAllCommands &&
        m_bRecentlyUsedMenus && m_UsageCount.HasEnoughData())
    {
        options.isLeftOut = [](UINT uiCmd) { return IsCommandRarelyUsed(uiCmd) != FALSE; };
    }
    ZAVPMenuModel::ImportResult result;
    if (!ZAVPMenuModel::Import(hMenu, options, result)) return FALSE;

    for (const ZAVPMenuItem& item : result.items) {
        if (item.IsSeparator()) {
            if (m_bPaletteMode) continue;
            CZAVPToolbarButton* pSeparator = new CZAVPToolbarButton;
            pSeparator->m_nStyle = TBBS_SEPARATOR;
            if (InsertButton(pSeparator) < 0) delete pSeparator;
            continue;
        }
        CZAVPToolbarButton* pButton = nullptr;
        if (m_bPaletteMode) {
            pButton = new CZAVPToolbarButton(
                item.nID, GetCommandManager()->GetCommandImage(item.nID), item.strText.c_str());
        } else {
            CZAVPToolbarMenuButton* pMenuButton = new CZAVPToolbarMenuButton(item.nID, nullptr, -1,
                                                                             item.strText.c_str());
            pMenuButton->CreateFromItems(item.subItems);
            if (item.IsSubMenu() && g_pTearOffManager != nullptr)
                pMenuButton->SetTearOffId(
                    CZAVPTearOffManager::ParseTearOffName(pMenuButton->m_strText));
            pMenuButton->m_bDefault = item.bDefault;
            pButton = pMenuButton;
        }
        pButton->m_bImage = pButton->GetImage() >= 0;
        const BOOL bUserTool = g_pUserToolsManager != nullptr &&
                               g_pUserToolsManager->FindTool(item.nID) != nullptr;
        if (item.bDisabled && !bUserTool) pButton->m_nStyle |= TBBS_DISABLED;
        if (item.bChecked) pButton->m_nStyle |= TBBS_CHECKED;
        if (item.bMenuBreak) pButton->m_nStyle |= kMenuBreakStyle;
        if (InsertButton(pButton) < 0) delete pButton;
    }
    m_uiDefaultMenuCmdId = result.nDefaultCommand;
    m_bAreAllCommandsShown = result.bAllItemsShown;
    m_HiddenMnemonics = result.hiddenMnemonics;
    m_nRowHeight = 0;
    return TRUE;
}

HMENU CZAVPPopupMenuBar::ExportToMenu() const
{
    std::vector<ZAVPMenuItem> items;
    for (int i = 0; i < GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = GetButton(i);
        if (pButton->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton))) continue;
        ZAVPMenuItem item = CZAVPToolbarMenuButton::ItemOf(*pButton);
        if (item.nID == m_uiDefaultMenuCmdId && m_uiDefaultMenuCmdId != 0) item.bDefault = TRUE;
        items.push_back(item);
    }
    return ZAVPMenuModel::Export(items);
}

// ---- size and layout

int CZAVPPopupMenuBar::GetRowHeight() const
{
    if (m_bPaletteMode) return CZAVPToolBar::GetRowHeight();
    if (m_nRowHeight <= 0) {
        MenuMeasureDC dc;
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(dc.get()->GetSafeHdc(), &tm);
        const_cast<CZAVPPopupMenuBar*>(this)->m_nRowHeight = ZAVPPopupMenuSize::RowHeight(
            tm.tmHeight,
            GetMenuImageSize().cy + 2 * CZAVPVisualManager::GetInstance()->GetMenuImageMargin());
    }
    return m_nRowHeight;
}

int CZAVPPopupMenuBar::GetColumnWidth() const
{
    if (m_bPaletteMode) return CZAVPToolBar::GetColumnWidth();
    return GetMenuButtonSize().cx;
}

void CZAVPPopupMenuBar::MeasureItems(std::vector<ZAVPPopupMenuSize::Item>& items)
{
    items.clear();
    MenuMeasureDC dc;
    const int nRowHeight = GetRowHeight();
    const CSize sizeDefault(GetMenuButtonSize().cx, nRowHeight);
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        ZAVPPopupMenuSize::Item item = {};
        item.bSeparator = pButton->IsSeparator();
        item.bColumnBreak = (pButton->m_nStyle & kMenuBreakStyle) != 0;
        item.bHasTab = pButton->m_strText.Find('\t') >= 0;
        if (!item.bSeparator) {
            const BOOL bBold = m_uiDefaultMenuCmdId != 0 &&
                               pButton->m_nID == m_uiDefaultMenuCmdId &&
                               globalData.fontBold.GetSafeHandle() != nullptr;
            HGDIOBJ hOld = bBold ? ::SelectObject(dc.get()->GetSafeHdc(),
                                                  globalData.fontBold.GetSafeHandle())
                                 : nullptr;
            item.size = pButton->OnCalculateSize(dc.get(), sizeDefault, FALSE);
            if (hOld != nullptr) ::SelectObject(dc.get()->GetSafeHdc(), hOld);
            if (item.size.cy < nRowHeight) item.size.cy = nRowHeight;
        }
        items.push_back(item);
    }
}

CSize CZAVPPopupMenuBar::CalcSize(BOOL /*bVertDock*/)
{
    if (m_bPaletteMode) {
        // A grid of the button's column count, whichever way the menu is asked to measure.
        SetColumns(m_nPaletteColumns > 0 ? m_nPaletteColumns : 1);
        SizeToolBar(ZAVPToolBarLayout::kUnlimited, FALSE);
        return CZAVPToolBar::CalcSize(FALSE);
    }
    std::vector<ZAVPPopupMenuSize::Item> items;
    MeasureItems(items);
    RecordSize(items);
    return CSize(m_size.size);
}

void CZAVPPopupMenuBar::RecordSize(const std::vector<ZAVPPopupMenuSize::Item>& items)
{
    m_size = ZAVPPopupMenuSize::CalcSize(items, m_nMaxWidth, IsCustomizeMode());
    m_bSecondColumn = m_size.columnWidths.size() > 1;
    for (int i = 0; i < GetCount() && i < (int)m_size.fits.size(); ++i)
        GetButton(i)->m_bWholeText = m_size.fits[i];
}

void CZAVPPopupMenuBar::AdjustLocations()
{
    if (m_bPaletteMode) {
        CZAVPToolBar::AdjustLocations();
        return;
    }
    if (m_hWnd == nullptr) return;
    std::vector<ZAVPPopupMenuSize::Item> items;
    MeasureItems(items);
    // Items may have come or gone since the bar was sized: the columns follow the items.
    RecordSize(items);
    CRect rectClient;
    GetClientRect(rectClient);
    const std::vector<RECT> rects = ZAVPPopupMenuSize::LayOutItems(
        items, m_size, rectClient, m_iOffset, GetRowHeight(), IsCustomizeMode());
    for (int i = 0; i < GetCount() && i < (int)rects.size(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        pButton->SetVisible(TRUE);
        pButton->m_nStyle &= ~TBBS_HIDDEN;
        pButton->SetRect(CRect(rects[i]));
    }
    UpdateTooltips();
    if (ItemUnderCursor() >= 0) m_bReleaseAllowed = FALSE;
}

int CZAVPPopupMenuBar::GetContentHeight() const
{
    int nHeight = 0;
    for (int i = 0; i < GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = GetButton(i);
        nHeight += pButton->IsSeparator() ? ZAVPPopupMenuSize::kSeparatorHeight : GetRowHeight();
    }
    return nHeight + ZAVPPopupMenuSize::kFrame;
}

int CZAVPPopupMenuBar::GetMaxOffset(int nVisibleHeight) const
{
    const int nRow = GetRowHeight();
    if (nRow <= 0) return 0;
    const int nHidden = GetContentHeight() - nVisibleHeight;
    if (nHidden <= 0) return 0;
    return (nHidden + nRow - 1) / nRow;
}

void CZAVPPopupMenuBar::SetOffset(int iOffset)
{
    if (iOffset < 0) iOffset = 0;
    if (m_iOffset == iOffset) return;
    m_iOffset = iOffset;
    AdjustLocations();
    if (m_hWnd != nullptr) Invalidate();
}

int CZAVPPopupMenuBar::HitTest(CPoint point)
{
    if (m_bPaletteMode) return CZAVPToolBar::HitTest(point);
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point)) return -1;
    std::vector<ZAVPPopupMenuSize::Item> items;
    std::vector<RECT> rects;
    for (int i = 0; i < GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = GetButton(i);
        ZAVPPopupMenuSize::Item item = {};
        item.bSeparator = pButton->IsSeparator();
        items.push_back(item);
        rects.push_back(pButton->m_rect);
    }
    return ZAVPPopupMenuSize::ItemFromPoint(items, rects, point);
}

int CZAVPPopupMenuBar::ItemUnderCursor()
{
    if (m_hWnd == nullptr) return -1;
    CPoint pt;
    ::GetCursorPos(&pt);
    ScreenToClient(&pt);
    return HitTest(pt);
}

INT_PTR CZAVPPopupMenuBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const
{
    if (m_bPaletteMode) return -1;
    const CZAVPToolbarButton* pButton = GetButton(
        const_cast<CZAVPPopupMenuBar*>(this)->HitTest(point));
    if (pButton != nullptr && pButton->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton))) {
        const int nResult = pButton->HitTestToolTip(const_cast<CZAVPPopupMenuBar*>(this), pTI);
        if (pTI != nullptr) {
            pTI->hwnd = m_hWnd;
            pTI->rect = pButton->m_rect;
        }
        return nResult;
    }
    return CZAVPToolBar::OnToolHitTest(point, pTI);
}

void CZAVPPopupMenuBar::OnFillBackground(CDC* pDC)
{
    if (!m_bRecentlyUsedMenus || IsCustomizeMode() || m_bPaletteMode || !m_bAreAllCommandsShown ||
        !m_UsageCount.HasEnoughData())
        return;
    CZAVPPopupMenu* pPopup = GetPopupMenu();
    if (pPopup == nullptr || !pPopup->HasParentButton()) return;
    std::vector<ZAVPMenuItem> items;
    std::vector<BOOL> rare;
    for (int i = 0; i < GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = GetButton(i);
        ZAVPMenuItem item;
        item.nID = pButton->IsSeparator() ? ZAVPMenuItem::kSeparator : pButton->m_nID;
        items.push_back(item);
        rare.push_back(!pButton->IsSeparator() && IsCommandRarelyUsed(pButton->m_nID));
    }
    for (const std::pair<int, int>& run : ZAVPMenuModel::RarelyUsedRuns(items, rare)) {
        CRect rect = GetButton(run.first)->m_rect;
        rect.bottom = GetButton(run.second)->m_rect.bottom;
        CZAVPVisualManager::GetInstance()->OnHighlightRarelyUsedMenuItems(pDC, rect);
    }
}

void CZAVPPopupMenuBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL)
{
    CZAVPVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, FALSE);
}

LRESULT CZAVPPopupMenuBar::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    // A menu takes its states from the menu handle as it opens (WM_INITMENUPOPUP).
    return 0;
}

// ---- sub-menus

void CZAVPPopupMenuBar::SyncTracker()
{
    int iOpen = -1;
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarMenuButton* pButton = MenuButton(i);
        if (pButton != nullptr && pButton->m_pPopupMenu != nullptr) iOpen = i;
    }
    if (iOpen >= 0 && m_tracker.GetOpenItem() != iOpen)
        m_tracker.OnSubMenuOpened(iOpen);
    else if (iOpen < 0 && m_tracker.GetOpenItem() >= 0)
        m_tracker.OnSubMenuClosed(m_tracker.GetOpenItem());
}

void CZAVPPopupMenuBar::ApplyTracker(const ZAVPSubMenuTracker::Actions& a)
{
    if (m_hWnd == nullptr) return;
    if (a.bKillOpenTimer) KillTimer(ZAVPSubMenuTracker::kOpenTimerId);
    if (a.bKillCloseTimer) KillTimer(ZAVPSubMenuTracker::kCloseTimerId);
    const HWND hwnd = m_hWnd;
    if (a.nClose >= 0) {
        CZAVPToolbarMenuButton* pButton = MenuButton(a.nClose);
        if (pButton != nullptr && pButton->m_pPopupMenu != nullptr)
            pButton->m_pPopupMenu->CloseMenu();
        if (!::IsWindow(hwnd)) return;
    }
    if (a.bActivateSelf) CZAVPPopupMenu::ActivatePopupMenu(GetTopLevelFrame(), GetPopupMenu());
    if (a.nOpen >= 0) {
        CZAVPToolbarMenuButton* pButton = MenuButton(a.nOpen);
        if (pButton != nullptr && pButton->m_pPopupMenu == nullptr) {
            pButton->OpenPopupMenu(this);
            if (!::IsWindow(hwnd)) return;
            SyncTracker();
        }
    }
    if (a.nOpenTimerMs > 0) SetTimer(ZAVPSubMenuTracker::kOpenTimerId, a.nOpenTimerMs, nullptr);
    if (a.nCloseTimerMs > 0) SetTimer(ZAVPSubMenuTracker::kCloseTimerId, a.nCloseTimerMs, nullptr);
}

void CZAVPPopupMenuBar::StartPopupMenuTimer(CZAVPToolbarMenuButton* pButton, int nDelayFactor)
{
    SyncTracker();
    ApplyTracker(m_tracker.StartOpenTimer(ButtonToIndex(pButton), nDelayFactor));
}

void CZAVPPopupMenuBar::CloseDelayedSubMenu()
{
    SyncTracker();
    ApplyTracker(m_tracker.OnCloseTimer(-1));
}

void CZAVPPopupMenuBar::RestoreDelayedSubMenu()
{
    SyncTracker();
    ApplyTracker(m_tracker.OnEnterSubMenu());
}

void CZAVPPopupMenuBar::OnChangeHot(int iHot, BOOL bByMouse)
{
    SyncTracker();
    CZAVPToolbarButton* pHot = GetButton(iHot);
    const HWND hwnd = m_hWnd;
    ApplyTracker(m_tracker.OnChangeHot(iHot, OpensSubMenu(pHot), bByMouse, IsCustomizeMode()));
    if (!::IsWindow(hwnd)) return;
    // The show-all item schedules its own opening (after twice the delay).
    if (bByMouse && pHot != nullptr && pHot->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton)))
        pHot->OnClick(this, TRUE);
}

void CZAVPPopupMenuBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == ZAVPSubMenuTracker::kOpenTimerId) {
        if (m_pToolTip != nullptr && m_pToolTip->GetSafeHwnd() != nullptr) m_pToolTip->Pop();
        SyncTracker();
        ApplyTracker(m_tracker.OnOpenTimer(ItemUnderCursor(), m_iHighlighted));
        return;
    }
    if (nIDEvent == ZAVPSubMenuTracker::kCloseTimerId) {
        SyncTracker();
        const HWND hwnd = m_hWnd;
        ApplyTracker(m_tracker.OnCloseTimer(ItemUnderCursor()));
        // A pointer that left the menu while the sub-menu was open leaves no hot item behind.
        if (::IsWindow(hwnd) && m_tracker.GetOpenItem() < 0 && ItemUnderCursor() < 0 &&
            m_iHighlighted >= 0)
            SelectItem(-1, FALSE);
        return;
    }
    Default();
}

// ---- mouse

BOOL CZAVPPopupMenuBar::PassMouseOutside(UINT message, UINT nFlags, CPoint point)
{
    if (IsCustomizeMode()) return FALSE;
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    CZAVPPopupMenu* pPopup = GetPopupMenu();
    for (CZAVPPopupMenu* pOther = pPopup != nullptr ? pPopup->GetParentPopupMenu() : nullptr;
         pOther != nullptr; pOther = pOther->GetParentPopupMenu())
    {
        CRect rect;
        pOther->GetWindowRect(rect);
        if (rect.PtInRect(ptScreen)) {
            CZAVPPopupMenuBar* pBar = pOther->GetMenuBar();
            CPoint pt = ptScreen;
            pBar->ScreenToClient(&pt);
            pBar->SendMessage(message, nFlags, MAKELPARAM(pt.x, pt.y));
            return TRUE;
        }
    }
    CZAVPToolBar* pBar = pPopup != nullptr ? pPopup->GetParentToolBar() : nullptr;
    if (pBar != nullptr && !pBar->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar)) &&
        pBar->GetSafeHwnd() != nullptr)
    {
        CRect rect;
        pBar->GetWindowRect(rect);
        if (rect.PtInRect(ptScreen)) {
            CPoint pt = ptScreen;
            pBar->ScreenToClient(&pt);
            pBar->SendMessage(message, nFlags, MAKELPARAM(pt.x, pt.y));
            return TRUE;
        }
    }
    return FALSE;
}

void CZAVPPopupMenuBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bFirstMove) {
        // The item under a still pointer is not hot-tracked as the menu opens.
        m_bFirstMove = FALSE;
        m_ptLastMouse = point;
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point) && !IsCustomizeMode() && ::GetCapture() != m_hWnd) {
        PassMouseOutside(WM_MOUSEMOVE, nFlags, point);
        return;
    }
    // Coming into a sub-menu keeps it open when its parent was about to close it.
    if (CZAVPPopupMenu* pParent = GetPopupMenu() ? GetPopupMenu()->GetParentPopupMenu() : nullptr)
        pParent->GetMenuBar()->RestoreDelayedSubMenu();

    const int iOldHot = m_iHighlighted;
    const HWND hwnd = m_hWnd;
    CZAVPToolBar::OnMouseMove(nFlags, point);
    if (::IsWindow(hwnd) && m_iHighlighted != iOldHot) OnChangeHot(m_iHighlighted, TRUE);
}

void CZAVPPopupMenuBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point) && !IsCustomizeMode()) {
        PassMouseOutside(WM_LBUTTONDOWN, nFlags, point);
        return;
    }
    m_bFirstClick = FALSE;
    m_bReleaseAllowed = TRUE;
    CZAVPToolBar::OnLButtonDown(nFlags, point);
}

void CZAVPPopupMenuBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (IsCustomizeMode()) {
        CZAVPToolBar::OnLButtonUp(nFlags, point);
        return;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    if (!rectClient.PtInRect(point)) {
        if (m_bFirstClick) {
            m_bFirstClick = FALSE;  // the release of the click that opened the menu
            return;
        }
        const HWND hwnd = m_hWnd;
        PassMouseOutside(WM_LBUTTONUP, nFlags, point);
        if (::IsWindow(hwnd))
            if (CZAVPPopupMenu* pPopup = GetPopupMenu()) pPopup->DestroyWindow();
        return;
    }
    m_bFirstClick = FALSE;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
    if (CZAVPToolbarButton* pPressed = GetButton(m_iButtonCapture))
        pPressed->m_nStyle &= ~TBBS_PRESSED;
    m_iButtonCapture = -1;
    if (!m_bReleaseAllowed) return;

    CZAVPToolbarButton* pButton = GetButton(HitTest(point));
    if (pButton == nullptr || pButton->IsSeparator()) return;
    // The command may close the whole chain, this bar with it.
    OnSendCommand(pButton);
}

void CZAVPPopupMenuBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CZAVPToolbarButton* pButton = GetButton(HitTest(point));
    if (OpensSubMenu(pButton)) {
        Default();
        return;
    }
    CZAVPToolBar::OnLButtonDblClk(nFlags, point);
}

// ---- commands

BOOL CZAVPPopupMenuBar::OnSendCommand(const CZAVPToolbarButton* pConstButton)
{
    CZAVPToolbarButton* pButton = const_cast<CZAVPToolbarButton*>(pConstButton);
    if (pButton == nullptr) return TRUE;
    // An entry of a toolbar's button list changes the toolbar itself; the menu stays open
    // unless the entry says otherwise.
    if (CZAVPCustomizeMenuButton* pEntry = dynamic_cast<CZAVPCustomizeMenuButton*>(pButton)) {
        InvokeMenuCommand(pEntry->m_nID != 0 ? pEntry->m_nID : (UINT)-20, pEntry);
        return TRUE;
    }
    if (pButton->m_nStyle & TBBS_DISABLED) return TRUE;
    if (pButton->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton))) {
        pButton->OnClick(this, FALSE);
        return TRUE;
    }
    CZAVPToolbarMenuButton* pMenuButton = dynamic_cast<CZAVPToolbarMenuButton*>(pButton);
    if (pMenuButton != nullptr) {
        if (pMenuButton->m_nID == (UINT)-1 || pMenuButton->m_pPopupMenu != nullptr) return TRUE;
        if (pMenuButton->OnClick(this, FALSE)) return TRUE;
    }
    InvokeMenuCommand(pButton->m_nID, pButton);
    return TRUE;
}

void CZAVPPopupMenuBar::SetInCommand(BOOL bInCommand)
{
    m_bInCommand = bInCommand;
    for (CZAVPPopupMenu* pPopup = GetPopupMenu() ? GetPopupMenu()->GetParentPopupMenu() : nullptr;
         pPopup != nullptr; pPopup = pPopup->GetParentPopupMenu())
        pPopup->GetMenuBar()->m_bInCommand = bInCommand;
}

CWnd* CZAVPPopupMenuBar::GetCommandTarget() const
{
    CZAVPPopupMenu* pPopup = GetPopupMenu();
    if (!m_bTrackMode && pPopup != nullptr && pPopup->m_pMessageWnd != nullptr &&
        pPopup->m_pMessageWnd->GetSafeHwnd() != nullptr)
        return pPopup->m_pMessageWnd;
    CWnd* pOwner = m_hWnd != nullptr ? GetOwner() : nullptr;
    if (pOwner != nullptr && pOwner->IsFrameWnd()) return pOwner;
    return GetTopLevelFrame();
}

void CZAVPPopupMenuBar::InvokeMenuCommand(UINT uiCmdId, const CZAVPToolbarButton* pButton)
{
    // An entry of a toolbar's button list (chosen with the keyboard too) sends no command: it
    // changes its toolbar, and the menu closes only when the entry asks for it.
    if (const CZAVPCustomizeMenuButton* pEntry = dynamic_cast<const CZAVPCustomizeMenuButton*>(
            pButton);
        pEntry != nullptr && uiCmdId != 0)
    {
        if (const_cast<CZAVPCustomizeMenuButton*>(pEntry)->OnClickMenuItem()) return;
        uiCmdId = 0;
    }
    CZAVPPopupMenu* pPopup = GetPopupMenu();
    CWnd* pMessageWnd = pPopup != nullptr ? pPopup->m_pMessageWnd : nullptr;
    if (pMessageWnd != nullptr && pMessageWnd->GetSafeHwnd() == nullptr) pMessageWnd = nullptr;
    CWnd* pOwner = m_hWnd != nullptr ? GetOwner() : nullptr;
    CWnd* pPrompt = pMessageWnd != nullptr ? pMessageWnd : pOwner;
    if (pPrompt != nullptr && pPrompt->GetSafeHwnd() != nullptr)
        pPrompt->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);

    // The bar holding the first button of the chain drops its highlight.
    CZAVPToolBar* pTopBar = nullptr;
    for (CZAVPPopupMenu* p = pPopup; p != nullptr; p = p->GetParentPopupMenu())
        pTopBar = p->GetParentToolBar();

    if (uiCmdId != 0) {
        SetInCommand(TRUE);
        PlayMenuSound(ZAVPMenuSound::kCommand);
        if (m_bTrackMode) {
            if (g_pContextMenuManager != nullptr) g_pContextMenuManager->SetLastCommandID(uiCmdId);
        } else {
            AddCommandUsage(uiCmdId);
            if (pMessageWnd != nullptr)
                pMessageWnd->PostMessage(WM_COMMAND, uiCmdId);
            else if (g_pUserToolsManager == nullptr || !g_pUserToolsManager->InvokeTool(uiCmdId)) {
                if (pOwner != nullptr && pOwner->GetSafeHwnd() != nullptr)
                    pOwner->PostMessage(WM_COMMAND, uiCmdId);
            }
        }
    }
    m_iLastCommandIndex = pButton != nullptr ? ButtonToIndex(pButton) : -1;

    if (m_bPaletteMode && pPopup != nullptr && pPopup->m_pParentBtn != nullptr && pButton) {
        CZAVPToolbarMenuButton* pParentBtn = pPopup->m_pParentBtn;
        pParentBtn->SetImage(pButton->GetImage());
        if (pParentBtn->m_pWndParent != nullptr &&
            pParentBtn->m_pWndParent->GetSafeHwnd() != nullptr)
            pParentBtn->m_pWndParent->InvalidateRect(pParentBtn->m_rect);
    }

    SetInCommand(FALSE);
    if (pTopBar != nullptr && pTopBar->GetSafeHwnd() != nullptr &&
        !pTopBar->IsKindOf(RUNTIME_CLASS(CZAVPPopupMenuBar)))
        pTopBar->ClearHighlight();
    // Destroying the popup closes its parents (their WM_DESTROY), from the inside out.
    if (pPopup != nullptr && pPopup->GetSafeHwnd() != nullptr) pPopup->DestroyWindow();
}

// ---- keys

void CZAVPPopupMenuBar::SelectItem(int iItem, BOOL bByKey)
{
    if (iItem == m_iHighlighted) return;
    const int iOld = m_iHighlighted;
    m_iHighlighted = iItem;
    m_iHot = iItem;
    InvalidateButton(iOld);
    InvalidateButton(iItem);
    if (CZAVPToolbarButton* pButton = GetButton(iItem)) ShowCommandMessageString(pButton->m_nID);
    OnChangeHot(iItem, !bByKey);
}

BOOL CZAVPPopupMenuBar::OnKey(UINT nChar)
{
    std::vector<ZAVPMenuNavigation::NavItem> items;
    std::vector<std::string> texts;
    std::vector<BOOL> subMenus;
    for (int i = 0; i < GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = GetButton(i);
        ZAVPMenuNavigation::NavItem item = {};
        item.bSeparator = pButton->IsSeparator();
        item.bHidden = CRect(pButton->m_rect).IsRectEmpty();
        items.push_back(item);
        texts.push_back((LPCSTR)pButton->m_strText);
        subMenus.push_back(OpensSubMenu(pButton));
    }
    BYTE chTyped = 0;
    BYTE keys[256] = {};
    WORD wChar = 0;
    if (::GetKeyboardState(keys) && ::ToAsciiEx(nChar, ::MapVirtualKeyA(nChar, 0), keys, &wChar, 0,
                                                ::GetKeyboardLayout(0)) == 1)
        chTyped = (BYTE)wChar;
    else if ((nChar >= '0' && nChar <= '9') || (nChar >= 'A' && nChar <= 'Z'))
        chTyped = (BYTE)nChar;

    ZAVPMenuKeys::ItemBarFacts facts = {&items, &texts, &subMenus, &m_HiddenMnemonics,
                                        m_iHighlighted};
    const ZAVPMenuKeys::ItemBarKey key = ZAVPMenuKeys::ItemBarKeyDown(nChar, chTyped, facts);
    CZAVPPopupMenu* pPopup = GetPopupMenu();
    switch (key.action) {
    case ZAVPMenuKeys::ItemBarClose:
        if (pPopup != nullptr) pPopup->CloseMenu(TRUE);
        return TRUE;
    case ZAVPMenuKeys::ItemBarMoveHighlight: SelectItem(key.nItem, TRUE); return TRUE;
    case ZAVPMenuKeys::ItemBarOpenSubMenu: {
        SelectItem(key.nItem, TRUE);
        CZAVPToolbarMenuButton* pButton = MenuButton(key.nItem);
        if (pButton != nullptr && pButton->m_pPopupMenu == nullptr) {
            KillTimer(ZAVPSubMenuTracker::kOpenTimerId);
            if (pButton->OpenPopupMenu(this) && pButton->m_pPopupMenu != nullptr) {
                SyncTracker();
                pButton->m_pPopupMenu->SendMessage(WM_KEYDOWN, VK_HOME);
            }
        }
        return TRUE;
    }
    case ZAVPMenuKeys::ItemBarInvoke: {
        CZAVPToolbarButton* pButton = GetButton(key.nItem);
        if (pButton != nullptr && !(pButton->m_nStyle & TBBS_DISABLED)) {
            if (pButton->IsKindOf(RUNTIME_CLASS(CZAVPShowAllButton))) {
                pButton->OnClick(this, FALSE);
                return TRUE;
            }
            InvokeMenuCommand(pButton->m_nID, pButton);
        }
        return TRUE;
    }
    case ZAVPMenuKeys::ItemBarInvokeHidden: InvokeMenuCommand(key.nCommand, nullptr); return TRUE;
    default: return FALSE;
    }
}
