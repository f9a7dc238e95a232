// Decisions of the catalogue views about nodes.
#include "app/NodeCommandRules.h"
#include <mbstring.h>
#include <string>
#include "app/RowItemData.h"
#include "catalog/CatalogNode.h"
#include "catalog/TextConversion.h"
#include "app/ListColumns.h"

namespace
{

const UINT CmdDelete = 32773;
const UINT CmdExcludeFromSearch = 108;

// Popups of menu 130.
const int PopupFolder = 0;
const int PopupCollection = 1;
const int PopupDisc = 2;
const int NoPopup = -1;

// Positions in the node list's popup: "Поиск...", separator, "Добавить диск...", "Создать
// папку", separator, "Удалить".
const int PositionSecondSeparator = 4;
const int PositionDelete = 5;
const int PositionPastEnd = 6;

}  // namespace

bool CanRenameInPlace(const CatalogNode* node)
{
    return node && (node->m_type == NodeUserFolder || node->m_type == NodeDisc);
}

int TreeContextPopup(const CatalogNode* node)
{
    if (!node) return NoPopup;
    switch (node->m_type) {
    case NodeCollection: return PopupCollection;
    case NodeUserFolder: return PopupFolder;
    case NodeDisc: return PopupDisc;
    default: return NoPopup;
    }
}

std::vector<int> NodeListMenuRemovals(const CatalogNode* row)
{
    if (!row) return {PositionPastEnd, PositionDelete, PositionSecondSeparator};
    if (row->m_type == NodeUserFolder) return {PositionDelete};
    return {PositionPastEnd};  // a disc keeps every item
}

CellAction NodeListDoubleClick(const CatalogNode* row, int column)
{
    if (!row) return CellAction::Nothing;
    switch (column) {
    case NodeName:
    case NodeCreated: return CellAction::Navigate;
    case NodeDescription: return CellAction::EditCell;
    case NodeLentTo: return row->m_type == NodeDisc ? CellAction::EditCell : CellAction::Beep;
    default: return CellAction::Nothing;
    }
}

CellAction FileListDoubleClick(LPARAM rowData)
{
    return RowItemData::Node(rowData) ? CellAction::Navigate : CellAction::Nothing;
}

MenuAction NodeListMenuAction(UINT chosen)
{
    if (chosen == 0) return MenuAction::Nothing;
    return chosen == CmdDelete ? MenuAction::DeleteRow : MenuAction::SendToFrame;
}

MenuAction FileListMenuAction(UINT chosen)
{
    if (chosen == 0) return MenuAction::Nothing;
    return chosen == CmdExcludeFromSearch ? MenuAction::ToggleExcluded : MenuAction::SendToFrame;
}

bool FileListShowsMenu(int row, int rowCount, LPARAM rowData)
{
    return row >= 0 && row < rowCount && RowItemData::Node(rowData) != nullptr;
}

bool LabelEditRenames(const CatalogNode* node, const char* newText)
{
    // An emptied edit gives no new text: a node is never left without a name.
    if (!node || !newText || !*newText) return false;
    const std::string current = ToAnsiString(node->m_name.c_str());
    return _mbscmp(reinterpret_cast<const unsigned char*>(newText),
                   reinterpret_cast<const unsigned char*>(current.c_str())) != 0;
}
