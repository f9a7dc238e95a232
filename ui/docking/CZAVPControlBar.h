// The docking control bar of the library, between the base bar and the docking panes and
// toolbars. Declared so far as the link in the class tree that the drawing code tests for.
#pragma once

#include "ui/docking/CZAVPBaseControlBar.h"

class CZAVPControlBar : public CZAVPBaseControlBar
{
    DECLARE_DYNAMIC(CZAVPControlBar)
public:
    CZAVPControlBar() = default;
};
