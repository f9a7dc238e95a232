// The MDI window buttons of the menu bar (see the header).
#include "ui/toolbars/ZAVPMenuBarLayout.h"

namespace ZAVPMenuBarLayout
{
namespace
{
const int kButtonGap = 1;
}  // namespace

std::vector<UINT> WindowButtonCommands(DWORD dwChildStyle)
{
    std::vector<UINT> commands;
    if (dwChildStyle & WS_MINIMIZEBOX) commands.push_back(SC_MINIMIZE);
    if (dwChildStyle & WS_MAXIMIZEBOX) commands.push_back(SC_RESTORE);
    commands.push_back(SC_CLOSE);
    return commands;
}

std::vector<RECT> WindowButtonRects(const RECT& rcRow, int nButtons, SIZE sizeButton, BOOL bHorz)
{
    std::vector<RECT> rects(nButtons > 0 ? nButtons : 0);
    const int nAlong = bHorz ? sizeButton.cx : sizeButton.cy;
    int nEnd = bHorz ? rcRow.right : rcRow.bottom;
    for (int i = nButtons - 1; i >= 0; --i) {
        RECT& rc = rects[i];
        if (bHorz)
            SetRect(&rc, nEnd - nAlong, rcRow.top, nEnd, rcRow.top + sizeButton.cy);
        else
            SetRect(&rc, rcRow.left, nEnd - nAlong, rcRow.left + sizeButton.cx, nEnd);
        nEnd -= nAlong + kButtonGap;
    }
    return rects;
}
}  // namespace ZAVPMenuBarLayout
