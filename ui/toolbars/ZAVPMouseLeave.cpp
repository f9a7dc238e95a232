// Mouse-leave tracking by polling the cursor.
#include "ui/toolbars/ZAVPMouseLeave.h"

namespace
{
const DWORD kMinRequestSize = 16;  // the size of the original request record
}  // namespace

UINT_PTR TrackMouseLeave(LPTRACKMOUSEEVENT lpEventTrack)
{
    if (lpEventTrack == nullptr || lpEventTrack->cbSize < kMinRequestSize ||
        !::IsWindow(lpEventTrack->hwndTrack) || (lpEventTrack->dwFlags & TME_LEAVE) == 0)
    {
        return 0;
    }
    return ::SetTimer(lpEventTrack->hwndTrack, ZAVPMouseLeave::kTimerId, ZAVPMouseLeave::kPeriodMs,
                      TrackMouseLeaveTimerProc);
}

void CALLBACK TrackMouseLeaveTimerProc(HWND hwnd, UINT, UINT_PTR idEvent, DWORD)
{
    RECT rect = {};
    ::GetClientRect(hwnd, &rect);
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    POINT pt = {};
    ::GetCursorPos(&pt);
    if (::PtInRect(&rect, pt) && ::WindowFromPoint(pt) == hwnd) return;
    ::KillTimer(hwnd, idEvent);
    ::PostMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
}
