// A small catalogue for the tests of the views' pure logic: a collection with a user folder and
// discs, one disc holding folders and files.
#pragma once
#include <windows.h>
#include <cstdint>
#include <vector>
#include "catalog/CollectionNode.h"
#include "catalog/DiscFolderNode.h"
#include "catalog/DiscNode.h"
#include "catalog/FileEntry.h"
#include "catalog/UserFolderNode.h"

template <class T>
T* AddNode(CatalogNode* parent, const wchar_t* name)
{
    T* node = new T;
    node->m_name = name;
    parent->AddChild(node);
    return node;
}

// A UTC time from its parts.
inline FILETIME UtcTime(WORD year, WORD month, WORD day, WORD hour, WORD minute)
{
    SYSTEMTIME st = {year, month, 0, day, hour, minute, 0, 0};
    FILETIME ft = {0, 0};
    SystemTimeToFileTime(&st, &ft);
    return ft;
}

inline FileEntry MakeEntry(const wchar_t* name, std::uint64_t size, FILETIME time,
                           const wchar_t* description = L"")
{
    FileEntry e;
    e.m_name = name;
    e.SetSize(size);
    e.m_time = time;
    e.m_description = description;
    return e;
}

// My collections
//   Игры (user folder)          Old (user folder inside Игры)
//   Disc (disc)                 Docs (folder) > Sub (folder); files setup.exe, readme.txt
struct CatalogTreeFixture
{
    CollectionNode root;
    UserFolderNode* games;
    UserFolderNode* old;
    DiscNode* disc;
    DiscFolderNode* docs;
    DiscFolderNode* sub;

    CatalogTreeFixture()
    {
        root.m_name = L"My collections";
        games = AddNode<UserFolderNode>(&root, L"Игры");
        old = AddNode<UserFolderNode>(games, L"Old");
        disc = AddNode<DiscNode>(&root, L"Disc");
        docs = AddNode<DiscFolderNode>(disc, L"Docs");
        sub = AddNode<DiscFolderNode>(docs, L"Sub");
        std::vector<FileEntry> files{
            MakeEntry(L"setup.exe", 2048, UtcTime(2004, 3, 5, 7, 8)),
            MakeEntry(L"readme.txt", 100, UtcTime(2003, 1, 2, 3, 4), L"Прочти")};
        disc->SetEntries(files);
    }
    FileEntry* Setup() const { return &disc->Entries()[0]; }
    FileEntry* Readme() const { return &disc->Entries()[1]; }
};
