// Row comparisons of the item list.
#include "app/ListRowOrder.h"
#include <mbstring.h>
#include <cwchar>
#include <string>
#include "app/FileTypeNames.h"
#include "app/RowItemData.h"
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/FileEntry.h"
#include "catalog/TextConversion.h"
#include "catalog/UserFolderNode.h"
#include "app/ListColumns.h"

namespace
{

const int Ascending = 0;
const int Descending = -1;

// The answer of one criterion: decided (less or not) or passed on to the next.
enum class Verdict
{
    Less,
    NotLess,
    Undecided
};

Verdict ByName(const CatalogNode* a, const CatalogNode* b)
{
    const std::string na = ToAnsiString(a->m_name.c_str());
    const std::string nb = ToAnsiString(b->m_name.c_str());
    if (_mbscmp(reinterpret_cast<const unsigned char*>(na.c_str()),
                reinterpret_cast<const unsigned char*>(nb.c_str())) == 0)
        return Verdict::Undecided;
    return std::wcscmp(a->m_name.c_str(), b->m_name.c_str()) < 0 ? Verdict::Less : Verdict::NotLess;
}

// A collection's date is its creation time, a disc's its adding time; user folders have none.
const FILETIME* DateOf(const CatalogNode* node)
{
    if (node->m_type == NodeCollection) return &static_cast<const CollectionNode*>(node)->m_time;
    if (node->m_type == NodeDisc) return &static_cast<const DiscNode*>(node)->m_addedTime;
    return nullptr;
}

Verdict ByDate(const CatalogNode* a, const CatalogNode* b)
{
    const FILETIME* da = DateOf(a);
    const FILETIME* db = DateOf(b);
    if (!da && !db) return Verdict::Undecided;
    if (!da) return Verdict::Less;
    if (!db) return Verdict::NotLess;
    const LONG order = CompareFileTime(da, db);
    if (order == 0) return Verdict::Undecided;
    return order < 0 ? Verdict::Less : Verdict::NotLess;
}

const CatalogText* DescriptionOf(const CatalogNode* node)
{
    if (node->m_type == NodeUserFolder)
        return &static_cast<const UserFolderNode*>(node)->m_description;
    if (node->m_type == NodeDisc) return &static_cast<const DiscNode*>(node)->m_description;
    return nullptr;
}

Verdict ByDescription(const CatalogNode* a, const CatalogNode* b)
{
    const CatalogText* da = DescriptionOf(a);
    const CatalogText* db = DescriptionOf(b);
    if (!da && !db) return Verdict::Undecided;
    if (!da) return Verdict::NotLess;
    if (!db) return Verdict::Less;
    return std::wcscmp(da->c_str(), db->c_str()) < 0 ? Verdict::Less : Verdict::NotLess;
}

using Criterion = Verdict (*)(const CatalogNode*, const CatalogNode*);

bool FolderRowLess(const DiscFolderNode* a, const DiscFolderNode* b, int column)
{
    switch (column) {
    case FileName:
    case FileSize:
    case FileType: return std::wcscmp(a->m_name.c_str(), b->m_name.c_str()) < 0;
    case FileModified: return CompareFileTime(&a->m_time, &b->m_time) < 0;
    default: return false;
    }
}

bool EntryRowLess(const FileEntry* a, const FileEntry* b, int column, FileTypeNames& types)
{
    switch (column) {
    case FileName: return std::wcscmp(a->m_name.c_str(), b->m_name.c_str()) < 0;
    case FileSize: return a->m_size < b->m_size;
    case FileType: {
        // Copies: the second look-up may add to the table that holds the first text.
        const std::string ta = types.Get(ToAnsiString(a->m_name.c_str()).c_str());
        const std::string tb = types.Get(ToAnsiString(b->m_name.c_str()).c_str());
        return _mbsicmp(reinterpret_cast<const unsigned char*>(ta.c_str()),
                        reinterpret_cast<const unsigned char*>(tb.c_str())) < 0;
    }
    case FileModified: return CompareFileTime(&a->m_time, &b->m_time) < 0;
    case FileDescription:
        return std::wcscmp(a->m_description.c_str(), b->m_description.c_str()) < 0;
    default: return false;
    }
}

}  // namespace

bool FileRowLess(LPARAM a, LPARAM b, int column, FileTypeNames& types)
{
    const bool aIsFile = RowItemData::IsEntry(a);
    const bool bIsFile = RowItemData::IsEntry(b);
    if (aIsFile != bIsFile) return !aIsFile;
    if (aIsFile) return EntryRowLess(RowItemData::Entry(a), RowItemData::Entry(b), column, types);
    return FolderRowLess(static_cast<const DiscFolderNode*>(RowItemData::Node(a)),
                         static_cast<const DiscFolderNode*>(RowItemData::Node(b)), column);
}

bool NodeRowLess(const CatalogNode* a, const CatalogNode* b, int column)
{
    static const Criterion byName[] = {ByName, ByDate, ByDescription};
    static const Criterion byDate[] = {ByDate, ByName, ByDescription};
    static const Criterion byDescription[] = {ByDescription, ByName, ByDate};
    const Criterion* criteria = nullptr;
    switch (column) {
    case NodeName: criteria = byName; break;
    case NodeCreated: criteria = byDate; break;
    case NodeDescription: criteria = byDescription; break;
    default: return false;  // "На руках у ..." and beyond: no criterion
    }
    for (int i = 0; i < 3; ++i) {
        const Verdict v = criteria[i](a, b);
        if (v != Verdict::Undecided) return v == Verdict::Less;
    }
    return false;
}

int CompareRows(bool less, int direction)
{
    if (direction == Ascending) return less ? -1 : 1;
    if (direction == Descending) return less ? 1 : -1;
    return 0;
}
