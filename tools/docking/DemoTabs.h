// A tabbed pane for the docking demo: three captioned panes grouped as tabs at the frame's
// bottom, the caption following the active tab.
#pragma once

#include <memory>
#include <vector>

class CZAVPDockingControlBar;
class CZAVPFrameWnd;

// Creates the panes, docks the first at the bottom and groups the others with it; the vector
// keeps the panes until the frame goes (panes first).
bool AddDemoTabbedPane(CZAVPFrameWnd* pFrame,
                       std::vector<std::unique_ptr<CZAVPDockingControlBar>>& panes);
