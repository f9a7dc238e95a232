// The user tool: its archive, its icon and the shared default icon.
#include <gtest/gtest.h>

#include "ToolbarTestSupport.h"
#include "ui/toolbars/CZAVPUserTool.h"

namespace
{
// A tool that answers a fixed icon for every command and counts how often it was asked.
class CountingTool : public CZAVPUserTool
{
public:
    HICON LoadToolIcon() override
    {
        ++m_loads;
        return CZAVPUserTool::LoadToolIcon();
    }
    int m_loads = 0;
};
}  // namespace

TEST(UserToolTest, ArchiveIsFourStringsThenTheId)
{
    CZAVPUserTool tool;
    tool.m_strLabel = "Notes";
    tool.SetCommand("C:\\windows\\notepad.exe");
    tool.m_strArguments = "a.txt";
    tool.m_strInitialDirectory = "C:\\";
    tool.m_uiCmdId = 0x1234;
    const Bytes expected = Hex("05 'Notes' 16 'C:\\windows\\notepad.exe' 05 'a.txt' 03 'C:\\'") +
                           Dword(0x1234);
    const Bytes stored = StoreBytes([&](CArchive& ar) { tool.Serialize(ar); });
    EXPECT_EQ(expected, stored);

    CZAVPUserTool loaded;
    ASSERT_TRUE(LoadBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); }));
    EXPECT_STREQ("Notes", loaded.m_strLabel);
    EXPECT_STREQ("C:\\windows\\notepad.exe", loaded.GetCommand());
    EXPECT_STREQ("a.txt", loaded.m_strArguments);
    EXPECT_STREQ("C:\\", loaded.m_strInitialDirectory);
    EXPECT_EQ(0x1234u, loaded.m_uiCmdId);
    EXPECT_NE(nullptr, loaded.GetIcon());  // rebuilt while loading
}

TEST(UserToolTest, SameCommandTwiceKeepsTheIcon)
{
    CountingTool tool;
    tool.SetCommand("notepad.exe");
    const HICON hIcon = tool.GetIcon();
    tool.SetCommand("notepad.exe");
    EXPECT_EQ(1, tool.m_loads);
    EXPECT_EQ(hIcon, tool.GetIcon());
    tool.SetCommand("Notepad.exe");  // case counts
    EXPECT_EQ(2, tool.m_loads);
}

TEST(UserToolTest, UnknownProgramsShareTheDefaultIconWhichOutlivesEachTool)
{
    HICON hDefault = nullptr;
    {
        CZAVPUserTool first;
        first.SetCommand("no-such-program-lornival.exe");
        hDefault = first.GetIcon();
        ASSERT_NE(nullptr, hDefault);
        CZAVPUserTool second;
        second.SetCommand("another-missing-lornival.exe");
        EXPECT_EQ(hDefault, second.GetIcon());
    }
    ICONINFO info = {};
    ASSERT_TRUE(::GetIconInfo(hDefault, &info));  // still alive after both tools were deleted
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);

    CZAVPUserTool third;
    third.SetCommand("no-such-program-lornival.exe");
    EXPECT_EQ(hDefault, third.GetIcon());
}

TEST(UserToolTest, InvokeRefusesAnEmptyCommand)
{
    CZAVPUserTool tool;
    EXPECT_FALSE(tool.Invoke());
    tool.SetCommand("C:\\no\\such\\program-lornival.exe");
    EXPECT_FALSE(tool.Invoke());  // the shell's failure
}
