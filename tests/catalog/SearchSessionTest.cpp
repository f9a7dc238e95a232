// The search worker: patterns from the user's text, hits with their paths, the end that always
// comes, and stopping a search half-way without hanging or losing the hits found so far.
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/MessagePump.h"
#include "catalog/SearchHit.h"
#include "catalog/SearchSession.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"

namespace
{

// A window standing in for the search dialog: takes the hits and ends the session on its end.
struct HitWindow
{
    HWND hwnd = nullptr;
    SearchSession* session = nullptr;
    std::vector<std::unique_ptr<SearchHit>> hits;
    int ends = 0;
    int wakeUps = 0;

    HitWindow() { hwnd = MakeTestWindow("LornivalSearchTest", Proc, this); }
    ~HitWindow() { DestroyWindow(hwnd); }

    static LRESULT CALLBACK Proc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
    {
        HitWindow* self = reinterpret_cast<HitWindow*>(GetWindowLongPtrA(h, GWLP_USERDATA));
        if (self && msg == SearchResultSink::HitMessage) {
            EXPECT_EQ(0u, wp);
            EXPECT_EQ(0, lp);
            ++self->wakeUps;
            self->TakeHits();
            return 0;
        }
        if (self && msg == SearchSession::EndMessage) {
            ++self->ends;
            self->session->OnWorkerEnded();
            self->TakeHits();
            return 0;
        }
        return DefWindowProcA(h, msg, wp, lp);
    }

    void TakeHits()
    {
        for (SearchHit* hit : session->TakeHits()) hits.emplace_back(hit);
    }

    // Pumps until the session has no worker left.
    void RunUntilEnded()
    {
        while (session->IsRunning()) {
            MSG m;
            if (GetMessageA(&m, nullptr, 0, 0) <= 0) break;
            DispatchMessageA(&m);
        }
    }
};

std::string Name(const CatalogNode* n) { return ToAnsiString(n->m_name.c_str()); }

}  // namespace

TEST(SearchPattern, FromTheUsersText)
{
    struct Case
    {
        const char* text;
        const char* pattern;
    } cases[] = {
        {"cd", "*CD*"},     {"my disc", "*MY*DISC*"}, {"tab\there", "*TAB*HERE*"},
        {"a?b.*", "A?B.*"}, {"*.mp3", "*.MP3"},       {"two  blanks", "*TWO**BLANKS*"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.pattern, SearchSession::MakePattern(c.text)) << c.text;
    EXPECT_EQ(ToAnsiString(L"*ДИСК*"), SearchSession::MakePattern(ToAnsiString(L"диск")));
}

TEST(SearchWorker, FindsNodesAndEntriesWithTheirPathsAndAlwaysEnds)
{
    CollectionNode col;
    col.m_name = L"CD collection";  // collections themselves never match
    auto folder = new UserFolderNode;
    folder->m_name = L"Old CDs";
    col.AddChild(folder);
    auto disc = new DiscNode;
    disc->m_name = L"DISC";
    folder->AddChild(disc);
    std::vector<FileEntry> files(2);
    files[0].m_name = L"readme.txt";
    files[1].m_name = L"cdplayer.exe";
    disc->SetEntries(files);
    auto excluded = new DiscFolderNode;
    excluded->m_name = L"CDROM";
    excluded->m_attributes = DiscFolderNode::AttrExcluded;
    std::vector<FileEntry> inner(1);
    inner[0].m_name = L"cd.txt";
    excluded->SetEntries(inner);
    disc->AddChild(excluded);
    std::vector<CollectionNode*> all = {&col};

    SearchSession session;
    HitWindow w;
    w.session = &session;
    ASSERT_TRUE(session.Start(w.hwnd, "cd", &all, 0));
    w.RunUntilEnded();
    EXPECT_EQ(1, w.ends);
    ASSERT_EQ(3u, w.hits.size());
    std::vector<std::string> seen;
    for (auto& h : w.hits) {
        std::string path;
        for (CatalogNode* n : h->path) path += Name(n) + "/";
        std::string name = h->kind == SearchHit::Node ? Name(h->AsNode())
                                                      : ToAnsiString(h->AsEntry()->m_name.c_str());
        seen.push_back(path + name);
    }
    std::sort(seen.begin(), seen.end());
    // The excluded folder is found itself, but "cd.txt" inside it is not.
    EXPECT_EQ((std::vector<std::string>{"CD collection/Old CDs", "CD collection/Old CDs/DISC/CDROM",
                                        "CD collection/Old CDs/DISC/cdplayer.exe"}),
              seen);
    for (auto& h : w.hits) {
        if (h->kind == SearchHit::Entry) {
            EXPECT_EQ(disc, h->Holder());
        }
        EXPECT_TRUE(h->LiesUnder(folder) || h->AsNode() == folder);
    }

    // Nothing found: the end still comes.
    ASSERT_TRUE(session.Start(w.hwnd, "nothing like it", &all, 0));
    w.RunUntilEnded();
    EXPECT_EQ(2, w.ends);
}

// Stopping could hang: the worker reported its end only when it saw the cancel event, and it
// touched the dialog's controls while the user-interface thread waited for it.
TEST(SearchWorker, StopHalfWayKeepsTheHitsAndNeverHangs)
{
    CollectionNode col;
    auto disc = new DiscNode;
    col.AddChild(disc);
    std::vector<FileEntry> files(400);
    for (std::size_t i = 0; i < files.size(); ++i)
        files[i].m_name = (L"match" + std::to_wstring(i)).c_str();
    disc->SetEntries(files);
    std::vector<CollectionNode*> all = {&col};

    SearchSession session;
    HitWindow w;
    w.session = &session;
    ASSERT_TRUE(session.Start(w.hwnd, "match", &all, 50));  // a slow worker: about 20 s in all
    EXPECT_FALSE(session.Start(w.hwnd, "other", &all));     // one search at a time
    // Let a few hits arrive, then stop as "Готово" does.
    DWORD start = GetTickCount();
    while (w.hits.size() < 3 && GetTickCount() - start < 10000) {
        MSG m;
        if (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&m);
        else
            Sleep(5);
    }
    ASSERT_GE(w.hits.size(), 3u);
    DWORD stopAt = GetTickCount();
    session.Stop();
    w.TakeHits();  // as the dialog does after a stop
    EXPECT_LT(GetTickCount() - stopAt, 2000u);
    EXPECT_FALSE(session.IsRunning());
    // Every hit the worker posted was delivered before Stop returned; nothing more comes.
    const std::size_t kept = w.hits.size();
    EXPECT_LT(kept, 400u);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    EXPECT_EQ(kept, w.hits.size());

    // The next search starts cleanly.
    w.hits.clear();
    ASSERT_TRUE(session.Start(w.hwnd, "match39?", &all, 0));
    w.RunUntilEnded();
    EXPECT_EQ(10u, w.hits.size());
}

// The queue between the worker and the dialog: only the hit that finds it empty asks for a
// wake-up, the taker gets everything in order, and deletes reach the hits still queued.
TEST(SearchHitQueue, WakesOnEmptyHandsOverInOrderAndDropsHitsUnderADeletedNode)
{
    CollectionNode col;
    auto disc = new DiscNode;
    col.AddChild(disc);
    auto folder = new DiscFolderNode;
    disc->AddChild(folder);
    std::vector<FileEntry> files(2);
    folder->SetEntries(files);
    auto hitOf = [](SearchHit::Kind kind, std::vector<CatalogNode*> path, void* object) {
        SearchHit* hit = new SearchHit;
        hit->kind = kind;
        hit->path = std::move(path);
        hit->object = object;
        return hit;
    };

    SearchHitQueue queue;
    SearchHit* discHit = hitOf(SearchHit::Node, {&col}, disc);
    SearchHit* folderHit = hitOf(SearchHit::Node, {&col, disc}, folder);
    SearchHit* fileHit = hitOf(SearchHit::Entry, {&col, disc, folder}, &folder->Entries()[1]);
    EXPECT_TRUE(queue.Push(discHit));
    EXPECT_FALSE(queue.Push(folderHit));  // the first one's wake-up covers it
    std::vector<SearchHit*> taken = queue.TakeAll();
    EXPECT_EQ((std::vector<SearchHit*>{discHit, folderHit}), taken);
    EXPECT_TRUE(queue.TakeAll().empty());
    EXPECT_TRUE(queue.Push(fileHit));  // empty again: a new wake-up
    for (SearchHit* hit : taken) queue.Push(hit);

    // Deleting the folder takes the folder itself and the file inside it; the disc stays.
    queue.DropHitsUnder(folder);
    EXPECT_EQ((std::vector<SearchHit*>{discHit}), queue.TakeAll());
    EXPECT_TRUE(queue.Push(discHit));
    queue.DropHitsUnder(disc);
    EXPECT_EQ(0u, queue.Size());
}

// A fast worker and a busy window: however the hits are cut into batches, each arrives once, in
// the order of the walk, and a wake-up carries many of them.
TEST(SearchWorker, AFastStreamArrivesOnceEachInOrderWithFewWakeUps)
{
    CollectionNode col;
    auto disc = new DiscNode;
    col.AddChild(disc);
    std::vector<FileEntry> files(20000);
    for (std::size_t i = 0; i < files.size(); ++i)
        files[i].m_name = (L"match" + std::to_wstring(i)).c_str();
    disc->SetEntries(files);
    std::vector<CollectionNode*> all = {&col};

    SearchSession session;
    HitWindow w;
    w.session = &session;
    ASSERT_TRUE(session.Start(w.hwnd, "match", &all, 0));
    w.RunUntilEnded();
    ASSERT_EQ(files.size(), w.hits.size());
    for (std::size_t i = 0; i < files.size(); ++i)
        ASSERT_EQ(&disc->Entries()[i], w.hits[i]->AsEntry()) << i;
    EXPECT_GE(w.wakeUps, 1);
    EXPECT_LT(w.wakeUps, (int)files.size());
}

// A search whose window went away leaves its hits queued (no wake-up can be posted); they are
// freed when the next search starts and never show up among its hits.
TEST(SearchWorker, HitsLeftByASearchWhoseWindowWentNeverReachTheNext)
{
    CollectionNode col;
    auto disc = new DiscNode;
    col.AddChild(disc);
    std::vector<FileEntry> files(50);
    for (std::size_t i = 0; i < files.size(); ++i)
        files[i].m_name = (L"old" + std::to_wstring(i)).c_str();
    files[7].m_name = L"new7";
    disc->SetEntries(files);
    std::vector<CollectionNode*> all = {&col};

    SearchSession session;
    {
        HitWindow gone;
        gone.session = &session;
        const HWND window = gone.hwnd;
        gone.hwnd = nullptr;
        DestroyWindow(window);
        ASSERT_TRUE(session.Start(window, "old", &all, 0));
        session.Stop();
    }
    HitWindow w;
    w.session = &session;
    ASSERT_TRUE(session.Start(w.hwnd, "new", &all, 0));
    w.RunUntilEnded();
    ASSERT_EQ(1u, w.hits.size());
    EXPECT_EQ(&disc->Entries()[7], w.hits[0]->AsEntry());
}
