// Placement of a popup menu against the work area (see the header).
#include "ui/toolbars/ZAVPPopupPlacement.h"

namespace ZAVPPopupPlacement
{
namespace
{
int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

void PlaceHorizontally(const Request& req, Placement& p)
{
    const RECT& rcWork = req.rcWork;
    const BOOL bOut = req.bRightAlign ? p.x < rcWork.left : p.x + req.cx > rcWork.right;
    if (!bOut) return;

    if (req.opener == OpenerPopup) {
        p.x = req.nParentPopupLeft - req.cx;
        p.nDropDirection = kDropLeft;
    } else if (req.opener == OpenerBar && req.bVerticalMenuBar) {
        p.x = req.rcButton.left - req.cx;
        p.nDropDirection = kDropLeft;
    } else {
        // One pixel in from the edge, as a menu dropped from a button at the screen edge looks.
        p.x = req.bRightAlign ? rcWork.left + 1 : rcWork.right - req.cx - 1;
    }

    if (p.x < rcWork.left) {
        p.x = rcWork.left;
        p.nDropDirection = kDropNormal;
    }
    p.bAnimateRight = FALSE;
}

void PlaceVertically(const Request& req, Placement& p)
{
    const RECT& rcWork = req.rcWork;
    if (p.y + p.cy <= rcWork.bottom) return;

    p.bAnimateDown = FALSE;
    if (req.opener == OpenerBar) {
        const int nButtonTop = req.rcButton.top;
        if (nButtonTop - p.cy >= rcWork.top) {
            p.y = nButtonTop - p.cy;
            p.nDropDirection = kDropAbove;
            return;
        }

        // Too tall for either side: take the larger one and scroll.
        const int nBelow = rcWork.bottom - nButtonTop;
        const int nAbove = nButtonTop - rcWork.top;
        if (nBelow < nAbove) {
            p.y = rcWork.top;
            p.nDropDirection = kDropNormal;
            p.cy = nAbove;
        } else {
            p.cy = rcWork.bottom - p.y;
            p.bAnimateDown = TRUE;
        }
        p.bScrollMode = TRUE;
        return;
    }

    p.y -= p.cy;
    if (req.opener == OpenerPopup) {
        // The sub-menu's bottom lines up with the bottom of its parent item.
        p.y += req.nRowHeight + 2 * req.nBorder;
    }
    if (p.y < rcWork.top) {
        p.y = rcWork.top;
        p.nDropDirection = kDropNormal;
    }
    if (p.y + p.cy > rcWork.bottom) {
        p.cy = rcWork.bottom - p.y;
        p.bScrollMode = TRUE;
    }
}
}  // namespace

POINT ButtonOrigin(ButtonKind kind, const RECT& rcButton, int nBarWindowRight, BOOL bOpenLeft)
{
    POINT pt;
    switch (kind) {
    case ButtonInPopup:
        // Two pixels up so that the sub-menu's first item lines up with the parent item.
        pt.x = nBarWindowRight + 1;
        pt.y = rcButton.top - 2;
        break;
    case ButtonOnVerticalMenuBar:
        pt.x = rcButton.right;
        pt.y = rcButton.top;
        break;
    default:
        // One pixel up: the menu's border overlaps the button's bottom edge.
        pt.x = bOpenLeft ? rcButton.right - 2 : rcButton.left;
        pt.y = rcButton.bottom - 1;
        break;
    }
    return pt;
}

HitArea HitTest(POINT pt, const RECT& rcWindow, int nShadow, const RECT& rcLogo,
                const RECT& rcTearOff)
{
    if (!::PtInRect(&rcWindow, pt)) return HitOutside;
    if (::PtInRect(&rcLogo, pt)) return HitLogo;
    if (pt.x >= rcWindow.right - nShadow) return HitRightShadow;
    if (pt.y >= rcWindow.bottom - nShadow) return HitBottomShadow;
    if (::PtInRect(&rcTearOff, pt)) return HitTearOff;
    return HitItems;
}

Placement Place(const Request& req)
{
    Placement p;
    p.x = req.bRightAlign ? req.x : Clamp(req.x, req.rcWork.left, req.rcWork.right);
    p.y = Clamp(req.y, req.rcWork.top, req.rcWork.bottom);
    p.cy = req.cy;
    p.nDropDirection = req.nDropDirection;
    p.bAnimateRight = TRUE;
    p.bAnimateDown = TRUE;
    p.bScrollMode = FALSE;

    PlaceHorizontally(req, p);
    PlaceVertically(req, p);
    // A sub-menu drawn joined to its item, whose parent shows all items only for now while it
    // does not, overlaps the parent's edge: 4 pixels toward it, 1 down.
    if (req.bJoinedLook && req.opener == OpenerPopup && req.bParentRestoresRecent &&
        !req.bRestoresRecent)
    {
        p.x += p.nDropDirection == kDropLeft ? kJoinedShift : -kJoinedShift;
        p.y += 1;
    }
    return p;
}
}  // namespace ZAVPPopupPlacement
