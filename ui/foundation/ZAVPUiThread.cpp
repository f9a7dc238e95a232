// Which thread is the UI library's (see ZAVPUiThread.h).
#include "ui/foundation/ZAVPUiThread.h"

#include <atomic>

namespace ZAVPUiThread
{
BOOL IsCurrent()
{
    static std::atomic<DWORD> s_uiThread{0};  // 0: no thread has asked yet (no thread has id 0)
    const DWORD current = ::GetCurrentThreadId();
    DWORD expected = 0;
    s_uiThread.compare_exchange_strong(expected, current);
    return s_uiThread.load() == current;
}
}  // namespace ZAVPUiThread
