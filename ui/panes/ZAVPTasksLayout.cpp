// The tasks pane's layout arithmetic (see the header).
#include "ui/panes/ZAVPTasksLayout.h"

#include <algorithm>

namespace ZAVPTasksLayout
{
namespace
{
// One row each 30 ms, as the platform's own explorer bar animates.
const double kStepsPerMs = 0.033333335;
}  // namespace

int Layout(const CRect& rectTaskArea, const Metrics& m, int nScrollPos, int nRowHeight, int cyImage,
           int nScrollTotal, const std::vector<GroupIn>& groups, std::vector<GroupOut>& out,
           BOOL bCalcOnly)
{
    out.assign(groups.size(), GroupOut());
    if (groups.empty() || rectTaskArea.IsRectEmpty()) return 0;
    CRect work = rectTaskArea;
    work.DeflateRect(m.nHorzMargin, m.nVertMargin);
    int y = work.top - nScrollPos * nRowHeight;

    for (size_t g = 0; g < groups.size(); ++g) {
        const GroupIn& in = groups[g];
        GroupOut& o = out[g];
        o.taskRects.assign(in.tasks.size(), CRect(0, 0, 0, 0));
        const int cyCaption = in.bHasName ? std::max<int>(in.cyName + m.nCaptionVertOffset,
                                                          m.nCaptionMinHeight)
                                          : 0;
        if (in.bHasIcon && in.sizeIcon.cx < work.right - cyCaption - work.left &&
            cyCaption < in.sizeIcon.cy)
            y += in.sizeIcon.cy - cyCaption;
        o.rectCaption = CRect(work.left, y, work.right, y + cyCaption);
        const int yCaptionBottom = o.rectCaption.bottom;
        int y2 = yCaptionBottom;

        if (in.bCollapsed && !(in.bAnimated && in.nAnimHeight > 0)) {
            o.rectTasks = CRect(work.left, y2 - 1, work.right, y2 - 1);
        } else {
            y2 += m.nTaskSpace;
            for (size_t t = 0; t < in.tasks.size(); ++t) {
                const TaskIn& task = in.tasks[t];
                CRect& r = o.taskRects[t];
                if (task.bWindow) {
                    r = CRect(work.left, std::max<int>(y2, rectTaskArea.top + 1), work.right,
                              std::min<int>(y2 + (task.bVisible ? task.cyWindow : 0),
                                            rectTaskArea.bottom - 1));
                    r.DeflateRect(m.nTaskHorzOffset, 0);
                    y2 += task.cyWindow + m.nTaskSpace;
                } else if (!task.bVisible) {
                    r = CRect(0, 0, 0, 0);
                } else {
                    const int h = std::max<int>(task.cyText, cyImage);
                    const int left = work.left + m.nTaskHorzOffset;
                    r = CRect(left, y2, std::max<int>(work.right - m.nTaskHorzOffset, left),
                              y2 + h);
                    y2 += h + m.nTaskSpace;
                }
                // The collapse animation shows only the top of the group's tasks.
                if (in.bAnimated && y2 > yCaptionBottom + in.nAnimHeight) {
                    y2 = yCaptionBottom + std::max<int>(in.nAnimHeight, 0);
                    r.bottom = std::max<int>(y2 - 1, r.top);
                }
            }
            o.rectTasks = CRect(work.left, yCaptionBottom, work.right, y2);
        }
        y = y2 + m.nGroupSpace;
    }

    // The page's last group, when it asks for it, sits at the bottom while nothing is scrolled.
    if (!bCalcOnly && nScrollTotal == 0) {
        const GroupIn& last = groups.back();
        const BOOL bAnyVisible = std::any_of(last.tasks.begin(), last.tasks.end(),
                                             [](const TaskIn& t) { return t.bVisible; });
        GroupOut& o = out.back();
        const int dy = work.bottom - o.rectTasks.bottom;
        if (last.bBottom && bAnyVisible && dy >= 1) {
            o.rectCaption.OffsetRect(0, dy);
            o.rectTasks.OffsetRect(0, dy);
            for (CRect& r : o.taskRects)
                if (!r.IsRectNull()) r.OffsetRect(0, dy);
        }
    }
    return y + nScrollPos * nRowHeight - m.nTaskSpace - m.nGroupSpace + m.nVertMargin;
}

int ClampPos(int nPos, const Scroll& s)
{
    return std::max<int>(0, std::min<int>(nPos, s.nTotal - s.nPage + 1));
}

Scroll CalcScroll(int cyVisible, int nRowHeight, int cyContent, int nOldPos)
{
    Scroll s;
    if (nRowHeight <= 0) return s;
    s.nPage = cyVisible / nRowHeight - 1;
    if (cyContent != 0 && cyContent > cyVisible) {
        s.nTotal = cyContent / nRowHeight - 1;
        s.nPos = ClampPos(nOldPos, s);
    } else {
        s.nTotal = s.nPage = s.nPos = 0;
    }
    return s;
}

int ScrollPosFor(int nSBCode, int nThumbPos, const Scroll& s)
{
    int nPos = s.nPos;
    switch (nSBCode) {
    case SB_LINEUP: nPos -= 1; break;
    case SB_LINEDOWN: nPos += 1; break;
    case SB_PAGEUP: nPos -= s.nPage; break;
    case SB_PAGEDOWN: nPos += s.nPage; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: nPos = nThumbPos; break;
    case SB_TOP: nPos = 0; break;
    case SB_BOTTOM: nPos = s.nTotal; break;
    default: return s.nPos;
    }
    return ClampPos(nPos, s);
}

int AnimationSteps(DWORD nElapsedMs) { return (int)((double)nElapsedMs * kStepsPerMs + 0.5); }
}  // namespace ZAVPTasksLayout
