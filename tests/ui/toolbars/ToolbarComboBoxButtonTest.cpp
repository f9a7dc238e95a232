// The combo box button: its archive byte for byte (Cyrillic items, data words), damaged records,
// and on real toolbars the combo it keeps, the selection and text the buttons of one command
// share, the plain size in a vertical bar, the list a click drops, and the selection a toolbar
// keeps across a restart.
#include <gtest/gtest.h>

#include <string>

#include "ToolbarTestSupport.h"
#include "framework/CArchive.h"
#include "framework/CComboBox.h"
#include "framework/CDC.h"
#include "framework/CFrameWnd.h"
#include "framework/CObList.h"
#include "ui/toolbars/CCustomizeButton.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/CZAVPToolbarComboBoxButton.h"
#include "ui/toolbars/CZAVPToolbarComboEdit.h"

namespace
{
const UINT kDrive = 33101;
// "Диск" and "Папка" in the program's code page.
const char kDisc[] = "\xC4\xE8\xF1\xEA";
const char kFolder[] = "\xCF\xE0\xEF\xEA\xE0";

Bytes Archived(const CString& text)
{
    return StoreBytes([&](CArchive& ar) { ar << text; });
}

class ToolbarComboArchiveTest : public ::testing::Test
{
protected:
    void SetUp() override { GetCommandManager()->ClearAll(); }
    void TearDown() override { GetCommandManager()->ClearAll(); }

    // A stored combo button: a plain button record, then the combo's own fields.
    static Bytes Record(DWORD width, DWORD style, DWORD sel, const Bytes& text, DWORD height,
                        const Bytes& tail)
    {
        CZAVPToolbarButton plain(kDrive, -1);
        return StoreBytes([&](CArchive& ar) { plain.Serialize(ar); }) + Dword(width) +
               Dword(style) + Dword(sel) + text + Dword(height) + tail;
    }
    static void Fill(CZAVPToolbarComboBoxButton& button)
    {
        button.AddItem(kDisc, 7);
        button.AddItem(kFolder, 0x12345678);
        button.AddItem("C:", 0);
    }
};

TEST_F(ToolbarComboArchiveTest, RoundTripByteForByte)
{
    VersionedWorkspace workspace(6, 70);
    CZAVPToolbarComboBoxButton button(kDrive, -1, CZAVPToolbarComboBoxButton::kDefaultComboStyle,
                                      180);
    Fill(button);
    ASSERT_TRUE(button.SelectEntry(1, FALSE));
    button.m_uiMenuResID = 140;
    const Bytes stored = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    // The items: their count as a word, the strings, then one data word each.
    const Bytes items = Hex("03 00") + Archived(kDisc) + Archived(kFolder) + Archived("C:") +
                        Dword(7) + Dword(0x12345678) + Dword(0);
    EXPECT_EQ(Record(180, 0x50200403, 1, Archived(kFolder), 150, Dword(140) + items), stored);

    CZAVPToolbarComboBoxButton loaded;
    loaded.m_rect = CRect(10, 0, 20, 22);
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(180, loaded.GetWidth());
    EXPECT_EQ(190, loaded.m_rect.right);
    EXPECT_EQ(3, loaded.GetCount());
    EXPECT_EQ(CString(kFolder), loaded.GetItem(1));
    EXPECT_EQ(0x12345678u, loaded.GetItemData(1));
    EXPECT_EQ(1, loaded.GetCurSel());
    EXPECT_EQ(CString(kFolder), loaded.GetText());
    EXPECT_EQ(140u, loaded.m_uiMenuResID);

    // Before 6.41 there is no menu id.
    VersionedWorkspace older(6, 40);
    const Bytes storedOld = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
    EXPECT_EQ(Record(180, 0x50200403, 1, Archived(kFolder), 150, items), storedOld);
}

TEST_F(ToolbarComboArchiveTest, DamagedRecordsFailAndChangeNothing)
{
    VersionedWorkspace workspace(6, 70);
    const Bytes items = Hex("01 00") + Archived("A") + Dword(5);
    const Bytes good = Record(120, 0x50200403, 0, Archived("A"), 150, Dword(0) + items);
    const struct
    {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"negative width", Record((DWORD)-5, 0x50200403, 0, Archived("A"), 150, Dword(0) + items)},
        {"not a child", Record(120, 0x10200403, 0, Archived("A"), 150, Dword(0) + items)},
        {"a popup", Record(120, 0xD0200403, 0, Archived("A"), 150, Dword(0) + items)},
        {"absurd list height",
         Record(120, 0x50200403, 0, Archived("A"), 0x7FFFFFFF, Dword(0) + items)},
        {"selection past the items",
         Record(120, 0x50200403, 1, Archived("A"), 150, Dword(0) + items)},
        {"selection below -1",
         Record(120, 0x50200403, (DWORD)-2, Archived("A"), 150, Dword(0) + items)},
        {"huge item count",
         Record(120, 0x50200403, 0, Archived("A"), 150, Dword(0) + Hex("FF FF 00 00 01 00"))},
        {"items cut short", Bytes(good.begin(), good.end() - 2)},
        {"data words missing", Bytes(good.begin(), good.end() - 4)},
    };
    for (const auto& c : cases) {
        CZAVPToolbarComboBoxButton button(kDrive, -1);
        button.AddItem("before", 1);
        button.SelectEntry(0, FALSE);
        EXPECT_FALSE(LoadBytes(c.bytes, [&](CArchive& ar) { button.Serialize(ar); })) << c.what;
        EXPECT_EQ(1, button.GetCount()) << c.what;
        EXPECT_EQ(CString("before"), button.GetItem(0)) << c.what;
        EXPECT_EQ(0, button.GetCurSel()) << c.what;
        EXPECT_EQ(150, button.GetWidth()) << c.what;
        EXPECT_EQ(CZAVPToolbarComboBoxButton::kDefaultComboStyle, button.GetComboStyle()) << c.what;
    }
    CZAVPToolbarComboBoxButton button(kDrive, -1);
    EXPECT_TRUE(LoadBytes(good, [&](CArchive& ar) { button.Serialize(ar); }));
    EXPECT_EQ(5u, button.GetItemData(0));
}

TEST_F(ToolbarComboArchiveTest, CopyTakesItemsAndSelectionButNotTheText)
{
    CZAVPToolbarComboBoxButton button(kDrive, -1);
    Fill(button);
    button.SelectEntry(2, FALSE);
    CZAVPToolbarComboBoxButton copy;
    copy.CopyFrom(button);
    EXPECT_EQ(3, copy.GetCount());
    EXPECT_EQ(2, copy.GetCurSel());
    EXPECT_EQ(0x12345678u, copy.GetItemData(1));
    EXPECT_EQ(CString(""), copy.GetText());
    EXPECT_FALSE(button.SelectEntry(3, FALSE));
    EXPECT_FALSE(button.SelectEntry(-1, FALSE));
    EXPECT_EQ(2, button.GetCurSel());
}

// Two bars of a frame, each with a combo button of the same command.
class ToolbarComboWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DeleteTestRoot();
        GetCommandManager()->ClearAll();
        ASSERT_TRUE(m_frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW));
        ASSERT_TRUE(m_first.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE820));
        ASSERT_TRUE(m_second.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE821));
        m_pFirst = AddCombo(m_first);
        m_pSecond = AddCombo(m_second);
    }
    void TearDown() override
    {
        m_frame.DestroyWindow();
        DeleteTestRoot();
    }
    CZAVPToolbarComboBoxButton* AddCombo(CZAVPToolBar& bar)
    {
        CZAVPToolbarComboBoxButton* pCombo = new CZAVPToolbarComboBoxButton(kDrive, -1);
        pCombo->AddItem(kDisc, 1);
        pCombo->AddItem(kFolder, 2);
        pCombo->AddItem("C:", 3);
        EXPECT_GE(bar.InsertButton(pCombo), 0);
        bar.AdjustLayout();
        return pCombo;
    }
    // The user picks an item in the button's list.
    static void Pick(CZAVPToolBar& bar, CZAVPToolbarComboBoxButton* pCombo, int iItem)
    {
        const HWND hwndCombo = pCombo->GetHwnd();
        ::SendMessageA(hwndCombo, CB_SETCURSEL, iItem, 0);
        bar.SendMessage(WM_COMMAND, MAKEWPARAM(kDrive, CBN_SELENDOK), (LPARAM)hwndCombo);
    }

    CFrameWnd m_frame;
    CZAVPToolBar m_first;
    CZAVPToolBar m_second;
    CZAVPToolbarComboBoxButton* m_pFirst = nullptr;
    CZAVPToolbarComboBoxButton* m_pSecond = nullptr;
};

TEST_F(ToolbarComboWindowTest, ComboIsAHiddenChildFilledFromTheItems)
{
    const HWND hwndCombo = m_pFirst->GetHwnd();
    ASSERT_NE(nullptr, hwndCombo);
    EXPECT_EQ(m_first.GetSafeHwnd(), ::GetParent(hwndCombo));
    EXPECT_EQ((int)kDrive, ::GetDlgCtrlID(hwndCombo));
    EXPECT_EQ(3, (int)::SendMessageA(hwndCombo, CB_GETCOUNT, 0, 0));
    EXPECT_EQ(2, (int)::SendMessageA(hwndCombo, CB_GETITEMDATA, 1, 0));
    // Flat mode: the button paints the combo; its window stays hidden.
    EXPECT_FALSE(::GetWindowLongA(hwndCombo, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(150, m_pFirst->m_rect.Width());
    EXPECT_FALSE(m_pFirst->GetComboRect().IsRectEmpty());
    EXPECT_EQ(nullptr, m_pFirst->GetFlatEdit());  // a drop-down list has no edit
}

TEST_F(ToolbarComboWindowTest, SelectionInOneBarSelectsTheSameItemInTheOther)
{
    Pick(m_first, m_pFirst, 1);
    EXPECT_EQ(1, m_pFirst->GetCurSel());
    EXPECT_EQ(CString(kFolder), m_pFirst->GetText());
    EXPECT_EQ(1, m_pSecond->GetCurSel());
    EXPECT_EQ(CString(kFolder), m_pSecond->GetText());
    EXPECT_EQ(1, (int)::SendMessageA(m_pSecond->GetHwnd(), CB_GETCURSEL, 0, 0));

    // A copy placed on a third bar takes the command's current state from the others.
    CZAVPToolbarComboBoxButton fresh(kDrive, -1);
    fresh.SyncFromToolbars();
    EXPECT_EQ(1, fresh.GetCurSel());
    EXPECT_EQ(3, fresh.GetCount());
}

TEST_F(ToolbarComboWindowTest, TypedTextGoesToTheOtherEditableCombo)
{
    for (CZAVPToolbarComboBoxButton** pp : {&m_pFirst, &m_pSecond}) {
        CZAVPToolBar& bar = pp == &m_pFirst ? m_first : m_second;
        bar.RemoveButton(0);
        *pp = new CZAVPToolbarComboBoxButton(kDrive, -1, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN);
        ASSERT_GE(bar.InsertButton(*pp), 0);
        bar.AdjustLayout();
    }
    ASSERT_NE(nullptr, m_pFirst->GetFlatEdit());
    ::SetWindowTextA(m_pFirst->GetHwnd(), "X:\\");
    m_first.SendMessage(WM_COMMAND, MAKEWPARAM(kDrive, CBN_EDITCHANGE),
                        (LPARAM)m_pFirst->GetHwnd());
    EXPECT_EQ(CString("X:\\"), m_pFirst->GetText());
    EXPECT_EQ(CString("X:\\"), m_pSecond->GetText());
    char buffer[32] = "";
    ::GetWindowTextA(m_pSecond->GetFlatEdit()->GetSafeHwnd(), buffer, sizeof buffer);
    EXPECT_STREQ("X:\\", buffer);
}

TEST_F(ToolbarComboWindowTest, VerticalBarGivesThePlainButtonSize)
{
    CDC dc;
    dc.Attach(::GetDC(nullptr));
    const CSize sizeDefault(23, 22);
    CZAVPToolbarButton plain(kDrive, -1);
    EXPECT_EQ(CSize(plain.OnCalculateSize(&dc, sizeDefault, FALSE)),
              CSize(m_pFirst->OnCalculateSize(&dc, sizeDefault, FALSE)));
    EXPECT_FALSE(m_pFirst->OnClick(&m_first));  // no combo to drop in a vertical bar
    const CSize sizeHorz = m_pFirst->OnCalculateSize(&dc, sizeDefault, TRUE);
    EXPECT_EQ(150, sizeHorz.cx);
    ::ReleaseDC(nullptr, dc.Detach());
}

TEST_F(ToolbarComboWindowTest, ClickDropsTheListOfTheFlatCombo)
{
    m_frame.ShowWindow(SW_SHOW);
    EXPECT_FALSE(m_pFirst->IsListDropped());
    EXPECT_TRUE(m_pFirst->OnClick(&m_first));
    EXPECT_TRUE(m_pFirst->HasFocus());
    m_pFirst->DropList(FALSE);
    EXPECT_FALSE(m_pFirst->IsListDropped());
}

TEST_F(ToolbarComboWindowTest, SelectionSurvivesARestartOfTheToolbar)
{
    VersionedWorkspace workspace(6, 70);
    const std::string profile = TestProfile();
    Pick(m_first, m_pFirst, 2);
    ASSERT_TRUE(m_first.SaveState(profile.c_str()));
    m_first.DestroyWindow();

    CZAVPToolBar again;
    ASSERT_TRUE(again.Create(&m_frame, WS_CHILD | WS_VISIBLE | CBRS_TOP, 0xE820));
    again.LoadState(profile.c_str());
    ASSERT_EQ(1, again.GetCount());
    CZAVPToolbarComboBoxButton* pLoaded = dynamic_cast<CZAVPToolbarComboBoxButton*>(
        again.GetButton(0));
    ASSERT_NE(nullptr, pLoaded);
    again.AdjustLayout();
    EXPECT_EQ(2, pLoaded->GetCurSel());
    EXPECT_EQ(CString("C:"), pLoaded->GetText());
    ASSERT_NE(nullptr, pLoaded->GetHwnd());
    EXPECT_EQ(2, (int)::SendMessageA(pLoaded->GetHwnd(), CB_GETCURSEL, 0, 0));
    EXPECT_EQ(3u, pLoaded->GetItemData(2));
    again.DestroyWindow();
}
}  // namespace
