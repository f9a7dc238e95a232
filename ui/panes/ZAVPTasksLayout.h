// The tasks pane's layout arithmetic without a window: where the group captions, the task lines
// and the task windows of the active page go for a task area, a scroll position and the
// measured heights; the scroll range of the content; the scroll codes; and the steps of the
// collapse animation. The pane measures texts and hands the numbers in.
#pragma once

#include <vector>

#include "framework/CRect.h"

namespace ZAVPTasksLayout
{
// The metrics the layout reads (the look's values where the pane has -1).
struct Metrics
{
    int nVertMargin = 12;
    int nHorzMargin = 12;
    int nGroupSpace = 15;  // between groups
    int nCaptionMinHeight = 25;
    int nCaptionVertOffset = 7;  // added to the caption text height
    int nTaskHorzOffset = 12;
    int nTaskSpace = 4;  // between tasks
};

struct TaskIn
{
    BOOL bWindow = FALSE;  // a child-window task
    BOOL bVisible = TRUE;
    int cyWindow = 0;  // a window task's height
    int cyText = 0;    // a text task's text height in the underline font
};

struct GroupIn
{
    int cyName = 0;  // 0: no caption (an empty name)
    BOOL bHasName = FALSE;
    BOOL bHasIcon = FALSE;
    CSize sizeIcon = CSize(0, 0);
    BOOL bCollapsed = FALSE;  // collapsing enabled, the flag set and a caption
    BOOL bAnimated = FALSE;   // the group of the running collapse animation
    int nAnimHeight = 0;      // the height of its tasks still shown
    BOOL bBottom = FALSE;     // pushed to the bottom of the area (the page's last group only)
    std::vector<TaskIn> tasks;
};

struct GroupOut
{
    CRect rectCaption;
    CRect rectTasks;
    std::vector<CRect> taskRects;
};

// Lays the groups of the active page out; returns the content height. With bCalcOnly nothing
// is pushed to the bottom (the rectangles are still filled). A row height of 0 or an empty area
// gives 0 and no rectangles.
int Layout(const CRect& rectTaskArea, const Metrics& metrics, int nScrollPos, int nRowHeight,
           int cyImage, int nScrollTotal, const std::vector<GroupIn>& groups,
           std::vector<GroupOut>& out, BOOL bCalcOnly);

struct Scroll
{
    int nTotal = 0;  // rows
    int nPage = 0;
    int nPos = 0;
};

// The scroll range for the visible height and the content height, with the old position
// clamped to 0 .. total - page + 1.
Scroll CalcScroll(int cyVisible, int nRowHeight, int cyContent, int nOldPos);
// The position a WM_VSCROLL code asks for, clamped the same way; other codes keep it.
int ScrollPosFor(int nSBCode, int nThumbPos, const Scroll& scroll);
// Clamps a position to 0 .. total - page + 1.
int ClampPos(int nPos, const Scroll& scroll);
// Whether each scroll button has something to scroll in its direction.
inline BOOL ShowUpButton(const Scroll& s) { return s.nPos > 0; }
inline BOOL ShowDownButton(const Scroll& s) { return s.nPos <= s.nTotal - s.nPage && s.nTotal > 0; }
// Rows the collapse animation moves after nElapsedMs milliseconds (one row every 30 ms).
int AnimationSteps(DWORD nElapsedMs);
}  // namespace ZAVPTasksLayout
