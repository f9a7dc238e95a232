// Helpers of the toolbar tests (see ToolbarTestSupport.h).
#include "ToolbarTestSupport.h"

#include <cstdlib>

#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CMemFile.h"

const char kTestRoot[] = "Software\\LornivalTests\\Toolbars";

Bytes StoreBytes(const std::function<void(CArchive&)>& write)
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

bool LoadBytes(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    try {
        CMemFile file(const_cast<BYTE*>(bytes.data()), (UINT)bytes.size());
        CArchive ar(&file, CArchive::load);
        read(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return false;
    }
    return true;
}

Bytes Hex(const std::string& text)
{
    Bytes bytes;
    for (size_t i = 0; i < text.size();) {
        if (text[i] == ' ')
            ++i;
        else if (text[i] == '\'') {
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

Bytes Dword(DWORD dw)
{
    return Bytes{(BYTE)dw, (BYTE)(dw >> 8), (BYTE)(dw >> 16), (BYTE)(dw >> 24)};
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Text(const CString& text)
{
    const char* p = text;
    return Bytes(p, p + text.GetLength());
}

std::string TestProfile(const char* lpszSub) { return std::string(kTestRoot) + "\\" + lpszSub; }

Bytes ReadRegistryValue(const std::string& key, const char* value)
{
    DWORD size = 0;
    if (SHGetValueA(HKEY_CURRENT_USER, key.c_str(), value, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return {};
    Bytes bytes(size);
    SHGetValueA(HKEY_CURRENT_USER, key.c_str(), value, nullptr, bytes.data(), &size);
    return bytes;
}

void WriteRegistryValue(const std::string& key, const char* value, const Bytes& bytes)
{
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), value, REG_BINARY, bytes.data(),
                (DWORD)bytes.size());
}

void WriteRegistryDword(const std::string& key, const char* value, DWORD dw)
{
    SHSetValueA(HKEY_CURRENT_USER, key.c_str(), value, REG_DWORD, &dw, sizeof dw);
}

void DeleteTestRoot() { SHDeleteKeyA(HKEY_CURRENT_USER, kTestRoot); }
