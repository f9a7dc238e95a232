// The outlook bar's page of large buttons (see the header).
#include "ui/panes/CZAVPOutlookBarPane.h"

#include <algorithm>

#include "framework/AfxResourceHandle.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "resources/UiLibraryResource.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/panes/CZAVPOutlookBar.h"
#include "ui/panes/CZAVPOutlookButton.h"
#include "ui/panes/ZAVPOutlookCustomPages.h"
#include "ui/toolbars/ZAVPBufferedPaint.h"

IMPLEMENT_SERIAL(CZAVPOutlookBarPane, CZAVPToolBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPOutlookBarPane, CZAVPToolBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SYSCOLORCHANGE()
ON_WM_TIMER()
ON_WM_LBUTTONUP()
ON_WM_NCDESTROY()
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

namespace
{
// The gripper and every border go: a page has neither.
const DWORD kNoFrameBits = CBRS_GRIPPER | CBRS_BORDER_ANY;
// A scroll button's window is a menu glyph with this much room each way.
const int kScrollButtonGlyphMargin = 2;
// Customisation commands that make no sense for a large button.
const UINT kGreyedCommands[] = {ID_ZAVP_BUTTON_IMAGE,          ID_ZAVP_BUTTON_TEXT,
                                ID_ZAVP_BUTTON_IMAGE_AND_TEXT, ID_ZAVP_BUTTON_APPEARANCE,
                                ID_ZAVP_BUTTON_BEGIN_GROUP,    ID_ZAVP_BUTTON_RESET,
                                ID_ZAVP_BUTTON_COPY_IMAGE};
BOOL g_bSharedTransparencySet = FALSE;

// The large-button size: the shared button doubled, as large icons show it.
CSize LargeButtonSize()
{
    return CSize(CZAVPToolBar::m_sizeButton.cx * 2, CZAVPToolBar::m_sizeButton.cy * 2);
}

class ScreenDC
{
public:
    ScreenDC() : m_hdc(::GetDC(nullptr)) { m_dc.Attach(m_hdc); }
    ~ScreenDC()
    {
        m_dc.Detach();
        ::ReleaseDC(nullptr, m_hdc);
    }
    CDC* get() { return &m_dc; }

private:
    HDC m_hdc;
    CDC m_dc;
};

HGDIOBJ DefaultFont()
{
    return globalData.fontRegular.GetSafeHandle() != nullptr
               ? globalData.fontRegular.GetSafeHandle()
               : ::GetStockObject(DEFAULT_GUI_FONT);
}
}  // namespace

CZAVPOutlookBarPane::CZAVPOutlookBarPane()
    : m_bHasOwnBackground(TRUE), m_clrRegText((COLORREF)-1), m_clrTransparent(kTransparent),
      m_clrBackColor(globalData.clrBarShadow), m_nReserved(-1), m_uiBackImageId(0),
      m_bScrollDown(FALSE), m_bIsHighColor(FALSE), m_nExtraSpace(0), m_pWndDropTarget(nullptr),
      m_bPageScrollMode(FALSE)
{
    m_bHasButtonExtraSize = FALSE;
    // The shared images are drawn with the pane's transparent colour from the first pane on.
    if (!g_bSharedTransparencySet) {
        m_Images.SetTransparentColor(m_clrTransparent);
        g_bSharedTransparencySet = TRUE;
    }
}

CZAVPOutlookBarPane::~CZAVPOutlookBarPane()
{
    if (m_btnUp.GetSafeHwnd() != nullptr) m_btnUp.DestroyWindow();
    if (m_btnDown.GetSafeHwnd() != nullptr) m_btnDown.DestroyWindow();
    m_Background.Clear();
}

BOOL CZAVPOutlookBarPane::Create(CWnd* pParentWnd, DWORD dwStyle, UINT uiID,
                                 DWORD dwControlBarStyle)
{
    if (!CZAVPToolBar::Create(pParentWnd, dwStyle, uiID)) return FALSE;
    m_dwControlBarStyle = dwControlBarStyle;
    return TRUE;
}

CSize CZAVPOutlookBarPane::ScrollButtonSize()
{
    const CSize glyph = CZAVPMenuGlyphs::GetSize();
    return CSize(glyph.cx + 4, glyph.cy + 4);
}

int CZAVPOutlookBarPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CZAVPToolBar::OnCreate(lpCreateStruct) == -1) return -1;
    SetBarStyle(GetBarStyle() & ~kNoFrameBits);
    const CSize glyph = CZAVPMenuGlyphs::GetSize();
    const CRect rect(0, 0, glyph.cx + 2 * kScrollButtonGlyphMargin,
                     glyph.cy + 2 * kScrollButtonGlyphMargin);
    struct
    {
        CZAVPButton& button;
        UINT nID;
        int nGlyph;
    } buttons[] = {{m_btnUp, kScrollUpId, kUpGlyph}, {m_btnDown, kScrollDownId, kDownGlyph}};
    for (auto& b : buttons) {
        b.button.Create("", WS_CHILD | BS_PUSHBUTTON, rect, this, b.nID);
        b.button.SetStdImage(b.nGlyph);
    }
    return 0;
}

DWORD CZAVPOutlookBarPane::GetCurrentAlignment() const
{
    return m_dwStyle & (CBRS_ALIGN_LEFT | CBRS_ALIGN_RIGHT);
}

CSize CZAVPOutlookBarPane::CalcFixedLayout(BOOL, BOOL)
{
    CRect rect;
    if (GetSafeHwnd() != nullptr) GetClientRect(rect);
    return rect.Size();
}

std::vector<int> CZAVPOutlookBarPane::ButtonHeights() const { return m_heights; }

void CZAVPOutlookBarPane::AdjustLocations()
{
    if (GetSafeHwnd() == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);
    ScreenDC dc;
    const HGDIOBJ hOld = ::SelectObject(dc.get()->GetSafeHdc(), DefaultFont());
    // The column is as wide as the pane: labels wrap within it, under their images.
    const CSize sizeDefault(std::max<int>(GetButtonSize().cx, rectClient.Width() - 1),
                            GetButtonSize().cy);
    const CSize sizeLarge = LargeButtonSize();
    std::vector<CSize> sizes;
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        if (pButton->IsKindOf(RUNTIME_CLASS(CZAVPOutlookButton))) {
            CZAVPOutlookButton* pOutlook = static_cast<CZAVPOutlookButton*>(pButton);
            pOutlook->m_nMinWidth = sizeLarge.cx;
            pOutlook->m_nMinHeight = sizeLarge.cy;
        }
        sizes.push_back(pButton->OnCalculateSize(dc.get(), sizeDefault, FALSE));
    }
    ::SelectObject(dc.get()->GetSafeHdc(), hOld);

    const ZAVPOutlookPaneLayout::Placement placement = ZAVPOutlookPaneLayout::Locate(
        rectClient, sizes, m_scroll.nOffset, m_scroll.nFirstVisible, m_nExtraSpace,
        ScrollButtonSize());
    m_heights.clear();
    for (int i = 0; i < GetCount(); ++i) {
        GetButton(i)->SetRect(placement.buttons[(size_t)i]);  // tells the button when it moved
        m_heights.push_back(sizes[(size_t)i].cy);
    }
    m_bScrollDown = placement.bCanScrollDown;
    const UINT uiFlags = SWP_NOSIZE | SWP_NOACTIVATE;
    if (m_btnUp.GetSafeHwnd() != nullptr) {
        if (placement.bShowUp)
            m_btnUp.SetWindowPos(&CWnd::wndTop, placement.ptUp.x, placement.ptUp.y, 0, 0,
                                 uiFlags | SWP_SHOWWINDOW);
        else
            m_btnUp.ShowWindow(SW_HIDE);
    }
    if (m_btnDown.GetSafeHwnd() != nullptr) {
        if (placement.bShowDown)
            m_btnDown.SetWindowPos(&CWnd::wndTop, placement.ptDown.x, placement.ptDown.y, 0, 0,
                                   uiFlags | SWP_SHOWWINDOW);
        else
            m_btnDown.ShowWindow(SW_HIDE);
    }
    for (CZAVPButton* pButton : {&m_btnUp, &m_btnDown})
        if (pButton->GetSafeHwnd() != nullptr)
            pButton->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    UpdateTooltips();
}

void CZAVPOutlookBarPane::Relayout()
{
    AdjustLocations();
    if (GetSafeHwnd() != nullptr)
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CZAVPOutlookBarPane::ScrollUp()
{
    if (!ZAVPOutlookPaneLayout::StepUp(m_scroll, ButtonHeights())) {
        if (GetSafeHwnd() != nullptr) KillTimer(kScrollUpTimer);
        Relayout();
        return;
    }
    Relayout();
}

void CZAVPOutlookBarPane::ScrollDown()
{
    if (!ZAVPOutlookPaneLayout::StepDown(m_scroll, ButtonHeights(), m_bScrollDown)) {
        if (GetSafeHwnd() != nullptr) KillTimer(kScrollDownTimer);
        return;
    }
    Relayout();
}

void CZAVPOutlookBarPane::ScrollPageUp()
{
    CRect rectClient;
    GetClientRect(rectClient);
    const std::vector<int> heights = ButtonHeights();
    const int nFirst = heights.empty()
                           ? 0
                           : heights[(size_t)std::min<int>(std::max(0, m_scroll.nFirstVisible),
                                                           (int)heights.size() - 1)];
    const int nSteps = ZAVPOutlookPaneLayout::PageSteps(rectClient.Height(), m_nExtraSpace, nFirst);
    for (int i = 0; i < nSteps && m_scroll.nFirstVisible > 0; ++i) ScrollUp();
}

void CZAVPOutlookBarPane::ScrollPageDown()
{
    CRect rectClient;
    GetClientRect(rectClient);
    const std::vector<int> heights = ButtonHeights();
    const int nFirst = heights.empty()
                           ? 0
                           : heights[(size_t)std::min<int>(std::max(0, m_scroll.nFirstVisible),
                                                           (int)heights.size() - 1)];
    const int nSteps = ZAVPOutlookPaneLayout::PageSteps(rectClient.Height(), m_nExtraSpace, nFirst);
    for (int i = 0; i < nSteps && m_bScrollDown; ++i) ScrollDown();
}

BOOL CZAVPOutlookBarPane::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_LBUTTONUP && GetSafeHwnd() != nullptr) {
        KillTimer(kScrollUpTimer);
        KillTimer(kScrollDownTimer);
    }
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_LBUTTONDOWN ||
        pMsg->message == WM_LBUTTONUP)
    {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        struct
        {
            CZAVPButton& button;
            UINT nTimer;
            BOOL bDown;
        } scrolls[] = {{m_btnDown, kScrollDownTimer, TRUE}, {m_btnUp, kScrollUpTimer, FALSE}};
        for (auto& s : scrolls) {
            if (s.button.GetSafeHwnd() == nullptr || !s.button.IsWindowVisible()) continue;
            CRect rect;
            s.button.GetWindowRect(rect);
            if (!rect.PtInRect(ptCursor)) continue;
            // The message goes to the scroll button, which draws itself held or hot.
            CPoint pt = ptCursor;
            s.button.ScreenToClient(&pt);
            s.button.SendMessage(pMsg->message, pMsg->wParam, MAKELPARAM(pt.x, pt.y));
            if (pMsg->message == WM_LBUTTONDOWN) {
                SetTimer(s.nTimer, kScrollRepeatMs, nullptr);
                if (s.bDown)
                    m_bPageScrollMode ? ScrollPageDown() : ScrollDown();
                else
                    m_bPageScrollMode ? ScrollPageUp() : ScrollUp();
            }
            return TRUE;
        }
    }
    return CZAVPToolBar::PreTranslateMessage(pMsg);
}

void CZAVPOutlookBarPane::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kScrollUpTimer && nIDEvent != kScrollDownTimer) {
        CZAVPToolBar::OnTimer(nIDEvent);
        return;
    }
    CZAVPButton& button = nIDEvent == kScrollUpTimer ? m_btnUp : m_btnDown;
    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    CRect rect;
    if (button.GetSafeHwnd() != nullptr) button.GetWindowRect(rect);
    const BOOL bHeld = (::GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0 && button.IsWindowVisible() &&
                       rect.PtInRect(ptCursor);
    if (!bHeld) {
        KillTimer(nIDEvent);
        return;
    }
    if (nIDEvent == kScrollUpTimer)
        m_bPageScrollMode ? ScrollPageUp() : ScrollUp();
    else
        m_bPageScrollMode ? ScrollPageDown() : ScrollDown();
}

void CZAVPOutlookBarPane::OnLButtonUp(UINT nFlags, CPoint point)
{
    KillTimer(kScrollUpTimer);
    KillTimer(kScrollDownTimer);
    CZAVPToolBar::OnLButtonUp(nFlags, point);
}

void CZAVPOutlookBarPane::OnSize(UINT nType, int cx, int cy)
{
    CZAVPToolBar::OnSize(nType, cx, cy);
    AdjustLocations();
    // A larger pane scrolls back while the column would still end inside it.
    while (m_scroll.nOffset > 0 && GetCount() > 0) {
        const CRect rectLast = GetButton(GetCount() - 1)->GetRect();
        if (rectLast.bottom >= cy) break;
        if (!ZAVPOutlookPaneLayout::StepUp(m_scroll, ButtonHeights())) break;
        AdjustLocations();
    }
    Invalidate();
}

void CZAVPOutlookBarPane::RemoveAllButtons()
{
    CZAVPToolBar::RemoveAllButtons();
    m_scroll = ZAVPOutlookPaneLayout::ScrollState();
    m_heights.clear();
    if (GetSafeHwnd() != nullptr) Relayout();
}

// ---- background

void CZAVPOutlookBarPane::OnEraseWorkArea(CDC* pDC, CRect rectWorkArea)
{
    if (m_uiBackImageId == 0 || m_Background.GetCount() == 0) {
        CBrush brush(m_clrBackColor);
        pDC->FillRect(rectWorkArea, &brush);
        return;
    }
    const CSize size = m_Background.GetImageSize();
    if (size.cx <= 0 || size.cy <= 0) return;
    CZAVPDrawState ds;
    if (!m_Background.PrepareDrawImage(ds, size)) return;
    for (int y = rectWorkArea.top; y < rectWorkArea.bottom; y += size.cy)
        for (int x = rectWorkArea.left; x < rectWorkArea.right; x += size.cx)
            m_Background.Draw(pDC, x, y, 0);
    m_Background.EndDrawImage(ds);
}

void CZAVPOutlookBarPane::SetBackImage(UINT uiImageID)
{
    if (uiImageID == m_uiBackImageId) return;
    m_Background.Clear();
    m_uiBackImageId = 0;
    if (uiImageID != 0) {
        HBITMAP hbmp = (HBITMAP)::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(uiImageID),
                                             IMAGE_BITMAP, 0, 0,
                                             LR_LOADMAP3DCOLORS | LR_CREATEDIBSECTION);
        if (hbmp != nullptr) {
            BITMAP bmp = {};
            ::GetObject(hbmp, sizeof bmp, &bmp);
            m_Background.SetImageSize(CSize(bmp.bmWidth, bmp.bmHeight));
            m_Background.SetTransparentColor(m_clrTransparent);
            m_Background.AddImage(hbmp);
            ::DeleteObject(hbmp);
            m_uiBackImageId = uiImageID;
        }
        HDC hdc = ::GetDC(nullptr);
        m_bIsHighColor = ::GetDeviceCaps(hdc, BITSPIXEL) > 8;
        ::ReleaseDC(nullptr, hdc);
    }
    if (GetSafeHwnd() != nullptr) Invalidate();
}

void CZAVPOutlookBarPane::SetBackColor(COLORREF color)
{
    m_clrBackColor = color;
    if (GetSafeHwnd() != nullptr) Invalidate();
}

void CZAVPOutlookBarPane::OnSysColorChange()
{
    CZAVPToolBar::OnSysColorChange();
    m_clrBackColor = globalData.clrBarShadow;
    if (m_uiBackImageId == 0) {
        m_clrRegText = ::GetSysColor(COLOR_WINDOW);
        Invalidate();
        return;
    }
    const UINT uiImage = m_uiBackImageId;
    m_uiBackImageId = 0;
    SetBackImage(uiImage);
}

BOOL CZAVPOutlookBarPane::OnEraseBkgnd(CDC*) { return TRUE; }

void CZAVPOutlookBarPane::OnNcDestroy()
{
    // A custom page's id may be taken again once its window is gone.
    ZAVPOutlookCustomPages::Release((UINT)GetDlgCtrlID());
    CZAVPToolBar::OnNcDestroy();
}

// ---- painting

void CZAVPOutlookBarPane::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    ZAVPBufferedPaint buffer(pDCPaint, rectClient);
    CDC* pDC = buffer.DC();
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rectClient, rectClient);
    if (GetCount() == 0) return;

    const COLORREF clrOld = pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), DefaultFont());
    CRect rectClip;
    pDCPaint->GetClipBox(rectClip);
    if (rectClip.IsRectEmpty()) rectClip = rectClient;
    const BOOL bCustomize = IsCustomizeMode() && !m_bLocked;

    CZAVPImageStrip* pImages = &m_Images;
    CZAVPDrawState ds;
    const BOOL bPrepared = pImages->GetCount() > 0 && pImages->PrepareDrawImage(ds);
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPToolbarButton* pButton = GetButton(i);
        CRect rectInter;
        if (!rectInter.IntersectRect(pButton->GetRect(), rectClip)) continue;
        const BOOL bHighlight = !bCustomize && (i == m_iHighlighted || i == m_iButtonCapture);
        pButton->OnDraw(pDC, pButton->GetRect(), bPrepared ? pImages : nullptr, FALSE, bCustomize,
                        bHighlight, TRUE, TRUE);
        if (bCustomize && i == m_iSelected && m_pSelToolbar == this) {
            CRect rectFrame = pButton->GetRect();
            pDC->DrawFocusRect(rectFrame);
        }
    }
    if (bPrepared) pImages->EndDrawImage(ds);
    if (bCustomize && !m_rectDrag.IsRectEmpty()) DrawDragMarker(pDC);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}

// ---- customisation and drag and drop

BOOL CZAVPOutlookBarPane::CanBeRestored() const { return !m_OrigButtons.IsEmpty(); }

BOOL CZAVPOutlookBarPane::RestoreOriginalState()
{
    if (m_OrigButtons.IsEmpty()) return FALSE;
    RemoveAllButtons();
    for (POSITION pos = m_OrigButtons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* pSource = static_cast<const CZAVPToolbarButton*>(
            m_OrigButtons.GetNext(pos));
        CObject* pObject = pSource->GetRuntimeClass()->CreateObject();
        if (pObject == nullptr) continue;
        CZAVPToolbarButton* pCopy = static_cast<CZAVPToolbarButton*>(pObject);
        pCopy->CopyFrom(*pSource);
        if (InsertButton(pCopy) < 0) delete pCopy;
    }
    Relayout();
    return TRUE;
}

BOOL CZAVPOutlookBarPane::DiffersFromOriginal() const
{
    if (m_OrigButtons.GetCount() != (INT_PTR)GetCount()) return TRUE;
    int i = 0;
    for (POSITION pos = m_OrigButtons.GetHeadPosition(); pos != nullptr; ++i) {
        const CZAVPToolbarButton* pOriginal = static_cast<const CZAVPToolbarButton*>(
            m_OrigButtons.GetNext(pos));
        if (!GetButton(i)->CompareWith(*pOriginal)) return TRUE;
    }
    return FALSE;
}

DROPEFFECT CZAVPOutlookBarPane::DragOverButton(const CZAVPToolbarButton& button, DWORD dwKeyState,
                                               CPoint point)
{
    if (!button.IsKindOf(RUNTIME_CLASS(CZAVPOutlookButton))) return DROPEFFECT_NONE;
    // Held over a scroll button, the column moves to show where the button may go.
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    for (CZAVPButton* pScroll : {&m_btnUp, &m_btnDown}) {
        if (pScroll->GetSafeHwnd() == nullptr || !pScroll->IsWindowVisible()) continue;
        CRect rect;
        pScroll->GetWindowRect(rect);
        if (!rect.PtInRect(ptScreen)) continue;
        pScroll == &m_btnUp ? ScrollUp() : ScrollDown();
        break;
    }
    return CZAVPToolBar::DragOverButton(button, dwKeyState, point);
}

CZAVPToolbarButton* CZAVPOutlookBarPane::CreateDroppedButton(COleDataObject* pDataObject)
{
    CZAVPToolbarButton* pButton = CZAVPToolBar::CreateDroppedButton(pDataObject);
    if (pButton != nullptr && !pButton->IsKindOf(RUNTIME_CLASS(CZAVPOutlookButton))) {
        delete pButton;
        return nullptr;
    }
    return pButton;
}

BOOL CZAVPOutlookBarPane::EnableContextMenuItems(CZAVPToolbarButton* pButton, CMenu* pPopup)
{
    const BOOL bResult = CZAVPToolBar::EnableContextMenuItems(pButton, pPopup);
    if (IsCustomizeMode() && pPopup != nullptr && pPopup->GetSafeHmenu() != nullptr)
        for (UINT uiCmd : kGreyedCommands)
            ::EnableMenuItem(pPopup->GetSafeHmenu(), uiCmd, MF_BYCOMMAND | MF_GRAYED);
    return bResult;
}

// ---- the pane dragged onto an outlook bar

CZAVPOutlookBar* CZAVPOutlookBarPane::OutlookBarAt(CPoint ptScreen)
{
    for (HWND hwnd = ::WindowFromPoint(ptScreen); hwnd != nullptr; hwnd = ::GetParent(hwnd)) {
        CWnd* pWnd = CWnd::FromHandlePermanent(hwnd);
        if (pWnd != nullptr && pWnd->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBar)))
            return static_cast<CZAVPOutlookBar*>(pWnd);
    }
    return nullptr;
}

void CZAVPOutlookBarPane::UpdateDropTarget(CPoint ptScreen)
{
    CWnd* pParent = GetParent();
    if (pParent == nullptr) return;
    CRect rectParent;
    pParent->GetWindowRect(rectParent);
    if (rectParent.PtInRect(ptScreen)) return;
    CZAVPOutlookBar* pBar = OutlookBarAt(ptScreen);
    if (pBar != nullptr) {
        m_pWndDropTarget = pBar;
        return;
    }
    HWND hwnd = ::WindowFromPoint(ptScreen);
    CWnd* pUnder = hwnd != nullptr ? CWnd::FromHandlePermanent(hwnd) : nullptr;
    m_pWndDropTarget = pUnder != nullptr ? pUnder->GetParent() : nullptr;
}

BOOL CZAVPOutlookBarPane::Dock(CZAVPBaseControlBar* pDockBar, LPCRECT, int nDockMethod)
{
    CWnd* pTarget = nDockMethod == 2 ? m_pWndDropTarget : pDockBar;
    if (pTarget == nullptr || !pTarget->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBar))) return FALSE;
    CZAVPOutlookBar* pBar = static_cast<CZAVPOutlookBar*>(pTarget);
    CString strText;
    GetWindowText(strText);
    if (!pBar->AddPage(this, strText)) return FALSE;
    return TRUE;
}
