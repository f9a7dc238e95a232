// The menu button's archive and menu handles, and the popup menu bar's import, export and size,
// without showing any window.
#include <gtest/gtest.h>

#include <string>

#include "ui/toolbars/ToolbarTestSupport.h"
#include "MenuItemsText.h"
#include "framework/CObList.h"
#include "framework/CWnd.h"
#include "ui/toolbars/CZAVPPopupMenuBar.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"
#include "ui/toolbars/ZAVPMenuModel.h"

namespace
{
const UINT kOpen = 101, kSave = 102, kPrint = 104, kDeep = 301;
const UINT kMenuBreak = 0x20000000;

// Open (default), -, Recent > {Deep}, Save (greyed), Print (checked, new column)
HMENU BuildMenu()
{
    HMENU hRecent = CreatePopupMenu();
    AppendMenuA(hRecent, MF_STRING, kDeep, "&Deep");
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, kOpen, "&Open\tCtrl+O");
    AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(hMenu, MF_POPUP, (UINT_PTR)hRecent, "&Recent");
    AppendMenuA(hMenu, MF_STRING | MF_GRAYED, kSave, "&Save");
    AppendMenuA(hMenu, MF_STRING | MF_CHECKED | MF_MENUBREAK, kPrint, "&Print");
    SetMenuDefaultItem(hMenu, kOpen, FALSE);
    return hMenu;
}

std::string Describe(const std::vector<ZAVPMenuItem>& items) { return DescribeMenuItems(items); }
std::string Describe(HMENU hMenu)
{
    ZAVPMenuModel::ImportResult result;
    if (hMenu == nullptr || !ZAVPMenuModel::Import(hMenu, ZAVPMenuModel::ImportOptions(), result))
        return "(none)";
    return Describe(result.items);
}

// A button nested n sub-menus deep.
CZAVPToolbarMenuButton* Nested(int nDepth)
{
    CZAVPToolbarMenuButton* pButton = new CZAVPToolbarMenuButton((UINT)-1, nullptr, -1, "Sub");
    if (nDepth > 0) {
        CZAVPToolbarMenuButton* pInner = Nested(nDepth - 1);
        pButton->AddSubItem(*pInner);
        delete pInner;
    }
    return pButton;
}
}  // namespace

TEST(MenuButton, MenuHandleRoundTripKeepsSeparatorsSubMenusColumnsAndTheDefault)
{
    HMENU hMenu = BuildMenu();
    CZAVPToolbarMenuButton button((UINT)-1, hMenu, -1, "&File");
    ASSERT_EQ(5, button.GetCommands().GetCount());
    HMENU hCopy = button.CreateMenu();
    // States live in the menu the application updates, not in the button.
    EXPECT_EQ("&Open\tCtrl+O:*=101 - &Recent>{&Deep=301} &Save=102 |&Print=104", Describe(hCopy));
    DestroyMenu(hCopy);
    DestroyMenu(hMenu);

    // A command button without items is a plain button unless it is menu-only.
    CZAVPToolbarMenuButton plain(kOpen, nullptr, -1, "Open");
    EXPECT_EQ(nullptr, plain.CreateMenu());
    plain.m_bMenuOnly = TRUE;
    HMENU hEmpty = plain.CreateMenu();
    ASSERT_NE(nullptr, hEmpty);
    EXPECT_EQ(0, GetMenuItemCount(hEmpty));
    DestroyMenu(hEmpty);
}

TEST(MenuButton, ArchiveAppendsTearOffPaletteFromOneVersionOnAndTheItems)
{
    CZAVPToolbarMenuButton button((UINT)-1, nullptr, -1, "Tools");
    button.SetTearOffId(0x9000);
    button.m_bMenuPaletteMode = TRUE;
    button.m_nPaletteRows = 3;
    const struct
    {
        int major, minor;
        bool palette;
    } versions[] = {{-1, -1, true}, {6, 52, true}, {6, 70, true}, {7, 0, true}, {6, 51, false}};
    for (const auto& v : versions) {
        VersionedWorkspace workspace(v.major, v.minor);
        const Bytes base = StoreBytes(
            [&](CArchive& ar) { button.CZAVPToolbarButton::Serialize(ar); });
        const Bytes tail = Dword(0x9000) + (v.palette ? Dword(1) + Dword(3) : Bytes()) +
                           Hex("00 00");  // no items
        const Bytes stored = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });
        EXPECT_EQ(base + tail, stored) << v.major << "." << v.minor;

        CZAVPToolbarMenuButton loaded;
        ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
        EXPECT_EQ(0x9000u, loaded.GetTearOffId());
        EXPECT_EQ(v.palette, loaded.m_bMenuPaletteMode != FALSE);
        EXPECT_EQ(v.palette ? 3 : 1, loaded.m_nPaletteRows);
    }
}

TEST(MenuButton, ItemsRoundTripThroughTheArchive)
{
    VersionedWorkspace workspace(6, 70);
    HMENU hMenu = BuildMenu();
    CZAVPToolbarMenuButton button((UINT)-1, hMenu, -1, "&File");
    DestroyMenu(hMenu);
    const Bytes stored = StoreBytes([&](CArchive& ar) { button.Serialize(ar); });

    CZAVPToolbarMenuButton loaded;
    loaded.AddSubItem(CZAVPToolbarButton(999, -1, "stale"));
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_TRUE(loaded.CompareWith(button));
    EXPECT_STREQ("&File", loaded.m_strText);
    HMENU hCopy = loaded.CreateMenu();
    EXPECT_EQ("&Open\tCtrl+O=101 - &Recent>{&Deep=301} &Save=102 |&Print=104", Describe(hCopy));
    DestroyMenu(hCopy);

    // A different sub-menu item makes them differ.
    CZAVPToolbarMenuButton other((UINT)-1, nullptr, -1, "&File");
    other.CopyFrom(button);
    EXPECT_TRUE(other.CompareWith(button));
    CZAVPToolbarMenuButton* pRecent = static_cast<CZAVPToolbarMenuButton*>(
        other.GetCommands().GetAt(other.GetCommands().FindIndex(2)));
    pRecent->AddSubItem(CZAVPToolbarButton(kPrint, -1, "x"));
    EXPECT_FALSE(other.CompareWith(button));
}

TEST(MenuButton, DamagedItemListsLoadNothing)
{
    VersionedWorkspace workspace(6, 70);
    // An item of a class that is no button.
    CZAVPToolbarMenuButton button((UINT)-1, nullptr, -1, "Edit");
    const Bytes head = StoreBytes([&](CArchive& ar) { button.CZAVPToolbarButton::Serialize(ar); });
    const Bytes notAButton = head + Dword(0) + Dword(0) + Dword(1) +
                             Hex("01 00 FF FF 01 00 0C 00 'CZAVPToolBar'");
    CZAVPToolbarMenuButton loaded;
    EXPECT_FALSE(LoadBytes(notAButton, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(0, loaded.GetCommands().GetCount());

    // A list that ends early.
    CZAVPToolbarMenuButton full((UINT)-1, nullptr, -1, "Edit");
    full.AddSubItem(CZAVPToolbarButton(kOpen, -1, "Open"));
    Bytes cut = StoreBytes([&](CArchive& ar) { full.Serialize(ar); });
    cut.resize(cut.size() - 6);
    EXPECT_FALSE(LoadBytes(cut, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(0, loaded.GetCommands().GetCount());

    // Sub-menus nested beyond any real menu are refused before they exhaust the stack; a deep
    // but sane menu still loads.
    for (int nDepth : {20, 400}) {
        CZAVPToolbarMenuButton* pDeep = Nested(nDepth);
        const Bytes stored = StoreBytes([&](CArchive& ar) { pDeep->Serialize(ar); });
        delete pDeep;
        CZAVPToolbarMenuButton reread;
        EXPECT_EQ(nDepth == 20, LoadBytes(stored, [&](CArchive& ar) { reread.Serialize(ar); }))
            << nDepth;
    }
}

// ---- the popup menu bar, in a hidden window of its own

class PopupMenuBarTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_bar.Create(CWnd::GetDesktopWindow(), WS_CHILD | CBRS_ALIGN_LEFT, 1));
    }
    void TearDown() override { m_bar.DestroyWindow(); }
    CZAVPPopupMenuBar m_bar;
};

TEST_F(PopupMenuBarTest, ImportReadsStatesAndExportGivesTheMenuBack)
{
    HMENU hMenu = BuildMenu();
    ASSERT_TRUE(m_bar.ImportFromMenu(hMenu, TRUE));
    ASSERT_EQ(5, m_bar.GetCount());
    EXPECT_EQ(kOpen, m_bar.GetDefaultCommand());
    EXPECT_EQ(0u, m_bar.GetButton(0)->m_nStyle & (TBBS_DISABLED | TBBS_CHECKED));
    EXPECT_TRUE(m_bar.GetButton(1)->IsSeparator());
    EXPECT_NE(0u, m_bar.GetButton(3)->m_nStyle & TBBS_DISABLED);
    EXPECT_NE(0u, m_bar.GetButton(4)->m_nStyle & TBBS_CHECKED);
    EXPECT_NE(0u, m_bar.GetButton(4)->m_nStyle & kMenuBreak);

    HMENU hCopy = m_bar.ExportToMenu();
    EXPECT_EQ(Describe(hMenu), Describe(hCopy));
    DestroyMenu(hCopy);
    DestroyMenu(hMenu);

    EXPECT_FALSE(m_bar.ImportFromMenu(nullptr));
    EXPECT_EQ(0, m_bar.GetCount());
}

TEST_F(PopupMenuBarTest, AnEmptyMenuMeasures52By22AndAColumnBreakWidensIt)
{
    EXPECT_EQ(CSize(52, 22), m_bar.CalcSize(TRUE));

    HMENU hOne = CreatePopupMenu();
    AppendMenuA(hOne, MF_STRING, kOpen, "Open");
    AppendMenuA(hOne, MF_STRING, kSave, "Save");
    HMENU hTwo = CreatePopupMenu();
    AppendMenuA(hTwo, MF_STRING, kOpen, "Open");
    AppendMenuA(hTwo, MF_STRING | MF_MENUBREAK, kSave, "Save");
    ASSERT_TRUE(m_bar.ImportFromMenu(hOne, TRUE));
    const CSize sizeOne = m_bar.CalcSize(TRUE);
    ASSERT_TRUE(m_bar.ImportFromMenu(hTwo, TRUE));
    const CSize sizeTwo = m_bar.CalcSize(TRUE);
    // Two rows in one column against one row in each of two columns.
    EXPECT_EQ(2 * m_bar.GetRowHeight() + 2, sizeOne.cy);
    EXPECT_EQ(m_bar.GetRowHeight() + 2, sizeTwo.cy);
    EXPECT_GT(sizeTwo.cx, sizeOne.cx);
    DestroyMenu(hOne);
    DestroyMenu(hTwo);
}

TEST_F(PopupMenuBarTest, AMaximumWidthCapsTheMenuAndMarksTheItemsThatDoNotFit)
{
    HMENU hMenu = CreatePopupMenu();
    AppendMenuA(hMenu, MF_STRING, kOpen, "Open");
    AppendMenuA(hMenu, MF_STRING, kSave, "Save the whole catalogue under another name");
    ASSERT_TRUE(m_bar.ImportFromMenu(hMenu, TRUE));
    DestroyMenu(hMenu);
    const CSize sizeFree = m_bar.CalcSize(TRUE);

    // 20 pixels short of the long item: it no longer fits, the short one still does.
    const int nMax = sizeFree.cx - 20;
    m_bar.SetMaxWidth(nMax);
    EXPECT_EQ(CSize(nMax, sizeFree.cy), m_bar.CalcSize(TRUE));
    EXPECT_TRUE(m_bar.GetButton(0)->m_bWholeText);
    EXPECT_FALSE(m_bar.GetButton(1)->m_bWholeText);

    // Without a maximum every item shows in full again.
    m_bar.SetMaxWidth(0);
    EXPECT_EQ(sizeFree, m_bar.CalcSize(TRUE));
    EXPECT_TRUE(m_bar.GetButton(1)->m_bWholeText);
}
