// The node list: ordering, double-clicks, edits and the context menu of user folders and discs.
#include "app/NodeItemsRepresentation.h"

#include "app/ListRowOrder.h"
#include "app/NodeCommandRules.h"
#include "app/RowItemData.h"
#include "app/VIEW_ItemsList.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/CatalogNode.h"
#include "catalog/DiscNode.h"
#include "catalog/NodeOperations.h"
#include "catalog/TextConversion.h"
#include "framework/CMenu.h"
#include "resources/AppResource.h"

bool NodeItemsRepresentation::IsLess(LPARAM a, LPARAM b)
{
    return NodeRowLess(RowItemData::Node(a), RowItemData::Node(b), m_pView->SortColumn());
}

void NodeItemsRepresentation::CommitEdit(int row, int column, const CString& text)
{
    CatalogNode* node = RowItemData::Node(m_pView->GetListCtrl().GetItemData(row));
    if (!node) return;
    const int DescriptionColumn = 2;
    const int LentToColumn = 3;
    if (column == DescriptionColumn) {
        SetNodeDescription(node, text);
    } else if (column == LentToColumn && node->m_type == NodeDisc) {
        AssignBstrText(static_cast<DiscNode*>(node)->m_lentTo, text);
        MarkCollectionModified(node);
    }
}

void NodeItemsRepresentation::OnDoubleClick(int row, int column)
{
    CatalogNode* node = RowItemData::Node(m_pView->GetListCtrl().GetItemData(row));
    switch (NodeListDoubleClick(node, column)) {
    case CellAction::Navigate:
        if (CTarnimelDoc* doc = m_pView->GetCatalog()) doc->NavigateTo(node, nullptr);
        break;
    case CellAction::EditCell: m_pView->BeginCellEdit(row, column); break;
    case CellAction::Beep: ::MessageBeep(0xFFFFFFFF); break;
    case CellAction::Nothing: break;
    }
}

void NodeItemsRepresentation::OnContextMenu(int row, int)
{
    CListCtrl& list = m_pView->GetListCtrl();
    CatalogNode* node = row >= 0 && row < list.GetItemCount()
                            ? RowItemData::Node(list.GetItemData(row))
                            : nullptr;
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENUS)) return;
    CMenu* popup = menu.GetSubMenu(IDM_CONTEXT_NODES);
    if (!popup) return;
    for (int position : NodeListMenuRemovals(node)) popup->RemoveMenu(position, MF_BYPOSITION);
    const UINT chosen = m_pView->TrackContextPopup(popup->GetSafeHmenu());
    switch (NodeListMenuAction(chosen)) {
    case MenuAction::DeleteRow:
        if (node)
            if (CTarnimelDoc* doc = m_pView->GetCatalog()) doc->DeleteNode(node);
        break;
    case MenuAction::SendToFrame: m_pView->SendCommandToParent(chosen); break;
    default: break;
    }
}
