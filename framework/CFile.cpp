// CFile over CreateFileA and the handle calls.
#include "framework/CFile.h"

#include "framework/CFileException.h"

IMPLEMENT_DYNAMIC(CFile, CObject)

CFile::CFile() : m_hFile(INVALID_HANDLE_VALUE), m_bCloseOnDelete(FALSE) {}

CFile::CFile(HANDLE hFile) : m_hFile(hFile), m_bCloseOnDelete(FALSE) {}

CFile::CFile(LPCSTR lpszFileName, UINT nOpenFlags) : CFile()
{
    CFileException error;
    if (!Open(lpszFileName, nOpenFlags, &error))
        AfxThrowFileException(error.m_cause, error.m_lOsError, error.m_strFileName);
}

CFile::~CFile()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete) Abort();
}

namespace
{

BOOL Fail(CFileException* pError, int cause, LONG lOsError, LPCSTR lpszFileName)
{
    if (pError != nullptr) {
        pError->m_cause = cause;
        pError->m_lOsError = lOsError;
        pError->m_strFileName = lpszFileName;
    }
    return FALSE;
}

}  // namespace

BOOL CFile::Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    if (m_hFile != INVALID_HANDLE_VALUE) Abort();
    m_strFileName = lpszFileName;

    DWORD access = 0;
    switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default: return Fail(pError, CFileException::genericException, -1, lpszFileName);
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareCompat:
    case shareExclusive: share = 0; break;
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: return Fail(pError, CFileException::genericException, -1, lpszFileName);
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate)
        creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    SECURITY_ATTRIBUTES sa = {sizeof sa, nullptr, (nOpenFlags & modeNoInherit) ? FALSE : TRUE};
    HANDLE h = CreateFileA(lpszFileName, access, share, &sa, creation, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const LONG err = (LONG)GetLastError();
        return Fail(pError, CFileException::OsErrorToException(err), err, lpszFileName);
    }
    m_hFile = h;
    m_bCloseOnDelete = TRUE;
    return TRUE;
}

ULONGLONG CFile::GetPosition() const
{
    LARGE_INTEGER zero = {}, pos = {};
    if (!SetFilePointerEx(m_hFile, zero, &pos, FILE_CURRENT)) ThrowLastError();
    return (ULONGLONG)pos.QuadPart;
}

ULONGLONG CFile::Seek(LONGLONG lOff, UINT nFrom)
{
    static_assert(begin == FILE_BEGIN && current == FILE_CURRENT && end == FILE_END,
                  "seek origins are the system's");
    LARGE_INTEGER distance, pos = {};
    distance.QuadPart = lOff;
    if (!SetFilePointerEx(m_hFile, distance, &pos, nFrom)) ThrowLastError();
    return (ULONGLONG)pos.QuadPart;
}

ULONGLONG CFile::GetLength() const
{
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(m_hFile, &size)) ThrowLastError();
    return (ULONGLONG)size.QuadPart;
}

void CFile::SetLength(ULONGLONG dwNewLen)
{
    const ULONGLONG pos = GetPosition();
    Seek((LONGLONG)dwNewLen, begin);
    if (!SetEndOfFile(m_hFile)) ThrowLastError();
    if (pos < dwNewLen) Seek((LONGLONG)pos, begin);
}

UINT CFile::Read(void* lpBuf, UINT nCount)
{
    if (nCount == 0) return 0;
    DWORD done = 0;
    if (!ReadFile(m_hFile, lpBuf, nCount, &done, nullptr)) {
        // A pipe whose writer has gone reads as the end of the data.
        if (GetLastError() == ERROR_BROKEN_PIPE) return 0;
        ThrowLastError();
    }
    return done;
}

void CFile::Write(const void* lpBuf, UINT nCount)
{
    if (nCount == 0) return;
    DWORD done = 0;
    if (!WriteFile(m_hFile, lpBuf, nCount, &done, nullptr)) ThrowLastError();
    if (done != nCount) AfxThrowFileException(CFileException::diskFull, -1, m_strFileName);
}

void CFile::Flush()
{
    if (m_hFile == INVALID_HANDLE_VALUE) return;
    if (!FlushFileBuffers(m_hFile)) ThrowLastError();
}

void CFile::Close()
{
    BOOL ok = TRUE;
    LONG err = 0;
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete) {
        ok = CloseHandle(m_hFile);
        if (!ok) err = (LONG)GetLastError();
    }
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
    if (!ok) CFileException::ThrowOsError(err, m_strFileName);
}

void CFile::Abort()
{
    if (m_hFile != INVALID_HANDLE_VALUE && m_bCloseOnDelete) CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
    m_bCloseOnDelete = FALSE;
}

void CFile::ThrowLastError() const
{
    CFileException::ThrowOsError((LONG)GetLastError(), m_strFileName);
}
