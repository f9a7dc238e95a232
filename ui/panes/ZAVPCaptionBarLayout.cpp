// The caption bar's height, layout and clipping (see the header).
#include "ui/panes/ZAVPCaptionBarLayout.h"

#include <algorithm>

namespace ZAVPCaptionBarLayout
{
namespace
{
// The text line is the font's height and one pixel above and below.
const int kLineExtra = 2;

BOOL KnownAlignment(int nAlign)
{
    return nAlign == AlignLeft || nAlign == AlignRight || nAlign == AlignCenter;
}

// Whether the obstacle placed with nObstacleAlign lies right of an element placed with
// nElementAlign: right-aligned, or centred beside a left-aligned element.
BOOL IsRightOf(int nObstacleAlign, int nElementAlign)
{
    return nObstacleAlign == AlignRight ||
           (nObstacleAlign == AlignCenter && nElementAlign == AlignLeft);
}
}  // namespace

int CalcHeight(int nFontHeight, CSize sizeImage, int nBorderSize, int nMargin, int nForcedHeight)
{
    if (nForcedHeight != -1) return nForcedHeight;
    const int nLine = nFontHeight + kLineExtra;
    return nBorderSize + 2 * nMargin + std::max<int>(nLine, sizeImage.cy);
}

void ClipAgainst(CRect& rect, CRect rectObstacle, int nSpace, BOOL bObstacleRight)
{
    if (rect.IsRectEmpty() || rectObstacle.IsRectEmpty()) return;
    rectObstacle.InflateRect(nSpace, nSpace);
    const int left = rectObstacle.left, right = rectObstacle.right;
    if (rect.left >= left && rect.right <= right) {
        rect.right = rect.left;  // wholly covered
        return;
    }
    if (left >= rect.left && right <= rect.right) {
        // The obstacle lies inside: keep the part on the element's own side of it.
        if (bObstacleRight)
            rect.right = left;
        else
            rect.left = right;
    } else {
        if (rect.left > left && rect.left < right) rect.left = right;
        if (rect.right > left && rect.right < right) rect.right = left;
    }
    if (bObstacleRight && rect.left >= right) rect.right = rect.left;
    if (!bObstacleRight && rect.right <= left) rect.right = rect.left;
}

void Layout(const Inputs& in, Result& r)
{
    const CRect& rc = in.rectClient;
    if (rc.IsRectEmpty()) return;
    const int nSpace = in.nHorzSpace;
    const int xLeftStart = rc.left + in.nMargin;
    const int xRightStart = rc.right - in.nMargin;
    int xLeft = xLeftStart;
    int xRight = xRightStart;
    int xCenter = rc.Width() / 2;
    BOOL bCenterImage = FALSE, bCenterButton = FALSE, bCenterText = FALSE;

    // 1. The image, vertically centred unless it is at least as high as the bar.
    if (in.bHasImage) {
        const CSize size = in.sizeImage;
        r.rectImage.top = size.cy >= rc.Height() ? rc.top + in.nMargin
                                                 : rc.Height() / 2 - size.cy / 2;
        r.rectImage.bottom = in.bStretchImage ? rc.bottom - in.nMargin : r.rectImage.top + size.cy;
        switch (in.nImageAlign) {
        case AlignLeft:
            r.rectImage.left = xLeft;
            r.rectImage.right = xLeft + size.cx;
            xLeft = r.rectImage.right + nSpace;
            break;
        case AlignRight:
            r.rectImage.left = xRight - size.cx;
            r.rectImage.right = xRight;
            xRight = r.rectImage.left - nSpace;
            break;
        case AlignCenter:
            bCenterImage = TRUE;
            xCenter -= size.cx / 2;
            break;
        default: break;
        }
    }

    // 2. The button spans the client height; beside an edge nothing was put against, it takes
    //    the edge itself (the margin is for the image and the text).
    int cxButton = 0;
    if (in.bHasButton) {
        cxButton = in.cxButtonText + 2 * nSpace + (in.bButtonDropDown ? kDropDownWidth : 0);
        r.rectButton.top = rc.top;
        r.rectButton.bottom = rc.bottom;
        switch (in.nButtonAlign) {
        case AlignLeft:
            r.rectButton.left = xLeft == xLeftStart ? rc.left : xLeft;
            r.rectButton.right = r.rectButton.left + cxButton;
            xLeft = r.rectButton.right + nSpace;
            break;
        case AlignRight:
            r.rectButton.right = xRight == xRightStart ? rc.right : xRight;
            r.rectButton.left = r.rectButton.right - cxButton;
            xRight = r.rectButton.left - nSpace;
            break;
        case AlignCenter:
            bCenterButton = TRUE;
            xCenter -= cxButton / 2;
            break;
        default: return;
        }
    }

    // 3. The message text, centred vertically.
    if (in.bHasText) {
        const CSize size = in.sizeText;
        r.rectText.top = rc.Height() / 2 - size.cy / 2;
        r.rectText.bottom = r.rectText.top + size.cy;
        switch (in.nTextAlign) {
        case AlignLeft:
            r.rectText.left = xLeft;
            r.rectText.right = xLeft + size.cx;
            xLeft = r.rectText.right + nSpace;
            break;
        case AlignRight:
            r.rectText.left = xRight - size.cx;
            r.rectText.right = xRight;
            xRight = r.rectText.left - nSpace;
            break;
        case AlignCenter:
            bCenterText = TRUE;
            xCenter -= size.cx / 2;
            break;
        default: return;
        }
        if (!bCenterText) {
            r.rectText.left = std::max<int>(r.rectText.left, rc.left + in.nMargin);
            r.rectText.right = std::min<int>(r.rectText.right, rc.right - in.nMargin);
        }
    }

    // 4. The centred elements, side by side from the centre cursor.
    if (bCenterImage) {
        r.rectImage.left = xCenter;
        r.rectImage.right = xCenter + in.sizeImage.cx;
        xCenter = r.rectImage.right + nSpace;
    }
    if (bCenterButton) {
        r.rectButton.left = xCenter;
        r.rectButton.right = xCenter + cxButton;
        xCenter = r.rectButton.right + nSpace;
    }
    if (bCenterText) {
        r.rectText.left = std::max<int>(xCenter, rc.left + in.nMargin);
        r.rectText.right = std::min<int>(xCenter + in.sizeText.cx, rc.right - in.nMargin);
        xCenter += in.sizeText.cx + nSpace;
    }

    // 5. The image stays within the margins: a stretched one is cut, another keeps its width.
    if (in.bHasImage && KnownAlignment(in.nImageAlign)) {
        const int lo = rc.left + in.nMargin, hi = rc.right - in.nMargin;
        if (in.bStretchImage) {
            r.rectImage.left = std::max<int>(r.rectImage.left, lo);
            r.rectImage.right = std::min<int>(r.rectImage.right, hi);
        } else if (r.rectImage.left < lo) {
            r.rectImage.OffsetRect(lo - r.rectImage.left, 0);
        } else if (r.rectImage.right > hi) {
            r.rectImage.OffsetRect(hi - r.rectImage.right, 0);
        }
    }

    // 6-7. The text and (a copy of) the button give way to the image, the text to the button.
    const BOOL bImage = in.bHasImage && KnownAlignment(in.nImageAlign);
    CRect rectButtonClip = in.bHasButton ? r.rectButton : CRect(0, 0, 0, 0);
    if (in.bHasButton && bImage) {
        ClipAgainst(rectButtonClip, r.rectImage, nSpace,
                    IsRightOf(in.nImageAlign, in.nButtonAlign));
        rectButtonClip.left = std::max<int>(rectButtonClip.left, rc.left + in.nMargin);
        rectButtonClip.right = std::min<int>(rectButtonClip.right, rc.right - in.nMargin);
    }
    if (in.bHasText) {
        r.rectDrawText = r.rectText;
        if (bImage)
            ClipAgainst(r.rectDrawText, r.rectImage, nSpace,
                        IsRightOf(in.nImageAlign, in.nTextAlign));
        if (in.bHasButton)
            ClipAgainst(r.rectDrawText, rectButtonClip, nSpace,
                        IsRightOf(in.nButtonAlign, in.nTextAlign));
    }
}
}  // namespace ZAVPCaptionBarLayout
