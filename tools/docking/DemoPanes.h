// Captioned panes for the docking demo: two panes beside each other on the left, split by a
// slider, and one pane hidden on an auto-hide strip on the right.
#pragma once

#include <memory>
#include <vector>

class CZAVPDockingControlBar;
class CZAVPFrameWnd;

// Creates and docks the panes; the vector keeps them until the frame goes (panes first).
bool AddDemoPanes(CZAVPFrameWnd* pFrame,
                  std::vector<std::unique_ptr<CZAVPDockingControlBar>>& panes);
