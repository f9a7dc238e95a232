// The toolbar window in a library frame (null graphics driver): the catalogue's toolbars 128 and
// 148 from the resources, clicks and the commands they send, command state pulled at idle,
// tooltips and status prompts from the string table, and the bar's state in the registry.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ToolbarTestSupport.h"
#include "framework/CCmdUI.h"
#include "framework/CToolTipCtrl.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockBarRow.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPStatusBar.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPMenuSound.h"

namespace
{
const UINT kMainBarId = 0xE800;
const UINT kNavBarId = 0xE801;

// A library frame that keeps the commands and prompts its bars send, and answers the command
// state of three commands: 32771 disabled, 32772 checked, 57664 enabled; 32773 has no handler.
class RecordingFrame : public CZAVPFrameWnd
{
public:
    std::vector<UINT> m_commands;
    std::vector<UINT> m_prompts;
    CString m_strTip;  // the tooltip the frame gives for button 32780, none when empty

    BOOL GetToolbarButtonToolTipText(CZAVPToolbarButton* pButton, CString& strText) override
    {
        if (m_strTip.IsEmpty() || pButton->m_nID != 32780) return FALSE;
        strText = m_strTip;
        return TRUE;
    }
    int OnMenuButtonToolHitTest(CZAVPToolbarButton* pButton, TOOLINFOA* pTI) override
    {
        if (m_strTip.IsEmpty()) return 0;
        pTI->lpszText = _strdup(m_strTip);
        return (int)pButton->m_nID;
    }

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != nullptr) {
            CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
            switch (nID) {
            case ID_ADD_DISC: pCmdUI->Enable(FALSE); return TRUE;
            case ID_NEW_FOLDER:
                pCmdUI->Enable(TRUE);
                pCmdUI->SetCheck(1);
                return TRUE;
            case ID_APP_ABOUT_CMD:
            case ID_GO_BACK: pCmdUI->Enable(TRUE); return TRUE;
            default: break;
            }
        }
        return CZAVPFrameWnd::OnCmdMsg(nID, nCode, pExtra, pInfo);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0) {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        if (message == WM_SETMESSAGESTRING) m_prompts.push_back((UINT)wParam);
        return CZAVPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class ToolBarWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DeleteTestRoot();
        // The shared strip keeps a resource's images once: every test sees 128 at 0-3 and 148
        // at 4-7, as the first program to load them would.
        GetCommandManager()->ClearAll();
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(m_main.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kMainBarId));
        ASSERT_TRUE(m_main.LoadToolBar(IDR_MAINFRAME));
        ASSERT_TRUE(m_nav.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kNavBarId));
        ASSERT_TRUE(m_nav.LoadToolBar(IDR_NAVIGATION));
        m_main.AdjustLayout();
        m_nav.AdjustLayout();
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();  // and its bars with it
        DeleteTestRoot();
        CZAVPToolBar::SetNonPermittedCommands(CList<UINT, UINT>());
    }

    CPoint CentreOf(CZAVPToolBar& bar, int iIndex)
    {
        CRect rect;
        bar.GetItemRect(iIndex, rect);
        return rect.CenterPoint();
    }
    void Click(CZAVPToolBar& bar, CPoint down, CPoint up)
    {
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(up.x, up.y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(up.x, up.y));
    }
    // The frame docks on every side, the two bars at the top, each in a row of its own.
    void DockBothBars()
    {
        m_frame.MoveWindow(0, 0, 700, 400);
        ASSERT_TRUE(m_frame.EnableDocking(CBRS_ALIGN_ANY));
        m_main.EnableDocking(CBRS_ALIGN_ANY);
        m_nav.EnableDocking(CBRS_ALIGN_ANY);
        m_frame.DockControlBar(&m_main);
        m_frame.DockControlBar(&m_nav);
    }
    std::vector<UINT> Commands(CZAVPToolBar& bar)
    {
        std::vector<UINT> ids;
        for (int i = 0; i < bar.GetCount(); ++i) ids.push_back(bar.GetButton(i)->m_nID);
        return ids;
    }

    // The bars outlive the frame object: the frame's dock manager still lists them when it goes.
    CZAVPToolBar m_main;
    CZAVPToolBar m_nav;
    // A frame deletes itself when its window goes, so it lives on the heap.
    RecordingFrame& m_frame = *new RecordingFrame;
};
}  // namespace

TEST_F(ToolBarWindowTest, ResourceToolbarsGiveTheirButtonsSizesAndImages)
{
    EXPECT_EQ((std::vector<UINT>{32771, 32772, 32773, 0, 57664}), Commands(m_main));
    EXPECT_EQ((std::vector<UINT>{32779, 32780, 32781, 0, 32776}), Commands(m_nav));
    EXPECT_EQ(CSize(23, 22), m_main.GetButtonSize());  // 16 x 15 images plus 7 each way
    EXPECT_EQ(CSize(16, 15), m_main.GetImageSize());

    // The main bar's bitmap came first into the shared strip: images 0-3, then 4-7.
    const int expected[] = {0, 1, 2, -1, 3};
    for (int i = 0; i < 5; ++i) {
        if (expected[i] >= 0) {
            EXPECT_EQ(expected[i], m_main.GetButton(i)->GetImage()) << i;
        }
    }
    EXPECT_EQ(4, m_nav.GetButton(0)->GetImage());
    EXPECT_EQ(7, m_nav.GetButton(4)->GetImage());
    EXPECT_EQ(8, CZAVPToolBar::m_Images.GetCount());
    EXPECT_EQ(2, GetCommandManager()->GetCommandImage(32773));

    // Buttons side by side, 23 x 22; the separator 8 wide.
    CRect r0, r1, r3, r4;
    m_main.GetItemRect(0, r0);
    m_main.GetItemRect(1, r1);
    m_main.GetItemRect(3, r3);
    m_main.GetItemRect(4, r4);
    EXPECT_EQ(CSize(23, 22), r0.Size());
    EXPECT_EQ(r0.right, r1.left);
    EXPECT_EQ(8, r3.Width());
    EXPECT_EQ(r3.right, r4.left);
    EXPECT_EQ(0, m_main.HitTest(r0.CenterPoint()));
    EXPECT_EQ(-1, m_main.HitTest(r3.CenterPoint()));  // a separator is no hit
}

TEST_F(ToolBarWindowTest, AClickSendsItsCommandOnlyWhenReleasedOverTheButton)
{
    const CPoint about = CentreOf(m_main, 4);
    Click(m_main, about, about);
    EXPECT_EQ(std::vector<UINT>{57664}, m_frame.m_commands);
    EXPECT_EQ(-1, m_main.GetPressedButton());
    EXPECT_EQ(0u, m_main.GetButton(4)->m_nStyle & TBBS_PRESSED);

    m_frame.m_commands.clear();
    Click(m_main, about, CentreOf(m_main, 0));  // released elsewhere
    EXPECT_TRUE(m_frame.m_commands.empty());
    EXPECT_EQ(0u, m_main.GetButton(4)->m_nStyle & TBBS_PRESSED);
}

TEST_F(ToolBarWindowTest, IdleUpdateEnablesChecksAndDisablesButtons)
{
    m_main.OnUpdateCmdUI(&m_frame, TRUE);
    EXPECT_NE(0u, m_main.GetButtonStyle(0) & TBBS_DISABLED);  // its handler disables it
    EXPECT_EQ(0u, m_main.GetButtonStyle(1) & TBBS_DISABLED);
    EXPECT_NE(0u, m_main.GetButtonStyle(1) & TBBS_CHECKED);
    EXPECT_NE(0u, m_main.GetButtonStyle(2) & TBBS_DISABLED);  // nobody handles it
    EXPECT_EQ(0u, m_main.GetButtonStyle(4) & TBBS_DISABLED);

    // A disabled button is never hot and sends nothing.
    const CPoint add = CentreOf(m_main, 0);
    m_main.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(add.x, add.y));
    EXPECT_EQ(-1, m_main.GetHotButton());
    Click(m_main, add, add);
    EXPECT_TRUE(m_frame.m_commands.empty());
    const CPoint about = CentreOf(m_main, 4);
    m_main.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(about.x, about.y));
    EXPECT_EQ(4, m_main.GetHotButton());
}

TEST_F(ToolBarWindowTest, TooltipsAndPromptsComeFromTheStringTable)
{
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(32780, m_nav.OnToolHitTest(CentreOf(m_nav, 1), &ti));
    EXPECT_STREQ("\xC2\xEF\xE5\xF0\xB8\xE4", ti.lpszText);  // "Вперёд" in code page 1251
    free(ti.lpszText);                                      // the caller's copy
    EXPECT_EQ(-1, m_nav.OnToolHitTest(CPoint(5000, 5), &ti));

    CZAVPToolBar::m_bShowTooltips = FALSE;
    EXPECT_EQ(-1, m_nav.OnToolHitTest(CentreOf(m_nav, 1), &ti));
    CZAVPToolBar::m_bShowTooltips = TRUE;

    // Hovering a button shows its prompt; leaving the buttons the idle prompt.
    const CPoint forward = CentreOf(m_nav, 1);
    m_nav.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(forward.x, forward.y));
    m_nav.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5000, 5));
    EXPECT_EQ((std::vector<UINT>{32780, 0xE001}), m_frame.m_prompts);
}

TEST_F(ToolBarWindowTest, ADockedBarsPromptsReachTheFrameNotItsDockBar)
{
    DockBothBars();
    ASSERT_NE(m_frame.GetSafeHwnd(), ::GetParent(m_nav.GetSafeHwnd()));  // a dock bar holds it
    const CPoint forward = CentreOf(m_nav, 1);
    m_nav.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(forward.x, forward.y));
    m_nav.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(5000, 5));
    EXPECT_EQ((std::vector<UINT>{32780, 0xE001}), m_frame.m_prompts);
}

TEST_F(ToolBarWindowTest, ButtonTextQueryWithoutABufferOnlyMeasures)
{
    m_main.SetButtonText(4, "About");
    EXPECT_EQ(5, m_main.SendMessage(TB_GETBUTTONTEXTA, 57664, 0));
    char buffer[16] = "untouched";
    EXPECT_EQ(5, m_main.SendMessage(TB_GETBUTTONTEXTA, 57664, (LPARAM)buffer));
    EXPECT_STREQ("About", buffer);
    EXPECT_EQ(-1, m_main.SendMessage(TB_GETBUTTONTEXTA, 4242, (LPARAM)buffer));
    EXPECT_EQ(5, m_main.SendMessage(TB_BUTTONCOUNT));
    TBBUTTON info = {};
    EXPECT_TRUE(m_main.SendMessage(TB_GETBUTTON, 3, (LPARAM)&info));
    EXPECT_EQ(0, info.idCommand);
    EXPECT_EQ(TBBS_SEPARATOR, info.fsStyle);
}

TEST_F(ToolBarWindowTest, RemovingAndInsertingKeepSeparatorsInOrder)
{
    // Removing the last button leaves no separator at the end of the bar.
    EXPECT_TRUE(m_main.RemoveButton(4));
    EXPECT_EQ((std::vector<UINT>{32771, 32772, 32773}), Commands(m_main));
    EXPECT_FALSE(m_main.RemoveButton(7));
    EXPECT_EQ(-1, m_main.InsertSeparator(0));
    EXPECT_EQ(1, m_main.InsertSeparator(1));
    EXPECT_EQ(3, m_main.InsertSeparator(3));
    // Between two separators: one stays.
    EXPECT_TRUE(m_main.RemoveButton(2));
    EXPECT_EQ((std::vector<UINT>{32771, 0, 32773}), Commands(m_main));

    CList<UINT, UINT> refused;
    refused.AddTail(500);
    CZAVPToolBar::SetNonPermittedCommands(refused);
    CZAVPToolbarButton* pRefused = new CZAVPToolbarButton(500, -1);
    EXPECT_EQ(-1, m_main.InsertButton(pRefused));
    delete pRefused;
}

TEST_F(ToolBarWindowTest, StateRoundTripsThroughTheRegistry)
{
    VersionedWorkspace workspace(6, 70);
    const std::string profile = TestProfile();
    const std::string key = profile + "ZAVToolBar-59392";  // 0xE800
    ::SetWindowTextA(m_main.GetSafeHwnd(), "Main");
    m_main.SaveState(profile.c_str());

    // Alignment (top) and visibility, then five buttons under one class record.
    const Bytes stored = ReadRegistryValue(key, "Buttons");
    const Bytes head = Dword(CBRS_ALIGN_TOP) + Dword(1) +
                       Hex("05 00 FF FF 01 00 12 00 'CZAVPToolbarButton'") + Dword(32771) +
                       Dword(0) + Dword(0) + Hex("00") + Dword(0) + Dword(0) + Dword(0) + Dword(1) +
                       Dword(1);
    ASSERT_GE(stored.size(), head.size());
    EXPECT_EQ(head, Bytes(stored.begin(), stored.begin() + head.size()));
    // ... and at the end: text labels, the name, the MRU width (the control bar's default 32767).
    const Bytes tail = Dword(0) + Hex("04 'Main'") + Dword(32767);
    EXPECT_EQ(tail, Bytes(stored.end() - tail.size(), stored.end()));

    m_main.RemoveButton(0);
    m_main.RemoveButton(0);
    EXPECT_TRUE(m_main.LoadState(profile.c_str()));
    EXPECT_EQ((std::vector<UINT>{32771, 32772, 32773, 0, 57664}), Commands(m_main));
}

// The workspace's order across a restart: each toolbar reads its state back, then the docking
// layout puts it where it was: the navigation bar back beside the main one in the first row,
// wherever the frame's start-up put it.
TEST_F(ToolBarWindowTest, AToolbarComesBackToItsRowAndPlaceInTheRow)
{
    VersionedWorkspace workspace(6, 70);
    const std::string profile = TestProfile();
    CZAVPDockManager& manager = m_frame.m_dockManager;
    DockBothBars();
    auto inFrame = [this](CWnd& bar) {
        CRect rect;
        bar.GetWindowRect(rect);
        m_frame.ScreenToClient(rect);
        return rect;
    };
    auto text = [](const CRect& r) {
        return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
               std::to_string(r.right) + "," + std::to_string(r.bottom);
    };
    auto dockAt = [&](CZAVPToolBar& bar, CPoint pt) {
        CRect rect(pt, inFrame(bar).Size());
        m_frame.ClientToScreen(rect);
        manager.DockControlBar(&bar, AFX_IDW_DOCKBAR_TOP, rect);
    };
    // The start-up's rows: one bar each.
    ASSERT_NE(inFrame(m_main).top, inFrame(m_nav).top);

    dockAt(m_nav, CPoint(300, 0));
    const CRect rectMain = inFrame(m_main), rectNav = inFrame(m_nav);
    ASSERT_EQ(rectMain.top, rectNav.top);
    ASSERT_EQ(300, rectNav.left);
    manager.SaveState(profile.c_str(), 128);
    m_main.SaveState(profile.c_str());
    m_nav.SaveState(profile.c_str());

    // A start-up's places again, then the stored ones.
    manager.DockControlBar(&m_nav, AFX_IDW_DOCKBAR_TOP, nullptr);
    ASSERT_NE(text(rectNav), text(inFrame(m_nav)));
    EXPECT_TRUE(m_main.LoadState(profile.c_str()));
    EXPECT_TRUE(m_nav.LoadState(profile.c_str()));
    manager.LoadState(profile.c_str(), 128);
    manager.SetDockState();
    EXPECT_EQ(text(rectMain), text(inFrame(m_main)));
    EXPECT_EQ(text(rectNav), text(inFrame(m_nav)));
}

TEST_F(ToolBarWindowTest, DamagedButtonsValuesKeepTheResourceLayout)
{
    const std::string profile = TestProfile();
    const std::string key = profile + "ZAVToolBar-59393";  // 0xE801
    m_nav.SaveState(profile.c_str());
    const Bytes good = ReadRegistryValue(key, "Buttons");
    ASSERT_GT(good.size(), 40u);

    const Bytes damaged[] = {
        Bytes(good.begin(), good.begin() + 30),  // cut in the class record
        Bytes(good.begin(), good.end() - 3),     // cut at the end
        Dword(CBRS_ALIGN_TOP) + Dword(1) + Hex("01 00 FF FF 01 00 07 00 'CObList'") + Hex("00 00"),
        Dword(CBRS_ALIGN_TOP) + Dword(1) + Hex("FF FF FF FF FF 7F"),  // a huge count, no objects
    };
    for (const Bytes& bytes : damaged) {
        WriteRegistryValue(key, "Buttons", bytes);
        m_nav.LoadState(profile.c_str());
        EXPECT_EQ((std::vector<UINT>{32779, 32780, 32781, 0, 32776}), Commands(m_nav))
            << bytes.size();
    }
}

namespace
{
// Pieces of hand-made button lists as this program stores them without a workspace (so with no
// visible field): a class record, a button's own fields, a menu button's tear-off id.
Bytes NewClass(const char* lpszName)
{
    return Hex("FF FF 01 00") + Bytes{(BYTE)strlen(lpszName), 0} +
           Bytes(lpszName, lpszName + strlen(lpszName));
}
Bytes Fields(UINT id)
{
    return Dword(id) + Dword(0) + Dword(0) + Hex("00") + Dword(0) + Dword(0) + Dword(0) + Dword(0);
}

// A "Buttons" value around a list: top alignment, visible; then labels off, no name, MRU width.
Bytes ButtonsValue(const Bytes& list)
{
    return Dword(CBRS_ALIGN_TOP) + Dword(1) + list + Dword(0) + Hex("00") + Dword(100);
}

// Menu buttons nested n deep, each the only item of the one above; the innermost has no items.
Bytes NestedMenus(int n)
{
    Bytes bytes = Hex("01 00") + NewClass("CZAVPToolbarMenuButton") + Fields(40001) + Dword(0);
    for (int i = 1; i < n; ++i) bytes = bytes + Hex("01 00 01 80") + Fields(40001) + Dword(0);
    return bytes + Hex("00 00");
}
}  // namespace

// Stored lists made by hand the way a damaged or forged value would be: an entry that is an
// object read before (the framework's back reference) would be owned twice and deleted twice, a
// menu naming itself would contain itself, and a chain of sub-menus deep enough would exhaust the
// stack. Each is refused whole, and the customised bar goes back to its resource layout.
TEST_F(ToolBarWindowTest, ForgedButtonListsNeverShareOrNestObjects)
{
    const std::string profile = TestProfile();
    const std::string key = profile + "ZAVToolBar-59392";
    const std::vector<UINT> resource = {32771, 32772, 32773, 0, 57664};
    const struct
    {
        const char* what;
        Bytes list;
    } cases[] = {
        // Class 1, object 2; the second entry is object 2 again.
        {"one button twice",
         Hex("02 00") + NewClass("CZAVPToolbarButton") + Fields(32771) + Hex("02 00")},
        // Class 1, menu object 2, whose one item is object 2.
        {"a menu inside itself", Hex("01 00") + NewClass("CZAVPToolbarMenuButton") + Fields(40001) +
                                     Dword(0) + Hex("01 00 02 00")},
        // An item referring to the button before its menu.
        {"an item that is a button of the bar",
         Hex("02 00") + NewClass("CZAVPToolbarButton") + Fields(32771) +
             NewClass("CZAVPToolbarMenuButton") + Fields(40001) + Dword(0) + Hex("01 00 02 00")},
        {"sub-menus 40 deep", NestedMenus(40)},
        {"a null entry", Hex("01 00 00 00")},
        {"a class that is no button", Hex("01 00") + NewClass("CZAVPToolBar")},
    };
    for (const auto& c : cases) {
        m_main.RemoveButton(0);
        WriteRegistryValue(key, "Buttons", ButtonsValue(c.list));
        m_main.LoadState(profile.c_str());
        EXPECT_EQ(resource, Commands(m_main)) << c.what;
    }

    // A bar that no resource made keeps the buttons it has.
    CZAVPToolBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, WS_CHILD | CBRS_TOP, 0xE805));
    bar.InsertButton(new CZAVPToolbarButton(32772, -1));
    ASSERT_FALSE(bar.CanBeRestored());
    WriteRegistryValue(profile + "ZAVToolBar-59397", "Buttons", ButtonsValue(cases[0].list));
    bar.LoadState(profile.c_str());
    EXPECT_EQ((std::vector<UINT>{32772}), Commands(bar));
    bar.DestroyWindow();
}

// What the forged lists above are not: sub-menus a few levels deep, buttons of two classes whose
// class records refer back to each other across the levels, read back whole.
TEST_F(ToolBarWindowTest, NestedMenusOfMixedClassesLoadBack)
{
    const std::string profile = TestProfile();
    const std::string key = profile + "ZAVToolBar-59392";
    // [plain 32771, menu 40001 [plain 32772, menu 40002 [plain 32773, menu 40003 []]], plain 57664]
    const Bytes list = Hex("03 00") + NewClass("CZAVPToolbarButton") + Fields(32771) +  // 1, 2
                       NewClass("CZAVPToolbarMenuButton") + Fields(40001) + Dword(0) +  // 3, 4
                       Hex("02 00 01 80") + Fields(32772) +                             // 5
                       Hex("03 80") + Fields(40002) + Dword(0) +                        // 6
                       Hex("02 00 01 80") + Fields(32773) +                             // 7
                       Hex("03 80") + Fields(40003) + Dword(0) + Hex("00 00") +         // 8
                       Hex("01 80") + Fields(57664);                                    // 9
    WriteRegistryValue(key, "Buttons", ButtonsValue(list));
    m_main.LoadState(profile.c_str());  // no docking state stored: FALSE, the buttons read
    ASSERT_EQ((std::vector<UINT>{32771, 40001, 57664}), Commands(m_main));
    std::vector<UINT> ids;
    const CZAVPToolbarMenuButton* pMenu = dynamic_cast<CZAVPToolbarMenuButton*>(
        m_main.GetButton(1));
    while (pMenu != nullptr) {
        const CObList& items = pMenu->GetCommands();
        const CZAVPToolbarMenuButton* pNext = nullptr;
        for (POSITION pos = items.GetHeadPosition(); pos != nullptr;) {
            const CZAVPToolbarButton* pItem = static_cast<const CZAVPToolbarButton*>(
                items.GetNext(pos));
            ids.push_back(pItem->m_nID);
            if (const auto* pSub = dynamic_cast<const CZAVPToolbarMenuButton*>(pItem)) pNext = pSub;
        }
        pMenu = pNext;
    }
    EXPECT_EQ((std::vector<UINT>{32772, 40002, 32773, 40003}), ids);
}

TEST_F(ToolBarWindowTest, EveryButtonOfARefusedCommandIsDroppedOnLoad)
{
    const std::string profile = TestProfile();
    m_main.InsertButton(new CZAVPToolbarButton(32771, 0));  // a second 32771
    m_main.SaveState(profile.c_str());
    CList<UINT, UINT> refused;
    refused.AddTail(32771);
    CZAVPToolBar::SetNonPermittedCommands(refused);
    EXPECT_TRUE(m_main.LoadState(profile.c_str()));
    EXPECT_EQ((std::vector<UINT>{32772, 32773, 0, 57664}), Commands(m_main));
}

namespace
{
// A list of plain buttons (0: a separator) as a stored layout holds them; the caller deletes.
void FillButtons(CObList& list, const std::vector<UINT>& ids)
{
    for (UINT id : ids) {
        CZAVPToolbarButton* pButton = new CZAVPToolbarButton(id, -1);
        if (id == 0) pButton->m_nStyle = TBBS_SEPARATOR;
        list.AddTail(pButton);
    }
}

void DeleteButtons(CObList& list)
{
    while (!list.IsEmpty()) delete list.RemoveHead();
}

// A workspace that keeps every bar's resource layout with its state.
class SmartUpdateWorkspace : public CZAVPWorkspace
{
public:
    SmartUpdateWorkspace() : CZAVPWorkspace(TRUE)
    {
        m_iSavedVersionMajor = kVersionMajor;
        m_iSavedVersionMinor = kVersionMinor;
    }
};
}  // namespace

// The bar's resource layout is 32771, 32772, 32773, separator, 57664; the saved layout is what
// the resource was when the user's bar was saved.
TEST_F(ToolBarWindowTest, MissingButtonsFollowAChangedResource)
{
    const struct
    {
        const char* what;
        std::vector<UINT> bar;    // the user's buttons as loaded
        std::vector<UINT> saved;  // the resource layout stored with them
        std::vector<UINT> expected;
        bool bChanged;
    } cases[] = {
        {"unchanged resource",
         {57664, 32771},
         {32771, 32772, 32773, 0, 57664},
         {57664, 32771},
         false},
        // 40000 left the resource and 32773 came in at its third place.
        {"lost and gained",
         {57664, 40000, 32771, 32772},
         {32771, 32772, 0, 57664, 40000},
         {57664, 32771, 32773, 32772},
         true},
        // The same commands in another order change no button, yet the resource changed.
        {"reordered", {32771}, {32772, 32771, 32773, 0, 57664}, {32771}, true},
        // A gained separator and command past the end of a short bar are appended.
        {"appended",
         {32771, 32772, 32773},
         {32771, 32772, 32773},
         {32771, 32772, 32773, 0, 57664},
         true},
    };
    for (const auto& c : cases) {
        m_main.RemoveAllButtons();
        for (UINT id : c.bar) m_main.InsertButton(new CZAVPToolbarButton(id, -1));
        CObList saved;
        FillButtons(saved, c.saved);
        EXPECT_EQ(c.bChanged, m_main.AddMissingButtons(saved) != FALSE) << c.what;
        EXPECT_EQ(c.bChanged, m_main.IsResourceChanged() != FALSE) << c.what;
        EXPECT_EQ(c.expected, Commands(m_main)) << c.what;
        DeleteButtons(saved);
    }
    // A gained command takes its default image from the resource.
    EXPECT_EQ(3, m_main.GetButton(4)->GetImage());
}

TEST_F(ToolBarWindowTest, OriginalItemsAreKeptOnlyWhenTheWorkspaceAsks)
{
    const std::string profile = TestProfile();
    const std::string key = profile + "ZAVToolBar-59392";
    {
        VersionedWorkspace plain(6, 70);
        m_main.SaveState(profile.c_str());
        EXPECT_TRUE(ReadRegistryValue(key, "OriginalItems").empty());
    }
    SmartUpdateWorkspace workspace;
    m_main.RemoveButton(4);  // the user dropped About (and with it the separator)
    m_main.SaveState(profile.c_str());
    EXPECT_FALSE(ReadRegistryValue(key, "OriginalItems").empty());

    // The stored layout predates the separator and About: loading brings both in.
    {
        CObList older;
        FillButtons(older, {32771, 32772, 32773});
        const Bytes olderBytes = StoreBytes([&](CArchive& ar) { older.Serialize(ar); });
        DeleteButtons(older);
        WriteRegistryValue(key, "OriginalItems", olderBytes);
    }
    EXPECT_TRUE(m_main.LoadState(profile.c_str()));
    EXPECT_EQ((std::vector<UINT>{32771, 32772, 32773, 0, 57664}), Commands(m_main));
    EXPECT_TRUE(m_main.IsResourceChanged());

    // A damaged stored layout is ignored: the bar loads as saved.
    m_main.RemoveButton(4);
    m_main.SaveState(profile.c_str());
    WriteRegistryValue(key, "OriginalItems", Hex("03 00 FF FF 01 00 07 00 'CObList'"));
    EXPECT_TRUE(m_main.LoadState(profile.c_str()));
    EXPECT_EQ((std::vector<UINT>{32771, 32772, 32773}), Commands(m_main));
}

// "OrigResetItems" and "OriginalItems" are read the same way: a forged list is not taken.
TEST_F(ToolBarWindowTest, ForgedResetAndOriginalListsAreIgnored)
{
    SmartUpdateWorkspace workspace;
    const std::string profile = TestProfile();
    const std::string key = profile + "ZAVToolBar-59392";
    m_main.SaveState(profile.c_str());
    const Bytes twice = Hex("02 00") + NewClass("CZAVPToolbarButton") + Dword(32771) + Dword(0) +
                        Dword(0) + Hex("00") + Dword(0) + Dword(0) + Dword(0) + Dword(1) +
                        Dword(1) + Hex("02 00");
    WriteRegistryValue(key, "OriginalItems", twice);
    WriteRegistryValue(key, "OrigResetItems", twice);
    CObList same;
    FillButtons(same, {32771, 32772, 32773, 0, 57664});
    m_main.AddMissingButtons(same);  // unchanged: the flag starts clear
    DeleteButtons(same);
    ASSERT_FALSE(m_main.IsResourceChanged());
    EXPECT_TRUE(m_main.LoadState(profile.c_str()));
    EXPECT_FALSE(m_main.IsResourceChanged());
    EXPECT_EQ((std::vector<UINT>{32771, 32772, 32773, 0, 57664}), Commands(m_main));
}

// A bar whose window goes while its frame lives leaves the frame's books: the dock manager's
// list, its dock bar and the row there. Otherwise the frame's next layout walks a dead bar.
TEST_F(ToolBarWindowTest, ADestroyedToolbarOrStatusBarLeavesItsRowAndTheDockManager)
{
    DockBothBars();
    CZAVPStatusBar status;
    ASSERT_TRUE(status.Create(&m_frame));
    CZAVPDockBar* pDockBar = m_main.GetParentDockBar();
    ASSERT_NE(nullptr, pDockBar);
    const CObList& managed = m_frame.m_dockManager.GetControlBars();
    auto inRows = [pDockBar](const CObject* pBar) {
        for (POSITION pos = pDockBar->GetRows().GetHeadPosition(); pos != nullptr;) {
            const CZAVPDockBarRow* pRow = static_cast<const CZAVPDockBarRow*>(
                pDockBar->GetRows().GetNext(pos));
            if (pRow->GetControlBars().Find(const_cast<CObject*>(pBar)) != nullptr) return true;
        }
        return false;
    };
    // The status bar is the manager's own; the docked toolbar its dock bar's, in a row.
    ASSERT_NE(nullptr, managed.Find(&status));
    ASSERT_NE(nullptr, pDockBar->GetControlBarList().Find(&m_main));
    ASSERT_TRUE(inRows(&m_main));

    m_main.DestroyWindow();
    status.DestroyWindow();
    EXPECT_EQ(nullptr, managed.Find(&m_main));
    EXPECT_EQ(nullptr, managed.Find(&status));
    EXPECT_EQ(nullptr, pDockBar->GetControlBarList().Find(&m_main));
    EXPECT_FALSE(inRows(&m_main));
    EXPECT_EQ(nullptr, m_main.GetParentDockBar());
    m_frame.RecalcLayout();  // walks what is left: the navigation bar
    EXPECT_TRUE(inRows(&m_nav));
}

// The question before a bar goes back to its resource layout, in code page 1251: "Все изменения
// будут потеряны! \nДействительно хотите установить настройки по умолчанию для панели '%s'?".
TEST_F(ToolBarWindowTest, ResetPromptNamesTheBarOrCallsItUnnamed)
{
    const std::string question =
        "\xC2\xF1\xE5 \xE8\xE7\xEC\xE5\xED\xE5\xED\xE8\xFF \xE1\xF3\xE4\xF3\xF2 "
        "\xEF\xEE\xF2\xE5\xF0\xFF\xED\xFB! \n\xC4\xE5\xE9\xF1\xF2\xE2\xE8\xF2\xE5\xEB\xFC\xED\xEE "
        "\xF5\xEE\xF2\xE8\xF2\xE5 \xF3\xF1\xF2\xE0\xED\xEE\xE2\xE8\xF2\xFC "
        "\xED\xE0\xF1\xF2\xF0\xEE\xE9\xEA\xE8 \xEF\xEE \xF3\xEC\xEE\xEB\xF7\xE0\xED\xE8\xFE "
        "\xE4\xEB\xFF \xEF\xE0\xED\xE5\xEB\xE8 '";
    EXPECT_EQ(question + "Main'?", std::string(CZAVPToolBar::FormatResetPrompt("Main")));
    EXPECT_EQ(question + "<\xC1\xE5\xE7 \xE8\xEC\xE5\xED\xE8>'?",  // "<Без имени>"
              std::string(CZAVPToolBar::FormatResetPrompt("")));
}

// The frame has the first word on a button's tooltip, for plain and menu buttons alike.
TEST_F(ToolBarWindowTest, TheFrameMayGiveAButtonsTooltip)
{
    m_frame.m_strTip = "From the frame";
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    EXPECT_EQ(32780, m_nav.OnToolHitTest(CentreOf(m_nav, 1), &ti));
    EXPECT_STREQ("From the frame", ti.lpszText);
    free(ti.lpszText);

    CZAVPToolbarMenuButton menu(40001, nullptr, -1, "Menu");
    TOOLINFOA tiMenu = {};
    tiMenu.cbSize = sizeof tiMenu;
    EXPECT_EQ(40001, menu.HitTestToolTip(&m_nav, &tiMenu));
    EXPECT_STREQ("From the frame", tiMenu.lpszText);
    free(tiMenu.lpszText);
    m_frame.m_strTip.Empty();
    EXPECT_EQ(0, menu.HitTestToolTip(&m_nav, &tiMenu));
}

// Removing a button also removes the separators it leaves doubled or trailing; the hot and the
// pressed index stay on their buttons through both.
TEST_F(ToolBarWindowTest, RemovingAButtonKeepsTheHotAndPressedIndexesOnTheirButtons)
{
    m_main.RemoveAllButtons();
    for (UINT id : {32771u, 0u, 32772u, 0u, 57664u}) {
        if (id == 0)
            ASSERT_GE(m_main.InsertSeparator(), 0);
        else
            ASSERT_GE(m_main.InsertButton(new CZAVPToolbarButton(id, -1)), 0);
    }
    m_main.AdjustLayout();
    const CPoint about = CentreOf(m_main, 4);
    m_main.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(about.x, about.y));
    ASSERT_TRUE(m_main.SetHotButton(m_main.GetButton(4)));
    ASSERT_EQ(4, m_main.GetPressedButton());
    ASSERT_EQ(4, m_main.GetHotButton());

    ASSERT_TRUE(m_main.RemoveButton(2));  // 32772 goes, and one of the separators around it
    EXPECT_EQ((std::vector<UINT>{32771, 0, 57664}), Commands(m_main));
    EXPECT_EQ(2, m_main.GetPressedButton());
    EXPECT_EQ(2, m_main.GetHotButton());
    ::ReleaseCapture();
    m_main.SendMessage(WM_CANCELMODE);

    EXPECT_FALSE(m_main.SetHotButton(m_nav.GetButton(0)));  // not a button of this bar
    EXPECT_TRUE(m_main.SetHotButton(nullptr));
    EXPECT_EQ(-1, m_main.GetHotButton());
}

namespace
{
// A bar whose text-labels mode is fixed.
class FixedLabelsBar : public CZAVPToolBar
{
public:
    BOOL CanChangeTextLabels() const override { return FALSE; }
};
}  // namespace

// The smaller operations a toolbar offers its owners and subclasses.
TEST_F(ToolBarWindowTest, ButtonTextModesDefaultTextsAndRepaintRectangles)
{
    // The default text is the tooltip part of the command's string: "Вперёд".
    CZAVPToolbarButton forward(32780, -1);
    EXPECT_TRUE(m_nav.SetDefaultButtonText(&forward));
    EXPECT_STREQ("\xC2\xEF\xE5\xF0\xB8\xE4", forward.m_strText);
    CZAVPToolbarButton unknown(39999, -1);
    EXPECT_FALSE(m_nav.SetDefaultButtonText(&unknown));

    const int cxBefore = m_nav.CalcFixedLayout(FALSE, TRUE).cx;
    EXPECT_TRUE(m_nav.SetButtonTextMode(0, TRUE, TRUE, "Back"));
    EXPECT_TRUE(m_nav.GetButton(0)->m_bText);
    EXPECT_STREQ("Back", m_nav.GetButton(0)->m_strText);
    EXPECT_GT(m_nav.CalcFixedLayout(FALSE, TRUE).cx, cxBefore);  // the text takes room
    EXPECT_FALSE(m_nav.SetButtonTextMode(99, TRUE, TRUE));

    CRect rect, rectItem;
    m_nav.GetInvalidateItemRect(2, rect);
    m_nav.GetItemRect(2, rectItem);
    EXPECT_EQ(rectItem, rect);
    EXPECT_EQ(m_nav.GetButton(2), m_nav.InvalidateButton(2));
    EXPECT_EQ(nullptr, m_nav.InvalidateButton(99));

    // A bar that keeps out of large icons keeps its plain size.
    m_nav.EnableLargeIcons(FALSE);
    CZAVPToolBar::SetLargeIcons(TRUE);
    EXPECT_EQ(CSize(23, 22), m_nav.GetButtonSize());
    EXPECT_EQ(CSize(46, 44), m_main.GetButtonSize());
    CZAVPToolBar::SetLargeIcons(FALSE);
    m_nav.EnableLargeIcons(TRUE);

    // Stored text labels are taken only by a bar that may change them.
    const std::string profile = TestProfile();
    m_main.EnableTextLabels(TRUE);
    m_main.SaveState(profile.c_str());
    FixedLabelsBar fixed;
    ASSERT_TRUE(fixed.Create(&m_frame, WS_CHILD | CBRS_TOP, kMainBarId));
    EXPECT_TRUE(fixed.LoadState(profile.c_str()));
    EXPECT_FALSE(fixed.AreTextLabels());
    m_main.EnableTextLabels(FALSE);
    EXPECT_TRUE(m_main.LoadState(profile.c_str()));
    EXPECT_TRUE(m_main.AreTextLabels());
    fixed.DestroyWindow();
}

TEST_F(ToolBarWindowTest, UserToolbarsAreThoseInTheFramesRange)
{
    m_frame.m_Impl.InitUserToobars(nullptr, 0xE900 - 10, 0xE900 - 1);
    CZAVPToolBar user;
    ASSERT_TRUE(user.Create(&m_frame, WS_CHILD | CBRS_TOP, 0xE900 - 5));
    EXPECT_TRUE(user.IsUserDefined());
    EXPECT_FALSE(m_main.IsUserDefined());
    user.DestroyWindow();
}

// The bar's tooltip control goes with its window, and a window made again gets a new one.
TEST_F(ToolBarWindowTest, ABarsTooltipControlLivesWithItsWindow)
{
    CZAVPToolBar bar;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE806)) << round;
        ASSERT_NE(nullptr, bar.GetToolTip());
        EXPECT_TRUE(::IsWindow(bar.GetToolTip()->GetSafeHwnd()));
        bar.InsertButton(new CZAVPToolbarButton(32771, 0));
        bar.AdjustLayout();
        EXPECT_EQ(1, (int)bar.GetToolTip()->SendMessage(TTM_GETTOOLCOUNT));
        const HWND hwndTip = bar.GetToolTip()->GetSafeHwnd();
        bar.DestroyWindow();
        EXPECT_EQ(nullptr, bar.GetToolTip());
        EXPECT_FALSE(::IsWindow(hwndTip));
        bar.RemoveAllButtons();
    }
}

// Where separators are drawn: their own rectangle, but a separator that closes a row of a
// horizontal bar stands for the 5-pixel gap below that row, across the client width.
TEST_F(ToolBarWindowTest, AWrappingSeparatorIsDrawnAcrossTheBar)
{
    CZAVPToolbarButton* pSeparator = m_main.GetButton(3);
    ASSERT_TRUE(pSeparator->IsSeparator());
    CRect rectClient;
    m_main.GetClientRect(rectClient);
    CRect rect;
    m_main.GetSeparatorRect(pSeparator, rect, TRUE);
    EXPECT_EQ(pSeparator->GetRect(), rect);
    pSeparator->m_nStyle |= TBBS_WRAPPED;
    const CRect own = pSeparator->GetRect();
    m_main.GetSeparatorRect(pSeparator, rect, TRUE);
    EXPECT_EQ(CRect(rectClient.left, own.bottom, rectClient.right, own.bottom + 5), rect);
    m_main.GetSeparatorRect(pSeparator, rect, FALSE);
    EXPECT_EQ(own, rect);
    pSeparator->m_nStyle &= ~TBBS_WRAPPED;
}

// A locked bar (its own images and sizes) loads each named bitmap into its own strip, leaves the
// shared ones alone, and paints from its own; disabled buttons from its disabled strip.
TEST_F(ToolBarWindowTest, ALockedBarKeepsItsOwnStrips)
{
    const int nShared = CZAVPToolBar::m_Images.GetCount();
    CZAVPToolBar locked;
    ASSERT_TRUE(locked.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE807));
    ASSERT_TRUE(
        locked.LoadToolBar(IDR_MAINFRAME, 0, IDR_NAVIGATION, TRUE, IDR_NAVIGATION, IDR_NAVIGATION));
    EXPECT_TRUE(locked.IsLocked());
    EXPECT_EQ(nShared, CZAVPToolBar::m_Images.GetCount());
    for (auto kind : {CZAVPToolBar::kImagesStrip, CZAVPToolBar::kDisabledStrip,
                      CZAVPToolBar::kMenuStrip, CZAVPToolBar::kMenuDisabledStrip})
        EXPECT_EQ(4, locked.GetOwnStrip(kind).GetCount()) << kind;
    EXPECT_EQ(0, locked.GetOwnStrip(CZAVPToolBar::kColdStrip).GetCount());
    const CZAVPToolBar::PaintStrips strips = locked.GetPaintStrips();
    EXPECT_EQ(&locked.GetOwnStrip(CZAVPToolBar::kImagesStrip), strips.pImages);
    EXPECT_EQ(&locked.GetOwnStrip(CZAVPToolBar::kDisabledStrip), strips.pDisabled);
    // The shared bars paint from the shared strip, and without a disabled one.
    EXPECT_EQ(&CZAVPToolBar::m_Images, m_main.GetPaintStrips().pImages);
    locked.DestroyWindow();
}

// The customize button is part of a docked bar's length: the bar asks for room for it, so no
// button has to give way to it.
TEST_F(ToolBarWindowTest, TheCustomizeButtonIsMeasuredInTheBarsSize)
{
    m_frame.MoveWindow(0, 0, 700, 400);
    ASSERT_TRUE(m_frame.EnableDocking(CBRS_ALIGN_ANY));
    CustomizableToolBar bar;
    ASSERT_TRUE(bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE808));
    ASSERT_TRUE(bar.LoadToolBar(IDR_MAINFRAME));
    bar.EnableDocking(CBRS_ALIGN_ANY);
    m_frame.DockControlBar(&bar);
    const int cxPlain = bar.CalcFixedLayout(FALSE, TRUE).cx;
    bar.AddCustomizeButton();
    bar.AdjustLayout();
    EXPECT_GT(bar.CalcFixedLayout(FALSE, TRUE).cx, cxPlain);
    for (int i = 0; i < bar.GetCount() - 1; ++i)
        EXPECT_TRUE(bar.GetButton(i)->IsVisible() && !(bar.GetButton(i)->m_nStyle & TBBS_HIDDEN))
            << i;
    CRect rectLast, rectCustomize;
    bar.GetItemRect(bar.GetCount() - 2, rectLast);
    bar.GetItemRect(bar.GetCount() - 1, rectCustomize);
    EXPECT_GE(rectCustomize.left, rectLast.right);
    EXPECT_FALSE(rectCustomize.IsRectEmpty());
    bar.DestroyWindow();
}

TEST_F(ToolBarWindowTest, AMnemonicKeySendsItsButtonsCommand)
{
    ScopedValue<BOOL> quiet(ZAVPMenuSound::g_bSoundsEnabled, FALSE);
    m_main.SetButtonText(4, "&About");
    m_main.SetButtonText(1, "&New folder");
    m_main.AdjustLayout();  // the layout collects the mnemonics

    EXPECT_TRUE(m_main.TranslateChar('A'));
    EXPECT_TRUE(m_main.TranslateChar('N'));
    EXPECT_FALSE(m_main.TranslateChar('Z'));  // nobody's mnemonic
    EXPECT_EQ((std::vector<UINT>{57664, 32772}), m_frame.m_commands);
}
