// File type descriptions from the registry, cached per upper-cased extension.
#include "app/FileTypeNames.h"
#include <windows.h>
#include <mbstring.h>
#include <cstring>
#include <vector>
#include "catalog/TextConversion.h"

namespace
{

// The longest value RegQueryValueA may hand back here, in characters.
const LONG ClassesValueChars = 32767;

bool QueryClassesRoot(const std::string& key, std::string& value)
{
    std::vector<char> buffer(ClassesValueChars + 1, '\0');
    LONG size = ClassesValueChars;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), buffer.data(), &size) != ERROR_SUCCESS)
        return false;
    buffer[ClassesValueChars] = '\0';
    value = buffer.data();
    return true;
}

}  // namespace

FileTypeNames::FileTypeNames() : FileTypeNames(QueryClassesRoot) {}

FileTypeNames::FileTypeNames(ClassesLookup lookup)
    : m_lookup(std::move(lookup)), m_noExtension(ToAnsiString(L"Файл"))
{
}

std::string FileTypeNames::KeyOf(const char* fileName)
{
    if (!fileName) return std::string();
    const unsigned char* dot = _mbsrchr(reinterpret_cast<const unsigned char*>(fileName), '.');
    if (!dot) return std::string();
    std::vector<unsigned char> key(dot, dot + std::strlen(reinterpret_cast<const char*>(dot)) + 1);
    _mbsupr(key.data());
    return std::string(reinterpret_cast<const char*>(key.data()));
}

const std::string& FileTypeNames::Get(const char* fileName)
{
    const std::string key = KeyOf(fileName);
    if (key.empty()) return m_noExtension;
    auto found = m_cache.find(key);
    if (found != m_cache.end()) return found->second;

    std::string className, description;
    if (m_lookup && m_lookup(key, className) && !className.empty() &&
        m_lookup(className, description) && !description.empty())
        return m_cache.emplace(key, description).first->second;
    return m_cache.emplace(key, m_noExtension + " " + key).first->second;
}

FileTypeNames& FileTypeNames::Shared()
{
    static FileTypeNames shared;
    return shared;
}
