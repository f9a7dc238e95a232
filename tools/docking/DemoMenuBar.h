// The docking demo's menu bar (see DemoMenuBar.cpp).
#pragma once

class CZAVPFrameWnd;

// Gives the frame a menu and a menu bar docked at the top.
void AddDemoMenuBar(CZAVPFrameWnd* pFrame);
