// Whole-file loading and saving of collections.
#include "catalog/DatabaseFile.h"
#include "catalog/CatalogStrings.h"
#include "catalog/CollectionNode.h"
#include "catalog/DatabaseError.h"
#include "catalog/TextConversion.h"
#include <windows.h>
#include <comdef.h>
#include <new>
#include <utility>

namespace
{

// Shows the wait cursor while a file is read or written, as the thread's own cursor.
class WaitCursor
{
public:
    WaitCursor() : m_old(SetCursor(LoadCursor(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(m_old); }

private:
    HCURSOR m_old;
};

}  // namespace

std::unique_ptr<DatabaseWriter> CreateDatabaseWriter(const std::string& targetPath,
                                                     const CatalogText& description,
                                                     std::uint8_t flags)
{
    try {
        return std::unique_ptr<DatabaseWriter>(new DatabaseWriter(targetPath, description, flags));
    } catch (...) {
        return nullptr;
    }
}

std::unique_ptr<DatabaseReader> CreateDatabaseReader(const std::string& path,
                                                     DatabaseLoadResult* why)
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
    WaitCursor wait;
    DatabaseLoadResult result = DatabaseLoadResult::Refused;
    try {
        // A path without '.' raises a _com_error, which is no std::exception and goes on up.
        AssignBstrText(collection.m_name, CollectionNameFromPath(path).c_str());
        std::unique_ptr<DatabaseReader> reader = CreateDatabaseReader(path, &result);
        if (reader) {
            // Read into a scratch collection: the real one changes only when the whole file was
            // good, down to the end of its data.
            CollectionNode scratch;
            scratch.Serialize(*reader);
            reader->ExpectEnd();
            reader->Abort();
            collection.m_description = std::move(scratch.m_description);
            collection.m_time = scratch.m_time;
            collection.m_flags = scratch.m_flags;
            collection.m_modified = 0;
            // The collection is empty: taking the whole set over allocates nothing, so it cannot
            // fail half-way.
            collection.m_children.swap(scratch.m_children);
            for (CatalogNode* child : collection.m_children) child->m_parent = &collection;
        }
    } catch (const std::exception&) {
        // Damaged data, and memory running out while a file expands beyond what this process
        // can hold, end the same way: the file is refused and kept.
        result = DatabaseLoadResult::Refused;
    }
    if (result == DatabaseLoadResult::Refused) {
        collection.m_fileRefused = true;
        collection.m_modified = 0;
    }
    return result;
}

DatabaseSaveResult SaveDatabaseAs(CollectionNode& collection, const std::string& path)
{
    if (collection.m_fileRefused) return DatabaseSaveResult::Refused;
    WaitCursor wait;
    std::unique_ptr<DatabaseWriter> writer = CreateDatabaseWriter(path, collection.m_description,
                                                                  collection.m_flags);
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
    std::string path = ToAnsiString(collection.m_name.c_str()) +
                       LoadCatalogString(IdsDatabaseExtension);
    return SaveDatabaseAs(collection, path);
}
