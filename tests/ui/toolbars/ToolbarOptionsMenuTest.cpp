// What a library frame does for the toolbars the user owns (null graphics driver): the options
// menu of a floating toolbar with its list of the toolbar's buttons, and the user toolbars made
// and taken away through the frame's registered messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolbarTestSupport.h"
#include "framework/CWinApp.h"
#include "framework/ScopedValue.h"
#include "ui/docking/CZAVPFrameWnd.h"
#include "ui/docking/CZAVPMiniFrameWnd.h"
#include "ui/docking/CZAVPTitleButtonEx.h"
#include "ui/docking/layout/CaptionMath.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPCustomizeMenuButton.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPMenuSound.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

namespace
{
const UINT kToolBarId = 0xE900 + 50;
const UINT kNew = 41001;
const UINT kOptionsOpen = 41002;
const UINT kOptionsSave = 41003;
const UINT kPrint = 41004;

// An application that keeps the messages it would have shown.
class QuietApp : public CWinApp
{
public:
    QuietApp() : CWinApp("OptionsMenuTests") {}
    int DoMessageBox(LPCSTR lpszPrompt, UINT, UINT) override
    {
        m_messages.push_back(lpszPrompt);
        return IDOK;
    }
    std::vector<std::string> m_messages;
};

void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The commands of the toolbar's buttons before its customise button.
std::vector<UINT> Commands(const CZAVPToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i + 1 < bar.GetCount(); ++i) ids.push_back(bar.GetButton(i)->m_nID);
    return ids;
}

class ToolbarOptionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 640, 480)));
        // The frame's menu names the commands the toolbar's default buttons have no text for.
        HMENU hFile = ::CreatePopupMenu();
        ::AppendMenuA(hFile, MF_STRING, kPrint, "&Print\tCtrl+P");
        m_hMenu = ::CreateMenu();
        ::AppendMenuA(m_hMenu, MF_POPUP, (UINT_PTR)hFile, "&File");
        ::SetMenu(m_frame.GetSafeHwnd(), m_hMenu);
        ASSERT_TRUE(m_frame.EnableDocking(CBRS_ALIGN_ANY));
        m_frame.ShowWindow(SW_SHOW);
    }
    void TearDown() override
    {
        while (CZAVPPopupMenu* pPopup = CZAVPPopupMenu::GetActiveMenu()) {
            if (!::IsWindow(pPopup->GetSafeHwnd())) break;
            pPopup->DestroyWindow();
        }
        Pump();
        m_toolBar.DestroyWindow();
        m_frame.DestroyWindow();
        ::DestroyMenu(m_hMenu);
        Pump();
    }

    // New, Open, a separator, Save, Print; the user took Print off; it floats.
    void MakeFloatingToolBar(BOOL bCanCustomize)
    {
        ASSERT_TRUE(m_toolBar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, kToolBarId));
        const UINT ids[] = {kNew, kOptionsOpen, 0, kOptionsSave, kPrint};
        ASSERT_TRUE(m_toolBar.SetButtons(ids, 5));
        const char* texts[] = {"New", "Open", "", "Save", "Print"};
        for (int i = 0; i < 5; ++i) m_toolBar.SetButtonText(i, texts[i]);
        ASSERT_TRUE(m_toolBar.RemoveButton(4));
        m_toolBar.AddCustomizeButton();
        m_toolBar.GetCustomizeButton()->m_bCanCustomize = bCanCustomize;
        m_toolBar.SetWindowText("Standard");
        m_toolBar.EnableDocking(CBRS_ALIGN_ANY);
        m_frame.DockControlBar(&m_toolBar);
        ASSERT_TRUE(m_toolBar.FloatControlBar(CRect(200, 200, 300, 240), ZAVP_DM_DBL_CLICK, TRUE));
    }
    CZAVPMiniFrameWnd* MiniFrame() { return m_toolBar.GetParentMiniFrame(TRUE); }
    // Opens the highlighted item's sub-menu from the keyboard; the new popup.
    static CZAVPPopupMenu* OpenSubMenu(CZAVPPopupMenu* pPopup)
    {
        pPopup->SendMessage(WM_KEYDOWN, VK_HOME);
        pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT);
        CZAVPPopupMenu* pSub = CZAVPPopupMenu::GetActiveMenu();
        return pSub != pPopup ? pSub : nullptr;
    }
    static std::vector<std::string> Items(CZAVPPopupMenu* pPopup)
    {
        std::vector<std::string> items;
        for (int i = 0; i < pPopup->GetMenuItemCount(); ++i) {
            const CZAVPToolbarButton* pItem = pPopup->GetMenuItem(i);
            const CZAVPCustomizeMenuButton* pEntry = dynamic_cast<const CZAVPCustomizeMenuButton*>(
                pItem);
            std::string text = (LPCSTR)pItem->m_strText;
            if (pItem->m_nStyle & TBBS_SEPARATOR) text = "-";
            if (pEntry != nullptr && pEntry->IsChecked()) text = "[x] " + text;
            items.push_back(text);
        }
        return items;
    }

    QuietApp m_app;
    HMENU m_hMenu = nullptr;
    ScopedValue<BOOL> m_quiet{ZAVPMenuSound::g_bSoundsEnabled, FALSE};
    CustomizableToolBar m_toolBar;
    // A frame deletes itself when its window goes, so it lives on the heap.
    CZAVPFrameWnd& m_frame = *new CZAVPFrameWnd;
};
}  // namespace

TEST_F(ToolbarOptionsTest, TheOptionsButtonListsTheToolbarsButtonsAndTheListChangesTheToolbar)
{
    MakeFloatingToolBar(TRUE);
    CZAVPMiniFrameWnd* pMiniFrame = MiniFrame();
    ASSERT_NE(nullptr, pMiniFrame);
    CZAVPTitleButtonEx* pButton = dynamic_cast<CZAVPTitleButtonEx*>(
        pMiniFrame->FindCaptionButton(DockLayout::kHitMenu));
    ASSERT_NE(nullptr, pButton);

    pMiniFrame->OnPressCaptionButton(DockLayout::kHitMenu);
    CZAVPPopupMenu* pOptions = CZAVPPopupMenu::GetActiveMenu();
    ASSERT_NE(nullptr, pOptions);
    EXPECT_TRUE(pButton->m_bPushed);
    // Over the caption, 2 pixels left of and 9 above the button's corner.
    CRect rectWindow, rectMenu;
    pMiniFrame->GetWindowRect(rectWindow);
    pOptions->GetWindowRect(rectMenu);
    EXPECT_EQ(rectWindow.left + pButton->GetRect().left - 2, rectMenu.left);
    EXPECT_EQ(rectWindow.top + pButton->GetRect().top - 9, rectMenu.top);
    EXPECT_EQ(std::vector<std::string>{"Standard"}, Items(pOptions));

    CZAVPPopupMenu* pToolBarMenu = OpenSubMenu(pOptions);
    ASSERT_NE(nullptr, pToolBarMenu);
    EXPECT_EQ(
        std::vector<std::string>{"&\xC4\xEE\xE1\xE0\xE2\xE8\xF2\xFC/\xF3\xE4\xE0\xEB\xE8\xF2\xFC "
                                 "\xEA\xED\xEE\xEF\xEA\xE8"},
        Items(pToolBarMenu));  // "&Добавить/удалить кнопки"
    CZAVPPopupMenu* pList = OpenSubMenu(pToolBarMenu);
    ASSERT_NE(nullptr, pList);
    // The toolbar's buttons, checked while shown, the default button the user took off at its
    // place, and the reset entry ("&Сбросить").
    EXPECT_EQ((std::vector<std::string>{"[x] New", "[x] Open", "[x] Save", "&Print", "-",
                                        "&\xD1\xE1\xF0\xEE\xF1\xE8\xF2\xFC"}),
              Items(pList));

    // Unchecking Open hides it; the menu stays open.
    const HWND hList = pList->GetSafeHwnd();
    pList->SendMessage(WM_KEYDOWN, VK_HOME);
    pList->SendMessage(WM_KEYDOWN, VK_DOWN);
    pList->SendMessage(WM_KEYDOWN, VK_RETURN);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    Pump();
    ASSERT_TRUE(::IsWindow(hList));
    EXPECT_FALSE(m_toolBar.GetButton(1)->IsVisible());
    EXPECT_EQ("Open", Items(pList)[1]);

    // Checking Print puts it back where it was; the toolbar sends no command either way.
    pList->SendMessage(WM_KEYDOWN, VK_DOWN);
    pList->SendMessage(WM_KEYDOWN, VK_DOWN);
    pList->SendMessage(WM_KEYDOWN, VK_RETURN);
    EXPECT_FALSE(::PeekMessageA(&msg, nullptr, WM_COMMAND, WM_COMMAND, PM_NOREMOVE));
    Pump();
    ASSERT_TRUE(::IsWindow(hList));
    EXPECT_EQ((std::vector<UINT>{kNew, kOptionsOpen, 0, kOptionsSave, kPrint}),
              Commands(m_toolBar));
    EXPECT_EQ("[x] &Print", Items(pList)[3]);

    // Closing the menus brings the caption button up again.
    pOptions->SendMessage(WM_CLOSE);
    Pump();
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
    EXPECT_FALSE(pButton->m_bPushed);
}

TEST_F(ToolbarOptionsTest, AToolbarThatOffersNoCustomiseMenuHasNoOptionsButton)
{
    MakeFloatingToolBar(FALSE);
    ASSERT_NE(nullptr, MiniFrame());
    EXPECT_EQ(nullptr, MiniFrame()->FindCaptionButton(DockLayout::kHitMenu));
    MiniFrame()->OnPressCaptionButton(DockLayout::kHitMenu);
    EXPECT_EQ(nullptr, CZAVPPopupMenu::GetActiveMenu());
}

TEST_F(ToolbarOptionsTest, UserToolbarsComeFromTheRangeAndGoWithTheirState)
{
    // No range: no toolbar, and the user is told.
    EXPECT_EQ(0, m_frame.SendMessage(ZAVPToolBarMessages::Create, 0, (LPARAM) "Mine"));
    ASSERT_EQ(1u, m_app.m_messages.size());

    m_frame.m_Impl.InitUserToobars("", 900, 901);
    CZAVPToolBar* pFirst = reinterpret_cast<CZAVPToolBar*>(
        m_frame.SendMessage(ZAVPToolBarMessages::Create, 0, (LPARAM) "Mine"));
    CZAVPToolBar* pSecond = reinterpret_cast<CZAVPToolBar*>(
        m_frame.SendMessage(ZAVPToolBarMessages::Create, 0, (LPARAM) "Yours"));
    ASSERT_NE(nullptr, pFirst);
    ASSERT_NE(nullptr, pSecond);
    EXPECT_EQ(900, pFirst->GetDlgCtrlID());
    EXPECT_EQ(901, pSecond->GetDlgCtrlID());
    EXPECT_TRUE(pFirst->IsFloating());
    // Stretched along a dock row it may take any row's length.
    EXPECT_EQ(32767, pFirst->GetMaxStretchLength());
    char szName[16] = {};
    ::GetWindowTextA(pSecond->GetSafeHwnd(), szName, sizeof szName);
    EXPECT_STREQ("Yours", szName);

    // The range is full: the message names its size.
    EXPECT_EQ(0, m_frame.SendMessage(ZAVPToolBarMessages::Create, 0, (LPARAM) "More"));
    ASSERT_EQ(2u, m_app.m_messages.size());
    EXPECT_NE(std::string::npos, m_app.m_messages[1].find(" 2 ")) << m_app.m_messages[1];

    // Only the frame's own user toolbars are taken away; the freed id is used again.
    EXPECT_EQ(FALSE, m_frame.SendMessage(ZAVPToolBarMessages::Delete, 0, (LPARAM)&m_toolBar));
    const HWND hFirst = pFirst->GetSafeHwnd();
    EXPECT_EQ(TRUE, m_frame.SendMessage(ZAVPToolBarMessages::Delete, 0, (LPARAM)pFirst));
    EXPECT_FALSE(::IsWindow(hFirst));
    EXPECT_EQ(1, m_frame.m_Impl.m_listUserDefinedToolbars.GetCount());
    CZAVPToolBar* pAgain = reinterpret_cast<CZAVPToolBar*>(
        m_frame.SendMessage(ZAVPToolBarMessages::Create, 0, (LPARAM) "Again"));
    ASSERT_NE(nullptr, pAgain);
    EXPECT_EQ(900, pAgain->GetDlgCtrlID());
}
