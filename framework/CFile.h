// A file on disk (or any file handle) with the open modes, reads, writes and positioning the
// program uses. Failures raise CFileException; a read at the end answers 0 bytes.
#pragma once

#include "framework/CObject.h"
#include "framework/CString.h"

class CFileException;

class CFile : public CObject
{
    DECLARE_DYNAMIC(CFile)
public:
    // Open flags; the values are the platform's.
    enum OpenFlags
    {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareCompat = 0x0000,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeNoInherit = 0x0080,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
        typeText = 0x4000,
        typeBinary = 0x8000
    };
    enum SeekPosition
    {
        begin = 0x0,
        current = 0x1,
        end = 0x2
    };

    CFile();
    // Wraps a handle opened elsewhere; the handle is not closed by this object.
    explicit CFile(HANDLE hFile);
    // Opens or raises CFileException.
    CFile(LPCSTR lpszFileName, UINT nOpenFlags);
    ~CFile() override;

    // FALSE on failure, with the cause in *pError when one is given.
    virtual BOOL Open(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);

    virtual ULONGLONG GetPosition() const;
    virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
    void SeekToBegin() { Seek(0, begin); }
    ULONGLONG SeekToEnd() { return Seek(0, end); }
    virtual ULONGLONG GetLength() const;
    virtual void SetLength(ULONGLONG dwNewLen);

    // Answers the number of bytes read: fewer than asked at the end of the file.
    virtual UINT Read(void* lpBuf, UINT nCount);
    // Writes all nCount bytes or raises.
    virtual void Write(const void* lpBuf, UINT nCount);
    virtual void Flush();
    // Closes the handle when this object opened it; a wrapped handle stays open.
    virtual void Close();
    // Closes without raising.
    virtual void Abort();

    virtual CString GetFilePath() const { return m_strFileName; }

    operator HANDLE() const { return m_hFile; }

    HANDLE m_hFile;         // INVALID_HANDLE_VALUE while closed
    BOOL m_bCloseOnDelete;  // the handle was opened here and is closed with the object
    CString m_strFileName;

protected:
    [[noreturn]] void ThrowLastError() const;
};
