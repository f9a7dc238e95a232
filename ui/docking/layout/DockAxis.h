// Orientation-neutral access to rectangles: "along" is the direction of a row (x in a horizontal
// row, y in a vertical one), "across" the other. Layout arithmetic is written once against it.
#pragma once

#include <windows.h>

// A side of the frame: CBRS_ALIGN_* values of the platform's bar style.
enum DockAlignment : DWORD
{
    DOCK_ALIGN_LEFT = 0x1000,
    DOCK_ALIGN_TOP = 0x2000,
    DOCK_ALIGN_RIGHT = 0x4000,
    DOCK_ALIGN_BOTTOM = 0x8000,
    DOCK_ALIGN_ANY = 0xF000,
    DOCK_ALIGN_HORZ_MASK = 0xA000,  // top or bottom: rows run horizontally
};

inline bool IsHorizontalAlignment(DWORD dwAlignment)
{
    return (dwAlignment & DOCK_ALIGN_HORZ_MASK) != 0;
}

struct DockAxis
{
    bool horizontal;

    explicit DockAxis(bool bHorizontal) : horizontal(bHorizontal) {}
    static DockAxis ForAlignment(DWORD dwAlignment)
    {
        return DockAxis(IsHorizontalAlignment(dwAlignment));
    }

    LONG Start(const RECT& r) const { return horizontal ? r.left : r.top; }
    LONG End(const RECT& r) const { return horizontal ? r.right : r.bottom; }
    LONG Length(const RECT& r) const { return End(r) - Start(r); }
    LONG CrossStart(const RECT& r) const { return horizontal ? r.top : r.left; }
    LONG CrossEnd(const RECT& r) const { return horizontal ? r.bottom : r.right; }
    LONG Thickness(const RECT& r) const { return CrossEnd(r) - CrossStart(r); }
    LONG Along(POINT pt) const { return horizontal ? pt.x : pt.y; }
    LONG Across(POINT pt) const { return horizontal ? pt.y : pt.x; }
    LONG Along(SIZE sz) const { return horizontal ? sz.cx : sz.cy; }
    LONG Across(SIZE sz) const { return horizontal ? sz.cy : sz.cx; }

    // A rectangle from its extent along and across.
    RECT Make(LONG start, LONG length, LONG crossStart, LONG thickness) const
    {
        RECT r;
        if (horizontal)
            ::SetRect(&r, start, crossStart, start + length, crossStart + thickness);
        else
            ::SetRect(&r, crossStart, start, crossStart + thickness, start + length);
        return r;
    }
    SIZE MakeSize(LONG length, LONG thickness) const
    {
        SIZE sz;
        sz.cx = horizontal ? length : thickness;
        sz.cy = horizontal ? thickness : length;
        return sz;
    }
    void OffsetAlong(RECT& r, LONG delta) const
    {
        ::OffsetRect(&r, horizontal ? delta : 0, horizontal ? 0 : delta);
    }
    void OffsetAcross(RECT& r, LONG delta) const
    {
        ::OffsetRect(&r, horizontal ? 0 : delta, horizontal ? delta : 0);
    }
    void SetStart(RECT& r, LONG v) const { (horizontal ? r.left : r.top) = v; }
    void SetEnd(RECT& r, LONG v) const { (horizontal ? r.right : r.bottom) = v; }
    void SetCrossStart(RECT& r, LONG v) const { (horizontal ? r.top : r.left) = v; }
    void SetCrossEnd(RECT& r, LONG v) const { (horizontal ? r.bottom : r.right) = v; }
};
