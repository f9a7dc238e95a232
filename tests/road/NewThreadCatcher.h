// Holds the threads a process starts from now on, each before it runs any code of its own: the
// driver attaches to the process as a debugger, suspends every new thread as the system reports
// its creation, and detaches again when told that enough has been caught. The held threads run
// on when the catcher lets them go. Used to keep the program's scan thread from working while
// the progress dialog is driven.
#pragma once
#include <windows.h>
#include <functional>
#include <vector>

class NewThreadCatcher
{
public:
    explicit NewThreadCatcher(DWORD processId);
    ~NewThreadCatcher();
    NewThreadCatcher(const NewThreadCatcher&) = delete;
    NewThreadCatcher& operator=(const NewThreadCatcher&) = delete;

    bool Attached() const { return m_attached; }
    // Holds every thread the process starts until `enough` answers true (asked between debug
    // events) or the time is up; then detaches. Answers whether any thread was held.
    bool HoldUntil(const std::function<bool()>& enough, DWORD limitMs);
    std::size_t Held() const { return m_held.size(); }
    // Lets the held threads run.
    void Release();

private:
    void Detach();

    DWORD m_processId;
    bool m_attached = false;
    std::vector<HANDLE> m_held;
};
