// The pages drop-down of the tasks pane's navigation toolbar: it shows the active page's name
// and opens the pane's page menu right-aligned under itself.
#pragma once

#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CZAVPTasksPane;

class CTasksPaneMenuButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CTasksPaneMenuButton)
public:
    CTasksPaneMenuButton() : CTasksPaneMenuButton(nullptr) {}
    explicit CTasksPaneMenuButton(HMENU hMenu);

    void OnChangeParentWnd(CWnd* pWndParent) override;
    HMENU CreateMenu() const override;
    CZAVPPopupMenu* CreatePopupMenu() override;
    CZAVPTasksPane* GetPane() const { return m_pPane; }

protected:
    CZAVPTasksPane* m_pPane;  // the pane served, null until the button sits on its toolbar
};
