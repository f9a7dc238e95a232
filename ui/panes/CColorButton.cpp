// A button of the colour bar (see CColorButton.h).
#include "ui/panes/CColorButton.h"

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CColorButton, CZAVPToolbarButton, 1)

namespace
{
const UINT kColorPressedOrChecked = TBBS_PRESSED | TBBS_CHECKED;  // 0x30000
const UINT kRowFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
const DWORD kPaletteRelative = 0x02000000;
}  // namespace

CColorButton::CColorButton()
    : CColorButton((COLORREF)-1, FALSE, FALSE, nullptr, FALSE, FALSE, FALSE)
{
}

CColorButton::CColorButton(COLORREF color, BOOL bIsAutomatic, BOOL bIsOther, LPCSTR lpszText,
                           BOOL bHighlight, BOOL bIsDocument, BOOL bIsCustomPreview)
    : m_Color(color), m_bHighlight(bHighlight), m_bIsAutomatic(bIsAutomatic), m_bIsOther(bIsOther),
      m_bIsLabel(FALSE), m_bIsDocument(bIsDocument), m_bIsCustomPreview(bIsCustomPreview),
      m_pParentBar(nullptr)
{
    m_strText = lpszText != nullptr ? lpszText : "";
    m_bText = FALSE;
    m_bImage = FALSE;
    m_bLocked = TRUE;
}

CColorButton::CColorButton(LPCSTR lpszText, BOOL bIsDocument)
    : CColorButton((COLORREF)-1, FALSE, FALSE, lpszText, FALSE, bIsDocument, FALSE)
{
    m_bIsLabel = TRUE;
}

void CColorButton::CopyFrom(const CZAVPToolbarButton& src)
{
    CZAVPToolbarButton::CopyFrom(src);
    const CColorButton* pSrc = dynamic_cast<const CColorButton*>(&src);
    if (pSrc == nullptr) return;
    m_Color = pSrc->m_Color;
    m_bHighlight = pSrc->m_bHighlight;
    m_bIsAutomatic = pSrc->m_bIsAutomatic;
    m_bIsOther = pSrc->m_bIsOther;
    m_bIsLabel = pSrc->m_bIsLabel;
    m_bIsDocument = pSrc->m_bIsDocument;
    m_bIsCustomPreview = pSrc->m_bIsCustomPreview;
}

void CColorButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pParentBar = dynamic_cast<CZAVPColorBar*>(pWndParent);
}

BOOL CColorButton::GetCustomToolTipText(CString& strToolTip)
{
    if ((m_nStyle & TBBS_DISABLED) || !CZAVPToolBar::m_bShowTooltips) return FALSE;
    if (!IsCell()) {
        strToolTip = m_strText;
        strToolTip.Remove('&');
        return !strToolTip.IsEmpty();
    }
    if (CZAVPColorBar::GetColorName(m_Color, strToolTip)) return TRUE;
    strToolTip.Format("Hex={%02X,%02X,%02X}", GetRValue(m_Color), GetGValue(m_Color),
                      GetBValue(m_Color));
    return TRUE;
}

void CColorButton::DrawEtched(CDC* pDC, const CRect& rect)
{
    pDC->Draw3dRect(rect, globalData.clrBarHilite, globalData.clrBarShadow);
    CRect rectInner = rect;
    rectInner.OffsetRect(1, 1);
    pDC->Draw3dRect(rectInner, globalData.clrBarShadow, globalData.clrBarHilite);
}

void CColorButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip*, BOOL, BOOL,
                          BOOL bHighlight, BOOL, BOOL)
{
    CPalette* pOldPalette = nullptr;
    if (m_pParentBar != nullptr) pOldPalette = m_pParentBar->SelectPalette(pDC);

    if (m_bHighlight)
        m_nStyle |= TBBS_CHECKED;
    else
        m_nStyle &= ~TBBS_CHECKED;
    FillInterior(pDC, rect, bHighlight);
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0;
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    if (!bDisabled && !m_bIsLabel && (bHighlight || (m_nStyle & kColorPressedOrChecked))) {
        const int nState = (m_nStyle & kColorPressedOrChecked)
                               ? CZAVPVisualManager::ButtonsIsPressed
                               : CZAVPVisualManager::ButtonsIsHighlighted;
        pManager->OnDrawButtonBorder(pDC, this, rect, nState);
    }

    CRect rectInner = rect;
    const int nBorder = 2 * ::GetSystemMetrics(SM_CXBORDER);
    rectInner.DeflateRect(nBorder, nBorder);

    if (IsCell()) {
        if (!bDisabled) {
            CBrush brush(kPaletteRelative | m_Color);
            const HGDIOBJ hOldPen = ::SelectObject(pDC->GetSafeHdc(), ::GetStockObject(NULL_PEN));
            const HGDIOBJ hOldBrush = ::SelectObject(pDC->GetSafeHdc(), brush.GetSafeHandle());
            ::Rectangle(pDC->GetSafeHdc(), rectInner.left, rectInner.top, rectInner.right + 1,
                        rectInner.bottom + 1);
            ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
            ::SelectObject(pDC->GetSafeHdc(), hOldPen);
            pDC->Draw3dRect(rectInner, globalData.clrBarShadow, globalData.clrBarShadow);
        } else {
            DrawEtched(pDC, rectInner);
        }
    } else {
        CRect rectText = rectInner;
        if (m_bIsAutomatic && m_Color != (COLORREF)-1) {
            const int nSide = rectInner.Height() - 2 * (nBorder + 1);
            CRect rectSwatch(rectInner.left + nBorder + 1, rectInner.top + nBorder + 1,
                             rectInner.left + nBorder + 1 + nSide,
                             rectInner.top + nBorder + 1 + nSide);
            if (!bDisabled) {
                pDC->FillSolidRect(rectSwatch, kPaletteRelative | m_Color);
                pDC->Draw3dRect(rectSwatch, globalData.clrBarShadow, globalData.clrBarShadow);
            } else {
                DrawEtched(pDC, rectSwatch);
            }
            rectText.left = rectSwatch.right + nBorder;
        }
        const HGDIOBJ hOldFont = globalData.fontRegular.GetSafeHandle() != nullptr
                                     ? ::SelectObject(pDC->GetSafeHdc(),
                                                      globalData.fontRegular.GetSafeHandle())
                                     : nullptr;
        const COLORREF clrOld = pDC->SetTextColor(
            bDisabled && !m_bIsLabel ? globalData.clrGrayedText : globalData.clrBarText);
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strText, rectText, kRowFormat | (m_bIsLabel ? DT_LEFT : DT_CENTER));
        pDC->SetBkMode(nOldMode);
        pDC->SetTextColor(clrOld);
        if (hOldFont != nullptr) ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    }
    if (pOldPalette != nullptr) pDC->SelectPalette(pOldPalette, FALSE);
}
