// The thin class between the docking control bar and the toolbar; other code only tests for it.
#pragma once

#include "ui/docking/CZAVPControlBar.h"

class CZAVPBaseToolBar : public CZAVPControlBar
{
    DECLARE_DYNAMIC(CZAVPBaseToolBar)
public:
    CZAVPBaseToolBar() = default;
};
