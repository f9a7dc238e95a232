// The UI library's registry accessor (see CZAVPRegistry.h).
#include "ui/foundation/CZAVPRegistry.h"

#include <cstdlib>
#include <vector>

#include "framework/CArchive.h"
#include "framework/CException.h"
#include "framework/CMemFile.h"
#include "framework/CArchiveException.h"
#include "framework/CByteArray.h"
#include "framework/CDWordArray.h"
#include "framework/CObList.h"
#include "framework/CStringArray.h"
#include "framework/CStringList.h"
#include "framework/CWordArray.h"
#include "ui/foundation/ZAVPRegistryBytes.h"

IMPLEMENT_DYNCREATE(CZAVPRegistry, CObject)

namespace
{
const UINT kGrowBytes = 1024;             // grow step of the memory file of a stored object
const int kRegistryArchiveBuffer = 4096;  // buffer of the archives over stored objects
const DWORD kNameBuffer = 1024;           // characters of a value or sub-key name when enumerating
const DWORD kPointElements = 5;  // a point is stored as a DWORD array of five, x and y first

// Paths are used without a trailing backslash.
CString TrimPath(LPCSTR lpszPath)
{
    CString path(lpszPath ? lpszPath : "");
    if (path.GetLength() > 0 && path[path.GetLength() - 1] == '\\')
        path = path.Left(path.GetLength() - 1);
    return path;
}

bool IsRootKey(HKEY hKey)
{
    return hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE || hKey == nullptr;
}
}  // namespace

CZAVPRegistry::CZAVPRegistry()
    : m_lastResult(0), m_lastType(0), m_lastSize(0), m_hKey(HKEY_CURRENT_USER), m_bAdmin(FALSE),
      m_bReadOnly(FALSE)
{
}

CZAVPRegistry::~CZAVPRegistry() { Close(); }

void CZAVPRegistry::Serialize(CArchive&) {}

void CZAVPRegistry::SetMode(BOOL bAdmin, BOOL bReadOnly)
{
    SetCurrentKey(bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
    m_bAdmin = bAdmin;
    m_bReadOnly = bReadOnly;
}

void CZAVPRegistry::Record(LONG result, DWORD type, DWORD size)
{
    m_lastResult = result;
    m_lastType = type;
    m_lastSize = size;
}

void CZAVPRegistry::SetCurrentKey(HKEY hKey)
{
    if (!IsRootKey(m_hKey) && m_hKey != hKey) RegCloseKey(m_hKey);
    m_hKey = hKey;
}

BOOL CZAVPRegistry::EnumValue(CStringArray& names)
{
    for (DWORD index = 0;; ++index) {
        char name[kNameBuffer];
        DWORD length = kNameBuffer;
        const LONG result = RegEnumValueA(m_hKey, index, name, &length, nullptr, nullptr, nullptr,
                                          nullptr);
        if (result != ERROR_SUCCESS) return index > 0;
        names.Add(CString(name));
    }
}

BOOL CZAVPRegistry::Open(LPCSTR lpszPath)
{
    HKEY hKey = nullptr;
    m_lastResult = RegOpenKeyExA(m_hKey, TrimPath(lpszPath), 0,
                                 m_bReadOnly ? kReadRights : kWriteRights, &hKey);
    if (m_lastResult != ERROR_SUCCESS) return FALSE;
    RegCloseKey(hKey);
    return TRUE;
}

BOOL CZAVPRegistry::QueryValue(LPCSTR lpszName)
{
    DWORD type = 0, size = 0;
    Record(RegQueryValueExA(m_hKey, lpszName, nullptr, &type, nullptr, &size), type, size);
    return m_lastResult == ERROR_SUCCESS;
}

BOOL CZAVPRegistry::CreateKey(LPCSTR lpszPath)
{
    if (m_bReadOnly) return FALSE;
    HKEY hKey = nullptr;
    DWORD disposition = 0;
    m_lastResult = RegCreateKeyExA(m_hKey, TrimPath(lpszPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                   kWriteRights, nullptr, &hKey, &disposition);
    m_lastType = m_lastSize = 0;
    if (m_lastResult != ERROR_SUCCESS) return FALSE;
    SetCurrentKey(hKey);
    return TRUE;
}

BOOL CZAVPRegistry::ReadKey(LPCSTR lpszPath)
{
    m_lastPath = lpszPath ? lpszPath : "";
    HKEY hKey = nullptr;
    m_lastResult = RegOpenKeyExA(m_hKey, TrimPath(lpszPath), 0,
                                 m_bReadOnly ? kReadRights : kWriteRights, &hKey);
    m_lastType = m_lastSize = 0;
    if (m_lastResult != ERROR_SUCCESS) return FALSE;
    SetCurrentKey(hKey);
    return TRUE;
}

BOOL CZAVPRegistry::Close()
{
    LONG result = ERROR_SUCCESS;
    if (!IsRootKey(m_hKey)) result = RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return result == ERROR_SUCCESS;
}

BOOL CZAVPRegistry::DeleteValue(LPCSTR lpszName)
{
    if (m_bReadOnly) return FALSE;
    Record(RegDeleteValueA(m_hKey, lpszName), 0, 0);
    return m_lastResult == ERROR_SUCCESS;
}

BOOL CZAVPRegistry::DeleteKey(LPCSTR lpszPath, BOOL bAdmin)
{
    if (m_bReadOnly) return FALSE;
    const CString path = TrimPath(lpszPath);
    const HKEY root = bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(root, path, 0, kWriteRights, &hKey) != ERROR_SUCCESS) return FALSE;
    // Deleting sub-key 0 each pass removes it, so the next pass finds the following one there.
    for (;;) {
        DWORD subKeys = 0, longest = 0;
        if (RegQueryInfoKeyA(hKey, nullptr, nullptr, nullptr, &subKeys, &longest, nullptr, nullptr,
                             nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
            subKeys == 0)
            break;
        std::vector<char> name(longest + 1);
        if (RegEnumKeyA(hKey, 0, name.data(), longest + 1) != ERROR_SUCCESS) break;
        if (!DeleteKey(path + "\\" + name.data(), bAdmin))
            break;  // a sub-key that cannot go would be found again forever
    }
    RegCloseKey(hKey);
    m_lastResult = RegDeleteKeyA(root, path);
    return m_lastResult == ERROR_SUCCESS;
}

template <class Store>
BOOL CZAVPRegistry::WriteArchive(LPCSTR lpszName, Store store)
{
    if (m_bReadOnly) return FALSE;
    ZAVPRegistryBytes bytes;
    try {
        CMemFile file(kGrowBytes);
        {
            CArchive ar(&file, CArchive::store, kRegistryArchiveBuffer);
            store(ar);
            ar.Close();
        }
        bytes.TakeFrom(file);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return WriteBinary(lpszName, bytes.Data(), bytes.Size());
}

bool CZAVPRegistry::QueryBytes(LPCSTR lpszName, BYTE*& pData, UINT& nBytes)
{
    pData = nullptr;
    nBytes = 0;
    DWORD type = 0, size = 0;
    Record(RegQueryValueExA(m_hKey, lpszName, nullptr, &type, nullptr, &size), type, size);
    if (m_lastResult != ERROR_SUCCESS) return false;
    pData = new BYTE[size ? size : 1];
    DWORD read = size;
    Record(RegQueryValueExA(m_hKey, lpszName, nullptr, &type, pData, &read), type, read);
    if (m_lastResult != ERROR_SUCCESS || read > size) {
        delete[] pData;
        pData = nullptr;
        return false;
    }
    nBytes = read;
    return true;
}

template <class Load>
BOOL CZAVPRegistry::ReadArchive(LPCSTR lpszName, Load load)
{
    BYTE* pData = nullptr;
    UINT nBytes = 0;
    if (!QueryBytes(lpszName, pData, nBytes)) return FALSE;
    ZAVPRegistryBytes bytes;
    bytes.TakeRead(pData, nBytes);
    BOOL bResult = FALSE;
    try {
        CMemFile file(bytes.Data(), bytes.Size());
        CArchive ar(&file, CArchive::load, kRegistryArchiveBuffer);
        load(ar, nBytes);
        ar.Close();
        bResult = TRUE;
    } catch (CException* e) {
        e->Delete();
    } catch (const std::bad_alloc&) {
    }
    return bResult;
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CObject* pObject)
{
    return WriteArchive(lpszName, [&](CArchive& ar) { ar.WriteObject(pObject); });
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CObject& object)
{
    return WriteArchive(lpszName, [&](CArchive& ar) { object.Serialize(ar); });
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CObList& list)
{
    return Write(lpszName, static_cast<CObject&>(list));
}

BOOL CZAVPRegistry::WriteBinary(LPCSTR lpszName, const BYTE* pData, UINT nBytes)
{
    if (m_bReadOnly) return FALSE;
    Record(RegSetValueExA(m_hKey, lpszName, 0, REG_BINARY, pData, nBytes), REG_BINARY, nBytes);
    return m_lastResult == ERROR_SUCCESS;
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, const POINT& point)
{
    return WriteArchive(lpszName, [&](CArchive& ar) {
        ar.WriteCount(kPointElements);
        const DWORD elements[kPointElements] = {(DWORD)point.x, (DWORD)point.y, 0, 0, 0};
        for (DWORD e : elements) ar << e;
    });
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, const RECT& rect)
{
    return WriteArchive(
        lpszName, [&](CArchive& ar) { ar << rect.left << rect.top << rect.right << rect.bottom; });
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CWordArray& words)
{
    return WriteArchive(lpszName, [&](CArchive& ar) {
        ar << (DWORD)words.GetSize();
        for (INT_PTR i = 0; i < words.GetSize(); ++i) ar << words[i];
    });
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CByteArray& bytes)
{
    return Write(lpszName, static_cast<CObject&>(bytes));
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CDWordArray& dwords)
{
    return Write(lpszName, static_cast<CObject&>(dwords));
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CStringArray& strings)
{
    return Write(lpszName, static_cast<CObject&>(strings));
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, CStringList& strings)
{
    return Write(lpszName, static_cast<CObject&>(strings));
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, LPCSTR lpszText)
{
    if (m_bReadOnly) return FALSE;
    const char* text = lpszText ? lpszText : "";
    const DWORD size = (DWORD)strlen(text) + 1;
    Record(RegSetValueExA(m_hKey, lpszName, 0, REG_SZ, (const BYTE*)text, size), REG_SZ, size);
    return m_lastResult == ERROR_SUCCESS;
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, DWORD dwValue)
{
    if (m_bReadOnly) return FALSE;
    Record(RegSetValueExA(m_hKey, lpszName, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof dwValue),
           REG_DWORD, sizeof dwValue);
    return m_lastResult == ERROR_SUCCESS;
}

BOOL CZAVPRegistry::Write(LPCSTR lpszName, int nValue) { return Write(lpszName, (DWORD)nValue); }

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CObject*& pObject, const CRuntimeClass* pExpected)
{
    CObject* pRead = nullptr;
    const BOOL bResult = ReadArchive(lpszName,
                                     [&](CArchive& ar, UINT) { pRead = ar.ReadObject(pExpected); });
    if (!bResult || !pRead || !pRead->IsKindOf(pExpected)) {
        delete pRead;
        return FALSE;
    }
    pObject = pRead;
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CObject& object)
{
    // The object's state before the read is kept as its own archive image, so that a value that
    // does not read back whole leaves the object as it was instead of half overwritten.
    ZAVPRegistryBytes saved;
    try {
        CMemFile file(kGrowBytes);
        {
            CArchive ar(&file, CArchive::store, kRegistryArchiveBuffer);
            object.Serialize(ar);
            ar.Close();
        }
        saved.TakeFrom(file);
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    const BOOL bResult = ReadArchive(lpszName, [&](CArchive& ar, UINT) { object.Serialize(ar); });
    if (!bResult && !saved.IsEmpty()) {
        try {
            CMemFile file(saved.Data(), saved.Size());
            CArchive ar(&file, CArchive::load, kRegistryArchiveBuffer);
            object.Serialize(ar);
            ar.Close();
        } catch (CException* e) {
            e->Delete();
        }
    }
    return bResult;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CObList& list, const CRuntimeClass* pExpected)
{
    CObList read;
    BOOL bResult = ReadArchive(lpszName, [&](CArchive& ar, UINT) { read.Serialize(ar); });
    // Only objects of the expected class are taken from a stored list.
    for (POSITION pos = read.GetHeadPosition(); bResult && pos != nullptr;) {
        CObject* pObject = read.GetNext(pos);
        if (!pObject || !pObject->IsKindOf(pExpected)) bResult = FALSE;
    }
    CObList& doomed = bResult ? list : read;  // a list that did not read back whole is dropped
    while (!doomed.IsEmpty()) delete doomed.RemoveHead();
    if (bResult) list.AddTail(&read);
    return bResult;
}

BOOL CZAVPRegistry::ReadBinary(LPCSTR lpszName, BYTE*& pData, UINT& nBytes)
{
    return QueryBytes(lpszName, pData, nBytes);
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, RECT& rect)
{
    RECT read = {};
    if (!ReadArchive(lpszName, [&](CArchive& ar, UINT) {
            ar >> read.left >> read.top >> read.right >> read.bottom;
        }))
        return FALSE;
    rect = read;
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, POINT& point)
{
    // The whole stored array is read (a count and five elements, 22 bytes), not a fixed prefix.
    POINT read = {};
    bool enough = false;
    if (!ReadArchive(lpszName,
                     [&](CArchive& ar, UINT) {
                         const DWORD_PTR count = ar.ReadCount();
                         if (count < 2) return;
                         DWORD x = 0, y = 0;
                         ar >> x >> y;
                         read.x = (LONG)x;
                         read.y = (LONG)y;
                         enough = true;
                     }) ||
        !enough)
        return FALSE;
    point = read;
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CByteArray& bytes)
{
    CByteArray read;
    if (!ReadArchive(lpszName, [&](CArchive& ar, UINT) { read.Serialize(ar); })) return FALSE;
    bytes.Copy(read);
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CWordArray& words)
{
    std::vector<WORD> read;
    if (!ReadArchive(lpszName, [&](CArchive& ar, UINT nBytes) {
            DWORD count = 0;
            ar >> count;
            // The count is untrusted: it cannot promise more elements than the bytes hold.
            if (count > (nBytes - sizeof(DWORD)) / sizeof(WORD))
                AfxThrowArchiveException(CArchiveException::badIndex);
            read.resize(count);
            for (WORD& w : read) ar >> w;
        }))
        return FALSE;
    words.SetSize((INT_PTR)read.size());
    for (size_t i = 0; i < read.size(); ++i) words[(INT_PTR)i] = read[i];
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CDWordArray& dwords)
{
    CDWordArray read;
    if (!ReadArchive(lpszName, [&](CArchive& ar, UINT) { read.Serialize(ar); })) return FALSE;
    dwords.Copy(read);
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CStringArray& strings)
{
    CStringArray read;
    if (!ReadArchive(lpszName, [&](CArchive& ar, UINT) { read.Serialize(ar); })) return FALSE;
    strings.Copy(read);
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CStringList& strings)
{
    CStringList read;
    if (!ReadArchive(lpszName, [&](CArchive& ar, UINT) { read.Serialize(ar); })) return FALSE;
    strings.RemoveAll();
    strings.AddTail(&read);
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, CString& text)
{
    DWORD type = 0, size = 0;
    Record(RegQueryValueExA(m_hKey, lpszName, nullptr, &type, nullptr, &size), type, size);
    // A missing value, or one that is no string, reads as an empty string and a failure; a
    // caller that wants to keep a default keeps its own copy.
    if (m_lastResult != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) {
        text.Empty();
        return FALSE;
    }
    if (size == 0) {
        text.Empty();
        return TRUE;
    }
    std::vector<char> buffer(size + 1, '\0');
    DWORD read = size;
    Record(RegQueryValueExA(m_hKey, lpszName, nullptr, &type, (BYTE*)buffer.data(), &read), type,
           read);
    if (m_lastResult != ERROR_SUCCESS) {
        text.Empty();
        return FALSE;
    }
    buffer[std::min<DWORD>(read, size)] = '\0';
    text = buffer.data();
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, DWORD& dwValue)
{
    DWORD value = 0, type = 0, size = sizeof value;
    Record(RegQueryValueExA(m_hKey, lpszName, nullptr, &type, (BYTE*)&value, &size), type, size);
    if (m_lastResult != ERROR_SUCCESS || size != sizeof value) return FALSE;
    dwValue = value;
    return TRUE;
}

BOOL CZAVPRegistry::Read(LPCSTR lpszName, int& nValue)
{
    DWORD value = 0;
    if (!Read(lpszName, value)) return FALSE;
    nValue = (int)value;
    return TRUE;
}

BOOL CZAVPRegistry::EnumKey(CStringArray& names)
{
    for (DWORD index = 0;; ++index) {
        char name[kNameBuffer];
        DWORD length = kNameBuffer;
        const LONG result = RegEnumKeyExA(m_hKey, index, name, &length, nullptr, nullptr, nullptr,
                                          nullptr);
        if (result == ERROR_NO_MORE_ITEMS) return index > 0;
        if (result != ERROR_SUCCESS)
            return FALSE;  // a failed enumeration is not reported as success
        names.Add(CString(name));
    }
}
