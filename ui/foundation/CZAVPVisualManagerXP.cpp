// The flat look (see CZAVPVisualManagerXP.h): colours, bars, menus, captions and buttons. Tabs,
// the tasks pane and the smaller controls are in CZAVPVisualManagerXPPanes.cpp.
#include "ui/foundation/CZAVPVisualManagerXP.h"

#include <algorithm>

#include "framework/CDC.h"
#include "ui/docking/CZAVPAutoHideDockBar.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/panes/CZAVPOutlookBarPane.h"
#include "ui/panes/CZAVPTaskPaneMiniFrameWnd.h"
#include "ui/toolbars/CZAVPBaseToolBar.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CZAVPVisualManagerXP, CZAVPVisualManager)

namespace
{
const int kLightChannel = 129;        // a highlight whose channels are all this or more is light
const int kWhiteGlyphChannel = 192;   // own glyph colours above this in every channel are light
const int kMenuExtension = 4;         // how far a menu button reaches into its open menu
const int kShadowMaxBrightness = 75;  // shadow of an open menu button

#ifndef kPaneNoBorders
const UINT kPaneNoBorders = 0x0100;
const UINT kPanePopOut = 0x0200;
#endif

void Frame(CDC* pDC, const CRect& rect, COLORREF color) { pDC->Draw3dRect(rect, color, color); }

bool IsOnPopupMenuBar(CZAVPToolbarButton* pButton)
{
    return ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton)) &&
           ZAVPIsKindOf(static_cast<CZAVPToolbarMenuButton*>(pButton)->m_pWndParent,
                        RUNTIME_CLASS(CZAVPPopupMenuBar));
}

}  // namespace

CZAVPVisualManagerXP::CZAVPVisualManagerXP(BOOL bTemporary)
    : CZAVPVisualManager(bTemporary), m_bConnectMenuToParent(TRUE),
      m_clrMenuShadowBase((COLORREF)-1)
{
    m_bLook2000 = TRUE;
    m_nMenuShadowDepth = 4;
    m_bMenuFlatLook = TRUE;
    m_bShadowHighlightedImage = TRUE;
    m_bEmbossDisabledImage = FALSE;
    m_bFadeInactiveImage = TRUE;
    m_tasksPane = {4, 4, 4, 0, 0, 0, 12, 5, 4, 0};
    m_bMenuJoinedToParentButton = TRUE;
    m_nMenuBorderSize = 1;
    globalData.UpdateSysColors();
    OnUpdateSystemColors();
}

CZAVPVisualManagerXP::~CZAVPVisualManagerXP() = default;

void CZAVPVisualManagerXP::OnUpdateSystemColors()
{
    CZAVPVisualManager::OnUpdateSystemColors();
    ZAVPXPColors::Source source = {};
    source.bitsPerPixel = globalData.m_nBitsPerPixel;
    source.barFace = globalData.clrBarFace;
    source.window = globalData.clrWindow;
    source.barShadow = globalData.clrBarShadow;
    source.hilite = globalData.clrHilite;
    source.barWindow = globalData.clrBarWindow;
    source.btnFace = globalData.clrBtnFace;
    source.btnDkShadow = globalData.clrBtnDkShadow;
    source.btnShadow = globalData.clrBtnShadow;
    m_colors = ZAVPXPColors::Derive(source);

    m_clrMenuLight = m_colors.menuLight;
    m_clrBarBkgnd = m_colors.barBkgnd;
    m_clrGripper = m_colors.gripper;
    m_clrHighlight = m_colors.highlight;
    m_clrHighlightDn = m_colors.highlightDn;
    m_clrHighlightChecked = m_colors.highlightChecked;
    m_clrPaneBorder = m_colors.paneBorder;
    m_clrMenuBorder = m_colors.menuBorder;
    m_clrBarShadowLight = m_colors.barShadowLight;
    m_clrFrameHilite = m_colors.frameHilite;
    m_clrMenuShadowBase = (COLORREF)-1;

    CBrush* brushes[] = {&m_brBarBkgnd,          &m_brMenuLight,        &m_brHighlight,
                         &m_brHighlightDn,       &m_brHighlightChecked, &m_brTabBack,
                         &m_brFloatToolBarBorder};
    const COLORREF colors[] = {m_clrBarBkgnd,       m_clrMenuLight,        m_clrHighlight,
                               m_clrHighlightDn,    m_clrHighlightChecked, m_colors.tabBack,
                               m_colors.floatBorder};
    for (int i = 0; i < 7; ++i) {
        brushes[i]->DeleteObject();
        brushes[i]->CreateSolidBrush(colors[i]);
    }
    m_penSeparator.DeleteObject();
    m_penSeparator.CreatePen(PS_SOLID, 1, m_colors.separator);
}

int CZAVPVisualManagerXP::MenuImageColumnWidth() const
{
    return ZAVPSharedBarData::g_sizeMenuImage.cx + 2 * GetMenuImageMargin() + 2;
}

COLORREF CZAVPVisualManagerXP::TextOnHighlight() const
{
    return GetRValue(m_clrHighlight) >= kLightChannel &&
                   GetGValue(m_clrHighlight) >= kLightChannel &&
                   GetBValue(m_clrHighlight) >= kLightChannel
               ? RGB(0, 0, 0)
               : RGB(255, 255, 255);
}

int CZAVPVisualManagerXP::PopupImageColumnWidth(BOOL bNoImageColumn, BOOL bSecondColumn) const
{
    if (bNoImageColumn) return 0;
    return bSecondColumn ? 2 * MenuImageColumnWidth() : MenuImageColumnWidth();
}

CZAVPVisualManagerXP::BarFacts CZAVPVisualManagerXP::FactsOf(CZAVPBaseControlBar* pBar)
{
    BarFacts facts = {};
    if (!pBar) return facts;
    facts.bDialog = pBar->IsDialogControl();
    facts.bMenuBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPMenuBar));
    facts.bOutlookPane = ZAVPIsKindOf(pBar, ZAVPClassNames::CZAVPOutlookBarPane);
    facts.bOwnBackground = facts.bOutlookPane &&
                           static_cast<CZAVPOutlookBarPane*>(pBar)->HasOwnBackground();
    facts.bColorBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPColorBar));
    facts.bStandalone = facts.bColorBar && static_cast<CZAVPColorBar*>(pBar)->IsStandalone();
    facts.bCalendarBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPCalendarBar));
    facts.bPopupMenuBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPPopupMenuBar));
    facts.bToolBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPToolBar));
    facts.bAutoHideDockBar = ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPAutoHideDockBar));
    return facts;
}

CZAVPVisualManagerXP::BarFill CZAVPVisualManagerXP::ChooseBarFill(const BarFacts& bar)
{
    if (bar.bMenuBar || (bar.bOutlookPane && bar.bOwnBackground)) return BarFillDefault;
    if (bar.bColorBar)
        return bar.bDialog ? BarFillDefault : (bar.bStandalone ? BarFillToolbar : BarFillMenu);
    if (bar.bCalendarBar) return BarFillMenu;
    if (bar.bPopupMenuBar) return BarFillPopupMenu;
    // An outlook pane without a background of its own is painted like any toolbar.
    if (bar.bToolBar && !bar.bDialog) return BarFillToolbar;
    if (bar.bAutoHideDockBar) return BarFillTabBack;
    return BarFillDefault;
}

void CZAVPVisualManagerXP::OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar,
                                               CRect rectClient, CRect rectClip, BOOL bNCArea)
{
    const CRect rect = rectClip.IsRectEmpty() ? rectClient : rectClip;
    switch (ChooseBarFill(FactsOf(pBar))) {
    case BarFillToolbar: pDC->FillRect(rect, &m_brBarBkgnd); return;
    case BarFillMenu: pDC->FillRect(rect, &m_brMenuLight); return;
    case BarFillPopupMenu: {
        pDC->FillRect(rect, &m_brMenuLight);
        const CZAVPPopupMenuBar* pMenuBar = static_cast<CZAVPPopupMenuBar*>(pBar);
        CRect column = rectClient;
        column.right = column.left +
                       PopupImageColumnWidth(pMenuBar->m_bNoImageColumn, pMenuBar->m_bSecondColumn);
        if (column.IntersectRect(column, rect)) pDC->FillRect(column, &m_brBarBkgnd);
        return;
    }
    case BarFillTabBack: pDC->FillRect(rect, &m_brTabBack); return;
    case BarFillDefault: break;
    }
    CZAVPVisualManager::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
}

void CZAVPVisualManagerXP::OnDrawBarBorder(CDC* pDC, CZAVPBaseControlBar* pBar, CRect& rect)
{
    if (!pBar || pBar->IsDialogControl()) {
        CZAVPVisualManager::OnDrawBarBorder(pDC, pBar, rect);
        return;
    }
    const DWORD dwStyle = pBar->GetBarStyle();
    if (pBar->IsFloating() || (dwStyle & CBRS_BORDER_ANY) == 0) return;
    const COLORREF clr = globalData.clrBarFace;
    if (dwStyle & CBRS_BORDER_LEFT)
        pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), clr), ++rect.left;
    if (dwStyle & CBRS_BORDER_TOP)
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, clr), ++rect.top;
    if (dwStyle & CBRS_BORDER_RIGHT)
        pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), clr), --rect.right;
    if (dwStyle & CBRS_BORDER_BOTTOM)
        pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, clr), --rect.bottom;
}

void CZAVPVisualManagerXP::OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu* pMenu, CRect rect)
{
    Frame(pDC, rect, m_clrMenuBorder);
    const CRect outer = rect;
    rect.DeflateRect(1, 1);
    Frame(pDC, rect, m_clrMenuLight);
    pDC->FillRect(CRect(rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1), &m_brBarBkgnd);
    // A menu opened from a menu-bar button has no border where it meets the button.
    CZAVPToolbarMenuButton* pButton = pMenu ? pMenu->m_pParentBtn : nullptr;
    if (!m_bConnectMenuToParent || !pButton ||
        !ZAVPIsKindOf(pButton->m_pWndParent, RUNTIME_CLASS(CZAVPMenuBar)) ||
        !pButton->m_pWndParent->GetSafeHwnd() || !pMenu->GetSafeHwnd())
        return;
    CRect rectButton = pButton->m_rect;
    pButton->m_pWndParent->ClientToScreen(&rectButton);
    pMenu->ScreenToClient(&rectButton);
    const int left = std::max(rectButton.left + 1, outer.left + 1);
    const int right = std::min(rectButton.right - 1, outer.right - 1);
    if (right <= left) return;
    if (rectButton.bottom <= outer.top + 1)
        pDC->FillSolidRect(left, outer.top, right - left, 1, m_clrBarBkgnd);
    else if (rectButton.top >= outer.bottom - 1)
        pDC->FillSolidRect(left, outer.bottom - 1, right - left, 1, m_clrBarBkgnd);
}

void CZAVPVisualManagerXP::OnDrawMenuShadow(CDC* pDC, const CRect& rectClient,
                                            const CRect& rectExclude, int nDepth,
                                            int iMinBrightness, int iMaxBrightness,
                                            CBitmap* pBmpSaveBottom, CBitmap* pBmpSaveRight)
{
    if (rectExclude.IsRectEmpty()) {
        CZAVPPainter(*pDC).DrawShadow(rectClient, nDepth, iMinBrightness, iMaxBrightness,
                                      pBmpSaveBottom, pBmpSaveRight, m_clrMenuShadowBase);
        return;
    }
    // Shadow on a copy, the parent button copied back over it, so no shadow falls on the button.
    CRect area = rectClient;
    area.right += nDepth;
    area.bottom += nDepth;
    CDC mem;
    if (!mem.CreateCompatibleDC(pDC)) return;
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(pDC, area.Width(), area.Height())) return;
    CBitmap* pOld = mem.SelectObject(&bitmap);
    mem.BitBlt(0, 0, area.Width(), area.Height(), pDC, area.left, area.top, SRCCOPY);
    CRect local = rectClient;
    local.OffsetRect(-area.left, -area.top);
    CZAVPPainter(mem).DrawShadow(local, nDepth, iMinBrightness, iMaxBrightness, nullptr, nullptr,
                                 m_clrMenuShadowBase);
    CRect exclude = rectExclude;
    exclude.OffsetRect(-area.left, -area.top);
    mem.BitBlt(exclude.left, exclude.top, exclude.Width(), exclude.Height(), pDC, rectExclude.left,
               rectExclude.top, SRCCOPY);
    pDC->BitBlt(area.left, area.top, area.Width(), area.Height(), &mem, 0, 0, SRCCOPY);
    mem.SelectObject(pOld);
}

void CZAVPVisualManagerXP::CreateGripperBrushes()
{
    const WORD horz[8] = {255, 0, 255, 0, 255, 0, 255, 0};
    const WORD vert[8] = {170, 170, 170, 170, 170, 170, 170, 170};
    CBitmap bmpHorz, bmpVert;
    if (!m_brGripperHorz.GetSafeHandle() && bmpHorz.CreateBitmap(8, 8, 1, 1, horz))
        m_brGripperHorz.CreatePatternBrush(&bmpHorz);
    if (!m_brGripperVert.GetSafeHandle() && bmpVert.CreateBitmap(8, 8, 1, 1, vert))
        m_brGripperVert.CreatePatternBrush(&bmpVert);
}

void CZAVPVisualManagerXP::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                            CZAVPBaseControlBar* pBar)
{
    if (pBar && pBar->IsDialogControl()) {
        CZAVPVisualManager::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
        return;
    }
    CreateGripperBrushes();
    // A dotted band in the gripper colour, across the bar's thickness, four pixels wide.
    CRect band = rectGripper;
    if (bHorz) {
        band.DeflateRect(0, 3);
        band.left = rectGripper.CenterPoint().x - 1;
        band.right = band.left + 3;
    } else {
        band.DeflateRect(3, 0);
        band.top = rectGripper.CenterPoint().y - 1;
        band.bottom = band.top + 3;
    }
    const COLORREF clrOldText = pDC->SetTextColor(m_clrGripper);
    const COLORREF clrOldBk = pDC->SetBkColor(m_clrBarBkgnd);
    pDC->FillRect(band, bHorz ? &m_brGripperHorz : &m_brGripperVert);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}

void CZAVPVisualManagerXP::OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect,
                                           BOOL bIsHoriz)
{
    if (pBar && pBar->IsDialogControl()) {
        CZAVPVisualManager::OnDrawSeparator(pDC, pBar, rect, bIsHoriz);
        return;
    }
    CPen* pOldPen = pDC->SelectObject(&m_penSeparator);
    const CPoint centre = rect.CenterPoint();
    if (bIsHoriz) {
        pDC->MoveTo(centre.x, rect.top);
        pDC->LineTo(centre.x, rect.bottom - 1);
    } else {
        int left = rect.left;
        if (ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPPopupMenuBar)) &&
            !ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPColorBar)) &&
            !ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPCalendarBar)))
        {
            left += ZAVPSharedBarData::g_sizeMenuImage.cx + GetMenuImageMargin() + 1;
            if (static_cast<CZAVPPopupMenuBar*>(pBar)->m_bSecondColumn)
                left += MenuImageColumnWidth();
        }
        pDC->MoveTo(left, centre.y);
        pDC->LineTo(rect.right, centre.y);
    }
    pDC->SelectObject(pOldPen);
}

COLORREF CZAVPVisualManagerXP::OnFillBarCaption(CDC* pDC, CZAVPDockingControlBar*, BOOL bActive,
                                                CRect rectCaption, CRect)
{
    CPen pen(PS_SOLID, 1, bActive ? globalData.clrBarLight : globalData.clrBarShadow);
    CPen* pOldPen = pDC->SelectObject(&pen);
    CBrush* pOldBrush = pDC->SelectObject(bActive ? &globalData.brActiveCaption
                                                  : &globalData.brBarFace);
    if (bActive) rectCaption.InflateRect(1, 0);
    pDC->RoundRect(rectCaption, CPoint(2, 2));
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    return bActive ? globalData.clrCaptionText : globalData.clrBarText;
}

void CZAVPVisualManagerXP::OnDrawCaptionButtonGlyph(CDC* pDC, CZAVPTitleButton* pButton, int nImage,
                                                    BOOL bActive, BOOL bDisabled, CPoint ptImage)
{
    int nState = CZAVPMenuGlyphs::StateGray;
    if (!bDisabled) {
        const COLORREF clr = pButton ? pButton->m_clrForeground : (COLORREF)-1;
        if (clr != (COLORREF)-1)
            nState = GetRValue(clr) > kWhiteGlyphChannel && GetGValue(clr) > kWhiteGlyphChannel &&
                             GetBValue(clr) > kWhiteGlyphChannel
                         ? CZAVPMenuGlyphs::StateWhite
                         : CZAVPMenuGlyphs::StateBlack;
        else
            nState = bActive ? CZAVPMenuGlyphs::StateWhite : CZAVPMenuGlyphs::StateBlack;
    }
    CZAVPMenuGlyphs::Draw(pDC, nImage, ptImage, nState);
}

void CZAVPVisualManagerXP::OnDrawCaptionButton(CDC* pDC, CZAVPTitleButton* pButton, BOOL bActive,
                                               BOOL bHorz, BOOL bMaximized, BOOL bDisabled,
                                               int nImageID)
{
    const CRect rect = pButton->GetRect();
    const BOOL bPushed = pButton->m_bPushed, bFocused = pButton->m_bFocused;
    if (bPushed && bFocused)
        pDC->FillRect(rect, &m_brHighlightDn);
    else if (bPushed || bFocused)
        pDC->FillRect(rect, &m_brHighlight);
    if (nImageID == -1) nImageID = CaptionButtonGlyph(pButton->GetHitTest(), bHorz, bMaximized);
    if (nImageID != -1) {
        const CSize glyph = CZAVPMenuGlyphs::GetSize();
        // The glyph follows the caption: white on an active one, also while hot or pressed.
        OnDrawCaptionButtonGlyph(pDC, pButton, nImageID, bActive, bDisabled,
                                 CPoint(rect.left + (rect.Width() - glyph.cx) / 2,
                                        rect.top + (rect.Height() - glyph.cy) / 2));
    }
    if (bPushed || bFocused) Frame(pDC, rect, globalData.clrBarDkShadow);
}

void CZAVPVisualManagerXP::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand,
                                                  UINT nStyle, BOOL bHighlight)
{
    int nGlyph;
    switch (uiSystemCommand) {
    case SC_MINIMIZE: nGlyph = CZAVPMenuGlyphs::IdMinimize; break;
    case SC_CLOSE: nGlyph = CZAVPMenuGlyphs::IdClose; break;
    case SC_RESTORE: nGlyph = CZAVPMenuGlyphs::IdRestore; break;
    default: return;
    }
    const BOOL bDisabled = (nStyle & TBBS_DISABLED) != 0;
    if (bHighlight && !bDisabled) {
        OnFillHighlightedArea(pDC, rect,
                              (nStyle & TBBS_PRESSED) ? &m_brHighlightDn : &m_brHighlight, nullptr);
        Frame(pDC, rect, m_clrFrameHilite);
    }
    DrawGlyphCentered(
        pDC, nGlyph, rect,
        bDisabled ? CZAVPMenuGlyphs::StateGray
                  : (bHighlight ? CZAVPMenuGlyphs::StateWhite : CZAVPMenuGlyphs::StateBlack));
}

void CZAVPVisualManagerXP::OnDrawStatusBarPaneBorder(CDC* pDC, CZAVPStatusBar*, CRect rectPane,
                                                     UINT, UINT nStyle)
{
    if (nStyle & kPaneNoBorders) return;
    if (nStyle & kPanePopOut) CZAVPPainter(*pDC).HighlightRect(rectPane);
    Frame(pDC, rectPane, m_clrPaneBorder);
}

void CZAVPVisualManagerXP::OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                                 CZAVPToolbarButton*)
{
    pDC->FillRect(rect, pBrush);
}

void CZAVPVisualManagerXP::ExtendMenuButtonRect(CZAVPToolbarMenuButton* pMenuButton, CRect& rect)
{
    if (!pMenuButton || !pMenuButton->m_pPopupMenu || !pMenuButton->m_pPopupMenu->GetSafeHwnd())
        return;
    CRect rectMenu;
    pMenuButton->m_pPopupMenu->GetWindowRect(rectMenu);
    switch (pMenuButton->m_nDropDirection) {
    case 1: rect.bottom += rectMenu.Width() < rect.Width() ? 1 : kMenuExtension; break;
    case 2: rect.top -= rectMenu.Width() < rect.Width() ? 1 : kMenuExtension; break;
    case 3: rect.right += rectMenu.Height() < rect.Height() ? 1 : kMenuExtension; break;
    case 4: rect.left -= rectMenu.Height() < rect.Height() ? 1 : kMenuExtension; break;
    default: break;
    }
}

void CZAVPVisualManagerXP::OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                                int state)
{
    if (!pButton || (state != ButtonsIsPressed && state != ButtonsIsHighlighted) ||
        ZAVPSharedBarData::g_bCustomizeMode)
        return;
    const bool bOnPopup = IsOnPopupMenuBar(pButton);
    if (!bOnPopup) --rect.right, --rect.bottom;
    CBrush* pBrush = &m_brHighlight;
    const BOOL bChecked = (pButton->m_nStyle & TBBS_CHECKED) != 0;
    if (bOnPopup && (pButton->m_nStyle & TBBS_PRESSED)) pBrush = &m_brHighlightDn;
    if (!bOnPopup && ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton)) &&
        pButton->IsDroppedDown())
    {
        ExtendMenuButtonRect(static_cast<CZAVPToolbarMenuButton*>(pButton), rect);
        OnFillHighlightedArea(pDC, rect, &m_brBarBkgnd, pButton);
        return;
    }
    if (bChecked) pBrush = state == ButtonsIsHighlighted ? &m_brHighlightDn : &m_brHighlightChecked;
    if (ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton)) &&
        (pButton->m_nStyle & TBBS_DISABLED))
        pBrush = &m_brMenuLight;
    if (!bChecked) rect.DeflateRect(1, 1);
    OnFillHighlightedArea(pDC, rect, pBrush, pButton);
}

void CZAVPVisualManagerXP::OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                              int state)
{
    if (state != ButtonsIsPressed && state != ButtonsIsHighlighted) return;
    const bool bOnPopup = IsOnPopupMenuBar(pButton);
    if (bOnPopup && state == ButtonsIsHighlighted) {
        if (pButton->m_nStyle & TBBS_CHECKED) ++rect.bottom;
    } else
        --rect.right, --rect.bottom;
    if (!bOnPopup && ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton))) {
        CZAVPToolbarMenuButton* pMenuButton = static_cast<CZAVPToolbarMenuButton*>(pButton);
        if (pMenuButton->m_pPopupMenu && pMenuButton->m_pPopupMenu->GetSafeHwnd() &&
            pMenuButton->m_pPopupMenu->IsWindowVisible())
        {
            ExtendMenuButtonRect(pMenuButton, rect);
            Frame(pDC, rect, m_clrMenuBorder);
            if (ZAVPSharedBarData::g_bMenuShadows && !ZAVPSharedBarData::g_bCustomizeMode &&
                globalData.m_nBitsPerPixel > 8)
                CZAVPPainter(*pDC).DrawShadow(rect, m_nMenuShadowDepth, 100, kShadowMaxBrightness,
                                              nullptr, nullptr, m_clrMenuShadowBase);
            return;
        }
    }
    Frame(pDC, rect, m_clrFrameHilite);
}

void CZAVPVisualManagerXP::OnHighlightMenuItem(CDC* pDC, CZAVPToolbarMenuButton* pButton,
                                               CRect rect, COLORREF& clrText)
{
    const BOOL bDisabled = pButton && (pButton->m_nStyle & TBBS_DISABLED);
    --rect.right, --rect.bottom;
    OnFillHighlightedArea(pDC, rect, bDisabled ? &m_brMenuLight : &m_brHighlight, pButton);
    Frame(pDC, rect, m_clrFrameHilite);
    clrText = bDisabled ? globalData.clrGrayedText : TextOnHighlight();
}

void CZAVPVisualManagerXP::OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed)
{
    rectRarelyUsed.left -= 1;
    rectRarelyUsed.right = rectRarelyUsed.left + MenuImageColumnWidth();
    CZAVPPainter(*pDC).HighlightRect(rectRarelyUsed, 94);
}

COLORREF CZAVPVisualManagerXP::GetToolbarButtonTextColor(CZAVPToolbarButton* pButton, int state)
{
    if (ZAVPIsKindOf(pButton, ZAVPClassNames::CZAVPOutlookButton))
        return (pButton->m_nStyle & TBBS_DISABLED) ? globalData.clrGrayedText
                                                   : globalData.clrBarText;
    if (state == ButtonsIsHighlighted && pButton &&
        (pButton->m_nStyle & (TBBS_CHECKED | TBBS_PRESSED)))
        return globalData.clrTextHilite;
    return CZAVPVisualManager::GetToolbarButtonTextColor(pButton, state);
}

COLORREF CZAVPVisualManagerXP::OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                                      CZAVPMiniFrameWnd* pFrameWnd, BOOL bActive)
{
    if (pFrameWnd && ZAVPIsKindOf(pFrameWnd->GetControlBar(), RUNTIME_CLASS(CZAVPBaseToolBar))) {
        pDC->FillRect(rectCaption, &m_brFloatToolBarBorder);
        return globalData.clrCaptionText;
    }
    if (ZAVPIsKindOf(pFrameWnd, RUNTIME_CLASS(CZAVPTaskPaneMiniFrameWnd))) {
        pDC->FillRect(rectCaption, &globalData.brBarFace);
        return globalData.clrBarText;
    }
    pDC->FillRect(rectCaption,
                  bActive ? &globalData.brActiveCaption : &globalData.brInactiveCaption);
    return globalData.clrCaptionText;
}

void CZAVPVisualManagerXP::OnDrawMiniFrameBorder(CDC* pDC, CZAVPMiniFrameWnd* pFrameWnd,
                                                 CRect rectBorder, CRect rectBorderSize)
{
    if (ZAVPIsKindOf(pFrameWnd, RUNTIME_CLASS(CZAVPTaskPaneMiniFrameWnd))) {
        CZAVPVisualManager::OnDrawMiniFrameBorder(pDC, pFrameWnd, rectBorder, rectBorderSize);
        return;
    }
    OnDrawFloatingToolbarBorder(pDC, nullptr, rectBorder, rectBorderSize);
}

void CZAVPVisualManagerXP::OnDrawFloatingToolbarBorder(CDC* pDC, CZAVPToolBar*, CRect rectBorder,
                                                       CRect rectBorderSize)
{
    CBrush* pOldBrush = pDC->SelectObject(&m_brFloatToolBarBorder);
    const int l = rectBorderSize.left, t = rectBorderSize.top, r = rectBorderSize.right,
              b = rectBorderSize.bottom;
    pDC->PatBlt(rectBorder.left, rectBorder.top, l, rectBorder.Height(), PATCOPY);
    pDC->PatBlt(rectBorder.left, rectBorder.top, rectBorder.Width(), t, PATCOPY);
    pDC->PatBlt(rectBorder.right - r, rectBorder.top, r, rectBorder.Height(), PATCOPY);
    pDC->PatBlt(rectBorder.left, rectBorder.bottom - b, rectBorder.Width(), b, PATCOPY);
    pDC->SelectObject(pOldBrush);
}
