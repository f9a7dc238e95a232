// The texts of the item list's cells (ANSI), one per column, for each kind of row: a user folder
// or disc among a collection's children, and a disc folder or file inside a disc.
#pragma once
#include <string>
#include <vector>

class CatalogNode;
class DiscFolderNode;
class FileEntry;
class FileTypeNames;
class LocalTimeText;

// "Имя", "Дата создания", "Описание", "На руках у ...": a user folder has only a name and a
// description; a disc also its adding time and who it is lent to.
std::vector<std::string> NodeRowTexts(const CatalogNode* node);
std::vector<std::string> NodeRowTexts(const CatalogNode* node, const LocalTimeText& times);
// "Имя", "Размер", "Тип", "Дата изменения", "Описание" of a disc folder: "Папка" as its type.
std::vector<std::string> DiscFolderRowTexts(const DiscFolderNode* folder);
std::vector<std::string> DiscFolderRowTexts(const DiscFolderNode* folder,
                                            const LocalTimeText& times);
// The same columns of a file: its size in kilobytes and the type the system gives its extension.
std::vector<std::string> FileRowTexts(const FileEntry& entry, FileTypeNames& types);
// The same with the file's name already in ANSI and its type looked up, as a fill that looks a
// type up once per extension has them.
std::vector<std::string> FileRowTexts(const FileEntry& entry, std::string ansiName,
                                      const std::string& type, const LocalTimeText& times);
