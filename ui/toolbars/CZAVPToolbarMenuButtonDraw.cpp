// The menu button's drawing: a drop-down button on a toolbar, or an item of a popup menu with its
// image column, check mark, text, accelerator and sub-menu arrow.
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

#include "framework/CDC.h"
#include "framework/CWnd.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPKeyboardManager.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPUserToolsManager.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPUserTool.h"
#include "ui/toolbars/ZAVPMenuButtonGeometry.h"

namespace
{
const int kMenuTextGap = 4;     // between the image column and the text, and before the arrow
const int kAcceleratorGap = 8;  // right of the accelerator text
const int kCheckFrameHighlighted = 2;
const int kCheckFrameRegular = 1;
const UINT kDrawSysCommandFirst = 0xF000;
const UINT kDrawSysCommandEnd = 0xF1F0;

CPoint CentredGlyph(const CRect& rect)
{
    const CSize size = CZAVPMenuGlyphs::GetSize();
    return CPoint(rect.left + (rect.Width() - size.cx) / 2,
                  rect.top + (rect.Height() - size.cy) / 2);
}

const int kBulletSize = 6;

// A round bullet centred in the rectangle (no glyph of the library has one).
void DrawRadioBullet(CDC* pDC, const CRect& rect, COLORREF clr)
{
    const CPoint ptCentre = rect.CenterPoint();
    const CRect rectBullet(ptCentre.x - kBulletSize / 2, ptCentre.y - kBulletSize / 2,
                           ptCentre.x + kBulletSize / 2, ptCentre.y + kBulletSize / 2);
    HBRUSH hBrush = ::CreateSolidBrush(clr);
    HPEN hPen = ::CreatePen(PS_SOLID, 1, clr);
    HGDIOBJ hOldBrush = ::SelectObject(pDC->GetSafeHdc(), hBrush);
    HGDIOBJ hOldPen = ::SelectObject(pDC->GetSafeHdc(), hPen);
    pDC->Ellipse(rectBullet);
    ::SelectObject(pDC->GetSafeHdc(), hOldPen);
    ::SelectObject(pDC->GetSafeHdc(), hOldBrush);
    ::DeleteObject(hPen);
    ::DeleteObject(hBrush);
}

// The glyph that stands for a system-menu command without an image, -1 for others.
int SystemGlyph(UINT uiID)
{
    switch (uiID) {
    case SC_MINIMIZE: return CZAVPMenuGlyphs::IdMinimize;
    case SC_MAXIMIZE: return CZAVPMenuGlyphs::IdMaximize;
    case SC_RESTORE: return CZAVPMenuGlyphs::IdRestore;
    case SC_CLOSE: return CZAVPMenuGlyphs::IdClose;
    default: return -1;
    }
}
}  // namespace

void CZAVPToolbarMenuButton::GetImageColumnRect(CRect& rect) const
{
    const CSize sizeImage = CZAVPToolBar::GetMenuImageSize();
    rect = ZAVPMenuButtonGeometry::ImageColumn(
        m_rect, sizeImage.cx, CZAVPVisualManager::GetInstance()->GetMenuImageMargin());
}

void CZAVPToolbarMenuButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                                    BOOL bHorz, BOOL bCustomizeMode, BOOL bHighlight,
                                    BOOL bDrawBorder, BOOL bGrayDisabledButtons)
{
    if (m_bMenuMode) {
        DrawMenuItem(pDC, rect, pImages, bCustomizeMode, bHighlight, bGrayDisabledButtons);
        return;
    }
    if (m_bMenuPaletteMode) m_nStyle &= ~TBBS_CHECKED;
    const BOOL bHot = bHighlight || IsDroppedDown();
    if (!m_bDrawDownArrow) {
        CZAVPToolbarButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHot, bDrawBorder,
                                   bGrayDisabledButtons);
        return;
    }

    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    CRect rectInner = rect;
    const CSize sizeExtra = m_bExtraSize ? CSize(pManager->GetButtonExtraBorder()) : CSize(0, 0);
    rectInner.DeflateRect(sizeExtra.cx / 2, sizeExtra.cy / 2);
    const CSize sizeGlyph = CZAVPMenuGlyphs::GetSize();
    const int nScale = CZAVPToolBar::IsLargeIcons() ? 2 : 1;
    CRect rectArrow = rectInner;
    CRect rectBody = rect;
    if (bHorz) {
        rectArrow.left = rectInner.right - sizeGlyph.cx * nScale;
        rectBody.right = rectArrow.left;
    } else {
        rectArrow.top = rectInner.bottom - sizeGlyph.cy * nScale;
        rectBody.bottom = rectArrow.top;
    }
    FillInterior(pDC, rect, bHot);
    const BOOL bFill = m_bDisableFill;
    m_bDisableFill = TRUE;
    CZAVPToolbarButton::OnDraw(pDC, rectBody, pImages, bHorz, bCustomizeMode, bHot, bDrawBorder,
                               bGrayDisabledButtons);
    m_bDisableFill = bFill;
    const int nState = (m_nStyle & TBBS_DISABLED) ? CZAVPMenuGlyphs::StateGray
                                                  : CZAVPMenuGlyphs::StateBlack;
    CZAVPMenuGlyphs::Draw(pDC,
                          m_iDownArrow != 0 || bHorz ? CZAVPMenuGlyphs::IdArrowDown
                                                     : CZAVPMenuGlyphs::IdArrowRight,
                          CentredGlyph(rectArrow), nState);
}

void CZAVPToolbarMenuButton::DrawMenuItem(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages,
                                          BOOL bCustomizeMode, BOOL bHighlight,
                                          BOOL bGrayDisabledButtons)
{
    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    const BOOL bDisabled = bCustomizeMode ? !IsEditable() : (m_nStyle & TBBS_DISABLED) != 0;
    const BOOL bNoImage = GetCommandManager()->IsMenuImageHidden(m_nID);
    CZAVPUserTool* pUserTool = g_pUserToolsManager != nullptr ? g_pUserToolsManager->FindTool(m_nID)
                                                              : nullptr;

    FillInterior(pDC, rect, bHighlight);

    CRect rectImage;
    GetImageColumnRect(rectImage);
    rectImage.top = rect.top;
    rectImage.bottom = rect.bottom;
    BOOL bImageDrawn = FALSE;
    if (!bNoImage && pUserTool != nullptr) {
        const CSize sizeIcon(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON));
        pUserTool->DrawToolIcon(
            pDC, CRect(CPoint(rectImage.left + (rectImage.Width() - sizeIcon.cx) / 2,
                              rectImage.top + (rectImage.Height() - sizeIcon.cy) / 2),
                       sizeIcon));
        bImageDrawn = TRUE;
    } else if (!bNoImage && pImages != nullptr && GetImage() >= 0) {
        const CSize sizeImage = pImages->GetImageSize();
        const CPoint pt(rectImage.left + (rectImage.Width() - sizeImage.cx) / 2,
                        rectImage.top + (rectImage.Height() - sizeImage.cy) / 2);
        if (m_nStyle & TBBS_CHECKED)
            pManager->OnDrawMenuImageRectBorder(pDC, this, rectImage,
                                                CZAVPVisualManager::ButtonsIsPressed);
        pImages->Draw(pDC, pt.x, pt.y, GetImage(), FALSE, bDisabled && bGrayDisabledButtons);
        bImageDrawn = TRUE;
    }
    if (!bImageDrawn) {
        int nGlyph = -1;
        if (m_nStyle & TBBS_CHECKED)
            nGlyph = CZAVPMenuGlyphs::IdCheck;
        else if (m_nID >= kDrawSysCommandFirst && m_nID < kDrawSysCommandEnd)
            nGlyph = SystemGlyph(m_nID);
        if (nGlyph >= 0) {
            if (m_nStyle & TBBS_CHECKED) {
                CRect rectFrame = rectImage;
                rectFrame.DeflateRect(1, 1);
                pManager->OnDrawButtonBorder(
                    pDC, this, rectFrame, bHighlight ? kCheckFrameHighlighted : kCheckFrameRegular);
            }
            if ((m_nStyle & TBBS_CHECKED) && m_bIsRadio)
                DrawRadioBullet(pDC, rectImage,
                                bDisabled ? globalData.clrGrayedText : globalData.clrMenuText);
            else
                CZAVPMenuGlyphs::Draw(pDC, nGlyph, CentredGlyph(rectImage),
                                      bDisabled ? CZAVPMenuGlyphs::StateGray
                                                : CZAVPMenuGlyphs::StateBlack);
        }
    }

    COLORREF clrText = bDisabled    ? globalData.clrGrayedText
                       : bHighlight ? globalData.clrTextHilite
                                    : globalData.clrMenuText;
    if (bHighlight && !bDisabled) pManager->OnHighlightMenuItem(pDC, this, rect, clrText);
    const COLORREF clrOld = pDC->SetTextColor(clrText);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);

    CString strLabel = m_strText;
    CString strAccel;
    const int iTab = strLabel.Find('\t');
    if (iTab >= 0) {
        strAccel = strLabel.Mid(iTab + 1);
        strLabel = strLabel.Left(iTab);
    } else if (g_pKeyboardManager != nullptr && m_nID != 0 && m_nID != (UINT)-1 &&
               m_pWndParent != nullptr)
    {
        CFrameWnd* pFrame = m_pWndParent->GetTopLevelFrame();
        if (pFrame != nullptr)
            CZAVPKeyboardManager::FindAcceleratorText(m_nID, strAccel, pFrame, TRUE);
    }
    CRect rectText = rect;
    rectText.left = rectImage.right + kMenuTextGap;
    rectText.right -= CZAVPMenuGlyphs::GetSize().cx + kMenuTextGap;
    // The menu's default item stands out in bold.
    HGDIOBJ hOldFont = m_bDefault && globalData.fontBold.GetSafeHandle() != nullptr
                           ? ::SelectObject(pDC->GetSafeHdc(), globalData.fontBold.GetSafeHandle())
                           : nullptr;
    // An item wider than its menu may be (the bar marks it) ends its label in "...".
    pDC->DrawText(strLabel, rectText,
                  DT_SINGLELINE | DT_VCENTER | DT_LEFT | (m_bWholeText ? 0 : DT_END_ELLIPSIS));
    if (hOldFont != nullptr) ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    if (!strAccel.IsEmpty()) {
        CRect rectAccel = rectText;
        rectAccel.right -= kAcceleratorGap - kMenuTextGap;
        pDC->DrawText(strAccel, rectAccel, DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_NOPREFIX);
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);

    if (m_nID == (UINT)-1 || !m_listCommands.IsEmpty()) {
        CRect rectArrow = rect;
        rectArrow.left = rect.right - CZAVPMenuGlyphs::GetSize().cx - kMenuTextGap;
        CZAVPMenuGlyphs::Draw(
            pDC, m_iDownArrow != 0 ? CZAVPMenuGlyphs::IdArrowDown : CZAVPMenuGlyphs::IdArrowRight,
            CentredGlyph(rectArrow),
            bDisabled    ? CZAVPMenuGlyphs::StateGray
            : bHighlight ? CZAVPMenuGlyphs::StateWhite
                         : CZAVPMenuGlyphs::StateBlack);
    }
}
