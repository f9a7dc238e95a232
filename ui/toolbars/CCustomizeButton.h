// The toolbar's customise (chevron) button: what its drawing shows, the buttons the bar's layout
// hid in it, and whether the toolbar offers its customise menu. It is never stored with the
// toolbar's buttons.
#pragma once

#include "framework/CObList.h"
#include "ui/toolbars/CZAVPToolbarMenuButton.h"

class CCustomizeButton : public CZAVPToolbarMenuButton
{
    DECLARE_SERIAL(CCustomizeButton)
public:
    CCustomizeButton();
    void CopyFrom(const CZAVPToolbarButton& src) override;
    BOOL IsStorable() const override { return FALSE; }
    BOOL IsEditable() const override { return FALSE; }

    BOOL m_bHasHiddenButtons;       // the toolbar is too short for some of its buttons
    BOOL m_bCanCustomize;           // the toolbar offers its customise menu
    CObList m_lstInvisibleButtons;  // the bar's buttons it had no room for, in order (not owned)
};
