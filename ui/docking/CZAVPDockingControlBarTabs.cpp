// Tabbed groups of docking panes: a pane dropped on another joins (or makes) the tabbed bar
// that holds it. The group itself is a tabbed control bar, built on this class elsewhere; until
// a group class is registered no group can be made and the calls answer null.
#include "ui/docking/CZAVPDockingControlBar.h"

CZAVPDockingControlBar* CZAVPDockingControlBar::AttachToTabbedBar(CZAVPDockingControlBar*, int,
                                                                  BOOL,
                                                                  CZAVPDockingControlBar*& pGroup)
{
    pGroup = nullptr;
    return nullptr;
}

CZAVPBaseTabbedBar* CZAVPDockingControlBar::CreateTabbedControlBar() { return nullptr; }
