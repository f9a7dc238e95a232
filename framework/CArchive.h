// A buffered binary archive over a CFile: little-endian values, CString in its length-prefixed
// form, counts, and objects with their class records, in the byte format the program's stored
// images (registry values, temporary files, clipboard data) are made of.
//
// Object records: 0x0000 null; 0xFFFF new class (WORD schema, WORD name length, ANSI name) then
// the object's data; 0x8000|index a class seen before; index an object seen before. Classes and
// objects share one index sequence starting at 1; indexes from 0x7FFF up are written as the
// WORD 0x7FFF and a DWORD (the class bit being 0x80000000 there).
//
// Every fault in an image being read raises CArchiveException with its cause. Counts and lengths
// read from an image are never trusted for an allocation: data is taken in bounded pieces, so a
// forged count costs at most one piece beyond the bytes really present.
//
// Values are written at their own size: UINT_PTR and the like are 8 bytes in the 64-bit build,
// so stored formats use the fixed-width types.
#pragma once

#include <unordered_map>
#include <vector>

#include "framework/CObject.h"
#include "framework/CString.h"

class CFile;

class CArchive
{
public:
    enum Mode
    {
        store = 0,
        load = 1,
        bNoFlushOnDelete = 2
    };

    CArchive(CFile* pFile, UINT nMode, int nBufSize = 4096);
    // Closes the archive when that was not done (storing: the buffer goes to the file), unless
    // bNoFlushOnDelete was given.
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    BOOL IsLoading() const { return (m_nMode & load) != 0; }
    BOOL IsStoring() const { return (m_nMode & load) == 0; }
    CFile* GetFile() const { return m_pFile; }

    // The schema stored with the object being loaded (for versionable classes); answers it once,
    // then (UINT)-1.
    UINT GetObjectSchema();
    void SetObjectSchema(UINT nSchema) { m_nObjectSchema = nSchema; }

    // Answers how many bytes were read: fewer than asked only at the end of the data.
    UINT Read(void* lpBuf, UINT nMax);
    // Reads exactly nCount bytes or raises CArchiveException(endOfFile).
    void EnsureRead(void* lpBuf, UINT nCount);
    void Write(const void* lpBuf, UINT nCount);

    // Storing: writes the buffer to the file. Loading: gives back the bytes read ahead, so the
    // file stands right after what was consumed.
    void Flush();
    void Close();
    // Detaches from the file without writing anything more.
    void Abort();

    // A count: a WORD below 0xFFFF, else 0xFFFF and a DWORD.
    void WriteCount(DWORD_PTR dwCount);
    DWORD_PTR ReadCount();

    void WriteObject(const CObject* pOb);
    // The next object record: a new object of the stored class (created by name and read with
    // its Serialize), one read earlier, or null. With pClassRefRequested the object must be of
    // that class or derived from it.
    CObject* ReadObject(const CRuntimeClass* pClassRefRequested);
    // Gives an object the next index of the image, as WriteObject and ReadObject do for the
    // objects they handle, for a caller that writes or creates an object itself. Loading, a null
    // object takes the index with nothing behind it: a later reference to it is a fault.
    void MapObject(const CObject* pOb);

    void WriteClass(const CRuntimeClass* pClassRef);
    // Reads a class record. When it is an object record instead, the tag goes to *pObTag and the
    // answer is null (without pObTag that is a fault). *pSchema receives the stored schema.
    CRuntimeClass* ReadClass(const CRuntimeClass* pClassRefRequested = nullptr,
                             UINT* pSchema = nullptr, DWORD* pObTag = nullptr);

    CArchive& operator<<(BYTE b) { return WriteValue(b); }
    CArchive& operator<<(char ch) { return WriteValue(ch); }
    CArchive& operator<<(short w) { return WriteValue(w); }
    CArchive& operator<<(WORD w) { return WriteValue(w); }
    CArchive& operator<<(int i) { return WriteValue(i); }
    CArchive& operator<<(UINT u) { return WriteValue(u); }
    CArchive& operator<<(LONG l) { return WriteValue(l); }
    CArchive& operator<<(DWORD dw) { return WriteValue(dw); }
    CArchive& operator<<(LONGLONG ll) { return WriteValue(ll); }
    CArchive& operator<<(ULONGLONG ull) { return WriteValue(ull); }
    CArchive& operator<<(float f) { return WriteValue(f); }
    CArchive& operator<<(double d) { return WriteValue(d); }
    CArchive& operator<<(const CString& s);
    CArchive& operator<<(const CObject* pOb);

    CArchive& operator>>(BYTE& b) { return ReadValue(b); }
    CArchive& operator>>(char& ch) { return ReadValue(ch); }
    CArchive& operator>>(short& w) { return ReadValue(w); }
    CArchive& operator>>(WORD& w) { return ReadValue(w); }
    CArchive& operator>>(int& i) { return ReadValue(i); }
    CArchive& operator>>(UINT& u) { return ReadValue(u); }
    CArchive& operator>>(LONG& l) { return ReadValue(l); }
    CArchive& operator>>(DWORD& dw) { return ReadValue(dw); }
    CArchive& operator>>(LONGLONG& ll) { return ReadValue(ll); }
    CArchive& operator>>(ULONGLONG& ull) { return ReadValue(ull); }
    CArchive& operator>>(float& f) { return ReadValue(f); }
    CArchive& operator>>(double& d) { return ReadValue(d); }
    CArchive& operator>>(CString& s);
    CArchive& operator>>(CObject*& pOb);
    CArchive& operator>>(const CObject*& pOb);

private:
    template <class T>
    CArchive& WriteValue(const T& value)
    {
        Write(&value, sizeof value);
        return *this;
    }
    template <class T>
    CArchive& ReadValue(T& value)
    {
        EnsureRead(&value, sizeof value);
        return *this;
    }

    [[noreturn]] void Fail(int cause) const;
    void CheckLoading() const;
    void CheckStoring() const;
    void FillBuffer();
    DWORD NextMapIndex();
    // A class or object written before, by its index.
    void WriteReference(DWORD index, bool isClass);

    // One class or object defined by the image, at its index.
    struct LoadedItem
    {
        void* p;
        bool isClass;
        UINT schema;  // the stored schema, for classes
    };

    CFile* m_pFile;  // null once closed
    UINT m_nMode;
    CString m_strFileName;  // for the exceptions
    std::vector<BYTE> m_buffer;
    size_t m_nBufCur;  // next byte to read or free position to write
    size_t m_nBufMax;  // loading: end of the bytes read ahead
    UINT m_nObjectSchema;
    DWORD m_nMapCount;                                  // next index to give out
    std::unordered_map<const void*, DWORD> m_storeMap;  // storing: class or object -> index
    std::vector<LoadedItem> m_loadArray;                // loading: index -> class or object
};

// Rectangles, points and sizes travel as their LONG fields in order.
CArchive& operator<<(CArchive& ar, const RECT& rect);
CArchive& operator>>(CArchive& ar, RECT& rect);
CArchive& operator<<(CArchive& ar, const POINT& point);
CArchive& operator>>(CArchive& ar, POINT& point);
CArchive& operator<<(CArchive& ar, const SIZE& size);
CArchive& operator>>(CArchive& ar, SIZE& size);
