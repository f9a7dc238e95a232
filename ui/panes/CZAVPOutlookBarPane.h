// A page of the outlook bar: a toolbar of one column of large outlook buttons, centred across
// the pane on a background colour or a tiled bitmap, with two small scroll buttons in the top
// and bottom right corners while the column runs past the pane. In customisation mode its
// buttons can be dragged to other outlook panes, and the pane itself dragged onto an outlook bar.
#pragma once

#include <vector>

#include "ui/foundation/CZAVPImageStrip.h"
#include "ui/panes/ZAVPOutlookPaneLayout.h"
#include "ui/toolbars/CZAVPButton.h"
#include "ui/toolbars/CZAVPToolBar.h"

class CDC;
class CZAVPOutlookBar;

class CZAVPOutlookBarPane : public CZAVPToolBar
{
    DECLARE_SERIAL(CZAVPOutlookBarPane)
public:
    // Ids of the two scroll buttons and of their auto-repeat timers.
    static constexpr UINT kScrollUpId = 1;
    static constexpr UINT kScrollDownId = 2;
    static constexpr UINT kScrollUpTimer = 1;
    static constexpr UINT kScrollDownTimer = 2;
    static constexpr UINT kScrollRepeatMs = 200;
    // Glyphs of the scroll buttons in the menu glyph strip.
    static constexpr int kUpGlyph = 7;
    static constexpr int kDownGlyph = 0;
    // Transparent colour of background bitmaps (and of the shared images once a pane exists).
    static constexpr COLORREF kTransparent = RGB(255, 0, 255);
    // The window style with which the outlook bar makes its custom pages.
    static constexpr DWORD kCustomPageStyle = 0x50402808;

    CZAVPOutlookBarPane();
    ~CZAVPOutlookBarPane() override;

    // ---- added here
    // Fills the rectangle with the background colour, or tiles the background bitmap over it.
    virtual void OnEraseWorkArea(CDC* pDC, CRect rectWorkArea);
    virtual BOOL Create(CWnd* pParentWnd, DWORD dwStyle, UINT uiID, DWORD dwControlBarStyle);
    using CZAVPToolBar::Create;

    // The bar background hands the pane to its own background painting.
    BOOL HasOwnBackground() const { return m_bHasOwnBackground; }
    // A bitmap resource tiled as the background; 0 for the plain colour.
    void SetBackImage(UINT uiImageID);
    UINT GetBackImage() const { return m_uiBackImageId; }
    void SetBackColor(COLORREF color);
    void SetTextColor(COLORREF color) { m_clrRegText = color; }
    COLORREF GetRegularColor() const { return m_clrRegText; }
    BOOL IsBackgroundTexture() const { return m_uiBackImageId != 0; }
    BOOL IsHighColorBackground() const { return m_bIsHighColor && IsBackgroundTexture(); }
    void EnablePageScrollMode(BOOL bPageScroll = TRUE) { m_bPageScrollMode = bPageScroll; }

    // One step (or, in page-scroll mode, one page) towards the top or the bottom.
    void ScrollUp();
    void ScrollDown();
    void ScrollPageUp();
    void ScrollPageDown();
    int GetScrollOffset() const { return m_scroll.nOffset; }
    int GetFirstVisibleButton() const { return m_scroll.nFirstVisible; }
    BOOL CanScrollDown() const { return m_bScrollDown; }
    CZAVPButton& GetScrollUpButton() { return m_btnUp; }
    CZAVPButton& GetScrollDownButton() { return m_btnDown; }
    // The size of the scroll buttons: a menu glyph with 4 pixels more each way.
    static CSize ScrollButtonSize();

    // ---- overrides
    BOOL PreTranslateMessage(MSG* pMsg) override;
    DWORD GetCurrentAlignment() const override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;
    void DoPaint(CDC* pDC) override;
    BOOL Dock(CZAVPBaseControlBar* pDockBar, LPCRECT lpRect, int nDockMethod) override;
    void RemoveAllButtons() override;
    BOOL CanBeRestored() const override;
    BOOL RestoreOriginalState() override;
    DROPEFFECT DragOverButton(const CZAVPToolbarButton& button, DWORD dwKeyState,
                              CPoint point) override;
    void AdjustLocations() override;
    CZAVPToolbarButton* CreateDroppedButton(COleDataObject* pDataObject) override;
    BOOL EnableContextMenuItems(CZAVPToolbarButton* pButton, CMenu* pPopup) override;
    BOOL CanChangeTextLabels() const override { return FALSE; }

    // The outlook bar under a screen point, or null.
    static CZAVPOutlookBar* OutlookBarAt(CPoint ptScreen);
    // While the pane is dragged: once the cursor has left the parent window, the outlook bar
    // under it (or that window's parent) is where a drop goes.
    void UpdateDropTarget(CPoint ptScreen);
    CWnd* GetDropTarget() const { return m_pWndDropTarget; }
    // Whether the current buttons differ from the original ones (count or any button).
    BOOL DiffersFromOriginal() const;

protected:
    // Lays the scroll state out again and redraws.
    void Relayout();
    // The heights of the buttons as last laid out.
    std::vector<int> ButtonHeights() const;

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSysColorChange();
    void OnTimer(UINT_PTR nIDEvent);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnNcDestroy();
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

protected:
    BOOL m_bHasOwnBackground;
    COLORREF m_clrRegText;         // -1: the look's button text colour
    COLORREF m_clrTransparent;     // of the background bitmap
    COLORREF m_clrBackColor;       // the plain background
    int m_nReserved;               // -1
    CZAVPImageStrip m_Background;  // the background bitmap, one image of its own size
    UINT m_uiBackImageId;          // 0: none
    CZAVPButton m_btnUp;
    CZAVPButton m_btnDown;
    ZAVPOutlookPaneLayout::ScrollState m_scroll;
    BOOL m_bScrollDown;      // the last laid-out button ends below the client area
    BOOL m_bIsHighColor;     // the bitmap was loaded on a display of more than 8 bits
    int m_nExtraSpace;       // between buttons, pixels
    CWnd* m_pWndDropTarget;  // while the pane is dragged out
    BOOL m_bPageScrollMode;
    std::vector<int> m_heights;  // of the buttons as last laid out
};
