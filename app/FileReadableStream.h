// A ReadableStream over a framework file (a disk file or a CMemFile over a resource): its Read
// is the file's, and a file exception becomes a failed read instead of crossing the decoder.
#pragma once
#include "framework/CFile.h"

#include "app/ReadableStream.h"

class FileReadableStream : public ReadableStream
{
public:
    explicit FileReadableStream(CFile& file) : m_file(file), m_failed(false) {}

    UINT Read(void* buffer, UINT count) override;
    bool ReadFailed() const override { return m_failed; }

private:
    CFile& m_file;  // not owned
    bool m_failed;
};
