// The menu bar in a library frame (null graphics driver): built from the frame's menu, Alt and the
// keys of a menu bar, a command chosen in a popup reaching the frame once, the popup chain closed
// when the application goes inactive, per-menu copies in the menu store and the registry, and the
// context-menu manager's modal tracking.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ToolbarTestSupport.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/foundation/CZAVPContextMenuManager.h"
#include "ui/foundation/CZAVPMenuHash.h"
#include "ui/foundation/CZAVPTearOffManager.h"
#include "ui/toolbars/CZAVPMenuBar.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPMenuSound.h"
#include "ui/toolbars/ZAVPPopupPlacement.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

namespace
{
const UINT kOpen = 40001;
const UINT kSave = 40002;
const UINT kFirstRecent = 40010;
const UINT kCopy = 40020;
const UINT kAbout = 40030;
const char kMenuBarName[] = "\xCC\xE5\xED\xFE";  // "Меню" in code page 1251

// Files: Open, Save, a separator, Recent > (First, Second); Edit: Copy; Help: About.
HMENU MakeMainMenu()
{
    HMENU hRecent = ::CreatePopupMenu();
    ::AppendMenuA(hRecent, MF_STRING, kFirstRecent, "&First");
    ::AppendMenuA(hRecent, MF_STRING, kFirstRecent + 1, "&Second");
    HMENU hFiles = ::CreatePopupMenu();
    ::AppendMenuA(hFiles, MF_STRING, kOpen, "&Open");
    ::AppendMenuA(hFiles, MF_STRING, kSave, "&Save");
    ::AppendMenuA(hFiles, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hFiles, MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    HMENU hEdit = ::CreatePopupMenu();
    ::AppendMenuA(hEdit, MF_STRING, kCopy, "&Copy");
    HMENU hHelp = ::CreatePopupMenu();
    ::AppendMenuA(hHelp, MF_STRING, kAbout, "&About");
    HMENU hMenu = ::CreateMenu();
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hFiles, "&Files");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hEdit, "&Edit");
    ::AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hHelp, "&Help");
    return hMenu;
}

// A frame that keeps the commands it receives and the menus it is told were reset.
class MenuFrame : public CZAVPFrameWnd
{
public:
    std::vector<UINT> m_commands;
    std::vector<WPARAM> m_resetMenus;
    std::vector<CZAVPPopupMenu*> m_closedPopups;
    BOOL m_bRefusePopups = FALSE;
    BOOL m_bRefuseTearOff = FALSE;
    BOOL OnShowPopupMenu(CZAVPPopupMenu*) override { return !m_bRefusePopups; }
    BOOL OnTearOffMenu(CZAVPPopupMenu*, CZAVPControlBar*) override { return !m_bRefuseTearOff; }
    CZAVPPopupMenu* OnClosePopupMenu(CZAVPPopupMenu* pPopup) override
    {
        m_closedPopups.push_back(pPopup);
        return CZAVPFrameWnd::OnClosePopupMenu(pPopup);
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0) {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        if (message == ZAVPToolBarMessages::ResetMenu) m_resetMenus.push_back(wParam);
        return CZAVPFrameWnd::WindowProc(message, wParam, lParam);
    }
};

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

std::vector<std::string> Texts(const CZAVPToolBar& bar)
{
    std::vector<std::string> texts;
    for (int i = 0; i < bar.GetCount(); ++i) texts.push_back((LPCSTR)bar.GetButton(i)->m_strText);
    return texts;
}

class MenuBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DeleteTestRoot();
        m_hMenu = MakeMainMenu();
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480)));
        m_frame.m_bAutoMenuEnable = FALSE;  // no handlers here: items stay enabled
        ::SetMenu(m_frame.GetSafeHwnd(), m_hMenu);
        ASSERT_TRUE(m_frame.EnableDocking(CBRS_ALIGN_ANY));
        ASSERT_TRUE(m_bar.Create(&m_frame));
        m_bar.EnableDocking(CBRS_ALIGN_ANY);
        m_frame.DockControlBar(&m_bar);
        m_frame.ShowWindow(SW_SHOW);
        m_frame.SetFocus();
    }
    void TearDown() override
    {
        while (CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu()) {
            if (!::IsWindow(pPopup->GetSafeHwnd())) break;
            pPopup->DestroyWindow();
        }
        PumpMessages();
        m_bar.DestroyWindow();
        m_frame.DestroyWindow();
        ::DestroyMenu(m_hMenu);
        g_menuHash.CleanUp();
        DeleteTestRoot();
    }

    // A key as the application's message loop hands it out: the windows from the focus up to
    // the frame see it first, then it is dispatched.
    void Key(UINT message, UINT nVirtKey)
    {
        MSG msg = {};
        msg.hwnd = ::GetFocus() != nullptr ? ::GetFocus() : m_frame.GetSafeHwnd();
        msg.message = message;
        msg.wParam = nVirtKey;
        if (!CWnd::WalkPreTranslateTree(m_frame.GetSafeHwnd(), &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
        PumpMessages();
    }
    void Press(UINT nVirtKey) { Key(WM_KEYDOWN, nVirtKey); }
    // A press of the left button on an item of the bar (the press opens a menu).
    void Click(int iButton)
    {
        CRect rect;
        m_bar.GetItemRect(iButton, rect);
        const CPoint pt = rect.CenterPoint();
        m_bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        PumpMessages();
    }
    void Alt() { Key(WM_SYSKEYUP, VK_MENU); }
    int Dropped() const
    {
        int iIndex = -1;
        m_bar.GetDroppedDownMenu(&iIndex);
        return iIndex;
    }

    CWinApp m_app{"MenuBarTests"};
    ScopedValue<BOOL> m_quiet{ZAVPMenuSound::g_bSoundsEnabled, FALSE};
    HMENU m_hMenu = nullptr;
    CZAVPMenuBar m_bar;
    // A frame deletes itself when its window goes, so it lives on the heap.
    MenuFrame& m_frame = *new MenuFrame;
};
}  // namespace

TEST_F(MenuBarTest, TheBarTakesOverTheFramesMenu)
{
    EXPECT_EQ(nullptr, ::GetMenu(m_frame.GetSafeHwnd()));
    EXPECT_EQ(&m_bar, m_frame.m_Impl.m_pMenuBar);
    EXPECT_EQ(m_hMenu, m_bar.GetDefaultMenu());
    EXPECT_EQ((std::vector<std::string>{"&Files", "&Edit", "&Help"}), Texts(m_bar));
    for (int i = 0; i < m_bar.GetCount(); ++i)
        EXPECT_TRUE(m_bar.GetButton(i)->IsKindOf(RUNTIME_CLASS(CZAVPToolbarMenuButton))) << i;
    const CZAVPToolbarMenuButton* pFiles = static_cast<const CZAVPToolbarMenuButton*>(
        m_bar.GetButton(0));
    EXPECT_EQ(4, pFiles->GetCommands().GetCount());  // Open, Save, separator, Recent
    char szName[16] = {};
    ::GetWindowTextA(m_bar.GetSafeHwnd(), szName, sizeof szName);
    EXPECT_STREQ(kMenuBarName, szName);

    // The same menu again changes no button.
    const CZAVPToolbarButton* pFirst = m_bar.GetButton(0);
    m_bar.CreateFromMenu(m_hMenu);
    EXPECT_EQ(pFirst, m_bar.GetButton(0));
    // A null menu leaves the bar as it is.
    m_bar.CreateFromMenu(nullptr);
    EXPECT_EQ(3, m_bar.GetCount());
}

TEST_F(MenuBarTest, AltAndTheArrowKeysMoveOverTheMenus)
{
    Alt();
    ASSERT_EQ(m_bar.GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ(0, m_bar.GetHotButton());

    const struct
    {
        UINT key;
        int hot;
    } moves[] = {{VK_RIGHT, 1}, {VK_RIGHT, 2}, {VK_RIGHT, 0}, {VK_LEFT, 2}, {VK_LEFT, 1}};
    for (const auto& move : moves) {
        Press(move.key);
        EXPECT_EQ(move.hot, m_bar.GetHotButton()) << move.key;
    }
    EXPECT_EQ(-1, Dropped());

    // Down opens the hot item's menu; Escape closes it, a second Escape leaves the bar.
    Press(VK_DOWN);
    EXPECT_EQ(1, Dropped());
    ASSERT_NE(nullptr, CZAVPPopupMenu::GetActiveMenu());
    Press(VK_ESCAPE);
    EXPECT_EQ(-1, Dropped());
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    Press(VK_ESCAPE);
    EXPECT_EQ(-1, m_bar.GetHotButton());
    EXPECT_NE(m_bar.GetSafeHwnd(), ::GetFocus());

    // Alt twice: to the bar and back.
    Alt();
    EXPECT_EQ(m_bar.GetSafeHwnd(), ::GetFocus());
    Alt();
    EXPECT_NE(m_bar.GetSafeHwnd(), ::GetFocus());
}

TEST_F(MenuBarTest, AMenuOpenedByAClickTakesTheMenuFocusAndTheFrameMayRefuseIt)
{
    ASSERT_NE(m_bar.GetSafeHwnd(), ::GetFocus());
    Click(0);  // Files
    ASSERT_EQ(0, Dropped());
    // As after Alt and Down: the bar has the focus while its menu is open.
    EXPECT_EQ(m_bar.GetSafeHwnd(), ::GetFocus());
    Press(VK_RIGHT);
    EXPECT_EQ(1, Dropped());
    EXPECT_EQ(m_bar.GetSafeHwnd(), ::GetFocus());
    Press(VK_ESCAPE);
    EXPECT_EQ(-1, Dropped());
    EXPECT_EQ(m_bar.GetSafeHwnd(), ::GetFocus());
    Press(VK_ESCAPE);

    // The frame decides whether a popup may open: refused, nothing opens and nothing stays active;
    // a popup marked to pass through opens all the same.
    m_frame.m_bRefusePopups = TRUE;
    Click(2);
    EXPECT_EQ(-1, Dropped());
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    for (const BOOL bPassThrough : {FALSE, TRUE}) {
        HMENU hPopup = ::CreatePopupMenu();
        ::AppendMenuA(hPopup, MF_STRING, 500, "&One");
        CZAVPPopupMenu* pPopup = new CZAVPPopupMenu;
        pPopup->m_bPassThrough = bPassThrough;
        // A refused popup deletes itself and its menu.
        EXPECT_EQ(bPassThrough, pPopup->Create(&m_frame, 100, 100, hPopup, FALSE, TRUE));
        EXPECT_EQ(bPassThrough ? pPopup : nullptr, CZAVPPopupMenu::GetActiveMenu());
        if (bPassThrough) pPopup->SendMessage(WM_CLOSE);
        PumpMessages();
    }
}

TEST_F(MenuBarTest, AMnemonicWithAltOpensItsMenu)
{
    // The window's WM_MENUCHAR, as the system sends it for Alt and a letter.
    EXPECT_EQ(MAKELRESULT(MNC_EXECUTE, 0xFFFF),
              m_frame.SendMessage(WM_MENUCHAR, MAKEWPARAM('e', MF_POPUP), 0));
    EXPECT_EQ(1, Dropped());
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(0, m_frame.SendMessage(WM_MENUCHAR, MAKEWPARAM('q', MF_POPUP), 0));
    EXPECT_EQ(-1, Dropped());
}

TEST_F(MenuBarTest, ACommandChosenInAPopupReachesTheFrameOnce)
{
    Alt();
    Press(VK_DOWN);  // Files, its first item selected
    ASSERT_EQ(0, Dropped());
    Press(VK_DOWN);  // Save
    Press(VK_RETURN);
    EXPECT_EQ(std::vector<UINT>{kSave}, m_frame.m_commands);
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(-1, Dropped());
}

TEST_F(MenuBarTest, DeactivatingTheApplicationClosesAnOpenChain)
{
    Alt();
    Press(VK_DOWN);   // Files
    Press(VK_UP);     // wraps to Recent, the last item
    Press(VK_RIGHT);  // its sub-menu opens
    CZAVPPopupMenu* pInner = CZAVPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pInner);
    CZAVPPopupMenu* pOuter = pInner->GetParentPopupMenu();
    ASSERT_NE(nullptr, pOuter);
    const HWND hwndInner = pInner->GetSafeHwnd();
    const HWND hwndOuter = pOuter->GetSafeHwnd();

    // Every top-level window of the thread hears that the application lost the activation.
    for (HWND hwnd : {hwndInner, hwndOuter}) ::SendMessageA(hwnd, WM_ACTIVATEAPP, FALSE, 0);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndInner));
    EXPECT_FALSE(::IsWindow(hwndOuter));
    // The frame heard of each once.
    std::vector<CZAVPPopupMenu*> closed = m_frame.m_closedPopups;
    std::sort(closed.begin(), closed.end());
    std::vector<CZAVPPopupMenu*> expected = {pInner, pOuter};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, closed);
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(-1, Dropped());
    EXPECT_TRUE(m_frame.m_commands.empty());
}

TEST_F(MenuBarTest, AClickInTheFrameAwayFromTheMenusClosesTheChain)
{
    Alt();
    Press(VK_DOWN);   // Files
    Press(VK_UP);     // Recent
    Press(VK_RIGHT);  // its sub-menu
    CZAVPPopupMenu* pInner = CZAVPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pInner);
    ASSERT_NE(nullptr, pInner->GetParentPopupMenu());
    const HWND hwndInner = pInner->GetSafeHwnd();
    const HWND hwndOuter = pInner->GetParentPopupMenu()->GetSafeHwnd();

    // A press in the frame's far corner, as the message loop hands it out.
    CRect rectClient;
    m_frame.GetClientRect(rectClient);
    const CPoint pt(rectClient.right - 10, rectClient.bottom - 10);
    MSG msg = {
        m_frame.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y), 0, {0, 0}};
    if (!CWnd::WalkPreTranslateTree(m_frame.GetSafeHwnd(), &msg)) ::DispatchMessageA(&msg);
    PumpMessages();
    EXPECT_FALSE(::IsWindow(hwndInner));
    EXPECT_FALSE(::IsWindow(hwndOuter));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(-1, Dropped());
    EXPECT_NE(m_bar.GetSafeHwnd(), ::GetFocus());  // the menu focus went back to the frame
    EXPECT_TRUE(m_frame.m_commands.empty());
}

TEST_F(MenuBarTest, EachMenuKeepsItsOwnCustomisedCopy)
{
    EXPECT_TRUE(m_bar.RemoveButton(1));  // the user drops Edit
    HMENU hOther = ::CreateMenu();
    ::AppendMenuA(hOther, MF_POPUP, (UINT_PTR)::CreatePopupMenu(), "&Window");
    m_bar.CreateFromMenu(hOther);
    EXPECT_EQ(std::vector<std::string>{"&Window"}, Texts(m_bar));
    m_bar.CreateFromMenu(m_hMenu);
    EXPECT_EQ((std::vector<std::string>{"&Files", "&Help"}), Texts(m_bar));
    // Forced, the bar is built from the menu again.
    m_bar.CreateFromMenu(m_hMenu, FALSE, TRUE);
    EXPECT_EQ(3, m_bar.GetCount());
    g_menuHash.RemoveMenu(hOther);
    ::DestroyMenu(hOther);
}

TEST_F(MenuBarTest, AMenuWithoutGoodStateIsRebuiltAndTheFrameIsTold)
{
    const std::string profile = TestProfile();
    const std::string key = profile + "ZAVToolBar-594180";  // the bar's id, menu 0 (default)

    // Nothing stored yet: the menu as it is, announced as reset.
    EXPECT_FALSE(m_bar.LoadState(profile.c_str()));
    EXPECT_EQ(std::vector<WPARAM>{0}, m_frame.m_resetMenus);
    EXPECT_EQ(3, m_bar.GetCount());

    // A customised bar comes back as saved, quietly.
    m_bar.RemoveButton(2);
    EXPECT_TRUE(m_bar.SaveState(profile.c_str()));
    ASSERT_FALSE(ReadRegistryValue(key, "Buttons").empty());
    m_bar.CreateFromMenu(m_hMenu, FALSE, TRUE);
    m_frame.m_resetMenus.clear();
    EXPECT_TRUE(m_bar.LoadState(profile.c_str()));
    EXPECT_TRUE(m_frame.m_resetMenus.empty());
    EXPECT_EQ((std::vector<std::string>{"&Files", "&Edit"}), Texts(m_bar));

    // Damaged values: rebuilt from the menu and announced.
    const Bytes good = ReadRegistryValue(key, "Buttons");
    const Bytes damaged[] = {
        Bytes(good.begin(), good.begin() + good.size() / 2),
        Dword(CBRS_ALIGN_TOP) + Dword(1) + Hex("FF FF FF FF FF 7F"),  // a huge count
        Dword(CBRS_ALIGN_TOP) + Dword(1) + Hex("01 00 FF FF 01 00 07 00 'CObList'"),
    };
    for (const Bytes& bytes : damaged) {
        WriteRegistryValue(key, "Buttons", bytes);
        m_frame.m_resetMenus.clear();
        EXPECT_FALSE(m_bar.LoadState(profile.c_str())) << bytes.size();
        EXPECT_EQ(std::vector<WPARAM>{0}, m_frame.m_resetMenus) << bytes.size();
        EXPECT_EQ(3, m_bar.GetCount()) << bytes.size();
    }
}

namespace
{
// A bar whose copy in the menu store is damaged: it writes the given bytes in place of its
// buttons.
class DamagedStoreBar : public CZAVPToolBar
{
public:
    explicit DamagedStoreBar(const Bytes& bytes) : m_bytes(bytes)
    {
        InsertButtonCopy(CZAVPToolbarButton(kOpen, -1, "&Open"));
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) ar.Write(m_bytes.data(), (UINT)m_bytes.size());
    }

private:
    Bytes m_bytes;
};
}  // namespace

TEST_F(MenuBarTest, ADamagedMenuStoreCopyIsRefusedAndTheBarIsRebuiltFromItsMenu)
{
    const Bytes damaged[] = {
        Bytes(),                                                      // nothing at all
        Dword(CBRS_ALIGN_TOP) + Dword(1) + Hex("FF FF FF FF FF 7F"),  // a huge count
        Dword(CBRS_ALIGN_TOP) + Dword(1) + Hex("01 00 FF FF 01 00 07 00 'CObList'"),
    };
    for (const Bytes& bytes : damaged) {
        DamagedStoreBar bar(bytes);
        ASSERT_TRUE(g_menuHash.SaveMenuBar(m_hMenu, &bar)) << bytes.size();
        EXPECT_FALSE(g_menuHash.LoadMenuBar(m_hMenu, &m_bar)) << bytes.size();
        m_bar.CreateFromMenu(m_hMenu, FALSE, FALSE);  // the store first, the menu when it fails
        EXPECT_EQ((std::vector<std::string>{"&Files", "&Edit", "&Help"}), Texts(m_bar))
            << bytes.size();
    }
}

namespace
{
const UINT kTearOffId = 701;

// How the drag of a torn-off menu ends: the message posted, from inside the drag's loop, to the
// window that holds the capture.
UINT g_dragEndMessage = 0;
WPARAM g_dragEndWParam = 0;

void CALLBACK EndTearOffDrag(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    const HWND hCapture = ::GetCapture();
    if (hCapture == nullptr) return;  // the drag has not begun
    ::KillTimer(nullptr, idEvent);
    ::PostMessageA(hCapture, g_dragEndMessage, g_dragEndWParam, 0);
}

// The menu bar's Files menu can be torn off (the application's tear-off manager gave it an id).
class TearOffTest : public MenuBarTest
{
protected:
    void SetUp() override
    {
        MenuBarTest::SetUp();
        ASSERT_TRUE(m_manager.Initialize(700, 709));
        g_pTearOffManager = &m_manager;
        static_cast<CZAVPToolbarMenuButton*>(m_bar.GetButton(0))->SetTearOffId(kTearOffId);
    }
    void TearDown() override
    {
        MenuBarTest::TearDown();
        g_pTearOffManager = nullptr;
    }
    CZAVPPopupMenu* OpenFiles()
    {
        Click(0);
        return CZAVPPopupMenu::GetActiveMenu();
    }
    // Presses the left button on the menu's tear-off strip and moves the mouse off it; the drag
    // that follows ends with the message given.
    void DragStrip(CZAVPPopupMenu* pPopup, UINT uiEndMessage, WPARAM wParam)
    {
        CRect rect;
        pPopup->GetWindowRect(rect);
        CPoint pt(rect.CenterPoint().x, rect.top);
        while (pt.y < rect.bottom && pPopup->HitTest(pt) != ZAVPPopupPlacement::HitTearOff) ++pt.y;
        ASSERT_LT(pt.y, rect.bottom) << "no tear-off strip";
        pPopup->ScreenToClient(&pt);
        g_dragEndMessage = uiEndMessage;
        g_dragEndWParam = wParam;
        const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 10, EndTearOffDrag);
        pPopup->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        pPopup->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(pt.x, pt.y + 40));
        ::KillTimer(nullptr, idTimer);
        PumpMessages();
    }

    CZAVPTearOffManager m_manager;
};
}  // namespace

TEST_F(TearOffTest, DraggingTheStripFloatsTheMenuAsAToolbarAndEscTakesItBack)
{
    // A frame that does not let the menu go keeps the menu open and makes no bar.
    m_frame.m_bRefuseTearOff = TRUE;
    CZAVPPopupMenu* pPopup = OpenFiles();
    ASSERT_NE(nullptr, pPopup);
    DragStrip(pPopup, WM_LBUTTONUP, 0);
    EXPECT_EQ(pPopup, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_EQ(nullptr, m_frame.GetControlBar(kTearOffId));
    m_frame.m_bRefuseTearOff = FALSE;

    // Esc during the drag: the new bar goes and the menu shows again.
    HWND hPopup = pPopup->GetSafeHwnd();
    DragStrip(pPopup, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_TRUE(::IsWindowVisible(hPopup));
    EXPECT_EQ(nullptr, m_frame.GetControlBar(kTearOffId));
    EXPECT_TRUE(m_frame.m_Impl.m_listTearOffToolbars.IsEmpty());
    pPopup->SendMessage(WM_CLOSE);
    PumpMessages();

    // Released: the menu is gone and a floating toolbar named after it holds its items.
    pPopup = OpenFiles();
    ASSERT_NE(nullptr, pPopup);
    hPopup = pPopup->GetSafeHwnd();
    DragStrip(pPopup, WM_LBUTTONUP, 0);
    EXPECT_FALSE(::IsWindow(hPopup));
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    CZAVPToolBar* pBar = dynamic_cast<CZAVPToolBar*>(m_frame.GetControlBar(kTearOffId));
    ASSERT_NE(nullptr, pBar);
    EXPECT_TRUE(pBar->IsFloating());
    ASSERT_EQ(1, m_frame.m_Impl.m_listTearOffToolbars.GetCount());
    EXPECT_EQ(pBar, m_frame.m_Impl.m_listTearOffToolbars.GetHead());
    char szName[32] = {};
    ::GetWindowTextA(pBar->GetSafeHwnd(), szName, sizeof szName);
    EXPECT_STREQ("Files", szName);
    EXPECT_EQ((std::vector<std::string>{"&Open", "&Save", "", "&Recent"}), Texts(*pBar));

    // Torn off again, the menu brings the same bar along; Esc leaves the user's bar alone.
    pPopup = OpenFiles();
    ASSERT_NE(nullptr, pPopup);
    DragStrip(pPopup, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(pBar, m_frame.GetControlBar(kTearOffId));
    EXPECT_EQ(1, m_frame.m_Impl.m_listTearOffToolbars.GetCount());
    if (CZAVPPopupMenu* pOpen = CZAVPPopupMenu::GetActiveMenu()) pOpen->SendMessage(WM_CLOSE);
    PumpMessages();
}

namespace
{
// Rows of a laid-out grid: how many buttons share the first button's top, and whether the next
// row starts under the first button.
struct Grid
{
    int nFirstRow = 0;
    bool bNextRowAligned = false;
};

Grid GridOf(const std::vector<CRect>& rects)
{
    Grid grid;
    while (grid.nFirstRow < (int)rects.size() && rects[grid.nFirstRow].top == rects[0].top)
        ++grid.nFirstRow;
    if (grid.nFirstRow < (int)rects.size())
        grid.bNextRowAligned = rects[grid.nFirstRow].left == rects[0].left &&
                               rects[grid.nFirstRow].top >= rects[0].bottom;
    return grid;
}
}  // namespace

TEST_F(TearOffTest, APaletteMenuIsAGridOfItsColumnsAndStaysOneWhenTornOff)
{
    const UINT kPaletteBarId = 702;
    HMENU hPalette = ::CreatePopupMenu();
    for (UINT i = 0; i < 7; ++i) ::AppendMenuA(hPalette, MF_STRING, 40100 + i, "&Colour");
    CZAVPToolbarMenuButton palette((UINT)-1, hPalette, -1, "&Palette");
    ::DestroyMenu(hPalette);
    palette.m_bMenuPaletteMode = TRUE;
    palette.m_nPaletteRows = 3;  // the button's count is the popup's columns
    palette.SetTearOffId(kPaletteBarId);
    const int iPalette = m_bar.InsertButtonCopy(palette);
    ASSERT_GE(iPalette, 0);
    m_bar.AdjustLayout();

    Click(iPalette);
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pPopup);
    ASSERT_EQ(7, pPopup->GetMenuItemCount());
    std::vector<CRect> rects;
    for (int i = 0; i < 7; ++i) rects.push_back(pPopup->GetMenuItem(i)->m_rect);
    const Grid menuGrid = GridOf(rects);
    EXPECT_EQ(3, menuGrid.nFirstRow);
    EXPECT_TRUE(menuGrid.bNextRowAligned);

    DragStrip(pPopup, WM_LBUTTONUP, 0);
    CZAVPToolBar* pBar = dynamic_cast<CZAVPToolBar*>(m_frame.GetControlBar(kPaletteBarId));
    ASSERT_NE(nullptr, pBar);
    ASSERT_TRUE(pBar->IsFloating());
    EXPECT_EQ(3, pBar->GetColumns());
    ASSERT_EQ(7, pBar->GetCount());
    rects.clear();
    for (int i = 0; i < 7; ++i) rects.push_back(pBar->GetButton(i)->m_rect);
    const Grid barGrid = GridOf(rects);
    EXPECT_EQ(3, barGrid.nFirstRow);
    EXPECT_TRUE(barGrid.bNextRowAligned);

    // Docked at the side of the frame it is the same grid, and the bar is as wide as the grid.
    const UINT kLeftDockBarId = 0xE81C;  // AFX_IDW_DOCKBAR_LEFT
    m_frame.DockControlBar(pBar, kLeftDockBarId);
    pBar->AdjustLayout();
    ASSERT_FALSE(pBar->IsFloating());
    ASSERT_FALSE(pBar->IsHorizontal());
    rects.clear();
    for (int i = 0; i < 7; ++i) rects.push_back(pBar->GetButton(i)->m_rect);
    const Grid dockedGrid = GridOf(rects);
    EXPECT_EQ(3, dockedGrid.nFirstRow);
    EXPECT_TRUE(dockedGrid.bNextRowAligned);
    CRect rectClient;
    pBar->GetClientRect(rectClient);
    for (const CRect& rect : rects) {
        CRect rectInside;
        EXPECT_TRUE(rectInside.IntersectRect(rect, rectClient) && rectInside == rect)
            << rect.left << "," << rect.top << " outside the bar";
    }
}

namespace
{
// Keys for the popup the context-menu manager is tracking, sent from inside its loop.
std::vector<UINT> g_trackKeys;

void CALLBACK SendTrackKeys(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    if (pPopup == nullptr || !::IsWindow(pPopup->GetSafeHwnd())) return;  // not open yet
    ::KillTimer(nullptr, idEvent);
    for (UINT key : g_trackKeys) pPopup->SendMessage(WM_KEYDOWN, key, 0);
}

// Ends a tracking that the keys did not end, so a failing test fails instead of hanging.
void CALLBACK CloseStuckPopup(HWND, UINT, UINT_PTR idEvent, DWORD)
{
    ::KillTimer(nullptr, idEvent);
    CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu();
    if (pPopup != nullptr && ::IsWindow(pPopup->GetSafeHwnd())) pPopup->DestroyWindow();
}
}  // namespace

TEST_F(MenuBarTest, TrackingAContextMenuReturnsTheChosenCommand)
{
    CZAVPContextMenuManager manager;
    HMENU hPopup = ::CreatePopupMenu();
    ::AppendMenuA(hPopup, MF_STRING, 500, "&One");
    ::AppendMenuA(hPopup, MF_STRING, 501, "&Two");

    const struct
    {
        std::vector<UINT> keys;
        UINT expected;
    } cases[] = {
        {{VK_HOME, VK_DOWN, VK_RETURN}, 501},
        {{VK_HOME, VK_RETURN}, 500},
        {{VK_ESCAPE}, 0},  // dismissed
    };
    for (const auto& c : cases) {
        g_trackKeys = c.keys;
        ::SetTimer(nullptr, 0, 10, SendTrackKeys);
        const UINT_PTR idGuard = ::SetTimer(nullptr, 0, 5000, CloseStuckPopup);
        EXPECT_EQ(c.expected, manager.TrackPopupMenu(hPopup, 100, 100, &m_frame)) << c.keys.size();
        ::KillTimer(nullptr, idGuard);
        PumpMessages();
    }
    // The chosen command is returned, not sent.
    EXPECT_TRUE(m_frame.m_commands.empty());
    ::DestroyMenu(hPopup);
}
