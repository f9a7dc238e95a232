// The in-place frames and the container frame objects (see COleIPFrameWnd.h).
#include "framework/COleIPFrameWnd.h"

#include "framework/CView.h"

IMPLEMENT_DYNAMIC(COleServerDoc, COleDocument)
IMPLEMENT_DYNCREATE(COleIPFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(COleDocIPFrameWnd, COleIPFrameWnd)
IMPLEMENT_DYNAMIC(COleCntrFrameWnd, CFrameWnd)

void COleServerDoc::OnResizeBorder(LPCRECT, LPOLEINPLACEUIWINDOW lpUIWindow, BOOL)
{
    // The document's own frame puts no tools on the container: it asks for no border space.
    // Only a live container hears it; none exists in this program.
    if (lpUIWindow != nullptr) lpUIWindow->SetBorderSpace(nullptr);
}

// ---- in-place frame

BEGIN_MESSAGE_MAP(COleIPFrameWnd, CFrameWnd)
ON_WM_DESTROY()
ON_MESSAGE(WM_IDLEUPDATECMDUI, &COleIPFrameWnd::OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

COleIPFrameWnd::COleIPFrameWnd() : m_pMainFrame(nullptr), m_pDocFrame(nullptr), m_lpFrame(nullptr)
{
}

COleIPFrameWnd::~COleIPFrameWnd()
{
    delete m_pDocFrame;
    delete m_pMainFrame;
}

BOOL COleIPFrameWnd::OnCreateControlBars(CFrameWnd*, CFrameWnd*) { return TRUE; }

COleServerDoc* COleIPFrameWnd::GetActiveServerDoc()
{
    CView* pView = GetActiveView();
    return pView != nullptr ? dynamic_cast<COleServerDoc*>(pView->GetDocument()) : nullptr;
}

LRESULT COleIPFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    return CFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
}

void COleIPFrameWnd::OnDestroy()
{
    // The session ends: the container's frames are left as they were, their objects go.
    delete m_pDocFrame;
    m_pDocFrame = nullptr;
    delete m_pMainFrame;
    m_pMainFrame = nullptr;
    CFrameWnd::OnDestroy();
}

// ---- container frame objects

COleCntrFrameWnd::COleCntrFrameWnd(COleIPFrameWnd* pInPlaceFrame) : m_pInPlaceFrame(pInPlaceFrame)
{
}

COleCntrFrameWnd::~COleCntrFrameWnd()
{
    // The handle is the container's: given back, not destroyed.
    if (m_hWnd != nullptr) Detach();
}

void COleCntrFrameWnd::RecalcLayout(BOOL bNotify)
{
    // The server's bars on the container's frame: laid out, and the in-place frame follows.
    CFrameWnd::RecalcLayout(bNotify);
    if (m_pInPlaceFrame != nullptr && m_pInPlaceFrame->GetSafeHwnd() != nullptr)
        m_pInPlaceFrame->RecalcLayout(bNotify);
}

LRESULT COleCntrFrameWnd::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam)
{
    return CFrameWnd::OnIdleUpdateCmdUI(wParam, lParam);
}
