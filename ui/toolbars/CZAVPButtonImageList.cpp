// The list of user images (see the header).
#include "ui/toolbars/CZAVPButtonImageList.h"

#include <algorithm>

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/toolbars/CZAVPToolBar.h"

BEGIN_MESSAGE_MAP(CZAVPButtonImageList, CButton)
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_VSCROLL()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_GETDLGCODE, &CZAVPButtonImageList::OnGetDlgCode)
END_MESSAGE_MAP()

namespace
{
const int kMarginX = 4;
const int kMarginY = 5;
const int kGap = 4;
}  // namespace

void CZAVPButtonImageList::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
}

int CZAVPButtonImageList::RowHeight() const { return CZAVPToolBar::m_sizeButton.cy + kMarginY; }

void CZAVPButtonImageList::SetImages(CZAVPImageStrip* pImages)
{
    m_pImages = pImages;
    RebuildLocations();
}

void CZAVPButtonImageList::RebuildLocations()
{
    m_rects.clear();
    if (m_hWnd == nullptr || m_pImages == nullptr) return;
    CRect rectClient;
    GetClientRect(rectClient);
    rectClient.DeflateRect(kMarginX, kMarginY);
    const CSize sizeButton = CZAVPToolBar::m_sizeButton;
    auto place = [&](int nRight) {
        m_rects.clear();
        int x = rectClient.left, y = rectClient.top;
        for (int i = 0; i < m_pImages->GetCount(); ++i) {
            if (x + sizeButton.cx > nRight && x > rectClient.left) {
                x = rectClient.left;
                y += RowHeight();
            }
            m_rects.emplace_back(x, y, x + sizeButton.cx, y + sizeButton.cy);
            x += sizeButton.cx + kGap;
        }
        return m_rects.empty() ? 0 : m_rects.back().bottom;
    };
    int nBottom = place(rectClient.right);
    if (nBottom > rectClient.bottom) {
        const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL);
        nBottom = place(rectClient.right - cxScroll);
        CRect rectScroll;
        GetClientRect(rectScroll);
        rectScroll.left = rectScroll.right - cxScroll;
        if (m_wndScrollBar.GetSafeHwnd() == nullptr)
            m_wndScrollBar.Create(SBS_VERT | WS_CHILD | WS_VISIBLE, rectScroll, this, 1);
        m_nScrollTotal = nBottom - rectClient.bottom;
        m_wndScrollBar.SetScrollRange(0, m_nScrollTotal);
    } else {
        m_nScrollTotal = 0;
        if (m_wndScrollBar.GetSafeHwnd() != nullptr) m_wndScrollBar.DestroyWindow();
    }
    m_nScrollOffset = std::min(m_nScrollOffset, m_nScrollTotal);
    Invalidate();
}

BOOL CZAVPButtonImageList::OnEraseBkgnd(CDC* /*pDC*/) { return TRUE; }

void CZAVPButtonImageList::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillSolidRect(rectClient, globalData.clrBtnFace);
    const BOOL bEnabled = IsWindowEnabled();
    if (m_pImages != nullptr && !m_rects.empty()) {
        CZAVPDrawState ds;
        if (m_pImages->PrepareDrawImage(ds)) {
            const CSize sizeImage = m_pImages->GetImageSize();
            for (int i = 0; i < (int)m_rects.size(); ++i) {
                CRect rect = m_rects[(size_t)i];
                rect.OffsetRect(0, -m_nScrollOffset);
                if (rect.bottom < rectClient.top || rect.top > rectClient.bottom) continue;
                m_pImages->Draw(pDC, rect.left + (rect.Width() - sizeImage.cx) / 2,
                                rect.top + (rect.Height() - sizeImage.cy) / 2, i, FALSE, !bEnabled);
                if (i == m_iSelected && bEnabled) {
                    if (m_bFocus) {
                        pDC->Draw3dRect(rect, globalData.clrBtnShadow, globalData.clrBtnHilite);
                    } else {
                        pDC->DrawFocusRect(rect);
                        CRect rectInner = rect;
                        rectInner.DeflateRect(1, 1);
                        pDC->DrawFocusRect(rectInner);
                    }
                }
            }
            m_pImages->EndDrawImage(ds);
        }
    }
    pDC->Draw3dRect(rectClient, globalData.clrBtnShadow, globalData.clrBtnHilite);
}

void CZAVPButtonImageList::EnsureVisible(int iImage)
{
    if (iImage < 0 || iImage >= (int)m_rects.size() || m_nScrollTotal == 0) return;
    CRect rectClient;
    GetClientRect(rectClient);
    const CRect& rect = m_rects[(size_t)iImage];
    if (rect.top - m_nScrollOffset < rectClient.top)
        m_nScrollOffset = rect.top - kMarginY;
    else if (rect.bottom - m_nScrollOffset > rectClient.bottom - kMarginY)
        m_nScrollOffset = rect.bottom - rectClient.bottom + kMarginY;
    m_nScrollOffset = std::clamp(m_nScrollOffset, 0, m_nScrollTotal);
    m_wndScrollBar.SetScrollPos(m_nScrollOffset);
}

void CZAVPButtonImageList::SelectImage(int iImage, BOOL bNotify)
{
    if (iImage >= (int)m_rects.size()) iImage = (int)m_rects.size() - 1;
    m_iSelected = iImage;
    EnsureVisible(iImage);
    Invalidate();
    if (bNotify)
        if (CWnd* pParent = GetParent())
            pParent->SendMessage(WM_COMMAND, (WPARAM)GetDlgCtrlID(), (LPARAM)m_hWnd);
}

void CZAVPButtonImageList::OnLButtonDown(UINT /*nFlags*/, CPoint point)
{
    SetFocus();
    point.y += m_nScrollOffset;
    for (int i = 0; i < (int)m_rects.size(); ++i)
        if (m_rects[(size_t)i].PtInRect(point)) {
            SelectImage(i, TRUE);
            return;
        }
}

void CZAVPButtonImageList::OnKeyDown(UINT nChar, UINT /*nRepCnt*/, UINT /*nFlags*/)
{
    const int nCount = (int)m_rects.size();
    if (nCount == 0) return;
    int iNew = m_iSelected;
    switch (nChar) {
    case VK_HOME: iNew = 0; break;
    case VK_END: iNew = nCount - 1; break;
    case VK_LEFT:
    case VK_UP: iNew = std::max(0, m_iSelected - 1); break;
    case VK_RIGHT:
    case VK_DOWN: iNew = std::min(nCount - 1, m_iSelected + 1); break;
    default: Default(); return;
    }
    if (iNew != m_iSelected) SelectImage(iNew, TRUE);
}

void CZAVPButtonImageList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* /*pScrollBar*/)
{
    CRect rectClient;
    GetClientRect(rectClient);
    const int nRow = RowHeight();
    const int nPage = std::max(1, rectClient.Height() / nRow) * nRow;
    int nOffset = m_nScrollOffset;
    switch (nSBCode) {
    case SB_LINEUP: nOffset -= nRow; break;
    case SB_LINEDOWN: nOffset += nRow; break;
    case SB_PAGEUP: nOffset -= nPage; break;
    case SB_PAGEDOWN: nOffset += nPage; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nOffset = ((int)nPos + nRow / 2) / nRow * nRow; break;
    case SB_TOP: nOffset = 0; break;
    case SB_BOTTOM: nOffset = m_nScrollTotal; break;
    default: return;
    }
    m_nScrollOffset = std::clamp(nOffset, 0, m_nScrollTotal);
    m_wndScrollBar.SetScrollPos(m_nScrollOffset);
    Invalidate();
}

void CZAVPButtonImageList::OnSetFocus(CWnd* /*pOldWnd*/)
{
    m_bFocus = TRUE;
    Invalidate();
}

void CZAVPButtonImageList::OnKillFocus(CWnd* /*pNewWnd*/)
{
    m_bFocus = FALSE;
    Invalidate();
}
