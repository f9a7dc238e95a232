// The process-wide data every drawing routine of the UI library reads: the system colours (and a
// second "bar" set that starts equal to them), brushes made from them, the UI fonts and their text
// heights, the colour depth, the small-icon size, OS version flags, shared cursors and settings.
#pragma once

#include <windows.h>

#include "framework/CGdiObject.h"

class CWnd;
class CDC;

class CZAVPGlobalData
{
public:
    CZAVPGlobalData();
    ~CZAVPGlobalData();
    CZAVPGlobalData(const CZAVPGlobalData&) = delete;
    CZAVPGlobalData& operator=(const CZAVPGlobalData&) = delete;

    // The stored colour for the system colour indices kept here, else the system's.
    COLORREF GetColor(int nColor) const;
    void UpdateSysColors();
    void UpdateFonts();
    void UpdateTextMetrics();
    // Paints a child window's background as its parent would, through the theme library when it
    // can, else with WM_ERASEBKGND sent to the parent over a shifted origin.
    BOOL DrawParentBackground(CWnd* pWnd, CDC* pDC, LPRECT lpRect = nullptr);
    // Frees the GDI objects and the theme library; safe to call more than once.
    void CleanUp();
    // Nearest frame window around a window; a floating mini frame leads on to its owner.
    static CWnd* GetParentFrameOf(CWnd* pWnd);

    HBRUSH hbrBtnHilite;  // system brushes, not owned
    HBRUSH hbrBtnShadow;
    HBRUSH hbrWindow;

    COLORREF clrBtnFace;
    COLORREF clrBtnShadow;
    COLORREF clrBtnHilite;
    COLORREF clrBtnText;
    COLORREF clrWindowFrame;
    COLORREF clrBtnDkShadow;
    COLORREF clrBtnLight;
    COLORREF clrGrayedText;
    COLORREF clrHilite;
    COLORREF clrTextHilite;
    COLORREF clrHotText;  // fixed pure blue
    COLORREF clrWindow;

    // The set bars are drawn with; it starts as the button set.
    COLORREF clrBarFace;
    COLORREF clrBarShadow;
    COLORREF clrBarHilite;
    COLORREF clrBarDkShadow;
    COLORREF clrBarLight;
    COLORREF clrBarText;
    COLORREF clrBarWindow;

    COLORREF clrWindowText;
    COLORREF clrCaptionText;
    COLORREF clrMenuText;
    COLORREF clrActiveCaption;
    COLORREF clrInactiveCaption;
    COLORREF clrInactiveCaptionText;
    COLORREF clrActiveBorder;
    COLORREF clrInactiveBorder;

    CBrush brBtnFace;
    CBrush brHilite;
    CBrush brLight;  // half-way face to highlight; a checkerboard at 8 bits or less
    CBrush brBlack;  // dark shadow colour
    CBrush brActiveCaption;
    CBrush brInactiveCaption;
    CBrush brWindow;  // bar window colour
    CBrush brBarFace;

    // Shared cursors and icon, loaded on first use by the bars that show them.
    HCURSOR m_hcurStretch;      // library cursor 30980
    HCURSOR m_hcurStretchVert;  // library cursor 30981
    HCURSOR m_hcurPane;         // library cursor 16919
    HCURSOR m_hcurSizeAll;      // system IDC_SIZEALL
    HICON m_hiconTool;          // library icon 16931 at the small-icon size

    int m_sizeSmallIcon_cx;  // from the shell's small image list, else SM_CXSMICON
    int m_sizeSmallIcon_cy;

    CFont fontRegular;  // the menu font, see UpdateFonts
    CFont fontStatusBar;
    CFont fontBold;
    CFont fontUnderline;
    CFont fontVert;         // text top to bottom
    CFont fontVertCaption;  // text bottom to top
    CFont fontMarlett;

    BOOL bIsWindowsNT4;
    BOOL bIsWindows9x;
    int m_nBitsPerPixel;  // screen colour depth; many routines switch at 8

    int m_nDragFrameThicknessFloat;          // 4
    int m_nDragFrameThicknessDock;           // 3
    int m_nAutoHideToolBarSpacing;           // 14
    int m_nAutoHideToolBarMargin;            // 4
    int m_nCoveredMainWndClientAreaPercent;  // 50
    int m_nMaxToolTipWidth;                  // -1: no limit is sent

    int m_nTextHeightHorz;  // text height of the regular font + 2
    int m_nTextHeightVert;  // text height of the vertical font + 2

    HMODULE m_hinstUXThemeDLL;  // "UxTheme.dll", loaded on first use by DrawParentBackground

private:
    void DeleteFonts(BOOL bWithMarlett);
    void UpdateSmallIconSize();
    void ReadOsVersion();

public:
    // The light brush: the solid colour half-way from face to highlight above 8 bits per pixel,
    // else an 8 x 8 checkerboard of the two.
    static void CreateLightBrush(CBrush& brush, int bitsPerPixel, COLORREF face, COLORREF hilite);
};

// The one global data block, made on first use: its constructor asks the system for colours, fonts
// and the shell's icon size, which must not run while static objects are constructed. It belongs
// to the user-interface thread (ZAVPUiThread.h); debug builds check every use.
CZAVPGlobalData& ZAVPGetGlobalData();
// The name the drawing code knows the block by.
#define globalData (ZAVPGetGlobalData())
