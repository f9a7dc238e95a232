// The workspace bar.
#include "app/WND_Workspace.h"

#include "framework/CArchive.h"

// The stored layout names the bar by its class (it has no id).
IMPLEMENT_SERIAL(WND_Workspace, CZAVPTabbedControlBar, 1)

BEGIN_MESSAGE_MAP(WND_Workspace, CZAVPTabbedControlBar)
END_MESSAGE_MAP()

WND_Workspace::WND_Workspace() : CZAVPTabbedControlBar(FALSE) {}

WND_Workspace::~WND_Workspace() = default;

void WND_Workspace::ShowWorkspace()
{
    ShowControlBar(TRUE, FALSE, FALSE);
    AdjustDockingLayout();
}

void WND_Workspace::HideWorkspace()
{
    ShowControlBar(FALSE, FALSE, FALSE);
    AdjustDockingLayout();
}
