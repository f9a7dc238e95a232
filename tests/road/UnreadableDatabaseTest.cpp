// A catalogue file the program cannot read: it says so, ends its start-up and leaves the file as
// it was, so that nothing the user had is lost.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "ProgramDialog.h"
#include "RoadSession.h"

TEST(UnreadableDatabase, IsReportedAndLeftUntouched)
{
    RoadSession::DeleteProgramKey();
    const std::wstring exe = RoadSession::FreshProgramFolder(L"road-unreadable");
    ASSERT_FALSE(exe.empty());
    const std::wstring database = RoadSession::FolderOf(exe) + L"\\" + RoadSession::kDatabaseName;
    // The compressor's signature, then bytes no compressed stream can hold.
    const std::string damaged = "BZh5" + std::string(64, '\x5A') + "not a catalogue";
    HANDLE h = CreateFileW(database.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    DWORD written = 0;
    WriteFile(h, damaged.data(), (DWORD)damaged.size(), &written, nullptr);
    CloseHandle(h);

    ProgramUnderTest program;
    std::string why;
    ASSERT_TRUE(program.Start(exe, &why)) << why;
    ProgramDialog box(program.WaitForDialog(std::wstring(), ProgramUnderTest::kStartLimitMs));
    ASSERT_TRUE(box.Exists()) << "no message about the unreadable file";
    EXPECT_EQ(L"Ошибка загрузки базы данных! Продолжение работы невозможно...", box.Message());
    EXPECT_EQ(nullptr, program.MainWindow());
    box.Press(IDOK);

    // Start-up ends: no main window ever comes, the process goes away on its own.
    bool mainWindowShown = false;
    WaitUntil(
        [&] {
            if (program.MainWindow() != nullptr) mainWindowShown = true;
            return mainWindowShown || !program.Running();
        },
        ProgramUnderTest::kStartLimitMs);
    EXPECT_FALSE(program.Running()) << "the program went on after the message";
    EXPECT_FALSE(mainWindowShown);
    const std::vector<BYTE> after = RoadSession::ReadBytes(database);
    EXPECT_EQ(damaged, std::string(after.begin(), after.end()));
    RoadSession::DeleteProgramKey();
}
