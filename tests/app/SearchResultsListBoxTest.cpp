// The search result list in a window of the search dialog's template: item heights by path
// length, the staircase drawing, the double click that names the holder, and the hits it keeps,
// clears and drops.
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

#include "DibCanvas.h"
#include "framework/CDataExchange.h"
#include "framework/CDialog.h"

#include "app/SearchResultsListBox.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/FileEntry.h"
#include "catalog/UserFolderNode.h"
#include "resources/AppResource.h"

namespace
{

const UINT kShowResult = WM_USER + 100;

// The search dialog's template with only the result list bound; records what the list asks.
class ResultHost : public CDialog
{
public:
    ResultHost() : CDialog(IDD_SEARCH) {}
    SearchResultsListBox list;
    std::vector<LPARAM> shown;  // lParam of every WM_USER+100 received
    int draws = 0;              // WM_DRAWITEM received

    void DoubleClick(int item)
    {
        HWND box = list.GetSafeHwnd();
        ::SendMessageA(box, LB_SETCURSEL, item, 0);
        ::SendMessageA(m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SEARCH_RESULTS, LBN_DBLCLK),
                       reinterpret_cast<LPARAM>(box));
    }
    int Count() const
    {
        return static_cast<int>(::SendMessageA(list.GetSafeHwnd(), LB_GETCOUNT, 0, 0));
    }
    int Height(int item) const
    {
        return static_cast<int>(::SendMessageA(list.GetSafeHwnd(), LB_GETITEMHEIGHT, item, 0));
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_SEARCH_RESULTS, list); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kShowResult) {
            shown.push_back(lParam);
            return 0;
        }
        if (message == WM_DRAWITEM) ++draws;
        return CDialog::WindowProc(message, wParam, lParam);
    }
};

// "Коллекция" / "Музыка" / "Диск" with a file "Ш.mp3" on the disc.
struct Tree
{
    Tree()
    {
        collection.m_name = L"Коллекция";
        folder->m_name = L"Музыка";
        disc->m_name = L"Диск";
        collection.AddChild(folder);
        folder->AddChild(disc);
        file.m_name = L"Ш.mp3";
    }
    CollectionNode collection;
    UserFolderNode* folder = new UserFolderNode;  // owned by the collection
    DiscNode* disc = new DiscNode;                // owned by the folder
    FileEntry file;
};

SearchHit* MakeHit(SearchHit::Kind kind, void* object, std::vector<CatalogNode*> path)
{
    SearchHit* hit = new SearchHit;
    hit->kind = kind;
    hit->object = object;
    hit->path = std::move(path);
    return hit;
}

SearchHit* NodeHit(CatalogNode* node, std::vector<CatalogNode*> path)
{
    return MakeHit(SearchHit::Node, node, std::move(path));
}

SearchHit* EntryHit(FileEntry* entry, std::vector<CatalogNode*> path)
{
    return MakeHit(SearchHit::Entry, entry, std::move(path));
}

}  // namespace

TEST(SearchResultsListBox, ItemHeightGrowsSixteenPerPathNode)
{
    Tree t;
    ResultHost host;
    ASSERT_TRUE(host.Create(IDD_SEARCH));
    ASSERT_TRUE(host.list.AddResult(NodeHit(&t.collection, {})));
    ASSERT_TRUE(host.list.AddResult(NodeHit(t.folder, {&t.collection})));
    ASSERT_TRUE(host.list.AddResult(EntryHit(&t.file, {&t.collection, t.folder, t.disc})));
    ASSERT_EQ(3, host.Count());
    EXPECT_EQ(20, host.Height(0));
    EXPECT_EQ(16 + 20, host.Height(1));
    EXPECT_EQ(16 * 3 + 20, host.Height(2));
    host.DestroyWindow();
}

TEST(SearchResultsListBox, ABatchIsListedInOrderAndTheListPaintsAgainAfterIt)
{
    Tree t;
    ResultHost host;
    ASSERT_TRUE(host.Create(IDD_SEARCH));
    host.ShowWindow(SW_SHOW);
    ASSERT_EQ(3u,
              host.list.AddResults({NodeHit(&t.collection, {}), NodeHit(t.folder, {&t.collection}),
                                    EntryHit(&t.file, {&t.collection, t.folder, t.disc})},
                                   true));
    ASSERT_EQ(3, host.Count());
    EXPECT_EQ(20, host.Height(0));
    EXPECT_EQ(16 + 20, host.Height(1));
    EXPECT_EQ(16 * 3 + 20, host.Height(2));
    host.DoubleClick(2);
    ASSERT_EQ(1u, host.shown.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(t.disc), host.shown[0]);
    // Drawing is on again: a change to an item makes the list paint.
    const HWND box = host.list.GetSafeHwnd();
    ::ValidateRect(box, nullptr);
    host.list.AddResult(NodeHit(t.disc, {&t.collection, t.folder}));
    RECT dirty = {};
    EXPECT_TRUE(::GetUpdateRect(box, &dirty, FALSE));

    // A batch that does not paint leaves the drawing off: even asked to, the list draws
    // nothing. The next batch that paints, an empty one, draws it.
    ASSERT_EQ(1u, host.list.AddResults({NodeHit(t.folder, {&t.collection})}, false));
    EXPECT_EQ(5, host.Count());
    const int drawn = host.draws;
    ::InvalidateRect(box, nullptr, TRUE);
    ::UpdateWindow(box);
    EXPECT_EQ(drawn, host.draws);
    EXPECT_EQ(0u, host.list.AddResults({}, true));
    EXPECT_GT(host.draws, drawn);
    host.DestroyWindow();
}

TEST(SearchResultsListBox, DoubleClickNamesTheHolderOfTheHit)
{
    Tree t;
    ResultHost host;
    ASSERT_TRUE(host.Create(IDD_SEARCH));
    host.list.AddResult(EntryHit(&t.file, {&t.collection, t.folder, t.disc}));
    host.list.AddResult(NodeHit(t.disc, {&t.collection, t.folder}));
    host.list.AddResult(NodeHit(&t.collection, {}));
    host.DoubleClick(0);  // a file: the disc holding it
    host.DoubleClick(1);  // a node: its parent
    host.DoubleClick(2);  // no path: nothing to show
    ASSERT_EQ(2u, host.shown.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(t.disc), host.shown[0]);
    EXPECT_EQ(reinterpret_cast<LPARAM>(t.folder), host.shown[1]);
    host.DestroyWindow();
}

TEST(SearchResultsListBox, ClearThenNewHitsShowsOnlyTheNewOnes)
{
    Tree t;
    ResultHost host;
    ASSERT_TRUE(host.Create(IDD_SEARCH));
    host.list.AddResult(NodeHit(t.folder, {&t.collection}));
    host.list.AddResult(NodeHit(t.disc, {&t.collection, t.folder}));
    host.list.Clear();
    EXPECT_EQ(0, host.Count());
    EXPECT_EQ(0u, host.list.GetResultCount());
    host.list.AddResult(EntryHit(&t.file, {&t.collection, t.folder, t.disc}));
    ASSERT_EQ(1, host.Count());
    host.DoubleClick(0);
    ASSERT_EQ(1u, host.shown.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(t.disc), host.shown[0]);
    host.DestroyWindow();
}

TEST(SearchResultsListBox, KeptHitsComeBackInANewWindowAndDropWithTheirSubtree)
{
    Tree t;
    UserFolderNode* other = new UserFolderNode;
    other->m_name = L"Другое";
    t.collection.AddChild(other);
    ResultHost host;
    ASSERT_TRUE(host.Create(IDD_SEARCH));
    host.list.AddResult(NodeHit(t.disc, {&t.collection, t.folder}));
    host.list.AddResult(NodeHit(other, {&t.collection}));
    host.list.AddResult(EntryHit(&t.file, {&t.collection, t.folder, t.disc}));
    host.DestroyWindow();

    // The dialog is shown again: a new window, the same hits.
    ASSERT_TRUE(host.Create(IDD_SEARCH));
    EXPECT_EQ(0, host.Count());
    host.list.AddAllItems();
    EXPECT_EQ(3, host.Count());

    // The folder is about to be deleted: the hits inside it go, the list is made again.
    host.list.RemoveHitsUnder(t.folder);
    ASSERT_EQ(1u, host.list.GetResultCount());
    ASSERT_EQ(1, host.Count());
    EXPECT_EQ(36, host.Height(0));
    host.DoubleClick(0);
    ASSERT_EQ(1u, host.shown.size());
    EXPECT_EQ(reinterpret_cast<LPARAM>(&t.collection), host.shown[0]);
    host.DestroyWindow();
}

TEST(SearchResultsListBox, DrawsAStaircaseWithTheHitLastAndASeparator)
{
    Tree t;
    SearchResultsListBox list;
    list.AddResult(EntryHit(&t.file, {&t.collection, t.folder, t.disc}));  // no window: kept only

    const int width = 300, height = 68;
    DibCanvas canvas(width, height);
    ASSERT_TRUE(canvas.valid());

    DRAWITEMSTRUCT di = {};
    di.CtlType = ODT_LISTBOX;
    di.itemID = 0;
    di.itemAction = ODA_DRAWENTIRE;
    di.hDC = canvas.dc();
    di.rcItem = {0, 0, width, height};
    di.itemData = 0;
    list.DrawItem(&di);

    const DWORD window = DibCanvas::Rgb(GetSysColor(COLOR_WINDOW));
    const DWORD face = DibCanvas::Rgb(GetSysColor(COLOR_BTNFACE));
    // Four lines, 16 pixels apart from y = 1; line k's name starts at 6 + 16 k + 18.
    for (int k = 0; k < 4; ++k) {
        int left = width;
        for (int y = 1 + 16 * k; y < 1 + 16 * (k + 1) && y < height - 1; ++y)
            for (int x = 0; x < width; ++x)
                if (canvas.At(x, y) != window && x < left) left = x;
        const int expected = 6 + 16 * k + 18;
        EXPECT_GE(left, expected) << "line " << k;
        EXPECT_LT(left, expected + 6) << "line " << k;
    }
    for (int x = 0; x < width - 1; ++x) ASSERT_EQ(face, canvas.At(x, height - 1)) << x;

    // An index past the hits draws nothing.
    FillRect(canvas.dc(), &di.rcItem, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    di.itemData = 1;
    list.DrawItem(&di);
    EXPECT_EQ(0u, canvas.At(40, 5));
}

// A hit deeper than the list is high: a file 32 folders down a disc. Its item fits the list, so
// it can be scrolled into view whole, and the hit's own name is drawn on its last line, with the
// upper levels folded into the first.
TEST(SearchResultsListBox, ADeepHitKeepsItsOwnNameInView)
{
    Tree t;
    std::vector<CatalogNode*> path = {&t.collection, t.folder, t.disc};
    CatalogNode* holder = t.disc;
    for (int level = 1; level <= 31; ++level) {
        DiscFolderNode* folder = new DiscFolderNode;  // owned by its parent
        folder->m_name = L"Уровень " + std::to_wstring(level);
        holder->AddChild(folder);
        path.push_back(holder = folder);
    }
    ResultHost host;
    ASSERT_TRUE(host.Create(IDD_SEARCH));
    ASSERT_TRUE(host.list.AddResult(EntryHit(&t.file, path)));
    RECT client = {}, item = {};
    ::GetClientRect(host.list.GetSafeHwnd(), &client);
    ::SendMessageA(host.list.GetSafeHwnd(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const int height = host.Height(0);
    EXPECT_LE(height, client.bottom) << "the item is taller than the list";
    EXPECT_LE(height, 255);
    EXPECT_EQ(height, item.bottom - item.top);

    const int width = client.right;
    DibCanvas canvas(width, height);
    ASSERT_TRUE(canvas.valid());
    DRAWITEMSTRUCT di = {};
    di.CtlType = ODT_LISTBOX;
    di.itemAction = ODA_DRAWENTIRE;
    di.hDC = canvas.dc();
    di.rcItem = {0, 0, width, height};
    host.list.DrawItem(&di);
    // Text on the first line (the folded levels) and on the last (the hit), each starting 18
    // pixels after its line's icon, lines 16 pixels apart and one step further in.
    const DWORD window = DibCanvas::Rgb(GetSysColor(COLOR_WINDOW));
    const int lines = (height - 20) / 16 + 1;
    for (int line : {0, lines - 1}) {
        int left = width;
        for (int y = 1 + 16 * line; y < 1 + 16 * (line + 1) && y < height - 1; ++y)
            for (int x = 0; x < width; ++x)
                if (canvas.At(x, y) != window && x < left) left = x;
        const int expected = 6 + 16 * line + 18;
        EXPECT_GE(left, expected) << "line " << line;
        EXPECT_LT(left, expected + 6) << "line " << line << ": no name drawn";
    }
    host.DestroyWindow();
}
