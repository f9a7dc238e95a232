// What the road's driver asks the probe inside the program under test, and how the probe
// answers. The system lets only a menu's own process read the menu, and the program's status bar
// answers no question about its panes, so the driver's questions go through a window hook that
// runs the probe on the program's own thread.
#pragma once
#include <windows.h>

namespace RoadProbe
{
// The question, sent to a window of the program: wParam = MAKEWPARAM(item, kind), lParam = the
// asking thread's id. The probe answers by posting kReplyMessage to that thread.
const wchar_t kQueryMessage[] = L"Lornival.RoadProbe.Query";
const wchar_t kReplyMessage[] = L"Lornival.RoadProbe.Reply";
// The hook procedure the probe library exports (WH_CALLWNDPROC).
const char kHookProcName[] = "RoadProbeCallWndProc";
const wchar_t kLibraryName[] = L"road_probe.dll";

enum Kind : WORD
{
    // The window is a popup menu's; item = a command of that menu. Reply: wParam 0, lParam =
    // GetMenuState of the item by command ((UINT)-1 when the menu has no such item).
    kPopupItemState = 1,
    // The window is a popup menu's; item = a command of that menu. Reply: the item's rectangle on
    // the screen, wParam = MAKELONG(left, top), lParam = MAKELONG(right, bottom); all zero when
    // the item is not there.
    kPopupItemRect = 2,
    // The window is a frame with a menu bar; item = the position of an item of the bar. Reply as
    // for kPopupItemRect.
    kMenuBarItemRect = 3,
    // The window is any window of the program; item unused. The probe repaints the window at
    // once and watches what it draws with DrawTextA. Reply: one message per text drawn, in
    // drawing order, wParam = MAKEWPARAM(a global atom holding the text, 1), lParam = the text
    // colour it was drawn in; the receiver deletes the atoms. Then the end: wParam 0, lParam = how
    // many texts were drawn (more than kMaxTexts are not sent).
    kDrawnTexts = 4,
};

const int kMaxTexts = 32;
}  // namespace RoadProbe
