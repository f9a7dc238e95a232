// The library's MDI frame under the null driver: a frame of 600 x 400 client pixels whose menu has
// a Window popup, with document frames made through a document template; MDI tabs (3D style,
// document icons) kept in step with the documents, the Window menu's list of documents on the
// library's popup, a new window keeping the maximised state, and bars docked in a document frame.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DockingTestBars.h"
#include "framework/CCreateContext.h"
#include "framework/CDocTemplate.h"
#include "framework/CDocument.h"
#include "framework/CView.h"
#include "framework/CWinApp.h"
#include "tests/ui/docking/RectText.h"
#include "ui/docking/CZAVPDockingControlBar.h"
#include "ui/docking/CZAVPDockingUtils.h"
#include "ui/docking/CZAVPMDIChildWnd.h"
#include "ui/docking/CZAVPMDIFrameWnd.h"
#include "ui/docking/CZAVPMainClientAreaWnd.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
const int kClientWidth = 600;
const int kClientHeight = 400;
const UINT kFileNew = 0xE100;
const UINT kTemplateId = 0x7F00;  // no resources of its own

class MDITestDocument : public CDocument
{
    DECLARE_DYNCREATE(MDITestDocument)
};
IMPLEMENT_DYNCREATE(MDITestDocument, CDocument)

class MDITestView : public CView
{
    DECLARE_DYNCREATE(MDITestView)
public:
    void OnDraw(CDC*) override {}
};
IMPLEMENT_DYNCREATE(MDITestView, CView)

// A template of one document class with any number of frames.
class MDITestTemplate : public CDocTemplate
{
public:
    MDITestTemplate()
        : CDocTemplate(kTemplateId, RUNTIME_CLASS(MDITestDocument), RUNTIME_CLASS(CZAVPMDIChildWnd),
                       RUNTIME_CLASS(MDITestView))
    {
    }
    POSITION GetFirstDocPosition() const override { return nullptr; }
    CDocument* GetNextDoc(POSITION&) const override { return nullptr; }
    CDocument* OpenDocumentFile(LPCSTR, BOOL) override { return nullptr; }
    void SetDefaultTitle(CDocument*) override {}
};

class MDIFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CZAVPMDIFrameWnd;
        CRect rect(0, 0, kClientWidth, kClientHeight);
        ::AdjustWindowRectEx(rect, WS_OVERLAPPEDWINDOW, TRUE, 0);
        rect.OffsetRect(100 - rect.left, 100 - rect.top);
        ASSERT_TRUE(m_pFrame->Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, rect));
        m_app.m_pMainWnd = m_pFrame;
        // The frame's menu: "File" and a "Window" popup, which the MDI client fills.
        m_hWindowMenu = ::CreatePopupMenu();
        ::AppendMenuA(m_hWindowMenu, MF_STRING, ID_WINDOW_NEW, "&New Window");
        ::AppendMenuA(m_hWindowMenu, MF_STRING, ID_WINDOW_CASCADE, "&Cascade");
        HMENU hFile = ::CreatePopupMenu();
        ::AppendMenuA(hFile, MF_STRING, kFileNew, "&New");
        m_hMenu = ::CreateMenu();
        ::AppendMenuA(m_hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
        ::AppendMenuA(m_hMenu, MF_POPUP, (UINT_PTR)m_hWindowMenu, "&Window");
        m_pFrame->m_hMenuDefault = m_hMenu;
        m_pFrame->OnUpdateFrameMenu(nullptr);
        ASSERT_EQ(m_hMenu, ::GetMenu(m_pFrame->GetSafeHwnd()));
        ASSERT_EQ(m_hWindowMenu, m_pFrame->m_hmenuWindow);
        // Exactly the client size asked for, whatever the menu's height.
        CRect rectClient, rectWindow;
        m_pFrame->GetClientRect(rectClient);
        m_pFrame->GetWindowRect(rectWindow);
        m_pFrame->SetWindowPos(nullptr, 0, 0,
                               rectWindow.Width() + kClientWidth - rectClient.Width(),
                               rectWindow.Height() + kClientHeight - rectClient.Height(),
                               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
        m_pFrame->EnableDocking(CBRS_ALIGN_ANY);
        // The documents stay the fixture's: no frame's closing deletes them.
        const char* titles[] = {"Catalogue", "Search"};
        for (int i = 0; i < 2; ++i) {
            m_documents[i].m_pDocTemplate = &m_template;
            m_documents[i].m_bAutoDelete = FALSE;
            m_documents[i].SetTitle(titles[i]);
        }
    }
    void TearDown() override
    {
        CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
        m_bars.clear();
        m_app.m_pMainWnd = nullptr;
        if (m_pFrame->GetSafeHwnd() != nullptr) m_pFrame->DestroyWindow();
        for (MDITestDocument& document : m_documents) document.m_pDocTemplate = nullptr;
    }

    // A document frame with a view of document i ("Catalogue", "Search"), shown and active,
    // titled after the document and with the small icon given.
    CZAVPMDIChildWnd* OpenDocument(int i, LPCSTR lpszIcon)
    {
        CFrameWnd* pFrame = m_template.CreateNewFrame(&m_documents[i], nullptr);
        EXPECT_NE(nullptr, pFrame);
        if (pFrame == nullptr) return nullptr;
        m_template.InitialUpdateFrame(pFrame, &m_documents[i]);
        pFrame->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)::LoadIcon(nullptr, lpszIcon));
        return static_cast<CZAVPMDIChildWnd*>(pFrame);
    }
    CZAVPMainClientAreaWnd& ClientArea() { return m_pFrame->m_wndClientArea; }
    CZAVPTabWnd& Tabs() { return m_pFrame->m_wndClientArea.m_wndTab; }
    std::vector<std::string> TabLabels()
    {
        std::vector<std::string> labels;
        for (int i = 0; i < Tabs().GetTabsNum(); ++i) {
            CString strLabel;
            Tabs().GetTabLabel(i, strLabel);
            labels.push_back((LPCSTR)strLabel);
        }
        return labels;
    }
    CWnd* ActiveDocument() { return m_pFrame->MDIGetActive(); }
    CRect InFrame(HWND hWnd)
    {
        CRect rect;
        ::GetWindowRect(hWnd, rect);
        m_pFrame->ScreenToClient(rect);
        return rect;
    }

    CWinApp m_app{"MDIFrameTests"};
    CZAVPMDIFrameWnd* m_pFrame = nullptr;
    HMENU m_hMenu = nullptr;
    HMENU m_hWindowMenu = nullptr;
    MDITestTemplate m_template;
    MDITestDocument m_documents[2];
    std::vector<std::unique_ptr<CWnd>> m_bars;
};

TEST_F(MDIFrameTest, TwoDocumentsGetTabsWithTheirTitlesAndIconsAndTheTabsFollowActivation)
{
    ClientArea().EnableMDITabs(TRUE);
    ASSERT_EQ(CZAVPTabWnd::STYLE_3D, Tabs().GetTabStyle());
    CZAVPMDIChildWnd* pFirst = OpenDocument(0, IDI_INFORMATION);
    CZAVPMDIChildWnd* pSecond = OpenDocument(1, IDI_WARNING);
    ASSERT_NE(nullptr, pSecond);

    EXPECT_EQ((std::vector<std::string>{"Catalogue", "Search"}), TabLabels());
    // Each document's icon is an image of the tabs' list, one image per distinct icon.
    const UINT iFirstIcon = Tabs().GetTabIcon(0);
    const UINT iSecondIcon = Tabs().GetTabIcon(1);
    const int nImages = ClientArea().m_TabIcons.GetImageCount();
    EXPECT_NE(iFirstIcon, iSecondIcon);
    EXPECT_LT(iFirstIcon, (UINT)nImages);
    EXPECT_LT(iSecondIcon, (UINT)nImages);
    EXPECT_EQ(ClientArea().m_TabIcons.GetSafeHandle(), Tabs().GetImageList());
    EXPECT_EQ(pSecond, ActiveDocument());
    EXPECT_EQ(1, Tabs().GetActiveTab());

    // The documents sit in the tab window's page area; the tabs take the whole client area.
    EXPECT_EQ(Text(CRect(0, 0, kClientWidth, kClientHeight)), Text(InFrame(Tabs().GetSafeHwnd())));
    CRect rectPage = Tabs().GetWndArea();
    Tabs().ClientToScreen(rectPage);
    m_pFrame->ScreenToClient(rectPage);
    EXPECT_EQ(Text(rectPage), Text(InFrame(m_pFrame->m_hWndMDIClient)));
    EXPECT_LT(rectPage.Height(), kClientHeight);

    // Activating a document activates its tab; a tab chosen activates its document.
    m_pFrame->MDIActivate(pFirst);
    EXPECT_EQ(0, Tabs().GetActiveTab());
    ASSERT_TRUE(Tabs().SetActiveTab(1));
    EXPECT_EQ(pSecond, ActiveDocument());

    // A new title and a new icon reach the tab.
    pFirst->SetWindowText("Catalogue 2");
    pFirst->SendMessage(WM_SETICON, ICON_SMALL, (LPARAM)::LoadIcon(nullptr, IDI_WARNING));
    EXPECT_EQ((std::vector<std::string>{"Catalogue 2", "Search"}), TabLabels());
    EXPECT_EQ(iSecondIcon, Tabs().GetTabIcon(0));
    EXPECT_EQ(nImages, ClientArea().m_TabIcons.GetImageCount());
}

TEST_F(MDIFrameTest, AHiddenDocumentLosesItsTabUntilShownAndAClosedOneForGood)
{
    ClientArea().EnableMDITabs(TRUE);
    CZAVPMDIChildWnd* pFirst = OpenDocument(0, IDI_INFORMATION);
    CZAVPMDIChildWnd* pSecond = OpenDocument(1, IDI_WARNING);
    ASSERT_NE(nullptr, pSecond);

    pFirst->ShowWindow(SW_HIDE);
    ClientArea().UpdateTabs();
    EXPECT_EQ((std::vector<std::string>{"Search"}), TabLabels());
    pFirst->ShowWindow(SW_SHOWNOACTIVATE);
    ClientArea().UpdateTabs();
    EXPECT_EQ(2, Tabs().GetTabsNum());

    // Closed through the MDI client: the tab goes and never comes back, whatever updates follow.
    const HWND hSecond = pSecond->GetSafeHwnd();
    pSecond->MDIDestroy();
    EXPECT_FALSE(::IsWindow(hSecond));
    EXPECT_EQ((std::vector<std::string>{"Catalogue"}), TabLabels());
    ClientArea().UpdateTabs();
    EXPECT_EQ(1, Tabs().GetTabsNum());
    EXPECT_EQ(pFirst, ActiveDocument());
}

TEST_F(MDIFrameTest, WithoutTabsTheMDIClientTakesTheWholeClientArea)
{
    OpenDocument(0, IDI_INFORMATION);
    EXPECT_FALSE(Tabs().IsWindowVisible());
    EXPECT_EQ(0, Tabs().GetTabsNum());
    EXPECT_EQ(Text(CRect(0, 0, kClientWidth, kClientHeight)),
              Text(InFrame(m_pFrame->m_hWndMDIClient)));
}

// The Window popup of the library's menu lists the MDI client's document items after a separator,
// the active one checked; an extra Window-dialog command takes the tenth item's place.
TEST_F(MDIFrameTest, TheWindowMenuListsTheDocumentsOnTheLibraryPopup)
{
    OpenDocument(0, IDI_INFORMATION);
    OpenDocument(1, IDI_WARNING);
    struct Case
    {
        UINT uiWindowsDlgId;
        BOOL bShowAlways;
        std::vector<UINT> expected;  // 0: a separator
    };
    const Case cases[] = {
        {0, FALSE, {ID_WINDOW_NEW, ID_WINDOW_CASCADE, 0, 0xFF00, 0xFF01}},
        {0, TRUE, {ID_WINDOW_NEW, ID_WINDOW_CASCADE, 0, 0xFF00, 0xFF01}},  // no command to show
        {0x8100, FALSE, {ID_WINDOW_NEW, ID_WINDOW_CASCADE, 0, 0xFF00, 0xFF01}},
        {0x8100, TRUE, {ID_WINDOW_NEW, ID_WINDOW_CASCADE, 0, 0xFF00, 0xFF01, 0x8100}},
    };
    for (const Case& c : cases) {
        m_pFrame->m_uiWindowsDlgMenuId = c.uiWindowsDlgId;
        m_pFrame->m_bShowWindowsDlgAlways = c.bShowAlways;
        m_pFrame->m_strWindowsDlgMenuText = "&Windows...";
        CZAVPPopupMenu popup;
        popup.m_bAutoDestroy = FALSE;  // the menu is the frame's
        popup.m_hMenu = m_hWindowMenu;
        // The popup holds the menu's own items, as it does once made from the menu.
        popup.InsertItem(CZAVPToolbarMenuButton(ID_WINDOW_NEW, nullptr, -1, "&New Window"));
        popup.InsertItem(CZAVPToolbarMenuButton(ID_WINDOW_CASCADE, nullptr, -1, "&Cascade"));
        ASSERT_TRUE(m_pFrame->ShowPopupMenu(&popup));
        std::vector<UINT> ids;
        for (int i = 0; i < popup.GetMenuItemCount(); ++i) {
            CZAVPToolbarButton* pItem = popup.GetMenuItem(i);
            ids.push_back((pItem->m_nStyle & TBBS_SEPARATOR) ? 0 : pItem->m_nID);
        }
        EXPECT_EQ(c.expected, ids) << c.uiWindowsDlgId << " " << c.bShowAlways;
        // The texts are the client's, the active document's item checked.
        ASSERT_GE(popup.GetMenuItemCount(), 5);
        EXPECT_STREQ("&1 Catalogue", popup.GetMenuItem(3)->m_strText);
        EXPECT_FALSE(popup.GetMenuItem(3)->m_nStyle & TBBS_CHECKED);
        EXPECT_STREQ("&2 Search", popup.GetMenuItem(4)->m_strText);
        EXPECT_TRUE(popup.GetMenuItem(4)->m_nStyle & TBBS_CHECKED);
        CZAVPPopupMenu::m_pActivePopupMenu = nullptr;
    }

    // Another popup is left as it is.
    CZAVPPopupMenu other;
    other.m_bAutoDestroy = FALSE;
    other.m_hMenu = ::GetSubMenu(m_hMenu, 0);
    other.InsertItem(CZAVPToolbarMenuButton(kFileNew, nullptr, -1, "&New"));
    ASSERT_TRUE(m_pFrame->ShowPopupMenu(&other));
    EXPECT_EQ(1, other.GetMenuItemCount());
}

TEST_F(MDIFrameTest, ANewWindowOfAMaximisedDocumentOpensMaximised)
{
    CZAVPMDIChildWnd* pFirst = OpenDocument(0, IDI_INFORMATION);
    m_pFrame->MDIMaximize(pFirst);
    ASSERT_TRUE(pFirst->IsZoomed());

    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    CWnd* pNew = ActiveDocument();
    ASSERT_NE(nullptr, pNew);
    EXPECT_NE(pFirst, pNew);
    EXPECT_TRUE(pNew->IsZoomed());
    EXPECT_FALSE(pFirst->IsZoomed());
    EXPECT_EQ(&m_documents[0], static_cast<CFrameWnd*>(pNew)->GetActiveDocument());

    // Not maximised, the new window is not either.
    m_pFrame->MDIRestore(pNew);
    m_pFrame->SendMessage(WM_COMMAND, ID_WINDOW_NEW);
    ASSERT_NE(pNew, ActiveDocument());
    EXPECT_FALSE(ActiveDocument()->IsZoomed());
}

// Bars docked in a document frame never float: a resizable pane is docked by the document's dock
// manager, a fixed bar only joins its list; the document's view takes what they leave.
TEST_F(MDIFrameTest, BarsDockedInADocumentNeverFloat)
{
    CZAVPMDIChildWnd* pChild = OpenDocument(0, IDI_INFORMATION);
    ASSERT_NE(nullptr, pChild);
    ASSERT_NE(nullptr, pChild->m_pMDIFrame);
    ASSERT_EQ(&pChild->m_dockManager, CZAVPDockingUtils::GetDockManager(pChild));
    ASSERT_TRUE(pChild->EnableDocking(CBRS_ALIGN_ANY));

    auto pane = std::make_unique<CZAVPDockingControlBar>();
    ASSERT_TRUE(pane->Create("Files", pChild, CRect(0, 0, 120, 100), TRUE, 101,
                             WS_CHILD | WS_VISIBLE | CBRS_LEFT, ZAVP_CBRS_REGULAR_TABS,
                             ZAVP_CBRS_DOCKING_DEFAULT));
    ASSERT_TRUE(pane->GetControlBarStyle() & ZAVP_CBRS_FLOAT);
    pChild->DockControlBar(pane.get());
    EXPECT_FALSE(pane->GetControlBarStyle() & ZAVP_CBRS_FLOAT);
    EXPECT_FALSE(pane->CanFloat());
    EXPECT_TRUE(pane->IsDocked());
    EXPECT_EQ((DWORD)CBRS_ALIGN_ANY, pane->GetEnabledAlignment());

    auto bar = std::make_unique<FixedBar>(150, 24);
    ASSERT_TRUE(bar->CreateIn(pChild, "Tools", 102));
    pChild->DockControlBar(bar.get());
    EXPECT_FALSE(bar->CanFloat());
    EXPECT_NE(nullptr, pChild->m_dockManager.GetControlBars().Find(bar.get()));

    // The view (pane 0xE900) is right of the docked pane.
    pChild->RecalcLayout();
    CWnd* pView = pChild->GetDlgItem(AFX_IDW_PANE_FIRST);
    ASSERT_NE(nullptr, pView);
    CRect rectPane, rectView;
    pane->GetWindowRect(rectPane);
    pView->GetWindowRect(rectView);
    EXPECT_GE(rectView.left, rectPane.right);
    m_bars.push_back(std::move(pane));
    m_bars.push_back(std::move(bar));
    for (auto& p : m_bars) p->DestroyWindow();
}
}  // namespace
