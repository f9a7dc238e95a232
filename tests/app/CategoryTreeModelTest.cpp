// A randomised walk through the category tree, checked against a model after every step. Folders
// are made, renamed, deleted and dragged, and the highlight is moved by clicks, keys and the
// document, in an order drawn from a fixed seed; after each step the tree's items, the catalogue
// and the highlighted node must be what the model says. Every command is expected to act on the
// node the user sees highlighted, whatever moved the highlight last. A failure names the seed and
// the steps that led to it, so it replays.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "AppTestSupport.h"
#include "CatalogTreeFixture.h"
#include "app/AppCatalogShell.h"
#include "app/VIEW_CategoryTree.h"
#include "catalog/TextConversion.h"
#include "framework/CCreateContext.h"
#include "framework/CFrameWnd.h"
#include "framework/CWinApp.h"

namespace
{

TestApp g_app("LornivalCategoryTreeModelTests");

const UINT kDeleteCommand = 32773;       // "Удалить" of the menu and the toolbar
const UINT kNewFolderInContext = 32778;  // "Создать папку" of the context menus
const UINT kGoUpCommand = 32781;         // "На уровень вверх"
const size_t kMostNodes = 24;            // the walk makes no folder past this many nodes
const int kSteps = 400;
const unsigned kSeed = 20261211;

// Answers a context menu with one command when the menu offers it, else dismisses it.
class OfferedCommand : public ScriptedTracker
{
public:
    explicit OfferedCommand(UINT wanted) : m_wanted(wanted) {}
    UINT Track(HMENU popup, HWND owner) override
    {
        ScriptedTracker::Track(popup, owner);
        const std::vector<UINT> ids = LastIds();
        m_offered = std::find(ids.begin(), ids.end(), m_wanted) != ids.end();
        return m_offered ? m_wanted : 0;
    }
    bool Offered() const { return m_offered; }

private:
    UINT m_wanted;
    bool m_offered = false;
};

// What the model knows of a node: where it hangs, its name and its kind.
struct ModelEntry
{
    const CatalogNode* parent;
    std::wstring name;
    int type;
};

class CategoryTreeModel : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static bool initialised = false;
        if (!initialised) {
            AfxWinInit(GetModuleHandleA(nullptr), nullptr, GetCommandLineA(), SW_SHOWNORMAL);
            g_app.InitApplication();
            g_app.SetRegistryKey("LornivalCategoryTreeModelTests");
            initialised = true;
        }
        CatalogShell::Set(&m_shell);
        doc = new CTarnimelDoc;
        doc->m_bAutoDelete = FALSE;
        ASSERT_TRUE(doc->OnNewDocument());
        CollectionNode* root = doc->m_collections.front();
        UserFolderNode* alpha = AddNode<UserFolderNode>(root, L"Альфа");
        AddNode<UserFolderNode>(alpha, L"Бета");
        UserFolderNode* gamma = AddNode<UserFolderNode>(root, L"Гамма");
        AddNode<DiscNode>(gamma, L"Диск 2");
        DiscNode* disc = AddNode<DiscNode>(root, L"Диск 1");
        AddNode<DiscFolderNode>(AddNode<DiscFolderNode>(disc, L"Docs"), L"Sub");
        for (CatalogNode* collection : doc->m_collections) Learn(collection);
        m_highlight = doc->GetCurrentNode();

        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(VIEW_CategoryTree);
        context.m_pCurrentDoc = doc;
        frame = new CFrameWnd;
        // Tall enough that every item of the walk's largest tree is in view at once.
        ASSERT_TRUE(frame->Create(nullptr, "Tree model", WS_OVERLAPPEDWINDOW, CRect(0, 0, 420, 760),
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

    // --- The model ---

    void Learn(const CatalogNode* node)
    {
        m_model[node] = {node->m_parent, node->m_name.str(), (int)node->m_type};
        for (const CatalogNode* child : node->m_children) Learn(child);
    }
    bool InModelUnder(const CatalogNode* node, const CatalogNode* ancestor) const
    {
        for (; node && m_model.count(node); node = m_model.at(node).parent)
            if (node == ancestor) return true;
        return false;
    }
    void Forget(const CatalogNode* node)
    {
        std::vector<const CatalogNode*> gone;
        for (const auto& entry : m_model)
            if (InModelUnder(entry.first, node)) gone.push_back(entry.first);
        for (const CatalogNode* n : gone) m_model.erase(n);
    }
    // A node the model does not know (the tree showed one it should not) has no kind.
    int TypeOf(const CatalogNode* node) const
    {
        if (!m_model.count(node)) {
            ADD_FAILURE() << "a node the model does not hold";
            return -1;
        }
        return m_model.at(node).type;
    }
    // Names in messages are UTF-8, as the test's output is.
    static std::string Utf8(const std::wstring& text)
    {
        std::string out(text.size() * 4 + 1, '\0');
        const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], (int)out.size(),
                                          nullptr, nullptr);
        out.resize(n > 0 ? n - 1 : 0);
        return out;
    }
    std::string NameOf(const CatalogNode* node) const
    {
        if (!node) return "(none)";
        if (!m_model.count(node)) return "(not in the model)";
        return Utf8(m_model.at(node).name);
    }
    static bool Renameable(int type) { return type == NodeUserFolder || type == NodeDisc; }
    static bool HoldsNodes(int type) { return type == NodeCollection || type == NodeUserFolder; }

    // One line per node, children in a fixed order, so that equal trees print alike.
    using Shape = std::map<const CatalogNode*, std::pair<const CatalogNode*, std::wstring>>;
    static void Print(const Shape& shape, const CatalogNode* parent, int depth, std::string& out)
    {
        std::vector<std::pair<std::wstring, const CatalogNode*>> children;
        for (const auto& entry : shape)
            if (entry.second.first == parent)
                children.push_back({entry.second.second, entry.first});
        std::sort(children.begin(), children.end());
        for (const auto& child : children) {
            out += std::string(depth * 2, ' ') + Utf8(child.first) + "\n";
            Print(shape, child.second, depth + 1, out);
        }
    }
    static std::string Outline(const Shape& shape)
    {
        std::string out;
        Print(shape, nullptr, 0, out);
        // A node whose parent is not in the shape would print nowhere: list it apart.
        for (const auto& entry : shape)
            if (entry.second.first && !shape.count(entry.second.first))
                out += "(stray) " + Utf8(entry.second.second) + "\n";
        return out;
    }
    Shape ModelShape() const
    {
        Shape shape;
        for (const auto& entry : m_model)
            // The tree shows names in the ANSI code page: compared the same way.
            shape[entry.first] = {entry.second.parent,
                                  AnsiToWide(ToAnsiString(entry.second.name.c_str()).c_str())};
        return shape;
    }
    // Calls `visit` on every item of the tree, parents before their children.
    template <class Visit>
    void ForEachItem(Visit visit) const
    {
        CTreeCtrl& ctrl = tree->GetTreeCtrl();
        std::vector<HTREEITEM> pending{ctrl.GetRootItem()};
        while (!pending.empty()) {
            HTREEITEM item = pending.back();
            pending.pop_back();
            for (; item; item = ctrl.GetNextSiblingItem(item)) {
                visit(ctrl, item);
                pending.push_back(ctrl.GetChildItem(item));
            }
        }
    }
    Shape TreeShape() const
    {
        Shape shape;
        ForEachItem([&](CTreeCtrl& ctrl, HTREEITEM item) {
            HTREEITEM parent = ctrl.GetParentItem(item);
            shape[tree->NodeOf(item)] = {parent ? tree->NodeOf(parent) : nullptr,
                                         AnsiToWide((LPCSTR)ctrl.GetItemText(item))};
        });
        return shape;
    }
    static void AddCatalogue(const CatalogNode* node, Shape& shape)
    {
        shape[node] = {node->m_parent, node->m_name.str()};
        for (const CatalogNode* child : node->m_children) AddCatalogue(child, shape);
    }
    Shape CatalogueShape() const
    {
        Shape shape;
        for (const CatalogNode* collection : doc->m_collections) AddCatalogue(collection, shape);
        return shape;
    }

    // The tree, the catalogue and the highlight against the model.
    void Verify()
    {
        EXPECT_EQ(0, PumpPending()) << "a WM_QUIT was left over";
        ExpandAll();
        const std::string expected = Outline(ModelShape());
        EXPECT_EQ(expected, Outline(TreeShape())) << "the tree's items";
        EXPECT_EQ(expected, Outline(CatalogueShape())) << "the catalogue";
        EXPECT_EQ(NameOf(m_highlight), NameOf(Highlighted())) << "the highlighted node";
        EXPECT_EQ(m_highlight, Highlighted());
        EXPECT_EQ(m_highlight, doc->GetCurrentNode()) << "the document's current node";
        EXPECT_EQ(nullptr, tree->GetTreeCtrl().GetDropHilightItem()) << "a drop highlight stayed";
        EXPECT_EQ(nullptr, g_app.GetDragOperation());
        EXPECT_FALSE(tree->IsEditingLabel());
    }

    // --- The tree as the user works it ---

    HWND Tree() const { return tree->GetSafeHwnd(); }
    const CatalogNode* Highlighted() const
    {
        return tree->NodeOf(tree->GetTreeCtrl().GetSelectedItem());
    }
    void ExpandAll()
    {
        ForEachItem([](CTreeCtrl& ctrl, HTREEITEM item) {
            // An item's children go in when it is first opened: its button says it has some.
            if (ctrl.ItemHasChildren(item)) ctrl.Expand(item, TVE_EXPAND);
        });
    }
    // Every item in the order the tree shows them.
    std::vector<HTREEITEM> VisibleItems() const
    {
        std::vector<HTREEITEM> items;
        CTreeCtrl& ctrl = tree->GetTreeCtrl();
        for (HTREEITEM item = ctrl.GetRootItem(); item; item = ctrl.GetNextVisibleItem(item))
            items.push_back(item);
        return items;
    }
    LPARAM PointOf(HTREEITEM item) const
    {
        RECT rect = {};
        TreeView_EnsureVisible(Tree(), item);
        TreeView_GetItemRect(Tree(), item, &rect, TRUE);
        return MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    }
    // A press the tree takes for a click: it finds the release already waiting.
    void Click(HTREEITEM item)
    {
        const LPARAM at = PointOf(item);
        tree->PostMessage(WM_LBUTTONUP, 0, at);
        tree->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, at);
        PumpPending();
    }
    void Key(WPARAM key)
    {
        tree->SendMessage(WM_KEYDOWN, key, 1);
        tree->SendMessage(WM_KEYUP, key, 0xC0000001);
    }
    // A right click on the highlighted item, answered with `command` when its menu offers it.
    bool ContextCommand(UINT command)
    {
        OfferedCommand menu(command);
        HTREEITEM item = tree->GetTreeCtrl().GetSelectedItem();
        const LPARAM at = PointOf(item);
        tree->PostMessage(WM_RBUTTONUP, 0, at);
        tree->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, at);
        // The chosen command comes posted; only it runs here (a label edit's loop would wait).
        MSG msg;
        while (PeekMessageA(&msg, Tree(), VIEW_CategoryTree::WM_CONTEXT_COMMAND,
                            VIEW_CategoryTree::WM_CONTEXT_COMMAND, PM_REMOVE))
            DispatchMessageA(&msg);
        return menu.Offered();
    }
    // The tree's own drag detection sees the mouse leave the pressed item with the button down;
    // then the mouse moves onto the target (or below the last item) and the button comes up.
    void Drag(HTREEITEM from, HTREEITEM to)
    {
        const LPARAM start = PointOf(from);
        tree->PostMessage(WM_MOUSEMOVE, MK_LBUTTON,
                          MAKELPARAM(LOWORD(start) + 40, HIWORD(start) + 40));
        tree->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, start);
        LPARAM end;
        if (to) {
            end = PointOf(to);
        } else {
            RECT client = {};
            ::GetClientRect(Tree(), &client);
            end = MAKELPARAM(client.right / 2, client.bottom - 4);
        }
        tree->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, end);
        tree->SendMessage(WM_LBUTTONUP, 0, end);
    }
    // Ends the open label edit with a text (null: Esc).
    void EndEdit(const wchar_t* text)
    {
        HWND edit = TreeView_GetEditControl(Tree());
        ASSERT_NE(nullptr, edit) << "no label edit opened";
        if (text) {
            SetWindowTextA(edit, ToAnsiString(text).c_str());
            TreeView_EndEditLabelNow(Tree(), FALSE);
        } else {
            TreeView_EndEditLabelNow(Tree(), TRUE);
        }
    }

    // --- The steps; each says what it did and updates the model ---

    template <class T>
    const T& Pick(const std::vector<T>& from)
    {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(m_random)];
    }
    bool Chance(int percent)
    {
        return std::uniform_int_distribution<int>(1, 100)(m_random) <= percent;
    }
    const wchar_t* PickName()
    {
        // The empty text and the node's own name rename nothing.
        static const std::vector<const wchar_t*> names = {L"",       L"Архив", L"beta",
                                                          L"Игры 2", L"Ящик",  nullptr};
        return Pick(names);
    }

    std::string ClickSomewhere()
    {
        std::vector<HTREEITEM> others;
        for (HTREEITEM item : VisibleItems())
            if (item != tree->GetTreeCtrl().GetSelectedItem()) others.push_back(item);
        if (others.empty()) return "no other item to click";
        HTREEITEM item = Pick(others);
        m_highlight = tree->NodeOf(item);
        Click(item);
        return "click " + NameOf(m_highlight);
    }

    std::string MoveByKey()
    {
        static const std::vector<WPARAM> keys = {VK_HOME, VK_END, VK_UP, VK_DOWN};
        const WPARAM key = Pick(keys);
        const std::vector<HTREEITEM> items = VisibleItems();
        HTREEITEM caret = tree->GetTreeCtrl().GetSelectedItem();
        const size_t at = std::find(items.begin(), items.end(), caret) - items.begin();
        size_t next = at;
        if (key == VK_HOME) next = 0;
        if (key == VK_END) next = items.size() - 1;
        if (key == VK_UP && at > 0) next = at - 1;
        if (key == VK_DOWN && at + 1 < items.size()) next = at + 1;
        m_highlight = tree->NodeOf(items[next]);
        Key(key);
        const char* name = key == VK_HOME  ? "Home"
                           : key == VK_END ? "End"
                           : key == VK_UP  ? "Up"
                                           : "Down";
        return std::string("key ") + name + " to " + NameOf(m_highlight);
    }

    std::string GoUp()
    {
        if (!m_model.count(m_highlight)) return "go up from nowhere";
        if (const CatalogNode* parent = m_model.at(m_highlight).parent) m_highlight = parent;
        frame->SendMessage(WM_COMMAND, kGoUpCommand, 0);
        return "go up to " + NameOf(m_highlight);
    }

    std::string NavigateFromTheDocument()
    {
        std::vector<const CatalogNode*> nodes;
        for (const auto& entry : m_model) nodes.push_back(entry.first);
        m_highlight = Pick(nodes);
        doc->NavigateTo(const_cast<CatalogNode*>(m_highlight), nullptr);
        return "the document goes to " + NameOf(m_highlight);
    }

    std::string CreateFolder()
    {
        if (m_model.size() >= kMostNodes) return "no room for a folder";
        const CatalogNode* target = m_highlight;
        const bool made = ContextCommand(kNewFolderInContext);
        std::string what = "context \"Создать папку\" on " + NameOf(target);
        if (made != HoldsNodes(TypeOf(target))) {
            ADD_FAILURE() << what << ": the menu " << (made ? "offered" : "did not offer")
                          << " the command";
            return what;
        }
        if (!made) return what + " (not offered)";
        const CatalogNode* created = doc->GetCurrentNode();
        if (m_model.count(created) || created->m_parent != target) {
            ADD_FAILURE() << what << ": no new folder in " << NameOf(target);
            return what;
        }
        m_model[created] = {target, L"Новая папка", NodeUserFolder};
        m_highlight = created;
        const wchar_t* text = PickName();
        if (text && *text) m_model[created].name = text;
        EndEdit(text);
        return what + ", named " + (text ? "\"" + Utf8(text) + "\"" : "with Esc");
    }

    std::string Rename()
    {
        const CatalogNode* target = m_highlight;
        Key(VK_F2);
        std::string what = "F2 on " + NameOf(target);
        if (!Renameable(TypeOf(target))) {
            EXPECT_FALSE(tree->IsEditingLabel()) << what;
            return what + " (not renamed)";
        }
        const wchar_t* text = Chance(20) ? m_model.at(target).name.c_str() : PickName();
        what += text ? ", \"" + Utf8(text) + "\"" : ", Esc";
        if (text && *text) m_model[target].name = text;
        EndEdit(text);
        return what;
    }

    std::string Delete()
    {
        const CatalogNode* target = m_highlight;
        const bool byKey = Chance(30);
        const bool yes = Chance(70);
        g_app.m_messages.clear();
        g_app.m_answers = {yes ? IDYES : IDNO};
        if (byKey)
            Key(VK_DELETE);
        else
            frame->SendMessage(WM_COMMAND, kDeleteCommand, 0);
        std::string what = std::string(byKey ? "Delete key" : "\"Удалить\"") + " on " +
                           NameOf(target) + (yes ? ", Yes" : ", No");
        const bool asks = Renameable(TypeOf(target));
        EXPECT_EQ(asks ? 1u : 0u, g_app.m_messages.size()) << what << ": the question";
        g_app.m_answers.clear();
        if (asks && yes) {
            m_highlight = m_model.at(target).parent;
            Forget(target);
        }
        return what;
    }

    std::string DragSomewhere()
    {
        const std::vector<HTREEITEM> items = VisibleItems();
        HTREEITEM from = Pick(items);
        HTREEITEM to = Chance(10) ? nullptr : Pick(items);
        const CatalogNode* dragged = tree->NodeOf(from);
        const CatalogNode* target = to ? tree->NodeOf(to) : nullptr;
        std::string what = "drag " + NameOf(dragged) + " onto " + NameOf(target);
        // The pressed item is selected as the drag starts.
        m_highlight = dragged;
        const bool moves = target && target != dragged && Renameable(TypeOf(dragged)) &&
                           HoldsNodes(TypeOf(target)) && !InModelUnder(target, dragged);
        Drag(from, to);
        if (moves) {
            m_model[dragged].parent = target;
            // The moved item was the selected one: the control marks another in its place, and
            // that one is what the user sees from now on.
            m_highlight = Highlighted();
            if (!m_model.count(m_highlight)) {
                ADD_FAILURE() << what << ": nothing is highlighted after the move";
                m_highlight = doc->GetCurrentNode();
            }
            what += " (moved; " + NameOf(m_highlight) + " highlighted)";
        }
        return what;
    }

    std::string Step()
    {
        const int roll = std::uniform_int_distribution<int>(0, 99)(m_random);
        if (roll < 14) return ClickSomewhere();
        if (roll < 30) return MoveByKey();
        if (roll < 35) return GoUp();
        if (roll < 40) return NavigateFromTheDocument();
        if (roll < 55) return CreateFolder();
        if (roll < 67) return Rename();
        if (roll < 82) return Delete();
        return DragSomewhere();
    }

    AppCatalogShell m_shell;
    CTarnimelDoc* doc = nullptr;
    CFrameWnd* frame = nullptr;
    VIEW_CategoryTree* tree = nullptr;
    std::map<const CatalogNode*, ModelEntry> m_model;
    const CatalogNode* m_highlight = nullptr;  // the node the user sees highlighted
    std::mt19937 m_random{kSeed};
};

TEST_F(CategoryTreeModel, EveryCommandActsOnTheHighlightedNodeThroughARandomWalk)
{
    Verify();
    std::string steps;
    for (int i = 1; i <= kSteps && !HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(kSeed) + ", the steps before:\n" + steps);
        const std::string step = Step();
        SCOPED_TRACE("step " + std::to_string(i) + ": " + step);
        Verify();
        steps += std::to_string(i) + ". " + step + "\n";
    }
}

}  // namespace
