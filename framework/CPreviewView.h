// The print preview: a view that takes the frame's place of the previewed view, with its commands
// on a dialog bar above it: next and previous page, one or two pages side by side, zoom, print and
// close. It shows the pages' outlines and says which pages are shown; with no printer here, it
// renders no page content and "print" only closes the preview and passes the print command on.
#pragma once

#include "framework/AfxPreviewIds.h"
#include "framework/CFrameWnd.h"
#include "framework/CPrintInfo.h"
#include "framework/CView.h"

class CCmdUI;
class CDialogBar;

class CPreviewView : public CView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    enum ZoomState
    {
        ZOOM_OUT = 0,
        ZOOM_MIDDLE = 1,
        ZOOM_IN = 2
    };

    // Starts a preview of pPrintView in the frame: the frame hides its own bars and view
    // (pState keeps what it hid and must outlive the preview), the preview takes the pages of
    // pInfo (owned from now on). The new preview, or null.
    static CPreviewView* StartPreview(CFrameWnd* pFrame, CView* pPrintView,
                                      CRuntimeClass* pPreviewViewClass, CPrintPreviewState* pState,
                                      CPrintInfo* pInfo);

    // Shows the pages from nPage on.
    void SetCurrentPage(UINT nPage);
    // Says which pages are shown (the frame's message line here).
    virtual void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed);
    void OnDraw(CDC* pDC) override;

    CDialogBar* m_pToolBar;  // the preview's own bar (AFX_IDW_PREVIEW_BAR), owned
    CView* m_pOrigView;      // the frame's view before the preview
    CView* m_pPrintView;     // the view previewed
    CPrintPreviewState* m_pPreviewState;
    CPrintInfo* m_pPreviewInfo;  // owned
    UINT m_nPages;               // pages shown now (1 or 2)
    UINT m_nZoomOutPages;        // pages shown when zoomed out
    UINT m_nZoomState;           // ZoomState
    UINT m_nCurrentPage;
    BOOL m_bCenter;  // the pages are centred in the view

    // ---- commands
    void OnPreviewClose();
    void OnPreviewPrint();
    void OnNextPage();
    void OnPrevPage();
    void OnNumPageChange();
    void OnZoomIn();
    void OnZoomOut();
    void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    void OnUpdateNextPage(CCmdUI* pCmdUI);
    void OnUpdatePrevPage(CCmdUI* pCmdUI);
    void OnUpdateZoomIn(CCmdUI* pCmdUI);
    void OnUpdateZoomOut(CCmdUI* pCmdUI);

    // The page description's part for the pages shown, formatted; FALSE when the description
    // has no such part.
    static BOOL FormatPageText(const CString& strPageDesc, UINT nPage, UINT nPagesDisplayed,
                               CString& strText);

protected:
    BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()

private:
    UINT LastFirstPage() const;
};
