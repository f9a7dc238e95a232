// How the owner-drawn button paints itself: background, border, focus, image or glyph, text, and
// the tooltip that shows a caption too long for the button.
#include "ui/toolbars/CZAVPButton.h"

#include "framework/CDC.h"
#include "framework/CToolTipCtrl.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/CZAVPWinXPVisualManager.h"

namespace
{
const int kDrawImageGap = 5;
const int kTextIndent = 5;
const int kFocusInset = 2;

CString WindowText(HWND hwnd)
{
    CString strText;
    const int nLength = ::GetWindowTextLengthA(hwnd);
    char* psz = strText.GetBuffer(nLength + 1);
    ::GetWindowTextA(hwnd, psz, nLength + 1);
    strText.ReleaseBuffer();
    return strText;
}
}  // namespace

HFONT CZAVPButton::SelectFont(CDC*)
{
    return m_hFont != nullptr ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
}

HIMAGELIST CZAVPButton::ImagesFor(BOOL bDisabled, BOOL bHot) const
{
    const int set = m_bChecked ? 1 : 0;
    for (int s = set; s >= 0; --s) {
        if (bDisabled && m_ImageDisabled[s] != nullptr) return m_ImageDisabled[s];
        if (bHot && m_ImageHot[s] != nullptr) return m_ImageHot[s];
        if (m_Image[s] != nullptr) return m_Image[s];
    }
    return nullptr;
}

void CZAVPButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC dc;
    dc.Attach(lpDIS->hDC);
    CRect rectClient = lpDIS->rcItem;

    OnFillBackground(&dc, rectClient);
    OnDrawBorder(&dc, rectClient, lpDIS->itemState);
    if ((lpDIS->itemState & ODS_FOCUS) && m_bDrawFocus) OnDrawFocusRect(&dc, rectClient);

    HGDIOBJ hOldFont = ::SelectObject(lpDIS->hDC, SelectFont(&dc));
    const int nOldMode = dc.SetBkMode(TRANSPARENT);
    OnDraw(&dc, rectClient, lpDIS->itemState);
    dc.SetBkMode(nOldMode);
    ::SelectObject(lpDIS->hDC, hOldFont);
    dc.Detach();
}

void CZAVPButton::OnFillBackground(CDC* pDC, const CRect& rectClient)
{
    if (m_bTransparent)
        globalData.DrawParentBackground(this, pDC, const_cast<CRect*>(&rectClient));
    else
        pDC->FillSolidRect(rectClient,
                           m_clrFace == (COLORREF)-1 ? globalData.clrBtnFace : m_clrFace);

    if (m_bChecked && m_bHighlightChecked && !(m_bPushed && m_bHighlighted)) {
        CZAVPPainter painter(*pDC);
        painter.HighlightRect(rectClient);
    }
}

void CZAVPButton::OnDrawBorder(CDC* pDC, CRect& rectClient, UINT uiState)
{
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    if (pManager->IsKindOf(RUNTIME_CLASS(CZAVPWinXPVisualManager)) &&
        static_cast<CZAVPWinXPVisualManager*>(pManager)->DrawPushButton(pDC, rectClient, this,
                                                                        uiState))
    {
        rectClient.DeflateRect(2, 2);
        return;
    }
    const BOOL bDown = (m_bPushed && m_bHighlighted) || (uiState & ODS_SELECTED) ||
                       (m_bChecked && !m_bHighlightChecked);
    if (bDown) {
        pDC->Draw3dRect(rectClient, globalData.clrBtnDkShadow, globalData.clrBtnHilite);
        rectClient.DeflateRect(1, 1);
        pDC->Draw3dRect(rectClient, globalData.clrBtnShadow, globalData.clrBtnFace);
    } else {
        pDC->Draw3dRect(rectClient, globalData.clrBtnHilite, globalData.clrBtnDkShadow);
        rectClient.DeflateRect(1, 1);
        pDC->Draw3dRect(rectClient, globalData.clrBtnFace, globalData.clrBtnShadow);
    }
    rectClient.DeflateRect(1, 1);
}

void CZAVPButton::OnDrawFocusRect(CDC* pDC, const CRect& rectClient)
{
    CRect rectFocus = rectClient;
    rectFocus.DeflateRect(kFocusInset, kFocusInset);
    ::DrawFocusRect(pDC->GetSafeHdc(), &rectFocus);
}

void CZAVPButton::OnDraw(CDC* pDC, const CRect& rect, UINT uiState)
{
    const BOOL bDisabled = (uiState & ODS_DISABLED) != 0 || !::IsWindowEnabled(m_hWnd);
    CRect rectText = rect;
    CRect rectImage = rect;
    const BOOL bHasImage = m_sizeImage.cx > 0 && (m_nStdImageId >= 0 || ImagesFor(FALSE, FALSE));
    if (bHasImage) {
        const int cxColumn = m_sizeImage.cx + kDrawImageGap;
        if (m_bRightImage) {
            rectImage.left = rectImage.right - cxColumn;
            rectText.right = rectImage.left;
        } else {
            rectImage.right = rectImage.left + cxColumn;
            rectText.left = rectImage.right;
        }
    }

    if (bHasImage) {
        const int x = rectImage.left + (rectImage.Width() - m_sizeImage.cx) / 2;
        const int y = rectImage.top + (rectImage.Height() - m_sizeImage.cy) / 2;
        if (m_nStdImageId >= 0) {
            const int nGlyph = bDisabled && m_nStdImageDisabledId >= 0 ? m_nStdImageDisabledId
                                                                       : m_nStdImageId;
            const int nState = bDisabled && m_nStdImageDisabledId < 0
                                   ? CZAVPMenuGlyphs::StateGray
                                   : (m_bColorGlyph ? CZAVPMenuGlyphs::StateDarkGray
                                                    : CZAVPMenuGlyphs::StateBlack);
            CZAVPMenuGlyphs::Draw(pDC, nGlyph, POINT{x, y}, nState);
        } else if (HIMAGELIST hList = ImagesFor(bDisabled, m_bHighlighted))
            ImageList_Draw(hList, 0, pDC->GetSafeHdc(), x, y, ILD_NORMAL);
    }

    const CString strText = WindowText(m_hWnd);
    UINT uiFlags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    switch (m_nAlignStyle) {
    case ZAVPButtonKind::AlignRight:
        uiFlags |= DT_RIGHT;
        rectText.right -= kTextIndent;
        break;
    case ZAVPButtonKind::AlignCenter: uiFlags |= DT_CENTER; break;
    default: rectText.left += kTextIndent; break;
    }

    if (m_bRecheckCutText) {
        // A caption wider than its room becomes the tooltip, unless the caller set one.
        CRect rectNeeded(0, 0, 0, 0);
        pDC->DrawText(strText, rectNeeded, DT_SINGLELINE | DT_CALCRECT);
        const BOOL bCut = rectNeeded.Width() > rectText.Width();
        if (bCut && (m_strToolTip.IsEmpty() || m_bCutTextToolTip)) {
            SetTooltip(strText);
            m_bCutTextToolTip = TRUE;
        } else if (!bCut && m_bCutTextToolTip)
            SetTooltip(nullptr);
        m_bRecheckCutText = FALSE;
    }

    if (bDisabled && m_bGrayDisabled) {
        pDC->SetTextColor(globalData.clrBtnHilite);
        CRect rectShadow = rectText;
        rectShadow.OffsetRect(1, 1);
        OnDrawText(pDC, rectShadow, strText, uiFlags, uiState);
        pDC->SetTextColor(globalData.clrGrayedText);
    } else {
        COLORREF clr = m_clrText == (COLORREF)-1 ? globalData.clrBtnText : m_clrText;
        if (m_bHighlighted && m_clrHover != (COLORREF)-1) clr = m_clrHover;
        pDC->SetTextColor(clr);
    }
    OnDrawText(pDC, rectText, strText, uiFlags, uiState);
}

void CZAVPButton::OnDrawText(CDC* pDC, const CRect& rect, const CString& strText, UINT uiDTFlags,
                             UINT)
{
    CRect rectText = rect;
    pDC->DrawText(strText, rectText, uiDTFlags);
}
