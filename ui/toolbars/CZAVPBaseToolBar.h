// The thin class between the docking control bar and the toolbar; other code only tests for it.
#pragma once

#include "ui/docking/CZAVPControlBar.h"

class CZAVPBaseToolBar : public CZAVPControlBar
{
    DECLARE_DYNCREATE(CZAVPBaseToolBar)
public:
    CZAVPBaseToolBar() = default;

protected:
    // A change of width repaints the whole bar at once (its contents are laid out by width).
    void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()
};
