// Placement of the loading splash and the arithmetic of its scrolling strip.
#include "app/SplashGeometry.h"

namespace SplashGeometry
{

RECT WindowRect(const RECT& workArea)
{
    // Offset by the work area's own corner, so that a task bar on the left or at the top does
    // not push the splash off the centre.
    RECT r;
    r.left = workArea.left + (workArea.right - workArea.left + 1) / 2 - kWidth / 2;
    r.top = workArea.top + (workArea.bottom - workArea.top + 1) / 2 - kHeight / 2;
    r.right = r.left + kWidth;
    r.bottom = r.top + kHeight;
    return r;
}

float WrapStripOffset(float offset)
{
    while (offset >= kStripLength) offset -= kStripLength;
    return offset;
}

int StripBlits(float offset, StripBlit blits[2])
{
    const int o = static_cast<int>(offset);
    blits[0] = {kStripLeft, kStripLength - o, o};
    if (offset == 0.0f) return 1;
    blits[1] = {kStripLength - o, static_cast<int>(offset + 0.5f), 0};
    return 2;
}

}  // namespace SplashGeometry
