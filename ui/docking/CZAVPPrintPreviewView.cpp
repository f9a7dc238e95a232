// The library's print preview (see CZAVPPrintPreviewView.h).
#include "ui/docking/CZAVPPrintPreviewView.h"

#include "framework/CCmdUI.h"
#include "framework/CDialogBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "framework/AfxMsgMap.h"

IMPLEMENT_DYNCREATE(CZAVPPrintPreviewView, CPreviewView)

BEGIN_MESSAGE_MAP(CZAVPPrintPreviewView, CPreviewView)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_DESTROY()
ON_UPDATE_COMMAND_UI(ID_PREVIEW_NUMPAGE, &CZAVPPrintPreviewView::OnUpdateNumPageChange)
END_MESSAGE_MAP()

namespace
{
const UINT kPreviewPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW;

// A button's image: its user image when it has one, else its standard one.
int ImageOf(const CZAVPToolbarButton* pButton)
{
    return pButton != nullptr ? pButton->GetImage() : -1;
}
}  // namespace

CZAVPPrintPreviewView::CZAVPPrintPreviewView()
    : m_iOnePageImageIndex(-1), m_iTwoPageImageIndex(-1), m_iPagesIndex(-1),
      m_pWndStatusBar(nullptr), m_nSimpleType(0), m_nReserved(0)
{
    m_bCenter = TRUE;
}

CZAVPPrintPreviewView::~CZAVPPrintPreviewView() {}

int CZAVPPrintPreviewView::OnCreate(LPCREATESTRUCT lpcs)
{
    if (CPreviewView::OnCreate(lpcs) == -1) return -1;
    // Without the toolbar the preview still runs, with its own bar.
    if (m_pToolBar == nullptr || !m_wndToolBar.Create(m_pToolBar, kToolbarStyle, AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(kToolbarResId, 0, 0, TRUE))
        return 0;
    m_wndToolBar.SetOwner(this);

    m_iPagesIndex = m_wndToolBar.CommandToIndex(ID_PREVIEW_NUMPAGE);
    m_iOnePageImageIndex = ImageOf(m_wndToolBar.GetButton(m_iPagesIndex));
    const int iPlaceholder = m_wndToolBar.CommandToIndex(kTwoPagesPlaceholder);
    m_iTwoPageImageIndex = ImageOf(m_wndToolBar.GetButton(iPlaceholder));
    if (iPlaceholder >= 0) m_wndToolBar.RemoveButton(iPlaceholder);

    const int iPrint = m_wndToolBar.CommandToIndex(ID_PREVIEW_PRINT);
    m_wndToolBar.SetDefaultButtonText(m_wndToolBar.GetButton(iPrint));
    m_wndToolBar.SetButtonTextMode(iPrint, TRUE, TRUE);
    const int iClose = m_wndToolBar.CommandToIndex(ID_PREVIEW_CLOSE);
    m_wndToolBar.SetDefaultButtonText(m_wndToolBar.GetButton(iClose));
    m_wndToolBar.SetButtonTextMode(iClose, TRUE, FALSE);

    CFrameWnd* pFrame = GetParentFrame();
    if (CZAVPDockManager* pManager = CZAVPDockingUtils::GetDockManager(pFrame))
        pManager->AddControlBar(&m_wndToolBar, FALSE);
    LayoutToolBar();

    if (pFrame != nullptr) {
        m_pWndStatusBar = dynamic_cast<CZAVPStatusBar*>(pFrame->GetDlgItem(AFX_IDW_STATUS_BAR));
        if (m_pWndStatusBar != nullptr) m_pWndStatusBar->SetPaneText(kStretchPane, nullptr);
    }
    return 0;
}

void CZAVPPrintPreviewView::LayoutToolBar()
{
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame == nullptr || m_pToolBar == nullptr || m_wndToolBar.GetSafeHwnd() == nullptr) return;
    const CSize size = m_wndToolBar.CalcFixedLayout(TRUE, TRUE);
    CRect rectClient;
    pFrame->GetClientRect(rectClient);
    m_pToolBar->SetWindowPos(nullptr, 0, 0, rectClient.Width(), size.cy, kPreviewPlaceFlags);
    m_wndToolBar.SetWindowPos(nullptr, 0, 0, rectClient.Width(), size.cy, kPreviewPlaceFlags);
    m_pToolBar->m_sizeDefault.cy = size.cy;
    pFrame->RecalcLayout();
    pFrame->UpdateWindow();
}

void CZAVPPrintPreviewView::OnSize(UINT nType, int cx, int cy)
{
    CPreviewView::OnSize(nType, cx, cy);
    LayoutToolBar();
}

void CZAVPPrintPreviewView::OnUpdateNumPageChange(CCmdUI* pCmdUI)
{
    CPreviewView::OnUpdateNumPageChange(pCmdUI);
    if (m_wndToolBar.GetSafeHwnd() == nullptr) return;
    CZAVPToolbarButton* pButton = m_wndToolBar.GetButton(m_iPagesIndex);
    if (pButton == nullptr) return;
    // The picture shows what the button would switch to.
    const UINT nPages = m_nZoomState == ZOOM_OUT ? m_nPages : m_nZoomOutPages;
    pButton->SetImage(nPages == 1 ? m_iTwoPageImageIndex : m_iOnePageImageIndex);
    CRect rect = pButton->GetRect();
    m_wndToolBar.InvalidateRect(rect, TRUE);
}

void CZAVPPrintPreviewView::OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed)
{
    CString strText;
    if (m_pPreviewInfo != nullptr)
        FormatPageText(m_pPreviewInfo->m_strPageDesc, nPage, nPagesDisplayed, strText);
    if (m_pWndStatusBar != nullptr) {
        m_pWndStatusBar->SetPaneText(kStretchPane, strText, TRUE);
        return;
    }
    if (CFrameWnd* pFrame = GetParentFrame())
        pFrame->SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)(LPCSTR)strText);
}

void CZAVPPrintPreviewView::OnDestroy()
{
    if (m_pWndStatusBar != nullptr && ::IsWindow(m_pWndStatusBar->GetSafeHwnd()))
        m_pWndStatusBar->SetPaneText(kStretchPane, nullptr, TRUE);
    m_pWndStatusBar = nullptr;
    if (m_wndToolBar.GetSafeHwnd() != nullptr) m_wndToolBar.DestroyWindow();
    CPreviewView::OnDestroy();
}
