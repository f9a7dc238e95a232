// Synthetic catalogues and directory trees with realistic names for the benchmark.
#include "SyntheticCatalog.h"
#include <windows.h>
#include <vector>
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/UserFolderNode.h"

namespace
{

std::uint32_t Next(std::uint32_t& s)
{
    s = s * 1664525u + 1013904223u;
    return s >> 8;
}

template <std::size_t N>
const wchar_t* Pick(const wchar_t* const (&list)[N], std::uint32_t& s)
{
    return list[Next(s) % N];
}

const wchar_t* const stems[] = {L"IMG_",    L"DSC",      L"Track ", L"setup",  L"readme",
                                L"install", L"data",     L"photo_", L"video",  L"Глава ",
                                L"song_",   L"Document", L"report", L"backup", L"Фото ",
                                L"level",   L"texture",  L"sound",  L"manual", L"index"};
const wchar_t* const words[] = {L"",    L"",        L" - Summer", L"_final",  L" (copy)",
                                L"_v2", L" Отпуск", L"_hires",    L" - Live", L"_old"};
const wchar_t* const extensions[] = {L".jpg", L".mp3", L".txt", L".exe", L".dll", L".avi", L".doc",
                                     L".pdf", L".cab", L".ini", L".htm", L".wav", L".bmp", L".zip"};
const wchar_t* const folderNames[] = {L"VIDEO_TS", L"Docs",   L"Music",   L"Photos",
                                      L"Setup",    L"Data",   L"Drivers", L"Мои документы",
                                      L"Games",    L"Backup", L"Images",  L"Sounds"};

FILETIME SomeTime(std::uint32_t& s)
{
    std::uint64_t t = 0x01C0000000000000ull + ((std::uint64_t)Next(s) << 20);
    return FILETIME{(DWORD)t, (DWORD)(t >> 32)};
}

}  // namespace

std::wstring SyntheticFileName(std::uint32_t& s)
{
    std::wstring name = Pick(stems, s);
    name += std::to_wstring(Next(s) % 10000);
    name += Pick(words, s);
    name += Pick(extensions, s);
    return name;
}

std::uint64_t MakeSyntheticCatalog(CollectionNode& collection, const SyntheticShape& shape,
                                   unsigned seed)
{
    std::uint32_t s = seed;
    std::uint64_t made = 0;
    std::vector<UserFolderNode*> shelves;
    for (int i = 0; i < 10; ++i) {
        auto shelf = new UserFolderNode;
        shelf->m_name = (L"Полка " + std::to_wstring(i + 1)).c_str();
        collection.AddChild(shelf);
        shelves.push_back(shelf);
    }
    for (int d = 0; d < shape.discs; ++d) {
        auto disc = new DiscNode;
        disc->m_name = (L"DISC_" + std::to_wstring(d + 1)).c_str();
        disc->m_addedTime = SomeTime(s);
        shelves[d % shelves.size()]->AddChild(disc);
        // The disc's entries go to its root and its folders in equal shares.
        const int holders = shape.foldersPerDisc + 1;
        for (int h = 0; h < holders; ++h) {
            EntryContainerNode* holder = disc;
            if (h > 0) {
                auto folder = new DiscFolderNode;
                folder->m_name = (std::wstring(Pick(folderNames, s)) + std::to_wstring(h)).c_str();
                folder->m_time = SomeTime(s);
                disc->AddChild(folder);
                holder = folder;
            }
            const int count = shape.entriesPerDisc / holders +
                              (h < shape.entriesPerDisc % holders ? 1 : 0);
            std::vector<FileEntry> files((std::size_t)count);
            for (FileEntry& e : files) {
                e.m_name = SyntheticFileName(s);
                e.m_time = SomeTime(s);
                e.SetSize(Next(s) % 4000000);
            }
            holder->SetEntries(files);
            made += (std::uint64_t)count;
        }
    }
    return made;
}

std::uint64_t MakeSyntheticTree(const std::wstring& root, int folders, int filesPerFolder,
                                unsigned seed)
{
    std::uint32_t s = seed;
    std::uint64_t made = 0;
    for (int f = 0; f < folders; ++f) {
        std::wstring parent = root + L"group" + std::to_wstring(f / 10) + L"\\";
        CreateDirectoryW(parent.c_str(), nullptr);
        std::wstring dir = parent + Pick(folderNames, s) + std::to_wstring(f) + L"\\";
        CreateDirectoryW(dir.c_str(), nullptr);
        for (int i = 0; i < filesPerFolder; ++i) {
            std::wstring file = dir + std::to_wstring(i) + L"_" + SyntheticFileName(s);
            HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                   FILE_ATTRIBUTE_NORMAL, nullptr);
            if (h == INVALID_HANDLE_VALUE) continue;
            CloseHandle(h);
            ++made;
        }
    }
    return made;
}
