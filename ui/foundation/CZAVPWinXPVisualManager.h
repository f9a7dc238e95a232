// The look of the system's visual styles: bars, buttons, menus and panes drawn by the theme
// library while a style is active, and in the flat look (or the default one where it says so)
// whenever the theme an operation needs is not open.
#pragma once

#include "ui/foundation/CZAVPThemeWrapper.h"
#include "ui/foundation/CZAVPVisualManagerXP.h"

class CZAVPWinXPVisualManager : public CZAVPVisualManagerXP, public CZAVPThemeWrapper
{
    DECLARE_DYNCREATE(CZAVPWinXPVisualManager)
public:
    explicit CZAVPWinXPVisualManager(BOOL bTemporary = FALSE);
    ~CZAVPWinXPVisualManager() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu* pMenu, CRect rect) override;
    void OnDrawMenuShadow(CDC* pDC, const CRect& rectClient, const CRect& rectExclude, int nDepth,
                          int iMinBrightness, int iMaxBrightness, CBitmap* pBmpSaveBottom,
                          CBitmap* pBmpSaveRight) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                          CZAVPBaseControlBar* pBar) override;
    void OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect, BOOL bIsHoriz) override;
    void OnDrawCaptionButton(CDC* pDC, CZAVPTitleButton* pButton, BOOL bActive, BOOL bHorz,
                             BOOL bMaximized, BOOL bDisabled, int nImageID = -1) override;
    void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                BOOL bHighlight) override;
    void OnDrawStatusBarPaneBorder(CDC* pDC, CZAVPStatusBar* pBar, CRect rectPane, UINT uiID,
                                   UINT nStyle) override;
    void OnDrawStatusBarProgress(CDC* pDC, CZAVPStatusBar* pStatusBar, CRect rectProgress,
                                 int nProgressTotal, int nProgressCurr, COLORREF clrBar,
                                 COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                 BOOL bProgressText) override;
    void OnDrawStatusBarSizeBox(CDC* pDC, CZAVPStatusBar* pStatBar, CRect rectSizeBox) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                               BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                           BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton) override;
    void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                          CZAVPToolbarEditBoxButton* pButton) override;
    void OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                              int state) override;
    void OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect, int state) override;
    void OnDrawMenuImageRectBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                   int state) override;
    void OnHighlightMenuItem(CDC* pDC, CZAVPToolbarMenuButton* pButton, CRect rect,
                             COLORREF& clrText) override;
    COLORREF GetToolbarButtonTextColor(CZAVPToolbarButton* pButton, int state) override;
    void OnFillOutlookPageButton(CDC* pDC, CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                 COLORREF& clrText) override;
    void OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                       BOOL bIsPressed) override;
    void OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton* pButton,
                           CZAVPBaseTabWnd* pWndTab) override;
    void OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CZAVPButton* pButton, UINT uiState,
                                CZAVPBaseTabWnd* pWndTab) override;
    COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE) override;
    CSize GetButtonExtraBorder() const override;
    CSize GetCaptionButtonExtraBorder() const override;
    COLORREF OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption, CZAVPMiniFrameWnd* pFrameWnd,
                                    BOOL bActive) override;
    void OnDrawMiniFrameBorder(CDC* pDC, CZAVPMiniFrameWnd* pFrameWnd, CRect rectBorder,
                               CRect rectBorderSize) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea) override;
    void OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup, BOOL bIsHighlighted,
                                 BOOL bIsSelected, BOOL bCanCollapse) override;
    void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle) override;
    void OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize, int iImage,
                             BOOL bHilited) override;
    void OnDrawFramedLines(CDC* pDC, CRect rect, BOOL bMinusOnly, COLORREF clrFrame) override;
    COLORREF OnDrawCalendarBarFrame(CDC* pDC, CRect rect) override;
    void OnDrawCheckBox(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked,
                        BOOL bEnabled) override;
    void OnDrawControlBorder(CWnd* pWndCtrl) override;
    BOOL IsMenuJoinedToParentButton() const override { return m_bOfficeXPStyleMenus; }
    void OnDrawCaptionButtonGlyph(CDC* pDC, CZAVPTitleButton* pButton, int nImage, BOOL bActive,
                                  BOOL bDisabled, CPoint ptImage) override;

    // The toolbar theme's button state for a button style (TBBS_*) and a drawing state.
    static int ToolbarButtonState(UINT nStyle, int state);

    // Menus and menu buttons keep the flat look even while a visual style is active.
    BOOL m_bOfficeXPStyleMenus;

protected:
    // Over entry points given by the caller instead of the system library (tests).
    CZAVPWinXPVisualManager(BOOL bTemporary, NoLibrary);

private:
    void ApplyThemeSettings();
    // Menu items and buttons drawn in the flat look although a visual style is active.
    BOOL KeepsFlatMenus(CZAVPToolbarButton* pButton) const;
};
