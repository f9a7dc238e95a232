// Scanning the test CD-ROM drives: labels, the depth limit, sizes over 4 GiB, names outside the
// ANSI code page, progress counts, failures, and the current directory left as it was.
#include <gtest/gtest.h>
#include <algorithm>
#include <map>
#include <windows.h>
#include "CdromFixture.h"
#include "FakeCatalogShell.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/DiscScanner.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"

namespace
{

std::wstring CurrentDirectory()
{
    wchar_t d[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, d);
    return d;
}

// The labelled test drive shows the file that gives Wine its label in its root: one more file.
const wchar_t LabelFile[] = L".windows-label";
const std::uint64_t LabelFileSize = CdromFixture::Label().size() + 1;

std::vector<std::wstring> EntryNames(const EntryContainerNode* n)
{
    std::vector<std::wstring> names;
    for (std::uint32_t i = 0; i < n->EntryCount(); ++i)
        names.push_back(n->Entries()[i].m_name.str());
    std::sort(names.begin(), names.end());
    return names;
}

const CatalogNode* Child(const CatalogNode* n, const std::wstring& name)
{
    for (const CatalogNode* c : n->m_children)
        if (c->m_name.str() == name) return c;
    return nullptr;
}

struct Scan
{
    FakeCatalogShell shell;
    CollectionNode collection;
    DiscNode* disc = nullptr;
    void Run(const std::string& root, bool limitEnabled = false, int limit = 8)
    {
        disc = AddDiscFromDrive(&collection, root, limitEnabled, limit, &shell);
    }
};

}  // namespace

TEST(DiscScan, RecordsTheWholeDiscUnderTheLabel)
{
    CdromFixture cd;
    cd.AddFile("readme.txt", "hello");
    cd.AddFile("Docs/manual.pdf", std::string(3000, 'x'));
    cd.AddFile("Docs/Deep/er/file.bin", "12");
    const std::wstring before = CurrentDirectory();
    Scan s;
    s.Run(cd.Root());
    ASSERT_NE(nullptr, s.disc);
    EXPECT_EQ(AnsiToWide(CdromFixture::Label().c_str()), s.disc->m_name.str());
    EXPECT_EQ(&s.collection, s.disc->m_parent);
    EXPECT_EQ(1, s.collection.m_modified);
    EXPECT_NE(0u, s.disc->m_addedTime.dwHighDateTime);
    ASSERT_EQ((std::vector<std::wstring>{LabelFile, L"readme.txt"}), EntryNames(s.disc));
    for (std::uint32_t i = 0; i < s.disc->EntryCount(); ++i)
        EXPECT_EQ(s.disc->Entries()[i].m_name == LabelFile ? LabelFileSize : 5u,
                  s.disc->Entries()[i].m_size);
    const CatalogNode* docs = Child(s.disc, L"Docs");
    ASSERT_NE(nullptr, docs);
    EXPECT_EQ(3000u, static_cast<const DiscFolderNode*>(docs)->Entries()[0].m_size);
    const CatalogNode* er = Child(Child(docs, L"Deep"), L"er");
    ASSERT_NE(nullptr, er);
    EXPECT_EQ(1u, static_cast<const EntryContainerNode*>(er)->EntryCount());
    // Root, Docs, Deep, er; four files; and the end.
    EXPECT_EQ(4, s.shell.progressFolders);
    EXPECT_EQ(4, s.shell.progressFiles);
    EXPECT_EQ(1, s.shell.progressEnds);
    EXPECT_TRUE(s.shell.Messages().empty());
    EXPECT_EQ(before, CurrentDirectory());
}

TEST(DiscScan, UnlabelledDiscIsANewItem)
{
    CdromFixture cd(CdromFixture::Unlabelled);
    Scan s;
    s.Run(cd.Root());
    ASSERT_NE(nullptr, s.disc);
    EXPECT_EQ(std::wstring(L"Новый элемент"), s.disc->m_name.str());
    // An empty disc: no children, no entries, one folder count.
    EXPECT_TRUE(s.disc->m_children.empty());
    EXPECT_EQ(0u, s.disc->EntryCount());
    EXPECT_EQ(1, s.shell.progressFolders);
    EXPECT_EQ(0, s.shell.progressFiles);
}

TEST(DiscScan, DepthLimitCases)
{
    CdromFixture cd;
    cd.AddFile("top.txt", "t");
    cd.AddFile("A/B/inner.txt", "i");
    cd.AddFile("Flat/f.txt", "f");

    // L = 1: A is recorded with a mark and without B; the file in B is not recorded; Flat keeps its name.
    Scan one;
    one.Run(cd.Root(), true, 1);
    ASSERT_NE(nullptr, one.disc);
    const CatalogNode* a = Child(one.disc, L"A ...");
    ASSERT_NE(nullptr, a);
    EXPECT_TRUE(a->m_children.empty());
    EXPECT_EQ(0u, static_cast<const EntryContainerNode*>(a)->EntryCount());
    const CatalogNode* flat = Child(one.disc, L"Flat");
    ASSERT_NE(nullptr, flat);
    EXPECT_EQ(1u, static_cast<const EntryContainerNode*>(flat)->EntryCount());
    EXPECT_EQ(3, one.shell.progressFolders);  // root, A, Flat
    EXPECT_EQ(3, one.shell.progressFiles);    // the label file, top.txt, f.txt

    // L = 0: only the root's files, and the disc's own name is marked.
    Scan zero;
    zero.Run(cd.Root(), true, 0);
    ASSERT_NE(nullptr, zero.disc);
    EXPECT_EQ(AnsiToWide(CdromFixture::Label().c_str()) + L" ...", zero.disc->m_name.str());
    EXPECT_TRUE(zero.disc->m_children.empty());
    EXPECT_EQ((std::vector<std::wstring>{LabelFile, L"top.txt"}), EntryNames(zero.disc));

    // Disabled, or a negative limit: everything, no marks.
    for (auto limit : {std::make_pair(false, 1), std::make_pair(true, -1)}) {
        Scan all;
        all.Run(cd.Root(), limit.first, limit.second);
        ASSERT_NE(nullptr, all.disc);
        const CatalogNode* b = Child(Child(all.disc, L"A"), L"B");
        ASSERT_NE(nullptr, b);
        EXPECT_EQ(1u, static_cast<const EntryContainerNode*>(b)->EntryCount());
        EXPECT_EQ(4, all.shell.progressFolders);
    }
}

// The progress dialog counts each folder as it is scanned, the disc's root among them; the
// statistics count the disc folders the catalogue holds, and the root is the disc, counted with
// the discs. A file 32 folders down: 33 folder counts, 32 more folders, one more disc.
TEST(DiscScan, ProgressCountsTheRootWhereStatisticsCountItAsTheDisc)
{
    CdromFixture cd;
    std::wstring deep;
    for (int level = 1; level <= 32; ++level) deep += L"L" + std::to_wstring(level) + L"\\";
    cd.AddFile(deep + L"deep.txt", "d");
    const std::int32_t discs = CatalogStatistics::DiscCount();
    const std::int32_t folders = CatalogStatistics::FolderCount();
    const std::int32_t files = CatalogStatistics::FileCount();
    {
        Scan s;
        s.Run(cd.Root());
        ASSERT_NE(nullptr, s.disc);
        EXPECT_EQ(33, s.shell.progressFolders);
        EXPECT_EQ(2, s.shell.progressFiles);  // deep.txt and the label file
        EXPECT_EQ(1, CatalogStatistics::DiscCount() - discs);
        EXPECT_EQ(32, CatalogStatistics::FolderCount() - folders);
        EXPECT_EQ(2, CatalogStatistics::FileCount() - files);
        const CatalogNode* node = s.disc;
        for (int level = 1; level <= 32 && node; ++level)
            node = Child(node, L"L" + std::to_wstring(level));
        ASSERT_NE(nullptr, node);
        EXPECT_EQ(1u, static_cast<const EntryContainerNode*>(node)->EntryCount());
    }
    // The disc went with its collection, and the counts with it.
    EXPECT_EQ(discs, CatalogStatistics::DiscCount());
    EXPECT_EQ(folders, CatalogStatistics::FolderCount());
    EXPECT_EQ(files, CatalogStatistics::FileCount());
}

// A disc hung deep in the tree must not pass the deepest level a file can hold: its folders are
// cut there as by the depth limit, and where not even the disc fits nothing is scanned.
TEST(DiscScan, DeepTargetsCutTheDiscAtTheDeepestLevel)
{
    CdromFixture cd;
    cd.AddFile("A/B/inner.txt", "i");
    auto chain = [](CollectionNode& c, int depth) {
        CatalogNode* at = &c;
        for (int i = 0; i < depth; ++i) {
            auto folder = new UserFolderNode;
            at->AddChild(folder);
            at = folder;
        }
        return at;
    };

    // The disc at level 511, A at the deepest level 512 (marked, without B), limit off.
    Scan roomy;
    CatalogNode* target = chain(roomy.collection, CatalogNode::MaxDepth - 2);
    roomy.disc = AddDiscFromDrive(target, cd.Root(), false, 8, &roomy.shell);
    ASSERT_NE(nullptr, roomy.disc);
    EXPECT_EQ(CatalogNode::MaxDepth - 1, roomy.disc->Depth());
    const CatalogNode* a = Child(roomy.disc, L"A ...");
    ASSERT_NE(nullptr, a);
    EXPECT_TRUE(a->m_children.empty());
    EXPECT_TRUE(roomy.shell.Messages().empty());

    // A target at the deepest level takes no disc, and the user is told why.
    Scan full;
    target = chain(full.collection, CatalogNode::MaxDepth);
    full.collection.m_modified = 0;
    EXPECT_EQ(nullptr, AddDiscFromDrive(target, cd.Root(), false, 8, &full.shell));
    EXPECT_TRUE(target->m_children.empty());
    EXPECT_EQ(0, full.collection.m_modified);
    EXPECT_EQ(0, full.shell.progressFolders);
    EXPECT_EQ(
        std::vector<std::string>{ToAnsiString(
            L"Сюда ничего нельзя добавить: папки каталога не вкладываются глубже 512 уровней.")},
        full.shell.Messages());
}

// Sizes of 4 GiB and more lost their high part, and names outside code page 1251 came back as
// question marks from the narrow file API.
TEST(DiscScan, HugeSparseFileAndNamesOutsideTheCodePage)
{
    CdromFixture cd;
    const std::uint64_t huge = (5ull << 30) + 3;
    cd.AddSparseFile(L"video.iso", huge);
    cd.AddFile(L"日本語.txt", "x");
    cd.AddFile(L"Ελληνικά/ναι.txt", "yes");
    const auto total = CatalogStatistics::TotalSize();
    Scan s;
    s.Run(cd.Root());
    ASSERT_NE(nullptr, s.disc);
    std::map<std::wstring, std::uint64_t> sizes;
    for (std::uint32_t i = 0; i < s.disc->EntryCount(); ++i)
        sizes[s.disc->Entries()[i].m_name.str()] = s.disc->Entries()[i].m_size;
    EXPECT_EQ(huge, sizes[L"video.iso"]);
    EXPECT_EQ(1u, sizes[L"日本語.txt"]);
    const CatalogNode* greek = Child(s.disc, L"Ελληνικά");
    ASSERT_NE(nullptr, greek);
    EXPECT_EQ(std::wstring(L"ναι.txt"),
              static_cast<const EntryContainerNode*>(greek)->Entries()[0].m_name.str());
    EXPECT_EQ(total + huge + 1 + 3 + LabelFileSize, CatalogStatistics::TotalSize());

    // Deleting the disc takes its sizes back out of the total.
    s.collection.RemoveChild(s.disc);
    EXPECT_EQ(total, CatalogStatistics::TotalSize());
}

TEST(DiscScan, UnreadableVolumeAddsNothingAndLeavesTheDirectory)
{
    const std::wstring before = CurrentDirectory();
    Scan s;
    s.Run("Q:\\");  // no such drive
    EXPECT_EQ(nullptr, s.disc);
    EXPECT_TRUE(s.collection.m_children.empty());
    EXPECT_EQ(0, s.collection.m_modified);
    EXPECT_EQ(std::vector<std::string>{LoadCatalogString(IdsAddDiscError)}, s.shell.Messages());
    EXPECT_EQ(std::vector<UINT>{MB_OK}, s.shell.Types());
    EXPECT_EQ(1, s.shell.progressEnds);
    EXPECT_EQ(before, CurrentDirectory());
}

TEST(DiscScan, DialogThatCannotRunCallsTheScanOff)
{
    CdromFixture cd;
    cd.AddFile("a.txt", "a");
    Scan s;
    s.shell.progressFails = true;
    const auto discs = CatalogStatistics::DiscCount();
    s.Run(cd.Root());
    EXPECT_EQ(nullptr, s.disc);
    EXPECT_TRUE(s.collection.m_children.empty());
    EXPECT_TRUE(s.shell.Messages().empty());
    EXPECT_EQ(discs, CatalogStatistics::DiscCount());
}
