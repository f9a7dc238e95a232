// The run of Lornival.exe that the road's steps share: a copy of this tree's program in a fresh
// folder of its own (the catalogue file lives beside the executable), a fresh registry key, the
// test CD-ROM laid out with a known tree, and the ways to reach the program's main windows.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include <vector>
#include "CdromFixture.h"
#include "ProgramDialog.h"
#include "ProgramUnderTest.h"
#include "RemoteListView.h"
#include "RemoteTreeView.h"

class RoadSession
{
public:
    // Where the program keeps its settings and column widths (HKEY_CURRENT_USER).
    static const wchar_t kProgramKey[];
    static const wchar_t kDatabaseName[];
    static const UINT kListId = 0xE900;       // the frame's main view
    static const UINT kStatusBarId = 0xE801;  // the frame's status bar

    // This tree's Lornival.exe, found beside the test programs.
    static std::wstring TreeProgram();
    // Empties (or makes) the folder `name` beside this test program and copies the program
    // into it; answers the copy's path, empty when that failed.
    static std::wstring FreshProgramFolder(const std::wstring& name);
    static std::wstring FolderOf(const std::wstring& path);
    static bool DeleteProgramKey();
    // Values under the program's key; `found` tells a missing value from an empty one.
    static std::wstring ReadString(const std::wstring& section, const std::wstring& value,
                                   bool* found = nullptr);
    static std::vector<BYTE> ReadBinary(const std::wstring& section, const std::wstring& value);
    static bool ReadDword(const std::wstring& section, const std::wstring& value, DWORD& out);
    static std::vector<BYTE> ReadBytes(const std::wstring& path);
    static bool FileExists(const std::wstring& path);

    ProgramUnderTest& Program() { return *m_program; }
    const ProgramUnderTest& Program() const { return *m_program; }
    // Starts the program (again, once the last copy has ended) from its folder.
    bool StartProgram(std::string* why);
    // A run of its own: a fresh registry key, a copy of the tree's program in a fresh folder
    // named `name`, started. Empty when it runs, else why not.
    std::string StartInFreshFolder(const std::wstring& name);
    std::wstring& ExePath() { return m_exe; }
    std::wstring DatabasePath() const { return FolderOf(m_exe) + L"\\" + kDatabaseName; }

    HWND Main() const { return m_program->MainWindow(); }
    // The category tree and the item list, wherever their bars are (docked or floating).
    HWND TreeWindow() const;
    HWND ListWindow() const;
    RemoteTreeView Tree() const { return RemoteTreeView(TreeWindow(), m_program->Process()); }
    RemoteListView List() const { return RemoteListView(ListWindow(), m_program->Process()); }
    // The workspace bar: the bar that holds the tree's tab, a child of the frame while docked
    // and of a mini frame while floating.
    HWND WorkspaceBar() const;
    ProgramDialog WaitDialog(const std::wstring& caption = std::wstring(),
                             DWORD limitMs = ProgramUnderTest::kLimitMs) const
    {
        return ProgramDialog(m_program->WaitForDialog(caption, limitMs));
    }
    // Waits until the list shows exactly these names in column 0, in this order.
    bool WaitForListNames(const std::vector<std::wstring>& names,
                          DWORD limitMs = ProgramUnderTest::kLimitMs) const;
    bool WaitForCaret(const std::vector<std::wstring>& path,
                      DWORD limitMs = ProgramUnderTest::kLimitMs) const;

private:
    std::unique_ptr<ProgramUnderTest> m_program{new ProgramUnderTest};
    std::wstring m_exe;
};
