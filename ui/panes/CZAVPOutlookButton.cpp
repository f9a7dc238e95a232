// The outlook pane's large button (see the header).
#include "ui/panes/CZAVPOutlookButton.h"

#include <algorithm>

#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/panes/ZAVPOutlookPaneLayout.h"
#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CZAVPOutlookButton, CZAVPToolbarButton, VERSIONABLE_SCHEMA | 1)

namespace
{
// The label keeps the width of three spaces free beside it.
const char kLabelReserve[] = "   ";
// The shaded highlight on a high-colour background bitmap.
const int kHighlightPercent = 95;
const UINT kLabelFlags = DT_CENTER | DT_NOPREFIX;
}  // namespace

CZAVPOutlookButton::CZAVPOutlookButton()
    : m_nMinWidth(0), m_nMinHeight(0), m_pWndParentBar(nullptr), m_bIsWholeText(TRUE)
{
}

CZAVPOutlookButton::~CZAVPOutlookButton() = default;

BOOL CZAVPOutlookButton::CanBeDropped(CZAVPToolBar* pToolbar)
{
    return pToolbar != nullptr && pToolbar->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBarPane));
}

void CZAVPOutlookButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarButton::OnChangeParentWnd(pWndParent);
    m_pWndParentBar = pWndParent != nullptr &&
                              pWndParent->IsKindOf(RUNTIME_CLASS(CZAVPOutlookBarPane))
                          ? static_cast<CZAVPOutlookBarPane*>(pWndParent)
                          : nullptr;
}

void CZAVPOutlookButton::SetImage(int iImage)
{
    (m_bUserButton ? m_iUserImage : m_iImage) = iImage;
}

SIZE CZAVPOutlookButton::OnCalculateSize(CDC* pDC, const CSize& sizeDefault, BOOL bHorz)
{
    if (!IsVisible()) return CSize(0, 0);
    const BOOL bText = m_bText && !m_strText.IsEmpty();
    if (!bHorz) {
        const int cxAvailable = sizeDefault.cx -
                                pDC->GetTextExtent(kLabelReserve, sizeof kLabelReserve - 1).cx;
        int cyText = 0;
        if (bText) {
            CRect rectText(0, 0, std::max(1, cxAvailable), 0);
            pDC->DrawText(m_strText, rectText, DT_CALCRECT | DT_WORDBREAK | kLabelFlags);
            cyText = rectText.Height();
        }
        m_bIsWholeText = cxAvailable <= sizeDefault.cx;
        const int cx = std::max<int>(std::min<int>(sizeDefault.cx, cxAvailable), m_nMinWidth);
        return CSize(cx, sizeDefault.cy + cyText + kTextExtra);
    }
    // Across a horizontal pane the label goes beside the image, as narrow as it can wrap to
    // within the button's height.
    int cxText = 0;
    int cyText = 0;
    if (bText) {
        const int cxLine = pDC->GetTextExtent(m_strText, m_strText.GetLength()).cx;
        auto wrappedHeight = [&](int cx) {
            CRect rect(0, 0, cx, 0);
            pDC->DrawText(m_strText, rect, DT_CALCRECT | DT_WORDBREAK | kLabelFlags);
            return rect.Height();
        };
        cxText = ZAVPOutlookPaneLayout::FitTextWidth(1, cxLine, sizeDefault.cy, wrappedHeight);
        cyText = wrappedHeight(cxText);
    }
    m_bIsWholeText = TRUE;
    return CSize(sizeDefault.cx + cxText + kTextExtra,
                 std::max<int>(std::min<int>(sizeDefault.cy, cyText), m_nMinHeight));
}

void CZAVPOutlookButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz,
                                BOOL bCustomizeMode, BOOL bHighlight, BOOL, BOOL)
{
    m_bHorz = bHorz;
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    const BOOL bDisabled = (m_nStyle & TBBS_DISABLED) != 0 && !bCustomizeMode;
    const BOOL bPressed = (m_nStyle & TBBS_PRESSED) != 0;
    const BOOL bChecked = (m_nStyle & TBBS_CHECKED) != 0;
    const BOOL bHighColorPane = m_pWndParentBar != nullptr &&
                                m_pWndParentBar->IsHighColorBackground();

    const CSize sizeImage = pImages != nullptr ? CSize(pImages->GetImageSize()) : CSize(0, 0);
    CRect rectImage(rect.TopLeft(), sizeImage);
    if (!bHorz)
        rectImage.OffsetRect((rect.Width() - sizeImage.cx) / 2, kContentMargin);
    else
        rectImage.OffsetRect(kContentMargin, (rect.Height() - sizeImage.cy) / 2);

    // The frame goes round the image, where the button reacts.
    CRect rectFrame = rectImage;
    rectFrame.InflateRect(2, 2);
    if (bHighlight || bPressed || bChecked) {
        if (bHighColorPane) {
            CZAVPPainter painter(*pDC);
            painter.HighlightRect(rectFrame, kHighlightPercent);
        } else {
            const int state = bPressed || bChecked ? CZAVPVisualManager::ButtonsIsPressed
                                                   : CZAVPVisualManager::ButtonsIsHighlighted;
            pManager->OnDrawButtonBorder(pDC, this, rectFrame, state);
        }
    }
    if (pImages != nullptr && m_bImage && GetImage() >= 0) {
        const int nOffset = bPressed ? 1 : 0;
        pImages->Draw(pDC, rectImage.left + nOffset, rectImage.top + nOffset, GetImage(), FALSE,
                      bDisabled);
    }
    if (!m_bText || m_strText.IsEmpty()) return;

    COLORREF clrText = m_pWndParentBar != nullptr ? m_pWndParentBar->GetRegularColor()
                                                  : (COLORREF)-1;
    if (bDisabled || clrText == (COLORREF)-1)
        clrText = pManager->GetToolbarButtonTextColor(this, CZAVPVisualManager::ButtonsIsRegular);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    CRect rectText = rect;
    if (!bHorz)
        rectText.top = rectImage.bottom + kContentMargin;
    else
        rectText.left = rectImage.right + kContentMargin;
    pDC->DrawText(m_strText, rectText,
                  m_bIsWholeText ? (kLabelFlags | DT_WORDBREAK)
                                 : (kLabelFlags | DT_SINGLELINE | DT_END_ELLIPSIS));
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}
