// The thin splitter window between docked panes. A frame side's default slider owns the
// container tree of the panes docked along that side and stands on its inner edge; inner
// sliders belong to the nodes of that tree. Dragging a slider moves the split it stands for,
// within the limits its container gives when the drag starts.
#pragma once

#include "framework/CRect.h"
#include "ui/docking/CZAVPBaseControlBar.h"

class CZAVPContainerLayout;
class CZAVPControlBar;
class CZAVPDockingControlBar;

class CZAVPSlider : public CZAVPBaseControlBar
{
    DECLARE_DYNCREATE(CZAVPSlider)
public:
    // Style bits: between panes stacked top-to-bottom (dragged vertically), or side by side.
    static const DWORD SS_HORZ = 0x1;
    static const DWORD SS_VERT = 0x2;
    static const int kDefaultWidth = 4;
    // Resource cursors of the two drag directions.
    static const UINT kIdcVertical = 30980;
    static const UINT kIdcHorizontal = 30981;

    CZAVPSlider() : CZAVPSlider(FALSE, nullptr) {}
    CZAVPSlider(BOOL bDefaultSlider, CWnd* pOwner);
    ~CZAVPSlider() override;

    // ---- overrides
    void Serialize(CArchive& ar) override;
    BOOL IsHorizontal() const override { return (m_dwSliderStyle & SS_HORZ) != 0; }
    BOOL CanBeDetached() const override;
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

    // ---- operations this class adds
    virtual void Move(CPoint ptOffset, BOOL bAdjustLayout = TRUE);
    virtual void AddControlBar(CZAVPDockingControlBar* pBar);
    virtual CZAVPDockingControlBar* AddRecentControlBar(CZAVPDockingControlBar* pBar);
    virtual BOOL InsertControlBar(CZAVPDockingControlBar* pBarToInsert,
                                  CZAVPDockingControlBar* pTargetBar, DWORD dwAlignment,
                                  LPCRECT lpRect = nullptr);
    virtual BOOL ReplaceControlBar(CZAVPDockingControlBar* pBarOld,
                                   CZAVPDockingControlBar* pBarNew);
    virtual void RemoveControlBar(CZAVPDockingControlBar* pBar);
    // Lays the slider and its container out in rect (the frame's client coordinates); a
    // bottom container gets the strip at the top of rect, and so on.
    virtual HDWP RepositionBars(CRect& rectNew, HDWP& hdwp);
    virtual BOOL AddContainerManager(CZAVPContainerLayout& manager, CZAVPDockingControlBar* pTarget,
                                     DWORD dwAlignment);
    virtual BOOL AddContainerManager(CZAVPContainerLayout& manager);
    virtual BOOL ShowIfAnyBarVisible();
    virtual void OnShowControlBar(CZAVPDockingControlBar* pBar, BOOL bShow);
    virtual BOOL CanFloatAny() const;
    virtual void CalcExpectedDockedRect(CWnd* pWndToDock, CPoint ptMouse, CRect& rectResult,
                                        BOOL& bDrawTab, CZAVPDockingControlBar** ppTargetBar);
    virtual BOOL DestroyIfEmpty();
    // Posts the slider a request to destroy itself if it is then still empty and unreferenced.
    void CheckEmptyLater();
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                        CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwStyleEx, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                          UINT nID, CCreateContext* pContext = nullptr);
    using CZAVPBaseControlBar::CreateEx;
    virtual void StopTracking(BOOL bMoveSlider);

    // ---- non-virtual
    CZAVPDockingControlBar* GetFirstBar() const;
    CZAVPDockingControlBar* FindBarByID(UINT nID) const;
    void StoreRecentDockInfo(CZAVPDockingControlBar* pBar);
    void OnShowBar(CZAVPDockingControlBar* pBar, BOOL bShow);

    CZAVPContainerLayout* GetContainerManager() const { return m_pContainerManager; }
    // An inner slider learns its tree when the tree creates it.
    void SetContainerManager(CZAVPContainerLayout* pManager) { m_pContainerManager = pManager; }
    BOOL IsDefault() const { return m_bDefaultSlider; }
    // A slider made through its run-time class becomes a frame side's default slider before
    // its window is created.
    void InitDefault(CWnd* pOwner)
    {
        m_bDefaultSlider = TRUE;
        m_pOwner = pOwner;
    }
    BOOL IsAutoHideMode() const { return m_bAutoHideMode; }
    void SetAutoHideMode(BOOL bMode) { m_bAutoHideMode = bMode; }
    DWORD GetSliderStyle() const { return m_dwSliderStyle; }
    int GetWidth() const { return m_nWidth; }
    int GetSliderID() const { return m_nID; }
    int GetPreferredRow() const { return m_nPreferredRow; }
    BOOL IsDragging() const { return m_bDragging != 0; }
    // The outline being dragged and the rectangle it may not leave (screen coordinates).
    CRect GetDragRect() const { return m_rectDragBounds; }
    CRect GetLimitsRect() const { return m_rectLimits; }
    CWnd* GetOwnerWnd() const { return m_pOwner; }
    // The window rectangle in the parent's client coordinates.
    CRect RectInParent() const;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSize(UINT nType, int cx, int cy);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCancelMode();
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnNcDestroy();
    LRESULT OnCheckEmpty(WPARAM, LPARAM);
    void PostNcDestroy() override;
    DECLARE_MESSAGE_MAP()

    // Draws (or, with the previous rectangle, moves) the XOR outline on the desktop.
    void DrawOutline(const CRect& rectNew, const CRect& rectOld);

protected:
    int m_nID;              // the window's control id; -1 until created
    DWORD m_dwSliderStyle;  // SS_HORZ or SS_VERT; stored
    int m_nWidth;           // thickness along the drag axis
    BYTE m_bDragging;
    BOOL m_bDefaultSlider;  // owns (creates, stores, deletes) the container
    BOOL m_bAutoHideMode;   // never shows or hides itself
    int m_nMinOffset;       // drag limits relative to the slider; stored
    int m_nMaxOffset;
    int m_nPreferredRow;     // from the container at each drag start; stored
    CRect m_rectDragBounds;  // the outline being dragged (screen), empty when idle
    CRect m_rectLimits;      // the slider widened by the offsets (screen)
    CZAVPContainerLayout* m_pContainerManager;  // owned by a default slider
    CWnd* m_pOwner;                             // the frame or mini frame given at construction
    CRect m_rectOutlineDrawn;                   // the outline currently on the screen (screen)

    static HCURSOR m_hcurVert;
    static HCURSOR m_hcurHorz;
};
