// The icon editor's grid arithmetic (see the header).
#include "ui/toolbars/ZAVPIconEditorMath.h"

#include <algorithm>

namespace ZAVPIconEditorMath
{
SIZE CellSize(SIZE sizeClient, SIZE sizeImage)
{
    const int cx = sizeImage.cx > 0 ? (sizeClient.cx - 2) / sizeImage.cx : 0;
    const int cy = sizeImage.cy > 0 ? (sizeClient.cy - 2) / sizeImage.cy : 0;
    return SIZE{std::max(1, cx), std::max(1, cy)};
}

POINT PointToPixel(POINT pt, SIZE sizeCell, SIZE sizeImage)
{
    const int x = (pt.x - 1) / std::max(1, (int)sizeCell.cx);
    const int y = (pt.y - 1) / std::max(1, (int)sizeCell.cy);
    return POINT{std::clamp(x, 0, std::max(0, (int)sizeImage.cx - 1)),
                 std::clamp(y, 0, std::max(0, (int)sizeImage.cy - 1))};
}

POINT PixelCentre(POINT ptPixel, SIZE sizeCell)
{
    return POINT{ptPixel.x * sizeCell.cx + 1 + sizeCell.cx / 2,
                 ptPixel.y * sizeCell.cy + 1 + sizeCell.cy / 2};
}

RECT ShapeRect(POINT ptStart, POINT ptEnd)
{
    RECT rect = {std::min(ptStart.x, ptEnd.x), std::min(ptStart.y, ptEnd.y),
                 std::max(ptStart.x, ptEnd.x), std::max(ptStart.y, ptEnd.y)};
    if (ptStart.x != ptEnd.x) ++rect.right;
    if (ptStart.y != ptEnd.y) ++rect.bottom;
    return rect;
}

POINT PasteOrigin(SIZE sizeIcon, SIZE sizePasted)
{
    return POINT{std::max(0L, (sizeIcon.cx - sizePasted.cx) / 2),
                 std::max(0L, (sizeIcon.cy - sizePasted.cy) / 2)};
}
}  // namespace ZAVPIconEditorMath
