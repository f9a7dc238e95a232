// A small program built on the framework alone: the framework's WinMain runs this application
// object, which opens a document in a frame through a single-document template; the frame closes
// itself once the loop has run its idle update, and the exit code tells the test what happened.
#include "framework/CControlBar.h"
#include "framework/CCmdUI.h"
#include "framework/CDocument.h"
#include "framework/CFrameWnd.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "framework/windows/WindowTestResources.h"

namespace
{

const UINT_PTR kCloseTimer = 1;
const int kExitAllSeen = 42;  // the loop ran, the idle update reached the view, the frame closed

bool g_idleReachedView = false;
bool g_documentClosed = false;

class ProgramDoc : public CDocument
{
    DECLARE_DYNCREATE(ProgramDoc)
public:
    void DeleteContents() override { g_documentClosed = m_viewList.IsEmpty(); }
};
IMPLEMENT_DYNCREATE(ProgramDoc, CDocument)

class ProgramView : public CView
{
    DECLARE_DYNCREATE(ProgramView)
public:
    void OnUpdateClose(CCmdUI* pCmdUI)
    {
        g_idleReachedView = true;
        pCmdUI->Enable(TRUE);
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(ProgramView, CView)
BEGIN_MESSAGE_MAP(ProgramView, CView)
ON_UPDATE_COMMAND_UI(ID_TEST_CLOSE, &ProgramView::OnUpdateClose)
END_MESSAGE_MAP()

// A bar whose one button is the close command: the idle update asks the routing about it.
class CloseBar : public CControlBar
{
public:
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        CTestCmdUI state;
        state.m_nID = ID_TEST_CLOSE;
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
};

class ProgramFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(ProgramFrame)
public:
    CloseBar m_bar;
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
        m_bar.m_dwStyle = CBRS_TOP;
        if (!m_bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                          AFX_IDW_TOOLBAR))
            return -1;
        SetTimer(kCloseTimer, 200);
        return 0;
    }
    void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != kCloseTimer || !g_idleReachedView) return;
        KillTimer(kCloseTimer);
        PostMessage(WM_COMMAND, ID_TEST_CLOSE);
    }
    void OnCloseCommand() { PostMessage(WM_CLOSE); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(ProgramFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(ProgramFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_TIMER()
ON_COMMAND(ID_TEST_CLOSE, &ProgramFrame::OnCloseCommand)
END_MESSAGE_MAP()

class ProgramApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        AddDocTemplate(new CSingleDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(ProgramDoc),
                                              RUNTIME_CLASS(ProgramFrame),
                                              RUNTIME_CLASS(ProgramView)));
        OnFileNew();
        return m_pMainWnd != nullptr;
    }
    int ExitInstance() override
    {
        CWinApp::ExitInstance();
        return g_idleReachedView && g_documentClosed ? kExitAllSeen : 1;
    }
};

ProgramApp theApp;

}  // namespace
