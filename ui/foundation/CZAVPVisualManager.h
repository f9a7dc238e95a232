// The single drawing interface of the UI library and its default (classic) look. No bar, button,
// menu, tab, caption, status pane or mini frame paints its own chrome: each asks the current
// visual manager, which draws with the colours of the global data block. Other looks derive
// from it and override operations.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/CObject.h"
#include "framework/CRect.h"

class CDC;
class CBitmap;
class CBrush;
class CFont;
class CString;
class CWnd;
class CZAVPBaseControlBar;
class CZAVPDockingControlBar;
class CZAVPPopupMenu;
class CZAVPTitleButton;
class CZAVPStatusBar;
class CZAVPToolbarButton;
class CZAVPToolbarMenuButton;
class CZAVPToolbarComboBoxButton;
class CZAVPToolbarEditBoxButton;
class CZAVPToolBar;
class CZAVPCaptionBar;
class CZAVPBaseTabWnd;
class CZAVPButton;
class CZAVPMiniFrameWnd;
class CZAVPTasksGroup;
class CZAVPTask;
class CZAVPSlider;
class CZAVPAutoHideButton;

class CZAVPVisualManager : public CObject
{
    DECLARE_DYNCREATE(CZAVPVisualManager)
public:
    // Button states passed to the button operations.
    enum ButtonState
    {
        ButtonsIsRegular = 0,
        ButtonsIsPressed = 1,
        ButtonsIsHighlighted = 2,
    };

    // Pixel sizes the tasks pane reads, in this order.
    struct TasksPaneMetrics
    {
        int nVertMargin;
        int nHorzMargin;
        int nGroupVertOffset;
        int nGroupCaptionHeight;
        int nGroupCaptionHorzOffset;
        int nGroupCaptionVertOffset;
        int nTasksHorzOffset;
        int nTasksIconHorzOffset;
        int nTasksIconVertOffset;
        int nTasksVertOffset;
    };

    explicit CZAVPVisualManager(BOOL bTemporary = FALSE);
    ~CZAVPVisualManager() override;
    void Serialize(CArchive& ar) override;

    // The current manager; a plain default one is made (auto-delete) when there is none. UI
    // thread only (ZAVPUiThread.h).
    static CZAVPVisualManager* GetInstance();
    // Deletes the current manager when the library made it itself (library clean-up at exit).
    static void DestroyInstance();
    // Redraws the main window, every toolbar and every mini frame after a change of look.
    static void RedrawAll();
    // The class made by GetInstance when no manager is current; null: CZAVPVisualManager.
    static CRuntimeClass* s_pDefaultManagerClass;

    void SetLook2000(BOOL bLook2000);
    BOOL IsLook2000() const { return m_bLook2000; }
    BOOL IsTemporary() const { return m_bTemporary; }
    BOOL IsAutoDelete() const { return m_bAutoDelete; }
    const TasksPaneMetrics& GetTasksPaneMetrics() const { return m_tasksPane; }

    virtual void OnUpdateSystemColors();
    virtual void OnFillBarBackground(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rectClient,
                                     CRect rectClip, BOOL bNCArea = FALSE);
    virtual void OnDrawBarBorder(CDC* pDC, CZAVPBaseControlBar* pBar, CRect& rect);
    virtual void OnDrawMenuBorder(CDC* pDC, CZAVPPopupMenu* pMenu, CRect rect);
    virtual void OnDrawMenuShadow(CDC* pDC, const CRect& rectClient, const CRect& rectExclude,
                                  int nDepth, int iMinBrightness, int iMaxBrightness,
                                  CBitmap* pBmpSaveBottom, CBitmap* pBmpSaveRight);
    virtual void OnDrawBarGripper(CDC* pDC, CRect rectGripper, BOOL bHorz,
                                  CZAVPBaseControlBar* pBar);
    virtual void OnDrawSeparator(CDC* pDC, CZAVPBaseControlBar* pBar, CRect rect, BOOL bIsHoriz);
    virtual COLORREF OnFillBarCaption(CDC* pDC, CZAVPDockingControlBar* pBar, BOOL bActive,
                                      CRect rectCaption, CRect rectButtons);
    virtual void OnDrawCaptionButton(CDC* pDC, CZAVPTitleButton* pButton, BOOL bActive, BOOL bHorz,
                                     BOOL bMaximized, BOOL bDisabled, int nImageID = -1);
    virtual void OnDrawMenuSystemButton(CDC* pDC, CRect rect, UINT uiSystemCommand, UINT nStyle,
                                        BOOL bHighlight);
    virtual void OnDrawStatusBarPaneBorder(CDC* pDC, CZAVPStatusBar* pBar, CRect rectPane,
                                           UINT uiID, UINT nStyle);
    virtual void OnDrawStatusBarProgress(CDC* pDC, CZAVPStatusBar* pStatusBar, CRect rectProgress,
                                         int nProgressTotal, int nProgressCurr, COLORREF clrBar,
                                         COLORREF clrProgressBarDest, COLORREF clrProgressText,
                                         BOOL bProgressText);
    virtual void OnDrawStatusBarSizeBox(CDC* pDC, CZAVPStatusBar* pStatBar, CRect rectSizeBox);
    virtual void OnDrawComboDropButton(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                       BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton);
    virtual void OnDrawComboBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsDropped,
                                   BOOL bIsHighlighted, CZAVPToolbarComboBoxButton* pButton);
    virtual void OnDrawEditBorder(CDC* pDC, CRect rect, BOOL bDisabled, BOOL bIsHighlighted,
                                  CZAVPToolbarEditBoxButton* pButton);
    virtual void OnDrawTearOffCaption(CDC* pDC, CRect rect, BOOL bIsActive);
    virtual void OnDrawSpinButtons(CDC* pDC, CRect& rectSpin, int nState, BOOL bOrientation);
    virtual void OnFillButtonInterior(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect, int state);
    virtual void OnDrawButtonBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect, int state);
    virtual void OnDrawMenuImageRectBorder(CDC* pDC, CZAVPToolbarButton* pButton, CRect rect,
                                           int state);
    virtual void OnHighlightMenuItem(CDC* pDC, CZAVPToolbarMenuButton* pButton, CRect rect,
                                     COLORREF& clrText);
    virtual void OnHighlightRarelyUsedMenuItems(CDC* pDC, CRect rectRarelyUsed);
    virtual COLORREF GetToolbarButtonTextColor(CZAVPToolbarButton* pButton, int state);
    virtual COLORREF GetCaptionBarTextColor(CZAVPCaptionBar* pBar);
    virtual void OnFillCaptionBarButton(CDC* pDC, CZAVPCaptionBar* pBar, CRect rect,
                                        COLORREF clrBarBackground, BOOL bNoFrame);
    virtual void OnFillOutlookPageButton(CDC* pDC, CRect& rect, BOOL bIsHighlighted,
                                         BOOL bIsPressed, COLORREF& clrText);
    virtual void OnDrawOutlookPageButtonBorder(CDC* pDC, CRect& rectBtn, BOOL bIsHighlighted,
                                               BOOL bIsPressed);
    virtual void OnEraseTabsArea(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd);
    virtual void OnDrawTab(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                           const CZAVPBaseTabWnd* pTabWnd);
    virtual void OnDrawTabContent(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                                  const CZAVPBaseTabWnd* pTabWnd, COLORREF clrText);
    virtual void OnEraseTabsButton(CDC* pDC, CRect rect, CZAVPButton* pButton,
                                   CZAVPBaseTabWnd* pWndTab);
    virtual void OnDrawTabsButtonBorder(CDC* pDC, CRect& rect, CZAVPButton* pButton, UINT uiState,
                                        CZAVPBaseTabWnd* pWndTab);
    virtual void GetTabFrameColors(const CZAVPBaseTabWnd* pTabWnd, COLORREF& clrDark,
                                   COLORREF& clrBlack, COLORREF& clrHighlight, COLORREF& clrFace,
                                   COLORREF& clrDarkShadow, COLORREF& clrLight, CBrush*& pbrFace,
                                   CBrush*& pbrBlack);
    virtual BOOL OnEraseTabsFrame(CDC* pDC, CRect rect, const CZAVPBaseTabWnd* pTabWnd);
    virtual BOOL HighlightTabsOnHover() const { return FALSE; }
    virtual COLORREF OnFillCommandsListBackground(CDC* pDC, CRect rect, BOOL bIsSelected = FALSE);
    virtual void OnDrawMenuArrowOnCustomizeList(CDC* pDC, CRect rectCommand, BOOL bSelected);
    virtual CSize GetButtonExtraBorder() const { return CSize(0, 0); }
    virtual CSize GetCaptionButtonExtraBorder() const { return CSize(0, 0); }
    virtual COLORREF OnFillMiniFrameCaption(CDC* pDC, CRect rectCaption,
                                            CZAVPMiniFrameWnd* pFrameWnd, BOOL bActive);
    virtual void OnDrawMiniFrameBorder(CDC* pDC, CZAVPMiniFrameWnd* pFrameWnd, CRect rectBorder,
                                       CRect rectBorderSize);
    virtual void OnDrawFloatingToolbarBorder(CDC* pDC, CZAVPToolBar* pToolBar, CRect rectBorder,
                                             CRect rectBorderSize);
    virtual void OnFillTasksPaneBackground(CDC* pDC, CRect rectWorkArea);
    virtual void OnDrawTasksGroupCaption(CDC* pDC, CZAVPTasksGroup* pGroup, BOOL bIsHighlighted,
                                         BOOL bIsSelected, BOOL bCanCollapse);
    // The interior of a task group below its caption; special groups have their own.
    virtual void OnFillTasksGroupInterior(CDC* /*pDC*/, CRect /*rect*/, BOOL /*bSpecial*/ = FALSE)
    {
    }
    virtual void OnDrawTasksGroupAreaBorder(CDC* pDC, CRect rect, BOOL bSpecial, BOOL bNoTitle);
    virtual void OnDrawTask(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted,
                            BOOL bIsSelected);
    virtual void OnDrawScrollButtons(CDC* pDC, const CRect& rect, int nBorderSize, int iImage,
                                     BOOL bHilited);
    virtual void OnDrawSlider(CDC* pDC, CZAVPSlider* pSlider, CRect rect, BOOL bAutoHideMode);
    virtual void OnDrawFramedLines(CDC* pDC, CRect rect, BOOL bMinusOnly, COLORREF clrFrame);
    virtual void OnDrawDoubleFrame(CDC* pDC, CWnd* pWnd, CRect rect);
    virtual void OnDrawFaceShadowFrame(CDC* pDC, CWnd* pWnd, CRect& rect);
    virtual void OnFillFaceRect(CDC* pDC, CWnd* pWnd, CRect rect);
    virtual COLORREF OnFillCalendarBarBackground(CDC* pDC, CRect rect, COLORREF& clr1,
                                                 COLORREF& clr2);
    virtual COLORREF OnDrawCalendarBarFrame(CDC* pDC, CRect rect);
    virtual void OnDrawCheckBox(CDC* pDC, CRect rect, BOOL bHighlighted, BOOL bChecked,
                                BOOL bEnabled);
    virtual void OnDrawControlBorder(CWnd* pWndCtrl);
    virtual void OnFillAutoHideButtonBackground(CDC* pDC, CRect rect, CZAVPAutoHideButton* pButton);
    virtual void OnDrawAutoHideButtonBorder(CDC* pDC, CRect rectBounds, CRect rectBorderSize,
                                            CZAVPAutoHideButton* pButton);
    virtual int GetMenuImageMargin() const { return 2; }
    virtual BOOL IsLook2000Allowed() const { return TRUE; }
    virtual int GetCustomizeButtonMargin() const { return 2; }
    virtual BOOL IsOffsetPressedButton() const { return TRUE; }
    virtual BOOL IsMenuJoinedToParentButton() const { return m_bMenuJoinedToParentButton; }
    virtual int GetPopupMenuBorderSize() const { return m_nMenuBorderSize; }
    virtual int GetShowAllMenuItemsHeight();
    virtual void OnDrawShowAllMenuItems(CDC* pDC, CRect rect, int state);

    BOOL m_bLook2000;                // one gripper line instead of two
    int m_nMenuShadowDepth;          // pixels of popup-menu shadows
    BOOL m_bMenuFlatLook;            // flat combo frames, no image border on dropped menu buttons
    BOOL m_bShadowHighlightedImage;  // highlighted toolbar images drawn with a shadow
    BOOL m_bEmbossDisabledImage;     // disabled toolbar images embossed
    BOOL m_bFadeInactiveImage;       // toolbar images from the light copy unless highlighted
    BOOL m_bFillAllCheckedButtons;   // FALSE: only menu buttons on popup menu bars are filled

protected:
    // The bar's colour set: the button colours for a bar living in a dialog, else the bar colours.
    struct BarColors
    {
        COLORREF face, shadow, hilite, dkShadow, light, text;
    };
    static BarColors ColorsOf(const CZAVPBaseControlBar* pBar);
    // The menu glyph of a caption button by its hit-test code; -1 for none.
    static int CaptionButtonGlyph(UINT nHit, BOOL bHorz, BOOL bMaximized);
    // The two halves of a spin control (left/right or top/bottom) and their arrow glyphs.
    static void SplitSpinRect(const CRect& rectSpin, BOOL bHorz, CRect halves[2], int glyphs[2]);
    // Draws one line of text in a font and colour, transparent, restoring the DC afterwards.
    static void DrawTextIn(CDC* pDC, const CString& text, CRect rect, CFont* pFont, COLORREF color,
                           UINT nFormat);
    // A frame round a whole window, drawn through a window DC.
    static void DrawWindowFrame(CWnd* pWnd, COLORREF clrTopLeft, COLORREF clrBottomRight);
    // A task of the tasks pane: separator line, or image and name; a highlighted link is
    // underlined and drawn in the hot-link colour given.
    void DrawTaskItem(CDC* pDC, CZAVPTask* pTask, HIMAGELIST hIcons, BOOL bIsHighlighted,
                      COLORREF clrHotLink);
    // Draws a menu glyph centred in a rectangle.
    static void DrawGlyphCentered(CDC* pDC, int nGlyph, const CRect& rect, int nState,
                                  int nOffset = 0);

    BOOL m_bTemporary;  // never becomes, nor clears, the current manager
    TasksPaneMetrics m_tasksPane;
    BOOL m_bMenuJoinedToParentButton;
    int m_nMenuBorderSize;
    BOOL m_bAutoDelete;  // made by GetInstance; deleted by the library clean-up

    // A tab of a scrolled tab window: the slanted outline in the DC's pen, its face filled with a
    // vertical gradient from the first colour at the bottom to the second (solid when equal).
    void DrawTabOneTabScroll(CDC* pDC, CRect rectTab, int iTab, BOOL bIsActive,
                             const CZAVPBaseTabWnd* pTabWnd, COLORREF clrFaceBottom,
                             COLORREF clrFaceTop);

private:
    void DrawTabClassic(CDC* pDC, CRect rectTab, BOOL bIsActive, BOOL bTop, COLORREF clrTab);
};
