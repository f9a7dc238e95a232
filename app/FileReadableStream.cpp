// Reading a framework file for the JPEG decoder.
#include "app/FileReadableStream.h"

#include "framework/CException.h"

UINT FileReadableStream::Read(void* buffer, UINT count)
{
    if (m_failed) return 0;
    try {
        return m_file.Read(buffer, count);
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    m_failed = true;
    return 0;
}
