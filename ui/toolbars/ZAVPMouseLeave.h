// Mouse-leave tracking for bars that hot-track their buttons: a 100 ms timer watches the cursor
// and posts WM_MOUSELEAVE once when it has left the window's client area.
#pragma once

#include <windows.h>

namespace ZAVPMouseLeave
{
// The timer id of the tracking: chosen so that it meets no timer id of the bars (the popup menu
// bar closes on timer 2, the value of TME_LEAVE).
const UINT_PTR kTimerId = 0xE0A1;
const UINT kPeriodMs = 100;
}  // namespace ZAVPMouseLeave

// Starts tracking the request's window; 0 when the request is refused (cbSize below 16, no
// window, no TME_LEAVE). A second request for the same window replaces the first.
UINT_PTR TrackMouseLeave(LPTRACKMOUSEEVENT lpEventTrack);
void CALLBACK TrackMouseLeaveTimerProc(HWND hwnd, UINT uMsg, UINT_PTR idEvent, DWORD dwTime);
