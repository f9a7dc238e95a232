// The non-client companion that toolbars embed: it computes a bar's borders and gripper strip
// and paints them through the visual manager.
#pragma once

#include "framework/CRect.h"

class CDC;
class CZAVPControlBar;

class CZAVPBarNcArea
{
public:
    explicit CZAVPBarNcArea(CZAVPControlBar* pBar) : m_pBar(pBar) {}
    virtual ~CZAVPBarNcArea() = default;

    // The client rectangle inside the bar's borders and gripper.
    void CalcSize(CRect& rect) const;
    // The strip of the window before its client area (left of it on a horizontal bar, above it
    // on a vertical one): in client coordinates, or relative to the window's top-left.
    void CalcGripperRect(CRect& rect, BOOL bClientCoords) const;
    // Borders, background and gripper on a window DC of the bar, the client area left out.
    void Paint();
    // The parent's background under the bar.
    void DrawParentBackground(CDC* pDC);

    // The window rectangle cut to the strip before the client area (both on the screen).
    static CRect GripperStrip(const CRect& rectWindow, const CRect& rectClient, BOOL bHorz);

private:
    CZAVPControlBar* m_pBar;
};
