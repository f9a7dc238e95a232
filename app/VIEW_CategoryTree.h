// The whole catalogue as a tree: collections at the root, then user folders, discs and disc
// folders. Selecting an item makes its node the document's current node; user folders and discs
// are renamed in place and moved by drag and drop; commands, keys and a context menu chosen by
// the kind of node add discs, make folders and delete.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "app/ModalEditLoop.h"
#include "framework/CTreeView.h"

class CatalogNode;
class CTarnimelDoc;

class VIEW_CategoryTree : public CTreeView
{
    DECLARE_DYNCREATE(VIEW_CategoryTree)
public:
    // Posted to itself with a context menu's command (wParam): it runs once the control has
    // finished its own right click.
    static const UINT WM_CONTEXT_COMMAND = WM_APP + 1;

    VIEW_CategoryTree();
    ~VIEW_CategoryTree() override;

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    CTarnimelDoc* GetCatalog() const;
    CatalogNode* NodeOf(HTREEITEM item) const;
    // The item that shows a node (following the node's path from its collection), or null. The
    // children of the items on the way go into the tree if they are not there yet.
    HTREEITEM FindItem(const CatalogNode* node) const;
    // The same among the items already in the tree: null when the node's parent was never opened.
    HTREEITEM FindShownItem(const CatalogNode* node) const;

    // The item the last press or release hit, or that a command or key took as its target.
    HTREEITEM GetCurrentItem() const { return m_hCurrentItem; }
    // The item the commands act on: the one the user sees highlighted (the drop highlight, else
    // the selected item), or the right-clicked item for a command of its context menu.
    HTREEITEM CommandItem() const;
    // Moves the dragged item's node under the target item's node when the rules allow it.
    void MoveNode(HTREEITEM target, HTREEITEM dragged);

    bool IsEditingLabel() const { return m_hLabelEdit != nullptr; }
    // Runs the label edit's local loop while a rename is open (command 106). FALSE when none is.
    BOOL RunEditLoop(UINT);

    // Shows a context popup at the cursor and answers the command chosen, 0 when dismissed.
    UINT TrackContextPopup(HMENU popup);

protected:
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnCaptureChanged(CWnd* pWnd);
    void OnRButtonDown(UINT nFlags, CPoint point);
    LRESULT OnContextCommand(WPARAM wParam, LPARAM lParam);
    void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    void OnBeginDrag(NMHDR* pNMHDR, LRESULT* pResult);
    void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    void OnBeginLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    void OnEndLabelEditW(NMHDR* pNMHDR, LRESULT* pResult);
    void OnItemExpanding(NMHDR* pNMHDR, LRESULT* pResult);
    void OnDeleteItem(NMHDR* pNMHDR, LRESULT* pResult);
    void OnRightClick(NMHDR* pNMHDR, LRESULT* pResult);
    void OnAddDisc();
    void OnCreateFolder();
    void OnDelete();
    void OnRename();
    void OnGoUp();
    void OnSearch();

private:
    // The drop-highlighted item, else the selected one.
    HTREEITEM TargetItem() const;
    void EndLabelEdit(HTREEITEM item, const char* text);

    // Ends the drag in progress, if any: dropped at the point, or (null) called off.
    void EndDrag(const CPoint* dropPoint);

    HTREEITEM m_hCurrentItem = nullptr;
    bool m_inContextCommand = false;      // a context menu's command for m_hCurrentItem is running
    HTREEITEM m_hRightPressed = nullptr;  // the item under the right button while it is down
    HTREEITEM m_hContextItem = nullptr;   // the item a posted context command is for
    HWND m_hLabelEdit = nullptr;          // the tree's own edit control while a label is edited
    ModalEditLoop m_editLoop;

    DECLARE_MESSAGE_MAP()
};
