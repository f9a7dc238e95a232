// Loading when memory runs out: an allocation that fails anywhere in a load refuses the file as
// damage does, keeps it, leaks nothing and leaves the program running. This program replaces the
// global allocator so that a test can make one chosen allocation fail.
#include <gtest/gtest.h>
#include <windows.h>
#include <bzlib.h>
#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <new>
#include "FakeCatalogShell.h"
#include "catalog/CatalogStatistics.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CatalogText.h"
#include "catalog/CatalogTextStore.h"
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseFile.h"
#include "catalog/DatabaseThreads.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"

namespace
{

// 0: every allocation succeeds. n > 0: the n-th allocation from now (on any thread) fails, once.
std::atomic<long> g_failAfter{0};
std::atomic<bool> g_failed{false};

}  // namespace

void* operator new(std::size_t size)
{
    if (g_failAfter.load() > 0 && g_failAfter.fetch_sub(1) == 1) {
        g_failed = true;
        throw std::bad_alloc();
    }
    // The process heap directly: the compiler then pairs nothing with the C run-time's free.
    void* p = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    if (!p) throw std::bad_alloc();
    return p;
}

void operator delete(void* p) noexcept
{
    if (p) HeapFree(GetProcessHeap(), 0, p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace
{

const std::uint32_t Version = 0x20001;
const long Uncounted = 1L << 30;  // a countdown no load comes near: it only counts

// Runs `work` with the n-th allocation failing; true when that allocation was reached.
bool WithFailingAllocation(long n, const std::function<void()>& work)
{
    g_failed = false;
    g_failAfter = n;
    work();
    g_failAfter = 0;
    return g_failed;
}

// How many allocations `work` makes.
long CountAllocations(const std::function<void()>& work)
{
    g_failAfter = Uncounted;
    work();
    const long used = Uncounted - g_failAfter.load();
    g_failAfter = 0;
    return used;
}

// Every kind of record, a name longer than the reader's buffer on the stack, a description long
// enough for a block of the text store of its own (allocated by every load), and enough files to
// need several allocations for one list.
void FillMixed(CollectionNode& c, const wchar_t* name)
{
    c.m_name = name;
    c.m_description = L"описание коллекции";
    auto folder = new UserFolderNode;
    folder->m_name = std::wstring(300, L'Ф').c_str();
    folder->m_description = std::wstring(5000, L'д');
    c.AddChild(folder);
    for (int d = 0; d < 3; ++d) {
        auto disc = new DiscNode;
        disc->m_name = (L"DISC " + std::to_wstring(d)).c_str();
        disc->m_lentTo = L"Иван";
        folder->AddChild(disc);
        auto sub = new DiscFolderNode;
        sub->m_name = L"sub";
        disc->AddChild(sub);
        std::vector<FileEntry> files(40);
        for (std::size_t i = 0; i < files.size(); ++i) {
            files[i].m_name = (L"f" + std::to_wstring(i)).c_str();
            files[i].SetSize(0x100000000ull + i);
            if (i % 7 == 0) files[i].m_description = L"note";
        }
        sub->SetEntries(files);
    }
}

// The file can be opened with no sharing: nobody (no forgotten reader) holds it open.
bool NobodyHolds(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    CloseHandle(h);
    return true;
}

struct Counters
{
    long discs, folders, files;
    std::uint64_t size;
    static Counters Now()
    {
        return {(long)CatalogStatistics::DiscCount(), (long)CatalogStatistics::FolderCount(),
                (long)CatalogStatistics::FileCount(), CatalogStatistics::TotalSize()};
    }
    bool operator==(const Counters& o) const
    {
        return discs == o.discs && folders == o.folders && files == o.files && size == o.size;
    }
};

// Writes a compressed catalogue of one disc holding `count` file entries of 17 zero bytes each
// (no name, no flags, time 0, size 0): a few hundred bytes on disc for millions of entries.
void WriteZeroEntryCatalogue(const std::string& path, std::uint32_t count)
{
    Bytes head;
    PutU32(head, Version);
    PutString(head, L"");
    head.insert(head.end(), 8, 0);  // flag block
    PutU64(head, 0);                // time
    PutU32(head, 1);                // one child
    PutU32(head, NodeDisc);
    PutString(head, L"");  // its name
    PutU32(head, 0);       // no children
    PutU32(head, count);   // entries
    const std::uint64_t entryBytes = 17ull * count;
    const std::uint64_t discTail = 4 + 8 + 4 + 16;  // description, added time, lent to, identity

    std::FILE* out = std::fopen(path.c_str(), "wb");
    ASSERT_NE(nullptr, out);
    bz_stream s;
    std::memset(&s, 0, sizeof s);
    ASSERT_EQ(BZ_OK, BZ2_bzCompressInit(&s, 5, 0, 30));
    static char zeros[1 << 20];
    static char packed[1 << 16];
    auto pump = [&](char* data, unsigned size, int action) {
        s.next_in = data;
        s.avail_in = size;
        int rc;
        do {
            s.next_out = packed;
            s.avail_out = sizeof packed;
            rc = BZ2_bzCompress(&s, action);
            std::fwrite(packed, 1, sizeof packed - s.avail_out, out);
        } while (action == BZ_FINISH ? rc != BZ_STREAM_END : s.avail_in > 0);
    };
    pump((char*)head.data(), (unsigned)head.size(), BZ_RUN);
    for (std::uint64_t left = entryBytes + discTail; left > 0;) {
        const unsigned n = (unsigned)(left < sizeof zeros ? left : sizeof zeros);
        pump(zeros, n, BZ_RUN);
        left -= n;
    }
    pump(zeros, 0, BZ_FINISH);
    BZ2_bzCompressEnd(&s);
    std::fclose(out);
}

}  // namespace

TEST(LoadingOutOfMemory, EveryFailingAllocationRefusesTheFileAndLeaksNothing)
{
    ScratchDir dir;
    CollectionNode source;
    FillMixed(source, L"mixed");
    const std::string compressed = dir.File("mixed.dat");
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(source, compressed));
    // The same records uncompressed: the reader's other path.
    const std::string plain = dir.File("plain.dat");
    WriteFileBytes(plain, Decompress(ReadFileBytes(compressed)));

    for (const std::string& path : {compressed, plain}) {
        const Bytes before = ReadFileBytes(path);
        const Counters baseline = Counters::Now();
        {
            // A first load, so that nothing the run-time sets up once is counted below.
            CollectionNode warmUp;
            ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(warmUp, path));
        }
        const long allocations = CountAllocations([&] {
            CollectionNode c;
            EXPECT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(c, path));
        });
        // Nodes, their child sets, entry arrays, the long description and the reader's buffers
        // (short texts come from the text store's blocks, which the first load made).
        ASSERT_GT(allocations, 20) << path;

        for (long n = 1; n <= allocations; ++n) {
            {
                CollectionNode c;
                DatabaseLoadResult result = DatabaseLoadResult::Loaded;
                ASSERT_TRUE(WithFailingAllocation(n, [&] { result = OpenDatabase(c, path); })) << n;
                ASSERT_EQ(DatabaseLoadResult::Refused, result) << path << " allocation " << n;
                EXPECT_TRUE(c.m_children.empty()) << n;
                EXPECT_TRUE(c.m_fileRefused) << n;
                EXPECT_EQ(DatabaseSaveResult::Refused, SaveDatabaseAs(c, path)) << n;
            }
            // Whatever was built before the failure is gone again, and no reader holds the file.
            ASSERT_TRUE(baseline == Counters::Now()) << path << " allocation " << n;
            ASSERT_TRUE(NobodyHolds(path)) << path << " allocation " << n;
        }
        EXPECT_EQ(before, ReadFileBytes(path));

        // Afterwards the file loads whole.
        CollectionNode back;
        ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(back, path));
        back.m_name = source.m_name;
        EXPECT_EQ(DumpTree(&source), DumpTree(&back));
    }
}

// The text store allocates a block for a long text, and a fresh shared block when the current one
// is full. Either failing leaves the assigned text and the store as they were, and the store
// serves the next text as usual.
TEST(LoadingOutOfMemory, TextWhoseStoreBlockCannotBeAllocatedStaysAsItWas)
{
    CatalogText text(L"old text");
    const std::size_t held = CatalogTextStore::HeldBytes();
    const std::wstring longText(5000, L'д');
    EXPECT_TRUE(WithFailingAllocation(1, [&] { EXPECT_THROW(text = longText, std::bad_alloc); }));
    EXPECT_EQ(std::wstring(L"old text"), text.str());
    EXPECT_EQ(held, CatalogTextStore::HeldBytes());

    // Texts of a size nothing else uses, held, until one no longer fits the current shared block.
    const std::size_t units = 3999;
    std::vector<CatalogText> filling;
    filling.reserve(40);  // the vector allocates nothing below: every allocation is the store's
    bool blockRefused = false;
    for (int i = 0; i < 40 && !blockRefused; ++i) {
        const std::size_t before = CatalogTextStore::HeldBytes();
        const std::wstring next(units, (wchar_t)(L'a' + i % 26));
        blockRefused = WithFailingAllocation(1, [&] {
            try {
                filling.emplace_back(next);
            } catch (const std::bad_alloc&) {
            }
        });
        if (blockRefused) {
            EXPECT_EQ(before, CatalogTextStore::HeldBytes()) << i;
            EXPECT_EQ(std::size_t(i), filling.size());
        }
    }
    ASSERT_TRUE(blockRefused);
    for (std::size_t i = 0; i < filling.size(); ++i)
        EXPECT_EQ(std::wstring(units, (wchar_t)(L'a' + i % 26)), filling[i].str()) << i;
    text = std::wstring(units, L'z');
    text = longText;
    EXPECT_EQ(longText, text.str());
}

TEST(LoadingOutOfMemory, StartupTellsTheUserKeepsTheFileAndGoesOn)
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    const std::string name = ToAnsiString(L"My collections.dat");
    CollectionNode source;
    FillMixed(source, L"My collections");
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(source, dir.File(name)));
    const Bytes before = ReadFileBytes(dir.File(name));

    auto load = [&](std::vector<CollectionNode*>& into) {
        LoaderContext context;
        context.directory = dir.Path();
        context.collections = &into;
        return LoadDatabaseBehindSplash(context);
    };
    std::vector<CollectionNode*> counted;
    EXPECT_EQ(StartupLoad::Loaded, load(counted));
    const long allocations = CountAllocations(
        [&] { EXPECT_EQ(StartupLoad::Loaded, load(counted)); });
    for (CollectionNode* c : counted) delete c;

    // Half-way through the load is well inside the file's records.
    std::vector<CollectionNode*> loaded;
    StartupLoad result = StartupLoad::Loaded;
    ASSERT_TRUE(WithFailingAllocation(allocations / 2, [&] { result = load(loaded); }));
    EXPECT_EQ(StartupLoad::Refused, result);
    EXPECT_EQ(std::vector<std::string>{LoadCatalogString(IdsDatabaseLoadError)}, shell.Messages());
    ASSERT_EQ(1u, loaded.size());
    EXPECT_TRUE(loaded[0]->m_children.empty());
    EXPECT_EQ(0, loaded[0]->m_modified);

    // The program goes on: the user's changes are not saved over the file, which stays whole.
    loaded[0]->AddChild(new UserFolderNode);
    loaded[0]->m_modified = 1;
    EXPECT_FALSE(SaveModifiedCollections(loaded, dir.Path(), false, &shell));
    EXPECT_EQ(before, ReadFileBytes(dir.File(name)));
    for (CollectionNode* c : loaded) delete c;
}

// The file generator of the next test, at a size any build can hold.
TEST(LoadingOutOfMemory, ZeroEntryCatalogueIsSmallAndLoadsWhole)
{
    ScratchDir dir;
    const std::string path = dir.File("zeros.dat");
    const std::uint32_t count = 1000000;
    WriteZeroEntryCatalogue(path, count);
    EXPECT_LT(ReadFileBytes(path).size(), 4096u);
    CollectionNode c;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(c, path));
    ASSERT_EQ(1u, c.m_children.size());
    EXPECT_EQ(count, static_cast<DiscNode*>(*c.m_children.begin())->EntryCount());
}

// A small file that expands past what a 32-bit process can address: the load runs out of memory
// for real. Where pointers are 64-bit the same file would simply load (using gigabytes), so the
// test runs only in the 32-bit build.
TEST(LoadingOutOfMemory, FileExpandingPastTheAddressSpaceIsRefusedIn32BitBuildOnly)
{
    if (sizeof(void*) != 4)
        GTEST_SKIP() << "needs a 32-bit address space; this build has 64-bit pointers";
    ScratchDir dir;
    const std::string path = dir.File("bomb.dat");
    // 128 Mi entries: 2.2 GB of records, and at least 24 bytes each in memory, over 3 GB; the 2 GB
    // address space runs out long before the data does, so the refusal cannot be a short file.
    const std::uint32_t count = 128u << 20;
    WriteZeroEntryCatalogue(path, count);
    const Bytes before = ReadFileBytes(path);
    EXPECT_LT(before.size(), 65536u);
    const Counters baseline = Counters::Now();

    CollectionNode c;
    EXPECT_EQ(DatabaseLoadResult::Refused, OpenDatabase(c, path));
    EXPECT_TRUE(c.m_children.empty());
    EXPECT_TRUE(c.m_fileRefused);
    EXPECT_EQ(before, ReadFileBytes(path));
    EXPECT_TRUE(baseline == Counters::Now());
    // The memory is back: a large block can be had again (new throws if not).
    std::unique_ptr<char[]> block(new char[256u << 20]);
    block[0] = 1;
}
