// The shared toolbar data and the parameters under "%sZAVToolbarParameters".
#include <gtest/gtest.h>

#include "ToolbarTestSupport.h"
#include "ui/foundation/CZAVPVisualManager.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPToolBar.h"
#include "ui/toolbars/ZAVPToolBarMessages.h"

namespace
{
class ToolBarParametersTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        DeleteTestRoot();
        Defaults();
    }
    void TearDown() override
    {
        DeleteTestRoot();
        Defaults();
    }
    static void Defaults()
    {
        CZAVPToolBar::m_bShowTooltips = TRUE;
        CZAVPToolBar::m_bShowShortcutKeys = TRUE;
        CZAVPToolBar::m_nMenuAnimation = 0;
        CZAVPToolBar::m_bRecentlyUsedMenus = TRUE;
        CZAVPToolBar::m_bShowAllMenusAfterDelay = TRUE;
        ZAVPSharedBarData::g_bMenuShadows = TRUE;
        CZAVPToolBar::SetLargeIcons(FALSE);
        CZAVPVisualManager::GetInstance()->SetLook2000(FALSE);
        CZAVPToolBar::m_UsageCount.Reset();
    }
    const std::string m_profile = TestProfile();
    const std::string m_key = m_profile + "ZAVToolbarParameters";
};
}  // namespace

TEST(ToolBarMessagesTest, ElevenDistinctMessagesRegisteredByName)
{
    const struct
    {
        UINT id;
        const char* name;
    } messages[] = {
        {ZAVPToolBarMessages::PopupMenu, "ZAVTOOLBAR_POPUPMENU"},
        {ZAVPToolBarMessages::Customize, "ZAVTOOLBAR_CUSTOMIZE"},
        {ZAVPToolBarMessages::Create, "ZAVTOOLBAR_CREATE"},
        {ZAVPToolBarMessages::Delete, "ZAVTOOLBAR_DELETE"},
        {ZAVPToolBarMessages::CustomizeHelp, "ZAVTOOLBAR_CUSTOMIZEHELP"},
        {ZAVPToolBarMessages::ResetToolbar, "ZAVTOOLBAR_RESETTOOLBAR"},
        {ZAVPToolBarMessages::ResetMenu, "ZAVTOOLBAR_RESETMENU"},
        {ZAVPToolBarMessages::ShowRegularMenu, "ZAVTOOLBAR_SHOWREGULARMENU"},
        {ZAVPToolBarMessages::ResetContextMenu, "ZAVTOOLBAR_RESETCONTEXTMENU"},
        {ZAVPToolBarMessages::ResetKeyboard, "ZAVTOOLBAR_RESETKEYBAORD"},
        {ZAVPToolBarMessages::ResetPrompt, "ZAVTOOLBAR_RESETRPROMPT"},
    };
    for (const auto& m : messages) {
        EXPECT_GE(m.id, 0xC000u) << m.name;
        EXPECT_EQ(::RegisterWindowMessageA(m.name), m.id) << m.name;
    }
}

TEST(ToolBarSharedDataTest, SizesAndLargeIcons)
{
    EXPECT_EQ(23, CZAVPToolBar::m_sizeButton.cx);
    EXPECT_EQ(22, CZAVPToolBar::m_sizeButton.cy);
    EXPECT_EQ(16, CZAVPToolBar::GetMenuImageSize().cx);  // no menu image size: the image size
    EXPECT_EQ(15, CZAVPToolBar::GetMenuImageSize().cy);

    CZAVPToolBar::SetSizes(SIZE{30, 28}, SIZE{20, 18});
    CZAVPToolBar::SetLargeIcons(TRUE);
    EXPECT_EQ(60, CZAVPToolBar::m_sizeCurButton.cx);
    EXPECT_EQ(36, CZAVPToolBar::m_sizeCurImage.cy);
    EXPECT_EQ(20, CZAVPToolBar::GetMenuImageSize().cx);  // menus keep the plain size
    EXPECT_EQ(40, CZAVPToolBar::m_LargeImages.GetImageSize().cx);
    CZAVPToolBar::SetLargeIcons(FALSE);
    EXPECT_EQ(30, CZAVPToolBar::m_sizeCurButton.cx);
    CZAVPToolBar::SetSizes(SIZE{23, 22}, SIZE{16, 15});
}

TEST(ToolBarSharedDataTest, PermittedCommandsAndTooltipWidth)
{
    EXPECT_TRUE(CZAVPToolBar::IsCommandPermitted(100));  // an empty list permits everything
    CList<UINT, UINT> refused;
    refused.AddTail(100);
    CZAVPToolBar::SetNonPermittedCommands(refused);
    EXPECT_FALSE(CZAVPToolBar::IsCommandPermitted(100));
    EXPECT_TRUE(CZAVPToolBar::IsCommandPermitted(101));
    CZAVPToolBar::SetNonPermittedCommands(CList<UINT, UINT>());

    // Unset by default; a width of 0 or less is never kept (it would wrap after every word).
    EXPECT_EQ(-1, CZAVPToolBar::GetMaxToolTipWidth());
    for (int width : {0, -5}) {
        CZAVPToolBar::SetMaxToolTipWidth(width);
        EXPECT_EQ(-1, CZAVPToolBar::GetMaxToolTipWidth()) << width;
    }
    CZAVPToolBar::SetMaxToolTipWidth(300);
    EXPECT_EQ(300, CZAVPToolBar::GetMaxToolTipWidth());
    CZAVPToolBar::SetMaxToolTipWidth(-1);
}

TEST_F(ToolBarParametersTest, SavedInOrderAsDwordsAndTheUsageImage)
{
    CZAVPToolBar::m_bShowShortcutKeys = FALSE;
    CZAVPToolBar::m_nMenuAnimation = 2;
    CZAVPToolBar::AddCommandUsage(100);
    ASSERT_TRUE(CZAVPToolBar::SaveParameters(m_profile.c_str()));

    const struct
    {
        const char* name;
        DWORD value;
    } dwords[] = {
        {"Tooltips", 1},
        {"ShortcutKeys", 0},
        {"LargeIcons", 0},
        {"MenuAnimation", 2},
        {"RecentlyUsedMenus", 1},
        {"MenuShadows", 1},
        {"ShowAllMenusAfterDelay", 1},
        {"Look2000", 0},
    };
    for (const auto& d : dwords)
        EXPECT_EQ(Dword(d.value), ReadRegistryValue(m_key, d.name)) << d.name;
    EXPECT_EQ(Dword(1) + Hex("01 00") + Dword(100) + Dword(1),
              ReadRegistryValue(m_key, "CommandsUsage"));

    Defaults();
    ASSERT_TRUE(CZAVPToolBar::LoadParameters(m_profile.c_str()));
    EXPECT_FALSE(CZAVPToolBar::m_bShowShortcutKeys);
    EXPECT_EQ(2, CZAVPToolBar::m_nMenuAnimation);
    UINT count = 0;
    EXPECT_TRUE(CZAVPToolBar::m_UsageCount.GetUseCount(100, count));
}

TEST_F(ToolBarParametersTest, ReadingStopsAtTheFirstMissingValue)
{
    // Up to "MenuAnimation", then "RecentlyUsedMenus" is missing: the later values stay, the
    // animation is taken and the old look goes off.
    WriteRegistryDword(m_key, "Tooltips", 0);
    WriteRegistryDword(m_key, "ShortcutKeys", 0);
    WriteRegistryDword(m_key, "LargeIcons", 1);
    WriteRegistryDword(m_key, "MenuAnimation", 3);
    WriteRegistryDword(m_key, "MenuShadows", 0);
    WriteRegistryDword(m_key, "Look2000", 1);
    CZAVPVisualManager::GetInstance()->SetLook2000(TRUE);

    EXPECT_FALSE(CZAVPToolBar::LoadParameters(m_profile.c_str()));
    EXPECT_FALSE(CZAVPToolBar::m_bShowTooltips);
    EXPECT_TRUE(CZAVPToolBar::IsLargeIcons());
    EXPECT_EQ(46, CZAVPToolBar::m_sizeCurButton.cx);  // large icons applied again
    EXPECT_EQ(3, CZAVPToolBar::m_nMenuAnimation);
    EXPECT_TRUE(ZAVPSharedBarData::g_bMenuShadows);  // after the gap: not read
    EXPECT_FALSE(CZAVPVisualManager::GetInstance()->IsLook2000());
}

TEST_F(ToolBarParametersTest, MissingKeyChangesNothingAndDamagedUsageIsRefused)
{
    CZAVPToolBar::m_nMenuAnimation = 1;
    EXPECT_FALSE(CZAVPToolBar::LoadParameters(m_profile.c_str()));
    EXPECT_EQ(1, CZAVPToolBar::m_nMenuAnimation);

    CZAVPToolBar::AddCommandUsage(100);
    ASSERT_TRUE(CZAVPToolBar::SaveParameters(m_profile.c_str()));
    WriteRegistryValue(m_key, "CommandsUsage", Dword(5) + Hex("03 00") + Dword(7));
    EXPECT_FALSE(CZAVPToolBar::LoadParameters(m_profile.c_str()));
    UINT count = 0;
    EXPECT_TRUE(CZAVPToolBar::m_UsageCount.GetUseCount(100, count));
    EXPECT_FALSE(CZAVPToolBar::m_UsageCount.GetUseCount(7, count));
}
