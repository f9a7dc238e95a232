// Base window class of every bar of the library: docking panes, toolbars, the dock bars and the
// sliders. Declared so far: the fields and the operations that the drawing code reads; the bar
// machinery (docking, state, layout) joins them in this class.
#pragma once

#include "framework/CControlBar.h"
#include "framework/CWnd.h"

class CZAVPMiniFrameWnd;

// The system's own control-bar capability bits (beside the platform's CBRS_* bar style).
enum ZAVPControlBarStyle : DWORD
{
    ZAVP_CBRS_FLOAT = 0x1,
    ZAVP_CBRS_AUTOHIDE = 0x2,
    ZAVP_CBRS_RESIZE = 0x4,
    ZAVP_CBRS_CLOSE = 0x8,
    ZAVP_CBRS_AUTO_ROLLUP = 0x10,
};

class CZAVPBaseControlBar : public CWnd
{
    DECLARE_DYNAMIC(CZAVPBaseControlBar)
public:
    CZAVPBaseControlBar();

    virtual BOOL IsHorizontal() const { return (GetCurrentAlignment() & CBRS_ORIENT_HORZ) != 0; }
    // TRUE unless a mini frame around the bar hosts the bar's window.
    virtual BOOL IsDocked() const;
    virtual BOOL IsFloating() const { return !IsDocked(); }
    virtual DWORD GetCurrentAlignment() const { return m_dwStyle & CBRS_ALIGN_ANY; }
    virtual DWORD GetBarStyle() const { return m_dwStyle; }
    virtual DWORD GetControlBarStyle() const { return m_dwControlBarStyle; }
    virtual BOOL CanFloat() const { return (m_dwControlBarStyle & ZAVP_CBRS_FLOAT) != 0; }
    virtual void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    // Nearest ancestor window that is a mini frame, or null.
    virtual CZAVPMiniFrameWnd* GetParentMiniFrame(BOOL bNoAssert = FALSE) const;

    // The bar was created with a dialog as its parent: it is drawn with the button colours.
    BOOL IsDialogControl() const { return m_bIsDlgControl; }

protected:
    DWORD m_dwBarFlags;           // transient flags; cleared at construction
    DWORD m_dwEnabledAlignment;   // CBRS_ALIGN_* sides on which the bar may dock
    DWORD m_dwStyle;              // platform bar style: alignment 0xF000, borders 0x0F00, ...
    DWORD m_dwControlBarStyle;    // ZAVP_CBRS_* capability bits
    BOOL m_bIsDlgControl;         // the parent given at creation is a dialog
};
