// The tasks pane as a window under the null driver: one page from creation, pages with Back,
// Forward and Home and the page menu, hot and clicked tasks, the collapse animation, the scroll
// buttons and the scroll bar, the navigation toolbar, the floating frame with its caption
// buttons, the state in the registry, and painting in every look.
#include <gtest/gtest.h>

#include <shlwapi.h>

#include "framework/CWinApp.h"
#include "tests/support/MessagePump.h"
#include "tests/ui/panes/PaneTestSupport.h"
#include "ui/docking/CZAVPTitleButton.h"
#include "ui/foundation/CZAVPWorkspace.h"
#include "ui/panes/CTasksPaneMenuButton.h"
#include "ui/panes/CTasksPaneNavigateButton.h"
#include "ui/panes/CZAVPTask.h"
#include "ui/panes/CZAVPTaskPaneMiniFrameWnd.h"
#include "ui/panes/CZAVPTasksGroup.h"
#include "ui/panes/CZAVPTasksPane.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"

using PaneTests::Ansi;
using PaneTests::RecordingDockFrame;

namespace
{
const UINT kPaneId = 0xE820;
const UINT kOpenCommand = 40401, kFindCommand = 40402;
const char kRoot[] = "Software\\LornivalTasksPaneTests";
const char kProfile[] = "Software\\LornivalTasksPaneTests\\State\\";

class TasksPaneWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
        ASSERT_TRUE(m_frame.Make(500, 400));
        m_app.m_pMainWnd = &m_frame;
        ASSERT_TRUE(MakePane(m_pane));
    }
    void TearDown() override
    {
        if (m_pane.GetSafeHwnd()) m_pane.DestroyWindow();
        m_app.m_pMainWnd = nullptr;
        if (m_frame.GetSafeHwnd()) m_frame.DestroyWindow();
        SHDeleteKeyA(HKEY_CURRENT_USER, kRoot);
    }
    BOOL MakePane(CZAVPTasksPane& pane)
    {
        if (!pane.Create(nullptr, &m_frame, CRect(0, 0, 220, 360), TRUE, kPaneId,
                         WS_CHILD | WS_VISIBLE | CBRS_LEFT | CBRS_FLOAT_MULTI))
            return FALSE;
        pane.SetOwner(&m_frame);
        pane.SetWindowPos(nullptr, 0, 0, 220, 360, SWP_NOZORDER | SWP_NOACTIVATE);
        return TRUE;
    }
    // Two groups on page 0: "Files" with a link, a label and another link; "Search" with one.
    void AddGroups()
    {
        CZAVPTasksGroup* pFiles = m_pane.AddGroup(0, "Файлы");
        m_pOpen = pFiles->AddTask("Открыть", -1, kOpenCommand, 7);
        m_pLabel = pFiles->AddTask("Только надпись", -1, 0);
        pFiles->AddTask("Сохранить", -1, kOpenCommand + 10);
        CZAVPTasksGroup* pSearch = m_pane.AddGroup(0, "Поиск");
        m_pFind = pSearch->AddTask("Найти", -1, kFindCommand);
        Relayout();
    }
    void Relayout()
    {
        m_pane.AdjustScroll();
        m_pane.ReposTasks();
    }
    void Mouse(UINT message, UINT flags, CPoint pt)
    {
        m_pane.SendMessage(message, flags, MAKELPARAM(pt.x, pt.y));
    }

    CWinApp m_app;
    CZAVPWorkspace m_workspace;
    RecordingDockFrame& m_frame = *new RecordingDockFrame;  // deletes itself with its window
    CZAVPTasksPane m_pane;
    CZAVPTask* m_pOpen = nullptr;
    CZAVPTask* m_pLabel = nullptr;
    CZAVPTask* m_pFind = nullptr;
};

CZAVPTitleButton* CaptionButton(CZAVPTasksPane& pane, UINT nHit)
{
    return pane.FindCaptionButton(nHit);
}
}  // namespace

TEST_F(TasksPaneWindow, OnePageFromCreationShowsNoNavigation)
{
    ASSERT_EQ(1, m_pane.GetPageCount());
    EXPECT_STREQ(Ansi(L"Панель Задач"), m_pane.GetPageName(0));
    EXPECT_STREQ(Ansi(L"Панель Задач"), m_pane.GetCaption());
    CString strText;
    m_pane.GetWindowText(strText);
    EXPECT_STREQ(Ansi(L"Панель Задач"), strText);
    // The caption's navigation buttons hide with one page; no toolbar.
    m_pane.SendMessage(WM_NCPAINT);
    for (UINT nHit :
         {CZAVPTasksPane::kHitBack, CZAVPTasksPane::kHitForward, CZAVPTasksPane::kHitPages}) {
        CZAVPTitleButton* pButton = CaptionButton(m_pane, nHit);
        ASSERT_NE(nullptr, pButton) << nHit;
        EXPECT_TRUE(pButton->m_bHidden) << nHit;
    }
    EXPECT_TRUE(m_pane.GetToolbarRect().IsRectEmpty());
    EXPECT_EQ(1, ::GetMenuItemCount(m_pane.GetPageMenu()));
    // Without groups nothing is laid out.
    EXPECT_EQ(0, m_pane.ReposTasks(TRUE));
    // The navigation toolbar holds its six items, the Close button never shown.
    CTasksPaneToolBar& bar = m_pane.GetNavigationToolbar();
    ASSERT_EQ(6, bar.GetCount());
    EXPECT_TRUE(bar.GetButton(4)->IsKindOf(RUNTIME_CLASS(CTasksPaneMenuButton)));
    EXPECT_STREQ(Ansi(L"Панель Задач"), bar.GetButton(4)->m_strText);
}

TEST_F(TasksPaneWindow, PagesBackForwardHomeAndThePageMenu)
{
    m_pane.AddPage("Вторая");
    m_pane.AddPage("Третья");
    m_pane.SetActivePage(1);
    m_pane.SetActivePage(2);
    CString strText;
    m_pane.GetWindowText(strText);
    EXPECT_STREQ("Третья", strText);

    m_pane.SendMessage(WM_COMMAND, CZAVPTasksPane::kCmdBack);
    EXPECT_EQ(1, m_pane.GetActivePage());
    m_pane.SendMessage(WM_COMMAND, CZAVPTasksPane::kCmdForward);
    EXPECT_EQ(2, m_pane.GetActivePage());
    m_pane.SendMessage(WM_COMMAND, CZAVPTasksPane::kCmdHome);
    EXPECT_EQ(0, m_pane.GetActivePage());
    EXPECT_EQ((std::vector<int>{0, 1, 2, 0}), m_pane.GetHistory().GetEntries());

    // The page menu: one item per page, the active one checked.
    HMENU hMenu = m_pane.GetPageMenu();
    ASSERT_EQ(3, ::GetMenuItemCount(hMenu));
    EXPECT_EQ(CZAVPTasksPane::kCmdOtherPane, ::GetMenuItemID(hMenu, 1));
    EXPECT_EQ((UINT)MF_CHECKED, ::GetMenuState(hMenu, 0, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_EQ(0u, ::GetMenuState(hMenu, 2, MF_BYPOSITION) & MF_CHECKED);

    // A choice from the drop-down names its page by its place in the menu.
    CZAVPPopupMenuBar::m_iLastCommandIndex = 2;
    m_pane.SendMessage(WM_COMMAND, CZAVPTasksPane::kCmdOtherPane);
    EXPECT_EQ(2, m_pane.GetActivePage());
    CZAVPPopupMenuBar::m_iLastCommandIndex = -1;

    // With several pages the caption shows Back (enabled) and Forward (disabled at the end).
    m_pane.SendMessage(WM_NCPAINT);
    EXPECT_FALSE(CaptionButton(m_pane, CZAVPTasksPane::kHitBack)->m_bHidden);
    EXPECT_TRUE(CaptionButton(m_pane, CZAVPTasksPane::kHitBack)->m_bEnabled);
    EXPECT_FALSE(CaptionButton(m_pane, CZAVPTasksPane::kHitForward)->m_bEnabled);
}

TEST_F(TasksPaneWindow, HotTaskPromptAndClickPostsTheCommand)
{
    // The real cursor stays off the pane: a mouse move made from where it rests would make a
    // task hot again while the messages are pumped.
    ::SetCursorPos(0, 0);
    AddGroups();
    ASSERT_FALSE(m_pOpen->m_rect.IsRectEmpty());
    Mouse(WM_MOUSEMOVE, 0, m_pOpen->m_rect.CenterPoint());
    EXPECT_EQ(m_pOpen, m_pane.GetHotTask());
    ASSERT_FALSE(m_frame.m_prompts.empty());
    EXPECT_EQ(kOpenCommand, m_frame.m_prompts.back());

    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, m_pOpen->m_rect.CenterPoint());
    Mouse(WM_LBUTTONUP, 0, m_pOpen->m_rect.CenterPoint());
    PumpMessagesFor(20);
    ASSERT_EQ(1u, m_frame.m_commands.size());
    EXPECT_EQ(kOpenCommand, m_frame.m_commands[0]);
    EXPECT_EQ(nullptr, m_pane.GetHotTask());

    // A label is drawn but neither hot nor clickable; away from tasks the idle prompt shows.
    Mouse(WM_MOUSEMOVE, 0, m_pLabel->m_rect.CenterPoint());
    EXPECT_EQ(nullptr, m_pane.GetHotTask());
    EXPECT_EQ(0xE001u, m_frame.m_prompts.back());
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, m_pLabel->m_rect.CenterPoint());
    Mouse(WM_LBUTTONUP, 0, m_pLabel->m_rect.CenterPoint());
    PumpMessagesFor(20);
    EXPECT_EQ(1u, m_frame.m_commands.size());
    if (::GetCapture() == m_pane.GetSafeHwnd()) ::ReleaseCapture();
}

TEST_F(TasksPaneWindow, DisabledTaskIsNotHot)
{
    AddGroups();
    m_pFind->m_bEnabled = FALSE;
    Mouse(WM_MOUSEMOVE, 0, m_pFind->m_rect.CenterPoint());
    EXPECT_EQ(nullptr, m_pane.GetHotTask());
}

TEST_F(TasksPaneWindow, GroupCaptionClickCollapsesWithTheAnimation)
{
    AddGroups();
    CZAVPTasksGroup* pFiles = m_pane.GetGroup(0);
    const int nSearchTop = m_pane.GetGroup(1)->m_rect.top;
    const CPoint caption = pFiles->m_rect.CenterPoint();
    Mouse(WM_MOUSEMOVE, 0, caption);
    EXPECT_EQ(pFiles, m_pane.GetHotGroup());
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, caption);
    Mouse(WM_LBUTTONUP, 0, caption);
    EXPECT_TRUE(pFiles->m_bIsCollapsed);
    EXPECT_EQ(pFiles, m_pane.GetAnimatedGroup());
    // The animation runs by the clock and ends by itself.
    for (int i = 0; i < 100 && m_pane.GetAnimatedGroup() != nullptr; ++i) PumpMessagesFor(20);
    EXPECT_EQ(nullptr, m_pane.GetAnimatedGroup());
    EXPECT_EQ(pFiles->m_rectGroup.top, pFiles->m_rectGroup.bottom);  // the line under the caption
    EXPECT_LT(m_pane.GetGroup(1)->m_rect.top, nSearchTop);
    // The tasks of a collapsed group are not hit.
    EXPECT_EQ(nullptr, m_pane.HitTestTask(m_pOpen->m_rect.CenterPoint()));

    // Without animation the second click expands at once.
    m_pane.m_bAnimationEnabled = FALSE;
    Mouse(WM_MOUSEMOVE, 0, pFiles->m_rect.CenterPoint());
    Mouse(WM_LBUTTONDOWN, MK_LBUTTON, pFiles->m_rect.CenterPoint());
    Mouse(WM_LBUTTONUP, 0, pFiles->m_rect.CenterPoint());
    EXPECT_FALSE(pFiles->m_bIsCollapsed);
    EXPECT_EQ(nSearchTop, m_pane.GetGroup(1)->m_rect.top);
    if (::GetCapture() == m_pane.GetSafeHwnd()) ::ReleaseCapture();
}

TEST_F(TasksPaneWindow, GroupWithoutCaptionNeverCollapses)
{
    CZAVPTasksGroup* pGroup = m_pane.AddGroup(0, "");
    pGroup->AddTask("Задача", -1, kOpenCommand);
    Relayout();
    EXPECT_TRUE(pGroup->m_rect.IsRectEmpty());
    EXPECT_EQ(nullptr,
              m_pane.HitTestTaskGroupCaption(CPoint(pGroup->m_rect.left + 5, pGroup->m_rect.top)));
}

TEST_F(TasksPaneWindow, ScrollButtonsOnlyWhereThereIsSomethingToScroll)
{
    CZAVPTasksGroup* pGroup = m_pane.AddGroup(0, "Много");
    for (int i = 0; i < 40; ++i) pGroup->AddTask("Задача", -1, kOpenCommand + (UINT)i);
    Relayout();
    ZAVPTasksLayout::Scroll s = m_pane.GetScroll();
    ASSERT_GT(s.nTotal, 0);
    EXPECT_TRUE(m_pane.GetScrollUpRect().IsRectEmpty());
    EXPECT_FALSE(m_pane.GetScrollDownRect().IsRectEmpty());

    m_pane.SendMessage(WM_VSCROLL, SB_BOTTOM);
    s = m_pane.GetScroll();
    EXPECT_EQ(s.nTotal - s.nPage + 1, s.nPos);
    EXPECT_FALSE(m_pane.GetScrollUpRect().IsRectEmpty());
    EXPECT_TRUE(m_pane.GetScrollDownRect().IsRectEmpty());

    // The scroll bar instead: shown while there is something to scroll.
    m_pane.m_bUseScrollButtons = FALSE;
    Relayout();
    CScrollBar* pBar = m_pane.GetScrollBarCtrl(SB_VERT);
    ASSERT_NE(nullptr, pBar);
    EXPECT_TRUE(pBar->IsWindowVisible());
    EXPECT_EQ(nullptr, m_pane.GetScrollBarCtrl(SB_HORZ));
    m_pane.RemoveAllGroups();
    m_pane.AddGroup(0, "Мало")->AddTask("Одна", -1, kOpenCommand);
    Relayout();
    EXPECT_FALSE(pBar->IsWindowVisible());
    EXPECT_EQ(0, m_pane.GetScroll().nTotal);
}

TEST_F(TasksPaneWindow, BottomGroupSitsAtTheBottom)
{
    AddGroups();
    CZAVPTasksGroup* pLast = m_pane.GetGroup(1);
    pLast->m_bIsBottom = TRUE;
    Relayout();
    const CRect area = m_pane.GetTaskArea();
    const int nMargin = CZAVPVisualManager::GetInstance()->GetTasksPaneMetrics().nVertMargin;
    EXPECT_EQ(area.bottom - nMargin, pLast->m_rectGroup.bottom);
}

TEST_F(TasksPaneWindow, NavigationToolbarWhereTheCaptionCannotNavigate)
{
    m_pane.AddPage("Вторая");
    m_pane.m_bUseNavigationToolbar = TRUE;
    AddGroups();
    const CRect rectBar = m_pane.GetToolbarRect();
    ASSERT_FALSE(rectBar.IsRectEmpty());
    EXPECT_EQ(rectBar.bottom, m_pane.GetTaskArea().top);
    m_pane.UpdateCaption();
    CString strText;
    m_pane.GetWindowText(strText);
    EXPECT_STREQ(Ansi(L"Панель Задач"), strText);  // the pane's caption, the page in the toolbar

    CTasksPaneToolBar& bar = m_pane.GetNavigationToolbar();
    bar.AdjustLocations();
    CZAVPToolbarButton* pMenu = bar.GetButton(4);
    EXPECT_GE(pMenu->GetRect().Width(), 3 * pMenu->GetRect().Height());
    CZAVPToolbarButton* pClose = bar.GetButton(5);
    EXPECT_NE(0u, pClose->m_nStyle & TBBS_HIDDEN);  // whatever the pane's close style

    m_pane.SetActivePage(1);
    bar.OnUpdateCmdUI(&m_frame, FALSE);
    EXPECT_EQ(0u, bar.GetButton(0)->m_nStyle & TBBS_DISABLED);  // Back
    EXPECT_NE(0u, bar.GetButton(1)->m_nStyle & TBBS_DISABLED);  // Forward
    EXPECT_EQ(0u, bar.GetButton(2)->m_nStyle & TBBS_DISABLED);  // Home
    EXPECT_STREQ("Вторая", pMenu->m_strText);
    CString strTip;
    ASSERT_TRUE(bar.GetFrameToolTipText(pMenu, strTip));
    EXPECT_STREQ(Ansi(L"Другие панели задач"), strTip);
}

TEST_F(TasksPaneWindow, FloatsInItsOwnFrameWithNavigationInTheCaption)
{
    m_pane.EnableDocking(CBRS_ALIGN_ANY);
    ASSERT_TRUE(m_pane.FloatControlBar(CRect(200, 200, 420, 500), ZAVP_DM_UNKNOWN, TRUE));
    CZAVPMiniFrameWnd* pFrame = m_pane.GetParentMiniFrame(TRUE);
    ASSERT_NE(nullptr, pFrame);
    ASSERT_TRUE(pFrame->IsKindOf(RUNTIME_CLASS(CZAVPTaskPaneMiniFrameWnd)));
    for (UINT nHit :
         {CZAVPTasksPane::kHitBack, CZAVPTasksPane::kHitForward, CZAVPTasksPane::kHitPages})
        ASSERT_NE(nullptr, pFrame->FindCaptionButton(nHit)) << nHit;
    EXPECT_NE(0u, pFrame->GetCaptionButtonFlags() & 0x70);
    CRect border;
    pFrame->GetBorderSize(border);
    EXPECT_EQ(CRect(3, 3, 3, 3), border);

    pFrame->SendMessage(WM_NCPAINT);
    EXPECT_TRUE(pFrame->FindCaptionButton(CZAVPTasksPane::kHitBack)->m_bHidden);  // one page
    EXPECT_FALSE(m_pane.IsToolBarNeeded());

    m_pane.AddPage("Вторая");
    m_pane.SetActivePage(1);
    pFrame->SendMessage(WM_NCPAINT);
    EXPECT_FALSE(pFrame->FindCaptionButton(CZAVPTasksPane::kHitBack)->m_bHidden);
    EXPECT_TRUE(pFrame->FindCaptionButton(CZAVPTasksPane::kHitBack)->m_bEnabled);
    EXPECT_FALSE(pFrame->FindCaptionButton(CZAVPTasksPane::kHitForward)->m_bEnabled);
    pFrame->OnPressCaptionButton(CZAVPTasksPane::kHitBack);
    EXPECT_EQ(0, m_pane.GetActivePage());
}

TEST_F(TasksPaneWindow, SettingsGoToTheRegistryAndComeBack)
{
    m_pane.AddPage("Вторая");
    m_pane.SetActivePage(1);
    m_pane.m_nVertMargin = 20;
    m_pane.m_nTasksVertOffset = 6;
    ASSERT_TRUE(m_pane.SaveState(kProfile, 5, (UINT)-1));
    HKEY hKey = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER,
                                             "Software\\LornivalTasksPaneTests\\State\\"
                                             "ZAVPTasksPane-5",
                                             0, KEY_READ, &hKey));
    DWORD dwType = 0;
    EXPECT_EQ(ERROR_SUCCESS,
              ::RegQueryValueExA(hKey, "Settings", nullptr, &dwType, nullptr, nullptr));
    EXPECT_EQ((DWORD)REG_BINARY, dwType);
    ::RegCloseKey(hKey);

    // A second pane with two pages takes the metrics, the names and the page over.
    CZAVPTasksPane other;
    ASSERT_TRUE(MakePane(other));
    other.AddPage("Иначе");
    ASSERT_TRUE(other.LoadState(kProfile, 5, (UINT)-1));
    EXPECT_EQ(20, other.m_nVertMargin);
    EXPECT_EQ(6, other.m_nTasksVertOffset);
    EXPECT_EQ(1, other.GetActivePage());
    EXPECT_STREQ("Вторая", other.GetPageName(1));
    other.DestroyWindow();

    // A third with one page keeps its name and shows page 0.
    CZAVPTasksPane single;
    ASSERT_TRUE(MakePane(single));
    ASSERT_TRUE(single.LoadState(kProfile, 5, (UINT)-1));
    EXPECT_EQ(0, single.GetActivePage());
    EXPECT_STREQ(Ansi(L"Панель Задач"), single.GetPageName(0));
    single.DestroyWindow();

    // Missing key: FALSE. A damaged value: FALSE and nothing taken.
    EXPECT_FALSE(m_pane.LoadState(kProfile, 6, (UINT)-1));
    ASSERT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER,
                                             "Software\\LornivalTasksPaneTests\\State\\"
                                             "ZAVPTasksPane-5",
                                             0, KEY_WRITE, &hKey));
    const BYTE damaged[] = {1, 2, 3};
    ::RegSetValueExA(hKey, "Settings", 0, REG_BINARY, damaged, sizeof(damaged));
    ::RegCloseKey(hKey);
    m_pane.m_nVertMargin = 33;
    EXPECT_FALSE(m_pane.LoadState(kProfile, 5, (UINT)-1));
    EXPECT_EQ(33, m_pane.m_nVertMargin);
    EXPECT_EQ(1, m_pane.GetActivePage());
}

TEST_F(TasksPaneWindow, IdSuffixedKeyAndCommandUpdate)
{
    ASSERT_TRUE(m_pane.SaveState(kProfile, 2, 0x1A));
    HKEY hKey = nullptr;
    EXPECT_EQ(ERROR_SUCCESS, ::RegOpenKeyExA(HKEY_CURRENT_USER,
                                             "Software\\LornivalTasksPaneTests\\State\\"
                                             "ZAVPTasksPane-21a",
                                             0, KEY_READ, &hKey));
    if (hKey) ::RegCloseKey(hKey);

    // Tasks without a handler are disabled by the idle update; labels are left alone.
    AddGroups();
    m_pane.OnUpdateCmdUI(&m_frame, TRUE);
    EXPECT_FALSE(m_pOpen->m_bEnabled);
    EXPECT_TRUE(m_pLabel->m_bEnabled);
}

TEST_F(TasksPaneWindow, DoubleClicksOnTheContentAreSwallowed)
{
    CRect rect;
    m_pane.GetClientRect(rect);
    m_pane.ClientToScreen(rect);
    ::SetCursorPos(rect.CenterPoint().x, rect.CenterPoint().y);
    MSG msg = {m_pane.GetSafeHwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, 0, 0, {}};
    EXPECT_TRUE(m_pane.PreTranslateMessage(&msg));
    ::SetCursorPos(0, 0);
}

TEST_F(TasksPaneWindow, PaintsInEveryLook)
{
    AddGroups();
    m_pane.AddGroup(0, "Особая", FALSE, TRUE)->AddTask("Задача", -1, kFindCommand);
    Relayout();
    PaneTests::ForEachLook([&](CRuntimeClass*) {
        m_pane.RedrawWindow(nullptr, nullptr,
                            RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        PumpMessagesFor(5);
    });
    SUCCEED();
}
