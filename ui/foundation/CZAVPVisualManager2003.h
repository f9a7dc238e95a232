// The gradient (Office 2003) look: toolbars, menu bars and docking areas in soft two-colour
// gradients, hot and pressed items in gradients, rounded toolbars with a bottom line and a
// chevron customise button; its colours follow the standard visual style's scheme, else the
// system colours.
#pragma once

#include "framework/CString.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/CZAVPThemeWrapper.h"
#include "ui/foundation/CZAVPVisualManagerXP.h"
#include "ui/foundation/ZAVP2003Colors.h"

class CCustomizeButton;

class CZAVPVisualManager2003 : public CZAVPVisualManagerXP, public CZAVPThemeWrapper
{
    DECLARE_DYNCREATE(CZAVPVisualManager2003)
public:
    explicit CZAVPVisualManager2003(BOOL bTemporary = FALSE);
    ~CZAVPVisualManager2003() override;

    void OnUpdateSystemColors() override;
    void OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rectClient, CRect rectClip,
                             BOOL bNCArea = FALSE) override;
    void OnDrawBarBorder(CDC*, CZAVPBaseControlBar*, CRect&) override {}
    void OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu* pMenu, CRect rect) override;
    void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                          CZAVPBaseControlBar* pBar) override;
    void OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect, BOOL bIsHoriz) override;
    COLORREF OnFillBarCaption(CDC* pDC, CZAVPDockingControlBar* pBar, BOOL bActive,
                              CRect rectCaption, CRect rectButtons) override;
    void OnDrawStatusBarProgress(CDC* pDC, CZAVPStatusBar* pStatusBar, CRect rectProgress,
                                 int nProgressTotal, int nProgressCurr, COLORREF clrBar,
                                 COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                 BOOL bProgressText) override;
    void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                               BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton) override;
    void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                           BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton) override;
    void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive) override;
    void OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                              int state) override;
    void OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect, int state) override;
    void OnFillCaptionBarButton(CDC* pDC, CZAVPCaptionBar* pBar, CRect rect,
                                COLORREF clrBarBackground, BOOL bNoFrame) override;
    void OnFillOutlookPageButton(CDC* pDC, CRect& rect, BOOL bIsHighlighted, BOOL bIsPressed,
                                 COLORREF& clrText) override;
    void OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                       BOOL bIsPressed) override;
    void OnEraseTabsArea(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd) override;
    void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                   const CZAVPBaseTabWnd* pTabWnd) override;
    void OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton* pButton,
                           CZAVPBaseTabWnd* pWndTab) override;
    void GetTabFrameColors(const CZAVPBaseTabWnd* pTabWnd, COLORREF& clrDark, COLORREF& clrBlack,
                           COLORREF& clrHighlight, COLORREF& clrFace, COLORREF& clrDarkShadow,
                           COLORREF& clrLight, CBrush*& pbrFace, CBrush*& pbrBlack) override;
    BOOL OnEraseTabsFrame(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd) override;
    BOOL HighlightTabsOnHover() const override { return TRUE; }
    COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE) override;
    void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea) override;
    void OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup, BOOL bIsHighlighted,
                                 BOOL bIsSelected, BOOL bCanCollapse) override;
    void OnFillTasksGroupInterior(CDC* pDC, CRect rect, BOOL bSpecial = FALSE) override;
    void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle) override;
    void OnDrawTask(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted,
                    BOOL bIsSelected) override;
    void OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize, int iImage,
                             BOOL bHilited) override;
    void OnFillAutoHideButtonBackground(CDC* pDC, CRect rect,
                                        CZAVPAutoHideButton* pButton) override;
    int GetCustomizeButtonMargin() const override { return 1; }
    BOOL IsOffsetPressedButton() const override { return FALSE; }
    int GetShowAllMenuItemsHeight() override;
    void OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int state) override;
    void OnFillHighlightedArea(CDC* pDC, CRect rect, CBrush* pBrush,
                               CZAVPToolbarButton* pButton) override;

    virtual void OnDrawCustomizeButton(CDC* pDC, CRect rect, CCustomizeButton* pButton, BOOL bHorz,
                                       int state);
    virtual void OnUpdateGlobalBarColors();

    // The customise button of a toolbar oriented as its bar: the gradient of its state, the
    // rounded far corners, and the "more buttons" and customise glyphs when it shows them.
    void DrawCustomizeButtonFace(CDC* pDC, CRect rect, BOOL bHorz, int state,
                                 BOOL bHasHiddenButtons, BOOL bCanCustomize);
    // An auto-hide button's background: the hot gradient for the button whose bar is shown.
    void FillAutoHideButton(CDC* pDC, const CRect& rect, BOOL bBarShown);

    const ZAVP2003Colors& GetColors2003() const { return m_colors2003; }
    BOOL IsStandardWinXPTheme() const { return m_bIsStandardWinXPTheme; }

protected:
    // The gradient fill of a highlighted area from the facts of its button; FALSE when this look
    // has none for it (the flat look's plain fill then applies).
    BOOL FillHighlightedArea(CDC* pDC, const CRect& rect, CBrush* pBrush, BOOL bHorz,
                             BOOL bMenuItem, BOOL bDroppedDown);
    // A two-colour gradient across a button of a horizontal or a vertical bar.
    static void OrientedGradient(CDC* pDC, const CRect& rect, COLORREF dark, COLORREF light,
                                 BOOL bHorz);
    // The gradient image column of a popup menu bar, 0 when the bar is drawn without one.
    int PopupImageColumnWidth2003(BOOL bNoImageColumn, BOOL bSecondColumn) const;
    // A tab window placed in a dialog, as one of its controls.
    static BOOL IsDialogControl(const CWnd* pWnd);

    // Over entry points given by the caller instead of the system library (tests).
    CZAVPVisualManager2003(BOOL bTemporary, NoLibrary);
    // The visual style's scheme from its file and colour names (None for any style but "Luna").
    static ZAVP2003Colors::Scheme SchemeOf(LPCWSTR lpszThemeFile, LPCWSTR lpszColorName);

private:
    void Initialize();
    ZAVP2003Colors::Source ReadSource() const;
    COLORREF SysColor(ThemeClass nClass, int nIndex) const;
    COLORREF ThemeColor(ThemeClass nClass, int nPart, int nState, int nProp,
                        COLORREF clrDefault) const;
    void DeriveTasksPaneColors();
    BOOL UsesGradients() const { return globalData.m_nBitsPerPixel > 8; }

protected:
    ZAVP2003Colors m_colors2003;
    ZAVP2003Colors::Scheme m_scheme;
    CPen m_penSeparatorLight;
    CBrush m_brBarFaceSolid;
    CBrush m_brToolBarLight;
    COLORREF m_clrBarShadowCopy, m_clrBarDkShadowCopy;
    COLORREF m_clrTasksPaneGradientStart, m_clrTasksPaneGradientFinish;
    COLORREF m_clrTasksGroupCaptionDark, m_clrTasksGroupCaptionLight;
    COLORREF m_clrTasksGroupCaptionSpecDark, m_clrTasksGroupCaptionSpecLight;
    COLORREF m_clrTasksGroupAreaLight, m_clrTasksGroupAreaDark;
    COLORREF m_clrTasksGroupAreaSpecLight, m_clrTasksGroupAreaSpecDark;
    COLORREF m_clrTasksGroupBorder;
    BOOL m_bIsStandardWinXPTheme;  // the visual style's file is "Luna"
    CString m_strWinXPThemeColor;  // the visual style's colour name
};
