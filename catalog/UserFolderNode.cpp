// The user folder's record: name, children, description.
#include "catalog/UserFolderNode.h"
#include "catalog/DatabaseStream.h"

void UserFolderNode::Serialize(DatabaseStream& stream)
{
    CatalogNode::Serialize(stream);
    if (stream.IsStoring())
        WriteString(m_description, stream);
    else
        ReadString(m_description, stream);
}
