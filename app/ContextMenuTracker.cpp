// The system's context-menu tracker and the process's choice of tracker.
#include "app/ContextMenuTracker.h"

namespace
{

class SystemTracker : public ContextMenuTracker
{
public:
    UINT Track(HMENU popup, HWND owner) override
    {
        POINT cursor = {};
        ::GetCursorPos(&cursor);
        return (UINT)::TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                      cursor.x, cursor.y, 0, owner, nullptr);
    }
};

SystemTracker g_system;
ContextMenuTracker* g_current = nullptr;

}  // namespace

ContextMenuTracker& ContextMenuTracker::Current() { return g_current ? *g_current : g_system; }

void ContextMenuTracker::Set(ContextMenuTracker* tracker) { g_current = tracker; }
