// CArchive: the buffer, values, strings, counts and the class/object records.
#include "framework/CArchive.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "framework/CArchiveException.h"
#include "framework/CFile.h"

namespace
{

// Record tags of the object format (the values are the format's).
const WORD kNullTag = 0x0000;
const WORD kNewClassTag = 0xFFFF;
const WORD kClassTag = 0x8000;
const WORD kBigObjectTag = 0x7FFF;
const DWORD kBigClassTag = 0x80000000;
const DWORD kMaxMapCount = 0x3FFFFFFE;

// String length prefixes.
const BYTE kByteLengthEscape = 0xFF;
const WORD kWordLengthEscape = 0xFFFF;
const WORD kWideStringMarker = 0xFFFE;  // a UTF-16 string follows; this program never writes one

// Long strings are read in pieces so that a forged length costs no more memory than the bytes
// that are really there.
const UINT kStringChunk = 0x10000;

}  // namespace

CArchive::CArchive(CFile* pFile, UINT nMode, int nBufSize)
    : m_pFile(pFile), m_nMode(nMode), m_strFileName(pFile->GetFilePath()),
      m_buffer((size_t)std::max(nBufSize, 128)), m_nBufCur(0), m_nBufMax(0),
      m_nObjectSchema((UINT)-1), m_nMapCount(1)
{
    if (IsLoading()) m_loadArray.push_back(LoadedItem{nullptr, false, 0});  // index 0: null
}

CArchive::~CArchive()
{
    if (m_pFile == nullptr) return;
    if (m_nMode & bNoFlushOnDelete) {
        Abort();
        return;
    }
    try {
        Close();
    } catch (CException* e) {
        e->Delete();
        Abort();
    }
}

void CArchive::Fail(int cause) const { AfxThrowArchiveException(cause, m_strFileName); }

void CArchive::CheckLoading() const
{
    if (m_pFile == nullptr) Fail(CArchiveException::genericException);
    if (!IsLoading()) Fail(CArchiveException::writeOnly);
}

void CArchive::CheckStoring() const
{
    if (m_pFile == nullptr) Fail(CArchiveException::genericException);
    if (!IsStoring()) Fail(CArchiveException::readOnly);
}

UINT CArchive::GetObjectSchema()
{
    const UINT nSchema = m_nObjectSchema;
    m_nObjectSchema = (UINT)-1;
    return nSchema;
}

void CArchive::FillBuffer()
{
    m_nBufCur = 0;
    m_nBufMax = m_pFile->Read(m_buffer.data(), (UINT)m_buffer.size());
}

UINT CArchive::Read(void* lpBuf, UINT nMax)
{
    CheckLoading();
    BYTE* out = (BYTE*)lpBuf;
    UINT done = 0;
    while (done < nMax) {
        if (m_nBufCur == m_nBufMax) {
            const UINT left = nMax - done;
            if (left >= m_buffer.size()) {
                // A large read goes straight to the file.
                const UINT n = m_pFile->Read(out + done, left);
                if (n == 0) break;
                done += n;
                continue;
            }
            FillBuffer();
            if (m_nBufMax == 0) break;
        }
        const UINT n = (UINT)std::min<size_t>(m_nBufMax - m_nBufCur, nMax - done);
        std::memcpy(out + done, m_buffer.data() + m_nBufCur, n);
        m_nBufCur += n;
        done += n;
    }
    return done;
}

void CArchive::EnsureRead(void* lpBuf, UINT nCount)
{
    if (Read(lpBuf, nCount) != nCount) Fail(CArchiveException::endOfFile);
}

void CArchive::Write(const void* lpBuf, UINT nCount)
{
    CheckStoring();
    if (nCount > m_buffer.size() - m_nBufCur) {
        Flush();
        if (nCount >= m_buffer.size()) {
            m_pFile->Write(lpBuf, nCount);
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_nBufCur, lpBuf, nCount);
    m_nBufCur += nCount;
}

void CArchive::Flush()
{
    if (m_pFile == nullptr) return;
    if (IsStoring()) {
        if (m_nBufCur > 0) {
            const UINT n = (UINT)m_nBufCur;
            m_nBufCur = 0;
            m_pFile->Write(m_buffer.data(), n);
        }
    } else {
        if (m_nBufMax > m_nBufCur)
            m_pFile->Seek(-(LONGLONG)(m_nBufMax - m_nBufCur), CFile::current);
        m_nBufCur = m_nBufMax = 0;
    }
}

void CArchive::Close()
{
    if (m_pFile == nullptr) return;
    Flush();
    m_pFile = nullptr;
}

void CArchive::Abort()
{
    m_pFile = nullptr;
    m_nBufCur = m_nBufMax = 0;
}

void CArchive::WriteCount(DWORD_PTR dwCount)
{
    if (dwCount < kWordLengthEscape) {
        *this << (WORD)dwCount;
        return;
    }
    // Counts above 32 bits exist only in the 64-bit build; the stored form has no room for them.
    if ((ULONGLONG)dwCount >> 32 != 0) Fail(CArchiveException::genericException);
    *this << kWordLengthEscape << (DWORD)dwCount;
}

DWORD_PTR CArchive::ReadCount()
{
    WORD wCount = 0;
    *this >> wCount;
    if (wCount != kWordLengthEscape) return wCount;
    DWORD dwCount = 0;
    *this >> dwCount;
    return dwCount;
}

CArchive& CArchive::operator<<(const CString& s)
{
    const UINT len = (UINT)s.GetLength();
    if (len < kByteLengthEscape) {
        *this << (BYTE)len;
    } else if (len < kWideStringMarker) {
        *this << kByteLengthEscape << (WORD)len;
    } else {
        *this << kByteLengthEscape << kWordLengthEscape << (DWORD)len;
    }
    Write((LPCSTR)s, len);
    return *this;
}

CArchive& CArchive::operator>>(CString& s)
{
    BYTE bLen = 0;
    *this >> bLen;
    DWORD len = bLen;
    if (bLen == kByteLengthEscape) {
        WORD wLen = 0;
        *this >> wLen;
        if (wLen == kWideStringMarker) Fail(CArchiveException::genericException);
        len = wLen;
        if (wLen == kWordLengthEscape) *this >> len;
    }
    std::string text;
    while (text.size() < len) {
        const UINT n = (UINT)std::min<size_t>(len - text.size(), kStringChunk);
        const size_t at = text.size();
        text.resize(at + n);
        EnsureRead(&text[at], n);
    }
    s = CString(text.data(), (int)text.size());
    return *this;
}

DWORD CArchive::NextMapIndex()
{
    if (m_nMapCount >= kMaxMapCount) Fail(CArchiveException::badIndex);
    return m_nMapCount++;
}

void CArchive::WriteReference(DWORD index, bool isClass)
{
    if (index < kBigObjectTag) {
        *this << (WORD)(index | (isClass ? kClassTag : 0));
    } else {
        *this << kBigObjectTag << (DWORD)(index | (isClass ? kBigClassTag : 0));
    }
}

void CArchive::WriteClass(const CRuntimeClass* pClassRef)
{
    CheckStoring();
    if (pClassRef == nullptr || !pClassRef->IsSerializable()) Fail(CArchiveException::badClass);
    const auto it = m_storeMap.find(pClassRef);
    if (it != m_storeMap.end()) {
        WriteReference(it->second, true);
        return;
    }
    *this << kNewClassTag;
    pClassRef->Store(*this);
    m_storeMap[pClassRef] = NextMapIndex();
}

void CArchive::WriteObject(const CObject* pOb)
{
    CheckStoring();
    if (pOb == nullptr) {
        *this << kNullTag;
        return;
    }
    const auto it = m_storeMap.find(pOb);
    if (it != m_storeMap.end()) {
        WriteReference(it->second, false);
        return;
    }
    WriteClass(pOb->GetRuntimeClass());
    // The index is taken before the data so that the object's own fields may refer back to it.
    m_storeMap[pOb] = NextMapIndex();
    const_cast<CObject*>(pOb)->Serialize(*this);
}

CRuntimeClass* CArchive::ReadClass(const CRuntimeClass* pClassRefRequested, UINT* pSchema,
                                   DWORD* pObTag)
{
    CheckLoading();
    WORD wTag = 0;
    *this >> wTag;
    DWORD obTag = 0;
    if (wTag == kBigObjectTag) {
        *this >> obTag;
    } else {
        obTag = ((DWORD)(wTag & kClassTag) << 16) | (wTag & ~kClassTag);
    }

    if (wTag != kNewClassTag && !(obTag & kBigClassTag)) {
        // An object record (or null), not a class.
        if (pObTag == nullptr) Fail(CArchiveException::badIndex);
        *pObTag = obTag;
        return nullptr;
    }

    CRuntimeClass* pClassRef = nullptr;
    UINT nSchema = 0;
    if (wTag == kNewClassTag) {
        pClassRef = CRuntimeClass::Load(*this, &nSchema);
        if (pClassRef == nullptr || !pClassRef->IsSerializable()) Fail(CArchiveException::badClass);
        const UINT classSchema = pClassRef->m_wSchema & ~VERSIONABLE_SCHEMA;
        if (classSchema != nSchema && !(pClassRef->m_wSchema & VERSIONABLE_SCHEMA))
            Fail(CArchiveException::badSchema);
        NextMapIndex();
        m_loadArray.push_back(LoadedItem{pClassRef, true, nSchema});
    } else {
        const DWORD index = obTag & ~kBigClassTag;
        if (index == 0 || index >= m_loadArray.size() || !m_loadArray[index].isClass)
            Fail(CArchiveException::badIndex);
        pClassRef = static_cast<CRuntimeClass*>(m_loadArray[index].p);
        nSchema = m_loadArray[index].schema;
    }

    if (pClassRefRequested != nullptr && !pClassRef->IsDerivedFrom(pClassRefRequested))
        Fail(CArchiveException::badClass);
    if (pSchema != nullptr) *pSchema = nSchema;
    return pClassRef;
}

CObject* CArchive::ReadObject(const CRuntimeClass* pClassRefRequested)
{
    UINT nSchema = 0;
    DWORD obTag = 0;
    CRuntimeClass* pClassRef = ReadClass(pClassRefRequested, &nSchema, &obTag);

    if (pClassRef == nullptr) {
        if (obTag == kNullTag) return nullptr;
        if (obTag >= m_loadArray.size() || m_loadArray[obTag].isClass ||
            m_loadArray[obTag].p == nullptr)
            Fail(CArchiveException::badIndex);
        CObject* pOb = static_cast<CObject*>(m_loadArray[obTag].p);
        if (pClassRefRequested != nullptr && !pOb->IsKindOf(pClassRefRequested))
            Fail(CArchiveException::badClass);
        return pOb;
    }

    CObject* pOb = pClassRef->CreateObject();
    if (pOb == nullptr) Fail(CArchiveException::badClass);
    const size_t index = m_loadArray.size();
    const UINT nSchemaSave = m_nObjectSchema;
    try {
        NextMapIndex();
        m_loadArray.push_back(LoadedItem{pOb, false, 0});
        m_nObjectSchema = nSchema;
        pOb->Serialize(*this);
        m_nObjectSchema = nSchemaSave;
    } catch (...) {
        m_nObjectSchema = nSchemaSave;
        // Nobody has seen the object yet: it goes, and with it whatever it read (its destructor
        // may free those). Later references to any of them are faults, not dangling pointers.
        for (size_t i = index; i < m_loadArray.size(); ++i) {
            if (!m_loadArray[i].isClass) m_loadArray[i].p = nullptr;
        }
        delete pOb;
        throw;
    }
    return pOb;
}

void CArchive::MapObject(const CObject* pOb)
{
    if (IsStoring()) {
        if (pOb != nullptr && m_storeMap.find(pOb) == m_storeMap.end())
            m_storeMap[pOb] = NextMapIndex();
        return;
    }
    NextMapIndex();
    m_loadArray.push_back(LoadedItem{const_cast<CObject*>(pOb), false, 0});
}

CArchive& CArchive::operator<<(const CObject* pOb)
{
    WriteObject(pOb);
    return *this;
}

CArchive& CArchive::operator>>(CObject*& pOb)
{
    pOb = ReadObject(nullptr);
    return *this;
}

CArchive& CArchive::operator>>(const CObject*& pOb)
{
    pOb = ReadObject(nullptr);
    return *this;
}

CArchive& operator<<(CArchive& ar, const RECT& rect)
{
    return ar << rect.left << rect.top << rect.right << rect.bottom;
}

CArchive& operator>>(CArchive& ar, RECT& rect)
{
    return ar >> rect.left >> rect.top >> rect.right >> rect.bottom;
}

CArchive& operator<<(CArchive& ar, const POINT& point) { return ar << point.x << point.y; }

CArchive& operator>>(CArchive& ar, POINT& point) { return ar >> point.x >> point.y; }

CArchive& operator<<(CArchive& ar, const SIZE& size) { return ar << size.cx << size.cy; }

CArchive& operator>>(CArchive& ar, SIZE& size) { return ar >> size.cx >> size.cy; }
