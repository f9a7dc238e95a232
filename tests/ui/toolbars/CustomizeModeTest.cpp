// Customisation mode on the catalogue's two docked toolbars: the switch every bar follows, the
// button context menu, buttons dragged within a bar, to the other bar and off every bar, groups
// started and ended by short drags, and the customize button at the end of the main bar with the
// buttons that had no room and the switch that puts the two bars on one row or two.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "framework/AfxResourceHandle.h"
#include "framework/CDC.h"
#include "framework/CMenu.h"
#include "framework/CWinApp.h"
#include "resources/AppResource.h"
#include "resources/UiLibraryResource.h"
#include "tests/ui/docking/DockingTestBars.h"
#include "ui/docking/CZAVPDockBar.h"
#include "ui/docking/CZAVPDockManager.h"
#include "ui/foundation/CZAVPGlobalData.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPCustomizeMenuButton.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarEditBoxButton.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

namespace
{
const int kClientWidth = 600;
const int kClientHeight = 400;
const UINT kMainBarId = 0xE800;
const UINT kNavBarId = 0xE806;
const UINT kCustomizeCmd = 40100;
const UINT kFindText = 33001;
const DWORD kBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS |
                        CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

std::vector<UINT> Commands(const CZAVPToolBar& bar)
{
    std::vector<UINT> ids;
    for (int i = 0; i < bar.GetCount(); ++i) {
        const CZAVPToolbarButton* pButton = bar.GetButton(i);
        if (pButton == (const CZAVPToolbarButton*)bar.GetCustomizeButton()) continue;
        ids.push_back(pButton->IsSeparator() ? 0 : pButton->m_nID);
    }
    return ids;
}

// The button appearance dialog this thread opens, looked for from another thread.
BOOL CALLBACK FindAppearanceDialog(HWND hwnd, LPARAM lParam)
{
    char szClass[16] = {};
    ::GetClassNameA(hwnd, szClass, sizeof szClass);
    if (std::string(szClass) == "#32770" && ::IsWindowVisible(hwnd) &&
        ::GetDlgItem(hwnd, IDC_ZAVP_TEXT) != nullptr &&
        ::GetDlgItem(hwnd, IDC_ZAVP_SHOW_IMAGE_AND_TEXT) != nullptr)
    {
        *(HWND*)lParam = hwnd;
        return FALSE;
    }
    return TRUE;
}

// Sends a button command to the bar while a second thread waits for the appearance dialog and
// hands it to `drive`; the dialog's window, null when none came up.
HWND CommandThroughAppearanceDialog(CZAVPToolBar& bar, UINT uiCmd,
                                    const std::function<void(HWND)>& drive)
{
    const DWORD dwThread = ::GetCurrentThreadId();
    HWND hwndDialog = nullptr;
    std::thread driver([&] {
        HWND hwnd = nullptr;
        for (int i = 0; i < 400 && hwnd == nullptr; ++i) {
            ::EnumThreadWindows(dwThread, FindAppearanceDialog, (LPARAM)&hwnd);
            if (hwnd == nullptr) ::Sleep(25);
        }
        hwndDialog = hwnd;
        if (hwnd != nullptr) drive(hwnd);
    });
    bar.SendMessage(WM_COMMAND, uiCmd);
    driver.join();
    return hwndDialog;
}

class CustomizeModeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        GetCommandManager()->ClearAll();
        CZAVPBaseControlBar::m_nDefaultDockMode = ZAVP_DOCK_STANDARD;
        m_pFrame = new RecordingFrame;
        ASSERT_TRUE(ShowTestFrame(m_pFrame, kClientWidth, kClientHeight, TRUE));
        m_app.m_pMainWnd = m_pFrame;
        const CRect borders(1, 1, 1, 1);
        ASSERT_TRUE(m_main.CreateEx(m_pFrame, TBSTYLE_FLAT, kBarStyle, borders, kMainBarId));
        ASSERT_TRUE(m_main.LoadToolBar(IDR_MAINFRAME));
        ASSERT_TRUE(m_nav.CreateEx(m_pFrame, TBSTYLE_FLAT, kBarStyle, borders, kNavBarId));
        ASSERT_TRUE(m_nav.LoadToolBar(IDR_NAVIGATION));
        m_main.SetWindowText("Main");
        m_nav.SetWindowText("Navigation");
        m_main.EnableCustomizeButton(TRUE, kCustomizeCmd, "Customize...");
        m_main.EnableDocking(CBRS_ALIGN_ANY);
        m_nav.EnableDocking(CBRS_ALIGN_ANY);
        ASSERT_TRUE(m_pFrame->EnableDocking(CBRS_ALIGN_ANY));
        m_pFrame->DockControlBar(&m_main);
        m_pFrame->DockControlBar(&m_nav);
        Pump();
        m_mainIds = Commands(m_main);
        ASSERT_EQ(
            (std::vector<UINT>{ID_ADD_DISC, ID_NEW_FOLDER, ID_DELETE_ITEM, 0, ID_APP_ABOUT_CMD}),
            m_mainIds);
    }
    void TearDown() override
    {
        CZAVPToolBar::SetCustomizeMode(FALSE);
        if (::GetCapture() != nullptr) ::ReleaseCapture();
        m_app.m_pMainWnd = nullptr;
        if (::IsWindow(m_pFrame->GetSafeHwnd())) m_pFrame->DestroyWindow();
        Pump();
    }

    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    CZAVPDockBar* Top() { return m_pFrame->m_dockManager.FindDockBar(CBRS_ALIGN_TOP, TRUE); }
    // The centre of a button, in its bar's client coordinates and on the screen.
    static CPoint Centre(CZAVPToolBar& bar, int i)
    {
        return bar.GetButton(i)->GetRect().CenterPoint();
    }
    static CPoint Screen(CZAVPToolBar& bar, CPoint pt)
    {
        bar.ClientToScreen(&pt);
        return pt;
    }
    // A press (and release) of the left button in customisation mode: it selects the button.
    void Click(CZAVPToolBar& bar, int i)
    {
        const CPoint pt = Centre(bar, i);
        bar.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        Pump();
    }

    CWinApp m_app;
    RecordingFrame* m_pFrame = nullptr;
    CZAVPToolBar m_main;
    CZAVPToolBar m_nav;
    std::vector<UINT> m_mainIds;
};

TEST_F(CustomizeModeTest, EveryBarEntersAndLeavesTheModeTogether)
{
    CZAVPToolbarEditBoxButton* pEdit = new CZAVPToolbarEditBoxButton(kFindText, -1);
    ASSERT_GE(m_nav.InsertButton(pEdit), 0);
    m_nav.AdjustLayout();
    ASSERT_NE(nullptr, pEdit->GetHwnd());
    ASSERT_TRUE(::IsWindowEnabled(pEdit->GetHwnd()));

    EXPECT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    EXPECT_FALSE(CZAVPToolBar::SetCustomizeMode(TRUE));  // already on
    EXPECT_TRUE(CZAVPToolBar::IsCustomizeMode());
    // The hosted control of the other bar cannot be used while customising.
    EXPECT_FALSE(::IsWindowEnabled(pEdit->GetHwnd()));

    Click(m_main, 1);
    EXPECT_EQ(1, m_main.GetSelectedIndex());
    EXPECT_EQ(&m_main, CZAVPToolBar::GetSelectedToolBar());
    // A click on the other bar moves the selection there.
    Click(m_nav, 0);
    EXPECT_EQ(-1, m_main.GetSelectedIndex());
    EXPECT_EQ(0, m_nav.GetSelectedIndex());
    EXPECT_EQ(&m_nav, CZAVPToolBar::GetSelectedToolBar());
    // Nothing was moved by the clicks.
    EXPECT_EQ(m_mainIds, Commands(m_main));

    EXPECT_TRUE(CZAVPToolBar::SetCustomizeMode(FALSE));
    EXPECT_FALSE(CZAVPToolBar::IsCustomizeMode());
    EXPECT_EQ(nullptr, CZAVPToolBar::GetSelectedToolBar());
    EXPECT_TRUE(::IsWindowEnabled(pEdit->GetHwnd()));
}

// The colours a bar paints at the given client points (drawn into a memory bitmap).
std::vector<COLORREF> PaintedBarColours(CZAVPToolBar& bar, const std::vector<CPoint>& points)
{
    CRect rectClient;
    bar.GetClientRect(rectClient);
    const HDC hdcScreen = ::GetDC(nullptr);
    const HBITMAP hBitmap = ::CreateCompatibleBitmap(hdcScreen, rectClient.Width(),
                                                     rectClient.Height());
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    bar.DoPaint(&dc);
    std::vector<COLORREF> colours;
    for (const CPoint& pt : points) colours.push_back(::GetPixel(dc.GetSafeHdc(), pt.x, pt.y));
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    ::ReleaseDC(nullptr, hdcScreen);
    return colours;
}

// The two outer pixel columns and rows of a button, at the middle of each side.
std::vector<CPoint> SelectionFramePoints(const CRect& r)
{
    const CPoint c = r.CenterPoint();
    return {{r.left, c.y}, {r.left + 1, c.y}, {r.right - 1, c.y},  {r.right - 2, c.y},
            {c.x, r.top},  {c.x, r.top + 1},  {c.x, r.bottom - 1}, {c.x, r.bottom - 2}};
}

TEST_F(CustomizeModeTest, SelectedButtonIsFramedOnlyOnTheBarHoldingTheSelection)
{
    const CRect rectButton = m_main.GetButton(0)->GetRect();
    const std::vector<CPoint> points = SelectionFramePoints(rectButton);
    const std::vector<COLORREF> framed(points.size(), globalData.clrBtnText);
    // Inside the frame the button looks as before.
    const CPoint inner(rectButton.left + 2, rectButton.CenterPoint().y);
    const COLORREF clrInner = PaintedBarColours(m_main, {inner})[0];
    ASSERT_NE(globalData.clrBtnText, PaintedBarColours(m_main, points)[0]);

    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    // Nothing is selected yet: no frame.
    EXPECT_NE(framed, PaintedBarColours(m_main, points));
    Click(m_main, 0);
    ASSERT_EQ(0, m_main.GetSelectedIndex());
    EXPECT_EQ(framed, PaintedBarColours(m_main, points));
    EXPECT_EQ(clrInner, PaintedBarColours(m_main, {inner})[0]);

    // The selection moves to the other bar: the frame goes with it.
    Click(m_nav, 0);
    EXPECT_NE(framed, PaintedBarColours(m_main, points));
    EXPECT_EQ(std::vector<COLORREF>(points.size(), globalData.clrBtnText),
              PaintedBarColours(m_nav, SelectionFramePoints(m_nav.GetButton(0)->GetRect())));

    // Leaving the mode forgets the selection and the frame.
    Click(m_main, 0);
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(FALSE));
    EXPECT_NE(framed, PaintedBarColours(m_main, points));
}

TEST_F(CustomizeModeTest, ContextMenuItemsFollowTheSelectedButton)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    CMenu menu;
    ASSERT_TRUE(
        menu.Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_ZAVP_BUTTON_MENU))));
    const HMENU hPopup = ::GetSubMenu(menu.GetSafeHmenu(), 0);
    ASSERT_NE(nullptr, hPopup);
    ASSERT_EQ(10, ::GetMenuItemCount(hPopup));  // eight commands and two separators
    auto state = [hPopup](UINT uiCmd) { return ::GetMenuState(hPopup, uiCmd, MF_BYCOMMAND); };
    CMenu popup;
    popup.Attach(hPopup);

    // The first button: no group before it; it shows its image only.
    EXPECT_TRUE(m_main.EnableContextMenuItems(m_main.GetButton(0), &popup));
    EXPECT_TRUE(state(ID_ZAVP_BUTTON_BEGIN_GROUP) & MF_GRAYED);
    EXPECT_FALSE(state(ID_ZAVP_BUTTON_BEGIN_GROUP) & MF_CHECKED);
    EXPECT_TRUE(state(ID_ZAVP_BUTTON_IMAGE) & MF_CHECKED);
    EXPECT_FALSE(state(ID_ZAVP_BUTTON_TEXT) & MF_CHECKED);
    EXPECT_FALSE(state(ID_ZAVP_BUTTON_RESET) & MF_GRAYED);
    EXPECT_FALSE(state(ID_ZAVP_BUTTON_COPY_IMAGE) & MF_GRAYED);
    EXPECT_FALSE(state(ID_ZAVP_BUTTON_DELETE) & MF_GRAYED);
    EXPECT_FALSE(state(ID_ZAVP_BUTTON_APPEARANCE) & MF_GRAYED);

    // The button after the separator: its group is checked and may be ended.
    EXPECT_TRUE(m_main.EnableContextMenuItems(m_main.GetButton(4), &popup));
    EXPECT_FALSE(state(ID_ZAVP_BUTTON_BEGIN_GROUP) & MF_GRAYED);
    EXPECT_TRUE(state(ID_ZAVP_BUTTON_BEGIN_GROUP) & MF_CHECKED);

    // A button without an image cannot give one to the clipboard; it shows its text.
    CZAVPToolbarButton* pButton = m_main.GetButton(1);
    pButton->SetImage(-1);
    pButton->m_bImage = FALSE;
    pButton->m_bText = TRUE;
    EXPECT_TRUE(m_main.EnableContextMenuItems(pButton, &popup));
    EXPECT_TRUE(state(ID_ZAVP_BUTTON_COPY_IMAGE) & MF_GRAYED);
    EXPECT_TRUE(state(ID_ZAVP_BUTTON_TEXT) & MF_CHECKED);
    popup.Detach();
}

TEST_F(CustomizeModeTest, BeginGroupCommandTogglesTheSeparatorBeforeTheSelection)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    Click(m_main, 1);
    ASSERT_EQ(1, m_main.GetSelectedIndex());
    m_main.SendMessage(WM_COMMAND, ID_ZAVP_BUTTON_BEGIN_GROUP);
    EXPECT_EQ(
        (std::vector<UINT>{ID_ADD_DISC, 0, ID_NEW_FOLDER, ID_DELETE_ITEM, 0, ID_APP_ABOUT_CMD}),
        Commands(m_main));
    EXPECT_EQ(2, m_main.GetSelectedIndex());  // the selection stays on the button
    m_main.SendMessage(WM_COMMAND, ID_ZAVP_BUTTON_BEGIN_GROUP);
    EXPECT_EQ(m_mainIds, Commands(m_main));
    EXPECT_EQ(1, m_main.GetSelectedIndex());

    m_main.SendMessage(WM_COMMAND, ID_ZAVP_BUTTON_DELETE);
    EXPECT_EQ((std::vector<UINT>{ID_ADD_DISC, ID_DELETE_ITEM, 0, ID_APP_ABOUT_CMD}),
              Commands(m_main));
    EXPECT_EQ(-1, m_main.GetSelectedIndex());
}

TEST_F(CustomizeModeTest, AppearanceDialogChangesTheButtonOnOkAndACancelLeavesItAsItWas)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    Click(m_main, 1);
    ASSERT_EQ(1, m_main.GetSelectedIndex());
    CZAVPToolbarButton* pButton = m_main.GetButton(1);
    ASSERT_GE(pButton->GetImage(), 0);
    const int cxImageOnly = pButton->GetRect().Width();

    // Appearance: image and text with a text typed in; the bar lays the wider button out.
    const HWND hwndOk = CommandThroughAppearanceDialog(
        m_main, ID_ZAVP_BUTTON_APPEARANCE, [](HWND h) {
            ::SendMessageA(h, WM_COMMAND, MAKEWPARAM(IDC_ZAVP_SHOW_IMAGE_AND_TEXT, BN_CLICKED),
                           (LPARAM)::GetDlgItem(h, IDC_ZAVP_SHOW_IMAGE_AND_TEXT));
            ::SetDlgItemTextA(h, IDC_ZAVP_TEXT, "New folder");
            ::PostMessageA(h, WM_COMMAND, IDOK, 0);
        });
    Pump();
    ASSERT_NE(nullptr, hwndOk);
    EXPECT_STREQ("New folder", pButton->m_strText);
    EXPECT_TRUE(pButton->m_bText);
    EXPECT_TRUE(pButton->m_bImage);
    EXPECT_GT(pButton->GetRect().Width(), cxImageOnly);

    // Image only on a text button without an image: the dialog asks for one, and a cancel
    // leaves the button showing its text.
    const UINT kNoImageCmd = 40777;  // a command with no image anywhere
    auto* pTextButton = new CZAVPToolbarButton(kNoImageCmd, -1, "Find");
    pTextButton->m_bText = TRUE;
    pTextButton->m_bImage = FALSE;
    ASSERT_EQ(2, m_main.InsertButton(pTextButton, 2));
    m_main.AdjustLayout();
    ASSERT_LT(pTextButton->GetImage(), 0);
    Click(m_main, 2);
    ASSERT_EQ(2, m_main.GetSelectedIndex());
    const HWND hwndCancel = CommandThroughAppearanceDialog(
        m_main, ID_ZAVP_BUTTON_IMAGE, [](HWND h) { ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0); });
    Pump();
    ASSERT_NE(nullptr, hwndCancel);
    EXPECT_TRUE(pTextButton->m_bText);
    EXPECT_FALSE(pTextButton->m_bImage);
    EXPECT_LT(pTextButton->GetImage(), 0);
    EXPECT_EQ(pTextButton, m_main.GetButton(2));
}

TEST_F(CustomizeModeTest, NewButtonGoesInAtTheSelectionOnOkAndIsDroppedOnCancel)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    Click(m_main, 1);
    ASSERT_EQ(1, m_main.GetSelectedIndex());

    const HWND hwndCancel = CommandThroughAppearanceDialog(
        m_main, ID_ZAVP_BUTTON_NEW, [](HWND h) { ::PostMessageA(h, WM_COMMAND, IDCANCEL, 0); });
    Pump();
    ASSERT_NE(nullptr, hwndCancel);
    EXPECT_EQ(m_mainIds, Commands(m_main));
    EXPECT_EQ(1, m_main.GetSelectedIndex());

    const HWND hwndOk = CommandThroughAppearanceDialog(m_main, ID_ZAVP_BUTTON_NEW, [](HWND h) {
        ::SetDlgItemTextA(h, IDC_ZAVP_TEXT, "Catalogue");
        ::PostMessageA(h, WM_COMMAND, IDOK, 0);
    });
    Pump();
    ASSERT_NE(nullptr, hwndOk);
    ASSERT_EQ(m_mainIds.size() + 1, Commands(m_main).size());
    const CZAVPToolbarButton* pNew = m_main.GetButton(1);
    ASSERT_NE(nullptr, dynamic_cast<const CZAVPToolbarMenuButton*>(pNew));
    EXPECT_STREQ("Catalogue", pNew->m_strText);
    EXPECT_TRUE(pNew->m_bText);
    EXPECT_FALSE(pNew->m_bImage);
    EXPECT_EQ(1, m_main.GetSelectedIndex());
    EXPECT_EQ(ID_NEW_FOLDER, m_main.GetButton(2)->m_nID);
    EXPECT_GT(pNew->GetRect().Width(), 0);
}

TEST_F(CustomizeModeTest, ButtonDraggedWithinItsBarMoves)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    // "Добавить диск" to the right half of "Удалить": after it, before the separator.
    const CRect rectDelete = m_main.GetButton(2)->GetRect();
    const CPoint ptEnd = Screen(m_main, CPoint(rectDelete.right - 3, rectDelete.CenterPoint().y));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, m_main.DragButtonTo(0, Centre(m_main, 0), ptEnd));
    EXPECT_EQ((std::vector<UINT>{ID_NEW_FOLDER, ID_DELETE_ITEM, ID_ADD_DISC, 0, ID_APP_ABOUT_CMD}),
              Commands(m_main));
    // Dropped past the last button it goes before the customize button, which stays last.
    const CPoint ptPast = Screen(
        m_main, CPoint(m_main.GetButton(4)->GetRect().right + 2, Centre(m_main, 0).y));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, m_main.DragButtonTo(0, Centre(m_main, 0), ptPast));
    EXPECT_EQ((std::vector<UINT>{ID_DELETE_ITEM, ID_ADD_DISC, 0, ID_APP_ABOUT_CMD, ID_NEW_FOLDER}),
              Commands(m_main));
    EXPECT_EQ((CZAVPToolbarButton*)m_main.GetCustomizeButton(),
              m_main.GetButton(m_main.GetCount() - 1));
}

TEST_F(CustomizeModeTest, ButtonDraggedToTheOtherBarMovesAndWithCtrlIsCopied)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    const std::vector<UINT> navIds = Commands(m_nav);
    // "Создать папку" onto the left half of the navigation bar's first button.
    const CPoint ptNav = Screen(m_nav,
                                CPoint(m_nav.GetButton(0)->GetRect().left + 3, Centre(m_nav, 0).y));
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_COPY, m_main.DragButtonTo(1, Centre(m_main, 1), ptNav, TRUE));
    EXPECT_EQ(m_mainIds, Commands(m_main));  // a copy: the main bar keeps its button
    ASSERT_EQ(navIds.size() + 1, Commands(m_nav).size());
    EXPECT_EQ((UINT)ID_NEW_FOLDER, Commands(m_nav)[0]);

    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, m_main.DragButtonTo(2, Centre(m_main, 2), ptNav));
    EXPECT_EQ((std::vector<UINT>{ID_ADD_DISC, ID_NEW_FOLDER, 0, ID_APP_ABOUT_CMD}),
              Commands(m_main));
    EXPECT_EQ((UINT)ID_DELETE_ITEM, Commands(m_nav)[0]);
    // The moved button belongs to its new bar.
    EXPECT_EQ(&m_nav,
              dynamic_cast<CZAVPToolBar*>(CWnd::FromHandlePermanent(::WindowFromPoint(ptNav))));
}

TEST_F(CustomizeModeTest, ButtonDraggedOffEveryBarIsDeletedUnlessTheDragIsCancelled)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    CRect rectClient;
    m_pFrame->GetClientRect(rectClient);
    CPoint ptOff = rectClient.CenterPoint();
    m_pFrame->ClientToScreen(&ptOff);
    ASSERT_EQ(nullptr,
              dynamic_cast<CZAVPToolBar*>(CWnd::FromHandlePermanent(::WindowFromPoint(ptOff))));

    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE,
              m_main.DragButtonTo(1, Centre(m_main, 1), ptOff, FALSE, TRUE));
    EXPECT_EQ(m_mainIds, Commands(m_main));  // Esc: nothing happens

    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, m_main.DragButtonTo(1, Centre(m_main, 1), ptOff));
    EXPECT_EQ((std::vector<UINT>{ID_ADD_DISC, ID_DELETE_ITEM, 0, ID_APP_ABOUT_CMD}),
              Commands(m_main));
    // The last button of the group takes its separator with it.
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, m_main.DragButtonTo(3, Centre(m_main, 3), ptOff));
    EXPECT_EQ((std::vector<UINT>{ID_ADD_DISC, ID_DELETE_ITEM}), Commands(m_main));
}

TEST_F(CustomizeModeTest, ShortDragsAlongTheBarStartAndEndAGroup)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    const CPoint ptStart = Centre(m_main, 1);
    // 5 pixels: nothing.
    m_main.DragButtonTo(1, ptStart, Screen(m_main, CPoint(ptStart.x + 5, ptStart.y)));
    EXPECT_EQ(m_mainIds, Commands(m_main));
    // 6 pixels toward the end: a separator before the button.
    m_main.DragButtonTo(1, ptStart, Screen(m_main, CPoint(ptStart.x + 6, ptStart.y)));
    EXPECT_EQ(
        (std::vector<UINT>{ID_ADD_DISC, 0, ID_NEW_FOLDER, ID_DELETE_ITEM, 0, ID_APP_ABOUT_CMD}),
        Commands(m_main));
    // 6 pixels toward the start: the group ends again.
    const CPoint ptNow = Centre(m_main, 2);
    m_main.DragButtonTo(2, ptNow, Screen(m_main, CPoint(ptNow.x - 6, ptNow.y)));
    EXPECT_EQ(m_mainIds, Commands(m_main));
}

TEST_F(CustomizeModeTest, BarsTakeButtonsOnlyInCustomizationMode)
{
    ASSERT_TRUE(CZAVPToolBar::SetCustomizeMode(TRUE));
    CZAVPToolbarButton button(ID_FIND, -1);
    const CPoint pt = Centre(m_nav, 0);
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_MOVE, m_nav.DragOverButton(button, 0, pt));
    m_nav.OnDragLeave();
    CZAVPToolBar::SetCustomizeMode(FALSE);
    // Outside customisation mode no bar takes a button.
    EXPECT_EQ((DROPEFFECT)DROPEFFECT_NONE, m_nav.DragOverButton(button, 0, pt));
}

TEST_F(CustomizeModeTest, CustomizeButtonOffersTheButtonsThatHadNoRoom)
{
    CCustomizeButton* pCustomize = m_main.GetCustomizeButton();
    ASSERT_NE(nullptr, pCustomize);
    EXPECT_EQ((CZAVPToolbarButton*)pCustomize, m_main.GetButton(m_main.GetCount() - 1));
    EXPECT_TRUE(pCustomize->IsVisible());
    EXPECT_TRUE(pCustomize->m_lstInvisibleButtons.IsEmpty());
    EXPECT_EQ(13, pCustomize->GetRect().Width());  // the glyph and twice the margin

    // The bar made so short that only the first two buttons fit.
    const int nKeep = m_main.GetButton(1)->GetRect().right + pCustomize->GetRect().Width() + 2;
    CRect rectBar;
    m_main.GetClientRect(rectBar);
    m_main.SetWindowPos(nullptr, 0, 0, nKeep + (m_main.GetButton(0)->GetRect().left),
                        rectBar.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect rectWindow, rectClient;
    m_main.GetWindowRect(rectWindow);
    m_main.GetClientRect(rectClient);
    m_main.SetWindowPos(nullptr, 0, 0, nKeep + rectWindow.Width() - rectClient.Width(),
                        rectWindow.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_main.AdjustLocations();
    ASSERT_FALSE(pCustomize->m_lstInvisibleButtons.IsEmpty());
    // Hidden: "Удалить", the separator and "О программе", in bar order.
    std::vector<UINT> hidden;
    for (POSITION pos = pCustomize->m_lstInvisibleButtons.GetHeadPosition(); pos != nullptr;) {
        const CZAVPToolbarButton* p = static_cast<const CZAVPToolbarButton*>(
            pCustomize->m_lstInvisibleButtons.GetNext(pos));
        hidden.push_back(p->IsSeparator() ? 0 : p->m_nID);
    }
    EXPECT_EQ((std::vector<UINT>{ID_DELETE_ITEM, 0, ID_APP_ABOUT_CMD}), hidden);

    CZAVPPopupMenu* pPopup = pCustomize->CreatePopupMenu();
    ASSERT_NE(nullptr, pPopup);
    std::vector<UINT> items;
    for (int i = 0; i < pPopup->GetMenuItemCount(); ++i) {
        const CZAVPToolbarButton* p = pPopup->GetMenuItem(i);
        items.push_back(p->IsSeparator() ? 0 : p->m_nID);
    }
    // The hidden buttons, a separator, then "add or remove buttons" with the bar's list.
    EXPECT_EQ((std::vector<UINT>{ID_DELETE_ITEM, 0, ID_APP_ABOUT_CMD, 0, (UINT)-1}), items);
    const CZAVPToolbarMenuButton* pAddRemove = dynamic_cast<const CZAVPToolbarMenuButton*>(
        pPopup->GetMenuItem(pPopup->GetMenuItemCount() - 1));
    ASSERT_NE(nullptr, pAddRemove);
    CString strAddRemove;
    strAddRemove.LoadString(IDS_ZAVP_ADD_REMOVE_BUTTONS);
    EXPECT_EQ(strAddRemove, pAddRemove->m_strText);
    // Under it: one entry per bar of the row (here the main bar alone), then the customise
    // command.
    ASSERT_EQ(2, (int)pAddRemove->GetCommands().GetCount());
    const CZAVPToolbarMenuButton* pEntry = static_cast<const CZAVPToolbarMenuButton*>(
        pAddRemove->GetCommands().GetHead());
    EXPECT_EQ(CString("Main"), pEntry->m_strText);
    ASSERT_EQ(1, (int)pEntry->GetCommands().GetCount());
    const CZAVPToolbarButton* pPlaceholder = static_cast<const CZAVPToolbarButton*>(
        pEntry->GetCommands().GetHead());
    EXPECT_EQ(1u, pPlaceholder->m_nID);
    EXPECT_EQ(CString("59392"), pPlaceholder->m_strText);
    EXPECT_EQ(kCustomizeCmd,
              static_cast<const CZAVPToolbarButton*>(pAddRemove->GetCommands().GetTail())->m_nID);
    EXPECT_EQ(1, pPopup->m_iCustomizeMark);
    delete pPopup;
}

TEST_F(CustomizeModeTest, FloatingBarShowsNoCustomizeButton)
{
    CCustomizeButton* pCustomize = m_main.GetCustomizeButton();
    CDC dc;
    dc.Attach(::GetDC(nullptr));
    EXPECT_EQ(CSize(13, 22), CSize(pCustomize->OnCalculateSize(&dc, CSize(23, 22), TRUE)));
    EXPECT_EQ(CSize(23, 13), CSize(pCustomize->OnCalculateSize(&dc, CSize(23, 22), FALSE)));
    pCustomize->SetEmpty();
    EXPECT_EQ(CSize(0, 0), CSize(pCustomize->OnCalculateSize(&dc, CSize(23, 22), TRUE)));
    pCustomize->SetEmpty(FALSE);
    m_main.FloatControlBar(CRect(300, 300, 500, 340), ZAVP_DM_DBL_CLICK, TRUE);
    Pump();
    ASSERT_TRUE(m_main.IsFloating());
    EXPECT_EQ(CSize(0, 0), CSize(pCustomize->OnCalculateSize(&dc, CSize(23, 22), TRUE)));
    ::ReleaseDC(nullptr, dc.Detach());
}

TEST_F(CustomizeModeTest, RowsSwitchPutsThePartnerOnTheBarsRowAndBack)
{
    m_main.SetSiblingToolBar(&m_nav);
    ASSERT_EQ(&m_nav, m_main.GetSiblingToolBar());
    ASSERT_EQ(&m_main, m_nav.GetSiblingToolBar());
    ASSERT_NE(Top()->FindRowByBar(&m_main), Top()->FindRowByBar(&m_nav));

    CZAVPPopupMenu* pPopup = m_main.GetCustomizeButton()->CreatePopupMenu();
    ASSERT_NE(nullptr, pPopup);
    CZAVPCustomizeMenuButton* pRows = dynamic_cast<CZAVPCustomizeMenuButton*>(
        pPopup->GetMenuItem(0));
    ASSERT_NE(nullptr, pRows);
    EXPECT_EQ((UINT)-20, pRows->m_nID);
    CString strOneRow;
    strOneRow.LoadString(IDS_ZAVP_SHOW_ONE_ROW);
    EXPECT_EQ(strOneRow, pRows->m_strText);
    EXPECT_FALSE(pRows->OnClickMenuItem());  // the menu closes
    delete pPopup;
    Pump();
    EXPECT_EQ(Top()->FindRowByBar(&m_main), Top()->FindRowByBar(&m_nav));

    pPopup = m_main.GetCustomizeButton()->CreatePopupMenu();
    pRows = dynamic_cast<CZAVPCustomizeMenuButton*>(pPopup->GetMenuItem(0));
    ASSERT_NE(nullptr, pRows);
    CString strTwoRows;
    strTwoRows.LoadString(IDS_ZAVP_SHOW_TWO_ROWS);
    EXPECT_EQ(strTwoRows, pRows->m_strText);
    pRows->OnClickMenuItem();
    delete pPopup;
    Pump();
    EXPECT_NE(Top()->FindRowByBar(&m_main), Top()->FindRowByBar(&m_nav));
}
}  // namespace
