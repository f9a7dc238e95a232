// The ground every other test stands on: the Wine prefix speaks code page 1251, and drives X:
// and Y: of the test prefix are CD-ROM drives, X: with the label from its `.windows-label`.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include "CdromFixture.h"

TEST(WineHarness, AnsiCodePageIs1251)
{
    EXPECT_EQ(1251u, GetACP());
    // A Cyrillic letter survives the round trip through the ANSI code page.
    const wchar_t wide[] = L"\x0416";  // Ж
    char narrow[8] = {};
    ASSERT_EQ(2, WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr));
    EXPECT_EQ('\xC6', narrow[0]);
}

TEST(WineHarness, CdromDrivesReportTypeAndLabel)
{
    CdromFixture disc;
    CdromFixture unlabelled(CdromFixture::Unlabelled);
    ASSERT_FALSE(CdromFixture::Label().empty());
    const std::string root = disc.Root();
    EXPECT_EQ(DRIVE_CDROM, GetDriveTypeA(root.c_str()));
    EXPECT_EQ(DRIVE_CDROM, GetDriveTypeA(unlabelled.Root().c_str()));

    char label[MAX_PATH] = {};
    ASSERT_TRUE(GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr,
                                      nullptr, 0));
    EXPECT_EQ(CdromFixture::Label(), label);
    ASSERT_TRUE(GetVolumeInformationA(unlabelled.Root().c_str(), label, sizeof label, nullptr,
                                      nullptr, nullptr, nullptr, 0));
    EXPECT_STREQ("", label);

    // The content is live: a file laid out now is seen at once.
    disc.AddFile("readme.txt", "hello");
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((root + "readme.txt").c_str(), &fd);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    FindClose(h);
    EXPECT_EQ(5u, fd.nFileSizeLow);
}
