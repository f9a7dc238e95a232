// Raised when an archive cannot be read or written: the image ends early, names a class that is
// unknown or of the wrong kind, carries a schema the class does not read, refers to an object it
// never defined, or the archive is used in the wrong direction.
#pragma once

#include "framework/CException.h"
#include "framework/CString.h"

class CArchiveException : public CException
{
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum
    {
        none,
        genericException,  // malformed data of no other kind
        readOnly,          // a write into an archive that loads
        endOfFile,         // the image ends before the value being read
        writeOnly,         // a read from an archive that stores
        badIndex,          // a reference to a class or object the image never defined
        badClass,          // an unknown class, one that is not serialisable, or of the wrong kind
        badSchema,         // a stored schema the class cannot read
        bufferFull
    };

    explicit CArchiveException(int cause = none, LPCSTR lpszArchiveName = nullptr);

    int m_cause;
    CString m_strFileName;  // the file under the archive, when it has a name
};

[[noreturn]] void AfxThrowArchiveException(int cause, LPCSTR lpszArchiveName = nullptr);
