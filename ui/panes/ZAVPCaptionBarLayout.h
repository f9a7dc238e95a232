// The caption bar's arithmetic without a window: its height, where the image, the button and the
// message text go, and how the text and the button give way to the image. The bar measures its
// font, image and texts and hands the sizes in; it draws what comes back.
#pragma once

#include "framework/CRect.h"

namespace ZAVPCaptionBarLayout
{
// Where an element sits in the strip; any other value stops the layout at the button or the text.
enum Alignment
{
    AlignLeft = 1,
    AlignRight = 2,
    AlignCenter = 3,
};

// Extra width of a button that carries a drop-down triangle.
const int kDropDownWidth = 10;

// The bar's height: the border once, the margin on both sides and the taller of one text line
// (the font's height + 2) and the image. A forced height (not -1) wins.
int CalcHeight(int nFontHeight, CSize sizeImage, int nBorderSize, int nMargin, int nForcedHeight);

struct Inputs
{
    CRect rectClient;    // client coordinates
    int nMargin = 4;     // from the client edges
    int nHorzSpace = 4;  // between elements, and the button's text padding
    // The image: an icon or a strip image; shown when bHasImage.
    BOOL bHasImage = FALSE;
    CSize sizeImage = CSize(0, 0);
    BOOL bStretchImage = FALSE;
    int nImageAlign = AlignLeft;
    // The button: shown when bHasButton (a button text); cxButtonText measured in the bar font.
    BOOL bHasButton = FALSE;
    int cxButtonText = 0;
    BOOL bButtonDropDown = FALSE;  // it has a command and the drop-down flag: room for the arrow
    int nButtonAlign = AlignLeft;
    // The message text, measured over the client rectangle.
    BOOL bHasText = FALSE;
    CSize sizeText = CSize(0, 0);
    int nTextAlign = AlignLeft;
};

struct Result
{
    CRect rectImage;
    CRect rectButton;    // as laid out; the button is drawn and hit-tested here
    CRect rectText;      // as laid out
    CRect rectDrawText;  // after giving way to the image and the button
};

// Lays the bar out into result. Rectangles of elements the layout does not reach (an empty
// client area, an element after one with an unknown alignment) keep the values they had.
void Layout(const Inputs& in, Result& result);

// One rule for giving way: rect loses what the obstacle (widened by nSpace) covers. bObstacleRight
// tells on which side of rect the obstacle belongs: with it set, rect keeps the part left of the
// obstacle, and a rect found on or past the obstacle's right edge becomes empty; the other way
// round without it. Empty means right == left.
void ClipAgainst(CRect& rect, CRect rectObstacle, int nSpace, BOOL bObstacleRight);
}  // namespace ZAVPCaptionBarLayout
