// The colour drop-down button (see CZAVPColorMenuButton.h).
#include "ui/panes/CZAVPColorMenuButton.h"

#include "framework/CArchive.h"
#include "framework/CArchiveException.h"
#include "framework/CDC.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPPaneSharedData.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"
#include "ui/panes/CColorPopup.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/panes/ZAVPPickerShared.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"

IMPLEMENT_SERIAL(CZAVPColorMenuButton, CZAVPToolbarMenuButton, VERSIONABLE_SCHEMA | 1)

namespace
{
const DWORD kMenuPaletteRelative = 0x02000000;
const int kStripHeight = 5;
const int kStripInset = 4;
const UINT kColorMenuPressedOrChecked = TBBS_PRESSED | TBBS_CHECKED;  // 0x30000
}  // namespace

CZAVPColorMenuButton::CZAVPColorMenuButton()
    : m_Color((COLORREF)-1), m_colorAutomatic(0), m_nColumns(-1), m_nVertDockColumns(-1),
      m_nHorzDockRows(-1), m_bIsAutomaticButton(FALSE), m_bIsOtherButton(FALSE),
      m_bIsDocumentColors(FALSE), m_bStdColorDlg(FALSE)
{
}

CZAVPColorMenuButton::CZAVPColorMenuButton(UINT uiCmdID, LPCSTR lpszText, HPALETTE hPalette)
    : CZAVPColorMenuButton()
{
    m_nID = uiCmdID;
    m_strText = lpszText != nullptr ? lpszText : "";
    ZAVPPickerShared::PaletteColors(hPalette, m_Colors);
}

void CZAVPColorMenuButton::EnableAutomaticButton(LPCSTR lpszLabel, COLORREF colorAutomatic,
                                                 BOOL bEnable)
{
    m_bIsAutomaticButton = bEnable;
    m_strAutomaticButtonLabel = lpszLabel != nullptr ? lpszLabel : "";
    m_colorAutomatic = colorAutomatic;
}

void CZAVPColorMenuButton::EnableOtherButton(LPCSTR lpszLabel, BOOL bAltColorDlg, BOOL bEnable)
{
    m_bIsOtherButton = bEnable;
    m_strOtherButtonLabel = lpszLabel != nullptr ? lpszLabel : "";
    m_bStdColorDlg = !bAltColorDlg;
}

void CZAVPColorMenuButton::EnableDocumentColors(LPCSTR lpszLabel, BOOL bEnable)
{
    m_bIsDocumentColors = bEnable;
    m_strDocumentColorsLabel = lpszLabel != nullptr ? lpszLabel : "";
}

// ---- archive and copies

void CZAVPColorMenuButton::Serialize(CArchive& ar)
{
    CZAVPToolbarMenuButton::Serialize(ar);
    if (ar.IsStoring()) {
        ar << (DWORD)m_Colors.GetSize();
        for (INT_PTR i = 0; i < m_Colors.GetSize(); ++i) ar << (DWORD)m_Colors[i];
        ar << (DWORD)m_nColumns << (DWORD)m_nVertDockColumns << (DWORD)m_nHorzDockRows;
        ar << (DWORD)m_bIsAutomaticButton << (DWORD)m_bIsOtherButton << (DWORD)m_bIsDocumentColors;
        ar << m_strAutomaticButtonLabel << m_strOtherButtonLabel << m_strDocumentColorsLabel;
        ar << (DWORD)m_colorAutomatic << (DWORD)m_bStdColorDlg;
        return;
    }
    // Read into scratch values first: a damaged image changes nothing of the button.
    DWORD dwCount = 0;
    ar >> dwCount;
    if (dwCount > (DWORD)CZAVPColorBar::kMaxStoredColors)
        AfxThrowArchiveException(CArchiveException::badIndex);
    std::vector<COLORREF> colors(dwCount);
    for (COLORREF& clr : colors) {
        DWORD dw = 0;
        ar >> dw;
        clr = dw;
    }
    DWORD dwColumns = 0, dwVertColumns = 0, dwHorzRows = 0, dwAuto = 0, dwOther = 0, dwDoc = 0;
    CString strAuto, strOther, strDoc;
    DWORD dwAutomatic = 0, dwStdDialog = 0;
    ar >> dwColumns >> dwVertColumns >> dwHorzRows >> dwAuto >> dwOther >> dwDoc;
    ar >> strAuto >> strOther >> strDoc >> dwAutomatic >> dwStdDialog;

    m_Colors.RemoveAll();
    for (COLORREF clr : colors) m_Colors.Add(clr);
    m_Palette.DeleteObject();
    m_nColumns = (int)dwColumns;
    m_nVertDockColumns = (int)dwVertColumns;
    m_nHorzDockRows = (int)dwHorzRows;
    m_bIsAutomaticButton = (BOOL)dwAuto;
    m_bIsOtherButton = (BOOL)dwOther;
    m_bIsDocumentColors = (BOOL)dwDoc;
    m_strAutomaticButtonLabel = strAuto;
    m_strOtherButtonLabel = strOther;
    m_strDocumentColorsLabel = strDoc;
    m_colorAutomatic = dwAutomatic;
    m_bStdColorDlg = (BOOL)dwStdDialog;

    for (CZAVPToolbarButton* pButton : ZAVPPickerShared::CommandPeers(m_nID, this)) {
        CZAVPColorMenuButton* pOther = dynamic_cast<CZAVPColorMenuButton*>(pButton);
        if (pOther != nullptr && pOther->m_Color != (COLORREF)-1) {
            m_Color = pOther->m_Color;
            break;
        }
    }
}

void CZAVPColorMenuButton::CopyFrom(const CZAVPToolbarButton& src)
{
    CZAVPToolbarMenuButton::CopyFrom(src);
    const CZAVPColorMenuButton* pSrc = dynamic_cast<const CZAVPColorMenuButton*>(&src);
    if (pSrc == nullptr) return;
    m_Color = pSrc->m_Color;
    ZAVPPaneSharedData::CommandColors()[m_nID] = m_Color;
    m_Colors.Copy(pSrc->m_Colors);
    m_Palette.DeleteObject();
    m_bIsAutomaticButton = pSrc->m_bIsAutomaticButton;
    m_bIsOtherButton = pSrc->m_bIsOtherButton;
    m_bIsDocumentColors = pSrc->m_bIsDocumentColors;
    m_colorAutomatic = pSrc->m_colorAutomatic;
    m_strAutomaticButtonLabel = pSrc->m_strAutomaticButtonLabel;
    m_strOtherButtonLabel = pSrc->m_strOtherButtonLabel;
    m_strDocumentColorsLabel = pSrc->m_strDocumentColorsLabel;
    m_nColumns = pSrc->m_nColumns;
    m_nVertDockColumns = pSrc->m_nVertDockColumns;
    m_nHorzDockRows = pSrc->m_nHorzDockRows;
    m_bStdColorDlg = pSrc->m_bStdColorDlg;
}

void CZAVPColorMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CZAVPToolbarMenuButton::OnChangeParentWnd(pWndParent);
    ZAVPPickerShared::ApplyParent(*this, pWndParent);
}

int CZAVPColorMenuButton::OnDrawOnList(CDC* pDC, const CRect& rect, BOOL bSelected)
{
    return ZAVPPickerShared::DrawOnListWithoutCommand(*this, pDC, rect, bSelected);
}

// ---- the popup

CZAVPPopupMenu* CZAVPColorMenuButton::CreatePopupMenu()
{
    CList<COLORREF, COLORREF> lstDocColors;
    if (m_bIsDocumentColors && m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr) {
        if (CWnd* pFrame = ZAVPPickerShared::TopFrameOf(m_pWndParent))
            pFrame->SendMessage(ZAVPRegisteredMessages::GetDocumentColors, (WPARAM)m_nID,
                                (LPARAM)&lstDocColors);
    }
    return new CColorPopup(
        m_Colors, m_Color, m_bIsAutomaticButton ? (LPCSTR)m_strAutomaticButtonLabel : nullptr,
        m_bIsOtherButton ? (LPCSTR)m_strOtherButtonLabel : nullptr,
        m_bIsDocumentColors ? (LPCSTR)m_strDocumentColorsLabel : nullptr, lstDocColors, m_nColumns,
        m_nHorzDockRows, m_nVertDockColumns, m_colorAutomatic, m_nID);
}

void CZAVPColorMenuButton::SetColor(COLORREF clr, BOOL bNotify)
{
    m_Color = clr;
    ZAVPPaneSharedData::CommandColors()[m_nID] = clr;
    if (m_pWndParent != nullptr && m_pWndParent->GetSafeHwnd() != nullptr)
        m_pWndParent->InvalidateRect(m_rect);
    if (!bNotify || !ZAVPPickerShared::IsRealCommand(m_nID)) return;

    for (CZAVPToolbarButton* pButton : ZAVPPickerShared::CommandPeers(m_nID, this))
        if (CZAVPColorMenuButton* pOther = dynamic_cast<CZAVPColorMenuButton*>(pButton))
            pOther->SetColor(clr, FALSE);
    const CObList& toolbars = CZAVPToolBar::GetAllToolbars();
    for (POSITION pos = toolbars.GetHeadPosition(); pos != nullptr;) {
        CZAVPColorBar* pBar = dynamic_cast<CZAVPColorBar*>(toolbars.GetNext(pos));
        if (pBar != nullptr && pBar->GetCommandID() == m_nID) pBar->SetColor(clr);
    }
}

BOOL CZAVPColorMenuButton::OpenColorDialog(COLORREF colorDefault, COLORREF& colorRes)
{
    return ZAVPPickerShared::RunColorDialog(m_bStdColorDlg, colorDefault, colorRes);
}

// ---- drawing

COLORREF CZAVPColorMenuButton::StripColor() const
{
    if (m_nStyle & TBBS_DISABLED) return globalData.clrBarShadow;
    return m_Color == (COLORREF)-1 ? m_colorAutomatic : m_Color;
}

CRect CZAVPColorMenuButton::StripRect(const CRect& rectImage, const CRect& rectSides,
                                      BOOL bLargeIcons, BOOL bDrawBorder, BOOL bPressed)
{
    const int nHeight = bLargeIcons ? 2 * kStripHeight : kStripHeight;
    const int nTop = rectImage.top + rectImage.Height() - 1;
    CRect rect(rectSides.left + kStripInset, nTop, rectSides.right - kStripInset, nTop + nHeight);
    if (!bDrawBorder) rect.OffsetRect(-1, 3);
    if (bPressed) rect.OffsetRect(1, 1);
    return rect;
}

void CZAVPColorMenuButton::OnDraw(CDC* pDC, const CRect& rect, CZAVPImageStrip* pImages, BOOL bHorz,
                                  BOOL bCustomizeMode, BOOL bHighlight, BOOL bDrawBorder,
                                  BOOL bGrayDisabledButtons)
{
    CZAVPToolbarMenuButton::OnDraw(pDC, rect, pImages, bHorz, bCustomizeMode, bHighlight,
                                   bDrawBorder, bGrayDisabledButtons);
    if (!m_bImage || GetImage() < 0 || pImages == nullptr) return;

    CPalette* pOldPalette = nullptr;
    if (globalData.m_nBitsPerPixel == 8 && m_Colors.GetSize() > 0) {
        if (m_Palette.GetSafeHandle() == nullptr)
            ZAVPPickerShared::CreatePaletteOf(m_Palette, m_Colors, (int)m_Colors.GetSize());
        if (m_Palette.GetSafeHandle() != nullptr) {
            pOldPalette = pDC->SelectPalette(&m_Palette, FALSE);
            pDC->RealizePalette();
        }
    }

    CZAVPVisualManager* pManager = CZAVPVisualManager::GetInstance();
    const CSize sizeImage = pImages->GetImageSize();
    CRect rectSides = rect;
    if (m_bMenuMode) {
        GetImageColumnRect(rectSides);
        rectSides.DeflateRect(pManager->GetMenuImageMargin(), 0);
    } else if (m_bExtraSize) {
        const CSize sizeExtra = pManager->GetButtonExtraBorder();
        rectSides.DeflateRect(sizeExtra.cx / 2 + 1, sizeExtra.cy / 2 + 1);
    }
    if (m_bDrawDownArrow && !m_bMenuMode) rectSides.right -= CZAVPToolBar::IsLargeIcons() ? 18 : 9;
    const CPoint ptImage(rectSides.left + (rectSides.Width() - sizeImage.cx) / 2,
                         rectSides.top + (rectSides.Height() - sizeImage.cy) / 2);
    const CRect rectImage(ptImage, sizeImage);
    const BOOL bPressed = (m_nStyle & kColorMenuPressedOrChecked) != 0 || IsDroppedDown();
    const CRect rectStrip = StripRect(rectImage, rectSides, CZAVPToolBar::IsLargeIcons(),
                                      bDrawBorder, bPressed);

    pDC->FillSolidRect(rectStrip, kMenuPaletteRelative | StripColor());
    const COLORREF clrStrip = StripColor();
    if (clrStrip == globalData.clrBarFace)
        pDC->Draw3dRect(rectStrip, globalData.clrBarDkShadow, globalData.clrBarDkShadow);
    else
        pDC->Draw3dRect(rectStrip, globalData.clrBarShadow, globalData.clrBarLight);
    if (pOldPalette != nullptr) pDC->SelectPalette(pOldPalette, FALSE);
}
