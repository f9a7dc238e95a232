// The document with fake views: start-up, navigation and its histories, deleting and creating
// nodes, settings, adding a disc, and closing.
#include <gtest/gtest.h>
#include <windows.h>
#include <memory>
#include "CdromFixture.h"
#include "FakeCatalogShell.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CatalogTestSupport.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"
#include "framework/CCmdUI.h"
#include "framework/CView.h"

namespace
{

// A view that records the hints it is sent with their nodes. Like any view it may ask the hint
// object its kind: hint 1 comes without one, hints 2 and 3 with a node hint.
class FakeView : public CView
{
public:
    std::vector<std::pair<LPARAM, CatalogNode*>> hints;
    void OnUpdate(CView*, LPARAM hint, CObject* object) override
    {
        EXPECT_EQ(hint == CTarnimelDoc::HintCurrentChanged, object == nullptr);
        if (object) {
            EXPECT_TRUE(object->IsKindOf(RUNTIME_CLASS(CatalogNodeHint)));
        }
        hints.emplace_back(hint, CTarnimelDoc::HintNode(object));
    }
    std::vector<LPARAM> Kinds() const
    {
        std::vector<LPARAM> k;
        for (auto& h : hints) k.push_back(h.first);
        return k;
    }
};

// A document over a scratch directory, with two views, as the template would make it.
struct DocFixture
{
    KeepCurrentDirectory keep;
    FakeCatalogShell shell;
    ScratchDir dir;
    std::unique_ptr<CTarnimelDoc> doc;
    FakeView view, other;

    explicit DocFixture(bool start = true)
    {
        CTarnimelDoc::SetDatabaseDirectory(dir.Path());
        if (start) Start();
    }
    void Start()
    {
        doc.reset(new CTarnimelDoc);
        doc->m_bAutoDelete = FALSE;
        doc->AddView(&view);
        doc->AddView(&other);
    }
    ~DocFixture()
    {
        if (doc) {
            doc->RemoveView(&view);
            doc->RemoveView(&other);
        }
        CTarnimelDoc::SetDatabaseDirectory(std::string());
    }
    CollectionNode* Collection() { return doc->m_collections.at(0); }
    bool Enabled(UINT id)
    {
        CTestCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(doc.get(), FALSE);
        return ui.m_bEnabled;
    }
    template <class T>
    T* Add(CatalogNode* parent, const wchar_t* name)
    {
        T* n = new T;
        n->m_name = name;
        parent->AddChild(n);
        return n;
    }
};

}  // namespace

TEST(DocumentStartUp, EmptyDirectoryGivesAModifiedCollectionAndTheSaveCommand)
{
    DocFixture f;
    EXPECT_EQ(StartupLoad::Created, f.doc->m_startupLoad);
    ASSERT_EQ(1u, f.doc->m_collections.size());
    ASSERT_TRUE(f.doc->OnNewDocument());
    EXPECT_EQ(f.Collection(), f.doc->GetCurrentNode());
    EXPECT_EQ(std::vector<LPARAM>{1}, f.view.Kinds());
    EXPECT_TRUE(f.Enabled(CTarnimelDoc::CmdSaveDatabase));
    EXPECT_FALSE(f.Enabled(CTarnimelDoc::CmdGoBack));
    EXPECT_FALSE(f.Enabled(CTarnimelDoc::CmdGoUp));
    EXPECT_EQ(4, ImageList_GetImageCount(f.doc->m_images));

    // Closing saves the collection and closes the instance mutex.
    f.doc->OnCloseDocument();
    EXPECT_EQ(std::vector<std::string>{ToAnsiString(L"My collections.dat")}, f.dir.List());
    EXPECT_EQ(1, f.shell.mutexClosed);
    EXPECT_TRUE(f.doc->m_collections.empty());
}

// After message 51000 the program went on with no collection at all.
TEST(DocumentStartUp, NoCollectionStopsTheStartUp)
{
    DocFixture f(false);
    ASSERT_TRUE(CreateDirectoryA(f.dir.File(ToAnsiString(L"My collections.dat")).c_str(), nullptr));
    f.Start();
    EXPECT_TRUE(f.doc->m_collections.empty());
    EXPECT_EQ(std::vector<std::string>{LoadCatalogString(IdsDatabaseLoadError)},
              f.shell.Messages());
    EXPECT_FALSE(f.doc->OnNewDocument());
    EXPECT_TRUE(f.view.hints.empty());
}

TEST(DocumentNavigation, HistoriesFollowTheUser)
{
    DocFixture f;
    ASSERT_TRUE(f.doc->OnNewDocument());
    CollectionNode* c = f.Collection();
    auto a = f.Add<UserFolderNode>(c, L"A");
    auto b = f.Add<UserFolderNode>(a, L"B");
    f.view.hints.clear();
    f.other.hints.clear();

    f.doc->NavigateTo(c, nullptr);  // already current: nothing
    EXPECT_TRUE(f.view.hints.empty());
    f.doc->NavigateTo(a, &f.view);  // the sender view is skipped
    EXPECT_TRUE(f.view.hints.empty());
    EXPECT_EQ(std::vector<LPARAM>{1}, f.other.Kinds());
    f.doc->NavigateTo(b, nullptr);
    EXPECT_EQ((std::deque<CatalogNode*>{c, a}), f.doc->History().Back());

    f.doc->GoBack();
    EXPECT_EQ(a, f.doc->GetCurrentNode());
    EXPECT_TRUE(f.Enabled(CTarnimelDoc::CmdGoForward));
    f.doc->GoForward();
    EXPECT_EQ(b, f.doc->GetCurrentNode());
    f.doc->GoBack();
    f.doc->NavigateTo(c, nullptr);  // a new way empties the forward history
    EXPECT_TRUE(f.doc->History().Forward().empty());
    EXPECT_FALSE(f.Enabled(CTarnimelDoc::CmdGoForward));

    f.doc->NavigateTo(b, nullptr);
    f.doc->GoUp();
    EXPECT_EQ(a, f.doc->GetCurrentNode());
    EXPECT_TRUE(f.Enabled(CTarnimelDoc::CmdGoUp));
}

TEST(DocumentDelete, CurrentFolderMovesUpFirstAndTheViewsSeeHintOneBeforeThree)
{
    DocFixture f;
    ASSERT_TRUE(f.doc->OnNewDocument());
    CollectionNode* c = f.Collection();
    auto a = f.Add<UserFolderNode>(c, L"A");
    f.doc->NavigateTo(a, nullptr);
    f.view.hints.clear();
    c->m_modified = 0;

    f.shell.answer = IDNO;
    f.doc->DeleteNode(nullptr);
    EXPECT_EQ(1u, c->m_children.size());
    EXPECT_EQ(a, f.doc->GetCurrentNode());
    EXPECT_TRUE(f.view.hints.empty());
    EXPECT_EQ(0, c->m_modified);
    EXPECT_EQ(std::vector<std::string>{LoadCatalogString(IdsConfirmDelete)}, f.shell.Messages());
    EXPECT_EQ(std::vector<UINT>{MB_YESNO}, f.shell.Types());

    f.shell.answer = IDYES;
    f.doc->DeleteNode(nullptr);
    EXPECT_TRUE(c->m_children.empty());
    EXPECT_EQ(c, f.doc->GetCurrentNode());
    EXPECT_EQ((std::vector<LPARAM>{1, 3}), f.view.Kinds());
    EXPECT_EQ(a, f.view.hints[1].second);
    EXPECT_EQ(1, c->m_modified);
    // The back history held the collection before A: it stays, A does not come back.
    EXPECT_EQ(std::deque<CatalogNode*>{}, f.doc->History().Forward());
    for (CatalogNode* n : f.doc->History().Back()) EXPECT_EQ(c, n);
}

// Deleting a folder that only contained the current node left the current node, the histories
// and the kept search hits pointing at freed nodes.
TEST(DocumentDelete, FolderContainingTheCurrentNodeLeavesNothingDangling)
{
    DocFixture f;
    ASSERT_TRUE(f.doc->OnNewDocument());
    f.shell.answer = IDYES;
    CollectionNode* c = f.Collection();
    auto keep = f.Add<UserFolderNode>(c, L"Keep");
    auto gone = f.Add<UserFolderNode>(c, L"Gone");
    auto disc = f.Add<DiscNode>(gone, L"Disc");
    auto deep = f.Add<DiscFolderNode>(disc, L"Deep");
    for (CatalogNode* n : {(CatalogNode*)keep, (CatalogNode*)deep, (CatalogNode*)gone,
                           (CatalogNode*)keep, (CatalogNode*)disc, (CatalogNode*)deep})
        f.doc->NavigateTo(n, nullptr);
    f.doc->GoBack();  // current: disc; forward: deep
    f.view.hints.clear();

    f.doc->DeleteNode(gone);
    EXPECT_EQ(c, f.doc->GetCurrentNode());
    EXPECT_EQ((std::vector<LPARAM>{1, 3}), f.view.Kinds());
    // Every history entry is a live node outside the deleted subtree, and back then forward works.
    for (CatalogNode* n : f.doc->History().Back()) EXPECT_TRUE(n == c || n == keep);
    EXPECT_TRUE(f.doc->History().Forward().empty());
    while (f.Enabled(CTarnimelDoc::CmdGoBack)) {
        f.doc->GoBack();
        EXPECT_TRUE(f.doc->GetCurrentNode() == c || f.doc->GetCurrentNode() == keep);
    }
}

TEST(DocumentDelete, DiscFoldersAndCollectionsAreRefusedSilently)
{
    DocFixture f;
    ASSERT_TRUE(f.doc->OnNewDocument());
    CollectionNode* c = f.Collection();
    auto disc = f.Add<DiscNode>(c, L"Disc");
    auto folder = f.Add<DiscFolderNode>(disc, L"F");
    f.view.hints.clear();
    f.doc->DeleteNode(folder);
    f.doc->DeleteNode(c);
    EXPECT_TRUE(f.shell.Messages().empty());
    EXPECT_EQ(1u, disc->m_children.size());
    EXPECT_TRUE(f.view.hints.empty());
}

TEST(DocumentCreateFolder, UnderCollectionsAndUserFoldersOnly)
{
    DocFixture f;
    ASSERT_TRUE(f.doc->OnNewDocument());
    CollectionNode* c = f.Collection();
    c->m_modified = 0;
    auto disc = f.Add<DiscNode>(c, L"Disc");
    f.view.hints.clear();
    f.doc->CreateFolder(disc);
    EXPECT_TRUE(disc->m_children.empty());
    EXPECT_TRUE(f.view.hints.empty());

    f.doc->CreateFolder(nullptr);
    ASSERT_EQ(1u, f.view.hints.size());
    EXPECT_EQ(2, f.view.hints[0].first);
    CatalogNode* made = f.view.hints[0].second;
    EXPECT_EQ(c, made->m_parent);
    EXPECT_EQ((std::uint32_t)NodeUserFolder, made->m_type);
    EXPECT_EQ(std::wstring(L"Новая папка"), made->m_name.str());
    EXPECT_EQ(1, c->m_modified);
}

// Folders could be nested past what the file's reader takes: the next save made the whole
// catalogue unreadable. A folder that would pass the deepest level is refused with a message.
TEST(DocumentCreateFolder, RefusedPastTheDeepestLevel)
{
    DocFixture f;
    ASSERT_TRUE(f.doc->OnNewDocument());
    CatalogNode* at = f.Collection();
    for (int level = 1; level <= CatalogNode::MaxDepth; ++level) {
        f.view.hints.clear();
        f.doc->CreateFolder(at);
        ASSERT_EQ(1u, f.view.hints.size()) << level;
        at = f.view.hints[0].second;
        ASSERT_EQ(level, at->Depth());
    }
    EXPECT_TRUE(f.shell.Messages().empty());

    f.Collection()->m_modified = 0;
    f.view.hints.clear();
    f.doc->CreateFolder(at);
    EXPECT_TRUE(at->m_children.empty());
    EXPECT_TRUE(f.view.hints.empty());
    EXPECT_EQ(0, f.Collection()->m_modified);
    EXPECT_EQ(
        std::vector<std::string>{ToAnsiString(
            L"Сюда ничего нельзя добавить: папки каталога не вкладываются глубже 512 уровней.")},
        f.shell.Messages());

    // The deepest tree the user can make is saved and read back whole.
    f.Collection()->m_modified = 1;
    f.doc->OnCloseDocument();
    CollectionNode back;
    ASSERT_EQ(DatabaseLoadResult::Loaded,
              OpenDatabase(back, f.dir.File(ToAnsiString(L"My collections.dat"))));
    int depth = 0;
    for (CatalogNode* n = &back; !n->m_children.empty(); n = *n->m_children.begin()) ++depth;
    EXPECT_EQ(CatalogNode::MaxDepth, depth);
}

// Views read the node of a hint one way; an object that is no node hint gives no node.
TEST(DocumentHints, OnlyANodeHintCarriesANode)
{
    UserFolderNode folder;
    CatalogNodeHint hint(&folder);
    struct Unrelated : CObject
    {
    } unrelated;
    const struct
    {
        const CObject* object;
        CatalogNode* expected;
    } cases[] = {
        {nullptr, nullptr},
        {&unrelated, nullptr},
        {&hint, &folder},
    };
    for (const auto& c : cases) EXPECT_EQ(c.expected, CTarnimelDoc::HintNode(c.object));
}

TEST(DocumentSettings, DialogValuesGoToTheRegistryUnlessCancelled)
{
    DocFixture f;
    f.doc->SetDefaultRoot("X:\\");
    f.doc->m_settings.SetRecursionLimit(8, false);
    f.shell.settingsAnswer.selectedRoot = "Y:\\";
    f.shell.settingsAnswer.limitEnabled = 1;
    f.shell.settingsAnswer.limit = 3;
    f.shell.settingsResult = IDCANCEL;
    f.doc->OnSettings();
    EXPECT_EQ("X:\\", f.shell.settingsShown.selectedRoot);
    EXPECT_EQ(0, f.shell.settingsShown.limitEnabled);
    EXPECT_EQ(8, f.shell.settingsShown.limit);
    f.doc->LoadSettings();
    EXPECT_EQ("X:\\", f.doc->m_settings.m_defaultRoot);

    f.shell.settingsResult = IDOK;
    f.doc->OnSettings();
    f.doc->LoadSettings();
    EXPECT_EQ("Y:\\", f.doc->m_settings.m_defaultRoot);
    EXPECT_TRUE(f.doc->m_settings.m_recursionLimitEnabled);
    EXPECT_EQ(3, f.doc->m_settings.m_recursionLimit);
    f.doc->m_settings.SetRecursionLimit(8, false);
    f.doc->SetDefaultRoot(nullptr);
}

TEST(DocumentAddDisc, GoesToTheNearestFolderAndFindsTheDrive)
{
    CdromFixture cd;
    cd.AddFile("Music/song.mp3", "la");
    DocFixture f;
    ASSERT_TRUE(f.doc->OnNewDocument());
    CollectionNode* c = f.Collection();
    auto folder = f.Add<UserFolderNode>(c, L"Shelf");
    auto oldDisc = f.Add<DiscNode>(folder, L"Old");
    auto inside = f.Add<DiscFolderNode>(oldDisc, L"Inside");
    f.doc->SetDefaultRoot("C:\\");  // not a CD-ROM drive
    f.doc->m_settings.SetRecursionLimit(8, false);
    f.view.hints.clear();

    ASSERT_TRUE(f.doc->OnAddDisc(inside));
    // The first CD-ROM drive became the default, in the registry too.
    CatalogSettings stored;
    stored.Load();
    EXPECT_EQ((UINT)DRIVE_CDROM, GetDriveTypeA(stored.m_defaultRoot.c_str()));
    EXPECT_EQ(stored.m_defaultRoot, f.doc->m_settings.m_defaultRoot);
    ASSERT_EQ(1u, f.view.hints.size());
    EXPECT_EQ(2, f.view.hints[0].first);
    CatalogNode* disc = f.view.hints[0].second;
    EXPECT_EQ(folder, disc->m_parent);
    EXPECT_EQ(2u, folder->m_children.size());
    EXPECT_EQ(1, c->m_modified);
    f.doc->SetDefaultRoot(nullptr);
}
