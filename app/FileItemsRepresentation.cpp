// The file list: folders before files, opening folders, and a folder's search exclusion.
#include "app/FileItemsRepresentation.h"

#include "app/FileTypeNames.h"
#include "app/ListRowOrder.h"
#include "app/NodeCommandRules.h"
#include "app/RowItemData.h"
#include "app/VIEW_ItemsList.h"
#include "catalog/CTarnimelDoc.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/NodeOperations.h"
#include "framework/CMenu.h"
#include "resources/AppResource.h"

bool FileItemsRepresentation::IsLess(LPARAM a, LPARAM b)
{
    return FileRowLess(a, b, m_pView->SortColumn(), FileTypeNames::Shared());
}

void FileItemsRepresentation::OnDoubleClick(int row, int)
{
    const LPARAM data = (LPARAM)m_pView->GetListCtrl().GetItemData(row);
    if (FileListDoubleClick(data) != CellAction::Navigate) return;
    if (CTarnimelDoc* doc = m_pView->GetCatalog())
        doc->NavigateTo(RowItemData::Node(data), nullptr);
}

void FileItemsRepresentation::OnContextMenu(int row, int)
{
    CListCtrl& list = m_pView->GetListCtrl();
    const int count = list.GetItemCount();
    const LPARAM data = row >= 0 && row < count ? (LPARAM)list.GetItemData(row) : 0;
    if (!FileListShowsMenu(row, count, data)) return;
    DiscFolderNode* folder = static_cast<DiscFolderNode*>(RowItemData::Node(data));
    CMenu menu;
    if (!menu.LoadMenu(IDR_CONTEXT_MENUS)) return;
    CMenu* popup = menu.GetSubMenu(IDM_CONTEXT_DISC_FOLDER);
    if (!popup) return;
    if (folder->m_attributes & DiscFolderNode::AttrExcluded)
        popup->CheckMenuItem(ID_EXCLUDE_FROM_SEARCH, MF_BYCOMMAND | MF_CHECKED);
    const UINT chosen = m_pView->TrackContextPopup(popup->GetSafeHmenu());
    switch (FileListMenuAction(chosen)) {
    case MenuAction::ToggleExcluded:
        folder->m_attributes ^= DiscFolderNode::AttrExcluded;
        MarkCollectionModified(folder);
        break;
    case MenuAction::SendToFrame: m_pView->SendCommandToParent(chosen); break;
    default: break;
    }
}
