// The program's main window: the main and navigation toolbars, the status bar, the workspace bar
// with the category tree, the item list as its view; it routes the catalogue's commands to the document, shows the statistics, offers to
// add a disc when a CD-ROM arrives, and starts the quit thread when it is destroyed.
#pragma once
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "app/WND_Workspace.h"

class CTarnimelDoc;
class DriveFacts;
class VIEW_CategoryTree;

class CTarnimelFrame : public CZAVPFrameWnd
{
    DECLARE_DYNCREATE(CTarnimelFrame)
public:
    // Control ids of the bars. The navigation toolbar has an id of its own: sharing the status
    // bar's would make their look-ups by id and their saved states collide.
    static const UINT MainToolBarId = 0xE800;
    static const UINT NavigationToolBarId = 0xE806;
    static const UINT StatusBarId = 0xE801;
    static const UINT WorkspaceBarId = 0xFFFFFFFF;
    static const UINT CategoryTreeId = 1;

    CTarnimelFrame();
    ~CTarnimelFrame() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext) override;
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) override;

    CZAVPToolBar& MainToolBar() { return m_wndToolBar; }
    CZAVPToolBar& NavigationToolBar() { return m_wndNavigationBar; }
    CZAVPStatusBar& StatusBar() { return m_wndStatusBar; }
    WND_Workspace& WorkspaceBar() { return m_wndWorkspace; }
    VIEW_CategoryTree* GetCategoryTree() const { return m_pCategoryTree; }
    CView* GetItemsList() const { return m_pItemsList; }

    // The drives the new-disc prompt asks about (the system's unless a test sets its own).
    void SetDriveFacts(DriveFacts* drives) { m_pDrives = drives; }
    // Answers a volume arrival: the prompt for the first CD-ROM of the unit mask. TRUE when it
    // was asked, whatever the answer.
    BOOL OnNewCdrom(DWORD unitMask);

protected:
    // The workspace bar "Обзор", docked on the left.
    BOOL CreateWorkspace(CWnd* pParent, UINT nID);
    int OnCreate(LPCREATESTRUCT lpcs);
    void OnClose();
    void OnDestroy();
    BOOL OnDeviceChange(UINT nEventType, DWORD_PTR dwData);
    void OnSearch();
    void OnAddDisc();
    void OnDelete();
    void OnCreateFolder();
    void OnStatistics();
    void OnEditLoop();
    void OnShowWorkspace();
    void OnHideWorkspace();
    void OnUpdateShowWorkspace(CCmdUI* pCmdUI);
    void OnUpdateHideWorkspace(CCmdUI* pCmdUI);

private:
    CTarnimelDoc* ActiveCatalog();

    CZAVPStatusBar m_wndStatusBar;
    CZAVPToolBar m_wndToolBar;
    CZAVPToolBar m_wndNavigationBar;
    WND_Workspace m_wndWorkspace;
    VIEW_CategoryTree* m_pCategoryTree = nullptr;
    CView* m_pItemsList = nullptr;
    DriveFacts* m_pDrives = nullptr;

    DECLARE_MESSAGE_MAP()
};
