// The tasks pane's navigation toolbar: Back, Forward, Home, the pages drop-down stretched over
// the rest of the bar, and a Close button that never shows. The pane embeds it and uses it only
// where it cannot show caption buttons of its own.
#pragma once

#include "ui/toolbars/CZAVPToolBar.h"

class CZAVPTasksPane;

class CTasksPaneToolBar : public CZAVPToolBar
{
    DECLARE_SERIAL(CTasksPaneToolBar)
public:
    CTasksPaneToolBar();

    // The menu buttons show the active page's name.
    void SetMenuButtonsText(const CString& strText);

    void AdjustLayout() override;
    void AdjustLocations() override;
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL GetFrameToolTipText(CZAVPToolbarButton* pButton, CString& strText) const override;
    BOOL CanChangeTextLabels() const override { return FALSE; }
    BOOL AllowShowOnList() const override { return FALSE; }

    // The pane the toolbar sits in, or null.
    CZAVPTasksPane* GetPane() const;
};
