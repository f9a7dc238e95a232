// The concrete tab window (see CZAVPTabWnd.h): creation, layout, scrolling and switching.
#include "ui/docking/CZAVPTabWnd.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CMenu.h"
#include "framework/CView.h"
#include "resources/UiLibraryResource.h"
#include "ui/docking/CZAVPTabbedControlBar.h"
#include "ui/docking/layout/TabStripGeometry.h"
#include "ui/docking/layout/TabStripRules.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

IMPLEMENT_DYNCREATE(CZAVPTabWnd, CZAVPBaseTabWnd)

namespace
{
// Tooltips of the row's buttons in the library's string table.
const UINT kIdsScrollLeft = IDS_ZAVP_SCROLL_LEFT;
const UINT kIdsScrollRight = IDS_ZAVP_SCROLL_RIGHT;
const UINT kIdsClose = IDS_ZAVP_CLOSE_PANE;
// The scroll pair repeats while held.
const int kAutoRepeatMs = 50;
// The row's buttons carry no control id of their own.
const UINT kButtonId = (UINT)-1;
const UINT kScrollBarId = 1;
const DWORD kTabWndStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
const int kMaxTipWidth = 640;
const int kBoldWeight = 700;
const char kFlatFontFace[] = "Arial";
// The in-place edit stays this far inside the tab.
const int kEditInset = 1;
// The shared scroll bar starts this wide, in scroll-arrow widths.
const int kInitialScrollBarArrows = 6;

const int kButtonGlyphs[CZAVPTabWnd::BUTTON_COUNT] = {
    CZAVPMenuGlyphs::IdHome, CZAVPMenuGlyphs::IdArrowLeft, CZAVPMenuGlyphs::IdArrowRight,
    CZAVPMenuGlyphs::IdEnd, CZAVPMenuGlyphs::IdClose};
}  // namespace

BEGIN_MESSAGE_MAP(CZAVPTabWnd, CZAVPBaseTabWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_SETCURSOR()
ON_WM_HSCROLL()
ON_WM_CANCELMODE()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CZAVPTabWnd::CZAVPTabWnd()
    : m_bFlat(FALSE), m_bSharedScroll(FALSE), m_bIsOneNoteStyle(FALSE), m_bScroll(FALSE),
      m_bCloseBtn(FALSE), m_nStyle(STYLE_3D), m_nScrollBarRight(0), m_nTabsHorzOffset(0),
      m_nTabsHorzOffsetMax(0), m_nTabsTotalWidth(0), m_nFirstVisibleTab(0), m_bTrackSplitter(FALSE),
      m_bHideNoTabs(FALSE), m_bAutoSizeWindow(FALSE), m_bIsActiveTabBold(FALSE), m_bDrawFrame(TRUE)
{
}

CZAVPTabWnd::~CZAVPTabWnd() = default;

BOOL CZAVPTabWnd::Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID,
                         Location location, BOOL bCloseBtn)
{
    m_nStyle = style;
    m_bFlat = TabLayout::IsFlatStyle(style);
    m_bSharedScroll = style == STYLE_FLAT_SHARED_HORZ_SCROLL;
    m_bIsOneNoteStyle = style == STYLE_3D_ONENOTE;
    m_bHighLightTabs = m_bIsOneNoteStyle;
    m_bScroll = TRUE;
    m_bCloseBtn = bCloseBtn;
    m_location = location;
    if (m_bFlat) m_bIsActiveTabBold = FALSE;
    return CWnd::Create(nullptr, "", kTabWndStyle, rect, pParentWnd, nID);
}

int CZAVPTabWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZAVPBaseTabWnd::OnCreate(lpCreateStruct) == -1) return -1;
    CZAVPMenuGlyphs::Initialize();
    for (int i = 0; i < BUTTON_COUNT; ++i) {
        if (!m_btn[i].Create("", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 0, 0), this,
                             kButtonId))
            return -1;
        m_btn[i].SetStdImage(kButtonGlyphs[i]);
        m_btn[i].m_bDrawFocus = FALSE;
    }
    m_btn[BUTTON_LEFT].SetAutoRepeatDelay(kAutoRepeatMs);
    m_btn[BUTTON_RIGHT].SetAutoRepeatDelay(kAutoRepeatMs);
    CString strTip;
    if (strTip.LoadString(kIdsScrollLeft)) m_btn[BUTTON_LEFT].SetTooltip(strTip);
    if (strTip.LoadString(kIdsScrollRight)) m_btn[BUTTON_RIGHT].SetTooltip(strTip);
    if (strTip.LoadString(kIdsClose)) m_btn[BUTTON_CLOSE].SetTooltip(strTip);

    if (m_bSharedScroll) {
        m_wndScrollWnd.Create(WS_CHILD | WS_VISIBLE | SBS_HORZ, CRect(0, 0, 0, 0), this,
                              kScrollBarId);
        m_nScrollBarRight = kInitialScrollBarArrows * ::GetSystemMetrics(SM_CXHSCROLL);
    }
    m_brActiveTab.DeleteObject();
    m_brActiveTab.CreateSolidBrush(GetActiveTabColor());
    if (m_ToolTip.Create(this, TTS_ALWAYSTIP)) {
        m_ToolTip.Activate(TRUE);
        m_ToolTip.SetMaxTipWidth(kMaxTipWidth);
        m_ToolTip.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SetTabsHeight();
    return 0;
}

void CZAVPTabWnd::OnDestroy()
{
    m_brActiveTab.DeleteObject();
    if (m_ToolTip.GetSafeHwnd() != nullptr) m_ToolTip.DestroyWindow();
    CZAVPBaseTabWnd::OnDestroy();
}

// ---- heights, images and fonts

void CZAVPTabWnd::SetTabsHeight()
{
    if (!m_bFlat) {
        CZAVPBaseTabWnd::SetTabsHeight();
        return;
    }
    m_nTabsHeight = TabLayout::FlatTabsHeight(::GetSystemMetrics(SM_CYHSCROLL));
    LOGFONTA lf{};
    HGDIOBJ hGuiFont = ::GetStockObject(DEFAULT_GUI_FONT);
    if (hGuiFont == nullptr || !::GetObjectA(hGuiFont, sizeof lf, &lf)) return;
    lstrcpynA(lf.lfFaceName, kFlatFontFace, LF_FACESIZE);
    HDC hdc = ::GetDC(nullptr);
    auto textHeightFor = [&](int nHeight) {
        LOGFONTA lfTry = lf;
        lfTry.lfHeight = nHeight;
        HFONT hFont = ::CreateFontIndirectA(&lfTry);
        HGDIOBJ hOld = ::SelectObject(hdc, hFont);
        TEXTMETRICA tm{};
        ::GetTextMetricsA(hdc, &tm);
        ::SelectObject(hdc, hOld);
        ::DeleteObject(hFont);
        return (int)tm.tmHeight;
    };
    lf.lfHeight = TabLayout::FitFlatFontHeight(lf.lfHeight, m_nTabsHeight, textHeightFor);
    ::ReleaseDC(nullptr, hdc);
    m_fntTabs.DeleteObject();
    m_fntTabs.CreateFontIndirect(&lf);
    lf.lfWeight = kBoldWeight;
    m_fntTabsBold.DeleteObject();
    m_fntTabsBold.CreateFontIndirect(&lf);
}

int CZAVPTabWnd::GetTabsHeight() const { return IsTabAreaHidden() ? 0 : m_nTabsHeight; }

BOOL CZAVPTabWnd::IsTabAreaHidden() const
{
    return TabLayout::IsTabAreaHidden(m_nStyle, m_bHideSingleTab != FALSE, m_bHideNoTabs != FALSE,
                                      GetVisibleTabsNum());
}

void CZAVPTabWnd::SetImageList(HIMAGELIST hImageList)
{
    if (m_bFlat) return;
    CZAVPBaseTabWnd::SetImageList(hImageList);
}

BOOL CZAVPTabWnd::SetImageList(UINT uiID, int cx, COLORREF clrTransp)
{
    if (m_bFlat) return FALSE;
    return CZAVPBaseTabWnd::SetImageList(uiID, cx, clrTransp);
}

void CZAVPTabWnd::SetActiveTabBoldFont(BOOL bIsBold)
{
    m_bIsActiveTabBold = m_bFlat ? FALSE : bIsBold;
    RecalcLayout();
}

void CZAVPTabWnd::HideNoTabs(BOOL bHide)
{
    if (!m_bHideNoTabs == !bHide) return;
    m_bHideNoTabs = bHide;
    RecalcLayout();
    UpdateScrollButtonsState();
}

void CZAVPTabWnd::SetHideSingleTab(BOOL bHide)
{
    if (!m_bHideSingleTab == !bHide) return;
    m_bHideSingleTab = bHide;
    RecalcLayout();
    UpdateScrollButtonsState();
}

void CZAVPTabWnd::EnableInPlaceEdit(BOOL bEnable)
{
    if (m_bFlat) m_bIsInPlaceEdit = bEnable;
}

void CZAVPTabWnd::AdjustEditRect(CRect& rectEdit) { rectEdit.DeflateRect(kEditInset, kEditInset); }

// ---- layout

void CZAVPTabWnd::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr) return;
    const BOOL bHidden = IsTabAreaHidden();
    TabLayout::TabFrameInput in{};
    in.nStyle = m_nStyle;
    in.bTop = m_location == LOCATION_TOP;
    GetClientRect(&in.rectClient);
    in.nTabsHeight = bHidden ? 0 : m_nTabsHeight;
    in.nBorder = bHidden ? 0 : GetTabBorderSize();
    in.nMenuGlyphWidth = CZAVPMenuGlyphs::GetSize().cx;
    in.nButtonExtraBorder = CZAVPVisualManager::GetInstance()->GetButtonExtraBorder().cx;
    in.bCloseButton = m_bCloseBtn != FALSE;
    const TabLayout::TabFrameLayout layout = TabLayout::CalcTabFrame(in);
    m_rectTabsArea = layout.rectTabArea;
    m_rectWndArea = layout.rectWindowArea;

    for (int i = 0; i < BUTTON_COUNT; ++i) {
        if (m_btn[i].GetSafeHwnd() == nullptr) continue;
        if (i < (int)layout.buttons.size() && m_bScroll && layout.nButtonSize > 0) {
            const CRect rect = layout.buttons[i];
            m_btn[i].SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        } else {
            m_btn[i].SetWindowPos(nullptr, 0, 0, 0, 0,
                                  SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
        }
    }

    if (m_bAutoSizeWindow)
        for (int i = 0; i < m_iTabsNum; ++i) {
            CZAVPTabInfo* pTab = TabAt(i);
            if (pTab->m_bVisible && pTab->m_pWnd != nullptr &&
                pTab->m_pWnd->GetSafeHwnd() != nullptr)
                pTab->m_pWnd->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top,
                                           m_rectWndArea.Width(), m_rectWndArea.Height(),
                                           SWP_NOZORDER | SWP_NOACTIVATE);
        }
    SetupScrollBar();
    AdjustTabs();
    Invalidate();
}

void CZAVPTabWnd::SetupScrollBar()
{
    if (!m_bSharedScroll || m_wndScrollWnd.GetSafeHwnd() == nullptr) return;
    const int nArrow = ::GetSystemMetrics(SM_CXHSCROLL);
    const CRect rect = TabLayout::SharedScrollBarRect(m_rectTabsArea, m_nScrollBarRight, nArrow,
                                                      m_bHideSingleTab && GetVisibleTabsNum() < 2);
    if (rect.IsRectEmpty()) {
        m_wndScrollWnd.ShowWindow(SW_HIDE);
        return;
    }
    // The tabs end where the scroll bar begins.
    m_rectTabsArea.right = rect.left;
    m_wndScrollWnd.SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                                SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    CWnd* pActive = GetActiveWnd();
    if (pActive != nullptr && pActive->GetSafeHwnd() != nullptr &&
        ::GetScrollInfo(pActive->GetSafeHwnd(), SB_HORZ, &si))
    {
        m_wndScrollWnd.SetScrollInfo(&si);
        m_wndScrollWnd.EnableScrollBar(ESB_ENABLE_BOTH);
    } else {
        m_wndScrollWnd.EnableScrollBar(ESB_DISABLE_BOTH);
    }
}

void CZAVPTabWnd::AdjustTabs()
{
    if (GetSafeHwnd() == nullptr) return;
    const int nVisible = GetVisibleTabsNum();
    if (nVisible == 0 || IsTabAreaHidden()) {
        for (int i = 0; i < m_iTabsNum; ++i) TabAt(i)->m_rect.SetRectEmpty();
        m_nTabsTotalWidth = 0;
        m_nTabsHorzOffset = 0;
        m_nTabsHorzOffsetMax = 0;
        return;
    }
    CClientDC dc(this);
    std::vector<TabLayout::TabMeasure> measures;
    for (int i = 0; i < m_iTabsNum; ++i) {
        const CZAVPTabInfo* pTab = TabAt(i);
        CFont* pFont = &globalData.fontRegular;
        switch (TabLayout::MeasureFontFor(m_nStyle, m_bIsActiveTabBold != FALSE, i == m_iActiveTab))
        {
        case TabLayout::TAB_FONT_FLAT_BOLD:
            if (m_fntTabsBold.GetSafeHandle() != nullptr) pFont = &m_fntTabsBold;
            break;
        case TabLayout::TAB_FONT_BOLD: pFont = &globalData.fontBold; break;
        default: break;
        }
        CFont* pOld = dc.SelectObject(pFont);
        const CSize sizeText = dc.GetTextExtent(pTab->m_strText);
        dc.SelectObject(pOld);
        const bool bHasImage = pTab->m_hIcon != nullptr ||
                               (pTab->m_uiIcon != (UINT)-1 && GetImageList() != nullptr);
        measures.push_back({pTab->m_bVisible != FALSE, pTab->m_bIconOnly != FALSE, (int)sizeText.cx,
                            bHasImage ? (int)m_sizeImage.cx : 0});
    }
    const TabLayout::TabPlacement placement = TabLayout::PlaceTabs(
        m_nStyle, m_location == LOCATION_TOP, m_rectTabsArea, m_nTabsHorzOffset, measures);
    for (int i = 0; i < m_iTabsNum; ++i) {
        CZAVPTabInfo* pTab = TabAt(i);
        pTab->m_rect = placement.tabs[i];
        if (m_ToolTip.GetSafeHwnd() != nullptr)
            m_ToolTip.SetToolRect(this, pTab->m_uiToolId, &placement.tooltips[i]);
    }
    m_nTabsTotalWidth = placement.nTotalWidth;
    UpdateScrollLimits();
}

void CZAVPTabWnd::UpdateScrollLimits()
{
    m_nTabsHorzOffsetMax = TabLayout::LargestScrollOffset(m_nTabsTotalWidth,
                                                          m_rectTabsArea.Width());
    const int nOffset = TabLayout::ClampScrollOffset(m_nStyle, m_nTabsHorzOffset,
                                                     m_nTabsHorzOffsetMax);
    if (nOffset != m_nTabsHorzOffset) {
        m_nTabsHorzOffset = nOffset;
        AdjustTabs();
    }
    UpdateScrollButtonsState();
}

void CZAVPTabWnd::UpdateScrollButtonsState()
{
    if (m_btn[BUTTON_HOME].GetSafeHwnd() == nullptr) return;
    const TabLayout::ScrollButtonsState state = TabLayout::ScrollButtonsEnabled(
        m_nTabsHorzOffset, m_nTabsHorzOffsetMax);
    m_btn[BUTTON_HOME].EnableWindow(state.bHome);
    m_btn[BUTTON_LEFT].EnableWindow(state.bLeft);
    m_btn[BUTTON_RIGHT].EnableWindow(state.bRight);
    m_btn[BUTTON_END].EnableWindow(state.bEnd);
}

void CZAVPTabWnd::TabExtents(std::vector<int>& starts, std::vector<int>& ends) const
{
    starts.clear();
    ends.clear();
    for (int i = 0; i < m_iTabsNum; ++i) {
        const CZAVPTabInfo* pTab = TabAt(i);
        if (!pTab->m_bVisible || pTab->m_rect.IsRectEmpty()) {
            starts.push_back(-1);
            ends.push_back(-1);
            continue;
        }
        const int nOrigin = m_rectTabsArea.left - m_nTabsHorzOffset;
        starts.push_back(pTab->m_rect.left - nOrigin);
        ends.push_back(pTab->m_rect.right - nOrigin);
    }
}

void CZAVPTabWnd::ApplyScroll(int nOffset, int nFirstVisible)
{
    const BOOL bChanged = nOffset != m_nTabsHorzOffset || nFirstVisible != m_nFirstVisibleTab;
    m_nTabsHorzOffset = nOffset;
    m_nFirstVisibleTab = nFirstVisible;
    if (!bChanged) return;
    AdjustTabs();
    UpdateScrollButtonsState();
    Invalidate();
}

BOOL CZAVPTabWnd::EnsureVisible(int iTab)
{
    if (iTab < 0 || iTab >= m_iTabsNum || GetSafeHwnd() == nullptr) return FALSE;
    std::vector<int> starts, ends;
    TabExtents(starts, ends);
    const TabLayout::TabScroll scroll = TabLayout::EnsureTabVisible(
        m_nStyle, iTab, {m_nTabsHorzOffset, m_nFirstVisibleTab}, m_nTabsHorzOffsetMax,
        m_rectTabsArea.Width(), starts, ends);
    ApplyScroll(scroll.nOffset, scroll.nFirstVisible);
    return TRUE;
}

BOOL CZAVPTabWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    HWND hButton = (HWND)lParam;
    int nButton = -1;
    for (int i = 0; i < BUTTON_COUNT; ++i)
        if (hButton != nullptr && m_btn[i].GetSafeHwnd() == hButton) nButton = i;
    if (nButton < 0) return CZAVPBaseTabWnd::OnCommand(wParam, lParam);
    if (nButton == BUTTON_CLOSE) {
        // Nothing to close while no tab is active.
        CWnd* pActive = GetActiveWnd();
        if (pActive != nullptr && pActive->GetSafeHwnd() != nullptr) pActive->SendMessage(WM_CLOSE);
        return TRUE;
    }
    std::vector<int> starts, ends;
    TabExtents(starts, ends);
    const TabLayout::TabScroll scroll = TabLayout::ApplyScrollButton(
        m_nStyle, (TabLayout::TabButton)nButton, {m_nTabsHorzOffset, m_nFirstVisibleTab},
        m_nTabsHorzOffsetMax, starts);
    ApplyScroll(scroll.nOffset, scroll.nFirstVisible);
    return TRUE;
}

BOOL CZAVPTabWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return CZAVPBaseTabWnd::OnNotify(wParam, lParam, pResult);
}

// ---- switching

BOOL CZAVPTabWnd::SetActiveTab(int iTab)
{
    CZAVPTabInfo* pTab = TabAt(iTab);
    if (pTab == nullptr) return FALSE;
    if (iTab == m_iActiveTab) return TRUE;
    if (NotifyParent(ZAVPRegisteredMessages::OnChangingActiveTab, (WPARAM)iTab, (LPARAM)this) != 0)
        return TRUE;

    SetRedraw(FALSE);
    CWnd* pOld = GetActiveWnd();
    if (m_bHideInactiveWnd && pOld != nullptr && pOld->GetSafeHwnd() != nullptr &&
        pOld != pTab->m_pWnd)
        pOld->ShowWindow(SW_HIDE);
    m_iLastActiveTab = m_iActiveTab;
    m_iActiveTab = iTab;
    CWnd* pWnd = pTab->m_pWnd;
    if (m_bDocumentTabs) {
        // A document tab activates its document frame through the MDI client, which moves and
        // focuses it; the frame's activation comes back here with its tab already active.
        ActivateDocument(pWnd);
        pWnd = nullptr;
    }
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        pWnd->ShowWindow(SW_SHOW);
        pWnd->BringWindowToTop();
        if (m_bAutoSizeWindow)
            pWnd->SetWindowPos(nullptr, m_rectWndArea.left, m_rectWndArea.top,
                               m_rectWndArea.Width(), m_rectWndArea.Height(),
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    EnsureVisible(iTab);
    SetupScrollBar();

    CWnd* pParent = GetParent();
    if (pParent != nullptr && pParent->IsKindOf(RUNTIME_CLASS(CZAVPTabbedControlBar))) {
        pParent->SetWindowText(pTab->m_strText);
        pParent->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    }
    RecalcLayout();

    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) {
        CFrameWnd* pFrame = pWnd->GetParentFrame();
        if (pWnd->IsKindOf(RUNTIME_CLASS(CView)) && pFrame != nullptr)
            pFrame->SetActiveView(static_cast<CView*>(pWnd));
        else if (IsWindowVisible())
            pWnd->SetFocus();
        // The close button follows the window's own close command (a wrapper has none).
        BOOL bCanClose = TRUE;
        CWnd* pOwnWnd = UnwrapWindow(pWnd);
        if (pOwnWnd == nullptr || pOwnWnd->GetSafeHwnd() == nullptr) pOwnWnd = pWnd;
        if (HMENU hSysMenu = ::GetSystemMenu(pOwnWnd->GetSafeHwnd(), FALSE))
            bCanClose = (::GetMenuState(hSysMenu, SC_CLOSE, MF_BYCOMMAND) &
                         (MF_GRAYED | MF_DISABLED)) == 0;
        if (m_btn[BUTTON_CLOSE].GetSafeHwnd() != nullptr)
            m_btn[BUTTON_CLOSE].EnableWindow(bCanClose);
    }
    SetRedraw(TRUE);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)iTab);
    return TRUE;
}

void CZAVPTabWnd::ActivateDocument(CWnd* pWnd)
{
    if (pWnd == nullptr || !::IsWindow(pWnd->GetSafeHwnd())) return;
    const HWND hClient = ::GetParent(pWnd->GetSafeHwnd());
    if ((HWND)::SendMessageA(hClient, WM_MDIGETACTIVE, 0, 0) != pWnd->GetSafeHwnd())
        ::SendMessageA(hClient, WM_MDIACTIVATE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CZAVPTabWnd::SwapTabs(int nFirst, int nSecond) { CZAVPBaseTabWnd::SwapTabs(nFirst, nSecond); }

void CZAVPTabWnd::MoveTab(int nSource, int nDest)
{
    CZAVPBaseTabWnd::MoveTab(nSource, nDest);
    EnsureVisible(m_iActiveTab);
}

int CZAVPTabWnd::GetTabFromPoint(CPoint& pt) const
{
    if (!m_rectTabsArea.PtInRect(pt)) return -1;
    return CZAVPBaseTabWnd::GetTabFromPoint(pt);
}

BOOL CZAVPTabWnd::IsPtInTabArea(CPoint point) const
{
    return !IsTabAreaHidden() && m_rectTabsArea.PtInRect(point);
}

void CZAVPTabWnd::InvalidateTabs()
{
    if (GetSafeHwnd() != nullptr) InvalidateRect(m_rectTabsArea);
}

CWnd* CZAVPTabWnd::FindTargetWnd(const CPoint& point)
{
    // Clicks in the window area belong to the active window; the tab row has no target.
    if (IsPtInTabArea(point) || !m_rectWndArea.PtInRect(point)) return nullptr;
    return GetActiveWnd();
}

// ---- keyboard and tooltips

BOOL CZAVPTabWnd::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_NEXT || pMsg->wParam == VK_PRIOR) &&
        m_iActiveTab >= 0 && IsCtrlKeyDown())
    {
        const int nNext = TabLayout::NextVisibleTab(VisibleFlags(), m_iActiveTab,
                                                    pMsg->wParam == VK_NEXT);
        if (nNext >= 0) {
            SetActiveTab(nNext);
            CWnd* pWnd = GetActiveWnd();
            if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr) pWnd->SetFocus();
            NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
            return TRUE;
        }
    }
    if (m_ToolTip.GetSafeHwnd() != nullptr && pMsg->message >= WM_MOUSEFIRST &&
        pMsg->message <= WM_MOUSELAST)
        m_ToolTip.RelayEvent(pMsg);
    return CZAVPBaseTabWnd::PreTranslateMessage(pMsg);
}

// ---- drop target

DROPEFFECT CZAVPTabWnd::OnDragEnter(COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return OnDragOver(pDataObject, dwKeyState, point);
}

DROPEFFECT CZAVPTabWnd::OnDragOver(COleDataObject*, DWORD, CPoint point)
{
    // A toolbar button dragged over a tab brings that tab forward, so it can be dropped on the
    // bar the tab shows.
    const int iTab = GetTabFromPoint(point);
    if (iTab >= 0 && iTab != m_iActiveTab) {
        SetActiveTab(iTab);
        NotifyParent(ZAVPRegisteredMessages::OnChangeActiveTab, (WPARAM)m_iActiveTab);
    }
    return DROPEFFECT_NONE;
}
