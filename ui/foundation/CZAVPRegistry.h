// The UI library's only access to the registry: one short-lived object per state routine opens or
// creates one key and reads or writes its values. Objects and collections are stored as binary
// values holding an archive image. Every blob read back is untrusted: counts are bounded by the
// bytes present, and a value that does not read back whole leaves the caller's data as it was.
#pragma once

#include <windows.h>

#include "framework/CObject.h"
#include "framework/CString.h"
#include "ui/foundation/ZAVPRegistryPath.h"

class CObList;
class CStringArray;
class CStringList;
class CByteArray;
class CWordArray;
class CDWordArray;

class CZAVPRegistry : public CObject
{
    DECLARE_DYNCREATE(CZAVPRegistry)
public:
    // Rights of keys opened read-only and writable (KEY_QUERY_VALUE | KEY_ENUMERATE_SUB_KEYS |
    // KEY_NOTIFY, and KEY_ALL_ACCESS).
    static const REGSAM kReadRights = 0x19;
    static const REGSAM kWriteRights = 0xF003F;

    CZAVPRegistry();
    ~CZAVPRegistry() override;
    void Serialize(CArchive& ar) override;

    // Root key and mode; set by the holder right after construction.
    void SetMode(BOOL bAdmin, BOOL bReadOnly);

    virtual BOOL EnumValue(CStringArray& names);
    virtual BOOL Open(LPCSTR lpszPath);
    virtual BOOL QueryValue(LPCSTR lpszName);
    virtual BOOL CreateKey(LPCSTR lpszPath);
    virtual BOOL ReadKey(LPCSTR lpszPath);
    virtual BOOL Close();
    virtual BOOL DeleteValue(LPCSTR lpszName);
    virtual BOOL DeleteKey(LPCSTR lpszPath, BOOL bAdmin = FALSE);

    virtual BOOL Write(LPCSTR lpszName, CObject* pObject);
    virtual BOOL Write(LPCSTR lpszName, CObject& object);
    virtual BOOL Write(LPCSTR lpszName, CObList& list);
    virtual BOOL WriteBinary(LPCSTR lpszName, const BYTE* pData, UINT nBytes);
    virtual BOOL Write(LPCSTR lpszName, const POINT& point);
    virtual BOOL Write(LPCSTR lpszName, const RECT& rect);
    virtual BOOL Write(LPCSTR lpszName, CWordArray& words);
    virtual BOOL Write(LPCSTR lpszName, CByteArray& bytes);
    virtual BOOL Write(LPCSTR lpszName, CDWordArray& dwords);
    virtual BOOL Write(LPCSTR lpszName, CStringArray& strings);
    virtual BOOL Write(LPCSTR lpszName, CStringList& strings);
    virtual BOOL Write(LPCSTR lpszName, LPCSTR lpszText);
    virtual BOOL Write(LPCSTR lpszName, DWORD dwValue);
    virtual BOOL Write(LPCSTR lpszName, int nValue);

    // The caller owns the object created; it must be of the expected class (or derived from it).
    virtual BOOL Read(LPCSTR lpszName, CObject*& pObject,
                      const CRuntimeClass* pExpected = RUNTIME_CLASS(CObject));
    // A value that does not read back whole leaves the object as it was.
    virtual BOOL Read(LPCSTR lpszName, CObject& object);
    // The list is replaced only when every stored object reads back and is of the expected class.
    virtual BOOL Read(LPCSTR lpszName, CObList& list,
                      const CRuntimeClass* pExpected = RUNTIME_CLASS(CObject));
    // Allocated with new[]; the caller deletes it. Null and 0 on failure.
    virtual BOOL ReadBinary(LPCSTR lpszName, BYTE*& pData, UINT& nBytes);
    virtual BOOL Read(LPCSTR lpszName, RECT& rect);
    virtual BOOL Read(LPCSTR lpszName, POINT& point);
    virtual BOOL Read(LPCSTR lpszName, CByteArray& bytes);
    virtual BOOL Read(LPCSTR lpszName, CWordArray& words);
    virtual BOOL Read(LPCSTR lpszName, CDWordArray& dwords);
    virtual BOOL Read(LPCSTR lpszName, CStringArray& strings);
    virtual BOOL Read(LPCSTR lpszName, CStringList& strings);
    // A missing value or one of another type empties the text and returns FALSE.
    virtual BOOL Read(LPCSTR lpszName, CString& text);
    virtual BOOL Read(LPCSTR lpszName, DWORD& dwValue);
    virtual BOOL Read(LPCSTR lpszName, int& nValue);
    virtual BOOL EnumKey(CStringArray& names);

    LONG GetLastResult() const { return m_lastResult; }
    BOOL IsReadOnly() const { return m_bReadOnly; }
    BOOL IsAdmin() const { return m_bAdmin; }
    HKEY GetCurrentKey() const { return m_hKey; }

private:
    // The bytes of a value, with its result recorded; false when it cannot be read.
    bool QueryBytes(LPCSTR lpszName, BYTE*& pData, UINT& nBytes);
    HKEY Root() const { return m_bAdmin ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }
    void Record(LONG result, DWORD type, DWORD size);
    // Replaces the current key, closing the previous one unless it is the root.
    void SetCurrentKey(HKEY hKey);
    template <class Store>
    BOOL WriteArchive(LPCSTR lpszName, Store store);
    template <class Load>
    BOOL ReadArchive(LPCSTR lpszName, Load load);

    LONG m_lastResult;   // result of the last registry call (0 = success)
    DWORD m_lastType;    // value type of the last read or write (0 after an open)
    DWORD m_lastSize;    // value size of the last read or write
    HKEY m_hKey;         // the root, or the key opened by CreateKey or ReadKey
    BOOL m_bAdmin;       // root is HKEY_LOCAL_MACHINE
    CString m_lastPath;  // path given to the last ReadKey
    BOOL m_bReadOnly;    // refuses writes, CreateKey and DeleteKey; opens keys read-only
};
