// The single-instance mutex.
#include "app/InstanceMutex.h"

const char InstanceMutex::DefaultName[] = "rimsel.Lornival.Mutex";

bool InstanceMutex::Acquire(const char* name)
{
    Close();
    HANDLE handle = CreateMutexA(nullptr, FALSE, name);
    const DWORD error = GetLastError();
    if (!handle || error == ERROR_ALREADY_EXISTS) {
        // Our handle to another copy's mutex would keep that mutex alive after the other copy
        // ends; let it go.
        if (handle) CloseHandle(handle);
        return false;
    }
    m_handle = handle;
    return true;
}

void InstanceMutex::Close()
{
    if (m_handle) CloseHandle(m_handle);
    m_handle = nullptr;
}
