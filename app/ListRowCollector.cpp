// Rows of the item list from a walk over the current node.
#include "app/ListRowCollector.h"
#include <cstring>
#include <cwchar>
#include "app/FileTypeNames.h"
#include "app/ListRowTexts.h"
#include "app/RepresentationColumns.h"
#include "app/RowItemData.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/FileEntry.h"
#include "catalog/NodeOperations.h"
#include "catalog/TextConversion.h"

ListRowCollector::ListRowCollector(int kind, FileTypeNames& types, FileIconIndex fileIcon)
    : m_kind(kind), m_types(types), m_fileIcon(std::move(fileIcon))
{
}

std::vector<ListRow> ListRowCollector::Collect(CatalogNode* node)
{
    m_rows.clear();
    // A fill sees the system's state as it is now: the offset in force, the types and icons as
    // registered now (the tables behind them keep their own answers for the process).
    m_times = LocalTimeText();
    m_extensions.clear();
    if (node) node->Walk(this, nullptr, false, nullptr);
    return std::move(m_rows);
}

void ListRowCollector::VisitNode(CatalogNode* node)
{
    const LPARAM data = RowItemData::FromNode(node);
    const int image = GetNodeImageIndex(node, false);
    if (m_kind == RepresentationNodes &&
        (node->m_type == NodeUserFolder || node->m_type == NodeDisc))
        m_rows.push_back({data, image, NodeRowTexts(node, m_times)});
    else if (m_kind == RepresentationFiles && node->m_type == NodeDiscFolder)
        m_rows.push_back(
            {data, image, DiscFolderRowTexts(static_cast<DiscFolderNode*>(node), m_times)});
}

namespace
{

const char* AnsiExtension(const std::string& ansiName)
{
    // '.' is never the second byte of a double-byte character, so the last one found byte by byte
    // is the last '.' of the name.
    const char* dot = std::strrchr(ansiName.c_str(), '.');
    return dot ? dot : "";
}

}  // namespace

const ListRowCollector::ExtensionFacts* ListRowCollector::FactsOf(const wchar_t* fileName,
                                                                  const std::string& ansiName)
{
    const wchar_t* dot = std::wcsrchr(fileName, L'.');
    if (dot)
        m_extension.assign(dot);
    else
        m_extension.clear();
    const char* ansiExtension = AnsiExtension(ansiName);
    auto found = m_extensions.find(m_extension);
    if (found != m_extensions.end()) {
        // The type goes by the ANSI name, the icon by the wide one; a character that the code
        // page turns into a '.' makes them disagree, and such a name is looked up on its own.
        if (found->second.ansiExtension == ansiExtension) return &found->second;
        return nullptr;
    }
    ExtensionFacts facts = {m_fileIcon ? m_fileIcon(fileName) : 0, m_types.Get(ansiName.c_str()),
                            ansiExtension};
    return &m_extensions.emplace(m_extension, std::move(facts)).first->second;
}

void ListRowCollector::VisitEntry(EntryContainerNode*, FileEntry* entry)
{
    if (m_kind != RepresentationFiles) return;
    const wchar_t* name = entry->m_name.c_str();
    std::string ansiName = ToAnsiString(name);
    if (const ExtensionFacts* facts = FactsOf(name, ansiName)) {
        m_rows.push_back({RowItemData::FromEntry(entry), facts->image,
                          FileRowTexts(*entry, std::move(ansiName), facts->type, m_times)});
        return;
    }
    const int image = m_fileIcon ? m_fileIcon(name) : 0;
    const std::string type = m_types.Get(ansiName.c_str());
    m_rows.push_back({RowItemData::FromEntry(entry), image,
                      FileRowTexts(*entry, std::move(ansiName), type, m_times)});
}
