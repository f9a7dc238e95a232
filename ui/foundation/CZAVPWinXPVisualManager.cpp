// The visual-styles look (see CZAVPWinXPVisualManager.h). Every operation first tests the theme
// it needs; without it the flat look (or the default one) draws.
#include "ui/foundation/CZAVPWinXPVisualManager.h"

#include "framework/CDC.h"
#include "ui/docking/CZAVPBaseControlBar.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPMenuGlyphs.h"
#include "ui/foundation/CZAVPPainter.h"
#include "ui/foundation/ZAVPClassTest.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/toolbars/CZAVPButton.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

IMPLEMENT_DYNCREATE(CZAVPWinXPVisualManager, CZAVPVisualManagerXP)

namespace
{
// Parts and states of the theme library.
const int kThemePushButton = 1, kThemeCheckBox = 3;
const int kPushNormal = 1, kPushHot = 2, kPushPressed = 3, kPushDisabled = 4;
const int TP_BUTTON = 1, TP_SEPARATOR = 5, TP_SEPARATORVERT = 6;
const int TS_NORMAL = 1, TS_HOT = 2, TS_PRESSED = 3, TS_DISABLED = 4, TS_CHECKED = 5,
          TS_HOTCHECKED = 6;
const int WP_MDIMINBUTTON = 16, WP_MDICLOSEBUTTON = 20, WP_MDIRESTOREBUTTON = 22;
const int SP_PANE = 1;
const int SBP_SIZEBOX = 10, SZB_RIGHTALIGN = 1;
const int CP_DROPDOWNBUTTON = 1;
const int RP_GRIPPER = 1, RP_GRIPPERVERT = 2;
const int HP_HEADERITEM = 1;
const int EBP_HEADERBACKGROUND = 1, EBP_NORMALGROUPBACKGROUND = 5, EBP_NORMALGROUPHEAD = 8;
const int EBP_SPECIALGROUPBACKGROUND = 9, EBP_SPECIALGROUPHEAD = 12;
const int EBP_NORMALGROUPCOLLAPSE = 6, EBP_NORMALGROUPEXPAND = 7;
const int EBP_SPECIALGROUPCOLLAPSE = 10, EBP_SPECIALGROUPEXPAND = 11;
const int TVP_GLYPH = 2, GLPS_CLOSED = 1, GLPS_OPENED = 2;

// Push-button state by the pressed, highlighted and disabled flags.
int PushState(BOOL bDisabled, BOOL bPressed, BOOL bHighlighted)
{
    return bDisabled ? kPushDisabled
                     : (bPressed ? kPushPressed : (bHighlighted ? kPushHot : kPushNormal));
}

BOOL IsMenuItem(CZAVPToolbarButton* pButton)
{
    if (!ZAVPIsKindOf(pButton, RUNTIME_CLASS(CZAVPToolbarMenuButton))) return FALSE;
    CWnd* pParent = static_cast<CZAVPToolbarMenuButton*>(pButton)->m_pWndParent;
    return ZAVPIsKindOf(pParent, RUNTIME_CLASS(CZAVPMenuBar)) ||
           ZAVPIsKindOf(pParent, RUNTIME_CLASS(CZAVPPopupMenuBar));
}
}  // namespace

CZAVPWinXPVisualManager::CZAVPWinXPVisualManager(BOOL bTemporary)
    : CZAVPVisualManagerXP(bTemporary), CZAVPThemeWrapper(), m_bOfficeXPStyleMenus(FALSE)
{
    ApplyThemeSettings();
}

CZAVPWinXPVisualManager::CZAVPWinXPVisualManager(BOOL bTemporary, NoLibrary tag)
    : CZAVPVisualManagerXP(bTemporary), CZAVPThemeWrapper(tag), m_bOfficeXPStyleMenus(FALSE)
{
    ApplyThemeSettings();
}

CZAVPWinXPVisualManager::~CZAVPWinXPVisualManager() = default;

void CZAVPWinXPVisualManager::ApplyThemeSettings()
{
    m_tasksPane = {12, 12, 15, 25, 13, 7, 12, 5, 4, 1};
    globalData.UpdateSysColors();
    OnUpdateSystemColors();
}

void CZAVPWinXPVisualManager::OnUpdateSystemColors()
{
    CZAVPVisualManagerXP::OnUpdateSystemColors();
    UpdateSystemColors();
    m_bShadowHighlightedImage = !IsThemeOpen(ThemeWindow);
}

BOOL CZAVPWinXPVisualManager::KeepsFlatMenus(CZAVPToolbarButton* pButton) const
{
    return m_bOfficeXPStyleMenus && IsMenuItem(pButton);
}

void CZAVPWinXPVisualManager::OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar,
                                                  CRect rectClient, CRect rectClip, BOOL bNCArea)
{
    if (IsThemeOpen(ThemeWindow) && pBar && !pBar->IsDialogControl() && !m_bOfficeXPStyleMenus &&
        ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPPopupMenuBar)))
    {
        ::FillRect(pDC->GetSafeHdc(), rectClip.IsRectEmpty() ? &rectClient : &rectClip,
                   GetSysColorBrush(COLOR_MENU));
        return;
    }
    CZAVPVisualManagerXP::OnFillBarBackground(pDC, pBar, rectClient, rectClip, bNCArea);
}

void CZAVPWinXPVisualManager::OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu* pMenu, CRect rect)
{
    if (IsThemeOpen(ThemeWindow) && !m_bOfficeXPStyleMenus) {
        CZAVPVisualManager::OnDrawMenuBorder(pDC, pMenu, rect);
        return;
    }
    const BOOL bSaved = m_bConnectMenuToParent;
    if (!IsThemeOpen(ThemeWindow))
        m_bConnectMenuToParent = TRUE;
    else
        m_bConnectMenuToParent = !ZAVPSharedBarData::g_bCustomizeMode && pMenu &&
                                 pMenu->m_pParentBtn &&
                                 ZAVPIsKindOf(pMenu->m_pParentBtn->m_pWndParent,
                                              RUNTIME_CLASS(CZAVPMenuBar));
    CZAVPVisualManagerXP::OnDrawMenuBorder(pDC, pMenu, rect);
    m_bConnectMenuToParent = bSaved;
}

void CZAVPWinXPVisualManager::OnDrawMenuShadow(CDC* pDC, const CRect& rectClient,
                                               const CRect& rectExclude, int nDepth,
                                               int iMinBrightness, int iMaxBrightness,
                                               CBitmap* pBmpSaveBottom, CBitmap* pBmpSaveRight)
{
    CZAVPVisualManager::OnDrawMenuShadow(pDC, rectClient, rectExclude, nDepth, iMinBrightness,
                                         iMaxBrightness, pBmpSaveBottom, pBmpSaveRight);
}

void CZAVPWinXPVisualManager::OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                               CZAVPBaseControlBar* pBar)
{
    if (!DrawThemePart(ThemeRebar, pDC, bHorz ? RP_GRIPPER : RP_GRIPPERVERT, 0, rectGripper))
        CZAVPVisualManagerXP::OnDrawBarGripper(pDC, rectGripper, bHorz, pBar);
}

void CZAVPWinXPVisualManager::OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect,
                                              BOOL bIsHoriz)
{
    const BOOL bFlatMenu = m_bOfficeXPStyleMenus &&
                           ZAVPIsKindOf(pBar, RUNTIME_CLASS(CZAVPPopupMenuBar));
    if (IsThemeOpen(ThemeToolbar) && !(pBar && pBar->IsDialogControl()) && !bFlatMenu)
        DrawThemePart(ThemeToolbar, pDC, bIsHoriz ? TP_SEPARATOR : TP_SEPARATORVERT, 0, rect);
    else
        CZAVPVisualManagerXP::OnDrawSeparator(pDC, pBar, rect, bIsHoriz);
}

void CZAVPWinXPVisualManager::OnDrawCaptionButton(CDC* pDC, CZAVPTitleButton* pButton, BOOL bActive,
                                                  BOOL bHorz, BOOL bMaximized, BOOL bDisabled,
                                                  int nImageID)
{
    if (!IsThemeOpen(ThemeButton)) {
        CZAVPVisualManagerXP::OnDrawCaptionButton(pDC, pButton, bActive, bHorz, bMaximized,
                                                  bDisabled, nImageID);
        return;
    }
    const BOOL bPushed = pButton->m_bPushed, bFocused = pButton->m_bFocused;
    DrawThemePart(ThemeButton, pDC, kThemePushButton,
                  PushState(bDisabled, bPushed && bFocused, bFocused), pButton->GetRect());
    // Only the glyph is added over the themed button.
    pButton->m_bPushed = pButton->m_bFocused = FALSE;
    CZAVPVisualManagerXP::OnDrawCaptionButton(pDC, pButton, bActive, bHorz, bMaximized, bDisabled,
                                              nImageID);
    pButton->m_bPushed = bPushed;
    pButton->m_bFocused = bFocused;
}

void CZAVPWinXPVisualManager::OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand,
                                                     UINT nStyle, BOOL bHighlight)
{
    if (!IsThemeOpen(ThemeWindow)) {
        CZAVPVisualManagerXP::OnDrawMenuSystemButton(pDC, rect, uiSystemCommand, nStyle,
                                                     bHighlight);
        return;
    }
    int nPart;
    switch (uiSystemCommand) {
    case SC_MINIMIZE: nPart = WP_MDIMINBUTTON; break;
    case SC_CLOSE: nPart = WP_MDICLOSEBUTTON; break;
    case SC_RESTORE: nPart = WP_MDIRESTOREBUTTON; break;
    default: return;
    }
    DrawThemePart(
        ThemeWindow, pDC, nPart,
        PushState((nStyle & TBBS_DISABLED) != 0, bHighlight && (nStyle & TBBS_PRESSED), bHighlight),
        rect);
}

void CZAVPWinXPVisualManager::OnDrawStatusBarPaneBorder(CDC* pDC, CZAVPStatusBar* pBar,
                                                        CRect rectPane, UINT uiID, UINT nStyle)
{
    if (!DrawThemePart(ThemeStatus, pDC, SP_PANE, 0, rectPane))
        CZAVPVisualManagerXP::OnDrawStatusBarPaneBorder(pDC, pBar, rectPane, uiID, nStyle);
}

void CZAVPWinXPVisualManager::OnDrawStatusBarProgress(CDC* pDC, CZAVPStatusBar* pStatusBar,
                                                      CRect rectProgress, int nProgressTotal,
                                                      int nProgressCurr, COLORREF clrBar,
                                                      COLORREF clrProgressBarDest,
                                                      COLORREF clrProgressText, BOOL bProgressText)
{
    if (!DrawStatusBarProgress(pDC, pStatusBar, rectProgress, nProgressTotal, nProgressCurr, clrBar,
                               clrProgressBarDest, clrProgressText, bProgressText))
        CZAVPVisualManager::OnDrawStatusBarProgress(pDC, pStatusBar, rectProgress, nProgressTotal,
                                                    nProgressCurr, clrBar, clrProgressBarDest,
                                                    clrProgressText, bProgressText);
}

void CZAVPWinXPVisualManager::OnDrawStatusBarSizeBox(CDC* pDC, CZAVPStatusBar* pStatBar,
                                                     CRect rectSizeBox)
{
    if (!DrawThemePart(ThemeScrollBar, pDC, SBP_SIZEBOX, SZB_RIGHTALIGN, rectSizeBox))
        CZAVPVisualManager::OnDrawStatusBarSizeBox(pDC, pStatBar, rectSizeBox);
}

void CZAVPWinXPVisualManager::OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled,
                                                    BOOL bIsDropped, BOOL bIsHighlighted,
                                                    CZAVPToolbarComboBoxButton* pButton)
{
    if (!DrawThemePart(ThemeComboBox, pDC, CP_DROPDOWNBUTTON,
                       PushState(bDisabled, bIsDropped, bIsHighlighted), rect))
        CZAVPVisualManagerXP::OnDrawComboDropButton(pDC, rect, bDisabled, bIsDropped,
                                                    bIsHighlighted, pButton);
}

void CZAVPWinXPVisualManager::OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled,
                                                BOOL bIsDropped, BOOL bIsHighlighted,
                                                CZAVPToolbarComboBoxButton* pButton)
{
    if (!IsThemeOpen(ThemeWindow)) {
        CZAVPVisualManagerXP::OnDrawComboBorder(pDC, rect, bDisabled, bIsDropped, bIsHighlighted,
                                                pButton);
        return;
    }
    if (!bIsDropped && !bIsHighlighted) return;
    rect.DeflateRect(1, 1);
    pDC->Draw3dRect(rect, globalData.clrHilite, globalData.clrHilite);
}

void CZAVPWinXPVisualManager::OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled,
                                               BOOL bIsHighlighted,
                                               CZAVPToolbarEditBoxButton* pButton)
{
    if (!IsThemeOpen(ThemeWindow)) {
        CZAVPVisualManagerXP::OnDrawEditBorder(pDC, rect, bDisabled, bIsHighlighted, pButton);
        return;
    }
    if (bIsHighlighted) pDC->Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnHilite);
}

void CZAVPWinXPVisualManager::OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton,
                                                   CRect rect, int state)
{
    if (!IsThemeOpen(ThemeToolbar) || !pButton || KeepsFlatMenus(pButton)) {
        CZAVPVisualManagerXP::OnFillButtonInterior(pDC, pButton, rect, state);
        return;
    }
    DrawThemePart(ThemeToolbar, pDC, TP_BUTTON, ToolbarButtonState(pButton->m_nStyle, state), rect);
}

int CZAVPWinXPVisualManager::ToolbarButtonState(UINT nStyle, int state)
{
    if (nStyle & TBBS_DISABLED) return TS_DISABLED;
    if (nStyle & TBBS_CHECKED) return state == ButtonsIsHighlighted ? TS_HOTCHECKED : TS_CHECKED;
    if (state == ButtonsIsPressed) return TS_PRESSED;
    return state == ButtonsIsHighlighted ? TS_HOT : TS_NORMAL;
}

void CZAVPWinXPVisualManager::OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                                 int state)
{
    if (!IsThemeOpen(ThemeToolbar) || KeepsFlatMenus(pButton))
        CZAVPVisualManagerXP::OnDrawButtonBorder(pDC, pButton, rect, state);
}

void CZAVPWinXPVisualManager::OnDrawMenuImageRectBorder(CDC* pDC, CZAVPToolbarButton* pButton,
                                                        CRect rect, int state)
{
    if (!IsThemeOpen(ThemeToolbar)) {
        CZAVPVisualManagerXP::OnDrawMenuImageRectBorder(pDC, pButton, rect, state);
        return;
    }
    rect.InflateRect(2, 2);
    DrawThemePart(ThemeToolbar, pDC, state != 0 ? TP_SEPARATOR : TP_SEPARATORVERT, 0, rect);
}

void CZAVPWinXPVisualManager::OnHighlightMenuItem(CDC* pDC, CZAVPToolbarMenuButton* pButton,
                                                  CRect rect, COLORREF& clrText)
{
    if (IsThemeOpen(ThemeWindow) && !m_bOfficeXPStyleMenus)
        CZAVPVisualManager::OnHighlightMenuItem(pDC, pButton, rect, clrText);
    else
        CZAVPVisualManagerXP::OnHighlightMenuItem(pDC, pButton, rect, clrText);
}

COLORREF CZAVPWinXPVisualManager::GetToolbarButtonTextColor(CZAVPToolbarButton* pButton, int state)
{
    if (IsThemeOpen(ThemeToolbar) && !ZAVPIsKindOf(pButton, ZAVPClassNames::CZAVPOutlookButton))
        return CZAVPVisualManager::GetToolbarButtonTextColor(pButton, state);
    return CZAVPVisualManagerXP::GetToolbarButtonTextColor(pButton, state);
}

void CZAVPWinXPVisualManager::OnFillOutlookPageButton(CDC* pDC, CRect& rect, BOOL bIsHighlighted,
                                                      BOOL bIsPressed, COLORREF& clrText)
{
    if (!IsThemeOpen(ThemeButton)) {
        CZAVPVisualManager::OnFillOutlookPageButton(pDC, rect, bIsHighlighted, bIsPressed, clrText);
        return;
    }
    CRect rectButton = rect;
    rectButton.InflateRect(1, 1);
    DrawThemePart(ThemeButton, pDC, kThemePushButton, PushState(FALSE, bIsPressed, bIsHighlighted),
                  rectButton);
}

void CZAVPWinXPVisualManager::OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn,
                                                            BOOL bIsHighlighted, BOOL bIsPressed)
{
    if (!IsThemeOpen(ThemeButton))
        CZAVPVisualManager::OnDrawOutlookPageButtonBorder(pDC, rectBtn, bIsHighlighted, bIsPressed);
}

void CZAVPWinXPVisualManager::OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton*,
                                                CZAVPBaseTabWnd*)
{
    pDC->FillRect(rect, &m_brTabBack);
}

void CZAVPWinXPVisualManager::OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CZAVPButton* pButton,
                                                     UINT uiState, CZAVPBaseTabWnd* pWndTab)
{
    if (!DrawPushButton(pDC, rect, pButton, uiState))
        CZAVPVisualManagerXP::OnDrawTabsButtonBorder(pDC, rect, pButton, uiState, pWndTab);
}

COLORREF CZAVPWinXPVisualManager::OnFillCommandsListBackground(CDC* pDC, CRect rect,
                                                               BOOL bIsSelected)
{
    if (!IsThemeOpen(ThemeWindow) || m_bOfficeXPStyleMenus)
        return CZAVPVisualManagerXP::OnFillCommandsListBackground(pDC, rect, bIsSelected);
    ::FillRect(pDC->GetSafeHdc(), &rect, GetSysColorBrush(COLOR_MENU));
    if (bIsSelected) pDC->Draw3dRect(rect, globalData.clrMenuText, globalData.clrMenuText);
    return globalData.clrMenuText;
}

CSize CZAVPWinXPVisualManager::GetButtonExtraBorder() const
{
    return IsThemeOpen(ThemeWindow) ? CSize(2, 2) : CSize(0, 0);
}

CSize CZAVPWinXPVisualManager::GetCaptionButtonExtraBorder() const
{
    return IsThemeOpen(ThemeWindow) ? CSize(2, 2) : CSize(0, 0);
}

COLORREF CZAVPWinXPVisualManager::OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                                         CZAVPMiniFrameWnd* pFrameWnd, BOOL bActive)
{
    return CZAVPVisualManager::OnFillMiniFrameCaption(pDC, rectCaption, pFrameWnd, bActive);
}

void CZAVPWinXPVisualManager::OnDrawMiniFrameBorder(CDC* pDC, CZAVPMiniFrameWnd* pFrameWnd,
                                                    CRect rectBorder, CRect rectBorderSize)
{
    CZAVPVisualManager::OnDrawMiniFrameBorder(pDC, pFrameWnd, rectBorder, rectBorderSize);
}

void CZAVPWinXPVisualManager::OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea)
{
    if (!DrawThemePart(ThemeExplorerBar, pDC, EBP_HEADERBACKGROUND, 0, rectWorkArea))
        CZAVPVisualManager::OnFillTasksPaneBackground(pDC, rectWorkArea);
}

void CZAVPWinXPVisualManager::OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup,
                                                      BOOL bIsHighlighted, BOOL bIsSelected,
                                                      BOOL bCanCollapse)
{
    if (!IsThemeOpen(ThemeExplorerBar)) {
        CZAVPVisualManagerXP::OnDrawTasksGroupCaption(pDC, pGroup, bIsHighlighted, bIsSelected,
                                                      bCanCollapse);
        return;
    }
    const CRect rect = pGroup->m_rect;
    DrawThemePart(ThemeExplorerBar, pDC,
                  pGroup->m_bIsSpecial ? EBP_SPECIALGROUPHEAD : EBP_NORMALGROUPHEAD, 0, rect);
    CRect rectText(rect.left + m_tasksPane.nGroupCaptionHorzOffset, rect.top,
                   rect.right - rect.Height(), rect.bottom);
    DrawTextIn(pDC, pGroup->m_strName, rectText, &globalData.fontBold,
               pGroup->m_bIsSpecial ? globalData.clrTextHilite : globalData.clrHilite,
               DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
    if (!bCanCollapse || pGroup->m_strName.GetLength() == 0) return;
    const int nPart = pGroup->m_bIsSpecial ? (pGroup->m_bIsCollapsed ? EBP_SPECIALGROUPEXPAND
                                                                     : EBP_SPECIALGROUPCOLLAPSE)
                                           : (pGroup->m_bIsCollapsed ? EBP_NORMALGROUPEXPAND
                                                                     : EBP_NORMALGROUPCOLLAPSE);
    const CRect button(rect.right - rect.Height(), rect.top, rect.right, rect.bottom);
    DrawThemePart(ThemeExplorerBar, pDC, nPart, bIsHighlighted ? kPushHot : kPushNormal, button);
}

void CZAVPWinXPVisualManager::OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial)
{
    if (!DrawThemePart(ThemeExplorerBar, pDC,
                       bSpecial ? EBP_SPECIALGROUPBACKGROUND : EBP_NORMALGROUPBACKGROUND, 0, rect))
        CZAVPVisualManagerXP::OnFillTasksGroupInterior(pDC, rect, bSpecial);
}

void CZAVPWinXPVisualManager::OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial,
                                                         BOOL bNoTitle)
{
    if (!IsThemeOpen(ThemeExplorerBar) || !bNoTitle) return;
    const CRect strip(rect.left, rect.top, rect.right, rect.top + 1);
    DrawThemePart(ThemeExplorerBar, pDC, bSpecial ? EBP_SPECIALGROUPHEAD : EBP_NORMALGROUPHEAD, 0,
                  strip);
}

void CZAVPWinXPVisualManager::OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize,
                                                  int iImage, BOOL bHilited)
{
    CZAVPVisualManager::OnDrawScrollButtons(pDC, rect, nBorderSize, iImage, bHilited);
}

void CZAVPWinXPVisualManager::OnDrawFramedLines(CDC* pDC, CRect rect, BOOL bMinusOnly,
                                                COLORREF clrFrame)
{
    if (!DrawThemePart(ThemeTreeView, pDC, TVP_GLYPH, bMinusOnly ? GLPS_OPENED : GLPS_CLOSED, rect))
        CZAVPVisualManager::OnDrawFramedLines(pDC, rect, bMinusOnly, clrFrame);
}

COLORREF CZAVPWinXPVisualManager::OnDrawCalendarBarFrame(CDC* pDC, CRect rect)
{
    if (!DrawThemePart(ThemeHeader, pDC, HP_HEADERITEM, 1, rect))
        return CZAVPVisualManagerXP::OnDrawCalendarBarFrame(pDC, rect);
    return globalData.clrBtnText;
}

void CZAVPWinXPVisualManager::OnDrawCheckBox(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked,
                                             BOOL bEnabled)
{
    // Unchecked states 1 normal, 2 hot, 4 disabled; checked ones four further on.
    const int nState = (!bEnabled ? 4 : (bHighlighted ? 2 : 1)) + (bChecked ? 4 : 0);
    if (!DrawThemePart(ThemeButton, pDC, kThemeCheckBox, nState, rect))
        CZAVPVisualManager::OnDrawCheckBox(pDC, rect, bHighlighted, bChecked, bEnabled);
}

void CZAVPWinXPVisualManager::OnDrawControlBorder(CWnd* pWndCtrl)
{
    if (!IsThemeOpen(ThemeWindow)) {
        CZAVPVisualManager::OnDrawControlBorder(pWndCtrl);
        return;
    }
    DrawWindowFrame(pWndCtrl, m_clrFrameHilite, m_clrFrameHilite);
}

void CZAVPWinXPVisualManager::OnDrawCaptionButtonGlyph(CDC* pDC, CZAVPTitleButton*, int nImage,
                                                       BOOL, BOOL bDisabled, CPoint ptImage)
{
    CZAVPMenuGlyphs::Draw(pDC, nImage, ptImage,
                          bDisabled ? CZAVPMenuGlyphs::StateGray : CZAVPMenuGlyphs::StateBlack);
}
