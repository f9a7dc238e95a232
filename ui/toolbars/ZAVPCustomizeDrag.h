// The arithmetic of customisation mode, apart from any window: where a button dragged over a bar
// would go and where its insertion mark stands, what a drop at the button's own place does to the
// group separator before it, when a hosted control is being stretched, and which items of the
// button context menu are enabled and checked.
#pragma once

#include <windows.h>

#include <vector>

#include "framework/CRect.h"

namespace ZAVPCustomizeDrag
{
const int kMarkHalfWidth = 3;     // the insertion mark is a 6-pixel band centred on the edge
const int kRowGap = 5;            // between rows of a horizontal bar
const int kGroupDistance = 6;     // an in-place drop this far along the bar starts or ends a group
const int kStretchZone = 7;       // a stretchable button is grabbed this near its right edge
const int kStretchMinWidth = 4;   // the new right edge lies more than this right of the left edge
const int kStretchMinChange = 6;  // and more than this away from the old right edge

struct DropPlace
{
    int iIndex;      // where the button goes; -1 for nowhere
    CRect rectMark;  // the insertion mark, client coordinates
};
// rects: the bar's buttons in order, the customize button (when bHasCustomize) last; hidden
// buttons have empty rectangles. Rows of a horizontal bar are nRowHeight + kRowGap apart.
DropPlace FindDropIndex(const std::vector<CRect>& rects, bool bHasCustomize, bool bHorz, CPoint pt,
                        int nRowHeight, const CRect& rectClient);

// A button dropped back where it came from (iDrop is its old index or the one after it): a
// drag of kGroupDistance or more toward the bar's end puts a separator before it, as far toward
// the start takes that separator away.
enum InPlaceAction
{
    kMove,             // the drop is elsewhere: the button moves
    kNothing,          // in place, nothing changes
    kAddSeparator,     // in place, a group starts at the button
    kRemoveSeparator,  // in place, the group before it ends
};
InPlaceAction InPlaceDrop(int iOld, int iDrop, int nDistanceTowardEnd, bool bSeparatorBefore);

// Stretching a hosted control: whether the pointer grabs the button's right edge, and whether a
// release at x gives the button a new width (x - left).
bool InStretchZone(const CRect& rectButton, CPoint pt);
bool AcceptsStretch(const CRect& rectButton, int x);

// What the button context menu shows for the selected button.
struct ButtonFacts
{
    bool bHasCommand;       // a command id other than 0 and -1
    bool bShowsImage;       // the image flag
    bool bHasImage;         // an image index of 0 or more in its strip
    bool bShowsText;        // the text flag, or text under the image on a horizontal bar
    bool bTextBelowHorz;    // text under the image on a horizontal bar
    bool bMenuMode;         // the button lives in a menu
    bool bFirst;            // the bar's first button
    bool bSeparatorBefore;  // the button before it is a separator
    bool bLocked;           // a locked button cannot be reset
};
struct MenuStates
{
    bool bResetEnabled, bCopyImageEnabled;
    bool bImageEnabled, bTextEnabled, bImageAndTextEnabled;
    UINT uiChecked;  // the one of image, text, image and text that is checked (its command)
    bool bBeginGroupEnabled, bBeginGroupChecked;
};
MenuStates ContextMenuStates(const ButtonFacts& facts, UINT uiImage, UINT uiText,
                             UINT uiImageAndText);
}  // namespace ZAVPCustomizeDrag
