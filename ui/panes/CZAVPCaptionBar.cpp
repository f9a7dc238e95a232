// The caption bar window: measures, lays out through ZAVPCaptionBarLayout, draws through the
// visual manager and runs its one button.
#include "ui/panes/CZAVPCaptionBar.h"

#include <algorithm>

#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/ZAVPMouseLeave.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

// Saved states name the bar by its class: it comes back only that way.
IMPLEMENT_SERIAL(CZAVPCaptionBar, CZAVPControlBar, VERSIONABLE_SCHEMA | 1)

BEGIN_MESSAGE_MAP(CZAVPCaptionBar, CZAVPControlBar)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_SYSCOLORCHANGE()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_RBUTTONUP()
ON_MESSAGE(WM_SETFONT, &CZAVPCaptionBar::OnSetFont)
ON_MESSAGE(WM_GETFONT, &CZAVPCaptionBar::OnGetFont)
ON_MESSAGE(WM_MOUSELEAVE, &CZAVPCaptionBar::OnMouseLeave)
END_MESSAGE_MAP()

namespace
{
const UINT kCaptionTextFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
const int kBorderWiden = 2;  // the border strips reach past the window's sides
const int kDefaultSpacing = 4;
}  // namespace

CZAVPCaptionBar::CZAVPCaptionBar()
    : m_clrBarText((COLORREF)-1), m_clrBarBackground((COLORREF)-1), m_clrBarBorder((COLORREF)-1),
      m_hIcon(nullptr), m_bStretchImage(FALSE), m_nBmpAlignment(ZAVPCaptionBarLayout::AlignLeft),
      m_hFont(nullptr), m_nMessageAlignment(ZAVPCaptionBarLayout::AlignLeft), m_uiBtnID(0),
      m_nBtnAlignment(ZAVPCaptionBarLayout::AlignLeft), m_bIsBtnForcePressed(FALSE),
      m_bBtnHasDropDownArrow(TRUE), m_nBorderSize(kDefaultSpacing), m_nMargin(kDefaultSpacing),
      m_nHorzElementOffset(kDefaultSpacing), m_nDefaultHeight(-1), m_bFlatBorder(FALSE),
      m_rectImage(0, 0, 0, 0), m_rectText(0, 0, 0, 0), m_rectDrawText(0, 0, 0, 0),
      m_rectButton(0, 0, 0, 0), m_bIsBtnPressed(FALSE), m_bIsBtnHighlighted(FALSE),
      m_bTracked(FALSE), m_nCurrentHeight(0), m_nReserved(-1)
{
}

CZAVPCaptionBar::~CZAVPCaptionBar() = default;

BOOL CZAVPCaptionBar::Create(DWORD dwStyle, CWnd* pParentWnd, UINT uID, int nHeight)
{
    SetBarStyle(CBRS_ALIGN_TOP);
    m_nDefaultHeight = nHeight;
    return CZAVPControlBar::Create(nullptr, dwStyle | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), pParentWnd,
                                   uID, 0);
}

int CZAVPCaptionBar::OnCreate(LPCREATESTRUCT lpcs)
{
    return CZAVPBaseControlBar::OnCreate(lpcs) == -1 ? -1 : 0;
}

// ---- size and layout

CSize CZAVPCaptionBar::GetImageSize() const
{
    if (m_Bitmap.GetCount() > 0) return CSize(m_Bitmap.GetImageSize());
    if (m_hIcon == nullptr) return CSize(0, 0);
    ICONINFO info = {};
    if (!::GetIconInfo(m_hIcon, &info)) return CSize(0, 0);
    CSize size(0, 0);
    BITMAP bmp = {};
    if (info.hbmColor != nullptr && ::GetObject(info.hbmColor, sizeof(bmp), &bmp) != 0)
        size = CSize(bmp.bmWidth, bmp.bmHeight);
    if (info.hbmColor) ::DeleteObject(info.hbmColor);
    if (info.hbmMask) ::DeleteObject(info.hbmMask);
    return size;
}

int CZAVPCaptionBar::CalcHeight()
{
    TEXTMETRICA tm = {};
    HDC hdc = ::GetDC(m_hWnd);
    HFONT hFont = m_hFont ? m_hFont : (HFONT)globalData.fontRegular.GetSafeHandle();
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    ::GetTextMetricsA(hdc, &tm);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(m_hWnd, hdc);
    m_nCurrentHeight = ZAVPCaptionBarLayout::CalcHeight(tm.tmHeight, GetImageSize(), m_nBorderSize,
                                                        m_nMargin, m_nDefaultHeight);
    return m_nCurrentHeight;
}

CSize CZAVPCaptionBar::CalcFixedLayout(BOOL, BOOL)
{
    RecalcLayout();
    return CSize(kStretchLength, CalcHeight());
}

void CZAVPCaptionBar::AdjustLayout()
{
    if (GetSafeHwnd() == nullptr) return;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != nullptr) pFrame->RecalcLayout(TRUE);
    RecalcLayout();
}

void CZAVPCaptionBar::RecalcLayout()
{
    if (GetSafeHwnd() == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);

    CClientDC dc(this);
    HFONT hFont = m_hFont ? m_hFont : (HFONT)globalData.fontRegular.GetSafeHandle();
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hFont);

    ZAVPCaptionBarLayout::Inputs in;
    in.rectClient = rectClient;
    in.nMargin = m_nMargin;
    in.nHorzSpace = m_nHorzElementOffset;
    in.bHasImage = m_hIcon != nullptr || m_Bitmap.GetCount() > 0;
    in.sizeImage = GetImageSize();
    in.bStretchImage = m_bStretchImage;
    in.nImageAlign = m_nBmpAlignment;
    in.bHasButton = !m_strBtnText.IsEmpty();
    if (in.bHasButton) in.cxButtonText = dc.GetTextExtent(m_strBtnText).cx;
    in.bButtonDropDown = HasButtonArrow();
    in.nButtonAlign = m_nBtnAlignment;
    in.bHasText = !m_strMessage.IsEmpty();
    if (in.bHasText) {
        CRect rectMeasure = rectClient;
        dc.DrawText(m_strMessage, rectMeasure, DT_CALCRECT | DT_VCENTER);
        in.sizeText = rectMeasure.Size();
    }
    in.nTextAlign = m_nMessageAlignment;
    ::SelectObject(dc.GetSafeHdc(), hOld);

    // A bar without a button text has no button: nothing to draw or hit there.
    if (!in.bHasButton) m_rectButton.SetRectEmpty();
    ZAVPCaptionBarLayout::Result result;
    result.rectImage = m_rectImage;
    result.rectButton = m_rectButton;
    result.rectText = m_rectText;
    result.rectDrawText = m_rectDrawText;
    ZAVPCaptionBarLayout::Layout(in, result);
    m_rectImage = result.rectImage;
    m_rectButton = result.rectButton;
    m_rectText = result.rectText;
    m_rectDrawText = result.rectDrawText;
}

void CZAVPCaptionBar::OnSize(UINT nType, int cx, int cy)
{
    CZAVPControlBar::OnSize(nType, cx, cy);
    RecalcLayout();
    Invalidate();
}

LRESULT CZAVPCaptionBar::OnSetFont(WPARAM wParam, LPARAM)
{
    m_hFont = (HFONT)wParam;
    RecalcLayout();
    return 0;
}

LRESULT CZAVPCaptionBar::OnGetFont(WPARAM, LPARAM) { return (LRESULT)m_hFont; }

// ---- drawing

void CZAVPCaptionBar::OnDrawBackground(CDC* pDC, CRect rect)
{
    CZAVPVisualManager::GetInstance()->OnFillBarBackground(pDC, this, rect, rect);
}

void CZAVPCaptionBar::OnDrawBorder(CDC* pDC, CRect rect)
{
    rect.InflateRect(kBorderWiden, 0);
    CZAVPVisualManager::GetInstance()->OnFillCaptionBarButton(pDC, this, rect, m_clrBarBorder,
                                                              m_bFlatBorder);
}

void CZAVPCaptionBar::OnDrawText(CDC* pDC, CRect rect, const CString& strText)
{
    pDC->DrawText(strText, rect, kCaptionTextFormat);
}

void CZAVPCaptionBar::OnDrawImage(CDC* pDC, CRect rect)
{
    if (m_hIcon != nullptr) {
        ::DrawIconEx(pDC->GetSafeHdc(), rect.left, rect.top, m_hIcon, rect.Width(), rect.Height(),
                     0, nullptr, DI_NORMAL);
        return;
    }
    if (m_Bitmap.GetCount() <= 0) return;
    CZAVPDrawState ds;
    if (!m_Bitmap.PrepareDrawImage(ds, rect.Size())) return;
    m_Bitmap.Draw(pDC, rect.left, rect.top, 0);
    m_Bitmap.EndDrawImage(ds);
}

void CZAVPCaptionBar::OnDrawButton(CDC* pDC, CRect rect, const CString& strButton, BOOL bDropDown)
{
    const BOOL bArrow = bDropDown && m_uiBtnID != 0;
    CRect rectText = rect;
    rectText.DeflateRect(m_nHorzElementOffset, 0);
    if (bArrow) rectText.right -= ZAVPCaptionBarLayout::kDropDownWidth;
    pDC->DrawText(strButton, rectText, kCaptionTextFormat);
    if (!bArrow) return;

    // A small downward triangle in the freed strip, in the text colour.
    const COLORREF clr = pDC->GetTextColor();
    const int cx = 5, cy = 3;
    const int x = rectText.right + (ZAVPCaptionBarLayout::kDropDownWidth - cx) / 2;
    const int y = rect.top + (rect.Height() - cy) / 2;
    const POINT pts[3] = {{x, y}, {x + cx - 1, y}, {x + cx / 2, y + cy - 1}};
    CBrush brush(clr);
    CPen pen(PS_SOLID, 1, clr);
    CBrush* pOldBrush = pDC->SelectObject(&brush);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Polygon(pts, 3);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);

    if (m_bIsBtnPressed || m_bIsBtnForcePressed)
        pDC->Draw3dRect(rect, ::GetSysColor(COLOR_3DDKSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    else if (m_bIsBtnHighlighted)
        pDC->Draw3dRect(rect, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
}

void CZAVPCaptionBar::OnPaint()
{
    CPaintDC dc(this);
    const int nSaved = dc.SaveDC();
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_clrBarText != (COLORREF)-1
                        ? m_clrBarText
                        : CZAVPVisualManager::GetInstance()->GetCaptionBarTextColor(this));
    ::SelectObject(dc.GetSafeHdc(),
                   m_hFont ? m_hFont : (HFONT)globalData.fontRegular.GetSafeHandle());
    OnDrawButton(&dc, m_rectButton, m_strBtnText, m_bBtnHasDropDownArrow);
    OnDrawText(&dc, m_rectDrawText, m_strMessage);
    OnDrawImage(&dc, m_rectImage);
    dc.RestoreDC(nSaved);
}

BOOL CZAVPCaptionBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    OnDrawBackground(pDC, rectClient);
    return TRUE;
}

void CZAVPCaptionBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    lpncsp->rgrc[0].top += m_nBorderSize;
    lpncsp->rgrc[0].bottom -= m_nBorderSize;
}

void CZAVPCaptionBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow, rectClient;
    GetWindowRect(rectWindow);
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    OnDrawBorder(&dc, CRect(rectWindow.left, rectWindow.top, rectWindow.right,
                            rectWindow.top + m_nBorderSize));
    OnDrawBorder(&dc, CRect(rectWindow.left, rectWindow.bottom - m_nBorderSize, rectWindow.right,
                            rectWindow.bottom));
}

// ---- the button and the mouse

CWnd* CZAVPCaptionBar::CommandTarget() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != nullptr ? pOwner : GetParent();
}

void CZAVPCaptionBar::RedrawButton()
{
    InvalidateRect(m_rectButton);
    UpdateWindow();
}

void CZAVPCaptionBar::OnMouseMove(UINT nFlags, CPoint point)
{
    CZAVPControlBar::OnMouseMove(nFlags, point);
    if (!HasButtonArrow()) return;
    const BOOL bHot = m_rectButton.PtInRect(point);
    if (bHot != m_bIsBtnHighlighted) {
        m_bIsBtnHighlighted = bHot;
        m_bIsBtnPressed = (nFlags & MK_LBUTTON) != 0 && bHot;
        RedrawButton();
    }
    if (!m_bTracked) {
        m_bTracked = TRUE;
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, HOVER_DEFAULT};
        TrackMouseLeave(&tme);
    }
}

LRESULT CZAVPCaptionBar::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracked = FALSE;
    if (m_bIsBtnPressed || m_bIsBtnHighlighted) {
        m_bIsBtnPressed = m_bIsBtnHighlighted = FALSE;
        RedrawButton();
    }
    return 0;
}

void CZAVPCaptionBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    CZAVPControlBar::OnLButtonDown(nFlags, point);
    if (!HasButtonArrow() || !m_bIsBtnHighlighted) return;
    m_bIsBtnPressed = TRUE;
    RedrawButton();
    // The command goes on the press: the drop-down it opens is then under the held button.
    if (CWnd* pTarget = CommandTarget()) pTarget->SendMessage(WM_COMMAND, m_uiBtnID, 0);
}

void CZAVPCaptionBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bIsBtnPressed) {
        m_bIsBtnPressed = FALSE;
        RedrawButton();
    }
    CZAVPControlBar::OnLButtonUp(nFlags, point);
}

void CZAVPCaptionBar::OnRButtonUp(UINT nFlags, CPoint point)
{
    if (ZAVPSharedBarData::g_bCustomizeMode) {
        Default();
        return;
    }
    (void)nFlags;
    ClientToScreen(&point);
    if (CWnd* pTarget = CommandTarget())
        pTarget->SendMessage(ZAVPToolBarMessages::PopupMenu, (WPARAM)m_hWnd,
                             MAKELPARAM(point.x, point.y));
}
