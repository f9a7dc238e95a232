// Command routing through a single-document program: view, document, frame, application; the
// update-UI pulls along the same route; the idle update reaching a bar of the frame and a
// floating mini frame; the frame's menu items disabled when nobody handles them.
#include <gtest/gtest.h>

#include "framework/CControlBar.h"
#include "framework/CCmdUI.h"
#include "framework/CDocument.h"
#include "framework/CMenu.h"
#include "framework/CMiniFrameWnd.h"
#include "framework/CSingleDocTemplate.h"
#include "framework/CStatic.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "framework/windows/WindowTestResources.h"
#include "framework/windows/WindowTestSupport.h"

using wintest::EventLog;

namespace
{

EventLog* g_log = nullptr;

class RoutingApp : public CWinApp
{
public:
    RoutingApp() : CWinApp("RoutingTest") {}
    BOOL OnEverywhere(UINT)
    {
        g_log->Add("app");
        return TRUE;
    }
    void OnAppOnly() { g_log->Add("app-only"); }
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(RoutingApp, CWinApp)
ON_COMMAND_EX(ID_TEST_EVERYWHERE, &RoutingApp::OnEverywhere)
ON_COMMAND(ID_TEST_APP_ONLY, &RoutingApp::OnAppOnly)
END_MESSAGE_MAP()

class RoutingDoc : public CDocument
{
    DECLARE_DYNCREATE(RoutingDoc)
public:
    BOOL OnEverywhere(UINT)
    {
        g_log->Add("doc");
        return FALSE;
    }
    void OnDocOnly() { g_log->Add("doc-only"); }
    void OnUpdateViewOnly(CCmdUI* pCmdUI) { pCmdUI->SetCheck(1); }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RoutingDoc, CDocument)
BEGIN_MESSAGE_MAP(RoutingDoc, CDocument)
ON_COMMAND_EX(ID_TEST_EVERYWHERE, &RoutingDoc::OnEverywhere)
ON_COMMAND(ID_TEST_DOC_ONLY, &RoutingDoc::OnDocOnly)
ON_UPDATE_COMMAND_UI(ID_TEST_VIEW_ONLY, &RoutingDoc::OnUpdateViewOnly)
END_MESSAGE_MAP()

class RoutingView : public CView
{
    DECLARE_DYNCREATE(RoutingView)
public:
    BOOL OnEverywhere(UINT)
    {
        g_log->Add("view");
        return FALSE;
    }
    void OnViewOnly() { g_log->Add("view-only"); }
    // The view lets the document decide the check mark.
    void OnUpdateViewOnly(CCmdUI* pCmdUI) { pCmdUI->ContinueRouting(); }
    void OnUpdate(CView*, LPARAM lHint, CObject*) override
    {
        g_log->Add("update" + std::to_string(lHint));
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RoutingView, CView)
BEGIN_MESSAGE_MAP(RoutingView, CView)
ON_COMMAND_EX(ID_TEST_EVERYWHERE, &RoutingView::OnEverywhere)
ON_COMMAND(ID_TEST_VIEW_ONLY, &RoutingView::OnViewOnly)
ON_UPDATE_COMMAND_UI(ID_TEST_VIEW_ONLY, &RoutingView::OnUpdateViewOnly)
END_MESSAGE_MAP()

// A bar that records each idle pull of its one command's state.
class StateBar : public CControlBar
{
public:
    EventLog* log = nullptr;
    const char* name = "";
    CTestCmdUI lastState;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override
    {
        lastState = CTestCmdUI();
        lastState.m_nID = ID_TEST_NOBODY;
        lastState.DoUpdate(pTarget, bDisableIfNoHndler);
        log->Add(std::string(name) +
                 (pTarget->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)) ? "<-mini" : "<-frame"));
    }
    CSize CalcFixedLayout(BOOL, BOOL bHorz) override
    {
        return bHorz ? CSize(32767, 20) : CSize(20, 32767);
    }
};

class RoutingFrame : public CFrameWnd
{
    DECLARE_DYNCREATE(RoutingFrame)
public:
    StateBar bar;
    BOOL OnEverywhere(UINT)
    {
        g_log->Add("frame");
        return FALSE;
    }
    void OnFrameOnly() { g_log->Add("frame-only"); }
    int OnCreate(LPCREATESTRUCT lpcs)
    {
        if (CFrameWnd::OnCreate(lpcs) == -1) return -1;
        bar.log = g_log;
        bar.name = "bar";
        bar.m_dwStyle = CBRS_TOP;
        return bar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this,
                          AFX_IDW_TOOLBAR)
                   ? 0
                   : -1;
    }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(RoutingFrame, CFrameWnd)
BEGIN_MESSAGE_MAP(RoutingFrame, CFrameWnd)
ON_WM_CREATE()
ON_COMMAND_EX(ID_TEST_EVERYWHERE, &RoutingFrame::OnEverywhere)
ON_COMMAND(ID_TEST_FRAME_ONLY, &RoutingFrame::OnFrameOnly)
END_MESSAGE_MAP()

class RoutingTest : public ::testing::Test
{
protected:
    EventLog log;
    RoutingApp app;
    CSingleDocTemplate* pTemplate = nullptr;
    RoutingFrame* pFrame = nullptr;
    CDocument* pDoc = nullptr;

    void SetUp() override
    {
        g_log = &log;
        app.m_nCmdShow = SW_SHOWNOACTIVATE;
        pTemplate = new CSingleDocTemplate(IDR_TEST_FRAME, RUNTIME_CLASS(RoutingDoc),
                                           RUNTIME_CLASS(RoutingFrame), RUNTIME_CLASS(RoutingView));
        app.AddDocTemplate(pTemplate);
        pDoc = pTemplate->OpenDocumentFile(nullptr);
        ASSERT_NE(nullptr, pDoc);
        pFrame = static_cast<RoutingFrame*>(app.m_pMainWnd);
        ASSERT_NE(nullptr, pFrame);
        log.events.clear();
    }
    void TearDown() override
    {
        if (app.m_pMainWnd != nullptr) app.m_pMainWnd->DestroyWindow();
        wintest::PumpPending();
        g_log = nullptr;
    }
    void Command(UINT nID) { pFrame->SendMessage(WM_COMMAND, nID); }
};

TEST_F(RoutingTest, OpenDocumentFileBuildsDocumentFrameAndView)
{
    CView* pView = pFrame->GetActiveView();
    ASSERT_NE(nullptr, pView);
    EXPECT_TRUE(pView->IsKindOf(RUNTIME_CLASS(RoutingView)));
    EXPECT_EQ(pDoc, pView->GetDocument());
    EXPECT_EQ(pDoc, pFrame->GetActiveDocument());
    EXPECT_EQ(AFX_IDW_PANE_FIRST, pView->GetDlgCtrlID());
    EXPECT_NE(nullptr, pFrame->m_hAccelTable);  // the template's resource id
    EXPECT_NE(nullptr, ::GetMenu(pFrame->m_hWnd));
    EXPECT_STREQ("\xC4\xEE\xEA\xF3\xEC\xE5\xED\xF2",
                 pDoc->GetTitle());  // "Документ": the string's second line
    // At the first idle time the bar took the top of the client area and the view the rest.
    app.OnIdle(0);
    CRect client, barRect, viewRect;
    pFrame->GetClientRect(&client);
    pFrame->bar.GetWindowRect(&barRect);
    pView->GetWindowRect(&viewRect);
    pFrame->ScreenToClient(&barRect);
    pFrame->ScreenToClient(&viewRect);
    auto text = [](const RECT& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    };
    EXPECT_EQ(text(CRect(0, 0, client.right, 20)), text(barRect));
    EXPECT_EQ(text(CRect(0, 20, client.right, client.bottom)), text(viewRect));
}

TEST_F(RoutingTest, CommandsGoToViewDocumentFrameThenApplication)
{
    Command(ID_TEST_EVERYWHERE);
    EXPECT_EQ("view doc frame app", log.Joined());
    log.events.clear();
    Command(ID_TEST_VIEW_ONLY);
    Command(ID_TEST_DOC_ONLY);
    Command(ID_TEST_FRAME_ONLY);
    Command(ID_TEST_APP_ONLY);
    EXPECT_EQ("view-only doc-only frame-only app-only", log.Joined());
}

TEST_F(RoutingTest, UpdateRequestsFollowTheSameRoute)
{
    CTestCmdUI viewOnly;
    viewOnly.m_nID = ID_TEST_VIEW_ONLY;
    EXPECT_TRUE(viewOnly.DoUpdate(pFrame, TRUE));
    EXPECT_TRUE(viewOnly.m_bEnabled);  // a handler exists (the view's)
    EXPECT_EQ(1, viewOnly.m_nCheck);   // the view passed the request on, the document checked it

    CTestCmdUI nobody;
    nobody.m_nID = ID_TEST_NOBODY;
    nobody.DoUpdate(pFrame, TRUE);
    EXPECT_FALSE(nobody.m_bEnabled);
    CTestCmdUI appOnly;
    appOnly.m_nID = ID_TEST_APP_ONLY;
    appOnly.DoUpdate(pFrame, TRUE);
    EXPECT_TRUE(appOnly.m_bEnabled);

    // The frame's popup menu: items follow the same state.
    CMenu* pPopup = CMenu::FromHandle(::GetSubMenu(::GetMenu(pFrame->m_hWnd), 0));
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pPopup->m_hMenu, 0);
    EXPECT_EQ(MF_CHECKED, pPopup->GetMenuState(ID_TEST_VIEW_ONLY, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(MF_GRAYED, pPopup->GetMenuState(ID_TEST_NOBODY, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(0u, pPopup->GetMenuState(ID_TEST_DOC_ONLY, MF_BYCOMMAND) & MF_GRAYED);
}

TEST_F(RoutingTest, IdleUpdateReachesTheBarsOfTheFrameAndOfAMiniFrame)
{
    pFrame->ShowWindow(SW_SHOWNA);
    auto* pMini = new CMiniFrameWnd;
    ASSERT_TRUE(pMini->Create(nullptr, "mini", WS_POPUP | WS_CAPTION | WS_VISIBLE | MFS_SYNCACTIVE,
                              CRect(10, 10, 110, 80), pFrame));
    StateBar miniBar;
    miniBar.log = &log;
    miniBar.name = "mini-bar";
    miniBar.m_dwStyle = CBRS_TOP;
    ASSERT_TRUE(miniBar.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), pMini,
                               AFX_IDW_TOOLBAR));

    EXPECT_TRUE(app.OnIdle(0));
    EXPECT_EQ("bar<-frame mini-bar<-mini", log.Joined());
    EXPECT_FALSE(pFrame->bar.lastState.m_bEnabled);  // nobody handles the bar's command

    // A hidden bar is not asked.
    log.events.clear();
    pFrame->bar.ShowWindow(SW_HIDE);
    app.OnIdle(0);
    EXPECT_EQ("mini-bar<-mini", log.Joined());
    miniBar.DestroyWindow();
    pMini->DestroyWindow();
}

TEST_F(RoutingTest, MessageLineShowsTheCommandPromptOfTheSelectedMenuItem)
{
    CStatic line;
    ASSERT_TRUE(
        line.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), pFrame, AFX_IDW_STATUS_BAR));
    pFrame->SetMessageText(ID_TEST_VIEW_ONLY);
    CString text;
    line.GetWindowText(text);
    EXPECT_STREQ("\xD2\xEE\xEB\xFC\xEA\xEE \xE2\xE8\xE4",
                 text);  // "Только вид": the prompt before the line break
    // Selecting a menu item and idling in the menu loop shows its prompt; a text shows as given.
    pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_TEST_DOC_ONLY, MF_STRING), 0);
    pFrame->SendMessage(WM_ENTERIDLE, MSGF_MENU, 0);
    line.GetWindowText(text);
    EXPECT_STREQ("", text);  // the command has no prompt string
    EXPECT_EQ((UINT)ID_TEST_DOC_ONLY, pFrame->m_nIDLastMessage);
    pFrame->SetMessageText("ready");
    line.GetWindowText(text);
    EXPECT_STREQ("ready", text);
    line.DestroyWindow();
}

TEST_F(RoutingTest, UpdateAllViewsSkipsTheSenderAndClosingTheFrameEndsTheLoop)
{
    pDoc->UpdateAllViews(nullptr, 3);
    pDoc->UpdateAllViews(pFrame->GetActiveView(), 4);
    EXPECT_EQ("update3", log.Joined());

    // Closing the main frame closes the document and posts WM_QUIT.
    pFrame->SendMessage(WM_CLOSE);
    EXPECT_EQ(nullptr, app.m_pMainWnd);
    MSG msg;
    bool sawQuit = false;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) sawQuit |= msg.message == WM_QUIT;
    EXPECT_TRUE(sawQuit);
}

}  // namespace
