// Small helpers of the window tests: pumping the queue, and a log of what handlers saw.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

namespace wintest
{

// Dispatches every message waiting on this thread's queue (no idle processing).
inline void PumpPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// What handlers did, in order, as short words; tests compare it with an expected sequence.
struct EventLog
{
    std::vector<std::string> events;
    void Add(const std::string& e) { events.push_back(e); }
    std::string Joined() const
    {
        std::string s;
        for (const auto& e : events) s += (s.empty() ? "" : " ") + e;
        return s;
    }
};

}  // namespace wintest
