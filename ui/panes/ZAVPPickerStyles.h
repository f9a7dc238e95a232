// What the calendar and colour popups share: the style and id of the picker bar they embed, the
// style of a bar torn off them, and the frame that hears about them.
#pragma once

#include <windows.h>

#include "ui/toolbars/ZAVPPopupEffects.h"

class CWnd;

namespace ZAVPPickerStyles
{
const UINT kPopupBarId = 1;
// Child, visible, gripper, top-aligned, bottom border, hidden in place (0x50402808).
const DWORD kTearOffBarStyle = 0x50402808;
const DWORD kTooltipsFlyBy = 0x30;  // CBRS_TOOLTIPS | CBRS_FLYBY
// The embedded bar starts hidden while the popup animates (the animation shows it).
inline DWORD PopupBarStyle(int nAnimationType)
{
    const DWORD dwStyle = kTearOffBarStyle | kTooltipsFlyBy;
    return nAnimationType != ZAVPPopupEffects::AnimationNone ? dwStyle & ~WS_VISIBLE : dwStyle;
}
// The library's main frame (the application's main window), else the window's top-level frame.
CWnd* TopFrameOf(CWnd* pWnd);
}  // namespace ZAVPPickerStyles
