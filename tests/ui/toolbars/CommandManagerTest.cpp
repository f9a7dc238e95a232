// The command manager's images and without-images list, its stored form, and the usage counter.
#include <gtest/gtest.h>

#include "ToolbarTestSupport.h"
#include "ui/foundation/ZAVPSharedBarData.h"
#include "ui/toolbars/CZAVPCommandManager.h"
#include "ui/toolbars/CZAVPCommandUsageStats.h"
#include "ui/toolbars/CZAVPToolBar.h"

namespace
{
Bytes Encoded(std::initializer_list<UINT> ids)
{
    CList<UINT, UINT> list;
    for (UINT id : ids) list.AddTail(id);
    return ZAVPCommandListImage::Encode(list);
}

std::vector<UINT> Items(const CList<UINT, UINT>& list)
{
    std::vector<UINT> items;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) items.push_back(list.GetNext(pos));
    return items;
}
}  // namespace

TEST(CommandManagerTest, ACommandKeepsOneKindOfImage)
{
    CZAVPCommandManager manager;
    manager.RecordCommandImage(100, 3);        // standard
    manager.RecordCommandImage(100, 7, TRUE);  // refused: 100 has a standard image
    manager.RecordCommandImage(200, 5, TRUE);  // user
    manager.RecordCommandImage(200, 1);        // refused: 200 has a user image
    manager.RecordCommandImage(300, -1);       // an absent image does not block the other kind
    manager.RecordCommandImage(300, 4, TRUE);
    manager.RecordCommandImage(0, 9);
    manager.RecordCommandImage((UINT)-1, 9);

    const struct
    {
        UINT id;
        BOOL user;
        int image;
    } cases[] = {
        {100, FALSE, 3},  {100, TRUE, -1}, {200, TRUE, 5},        {200, FALSE, -1}, {300, TRUE, 4},
        {300, FALSE, -1}, {0, FALSE, -1},  {(UINT)-1, FALSE, -1}, {400, FALSE, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.image, manager.GetCommandImage(c.id, c.user)) << c.id << " user " << c.user;

    manager.ForgetUserImage(200);
    EXPECT_EQ(-1, manager.GetCommandImage(200, TRUE));
    manager.ClearAll();
    EXPECT_EQ(-1, manager.GetCommandImage(100));
}

TEST(CommandManagerTest, WithoutImagesListKeepsOrderAndNoDuplicates)
{
    CZAVPCommandManager manager;
    manager.SetMenuImageShown(30, FALSE);
    manager.SetMenuImageShown(10, FALSE);
    manager.SetMenuImageShown(30, FALSE);
    manager.SetMenuImageShown(20, FALSE);
    manager.SetMenuImageShown(10, TRUE);
    manager.SetMenuImageShown(99, TRUE);
    EXPECT_EQ((std::vector<UINT>{30, 20}), Items(manager.GetCommandsWithoutImages()));
    EXPECT_TRUE(manager.IsMenuImageHidden(20));
    EXPECT_FALSE(manager.IsMenuImageHidden(10));
}

TEST(CommandListImageTest, StoredFormIsAWordCountThenDwords)
{
    EXPECT_EQ(Hex("00 00"), Encoded({}));
    EXPECT_EQ(Hex("02 00 64 00 00 00 78 56 34 12"), Encoded({100, 0x12345678}));

    CList<UINT, UINT> list;
    const Bytes longForm = Hex("FF FF 02 00 00 00 01 00 00 00 02 00 00 00");
    ASSERT_TRUE(ZAVPCommandListImage::Decode(longForm.data(), (UINT)longForm.size(), list));
    EXPECT_EQ((std::vector<UINT>{1, 2}), Items(list));
}

TEST(CommandListImageTest, DamagedImagesLeaveTheListAsItWas)
{
    const Bytes damaged[] = {
        Hex(""),                               // nothing
        Hex("01"),                             // half a count
        Hex("02 00 64 00 00 00"),              // one id of two
        Hex("01 00 64 00 00 00 00"),           // a byte too many
        Hex("FF FF 01 00"),                    // half a long count
        Hex("FF FF FF FF FF FF 01 00 00 00"),  // a count far beyond the bytes
    };
    for (const Bytes& bytes : damaged) {
        CList<UINT, UINT> list;
        list.AddTail(7);
        EXPECT_FALSE(ZAVPCommandListImage::Decode(bytes.data(), (UINT)bytes.size(), list))
            << bytes.size();
        EXPECT_EQ(std::vector<UINT>{7}, Items(list));
    }
}

class CommandManagerStateTest : public ::testing::Test
{
protected:
    void SetUp() override { DeleteTestRoot(); }
    void TearDown() override { DeleteTestRoot(); }
    const std::string m_profile = TestProfile();
    const std::string m_key = m_profile + "ZAVCommandManager";
};

TEST_F(CommandManagerStateTest, SavesAndLoadsCommandsWithoutImages)
{
    CZAVPCommandManager manager;
    ASSERT_TRUE(manager.SaveState(m_profile.c_str()));
    EXPECT_EQ(Hex("00 00"), ReadRegistryValue(m_key, "CommandsWithoutImages"));

    manager.SetMenuImageShown(32771, FALSE);
    manager.SetMenuImageShown(57600, FALSE);
    ASSERT_TRUE(manager.SaveState(m_profile.c_str()));
    EXPECT_EQ(Hex("02 00 03 80 00 00 00 E1 00 00"),
              ReadRegistryValue(m_key, "CommandsWithoutImages"));

    CZAVPCommandManager loaded;
    ASSERT_TRUE(loaded.LoadState(m_profile.c_str()));
    EXPECT_EQ((std::vector<UINT>{32771, 57600}), Items(loaded.GetCommandsWithoutImages()));
}

TEST_F(CommandManagerStateTest, MissingOrDamagedValueChangesNothing)
{
    CZAVPCommandManager manager;
    manager.SetMenuImageShown(5, FALSE);
    EXPECT_FALSE(manager.LoadState(m_profile.c_str()));  // no key

    WriteRegistryValue(m_key, "CommandsWithoutImages", Hex("03 00 01 00 00 00"));
    EXPECT_FALSE(manager.LoadState(m_profile.c_str()));
    EXPECT_EQ(std::vector<UINT>{5}, Items(manager.GetCommandsWithoutImages()));
}

// ---- usage counter

class UsageStatsTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        ZAVPSharedBarData::g_bCustomizeMode = FALSE;
        CZAVPToolBar::SetBasicCommands(CList<UINT, UINT>());
    }
};

TEST_F(UsageStatsTest, FrequentMeansStrictlyAboveFivePercent)
{
    const struct
    {
        UINT uses;
        UINT total;
        BOOL frequent;
    } cases[] = {
        {1, 20, FALSE},  // 5 %
        {1, 19, FALSE},  // 100 / 19 = 5 in integers
        {2, 19, TRUE},   // 10 %
        {0, 19, FALSE}, {1, 1, TRUE},
    };
    for (const auto& c : cases) {
        CZAVPCommandUsageStats stats;
        for (UINT i = 0; i < c.uses; ++i) stats.AddUse(1000);
        for (UINT i = c.uses; i < c.total; ++i) stats.AddUse(2000);
        EXPECT_EQ(c.total, stats.GetTotalUsage());
        EXPECT_EQ(c.frequent, stats.IsFrequentlyUsed(1000)) << c.uses << "/" << c.total;
    }
    CZAVPCommandUsageStats empty;
    EXPECT_FALSE(empty.IsFrequentlyUsed(1000));
    EXPECT_TRUE(empty.HasEnoughData());
}

TEST_F(UsageStatsTest, UsesThatAreNeverCounted)
{
    CZAVPToolBar::AddAlwaysVisibleCommand(500);
    CZAVPCommandUsageStats stats;
    for (UINT id : {0u, (UINT)-1, 500u, 57616u, 61440u, 65280u, 57872u}) stats.AddUse(id);
    ZAVPSharedBarData::g_bCustomizeMode = TRUE;
    stats.AddUse(1000);
    EXPECT_EQ(0u, stats.GetTotalUsage());

    ZAVPSharedBarData::g_bCustomizeMode = FALSE;
    stats.AddUse(1000);
    stats.AddUse(1000);
    UINT count = 0;
    EXPECT_TRUE(stats.GetUseCount(1000, count));
    EXPECT_EQ(2u, count);
    EXPECT_FALSE(stats.GetUseCount(500, count));
}

TEST_F(UsageStatsTest, RarelyUsedNeedsBasicCommandsAndNoCustomisation)
{
    CZAVPToolBar::m_UsageCount.Reset();
    EXPECT_FALSE(CZAVPToolBar::IsCommandRarelyUsed(1000));  // no basic commands yet
    CZAVPToolBar::AddAlwaysVisibleCommand(500);
    CZAVPToolBar::AddAlwaysVisibleCommand(500);
    EXPECT_EQ(1, CZAVPToolBar::m_lstBasicCommands.GetCount());
    EXPECT_TRUE(CZAVPToolBar::IsCommandRarelyUsed(1000));  // total 0: nothing is frequent
    EXPECT_FALSE(CZAVPToolBar::IsCommandRarelyUsed(500));
    EXPECT_FALSE(CZAVPToolBar::IsCommandRarelyUsed(57616));
    CZAVPToolBar::AddCommandUsage(1000);
    EXPECT_FALSE(CZAVPToolBar::IsCommandRarelyUsed(1000));
    EXPECT_TRUE(CZAVPToolBar::IsCommandRarelyUsed(1001));
    ZAVPSharedBarData::g_bCustomizeMode = TRUE;
    EXPECT_FALSE(CZAVPToolBar::IsCommandRarelyUsed(1001));
    CZAVPToolBar::AddCommandUsage(1001);
    EXPECT_EQ(1u, CZAVPToolBar::m_UsageCount.GetTotalUsage());
    CZAVPToolBar::m_UsageCount.Reset();
}

TEST_F(UsageStatsTest, StoredAsTotalThenTheMapInBucketOrder)
{
    // Buckets are (id >> 4) % 17: 32 and 304 share bucket 2 (the later one heads its chain),
    // 100 is in bucket 6 and 1000 in bucket 11.
    CZAVPCommandUsageStats stats;
    for (UINT id : {32u, 304u, 304u, 100u, 100u, 100u, 1000u}) stats.AddUse(id);
    const Bytes expected = Dword(7) + Hex("04 00") + Dword(304) + Dword(2) + Dword(32) + Dword(1) +
                           Dword(100) + Dword(3) + Dword(1000) + Dword(1);
    const Bytes stored = StoreBytes([&](CArchive& ar) { stats.Serialize(ar); });
    EXPECT_EQ(expected, stored);

    CZAVPCommandUsageStats loaded;
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_EQ(7u, loaded.GetTotalUsage());
    for (const auto& use : {std::make_pair(32u, 1u), std::make_pair(304u, 2u),
                            std::make_pair(100u, 3u), std::make_pair(1000u, 1u)})
    {
        UINT count = 0;
        EXPECT_TRUE(loaded.GetUseCount(use.first, count));
        EXPECT_EQ(use.second, count) << use.first;
    }
}

TEST_F(UsageStatsTest, AShortImageKeepsTheCounts)
{
    CZAVPCommandUsageStats stats;
    stats.AddUse(1000);
    const Bytes shortImage = Dword(9) + Hex("02 00") + Dword(5) + Dword(9) + Dword(6);
    EXPECT_FALSE(LoadBytes(shortImage, [&](CArchive& ar) { stats.Serialize(ar); }));
    UINT count = 0;
    EXPECT_TRUE(stats.GetUseCount(1000, count));
    EXPECT_FALSE(stats.GetUseCount(5, count));
    EXPECT_EQ(1u, stats.GetTotalUsage());
}
