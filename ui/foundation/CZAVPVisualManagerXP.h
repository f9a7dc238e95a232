// The flat (Office XP) look: light toolbars and menus derived from the button face, a tinted
// highlight derived from the selection colour, one-pixel frames, a shaded image column in popup
// menus joined to their menu button, and a four-pixel shadow.
#pragma once

#include "framework/CGdiObject.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPXPColors.h"

class CZAVPVisualManagerXP : public CZAVPVisualManager
{
    DECLARE_DYNCREATE(CZAVPVisualManagerXP)
public:
    explicit CZAVPVisualManagerXP(BOOL bTemporary = FALSE);
    ~CZAVPVisualManagerXP() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawBarBorder(CDC* pDC, CZAVPBaseControlBar* pBar, CRect& rect) override;
    void OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu* pMenu, CRect rect) override;
    void OnDrawMenuShadow(CDC* pDC, const CRect& rectClient, const CRect& rectExclude, int nDepth,
                          int iMinBrightness, int iMaxBrightness, CBitmap* pBmpSaveBottom,
                          CBitmap* pBmpSaveRight) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                          CZAVPBaseControlBar* pBar) override;
    void OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect, BOOL bIsHoriz) override;
    COLORREF OnFillBarCaption(CDC* pDC, CZAVPDockingControlBar* pBar, BOOL bActive,
                              CRect rectCaption, CRect rectButtons) override;
    void OnDrawCaptionButton(CDC* pDC, CZAVPTitleButton* pButton, BOOL bActive, BOOL bHorz,
                             BOOL bMaximized, BOOL bDisabled, int nImageID = -1) override;
    void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                BOOL bHighlight) override;
    void OnDrawStatusBarPaneBorder(CDC* pDC, CZAVPStatusBar* pBar, CRect rectPane, UINT uiID,
                                   UINT nStyle) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                               BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                           BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton) override;
    void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                          CZAVPToolbarEditBoxButton* pButton) override;
    void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive) override;
    void OnDrawSpinButtons(CDC* pDC, CRect& rectSpin, int nState, BOOL bOrientation) override;
    void OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                              int state) override;
    void OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect, int state) override;
    void OnHighlightMenuItem(CDC* pDC, CZAVPToolbarMenuButton* pButton, CRect rect,
                             COLORREF& clrText) override;
    void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed) override;
    COLORREF GetToolbarButtonTextColor(CZAVPToolbarButton* pButton, int state) override;
    void OnEraseTabsArea(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd) override;
    void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                   const CZAVPBaseTabWnd* pTabWnd) override;
    void OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton* pButton,
                           CZAVPBaseTabWnd* pWndTab) override;
    void OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CZAVPButton* pButton, UINT uiState,
                                CZAVPBaseTabWnd* pWndTab) override;
    COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE) override;
    void OnDrawMenuArrowOnCustomizeList(CDC* pDC, CRect rectCommand, BOOL bSelected) override;
    COLORREF OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption, CZAVPMiniFrameWnd* pFrameWnd,
                                    BOOL bActive) override;
    void OnDrawMiniFrameBorder(CDC* pDC, CZAVPMiniFrameWnd* pFrameWnd, CRect rectBorder,
                               CRect rectBorderSize) override;
    void OnDrawFloatingToolbarBorder(CDC* pDC, CZAVPToolBar* pToolBar, CRect rectBorder,
                                     CRect rectBorderSize) override;
    void OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup, BOOL bIsHighlighted,
                                 BOOL bIsSelected, BOOL bCanCollapse) override;
    void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    void OnDrawTasksGroupAreaBorder(CDC*, CRect, BOOL, BOOL) override {}
    void OnDrawTask(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted,
                    BOOL bIsSelected) override;
    void OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize, int iImage,
                             BOOL bHilited) override;
    void OnDrawDoubleFrame(CDC* pDC, CWnd* pWnd, CRect rect) override;
    void OnDrawFaceShadowFrame(CDC* pDC, CWnd* pWnd, CRect& rect) override;
    COLORREF OnFillCalendarBarBackground(CDC* pDC, CRect rect, COLORREF& clr1,
                                         COLORREF& clr2) override;
    COLORREF OnDrawCalendarBarFrame(CDC* pDC, CRect rect) override;
    int GetMenuImageMargin() const override { return 3; }
    BOOL IsLook2000Allowed() const override { return FALSE; }

    virtual void OnDrawCaptionButtonGlyph(CDC* pDC, CZAVPTitleButton* pButton, int nImage,
                                          BOOL bActive, BOOL bDisabled, CPoint ptImage);
    virtual void CreateGripperBrushes();
    virtual void ExtendMenuButtonRect(CZAVPToolbarMenuButton* pMenuButton, CRect& rect);
    virtual void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                                       CZAVPToolbarButton* pButton);

    // The derived colours, as OnUpdateSystemColors last computed them.
    const ZAVPXPColors& GetColors() const { return m_colors; }

    // What fills a bar's background in this look, chosen from the facts of the bar.
    enum BarFill
    {
        BarFillDefault,    // the default look's fill
        BarFillToolbar,    // m_brBarBkgnd
        BarFillMenu,       // m_brMenuLight
        BarFillPopupMenu,  // m_brMenuLight with the image column in m_brBarBkgnd
        BarFillTabBack,    // m_brTabBack
    };
    struct BarFacts
    {
        BOOL bDialog;  // the bar lives in a dialog
        BOOL bMenuBar;
        BOOL bOutlookPane;
        BOOL bOwnBackground;  // an outlook pane that paints its own background
        BOOL bColorBar;
        BOOL bStandalone;  // a colour bar of its own, not inside a popup
        BOOL bCalendarBar;
        BOOL bPopupMenuBar;
        BOOL bToolBar;
        BOOL bAutoHideDockBar;
    };
    static BarFill ChooseBarFill(const BarFacts& bar);
    static BarFacts FactsOf(CZAVPBaseControlBar* pBar);

protected:
    // Width of the image column of popup menus.
    int MenuImageColumnWidth() const;
    // The image column a popup menu bar shows: none when drawn without one, the column twice
    // over for a sub-menu with a second column.
    int PopupImageColumnWidth(BOOL bNoImageColumn, BOOL bSecondColumn) const;
    // Black on a light highlight (every channel 129 or more), white on a dark one.
    COLORREF TextOnHighlight() const;

    CBrush m_brGripperHorz;
    CBrush m_brGripperVert;
    COLORREF m_clrBarBkgnd;
    CBrush m_brBarBkgnd;
    COLORREF m_clrMenuLight;
    CBrush m_brMenuLight;
    COLORREF m_clrGripper;
    CBrush m_brTabBack;
    COLORREF m_clrHighlight;
    CBrush m_brHighlight;
    COLORREF m_clrHighlightDn;
    CBrush m_brHighlightDn;
    COLORREF m_clrHighlightChecked;
    CBrush m_brHighlightChecked;
    COLORREF m_clrBarShadowLight;
    CPen m_penSeparator;
    COLORREF m_clrPaneBorder;
    COLORREF m_clrMenuBorder;
    COLORREF m_clrFrameHilite;
    CBrush m_brFloatToolBarBorder;
    BOOL m_bConnectMenuToParent;   // the popup's border opens where it meets its menu button
    COLORREF m_clrMenuShadowBase;  // blended into menu shadows; -1: none
    ZAVPXPColors m_colors;
};
