// Loading at start-up and saving on worker threads: what the user-interface thread sees, the
// messages the user gets, and that failures keep the data and the modified state.
#include <gtest/gtest.h>
#include <windows.h>
#include "FakeCatalogShell.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseThreads.h"
#include "catalog/TextConversion.h"
#include "catalog/ThreadClosure.h"
#include "catalog/UserFolderNode.h"

namespace
{

struct Collections
{
    std::vector<CollectionNode*> list;
    ~Collections()
    {
        for (auto c : list) delete c;
    }
};

StartupLoad LoadIn(const ScratchDir& dir, Collections& into, FakeSplash* splash = nullptr)
{
    LoaderContext context;
    context.status = splash;
    context.directory = dir.Path();
    context.collections = &into.list;
    return LoadDatabaseBehindSplash(context);
}

const std::string DbName = ToAnsiString(L"My collections.dat");

}  // namespace

TEST(ThreadClosureRun, RunsTheMemberOnItsObjectOnAnotherThread)
{
    struct Target
    {
        DWORD thread = 0;
        int* seen = nullptr;
        HANDLE done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        void Run(int* argument)
        {
            thread = GetCurrentThreadId();
            seen = argument;
            SetEvent(done);
        }
    } target;
    int value = 7;
    ASSERT_TRUE(StartClosureThread(&MemberRoutine<Target, int, &Target::Run>, &target, &value));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(target.done, 10000));
    EXPECT_EQ(&value, target.seen);
    EXPECT_NE(GetCurrentThreadId(), target.thread);
    CloseHandle(target.done);
}

TEST(StartupLoad, FirstStartInAnEmptyDirectoryMakesAModifiedCollection)
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    FakeSplash splash;
    ScratchDir dir;
    Collections c;
    EXPECT_EQ(StartupLoad::Created, LoadIn(dir, c, &splash));
    ASSERT_EQ(1u, c.list.size());
    EXPECT_EQ(std::wstring(L"My collections"), c.list[0]->m_name.str());
    EXPECT_EQ(1, c.list[0]->m_modified);
    EXPECT_EQ(0, c.list[0]->m_flags);
    EXPECT_NE(0u, c.list[0]->m_time.dwHighDateTime);
    EXPECT_EQ(std::vector<std::string>{ToAnsiString(L"Загрузка базы данных...")}, splash.Texts());
    EXPECT_TRUE(shell.Messages().empty());

    // Saved and loaded again: the same collection comes back, unmodified.
    c.list[0]->AddChild(new UserFolderNode);
    EXPECT_TRUE(SaveModifiedCollections(c.list, dir.Path(), true, &shell));
    EXPECT_EQ(0, c.list[0]->m_modified);
    EXPECT_EQ(std::vector<std::string>{DbName}, dir.List());
    Collections again;
    EXPECT_EQ(StartupLoad::Loaded, LoadIn(dir, again));
    ASSERT_EQ(1u, again.list.size());
    EXPECT_EQ(1u, again.list[0]->m_children.size());
    EXPECT_EQ(0, again.list[0]->m_modified);
}

// A directory bearing the database's name was not told apart from the file, and the program then
// went on without any collection.
TEST(StartupLoad, DirectoryInPlaceOfTheDatabaseIsReportedAndGivesNoCollection)
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    ASSERT_TRUE(CreateDirectoryA(dir.File(DbName).c_str(), nullptr));
    Collections c;
    EXPECT_EQ(StartupLoad::Failed, LoadIn(dir, c));
    EXPECT_TRUE(c.list.empty());
    EXPECT_EQ(std::vector<std::string>{LoadCatalogString(IdsDatabaseLoadError)}, shell.Messages());
    EXPECT_EQ(std::vector<UINT>{MB_OK}, shell.Types());
    EXPECT_EQ(ToAnsiString(L"Ошибка загрузки базы данных! Продолжение работы невозможно..."),
              LoadCatalogString(IdsDatabaseLoadError));
}

// A damaged file gave an empty collection without a word: the user took it for the catalogue and
// worked on where nothing could be saved.
TEST(StartupLoad, UnreadableFileIsToldAndGivesAnEmptyCollectionNeverSavedOverIt)
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    const Bytes damaged = {'B', 'Z', 'h', '5', 0, 1, 2, 3};
    WriteFileBytes(dir.File(DbName), damaged);
    Collections c;
    EXPECT_EQ(StartupLoad::Refused, LoadIn(dir, c));
    ASSERT_EQ(1u, c.list.size());
    EXPECT_TRUE(c.list[0]->m_children.empty());
    EXPECT_TRUE(c.list[0]->m_fileRefused);
    EXPECT_EQ(std::vector<std::string>{LoadCatalogString(IdsDatabaseLoadError)}, shell.Messages());

    c.list[0]->AddChild(new UserFolderNode);
    c.list[0]->m_modified = 1;
    EXPECT_FALSE(SaveModifiedCollections(c.list, dir.Path(), false, &shell));
    EXPECT_EQ((std::vector<std::string>{LoadCatalogString(IdsDatabaseLoadError),
                                        LoadCatalogString(IdsDatabaseNotOverwritten)}),
              shell.Messages());
    EXPECT_EQ(damaged, ReadFileBytes(dir.File(DbName)));
    EXPECT_EQ(1, c.list[0]->m_modified);
}

TEST(SaveThreads, ReadOnlyDatabaseIsToldAsAFailedSaveAndKept)
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    Collections c;
    EXPECT_EQ(StartupLoad::Created, LoadIn(dir, c));
    EXPECT_TRUE(SaveModifiedCollections(c.list, dir.Path(), false, &shell));
    const std::string path = dir.File(DbName);
    const Bytes before = ReadFileBytes(path);
    const DWORD attributes = GetFileAttributesA(path.c_str()) | FILE_ATTRIBUTE_READONLY;
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), attributes));

    c.list[0]->AddChild(new UserFolderNode);
    c.list[0]->m_modified = 1;
    EXPECT_FALSE(SaveModifiedCollections(c.list, dir.Path(), true, &shell));
    EXPECT_EQ(std::vector<std::string>{LoadCatalogString(IdsDatabaseSaveError)}, shell.Messages());
    EXPECT_EQ(1, c.list[0]->m_modified);
    EXPECT_EQ(before, ReadFileBytes(path));
    EXPECT_EQ(attributes, GetFileAttributesA(path.c_str()));
    EXPECT_EQ(std::vector<std::string>{DbName}, dir.List());
}

TEST(SaveThreads, TwoModifiedCollectionsRunTwoDialogsOneAfterTheOther)
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    Collections c;
    for (const wchar_t* name : {L"First", L"Second", L"Unchanged"}) {
        auto col = new CollectionNode;
        col->m_name = name;
        col->m_modified = std::wstring(name) != L"Unchanged";
        c.list.push_back(col);
    }
    EXPECT_TRUE(SaveModifiedCollections(c.list, dir.Path(), true, &shell));
    EXPECT_EQ(2, shell.saveDialogs);
    EXPECT_EQ((std::vector<std::string>{"First.dat", "Second.dat"}), dir.List());
    for (auto col : c.list) EXPECT_EQ(0, col->m_modified);

    // Nothing modified: no thread, no dialog.
    EXPECT_TRUE(SaveModifiedCollections(c.list, dir.Path(), true, &shell));
    EXPECT_EQ(2, shell.saveDialogs);
}

// A failed save was quiet and cleared the modified byte all the same, so the changes were lost.
TEST(SaveThreads, FailedSaveTellsTheUserAndKeepsTheCollectionModified)
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    ASSERT_TRUE(CreateDirectoryA(dir.File("Blocked.dat").c_str(), nullptr));
    Collections c;
    c.list.push_back(new CollectionNode);
    c.list[0]->m_name = L"Blocked";
    c.list[0]->m_modified = 1;
    for (bool withDialog : {true, false}) {
        EXPECT_FALSE(SaveModifiedCollections(c.list, dir.Path(), withDialog, &shell));
        EXPECT_EQ(1, c.list[0]->m_modified);
        EXPECT_EQ(std::vector<std::string>{"Blocked.dat"}, dir.List());
    }
    EXPECT_EQ((std::vector<std::string>{LoadCatalogString(IdsDatabaseSaveError),
                                        LoadCatalogString(IdsDatabaseSaveError)}),
              shell.Messages());
}
