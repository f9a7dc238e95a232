// The application's speed goals, measured on the real Lornival.exe from outside, each against the
// platform's fastest way of doing the same work in this process, measured in the same run:
// - start-up to an idle main window with a large catalogue (default 10,000 discs, 1,000,000 file
//   entries) against loading the same file alone;
// - showing a disc folder of 10,000 files in the item list (from the tree's selection until the
//   list holds every row and the program answers again) against inserting the same rows into a
//   visible report list view as one batch with its drawing off (an owner-data list beside it);
// - a search with 10,000 and 100,000 hits (from the search button until every hit is listed, the
//   count shows them all and the dialog answers) against adding as many items to a visible
//   owner-drawn list box of the same kind with its drawing off.
// Run by hand: tools/wine-run.sh build/x86_64/bench/app_bench.exe [--discs N] [--entries N]
//              [--files N] [--hits N,N...] [--runs N] [--only start|list|search]
//              [--program other\Lornival.exe]
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
const double SearchGoal = 2.0;
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
    if (goal <= 0) {  // reported beside a goal, not one itself
        std::printf("%-46s %8.3f s vs %8.3f s  ratio %5.2f\n", what, measured, baseline, ratio);
        return;
    }
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
std::wstring g_program;  // --program: another build's Lornival.exe (for before-and-after figures)

std::wstring ProgramFolder(const wchar_t* name)
{
    std::wstring tree = g_program;
    if (tree.empty()) {
        tree = ThisFolder() + L"\\";
        for (const char* p = LORNIVAL_PROGRAM_FROM_BENCH; *p != 0; ++p)
            tree += *p == '/' ? L'\\' : wchar_t(*p);
    }
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

HWND MakeReportList(const std::vector<std::wstring>& titles, DWORD extraStyle)
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"",
                                WS_POPUP | WS_VISIBLE | LVS_REPORT | extraStyle, 0, 0, 800, 600,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (size_t c = 0; c < titles.size(); ++c) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<LPWSTR>(titles[c].c_str());
        SendMessageW(list, LVM_INSERTCOLUMNW, c, (LPARAM)&column);
    }
    UpdateWindow(list);
    return list;
}

// Lets the window paint what is now invalid, as the program does once its batch is in.
void Repaint(HWND window)
{
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

// The baseline: the same rows, text by text, into a visible report list view of this process as
// one batch with its drawing off, then one repaint.
double InsertBatch(const std::vector<std::vector<std::wstring>>& rows,
                   const std::vector<std::wstring>& titles)
{
    HWND list = MakeReportList(titles, 0);
    const double t = Seconds([&] {
        SendMessageW(list, WM_SETREDRAW, FALSE, 0);
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
        SendMessageW(list, WM_SETREDRAW, TRUE, 0);
        Repaint(list);
    });
    DestroyWindow(list);
    return t;
}

const std::vector<std::vector<std::wstring>>* g_ownerDataRows = nullptr;

LRESULT CALLBACK OwnerDataParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY && g_ownerDataRows != nullptr) {
        NMLVDISPINFOW* info = reinterpret_cast<NMLVDISPINFOW*>(lParam);
        if (info->hdr.code == LVN_GETDISPINFOW && (info->item.mask & LVIF_TEXT) != 0) {
            const auto& row = (*g_ownerDataRows)[(size_t)info->item.iItem];
            const size_t c = (size_t)info->item.iSubItem;
            if (c < row.size())
                lstrcpynW(info->item.pszText, row[c].c_str(), info->item.cchTextMax);
            return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Beside the baseline: the same rows as an owner-data list, which asks only for what it shows.
double ShowOwnerData(const std::vector<std::vector<std::wstring>>& rows,
                     const std::vector<std::wstring>& titles)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = OwnerDataParent;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"AppBenchOwnerDataParent";
    RegisterClassW(&windowClass);
    HWND parent = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                  800, 600, nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_OWNERDATA, 0, 0, 800, 600,
                                parent, nullptr, windowClass.hInstance, nullptr);
    for (size_t c = 0; c < titles.size(); ++c) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 100;
        column.pszText = const_cast<LPWSTR>(titles[c].c_str());
        SendMessageW(list, LVM_INSERTCOLUMNW, c, (LPARAM)&column);
    }
    UpdateWindow(parent);
    g_ownerDataRows = &rows;
    const double t = Seconds([&] {
        SendMessageW(list, LVM_SETITEMCOUNT, rows.size(), 0);
        Repaint(list);
    });
    g_ownerDataRows = nullptr;
    DestroyWindow(parent);
    return t;
}

// Copies the program into the folder `name`, writes its catalogue there with `make` (given the
// file's path) and starts it; false (said as `what`) when the copy or the start failed.
bool StartBeside(ProgramUnderTest& program, const wchar_t* name, const char* what,
                 const std::function<void(const std::string&)>& make)
{
    const std::wstring exe = ProgramFolder(name);
    if (exe.empty()) {
        std::printf("%s: the program could not be copied\n", what);
        return false;
    }
    make(DatabaseBeside(exe));
    if (StartToIdle(program, exe) < 0) {
        std::printf("%s: the main window never became idle\n", what);
        Close(program);
        return false;
    }
    return true;
}

void MeasureList(int runs, int files)
{
    ProgramUnderTest program;
    if (!StartBeside(program, L"app-bench-list", "list",
                     [&](const std::string& file) { MakeBigFolderCatalogue(file, files); }))
        return;
    const RemoteTreeView tree(FindTree(program), program.Process());
    const RemoteListView list(FindList(program), program.Process());
    const HTREEITEM disc = tree.Find({CollectionName, BigDiscName});
    const HTREEITEM folder = tree.Find({CollectionName, BigDiscName, BigFolderName});
    if (tree.Handle() == nullptr || list.Handle() == nullptr || folder == nullptr) {
        std::printf("list: no tree, list or folder item in the program\n");
        Close(program);
        return;
    }
    double shown = 1e30, batch = 1e30, ownerData = 1e30;
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
        batch = std::min(batch, InsertBatch(rows, titles));
        ownerData = std::min(ownerData, ShowOwnerData(rows, titles));
    }
    Close(program);
    if (!rows.empty() && (int)titles.size() == ListColumns) {
        Report("disc folder shown vs batch with drawing off", shown, batch, ListGoal);
        Report("(owner-data list of the same rows)", shown, ownerData, 0);
    }
}

// The search's catalogue: one disc whose folders hold `hits` files named "hit.....txt"; nothing
// else in it matches "hit".
void MakeSearchCatalogue(const std::string& database, int hits)
{
    const int perFolder = 1000;
    CollectionNode made;
    made.m_name = CollectionName;
    auto disc = new DiscNode;
    disc->m_name = L"Search disc";
    made.AddChild(disc);
    for (int first = 0; first < hits; first += perFolder) {
        auto folder = new DiscFolderNode;
        folder->m_name = (L"Part" + std::to_wstring(first / perFolder)).c_str();
        disc->AddChild(folder);
        std::vector<FileEntry> entries((std::size_t)std::min(perFolder, hits - first));
        for (std::size_t i = 0; i < entries.size(); ++i) {
            wchar_t name[32];
            std::swprintf(name, 32, L"hit%06d.txt", first + (int)i);
            entries[i].m_name = name;
            entries[i].SetSize(i * 100);
        }
        folder->SetEntries(entries);
    }
    SaveDatabaseAs(made, database);
}

// The baseline's list box: the search list's kind (owner-drawn, variable height, no strings) in
// a visible parent that measures and draws its items.
const int HitHeight = 16 * 3 + 20;  // a hit under collection, disc and folder

LRESULT CALLBACK OwnerDrawParent(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MEASUREITEM) {
        reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)->itemHeight = HitHeight;
        return TRUE;
    }
    if (message == WM_DRAWITEM) {
        const DRAWITEMSTRUCT* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (draw->itemID != (UINT)-1 && (draw->itemAction & ODA_DRAWENTIRE) != 0) {
            FillRect(draw->hDC, &draw->rcItem, GetSysColorBrush(COLOR_WINDOW));
            static const wchar_t* const lines[] = {L"My collections", L"Search disc", L"Part0",
                                                   L"hit000000.txt"};
            for (int i = 0; i < 4; ++i)
                TextOutW(draw->hDC, draw->rcItem.left + 24 + 16 * i, draw->rcItem.top + 1 + 16 * i,
                         lines[i], lstrlenW(lines[i]));
        }
        return TRUE;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

double AddToListBoxBatch(int items)
{
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = OwnerDrawParent;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"AppBenchOwnerDrawParent";
    RegisterClassW(&windowClass);
    HWND parent = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0,
                                  500, 400, nullptr, nullptr, windowClass.hInstance, nullptr);
    HWND box = CreateWindowExW(0, L"LISTBOX", L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | LBS_NOTIFY |
                                   LBS_OWNERDRAWVARIABLE | LBS_NOINTEGRALHEIGHT,
                               10, 10, 480, 300, parent, nullptr, windowClass.hInstance, nullptr);
    UpdateWindow(parent);
    const double t = Seconds([&] {
        SendMessageW(box, WM_SETREDRAW, FALSE, 0);
        for (int i = 0; i < items; ++i) SendMessageW(box, LB_ADDSTRING, 0, (LPARAM)i);
        SendMessageW(box, WM_SETREDRAW, TRUE, 0);
        Repaint(box);
    });
    DestroyWindow(parent);
    return t;
}

int Count(HWND window, UINT message)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, 0, 0, SMTO_NORMAL, ReadyLimitMs, &result)) return -1;
    return (int)result;
}

// One search in the program's dialog: opens it, types "hit", presses "Поиск" and waits until the
// list holds every hit, the count shows it and the dialog answers; closes the dialog again.
// Answers the seconds from the press, or a negative value. The dialog keeps the last search's
// hits, which would answer the test at once (the questions are sent, so they are answered before
// the press is taken from the queue): a search that finds nothing empties the list first.
double SearchOnce(ProgramUnderTest& program, int hits)
{
    const UINT FindCommand = 32776, SearchText = 1013, Results = 1017, FoundCount = 1020;
    program.PostCommand(FindCommand);
    const HWND dialog = program.WaitForDialog(L"Поиск...", ReadyLimitMs);
    if (dialog == nullptr) return -1;
    const HWND edit = GetDlgItem(dialog, SearchText);
    const HWND results = GetDlgItem(dialog, Results);
    const HWND count = GetDlgItem(dialog, FoundCount);
    const HWND button = GetDlgItem(dialog, IDOK);
    SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)L"no such name");
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)button,
                        SMTO_NORMAL, ReadyLimitMs, &ignored);
    if (!WaitUntil(
            [&] {
                return Count(results, LB_GETCOUNT) == 0 && WindowText(count) == L"0" &&
                       IsWindowVisible(button) != FALSE;
            },
            ReadyLimitMs))
        return -1;
    SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)L"hit");
    const std::wstring all = std::to_wstring(hits);
    const double start = Now();
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)button);
    double t = -1;
    while (Now() - start < ReadyLimitMs / 1000.0 && program.Running()) {
        if (Count(results, LB_GETCOUNT) == hits && WindowText(count) == all &&
            Count(dialog, WM_NULL) >= 0) {
            t = Now() - start;
            break;
        }
        Sleep(ReadyPollMs);
    }
    // Waits for the end of the search, then closes the dialog (its hits are kept for the next
    // showing; the next search clears them).
    WaitUntil([&] { return IsWindowVisible(button) != FALSE; }, ReadyLimitMs);
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    WaitUntil([&] { return IsWindow(dialog) == FALSE || IsWindowVisible(dialog) == FALSE; },
              ReadyLimitMs);
    program.Idle(ReadyLimitMs);
    return t;
}

void MeasureSearch(int runs, int hits)
{
    ProgramUnderTest program;
    if (!StartBeside(program, L"app-bench-search", "search",
                     [&](const std::string& file) { MakeSearchCatalogue(file, hits); }))
        return;
    double searched = 1e30, batch = 1e30;
    for (int i = 0; i < runs; ++i) {
        const double t = SearchOnce(program, hits);
        if (t < 0) {
            std::printf("search: %d hits were not all listed\n", hits);
            break;
        }
        searched = std::min(searched, t);
        batch = std::min(batch, AddToListBoxBatch(hits));
    }
    Close(program);
    if (searched < 1e30) {
        char what[80];
        std::snprintf(what, sizeof what, "search with %d hits vs list box batch", hits);
        Report(what, searched, batch, SearchGoal);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    SyntheticShape shape;
    shape.discs = 10000;
    shape.entriesPerDisc = 100;
    int files = 10000, runs = 3;
    std::vector<int> hits = {10000, 100000};
    std::string only;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i];
        const int v = std::atoi(argv[i + 1]);
        if (a == "--discs") shape.discs = v;
        if (a == "--entries") shape.entriesPerDisc = v;
        if (a == "--files") files = v;
        if (a == "--runs") runs = v;
        if (a == "--only") only = argv[i + 1];
        if (a == "--hits") {
            hits.clear();
            for (const char* p = argv[i + 1]; *p != 0;) {
                hits.push_back(std::atoi(p));
                while (*p != 0 && *p != ',') ++p;
                if (*p == ',') ++p;
            }
        }
        if (a == "--program") {
            for (const char* p = argv[i + 1]; *p != 0; ++p) g_program += wchar_t((unsigned char)*p);
        }
    }
    InitCommonControls();
    if (only.empty() || only == "list") MeasureList(runs, files);
    if (only.empty() || only == "search")
        for (int n : hits) MeasureSearch(runs, n);
    if (only.empty() || only == "start") MeasureStart(runs, shape);
    return 0;
}
