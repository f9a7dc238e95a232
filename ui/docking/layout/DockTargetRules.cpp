// Docking targets inside a container (see DockTargetRules.h).
#include "ui/docking/layout/DockTargetRules.h"

#include "ui/docking/layout/ContainerMath.h"
#include "ui/docking/layout/DockAxis.h"
#include "ui/docking/layout/DockSiteMath.h"

namespace DockLayout
{
namespace
{
BOOL Inside(const RECT& r, POINT pt) { return ::PtInRect(&r, pt); }
}  // namespace

int PaneFromPoint(const std::vector<TargetPane>& panes, POINT pt, int nSensitivity, BOOL bExactBar,
                  BOOL& bTabArea, BOOL& bCaption)
{
    bTabArea = FALSE;
    bCaption = FALSE;
    for (size_t i = 0; i < panes.size(); ++i) {
        const TargetPane& p = panes[i];
        if (Inside(p.rectCaption, pt)) {
            bCaption = TRUE;
            return (int)i;
        }
        if (Inside(p.rectTabArea1, pt) || Inside(p.rectTabArea2, pt)) {
            bTabArea = TRUE;
            return (int)i;
        }
        if (Inside(p.rectWindow, pt)) {
            if (!bExactBar) return (int)i;
            RECT inner = p.rectWindow;
            ::InflateRect(&inner, -nSensitivity, -nSensitivity);
            if (!Inside(inner, pt)) return (int)i;
        }
    }
    if (!bExactBar) {
        for (size_t i = 0; i < panes.size(); ++i) {
            RECT outer = panes[i].rectWindow;
            ::InflateRect(&outer, nSensitivity, nSensitivity);
            if (Inside(outer, pt)) return (int)i;
        }
    }
    return -1;
}

DockTarget FindDockTarget(const std::vector<TargetPane>& panes, POINT pt, int nSensitivity,
                          BOOL bFrameCaption, int nFrameCaptionPane)
{
    DockTarget t = {-1, DOCK_ALIGN_LEFT, FALSE, FALSE};
    if (bFrameCaption) {
        t.nPane = nFrameCaptionPane;
        t.bCaption = TRUE;
        return t;
    }
    t.nPane = PaneFromPoint(panes, pt, nSensitivity, TRUE, t.bTabArea, t.bCaption);
    if (t.nPane >= 0) {
        if (!t.bTabArea && !t.bCaption) {
            const TargetPane& p = panes[(size_t)t.nPane];
            const DWORD side = HitTestDockEdges(pt, p.rectWindow, nSensitivity, FALSE,
                                                DOCK_ALIGN_ANY, p.nCaptionHeight, p.nTabHeight);
            if (side == 0)
                t.nPane = -1;
            else
                t.dwAlignment = side;
        }
        return t;
    }
    t.nPane = PaneFromPoint(panes, pt, nSensitivity, FALSE, t.bTabArea, t.bCaption);
    return t;
}

ExpectedDock CalcExpectedDockRect(const ExpectedDockQuery& q)
{
    ExpectedDock r = {FALSE, FALSE, {0, 0, 0, 0}};
    if (q.bCtrlDown || q.target.nPane < 0) return r;

    const DWORD dwTargetSide = q.bTargetFloats ? DOCK_ALIGN_ANY : q.dwTargetAlignment;
    if (q.bDraggedIsControlBar && (q.dwDraggedEnabled & dwTargetSide) == 0) return r;
    if (q.target.bTabArea || q.target.bCaption) {
        r.bDropAsTab = q.bTargetCanBeAttached && q.bDraggedCanBeAttached;
        if (!r.bDropAsTab) return r;
    }
    if ((q.bTargetFloats && !q.bDraggedCanFloatMulti) ||
        (q.bDraggedIsBaseBar && !q.bTargetAccepts) || q.bTargetIsDragged)
    {
        r.bDropAsTab = FALSE;
        return r;
    }

    RECT rectTarget = q.rectTarget;
    SplitRects split;
    if (!CalcSplitRects(rectTarget, q.sizeDragged, q.sizeDraggedMin, q.target.dwAlignment, split))
        return r;
    r.bTarget = TRUE;
    r.rect = split.rectNew;
    return r;
}
}  // namespace DockLayout
