// The main frame: its bars, its client, its commands and its end.
#include "app/CTarnimelFrame.h"

#include <dbt.h>

#include "app/CTarnimelApp.h"
#include "app/DLG_Statistics.h"
#include "app/DriveFacts.h"
#include "app/NewCdromPrompt.h"
#include "app/VIEW_CategoryTree.h"
#include "app/VIEW_ItemsList.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogFormat.h"
#include "catalog/TextConversion.h"
#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "framework/CCreateContext.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/foundation/ZAVPListRange.h"
#include "resources/AppResource.h"

IMPLEMENT_DYNCREATE(CTarnimelFrame, CZAVPFrameWnd)

BEGIN_MESSAGE_MAP(CTarnimelFrame, CZAVPFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_DEVICECHANGE()
ON_COMMAND(ID_FIND, &CTarnimelFrame::OnSearch)
ON_COMMAND(ID_ADD_DISC, &CTarnimelFrame::OnAddDisc)
ON_COMMAND(ID_ADD_DISC_ALT, &CTarnimelFrame::OnAddDisc)
ON_COMMAND(ID_DELETE_ITEM, &CTarnimelFrame::OnDelete)
ON_COMMAND(ID_NEW_FOLDER, &CTarnimelFrame::OnCreateFolder)
// The context menus' "Создать папку" reaches the frame from the item list.
ON_COMMAND(ID_NEW_FOLDER_CONTEXT, &CTarnimelFrame::OnCreateFolder)
ON_COMMAND(ID_STATISTICS, &CTarnimelFrame::OnStatistics)
// An in-place edit whose view is not the active one still gets its loop.
ON_COMMAND(ID_EDIT_LOOP, &CTarnimelFrame::OnEditLoop)
ON_COMMAND(ID_SHOW_WORKSPACE, &CTarnimelFrame::OnShowWorkspace)
ON_COMMAND(ID_HIDE_WORKSPACE, &CTarnimelFrame::OnHideWorkspace)
ON_UPDATE_COMMAND_UI(ID_SHOW_WORKSPACE, &CTarnimelFrame::OnUpdateShowWorkspace)
ON_UPDATE_COMMAND_UI(ID_HIDE_WORKSPACE, &CTarnimelFrame::OnUpdateHideWorkspace)
END_MESSAGE_MAP()

namespace
{

// Bar styles: a flat toolbar at the top with gripper, tooltips and prompts, resizable.
const DWORD ToolBarCtrlStyle = TBSTYLE_FLAT;
const DWORD ToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                           CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
const DWORD StatusBarStyle = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM;

// The workspace bar: a 200 x 200 pane on the left that floats into a multi-pane frame, regular
// tabs, and every capability of a docking pane (float, auto-hide, resize, close).
const CRect WorkspaceRect(0, 0, 200, 200);
const DWORD WorkspaceStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | CBRS_LEFT |
                             CBRS_FLOAT_MULTI;
const DWORD WorkspaceTabStyle = ZAVP_CBRS_REGULAR_TABS;
const DWORD WorkspaceBarStyle = ZAVP_CBRS_FLOAT | ZAVP_CBRS_AUTOHIDE | ZAVP_CBRS_RESIZE |
                                ZAVP_CBRS_CLOSE;
const DWORD CategoryTreeStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;

// The message pane, then the lock keys; the framework's frame enables each while its lock is on.
const UINT Indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
static_assert(ID_INDICATOR_CAPS == IDS_INDICATOR_CAP && ID_INDICATOR_NUM == IDS_INDICATOR_NUM &&
                  ID_INDICATOR_SCRL == IDS_INDICATOR_SCRL,
              "the indicator panes take their texts from the string table under their own ids");

}  // namespace

CTarnimelFrame::CTarnimelFrame() = default;
CTarnimelFrame::~CTarnimelFrame() = default;

BOOL CTarnimelFrame::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CZAVPFrameWnd::PreCreateWindow(cs)) return FALSE;
    // The title is the application's name alone, and the frame shows once the document is open.
    cs.style &= ~(FWS_ADDTOTITLE | WS_VISIBLE);
    return TRUE;
}

int CTarnimelFrame::OnCreate(LPCREATESTRUCT lpcs)
{
    // A catalogue that could not be read (the user has been told) gets no window: nothing may
    // show or save a collection that stands in for an unreadable file.
    const CCreateContext* context = static_cast<const CCreateContext*>(lpcs->lpCreateParams);
    const CTarnimelDoc* doc = context ? dynamic_cast<const CTarnimelDoc*>(context->m_pCurrentDoc)
                                      : nullptr;
    if (doc && doc->m_startupLoad != StartupLoad::Loaded &&
        doc->m_startupLoad != StartupLoad::Created)
        return -1;
    const CRect borders(1, 1, 1, 1);
    if (!m_wndToolBar.CreateEx(this, ToolBarCtrlStyle, ToolBarStyle, borders, MainToolBarId) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    if (!m_wndNavigationBar.CreateEx(this, ToolBarCtrlStyle, ToolBarStyle, borders,
                                     NavigationToolBarId) ||
        !m_wndNavigationBar.LoadToolBar(IDR_NAVIGATION))
        return -1;
    if (!m_wndStatusBar.Create(this, StatusBarStyle, StatusBarId) ||
        !m_wndStatusBar.SetIndicators(Indicators, (int)(sizeof Indicators / sizeof Indicators[0])))
        return -1;
    if (!CreateWorkspace(this, WorkspaceBarId)) return -1;
    // The client comes after the bars: the category tree goes into the workspace bar.
    if (CZAVPFrameWnd::OnCreate(lpcs) == -1) return -1;

    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndNavigationBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndWorkspace.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    DockControlBar(&m_wndNavigationBar);
    DockControlBar(&m_wndWorkspace);
    return 0;
}

BOOL CTarnimelFrame::CreateWorkspace(CWnd* pParent, UINT nID)
{
    return m_wndWorkspace.Create(ToAnsiString(L"Обзор").c_str(), pParent, WorkspaceRect, TRUE, nID,
                                 WorkspaceStyle, WorkspaceTabStyle, WorkspaceBarStyle, nullptr);
}

BOOL CTarnimelFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    // The tree is a view of the document too (the same context), living in the bar's tab.
    m_pCategoryTree = new VIEW_CategoryTree;
    if (!m_pCategoryTree->Create(nullptr, ToAnsiString(L"По категориям").c_str(), CategoryTreeStyle,
                                 CRect(0, 0, 0, 0), m_wndWorkspace.GetTabWnd(), CategoryTreeId,
                                 pContext))
    {
        // A view that never got its window is not deleted by its destruction.
        delete m_pCategoryTree;
        m_pCategoryTree = nullptr;
        return FALSE;
    }
    m_wndWorkspace.AddTab(m_pCategoryTree, TRUE, TRUE, FALSE);
    m_pItemsList = static_cast<CView*>(CreateView(pContext, AFX_IDW_PANE_FIRST));
    return m_pItemsList != nullptr;
}

void CTarnimelFrame::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible)
{
    CZAVPFrameWnd::InitialUpdateFrame(pDoc, bMakeVisible);
    if (!bMakeVisible) return;
    // A bar left floating comes back in a frame of its own, which is no child of this one: the
    // first update reaches the views it holds (the category tree) only here.
    for (CZAVPMiniFrameWnd* miniFrame : ListOf<CZAVPMiniFrameWnd>(m_dockManager.GetMiniFrames()))
        if (miniFrame->GetSafeHwnd() != nullptr)
            miniFrame->SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE, TRUE);
}

void CTarnimelFrame::OnClose()
{
    // The workspace bar goes before the document closes, so that the tree it holds is no longer
    // one of the document's views. Its place and visibility would go with it: the UI state is
    // saved while it still stands, and the base close saves nothing over that.
    CZAVPWorkspace* workspace = GetWorkspace();
    // The close finds the document through the active view: with the tree active, the bar would
    // take it along and the document would stay open, its changes unsaved.
    if (m_pItemsList && GetActiveView() != m_pItemsList) SetActiveView(m_pItemsList, FALSE);
    m_Impl.OnCloseFrame();
    const BOOL saving = workspace ? workspace->m_bSaveState : FALSE;
    if (workspace) workspace->m_bSaveState = FALSE;
    m_wndWorkspace.DestroyWindow();
    m_pCategoryTree = nullptr;  // it went with the bar
    CZAVPFrameWnd::OnClose();
    if (workspace) workspace->m_bSaveState = saving;
}

void CTarnimelFrame::OnDestroy()
{
    CZAVPFrameWnd::OnDestroy();
    // Every local loop still open on the main thread (an edit, a modal box) is left from now on.
    if (CTarnimelApp* app = GetTarnimelApp()) app->StartQuitNudger();
}

BOOL CTarnimelFrame::OnDeviceChange(UINT nEventType, DWORD_PTR dwData)
{
    if (nEventType == DBT_DEVICEARRIVAL && dwData != 0) {
        const DEV_BROADCAST_HDR* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(dwData);
        if (header->dbch_devicetype == DBT_DEVTYP_VOLUME &&
            header->dbch_size >= sizeof(DEV_BROADCAST_VOLUME))
        {
            const DEV_BROADCAST_VOLUME* volume = reinterpret_cast<const DEV_BROADCAST_VOLUME*>(
                dwData);
            if (OnNewCdrom(volume->dbcv_unitmask)) return TRUE;
        }
    }
    return (BOOL)Default();
}

BOOL CTarnimelFrame::OnNewCdrom(DWORD unitMask)
{
    NewCdromPrompt prompt;
    if (!prompt.PrepareForMask(unitMask, m_pDrives ? *m_pDrives : DriveFacts::System()))
        return FALSE;
    if (AfxMessageBox(prompt.m_text.c_str(), MB_YESNO) == IDYES) {
        if (CTarnimelDoc* doc = ActiveCatalog()) {
            doc->SetDefaultRoot(prompt.m_root.c_str());
            doc->OnAddDisc(nullptr);
        }
    }
    return TRUE;
}

CTarnimelDoc* CTarnimelFrame::ActiveCatalog()
{
    return dynamic_cast<CTarnimelDoc*>(GetActiveDocument());
}

void CTarnimelFrame::OnSearch()
{
    if (CTarnimelDoc* doc = ActiveCatalog()) doc->OnSearch();
}

void CTarnimelFrame::OnAddDisc()
{
    if (CTarnimelDoc* doc = ActiveCatalog()) doc->OnAddDisc(nullptr);
}

void CTarnimelFrame::OnDelete()
{
    if (CTarnimelDoc* doc = ActiveCatalog()) doc->DeleteNode(nullptr);
}

void CTarnimelFrame::OnCreateFolder()
{
    if (CTarnimelDoc* doc = ActiveCatalog()) doc->CreateFolder(nullptr);
}

void CTarnimelFrame::OnStatistics()
{
    DLG_Statistics dialog(this);
    dialog.m_text = FormatStatistics().c_str();
    dialog.DoModal();
}

void CTarnimelFrame::OnEditLoop()
{
    if (auto* list = dynamic_cast<VIEW_ItemsList*>(m_pItemsList))
        if (list->RunEditLoop(ID_EDIT_LOOP)) return;
    if (m_pCategoryTree) m_pCategoryTree->RunEditLoop(ID_EDIT_LOOP);
}

void CTarnimelFrame::OnShowWorkspace() { m_wndWorkspace.ShowWorkspace(); }

void CTarnimelFrame::OnHideWorkspace() { m_wndWorkspace.HideWorkspace(); }

void CTarnimelFrame::OnUpdateShowWorkspace(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndWorkspace.GetSafeHwnd() != nullptr && !m_wndWorkspace.IsVisible());
}

void CTarnimelFrame::OnUpdateHideWorkspace(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_wndWorkspace.GetSafeHwnd() != nullptr && m_wndWorkspace.IsVisible());
}
