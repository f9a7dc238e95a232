// The docked, tabbed bar "Обзор" on the left of the main frame, holding the category tree as its
// tab "По категориям". It is shown and hidden whole: its close button hides the bar and neither
// closes nor detaches the tab. Docking, floating and keeping its place are the tabbed bar's.
#pragma once
#include "ui/docking/CZAVPTabbedControlBar.h"

class WND_Workspace : public CZAVPTabbedControlBar
{
    DECLARE_SERIAL(WND_Workspace)
public:
    WND_Workspace();
    ~WND_Workspace() override;

    void ShowWorkspace();
    void HideWorkspace();

    // The bar keeps no command state of its own, and focus moving in or out of the tree does not
    // redraw its caption.
    void OnUpdateCmdUI(CFrameWnd*, BOOL) override {}
    void OnPressCloseButton() override { HideWorkspace(); }

    DECLARE_MESSAGE_MAP()
};
