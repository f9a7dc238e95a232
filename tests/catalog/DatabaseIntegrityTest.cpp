// Integrity of the database file: a damaged file is never taken for a valid one, whatever we
// write reads back, stale temporary files go, and a read-only file is never replaced.
#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include <cstring>
#include <random>
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseFile.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/UserFolderNode.h"

namespace
{

const std::uint32_t Version = 0x20001;

// A catalogue of the size people keep: forty discs of folders and files. Its decompressed data
// spans more than one compression block and far more than the reader's 64 KB buffer.
void FillRealSized(CollectionNode& c)
{
    c.m_name = L"real";
    c.m_description = L"shelf";
    for (int d = 0; d < 40; ++d) {
        auto disc = new DiscNode;
        disc->m_name = (L"DISC_" + std::to_wstring(d)).c_str();
        disc->m_description = L"backup";
        c.AddChild(disc);
        for (int f = 0; f < 3; ++f) {
            auto folder = new DiscFolderNode;
            folder->m_name = (L"folder " + std::to_wstring(f)).c_str();
            folder->m_time = FILETIME{(DWORD)(d * 1000 + f), 0x01D00000};
            std::vector<FileEntry> files(150);
            for (std::size_t i = 0; i < files.size(); ++i) {
                files[i].m_name =
                    (L"track_" + std::to_wstring(d * 100003 + f * 7919 + i * 31) + L".mp3").c_str();
                files[i].SetSize(i * 40961 + d);
                files[i].m_time = FILETIME{(DWORD)(i * 977 + d), 0x01C00000};
            }
            folder->SetEntries(files);
            disc->AddChild(folder);
        }
    }
}

// A chain of user folders `depth` levels deep below the collection.
void FillChain(CollectionNode& c, int depth)
{
    c.m_name = L"chain";
    CatalogNode* at = &c;
    for (int i = 0; i < depth; ++i) {
        auto folder = new UserFolderNode;
        folder->m_name = (L"level " + std::to_wstring(i + 1)).c_str();
        at->AddChild(folder);
        at = folder;
    }
}

int DeepestLevel(const CatalogNode& node)
{
    int deepest = 0;
    for (const CatalogNode* at = &node; !at->m_children.empty(); at = *at->m_children.begin())
        ++deepest;
    return deepest;
}

Bytes Header()
{
    Bytes b;
    PutU32(b, Version);
    PutString(b, L"");
    b.insert(b.end(), 8, 0);
    PutU64(b, 0x01D5000000000000ull);
    return b;
}

Bytes Concat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void FlipBit(Bytes& b, std::size_t bit) { b[bit / 8] ^= (std::uint8_t)(0x80 >> (bit % 8)); }

// The first bit position at or after `from` where the 48-bit `pattern` starts. The compressed
// stream packs its fields most significant bit first, without byte alignment.
std::size_t FindBits(const Bytes& b, std::uint64_t pattern, std::size_t from)
{
    for (std::size_t bit = from; bit + 48 <= b.size() * 8; ++bit) {
        std::uint64_t v = 0;
        for (std::size_t i = 0; i < 48; ++i)
            v = (v << 1) | ((b[(bit + i) / 8] >> (7 - (bit + i) % 8)) & 1);
        if (v == pattern) return bit;
    }
    return std::string::npos;
}

const std::uint64_t BlockMagic = 0x314159265359ull;        // starts every compressed block
const std::uint64_t EndOfStreamMagic = 0x177245385090ull;  // followed by the whole stream's checksum
const std::size_t FirstBlockChecksumByte = 10;  // "BZh5", the block magic, then its checksum

// Saves the collection and returns the file's bytes.
Bytes Saved(CollectionNode& c, const std::string& path)
{
    EXPECT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(c, path));
    return ReadFileBytes(path);
}

// Loads a damaged file: it must be refused, leave the collection empty, and stay on disc as it
// was even when the user then changes the collection and saves.
void ExpectRefusedAndKept(const ScratchDir& dir, const Bytes& file, const std::string& what)
{
    const std::string path = dir.File("damaged.dat");
    WriteFileBytes(path, file);
    CollectionNode c;
    EXPECT_EQ(DatabaseLoadResult::Refused, OpenDatabase(c, path)) << what;
    EXPECT_TRUE(c.m_children.empty()) << what;
    c.AddChild(new UserFolderNode);
    c.m_modified = 1;
    EXPECT_EQ(DatabaseSaveResult::Refused, SaveDatabaseAs(c, path)) << what;
    EXPECT_EQ(file, ReadFileBytes(path)) << what;
}

}  // namespace

// A damaged block whose first bytes parse as a whole (smaller) tree was taken for the catalogue:
// its checksum is tested only at the block's end, which the reader never reached. The next save
// then wrote the empty collection over the user's catalogue.
TEST(DatabaseIntegrity, DamagedOrOverlongStreamsAreRefused)
{
    ScratchDir dir;
    CollectionNode source;
    FillRealSized(source);
    const Bytes good = Saved(source, dir.File("good.dat"));
    const Bytes plain = Decompress(good);
    ASSERT_GT(plain.size(), 600000u);  // more than one block of 500 000 bytes
    // The collection's child count follows the header: version, the description "shelf" (count
    // and five units with their NUL), the flag block and the time.
    const std::size_t countAt = 4 + 4 + (5 + 1) * 2 + 8 + 8;
    std::uint32_t discs;
    std::memcpy(&discs, &plain[countAt], 4);
    ASSERT_EQ(40u, discs);

    // The same data, but parsing as an empty collection with the real children left over.
    Bytes emptyThenRest = plain;
    std::memset(&emptyThenRest[countAt], 0, 4);
    const Bytes emptyThenRestPacked = CompressLikeWb5(emptyThenRest, dir.File("scratch.bz2"));

    struct Case
    {
        const char* what;
        Bytes file;
    };
    std::vector<Case> cases;
    {
        Bytes f = emptyThenRestPacked;
        f[FirstBlockChecksumByte] ^= 0x01;
        cases.push_back({"empty collection first, block checksum damaged", f});
    }
    cases.push_back({"empty collection first, checksums good", emptyThenRestPacked});
    {
        Bytes f = good;
        f[FirstBlockChecksumByte + 3] ^= 0x80;
        cases.push_back({"whole tree, first block checksum damaged", f});
    }
    {
        Bytes f = good;
        const std::size_t eos = FindBits(f, EndOfStreamMagic, f.size() * 8 - 96);
        ASSERT_NE(std::string::npos, eos);
        FlipBit(f, eos + 48 + 7);
        cases.push_back({"whole tree, stream checksum damaged", f});
    }
    {
        Bytes f = good;
        const std::size_t second = FindBits(f, BlockMagic, 100);
        ASSERT_NE(std::string::npos, second);
        FlipBit(f, second + 48 + 2);
        cases.push_back({"whole tree, second block checksum damaged", f});
    }
    cases.push_back({"bytes after the compressed stream", Concat(good, Bytes{0, 0, 0, 0})});
    cases.push_back({"a second compressed stream after the first", Concat(good, good)});
    cases.push_back({"plain file with bytes after the tree",
                     Concat(Concat(Header(), Bytes{0, 0, 0, 0}), Bytes{7})});
    cases.push_back({"plain file with a whole second tree", Concat(plain, plain)});
    for (const Case& c : cases) ExpectRefusedAndKept(dir, c.file, c.what);

    // The good file itself still loads, whole.
    CollectionNode back;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(back, dir.File("good.dat")));
    back.m_name = source.m_name;
    EXPECT_EQ(DumpTree(&source), DumpTree(&back));
}

// One flipped bit anywhere: the file is refused, or (a bit the data does not depend on, such as
// the padding after the end) it loads as exactly the saved tree; never as another tree.
TEST(DatabaseIntegrity, NoSingleFlippedBitLoadsAsAnotherTree)
{
    ScratchDir dir;
    CollectionNode source;
    FillRealSized(source);
    const std::string path = dir.File("real.dat");
    const Bytes good = Saved(source, path);
    const std::string expected = DumpTree(&source);

    // Every bit of the stream's and the first block's headers, every bit of the end (end marker,
    // stream checksum, padding), and bits spread over the rest.
    std::vector<std::size_t> bits;
    const std::size_t head = 20, tail = 12;
    for (std::size_t bit = 0; bit < head * 8; ++bit) bits.push_back(bit);
    for (std::size_t bit = (good.size() - tail) * 8; bit < good.size() * 8; ++bit)
        bits.push_back(bit);
    std::mt19937 random(19);
    std::uniform_int_distribution<std::size_t> anywhere(head * 8, (good.size() - tail) * 8 - 1);
    for (int i = 0; i < 48; ++i) bits.push_back(anywhere(random));

    int refused = 0;
    for (std::size_t bit : bits) {
        Bytes damaged = good;
        FlipBit(damaged, bit);
        WriteFileBytes(path, damaged);
        CollectionNode c;
        const DatabaseLoadResult result = OpenDatabase(c, path);
        if (result == DatabaseLoadResult::Refused) {
            ++refused;
            EXPECT_TRUE(c.m_children.empty()) << "bit " << bit;
        } else {
            ASSERT_EQ(DatabaseLoadResult::Loaded, result) << "bit " << bit;
            c.m_name = source.m_name;
            EXPECT_EQ(expected, DumpTree(&c)) << "bit " << bit << " loaded as another tree";
        }
    }
    // Only the padding bits of the last byte and the like can go unnoticed.
    EXPECT_GT(refused, (int)bits.size() * 9 / 10);
}

// Folders nested 512 deep were saved, but the reader refused the file: the whole catalogue was
// lost. Now both stop at the same level, and nothing deeper is ever written.
TEST(DatabaseIntegrity, WriterAndReaderAgreeOnTheDeepestLevel)
{
    ASSERT_EQ(512, CatalogNode::MaxDepth);
    ScratchDir dir;
    const std::string path = dir.File("chain.dat");

    CollectionNode atCap;
    FillChain(atCap, CatalogNode::MaxDepth);
    const Bytes saved = Saved(atCap, path);
    CollectionNode back;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(back, path));
    EXPECT_EQ(CatalogNode::MaxDepth, DeepestLevel(back));
    EXPECT_EQ(DumpTree(&atCap), DumpTree(&back));

    // One level more is not written: the save fails and the old file stays, alone.
    CollectionNode pastCap;
    FillChain(pastCap, CatalogNode::MaxDepth + 1);
    EXPECT_EQ(DatabaseSaveResult::Failed, SaveDatabaseAs(pastCap, path));
    EXPECT_EQ(saved, ReadFileBytes(path));
    EXPECT_EQ(std::vector<std::string>{"chain.dat"}, dir.List());

    // Hand-made files: the reader takes the deepest level and refuses one more.
    struct Case
    {
        int depth;
        DatabaseLoadResult result;
    } cases[] = {{CatalogNode::MaxDepth, DatabaseLoadResult::Loaded},
                 {CatalogNode::MaxDepth + 1, DatabaseLoadResult::Refused}};
    for (const Case& c : cases) {
        Bytes body;
        for (int i = 0; i < c.depth; ++i) {
            PutU32(body, 1);  // one child
            PutU32(body, NodeUserFolder);
            PutU32(body, 0);  // empty name
        }
        PutU32(body, 0);                                    // the deepest folder has no children
        for (int i = 0; i < c.depth; ++i) PutU32(body, 0);  // the folders' empty descriptions
        WriteFileBytes(path, Concat(Header(), body));
        CollectionNode col;
        EXPECT_EQ(c.result, OpenDatabase(col, path)) << c.depth;
        EXPECT_EQ(c.result == DatabaseLoadResult::Loaded ? c.depth : 0, DeepestLevel(col))
            << c.depth;
    }
}

// Every save killed part-way left its temporary file, and nothing ever removed them.
TEST(DatabaseIntegrity, SaveRemovesOnlyOurOwnStaleTemporaryFiles)
{
    ScratchDir dir;
    // The name the system gives our temporary files is one we recognise.
    char made[MAX_PATH];
    ASSERT_TRUE(GetTempFileNameA(dir.Path().c_str(), DatabaseWriter::TemporaryPrefix, 0, made));
    const std::string madeName = std::string(made).substr(dir.Path().size() + 1);
    EXPECT_TRUE(DatabaseWriter::IsTemporaryName(madeName)) << madeName;

    struct Case
    {
        const char* name;
        bool removed;
    } cases[] = {
        {"vre1.tmp", true},      {"VREAB12.TMP", true}, {"vre00ff.tmp", true},
        {"vre12345.tmp", false}, {"vrel.tmp", false},   {"vre.tmp", false},
        {"vre1.tmp.bak", false}, {"vre1.dat", false},   {"abc1.tmp", false},
        {"xvre1.tmp", false},
    };
    for (const Case& c : cases) WriteFileBytes(dir.File(c.name), Bytes(1000, 0x5A));
    // One held open (a save under way elsewhere) and a directory with our name stay.
    WriteFileBytes(dir.File("vre2.tmp"), Bytes(10, 1));
    HANDLE held = CreateFileA(dir.File("vre2.tmp").c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    ASSERT_TRUE(CreateDirectoryA(dir.File("vre3.tmp").c_str(), nullptr));

    CollectionNode c;
    FillChain(c, 2);
    EXPECT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(c, dir.File("t.dat")));
    CloseHandle(held);

    std::vector<std::string> expected = {"t.dat", "vre2.tmp", "vre3.tmp"};
    for (const Case& c : cases)
        if (!c.removed) expected.push_back(c.name);
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(expected, dir.List());
}

// Under one system a read-only catalogue was replaced (and lost its attribute), under the other
// the save was refused. Now the save fails everywhere and the file keeps content and attribute.
TEST(DatabaseIntegrity, ReadOnlyFileIsNeverReplaced)
{
    ScratchDir dir;
    const std::string path = dir.File("r.dat");
    CollectionNode first;
    FillChain(first, 1);
    const Bytes before = Saved(first, path);
    const DWORD attributes = GetFileAttributesA(path.c_str()) | FILE_ATTRIBUTE_READONLY;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));

    CollectionNode changed;
    FillChain(changed, 3);
    EXPECT_EQ(DatabaseSaveResult::Failed, SaveDatabaseAs(changed, path));
    EXPECT_EQ(before, ReadFileBytes(path));
    EXPECT_EQ(attributes, GetFileAttributesA(path.c_str()));
    EXPECT_EQ(std::vector<std::string>{"r.dat"}, dir.List());

    // Made writable again, the same save goes through.
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(DatabaseSaveResult::Saved, SaveDatabaseAs(changed, path));
    CollectionNode back;
    ASSERT_EQ(DatabaseLoadResult::Loaded, OpenDatabase(back, path));
    EXPECT_EQ(3, DeepestLevel(back));
}
