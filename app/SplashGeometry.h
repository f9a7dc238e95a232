// Where the loading splash goes and how its strip scrolls: plain arithmetic, kept apart from the
// window so that it can be checked without one.
#pragma once
#include <windows.h>

namespace SplashGeometry
{

const int kWidth = 400;  // the window and its picture
const int kHeight = 300;
const int kStripLength = 398;  // the strip bitmap: 398x7, drawn at (1, 292)
const int kStripHeight = 7;
const int kStripLeft = 1;
const int kStripTop = 292;
const float kStripStep = 9.95f;  // pixels the strip moves on every 40 ms tick

// The window's rectangle, centred in `workArea` (screen coordinates).
RECT WindowRect(const RECT& workArea);

// The offset brought back into [0, kStripLength).
float WrapStripOffset(float offset);

struct StripBlit
{
    int destX;    // client x of the first pixel drawn
    int width;    // pixels drawn
    int sourceX;  // x in the strip bitmap
};

// The one or two blits that draw the strip scrolled left by `offset` (already wrapped): the
// strip's tail from offset on at the left, then its head after it. Returns how many are needed.
int StripBlits(float offset, StripBlit blits[2]);

}  // namespace SplashGeometry
