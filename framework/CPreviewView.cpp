// CPreviewView (see CPreviewView.h).
#include "framework/CPreviewView.h"

#include "framework/CCmdUI.h"
#include "framework/CCreateContext.h"
#include "framework/CDC.h"
#include "framework/CDialogBar.h"
#include "framework/CWinApp.h"

IMPLEMENT_DYNCREATE(CPreviewView, CView)

BEGIN_MESSAGE_MAP(CPreviewView, CView)
ON_WM_ERASEBKGND()
ON_COMMAND(ID_PREVIEW_CLOSE, &CPreviewView::OnPreviewClose)
ON_COMMAND(ID_PREVIEW_PRINT, &CPreviewView::OnPreviewPrint)
ON_COMMAND(ID_PREVIEW_NEXT, &CPreviewView::OnNextPage)
ON_COMMAND(ID_PREVIEW_PREV, &CPreviewView::OnPrevPage)
ON_COMMAND(ID_PREVIEW_NUMPAGE, &CPreviewView::OnNumPageChange)
ON_COMMAND(ID_PREVIEW_ZOOMIN, &CPreviewView::OnZoomIn)
ON_COMMAND(ID_PREVIEW_ZOOMOUT, &CPreviewView::OnZoomOut)
ON_UPDATE_COMMAND_UI(ID_PREVIEW_NUMPAGE, &CPreviewView::OnUpdateNumPageChange)
ON_UPDATE_COMMAND_UI(ID_PREVIEW_NEXT, &CPreviewView::OnUpdateNextPage)
ON_UPDATE_COMMAND_UI(ID_PREVIEW_PREV, &CPreviewView::OnUpdatePrevPage)
ON_UPDATE_COMMAND_UI(ID_PREVIEW_ZOOMIN, &CPreviewView::OnUpdateZoomIn)
ON_UPDATE_COMMAND_UI(ID_PREVIEW_ZOOMOUT, &CPreviewView::OnUpdateZoomOut)
END_MESSAGE_MAP()

namespace
{
const int kPageMargin = 16;        // around and between the pages, in pixels
const int kShadow = 3;             // the pages' shadow offset
const double kPageAspect = 1.414;  // height / width of a portrait page

// The frame's close command during a preview ends the preview instead.
BOOL ClosePreviewOf(CFrameWnd* pFrame)
{
    CPreviewView* pView = dynamic_cast<CPreviewView*>(pFrame->GetActiveView());
    if (pView == nullptr) return FALSE;
    pView->OnPreviewClose();
    return TRUE;
}
}  // namespace

CPrintInfo::CPrintInfo() { m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC); }

CPreviewView::CPreviewView()
    : m_pToolBar(nullptr), m_pOrigView(nullptr), m_pPrintView(nullptr), m_pPreviewState(nullptr),
      m_pPreviewInfo(nullptr), m_nPages(1), m_nZoomOutPages(1), m_nZoomState(ZOOM_OUT),
      m_nCurrentPage(1), m_bCenter(FALSE)
{
}

CPreviewView::~CPreviewView()
{
    if (m_pToolBar != nullptr) {
        if (m_pToolBar->GetSafeHwnd() != nullptr) m_pToolBar->DestroyWindow();
        delete m_pToolBar;
    }
    delete m_pPreviewInfo;
}

CPreviewView* CPreviewView::StartPreview(CFrameWnd* pFrame, CView* pPrintView,
                                         CRuntimeClass* pPreviewViewClass,
                                         CPrintPreviewState* pState, CPrintInfo* pInfo)
{
    if (pFrame == nullptr || pState == nullptr || pInfo == nullptr) {
        delete pInfo;
        return nullptr;
    }
    CObject* pObject = pPreviewViewClass != nullptr ? pPreviewViewClass->CreateObject() : nullptr;
    CPreviewView* pView = dynamic_cast<CPreviewView*>(pObject);
    if (pView == nullptr) {
        delete pObject;
        delete pInfo;
        return nullptr;
    }
    pView->m_pOrigView = pFrame->GetActiveView();
    pView->m_pPrintView = pPrintView;
    pView->m_pPreviewState = pState;
    pView->m_pPreviewInfo = pInfo;
    pInfo->m_bPreview = TRUE;
    pView->m_nPages = pView->m_nZoomOutPages = pInfo->m_nNumPreviewPages == 2 ? 2 : 1;

    // The frame makes room: its bars, menu and view are put away until the preview closes.
    pState->lpfnCloseProc = ClosePreviewOf;
    pFrame->OnSetPreviewMode(TRUE, pState);

    pView->m_pToolBar = new CDialogBar;
    CCreateContext context;
    context.m_pCurrentDoc = pPrintView != nullptr ? pPrintView->GetDocument() : nullptr;
    if (!pView->m_pToolBar->Create(pFrame, CBRS_TOP, AFX_IDW_PREVIEW_BAR) ||
        !pView->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW & ~WS_BORDER, CRect(0, 0, 0, 0),
                       pFrame, AFX_IDW_PANE_FIRST, &context))
    {
        // The view object may be gone already (PostNcDestroy); the bar is ours to take down.
        ::OutputDebugStringA("Lornival: the print preview could not be created\n");
        pFrame->OnSetPreviewMode(FALSE, pState);
        return nullptr;
    }
    pView->SetCurrentPage(pInfo->m_nCurPage);
    pFrame->SetActiveView(pView);
    pFrame->RecalcLayout();
    return pView;
}

// ---- pages

UINT CPreviewView::LastFirstPage() const
{
    const UINT nMax = m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMaxPage() : 1;
    const UINT nMin = m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMinPage() : 1;
    return nMax >= nMin + m_nPages - 1 ? nMax - (m_nPages - 1) : nMin;
}

void CPreviewView::SetCurrentPage(UINT nPage)
{
    const UINT nMin = m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMinPage() : 1;
    if (nPage < nMin) nPage = nMin;
    if (nPage > LastFirstPage()) nPage = LastFirstPage();
    m_nCurrentPage = nPage;
    if (m_pPreviewInfo != nullptr) m_pPreviewInfo->m_nCurPage = nPage;
    OnDisplayPageNumber(m_nCurrentPage, m_nPages);
    if (m_hWnd != nullptr) Invalidate();
}

BOOL CPreviewView::FormatPageText(const CString& strPageDesc, UINT nPage, UINT nPagesDisplayed,
                                  CString& strText)
{
    strText.Empty();
    // The first line serves one page shown, the second several.
    const int nBreak = strPageDesc.Find('\n');
    CString strFormat;
    if (nPagesDisplayed == 1) {
        strFormat = nBreak < 0 ? strPageDesc : strPageDesc.Left(nBreak);
    } else {
        if (nBreak < 0) return FALSE;
        strFormat = strPageDesc.Mid(nBreak + 1);
        const int nEnd = strFormat.Find('\n');
        if (nEnd >= 0) strFormat = strFormat.Left(nEnd);
    }
    if (strFormat.IsEmpty()) return FALSE;
    if (nPagesDisplayed == 1)
        strText.Format(strFormat, nPage);
    else
        strText.Format(strFormat, nPage, nPage + nPagesDisplayed - 1);
    return TRUE;
}

void CPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    CString strText;
    if (m_pPreviewInfo != nullptr)
        FormatPageText(m_pPreviewInfo->m_strPageDesc, nPage, nPagesDisplayed, strText);
    if (CFrameWnd* pFrame = GetParentFrame()) pFrame->SetMessageText(strText);
}

// ---- drawing

BOOL CPreviewView::OnEraseBkgnd(CDC*) { return TRUE; }  // OnDraw fills everything

void CPreviewView::OnDraw(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    ::FillRect(pDC->GetSafeHdc(), rectClient, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    // The pages side by side at the height the view allows, zoomed in at twice that.
    const int nPages = (int)m_nPages;
    int nHeight = rectClient.Height() - 2 * kPageMargin;
    if (m_nZoomState != ZOOM_OUT) nHeight *= (int)m_nZoomState + 1;
    int nWidth = (int)(nHeight / kPageAspect);
    const int nTotal = nPages * nWidth + (nPages - 1) * kPageMargin;
    int x = m_bCenter ? (rectClient.Width() - nTotal) / 2 : kPageMargin;
    for (int i = 0; i < nPages; ++i, x += nWidth + kPageMargin) {
        CRect rectPage(x, kPageMargin, x + nWidth, kPageMargin + nHeight);
        CRect rectShadow = rectPage;
        rectShadow.OffsetRect(kShadow, kShadow);
        ::FillRect(pDC->GetSafeHdc(), rectShadow, ::GetSysColorBrush(COLOR_3DDKSHADOW));
        ::FillRect(pDC->GetSafeHdc(), rectPage, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        ::FrameRect(pDC->GetSafeHdc(), rectPage, (HBRUSH)::GetStockObject(BLACK_BRUSH));
    }
}

// ---- commands

void CPreviewView::OnPreviewClose()
{
    CFrameWnd* pFrame = GetParentFrame();
    CPrintPreviewState* pState = m_pPreviewState;
    if (m_pToolBar != nullptr) {
        if (m_pToolBar->GetSafeHwnd() != nullptr) m_pToolBar->DestroyWindow();
        delete m_pToolBar;
        m_pToolBar = nullptr;
    }
    // The frame gets its view, bars and menu back; the preview goes (it deletes itself).
    if (pFrame != nullptr && pState != nullptr) pFrame->OnSetPreviewMode(FALSE, pState);
    DestroyWindow();
    if (pFrame != nullptr) pFrame->RecalcLayout();
}

void CPreviewView::OnPreviewPrint()
{
    CView* pPrintView = m_pPrintView;
    CFrameWnd* pFrame = GetParentFrame();
    OnPreviewClose();
    // The printed view gets the print command it would have had.
    if (pFrame != nullptr) pFrame->PostMessage(WM_COMMAND, ID_FILE_PRINT);
    (void)pPrintView;
}

void CPreviewView::OnNextPage() { SetCurrentPage(m_nCurrentPage + 1); }

void CPreviewView::OnPrevPage()
{
    if (m_nCurrentPage > 1) SetCurrentPage(m_nCurrentPage - 1);
}

void CPreviewView::OnNumPageChange()
{
    if (m_nZoomState != ZOOM_OUT) return;
    m_nPages = m_nPages == 1 ? 2 : 1;
    m_nZoomOutPages = m_nPages;
    if (m_pPreviewInfo != nullptr) m_pPreviewInfo->m_nNumPreviewPages = m_nPages;
    SetCurrentPage(m_nCurrentPage);
}

void CPreviewView::OnZoomIn()
{
    if (m_nZoomState == ZOOM_IN) return;
    m_nZoomState++;
    m_nPages = 1;  // one page at a time when zoomed in
    SetCurrentPage(m_nCurrentPage);
}

void CPreviewView::OnZoomOut()
{
    if (m_nZoomState == ZOOM_OUT) return;
    m_nZoomState--;
    if (m_nZoomState == ZOOM_OUT) m_nPages = m_nZoomOutPages;
    SetCurrentPage(m_nCurrentPage);
}

void CPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    // The command says what it would show: two pages while one is shown, and back.
    const UINT nPages = m_nZoomState == ZOOM_OUT ? m_nPages : m_nZoomOutPages;
    CString strText;
    strText.LoadString(nPages == 1 ? AFX_IDS_TWOPAGE : AFX_IDS_ONEPAGE);
    pCmdUI->SetText(strText);
    const BOOL bSeveralPages = m_pPreviewInfo != nullptr &&
                               m_pPreviewInfo->GetMaxPage() > m_pPreviewInfo->GetMinPage();
    pCmdUI->Enable(m_nZoomState == ZOOM_OUT && bSeveralPages);
}

void CPreviewView::OnUpdateNextPage(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_nCurrentPage < LastFirstPage());
}

void CPreviewView::OnUpdatePrevPage(CCmdUI* pCmdUI)
{
    const UINT nMin = m_pPreviewInfo != nullptr ? m_pPreviewInfo->GetMinPage() : 1;
    pCmdUI->Enable(m_nCurrentPage > nMin);
}

void CPreviewView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_IN); }
void CPreviewView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(m_nZoomState != ZOOM_OUT); }
