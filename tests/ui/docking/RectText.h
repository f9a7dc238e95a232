// Rectangles for the docking tables: a short constructor and a "left,top,right,bottom" text that
// a failed comparison prints readably.
#pragma once

#include <windows.h>

#include <string>

inline RECT R(LONG l, LONG t, LONG r, LONG b) { return RECT{l, t, r, b}; }

inline std::string Text(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}
