// The type column of the file list: a file's type as the system describes it ("Текстовый
// документ"), looked up once per extension through HKEY_CLASSES_ROOT and kept for the process.
#pragma once
#include <functional>
#include <map>
#include <string>

class FileTypeNames
{
public:
    // Answers the unnamed value of a key under HKEY_CLASSES_ROOT; false when there is none.
    using ClassesLookup = std::function<bool(const std::string& key, std::string& value)>;

    FileTypeNames();  // looks up the real HKEY_CLASSES_ROOT
    explicit FileTypeNames(ClassesLookup lookup);

    // The description for a file name (ANSI): "Файл" without an extension; otherwise the
    // description registered for the extension's class, else "Файл " and the key (".EXT").
    const std::string& Get(const char* fileName);

    // The cache key of a name: from the last '.' on, upper-cased; empty without a '.'.
    static std::string KeyOf(const char* fileName);
    std::size_t CachedCount() const { return m_cache.size(); }

    // The process's one table, as the file list uses it.
    static FileTypeNames& Shared();

private:
    ClassesLookup m_lookup;
    std::map<std::string, std::string> m_cache;
    std::string m_noExtension;
};
