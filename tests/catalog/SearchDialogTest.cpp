// The search dialog driven through its messages while it runs modally from the document:
// searching, choosing a result, stopping half-way, reopening, and deletes dropping kept hits.
#include <gtest/gtest.h>
#include <windows.h>
#include <functional>
#include <memory>
#include "FakeCatalogShell.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscNode.h"
#include "catalog/SearchDialog.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"

namespace
{

// Runs steps from a thread timer inside the dialog's modal loop, one step per tick while the
// step answers true; the last step must end the dialog.
struct Script
{
    std::vector<std::function<bool()>> steps;
    std::size_t next = 0;
    DWORD started = GetTickCount();
    static Script* current;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        Script* s = current;
        if (!s || s->next >= s->steps.size()) return;
        if (GetTickCount() - s->started > 20000) {
            ADD_FAILURE() << "script step " << s->next << " never finished";
            s->next = s->steps.size();
            return;
        }
        if (s->steps[s->next]()) ++s->next;
    }
    void Run(const std::function<void()>& modal)
    {
        current = this;
        UINT_PTR timer = SetTimer(nullptr, 0, 20, Tick);
        modal();
        KillTimer(nullptr, timer);
        current = nullptr;
        EXPECT_EQ(steps.size(), next) << "the dialog closed before its script ended";
    }
};
Script* Script::current = nullptr;

struct SearchFixture
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    std::unique_ptr<CTarnimelDoc> doc;
    UserFolderNode* folder = nullptr;
    DiscNode* disc = nullptr;

    SearchFixture(int entries = 2)
    {
        CTarnimelDoc::SetDatabaseDirectory(dir.Path());
        doc.reset(new CTarnimelDoc);
        doc->m_bAutoDelete = FALSE;
        EXPECT_TRUE(doc->OnNewDocument());
        folder = new UserFolderNode;
        folder->m_name = L"Shelf";
        doc->m_collections[0]->AddChild(folder);
        disc = new DiscNode;
        disc->m_name = L"DISC";
        folder->AddChild(disc);
        std::vector<FileEntry> files((std::size_t)entries);
        for (std::size_t i = 0; i < files.size(); ++i)
            files[i].m_name = (L"cd_track" + std::to_wstring(i) + L".mp3").c_str();
        disc->SetEntries(files);
    }
    ~SearchFixture()
    {
        doc->m_collections[0]->m_modified = 0;  // nothing to save
        CTarnimelDoc::SetDatabaseDirectory(std::string());
    }
    SearchDialog* Dialog() { return doc->GetSearchDialog(); }
    HWND Window() { return Dialog()->GetSafeHwnd(); }
    FakeResultList* List() { return shell.lastResultList; }
    std::string Text(int id)
    {
        char t[256] = {};
        GetDlgItemTextA(Window(), id, t, sizeof t);
        return t;
    }
    bool TypeAndSearch(const char* text)
    {
        if (!Window()) return false;
        SetDlgItemTextA(Window(), SearchDialog::IdSearchText, text);
        PostMessageA(Window(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     (LPARAM)GetDlgItem(Window(), IDOK));
        return true;
    }
};

}  // namespace

// The pause before the next batch of hits: 30 ms after the last one ended, or four times its
// painting where that is longer, so that a slow paint gets at most a fifth of the time.
TEST(SearchBatchPacing, WaitsThirtyMillisecondsOrFourTimesTheLastPaint)
{
    struct Case
    {
        DWORD sinceLast, lastPaint, wait;
    };
    const Case cases[] = {
        {0, 0, 30},   {10, 0, 20},  {30, 0, 0},   {500, 0, 0},  // a quick paint: 30 ms
        {0, 7, 30},   {0, 8, 32},   {20, 8, 12},                // 4 x 8 = 32 passes 30
        {0, 25, 100}, {60, 25, 40}, {100, 25, 0}, {99, 25, 1},  // a slow one: 4 x 25 = 100
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.wait, SearchDialog::BatchDelay(c.sinceLast, c.lastPaint))
            << c.sinceLast << " ms after a batch that painted in " << c.lastPaint << " ms";
}

// The size of the next batch follows the time the last one took to list (painting aside), aiming
// at 200 ms: at least 100 hits, at most twice the last size; a batch too quick to time doubles
// when it was full and leaves the size alone when it held all there was.
TEST(SearchBatchPacing, BatchesAreSizedByTheTimeTheLastOneTook)
{
    struct Case
    {
        std::size_t size, lastHits;
        DWORD lastAddMs;
        std::size_t next;
    };
    const Case cases[] = {
        {10000, 1, 0, 10000},        {10000, 10000, 19, 20000},  // too quick to time
        {10000, 10000, 200, 10000},  {10000, 10000, 400, 5000},  // 10000 x 200 / 400
        {10000, 4000, 400, 2000},    {10000, 10000, 50, 20000},  // 40000, at most twice
        {10000, 10000, 100000, 100}, {100, 100, 5, 200},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.next, SearchDialog::NextBatchHits(c.size, c.lastHits, c.lastAddMs))
            << c.lastHits << " of " << c.size << " in " << c.lastAddMs << " ms";
}

TEST(SearchDialogRun, ChoosingAResultNavigatesToItsFolder)
{
    SearchFixture f;
    Script s;
    s.steps = {
        [&] { return f.TypeAndSearch("Cd"); },
        [&] { return !f.Dialog()->IsSearching() && f.List()->hits.size() == 2; },
        [&] {
            EXPECT_EQ("2", f.Text(SearchDialog::IdFoundCount));
            EXPECT_TRUE(
                IsWindowVisible(GetDlgItem(f.Window(), IDOK)));  // the search button is back
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(f.Window(), SearchDialog::IdSearchText)));
            SendMessageA(f.Window(), SearchDialog::EndSearchMessage, 0,
                         (LPARAM)f.List()->hits[0]->Holder());
            return true;
        },
    };
    s.Run([&] { f.doc->OnSearch(); });
    EXPECT_EQ(f.disc, f.doc->GetCurrentNode());

    // Shown again: the last hits come back, and the text as the user typed it.
    Script again;
    again.steps = {[&] {
        if (!f.Window()) return false;
        EXPECT_EQ(1, f.List()->addAllCalls - 1);
        EXPECT_EQ(2,
                  (int)SendDlgItemMessageA(f.Window(), SearchDialog::IdResults, LB_GETCOUNT, 0, 0));
        EXPECT_EQ("Cd", f.Text(SearchDialog::IdSearchText));
        PostMessageA(f.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    }};
    again.Run([&] { f.doc->OnSearch(); });
    EXPECT_EQ(f.disc, f.doc->GetCurrentNode());
}

TEST(SearchDialogRun, EmptyTextIsRefusedAndCloseStopsARunningSearch)
{
    SearchFixture f(300);
    f.Dialog()->SetPauseAfterHit(50);  // about twenty hits a second: time to press "Готово"
    Script s;
    s.steps = {
        [&] { return f.TypeAndSearch(""); },
        [&] {
            if (f.shell.Messages().empty()) return false;
            EXPECT_EQ(ToAnsiString(L"Ошибка!\nПустая строка для поиска!"), f.shell.Messages()[0]);
            EXPECT_FALSE(f.Dialog()->IsSearching());
            return f.TypeAndSearch("track");
        },
        [&] { return f.List()->hits.size() >= 2; },
        [&] {
            EXPECT_TRUE(f.Dialog()->IsSearching());
            PostMessageA(f.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return true;
        },
    };
    const DWORD start = GetTickCount();
    s.Run([&] { EXPECT_EQ(IDCANCEL, f.Dialog()->DoModal()); });
    EXPECT_LT(GetTickCount() - start, 10000u);
    EXPECT_FALSE(f.Dialog()->IsSearching());
    EXPECT_GE(f.List()->hits.size(), 2u);
    EXPECT_LT(f.List()->hits.size(), 300u);
}

// The dialog takes the hits that have arrived in batches: however they are cut, every hit is
// listed once, in the order found, and the count is the list's.
TEST(SearchDialogRun, AFastStreamOfHitsIsListedOnceEachInOrder)
{
    const int files = 3000;
    SearchFixture f(files);
    Script s;
    s.steps = {
        [&] { return f.TypeAndSearch("track"); },
        [&] { return !f.Dialog()->IsSearching(); },
        [&] {
            EXPECT_EQ(std::to_string(files), f.Text(SearchDialog::IdFoundCount));
            EXPECT_EQ(files, (int)SendDlgItemMessageA(f.Window(), SearchDialog::IdResults,
                                                      LB_GETCOUNT, 0, 0));
            PostMessageA(f.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return true;
        },
    };
    s.Run([&] { f.Dialog()->DoModal(); });
    ASSERT_EQ((std::size_t)files, f.List()->hits.size());
    // The walk reports a disc's files in their order: cd_track0, cd_track1, ...
    const FileEntry* entries = f.disc->Entries();
    for (int i = 0; i < files; ++i) {
        ASSERT_EQ(&entries[(std::size_t)i], f.List()->hits[(std::size_t)i]->AsEntry()) << i;
        ASSERT_EQ(f.disc, f.List()->hits[(std::size_t)i]->Holder());
    }
}

// More hits than one batch takes: they go in in several batches, each hit once and in order,
// and the search counts as running (its button stays hidden) until the last one is listed.
TEST(SearchDialogRun, ManyHitsGoInInSeveralBatchesOnceEachInOrder)
{
    const int files = 25000;
    SearchFixture f(files);
    Script s;
    s.steps = {
        [&] { return f.TypeAndSearch("track"); },
        [&] {
            if (f.Dialog()->IsSearching()) {
                EXPECT_FALSE(IsWindowVisible(GetDlgItem(f.Window(), IDOK)));
                return false;
            }
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(f.Window(), IDOK)));
            EXPECT_EQ(std::to_string(files), f.Text(SearchDialog::IdFoundCount));
            PostMessageA(f.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return true;
        },
    };
    s.Run([&] { f.Dialog()->DoModal(); });
    ASSERT_EQ((std::size_t)files, f.List()->hits.size());
    const FileEntry* entries = f.disc->Entries();
    for (int i = 0; i < files; ++i)
        ASSERT_EQ(&entries[(std::size_t)i], f.List()->hits[(std::size_t)i]->AsEntry()) << i;
    // The first batch holds at most 10,000 hits and each later one at most twice as many as the
    // one before could: 10,000, 20,000, ... So 25,000 hits take two batches at least.
    EXPECT_GE(f.List()->batchSizes.size(), 2u);
    std::size_t largest = SearchDialog::FirstBatchHits;
    for (std::size_t size : f.List()->batchSizes) {
        EXPECT_LE(size, largest);
        largest *= 2;
    }
}

// While the worker still posts, the list has grown, the count matches it, and a double click
// on a hit stops the search and shows the hit's folder.
TEST(SearchDialogRun, TheListGrowsDuringTheSearchAndAChoiceStopsIt)
{
    SearchFixture f(300);
    f.Dialog()->SetPauseAfterHit(20);
    Script s;
    s.steps = {
        [&] { return f.TypeAndSearch("track"); },
        [&] {
            const std::size_t seen = f.List()->hits.size();
            if (seen < 3) return false;
            EXPECT_TRUE(f.Dialog()->IsSearching());
            EXPECT_EQ(std::to_string(seen), f.Text(SearchDialog::IdFoundCount));
            EXPECT_EQ((int)seen, (int)SendDlgItemMessageA(f.Window(), SearchDialog::IdResults,
                                                          LB_GETCOUNT, 0, 0));
            // Posted: stopping the search pumps messages, this script's ticks among them.
            PostMessageA(f.Window(), SearchDialog::EndSearchMessage, 0,
                         (LPARAM)f.List()->hits[0]->Holder());
            return true;
        },
    };
    const DWORD start = GetTickCount();
    s.Run([&] { f.doc->OnSearch(); });
    EXPECT_LT(GetTickCount() - start, 5000u);  // 300 hits at 20 ms would take 6 s
    EXPECT_FALSE(f.Dialog()->IsSearching());
    EXPECT_EQ(f.disc, f.doc->GetCurrentNode());
    EXPECT_LT(f.List()->hits.size(), 300u);
}

// Hits taken from the worker but not yet listed go with the subtree they lie in: a disc deleted
// while a slow list still takes a large result loses its waiting hits as well as its listed ones,
// and the hit on another disc, found last, is still listed.
TEST(SearchDialogRun, DeletingADiscDropsItsHitsStillWaitingToBeListed)
{
    SearchFixture f(30000);
    DiscNode* other = new DiscNode;
    other->m_name = L"OTHER";
    f.folder->AddChild(other);
    std::vector<FileEntry> kept(1);
    kept[0].m_name = L"cd_track_kept.mp3";
    other->SetEntries(kept);
    f.List()->batchDelayMs = 400;  // the walk is long over when the first batch is in
    f.shell.answer = IDYES;
    Script s;
    s.steps = {
        [&] { return f.TypeAndSearch("track"); },
        [&] {
            if (f.List()->hits.empty()) return false;
            EXPECT_LT(f.List()->hits.size(), 30001u);  // the rest waits to be listed
            f.doc->DeleteNode(f.disc);
            for (const SearchHit* hit : f.List()->hits) EXPECT_FALSE(hit->LiesUnder(f.disc));
            return true;
        },
        [&] {
            if (f.Dialog()->IsSearching()) return false;
            PostMessageA(f.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return true;
        },
    };
    s.Run([&] { f.Dialog()->DoModal(); });
    ASSERT_EQ(1u, f.List()->hits.size());
    EXPECT_EQ(&other->Entries()[0], f.List()->hits[0]->AsEntry());
}

TEST(SearchDialogRun, DeletingADiscDropsItsKeptHits)
{
    SearchFixture f;
    Script s;
    s.steps = {
        [&] { return f.TypeAndSearch("*"); },
        [&] { return !f.Dialog()->IsSearching(); },
        [&] {
            PostMessageA(f.Window(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return true;
        },
    };
    s.Run([&] { f.Dialog()->DoModal(); });
    ASSERT_EQ(4u, f.List()->hits.size());  // Shelf, DISC and its two files
    f.shell.answer = IDYES;
    f.doc->DeleteNode(f.disc);
    ASSERT_EQ(1u, f.List()->hits.size());
    EXPECT_EQ(f.folder, f.List()->hits[0]->AsNode());
}
