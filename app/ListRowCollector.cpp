// Rows of the item list from a walk over the current node.
#include "app/ListRowCollector.h"
#include "app/ListRowTexts.h"
#include "app/RepresentationColumns.h"
#include "app/RowItemData.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/FileEntry.h"
#include "catalog/NodeOperations.h"

ListRowCollector::ListRowCollector(int kind, FileTypeNames& types, FileIconIndex fileIcon)
    : m_kind(kind), m_types(types), m_fileIcon(std::move(fileIcon))
{
}

std::vector<ListRow> ListRowCollector::Collect(CatalogNode* node)
{
    m_rows.clear();
    if (node) node->Walk(this, nullptr, false, nullptr);
    return std::move(m_rows);
}

void ListRowCollector::VisitNode(CatalogNode* node)
{
    const LPARAM data = RowItemData::FromNode(node);
    const int image = GetNodeImageIndex(node, false);
    if (m_kind == RepresentationNodes &&
        (node->m_type == NodeUserFolder || node->m_type == NodeDisc))
        m_rows.push_back({data, image, NodeRowTexts(node)});
    else if (m_kind == RepresentationFiles && node->m_type == NodeDiscFolder)
        m_rows.push_back({data, image, DiscFolderRowTexts(static_cast<DiscFolderNode*>(node))});
}

void ListRowCollector::VisitEntry(EntryContainerNode*, FileEntry* entry)
{
    if (m_kind != RepresentationFiles) return;
    const int image = m_fileIcon ? m_fileIcon(entry->m_name.c_str()) : 0;
    m_rows.push_back({RowItemData::FromEntry(entry), image, FileRowTexts(*entry, m_types)});
}
