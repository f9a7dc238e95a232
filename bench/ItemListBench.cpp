// The item list's goal for a large disc folder: gathering the rows of 10,000 files (texts, type
// names, tags), ordering them by name and inserting them into a report list view, as the item list
// does it (one batch with the list's drawing off), against the platform's fastest way of filling
// the same list with the same prepared rows: one batch with its drawing off.
// Run by hand: tools/wine-run.sh build/x86_64/bench/item_list_bench.exe [--files N]
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>
#include "app/FileTypeNames.h"
#include "app/ListControlSort.h"
#include "app/ListRowCollector.h"
#include "app/ListRowOrder.h"
#include "app/RepresentationColumns.h"
#include "catalog/DiscNode.h"
#include "catalog/FileEntry.h"

namespace
{

const double Goal = 1.5;
const int Runs = 3;

double Seconds(const std::function<void()>& work)
{
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&a);
    work();
    QueryPerformanceCounter(&b);
    return double(b.QuadPart - a.QuadPart) / double(f.QuadPart);
}

void MakeFiles(DiscNode& disc, int count)
{
    static const wchar_t* const extensions[] = {L".txt", L".exe", L".dll",
                                                L".jpg", L".doc", L".htm"};
    std::vector<FileEntry> files(count);
    for (int i = 0; i < count; ++i) {
        wchar_t name[64];
        std::swprintf(name, 64, L"file%05d%ls", (i * 7919) % count, extensions[i % 6]);
        files[i].m_name = name;
        files[i].SetSize((std::uint64_t)i * 1531);
        files[i].m_time.dwLowDateTime = (DWORD)i * 10000000u;
        files[i].m_time.dwHighDateTime = 0x01C00000;
    }
    disc.SetEntries(files);
}

HWND MakeList()
{
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 800, 600, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    int index = 0;
    for (const ColumnSpec& def : RepresentationColumns::Columns(RepresentationFiles)) {
        char title[64];
        WideCharToMultiByte(CP_ACP, 0, def.title, -1, title, sizeof title, nullptr, nullptr);
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH;
        column.fmt = def.format;
        column.cx = RepresentationColumns::DefaultWidth;
        column.pszText = title;
        SendMessageA(list, LVM_INSERTCOLUMNA, index++, (LPARAM)&column);
    }
    return list;
}

void InsertRows(HWND list, const std::vector<ListRow>& rows)
{
    SendMessageA(list, LVM_SETITEMCOUNT, rows.size(), 0);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = (int)i;
        item.pszText = const_cast<char*>(rows[i].texts[0].c_str());
        item.iImage = rows[i].image;
        item.lParam = rows[i].data;
        const int at = (int)SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
        for (std::size_t c = 1; c < rows[i].texts.size(); ++c) {
            LVITEMA cell = {};
            cell.iSubItem = (int)c;
            cell.pszText = const_cast<char*>(rows[i].texts[c].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, at, (LPARAM)&cell);
        }
    }
}

struct SortContext
{
    FileTypeNames* types;
    int column;
    int direction;
};

int CALLBACK CompareRowsOfList(LPARAM a, LPARAM b, LPARAM context)
{
    const SortContext* sort = reinterpret_cast<const SortContext*>(context);
    return CompareRows(FileRowLess(a, b, sort->column, *sort->types), sort->direction);
}

// The item list's order for a fill: by name, ascending, as the control's own sort gives it.
void OrderByName(std::vector<ListRow>& rows, FileTypeNames& types)
{
    SortContext sort = {&types, 0, 0};
    SortAsListControl(rows, [&](const ListRow& a, const ListRow& b) {
        return CompareRowsOfList(a.data, b.data, (LPARAM)&sort);
    });
}

}  // namespace

int main(int argc, char** argv)
{
    int count = 10000;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--files") == 0) count = std::max(1, std::atoi(argv[i + 1]));

    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    DiscNode disc;
    MakeFiles(disc, count);
    HWND list = MakeList();
    FileTypeNames& types = FileTypeNames::Shared();
    auto icon = [](const wchar_t*) { return 0; };
    const std::vector<ListRow> prepared =
        ListRowCollector(RepresentationFiles, types, icon).Collect(&disc);

    double shown = 1e30, bare = 1e30;
    for (int run = 0; run < Runs; ++run) {
        shown = std::min(shown, Seconds([&] {
                             SendMessageA(list, WM_SETREDRAW, FALSE, 0);
                             SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
                             ListRowCollector collector(RepresentationFiles, types, icon);
                             std::vector<ListRow> rows = collector.Collect(&disc);
                             OrderByName(rows, types);
                             InsertRows(list, rows);
                             SendMessageA(list, WM_SETREDRAW, TRUE, 0);
                         }));
        bare = std::min(bare, Seconds([&] {
                            SendMessageA(list, WM_SETREDRAW, FALSE, 0);
                            SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
                            InsertRows(list, prepared);
                            SendMessageA(list, WM_SETREDRAW, TRUE, 0);
                        }));
    }
    // Where the time goes: gathering the rows and ordering them, beside the inserts; and, for
    // comparison, the list control's own sort of the same rows, which the item list used before.
    double gather = 1e30, ordering = 1e30, controlSort = 1e30;
    for (int run = 0; run < Runs; ++run) {
        gather = std::min(gather, Seconds([&] {
                              ListRowCollector collector(RepresentationFiles, types, icon);
                              collector.Collect(&disc);
                          }));
        std::vector<ListRow> rows = prepared;
        ordering = std::min(ordering, Seconds([&] { OrderByName(rows, types); }));
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
        InsertRows(list, prepared);
        controlSort = std::min(controlSort, Seconds([&] {
                                   SortContext sort = {&types, 0, 0};
                                   SendMessageA(list, LVM_SORTITEMS, (WPARAM)&sort,
                                                (LPARAM)CompareRowsOfList);
                               }));
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    }
    std::printf("(gathering the rows %.3f s, ordering them %.3f s; the list control's own sort "
                "of them %.3f s)\n",
                gather, ordering, controlSort);
    const double ratio = bare > 0 ? shown / bare : 0;
    std::printf("%-34s %10.3f s vs %10.3f s  ratio %5.2f  (goal <= %.1f)  %s\n",
                "disc folder of files in the list", shown, bare, ratio, Goal,
                ratio <= Goal ? "ok" : "MISSED");
    std::printf("(%d files; rows: %d)\n", count, (int)SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    DestroyWindow(list);
    return 0;
}
