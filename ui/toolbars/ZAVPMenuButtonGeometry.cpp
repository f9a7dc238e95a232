// Menu button arithmetic (see the header).
#include "ui/toolbars/ZAVPMenuButtonGeometry.h"

namespace ZAVPMenuButtonGeometry
{
namespace
{
const int kDropDownPad = 2;     // beyond the arrow's width, so the whole arrow area hits
const int kImageColumnPad = 6;  // between the image column and the text
}  // namespace

int ArrowRoom(int nGlyphExtent, BOOL bLargeIcons, BOOL bShowsArrow)
{
    if (!bShowsArrow) return 0;
    return nGlyphExtent * (bLargeIcons ? 2 : 1) - 1;
}

RECT DropDownPart(const RECT& rcButton, SIZE sizeArrow, BOOL bLargeIcons, BOOL bHorz,
                  BOOL bExtraSize, SIZE sizeExtraBorder)
{
    RECT rc = rcButton;
    if (bExtraSize && (sizeExtraBorder.cx != 0 || sizeExtraBorder.cy != 0))
        InflateRect(&rc, -(sizeExtraBorder.cx / 2 + 1), -(sizeExtraBorder.cy / 2 + 1));

    const int nScale = bLargeIcons ? 2 : 1;
    if (bHorz)
        rc.left = rc.right - (sizeArrow.cx * nScale + kDropDownPad);
    else
        rc.top = rc.bottom - (sizeArrow.cy * nScale + kDropDownPad);
    return rc;
}

RECT ImageColumn(const RECT& rcItem, int nImageWidth, int nMargin)
{
    RECT rc = rcItem;
    rc.right = rc.left + nImageWidth + 2 * nMargin;
    return rc;
}

std::pair<std::string, std::string> SplitAccelerator(const std::string& strText)
{
    const size_t nTab = strText.find('\t');
    if (nTab == std::string::npos) return std::make_pair(strText, std::string());
    return std::make_pair(strText.substr(0, nTab), strText.substr(nTab + 1));
}

int PopupItemWidth(int nMeasuredWidth, int nArrowRoom, int nDefaultButtonWidth)
{
    return nMeasuredWidth + nArrowRoom + nDefaultButtonWidth + kImageColumnPad;
}
}  // namespace ZAVPMenuButtonGeometry
