// The workspace bar.
#include "app/WND_Workspace.h"

IMPLEMENT_DYNCREATE(WND_Workspace, CZAVPTabbedControlBar)

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
