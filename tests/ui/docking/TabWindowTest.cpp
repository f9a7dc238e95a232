// Tab windows in real windows under the null driver: tabs added, removed, activated, moved by
// dragging, shown and hidden, renamed in place, stored and restored; the activation veto, the
// single-tab row, the scroll buttons, the automatic colours and the release of tabs whose windows
// remove their own tab while they are destroyed.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CEdit.h"
#include "framework/CMemFile.h"
#include "ui/docking/CZAVPTabWnd.h"
#include "ui/foundation/ZAVPRegisteredMessages.h"

namespace
{
// "Файлы" in the ANSI code page.
const char kFiles[] = "\xD4\xE0\xE9\xEB\xFB";
// "Диски" in the ANSI code page.
const char kDiscs[] = "\xC4\xE8\xF1\xEA\xE8";
// "Новое имя" in the ANSI code page.
const char kNewName[] = "\xCD\xEE\xE2\xEE\xE5 \xE8\xEC\xFF";
// "По категориям" in the ANSI code page.
const char kByCategory[] = "\xCF\xEE \xEA\xE0\xF2\xE5\xE3\xEE\xF0\xE8\xFF\xEC";
// "Поиск" in the ANSI code page.
const char kSearch[] = "\xCF\xEE\xE8\xF1\xEA";
// "Избранное" in the ANSI code page.
const char kFavourites[] = "\xC8\xE7\xE1\xF0\xE0\xED\xED\xEE\xE5";
const int kWidth = 400;
const int kHeight = 300;

// A top-level window that keeps the tab window's messages and may veto a switch.
class TabParent : public CWnd
{
public:
    struct Message
    {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message >= 0xC000 && message <= 0xFFFF) {
            m_messages.push_back({message, wParam, lParam});
            if (message == ZAVPRegisteredMessages::OnChangingActiveTab) return m_lVeto;
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    std::vector<Message> Of(UINT message) const
    {
        std::vector<Message> found;
        for (const Message& m : m_messages)
            if (m.message == message) found.push_back(m);
        return found;
    }
    std::vector<Message> m_messages;
    LRESULT m_lVeto = 0;
};

// Ctrl is taken as held without touching the keyboard.
class CtrlHeldTabWnd : public CZAVPTabWnd
{
protected:
    BOOL IsCtrlKeyDown() const override { return TRUE; }
};

// A child window that takes its own tab away while it is destroyed, as control bars do.
class SelfRemovingWnd : public CWnd
{
public:
    explicit SelfRemovingWnd(CZAVPBaseTabWnd* pTabs) : m_pTabs(pTabs) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_DESTROY) {
            // The tab holds the wrapper pane around this window.
            m_bRemoved = m_pTabs->RemoveTab(m_pTabs->GetTabFromHwnd(::GetParent(GetSafeHwnd())));
            m_bDestroyed = true;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
    CZAVPBaseTabWnd* m_pTabs;
    BOOL m_bRemoved = FALSE;
    bool m_bDestroyed = false;
};

class TabWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, "STATIC", "Tabs", WS_POPUP | WS_VISIBLE, 50, 50, kWidth,
                                      kHeight, nullptr, nullptr));
    }
    void TearDown() override
    {
        for (auto& pTabs : m_tabWnds)
            if (pTabs->GetSafeHwnd()) pTabs->DestroyWindow();
        m_windows.clear();
        if (m_parent.GetSafeHwnd()) m_parent.DestroyWindow();
    }
    CZAVPTabWnd& MakeTabs(CZAVPTabWnd::Style style = CZAVPTabWnd::STYLE_3D,
                          CZAVPBaseTabWnd::Location location = CZAVPBaseTabWnd::LOCATION_BOTTOM,
                          CZAVPTabWnd* pTabs = nullptr, int nWidth = kWidth)
    {
        m_tabWnds.emplace_back(pTabs ? pTabs : new CZAVPTabWnd);
        CZAVPTabWnd& tabs = *m_tabWnds.back();
        EXPECT_TRUE(
            tabs.Create(style, CRect(0, 0, nWidth, kHeight), &m_parent, 101, location, TRUE));
        tabs.AutoSizeWindow();
        return tabs;
    }
    // A plain child window of the tab window with a control id.
    CWnd* MakeChild(CZAVPTabWnd& tabs, UINT nID, DWORD dwExtraStyle = 0)
    {
        m_windows.emplace_back(new CWnd);
        CWnd* pWnd = m_windows.back().get();
        EXPECT_TRUE(pWnd->CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE | dwExtraStyle, 0, 0, 10,
                                   10, tabs.GetSafeHwnd(), (HMENU)(UINT_PTR)nID));
        return pWnd;
    }
    CWnd* AddPlain(CZAVPTabWnd& tabs, UINT nID, const char* lpszLabel)
    {
        CWnd* pWnd = MakeChild(tabs, nID);
        tabs.AddTab(pWnd, lpszLabel);
        return pWnd;
    }
    // Shown on the screen: the window and every parent (a plain window sits in a wrapper pane).
    static bool Shown(CWnd* pWnd) { return pWnd->IsWindowVisible() != FALSE; }
    static CWnd* Active(CZAVPTabWnd& tabs) { return tabs.GetTabWndNoWrapper(tabs.GetActiveTab()); }
    static CPoint Centre(CZAVPTabWnd& tabs, int iTab)
    {
        CRect rect;
        tabs.GetTabRect(iTab, rect);
        return rect.CenterPoint();
    }
    static void Mouse(CWnd& wnd, UINT message, CPoint pt)
    {
        wnd.SendMessage(message, message == WM_MOUSEMOVE ? MK_LBUTTON : MK_LBUTTON,
                        MAKELPARAM(pt.x, pt.y));
    }

    TabParent m_parent;
    std::vector<std::unique_ptr<CZAVPTabWnd>> m_tabWnds;
    std::vector<std::unique_ptr<CWnd>> m_windows;
};
}  // namespace

TEST_F(TabWindowTest, FirstTabActiveInsertionsAppendOrTakeThePlaceTheyAreGiven)
{
    CZAVPTabWnd& tabs = MakeTabs();
    CWnd* pA = AddPlain(tabs, 1001, "A");
    EXPECT_EQ(0, tabs.GetActiveTab());
    EXPECT_TRUE(Shown(pA));
    CWnd* pB = AddPlain(tabs, 1002, "B");
    EXPECT_EQ(0, tabs.GetActiveTab());  // later tabs stay behind the active one
    EXPECT_FALSE(Shown(pB));

    // -1 and an index past the end both append.
    CWnd* pC = MakeChild(tabs, 1003);
    tabs.InsertTab(pC, "C", -1);
    CWnd* pD = MakeChild(tabs, 1004);
    tabs.InsertTab(pD, "D", 99);
    ASSERT_EQ(4, tabs.GetTabsNum());
    EXPECT_EQ(pC, tabs.GetTabWndNoWrapper(2));
    EXPECT_EQ(pD, tabs.GetTabWndNoWrapper(3));

    // Inserted before the active tab: the same window stays active under its new index.
    tabs.SetActiveTab(1);
    CWnd* pE = MakeChild(tabs, 1005);
    tabs.InsertTab(pE, "E", 0);
    EXPECT_EQ(2, tabs.GetActiveTab());
    EXPECT_EQ(pB, Active(tabs));
    EXPECT_FALSE(Shown(pE));

    // Inserted at the active place: the new tab takes it, the old one moves on.
    CWnd* pF = MakeChild(tabs, 1006);
    tabs.InsertTab(pF, "F", 2);
    EXPECT_EQ(pF, Active(tabs));
    EXPECT_EQ(pB, tabs.GetTabWndNoWrapper(3));
    EXPECT_TRUE(Shown(pF));
    EXPECT_FALSE(Shown(pB));

    // A plain window never detaches, whatever was asked.
    EXPECT_FALSE(tabs.IsTabDetachable(0));
    EXPECT_EQ(-1, tabs.GetTabFromHwnd(m_parent.GetSafeHwnd()));
    EXPECT_EQ(3, tabs.GetTabFromHwnd(tabs.GetTabWnd(3)->GetSafeHwnd()));
    EXPECT_EQ(pB, tabs.GetTabWndNoWrapper(3));
    EXPECT_EQ(tabs.GetTabWnd(3)->GetSafeHwnd(), ::GetParent(pB->GetSafeHwnd()));
}

TEST_F(TabWindowTest, RemovingChoosesTheNextVisibleTabAndTheOnlyTabEmptiesTheWindow)
{
    CZAVPTabWnd& tabs = MakeTabs();
    CWnd* pA = AddPlain(tabs, 1001, "A");
    AddPlain(tabs, 1002, "B");
    CWnd* pC = AddPlain(tabs, 1003, "C");
    AddPlain(tabs, 1004, "D");
    tabs.ShowTab(3, FALSE);
    tabs.SetActiveTab(2);

    // The active tab goes: the next visible one is hidden, so the one before takes over.
    m_parent.m_messages.clear();
    ASSERT_TRUE(tabs.RemoveTab(2));
    EXPECT_EQ(1, tabs.GetActiveTab());
    EXPECT_TRUE(::IsWindow(pC->GetSafeHwnd()));  // not destroyed without auto-destroy
    auto changes = m_parent.Of(ZAVPRegisteredMessages::OnChangeActiveTab);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(1u, changes.back().wParam);

    EXPECT_FALSE(tabs.RemoveTab(5));
    EXPECT_FALSE(tabs.RemoveTab(-1));

    // Removing down to the last tab, then that one: the parent hears -1.
    tabs.SetAutoDestroyWindow(TRUE);
    ASSERT_TRUE(tabs.RemoveTab(2));
    ASSERT_TRUE(tabs.RemoveTab(1));
    ASSERT_EQ(1, tabs.GetTabsNum());
    m_parent.m_messages.clear();
    ASSERT_TRUE(tabs.RemoveTab(0));
    EXPECT_EQ(0, tabs.GetTabsNum());
    EXPECT_EQ(-1, tabs.GetActiveTab());
    EXPECT_EQ(nullptr, Active(tabs));
    changes = m_parent.Of(ZAVPRegisteredMessages::OnChangeActiveTab);
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ((WPARAM)-1, changes[0].wParam);
    EXPECT_FALSE(::IsWindow(pA->GetSafeHwnd()));  // auto-destroy
}

TEST_F(TabWindowTest, ParentVetoKeepsTheOldTabAndStillAnswersTrue)
{
    CZAVPTabWnd& tabs = MakeTabs();
    CWnd* pA = AddPlain(tabs, 1001, "A");
    CWnd* pB = AddPlain(tabs, 1002, "B");
    m_parent.m_messages.clear();
    m_parent.m_lVeto = 1;
    EXPECT_TRUE(tabs.SetActiveTab(1));
    EXPECT_EQ(0, tabs.GetActiveTab());
    EXPECT_TRUE(Shown(pA));
    EXPECT_FALSE(Shown(pB));
    auto changing = m_parent.Of(ZAVPRegisteredMessages::OnChangingActiveTab);
    ASSERT_EQ(1u, changing.size());
    EXPECT_EQ(1u, changing[0].wParam);
    EXPECT_EQ((LPARAM)&tabs, changing[0].lParam);
    EXPECT_TRUE(m_parent.Of(ZAVPRegisteredMessages::OnChangeActiveTab).empty());

    m_parent.m_lVeto = 0;
    EXPECT_TRUE(tabs.SetActiveTab(1));
    EXPECT_EQ(1, tabs.GetActiveTab());
    EXPECT_TRUE(Shown(pB));
    EXPECT_FALSE(Shown(pA));
    auto changes = m_parent.Of(ZAVPRegisteredMessages::OnChangeActiveTab);
    ASSERT_EQ(1u, changes.size());
    EXPECT_EQ(1u, changes[0].wParam);
    EXPECT_FALSE(tabs.SetActiveTab(2));
    EXPECT_FALSE(tabs.SetActiveTab(-1));
}

TEST_F(TabWindowTest, SingleTabRowDisappearsAndTheWindowTakesTheClientArea)
{
    CZAVPTabWnd& tabs = MakeTabs();
    tabs.SetTabBorderSize(0);
    tabs.SetHideSingleTab(TRUE);
    CWnd* pA = AddPlain(tabs, 1001, "A");
    EXPECT_EQ(0, tabs.GetTabsHeight());
    CRect rectClient, rectWnd;
    tabs.GetClientRect(rectClient);
    pA->GetWindowRect(rectWnd);
    tabs.ScreenToClient(rectWnd);
    EXPECT_EQ(rectClient, rectWnd);

    AddPlain(tabs, 1002, "B");
    EXPECT_GT(tabs.GetTabsHeight(), 0);
    pA->GetWindowRect(rectWnd);
    tabs.ScreenToClient(rectWnd);
    EXPECT_EQ(rectClient.bottom - tabs.GetTabsHeight(), rectWnd.bottom);  // tabs at the bottom

    // Hiding the second tab hides the row again.
    tabs.ShowTab(1, FALSE);
    EXPECT_EQ(0, tabs.GetTabsHeight());
}

TEST_F(TabWindowTest, ScrollButtonsMoveTwentyPixelsOrOneTabAndStayInRange)
{
    struct Case
    {
        CZAVPTabWnd::Style style;
        bool bOneTab;
    } cases[] = {{CZAVPTabWnd::STYLE_3D, false},
                 {CZAVPTabWnd::STYLE_FLAT, false},
                 {CZAVPTabWnd::STYLE_3D_ONENOTE, true}};
    for (const Case& c : cases) {
        CZAVPTabWnd& tabs = MakeTabs(c.style, CZAVPBaseTabWnd::LOCATION_BOTTOM, nullptr, 200);
        for (UINT i = 0; i < 12; ++i) AddPlain(tabs, 1001 + i, "A long tab label");
        ASSERT_GT(tabs.GetLargestScrollOffset(), 40) << c.style;
        EXPECT_EQ(0, tabs.GetScrollOffset());
        EXPECT_FALSE(tabs.GetButton(CZAVPTabWnd::BUTTON_HOME)->IsWindowEnabled());
        EXPECT_TRUE(tabs.GetButton(CZAVPTabWnd::BUTTON_RIGHT)->IsWindowEnabled());

        CRect rectFirst, rectSecond;
        tabs.GetTabRect(0, rectFirst);
        tabs.GetTabRect(1, rectSecond);
        HWND hRight = tabs.GetButton(CZAVPTabWnd::BUTTON_RIGHT)->GetSafeHwnd();
        tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)hRight);
        // One tab: the second tab now starts the row.
        const int nExpected = c.bOneTab ? rectSecond.left - rectFirst.left : 20;
        EXPECT_EQ(nExpected, tabs.GetScrollOffset()) << c.style;
        EXPECT_TRUE(tabs.GetButton(CZAVPTabWnd::BUTTON_HOME)->IsWindowEnabled());

        // End, then right again: never beyond the largest offset (the one-tab style may go on
        // tab by tab past it).
        HWND hEnd = tabs.GetButton(CZAVPTabWnd::BUTTON_END)->GetSafeHwnd();
        tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)hEnd);
        EXPECT_EQ(tabs.GetLargestScrollOffset(), tabs.GetScrollOffset());
        if (!c.bOneTab) {
            tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)hRight);
            EXPECT_EQ(tabs.GetLargestScrollOffset(), tabs.GetScrollOffset());
            EXPECT_FALSE(tabs.GetButton(CZAVPTabWnd::BUTTON_RIGHT)->IsWindowEnabled());
        }
        HWND hHome = tabs.GetButton(CZAVPTabWnd::BUTTON_HOME)->GetSafeHwnd();
        tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)hHome);
        EXPECT_EQ(0, tabs.GetScrollOffset());
    }
}

TEST_F(TabWindowTest, DraggingTheActiveTabAlongTheRowReordersAndReportsTheMove)
{
    CZAVPTabWnd& tabs = MakeTabs(CZAVPTabWnd::STYLE_3D, CZAVPBaseTabWnd::LOCATION_TOP);
    CWnd* pA = AddPlain(tabs, 1001, "A");
    CWnd* pB = AddPlain(tabs, 1002, "B");
    CWnd* pC = AddPlain(tabs, 1003, "C");
    const CPoint ptThird = Centre(tabs, 2);
    m_parent.m_messages.clear();
    Mouse(tabs, WM_LBUTTONDOWN, Centre(tabs, 0));
    EXPECT_TRUE(tabs.IsDragging());
    Mouse(tabs, WM_MOUSEMOVE, ptThird);
    EXPECT_EQ(pA, tabs.GetTabWndNoWrapper(2));
    EXPECT_EQ(pC, tabs.GetTabWndNoWrapper(0));
    EXPECT_EQ(2, tabs.GetActiveTab());
    EXPECT_EQ(pA, Active(tabs));
    Mouse(tabs, WM_LBUTTONUP, ptThird);
    EXPECT_FALSE(tabs.IsDragging());
    auto moves = m_parent.Of(ZAVPRegisteredMessages::OnMoveTab);
    ASSERT_EQ(1u, moves.size());
    EXPECT_EQ(0u, moves[0].wParam);
    EXPECT_EQ(2, moves[0].lParam);

    // A click on another tab only activates it; no move is reported.
    m_parent.m_messages.clear();
    Mouse(tabs, WM_LBUTTONDOWN, Centre(tabs, 1));
    Mouse(tabs, WM_LBUTTONUP, Centre(tabs, 1));
    EXPECT_EQ(pB, Active(tabs));
    EXPECT_TRUE(m_parent.Of(ZAVPRegisteredMessages::OnMoveTab).empty());
    EXPECT_FALSE(m_parent.Of(ZAVPRegisteredMessages::OnChangeActiveTab).empty());

    // Swapping switched off: the drag moves nothing.
    tabs.EnableTabSwap(FALSE);
    Mouse(tabs, WM_LBUTTONDOWN, Centre(tabs, 1));
    Mouse(tabs, WM_MOUSEMOVE, Centre(tabs, 0));
    Mouse(tabs, WM_LBUTTONUP, Centre(tabs, 0));
    EXPECT_EQ(pB, tabs.GetTabWndNoWrapper(1));

    // MoveTab keeps the active window active under its new index.
    tabs.MoveTab(1, -1);
    EXPECT_EQ(pB, tabs.GetTabWndNoWrapper(2));
    EXPECT_EQ(2, tabs.GetActiveTab());
}

TEST_F(TabWindowTest, RenamingInPlaceEnterKeepsTheTextEscapeDropsIt)
{
    CZAVPTabWnd& tabs = MakeTabs(CZAVPTabWnd::STYLE_FLAT);
    tabs.EnableInPlaceEdit(TRUE);
    CWnd* pA = AddPlain(tabs, 1001, kFiles);
    AddPlain(tabs, 1002, kDiscs);

    struct Case
    {
        WPARAM key;
        const char* expected;
    } cases[] = {{VK_ESCAPE, kFiles}, {VK_RETURN, kNewName}};
    for (const Case& c : cases) {
        m_parent.m_messages.clear();
        Mouse(tabs, WM_LBUTTONDBLCLK, Centre(tabs, 0));
        CEdit* pEdit = tabs.GetInPlaceEdit();
        ASSERT_NE(nullptr, pEdit);
        CString strText;
        pEdit->GetWindowText(strText);
        EXPECT_STREQ(kFiles, strText);
        pEdit->SetWindowText(kNewName);
        MSG msg{pEdit->GetSafeHwnd(), WM_KEYDOWN, c.key, 0, 0, {0, 0}};
        EXPECT_TRUE(tabs.PreTranslateMessage(&msg));
        EXPECT_EQ(nullptr, tabs.GetInPlaceEdit());
        CString strLabel;
        tabs.GetTabLabel(0, strLabel);
        EXPECT_STREQ(c.expected, strLabel);
        EXPECT_EQ(c.key == VK_RETURN ? 1u : 0u,
                  m_parent.Of(ZAVPRegisteredMessages::OnRenameTab).size());
    }
    // The tab's pane (the wrapper around the plain window) takes the label as its text.
    CString strWindowText;
    tabs.GetTabWnd(0)->GetWindowText(strWindowText);
    EXPECT_STREQ(kNewName, strWindowText);
    EXPECT_EQ(pA, tabs.GetTabWndNoWrapper(0));

    // Only the active tab is renamed by a double click.
    Mouse(tabs, WM_LBUTTONDBLCLK, Centre(tabs, 1));
    EXPECT_EQ(nullptr, tabs.GetInPlaceEdit());
}

TEST_F(TabWindowTest, StoredTabsComeBackInTheirOrderWithLabelsAndColours)
{
    CZAVPTabWnd& tabs = MakeTabs(CZAVPTabWnd::STYLE_3D, CZAVPBaseTabWnd::LOCATION_TOP);
    AddPlain(tabs, 1001, kByCategory);
    AddPlain(tabs, 1002, kSearch);
    AddPlain(tabs, 1003, kFavourites);
    tabs.MoveTab(0, 2);  // Поиск, Избранное, По категориям
    tabs.SetActiveTab(1);
    tabs.ShowTab(0, FALSE);
    tabs.SetTabTextColor(2, RGB(0, 0, 255));
    tabs.SetTabBkColor(1, 0xE6AF94);

    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        tabs.Serialize(ar);
        ar.Close();
    }
    const std::string saved = TabLayout::DumpTabWindowRecord(tabs.GetCurrentState());

    // A fresh window with the same windows in the original order and plain labels.
    CZAVPTabWnd& restored = MakeTabs();
    AddPlain(restored, 1001, "x");
    AddPlain(restored, 1002, "y");
    AddPlain(restored, 1003, "z");
    file.SeekToBegin();
    {
        CArchive ar(&file, CArchive::load);
        restored.Serialize(ar);
    }
    EXPECT_EQ(1, restored.GetRestoredActiveTab());
    EXPECT_EQ(CZAVPBaseTabWnd::LOCATION_TOP, restored.GetRestoredLocation());
    EXPECT_EQ(3, restored.GetTabsNum());  // loading leaves the live tabs alone
    restored.ApplyRestoredTabInfo(TRUE);
    TabLayout::TabWindowRecord state = restored.GetCurrentState();
    state.nLocation = CZAVPBaseTabWnd::LOCATION_TOP;  // the location is the owner's to apply
    EXPECT_EQ(saved, TabLayout::DumpTabWindowRecord(state));
}

TEST_F(TabWindowTest, AutomaticColoursComeFromTheTableAndAnEmptyTableGivesTheDefault)
{
    CZAVPTabWnd& tabs = MakeTabs();
    for (UINT i = 0; i < 6; ++i) AddPlain(tabs, 1001 + i, "tab");
    tabs.EnableAutoColor(TRUE);
    tabs.SetAutoColors({RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0)});
    EXPECT_EQ(RGB(2, 0, 0), tabs.GetTabBkColor(5));  // 5 mod 4 = 1
    tabs.SetAutoColors({RGB(9, 0, 0)});
    EXPECT_EQ(RGB(2, 0, 0), tabs.GetTabBkColor(5));  // kept from the first use
    tabs.SetAutoColors({});
    EXPECT_EQ((COLORREF)-1, tabs.GetTabBkColor(4));
    tabs.SetTabBkColor(3, RGB(7, 7, 7));
    EXPECT_EQ(RGB(7, 7, 7), tabs.GetTabBkColor(3));
}

TEST_F(TabWindowTest, CloseButtonFollowsTheWindowsCloseCommandAndNeedsAnActiveTab)
{
    CZAVPTabWnd& tabs = MakeTabs();
    CZAVPButton* pClose = tabs.GetButton(CZAVPTabWnd::BUTTON_CLOSE);
    // Closing with no tab at all does nothing.
    tabs.SendMessage(WM_COMMAND, MAKEWPARAM(0xFFFF, BN_CLICKED), (LPARAM)pClose->GetSafeHwnd());

    AddPlain(tabs, 1001, "A");
    CWnd* pB = MakeChild(tabs, 1002, WS_CAPTION | WS_SYSMENU);
    tabs.AddTab(pB, "B");
    HMENU hSysMenu = ::GetSystemMenu(pB->GetSafeHwnd(), FALSE);
    if (hSysMenu == nullptr) GTEST_SKIP() << "no system menu for a child window here";
    ::EnableMenuItem(hSysMenu, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
    tabs.SetActiveTab(1);
    EXPECT_FALSE(pClose->IsWindowEnabled());
    tabs.SetActiveTab(0);
    EXPECT_TRUE(pClose->IsWindowEnabled());
}

TEST_F(TabWindowTest, RowButtonsCarryTheirTooltipsFromTheLibraryStringTable)
{
    CZAVPTabWnd& tabs = MakeTabs();
    struct Case
    {
        CZAVPTabWnd::Button button;
        const wchar_t* text;
    } cases[] = {{CZAVPTabWnd::BUTTON_LEFT, L"Прокрутка Влево"},
                 {CZAVPTabWnd::BUTTON_RIGHT, L"Прокрутка Вправо"},
                 {CZAVPTabWnd::BUTTON_CLOSE, L"Закрыть"}};
    for (const Case& c : cases) {
        // The texts are in the ANSI code page (1251).
        wchar_t szText[64] = {};
        ::MultiByteToWideChar(CP_ACP, 0, tabs.GetButton(c.button)->GetTooltip(), -1, szText, 63);
        EXPECT_STREQ(c.text, szText) << c.button;
    }
}

TEST_F(TabWindowTest, CtrlPageKeysCycleVisibleTabsAndDoNothingWithoutAnother)
{
    CZAVPTabWnd& tabs = MakeTabs(CZAVPTabWnd::STYLE_3D, CZAVPBaseTabWnd::LOCATION_BOTTOM,
                                 new CtrlHeldTabWnd);
    AddPlain(tabs, 1001, "A");
    MSG next{tabs.GetSafeHwnd(), WM_KEYDOWN, VK_NEXT, 0, 0, {0, 0}};
    MSG prior{tabs.GetSafeHwnd(), WM_KEYDOWN, VK_PRIOR, 0, 0, {0, 0}};
    EXPECT_FALSE(tabs.PreTranslateMessage(&next));  // no other tab: the key goes on
    EXPECT_EQ(0, tabs.GetActiveTab());

    AddPlain(tabs, 1002, "B");
    AddPlain(tabs, 1003, "C");
    tabs.ShowTab(1, FALSE);
    EXPECT_TRUE(tabs.PreTranslateMessage(&next));
    EXPECT_EQ(2, tabs.GetActiveTab());  // the hidden tab is skipped
    EXPECT_TRUE(tabs.PreTranslateMessage(&next));
    EXPECT_EQ(0, tabs.GetActiveTab());  // wraps
    EXPECT_TRUE(tabs.PreTranslateMessage(&prior));
    EXPECT_EQ(2, tabs.GetActiveTab());
}

TEST_F(TabWindowTest, WindowsThatRemoveTheirOwnTabWhileDestroyedAreReleasedOnce)
{
    CZAVPTabWnd& tabs = MakeTabs();
    tabs.SetAutoDestroyWindow(TRUE);
    std::vector<std::unique_ptr<SelfRemovingWnd>> windows;
    for (UINT i = 0; i < 3; ++i) {
        windows.emplace_back(new SelfRemovingWnd(&tabs));
        ASSERT_TRUE(windows.back()->CreateEx(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10,
                                             tabs.GetSafeHwnd(), (HMENU)(UINT_PTR)(1001 + i)));
        tabs.AddTab(windows.back().get(), "tab");
    }
    tabs.DestroyWindow();
    for (auto& pWnd : windows) {
        EXPECT_TRUE(pWnd->m_bDestroyed);
        EXPECT_FALSE(pWnd->m_bRemoved);  // its record was already out of the array
    }
    EXPECT_EQ(0, tabs.GetTabsNum());
}
