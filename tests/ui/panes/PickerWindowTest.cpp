// The pickers as windows under the null driver: the calendar popup of a toolbar button with its
// keys, navigation and the pick that reaches peers, standalone bars and the process-wide map; a
// held navigate button; the colour popup with its pick on release and its "other" row opening the
// colour dialog; the dialog's pages and numeric fields with their up-downs.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CFrameWnd.h"
#include "framework/CMemFile.h"
#include "framework/CPropertyPage.h"
#include "resources/UiLibraryResource.h"
#include "tests/support/MessagePump.h"
#include "ui/foundation/ZAVPColorMath.h"
#include "ui/foundation/ZAVPPaneSharedData.h"
#include "ui/menus/SilentMenuSounds.h"
#include "ui/panes/CCalendarNavigateButton.h"
#include "ui/panes/CCalendarPopup.h"
#include "ui/panes/CColorButton.h"
#include "ui/panes/CColorPopup.h"
#include "ui/panes/CPropertySheetCtrl.h"
#include "ui/panes/CZAVPCalendarBar.h"
#include "ui/panes/CZAVPCalendarButton.h"
#include "ui/panes/CZAVPCalendarMenuButton.h"
#include "ui/panes/CZAVPColorBar.h"
#include "ui/panes/CZAVPColorCell.h"
#include "ui/panes/CZAVPColorDialog.h"
#include "ui/panes/CZAVPColorMenuButton.h"
#include "ui/panes/ZAVPColorPickerMath.h"
#include "ui/toolbars/CZAVPPopupMenu.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
const UINT kDateCommand = 40100, kColorCommand = 40200;

COleDateTime Day(int y, int m, int d) { return COleDateTime(y, m, d, 0, 0, 0); }

// A frame that records the commands it receives.
class CommandFrame : public CFrameWnd
{
public:
    std::vector<UINT> m_commands;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && lParam == 0) {
            m_commands.push_back(LOWORD(wParam));
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

void Click(CWnd& wnd, const CRect& rect, UINT nDown = WM_LBUTTONDOWN)
{
    const CPoint pt = rect.CenterPoint();
    wnd.SendMessage(nDown, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    wnd.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
}

// The day cell of the date on the calendar, null when the grid does not show it.
CZAVPCalendarButton* CellOf(CZAVPCalendarBar& bar, const COleDateTime& date)
{
    for (int i = 0; i < bar.GetCount(); ++i) {
        CZAVPToolbarButton* pButton = bar.GetButton(i);
        if (pButton->GetRuntimeClass() != RUNTIME_CLASS(CZAVPCalendarButton)) continue;
        CZAVPCalendarButton* pCell = static_cast<CZAVPCalendarButton*>(pButton);
        if (pCell->GetDate().GetYear() == date.GetYear() &&
            pCell->GetDate().GetMonth() == date.GetMonth() &&
            pCell->GetDate().GetDay() == date.GetDay())
            return pCell;
    }
    return nullptr;
}

CCalendarNavigateButton* NavigateOf(CZAVPCalendarBar& bar, int nIndex)
{
    for (int i = 0; i < bar.GetCount(); ++i)
        if (CCalendarNavigateButton* p = dynamic_cast<CCalendarNavigateButton*>(bar.GetButton(i)))
            if (p->GetIndex() == nIndex) return p;
    return nullptr;
}

std::string Text(const COleDateTime& date) { return (LPCSTR)date.Format("%Y-%m-%d"); }

// Runs the action while a modal dialog is open: a thread timer finds it and hands it over.
std::function<void(HWND)> g_onDialog;
void CALLBACK FindDialog(HWND, UINT, UINT_PTR nID, DWORD)
{
    HWND hwnd = ::GetActiveWindow();
    char szClass[16] = {};
    if (hwnd == nullptr || !::GetClassNameA(hwnd, szClass, sizeof szClass) ||
        std::string(szClass) != "#32770")
        return;
    ::KillTimer(nullptr, nID);
    std::function<void(HWND)> action;
    action.swap(g_onDialog);
    if (action) action(hwnd);
    // A failed check must not leave the test waiting on an open dialog.
    if (::testing::Test::HasFatalFailure() && ::IsWindow(hwnd))
        ::PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
}
void WhileDialogOpen(std::function<void(HWND)> action)
{
    g_onDialog = std::move(action);
    ::SetTimer(nullptr, 0, 50, FindDialog);
}

class PickerWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        SilenceMenuSounds();
        ZAVPPaneSharedData::CommandDates().RemoveAll();
        ZAVPPaneSharedData::CommandColors().RemoveAll();
        m_frame.m_bAutoMenuEnable = FALSE;
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        m_frame.SetWindowPos(nullptr, 0, 0, 700, 500, SWP_NOZORDER);
        ASSERT_TRUE(m_bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE800));
        ASSERT_TRUE(m_second.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE801));
        m_bar.SetWindowPos(nullptr, 0, 0, 400, 30, SWP_NOZORDER);
        m_second.SetWindowPos(nullptr, 0, 40, 400, 30, SWP_NOZORDER);
    }
    void TearDown() override
    {
        if (CZAVPPopupMenu* pActive = CZAVPPopupMenu::GetActiveMenu())
            pActive->SendMessage(WM_CLOSE);
        m_bar.DestroyWindow();
        m_second.DestroyWindow();
        m_frame.DestroyWindow();
    }

    CZAVPCalendarMenuButton* AddDate(CZAVPToolBar& bar, const COleDateTime& date)
    {
        CZAVPCalendarMenuButton* pButton = new CZAVPCalendarMenuButton;
        pButton->m_nID = kDateCommand;
        pButton->m_strText = "Date";
        pButton->m_bText = TRUE;
        pButton->m_bImage = FALSE;
        bar.InsertButton(pButton);
        pButton->SetDate(date, FALSE);
        bar.AdjustLayout();
        return pButton;
    }
    CZAVPColorMenuButton* AddColor(CZAVPToolBar& bar)
    {
        CZAVPColorMenuButton* pButton = new CZAVPColorMenuButton(kColorCommand, "Colour");
        pButton->EnableAutomaticButton("Auto", RGB(0, 0, 0));
        pButton->EnableOtherButton("More colours");
        bar.InsertButton(pButton);
        bar.AdjustLayout();
        return pButton;
    }
    static CCalendarPopup* CalendarPopupOf(CZAVPToolbarMenuButton* pButton)
    {
        return dynamic_cast<CCalendarPopup*>(pButton->m_pPopupMenu);
    }

    CommandFrame& m_frame = *new CommandFrame;  // deletes itself with its window
    CZAVPToolBar m_bar, m_second;
};
}  // namespace

TEST_F(PickerWindowTest, CalendarPopupShowsTheButtonsMonthFromTheSundayBeforeTheFirst)
{
    CZAVPCalendarMenuButton* pButton = AddDate(m_bar, Day(2024, 1, 31));
    ASSERT_TRUE(pButton->OnClick(&m_bar, FALSE));
    CCalendarPopup* pPopup = CalendarPopupOf(pButton);
    ASSERT_NE(nullptr, pPopup);
    CZAVPCalendarBar& bar = pPopup->GetCalendarBar();
    ASSERT_NE(nullptr, bar.GetSafeHwnd());
    EXPECT_EQ(pPopup, CZAVPPopupMenu::GetActiveMenu());
    // Today, the caption, 4 navigate buttons, 7 headers, 6 week numbers, a separator, 42 days.
    EXPECT_EQ(62, bar.GetCount());
    // 1 January 2024 is a Monday: the grid starts on Sunday 31 December.
    int iFirstDay = -1;
    for (int i = 0; i < bar.GetCount() && iFirstDay < 0; ++i)
        if (bar.GetButton(i)->GetRuntimeClass() == RUNTIME_CLASS(CZAVPCalendarButton))
            iFirstDay = i;
    ASSERT_GE(iFirstDay, 0);
    EXPECT_EQ("2023-12-31",
              Text(static_cast<CZAVPCalendarButton*>(bar.GetButton(iFirstDay))->GetDate()));
    // The 31st is the selected day; cells do not overlap and run in rows of seven.
    CZAVPCalendarButton* p31 = CellOf(bar, Day(2024, 1, 31));
    ASSERT_NE(nullptr, p31);
    EXPECT_TRUE(p31->IsSelected());
    CZAVPCalendarButton* p1 = CellOf(bar, Day(2024, 1, 1));
    CZAVPCalendarButton* p8 = CellOf(bar, Day(2024, 1, 8));
    EXPECT_EQ(p1->m_rect.left, p8->m_rect.left);
    EXPECT_EQ(p1->m_rect.bottom, p8->m_rect.top);
    CRect rectClient;
    bar.GetClientRect(rectClient);
    EXPECT_TRUE(
        rectClient.PtInRect(CellOf(bar, Day(2024, 2, 10))->m_rect.BottomRight() - CSize(1, 1)));
}

TEST_F(PickerWindowTest, CalendarPopupKeysAndNavigateButtons)
{
    CZAVPCalendarMenuButton* pButton = AddDate(m_bar, Day(2024, 1, 31));
    ASSERT_TRUE(pButton->OnClick(&m_bar, FALSE));
    CCalendarPopup* pPopup = CalendarPopupOf(pButton);
    ASSERT_NE(nullptr, pPopup);
    CZAVPCalendarBar& bar = pPopup->GetCalendarBar();

    // The keys go to the calendar through the popup: a day, a week, a month.
    pPopup->SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ("2024-02-01", Text(bar.GetDate()));
    pPopup->SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ("2024-01-25", Text(bar.GetDate()));
    pPopup->SendMessage(WM_KEYDOWN, VK_NEXT);  // forward by January's 31 days
    EXPECT_EQ("2024-02-25", Text(bar.GetDate()));
    pPopup->SendMessage(WM_KEYDOWN, VK_PRIOR);  // back by January's 31 days
    EXPECT_EQ("2024-01-25", Text(bar.GetDate()));
    // A popup's navigate buttons keep the day, clamped to the target month.
    bar.SetDate(Day(2024, 1, 31));
    Click(bar, NavigateOf(bar, 2)->m_rect);
    EXPECT_EQ("2024-02-29", Text(bar.GetDate()));
    Click(bar, NavigateOf(bar, 3)->m_rect);
    EXPECT_EQ("2025-02-28", Text(bar.GetDate()));
    EXPECT_EQ(pPopup, pButton->m_pPopupMenu);  // navigation picks nothing
    EXPECT_TRUE(m_frame.m_commands.empty());
    // Escape closes it without a pick.
    pPopup->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    PumpMessagesFor(50);
    EXPECT_EQ(nullptr, pButton->m_pPopupMenu);
    EXPECT_EQ("2024-01-31", Text(pButton->GetDate()));
}

TEST_F(PickerWindowTest, APickReachesPeersStandaloneBarsAndTheMapAndRunsTheCommandOnce)
{
    CZAVPCalendarMenuButton* pButton = AddDate(m_bar, Day(2024, 3, 10));
    CZAVPCalendarMenuButton* pPeer = AddDate(m_second, Day(2024, 3, 10));
    // A torn-off calendar: a standalone bar with the same command.
    CZAVPCalendarBar source;
    CZAVPCalendarBar standalone(source, kDateCommand, FALSE);
    ASSERT_TRUE(standalone.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE802, FALSE));
    standalone.SetWindowPos(nullptr, 0, 80, 250, 220, SWP_NOZORDER);

    ASSERT_TRUE(pButton->OnClick(&m_bar, FALSE));
    CCalendarPopup* pPopup = CalendarPopupOf(pButton);
    ASSERT_NE(nullptr, pPopup);
    CZAVPCalendarBar& bar = pPopup->GetCalendarBar();
    Click(bar, CellOf(bar, Day(2024, 3, 21))->m_rect);
    PumpMessagesFor(50);

    EXPECT_EQ(nullptr, pButton->m_pPopupMenu);
    EXPECT_EQ("2024-03-21", Text(pButton->GetDate()));
    EXPECT_EQ("2024-03-21", Text(pPeer->GetDate()));
    EXPECT_EQ("2024-03-21", Text(standalone.GetDate()));
    COleDateTime mapped;
    ASSERT_TRUE(ZAVPPaneSharedData::CommandDates().Lookup(kDateCommand, mapped));
    EXPECT_EQ("2024-03-21", Text(mapped));
    EXPECT_EQ(std::vector<UINT>{kDateCommand}, m_frame.m_commands);

    // A plain click on the standalone bar goes the other way: the buttons follow it.
    m_frame.m_commands.clear();
    standalone.SetOwner(&m_frame);
    Click(standalone, CellOf(standalone, Day(2024, 3, 5))->m_rect);
    EXPECT_EQ("2024-03-05", Text(pButton->GetDate()));
    EXPECT_EQ("2024-03-05", Text(pPeer->GetDate()));
    EXPECT_EQ(std::vector<UINT>{kDateCommand}, m_frame.m_commands);
    standalone.DestroyWindow();
}

TEST_F(PickerWindowTest, AHeldNavigateButtonStepsOnEveryTickAndOnceMoreOnRelease)
{
    CZAVPCalendarBar source;
    CZAVPCalendarBar bar(source, 0, FALSE);
    ASSERT_TRUE(bar.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE803, FALSE));
    bar.SetWindowPos(nullptr, 0, 80, 250, 220, SWP_NOZORDER);
    bar.SetDate(Day(2024, 1, 15));
    const CPoint pt = NavigateOf(bar, 2)->m_rect.CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(1, bar.GetDate().GetMonth());  // pressing alone moves nothing
    for (int i = 0; i < 3; ++i) bar.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(4, bar.GetDate().GetMonth());
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(5, bar.GetDate().GetMonth());
    // Without the press a tick does nothing.
    bar.SendMessage(WM_TIMER, 1);
    EXPECT_EQ(5, bar.GetDate().GetMonth());
    bar.DestroyWindow();
}

TEST_F(PickerWindowTest, ColorPopupPicksOnReleaseOverACell)
{
    CZAVPColorMenuButton* pButton = AddColor(m_bar);
    ASSERT_TRUE(pButton->OpenPopupMenu(&m_bar));
    CColorPopup* pPopup = dynamic_cast<CColorPopup*>(pButton->m_pPopupMenu);
    ASSERT_NE(nullptr, pPopup);
    CZAVPColorBar& bar = pPopup->GetColorBar();
    // Automatic, 20 cells, a separator, the other row and the preview cell.
    ASSERT_EQ(24, bar.GetCount());
    // 5 columns: the sixth cell starts the second row under the first.
    const CRect rect1 = bar.GetButton(1)->m_rect, rect6 = bar.GetButton(6)->m_rect;
    EXPECT_EQ(rect1.left, rect6.left);
    EXPECT_EQ(rect1.bottom, rect6.top);
    // Pressed on a cell and released in the bar's margin: nothing picked.
    const COLORREF clr8 = dynamic_cast<CColorButton*>(bar.GetButton(8))->m_Color;
    const CPoint ptCell = bar.GetButton(8)->m_rect.CenterPoint();
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptCell.x, ptCell.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    EXPECT_EQ(pPopup, pButton->m_pPopupMenu);
    EXPECT_EQ((COLORREF)-1, pButton->GetColor());
    // Released over a cell: that colour, and the menu closes.
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptCell.x, ptCell.y));
    PumpMessagesFor(50);
    EXPECT_EQ(nullptr, pButton->m_pPopupMenu);
    EXPECT_EQ(clr8, pButton->GetColor());
    COLORREF mapped = 0;
    ASSERT_TRUE(ZAVPPaneSharedData::CommandColors().Lookup(kColorCommand, mapped));
    EXPECT_EQ(pButton->GetColor(), mapped);
    EXPECT_EQ(std::vector<UINT>{kColorCommand}, m_frame.m_commands);
}

TEST_F(PickerWindowTest, ColorPopupShowsThePreviewOnlyForAColourOutsideThePalette)
{
    CZAVPColorMenuButton* pButton = AddColor(m_bar);
    pButton->SetColor(RGB(1, 2, 3), FALSE);
    ASSERT_TRUE(pButton->OpenPopupMenu(&m_bar));
    CZAVPColorBar& bar = dynamic_cast<CColorPopup*>(pButton->m_pPopupMenu)->GetColorBar();
    CColorButton* pPreview = dynamic_cast<CColorButton*>(bar.GetButton(bar.GetCount() - 1));
    ASSERT_NE(nullptr, pPreview);
    ASSERT_TRUE(pPreview->m_bIsCustomPreview);
    EXPECT_FALSE(pPreview->m_rect.IsRectEmpty());
    EXPECT_TRUE(pPreview->m_bHighlight);
    const COLORREF clrPalette = dynamic_cast<CColorButton*>(bar.GetButton(3))->m_Color;
    bar.SetColor(clrPalette);
    EXPECT_TRUE(pPreview->m_rect.IsRectEmpty());
    EXPECT_TRUE(dynamic_cast<CColorButton*>(bar.GetButton(3))->m_bHighlight);
    bar.SetColor((COLORREF)-1);  // automatic: the automatic row is marked
    EXPECT_TRUE(dynamic_cast<CColorButton*>(bar.GetButton(0))->m_bHighlight);
    EXPECT_TRUE(pPreview->m_rect.IsRectEmpty());
}

TEST_F(PickerWindowTest, TheOtherRowOpensTheColourDialogAndItsColourIsPicked)
{
    CZAVPColorMenuButton* pButton = AddColor(m_bar);
    pButton->SetColor(RGB(10, 20, 30), FALSE);
    ASSERT_TRUE(pButton->OpenPopupMenu(&m_bar));
    CZAVPColorBar& bar = dynamic_cast<CColorPopup*>(pButton->m_pPopupMenu)->GetColorBar();
    std::string strCaption;
    WhileDialogOpen([&](HWND hwnd) {
        char sz[64] = {};
        ::GetWindowTextA(hwnd, sz, sizeof sz);
        strCaption = sz;
        ::SendMessageA(hwnd, WM_COMMAND, IDOK, 0);
    });
    Click(bar, bar.GetButton(bar.GetCount() - 2)->m_rect);  // the other row
    PumpMessagesFor(50);
    EXPECT_EQ("\xD6\xE2\xE5\xF2\xE0", strCaption);    // "Цвета" in code page 1251
    EXPECT_EQ(RGB(10, 20, 30), pButton->GetColor());  // OK with the colour it started from
    EXPECT_EQ(nullptr, pButton->m_pPopupMenu);
    EXPECT_EQ(std::vector<UINT>{kColorCommand}, m_frame.m_commands);
}

namespace
{
// A copy of the button made through its archive, as a toolbar's saved state makes it.
template <class Button>
Button* Reloaded(Button& button)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        button.Serialize(ar);
        ar.Close();
    }
    file.SeekToBegin();
    Button* pLoaded = new Button;
    CArchive ar(&file, CArchive::load);
    pLoaded->Serialize(ar);
    return pLoaded;
}
}  // namespace

TEST_F(PickerWindowTest, ReloadedButtonsTakeTheDateAndTheColourOfTheirCommandsButtons)
{
    CZAVPCalendarMenuButton* pDate = AddDate(m_bar, Day(2023, 7, 14));
    CZAVPCalendarMenuButton* pDateCopy = Reloaded(*pDate);
    EXPECT_EQ("2023-07-14", Text(pDateCopy->GetDate()));
    delete pDateCopy;

    // A colour comes only from a button whose colour is set.
    CZAVPColorMenuButton* pColor = AddColor(m_bar);
    CZAVPColorMenuButton* pUnset = Reloaded(*pColor);
    EXPECT_EQ((COLORREF)-1, pUnset->GetColor());
    delete pUnset;
    AddColor(m_second)->SetColor(RGB(0, 99, 0), FALSE);
    CZAVPColorMenuButton* pSet = Reloaded(*pColor);
    EXPECT_EQ(RGB(0, 99, 0), pSet->GetColor());
    delete pSet;
}

TEST(ColorDialog, TheSystemDialogStandsInBelowEightBitsPerPixel)
{
    EXPECT_TRUE(CZAVPColorDialog::UsesSystemDialog(1));
    EXPECT_TRUE(CZAVPColorDialog::UsesSystemDialog(4));
    EXPECT_FALSE(CZAVPColorDialog::UsesSystemDialog(8));
    EXPECT_FALSE(CZAVPColorDialog::UsesSystemDialog(32));
}

TEST(ColorDialog, PagesPickersAndFieldsFollowEachOther)
{
    SilenceMenuSounds();
    const COLORREF clrStart = RGB(128, 0, 255);
    CZAVPColorDialog dlg(clrStart);
    bool bRan = false;
    COLORREF clrPicked = (COLORREF)-1;
    WhileDialogOpen([&](HWND) {
        bRan = true;
        CPropertySheetCtrl* pSheet = dlg.GetSheet();
        ASSERT_NE(nullptr, pSheet);
        ASSERT_EQ(2, pSheet->GetPageCount());
        // Standard page: both pickers laid out, the honeycomb on the snapped colour's cell.
        CColorPage1& one = dlg.GetPageOne();
        ASSERT_NE(nullptr, one.GetSafeHwnd());
        EXPECT_EQ(ZAVPColorPickerMath::kHoneycombCells, one.m_hexpicker.GetCellCount());
        EXPECT_EQ(ZAVPColorPickerMath::kGreyCells, one.m_hexpicker_grey.GetCellCount());
        // Custom page: the fields show the colour, the up-downs run 0..255 beside their edits.
        pSheet->SetActivePage(1);
        CColorPage2& two = dlg.GetPageTwo();
        ASSERT_NE(nullptr, two.GetSafeHwnd());
        EXPECT_EQ(128u, ::GetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_RED, nullptr, FALSE));
        EXPECT_EQ(255u, ::GetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_BLUE, nullptr, FALSE));
        double h = 0, s = 0, l = 0;
        ZAVPColorMath::RgbToHls(clrStart, &h, &s, &l);
        EXPECT_EQ((UINT)ZAVPColorPickerMath::UnitToChannel(h),
                  ::GetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_HUE, nullptr, FALSE));
        EXPECT_EQ((UINT)ZAVPColorPickerMath::UnitToChannel(l),
                  ::GetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_LUMINANCE, nullptr, FALSE));
        for (UINT nSpin = IDC_ZAVP_COLOR_RED_SPIN; nSpin <= IDC_ZAVP_COLOR_HUE_SPIN; ++nSpin) {
            int nLow = -1, nHigh = -1;
            ::SendDlgItemMessageA(two.GetSafeHwnd(), nSpin, UDM_GETRANGE32, (WPARAM)&nLow,
                                  (LPARAM)&nHigh);
            EXPECT_EQ(0, nLow) << nSpin;
            EXPECT_EQ(255, nHigh) << nSpin;
        }
        EXPECT_EQ(::GetDlgItem(two.GetSafeHwnd(), IDC_ZAVP_COLOR_RED),
                  (HWND)::SendDlgItemMessageA(two.GetSafeHwnd(), IDC_ZAVP_COLOR_RED_SPIN,
                                              UDM_GETBUDDY, 0, 0));
        // A red of 300 is refused: nothing follows it.
        ::SetDlgItemTextA(two.GetSafeHwnd(), IDC_ZAVP_COLOR_RED, "300");
        EXPECT_EQ(clrStart, dlg.GetColor());
        // 64 is taken: the colour, the hue/saturation/luminance fields and the pickers follow.
        ::SetDlgItemTextA(two.GetSafeHwnd(), IDC_ZAVP_COLOR_RED, "64");
        EXPECT_EQ(RGB(64, 0, 255), dlg.GetColor());
        ZAVPColorMath::RgbToHls(RGB(64, 0, 255), &h, &s, &l);
        EXPECT_EQ((UINT)ZAVPColorPickerMath::UnitToChannel(h),
                  ::GetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_HUE, nullptr, FALSE));
        // A click on the up-down's upper arrow steps its edit, and the colour follows.
        HWND hSpin = ::GetDlgItem(two.GetSafeHwnd(), IDC_ZAVP_COLOR_GREEN_SPIN);
        RECT rcSpin = {};
        ::GetClientRect(hSpin, &rcSpin);
        const LPARAM lUp = MAKELPARAM(rcSpin.right / 2, rcSpin.bottom / 4);
        ::SendMessageA(hSpin, WM_LBUTTONDOWN, MK_LBUTTON, lUp);
        ::SendMessageA(hSpin, WM_LBUTTONUP, 0, lUp);
        EXPECT_EQ(1u, ::GetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_GREEN, nullptr, FALSE));
        EXPECT_EQ(RGB(64, 1, 255), dlg.GetColor());
        // Luminance typed in: red, green and blue follow.
        ::SetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_LUMINANCE, 255, FALSE);
        EXPECT_EQ(RGB(255, 255, 255), dlg.GetColor());
        EXPECT_EQ(255u, ::GetDlgItemInt(two.GetSafeHwnd(), IDC_ZAVP_COLOR_GREEN, nullptr, FALSE));

        // Back on the standard page a double click on a honeycomb cell ends the dialog with it.
        pSheet->SetActivePage(0);
        const CZAVPColorCell* pCell = one.m_hexpicker.GetCell(30);
        ASSERT_NE(nullptr, pCell);
        clrPicked = pCell->m_color;
        const LPARAM lPoint = MAKELPARAM(pCell->m_ptCentre.x, pCell->m_ptCentre.y);
        one.m_hexpicker.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
        one.m_hexpicker.SendMessage(WM_LBUTTONUP, 0, lPoint);
        EXPECT_EQ(pCell->m_color, dlg.GetColor());
        one.m_hexpicker.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, lPoint);
    });
    EXPECT_EQ(IDOK, dlg.DoModal());
    EXPECT_TRUE(bRan);
    EXPECT_EQ(clrPicked, dlg.GetColor());
}
