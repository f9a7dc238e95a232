// The status bar: panes from indicator ids, their texts, layout, painting and command state.
#include "ui/toolbars/CZAVPStatusBar.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "ui/docking/ZAVPBarClass.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/ZAVPStatusBarLayout.h"
#include "ui/toolbars/ZAVPBufferedPaint.h"

IMPLEMENT_DYNAMIC(CZAVPStatusBar, CZAVPControlBar)

BEGIN_MESSAGE_MAP(CZAVPStatusBar, CZAVPControlBar)
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_NCHITTEST()
ON_MESSAGE(WM_SETFONT, &CZAVPStatusBar::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CZAVPStatusBar::OnGetFont)
ON_MESSAGE(WM_SETTEXT, &CZAVPStatusBar::OnSetText)
ON_MESSAGE(WM_GETTEXT, &CZAVPStatusBar::OnGetText)
ON_MESSAGE(WM_GETTEXTLENGTH, &CZAVPStatusBar::OnGetTextLength)
ON_WM_SETTINGCHANGE()
ON_WM_STYLECHANGED()
ON_WM_SYSCOMMAND()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace
{
const int kStretchIndex = 255;      // GetPanePtr: the first stretching pane
const int kMessagePaneDivisor = 4;  // the message pane is a quarter of the screen wide
const int kHeightMargin = 4;
const int kStatusFullLength = 32767;
const UINT kBordersOfBottomBar = 0x0F80;
const DWORD kBottomWithTopBorder = 0x8200;

LPSTR CopyText(LPCSTR lpsz)
{
    const size_t n = std::strlen(lpsz) + 1;
    LPSTR p = new (std::nothrow) char[n];
    if (p != nullptr) std::memcpy(p, lpsz, n);
    return p;
}

// The status-pane command-update item.
class CZAVPStatusCmdUI : public CCmdUI
{
public:
    void Enable(BOOL bOn) override
    {
        m_bEnableChanged = TRUE;
        CZAVPStatusBar* pBar = static_cast<CZAVPStatusBar*>(m_pOther);
        CZAVPStatusBarPaneInfo* pPane = pBar->GetPanePtr((int)m_nIndex);
        if (pPane == nullptr) return;
        const UINT nOld = pPane->nStyle;
        pPane->nStyle = bOn ? (nOld & ~SBPS_DISABLED) : (nOld | SBPS_DISABLED);
        if (nOld != pPane->nStyle) Repaint(pBar, pPane);
    }
    void SetCheck(int nCheck) override
    {
        CZAVPStatusBar* pBar = static_cast<CZAVPStatusBar*>(m_pOther);
        CZAVPStatusBarPaneInfo* pPane = pBar->GetPanePtr((int)m_nIndex);
        if (pPane == nullptr) return;
        const UINT nOld = pPane->nStyle;
        pPane->nStyle = nCheck != 0 ? (nOld | SBPS_POPOUT) : (nOld & ~SBPS_POPOUT);
        if (nOld != pPane->nStyle) Repaint(pBar, pPane);
    }
    void SetText(LPCSTR lpszText) override
    {
        static_cast<CZAVPStatusBar*>(m_pOther)->SetPaneText((int)m_nIndex, lpszText, TRUE);
    }

private:
    static void Repaint(CZAVPStatusBar* pBar, const CZAVPStatusBarPaneInfo* pPane)
    {
        ::InvalidateRect(pBar->GetSafeHwnd(), &pPane->rect, FALSE);
        ::UpdateWindow(pBar->GetSafeHwnd());
    }
};
}  // namespace

CZAVPStatusBar::CZAVPStatusBar()
    : m_hFont(nullptr), m_cxSizeBox(0), m_bSizeGrip(FALSE), m_bPaneDoubleClick(FALSE),
      m_rectSizeBox(0, 0, 0, 0)
{
    SetBorders(4, 2, 0, 0);
}

CZAVPStatusBar::~CZAVPStatusBar() { ReleasePanes(); }

BOOL CZAVPStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateEx(pParentWnd, 0, dwStyle, nID);
}

BOOL CZAVPStatusBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, UINT nID)
{
    SetBarAlignment(dwStyle & CBRS_ALL);
    DWORD dwWindowStyle = dwStyle;
    m_bSizeGrip = pParentWnd != nullptr && (pParentWnd->GetStyle() & WS_THICKFRAME) != 0;
    if (m_bSizeGrip) dwWindowStyle |= SBARS_SIZEGRIP;
    dwWindowStyle |= WS_CLIPSIBLINGS;
    const CString strClass = ZAVPBarClass::Register("ZAVStatusBar");
    if (!CZAVPControlBar::CreateEx(0, strClass, nullptr, dwWindowStyle, CRect(0, 0, 0, 0),
                                   pParentWnd, nID, 0))
    {
        return FALSE;
    }
    if (pParentWnd != nullptr && pParentWnd->IsFrameWnd()) AddControlBar(TRUE);
    return TRUE;
}

BOOL CZAVPStatusBar::PreCreateWindow(CREATESTRUCTA& cs)
{
    if ((GetBarStyle() & 0xFF00) == kBottomWithTopBorder)
        SetBarStyle(GetBarStyle() & ~kBordersOfBottomBar);
    return CZAVPControlBar::PreCreateWindow(cs);
}

HFONT CZAVPStatusBar::Font() const
{
    if (m_hFont != nullptr) return m_hFont;
    HFONT hFont = (HFONT)globalData.fontStatusBar.GetSafeHandle();
    return hFont != nullptr ? hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

void CZAVPStatusBar::ReleasePanes()
{
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPStatusBarPaneInfo* pPane = GetPanePtr(i);
        delete[] pPane->lpszText;
        delete[] pPane->lpszToolTip;
        pPane->lpszText = pPane->lpszToolTip = nullptr;
        if (pPane->nFrameCount > 0 && m_hWnd != nullptr) ::KillTimer(m_hWnd, pPane->nID);
        if (pPane->hImage != nullptr) ImageList_Destroy(pPane->hImage);
        pPane->hImage = nullptr;
        pPane->nFrameCount = pPane->nCurrFrame = 0;
    }
}

CZAVPStatusBarPaneInfo* CZAVPStatusBar::GetPanePtr(int nIndex) const
{
    if (nIndex == kStretchIndex && GetCount() < kStretchIndex && GetCount() > 0) {
        for (int i = 0; i < GetCount(); ++i) {
            CZAVPStatusBarPaneInfo* pPane = reinterpret_cast<CZAVPStatusBarPaneInfo*>(m_pData) + i;
            if (pPane->nStyle & SBPS_STRETCH) return pPane;
        }
    }
    if (nIndex < 0 || nIndex >= GetCount() || m_pData == nullptr) return nullptr;
    return reinterpret_cast<CZAVPStatusBarPaneInfo*>(m_pData) + nIndex;
}

BOOL CZAVPStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    ReleasePanes();
    if (!AllocateElements(nIDCount, sizeof(CZAVPStatusBarPaneInfo))) return FALSE;
    BOOL bResult = TRUE;
    if (lpIDArray != nullptr) {
        HDC hdc = ::GetDC(nullptr);
        HGDIOBJ hOldFont = ::SelectObject(hdc, Font());
        for (int i = 0; i < nIDCount; ++i) {
            CZAVPStatusBarPaneInfo* pPane = GetPanePtr(i);
            if (pPane == nullptr) {
                bResult = FALSE;
                break;
            }
            pPane->nID = lpIDArray[i];
            pPane->clrText = (COLORREF)-1;
            pPane->clrProgressBar = (COLORREF)-1;
            if (pPane->nID == 0) {
                pPane->cxText = ::GetSystemMetrics(SM_CXSCREEN) / kMessagePaneDivisor;
                if (i == 0) pPane->nStyle |= SBPS_STRETCH | SBPS_NOBORDERS;
                continue;
            }
            CString strText;
            if (!strText.LoadString(pPane->nID)) {
                bResult = FALSE;
                break;
            }
            SIZE size = {};
            ::GetTextExtentPoint32A(hdc, strText, strText.GetLength(), &size);
            pPane->cxText = size.cx;
            if (!SetPaneText(i, strText, FALSE)) {
                bResult = FALSE;
                break;
            }
        }
        ::SelectObject(hdc, hOldFont);
        ::ReleaseDC(nullptr, hdc);
    }
    RecalcLayout();
    return bResult;
}

BOOL CZAVPStatusBar::SetPaneText(int nIndex, LPCSTR lpszNewText, BOOL bUpdate)
{
    CZAVPStatusBarPaneInfo* pPane = GetPanePtr(nIndex);
    if (pPane == nullptr) return FALSE;
    if (pPane->lpszText != nullptr) {
        if (lpszNewText != nullptr && lstrcmpA(pPane->lpszText, lpszNewText) == 0)
            return TRUE;  // the same text repaints nothing
        delete[] pPane->lpszText;
        pPane->lpszText = nullptr;
    } else if (lpszNewText == nullptr || *lpszNewText == '\0')
        return TRUE;

    BOOL bResult = TRUE;
    if (lpszNewText != nullptr && *lpszNewText != '\0') {
        pPane->lpszText = CopyText(lpszNewText);
        bResult = pPane->lpszText != nullptr;
    }
    if (bUpdate) InvalidatePaneContent(nIndex);
    return bResult;
}

CString CZAVPStatusBar::GetPaneText(int nIndex) const
{
    const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(nIndex);
    return pPane != nullptr && pPane->lpszText != nullptr ? CString(pPane->lpszText) : CString();
}

CRect CZAVPStatusBar::GetPaneRect(int nIndex) const
{
    const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(nIndex);
    return pPane != nullptr ? CRect(pPane->rect) : CRect(0, 0, 0, 0);
}

UINT CZAVPStatusBar::GetPaneStyle(int nIndex) const
{
    const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(nIndex);
    return pPane != nullptr ? pPane->nStyle : 0;
}

CZAVPStatusBarPaneInfo* CZAVPStatusBar::HitTest(CPoint pt) const
{
    for (int i = 0; i < GetCount(); ++i) {
        CZAVPStatusBarPaneInfo* pPane = GetPanePtr(i);
        if (::PtInRect(&pPane->rect, pt)) return pPane;
    }
    return nullptr;
}

void CZAVPStatusBar::InvalidatePaneContent(int nIndex)
{
    const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(nIndex);
    if (pPane == nullptr || m_hWnd == nullptr) return;
    CRect rect = pPane->rect;
    if (pPane->nStyle & SBPS_NOBORDERS)
        rect.top -= 1;
    else
        rect.DeflateRect(1, 1);
    ::InvalidateRect(m_hWnd, &rect, FALSE);
    ::UpdateWindow(m_hWnd);
}

void CZAVPStatusBar::RecalcLayout()
{
    if (m_hWnd == nullptr) return;
    CRect rect;
    GetClientRect(rect);
    CalcInsideRect(rect, TRUE);

    int cxSizeBox = ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    CFrameWnd* pFrame = GetParentFrame();
    if ((pFrame != nullptr && ::IsZoomed(pFrame->GetSafeHwnd())) || !m_bSizeGrip) {
        cxSizeBox = 0;
    }
    std::vector<ZAVPStatusBarLayout::Pane> panes((size_t)GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(i);
        panes[(size_t)i].cxText = pPane->cxText;
        panes[(size_t)i].cxIcon = pPane->cxIcon;
        panes[(size_t)i].nStyle = pPane->nStyle;
    }
    const ZAVPStatusBarLayout::Result result = ZAVPStatusBarLayout::LayOut(
        panes, rect, cxSizeBox, m_cxDefaultGap, m_cxRightBorder, m_cyTopBorder);
    for (int i = 0; i < GetCount(); ++i) GetPanePtr(i)->rect = result.rects[(size_t)i];
    m_cxSizeBox = result.cxSizeBox;
    m_rectSizeBox = result.rectSizeBox;
}

CSize CZAVPStatusBar::CalcFixedLayout(BOOL, BOOL bHorz)
{
    HDC hdc = ::GetDC(nullptr);
    HGDIOBJ hOldFont = ::SelectObject(hdc, Font());
    TEXTMETRICA tm = {};
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOldFont);
    ::ReleaseDC(nullptr, hdc);

    int cyContent = tm.tmHeight;
    for (int i = 0; i < GetCount(); ++i) cyContent = std::max(cyContent, GetPanePtr(i)->cyIcon);
    CRect rectInsets(0, 0, 0, 0);
    CalcInsideRect(rectInsets, bHorz);
    return CSize(kStatusFullLength, cyContent - rectInsets.Height() + kHeightMargin);
}

void CZAVPStatusBar::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    ZAVPBufferedPaint buffer(pDCPaint, rectClient);
    CDC* pDC = buffer.DC();
    CZAVPControlBar::DoPaint(pDC);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), Font());
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF clrOldText = pDC->SetTextColor(globalData.clrBtnText);
    const COLORREF clrOldBk = ::SetBkColor(pDC->GetSafeHdc(), globalData.clrBtnFace);
    for (int i = 0; i < GetCount(); ++i) DrawPane(pDC, GetPanePtr(i));
    if (!m_rectSizeBox.IsRectEmpty())
        CZAVPVisualManager::GetInstance()->OnDrawStatusBarSizeBox(pDC, this, m_rectSizeBox);
    ::SetBkColor(pDC->GetSafeHdc(), clrOldBk);
    pDC->SetTextColor(clrOldText);
    pDC->SetBkMode(nOldMode);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
}

void CZAVPStatusBar::DrawPane(CDC* pDC, CZAVPStatusBarPaneInfo* pSBP)
{
    CRect rect = pSBP->rect;
    if (rect.IsRectEmpty() || !pDC->RectVisible(rect)) return;
    CZAVPVisualManager::GetInstance()->OnDrawStatusBarPaneBorder(pDC, this, rect, pSBP->nID,
                                                                 pSBP->nStyle);
    if ((pSBP->nStyle & SBPS_NOBORDERS) == 0) rect.DeflateRect(2, 1);
    if (pSBP->hImage != nullptr && pSBP->cxIcon > 0) {
        const int y = rect.top + std::max(0, (rect.Height() - pSBP->cyIcon) / 2);
        ImageList_DrawEx(pSBP->hImage, pSBP->nCurrFrame, pDC->GetSafeHdc(), rect.left, y,
                         pSBP->cxIcon, pSBP->cyIcon, CLR_NONE, 0, ILD_NORMAL);
    }
    CRect rectText = rect;
    rectText.left += pSBP->cxIcon + (pSBP->cxIcon > 0 ? ZAVPStatusBarLayout::kPaneMargin : 0);
    if (pSBP->nProgressTotal > 0) {
        rectText.DeflateRect(1, 1);
        CZAVPVisualManager::GetInstance()->OnDrawStatusBarProgress(
            pDC, this, rectText, pSBP->nProgressTotal, pSBP->nProgressCurr,
            pSBP->clrProgressBar == (COLORREF)-1 ? globalData.clrHilite : pSBP->clrProgressBar,
            pSBP->clrProgressBarDest, pSBP->clrProgressText, pSBP->bProgressText);
        return;
    }
    if (pSBP->lpszText != nullptr && pSBP->cxText > 0) {
        const COLORREF clr = (pSBP->nStyle & SBPS_DISABLED)  ? globalData.clrGrayedText
                             : pSBP->clrText == (COLORREF)-1 ? globalData.clrBtnText
                                                             : pSBP->clrText;
        const COLORREF clrOld = pDC->SetTextColor(clr);
        pDC->DrawText(pSBP->lpszText, -1, rectText, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        pDC->SetTextColor(clrOld);
    }
}

void CZAVPStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    if (pTarget == nullptr) return;
    CZAVPStatusCmdUI state;
    state.m_pOther = this;
    state.m_nIndexMax = (UINT)GetCount();
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; ++state.m_nIndex) {
        state.m_nID = GetPanePtr((int)state.m_nIndex)->nID;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

void CZAVPStatusBar::OnDestroy()
{
    ReleasePanes();
    // The control-bar part: the bar leaves its row and the dock manager's lists.
    CZAVPControlBar::OnDestroy();
}

void CZAVPStatusBar::OnSize(UINT nType, int cx, int cy)
{
    CZAVPControlBar::OnSize(nType, cx, cy);
    RecalcLayout();
    ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

LRESULT CZAVPStatusBar::OnNcHitTest(CPoint point)
{
    if (m_cxSizeBox > 0) {
        CRect rect;
        GetClientRect(rect);
        CalcInsideRect(rect, TRUE);
        const int cxGrip = std::min<int>(m_cxSizeBox - 1, rect.Height());
        CRect rectGrip(rect.right - cxGrip, rect.bottom - cxGrip, rect.right, rect.bottom);
        ClientToScreen(rectGrip);
        if (rectGrip.PtInRect(point)) return HTBOTTOMRIGHT;
    }
    return Default();
}

LRESULT CZAVPStatusBar::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    RecalcLayout();
    if (lParam)
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return 0;
}

LRESULT CZAVPStatusBar::OnGetFont(WPARAM, LPARAM) { return (LRESULT)Font(); }

namespace
{
int FirstTextPane(const CZAVPStatusBar& bar)
{
    for (int i = 0; i < bar.GetCount(); ++i)
        if (bar.GetPanePtr(i)->nID == 0) return i;
    return -1;
}
}  // namespace

// As the platform defines it: TRUE when the text was set, FALSE otherwise.
LRESULT CZAVPStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    const int iPane = FirstTextPane(*this);
    if (iPane < 0) return FALSE;
    return SetPaneText(iPane, reinterpret_cast<LPCSTR>(lParam), TRUE) ? TRUE : FALSE;
}

// As the platform defines it: the number of characters copied, the terminator not counted.
LRESULT CZAVPStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    LPSTR lpszDest = reinterpret_cast<LPSTR>(lParam);
    const size_t nMax = (size_t)wParam;
    if (nMax == 0 || lpszDest == nullptr) return 0;
    const int iPane = FirstTextPane(*this);
    const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(iPane);
    const char* pszText = pPane != nullptr && pPane->lpszText != nullptr ? pPane->lpszText : "";
    const size_t nCopy = std::min(std::strlen(pszText), nMax - 1);
    std::memcpy(lpszDest, pszText, nCopy);
    lpszDest[nCopy] = '\0';
    return (LRESULT)nCopy;
}

LRESULT CZAVPStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    const CZAVPStatusBarPaneInfo* pPane = GetPanePtr(FirstTextPane(*this));
    return pPane != nullptr && pPane->lpszText != nullptr ? (LRESULT)std::strlen(pPane->lpszText)
                                                          : 0;
}
