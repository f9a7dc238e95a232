// Keyboard and mouse input as the system delivers it (SendInput): accelerators see the modifier
// keys down, and a drag goes through the tree's own drag detection. Input goes to the foreground
// window, so each call first brings the given window to the front and checks that it is there.
#pragma once
#include <windows.h>

namespace UserInput
{
// Brings the window's top-level parent to the front; false when the system refused.
bool Focus(HWND window);
// A key press and release, with Ctrl held when asked.
bool Key(HWND window, WORD vk, bool ctrl = false);
// Presses the left button at one screen point, moves to another in steps and releases it there.
bool Drag(HWND window, POINT from, POINT to);
// Moves the cursor to a screen point, as the hand moves the mouse (no button).
bool MoveTo(HWND window, POINT at);
// A left click at a screen point: the cursor moves there first, then the button goes down and up.
bool Click(HWND window, POINT at);
// Two left clicks at one screen point, within the system's double-click time.
bool DoubleClick(HWND window, POINT at);
}  // namespace UserInput
