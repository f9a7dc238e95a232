// The category tree view: following the document, renaming, dragging, commands and keys.
#include "app/VIEW_CategoryTree.h"

#include <string>

#include "app/CTarnimelApp.h"
#include "app/ContextMenuTracker.h"
#include "app/NodeCommandRules.h"
#include "app/NodePath.h"
#include "app/TreeDragOperation.h"
#include "app/TreeDropRules.h"
#include "app/TreeInsertVisitor.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogNode.h"
#include "catalog/CollectionNode.h"
#include "catalog/NodeOperations.h"
#include "catalog/TextConversion.h"
#include "framework/CMenu.h"
#include "resources/AppResource.h"

IMPLEMENT_DYNCREATE(VIEW_CategoryTree, CTreeView)

BEGIN_MESSAGE_MAP(VIEW_CategoryTree, CTreeView)
ON_WM_LBUTTONDOWN()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONUP()
ON_WM_CAPTURECHANGED()
ON_WM_RBUTTONDOWN()
ON_MESSAGE(WM_CONTEXT_COMMAND, &VIEW_CategoryTree::OnContextCommand)
ON_WM_KEYUP()
ON_NOTIFY_REFLECT(TVN_BEGINDRAGA, &VIEW_CategoryTree::OnBeginDrag)
ON_NOTIFY_REFLECT(TVN_BEGINDRAGW, &VIEW_CategoryTree::OnBeginDrag)
ON_NOTIFY_REFLECT(TVN_SELCHANGEDA, &VIEW_CategoryTree::OnSelChanged)
ON_NOTIFY_REFLECT(TVN_SELCHANGEDW, &VIEW_CategoryTree::OnSelChanged)
ON_NOTIFY_REFLECT(TVN_BEGINLABELEDITA, &VIEW_CategoryTree::OnBeginLabelEdit)
ON_NOTIFY_REFLECT(TVN_BEGINLABELEDITW, &VIEW_CategoryTree::OnBeginLabelEdit)
ON_NOTIFY_REFLECT(TVN_ENDLABELEDITA, &VIEW_CategoryTree::OnEndLabelEdit)
ON_NOTIFY_REFLECT(TVN_ENDLABELEDITW, &VIEW_CategoryTree::OnEndLabelEditW)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGA, &VIEW_CategoryTree::OnItemExpanding)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDINGW, &VIEW_CategoryTree::OnItemExpanding)
ON_NOTIFY_REFLECT(TVN_DELETEITEMA, &VIEW_CategoryTree::OnDeleteItem)
ON_NOTIFY_REFLECT(TVN_DELETEITEMW, &VIEW_CategoryTree::OnDeleteItem)
ON_NOTIFY_REFLECT(NM_RCLICK, &VIEW_CategoryTree::OnRightClick)
ON_COMMAND(ID_ADD_DISC, &VIEW_CategoryTree::OnAddDisc)
ON_COMMAND(ID_NEW_FOLDER_CONTEXT, &VIEW_CategoryTree::OnCreateFolder)
ON_COMMAND(ID_DELETE_ITEM, &VIEW_CategoryTree::OnDelete)
ON_COMMAND(ID_RENAME, &VIEW_CategoryTree::OnRename)
ON_COMMAND(ID_GO_UP, &VIEW_CategoryTree::OnGoUp)
// The context menus' "Поиск..." runs the document's search from the tree too.
ON_COMMAND(ID_FIND, &VIEW_CategoryTree::OnSearch)
ON_COMMAND_EX(ID_EDIT_LOOP, &VIEW_CategoryTree::RunEditLoop)
END_MESSAGE_MAP()

namespace
{

const DWORD TreeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_EDITLABELS |
                        TVS_SHOWSELALWAYS;
const UINT kTreeRefusedBeep = 0xFFFFFFFF;

// The tree sends the A or the W form of its notifications; the fields the view reads sit at the
// same places in both, except the texts.
const NMTREEVIEWA* TreeNotify(NMHDR* pNMHDR) { return reinterpret_cast<NMTREEVIEWA*>(pNMHDR); }

}  // namespace

VIEW_CategoryTree::VIEW_CategoryTree() = default;

VIEW_CategoryTree::~VIEW_CategoryTree() = default;

BOOL VIEW_CategoryTree::PreCreateWindow(CREATESTRUCTA& cs)
{
    if (!CTreeView::PreCreateWindow(cs)) return FALSE;
    cs.style |= TreeStyle;
    cs.style &= ~TVS_DISABLEDRAGDROP;
    return TRUE;
}

CTarnimelDoc* VIEW_CategoryTree::GetCatalog() const
{
    return dynamic_cast<CTarnimelDoc*>(m_pDocument);
}

CatalogNode* VIEW_CategoryTree::NodeOf(HTREEITEM item) const
{
    return item ? reinterpret_cast<CatalogNode*>(GetTreeCtrl().GetItemData(item)) : nullptr;
}

void VIEW_CategoryTree::OnInitialUpdate()
{
    CTreeView::OnInitialUpdate();
    CTarnimelDoc* doc = GetCatalog();
    if (!doc) return;
    CTreeCtrl& tree = GetTreeCtrl();
    TreeView_SetImageList(m_hWnd, doc->m_images, TVSIL_NORMAL);
    // Only the collections: everything below comes in as it is opened or looked for.
    for (CatalogNode* collection : doc->m_collections)
        TreeInsertVisitor(collection, TVI_ROOT, tree, doc);
    m_hCurrentItem = TargetItem();
    // The tree opens on the document's current node.
    if (HTREEITEM current = FindItem(doc->GetCurrentNode())) {
        tree.EnsureVisible(current);
        tree.SelectItem(current);
    }
}

HTREEITEM VIEW_CategoryTree::FindItem(const CatalogNode* node) const
{
    if (!node) return nullptr;
    // The items along the node's path are put in as the path goes down, as opening each parent
    // would put them in.
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM found = TVI_ROOT;
    for (CatalogNode* step : NodePathFromRoot(const_cast<CatalogNode*>(node))) {
        found = TreeInsertVisitor::ChildItem(found, step, tree, GetCatalog());
        if (!found) return nullptr;
    }
    return found;
}

HTREEITEM VIEW_CategoryTree::FindShownItem(const CatalogNode* node) const
{
    if (!node) return nullptr;
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM parent = TVI_ROOT;
    HTREEITEM found = nullptr;
    for (CatalogNode* step : NodePathFromRoot(const_cast<CatalogNode*>(node))) {
        found = nullptr;
        HTREEITEM child = parent == TVI_ROOT ? tree.GetRootItem() : tree.GetChildItem(parent);
        for (; child; child = tree.GetNextSiblingItem(child))
            if (NodeOf(child) == step) {
                found = child;
                break;
            }
        if (!found) return nullptr;
        parent = found;
    }
    return found;
}

void VIEW_CategoryTree::OnUpdate(CView*, LPARAM lHint, CObject* pHint)
{
    CTarnimelDoc* doc = GetCatalog();
    if (!doc) return;
    CTreeCtrl& tree = GetTreeCtrl();
    switch (lHint) {
    case CTarnimelDoc::HintCurrentChanged:
        if (HTREEITEM item = FindItem(doc->GetCurrentNode())) {
            tree.EnsureVisible(item);
            tree.SelectItem(item);
        }
        break;
    case CTarnimelDoc::HintNodeAdded: {
        CatalogNode* node = CTarnimelDoc::HintNode(pHint);
        if (!node || !node->m_parent) break;
        HTREEITEM parent = FindItem(node->m_parent);
        if (!parent) break;
        HTREEITEM item = TreeInsertVisitor::EnsureChildItem(parent, node, tree, doc);
        doc->NavigateTo(node, nullptr);
        if (item) {
            tree.EnsureVisible(item);
            // A new folder or disc is named right away.
            tree.EditLabel(item);
        }
        break;
    }
    case CTarnimelDoc::HintNodeRemoving: {
        // A node whose parent was never opened has no item to delete.
        const CatalogNode* node = CTarnimelDoc::HintNode(pHint);
        if (!node) break;
        HTREEITEM item = FindShownItem(node);
        HTREEITEM parent = item ? tree.GetParentItem(item) : FindShownItem(node->m_parent);
        if (item) tree.DeleteItem(item);
        // The parent's button goes with its last child, opened or not.
        TreeInsertVisitor::UpdateButton(parent, tree, node);
        break;
    }
    default: break;
    }
}

HTREEITEM VIEW_CategoryTree::TargetItem() const
{
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM item = tree.GetDropHilightItem();
    return item ? item : tree.GetSelectedItem();
}

HTREEITEM VIEW_CategoryTree::CommandItem() const
{
    // Whatever moved the highlight since the last press or drop (keys, a rename, a new folder,
    // the document) counts: a command never acts on an item the user no longer sees marked.
    return m_inContextCommand ? m_hCurrentItem : TargetItem();
}

void VIEW_CategoryTree::OnLButtonDown(UINT, CPoint point)
{
    m_hCurrentItem = GetTreeCtrl().HitTest(point);
    Default();
}

void VIEW_CategoryTree::OnMouseMove(UINT, CPoint point)
{
    CTarnimelApp* app = GetTarnimelApp();
    if (app && app->GetDragOperation()) app->GetDragOperation()->Move(point);
    Default();
}

void VIEW_CategoryTree::OnLButtonUp(UINT, CPoint point)
{
    m_hCurrentItem = GetTreeCtrl().HitTest(point);
    EndDrag(&point);
    Default();
}

void VIEW_CategoryTree::OnCaptureChanged(CWnd* pWnd)
{
    // The mouse was taken away in mid-drag (another window or a message box took the capture):
    // the drag ends here, its drop highlight with it, or later commands would act on that item.
    if (pWnd != this) EndDrag(nullptr);
    Default();
}

void VIEW_CategoryTree::EndDrag(const CPoint* dropPoint)
{
    CTarnimelApp* app = GetTarnimelApp();
    TreeDragOperation* operation = app ? app->GetDragOperation() : nullptr;
    if (!operation) return;
    // Taken from the application first: releasing the capture reports a capture change, which
    // must find no drag left to call off.
    app->SetDragOperation(nullptr);
    if (dropPoint)
        operation->Drop(*dropPoint);
    else
        operation->Cancel();
    delete operation;
    // Whatever marked a drop target meanwhile (some tree controls mark the pressed item once
    // the drag starts), the mark ends with the drag.
    GetTreeCtrl().SelectDropTarget(nullptr);
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void VIEW_CategoryTree::OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    CTarnimelApp* app = GetTarnimelApp();
    if (!app) return;
    CTreeCtrl& tree = GetTreeCtrl();
    // The control names the item it saw pressed; the press itself set the same one.
    if (HTREEITEM pressed = TreeNotify(pNMHDR)->itemNew.hItem) m_hCurrentItem = pressed;
    const CatalogNode* node = NodeOf(m_hCurrentItem);
    if (!node) return;
    POINT point = {};
    ::GetCursorPos(&point);
    ::ScreenToClient(m_hWnd, &point);
    TreeDragOperation* operation = nullptr;
    if (node->m_type == NodeUserFolder || node->m_type == NodeDisc)
        operation = new TreeDragImage(this, TreeView_CreateDragImage(m_hWnd, m_hCurrentItem));
    else
        operation = new TreeDragCursor;
    app->DeleteDragOperation();
    app->SetDragOperation(operation);
    tree.SelectItem(m_hCurrentItem);
    operation->Begin(point);
    SetCapture();
}

void VIEW_CategoryTree::OnSelChanged(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CTarnimelDoc* doc = GetCatalog();
    CatalogNode* node = NodeOf(GetTreeCtrl().GetSelectedItem());
    if (doc && node) doc->NavigateTo(node, this);
}

void VIEW_CategoryTree::OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const CatalogNode* node = NodeOf(reinterpret_cast<NMTVDISPINFOA*>(pNMHDR)->item.hItem);
    if (!CanRenameInPlace(node)) {
        *pResult = 1;
        return;
    }
    m_hLabelEdit = TreeView_GetEditControl(m_hWnd);
    m_editLoop.Begin();
    if (CWnd* main = AfxGetMainWnd()) main->PostMessage(WM_COMMAND, MAKEWPARAM(ID_EDIT_LOOP, 0), 0);
    *pResult = 0;
}

void VIEW_CategoryTree::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTVDISPINFOA* info = reinterpret_cast<NMTVDISPINFOA*>(pNMHDR);
    EndLabelEdit(info->item.hItem, info->item.pszText);
    *pResult = 0;
}

void VIEW_CategoryTree::OnEndLabelEditW(NMHDR* pNMHDR, LRESULT* pResult)
{
    const NMTVDISPINFOW* info = reinterpret_cast<NMTVDISPINFOW*>(pNMHDR);
    if (info->item.pszText) {
        const std::string text = ToAnsiString(info->item.pszText);
        EndLabelEdit(info->item.hItem, text.c_str());
    } else {
        EndLabelEdit(info->item.hItem, nullptr);
    }
    *pResult = 0;
}

void VIEW_CategoryTree::EndLabelEdit(HTREEITEM item, const char* text)
{
    CatalogNode* node = NodeOf(item);
    if (LabelEditRenames(node, text)) {
        CTreeCtrl& tree = GetTreeCtrl();
        AssignBstrText(node->m_name, text);
        tree.SetItemText(item, text);
        MarkCollectionModified(node);
        tree.SortChildren(tree.GetParentItem(item));
        tree.EnsureVisible(item);
    }
    m_hLabelEdit = nullptr;
    m_editLoop.End();
}

void VIEW_CategoryTree::OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const NMTREEVIEWA* info = TreeNotify(pNMHDR);
    if (info->action & TVE_EXPAND)
        TreeInsertVisitor::FillChildren(info->itemNew.hItem, GetTreeCtrl(), GetCatalog());
}

void VIEW_CategoryTree::OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    // No item handle may outlive its item.
    const HTREEITEM gone = TreeNotify(pNMHDR)->itemOld.hItem;
    for (HTREEITEM* held : {&m_hCurrentItem, &m_hRightPressed, &m_hContextItem})
        if (*held == gone) *held = nullptr;
}

BOOL VIEW_CategoryTree::RunEditLoop(UINT)
{
    if (!m_hLabelEdit) return FALSE;
    m_editLoop.Run();
    return TRUE;
}

void VIEW_CategoryTree::OnRButtonDown(UINT, CPoint point)
{
    // The control reports the click from inside its own handling of this press.
    m_hRightPressed = GetTreeCtrl().HitTest(point);
    Default();
    m_hRightPressed = nullptr;
}

void VIEW_CategoryTree::OnRightClick(NMHDR*, LRESULT* pResult)
{
    *pResult = 0;
    CTreeCtrl& tree = GetTreeCtrl();
    // The clicked item: the one the control marks while the button is down; a control that
    // marks none leaves the item the press hit; clicked beside every item, the selected one.
    HTREEITEM item = tree.GetDropHilightItem();
    const bool markedByControl = item != nullptr;
    if (!item) item = m_hRightPressed;
    if (!item) item = tree.GetSelectedItem();
    m_hCurrentItem = item;
    const int popupIndex = TreeContextPopup(NodeOf(item));
    if (popupIndex < 0) return;
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENUS)) return;
    CMenu* popup = menu.GetSubMenu(popupIndex);
    if (!popup) return;
    // The item stays marked while its menu is open: the user sees what the menu acts on.
    const bool mark = !markedByControl && item != tree.GetSelectedItem();
    if (mark) tree.SelectDropTarget(item);
    const UINT chosen = TrackContextPopup(popup->GetSafeHmenu());
    if (mark) tree.SelectDropTarget(nullptr);
    if (!chosen) return;
    // The command may delete the item or open a dialog: it runs once the control has finished
    // with its click, and goes to this view and on to its document, as a menu choice would.
    m_hContextItem = item;
    PostMessage(WM_CONTEXT_COMMAND, LOWORD(chosen), 0);
}

LRESULT VIEW_CategoryTree::OnContextCommand(WPARAM wParam, LPARAM)
{
    const HTREEITEM item = m_hContextItem;
    m_hContextItem = nullptr;
    if (!item) return 0;  // the item went meanwhile
    m_hCurrentItem = item;
    struct ContextCommandScope
    {
        bool& running;
        explicit ContextCommandScope(bool& flag) : running(flag) { running = true; }
        ~ContextCommandScope() { running = false; }
    } scope(m_inContextCommand);
    SendMessage(WM_COMMAND, MAKEWPARAM(LOWORD(wParam), 0), 0);
    return 0;
}

UINT VIEW_CategoryTree::TrackContextPopup(HMENU popup)
{
    return ContextMenuTracker::Current().Track(popup, m_hWnd);
}

void VIEW_CategoryTree::OnKeyUp(UINT nChar, UINT, UINT)
{
    CTarnimelDoc* doc = GetCatalog();
    switch (nChar) {
    case VK_INSERT:
        m_hCurrentItem = CommandItem();
        if (doc) doc->OnAddDisc(NodeOf(m_hCurrentItem));
        break;
    case VK_DELETE:
        m_hCurrentItem = CommandItem();
        if (doc) doc->DeleteNode(NodeOf(m_hCurrentItem));
        break;
    case VK_F2: OnRename(); break;
    default: Default(); break;
    }
}

void VIEW_CategoryTree::OnAddDisc()
{
    m_hCurrentItem = CommandItem();
    if (CTarnimelDoc* doc = GetCatalog()) doc->OnAddDisc(NodeOf(m_hCurrentItem));
}

void VIEW_CategoryTree::OnCreateFolder()
{
    m_hCurrentItem = CommandItem();
    if (CTarnimelDoc* doc = GetCatalog()) doc->CreateFolder(NodeOf(m_hCurrentItem));
}

void VIEW_CategoryTree::OnDelete()
{
    m_hCurrentItem = CommandItem();
    if (CTarnimelDoc* doc = GetCatalog()) doc->DeleteNode(NodeOf(m_hCurrentItem));
}

void VIEW_CategoryTree::OnRename()
{
    CTreeCtrl& tree = GetTreeCtrl();
    if (HTREEITEM item = tree.GetSelectedItem()) tree.EditLabel(item);
}

void VIEW_CategoryTree::OnGoUp()
{
    if (m_hLabelEdit) return;
    if (CTarnimelDoc* doc = GetCatalog()) doc->GoUp();
}

void VIEW_CategoryTree::OnSearch()
{
    if (CTarnimelDoc* doc = GetCatalog()) doc->OnSearch();
}

void VIEW_CategoryTree::MoveNode(HTREEITEM target, HTREEITEM dragged)
{
    if (!target || !dragged || target == dragged) return;
    CatalogNode* targetNode = NodeOf(target);
    CatalogNode* draggedNode = NodeOf(dragged);
    switch (DecideTreeDrop(draggedNode, targetNode)) {
    case DropDecision::Nothing: return;
    case DropDecision::Refuse: ::MessageBeep(kTreeRefusedBeep); return;
    case DropDecision::Move: break;
    }
    MoveDroppedNode(draggedNode, targetNode);
    CTreeCtrl& tree = GetTreeCtrl();
    HTREEITEM oldParent = tree.GetParentItem(dragged);
    tree.DeleteItem(dragged);
    TreeInsertVisitor::UpdateButton(oldParent, tree);
    if (HTREEITEM item = TreeInsertVisitor::EnsureChildItem(target, draggedNode, tree,
                                                            GetCatalog()))
        tree.EnsureVisible(item);
}
