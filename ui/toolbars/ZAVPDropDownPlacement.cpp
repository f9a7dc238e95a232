// Placement of a drop-down toolbar's frame (see ZAVPDropDownPlacement.h).
#include "ui/toolbars/ZAVPDropDownPlacement.h"

namespace ZAVPDropDownPlacement
{
CPoint Place(const Input& in)
{
    int x = in.pt.x, y = in.pt.y;
    if (x + in.size.cx > in.rectWork.right)
        x = in.bVertBar ? in.nBarLeft - in.size.cx : in.rectWork.right - in.size.cx - kRightGap;
    if (y + in.size.cy > in.rectWork.bottom) {
        y = in.bHasButton ? y - in.size.cy - in.nButtonHeight - kAboveGap : y - in.size.cy;
        if (y < 0) y = 0;
    }
    return CPoint(x, y);
}

CPoint Origin(const CRect& rectButtonScreen, bool bVertBar)
{
    return bVertBar ? CPoint(rectButtonScreen.right, rectButtonScreen.top)
                    : CPoint(rectButtonScreen.left, rectButtonScreen.bottom);
}
}  // namespace ZAVPDropDownPlacement
