// Whole-file loading and saving of collections.
#include "catalog/DatabaseFile.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseError.h"
#include "catalog/TextConversion.h"
#include <windows.h>
#include <comdef.h>
#include <new>
#include <vector>

namespace {

// Shows the wait cursor while a file is read or written, as the thread's own cursor.
class WaitCursor
{
public:
    WaitCursor() : m_old(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_old); }

private:
    HCURSOR m_old;
};

} // namespace

std::unique_ptr<DatabaseWriter> CreateDatabaseWriter(const std::string& targetPath, const CatalogText& description,
                                                     std::uint8_t flags)
{
    try {
        return std::unique_ptr<DatabaseWriter>(new DatabaseWriter(targetPath, description, flags));
    } catch (...) {
        return nullptr;
    }
}

std::unique_ptr<DatabaseReader> CreateDatabaseReader(const std::string& path, DatabaseLoadResult* why)
{
    if (why) {
        DWORD attributes = GetFileAttributesA(path.c_str());
        *why = attributes == INVALID_FILE_ATTRIBUTES && GetLastError() == ERROR_FILE_NOT_FOUND
                   ? DatabaseLoadResult::Missing
                   : DatabaseLoadResult::Refused;
    }
    try {
        std::unique_ptr<DatabaseReader> reader(new DatabaseReader(path));
        if (why) *why = DatabaseLoadResult::Loaded;
        return reader;
    } catch (...) {
        return nullptr;
    }
}

std::string CollectionNameFromPath(const std::string& path)
{
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos) _com_issue_error(E_UNEXPECTED);
    std::string name = path.substr(0, dot);
    for (char sep : {'\\', '/', ':'}) {
        std::size_t cut = name.rfind(sep);
        if (cut != std::string::npos) name = name.substr(cut + 1);
    }
    return name;
}

DatabaseLoadResult OpenDatabase(CollectionNode& collection, const std::string& path)
{
    const std::string name = CollectionNameFromPath(path);
    WaitCursor wait;
    DatabaseLoadResult result = DatabaseLoadResult::Refused;
    std::unique_ptr<DatabaseReader> reader = CreateDatabaseReader(path, &result);
    if (reader) {
        // Read into a scratch collection: the real one changes only when the whole file was good.
        CollectionNode scratch;
        try {
            scratch.Serialize(*reader);
            reader->Abort();
            collection.m_description = scratch.m_description;
            collection.m_time = scratch.m_time;
            collection.m_flags = scratch.m_flags;
            collection.m_modified = 0;
            std::vector<CatalogNode*> children(scratch.m_children.begin(), scratch.m_children.end());
            for (CatalogNode* child : children) {
                scratch.DetachChild(child);
                collection.AddChild(child);
            }
        } catch (const DatabaseError&) {
            result = DatabaseLoadResult::Refused;
        } catch (const std::bad_alloc&) {
            result = DatabaseLoadResult::Refused;
        }
    }
    if (result == DatabaseLoadResult::Refused) {
        collection.m_fileRefused = true;
        collection.m_modified = 0;
    }
    AssignBstrText(collection.m_name, name.c_str());
    return result;
}

DatabaseSaveResult SaveDatabaseAs(CollectionNode& collection, const std::string& path)
{
    if (collection.m_fileRefused) return DatabaseSaveResult::Refused;
    WaitCursor wait;
    std::unique_ptr<DatabaseWriter> writer = CreateDatabaseWriter(path, collection.m_description, collection.m_flags);
    if (!writer) return DatabaseSaveResult::Failed;
    try {
        collection.Serialize(*writer);
    } catch (...) {
        // Whatever went wrong, the half-written temporary file goes and the old file stays.
        writer->Abort();
        return DatabaseSaveResult::Failed;
    }
    return writer->Commit() ? DatabaseSaveResult::Saved : DatabaseSaveResult::Failed;
}

DatabaseSaveResult SaveDatabase(CollectionNode& collection)
{
    std::string path = ToAnsiString(collection.m_name.c_str()) + LoadCatalogString(IdsDatabaseExtension);
    return SaveDatabaseAs(collection, path);
}
