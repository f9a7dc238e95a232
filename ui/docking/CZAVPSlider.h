// The splitter between docked bars. Declared so far: the current alignment the drawing code
// reads to choose the edge it draws.
#pragma once

#include "ui/docking/CZAVPBaseControlBar.h"

class CZAVPSlider : public CZAVPBaseControlBar
{
    DECLARE_DYNAMIC(CZAVPSlider)
public:
    CZAVPSlider() = default;
};
