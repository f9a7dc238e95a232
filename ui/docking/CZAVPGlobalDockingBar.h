// The one hidden docking bar that stands for a dragged window while it is shown as a temporary
// tab of a tabbed bar: the outline of a drag adds a tab holding this window to the tabbed bar
// under the cursor, and takes it away again when the cursor leaves or the drag ends.
#pragma once

#include "ui/docking/CZAVPDockingControlBar.h"

class CZAVPGlobalDockingBar : public CZAVPDockingControlBar
{
    DECLARE_DYNCREATE(CZAVPGlobalDockingBar)
public:
    CZAVPGlobalDockingBar() = default;

    // The program's only instance. It lives until the program ends; its window is a child of the
    // main frame and goes with it.
    static CZAVPGlobalDockingBar& Instance();
    // The instance's window, made on first use as a hidden child of pFrame (or moved there when
    // it was made for a frame that is not the main one any more). Null when it cannot be made.
    static CZAVPGlobalDockingBar* EnsureWindow(CWnd* pFrame);

    // The control id of its window: no bar of the program uses it.
    static const UINT kControlId = 0xE7FF;
};
