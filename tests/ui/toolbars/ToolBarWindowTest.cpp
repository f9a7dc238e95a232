// The toolbar window in a library frame (null graphics driver): the catalogue's toolbars 128 and
// 148 from the resources, clicks and the commands they send, command state pulled at idle,
// tooltips and status prompts from the string table, and the bar's state in the registry.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ToolbarTestSupport.h"
#include "framework/CCmdUI.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include "resources/AppResource.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarButton.h"
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
    m_frame.MoveWindow(0, 0, 700, 400);
    ASSERT_TRUE(m_frame.EnableDocking(CBRS_ALIGN_ANY));
    m_main.EnableDocking(CBRS_ALIGN_ANY);
    m_nav.EnableDocking(CBRS_ALIGN_ANY);
    m_frame.DockControlBar(&m_main);
    m_frame.DockControlBar(&m_nav);
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
