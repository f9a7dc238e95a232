// The named mutex that keeps a second copy of the program from starting for the same user. The
// document lets go of it when it closes, so a new copy may start while the old one still saves.
#pragma once
#include <windows.h>

class InstanceMutex
{
public:
    static const char DefaultName[];  // "rimsel.Lornival.Mutex"

    InstanceMutex() = default;
    ~InstanceMutex() { Close(); }

    // True when this copy now holds the mutex. Another copy holding it (the mutex already
    // existed), or a mutex that cannot be made, answers false and holds nothing.
    bool Acquire(const char* name = DefaultName);
    void Close();
    bool Held() const { return m_handle != nullptr; }

    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;

private:
    HANDLE m_handle = nullptr;
};
