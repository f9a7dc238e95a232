// The category tree on a window of its own over a real document: it mirrors the catalogue and
// follows the current node both ways, names new folders at once, renames by its rules, offers
// the context menu of each kind of node, forgets deleted items, and moves nodes by dragging.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <functional>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "CatalogTreeFixture.h"
#include "app/AppCatalogShell.h"
#include "app/TreeDragOperation.h"
#include "app/VIEW_CategoryTree.h"
#include "catalog/CollectionNode.h"
#include "catalog/TextConversion.h"
#include "framework/CCreateContext.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

namespace
{

TestApp g_app("LornivalCategoryTreeTests");

std::string A(const wchar_t* text) { return ToAnsiString(text); }

class CategoryTree : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool initialised = false;
        if (!initialised) {
            AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
            g_app.InitApplication();
            g_app.SetRegistryKey("LornivalCategoryTreeTests");
            initialised = true;
        }
        CatalogShell::Set(&m_shell);
        g_app.m_messages.clear();
        g_app.m_answers.clear();
        doc = new CTarnimelDoc;
        doc->m_bAutoDelete = FALSE;
        ASSERT_TRUE(doc->OnNewDocument());
        root = doc->m_collections.front();
        root->m_modified = 0;
        games = AddNode<UserFolderNode>(root, L"Игры");
        old = AddNode<UserFolderNode>(games, L"Old");
        disc = AddNode<DiscNode>(root, L"Disc");
        docs = AddNode<DiscFolderNode>(disc, L"Docs");

        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(VIEW_CategoryTree);
        context.m_pCurrentDoc = doc;
        frame = new CFrameWnd;
        ASSERT_TRUE(frame->Create(nullptr, "Tree", WS_OVERLAPPEDWINDOW, CRect(0, 0, 400, 500),
                                  nullptr, nullptr, 0, &context));
        g_app.m_pMainWnd = frame;
        frame->InitialUpdateFrame(doc, TRUE);
        tree = dynamic_cast<VIEW_CategoryTree*>(frame->GetDlgItem(AFX_IDW_PANE_FIRST));
        ASSERT_NE(nullptr, tree);
        frame->SetActiveView(tree);
        PumpPending();
    }
    void TearDown() override
    {
        if (frame) frame->DestroyWindow();
        g_app.m_pMainWnd = nullptr;
        g_app.DeleteDragOperation();
        PumpPending();
        delete doc;
        CatalogShell::Set(nullptr);
    }

    HWND Tree() const { return tree->GetSafeHwnd(); }
    HTREEITEM Item(const CatalogNode* node) const { return tree->FindItem(node); }
    std::string Text(HTREEITEM item) const { return (LPCSTR)tree->GetTreeCtrl().GetItemText(item); }
    // The texts of an item's children in the tree's order, the item opened as a user opens it.
    std::vector<std::string> Children(const CatalogNode* node) const
    {
        std::vector<std::string> texts;
        CTreeCtrl& ctrl = tree->GetTreeCtrl();
        ctrl.Expand(Item(node), TVE_EXPAND);
        for (HTREEITEM child = ctrl.GetChildItem(Item(node)); child;
             child = ctrl.GetNextSiblingItem(child))
            texts.push_back(Text(child));
        return texts;
    }
    // Calls `visit` on every item of the tree, parents before their children.
    void ForEachItem(const std::function<void(HTREEITEM)>& visit) const
    {
        CTreeCtrl& ctrl = tree->GetTreeCtrl();
        std::vector<HTREEITEM> pending{ctrl.GetRootItem()};
        while (!pending.empty()) {
            HTREEITEM item = pending.back();
            pending.pop_back();
            for (; item; item = ctrl.GetNextSiblingItem(item)) {
                visit(item);
                pending.push_back(ctrl.GetChildItem(item));
            }
        }
    }
    // How many items of the tree hold the pointer. Reads no node, so it may be asked about one
    // already deleted (FindItem walks the node's parents).
    int ItemsOf(const void* node) const
    {
        int count = 0;
        ForEachItem([&](HTREEITEM item) { count += tree->NodeOf(item) == node ? 1 : 0; });
        return count;
    }
    bool HoldsNode(const void* node) const { return ItemsOf(node) > 0; }
    // Whether the item shows an expand button.
    bool HasButton(HTREEITEM item) const
    {
        TVITEMA info = {};
        info.mask = TVIF_CHILDREN;
        info.hItem = item;
        return TreeView_GetItem(Tree(), &info) && info.cChildren != 0;
    }
    // Opens every item, as a user clicking every expand button would.
    void OpenAll()
    {
        ForEachItem([&](HTREEITEM item) { tree->GetTreeCtrl().Expand(item, TVE_EXPAND); });
    }
    CatalogNode* Selected() const { return tree->NodeOf(tree->GetTreeCtrl().GetSelectedItem()); }
    void Select(const CatalogNode* node) { tree->GetTreeCtrl().SelectItem(Item(node)); }
    POINT Centre(const CatalogNode* node) const
    {
        RECT rect = {};
        TreeView_EnsureVisible(Tree(), Item(node));
        TreeView_GetItemRect(Tree(), Item(node), &rect, TRUE);
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    // The tree's notifications as the control sends them to its parent, which reflects them.
    void Notify(UINT code, HTREEITEM item = nullptr)
    {
        NMTREEVIEWA info = {};
        info.hdr.hwndFrom = Tree();
        info.hdr.idFrom = AFX_IDW_PANE_FIRST;
        info.hdr.code = code;
        info.itemNew.hItem = item;
        frame->SendMessage(WM_NOTIFY, AFX_IDW_PANE_FIRST, (LPARAM)&info);
    }
    // Runs the command a context menu posted, and only that: a label edit's loop would wait.
    void RunContextCommand()
    {
        MSG msg;
        while (PeekMessageA(&msg, Tree(), VIEW_CategoryTree::WM_CONTEXT_COMMAND,
                            VIEW_CategoryTree::WM_CONTEXT_COMMAND, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    // The node becomes the tree's current item as a right-click on the selected item makes it.
    void MakeCurrent(const CatalogNode* node)
    {
        Select(node);
        ScriptedTracker dismiss;
        Notify(NM_RCLICK);
    }
    void Rename(const wchar_t* text)
    {
        HWND edit = TreeView_GetEditControl(Tree());
        ASSERT_NE(nullptr, edit);
        SetWindowTextA(edit, A(text).c_str());
        TreeView_EndEditLabelNow(Tree(), FALSE);
    }
    // A drag from one node's item to another's, by the tree's own notification and mouse messages.
    void Drag(const CatalogNode* from, const CatalogNode* to)
    {
        MakeCurrent(from);
        Notify(TVN_BEGINDRAGA, Item(from));
        const POINT target = Centre(to);
        tree->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(target.x, target.y));
        tree->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(target.x, target.y));
    }

    AppCatalogShell m_shell;
    CTarnimelDoc* doc = nullptr;
    CFrameWnd* frame = nullptr;
    VIEW_CategoryTree* tree = nullptr;
    CollectionNode* root = nullptr;
    UserFolderNode* games = nullptr;
    UserFolderNode* old = nullptr;
    DiscNode* disc = nullptr;
    DiscFolderNode* docs = nullptr;
};

TEST_F(CategoryTree, MirrorsTheCatalogueAndOpensOnTheCurrentNode)
{
    EXPECT_EQ("My collections", Text(tree->GetTreeCtrl().GetRootItem()));
    EXPECT_EQ((std::vector<std::string>{"Disc", A(L"Игры")}), Children(root));
    EXPECT_EQ(std::vector<std::string>{"Old"}, Children(games));
    EXPECT_EQ(std::vector<std::string>{"Docs"}, Children(disc));
    EXPECT_EQ(root, Selected());
    int image = -1, selectedImage = -1;
    tree->GetTreeCtrl().GetItemImage(Item(disc), image, selectedImage);
    EXPECT_EQ(3, image);  // the disc image
}

TEST_F(CategoryTree, ItemsComeInAsTheirParentsOpenAndButtonsShowWhereChildrenAre)
{
    // At the start only the collection is in the tree; its button promises the children.
    EXPECT_FALSE(HoldsNode(games));
    EXPECT_FALSE(HoldsNode(docs));
    EXPECT_TRUE(HasButton(tree->GetTreeCtrl().GetRootItem()));
    EXPECT_EQ((std::vector<std::string>{"Disc", A(L"Игры")}), Children(root));
    EXPECT_FALSE(HoldsNode(old));  // one level at a time
    EXPECT_TRUE(HasButton(Item(games)));
    EXPECT_TRUE(HasButton(Item(disc)));
    EXPECT_FALSE(HasButton(Item(docs)));
    // Opening an item again adds nothing twice.
    OpenAll();
    OpenAll();
    for (const CatalogNode* node : std::vector<const CatalogNode*>{root, games, old, disc, docs})
        EXPECT_EQ(1, ItemsOf(node));
}

TEST_F(CategoryTree, NodesUnderItemsNeverOpenedAreFoundExactlyOnce)
{
    // Navigation (the list, the history, a search hit) selects a node whose parents were never
    // opened.
    doc->NavigateTo(docs, nullptr);
    EXPECT_EQ(docs, Selected());
    // A new folder under a folder never opened appears once, beside its siblings.
    doc->NavigateTo(root, nullptr);
    tree->GetTreeCtrl().Expand(Item(root), TVE_COLLAPSE);
    doc->CreateFolder(old);
    TreeView_EndEditLabelNow(Tree(), TRUE);
    CatalogNode* fresh = doc->GetCurrentNode();
    ASSERT_EQ(old, fresh->m_parent);
    EXPECT_EQ(fresh, Selected());
    EXPECT_EQ(std::vector<std::string>{A(fresh->m_name.c_str())}, Children(old));
    OpenAll();
    for (const CatalogNode* node : std::vector<const CatalogNode*>{root, games, old, disc, fresh})
        EXPECT_EQ(1, ItemsOf(node));
}

TEST_F(CategoryTree, DeletingTheOnlyChildOfAnItemNeverOpenedTakesItsButtonAway)
{
    Children(root);
    ASSERT_TRUE(HasButton(Item(games)));
    g_app.m_answers = {IDYES};
    doc->DeleteNode(old);
    EXPECT_FALSE(HasButton(Item(games)));
    EXPECT_TRUE(Children(games).empty());
}

TEST_F(CategoryTree, SelectionAndTheCurrentNodeFollowEachOther)
{
    doc->NavigateTo(old, nullptr);
    EXPECT_EQ(old, Selected());
    Select(docs);
    EXPECT_EQ(docs, doc->GetCurrentNode());
    doc->GoBack();
    EXPECT_EQ(old, Selected());
}

TEST_F(CategoryTree, ANewFolderIsNamedAtOnceAndRenamesMoveToTheirSortedPlace)
{
    doc->CreateFolder(games);
    ASSERT_TRUE(tree->IsEditingLabel());
    CatalogNode* created = doc->GetCurrentNode();
    EXPECT_EQ(games, created->m_parent);
    EXPECT_EQ(created, Selected());
    Rename(L"Музыка");
    EXPECT_FALSE(tree->IsEditingLabel());
    EXPECT_EQ(L"Музыка", created->m_name.str());
    EXPECT_EQ((std::vector<std::string>{"Old", A(L"Музыка")}), Children(games));
    EXPECT_EQ(0, PumpPending());  // the edit's loop ended without a WM_QUIT

    root->m_modified = 0;
    TreeView_EditLabel(Tree(), Item(old));
    Rename(L"Щит");
    EXPECT_EQ((std::vector<std::string>{A(L"Музыка"), A(L"Щит")}), Children(games));
    EXPECT_EQ(1, root->m_modified);
}

TEST_F(CategoryTree, OnlyFoldersAndDiscsAreRenamedAndOnlyToAnotherName)
{
    for (const CatalogNode* node : {(const CatalogNode*)root, (const CatalogNode*)docs}) {
        TreeView_EditLabel(Tree(), Item(node));
        EXPECT_EQ(nullptr, TreeView_GetEditControl(Tree()));
        EXPECT_FALSE(tree->IsEditingLabel());
    }
    struct
    {
        const wchar_t* text;  // null: the edit is cancelled with Esc
        const wchar_t* name;
        int modified;
    } cases[] = {{L"Disc", L"Disc", 0},
                 {nullptr, L"Disc", 0},
                 {L"", L"Disc", 0},  // an emptied edit is no new name
                 {L"Диск 1", L"Диск 1", 1}};
    for (const auto& c : cases) {
        root->m_modified = 0;
        TreeView_EditLabel(Tree(), Item(disc));
        ASSERT_TRUE(tree->IsEditingLabel());
        if (c.text) {
            Rename(c.text);
        } else {
            TreeView_EndEditLabelNow(Tree(), TRUE);
        }
        EXPECT_FALSE(tree->IsEditingLabel());
        EXPECT_EQ(std::wstring(c.name), disc->m_name.str());
        EXPECT_EQ(A(c.name), Text(Item(disc)));
        EXPECT_EQ(c.modified, root->m_modified);
    }
    EXPECT_EQ(0, PumpPending());
}

TEST_F(CategoryTree, EachKindOfNodeHasItsContextMenuAndTheSearchRunsFromIt)
{
    ScriptedTracker menus;
    struct
    {
        const CatalogNode* node;
        std::vector<UINT> ids;
    } cases[] = {{root, {32776, 32771, 32778}},
                 {games, {32776, 32771, 32778, 32773}},
                 {disc, {32776, 32773}},
                 {docs, {}}};
    for (const auto& c : cases) {
        menus.m_shown.clear();
        Select(c.node);
        Notify(NM_RCLICK);
        if (c.ids.empty())
            EXPECT_TRUE(menus.m_shown.empty());
        else
            EXPECT_EQ(c.ids, menus.LastIds());
    }

    // "Создать папку" makes the folder in the clicked node.
    Select(games);
    menus.m_answer = 32778;
    Notify(NM_RCLICK);
    RunContextCommand();
    EXPECT_EQ(2u, games->m_children.size());
    TreeView_EndEditLabelNow(Tree(), TRUE);

    // "Поиск..." opens the catalogue's search.
    DialogAnswerer search(A(L"Поиск...").c_str(), [](HWND) { return (UINT)IDCANCEL; });
    menus.m_answer = 32776;
    Notify(NM_RCLICK);
    RunContextCommand();
    EXPECT_TRUE(search.Met());
}

// A right click on a disc that is not selected opens the disc's menu, shows the disc marked
// meanwhile, and its "Удалить" deletes that disc, once the control's own click handling is over.
TEST_F(CategoryTree, AContextCommandActsOnTheClickedItemAfterTheClick)
{
    Select(games);
    struct Watch : ScriptedTracker
    {
        HWND tree = nullptr;
        HTREEITEM marked = nullptr;
        UINT Track(HMENU popup, HWND owner) override
        {
            marked = TreeView_GetDropHilight(tree);
            return ScriptedTracker::Track(popup, owner);
        }
    } menus;
    menus.tree = Tree();
    menus.m_answer = 32773;
    g_app.m_answers = {IDYES};
    const POINT at = Centre(disc);
    tree->PostMessage(WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    tree->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_EQ((std::vector<UINT>{32776, 32773}), menus.LastIds());
    EXPECT_EQ(Item(disc), menus.marked);
    EXPECT_EQ(nullptr, TreeView_GetDropHilight(Tree()));
    // Nothing is deleted from inside the control's notification.
    EXPECT_TRUE(g_app.m_messages.empty());
    EXPECT_TRUE(HoldsNode(disc));
    RunContextCommand();
    EXPECT_EQ(1u, g_app.m_messages.size());
    EXPECT_FALSE(HoldsNode(disc));
    EXPECT_EQ(std::vector<std::string>{A(L"Игры")}, Children(root));
}

TEST_F(CategoryTree, DeletedItemsAreForgottenAndDeletingAroundTheCurrentNodeGoesToTheParent)
{
    MakeCurrent(games);
    g_app.m_answers = {IDYES};
    tree->SendMessage(WM_KEYUP, VK_DELETE, 0);
    EXPECT_FALSE(HoldsNode(games));  // games is deleted now
    EXPECT_EQ(std::vector<std::string>{"Disc"}, Children(root));
    // The item handle went with the item: delete now means the current node, the collection,
    // which is never deleted.
    g_app.m_messages.clear();
    tree->SendMessage(WM_COMMAND, 32773, 0);
    EXPECT_TRUE(g_app.m_messages.empty());

    doc->NavigateTo(docs, nullptr);
    g_app.m_answers = {IDYES};
    doc->DeleteNode(disc);
    EXPECT_EQ(root, doc->GetCurrentNode());
    EXPECT_EQ(root, Selected());
    EXPECT_TRUE(Children(root).empty());
}

TEST_F(CategoryTree, GoingUpWaitsWhileALabelIsEdited)
{
    doc->NavigateTo(old, nullptr);
    tree->SendMessage(WM_KEYUP, VK_F2, 0);
    ASSERT_TRUE(tree->IsEditingLabel());
    tree->SendMessage(WM_COMMAND, 32781, 0);
    EXPECT_EQ(old, doc->GetCurrentNode());
    TreeView_EndEditLabelNow(Tree(), TRUE);
    tree->SendMessage(WM_COMMAND, 32781, 0);
    EXPECT_EQ(games, doc->GetCurrentNode());
}

TEST_F(CategoryTree, DraggingMovesFoldersAndDiscsOnlyWhereTheyMayGo)
{
    // Refused drops change nothing: onto a disc, a disc folder, the node's own sub-folder; and a
    // collection or disc folder does not move at all.
    struct
    {
        const CatalogNode* from;
        const CatalogNode* to;
    } refused[] = {{old, disc}, {old, docs}, {games, old}, {root, games}, {docs, games}};
    for (const auto& r : refused) {
        Drag(r.from, r.to);
        EXPECT_EQ(nullptr, g_app.GetDragOperation());
        EXPECT_EQ(0, root->m_modified);
        EXPECT_EQ(std::vector<std::string>{"Old"}, Children(games));
        EXPECT_EQ(std::vector<std::string>{"Docs"}, Children(disc));
    }

    Drag(old, root);
    EXPECT_EQ(root, old->m_parent);
    EXPECT_TRUE(games->m_children.empty());
    EXPECT_EQ((std::vector<std::string>{"Disc", "Old", A(L"Игры")}), Children(root));
    EXPECT_EQ(1, root->m_modified);

    Drag(disc, games);
    EXPECT_EQ(games, disc->m_parent);
    EXPECT_EQ(std::vector<std::string>{"Disc"}, Children(games));
    EXPECT_EQ(std::vector<std::string>{"Docs"}, Children(disc));  // the subtree came along
    EXPECT_EQ(0, PumpPending());
}

TEST_F(CategoryTree, ADropOntoAFolderNeverOpenedShowsTheNodeOnceAmongItsChildren)
{
    Children(root);  // the collection's children are in view; the folders' own are not
    ASSERT_FALSE(HoldsNode(old));
    Drag(disc, games);
    EXPECT_EQ(games, disc->m_parent);
    EXPECT_EQ((std::vector<std::string>{"Disc", "Old"}), Children(games));
    EXPECT_EQ(1, ItemsOf(disc));
    EXPECT_EQ(std::vector<std::string>{"Docs"}, Children(disc));
    // The folder it left keeps its button only while it has children.
    Drag(old, root);
    Drag(disc, root);
    EXPECT_FALSE(HasButton(Item(games)));
    EXPECT_TRUE(HasButton(Item(disc)));
}

}  // namespace
