// The item list's representations as data: columns and their stored widths, row tagging, cell
// texts, file type names and the row order of both kinds, checked against hand-worked values.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <cwchar>
#include <map>
#include <string>
#include <vector>

#include "app/FileTypeNames.h"
#include "app/ListControlSort.h"
#include "app/ListRowCollector.h"
#include "app/ListRowOrder.h"
#include "app/ListRowTexts.h"
#include "app/LocalTimeText.h"
#include "app/ListSortState.h"
#include "app/RepresentationColumns.h"
#include "app/RowItemData.h"
#include "catalog/CatalogFormat.h"
#include "catalog/DiscNode.h"
#include "catalog/TextConversion.h"
#include "framework/CWinApp.h"
#include "CatalogTreeFixture.h"

namespace
{

std::string A(const wchar_t* text) { return ToAnsiString(text); }

// The local-time text the lists show, worked out from the system's own time zone conversion.
std::string LocalText(const FILETIME& utc)
{
    SYSTEMTIME st, local;
    FileTimeToSystemTime(&utc, &st);
    SystemTimeToTzSpecificLocalTime(nullptr, &st, &local);
    char text[32];
    snprintf(text, sizeof text, "%02d.%02d.%d %02d:%02d", local.wDay, local.wMonth, local.wYear,
             local.wHour, local.wMinute);
    return text;
}

// A registry of classes in memory: ".TXT" is a text document, ".EXE" has a class without a
// description, ".BIN" a class with an empty name.
struct FakeClasses
{
    int lookups = 0;
    FileTypeNames::ClassesLookup Lookup()
    {
        return [this](const std::string& key, std::string& value) {
            ++lookups;
            if (key == ".TXT")
                value = "txtfile";
            else if (key == "txtfile")
                value = A(L"Текстовый документ");
            else if (key == ".EXE")
                value = "exefile";
            else if (key == "exefile")
                value = "";
            else if (key == ".BIN")
                value = "";
            else
                return false;
            return true;
        };
    }
};

TEST(RepresentationColumns, TitlesFormatsAndSections)
{
    struct Case
    {
        int kind;
        std::vector<std::wstring> titles;
        std::vector<int> formats;
        const char* section;
    } cases[] = {
        {RepresentationNodes,
         {L"Имя", L"Дата создания", L"Описание", L"На руках у ..."},
         {LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT},
         "View\\Representations\\Node"},
        {RepresentationFiles,
         {L"Имя", L"Размер", L"Тип", L"Дата изменения", L"Описание"},
         {LVCFMT_LEFT, LVCFMT_RIGHT, LVCFMT_LEFT, LVCFMT_LEFT, LVCFMT_LEFT},
         "View\\Representations\\File"},
        {RepresentationEmpty, {}, {}, nullptr},
        {7, {}, {}, nullptr},
    };
    for (const Case& c : cases) {
        const std::vector<ColumnSpec> columns = RepresentationColumns::Columns(c.kind);
        ASSERT_EQ(c.titles.size(), columns.size()) << c.kind;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            EXPECT_EQ(c.titles[i], columns[i].title) << c.kind << " column " << i;
            EXPECT_EQ(c.formats[i], columns[i].format) << c.kind << " column " << i;
        }
        if (c.section)
            EXPECT_STREQ(c.section, RepresentationColumns::Section(c.kind));
        else
            EXPECT_EQ(nullptr, RepresentationColumns::Section(c.kind));
    }
    // The string table ids of the titles: name 150, size 151, type 152, description 153,
    // changed 154, created 155, lent to 156.
    const std::vector<ColumnSpec> files = RepresentationColumns::Columns(RepresentationFiles);
    const std::vector<ColumnSpec> nodes = RepresentationColumns::Columns(RepresentationNodes);
    EXPECT_EQ((std::vector<unsigned>{150, 151, 152, 154, 153}),
              (std::vector<unsigned>{files[0].stringId, files[1].stringId, files[2].stringId,
                                     files[3].stringId, files[4].stringId}));
    EXPECT_EQ((std::vector<unsigned>{150, 155, 153, 156}),
              (std::vector<unsigned>{nodes[0].stringId, nodes[1].stringId, nodes[2].stringId,
                                     nodes[3].stringId}));
}

TEST(RepresentationColumns, StoredWidthsAreBoundedByTheColumns)
{
    const std::vector<BYTE> fourWidths = {150, 0, 0, 0, 0x2C, 0x01, 0, 0,
                                          80,  0, 0, 0, 0,    0,    0, 0};  // 150 300 80 0
    struct Case
    {
        const char* what;
        std::vector<BYTE> bytes;
        std::size_t count;
        std::vector<int> widths;
    } cases[] = {
        {"no value", {}, 4, {100, 100, 100, 100}},
        {"one per column", fourWidths, 4, {150, 300, 80, 0}},
        {"shorter: the rest get the default",
         {150, 0, 0, 0, 0x2C, 0x01, 0, 0},
         5,
         {150, 300, 100, 100, 100}},
        {"more widths than columns", fourWidths, 3, {100, 100, 100}},
        {"not whole widths", {150, 0, 0, 0, 1, 2}, 4, {100, 100, 100, 100}},
        {"three bytes", {150, 0, 0}, 4, {100, 100, 100, 100}},
        {"negative width", {0xFF, 0xFF, 0xFF, 0xFF, 90, 0, 0, 0}, 2, {100, 90}},
        {"absurdly wide", {0, 0, 0x10, 0, 90, 0, 0, 0}, 2, {100, 90}},  // 0x100000
        {"widest allowed", {0xFF, 0x7F, 0, 0}, 1, {32767}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.widths,
                  RepresentationColumns::DecodeWidths(c.bytes.empty() ? nullptr : c.bytes.data(),
                                                      (UINT)c.bytes.size(), c.count))
            << c.what;
    }
    EXPECT_EQ(fourWidths, RepresentationColumns::EncodeWidths({150, 300, 80, 0}));
    EXPECT_TRUE(RepresentationColumns::EncodeWidths({}).empty());
}

void DeleteTree(HKEY parent, const char* name)
{
    HKEY key;
    if (RegOpenKeyExA(parent, name, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char sub[256];
    while (RegEnumKeyA(key, 0, sub, sizeof sub) == ERROR_SUCCESS) DeleteTree(key, sub);
    RegCloseKey(key);
    RegDeleteKeyA(parent, name);
}

class ColumnWidthsProfileTest : public ::testing::Test
{
protected:
    static constexpr const char* Key = "LornivalColumnWidthsTest";
    CWinApp app{"Lornival"};
    void SetUp() override
    {
        DeleteTree(HKEY_CURRENT_USER, "Software\\LornivalColumnWidthsTest");
        app.SetRegistryKey(Key);
    }
    void TearDown() override
    {
        DeleteTree(HKEY_CURRENT_USER, "Software\\LornivalColumnWidthsTest");
    }

    std::vector<BYTE> Stored(const char* section)
    {
        LPBYTE data = nullptr;
        UINT bytes = 0;
        if (!app.GetProfileBinary(section, "Column widths", &data, &bytes)) return {};
        std::vector<BYTE> copy(data, data + bytes);
        delete[] data;
        return copy;
    }
};

TEST_F(ColumnWidthsProfileTest, WidthsSurviveASaveAndRestore)
{
    EXPECT_EQ((std::vector<int>{100, 100, 100, 100, 100}),
              RepresentationColumns::LoadWidths(app, RepresentationFiles));

    ASSERT_TRUE(
        RepresentationColumns::SaveWidths(app, RepresentationFiles, {210, 75, 120, 110, 260}));
    ASSERT_TRUE(RepresentationColumns::SaveWidths(app, RepresentationNodes, {180, 105, 300, 90}));
    EXPECT_EQ(20u, Stored("View\\Representations\\File").size());
    EXPECT_EQ((std::vector<BYTE>{180, 0, 0, 0, 105, 0, 0, 0, 0x2C, 0x01, 0, 0, 90, 0, 0, 0}),
              Stored("View\\Representations\\Node"));

    EXPECT_EQ((std::vector<int>{210, 75, 120, 110, 260}),
              RepresentationColumns::LoadWidths(app, RepresentationFiles));
    EXPECT_EQ((std::vector<int>{180, 105, 300, 90}),
              RepresentationColumns::LoadWidths(app, RepresentationNodes));

    // A list that had no columns writes nothing, and the kept value stays.
    EXPECT_FALSE(RepresentationColumns::SaveWidths(app, RepresentationNodes, {}));
    EXPECT_FALSE(RepresentationColumns::SaveWidths(app, RepresentationEmpty, {1, 2}));
    EXPECT_EQ(16u, Stored("View\\Representations\\Node").size());
}

TEST_F(ColumnWidthsProfileTest, ADamagedValueGivesTheDefaults)
{
    // The file list's 20 bytes stored where the node list keeps its 16.
    BYTE wrong[20] = {50, 0, 0, 0, 60, 0, 0, 0, 70, 0, 0, 0, 80, 0, 0, 0, 90, 0, 0, 0};
    ASSERT_TRUE(app.WriteProfileBinary("View\\Representations\\Node", "Column widths", wrong,
                                       sizeof wrong));
    EXPECT_EQ((std::vector<int>{100, 100, 100, 100}),
              RepresentationColumns::LoadWidths(app, RepresentationNodes));
    ASSERT_TRUE(
        app.WriteProfileString("View\\Representations\\File", "Column widths", "not binary"));
    EXPECT_EQ((std::vector<int>{100, 100, 100, 100, 100}),
              RepresentationColumns::LoadWidths(app, RepresentationFiles));
}

TEST(RowItemData, NodesAndEntriesAreToldApartWithoutTheTopBit)
{
    CatalogTreeFixture t;
    const LPARAM node = RowItemData::FromNode(t.docs);
    const LPARAM entry = RowItemData::FromEntry(t.Readme());
    EXPECT_FALSE(RowItemData::IsEntry(node));
    EXPECT_TRUE(RowItemData::IsEntry(entry));
    EXPECT_EQ(t.docs, RowItemData::Node(node));
    EXPECT_EQ(nullptr, RowItemData::Entry(node));
    EXPECT_EQ(t.Readme(), RowItemData::Entry(entry));
    EXPECT_EQ(nullptr, RowItemData::Node(entry));

    // Addresses above 2 GB, as a large-address-aware process on a 64-bit system gets them, keep
    // their kind and their value.
    const LPARAM high = (LPARAM)(ULONG_PTR)0x80001000u;
    EXPECT_EQ(high, (LPARAM)RowItemData::Node(RowItemData::FromNode((CatalogNode*)high)));
    EXPECT_EQ(high, (LPARAM)RowItemData::Entry(RowItemData::FromEntry((FileEntry*)high)));
    EXPECT_FALSE(RowItemData::IsEntry(RowItemData::FromNode((CatalogNode*)high)));
}

TEST(ListRowTexts, CellsOfEachKindOfRow)
{
    CatalogTreeFixture t;
    t.games->m_description = L"Стратегии";
    t.disc->m_description = L"Сборник";
    t.disc->m_lentTo = L"Петров";
    t.disc->m_addedTime = UtcTime(2005, 11, 20, 18, 45);
    t.docs->m_time = UtcTime(2001, 2, 3, 4, 5);
    FakeClasses classes;
    FileTypeNames types(classes.Lookup());

    struct Case
    {
        const char* what;
        std::vector<std::string> cells;
        std::vector<std::string> expected;
    } cases[] = {
        {"user folder", NodeRowTexts(t.games), {A(L"Игры"), "", A(L"Стратегии"), ""}},
        {"disc",
         NodeRowTexts(t.disc),
         {"Disc", LocalText(t.disc->m_addedTime), A(L"Сборник"), A(L"Петров")}},
        {"disc folder",
         DiscFolderRowTexts(t.docs),
         {"Docs", "", A(L"Папка"), LocalText(t.docs->m_time), ""}},
        {"file of 2 KB",
         FileRowTexts(*t.Setup(), types),
         {"setup.exe", "2 KB", A(L"Файл .EXE"), LocalText(t.Setup()->m_time), ""}},
        {"file under 1 KB",
         FileRowTexts(*t.Readme(), types),
         {"readme.txt", "<1 KB", A(L"Текстовый документ"), LocalText(t.Readme()->m_time),
          A(L"Прочти")}},
    };
    for (const Case& c : cases) EXPECT_EQ(c.expected, c.cells) << c.what;
}

// Rows by their first cell, so that the walk's order (which means nothing) does not matter.
std::map<std::string, ListRow> ByName(const std::vector<ListRow>& rows)
{
    std::map<std::string, ListRow> out;
    for (const ListRow& row : rows) out.emplace(row.texts.at(0), row);
    return out;
}

TEST(ListRowCollector, RowsOfTheCurrentNodeForEachRepresentation)
{
    CatalogTreeFixture t;
    FakeClasses classes;
    FileTypeNames types(classes.Lookup());
    // The document's icons: 4 for ".txt", 5 for anything else.
    auto icons = [](const wchar_t* name) { return std::wcsstr(name, L".txt") ? 4 : 5; };

    // A collection's children: the user folder and the disc, not what lies deeper.
    ListRowCollector nodes(RepresentationNodes, types, icons);
    std::map<std::string, ListRow> top = ByName(nodes.Collect(&t.root));
    ASSERT_EQ(2u, top.size());
    const ListRow& games = top.at(A(L"Игры"));
    EXPECT_EQ(RowItemData::FromNode(t.games), games.data);
    EXPECT_EQ(1, games.image);  // a closed folder
    EXPECT_EQ(NodeRowTexts(t.games), games.texts);
    EXPECT_EQ(RowItemData::FromNode(t.disc), top.at("Disc").data);
    EXPECT_EQ(3, top.at("Disc").image);

    // A disc's content: its folder and its two files; an excluded folder is still listed, and
    // its own content shows when it is opened.
    t.docs->m_attributes |= DiscFolderNode::AttrExcluded;
    ListRowCollector files(RepresentationFiles, types, icons);
    std::map<std::string, ListRow> disc = ByName(files.Collect(t.disc));
    ASSERT_EQ(3u, disc.size());
    EXPECT_EQ(RowItemData::FromNode(t.docs), disc.at("Docs").data);
    EXPECT_EQ(1, disc.at("Docs").image);
    EXPECT_EQ(A(L"Папка"), disc.at("Docs").texts.at(2));
    EXPECT_EQ(RowItemData::FromEntry(t.Readme()), disc.at("readme.txt").data);
    EXPECT_EQ(4, disc.at("readme.txt").image);
    EXPECT_EQ(5, disc.at("setup.exe").image);
    EXPECT_EQ("2 KB", disc.at("setup.exe").texts.at(1));
    EXPECT_EQ(1u, files.Collect(t.docs).size());  // Sub

    // A representation shows only its own kind of row; an empty node gives none.
    EXPECT_TRUE(ListRowCollector(RepresentationNodes, types, icons).Collect(t.disc).empty());
    EXPECT_TRUE(ListRowCollector(RepresentationEmpty, types, icons).Collect(&t.root).empty());
    EXPECT_TRUE(files.Collect(t.sub).empty());
    EXPECT_TRUE(files.Collect(nullptr).empty());
}

// The list's times in local time with the offset taken once for a fill: the same texts as the
// system's conversion row by row; with a given offset, the hand-worked ones, across a day, a year,
// a leap day and the ends of what a FILETIME holds.
TEST(LocalTimeText, TheSystemsTextsAndGivenOffsetsWorkedByHand)
{
    const LocalTimeText now;
    const FILETIME times[] = {UtcTime(2005, 11, 20, 18, 45),    UtcTime(1999, 12, 31, 23, 59),
                              UtcTime(2024, 2, 29, 0, 0),       FILETIME{0, 0},
                              FILETIME{0xFFFFFFFF, 0x7FFFFFFF}, FILETIME{0, 0x80000000}};
    for (const FILETIME& t : times)
        EXPECT_EQ(FormatStoredFileTime(t), now.Format(t)) << t.dwHighDateTime;

    const LONGLONG Hour = 36000000000LL;  // FILETIME ticks are 100 ns
    struct Case
    {
        FILETIME utc;
        LONGLONG offset;
        const char* text;
    } cases[] = {
        {UtcTime(2005, 11, 20, 18, 45), 3 * Hour, "20.11.2005 21:45"},
        {UtcTime(2005, 11, 20, 22, 30), 3 * Hour, "21.11.2005 01:30"},
        {UtcTime(2000, 1, 1, 1, 0), -2 * Hour, "31.12.1999 23:00"},
        {UtcTime(2024, 2, 28, 23, 0), Hour, "29.02.2024 00:00"},
        {UtcTime(2023, 2, 28, 23, 0), Hour, "01.03.2023 00:00"},
        {UtcTime(2001, 2, 3, 4, 5), 0, "03.02.2001 04:05"},
        {FILETIME{0, 0}, 0, "01.01.1601 00:00"},
        {FILETIME{0, 0}, -Hour, ""},  // before the first date
        {FILETIME{0xFFFFFFFF, 0x7FFFFFFF}, 0, "14.09.30828 02:48"},
        {FILETIME{0xFFFFFFFF, 0x7FFFFFFF}, Hour, ""},  // past the last one
    };
    for (const Case& c : cases) EXPECT_EQ(c.text, LocalTimeText(c.offset).Format(c.utc)) << c.text;
}

// A fill looks each extension's type and icon up once however many files have it, and every file
// still gets its own extension's; the next fill looks again (the system may have changed).
TEST(ListRowCollector, EachExtensionIsLookedUpOncePerFill)
{
    DiscNode disc;
    const wchar_t* const names[] = {L"a.txt", L"b.exe", L"c.txt", L"README",
                                    L"d.TXT", L"e.exe", L"NOTES", L"f.txt"};
    std::vector<FileEntry> files;
    for (const wchar_t* name : names)
        files.push_back(MakeEntry(name, 10, UtcTime(2001, 1, 1, 0, 0)));
    disc.SetEntries(files);
    FakeClasses classes;
    FileTypeNames types(classes.Lookup());
    std::vector<std::wstring> iconAsked;
    auto icons = [&](const wchar_t* name) {
        iconAsked.push_back(name);
        const wchar_t* dot = std::wcsrchr(name, L'.');
        return !dot ? 1 : std::wcscmp(dot, L".exe") == 0 ? 2 : 3;
    };

    ListRowCollector collector(RepresentationFiles, types, icons);
    const std::vector<ListRow> rows = collector.Collect(&disc);
    ASSERT_EQ(8u, rows.size());
    // The first file of each extension as written (".txt" and ".TXT" are two), and one without.
    EXPECT_EQ((std::vector<std::wstring>{L"a.txt", L"b.exe", L"README", L"d.TXT"}), iconAsked);
    const std::string text = A(L"Текстовый документ"), exe = A(L"Файл .EXE"), none = A(L"Файл");
    const std::vector<std::string> expectedTypes = {text, exe, text, none, text, exe, none, text};
    const std::vector<int> expectedImages = {3, 2, 3, 1, 3, 2, 1, 3};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(ToAnsiString(names[i]), rows[i].texts.at(0)) << i;
        EXPECT_EQ(expectedTypes[i], rows[i].texts.at(2)) << i;
        EXPECT_EQ(expectedImages[i], rows[i].image) << i;
        EXPECT_EQ(FileRowTexts(disc.Entries()[i], types), rows[i].texts) << i;
    }
    collector.Collect(&disc);
    EXPECT_EQ(8u, iconAsked.size());
}

TEST(FileTypeNames, DescriptionsPerExtensionCachedCaseInsensitively)
{
    FakeClasses classes;
    FileTypeNames types(classes.Lookup());
    struct Case
    {
        const char* name;
        std::string type;
    } cases[] = {
        {"README", A(L"Файл")},
        {"notes.txt", A(L"Текстовый документ")},
        {"NOTES.TXT", A(L"Текстовый документ")},
        {"setup.exe", A(L"Файл .EXE")},                 // a class without a description
        {"disk.bin", A(L"Файл .BIN")},                  // an empty class name
        {"photo.jpeg", A(L"Файл .JPEG")},               // no class at all
        {"archive.tar.Txt", A(L"Текстовый документ")},  // the last dot counts
        {"trailing.", A(L"Файл .")},
    };
    for (const Case& c : cases) EXPECT_EQ(c.type, types.Get(c.name)) << c.name;

    // ".txt" and ".TXT" share one entry: one class and one description look-up in all.
    EXPECT_EQ(5u, types.CachedCount());  // .TXT .EXE .BIN .JPEG .
    const int lookups = classes.lookups;
    EXPECT_EQ(A(L"Текстовый документ"), types.Get("again.tXt"));
    EXPECT_EQ(lookups, classes.lookups);
    EXPECT_EQ(".TXT", FileTypeNames::KeyOf("a.b.txt"));
    EXPECT_EQ("", FileTypeNames::KeyOf("noext"));
}

TEST(ListSortState, HeaderClicksPickColumnAndFlipDirection)
{
    ListSortState sort;
    EXPECT_EQ(0, sort.Column());
    EXPECT_EQ(0, sort.Direction());
    const struct
    {
        int click, column, direction;
    } steps[] = {
        {0, 0, -1},             // the column sorted at the start: the first click already reverses
        {0, 0, 0},  {1, 1, 0},  // another column starts ascending
        {1, 1, -1}, {1, 1, 0},  // a third click ascending again
        {3, 3, 0},
    };
    for (const auto& s : steps) {
        sort.Click(s.click);
        EXPECT_EQ(s.column, sort.Column()) << s.click;
        EXPECT_EQ(s.direction, sort.Direction()) << s.click;
    }
    EXPECT_EQ(-1, CompareRows(true, 0));
    EXPECT_EQ(1, CompareRows(false, 0));
    EXPECT_EQ(1, CompareRows(true, -1));
    EXPECT_EQ(-1, CompareRows(false, -1));
    EXPECT_EQ(0, CompareRows(true, 5));
}

// Orders rows as the list control does with a comparison: each row goes before the first row
// it compares below.
template <class Less>
std::vector<LPARAM> SortRows(std::vector<LPARAM> rows, int direction, Less less)
{
    std::vector<LPARAM> out;
    for (LPARAM row : rows) {
        auto at = out.begin();
        while (at != out.end() && CompareRows(less(*at, row), direction) < 0) ++at;
        out.insert(at, row);
    }
    return out;
}

TEST(FileRowLess, FoldersBeforeFilesAndEachColumnItsOwnOrder)
{
    CatalogTreeFixture t;
    DiscFolderNode* art = AddNode<DiscFolderNode>(t.disc, L"Art");
    art->m_time = UtcTime(2010, 1, 1, 0, 0);
    t.docs->m_time = UtcTime(2000, 1, 1, 0, 0);
    FakeClasses classes;
    FileTypeNames types(classes.Lookup());
    const LPARAM docs = RowItemData::FromNode(t.docs), artRow = RowItemData::FromNode(art);
    const LPARAM setup = RowItemData::FromEntry(t.Setup()),
                 readme = RowItemData::FromEntry(t.Readme());

    struct Case
    {
        LPARAM a, b;
        int column;
        bool less;
    } cases[] = {
        {docs, setup, 1, true},   {setup, docs, 1, false},   {docs, readme, 4, true},
        {artRow, docs, 0, true},  {docs, artRow, 2, false},  {docs, artRow, 1, false},
        {docs, artRow, 3, true},  {artRow, docs, 4, false},  {readme, setup, 0, true},
        {readme, setup, 1, true}, {setup, readme, 1, false}, {setup, readme, 2, false},
        {readme, setup, 2, true},  // "Текстовый документ" before "Файл .EXE": Т comes before Ф
        {readme, setup, 3, true}, {setup, readme, 4, true},  {readme, setup, 5, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.less, FileRowLess(c.a, c.b, c.column, types)) << c.column;

    auto bySize = [&](LPARAM a, LPARAM b) { return FileRowLess(a, b, 1, types); };
    const std::vector<LPARAM> rows = {setup, docs, readme, artRow};
    EXPECT_EQ((std::vector<LPARAM>{artRow, docs, readme, setup}), SortRows(rows, 0, bySize));
    EXPECT_EQ((std::vector<LPARAM>{setup, readme, docs, artRow}), SortRows(rows, -1, bySize));
}

// Rows that tie answer "greater" both ways round, so their order is the sort algorithm's own: the
// order worked out on our array must be the one the list control itself gives, row for row, for
// ties and distinct keys, both directions, and the sizes where halving is uneven.
TEST(SortAsListControl, GivesTheListControlsOwnOrder)
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&init);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_POPUP | LVS_REPORT, 0, 0, 300, 200, nullptr,
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, list);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, (LPARAM)&column);

    struct Order
    {
        std::vector<int> keys;
        int direction;
        static int CALLBACK Compare(LPARAM a, LPARAM b, LPARAM self)
        {
            const Order* o = reinterpret_cast<const Order*>(self);
            return CompareRows(o->keys[(std::size_t)a] < o->keys[(std::size_t)b], o->direction);
        }
    };
    struct Case
    {
        int rows;
        int distinctKeys;  // few: many ties; as many as rows: none
    } cases[] = {{0, 1},   {1, 1},   {2, 1},    {3, 2},      {7, 3},
                 {17, 17}, {100, 4}, {1000, 9}, {1000, 1000}};
    for (const Case& c : cases) {
        for (int direction : {ListSortState::Ascending, ListSortState::Descending}) {
            Order order;
            order.direction = direction;
            for (int i = 0; i < c.rows; ++i)
                order.keys.push_back((int)((unsigned)(i * 7919 + 13) % 1009) % c.distinctKeys);
            SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
            std::vector<LPARAM> ours;
            for (int i = 0; i < c.rows; ++i) {
                LVITEMA item = {};
                item.mask = LVIF_PARAM;
                item.iItem = i;
                item.lParam = i;
                SendMessageA(list, LVM_INSERTITEMA, 0, (LPARAM)&item);
                ours.push_back(i);
            }
            SendMessageA(list, LVM_SORTITEMS, (WPARAM)&order, (LPARAM)&Order::Compare);
            std::vector<LPARAM> control;
            for (int i = 0; i < c.rows; ++i) {
                LVITEMA item = {};
                item.mask = LVIF_PARAM;
                item.iItem = i;
                SendMessageA(list, LVM_GETITEMA, 0, (LPARAM)&item);
                control.push_back(item.lParam);
            }
            SortAsListControl(
                ours, [&](LPARAM a, LPARAM b) { return Order::Compare(a, b, (LPARAM)&order); });
            EXPECT_EQ(control, ours)
                << c.rows << " rows, " << c.distinctKeys << " keys, direction " << direction;
        }
    }
    DestroyWindow(list);
}

TEST(NodeRowLess, CriteriaByColumnUntilOneDecides)
{
    CollectionNode root;
    UserFolderNode* folderB = AddNode<UserFolderNode>(&root, L"B");
    UserFolderNode* folderA = AddNode<UserFolderNode>(&root, L"A");
    DiscNode* early = AddNode<DiscNode>(&root, L"Same");
    DiscNode* late = AddNode<DiscNode>(&root, L"Same");
    DiscNode* lateToo = AddNode<DiscNode>(&root, L"Same");
    early->m_addedTime = UtcTime(2001, 1, 1, 0, 0);
    late->m_addedTime = UtcTime(2002, 1, 1, 0, 0);
    lateToo->m_addedTime = UtcTime(2002, 1, 1, 0, 0);
    late->m_description = L"b";
    lateToo->m_description = L"a";
    folderA->m_description = L"z";
    // Two names without a form in the ANSI code page: equal there, so the name decides nothing.
    DiscNode* cjk1 = AddNode<DiscNode>(&root, L"\u4e00");
    DiscNode* cjk2 = AddNode<DiscNode>(&root, L"\u4e01");
    cjk1->m_addedTime = UtcTime(2003, 1, 1, 0, 0);
    cjk2->m_addedTime = UtcTime(2000, 1, 1, 0, 0);

    struct Case
    {
        const char* what;
        const CatalogNode *a, *b;
        int column;
        bool less;
    } cases[] = {
        {"name", folderA, folderB, 0, true},
        {"name, reversed", folderB, folderA, 0, false},
        {"same name: adding time", early, late, 0, true},
        {"same name and time: description", lateToo, late, 0, true},
        {"same name and time, reversed", late, lateToo, 0, false},
        {"ANSI-equal names: adding time", cjk2, cjk1, 0, true},
        {"ANSI-equal names, reversed", cjk1, cjk2, 0, false},
        {"a folder has no date: less", folderB, early, 1, true},
        {"a disc is not less than a folder", early, folderB, 1, false},
        {"dates", early, late, 1, true},
        {"two folders by date: then name", folderA, folderB, 1, true},
        {"same time: then name, then description", lateToo, late, 1, true},
        {"description", lateToo, late, 2, true},
        {"an empty description sorts first", folderB, folderA, 2, true},
        {"equal descriptions end the comparison", early, cjk1, 2,
         false},  // the name would say less
        {"lent-to column: nothing is less", early, late, 3, false},
        {"lent-to column, reversed", late, early, 3, false},
        {"unknown column", early, late, 9, false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.less, NodeRowLess(c.a, c.b, c.column)) << c.what;

    // The collection itself has a date and no description; a user folder has no date.
    root.m_time = UtcTime(1999, 1, 1, 0, 0);
    EXPECT_TRUE(NodeRowLess(folderA, &root, 1));
    EXPECT_TRUE(NodeRowLess(&root, early, 1));
    EXPECT_TRUE(NodeRowLess(folderA, &root, 2));  // with a description before one without
    EXPECT_FALSE(NodeRowLess(&root, folderA, 2));
}

}  // namespace
