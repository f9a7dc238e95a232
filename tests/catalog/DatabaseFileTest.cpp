// The database file: the byte grammar on decompressed bytes, round trips, version rules, damaged
// and hostile files, and saves that fail or are killed part-way.
#include <gtest/gtest.h>
#include <windows.h>
#include <comdef.h>
#include <cstring>
#include <memory>
#include "catalog/CatalogStatistics.h"
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseError.h"
#include "catalog/DatabaseFile.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/UserFolderNode.h"
#include "catalog/UtcNow.h"

namespace
{

const std::uint32_t Version = 0x20001;

FILETIME Ft(std::uint64_t v) { return FILETIME{(DWORD)v, (DWORD)(v >> 32)}; }
std::uint64_t U64(const FILETIME& f)
{
    return ((std::uint64_t)f.dwHighDateTime << 32) | f.dwLowDateTime;
}

// A collection with every kind of record and field.
void FillEverything(CollectionNode& c)
{
    c.m_name = L"My collections";
    c.m_description = L"Коллекция";
    c.m_flags = 1;
    auto folder = new UserFolderNode;
    folder->m_name = L"Фильмы";
    folder->m_description = L"полка 2";
    c.AddChild(folder);
    auto disc = new DiscNode;
    disc->m_name = L"DISC_1";
    disc->m_description = L"d";
    disc->m_lentTo = L"Пётр";
    disc->m_addedTime = Ft(0x01D2000012345678ull);
    folder->AddChild(disc);
    std::vector<FileEntry> files(4);
    files[0].m_name = L"small.txt";
    files[0].SetSize(0x7FFFFFFF);
    files[0].m_time = Ft(0x01C0000000000001ull);
    files[1].m_name = L"big.iso";
    files[1].SetSize(0x80000000ull);
    files[2].m_name = L"huge.vob";
    files[2].SetSize(0x123456789ull);
    files[2].m_description = L"описание";
    files[3].m_name = L"日本語.txt";  // outside code page 1251
    disc->SetEntries(files);
    auto sub = new DiscFolderNode;
    sub->m_name = L"VIDEO_TS";
    sub->m_attributes = DiscFolderNode::AttrReadOnly | DiscFolderNode::AttrExcluded;
    sub->m_time = Ft(0x01D0000000000042ull);
    sub->m_extra = 0xDEADBEEF;
    disc->AddChild(sub);
    auto inner = new DiscFolderNode;
    inner->m_name = L"EMPTY";
    sub->AddChild(inner);
    auto loose = new DiscNode;
    loose->m_name = L"Новый элемент";
    c.AddChild(loose);
}

// The 48 decompressed bytes of a collection with one user folder "A", after the header time.
Bytes OneFolderRecord()
{
    Bytes b;
    PutU32(b, 1);        // collection: one child
    PutU32(b, 1);        // tag: user folder
    PutString(b, L"A");  // name
    PutU32(b, 0);        // no children
    PutU32(b, 0);        // empty description
    return b;
}

Bytes Header(std::uint32_t version, const std::wstring& name = L"", std::uint8_t flags = 0)
{
    Bytes b;
    PutU32(b, version);
    PutString(b, name);
    Bytes block(8, 0);
    block[4] = flags;
    b.insert(b.end(), block.begin(), block.end());
    PutU64(b, 0x01D5000000000000ull);
    return b;
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(DatabaseFormat, CollectionWithOneFolderIs48DecompressedBytes)
{
    ScratchDir dir;
    CollectionNode c;
    c.m_name = L"One";
    auto a = new UserFolderNode;
    a->m_name = L"A";
    c.AddChild(a);
    const FILETIME before = UtcNow();
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(c, dir.File("One.dat")));
    const FILETIME after = UtcNow();

    const Bytes file = ReadFileBytes(dir.File("One.dat"));
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ('B', file[0]);
    EXPECT_EQ('Z', file[1]);
    const Bytes plain = Decompress(file);
    ASSERT_EQ(48u, plain.size());
    const Bytes head = {0x01, 0x00, 0x02, 0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(head, Bytes(plain.begin(), plain.begin() + 16));
    std::uint64_t t;
    std::memcpy(&t, &plain[16], 8);
    EXPECT_GE(t, U64(before));
    EXPECT_LE(t, U64(after));
    EXPECT_EQ(OneFolderRecord(), Bytes(plain.begin() + 24, plain.end()));
    // No temporary file is left behind.
    EXPECT_EQ(std::vector<std::string>{"One.dat"}, dir.List());
}

// The description and the collection flag were never written although the reader takes them
// from the header, so they were lost on every save.
TEST(DatabaseFormat, DescriptionAndFlagTravelInTheHeader)
{
    ScratchDir dir;
    CollectionNode c;
    c.m_name = L"x";
    c.m_description = L"d";
    c.m_flags = 1;
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(c, dir.File("x.dat")));
    const Bytes plain = Decompress(ReadFileBytes(dir.File("x.dat")));
    Bytes expected = {0x01, 0x00, 0x02, 0x00, 0x04, 0, 0,    0, 'd', 0,
                      0,    0,    0,    0,    0,    0, 0x01, 0, 0,   0};
    ASSERT_GE(plain.size(), expected.size());
    EXPECT_EQ(expected, Bytes(plain.begin(), plain.begin() + expected.size()));

    CollectionNode back;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(back, dir.File("x.dat")));
    EXPECT_EQ(std::wstring(L"d"), back.m_description.str());
    EXPECT_EQ(1, back.m_flags);
    EXPECT_EQ(0, back.m_modified);
}

TEST(DatabaseFormat, EntrySizesAndDescriptionsByFlag)
{
    struct Case
    {
        std::uint64_t size;
        const wchar_t* description;
        Bytes tail;  // the bytes after the name: flags, time, size, description
    } cases[] = {
        {0x7FFFFFFF, L"", {0x00, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F}},
        {0x80000000ull, L"", {0x08, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0, 0, 0, 0}},
        {5, L"d", {0x10, 0, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0, 4, 0, 0, 0, 'd', 0, 0, 0}},
    };
    for (const auto& c : cases) {
        FileEntry e;
        e.m_name = L"f";
        e.SetSize(c.size);
        e.m_description = c.description;
        MemoryStream out(Version);
        e.Serialize(out);
        Bytes expected;
        PutString(expected, L"f");
        expected.insert(expected.end(), c.tail.begin(), c.tail.end());
        EXPECT_EQ(expected, out.Data()) << c.size;

        MemoryStream in(Version, &out.Data());
        FileEntry back;
        back.Serialize(in);
        EXPECT_EQ(c.size, back.m_size);
        EXPECT_EQ(std::wstring(c.description), back.m_description.str());
        EXPECT_EQ(0u, in.Remaining());
    }
    // Flag 0x10 with an empty string reads back as an empty description.
    Bytes b;
    PutString(b, L"g");
    b.push_back(0x10);
    PutU64(b, 0);
    PutU32(b, 1);
    PutU32(b, 0);
    MemoryStream in(Version, &b);
    FileEntry e;
    e.m_description = L"old";
    e.Serialize(in);
    EXPECT_TRUE(e.m_description.empty());
    EXPECT_EQ(1u, e.m_size);
}

TEST(DatabaseFormat, StringsWithoutNulOrWithOddCounts)
{
    struct Case
    {
        Bytes bytes;
        std::wstring text;
    } cases[] = {
        {{6, 0, 0, 0, 'A', 0, 'B', 0, 'C', 0}, L"ABC"},    // no NUL: count / 2 units
        {{5, 0, 0, 0, 'A', 0, 'B', 0, 'C'}, L"AB"},        // odd count: the stray byte is skipped
        {{8, 0, 0, 0, 'A', 0, 0, 0, 'C', 0, 0, 0}, L"A"},  // units after the first NUL are dropped
        {{0, 0, 0, 0}, L""},
    };
    for (const auto& c : cases) {
        MemoryStream in(Version, &c.bytes);
        CatalogText t;
        ReadString(t, in);
        EXPECT_EQ(c.text, t.str());
        EXPECT_EQ(0u, in.Remaining());
    }
}

TEST(DatabaseFile, RoundTripOfEveryRecordKind)
{
    ScratchDir dir;
    CollectionNode c;
    FillEverything(c);
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(c, dir.File("My collections.dat")));
    CollectionNode back;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(back, dir.File("My collections.dat")));
    EXPECT_EQ(DumpTree(&c), DumpTree(&back));
    EXPECT_EQ(0, back.m_modified);
    EXPECT_FALSE(back.m_fileRefused);
    for (CatalogNode* n : back.m_children) EXPECT_EQ(&back, n->m_parent);
}

TEST(DatabaseFile, CollectionIsNamedByTheBareBaseName)
{
    EXPECT_EQ("My collections", CollectionNameFromPath("C:\\data\\My collections.dat"));
    EXPECT_EQ("My collections", CollectionNameFromPath("C:My collections.dat"));
    EXPECT_EQ("base.x", CollectionNameFromPath("dir/sub\\base.x.dat"));
    EXPECT_THROW(CollectionNameFromPath("no_dot"), _com_error);

    // A missing file still names the collection and leaves it empty and savable.
    ScratchDir dir;
    CollectionNode c;
    EXPECT_EQ(DatabaseLoadResult::Missing, OpenDatabase(c, dir.File("Missing one.dat")));
    EXPECT_EQ(std::wstring(L"Missing one"), c.m_name.str());
    EXPECT_TRUE(c.m_children.empty());
    EXPECT_FALSE(c.m_fileRefused);
}

TEST(DatabaseFile, UncompressedFileReadsWithTheSameLayout)
{
    ScratchDir dir;
    WriteFileBytes(dir.File("p.dat"), Concat(Header(Version, L"plain", 1), OneFolderRecord()));
    CollectionNode c;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(c, dir.File("p.dat")));
    EXPECT_EQ(std::wstring(L"plain"), c.m_description.str());
    EXPECT_EQ(1, c.m_flags);
    EXPECT_EQ(0x01D5000000000000ull, U64(c.m_time));
    ASSERT_EQ(1u, c.m_children.size());
    EXPECT_EQ(std::wstring(L"A"), (*c.m_children.begin())->m_name.str());
}

TEST(DatabaseFile, OptionalHeaderValuesAreSkipped)
{
    ScratchDir dir;
    Bytes h;
    PutU32(h, Version);
    PutString(h, L"");
    Bytes block = {1, 0, 0, 0, DatabaseHeader::FlagOptionalValues, 0, 0, 0};
    h.insert(h.end(), block.begin(), block.end());
    PutU64(h, 7);
    PutU32(h, 0xAAAA);
    PutU32(h, 0xBBBB);
    WriteFileBytes(dir.File("o.dat"), Concat(h, OneFolderRecord()));
    CollectionNode c;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(c, dir.File("o.dat")));
    EXPECT_EQ(1u, c.m_children.size());
}

TEST(DatabaseFile, OlderVersionsAndANewerOne)
{
    // One disc holding one disc folder with attributes 0x07.
    auto body = [](bool withGuid) {
        Bytes b;
        PutU32(b, 1);
        PutU32(b, NodeDisc);
        PutString(b, L"D");
        PutU32(b, 1);
        PutU32(b, NodeDiscFolder);
        PutString(b, L"F");
        PutU32(b, 0);
        PutU32(b, 0);
        b.push_back(0x07);
        PutU64(b, 9);
        PutU32(b, 3);
        PutU32(b, 0);  // disc: entries
        PutU32(b, 0);  // description
        PutU64(b, 11);
        PutU32(b, 0);  // lent to
        if (withGuid)
            for (int i = 0; i < 16; ++i) b.push_back((std::uint8_t)(0xA0 + i));
        return b;
    };
    auto load = [](const Bytes& file, CollectionNode& c) {
        ScratchDir dir;
        WriteFileBytes(dir.File("v.dat"), file);
        return OpenDatabase(c, dir.File("v.dat"));
    };
    auto disc = [](CollectionNode& c) { return static_cast<DiscNode*>(*c.m_children.begin()); };
    auto folder = [&](CollectionNode& c) {
        return static_cast<DiscFolderNode*>(*disc(c)->m_children.begin());
    };
    const unsigned char stored[16] = {0xA0, 0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7,
                                      0xA8, 0xA9, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF};

    CollectionNode v1;
    ASSERT_EQ(DatabaseLoadResult::Loaded, load(Concat(Header(1), body(false)), v1));
    EXPECT_EQ(0, folder(v1)->m_attributes);
    EXPECT_NE(0, std::memcmp(stored, &disc(v1)->m_identity, 16));

    CollectionNode v2;
    ASSERT_EQ(DatabaseLoadResult::Loaded, load(Concat(Header(0x20000), body(false)), v2));
    EXPECT_EQ(7, folder(v2)->m_attributes);
    EXPECT_NE(0, std::memcmp(stored, &disc(v2)->m_identity, 16));
    EXPECT_EQ(3u, folder(v2)->m_extra);

    CollectionNode v3;
    ASSERT_EQ(DatabaseLoadResult::Loaded, load(Concat(Header(Version), body(true)), v3));
    EXPECT_EQ(0, std::memcmp(stored, &disc(v3)->m_identity, 16));

    CollectionNode newer;
    EXPECT_EQ(DatabaseLoadResult::Refused, load(Concat(Header(0x20002), body(true)), newer));
    EXPECT_TRUE(newer.m_children.empty());
    EXPECT_TRUE(newer.m_fileRefused);
}

// Damaged files were read as far as they went, with counts trusted and unknown tags ignored.
TEST(DatabaseFile, TruncationAtEveryByteIsRefusedAndNeverOverwritten)
{
    CollectionNode source;
    FillEverything(source);
    ScratchDir dir;
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(source, dir.File("full.dat")));
    const Bytes plain = Decompress(ReadFileBytes(dir.File("full.dat")));
    const auto discs = CatalogStatistics::DiscCount(), files = CatalogStatistics::FileCount();
    const auto size = CatalogStatistics::TotalSize();

    for (std::size_t cut = 0; cut < plain.size(); ++cut) {
        const std::string path = dir.File("cut.dat");
        const Bytes damaged(plain.begin(), plain.begin() + cut);
        WriteFileBytes(path, damaged);
        CollectionNode c;
        ASSERT_EQ(DatabaseLoadResult::Refused, OpenDatabase(c, path)) << "cut at " << cut;
        EXPECT_TRUE(c.m_children.empty());
        c.AddChild(new UserFolderNode);
        c.m_modified = 1;
        EXPECT_EQ(DatabaseSaveResult::Refused, SaveDatabaseAs(c, path));
        EXPECT_EQ(damaged, ReadFileBytes(path));
    }
    EXPECT_EQ(discs, CatalogStatistics::DiscCount());
    EXPECT_EQ(files, CatalogStatistics::FileCount());
    EXPECT_EQ(size, CatalogStatistics::TotalSize());

    // A compressed file cut short, and a "BZ" file that is no bzip2 stream.
    const Bytes compressed = ReadFileBytes(dir.File("full.dat"));
    for (std::size_t cut :
         {std::size_t(2), std::size_t(10), compressed.size() / 2, compressed.size() - 1})
    {
        WriteFileBytes(dir.File("bz.dat"), Bytes(compressed.begin(), compressed.begin() + cut));
        CollectionNode c;
        EXPECT_EQ(DatabaseLoadResult::Refused, OpenDatabase(c, dir.File("bz.dat"))) << cut;
        EXPECT_TRUE(c.m_children.empty());
    }
    WriteFileBytes(dir.File("bz.dat"), Bytes{'B', 'Z', 'h', '9', 1, 2, 3, 4, 5, 6, 7, 8});
    CollectionNode c;
    EXPECT_EQ(DatabaseLoadResult::Refused, OpenDatabase(c, dir.File("bz.dat")));
}

TEST(DatabaseFile, BogusTagsAndCountsAreRefused)
{
    struct Case
    {
        const char* what;
        Bytes body;
    };
    std::vector<Case> cases;
    {
        Bytes b;
        PutU32(b, 1);
        PutU32(b, 7);  // no such record kind
        cases.push_back({"unknown tag", b});
    }
    {
        Bytes b;
        PutU32(b, 1);
        PutU32(b, NodeCollection);  // a collection is never a child
        cases.push_back({"collection tag", b});
    }
    {
        Bytes b;
        PutU32(b, 0xFFFFFFFF);  // children that are not there
        PutU32(b, NodeUserFolder);
        PutString(b, L"A");
        PutU32(b, 0);
        PutU32(b, 0);
        cases.push_back({"child count", b});
    }
    {
        Bytes b;
        PutU32(b, 1);
        PutU32(b, NodeDiscFolder);
        PutString(b, L"F");
        PutU32(b, 0);
        PutU32(b, 0xFFFFFFFF);  // entries that are not there
        cases.push_back({"entry count", b});
    }
    {
        Bytes b;
        PutU32(b, 1);
        PutU32(b, NodeUserFolder);
        PutU32(b, 0xFFFFFFF0);  // a name far longer than the file
        b.insert(b.end(), 100, 'x');
        cases.push_back({"string count", b});
    }
    {
        // Folders nested beyond any real disc.
        Bytes b;
        for (int i = 0; i < 100000; ++i) {
            PutU32(b, 1);
            PutU32(b, NodeUserFolder);
            PutU32(b, 0);
        }
        cases.push_back({"nesting", b});
    }
    ScratchDir dir;
    for (const auto& c : cases) {
        const Bytes file = Concat(Header(Version), c.body);
        WriteFileBytes(dir.File("b.dat"), file);
        CollectionNode col;
        EXPECT_EQ(DatabaseLoadResult::Refused, OpenDatabase(col, dir.File("b.dat"))) << c.what;
        EXPECT_TRUE(col.m_children.empty()) << c.what;
        EXPECT_EQ(DatabaseSaveResult::Refused, SaveDatabase(col)) << c.what;
        EXPECT_EQ(file, ReadFileBytes(dir.File("b.dat"))) << c.what;
    }
}

TEST(DatabaseFile, WrittenStreamIsTheSameAsTheLibrarysWb5)
{
    ScratchDir dir;
    CollectionNode c;
    FillEverything(c);
    // Enough entries for more than one compression block.
    auto disc = new DiscNode;
    std::vector<FileEntry> many(40000);
    for (std::size_t i = 0; i < many.size(); ++i) {
        many[i].m_name = (L"file" + std::to_wstring(i * 7919) + L".dat").c_str();
        many[i].SetSize(i * 1000);
    }
    disc->SetEntries(many);
    c.AddChild(disc);
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(c, dir.File("s.dat")));
    const Bytes ours = ReadFileBytes(dir.File("s.dat"));
    const Bytes plain = Decompress(ours);
    EXPECT_GT(plain.size(), 1000000u);
    EXPECT_EQ(CompressLikeWb5(plain, dir.File("ref.bz2")), ours);
}

TEST(DatabaseFile, FailedReplaceKeepsTheOldFileAndRemovesTheTemporary)
{
    ScratchDir dir;
    // The target is a directory: the final move cannot replace it.
    ASSERT_TRUE(CreateDirectoryA(dir.File("d.dat").c_str(), nullptr));
    CollectionNode c;
    FillEverything(c);
    EXPECT_EQ(DatabaseSaveResult::Failed, SaveDatabaseAs(c, dir.File("d.dat")));
    EXPECT_EQ(std::vector<std::string>{"d.dat"}, dir.List());
    EXPECT_TRUE(GetFileAttributesA(dir.File("d.dat").c_str()) & FILE_ATTRIBUTE_DIRECTORY);

    // The target directory does not exist: no writer, nothing written.
    EXPECT_EQ(DatabaseSaveResult::Failed, SaveDatabaseAs(c, dir.File("none\\x.dat")));
    EXPECT_EQ(std::vector<std::string>{"d.dat"}, dir.List());
}

namespace
{
// A record whose writing fails half-way, as a full disc or a broken tree would make it.
struct FailingFolder : UserFolderNode
{
    void Serialize(DatabaseStream& stream) override
    {
        UserFolderNode::Serialize(stream);
        throw std::runtime_error("failure while writing");
    }
};
}  // namespace

TEST(DatabaseFile, ExceptionDuringSaveAbortsTheWriter)
{
    ScratchDir dir;
    CollectionNode good;
    FillEverything(good);
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(good, dir.File("e.dat")));
    const Bytes before = ReadFileBytes(dir.File("e.dat"));
    CollectionNode bad;
    bad.m_name = L"e";
    bad.AddChild(new FailingFolder);
    EXPECT_EQ(DatabaseSaveResult::Failed, SaveDatabaseAs(bad, dir.File("e.dat")));
    EXPECT_EQ(before, ReadFileBytes(dir.File("e.dat")));
    EXPECT_EQ(std::vector<std::string>{"e.dat"}, dir.List());
}

namespace
{

const wchar_t SaveForeverSwitch[] = L"--lornival-save-forever=";

// Started as "<this program> --lornival-save-forever=<path>", the program saves a large catalogue
// to <path> again and again until it is killed: the child of the test below.
int SaveForeverIfAsked()
{
    const wchar_t* cmd = GetCommandLineW();
    const wchar_t* arg = wcsstr(cmd, SaveForeverSwitch);
    if (!arg) return 0;
    std::wstring wpath = arg + wcslen(SaveForeverSwitch);
    std::string path(wpath.begin(), wpath.end());  // the scratch path is plain ASCII
    CollectionNode c;
    c.m_name = L"big";
    for (int d = 0; d < 30; ++d) {
        auto disc = new DiscNode;
        disc->m_name = (L"DISC " + std::to_wstring(d)).c_str();
        std::vector<FileEntry> files(10000);
        for (std::size_t i = 0; i < files.size(); ++i) {
            files[i].m_name = (L"track_" + std::to_wstring(d * 100003 + i * 7919) + L".mp3").c_str();
            files[i].SetSize(i * 4099 + d);
        }
        disc->SetEntries(files);
        c.AddChild(disc);
    }
    for (;;) SaveDatabaseAs(c, path);
}

const int saveForeverChild = SaveForeverIfAsked();

}  // namespace

TEST(DatabaseFile, SaveKilledPartWayLeavesTheOldFileIntact)
{
    ScratchDir dir;
    const std::string target = dir.File("killed.dat");
    CollectionNode old;
    FillEverything(old);
    ASSERT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(old, target));
    const Bytes before = ReadFileBytes(target);

    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring cmd = L"\"" + std::wstring(exe) + L"\" " + SaveForeverSwitch +
                       std::wstring(target.begin(), target.end());
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    ASSERT_TRUE(
        CreateProcessW(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));

    // Kill the child once its first temporary file holds a good part of the save.
    bool writing = false;
    for (int i = 0; i < 6000 && !writing; ++i) {
        for (const std::string& name : dir.List()) {
            if (name.compare(0, 3, "vre") != 0)
                continue;  // the system keeps three letters of the prefix
            WIN32_FILE_ATTRIBUTE_DATA fa;
            if (GetFileAttributesExA(dir.File(name).c_str(), GetFileExInfoStandard, &fa) &&
                fa.nFileSizeLow > 100000)
                writing = true;
        }
        if (!writing) Sleep(10);
    }
    TerminateProcess(pi.hProcess, 9);
    WaitForSingleObject(pi.hProcess, INFINITE);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);
    ASSERT_TRUE(writing) << "the child never started writing";

    EXPECT_EQ(before, ReadFileBytes(target));
    CollectionNode back;
    EXPECT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(back, target));
    EXPECT_EQ(DumpTree(&old).substr(DumpTree(&old).find('\n')),
              DumpTree(&back).substr(DumpTree(&back).find('\n')));

    // The killed save left its temporary file; the next save takes it away.
    EXPECT_GT(dir.List().size(), 1u);
    EXPECT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(old, target));
    EXPECT_EQ(std::vector<std::string>{"killed.dat"}, dir.List());
}
