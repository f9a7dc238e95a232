// The library's print preview: the platform's preview with its commands on the library's flat
// toolbar (in place of the preview's own buttons) and the page numbers in the library status
// bar's stretching pane. The frames place it on their dock manager's client area.
#pragma once

#include "framework/CPreviewView.h"
#include "ui/docking/CZAVPPrintPreviewToolBar.h"

class CZAVPStatusBar;

class CZAVPPrintPreviewView : public CPreviewView
{
    DECLARE_DYNCREATE(CZAVPPrintPreviewView)
public:
    CZAVPPrintPreviewView();
    ~CZAVPPrintPreviewView() override;

    void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed) override;

    CZAVPPrintPreviewToolBar m_wndToolBar;
    int m_iOnePageImageIndex;         // image of the one/two-pages button while two pages are shown
    int m_iTwoPageImageIndex;         // its image while one page is shown
    int m_iPagesIndex;                // index of the one/two-pages button on the toolbar
    CZAVPStatusBar* m_pWndStatusBar;  // the frame's library status bar, not owned
    int m_nSimpleType;                // kept for the stored layout of the class; unused
    int m_nReserved;

    // The toolbar resource: the preview's commands and a placeholder carrying the two-pages image.
    static const UINT kToolbarResId = 0x4240;
    static const UINT kTwoPagesPlaceholder = 0x423F;
    static const int kStretchPane = 255;  // the status bar's first stretching pane
    // WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
    // CBRS_HIDE_INPLACE
    static const DWORD kToolbarStyle = 0x50402808;

protected:
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnSize(UINT nType, int cx, int cy);
    void OnDestroy();
    void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    // The toolbar along the top of the frame, the preview's bar under it as high.
    void LayoutToolBar();
    DECLARE_MESSAGE_MAP()
};
