// Modified marks, descriptions and image indexes of nodes.
#include "catalog/NodeOperations.h"
#include "catalog/CatalogShell.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscNode.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"
#include <cstdio>
#include <string>

void MarkCollectionModified(CatalogNode* node)
{
    if (!node) return;
    CatalogNode* top = node->Root();
    if (top->m_type == NodeCollection) static_cast<CollectionNode*>(top)->m_modified = 1;
}

void SetNodeDescription(CatalogNode* node, const char* text)
{
    if (!node) return;
    switch (node->m_type) {
    case NodeCollection:
        AssignBstrText(static_cast<CollectionNode*>(node)->m_description, text);
        break;
    case NodeUserFolder:
        AssignBstrText(static_cast<UserFolderNode*>(node)->m_description, text);
        break;
    case NodeDisc: AssignBstrText(static_cast<DiscNode*>(node)->m_description, text); break;
    default: return;
    }
    MarkCollectionModified(node);
}

int GetNodeImageIndex(const CatalogNode* node, bool open)
{
    // Entries of the document's image list.
    const int closedFolder = 1, openFolder = 2, disc = 3, other = 0;
    switch (node ? node->m_type : 0xFFFFFFFFu) {
    case NodeCollection:
    case NodeUserFolder:
    case NodeDiscFolder: return open ? openFolder : closedFolder;
    case NodeDisc: return disc;
    default: return other;
    }
}

bool HasRoomBelow(const CatalogNode* target, CatalogShell* shell)
{
    if (target->Depth() < CatalogNode::MaxDepth) return true;
    if (shell) {
        const std::string format = LoadCatalogString(IdsFoldersTooDeep);
        char text[512];
        std::snprintf(text, sizeof text, format.c_str(), CatalogNode::MaxDepth);
        shell->ShowMessage(text, MB_OK | MB_ICONWARNING);
    }
    return false;
}
