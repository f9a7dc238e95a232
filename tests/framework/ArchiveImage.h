// Builds archive images in memory and reads them back, for the archive and collection tests.
#pragma once

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CMemFile.h"

typedef std::vector<BYTE> Bytes;

inline Bytes StoreImage(const std::function<void(CArchive&)>& write)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        write(ar);
        ar.Close();
    }
    const size_t size = (size_t)file.GetLength();
    BYTE* data = file.Detach();
    Bytes bytes(data, data + size);
    std::free(data);
    return bytes;
}

inline void LoadImage(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
    CArchive ar(&file, CArchive::load);
    read(ar);
}

// Bytes written as text: "FF FF 01 00" and, in quotes, ANSI characters: "08 00 'TestItem'".
inline Bytes Hex(const std::string& text)
{
    Bytes bytes;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ') {
            ++i;
        } else if (text[i] == '\'') {
            const size_t end = text.find('\'', i + 1);
            bytes.insert(bytes.end(), text.begin() + i + 1, text.begin() + end);
            i = end + 1;
        } else {
            bytes.push_back((BYTE)std::stoul(text.substr(i, 2), nullptr, 16));
            i += 2;
        }
    }
    return bytes;
}

// The cause of the CArchiveException an action raises; -1 when it raises none.
int ArchiveFailure(const std::function<void()>& action);

inline int LoadFailure(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    return ArchiveFailure([&] { LoadImage(bytes, read); });
}
