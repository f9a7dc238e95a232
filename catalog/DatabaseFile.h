// Loading a collection from its database file and saving it back: the factories of the two
// streams and the whole-file operations built on them.
#pragma once
#include <memory>
#include <string>
#include "catalog/DatabaseReader.h"
#include "catalog/DatabaseWriter.h"

class CollectionNode;

enum class DatabaseLoadResult
{
    Loaded,   // the file was read
    Missing,  // no such file: the collection is new
    Refused,  // the file exists but is damaged, unreadable or of a newer format
};

enum class DatabaseSaveResult
{
    Saved,
    Failed,   // nothing was replaced: the old file is as it was and the temporary file is gone
    Refused,  // the collection's file could not be read when loading, so it is not overwritten
};

// The writer or reader, or null when it cannot be opened; `why` (may be null) tells a missing
// file from a refused one.
std::unique_ptr<DatabaseWriter> CreateDatabaseWriter(const std::string& targetPath,
                                                     const CatalogText& description,
                                                     std::uint8_t flags);
std::unique_ptr<DatabaseReader> CreateDatabaseReader(const std::string& path,
                                                     DatabaseLoadResult* why = nullptr);

// Fills an empty collection from the file at `path` and names it after the file's base name.
// Nothing is put into the collection unless the whole file was read; a refused file marks the
// collection so that it is never saved over that file. A path without '.' raises a _com_error
// (E_UNEXPECTED).
DatabaseLoadResult OpenDatabase(CollectionNode& collection, const std::string& path);

// Writes the collection to its file: its name + ".dat" in the current directory.
DatabaseSaveResult SaveDatabase(CollectionNode& collection);
// The same to an explicit path.
DatabaseSaveResult SaveDatabaseAs(CollectionNode& collection, const std::string& path);

// The base name a database path gives its collection: cut before the last '.', then after the
// last '\', '/' and ':'.
std::string CollectionNameFromPath(const std::string& path);
