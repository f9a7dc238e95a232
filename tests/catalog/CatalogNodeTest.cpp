// The node tree: walks with patterns, depth and cancellation, the excluded bit, ownership and the
// statistics counters, node operations.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <string>
#include <thread>
#include <vector>
#include "catalog/CatalogStatistics.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/NodeOperations.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"

namespace
{

struct RecordingVisitor : NodeVisitor
{
    std::vector<std::string> seen;  // "N:name" or "E:owner/name"
    HANDLE signalOnVisit = nullptr;
    // After signalling: longer than the walk leaves between two polls of its cancel event (and
    // than a tick of the system clock), so its next poll surely comes after the signal.
    static const DWORD PauseAfterSignal = 40;
    void VisitNode(CatalogNode* node) override
    {
        seen.push_back("N:" + ToAnsiString(node->m_name.c_str()));
        Signal();
    }
    void VisitEntry(EntryContainerNode* owner, FileEntry* entry) override
    {
        seen.push_back("E:" + ToAnsiString(owner->m_name.c_str()) + "/" +
                       ToAnsiString(entry->m_name.c_str()));
        Signal();
    }
    void Signal()
    {
        if (!signalOnVisit) return;
        SetEvent(signalOnVisit);
        Sleep(PauseAfterSignal);
    }
    std::vector<std::string> Sorted() const
    {
        auto s = seen;
        std::sort(s.begin(), s.end());
        return s;
    }
};

FileEntry Entry(const wchar_t* name, std::uint64_t size)
{
    FileEntry e;
    e.m_name = name;
    e.SetSize(size);
    return e;
}

template <class T>
T* Add(CatalogNode* parent, const wchar_t* name)
{
    T* n = new T;
    n->m_name = name;
    parent->AddChild(n);
    return n;
}

void SetEntries(EntryContainerNode* node, std::vector<FileEntry> list) { node->SetEntries(list); }

// collection
//   folder "Music"
//     disc "CD1" [track.mp3, readme.txt]
//       disc folder "Docs" [manual.pdf]
//       disc folder "Hidden" (excluded) [secret.txt]
//         disc folder "Inner" [deep.txt]
struct SampleTree
{
    CollectionNode root;
    UserFolderNode* music;
    DiscNode* disc;
    DiscFolderNode* docs;
    DiscFolderNode* hidden;
    SampleTree()
    {
        root.m_name = L"My collections";
        music = Add<UserFolderNode>(&root, L"Music");
        disc = Add<DiscNode>(music, L"CD1");
        SetEntries(disc, {Entry(L"track.mp3", 5000), Entry(L"readme.txt", 10)});
        docs = Add<DiscFolderNode>(disc, L"Docs");
        SetEntries(docs, {Entry(L"manual.pdf", 300)});
        hidden = Add<DiscFolderNode>(disc, L"Hidden");
        hidden->m_attributes = DiscFolderNode::AttrExcluded;
        SetEntries(hidden, {Entry(L"secret.txt", 7)});
        SetEntries(Add<DiscFolderNode>(hidden, L"Inner"), {Entry(L"deep.txt", 1)});
    }
};

}  // namespace

TEST(WildcardMatch, TableOfPatterns)
{
    struct Case
    {
        const char* pattern;
        const char* text;
        bool match;
    } cases[] = {
        {"a?b.*", "AXB.TXT", true},
        {"a?b.*", "AB.TXT", false},
        {"*.*", "README.TXT", true},
        {"*.*", "README", false},
        {"A*B*", "ABAB", true},
        {"*", "", true},
        {"*", "ANY NAME", true},
        {"", "", true},
        {"", "A", false},
        {"?", "", false},
        {"*CD*", "my cd disc", true},
        {"*MY*DISC*", "My old disc", true},
        {"*MY*DISC*", "disc of mine", false},
        {"A?", "AB", true},
        {"A?", "ABC", false},
        {"*.TXT", "notes.txt.bak", false},
        {"**X", "ABX", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.match, MatchWildcard(c.pattern, c.text))
            << "'" << c.pattern << "' vs '" << c.text << "'";
}

// The star used to bind to the first occurrence of what follows it, so "A*B" failed on "ABAB"
// and "*?" matched nothing.
TEST(WildcardMatch, StarBacktracksToLaterOccurrence)
{
    EXPECT_TRUE(MatchWildcard("A*B", "ABAB"));
    EXPECT_TRUE(MatchWildcard("A*B", "AXXB"));
    EXPECT_FALSE(MatchWildcard("A*B", "ABA"));
    EXPECT_TRUE(MatchWildcard("*AB*AB", "XABYABZAB"));
    EXPECT_FALSE(MatchWildcard("*?", ""));
    EXPECT_TRUE(MatchWildcard("*?", "X"));
    EXPECT_TRUE(MatchWildcard("*?", "LONGER NAME"));
    EXPECT_TRUE(MatchWildcard("*A?C", "ABCAXC"));
    EXPECT_FALSE(MatchWildcard("*A?C", "ABCAXD"));
}

TEST(WildcardMatch, CyrillicFoldsCaseInCodePage1251)
{
    ASSERT_EQ(1251u, GetACP());
    // "*ДИСК*" against "мой диск", both in code page 1251, and ё against Ё.
    const std::string pattern = ToAnsiString(L"*ДИСК*");
    EXPECT_TRUE(MatchWildcard(pattern.c_str(), ToAnsiString(L"мой диск").c_str()));
    EXPECT_TRUE(MatchWildcard(ToAnsiString(L"ёлка").c_str(), ToAnsiString(L"ЁЛКА").c_str()));
    EXPECT_FALSE(MatchWildcard(pattern.c_str(), ToAnsiString(L"мой диаск").c_str()));
    EXPECT_EQ((unsigned char)0xC0, WildcardPattern::FoldCase(0xE0));  // а -> А
    EXPECT_EQ((unsigned char)0xA8, WildcardPattern::FoldCase(0xB8));  // ё -> Ё
    EXPECT_EQ((unsigned char)'1', WildcardPattern::FoldCase('1'));
}

TEST(CatalogWalk, EmptyNodeVisitsNothing)
{
    CollectionNode empty;
    DiscFolderNode folder;
    RecordingVisitor v;
    empty.Walk(&v, nullptr, true, nullptr);
    folder.Walk(&v, "*", true, nullptr);
    EXPECT_TRUE(v.seen.empty());
}

TEST(CatalogWalk, DeepWalkSkipsExcludedFolderContentButReportsTheFolder)
{
    SampleTree t;
    RecordingVisitor v;
    t.root.Walk(&v, nullptr, true, nullptr);
    std::vector<std::string> expected = {
        "E:CD1/readme.txt", "E:CD1/track.mp3", "E:Docs/manual.pdf", "N:CD1", "N:Docs",
        "N:Hidden",         "N:Music"};
    EXPECT_EQ(expected, v.Sorted());

    RecordingVisitor p;
    t.root.Walk(&p, "*.TXT", true, nullptr);
    EXPECT_EQ(std::vector<std::string>{"E:CD1/readme.txt"}, p.Sorted());
}

TEST(CatalogWalk, ShallowWalkReportsOneLevelAndIgnoresExcludedBit)
{
    SampleTree t;
    RecordingVisitor v;
    t.hidden->Walk(&v, nullptr, false, nullptr);
    EXPECT_EQ((std::vector<std::string>{"E:Hidden/secret.txt", "N:Inner"}), v.Sorted());

    RecordingVisitor d;
    t.disc->Walk(&d, nullptr, false, nullptr);
    EXPECT_EQ(
        (std::vector<std::string>{"E:CD1/readme.txt", "E:CD1/track.mp3", "N:Docs", "N:Hidden"}),
        d.Sorted());

    // A walk never reports the node it starts on, deep or not.
    RecordingVisitor s;
    t.music->Walk(&s, "CD1", true, nullptr);
    EXPECT_EQ(std::vector<std::string>{"N:CD1"}, s.seen);
    RecordingVisitor none;
    t.music->Walk(&none, "Music", true, nullptr);
    EXPECT_TRUE(none.seen.empty());
}

TEST(CatalogWalk, CancelEventStopsTheWalk)
{
    SampleTree t;
    HANDLE ev = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    RecordingVisitor before;
    t.root.Walk(&before, nullptr, true, ev);
    EXPECT_TRUE(before.seen.empty());

    // Signalled by the first visit: once the walk has looked again, nothing further is
    // reported, neither entry nor node.
    ResetEvent(ev);
    RecordingVisitor middle;
    middle.signalOnVisit = ev;
    t.disc->Walk(&middle, nullptr, true, ev);
    EXPECT_EQ(1u, middle.seen.size());

    // Also when the signalling visit is followed by many entries that do not match and one that does.
    DiscNode big;
    std::vector<FileEntry> many;
    many.push_back(Entry(L"first.hit", 1));
    for (int i = 0; i < 1000; ++i) many.push_back(Entry(L"other", 1));
    many.push_back(Entry(L"last.hit", 1));
    big.SetEntries(many);
    ResetEvent(ev);
    RecordingVisitor hits;
    hits.signalOnVisit = ev;
    big.Walk(&hits, "*.HIT", true, ev);
    EXPECT_EQ(std::vector<std::string>{"E:/first.hit"}, hits.seen);
    CloseHandle(ev);
}

TEST(CatalogTree, EqualNamesAreKeptApart)
{
    CollectionNode c;
    Add<UserFolderNode>(&c, L"Same");
    Add<UserFolderNode>(&c, L"Same");
    EXPECT_EQ(2u, c.m_children.size());
    for (CatalogNode* n : c.m_children) EXPECT_EQ(&c, n->m_parent);
}

TEST(CatalogStatisticsCounters, RemovingASubtreeTakesBackExactlyWhatItHeld)
{
    const auto discs = CatalogStatistics::DiscCount(), folders = CatalogStatistics::FolderCount(),
               files = CatalogStatistics::FileCount();
    const auto size = CatalogStatistics::TotalSize();
    {
        SampleTree t;
        EXPECT_EQ(discs + 1, CatalogStatistics::DiscCount());
        EXPECT_EQ(folders + 3, CatalogStatistics::FolderCount());
        EXPECT_EQ(files + 5, CatalogStatistics::FileCount());
        EXPECT_EQ(size + 5000 + 10 + 300 + 7 + 1, CatalogStatistics::TotalSize());

        t.root.RemoveChild(t.music);
        EXPECT_TRUE(t.root.m_children.empty());
        EXPECT_EQ(discs, CatalogStatistics::DiscCount());
        EXPECT_EQ(folders, CatalogStatistics::FolderCount());
        EXPECT_EQ(files, CatalogStatistics::FileCount());
        EXPECT_EQ(size, CatalogStatistics::TotalSize());
    }
    // Copies, assignments and size changes keep the total equal to the sum of live sizes.
    {
        FileEntry a = Entry(L"a", 100);
        FileEntry b(a);
        FileEntry c = Entry(L"c", 1ull << 33);
        EXPECT_EQ(size + 200 + (1ull << 33), CatalogStatistics::TotalSize());
        b = c;
        EXPECT_EQ(size + 100 + (2ull << 33), CatalogStatistics::TotalSize());
        a.SetSize(0);
        EXPECT_EQ(size + (2ull << 33), CatalogStatistics::TotalSize());
        EXPECT_EQ(files + 3, CatalogStatistics::FileCount());
    }
    EXPECT_EQ(size, CatalogStatistics::TotalSize());
    EXPECT_EQ(files, CatalogStatistics::FileCount());
}

// The counters were plain integers changed by whatever thread made or destroyed entries.
TEST(CatalogStatisticsCounters, SafeToChangeFromSeveralThreads)
{
    const auto files = CatalogStatistics::FileCount();
    const auto size = CatalogStatistics::TotalSize();
    const auto folders = CatalogStatistics::FolderCount();
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([] {
            for (int i = 0; i < 20000; ++i) {
                DiscFolderNode folder;
                std::vector<FileEntry> list(3);
                list[1].SetSize(0x100000001ull);
                folder.SetEntries(list);
            }
        });
    }
    for (auto& th : threads) th.join();
    EXPECT_EQ(files, CatalogStatistics::FileCount());
    EXPECT_EQ(size, CatalogStatistics::TotalSize());
    EXPECT_EQ(folders, CatalogStatistics::FolderCount());
}

TEST(NodeOperations, DescriptionsMarksAndImages)
{
    SampleTree t;
    SetNodeDescription(t.docs, "ignored");
    EXPECT_EQ(0, t.root.m_modified);
    SetNodeDescription(t.disc, ToAnsiString(L"Сборник").c_str());
    EXPECT_EQ(1, t.root.m_modified);
    EXPECT_EQ(std::wstring(L"Сборник"), t.disc->m_description.str());
    SetNodeDescription(t.music, "m");
    EXPECT_EQ(std::wstring(L"m"), t.music->m_description.str());

    CollectionNode other;
    MarkCollectionModified(&other);
    EXPECT_EQ(1, other.m_modified);

    EXPECT_EQ(1, GetNodeImageIndex(&t.root, false));
    EXPECT_EQ(2, GetNodeImageIndex(&t.root, true));
    EXPECT_EQ(2, GetNodeImageIndex(t.music, true));
    EXPECT_EQ(1, GetNodeImageIndex(t.docs, false));
    EXPECT_EQ(3, GetNodeImageIndex(t.disc, true));
    EXPECT_EQ(3, GetNodeImageIndex(t.disc, false));
}
