// The application's speed goals, measured on the real Lornival.exe from outside, each against a
// baseline measured in the same run:
// - start-up to an idle main window with a large catalogue (default 1,000 discs, 1,000,000 file
//   entries) against loading the same file alone in this process;
// - showing a disc folder of 10,000 files in the item list (from the tree's selection until the
//   list holds every row and the program answers again) against a bare loop inserting the same
//   rows into a list view of this process.
// Run by hand: tools/wine-run.sh build/x86_64/bench/app_bench.exe [--discs N] [--entries N]
//              [--files N] [--runs N]
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include "ProgramUnderTest.h"
#include "RemoteListView.h"
#include "RemoteTreeView.h"
#include "SyntheticCatalog.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseFile.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/FileEntry.h"

namespace
{

const double StartGoal = 1.3;
const double ListGoal = 1.5;
const DWORD ReadyPollMs = 5;
const DWORD ReadyLimitMs = 600000;  // a 1,000,000-entry start under qemu-user takes long
const wchar_t CollectionName[] = L"My collections";
const wchar_t BigDiscName[] = L"Bench disc";
const wchar_t BigFolderName[] = L"Big";
const int ListColumns = 5;

double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(f.QuadPart);
}

double Seconds(const std::function<void()>& work)
{
    const double start = Now();
    work();
    return Now() - start;
}

void Report(const char* what, double measured, double baseline, double goal)
{
    const double ratio = baseline > 0 ? measured / baseline : 0;
    std::printf("%-46s %8.3f s vs %8.3f s  ratio %5.2f  (goal <= %.1f)  %s\n", what, measured,
                baseline, ratio, goal, ratio <= goal ? "ok" : "MISSED");
}

std::wstring ThisFolder()
{
    wchar_t self[MAX_PATH] = {};
    const DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, n);
    return path.substr(0, path.find_last_of(L"\\/"));
}

// A folder beside this program holding a copy of the tree's Lornival.exe (the catalogue file
// lives beside the executable); answers the copy's path.
std::wstring ProgramFolder(const wchar_t* name)
{
    std::wstring tree = ThisFolder() + L"\\";
    for (const char* p = LORNIVAL_PROGRAM_FROM_BENCH; *p != 0; ++p)
        tree += *p == '/' ? L'\\' : wchar_t(*p);
    const std::wstring folder = ThisFolder() + L"\\" + name;
    CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring exe = folder + L"\\Lornival.exe";
    if (!CopyFileW(tree.c_str(), exe.c_str(), FALSE)) return std::wstring();
    return exe;
}

std::string DatabaseBeside(const std::wstring& exe)
{
    const std::wstring path = exe.substr(0, exe.find_last_of(L'\\')) + L"\\My collections.dat";
    char narrow[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, path.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
    return narrow;
}

// Starts the program and waits, polling closely, for its main window to be shown and to answer;
// answers the seconds taken, or a negative value when it did not get there.
double StartToIdle(ProgramUnderTest& program, const std::wstring& exe)
{
    const double start = Now();
    std::string why;
    if (!program.Start(exe, &why)) {
        std::printf("the program did not start: %s\n", why.c_str());
        return -1;
    }
    while (Now() - start < ReadyLimitMs / 1000.0) {
        const HWND main = program.MainWindow();
        DWORD_PTR result = 0;
        if (main != nullptr &&
            SendMessageTimeoutW(main, WM_NULL, 0, 0, SMTO_NORMAL, ReadyLimitMs, &result))
            return Now() - start;
        if (!program.Running()) break;
        Sleep(ReadyPollMs);
    }
    return -1;
}

void Close(ProgramUnderTest& program)
{
    const HWND main = program.MainWindow();
    if (main != nullptr) PostMessageW(main, WM_CLOSE, 0, 0);
    if (!program.WaitForExit(ReadyLimitMs)) program.Kill();
}

HWND FindTree(const ProgramUnderTest& program)
{
    for (HWND top : program.TopLevelWindows())
        for (HWND tree : program.Descendants(top, L"SysTreeView32"))
            if (WindowText(tree) == L"По категориям") return tree;
    return nullptr;
}

HWND FindList(const ProgramUnderTest& program)
{
    const UINT mainViewId = 0xE900;
    const HWND main = program.MainWindow();
    if (main == nullptr) return nullptr;
    for (HWND list : program.Descendants(main, L"SysListView32"))
        if ((UINT)GetDlgCtrlID(list) == mainViewId) return list;
    return nullptr;
}

void MeasureStart(int runs, const SyntheticShape& shape)
{
    const std::wstring exe = ProgramFolder(L"app-bench-start");
    if (exe.empty()) {
        std::printf("start-up: the program could not be copied\n");
        return;
    }
    const std::string database = DatabaseBeside(exe);
    {
        CollectionNode made;
        made.m_name = CollectionName;
        const std::uint64_t entries = MakeSyntheticCatalog(made, shape);
        SaveDatabaseAs(made, database);
        std::printf("start-up catalogue: %d discs, %llu file entries\n", shape.discs,
                    (unsigned long long)entries);
    }
    double start = 1e30, load = 1e30;
    for (int i = 0; i < runs; ++i) {
        ProgramUnderTest program;
        const double t = StartToIdle(program, exe);
        Close(program);
        if (t < 0) {
            std::printf("start-up: the main window never became idle\n");
            return;
        }
        start = std::min(start, t);
        std::unique_ptr<CollectionNode> loaded(new CollectionNode);
        load = std::min(load, Seconds([&] { OpenDatabase(*loaded, database); }));
        loaded.reset();  // freeing the tree is not part of loading it
    }
    Report("start-up to an idle main window vs loading", start, load, StartGoal);
}

void MakeBigFolderCatalogue(const std::string& database, int files)
{
    static const wchar_t* const extensions[] = {L".txt", L".exe", L".dll",
                                                L".jpg", L".doc", L".htm"};
    CollectionNode made;
    made.m_name = CollectionName;
    auto disc = new DiscNode;
    disc->m_name = BigDiscName;
    made.AddChild(disc);
    auto folder = new DiscFolderNode;
    folder->m_name = BigFolderName;
    disc->AddChild(folder);
    std::vector<FileEntry> entries((std::size_t)files);
    for (int i = 0; i < files; ++i) {
        wchar_t name[64];
        std::swprintf(name, 64, L"file%05d%ls", (i * 7919) % files, extensions[i % 6]);
        entries[i].m_name = name;
        entries[i].SetSize((std::uint64_t)i * 1531);
        entries[i].m_time.dwLowDateTime = (DWORD)i * 10000000u;
        entries[i].m_time.dwHighDateTime = 0x01C00000;
    }
    folder->SetEntries(entries);
    SaveDatabaseAs(made, database);
}

// The bare loop: the same rows, text by text, into a report list view of this process.
double InsertBare(const std::vector<std::vector<std::wstring>>& rows,
                  const std::vector<std::wstring>& titles)
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_POPUP | WS_VISIBLE | LVS_REPORT, 0, 0, 800,
                                600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (size_t c = 0; c < titles.size(); ++c) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<LPWSTR>(titles[c].c_str());
        SendMessageW(list, LVM_INSERTCOLUMNW, c, (LPARAM)&column);
    }
    const double t = Seconds([&] {
        for (size_t r = 0; r < rows.size(); ++r) {
            LVITEMW item = {};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = (int)r;
            item.pszText = const_cast<LPWSTR>(rows[r][0].c_str());
            item.lParam = (LPARAM)r;
            const int at = (int)SendMessageW(list, LVM_INSERTITEMW, 0, (LPARAM)&item);
            for (size_t c = 1; c < rows[r].size(); ++c) {
                LVITEMW cell = {};
                cell.iSubItem = (int)c;
                cell.pszText = const_cast<LPWSTR>(rows[r][c].c_str());
                SendMessageW(list, LVM_SETITEMTEXTW, at, (LPARAM)&cell);
            }
        }
    });
    DestroyWindow(list);
    return t;
}

void MeasureList(int runs, int files)
{
    const std::wstring exe = ProgramFolder(L"app-bench-list");
    if (exe.empty()) {
        std::printf("list: the program could not be copied\n");
        return;
    }
    MakeBigFolderCatalogue(DatabaseBeside(exe), files);
    ProgramUnderTest program;
    if (StartToIdle(program, exe) < 0) {
        std::printf("list: the main window never became idle\n");
        Close(program);
        return;
    }
    const RemoteTreeView tree(FindTree(program), program.Process());
    const RemoteListView list(FindList(program), program.Process());
    const HTREEITEM disc = tree.Find({CollectionName, BigDiscName});
    const HTREEITEM folder = tree.Find({CollectionName, BigDiscName, BigFolderName});
    if (tree.Handle() == nullptr || list.Handle() == nullptr || folder == nullptr) {
        std::printf("list: no tree, list or folder item in the program\n");
        Close(program);
        return;
    }
    double shown = 1e30, bare = 1e30;
    std::vector<std::vector<std::wstring>> rows;
    std::vector<std::wstring> titles;
    for (int i = 0; i < runs; ++i) {
        // From the disc (one row) to the folder: the selection fills the list on the way.
        tree.Select(disc);
        program.Idle(ReadyLimitMs);
        const double t = Seconds([&] {
            tree.Select(folder);
            while (list.RowCount() < files && program.Running()) Sleep(ReadyPollMs);
            program.Idle(ReadyLimitMs);
        });
        if (list.RowCount() != files) {
            std::printf("list: the folder showed %d rows, not %d\n", list.RowCount(), files);
            break;
        }
        shown = std::min(shown, t);
        if (rows.empty()) {
            rows = list.Rows();
            titles = list.ColumnTitles();
        }
        bare = std::min(bare, InsertBare(rows, titles));
    }
    Close(program);
    if (!rows.empty() && (int)titles.size() == ListColumns)
        Report("disc folder shown in the list vs bare inserts", shown, bare, ListGoal);
}

}  // namespace

int main(int argc, char** argv)
{
    SyntheticShape shape;
    int files = 10000, runs = 3;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        const int v = std::atoi(argv[i + 1]);
        if (a == "--discs") shape.discs = v;
        if (a == "--entries") shape.entriesPerDisc = v;
        if (a == "--files") files = v;
        if (a == "--runs") runs = v;
    }
    InitCommonControls();
    MeasureList(runs, files);
    MeasureStart(runs, shape);
    return 0;
}
