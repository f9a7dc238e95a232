// Cell texts of the item list.
#include "app/ListRowTexts.h"
#include "app/FileTypeNames.h"
#include "app/LocalTimeText.h"
#include "catalog/CatalogFormat.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/FileEntry.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"
#include "framework/CString.h"
#include "resources/AppResource.h"
#include "app/ListColumns.h"

namespace
{

const std::size_t NodeColumnCount = 4;
const std::size_t FileColumnCount = 5;

// The type column of a disc folder: the string table's text; a program built without the
// resources (a test, a tool) gets the same text.
std::string FolderTypeText()
{
    CString text;
    if (text.LoadString(IDS_FOLDER_TYPE) && !text.IsEmpty()) return (LPCSTR)text;
    return ToAnsiString(L"Папка");
}

}  // namespace

std::vector<std::string> NodeRowTexts(const CatalogNode* node)
{
    return NodeRowTexts(node, LocalTimeText());
}

std::vector<std::string> NodeRowTexts(const CatalogNode* node, const LocalTimeText& times)
{
    std::vector<std::string> texts(NodeColumnCount);
    if (!node) return texts;
    texts[NodeName] = ToAnsiString(node->m_name.c_str());
    if (node->m_type == NodeUserFolder) {
        texts[NodeDescription] = ToAnsiString(
            static_cast<const UserFolderNode*>(node)->m_description.c_str());
    } else if (node->m_type == NodeDisc) {
        const DiscNode* disc = static_cast<const DiscNode*>(node);
        texts[NodeCreated] = times.Format(disc->m_addedTime);
        texts[NodeDescription] = ToAnsiString(disc->m_description.c_str());
        texts[NodeLentTo] = ToAnsiString(disc->m_lentTo.c_str());
    }
    return texts;
}

std::vector<std::string> DiscFolderRowTexts(const DiscFolderNode* folder)
{
    return DiscFolderRowTexts(folder, LocalTimeText());
}

std::vector<std::string> DiscFolderRowTexts(const DiscFolderNode* folder,
                                            const LocalTimeText& times)
{
    std::vector<std::string> texts(FileColumnCount);
    if (!folder) return texts;
    texts[FileName] = ToAnsiString(folder->m_name.c_str());
    texts[FileType] = FolderTypeText();
    texts[FileModified] = times.Format(folder->m_time);
    return texts;
}

std::vector<std::string> FileRowTexts(const FileEntry& entry, FileTypeNames& types)
{
    std::string name = ToAnsiString(entry.m_name.c_str());
    const std::string type = types.Get(name.c_str());
    return FileRowTexts(entry, std::move(name), type, LocalTimeText());
}

std::vector<std::string> FileRowTexts(const FileEntry& entry, std::string ansiName,
                                      const std::string& type, const LocalTimeText& times)
{
    std::vector<std::string> texts(FileColumnCount);
    texts[FileName] = std::move(ansiName);
    texts[FileSize] = FormatSizeKB(entry.m_size);
    texts[FileType] = type;
    texts[FileModified] = times.Format(entry.m_time);
    texts[FileDescription] = ToAnsiString(entry.m_description.c_str());
    return texts;
}
