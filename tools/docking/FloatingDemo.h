// The docking demo's floating bars: the catalogue's navigation toolbar in a mini frame of its own.
#pragma once

#include <memory>

class CZAVPFrameWnd;
class CZAVPToolBar;

// Makes the toolbar, docks it and floats it at a point of the frame's client area; null when it
// could not be made. The frame must be shown first.
std::unique_ptr<CZAVPToolBar> FloatDemoToolBar(CZAVPFrameWnd* pFrame);

// Prints one line per floating frame: its title, its bar's id and its window rectangle in the
// frame's client coordinates.
void PrintFloatingFrames(CZAVPFrameWnd* pFrame);
